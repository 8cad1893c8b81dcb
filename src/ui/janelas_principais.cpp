#include "janelas_principais.h"

#include "frm_entrada.h"
#include "frm_principal.h"

namespace tolv {

namespace {

struct Gancho {
    JanelaModal janela;
    // Set by an explicit registration, also of an empty hook (a test that wants
    // the start-up without windows).
    bool registrado = false;
};

Gancho &entrada()
{
    static Gancho g;
    return g;
}
Gancho &principal()
{
    static Gancho g;
    return g;
}

} // namespace

void RegistrarJanelaEntrada(JanelaModal janela)
{
    entrada() = {std::move(janela), true};
}
void RegistrarJanelaPrincipal(JanelaModal janela)
{
    principal() = {std::move(janela), true};
}
const JanelaModal &JanelaEntrada() { return entrada().janela; }
const JanelaModal &JanelaPrincipal() { return principal().janela; }

void RestaurarJanelasDaInterface()
{
    entrada() = {};
    principal() = {};
}

void RegistrarJanelasDaInterface()
{
    // A hook registered before the start-up (a test) is kept.
    if (!entrada().registrado)
        entrada().janela = [] {
            TfrmEntrada janela;
            return janela.exec();
        };
    if (!principal().registrado)
        principal().janela = [] {
            TfrmPrincipal janela;
            return janela.ExecutarModal();
        };
}

} // namespace tolv
