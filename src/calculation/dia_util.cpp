#include "dia_util.h"

#include <algorithm>

namespace tolv {

TDiaUtil::TDiaUtil(TDBUtils *banco) : TNegocio(banco) { TDiaUtil::Inicializar(); }

void TDiaUtil::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral("SELECT DT_UTIL AS DATA ");
    SqlFrom = QStringLiteral("FROM SFGTBT15_DIA_UTIL ");
    m_dias.clear();
}

void TDiaUtil::Carregar()
{
    AtribuirDataSet(Banco()->Abrir(SqlSelect + SqlFrom + QStringLiteral("ORDER BY DT_UTIL")));
    std::vector<Date> dias;
    ResultSet &rs = *ObterDataSet();
    dias.reserve(size_t(rs.rowCount()));
    for (rs.first(); !rs.eof(); rs.next())
        dias.push_back(rs.field(0).toDate());
    // the rows live on as the sorted vector; the result set is not needed any more
    AtribuirDataSet(nullptr);
    DefinirDias(std::move(dias));
}

void TDiaUtil::DefinirDias(std::vector<Date> dias)
{
    m_dias.clear();
    m_dias.reserve(dias.size());
    for (Date d : dias)
        m_dias.push_back(d.serial());
    std::sort(m_dias.begin(), m_dias.end());
    m_dias.erase(std::unique(m_dias.begin(), m_dias.end()), m_dias.end());
}

std::vector<Date> TDiaUtil::Dias() const
{
    std::vector<Date> out;
    out.reserve(m_dias.size());
    for (qint32 s : m_dias)
        out.push_back(Date(s));
    return out;
}

bool TDiaUtil::Contem(Date d) const { return std::binary_search(m_dias.begin(), m_dias.end(), d.serial()); }

Date TDiaUtil::DiaUtilAnterior(Date d) const
{
    for (int i = 0; i <= 7; ++i)
        if (Contem(d - i))
            return d - i;
    return DataNula;
}

Date TDiaUtil::DiaUtilSeguinte(Date d) const
{
    for (int i = 0; i <= 7; ++i)
        if (Contem(d + i))
            return d + i;
    return DataNula;
}

Date TDiaUtil::AjustarDiaUtil(bool paraFrente, Date d) const
{
    const Date r = paraFrente ? DiaUtilSeguinte(d) : DiaUtilAnterior(d);
    return r.isNull() ? d : r;
}

Date TDiaUtil::VencimentoDeposito(Date competencia) const
{
    const Date proximo = competencia.startOfMonth().addMonths(1);
    return AjustarDiaUtil(false, proximo + 6);
}

} // namespace tolv
