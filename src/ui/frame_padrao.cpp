#include "frame_padrao.h"

#include "core/db_utils.h"
#include "core/utilitarios.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tolv {

namespace {

int g_modoCadastro = TFramePadrao::ModoVisualizacao;

const char *const kCombo = "tolvCombo";
const char *const kListaAberta = "tolvListaAberta";

void Filtrar(QLineEdit *edit, const QString &padrao)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(padrao), edit));
}

// The next control that can take the focus by Tab, after `origem` in the chain.
QWidget *Proximo(QWidget *origem)
{
    QWidget *janela = origem->window();
    for (QWidget *w = origem->nextInFocusChain(); w && w != origem; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(janela)
            && !w->focusProxy() && w->window() == janela)
            return w;
    }
    return nullptr;
}

} // namespace

TFramePadrao::TFramePadrao(QWidget *parent, TDBUtils *banco) : QWidget(parent), m_banco(banco) {}

int TFramePadrao::ModoCadastro() { return g_modoCadastro; }

TDBUtils *TFramePadrao::Banco() const { return m_banco ? m_banco : TDBUtils::Instancia(); }

void TFramePadrao::DefinirModoCadastro(int modo)
{
    g_modoCadastro = modo;
    emit modoAlterado(modo);
}

void TFramePadrao::LimparCampos()
{
    for (QComboBox *c : findChildren<QComboBox *>()) {
        c->setCurrentIndex(-1);
        if (c->isEditable())
            c->clearEditText();
    }
    for (QLineEdit *e : findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget()))
            e->clear();
    for (QDoubleSpinBox *s : findChildren<QDoubleSpinBox *>())
        s->setValue(0);
}

void TFramePadrao::CarregarTela() {}

bool TFramePadrao::ValidarTela() { return true; }

void TFramePadrao::DefinirModoVisualizacao(bool ligado)
{
    AjustarBotoes(ligado);
    emit visualizacaoDefinida(ligado);
}

void TFramePadrao::AjustarBotoes(bool visualizacao)
{
    for (QPushButton *b : {m_btnAlterar, m_btnExcluir}) {
        if (!b)
            continue;
        b->setVisible(visualizacao);
        b->setEnabled(visualizacao);
    }
    for (QPushButton *b : {m_btnSalvar, m_btnCancelar}) {
        if (!b)
            continue;
        b->setVisible(!visualizacao);
        b->setEnabled(!visualizacao);
    }
    if (m_pagina)
        m_pagina->setEnabled(!visualizacao);
}

void TFramePadrao::btnAlterarClick()
{
    if (ModoCadastro() != ModoNovo)
        DefinirModoCadastro(ModoAlteracao);
    else
        LimparCampos();
    DefinirModoVisualizacao(false);
}

void TFramePadrao::btnSalvarClick()
{
    DefinirModoCadastro(ModoVisualizacao);
    DefinirModoVisualizacao(true);
}

void TFramePadrao::btnCancelarClick()
{
    DefinirModoCadastro(ModoVisualizacao);
    DefinirModoVisualizacao(true);
    emit cancelado();
}

void TFramePadrao::btnExcluirClick() {}

void TFramePadrao::SomenteNumeros(QLineEdit *edit) { Filtrar(edit, QStringLiteral("[0-9]*")); }

void TFramePadrao::SomenteChr(QLineEdit *edit) { Filtrar(edit, QStringLiteral("[A-Za-z ]*")); }

void TFramePadrao::SomenteAlfaNumerico(QLineEdit *edit) { Filtrar(edit, QStringLiteral("[A-Za-z0-9 ]*")); }

int TFramePadrao::Mostrar(const QString &codigo, TipoMensagem tipo, Botoes botoes, Botao padrao)
{
    return TUtilitarios::Instancia().MostrarMensagem(CodigoComPrefixo(m_prefixo, codigo), tipo, botoes, {}, padrao);
}

void TFramePadrao::MostrarErro(const QString &codigo) { Mostrar(codigo, TipoMensagem::Erro, {Botao::Ok}); }

bool TFramePadrao::Confirmar(const QString &codigo, Botao padrao)
{
    return Mostrar(codigo, TipoMensagem::Confirmacao, {Botao::Sim, Botao::Nao}, padrao) == ResultadoSim;
}

bool TFramePadrao::Falhar(const QString &codigo, QWidget *controle)
{
    MostrarErro(codigo);
    if (controle && ModoCadastro() != ModoVisualizacao) {
        // a control on a disabled page cannot take the focus
        controle->setEnabled(true);
        controle->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool TFramePadrao::MascaraCompleta(const QLineEdit *edit, int digitos)
{
    int n = 0;
    for (QChar c : edit->text())
        if (c.isDigit())
            ++n;
    return n == digitos && edit->cursorPosition() >= edit->displayText().size();
}

void TFramePadrao::AvancarQuandoCompleto(QLineEdit *edit)
{
    connect(edit, &QLineEdit::textEdited, this, [this, edit] {
        if (!edit->hasFocus())
            return;
        const bool cheio = edit->inputMask().isEmpty()
                               ? edit->text().size() >= edit->maxLength()
                               : !edit->displayText().contains(QLatin1Char(' '))
                                     && edit->cursorPosition() >= edit->displayText().size();
        if (cheio)
            if (QWidget *w = Proximo(edit))
                w->setFocus(Qt::TabFocusReason);
    });
}

void TFramePadrao::AvancarAoEscolher(QComboBox *combo)
{
    // Qt tells a choice (activated) but not that it came from the list: the list's
    // own showing and hiding say so.
    combo->view()->setProperty(kCombo, QVariant::fromValue<QObject *>(combo));
    combo->view()->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [combo] {
        if (!combo->property(kListaAberta).toBool())
            return;
        combo->setProperty(kListaAberta, false);
        if (QWidget *w = Proximo(combo))
            w->setFocus(Qt::TabFocusReason);
    });
}

void TFramePadrao::AvancarFoco()
{
    if (QWidget *atual = focusWidget())
        if (QWidget *w = Proximo(atual))
            w->setFocus(Qt::TabFocusReason);
}

bool TFramePadrao::eventFilter(QObject *objeto, QEvent *evento)
{
    if (auto *combo = qobject_cast<QComboBox *>(objeto->property(kCombo).value<QObject *>())) {
        if (evento->type() == QEvent::Show)
            combo->setProperty(kListaAberta, true);
        else if (evento->type() == QEvent::Hide)
            // the choice (activated) comes right after the list hides
            QTimer::singleShot(0, combo, [combo] { combo->setProperty(kListaAberta, false); });
    }
    return QWidget::eventFilter(objeto, evento);
}

QWidget *TFramePadrao::CriarPagina(const QString &titulo, const QString &aba, const QString &nomePagina)
{
    setWindowTitle(titulo);
    auto *layout = new QVBoxLayout(this);
    auto *lblTitulo = new QLabel(titulo, this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont f = lblTitulo->font();
    f.setBold(true);
    lblTitulo->setFont(f);
    layout->addWidget(lblTitulo);
    m_paginas = new QTabWidget(this);
    m_paginas->setObjectName(QStringLiteral("pgcCadastro"));
    m_pagina = new QWidget(m_paginas);
    m_pagina->setObjectName(nomePagina);
    m_paginas->addTab(m_pagina, aba);
    layout->addWidget(m_paginas, 1);
    return m_pagina;
}

void TFramePadrao::MontarBotoes(const QList<QPushButton *> &botoes)
{
    auto *linha = new QHBoxLayout;
    linha->addStretch(1);
    for (QPushButton *b : botoes)
        linha->addWidget(b);
    static_cast<QVBoxLayout *>(layout())->addLayout(linha);
}

QPushButton *TFramePadrao::CriarBotao(const QString &nome, const QString &legenda)
{
    auto *b = new QPushButton(legenda, this);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    b->hide();
    return b;
}

} // namespace tolv
