#include "frm_principal.h"

#include "frm_empresas.h"
#include "frm_prog_importa.h"
#include "frm_responsavel.h"
#include "modelo_arvore.h"
#include "pedir_criterio.h"

#include "core/atualizacao_versao.h"
#include "core/configuracao.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "core/utilitarios.h"
#include "files/folha/tarefa_importacao_folha.h"
#include "files/inconsistencia.h"
#include "files/tipo_arquivo.h"
#include "registration/alteracao_cadastral.h"
#include "registration/complemento_saldo.h"
#include "registration/rescisao.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tolv {

namespace {

int Mostrar(const QString &codigo, TipoMensagem tipo, Botoes botoes = {Botao::Ok}, Botao padrao = Botao::Ok)
{
    return TUtilitarios::Instancia().MostrarMensagem(codigo, tipo, botoes, {}, padrao);
}

// A fixed text of this window, not a catalog message.
int MostrarTexto(const QString &texto, TipoMensagem tipo, Botoes botoes = {Botao::Ok}, Botao padrao = Botao::Ok)
{
    return TUtilitarios::Instancia().MostrarMensagem(QStringLiteral("0000"), tipo, botoes, {}, padrao, texto);
}

void MostrarItemNaoModificavel() { MostrarTexto(kItemNaoModificavel, TipoMensagem::Personalizada); }

// "FE" + code as a Yes/No question; no code goes on as a Yes.
bool ResponderAlerta(const QString &codigo)
{
    if (codigo.isEmpty())
        return true;
    return Mostrar(CodigoComPrefixo(QStringLiteral("FE"), codigo), TipoMensagem::Confirmacao, {Botao::Sim, Botao::Nao},
                   Botao::Sim)
        == ResultadoSim;
}

class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado &) = delete;
    CursorOcupado &operator=(const CursorOcupado &) = delete;
};

void Centralizar(QWidget &w)
{
    QScreen *tela = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!tela)
        return;
    QRect r = w.frameGeometry();
    r.moveCenter(tela->availableGeometry().center());
    w.move(r.topLeft());
}

QString Data(Date d) { return d.isRealDate() ? FormatarData(QStringLiteral("dd/mm/yyyy"), d) : QString(); }

QString Inscricao(int tipo, qint64 numero)
{
    if (tipo == 1)
        return QStringLiteral("CNPJ ") + MascararCnpj(CompletarZeros(QString::number(numero), 14));
    if (tipo == 2)
        return QStringLiteral("CEI ") + CompletarZeros(QString::number(numero), 12);
    return QString::number(numero);
}

QString PalavraEstado(int estado)
{
    switch (estado) {
    case 0: return QStringLiteral("Disponível");
    case 1: return QStringLiteral("Participando do movimento");
    case 2: return QStringLiteral("Fechado, aguardando a guia processada");
    case 3: return QStringLiteral("Guia processada");
    default: return QStringLiteral("Estado %1").arg(estado);
    }
}

bool Fechado(IconeArvore i)
{
    return i == IconeArvore::Fechado || i == IconeArvore::EmpresaFechada || i == IconeArvore::GuiaProcessada;
}

bool Marcado(IconeArvore i) { return i == IconeArvore::EmpresaParticipando || i == IconeArvore::Participando; }

// A database failure a business object reported as its code: the transaction
// around it must not commit.
void Exigir(bool ok, const TNegocio &objeto)
{
    if (!ok)
        throw ENegocio(QStringLiteral("Falha ao retirar o fechamento (código %1).").arg(objeto.CodigoMensagem));
}

// The start-up splash.
class TSplash : public QFrame {
public:
    TSplash() : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("frmSplash"));
        setWindowTitle(QStringLiteral("Carregando Dados ..."));
        setFrameShape(QFrame::Box);
        setLineWidth(1);
        setStyleSheet(QStringLiteral("QFrame#frmSplash { background: #f4f6f9; border: 1px solid #4a6f9c; }"));
        auto *titulo = new QLabel(kTituloAplicacao, this);
        QFont f = titulo->font();
        f.setPointSizeF(f.pointSizeF() * 1.8);
        f.setBold(true);
        titulo->setFont(f);
        titulo->setStyleSheet(QStringLiteral("color: #2c4a70;"));
        titulo->setAlignment(Qt::AlignCenter);
        m_mensagem = new QLabel(windowTitle(), this);
        m_mensagem->setObjectName(QStringLiteral("lblMensagem"));
        m_mensagem->setAlignment(Qt::AlignCenter);
        auto *l = new QVBoxLayout(this);
        l->setContentsMargins(24, 20, 24, 20);
        l->addWidget(titulo);
        l->addWidget(m_mensagem);
        setFixedSize(360, 120);
        Centralizar(*this);
    }

    void Mensagem(const QString &texto)
    {
        m_mensagem->setText(texto);
        repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    QLabel *m_mensagem;
};

// What the payroll import asks of the tree, answered by the window's tree. The
// import runs on the worker thread while the window's model is suspended; the
// reload takes its progress from the job without resetting the gauge.
class ArvoreImportacaoJanela : public ArvoreImportacao {
public:
    explicit ArvoreImportacaoJanela(TArvore &arvore) : m_arvore(arvore) {}

    int Quantidade() const override { return m_arvore.Quantidade(); }
    TRaizArvore Raiz() const override { return m_arvore.Raiz(); }
    void AlterarRaiz(const TRaizArvore &raiz) override { m_arvore.AlterarRaiz(raiz); }

    bool LocalizarEmpresa(int tipoInscricao, qint64 inscricao) const override
    {
        const IdEntrada atual = m_arvore.Atual();
        const bool achou = m_arvore.LocalizarEmpresa(tipoInscricao, inscricao);
        m_arvore.SelecionarNo(atual);
        return achou;
    }

    int EstadoVinculo(const ChaveVinculo &chave) const override
    {
        const IdEntrada atual = m_arvore.Atual();
        int estado = -1;
        if (m_arvore.LocalizarVinculo(chave, 'F'))
            estado = m_arvore.RegAtual().Estado;
        m_arvore.SelecionarNo(atual);
        return estado;
    }

    void Recarregar(ContextoTarefa *contexto) override
    {
        m_arvore.DataPagamentoMovimento();
        if (!contexto) {
            m_arvore.Carregar();
            return;
        }
        ContextoRecarga recarga(*contexto);
        m_arvore.Carregar(&recarga);
    }

private:
    // The import planned the gauge for the whole run, the reload included.
    class ContextoRecarga : public ContextoTarefa {
    public:
        explicit ContextoRecarga(ContextoTarefa &c) : m_c(c) {}
        bool Cancelado() const override { return m_c.Cancelado(); }
        bool EntrarFaseFinal() override { return m_c.EntrarFaseFinal(); }
        void DefinirMaximo(int) override {}
        void AumentarMaximo() override { m_c.AumentarMaximo(); }
        void Avancar() override { m_c.Avancar(); }
        void IniciarEtapa(int etapa) override { m_c.IniciarEtapa(etapa); }
        void ConcluirEtapa(int etapa) override { m_c.ConcluirEtapa(etapa); }
        void ExecutarNaInterface(const std::function<void()> &f) override { m_c.ExecutarNaInterface(f); }

    private:
        ContextoTarefa &m_c;
    };

    TArvore &m_arvore;
};

// The inconsistencies of one file kind, as the report would list them.
class TfrmInconsistencias : public QDialog {
public:
    TfrmInconsistencias(QWidget *parent, const DadosRelInconsistencia &dados) : QDialog(parent)
    {
        setObjectName(QStringLiteral("frmInconsistencias"));
        setWindowTitle(dados.Titulo);
        auto *subtitulo = new QLabel(dados.Subtitulo, this);
        subtitulo->setObjectName(QStringLiteral("lblSubtitulo"));
        auto *grade = new QTableWidget(int(dados.Linhas.size()), 8, this);
        grade->setObjectName(QStringLiteral("grdInconsistencias"));
        grade->setHorizontalHeaderLabels({QStringLiteral("Empresa"), QStringLiteral("Linha"), QStringLiteral("Registro"),
                                          QStringLiteral("Código - Descrição do erro"), QStringLiteral("Conteúdo do campo"),
                                          QStringLiteral("Trabalhador"), QStringLiteral("PIS/PASEP"),
                                          QStringLiteral("Admissão")});
        grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grade->setSelectionBehavior(QAbstractItemView::SelectRows);
        grade->verticalHeader()->hide();
        for (int i = 0; i < dados.Linhas.size(); ++i) {
            const LinhaRelInconsistencia &l = dados.Linhas.at(i);
            const QStringList celulas = {l.Empresa.isEmpty() ? l.Responsavel : l.Empresa,
                                         l.Linha,
                                         l.Registro,
                                         l.CodigoDescricao,
                                         l.Conteudo,
                                         l.Trabalhador,
                                         l.Pis,
                                         l.Admissao};
            for (int c = 0; c < celulas.size(); ++c)
                grade->setItem(i, c, new QTableWidgetItem(celulas.at(c)));
        }
        grade->resizeColumnsToContents();
        auto *botoes = new QDialogButtonBox(this);
        auto *fechar = botoes->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::AcceptRole);
        fechar->setObjectName(QStringLiteral("btnFechar"));
        connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
        auto *l = new QVBoxLayout(this);
        l->addWidget(subtitulo);
        l->addWidget(grade, 1);
        l->addWidget(botoes);
        resize(760, 420);
    }
};

} // namespace

// A read-only account of the selected entry, for the nodes whose frames are not
// part of this window.
class TPainelResumo : public QGroupBox {
public:
    explicit TPainelResumo(QWidget *parent) : QGroupBox(parent)
    {
        setObjectName(QStringLiteral("pnlResumo"));
        auto *l = new QVBoxLayout(this);
        m_campos = new QFormLayout;
        m_campos->setLabelAlignment(Qt::AlignRight);
        l->addLayout(m_campos);
        m_aviso = new QLabel(this);
        m_aviso->setObjectName(QStringLiteral("lblAviso"));
        m_aviso->setWordWrap(true);
        m_aviso->setStyleSheet(QStringLiteral("color: #555;"));
        l->addSpacing(12);
        l->addWidget(m_aviso);
        l->addStretch(1);
    }

    void Mostrar(const QString &titulo, const QList<QPair<QString, QString>> &campos, const QString &aviso = {})
    {
        setTitle(titulo);
        while (m_campos->rowCount() > 0)
            m_campos->removeRow(0);
        int n = 0;
        for (const auto &[rotulo, valor] : campos) {
            auto *v = new QLabel(valor, this);
            v->setObjectName(QStringLiteral("lblResumo%1").arg(n++));
            v->setTextInteractionFlags(Qt::TextSelectableByMouse);
            v->setWordWrap(true);
            m_campos->addRow(rotulo + QLatin1Char(':'), v);
        }
        m_aviso->setText(aviso);
        m_aviso->setVisible(!aviso.isEmpty());
    }

    // Label -> value, as shown.
    QMap<QString, QString> Campos() const
    {
        QMap<QString, QString> m;
        for (int i = 0; i < m_campos->rowCount(); ++i) {
            auto *r = qobject_cast<QLabel *>(m_campos->itemAt(i, QFormLayout::LabelRole)->widget());
            auto *v = qobject_cast<QLabel *>(m_campos->itemAt(i, QFormLayout::FieldRole)->widget());
            if (r && v)
                m.insert(r->text().chopped(1), v->text());
        }
        return m;
    }

private:
    QFormLayout *m_campos;
    QLabel *m_aviso;
};

// ---------------------------------------------------------------------------
// Payroll file chooser

TDialogoArquivoFolha::TDialogoArquivoFolha(QWidget *parent, const QString &titulo, const QString &descricaoFiltro)
    : QFileDialog(parent, titulo)
{
    setObjectName(QStringLiteral("dlgArquivoFolha"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Name filters match without regard to case, so "tolv.RE" is listed too.
    setNameFilter(descricaoFiltro + QStringLiteral(" (TOLV.re)"));
}

bool TDialogoArquivoFolha::ArquivoAceito(const QString &caminho)
{
    const QFileInfo f(caminho);
    return f.fileName().toUpper() == QLatin1String("TOLV.RE") && f.isFile();
}

void TDialogoArquivoFolha::accept()
{
    const QString escolhido = selectedFiles().value(0);
    // a folder typed in the name box is entered, as the dialog always does
    if (QFileInfo(escolhido).isDir() || ArquivoAceito(escolhido))
        QFileDialog::accept();
}

QString PedirArquivoFolha(QWidget *parent, const QString &titulo, const QString &descricaoFiltro)
{
    TDialogoArquivoFolha dialogo(parent, titulo, descricaoFiltro);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    const QString escolhido = dialogo.selectedFiles().value(0);
    return TDialogoArquivoFolha::ArquivoAceito(escolhido) ? escolhido : QString();
}

// ---------------------------------------------------------------------------
// Construction

TfrmPrincipal::TfrmPrincipal(QWidget *parent, TDBUtils *banco) : QMainWindow(parent), m_banco(banco)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(kTituloAplicacao);

    m_arvore = TArvore::Instancia();
    if (!m_arvore) {
        m_arvorePropria = std::make_unique<TArvore>(banco);
        m_arvore = m_arvorePropria.get();
        TArvore::DefinirInstancia(m_arvore);
    }
    m_modelo = new ModeloArvore(nullptr, this);
    m_modelo->setObjectName(QStringLiteral("mdlArvore"));

    criarAcoes();
    criarMenus();
    criarBarraFerramentas();
    criarCorpo();
    ligarFrames();
    resize(738, 590);
    Centralizar(*this);

    inicializar();
}

TfrmPrincipal::~TfrmPrincipal()
{
    // The model and the frames hold the tree; the tree may go with this object.
    m_tv->setModel(nullptr);
    delete m_modelo;
    m_modelo = nullptr;
    m_frmResponsavel->DefinirArvore(nullptr);
    m_frmEmpresas->DefinirArvore(nullptr);
}

TDBUtils &TfrmPrincipal::banco() const { return m_banco ? *m_banco : *TDBUtils::Instancia(); }

void TfrmPrincipal::criarAcoes()
{
    const auto acao = [this](const char *nome, const QString &texto) {
        auto *a = new QAction(texto, this);
        a->setObjectName(QLatin1String(nome));
        return a;
    };
    m_actNovoEmpresa = acao("actNovoEmpresa", QStringLiteral("&Empresa"));
    m_actAlterar = acao("actAlterar", QStringLiteral("&Alterar"));
    m_actAlterar->setShortcut(Qt::Key_F8);
    m_actExcluir = acao("actExcluir", QStringLiteral("&Excluir"));
    m_actExcluir->setShortcut(Qt::Key_F9);
    m_actImportarFolha = acao("actImportarFolha", QStringLiteral("&Importar Folha"));
    m_actSair = acao("actSair", QStringLiteral("&Sair"));
    m_actMarcar = acao("actMarcarParticipacao", QStringLiteral("&Marcar Participação"));
    m_actDesmarcar = acao("actDesmarcarParticipacao", QStringLiteral("&Desmarcar Participação"));
    m_actRetirarFechamento = acao("actRetirarParticipaodeMovimento", QStringLiteral("&Retirar Fechamento"));
    m_actLocalizar = acao("actLocalizar", QStringLiteral("&Localizar"));
    m_actLocalizar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_actSobre = acao("actSobre", QStringLiteral("&Sobre ..."));

    connect(m_actNovoEmpresa, &QAction::triggered, this, &TfrmPrincipal::NovaEmpresaClick);
    connect(m_actAlterar, &QAction::triggered, this, &TfrmPrincipal::AlterarClick);
    connect(m_actExcluir, &QAction::triggered, this, &TfrmPrincipal::ExcluirClick);
    connect(m_actImportarFolha, &QAction::triggered, this, &TfrmPrincipal::ImportarFolhaClick);
    connect(m_actSair, &QAction::triggered, this, &TfrmPrincipal::SairClick);
    // At the root the movement items act on everyone.
    connect(m_actMarcar, &QAction::triggered, this, [this] {
        if (registroAtual().EhRaiz())
            ParticiparTodosClick();
        else
            ParticiparClick();
    });
    connect(m_actDesmarcar, &QAction::triggered, this, [this] {
        if (registroAtual().EhRaiz())
            DesmarcarTodosClick();
        else
            DesmarcarClick();
    });
    connect(m_actRetirarFechamento, &QAction::triggered, this, &TfrmPrincipal::RetirarFechamentoClick);
    connect(m_actLocalizar, &QAction::triggered, this, &TfrmPrincipal::LocalizarClick);
    connect(m_actSobre, &QAction::triggered, this, &TfrmPrincipal::SobreClick);
}

void TfrmPrincipal::criarMenus()
{
    menuBar()->setObjectName(QStringLiteral("mmPrincipal"));
    m_mnArquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    m_mnArquivo->setObjectName(QStringLiteral("mnArquivo"));
    m_mnNovo = m_mnArquivo->addMenu(QStringLiteral("&Novo"));
    m_mnNovo->setObjectName(QStringLiteral("mnNovo"));
    m_mnNovo->menuAction()->setObjectName(QStringLiteral("actNovo"));
    m_mnNovo->addAction(m_actNovoEmpresa);
    m_mnArquivo->addAction(m_actAlterar);
    m_mnArquivo->addAction(m_actExcluir);
    m_mnArquivo->addSeparator();
    m_mnArquivo->addAction(m_actImportarFolha);
    m_mnArquivo->addSeparator();
    m_mnArquivo->addAction(m_actSair);

    m_mnEditar = menuBar()->addMenu(QStringLiteral("&Editar"));
    m_mnEditar->setObjectName(QStringLiteral("mnEditar"));
    m_mnEditar->addAction(m_actMarcar);
    m_mnEditar->addAction(m_actDesmarcar);
    m_mnEditar->addAction(m_actRetirarFechamento);
    m_mnEditar->addSeparator();
    m_mnEditar->addAction(m_actLocalizar);

    QMenu *ajuda = menuBar()->addMenu(QStringLiteral("Aj&uda"));
    ajuda->setObjectName(QStringLiteral("mnAjuda"));
    ajuda->addAction(m_actSobre);
}

void TfrmPrincipal::criarBarraFerramentas()
{
    m_barra = addToolBar(QStringLiteral("Principal"));
    m_barra->setObjectName(QStringLiteral("tbPrincipal"));
    m_barra->setMovable(false);
    m_barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_barra->addAction(m_mnNovo->menuAction());
    if (auto *novo = qobject_cast<QToolButton *>(m_barra->widgetForAction(m_mnNovo->menuAction()))) {
        novo->setObjectName(QStringLiteral("btnNovo"));
        novo->setPopupMode(QToolButton::InstantPopup);
    }
    m_barra->addAction(m_actAlterar);
    m_barra->addAction(m_actExcluir);
    m_barra->addSeparator();
    m_barra->addAction(m_actImportarFolha);
    m_barra->addAction(m_actLocalizar);
    m_barra->addSeparator();
    m_barra->addAction(m_actSair);
}

void TfrmPrincipal::criarCorpo()
{
    auto *divisor = new QSplitter(Qt::Horizontal, this);
    divisor->setObjectName(QStringLiteral("splPrincipal"));
    divisor->setChildrenCollapsible(false);

    m_abas = new QTabWidget(divisor);
    m_abas->setObjectName(QStringLiteral("TabTreeView"));
    m_abas->setMinimumWidth(50);
    for (const auto &[nome, legenda] : {std::pair{"tsCadastro", "&Cadastro"}, std::pair{"tsMovimento", "&Movimento"}}) {
        auto *pagina = new QWidget(m_abas);
        pagina->setObjectName(QLatin1String(nome));
        auto *l = new QVBoxLayout(pagina);
        l->setContentsMargins(2, 2, 2, 2);
        m_abas->addTab(pagina, QString::fromUtf8(legenda));
    }

    m_tv = new QTreeView(m_abas->widget(0));
    m_tv->setObjectName(QStringLiteral("tvCadastro"));
    m_tv->setHeaderHidden(true);
    m_tv->setUniformRowHeights(true);
    m_tv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tv->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tv->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tv->setModel(m_modelo);
    m_abas->widget(0)->layout()->addWidget(m_tv);

    auto *direita = new QScrollArea(divisor);
    direita->setObjectName(QStringLiteral("sbxFrames"));
    direita->setWidgetResizable(true);
    direita->setFrameShape(QFrame::NoFrame);
    m_frames = new QStackedWidget;
    m_frames->setObjectName(QStringLiteral("pnlFrames"));
    m_frmResponsavel = new TfrmResponsavel(m_arvore, m_frames, m_banco);
    m_frmEmpresas = new TfrmEmpresas(m_arvore, m_frames, m_banco);
    m_resumo = new TPainelResumo(m_frames);
    m_frames->addWidget(m_resumo);
    m_frames->addWidget(m_frmResponsavel);
    m_frames->addWidget(m_frmEmpresas);
    m_frames->setCurrentWidget(m_resumo);
    direita->setWidget(m_frames);

    divisor->addWidget(m_abas);
    divisor->addWidget(direita);
    divisor->setStretchFactor(0, 0);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({240, 480});
    setCentralWidget(divisor);

    statusBar()->setObjectName(QStringLiteral("sbPrincipal"));
    m_lblMovimento = new QLabel(this);
    m_lblMovimento->setObjectName(QStringLiteral("lblMovimento"));
    m_lblVersao = new QLabel(this);
    m_lblVersao->setObjectName(QStringLiteral("lblVersao"));
    statusBar()->addWidget(m_lblMovimento, 1);
    statusBar()->addPermanentWidget(m_lblVersao);

    connect(m_abas, &QTabWidget::currentChanged, this, [this](int aba) {
        m_abas->widget(aba)->layout()->addWidget(m_tv);
        mostrarSelecao();
    });
    connect(m_tv->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &atual) { aoMudarSelecao(atual); });
    connect(m_tv, &QWidget::customContextMenuRequested, this, &TfrmPrincipal::menuContexto);
}

void TfrmPrincipal::ligarFrames()
{
    for (TFramePadrao *f : {static_cast<TFramePadrao *>(m_frmResponsavel), static_cast<TFramePadrao *>(m_frmEmpresas)}) {
        connect(f, &TFramePadrao::visualizacaoDefinida, this, &TfrmPrincipal::aoDefinirVisualizacao);
        connect(f, &TFramePadrao::cancelado, this, [this] { mostrarSelecao(); });
        connect(f, &TFramePadrao::pedirSelecao, this, [this](qint64 id, bool expandir) { SelecionarEntrada(id, expandir); });
    }
    connect(m_frmResponsavel, &TfrmResponsavel::pedirNovaEmpresa, this, &TfrmPrincipal::NovaEmpresaClick);
    connect(m_frmEmpresas, &TFramePadrao::visualizacaoDefinida, m_frmResponsavel, &TfrmResponsavel::HabilitarNovaEmpresa);
}

// Schema upgrade and tree, under the splash; the splash and the cursor go also
// when a step raised.
void TfrmPrincipal::inicializar()
{
    CursorOcupado cursor;
    TSplash splash;
    splash.show();
    splash.Mensagem(splash.windowTitle());
    AtualizarVersaoBanco(banco());
    m_versao = VersaoSistema(true, &banco());
    m_lblVersao->setText(QStringLiteral("Versão ") + m_versao);
    splash.Mensagem(QStringLiteral("Inicializando sistema ..."));
    m_modelo->DefinirArvore(m_arvore);
    RecarregarArvore();
}

int TfrmPrincipal::ExecutarModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop laco;
    m_laco = &laco;
    laco.exec(QEventLoop::DialogExec);
    m_laco = nullptr;
    return m_resultado;
}

void TfrmPrincipal::closeEvent(QCloseEvent *e)
{
    QMainWindow::closeEvent(e);
    if (e->isAccepted() && m_laco)
        m_laco->quit();
}

void TfrmPrincipal::SairClick()
{
    // The shutdown of the start-up (scratch directory, transaction, connection)
    // runs when the window is gone.
    m_resultado = 1;
    close();
}

// ---------------------------------------------------------------------------
// Tree and selection

int TfrmPrincipal::VisaoAtual() const { return m_abas->currentIndex(); }

void TfrmPrincipal::DefinirVisao(int visao) { m_abas->setCurrentIndex(visao); }

TRecArvore TfrmPrincipal::registroAtual() const { return m_arvore->RegAtual(); }

IdEntrada TfrmPrincipal::EntradaSelecionada() const { return ModeloArvore::IdDe(m_tv->currentIndex()); }

void TfrmPrincipal::SelecionarEntrada(IdEntrada id, bool expandir)
{
    const QModelIndex i = m_modelo->IndiceDe(id);
    if (!i.isValid())
        return;
    if (m_tv->currentIndex() == i) {
        aoMudarSelecao(i);
    } else {
        m_tv->setCurrentIndex(i);
    }
    if (expandir)
        m_tv->expand(i);
    m_tv->scrollTo(i);
}

void TfrmPrincipal::RecarregarArvore()
{
    m_arvore->DataPagamentoMovimento();
    m_arvore->Carregar();
    if (m_arvore->Quantidade() > 0)
        SelecionarEntrada(m_arvore->Entrada(0).Id, true);
    else
        mostrarSelecao();
    atualizarBarraStatus();
}

void TfrmPrincipal::aoMudarSelecao(const QModelIndex &atual)
{
    const IdEntrada id = ModeloArvore::IdDe(atual);
    if (id == SemEntrada || !m_arvore->SelecionarNo(id)) {
        mostrarSelecao();
        return;
    }
    mostrarSelecao();
    const TRecArvore e = registroAtual();
    // The question comes once the selection has settled.
    if (VisaoAtual() == VisaoCadastro && e.EhAlteracao())
        QTimer::singleShot(0, this, [this, id] { resolverAlteracao(id); });
}

void TfrmPrincipal::mostrarSelecao()
{
    const TRecArvore e = registroAtual();
    const bool movimento = VisaoAtual() == VisaoMovimento;
    if (e.Id == SemEntrada) {
        m_resumo->Mostrar(QString(), {});
        m_frames->setCurrentWidget(m_resumo);
    } else if (e.Nivel() == 0 && !movimento) {
        m_frmResponsavel->Exibir();
        m_frames->setCurrentWidget(m_frmResponsavel);
    } else if (e.Nivel() == 1) {
        m_frmEmpresas->Exibir(e.TipoInscricao, e.Inscricao);
        // A worker is registered on the worker screen, which this window does not have.
        if (movimento)
            m_frmEmpresas->HabilitarAcoes(false, false, false);
        else
            m_frmEmpresas->HabilitarAcoes(e.Icone != IconeArvore::EmpresaFechada, true, false);
        m_frames->setCurrentWidget(m_frmEmpresas);
    } else {
        mostrarResumo(e);
        m_frames->setCurrentWidget(m_resumo);
    }
    aplicarRegras();
    atualizarBarraStatus();
}

void TfrmPrincipal::mostrarResumo(const TRecArvore &e)
{
    const bool movimento = VisaoAtual() == VisaoMovimento;
    const TRecArvore *pai = m_arvore->Buscar(e.Pai);
    if (e.EhRaiz()) {
        int porEstado[4] = {0, 0, 0, 0};
        int alteracoes = 0;
        for (const TRecArvore &x : m_arvore->Entradas()) {
            if (x.EhVinculo() && x.Estado >= 0 && x.Estado <= 3)
                ++porEstado[x.Estado];
            else if (x.EhAlteracao())
                ++alteracoes;
        }
        const Date pagamento = ConfiguracaoGlobal().DataPagamento;
        m_resumo->Mostrar(QStringLiteral("Movimento"),
                          {{QStringLiteral("Responsável"), e.Texto},
                           {QStringLiteral("Inscrição"), Inscricao(e.TipoInscricao, e.Inscricao)},
                           {QStringLiteral("Movimento"),
                            movimentoAberto() ? QStringLiteral("Aberto, recolhimento em ") + Data(pagamento)
                                              : QStringLiteral("Nenhum movimento aberto")},
                           {QStringLiteral("Vínculos disponíveis"), QString::number(porEstado[0])},
                           {QStringLiteral("Participando"), QString::number(porEstado[1])},
                           {QStringLiteral("Fechados"), QString::number(porEstado[2])},
                           {QStringLiteral("Guias processadas"), QString::number(porEstado[3])},
                           {QStringLiteral("Alterações cadastrais pendentes"), QString::number(alteracoes)}},
                          QStringLiteral("A participação é marcada pelo menu Editar ou pelo botão direito do mouse "
                                         "sobre o empregador ou o trabalhador."));
        return;
    }
    if (e.EhVinculo()) {
        QList<QPair<QString, QString>> campos = {
            {QStringLiteral("Nome"), e.Texto},
            {QStringLiteral("PIS/PASEP"), MascararPis(CompletarZeros(QString::number(e.Pis), 11))},
            {QStringLiteral("Empregador"), pai ? pai->Texto : QString()},
            {QStringLiteral("Inscrição"), Inscricao(e.TipoInscricao, e.Inscricao)},
            {QStringLiteral("Categoria"), QString::number(e.Categoria)},
            {QStringLiteral("Admissão"), Data(e.Admissao)},
            {QStringLiteral("Situação"), PalavraEstado(e.Estado)},
            {QStringLiteral("Conta na ORBEL"), e.SituacaoConta >= 0 ? QStringLiteral("Situação %1").arg(e.SituacaoConta)
                                                                    : QStringLiteral("Sem saldo carregado")}};
        if (e.Inconsistente)
            campos << qMakePair(QStringLiteral("Validação"), QStringLiteral("Inconsistente"));
        m_resumo->Mostrar(QStringLiteral("Trabalhador"), campos,
                          movimento ? QString() : QStringLiteral("Dados somente para consulta."));
        return;
    }
    if (e.EhAlteracao()) {
        m_resumo->Mostrar(QStringLiteral("Alteração Cadastral Pendente"),
                          {{QStringLiteral("Nome na ORBEL"), e.Texto},
                           {QStringLiteral("Nome cadastrado"), pai ? pai->Texto : QString()},
                           {QStringLiteral("PIS/PASEP"), MascararPis(CompletarZeros(QString::number(e.Pis), 11))}},
                          movimento ? QStringLiteral("A alteração é resolvida na aba Cadastro.") : QString());
        return;
    }
    m_resumo->Mostrar(e.Texto, {});
}

bool TfrmPrincipal::movimentoAberto() const { return ConfiguracaoGlobal().DataPagamento.isRealDate(); }

void TfrmPrincipal::atualizarBarraStatus()
{
    m_lblMovimento->setText(movimentoAberto()
                                ? QStringLiteral("Movimento aberto: recolhimento em ") + Data(ConfiguracaoGlobal().DataPagamento)
                                : QStringLiteral("Nenhum movimento aberto"));
}

void TfrmPrincipal::aoDefinirVisualizacao(bool ligado)
{
    // While a record is edited nothing else of the window may be used.
    m_abas->setEnabled(ligado);
    menuBar()->setEnabled(ligado);
    m_barra->setEnabled(ligado);
    if (ligado)
        aplicarRegras();
}

void TfrmPrincipal::aplicarRegras()
{
    const TRecArvore e = registroAtual();
    const bool tem = e.Id != SemEntrada;
    const bool movimento = VisaoAtual() == VisaoMovimento;
    const int nivel = tem ? e.Nivel() : -1;

    m_actNovoEmpresa->setEnabled(!movimento && nivel == 0);
    m_mnNovo->menuAction()->setEnabled(m_actNovoEmpresa->isEnabled());
    m_actAlterar->setEnabled(!movimento && (nivel == 0 || (nivel == 1 && !Fechado(e.Icone))));
    m_actExcluir->setEnabled(!movimento && nivel == 1);
    m_actLocalizar->setEnabled(nivel != 3);

    for (QAction *a : {m_actMarcar, m_actDesmarcar, m_actRetirarFechamento})
        a->setVisible(movimento);
    if (!movimento)
        return;

    bool retirar = false, marcar = false, marcarVisivel = true, desmarcarVisivel = false;
    switch (nivel) {
    case 0:
        retirar = m_arvore->ContarEmEstados({2, 3}, true) > 0;
        marcar = m_arvore->ContarEmEstados({0}, true) > 0;
        // unmarking everyone makes sense only while someone takes part
        desmarcarVisivel = m_arvore->ContarEmEstados({1}, true) > 0;
        break;
    case 1:
    case 2:
        marcarVisivel = !Marcado(e.Icone);
        desmarcarVisivel = Marcado(e.Icone);
        retirar = nivel == 1 ? m_arvore->ContarFilhosEmEstados(e.Id, {2, 3}) > 0 : e.Icone == IconeArvore::Fechado;
        marcar = !retirar && !Fechado(e.Icone) && !(nivel == 1 && m_arvore->ContarFilhos(e.Id) == 0);
        break;
    default:
        break;
    }
    m_actMarcar->setVisible(marcarVisivel);
    m_actMarcar->setEnabled(marcar);
    m_actDesmarcar->setVisible(desmarcarVisivel);
    m_actDesmarcar->setEnabled(desmarcarVisivel);
    m_actRetirarFechamento->setEnabled(retirar);
}

void TfrmPrincipal::menuContexto(const QPoint &posicao)
{
    const QModelIndex i = m_tv->indexAt(posicao);
    if (!i.isValid() || !m_tv->isEnabled())
        return;
    SelecionarEntrada(ModeloArvore::IdDe(i));
    const TRecArvore e = registroAtual();
    if (e.Id == SemEntrada)
        return;
    const int nivel = e.Nivel();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("pmArvore"));
    const auto item = [&menu](const QString &texto, bool habilitado, auto slot) {
        QAction *a = menu.addAction(texto);
        a->setEnabled(habilitado);
        QObject::connect(a, &QAction::triggered, slot);
        return a;
    };

    if (VisaoAtual() == VisaoCadastro) {
        if (nivel == 0) {
            item(QStringLiteral("Nova &Empresa"), m_actNovoEmpresa->isEnabled(), [this] { NovaEmpresaClick(); });
            item(QStringLiteral("&Alterar"), m_actAlterar->isEnabled(), [this] { AlterarClick(); });
        } else if (nivel == 1) {
            item(QStringLiteral("&Alterar"), m_actAlterar->isEnabled(), [this] { AlterarClick(); });
            item(QStringLiteral("&Excluir"), m_actExcluir->isEnabled(), [this] { ExcluirClick(); });
        } else if (nivel == 3) {
            return;
        }
        if (nivel != 2)
            menu.addSeparator();
    } else {
        bool retirar = m_actRetirarFechamento->isEnabled();
        if (nivel == 0) {
            item(QStringLiteral("&Marcar Participação"), m_actMarcar->isEnabled(), [this] { ParticiparTodosClick(); });
            if (m_actDesmarcar->isVisible())
                item(QStringLiteral("&Desmarcar Participação"), true, [this] { DesmarcarTodosClick(); });
        } else if (Marcado(e.Icone)) {
            item(QStringLiteral("&Desmarcar Participação"), true, [this] { DesmarcarClick(); });
        } else {
            const bool marcar = nivel != 3 && !Fechado(e.Icone) && !(nivel == 1 && m_arvore->ContarFilhos(e.Id) == 0);
            item(QStringLiteral("&Marcar Participação"), marcar, [this] { ParticiparClick(); });
        }
        // the popup also withdraws the closing of a worker whose guide came back
        if (nivel == 2)
            retirar = e.Icone == IconeArvore::Fechado || e.Icone == IconeArvore::GuiaProcessada;
        item(QStringLiteral("&Retirar Fechamento"), retirar, [this] { RetirarFechamentoClick(); });
        menu.addSeparator();
    }
    item(QStringLiteral("&Localizar"), nivel != 3, [this] { LocalizarClick(); });
    menu.exec(m_tv->viewport()->mapToGlobal(posicao));
}

// ---------------------------------------------------------------------------
// Registration

void TfrmPrincipal::NovaEmpresaClick()
{
    if (VisaoAtual() != VisaoCadastro || registroAtual().Nivel() != 0)
        return;
    if (m_frmEmpresas->NovaEmpresa())
        m_frames->setCurrentWidget(m_frmEmpresas);
}

void TfrmPrincipal::AlterarClick()
{
    if (!m_actAlterar->isEnabled())
        return;
    const TRecArvore e = registroAtual();
    if (e.Nivel() == 0)
        m_frmResponsavel->btnAlterarClick();
    else if (e.Nivel() == 1)
        m_frmEmpresas->btnAlterarClick();
}

void TfrmPrincipal::ExcluirClick()
{
    if (!m_actExcluir->isEnabled())
        return;
    if (registroAtual().Nivel() == 1)
        m_frmEmpresas->btnExcluirClick();
}

// The bank holds another name for the worker of this change node: keep the
// registered one (Yes), adopt the bank's (No) or leave it for later (Cancel).
void TfrmPrincipal::resolverAlteracao(IdEntrada alteracao)
{
    const TRecArvore *c = m_arvore->Buscar(alteracao);
    if (!c || !c->EhAlteracao() || m_arvore->Atual() != alteracao || VisaoAtual() != VisaoCadastro)
        return;
    const TRecArvore mudanca = *c;
    const IdEntrada vinculo = mudanca.Pai;
    const auto removerAlteracoes = [this, vinculo] {
        std::vector<IdEntrada> ids;
        for (const TRecArvore &x : m_arvore->Entradas())
            if (x.EhAlteracao() && x.Pai == vinculo)
                ids.push_back(x.Id);
        for (IdEntrada id : ids)
            m_arvore->ExcluirNo(id);
    };

    TDBUtils &b = banco();
    const bool propria = !b.EmTransacao();
    if (propria)
        b.IniciarTransacao();
    try {
        const int resposta = Mostrar(QStringLiteral("990301"), TipoMensagem::Confirmacao,
                                     {Botao::Sim, Botao::Nao, Botao::Cancelar}, Botao::Sim);
        TAlteracaoCadastral alt(m_banco);
        if (resposta == ResultadoNao) {
            TTrabalhador trabalhador(m_banco);
            trabalhador.NO_EMPREGADO = mudanca.Texto;
            if (!trabalhador.ValidarNome()) {
                if (b.EmTransacao())
                    b.Rollback();
                Mostrar(CodigoComPrefixo(QStringLiteral("99"), trabalhador.CodigoMensagem), TipoMensagem::Erro);
                SelecionarEntrada(vinculo);
                return;
            }
            alt.ResolverAlteracaoNome(mudanca.TipoInscricao, mudanca.Categoria, QLatin1Char('N'),
                                      trabalhador.NO_EMPREGADO, mudanca.Admissao, mudanca.Pis, mudanca.Inscricao);
            m_arvore->RenomearNo(vinculo, trabalhador.NO_EMPREGADO);
            removerAlteracoes();
            if (propria)
                b.Commit();
            SelecionarEntrada(vinculo);
        } else if (resposta == ResultadoSim) {
            SelecionarEntrada(vinculo);
            Mostrar(QStringLiteral("990302"), TipoMensagem::Informacao);
            alt.ResolverAlteracaoNome(mudanca.TipoInscricao, mudanca.Categoria, QLatin1Char('S'), mudanca.Texto,
                                      mudanca.Admissao, mudanca.Pis, mudanca.Inscricao);
            removerAlteracoes();
            if (propria)
                b.Commit();
        } else {
            if (b.EmTransacao())
                b.Rollback();
            SelecionarEntrada(vinculo);
        }
    } catch (...) {
        if (b.EmTransacao())
            b.Rollback();
        SelecionarEntrada(vinculo);
        throw;
    }
}

// ---------------------------------------------------------------------------
// Movement

template <class F>
void TfrmPrincipal::emTransacao(F acao)
{
    TDBUtils &b = banco();
    const bool propria = !b.EmTransacao();
    if (propria)
        b.IniciarTransacao();
    try {
        acao();
        if (propria)
            b.Commit();
    } catch (...) {
        if (b.EmTransacao())
            b.Rollback();
        // the entries may have followed statements that were just undone
        try {
            RecarregarArvore();
        } catch (...) {
        }
        throw;
    }
}

void TfrmPrincipal::ParticiparClick()
{
    const TRecArvore e = registroAtual();
    if (e.Nivel() != 1 && e.Nivel() != 2)
        return;
    if (e.Icone == IconeArvore::Fechado || e.Icone == IconeArvore::EmpresaFechada) {
        MostrarItemNaoModificavel();
        return;
    }
    if (!movimentoAberto()) {
        Mostrar(QStringLiteral("FE0062"), TipoMensagem::Erro);
        return;
    }
    if (e.Nivel() == 1) {
        bool recusou = false;
        emTransacao([&] {
            m_arvore->LimparInconsistenciasFechamento();
            const bool incluir = ResponderAlerta(m_arvore->VerificarAlertas(e.Id, EscopoAlerta::Empresa));
            CursorOcupado cursor;
            TResponsavel responsavel(m_banco);
            responsavel.CarregarResponsavel();
            recusou = !m_arvore->ParticiparEmpresa(e.Id, incluir, &responsavel);
        });
        if (recusou)
            perguntarRelatorioRecusas();
    } else {
        ResultadoParticipacao resultado = ResultadoParticipacao::NaoPermitido;
        QString codigo;
        emTransacao([&] {
            const bool prosseguir = ResponderAlerta(m_arvore->VerificarAlertas(e.Id, EscopoAlerta::Trabalhador));
            resultado = m_arvore->ParticiparTrabalhador(e.Id, prosseguir);
            codigo = m_arvore->CodigoMensagem;
        });
        if (resultado == ResultadoParticipacao::Recusado)
            Mostrar(CodigoComPrefixo(QStringLiteral("FE"), codigo), TipoMensagem::Erro);
        else if (resultado == ResultadoParticipacao::NaoPermitido)
            MostrarItemNaoModificavel();
    }
    mostrarSelecao();
}

void TfrmPrincipal::ParticiparTodosClick()
{
    if (!movimentoAberto()) {
        Mostrar(QStringLiteral("FE0062"), TipoMensagem::Informacao);
        return;
    }
    if (m_arvore->Quantidade() == 0)
        return;
    bool recusou = false;
    emTransacao([&] {
        m_arvore->LimparInconsistenciasFechamento();
        const bool incluir = ResponderAlerta(m_arvore->VerificarAlertas(m_arvore->Entrada(0).Id, EscopoAlerta::Todos));
        CursorOcupado cursor;
        TResponsavel responsavel(m_banco);
        responsavel.CarregarResponsavel();
        recusou = m_arvore->ParticiparTodos(incluir, &responsavel);
    });
    if (recusou)
        perguntarRelatorioRecusas();
    mostrarSelecao();
}

void TfrmPrincipal::DesmarcarClick()
{
    const TRecArvore e = registroAtual();
    if (e.Nivel() != 1 && e.Nivel() != 2)
        return;
    // a closed link leaves the movement only by withdrawing its closing
    if (Fechado(e.Icone)) {
        MostrarItemNaoModificavel();
        return;
    }
    emTransacao([&] {
        if (e.Nivel() == 1)
            m_arvore->DesmarcarEmpresa(e.Id, {1});
        else if (e.Estado == 1)
            m_arvore->DesmarcarTrabalhador(e.Id);
    });
    mostrarSelecao();
}

void TfrmPrincipal::DesmarcarTodosClick()
{
    std::vector<IdEntrada> empresas;
    for (const TRecArvore &x : m_arvore->Entradas())
        if (x.EhEmpresa() && x.Icone == IconeArvore::EmpresaParticipando)
            empresas.push_back(x.Id);
    if (empresas.empty())
        return;
    emTransacao([&] {
        CursorOcupado cursor;
        for (IdEntrada id : empresas)
            m_arvore->DesmarcarEmpresa(id, {1});
    });
    mostrarSelecao();
}

void TfrmPrincipal::RetirarFechamentoClick()
{
    const TRecArvore e = registroAtual();
    if (e.Id == SemEntrada || e.EhAlteracao())
        return;
    if (MostrarTexto(kConfirmaRetirada, TipoMensagem::Confirmacao, {Botao::Sim, Botao::Nao}, Botao::Sim) != ResultadoSim)
        return;

    emTransacao([&] {
        CursorOcupado cursor;
        TRescisao rescisao(m_banco);
        TComplementoSaldo complemento(m_banco);
        TAlteracaoCadastral alteracao(m_banco);
        // The change entries of the scope go with their rows.
        const auto alteracoesDoEscopo = [&] {
            std::vector<IdEntrada> ids;
            for (const TRecArvore &x : m_arvore->Entradas()) {
                if (!x.EhAlteracao())
                    continue;
                if (e.EhRaiz() || (e.EhEmpresa() && x.TipoInscricao == e.TipoInscricao && x.Inscricao == e.Inscricao)
                    || (e.EhVinculo() && x.Pai == e.Id))
                    ids.push_back(x.Id);
            }
            return ids;
        };
        // Recomputing a complement line that lacks its index keeps its old deposit;
        // only a database failure stops the withdrawal.
        const auto recalcular = [&complemento](int tipo, qint64 pis, qint64 inscricao) {
            if (!complemento.RecalcularDepositos(tipo, pis, inscricao)
                && complemento.CodigoMensagem == QLatin1String("0144"))
                Exigir(false, complemento);
        };

        if (e.EhRaiz()) {
            Exigir(rescisao.LimparCalculo(-1, 0, DataNula, -1, -1), rescisao);
            m_arvore->DesmarcarTodos({2, 3});
            recalcular(-1, -1, -1);
            Exigir(complemento.TotalizarVinculos(-1, 0, DataNula, -1, -1), complemento);
            Exigir(alteracao.Excluir(true), alteracao);
        } else if (e.EhEmpresa()) {
            Exigir(rescisao.LimparCalculo(e.TipoInscricao, 0, DataNula, -1, e.Inscricao), rescisao);
            m_arvore->DesmarcarEmpresa(e.Id, {2, 3});
            m_arvore->RecalcularEmpresa(e.Id);
            recalcular(e.TipoInscricao, -1, e.Inscricao);
            Exigir(complemento.TotalizarVinculos(e.TipoInscricao, 0, DataNula, -1, e.Inscricao), complemento);
            alteracao.NU_TIPO_INSO_EMPRA = QString::number(e.TipoInscricao);
            alteracao.NU_INSCRICAO = QString::number(e.Inscricao);
            Exigir(alteracao.Excluir(false), alteracao);
        } else {
            Exigir(rescisao.LimparCalculo(e.TipoInscricao, e.Categoria, e.Admissao, e.Pis, e.Inscricao), rescisao);
            m_arvore->DesmarcarTrabalhador(e.Id);
            recalcular(e.TipoInscricao, e.Pis, e.Inscricao);
            Exigir(complemento.TotalizarVinculos(e.TipoInscricao, e.Categoria, e.Admissao, e.Pis, e.Inscricao),
                   complemento);
            alteracao.NU_TIPO_INSO_EMPRA = QString::number(e.TipoInscricao);
            alteracao.NU_INSCRICAO = QString::number(e.Inscricao);
            alteracao.NU_PIS = QString::number(e.Pis);
            alteracao.NU_CATEGORIA = QString::number(e.Categoria);
            alteracao.DT_ADMISSAO_VINCULO = e.Admissao;
            Exigir(alteracao.Excluir(false), alteracao);
        }
        for (IdEntrada id : alteracoesDoEscopo())
            m_arvore->ExcluirNo(id);
    });
    mostrarSelecao();
}

void TfrmPrincipal::perguntarRelatorioRecusas()
{
    if (Mostrar(QStringLiteral("FE0224"), TipoMensagem::Confirmacao, {Botao::Sim, Botao::Nao}, Botao::Sim) == ResultadoSim)
        mostrarInconsistencias(ArquivoFechamento);
    else
        Mostrar(QStringLiteral("FE0400"), TipoMensagem::Informacao);
}

void TfrmPrincipal::mostrarInconsistencias(int tipoArquivo)
{
    TInconsistencia inconsistencia(m_banco);
    DadosRelInconsistencia dados;
    if (!MontarRelInconsistencia(inconsistencia, tipoArquivo, ConfiguracaoGlobal().DataEditalProRata, dados)
        || dados.Linhas.isEmpty()) {
        Mostrar(QStringLiteral("RE0086"), TipoMensagem::Informacao);
        return;
    }
    TfrmInconsistencias janela(this, dados);
    janela.exec();
}

void TfrmPrincipal::LocalizarClick()
{
    if (!m_actLocalizar->isEnabled())
        return;
    const ResultadoLocalizacao r = LocalizarNaArvore(this, m_banco);
    if (SelecionarLocalizacao(*m_arvore, r))
        SelecionarEntrada(m_arvore->Atual(), true);
}

// ---------------------------------------------------------------------------
// Payroll import

void TfrmPrincipal::ImportarFolhaClick()
{
    const QString arquivo = PedirArquivoFolha(this, kTituloArquivoFolhaPrincipal, kFiltroArquivoFolhaPrincipal);
    if (!arquivo.isEmpty())
        ImportarFolha(arquivo);
}

bool TfrmPrincipal::ImportarFolha(const QString &arquivo)
{
    const TRaizArvore raizAntes = m_arvore->Raiz();
    ArvoreImportacaoJanela adaptador(*m_arvore);
    bool sucesso = false;
    // The import reads and rebuilds the tree on the worker thread.
    m_modelo->Suspender();
    try {
        TfrmProgImporta janela(this, m_banco);
        janela.Configurar(TipoTarefa::ImportacaoFolha, kTituloImportacaoFolha, EtapasImportacaoFolha());
        TabelaTratadores tratadores;
        tratadores.Registrar(TipoTarefa::ImportacaoFolha, [this, &sucesso](const EstadoTarefa &estado, Tarefa *) {
            sucesso = estado.sucesso && !estado.cancelado;
            m_modelo->Retomar();
            if (sucesso && m_arvore->Quantidade() > 0) {
                SelecionarEntrada(m_arvore->Entrada(0).Id, true);
                atualizarBarraStatus();
            }
            tratarResultadoImportacao(sucesso, estado.cancelado, estado.excecao, estado.codigoResultado);
        });
        janela.DefinirTratadores(std::move(tratadores));
        janela.Executar(std::make_unique<TarefaImportacaoFolha>(arquivo, &adaptador, m_banco));
    } catch (...) {
        m_modelo->Retomar();
        throw;
    }
    m_modelo->Retomar();
    const TRaizArvore raiz = m_arvore->Raiz();
    // A root that followed a save which was then rolled back is read again.
    if (!sucesso
        && (raiz.Tipo != raizAntes.Tipo || raiz.TipoInscricao != raizAntes.TipoInscricao
            || raiz.Inscricao != raizAntes.Inscricao))
        RecarregarArvore();
    return sucesso;
}

void TfrmPrincipal::tratarResultadoImportacao(bool sucesso, bool cancelado, bool excecao, const QString &codigo)
{
    // A cancelled run wrote nothing; an exception was already reported.
    if (cancelado || excecao)
        return;
    if (sucesso) {
        Mostrar(QStringLiteral("990074"), TipoMensagem::Informacao);
        return;
    }
    if (codigo == QLatin1String("0396")) {
        Mostrar(QStringLiteral("990396"), TipoMensagem::Erro);
        return;
    }
    if (Mostrar(QStringLiteral("990209"), TipoMensagem::Confirmacao, {Botao::Sim, Botao::Nao}, Botao::Sim) == ResultadoSim)
        mostrarInconsistencias(ArquivoFolha);
    else
        Mostrar(QStringLiteral("990476"), TipoMensagem::Informacao);
}

// ---------------------------------------------------------------------------
// Help

void TfrmPrincipal::SobreClick()
{
    QDialog sobre(this);
    sobre.setObjectName(QStringLiteral("frmSobre"));
    sobre.setWindowTitle(QStringLiteral("Sobre o ") + kTituloAplicacao);
    auto *titulo = new QLabel(kTituloAplicacao, &sobre);
    QFont f = titulo->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    titulo->setFont(f);
    auto *versao = new QLabel(QStringLiteral("Versão ") + m_versao, &sobre);
    versao->setObjectName(QStringLiteral("lblVersao"));
    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok, &sobre);
    connect(botoes, &QDialogButtonBox::accepted, &sobre, &QDialog::accept);
    auto *l = new QVBoxLayout(&sobre);
    l->addWidget(titulo);
    l->addWidget(versao);
    l->addSpacing(8);
    l->addWidget(botoes);
    sobre.exec();
}

} // namespace tolv
