#pragma once

#include "core/date.h"
#include "core/db_utils.h"

#include <QString>

namespace tolv {

// Column of SFGTBT17_INDICE_SIMPLIFICADO holding the JAM factor of a worker's
// option period; "" when the option date selects none (a year before 1967, or
// no date at all). Category 2 always takes the period after 22/09/1971.
QString ColunaJamOpcao(int categoria, Date dataOpcao);

// Simplified JAM factor of a competence under an edital (both first days of a
// month, matched exactly). A missing row logs inconsistency 0372 of the closing
// kind and gives -1; so does an option date that selects no column.
double IndiceSimplificado(TDBUtils &banco, int categoria, Date competencia, Date dataOpcao, Date dataEdital);

} // namespace tolv
