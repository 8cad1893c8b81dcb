#include "janelas_principais.h"

namespace tolv {

namespace {
JanelaModal &entrada()
{
    static JanelaModal j;
    return j;
}
JanelaModal &principal()
{
    static JanelaModal j;
    return j;
}
} // namespace

void RegistrarJanelaEntrada(JanelaModal janela) { entrada() = std::move(janela); }
void RegistrarJanelaPrincipal(JanelaModal janela) { principal() = std::move(janela); }
const JanelaModal &JanelaEntrada() { return entrada(); }
const JanelaModal &JanelaPrincipal() { return principal(); }

void RegistrarJanelasDaInterface()
{
    // TfrmEntrada and TfrmPrincipal register here once they exist. A hook
    // registered before the start-up (a test) is kept.
}

} // namespace tolv
