#pragma once

#include "core/date.h"
#include "core/db_utils.h"

namespace tolv {

// Simplified JAM factor of a competence under an edital, read from the database
// (for callers that price a few values and hold no index tables in memory). A
// missing row logs inconsistency 0372 of the closing kind and gives -1; so does an
// option date before 1967. Category 2 ignores the option date.
double IndiceSimplificado(TDBUtils &banco, int categoria, Date competencia, Date dataOpcao, Date dataEdital);

} // namespace tolv
