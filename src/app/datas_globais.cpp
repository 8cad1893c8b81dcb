#include "datas_globais.h"

namespace tolv {

namespace {
Date primeiraData(TDBUtils &banco, const QString &sql)
{
    const auto rs = banco.Abrir(sql);
    if (rs->rowCount() == 0 || rs->field(0).isNull())
        return DataNula;
    return rs->field(0).toDate();
}
} // namespace

void CarregarDatasGlobais(TDBUtils &banco, Configuracao &cfg)
{
    cfg.DataPagamento = primeiraData(banco, QStringLiteral("SELECT DT_PAGAMENTO FROM SFGTBG01_ABERTURA_RECOLHIMENTO"));
    cfg.DataEditalProRata = primeiraData(banco, QStringLiteral("SELECT MIN(DT_EDITAL_PRORATA) FROM SFGTBT18_INDICE_PRORATA"));
}

} // namespace tolv
