#pragma once

#include <functional>

namespace tolv {

// The two windows the start-up chooses between: the first-run window (no
// employer registered yet) and the main window. Each hook creates its window,
// shows it modally, frees it and returns the dialog's result. A hook registered
// empty (a test) leaves the start-up without that window, and it says so.
using JanelaModal = std::function<int()>;

void RegistrarJanelaEntrada(JanelaModal janela);
void RegistrarJanelaPrincipal(JanelaModal janela);
const JanelaModal &JanelaEntrada();
const JanelaModal &JanelaPrincipal();

// Registers the windows this build has (the first-run window and the main
// window) in the hooks nobody registered explicitly; called by the start-up.
void RegistrarJanelasDaInterface();
// Forgets explicit registrations: the next start-up opens this build's windows.
void RestaurarJanelasDaInterface();

} // namespace tolv
