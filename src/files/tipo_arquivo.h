#pragma once

// File kinds (NU_ARQUIVO) under which inconsistencies are logged; the report and
// the readers share these fixed numbers.

namespace tolv {

inline constexpr int ArquivoFolha = 1;              // payroll import
inline constexpr int ArquivoSaldo = 2;              // balance file load
inline constexpr int ArquivoFechamento = 3;         // movement closing and rescission file
inline constexpr int ArquivoChaveIdentificacao = 4; // identification-key file (never listed)
inline constexpr int ArquivoGuiasProcessadas = 5;   // processed guides and rejected re-sends

} // namespace tolv
