#pragma once

#include "core/money.h"
#include "estabelecimento.h"

namespace tolv {

// An employer (IC_ESTADO_EMPRESA "E", or "A" when it is also the responsible party).
class TEmpresa : public TEstabelecimento {
public:
    explicit TEmpresa(TDBUtils *banco = nullptr);

    qint16 Simples = 0;     // NU_SIMPLES (column SIMPLES)
    QString Cnae;           // NU_IBGE
    QString Fpas;           // NU_INSS (column FPAS)
    Money SaldoEmpresa;     // SALDO_EMPRESA of ListarComSaldo; 0 otherwise

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    bool ValidarCnae();     // "0019" empty, "0140" unknown
    // "0070" empty; "0244" unknown (goes on); "0226" FPAS 868 without CEI;
    // "0429" links of category 6 under another FPAS; "0432" FPAS 868 with links
    // of other categories.
    bool ValidarFpas();
    // Every check runs, the last failing one decides: "0123", "0124", "0213", "0126".
    bool ValidarSimples();

    // Like ConsultarPorInscricao, employers only ("E", "A").
    bool ConsultarEmpresa(int tipoInscricao, const QString &inscricao);
    // Every employer, ordered by name, type, inscription; the first loaded.
    bool AbrirTodos();
    // Employers with at least one link, same order.
    bool ListarComVinculos();
    // Employers whose name starts with the text (case ignored; blank lists all).
    bool LocalizarPorNome(const QString &texto);
    // Within the held rows: the first whose inscription equals the text as a number.
    bool LocalizarInscricao(const QString &texto);
    // Employers with the sum of their bank balances (column SALDO_EMPRESA).
    // Unless `todos`: filters type (> 0), inscription (> 0) and PIS (> 0).
    bool ListarComSaldo(int tipoInscricao, bool todos, const QString &ordem, qint64 pis, qint64 inscricao);
    // Links of the employer whose category is equal to (igual) or different from `categoria`.
    int ContarVinculos(int tipoInscricao, int categoria, bool igual, const QString &inscricao);

    // New employer ("0207" when already one). The responsible party's own row
    // ("R") takes the employer data and becomes "A".
    bool Incluir();
    bool Alterar();
    // Deletes the employer's links (and workers left without links); an "E" row is
    // deleted, an "A" row goes back to "R" without employer codes and the tree is
    // told its root is "R" again. Database errors: "0144", then raised again.
    bool Excluir(const NotificacaoRaiz &aoAlterarRaiz = {});

private:
    bool FpasIgual(int valor) const;
};

} // namespace tolv
