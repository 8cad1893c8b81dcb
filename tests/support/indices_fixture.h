#pragma once

#include "core/date.h"
#include "core/db_utils.h"

#include <vector>

namespace tolv::test {

// Brazil's national bank holidays of a year, computed by rule (fixed dates plus
// Carnival, Good Friday and Corpus Christi from the date of Easter).
std::vector<Date> FeriadosNacionais(int ano);

// Weekdays from `de` to `ate` (inclusive) that are not national holidays.
std::vector<Date> DiasUteis(Date de, Date ate);

// Writes the business-day calendar of the years [anoInicial, anoFinal].
void GravarCalendario(TDBUtils &banco, int anoInicial, int anoFinal);

// Synthetic factors for one edital (first day of its month): simplified JAM rows
// for every competence from 01/1967 to the edital, pro-rata rows for every pay
// date of the edital's window, and guide rows for the due dates of the last
// `mesesGuia` months against every pay date of the window. The values grow with
// the delay so that late parcels always cost more; they are not real indices.
void GravarIndicesSinteticos(TDBUtils &banco, Date edital, int mesesGuia = 24);

// The synthetic factor formulas, for tests that check amounts by hand.
double JamSintetico(Date edital, Date competencia);
double ProRataSintetico(int mesesAtraso);
double GuiaSintetico(Date vencimento, Date pagamento);
double GuiaMultaSintetico(Date vencimento, Date pagamento);

} // namespace tolv::test
