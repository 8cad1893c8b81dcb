#include "frm_responsavel.h"

#include "core/formatos.h"
#include "core/utilitarios.h"
#include "movement/arvore.h"
#include "registration/responsavel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <functional>

namespace tolv {

namespace {
const QString kPrefixo = QStringLiteral("00");
} // namespace

TfrmResponsavel::TfrmResponsavel(TArvore *arvore, QWidget *parent, TDBUtils *banco)
    : TFrameEstabelecimento(parent, banco), m_arvore(arvore), m_responsavel(std::make_unique<TResponsavel>(banco))
{
    setObjectName(QStringLiteral("frmResponsavel"));
    m_prefixo = kPrefixo;
    QWidget *pagina = CriarPagina(QStringLiteral("Cadastro de Responsável"), QStringLiteral("Responsável"),
                                  QStringLiteral("tbsResponsavel"));

    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(CriarGrupoInscricao(pagina));
    auto *linhaNome = new QHBoxLayout;
    linhaNome->addWidget(new QLabel(QStringLiteral("Razão Social:"), pagina));
    linhaNome->addWidget(CriarRazaoSocial(pagina), 1);
    layout->addLayout(linhaNome);
    layout->addWidget(CriarGrupoEndereco(pagina));

    auto *contato = new QGroupBox(QStringLiteral(" Contato na Empresa  "), pagina);
    contato->setObjectName(QStringLiteral("gbContato"));
    edtContato = new QLineEdit(contato);
    edtContato->setObjectName(QStringLiteral("edtContato"));
    edtContato->setMaxLength(20);
    CriarTelefone(contato);
    edtEmail = new QLineEdit(contato);
    edtEmail->setObjectName(QStringLiteral("edtEmail"));
    edtEmail->setMaxLength(60);
    edtEmail->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ \\-.0-9@A-Z_a-z]*")), edtEmail));
    auto *g = new QGridLayout(contato);
    g->addWidget(new QLabel(QStringLiteral("Nome:"), contato), 0, 0);
    g->addWidget(edtContato, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Telefone:"), contato), 1, 0);
    g->addWidget(edtDdd, 1, 1);
    g->addWidget(edtTelefone, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("E-mail:"), contato), 2, 0);
    g->addWidget(edtEmail, 2, 1, 1, 3);
    g->setColumnStretch(3, 1);
    layout->addWidget(contato);
    layout->addStretch(1);
    AvancarQuandoCompleto(edtContato);

    m_btnAlterar = CriarBotao(QStringLiteral("btnAlterar"), QStringLiteral("Al&terar"));
    m_btnSalvar = CriarBotao(QStringLiteral("btnSalvar"), QStringLiteral("&Salvar"));
    m_btnCancelar = CriarBotao(QStringLiteral("btnCancelar"), QStringLiteral("&Cancelar"));
    m_btnNovaEmpresa = CriarBotao(QStringLiteral("btnNovaEmpresa"), QStringLiteral("&Nova Empresa"));
    m_btnExcluir = CriarBotao(QStringLiteral("btnExcluir"), QStringLiteral("Excl&uir"));
    MontarBotoes({m_btnAlterar, m_btnSalvar, m_btnCancelar, m_btnNovaEmpresa, m_btnExcluir});

    connect(m_btnAlterar, &QPushButton::clicked, this, &TfrmResponsavel::btnAlterarClick);
    connect(m_btnSalvar, &QPushButton::clicked, this, &TfrmResponsavel::btnSalvarClick);
    connect(m_btnCancelar, &QPushButton::clicked, this, &TfrmResponsavel::btnCancelarClick);
    connect(m_btnNovaEmpresa, &QPushButton::clicked, this, &TfrmResponsavel::btnNovaEmpresaClick);

    AjustarBotoes(true);
}

TfrmResponsavel::~TfrmResponsavel() = default;

void TfrmResponsavel::AjustarBotoes(bool visualizacao)
{
    TFrameEstabelecimento::AjustarBotoes(visualizacao);
    m_btnExcluir->hide();
    m_btnNovaEmpresa->setVisible(visualizacao && m_mostrarBotoes);
    if (!m_mostrarBotoes)
        for (QPushButton *b : {m_btnAlterar, m_btnSalvar, m_btnCancelar})
            b->hide();
}

void TfrmResponsavel::MostrarBotoes(bool mostrar)
{
    m_mostrarBotoes = mostrar;
    AjustarBotoes(ModoCadastro() == ModoVisualizacao);
}

void TfrmResponsavel::HabilitarNovaEmpresa(bool habilitar) { m_btnNovaEmpresa->setEnabled(habilitar); }

bool TfrmResponsavel::Exibir()
{
    PrepararUfs();
    const bool achou = m_responsavel->CarregarResponsavel();
    DefinirModoCadastro(ModoVisualizacao);
    LimparCampos();
    CarregarTela();
    AjustarBotoes(true);
    m_btnNovaEmpresa->setEnabled(true);
    return achou;
}

void TfrmResponsavel::IniciarInclusao()
{
    PrepararUfs();
    m_prefixo = kPrefixo;
    DefinirModoCadastro(ModoNovo);
    LimparCampos();
    m_responsavel->Limpar();
    AjustarBotoes(false);
    cmbTipoInscricao->setFocus(Qt::OtherFocusReason);
}

void TfrmResponsavel::CarregarTela()
{
    m_prefixo = kPrefixo;
    cmbTipoInscricao->setEnabled(true);
    edtInscricao->setEnabled(true);
    TResponsavel &r = *m_responsavel;
    if (!r.ObterDataSet() || r.QuantidadeRegistros() == 0)
        return;
    CarregarEstabelecimento(r);
    edtContato->setText(r.Contato);
    edtEmail->setText(r.Email);
}

bool TfrmResponsavel::ValidarTela()
{
    TResponsavel &r = *m_responsavel;
    CopiarEstabelecimento(r);
    r.Contato = edtContato->text();
    r.Email = edtEmail->text();
    TEndereco &e = r.Endereco();

    struct Regra {
        std::function<bool()> valida;
        TNegocio *objeto;
        QWidget *controle;
    };
    const Regra regras[] = {
        {[&] { return r.ValidarTipoInscricao(); }, &r, cmbTipoInscricao},
        {[&] { return r.ValidarInscricao(); }, &r, edtInscricao},
        {[&] { return r.ValidarRazaoSocial(true); }, &r, edtRazaoSocial},
        {[&] { return r.ValidarContato(); }, &r, edtContato},
        {[&] { return r.ValidarDdd(); }, &r, edtDdd},
        {[&] { return r.ValidarTelefone(); }, &r, edtTelefone},
        {[&] { return r.ValidarEmail(); }, &r, edtEmail},
        {[&] { return e.ValidarLogradouro(); }, &e, edtLogradouro},
        {[&] { return e.ValidarBairro(); }, &e, edtBairro},
        {[&] { return e.ValidarCep(); }, &e, edtCep},
        {[&] { return e.ValidarLocalidade(); }, &e, edtCidade},
        {[&] { return e.ValidarUf(); }, &e, cmbUf},
    };
    for (const Regra &regra : regras)
        if (!regra.valida())
            return Falhar(regra.objeto->CodigoMensagem, regra.controle);
    return true;
}

void TfrmResponsavel::InscricaoDeixada()
{
    TResponsavel &r = *m_responsavel;
    if (!r.ConsultarPorInscricao(TipoEscolhido(), InscricaoDigitada())) {
        MostrarErro(r.CodigoMensagem);
        return;
    }
    // an inscription already known brings its data
    if (r.QuantidadeRegistros() > 0)
        CarregarTela();
}

bool TfrmResponsavel::Gravar()
{
    TResponsavel &r = *m_responsavel;
    const qint64 inscricao = ConverterInteiro64(r.Inscricao).value_or(0);
    if (ModoCadastro() == ModoNovo) {
        if (!r.IncluirResponsavel()) {
            MostrarErro(r.CodigoMensagem);
            return false;
        }
        if (m_arvore && m_arvore->Quantidade() == 0) {
            TRecArvore raiz;
            raiz.Tipo = 'R';
            raiz.TipoInscricao = qint16(r.TipoInscricao);
            raiz.Inscricao = inscricao;
            raiz.Texto = Aparar(r.RazaoSocial);
            m_arvore->IncluirNo(SemEntrada, raiz);
        }
        return true;
    }

    // Who the responsible party is now: the tree's root, or the stored row where
    // there is no tree.
    TRaizArvore atual;
    if (m_arvore && m_arvore->Quantidade() > 0) {
        atual = m_arvore->Raiz();
    } else {
        TResponsavel guardado(Banco());
        if (guardado.CarregarResponsavel())
            atual = TRaizArvore{guardado.TipoInscricao, ConverterInteiro64(guardado.Inscricao).value_or(0),
                                guardado.Estado};
    }
    if (!r.Salvar(atual)) {
        MostrarErro(r.CodigoMensagem);
        return false;
    }
    r.CarregarResponsavel();
    if (m_arvore && m_arvore->Quantidade() > 0) {
        m_arvore->AlterarRaiz(TRaizArvore{r.TipoInscricao, ConverterInteiro64(r.Inscricao).value_or(0), r.Estado});
        m_arvore->RenomearNo(m_arvore->Entrada(0).Id, Aparar(r.RazaoSocial));
    }
    TUtilitarios::Instancia().MostrarMensagemPadrao(kPrefixo, 1);
    return true;
}

void TfrmResponsavel::btnAlterarClick()
{
    PrepararUfs();
    TFrameEstabelecimento::btnAlterarClick();
    cmbTipoInscricao->setFocus(Qt::OtherFocusReason);
}

void TfrmResponsavel::btnSalvarClick()
{
    if (ModoCadastro() == ModoVisualizacao)
        return;
    if (!ValidarTela())
        return;
    if (!Confirmar(QStringLiteral("0035")))
        return;
    // a failed save keeps the typed data on screen, still being edited
    if (!Gravar())
        return;
    TFrameEstabelecimento::btnSalvarClick();
    m_btnNovaEmpresa->setEnabled(true);
}

void TfrmResponsavel::btnCancelarClick()
{
    TFrameEstabelecimento::btnCancelarClick();
    Exibir();
}

void TfrmResponsavel::btnNovaEmpresaClick()
{
    m_btnNovaEmpresa->setEnabled(false);
    emit pedirNovaEmpresa();
}

} // namespace tolv
