// sql: runs a script of statements against the program's database.

#include "cli_commands.h"

#include "core/aplicacao.h"
#include "core/sql_script.h"

#include <QFile>

namespace tolv::cli {

namespace {

int cmdSql(Context &c)
{
    if (c.args.size() != 1)
        throw CliError{QStringLiteral("uso: tolv-cli sql ARQUIVO.sql")};
    QFile f(c.args.first());
    if (!f.open(QIODevice::ReadOnly))
        throw CliError{QStringLiteral("não foi possível ler %1: %2").arg(f.fileName(), f.errorString())};
    const QString script = QString::fromUtf8(f.readAll());
    IniciarOuFalhar();
    TDBUtils &banco = *TDBUtils::Instancia();
    const int n = int(DividirScriptSql(script).size());
    // all or nothing: a failing statement leaves the database as it was
    banco.IniciarTransacao();
    try {
        ExecutarScriptSql(banco, script);
        banco.Commit();
    } catch (const std::exception &e) {
        banco.Rollback();
        EncerrarAplicacao();
        throw CliError{QStringLiteral("nada foi gravado: %1").arg(QString::fromUtf8(e.what()))};
    }
    c.out << n << " comando(s) executado(s)\n";
    EncerrarAplicacao();
    return 0;
}

} // namespace

std::vector<Command> ComandosBanco()
{
    return {
        {"sql", "ARQUIVO.sql", "executa os comandos SQL de um arquivo numa só transação (tudo ou nada)", cmdSql},
    };
}

} // namespace tolv::cli
