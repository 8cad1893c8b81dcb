#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tolv::cli {

// What every command gets: its own arguments and the two output streams.
struct Context {
    QStringList args;
    QTextStream &out;
    QTextStream &err;
};

// Failure of a command: printed as "tolv-cli: <message>", exit status 1.
struct CliError {
    QString message;
};

// Opens the program directory's database and settings (the same start-up the
// desktop program runs); throws CliError when it cannot.
void IniciarOuFalhar();

} // namespace tolv::cli
