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

} // namespace tolv::cli
