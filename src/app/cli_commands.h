#pragma once

#include "cli_context.h"

#include <functional>
#include <vector>

namespace tolv::cli {

struct Command {
    const char *name;
    const char *usage;    // arguments, for --help
    const char *summary;  // one line, for --help
    std::function<int(Context &)> run;
};

// Every command of tolv-cli, in the order --help lists them.
const std::vector<Command> &Commands();

// Command groups, one file each.
std::vector<Command> ComandosBanco();    // sql
std::vector<Command> ComandosCalculo();  // simulate, calculate
std::vector<Command> ComandosImportacao();  // import
std::vector<Command> ComandosMovimento();   // tree, mark, unmark

} // namespace tolv::cli
