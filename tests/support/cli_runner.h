#pragma once

// Runs tolv-cli commands in-process, capturing what they print.

#include "app/cli_commands.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace tolv::test {

struct SaidaCli {
    int rc = -1;
    QString out, err;
};

inline SaidaCli RodarCli(const QString &nome, const QStringList &args = {})
{
    SaidaCli s;
    QTextStream out(&s.out), err(&s.err);
    for (const auto &c : cli::Commands()) {
        if (nome != QLatin1String(c.name))
            continue;
        cli::Context ctx{args, out, err};
        try {
            s.rc = c.run(ctx);
        } catch (const cli::CliError &e) {
            s.rc = 1;
            err << e.message;
        }
        out.flush();
        err.flush();
        return s;
    }
    ADD_FAILURE() << "no command " << nome.toStdString();
    return s;
}

} // namespace tolv::test
