#include "indice_simplificado.h"

#include "calculo.h"
#include "carga_calculo.h"
#include "core/sql_literais.h"
#include "tabelas_indices.h"

namespace tolv {

double IndiceSimplificado(TDBUtils &banco, int categoria, Date competencia, Date dataOpcao, Date dataEdital)
{
    const auto linha = banco.Abrir(QStringLiteral("SELECT * FROM SFGTBT17_INDICE_SIMPLIFICADO "
                                                  "WHERE DT_EDITAL_SIMPLIFICADO = %1 "
                                                  "AND DT_COMPETENCIA_SIMPLIFICADO = %2")
                                       .arg(SqlData(dataEdital), SqlData(competencia)));
    if (linha->rowCount() == 0) {
        RegistrarFaltaIndiceSimplificado(banco);
        return -1;
    }
    linha->first();
    return FatorJamSimplificado(LerLinhaSimplificado(*linha), categoria, dataOpcao);
}

} // namespace tolv
