#include "db_utils.h"

#include "active_window.h"
#include "errors.h"

#include <QFile>
#include <atomic>

namespace tolv {

namespace {
std::atomic<TDBUtils *> g_instancia{nullptr};
}

TDBUtils *TDBUtils::Instancia() { return g_instancia.load(); }
void TDBUtils::DefinirInstancia(TDBUtils *db) { g_instancia.store(db); }

void TDBUtils::Desconectar()
{
    if (EmTransacao())
        Rollback();
    Conectado = false;
}

QString MontarEntradaLogSql(const QString &tituloJanela, const QString &dataHora,
                            const QString &texto, const QString *mensagemErro)
{
    QString e;
    e += QStringLiteral("\r\n");
    e += tituloJanela + QStringLiteral("\r\n");
    e += dataHora + QStringLiteral(" ----------------------\r\n");
    e += texto + QStringLiteral("\r\n");
    if (mensagemErro) {
        e += QStringLiteral("ERRO              ----------------------\r\n");
        e += *mensagemErro + QStringLiteral("\r\n");
    } else {
        e += QStringLiteral("SUCESSO             ----------------------\r\n");
    }
    e += QStringLiteral("\r\n");
    return e;
}

void TDBUtils::GravarLog(const QString &texto, const std::exception *erro)
{
    const QString msg = erro ? QString::fromUtf8(erro->what()) : QString();
    const QString entry = MontarEntradaLogSql(
        ActiveWindow::get().caption,
        FormatarDataHora(QStringLiteral("dd/mm/yyyy hh:nn:ss"), DateTime::currentDateTime()),
        texto, erro ? &msg : nullptr);
    QFile f(CaminhoLogSql.isEmpty() ? QStringLiteral("VESKBD.log") : CaminhoLogSql);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        throw Error(QStringLiteral("Não foi possível gravar o log de SQL em %1: %2")
                        .arg(f.fileName(), f.errorString()));
    f.write(entry.toUtf8());
}

} // namespace tolv
