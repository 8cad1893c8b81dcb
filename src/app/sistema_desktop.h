#pragma once

#include "core/db_utils.h"

#include <QString>

namespace tolv {

// The desktop program from start to exit, as the exported CallMainForm runs it:
// regional settings, the dialog presenter and the global error handler, the
// configuration and the database, the scratch directory, then the first-run
// window or the main window, modally. The shutdown (scratch directory emptied,
// transaction rolled back, connection dropped) runs on every way out. Never
// throws.
void ExecutarSistemaDesktop();

// The first-run decision: true when at least one employer is registered.
bool ExisteEmpresaCadastrada(TDBUtils &banco);

// Shown when this build has no window to open.
inline const QString kTextoJanelasIndisponiveis = QStringLiteral(
    "As janelas do TOLV não estão disponíveis nesta versão do programa.\n\n"
    "Todas as funções podem ser usadas pela linha de comando: tolv-cli "
    "(\"tolv-cli --help\" lista os comandos).");

} // namespace tolv
