#include "datas_globais.h"

#include "calculation/datas_indices.h"

namespace tolv {

void CarregarDatasGlobais(TDBUtils &banco, Configuracao &cfg)
{
    cfg.DataPagamento = CarregarDataPagamento(banco);
    cfg.DataEditalProRata = CarregarDataEdital(banco);
}

} // namespace tolv
