#pragma once

#include "frame_estabelecimento.h"

#include <QtGlobal>
#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tolv {

class TArvore;
class TEmpresa;

// The employer frame, shown for an employer node: registers, changes and
// deletes employers. Messages carry the prefix "10".
//
// Main window wiring, besides the base frame's signals:
//   pedirNovoTrabalhador()  start a new worker under the selected employer;
//   Exibir(type, inscription) on selecting an employer node, then HabilitarAcoes
//   for the view's rules (movement view, closed employer).
class TfrmEmpresas : public TFrameEstabelecimento {
    Q_OBJECT
public:
    explicit TfrmEmpresas(TArvore *arvore, QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmEmpresas() override;

    TEmpresa &Empresa() { return *m_empresa; }
    void DefinirArvore(TArvore *arvore) { m_arvore = arvore; }

    // Node selection: loads the employer and shows it read-only. False when it is
    // not stored.
    bool Exibir(int tipoInscricao, qint64 inscricao);
    // A new employer (main window's Novo -> Empresa, "Nova Empresa" of the
    // responsible frame); only with the tree's root selected.
    bool NovaEmpresa();
    // Looks the typed inscription up: the responsible party's own inscription
    // (taking its data over when asked) passes, an employer's is refused ("0207").
    bool VerificarInscricao(bool assumirDados);
    // Enables the three actions of a shown employer (the window's view rules).
    void HabilitarAcoes(bool alterar, bool excluir, bool novoTrabalhador);

    void CarregarTela() override;
    bool ValidarTela() override;

public slots:
    void btnAlterarClick() override;
    void btnSalvarClick() override;
    void btnCancelarClick() override;
    void btnExcluirClick() override;
    void btnNovoTrabalhadorClick();

signals:
    void pedirNovoTrabalhador();

protected:
    void AjustarBotoes(bool visualizacao) override;
    void InscricaoDeixada() override;

private:
    void prepararListas();
    void iniciarNova();
    bool incluir();
    bool alterar();

    TArvore *m_arvore;
    std::unique_ptr<TEmpresa> m_empresa;
    QComboBox *cmbCnae = nullptr;
    QLineEdit *edtFpas = nullptr;
    QComboBox *cmbSimples = nullptr;
    QPushButton *m_btnNovoTrabalhador = nullptr;
    bool m_listasProntas = false;
};

} // namespace tolv
