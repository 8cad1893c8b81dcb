#pragma once

#include "core/date.h"
#include "core/db_utils.h"
#include "core/negocio.h"

#include <vector>

namespace tolv {

// The business-day calendar, read once from SFGTBT15_DIA_UTIL and kept in memory:
// due dates are moved onto business days many times per calculated link.
class TDiaUtil : public TNegocio {
public:
    explicit TDiaUtil(TDBUtils *banco = nullptr);

    void Inicializar() override;
    // Reads the whole calendar.
    void Carregar();
    // For tests and benchmarks: a calendar given directly (any order).
    void DefinirDias(std::vector<Date> dias);

    bool Contem(Date d) const;
    // d when it is a business day, else the nearest one up to 7 days before (after); DataNula when none.
    Date DiaUtilAnterior(Date d) const;
    Date DiaUtilSeguinte(Date d) const;
    // The business day before (or after) d, or d itself when none is within 7 days.
    Date AjustarDiaUtil(bool paraFrente, Date d) const;
    // Due date of the deposit of a competence: the 7th of the next month, moved back to a business day.
    Date VencimentoDeposito(Date competencia) const;

    int QuantidadeDias() const { return int(m_dias.size()); }
    std::vector<Date> Dias() const;

private:
    std::vector<qint32> m_dias;  // sorted serials
};

} // namespace tolv
