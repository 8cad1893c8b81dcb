#include "banco_novo.h"

#include "core/aplicacao.h"
#include "core/errors.h"
#include "core/ibx_utils.h"
#include "core/sql_script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolv {

namespace {

QStringList scriptsIn(const QString &dir)
{
    QStringList out;
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString &n : names)
        out << dir + QLatin1Char('/') + n;
    return out;
}

QString readScript(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Script %1 não encontrado").arg(path));
    return QString::fromUtf8(f.readAll());
}

} // namespace

QStringList ScriptsEstrutura() { return scriptsIn(QStringLiteral(":/sql/schema")); }
QStringList ScriptsDados() { return scriptsIn(QStringLiteral(":/sql/data")); }

void InstalarEstrutura(TDBUtils &banco)
{
    // DDL commits statement by statement: a table must exist before data goes in.
    for (const QString &s : ScriptsEstrutura())
        ExecutarScriptSql(banco, readScript(s));
    banco.IniciarTransacao();
    try {
        for (const QString &s : ScriptsDados())
            ExecutarScriptSql(banco, readScript(s));
        banco.Commit();
    } catch (...) {
        if (banco.EmTransacao())
            banco.Rollback();
        throw;
    }
}

void CriarBancoDados(const QString &caminho)
{
    if (QFile::exists(caminho))
        throw Error(QStringLiteral("O banco de dados %1 já existe").arg(caminho));
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    TIbxUtils::CriarBanco(caminho, kUsuarioBanco, kSenhaBanco);
    try {
        TIbxUtils banco;
        banco.CaminhoBanco = caminho;
        banco.Usuario = kUsuarioBanco;
        banco.Senha = kSenhaBanco;
        banco.Conectar();
        InstalarEstrutura(banco);
        banco.Fechar();
    } catch (...) {
        QFile::remove(caminho);
        throw;
    }
}

} // namespace tolv
