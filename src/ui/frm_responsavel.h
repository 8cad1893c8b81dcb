#pragma once

#include "frame_estabelecimento.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace tolv {

class TArvore;
class TResponsavel;

// The responsible-party frame, shown for the tree's root and embedded in the
// first-run window. Messages carry the prefix "00".
//
// Main window wiring, besides the base frame's signals:
//   pedirNovaEmpresa()   start a new employer: TfrmEmpresas::NovaEmpresa and show it;
//   HabilitarNovaEmpresa(true) once the employer frame is back to viewing
//   (connect TfrmEmpresas::visualizacaoDefinida to it).
class TfrmResponsavel : public TFrameEstabelecimento {
    Q_OBJECT
public:
    // `arvore`: the participation tree whose root is the responsible party; null
    // where there is none yet (first run).
    explicit TfrmResponsavel(TArvore *arvore, QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmResponsavel() override;

    TResponsavel &Responsavel() { return *m_responsavel; }
    void DefinirArvore(TArvore *arvore) { m_arvore = arvore; }

    // Node selection: loads the responsible party and shows it read-only. False
    // when none is stored.
    bool Exibir();
    // A new responsible party (first run): fields emptied, page enabled, focus on the type.
    void IniciarInclusao();
    // The first-run window has buttons of its own.
    void MostrarBotoes(bool mostrar);
    // Stores what ValidarTela copied (insert in mode 0, change in mode 1) and
    // updates the tree's root. False, with the message shown, when it failed.
    bool Gravar();

    void CarregarTela() override;
    bool ValidarTela() override;

public slots:
    void btnAlterarClick() override;
    void btnSalvarClick() override;
    void btnCancelarClick() override;
    void btnNovaEmpresaClick();
    void HabilitarNovaEmpresa(bool habilitar);

signals:
    void pedirNovaEmpresa();

protected:
    void AjustarBotoes(bool visualizacao) override;
    void InscricaoDeixada() override;

private:
    TArvore *m_arvore;
    std::unique_ptr<TResponsavel> m_responsavel;
    QLineEdit *edtContato = nullptr;
    QLineEdit *edtEmail = nullptr;
    QPushButton *m_btnNovaEmpresa = nullptr;
    bool m_mostrarBotoes = true;
};

} // namespace tolv
