#include "datas_indices.h"

#include "core/sql_literais.h"

namespace tolv {

namespace {

Date primeiraData(TDBUtils &banco, const QString &sql)
{
    const auto rs = banco.Abrir(sql);
    if (rs->rowCount() == 0 || rs->field(0).isNull())
        return DataNula;
    return rs->field(0).toDate();
}

QString dataOuZeros(Date d)
{
    return d.isRealDate() ? FormatarData(QStringLiteral("dd/mm/yyyy"), d) : QStringLiteral("00/00/0000");
}

} // namespace

Date CarregarDataEdital(TDBUtils &banco)
{
    return primeiraData(banco, QStringLiteral("SELECT MIN(DT_EDITAL_PRORATA) FROM SFGTBT18_INDICE_PRORATA"));
}

Date CarregarDataPagamento(TDBUtils &banco)
{
    return primeiraData(banco, QStringLiteral("SELECT MIN(DT_PAGAMENTO) FROM SFGTBG01_ABERTURA_RECOLHIMENTO"));
}

bool EhDiaUtil(TDBUtils &banco, Date d)
{
    if (!d.isRealDate())
        return false;
    return banco.Abrir(QStringLiteral("SELECT 1 FROM SFGTBT15_DIA_UTIL WHERE DT_UTIL = ") + SqlData(d))->rowCount() > 0;
}

Janela JanelaDoEdital(Date edital)
{
    if (!edital.isRealDate())
        return {};
    const Date inicio = edital.startOfMonth() + 9;
    return {inicio, edital.startOfMonth().addMonths(1) + 8};
}

bool DataPagamentoValida(TDBUtils &banco, Date x)
{
    // The earliest collection date, not whichever row the engine returns first.
    const Date d = primeiraData(banco, QStringLiteral("SELECT MIN(DT_RECOLHIMENTO_PRORATA) FROM SFGTBT18_INDICE_PRORATA"));
    if (!d.isRealDate() || !x.isRealDate())
        return false;
    const Janela j = JanelaDoEdital(d);
    return j.inicio <= x && x <= j.fim;
}

QString JanelaPagamento(int forma, Date dataEdital)
{
    const Janela j = JanelaDoEdital(dataEdital);
    if (forma == 1)
        return dataOuZeros(j.inicio) + QStringLiteral(" à ") + dataOuZeros(j.fim);
    return QStringLiteral("(entre ") + dataOuZeros(j.inicio) + QStringLiteral(" e ") + dataOuZeros(j.fim)
        + QStringLiteral(")");
}

} // namespace tolv
