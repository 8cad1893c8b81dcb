#pragma once

#include "core/configuracao.h"
#include "core/db_utils.h"

namespace tolv {

// Loads the pay date of the open movement and the pro-rata edital date
// (DataNula when their tables have no row).
void CarregarDatasGlobais(TDBUtils &banco, Configuracao &cfg);

} // namespace tolv
