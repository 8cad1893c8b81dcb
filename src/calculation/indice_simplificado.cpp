#include "indice_simplificado.h"

#include "core/result_set.h"
#include "core/sql_literais.h"
#include "files/inconsistencia.h"

namespace tolv {

QString ColunaJamOpcao(int categoria, Date dataOpcao)
{
    if (categoria == 2)
        return QStringLiteral("IN_JAM_OPCAO_MAIOR_0971");
    if (!dataOpcao.isRealDate())
        return {};
    switch (dataOpcao.year()) {
    case 1967: return QStringLiteral("IN_JAM_OPCAO_67");
    case 1968: return QStringLiteral("IN_JAM_OPCAO_68");
    case 1969: return QStringLiteral("IN_JAM_OPCAO_69");
    case 1970: return QStringLiteral("IN_JAM_OPCAO_70");
    default: break;
    }
    if (dataOpcao.year() < 1967)
        return {};
    if (dataOpcao <= Date::fromYmd(1971, 9, 22))
        return QStringLiteral("IN_JAM_OPCAO_ATE_0971");
    return QStringLiteral("IN_JAM_OPCAO_MAIOR_0971");
}

double IndiceSimplificado(TDBUtils &banco, int categoria, Date competencia, Date dataOpcao, Date dataEdital)
{
    const auto linha = banco.Abrir(QStringLiteral("SELECT * FROM SFGTBT17_INDICE_SIMPLIFICADO "
                                                  "WHERE DT_EDITAL_SIMPLIFICADO = %1 "
                                                  "AND DT_COMPETENCIA_SIMPLIFICADO = %2")
                                       .arg(SqlData(dataEdital), SqlData(competencia)));
    if (linha->rowCount() == 0) {
        // Nothing else is known here; the report fills the competence and edital in.
        TInconsistencia(&banco).IncluirFechamento(QStringLiteral("0372"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {});
        return -1;
    }
    const QString coluna = ColunaJamOpcao(categoria, dataOpcao);
    if (coluna.isEmpty())
        return -1;
    linha->first();
    return linha->field(coluna).toDouble();
}

} // namespace tolv
