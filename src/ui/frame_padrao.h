#pragma once

#include "core/mensagem.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tolv {

class TDBUtils;

// Base of the registration frames the main window shows beside the tree. A frame
// shows one record, read-only (viewing), or edits it: a new record or a change.
// It never reaches into the main window: it says what the window has to do
// through its signals.
//
// Main window wiring, for every frame:
//   visualizacaoDefinida(on)  enable (on) or disable (off) the tree, the tab
//                             control, the main menu items and the toolbar;
//   cancelado()               reselect the current tree node, which shows the
//                             frame of that node loaded from the database;
//   pedirSelecao(id, expand)  select that tree entry (IdEntrada) and show its frame.
class TFramePadrao : public QWidget {
    Q_OBJECT
public:
    enum Modo { ModoNovo = 0, ModoAlteracao = 1, ModoVisualizacao = 2 };

    // `banco`: the shared connection (null: the process-wide one).
    explicit TFramePadrao(QWidget *parent = nullptr, TDBUtils *banco = nullptr);

    // One mode for every registration frame: only one of them is edited at a time.
    static int ModoCadastro();

    const QString &Prefixo() const { return m_prefixo; }

    // Empties every edit, sets every drop-down to no selection.
    virtual void LimparCampos();
    // Fills the controls from the frame's objects.
    virtual void CarregarTela();
    // Copies the controls into the objects and runs the rules; false (message
    // shown, field focused) at the first failure.
    virtual bool ValidarTela();
    // Viewing on: "Alterar"/"Excluir" offered; off: "Salvar"/"Cancelar" in their
    // place. Tells the main window (visualizacaoDefinida).
    void DefinirModoVisualizacao(bool ligado);

    // Key filters; editing keys (Backspace, Delete, arrows, Tab) always pass.
    static void SomenteNumeros(QLineEdit *edit);
    static void SomenteChr(QLineEdit *edit);            // letters and blank
    static void SomenteAlfaNumerico(QLineEdit *edit);   // letters, digits and blank

public slots:
    virtual void btnAlterarClick();
    virtual void btnSalvarClick();
    virtual void btnCancelarClick();
    virtual void btnExcluirClick();

signals:
    void modoAlterado(int modo);
    void visualizacaoDefinida(bool ligado);
    void cancelado();
    void pedirSelecao(qint64 no, bool expandir);

protected:
    // The buttons and the page for viewing (on) or editing (off), without telling
    // the main window: loading a record for a selected node uses it alone.
    virtual void AjustarBotoes(bool visualizacao);
    void DefinirModoCadastro(int modo);
    // The frame's connection (the process-wide one unless another was given).
    TDBUtils *Banco() const;

    // prefix + code, through the utility object; the result of the button pressed.
    int Mostrar(const QString &codigo, TipoMensagem tipo, Botoes botoes, Botao padrao = Botao::Ok);
    void MostrarErro(const QString &codigo);
    // A Yes/No question; true on Yes.
    bool Confirmar(const QString &codigo, Botao padrao = Botao::Sim);
    // Shows the error and, outside viewing, puts the focus on the control.
    bool Falhar(const QString &codigo, QWidget *controle);

    // Focus advance: an edit moves on when it has the focus and is full
    // (masked edits: when every position is typed), a drop-down when its list
    // closes with a choice.
    void AvancarQuandoCompleto(QLineEdit *edit);
    void AvancarAoEscolher(QComboBox *combo);
    void AvancarFoco();
    // Whether a masked edit holds as many digits as its mask has positions and the
    // cursor stands at the end.
    static bool MascaraCompleta(const QLineEdit *edit, int digitos);

    // The frame's title and its page control with one page (m_pagina), which the
    // subclass fills; then the row of buttons below it, in the order given.
    QWidget *CriarPagina(const QString &titulo, const QString &aba, const QString &nomePagina);
    QPushButton *CriarBotao(const QString &nome, const QString &legenda);
    void MontarBotoes(const QList<QPushButton *> &botoes);

    bool eventFilter(QObject *objeto, QEvent *evento) override;

    QString m_prefixo;
    QTabWidget *m_paginas = nullptr;  // the one page of the record
    QWidget *m_pagina = nullptr;
    QPushButton *m_btnAlterar = nullptr;
    QPushButton *m_btnExcluir = nullptr;
    QPushButton *m_btnSalvar = nullptr;
    QPushButton *m_btnCancelar = nullptr;

private:
    TDBUtils *m_banco;
};

} // namespace tolv
