#include "sql_literais.h"

#include <QRegularExpression>

#include "errors.h"
#include "formatos.h"

#include <cmath>

namespace tolv {

namespace {
const QString kNull = QStringLiteral("Null");
} // namespace

QString SqlTexto(const QString &texto)
{
    if (EstaVazio(texto))
        return kNull;
    return QLatin1Char('\'') + QString(texto).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString SqlSimNao(bool valor) { return valor ? QStringLiteral("'S'") : QStringLiteral("'N'"); }

QString SqlInteiro(int n) { return n == 0 ? kNull : QString::number(n); }

QString SqlInteiro64(qint64 n) { return n == 0 ? kNull : QString::number(n); }

QString SqlValor(double valor)
{
    if (!std::isfinite(valor))
        throw ENegocio(QStringLiteral("Valor numérico inválido para gravação: %1").arg(valor));
    if (valor == 0.0)
        return kNull;
    // QString::number always writes "." and never depends on the machine's locale
    return QString::number(valor, 'g', 15);
}

QString SqlValor(Money valor) { return valor.isZero() ? kNull : valor.toSqlText(); }

QString SqlNumeroTexto(const QString &texto)
{
    const std::optional<qint64> n = ConverterInteiro64(texto);
    if (!n)
        throw ENegocio(QStringLiteral("Texto não numérico em comando SQL: '%1'").arg(texto));
    return QString::number(*n);
}

QString SqlData(Date data, bool somenteData, bool comMilissegundos)
{
    if (data <= DataNula)
        return QStringLiteral("NULL");
    return SqlData(DateTime::fromParts(data, 0), somenteData, comMilissegundos);
}

QString SqlData(DateTime dataHora, bool somenteData, bool comMilissegundos)
{
    const Date dia = dataHora.date();
    if (dia <= DataNula)
        return QStringLiteral("NULL");
    if (ClassificarData(dia) == DataNaoReconhecida)
        throw ENegocio(QStringLiteral("Data inválida para gravação (valor %1)").arg(dia.serial()));
    const QString formato = somenteData        ? QStringLiteral("yyyy-mm-dd")
                            : comMilissegundos ? QStringLiteral("yyyy-mm-dd hh:nn:ss.zzz")
                                               : QStringLiteral("yyyy-mm-dd hh:nn:ss");
    return QLatin1Char('\'') + FormatarDataHora(formato, dataHora) + QLatin1Char('\'');
}

QString SqlDataColuna(Date data)
{
    if (data.isNull() || data.serial() == 0)
        return QStringLiteral("NULL");
    return SqlData(data);
}

bool OrdemSegura(const QString &ordem)
{
    // column [ASC|DESC], column [ASC|DESC], ... and nothing else
    static const QRegularExpression coluna(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*( +(ASC|DESC))?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (ordem.trimmed().isEmpty())
        return true;
    for (const QString &parte : ordem.split(QLatin1Char(',')))
        if (!coluna.match(parte.trimmed()).hasMatch())
            return false;
    return true;
}

} // namespace tolv
