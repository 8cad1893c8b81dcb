#include "frm_empresas.h"

#include "core/formatos.h"
#include "core/utilitarios.h"
#include "movement/arvore.h"
#include "registration/empresa.h"
#include "registration/regras_cadastro.h"
#include "registration/responsavel.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>
#include <functional>
#include <optional>

namespace tolv {

namespace {

const QString kPrefixo = QStringLiteral("10");

// The busy cursor while the database works.
class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado &) = delete;
    CursorOcupado &operator=(const CursorOcupado &) = delete;
};

QGroupBox *Grupo(const QString &titulo, const QString &nome, const QString &rotulo, QWidget *controle, QWidget *pai)
{
    auto *g = new QGroupBox(titulo, pai);
    g->setObjectName(nome);
    controle->setParent(g);
    auto *l = new QHBoxLayout(g);
    l->addWidget(new QLabel(rotulo, g));
    l->addWidget(controle, 1);
    return g;
}

// The employer entry of a key, without moving the tree's current entry.
IdEntrada EntradaEmpresa(const TArvore &arvore, int tipo, qint64 inscricao)
{
    for (const TRecArvore &e : arvore.Entradas())
        if (e.EhEmpresa() && e.TipoInscricao == tipo && e.Inscricao == inscricao)
            return e.Id;
    return SemEntrada;
}

} // namespace

TfrmEmpresas::TfrmEmpresas(TArvore *arvore, QWidget *parent, TDBUtils *banco)
    : TFrameEstabelecimento(parent, banco), m_arvore(arvore), m_empresa(std::make_unique<TEmpresa>(banco))
{
    setObjectName(QStringLiteral("frmEmpresas"));
    m_prefixo = kPrefixo;
    QWidget *pagina =
        CriarPagina(QStringLiteral("Cadastro de Empresa"), QStringLiteral("Empresa"), QStringLiteral("tbsEmpresa"));

    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(CriarGrupoInscricao(pagina));
    auto *linhaNome = new QHBoxLayout;
    linhaNome->addWidget(new QLabel(QStringLiteral("Razão Social:"), pagina));
    linhaNome->addWidget(CriarRazaoSocial(pagina), 1);
    layout->addLayout(linhaNome);
    layout->addWidget(CriarGrupoEndereco(pagina));
    CriarTelefone(pagina);
    auto *linhaTelefone = new QHBoxLayout;
    linhaTelefone->addWidget(new QLabel(QStringLiteral("Telefone:"), pagina));
    linhaTelefone->addWidget(edtDdd);
    linhaTelefone->addWidget(edtTelefone);
    linhaTelefone->addStretch(1);
    layout->addLayout(linhaTelefone);

    cmbCnae = new QComboBox(pagina);
    cmbCnae->setObjectName(QStringLiteral("cmbCnae"));
    cmbCnae->setEditable(true);
    cmbCnae->setInsertPolicy(QComboBox::NoInsert);
    cmbCnae->lineEdit()->setMaxLength(7);
    SomenteNumeros(cmbCnae->lineEdit());
    edtFpas = new QLineEdit(pagina);
    edtFpas->setObjectName(QStringLiteral("edtFpas"));
    edtFpas->setMaxLength(3);
    SomenteNumeros(edtFpas);
    cmbSimples = new QComboBox(pagina);
    cmbSimples->setObjectName(QStringLiteral("cmbSimples"));
    auto *codigos = new QHBoxLayout;
    codigos->addWidget(Grupo(QStringLiteral(" CNAE "), QStringLiteral("gbCnae"), QStringLiteral("Código:"), cmbCnae, pagina));
    codigos->addWidget(Grupo(QStringLiteral(" FPAS "), QStringLiteral("gbFpas"), QStringLiteral("Código:"), edtFpas, pagina));
    codigos->addWidget(
        Grupo(QStringLiteral(" SIMPLES "), QStringLiteral("gbSimples"), QStringLiteral("Opção:"), cmbSimples, pagina), 2);
    layout->addLayout(codigos);
    layout->addStretch(1);
    AvancarQuandoCompleto(edtFpas);
    AvancarAoEscolher(cmbCnae);
    AvancarAoEscolher(cmbSimples);

    m_btnAlterar = CriarBotao(QStringLiteral("btnAlterar"), QStringLiteral("Al&terar"));
    m_btnExcluir = CriarBotao(QStringLiteral("btnExcluir"), QStringLiteral("Excl&uir"));
    m_btnSalvar = CriarBotao(QStringLiteral("btnSalvar"), QStringLiteral("&Salvar"));
    m_btnCancelar = CriarBotao(QStringLiteral("btnCancelar"), QStringLiteral("&Cancelar"));
    m_btnNovoTrabalhador = CriarBotao(QStringLiteral("btnNovoTrabalhador"), QStringLiteral("&Novo Trabalhador"));
    MontarBotoes({m_btnAlterar, m_btnExcluir, m_btnSalvar, m_btnCancelar, m_btnNovoTrabalhador});

    connect(m_btnAlterar, &QPushButton::clicked, this, &TfrmEmpresas::btnAlterarClick);
    connect(m_btnExcluir, &QPushButton::clicked, this, &TfrmEmpresas::btnExcluirClick);
    connect(m_btnSalvar, &QPushButton::clicked, this, &TfrmEmpresas::btnSalvarClick);
    connect(m_btnCancelar, &QPushButton::clicked, this, &TfrmEmpresas::btnCancelarClick);
    connect(m_btnNovoTrabalhador, &QPushButton::clicked, this, &TfrmEmpresas::btnNovoTrabalhadorClick);

    AjustarBotoes(true);
}

TfrmEmpresas::~TfrmEmpresas() = default;

void TfrmEmpresas::prepararListas()
{
    PrepararUfs();
    if (m_listasProntas)
        return;
    const ItensCombo cnaes =
        ListarItensComboCodigo(QStringLiteral("SELECT NU_IBGE FROM SFGTBT03_ATIVIDADE_CNAE_NIVEL_5"), 7, Banco());
    for (const ItemCombo &i : cnaes.itens)
        cmbCnae->addItem(i.texto);
    cmbCnae->setCurrentIndex(-1);
    cmbCnae->clearEditText();

    const ItensCombo fpas =
        ListarItensCombo(QStringLiteral("SELECT NU_INSS FROM SFGTBT01_FPAS"), false, false, false, Banco());
    QStringList codigos;
    for (const ItemCombo &i : fpas.itens)
        codigos << i.texto;
    auto *completar = new QCompleter(new QStringListModel(codigos, edtFpas), edtFpas);
    completar->setCompletionMode(QCompleter::InlineCompletion);
    edtFpas->setCompleter(completar);

    const ItensCombo opcoes = ListarItensCombo(
        QStringLiteral("SELECT CAST(NU_SIMPLES AS VARCHAR(6)) || ' - ' || COALESCE(DE_SIMPLES, '') "
                       "FROM SFGTBT02_TIPO_OPCAO_SIMPLES"),
        false, false, false, Banco());
    for (const ItemCombo &i : opcoes.itens)
        cmbSimples->addItem(i.texto);
    cmbSimples->setCurrentIndex(-1);
    m_listasProntas = true;
}

void TfrmEmpresas::AjustarBotoes(bool visualizacao)
{
    TFrameEstabelecimento::AjustarBotoes(visualizacao);
    m_btnNovoTrabalhador->setVisible(visualizacao);
    m_btnNovoTrabalhador->setEnabled(visualizacao);
}

void TfrmEmpresas::HabilitarAcoes(bool alterar, bool excluir, bool novoTrabalhador)
{
    m_btnAlterar->setEnabled(alterar);
    m_btnExcluir->setEnabled(excluir);
    m_btnNovoTrabalhador->setEnabled(novoTrabalhador);
}

bool TfrmEmpresas::Exibir(int tipoInscricao, qint64 inscricao)
{
    prepararListas();
    const bool lido = m_empresa->ConsultarEmpresa(tipoInscricao, QString::number(inscricao));
    DefinirModoCadastro(ModoVisualizacao);
    LimparCampos();
    CarregarTela();
    AjustarBotoes(true);
    return lido && m_empresa->QuantidadeRegistros() > 0;
}

void TfrmEmpresas::CarregarTela()
{
    m_prefixo = kPrefixo;
    const bool chaveLivre = ModoCadastro() != ModoAlteracao;
    cmbTipoInscricao->setEnabled(chaveLivre);
    edtInscricao->setEnabled(chaveLivre);
    TEmpresa &e = *m_empresa;
    CarregarEstabelecimento(e);
    const QString cnae = Aparar(e.Cnae);
    cmbCnae->setCurrentIndex(cmbCnae->findText(cnae.isEmpty() ? cnae : CompletarZeros(cnae, 7)));
    if (cmbCnae->currentIndex() < 0)
        cmbCnae->setEditText(cnae.isEmpty() ? cnae : CompletarZeros(cnae, 7));
    edtFpas->setText(Aparar(e.Fpas));
    int simples = -1;
    for (int i = 0; e.Simples > 0 && i < cmbSimples->count(); ++i)
        if (cmbSimples->itemText(i).section(QLatin1Char(' '), 0, 0) == QString::number(e.Simples))
            simples = i;
    cmbSimples->setCurrentIndex(simples);
}

bool TfrmEmpresas::ValidarTela()
{
    TEmpresa &e = *m_empresa;
    CopiarEstabelecimento(e);
    e.Cnae = Aparar(cmbCnae->currentText());
    e.Fpas = Aparar(edtFpas->text());
    e.Simples = qint16(TextoParaInteiro(cmbSimples->currentText().section(QLatin1Char(' '), 0, 0)));
    TEndereco &end = e.Endereco();

    const auto codigo = [](TNegocio &objeto, bool valido) { return valido ? QString() : objeto.CodigoMensagem; };
    struct Regra {
        std::function<QString()> regra;
        QWidget *controle;
    };
    const Regra regras[] = {
        {[&] { return codigo(e, e.ValidarTipoInscricao()); }, cmbTipoInscricao},
        {[&] { return codigo(e, e.ValidarInscricao()); }, edtInscricao},
        {[&] { return codigo(e, e.ValidarRazaoSocial(true)); }, edtRazaoSocial},
        {[&] { return codigo(end, end.ValidarLogradouro()); }, edtLogradouro},
        {[&] { return codigo(end, end.ValidarBairro()); }, edtBairro},
        {[&] { return codigo(end, end.ValidarCep()); }, edtCep},
        {[&] { return codigo(end, end.ValidarLocalidade()); }, edtCidade},
        {[&] { return codigo(end, end.ValidarUf()); }, cmbUf},
        {[&] { return codigo(e, e.ValidarDdd()); }, edtDdd},
        {[&] { return codigo(e, e.ValidarTelefone()); }, edtTelefone},
        {[&] { return e.Cnae.isEmpty() ? QStringLiteral("0019") : QString(); }, cmbCnae},
        {[&] { return codigo(e, e.ValidarCnae()); }, cmbCnae},
        {[&] { return e.Fpas.isEmpty() ? QStringLiteral("0070") : QString(); }, edtFpas},
        {[&] { return codigo(e, e.ValidarFpas()); }, edtFpas},
        {[&] { return e.Simples == 0 ? QStringLiteral("0125") : QString(); }, cmbSimples},
        {[&] { return codigo(e, e.ValidarSimples()); }, cmbSimples},
        {[&] {
             const bool domestico = ConverterInteiro64(e.Fpas).value_or(0) == 868;
             return !domestico && e.ContarVinculos(e.TipoInscricao, 6, true, e.Inscricao) > 0 ? QStringLiteral("0429")
                                                                                             : QString();
         },
         edtFpas},
    };
    for (const Regra &r : regras) {
        const QString c = r.regra();
        if (c.isEmpty())
            continue;
        // the FPAS refused for the activity: the activity is what to correct
        QWidget *controle = (r.controle == edtFpas && c == QLatin1String("0020")) ? cmbCnae : r.controle;
        return Falhar(c, controle);
    }
    return true;
}

bool TfrmEmpresas::VerificarInscricao(bool assumirDados)
{
    const int tipo = TipoEscolhido();
    const QString inscricao = InscricaoDigitada();
    const qint64 numero = ConverterInteiro64(inscricao).value_or(0);
    if (tipo == 0 || numero <= 0)
        return true;
    TResponsavel cadastrado(Banco());
    if (!cadastrado.ConsultarPorInscricao(tipo, inscricao)) {
        MostrarErro(cadastrado.CodigoMensagem);
        return false;
    }
    if (cadastrado.QuantidadeRegistros() == 0)
        return true;
    const QString estado = cadastrado.Estado;
    if (estado == QLatin1String("R")) {
        // the responsible party being registered as an employer as well
        DefinirModoCadastro(ModoNovo);
        if (assumirDados) {
            TEmpresa &e = *m_empresa;
            e.Limpar();
            e.TipoInscricao = cadastrado.TipoInscricao;
            e.Inscricao = cadastrado.Inscricao;
            e.RazaoSocial = cadastrado.RazaoSocial;
            e.Telefone = cadastrado.Telefone;
            e.Ddd = cadastrado.Ddd;
            TEndereco &de = cadastrado.Endereco();
            TEndereco &para = e.Endereco();
            para.Logradouro = de.Logradouro;
            para.Bairro = de.Bairro;
            para.Cep = de.Cep;
            para.Localidade = de.Localidade;
            para.Uf = de.Uf;
            CarregarTela();
        }
        return true;
    }
    if (estado == QLatin1String("E") || estado == QLatin1String("A")) {
        MostrarErro(QStringLiteral("0207"));
        edtInscricao->clear();
        edtInscricao->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TfrmEmpresas::InscricaoDeixada()
{
    if (ModoCadastro() == ModoNovo)
        VerificarInscricao(true);
}

void TfrmEmpresas::iniciarNova()
{
    prepararListas();
    LimparCampos();
    m_empresa->Limpar();
    m_prefixo = kPrefixo;
    DefinirModoCadastro(ModoNovo);
    setEnabled(true);
    cmbTipoInscricao->setEnabled(true);
    edtInscricao->setEnabled(true);
    AplicarMascaraTipo();
    DefinirModoVisualizacao(false);
    m_btnNovoTrabalhador->hide();
    show();
    cmbTipoInscricao->setFocus(Qt::OtherFocusReason);
}

bool TfrmEmpresas::NovaEmpresa()
{
    if (m_arvore && m_arvore->RegAtual().Nivel() != 0)
        return false;
    iniciarNova();
    return true;
}

void TfrmEmpresas::btnAlterarClick()
{
    prepararListas();
    TFrameEstabelecimento::btnAlterarClick();
    // the key cannot change
    cmbTipoInscricao->setEnabled(false);
    edtInscricao->setEnabled(false);
    AplicarMascaraTipo();
    m_btnNovoTrabalhador->hide();
    edtRazaoSocial->setFocus(Qt::OtherFocusReason);
}

void TfrmEmpresas::btnSalvarClick()
{
    const int modo = ModoCadastro();
    if (modo == ModoVisualizacao)
        return;
    if (modo == ModoNovo && !VerificarInscricao(false))
        return;
    if (!ValidarTela())
        return;
    if (!Confirmar(QStringLiteral("0035")))
        return;
    if (modo == ModoNovo)
        incluir();
    else
        alterar();
}

bool TfrmEmpresas::incluir()
{
    TEmpresa &e = *m_empresa;
    bool ok;
    {
        CursorOcupado ocupado;
        ok = e.Incluir();
    }
    if (!ok) {
        const QString codigo = e.CodigoMensagem;
        MostrarErro(codigo);
        // An employer of that inscription exists: start over. Any other failure
        // keeps what was typed, still a new registration, to save again or cancel.
        if (codigo == QLatin1String("0207"))
            iniciarNova();
        return false;
    }

    TFrameEstabelecimento::btnSalvarClick();
    cmbTipoInscricao->setEnabled(true);
    edtInscricao->setEnabled(true);
    const qint64 inscricao = ConverterInteiro64(e.Inscricao).value_or(0);
    if (m_arvore && m_arvore->Quantidade() > 0) {
        const IdEntrada raiz = m_arvore->Entrada(0).Id;
        // the responsible party's own row became an employer too ("A")
        TResponsavel responsavel(Banco());
        const bool ehResponsavel = responsavel.CarregarResponsavel() && responsavel.Estado == QLatin1String("A")
                                   && responsavel.TipoInscricao == e.TipoInscricao
                                   && ConverterInteiro64(responsavel.Inscricao).value_or(0) == inscricao;
        TRecArvore no;
        no.Tipo = ehResponsavel ? 'A' : 'E';
        no.TipoInscricao = qint16(e.TipoInscricao);
        no.Inscricao = inscricao;
        no.Texto = Aparar(e.RazaoSocial);
        m_arvore->IncluirNo(raiz, no);
        if (ehResponsavel) {
            m_arvore->AlterarRaiz(TRaizArvore{e.TipoInscricao, inscricao, QStringLiteral("A")});
            m_arvore->RenomearNo(raiz, Aparar(responsavel.RazaoSocial));
        }
        m_arvore->SelecionarNo(raiz);
        emit pedirSelecao(raiz, true);
    }
    TUtilitarios::Instancia().MostrarMensagemPadrao(kPrefixo, 0);
    return true;
}

bool TfrmEmpresas::alterar()
{
    TEmpresa &e = *m_empresa;
    bool ok;
    {
        CursorOcupado ocupado;
        ok = e.Alterar();
    }
    if (!ok) {
        // still being changed: nothing was written
        MostrarErro(e.CodigoMensagem);
        return false;
    }
    TFrameEstabelecimento::btnSalvarClick();
    cmbTipoInscricao->setEnabled(true);
    edtInscricao->setEnabled(true);
    if (m_arvore) {
        const IdEntrada no =
            EntradaEmpresa(*m_arvore, e.TipoInscricao, ConverterInteiro64(e.Inscricao).value_or(0));
        if (no != SemEntrada)
            m_arvore->RenomearNo(no, Aparar(e.RazaoSocial));
    }
    TUtilitarios::Instancia().MostrarMensagemPadrao(kPrefixo, 1);
    return true;
}

void TfrmEmpresas::btnCancelarClick()
{
    const int modo = ModoCadastro();
    TFrameEstabelecimento::btnCancelarClick();
    if (modo == ModoAlteracao)
        Exibir(m_empresa->TipoInscricao, ConverterInteiro64(m_empresa->Inscricao).value_or(0));
    else if (modo == ModoNovo)
        LimparCampos();
}

void TfrmEmpresas::btnExcluirClick()
{
    TEmpresa &e = *m_empresa;
    const qint64 inscricao = ConverterInteiro64(e.Inscricao).value_or(0);
    if (inscricao <= 0)
        return;
    const IdEntrada no = m_arvore ? EntradaEmpresa(*m_arvore, e.TipoInscricao, inscricao) : SemEntrada;
    QString pergunta = QStringLiteral("0036");
    if (no != SemEntrada) {
        if (m_arvore->ContarFilhosEmEstados(no, {2, 3}) > 0)
            pergunta = QStringLiteral("0446");
        else if (m_arvore->ContarFilhos(no) >= 1)
            pergunta = QStringLiteral("0002");
    }
    if (!Confirmar(pergunta, Botao::Nao))
        return;

    // The rows go in one transaction; the tree follows only once it is committed,
    // so a failure leaves both as they were.
    std::optional<TRaizArvore> novaRaiz;
    bool ok = false;
    try {
        CursorOcupado ocupado;
        TransacaoLocal transacao(*e.Banco());
        ok = e.Excluir([&novaRaiz](const TRaizArvore &r) { novaRaiz = r; });
        if (ok)
            transacao.Confirmar();
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok) {
        MostrarErro(e.CodigoMensagem.isEmpty() ? QStringLiteral("0144") : e.CodigoMensagem);
        return;
    }

    if (m_arvore) {
        if (novaRaiz)
            m_arvore->AlterarRaiz(*novaRaiz);
        if (no != SemEntrada)
            m_arvore->ExcluirNo(no);
    }
    TUtilitarios::Instancia().MostrarMensagemPadrao(kPrefixo, 2);
    e.Limpar();
    if (m_arvore && m_arvore->Quantidade() > 0) {
        const IdEntrada raiz = m_arvore->Entrada(0).Id;
        m_arvore->SelecionarNo(raiz);
        emit pedirSelecao(raiz, false);
    }
    emit visualizacaoDefinida(true);
}

void TfrmEmpresas::btnNovoTrabalhadorClick() { emit pedirNovoTrabalhador(); }

} // namespace tolv
