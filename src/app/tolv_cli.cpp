// tolv-cli: every capability of TOLV without a window.

#include "cli_commands.h"
#include "cli_presenter.h"

#include "core/program_directory.h"
#include "core/utilitarios.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace tolv;

namespace {

void usage(QTextStream &out)
{
    out << "uso: tolv-cli [--home DIR] [--yes|--no] COMANDO [ARGUMENTOS...]\n\n"
        << "  --home DIR   diretório do programa (padrão: $TOLV_HOME, senão o do executável)\n"
        << "  --yes/--no   resposta às perguntas de confirmação (padrão: o botão padrão)\n\n"
        << "comandos:\n";
    for (const auto &c : cli::Commands())
        out << QStringLiteral("  %1 %2\n      %3\n").arg(QLatin1String(c.name), QLatin1String(c.usage),
                                                       QString::fromUtf8(c.summary));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    auto resposta = CliPresenter::Resposta::Padrao;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString opt = args.takeFirst();
        if (opt == QLatin1String("--home") && !args.isEmpty()) {
            ProgramDirectory::setRoot(args.takeFirst());
        } else if (opt == QLatin1String("--yes")) {
            resposta = CliPresenter::Resposta::Sim;
        } else if (opt == QLatin1String("--no")) {
            resposta = CliPresenter::Resposta::Nao;
        } else if (opt == QLatin1String("--help")) {
            usage(out);
            return 0;
        } else {
            err << "tolv-cli: opção desconhecida " << opt << "\n";
            usage(err);
            return 2;
        }
    }
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }

    CliPresenter presenter(resposta);
    TUtilitarios::Instancia().DefinirApresentador(&presenter);

    const QString name = args.takeFirst();
    for (const auto &c : cli::Commands()) {
        if (name != QLatin1String(c.name))
            continue;
        cli::Context ctx{args, out, err};
        try {
            const int rc = c.run(ctx);
            out.flush();
            return rc;
        } catch (const cli::CliError &e) {
            out.flush();
            err << "tolv-cli: " << e.message << "\n";
            return 1;
        } catch (const std::exception &e) {
            out.flush();
            TUtilitarios::Instancia().TratarExcecao(e);
            err << "tolv-cli: " << QString::fromUtf8(e.what()) << "\n";
            return 1;
        }
    }
    err << "tolv-cli: comando desconhecido '" << name << "'\n";
    usage(err);
    return 2;
}
