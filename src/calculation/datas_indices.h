#pragma once

#include "core/date.h"
#include "core/db_utils.h"

#include <QString>

namespace tolv {

// Edital date of the pro-rata table: the earliest one (DataNula when the table is empty).
Date CarregarDataEdital(TDBUtils &banco);
// Pay date of the open movement (DataNula when no movement is open).
Date CarregarDataPagamento(TDBUtils &banco);

// Whether d is in the business-day table (read directly, not from a loaded calendar).
bool EhDiaUtil(TDBUtils &banco, Date d);

// The pay dates an edital serves: the 10th of its month to the 9th of the next, inclusive.
struct Janela {
    Date inicio = DataNula;
    Date fim = DataNula;
};
Janela JanelaDoEdital(Date edital);

// Whether x lies in the window of the pro-rata table's collection dates; false with an empty table.
bool DataPagamentoValida(TDBUtils &banco, Date x);

// The window of the edital as text: form 1 "DD/MM/YYYY à DD/MM/YYYY", form 0
// "(entre DD/MM/YYYY e DD/MM/YYYY)"; "00/00/0000" stands for each date without an edital.
QString JanelaPagamento(int forma, Date dataEdital);

} // namespace tolv
