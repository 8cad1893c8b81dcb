#pragma once

#include <functional>

namespace tolv {

// The two windows the start-up chooses between: the first-run window (no
// employer registered yet) and the main window. Each hook creates its window,
// shows it modally, frees it and returns the dialog's result. A build without
// one of them leaves its hook empty and the start-up says so.
using JanelaModal = std::function<int()>;

void RegistrarJanelaEntrada(JanelaModal janela);
void RegistrarJanelaPrincipal(JanelaModal janela);
const JanelaModal &JanelaEntrada();
const JanelaModal &JanelaPrincipal();

// Registers the windows this build has; called once by the start-up.
void RegistrarJanelasDaInterface();

} // namespace tolv
