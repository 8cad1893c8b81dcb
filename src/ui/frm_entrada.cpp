#include "frm_entrada.h"

#include "frm_principal.h"
#include "frm_responsavel.h"

#include "core/utilitarios.h"

#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tolv {

namespace {

// Re-enables the controls on every way out of an action.
class Bloqueio {
public:
    explicit Bloqueio(QList<QWidget *> controles) : m_controles(std::move(controles))
    {
        for (QWidget *w : m_controles)
            w->setEnabled(false);
    }
    ~Bloqueio()
    {
        for (QWidget *w : m_controles)
            w->setEnabled(true);
    }
    Bloqueio(const Bloqueio &) = delete;
    Bloqueio &operator=(const Bloqueio &) = delete;

private:
    QList<QWidget *> m_controles;
};

QLabel *Texto(QWidget *pai, const char *nome, const QString &texto)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QLatin1String(nome));
    return l;
}

} // namespace

TfrmEntrada::TfrmEntrada(QWidget *parent, TDBUtils *banco) : QDialog(parent), m_banco(banco)
{
    setObjectName(QStringLiteral("frmEntrada"));
    setWindowTitle(kTituloAplicacao);
    // no border icons: the window is left through its own buttons
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto *faixa = new QLabel(kTituloAplicacao, this);
    faixa->setObjectName(QStringLiteral("lblFaixa"));
    QFont f = faixa->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    faixa->setFont(f);
    faixa->setStyleSheet(QStringLiteral("QLabel { background: #2c4a70; color: white; padding: 8px 12px; }"));

    auto *texto1 = Texto(this, "lblTexto1",
                         QStringLiteral("Esta é a primeira vez que o sistema está sendo executado. Para continuar \n"
                                        "é necessário que os dados do responsável sejam cadastrados."));
    auto *texto2 = Texto(this, "lblTexto2",
                         QStringLiteral("Você pode optar por importar os dados de uma folha de pagamento ou \n"
                                        "cadastrá-los através de formulário, ou restaurar Backup da base."));

    auto *opcoes = new QGroupBox(QStringLiteral("Escolha uma das Opções"), this);
    opcoes->setObjectName(QStringLiteral("rgOpcoes"));
    auto *lo = new QVBoxLayout(opcoes);
    const auto opcao = [&](const char *nome, const QString &legenda) {
        auto *r = new QRadioButton(legenda, opcoes);
        r->setObjectName(QLatin1String(nome));
        lo->addWidget(r);
        return r;
    };
    rbImportar = opcao("rbImportar", QStringLiteral("Importar Folha de Pagamento"));
    rbCadastrar = opcao("rbCadastrar", QStringLiteral("Cadastrar Responsável"));
    rbRestaurar = opcao("rbRestaurar", QStringLiteral("Restaurar Backup"));
    rbRestaurarAntigo = opcao("rbRestaurarAntigo", QStringLiteral("Restaurar Backup versão 1.3.3"));
    // The restore has no window in this program yet.
    rbRestaurar->hide();
    rbRestaurarAntigo->hide();
    rbImportar->setChecked(true);

    m_frmResponsavel = new TfrmResponsavel(nullptr, this, banco);
    m_frmResponsavel->MostrarBotoes(false);
    m_frmResponsavel->hide();

    btnVoltar = new QPushButton(QStringLiteral("&Voltar"), this);
    btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    btnAvancar = new QPushButton(QStringLiteral("&Avançar"), this);
    btnAvancar->setObjectName(QStringLiteral("btnAvancar"));
    btnAvancar->setDefault(true);
    btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnVoltar->hide();

    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnVoltar);
    botoes->addWidget(btnAvancar);
    botoes->addWidget(btnCancelar);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(16, 12, 16, 12);
    corpo->setSpacing(10);
    corpo->addWidget(texto1);
    corpo->addWidget(texto2);
    corpo->addWidget(opcoes);
    corpo->addWidget(m_frmResponsavel, 1);
    corpo->addStretch(0);
    corpo->addLayout(botoes);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);
    raiz->addWidget(faixa);
    raiz->addLayout(corpo, 1);

    connect(btnAvancar, &QPushButton::clicked, this, &TfrmEntrada::btnAvancarClick);
    connect(btnVoltar, &QPushButton::clicked, this, &TfrmEntrada::btnVoltarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    resize(560, kAlturaInicial);
}

TfrmEntrada::~TfrmEntrada() = default;

void TfrmEntrada::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    redimensionar(m_frmResponsavel->isHidden() ? kAlturaInicial : kAlturaCadastro);
    btnAvancar->setFocus(Qt::OtherFocusReason);
}

void TfrmEntrada::redimensionar(int altura)
{
    layout()->activate();
    resize(width(), std::max(altura, minimumSizeHint().height()));
    QScreen *tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (tela) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
}

void TfrmEntrada::btnAvancarClick()
{
    if (rbImportar->isChecked())
        importar();
    else if (rbCadastrar->isChecked())
        cadastrar();
}

void TfrmEntrada::btnVoltarClick()
{
    // the form leaves its insert mode behind
    m_frmResponsavel->btnCancelarClick();
    m_frmResponsavel->hide();
    btnVoltar->hide();
    redimensionar(kAlturaInicial);
}

void TfrmEntrada::importar()
{
    Bloqueio bloqueio({btnVoltar, btnAvancar, btnCancelar, rbImportar->parentWidget(), m_frmResponsavel});
    const QString arquivo = PedirArquivoFolha(this, kTituloArquivoFolhaEntrada, kFiltroArquivoFolhaEntrada);
    if (arquivo.trimmed().isEmpty())
        return;
    bool importado = false;
    {
        // The import keeps the main window's tree up to date; the window itself is not shown.
        TfrmPrincipal principal(nullptr, m_banco);
        importado = principal.ImportarFolha(arquivo);
    }
    if (importado)
        accept();
}

void TfrmEntrada::cadastrar()
{
    if (m_frmResponsavel->isHidden()) {
        m_frmResponsavel->show();
        btnVoltar->show();
        m_frmResponsavel->IniciarInclusao();
        redimensionar(kAlturaCadastro);
        return;
    }
    if (!m_frmResponsavel->ValidarTela())
        return;
    if (TUtilitarios::Instancia().MostrarMensagem(QStringLiteral("000035"), TipoMensagem::Confirmacao,
                                                  {Botao::Sim, Botao::Nao}, {}, Botao::Sim)
        != ResultadoSim)
        return;
    if (m_frmResponsavel->Gravar())
        accept();
}

} // namespace tolv
