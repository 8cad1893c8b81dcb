#pragma once

#include "movement/arvore.h"

#include <QFileDialog>
#include <QMainWindow>
#include <memory>

class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QTreeView;

namespace tolv {

class ModeloArvore;
class TDBUtils;
class TfrmEmpresas;
class TfrmResponsavel;
class TPainelResumo;

// The payroll file chooser: the toolkit's own dialog (the same on every
// platform), which only closes on an existing file whose name, upper-cased, is
// "TOLV.RE".
class TDialogoArquivoFolha : public QFileDialog {
    Q_OBJECT
public:
    TDialogoArquivoFolha(QWidget *parent, const QString &titulo, const QString &descricaoFiltro);

    static bool ArquivoAceito(const QString &caminho);

public slots:
    void accept() override;
};

// The chosen file, or empty when the user gave up.
QString PedirArquivoFolha(QWidget *parent, const QString &titulo, const QString &descricaoFiltro);

inline const QString kTituloArquivoFolhaPrincipal = QStringLiteral("Selecione o arquivo de TOLV para importação");
inline const QString kFiltroArquivoFolhaPrincipal = QStringLiteral("Arquivo de importação TOLV");
inline const QString kItemNaoModificavel = QStringLiteral("O item selecionado não pode ser modificado.");
inline const QString kConfirmaRetirada = QStringLiteral("Confirma a retirada da participação de movimento?");

// The main window: the participation tree in two views (registration and
// movement), the registration frames beside it, the marking actions and the
// payroll import. Creating it brings the database schema up to date and builds
// the tree under the start-up splash.
//
// The tree is the process-wide one when the front end set one; otherwise the
// window owns a tree and makes it the process-wide one for its lifetime.
class TfrmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    enum Visao { VisaoCadastro = 0, VisaoMovimento = 1 };

    // `banco`: the shared connection (null: the process-wide one).
    explicit TfrmPrincipal(QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmPrincipal() override;

    // Shows the window modally until it closes.
    int ExecutarModal();

    TArvore &Arvore() { return *m_arvore; }
    ModeloArvore &Modelo() { return *m_modelo; }
    QTreeView *Visualizacao() const { return m_tv; }
    int VisaoAtual() const;
    void DefinirVisao(int visao);

    // The entry of the selected node (SemEntrada when none).
    IdEntrada EntradaSelecionada() const;
    // Selects that entry's node (expanded when asked) and shows its frame.
    void SelecionarEntrada(IdEntrada id, bool expandir = false);

    // Runs the payroll import of `arquivo` in the run window, over this window's
    // tree, with the result messages. True when the file went in.
    bool ImportarFolha(const QString &arquivo);
    // Reloads the pay date of the open movement and rebuilds the tree; selects the root.
    void RecarregarArvore();

public slots:
    void ParticiparClick();
    void ParticiparTodosClick();
    void DesmarcarClick();
    void DesmarcarTodosClick();
    void RetirarFechamentoClick();
    void LocalizarClick();
    void ImportarFolhaClick();
    void NovaEmpresaClick();
    void AlterarClick();
    void ExcluirClick();
    void SobreClick();
    void SairClick();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void criarAcoes();
    void criarMenus();
    void criarBarraFerramentas();
    void criarCorpo();
    void ligarFrames();
    void inicializar();

    TDBUtils &banco() const;
    TRecArvore registroAtual() const;
    void aoMudarSelecao(const QModelIndex &atual);
    void mostrarSelecao();
    void mostrarResumo(const TRecArvore &e);
    void resolverAlteracao(IdEntrada alteracao);
    void aplicarRegras();
    void atualizarBarraStatus();
    void aoDefinirVisualizacao(bool ligado);
    void menuContexto(const QPoint &posicao);
    bool movimentoAberto() const;
    void perguntarRelatorioRecusas();
    void mostrarInconsistencias(int tipoArquivo);
    void tratarResultadoImportacao(bool sucesso, bool cancelado, bool excecao, const QString &codigo);
    // Runs `acao` in one transaction; any error rolls it back and rebuilds the
    // tree from the database before it goes on to the global handler.
    template <class F>
    void emTransacao(F acao);

    TDBUtils *m_banco;
    std::unique_ptr<TArvore> m_arvorePropria;
    TArvore *m_arvore = nullptr;
    ModeloArvore *m_modelo = nullptr;
    QString m_versao;
    int m_resultado = 0;
    QEventLoop *m_laco = nullptr;

    QTabWidget *m_abas = nullptr;
    QTreeView *m_tv = nullptr;
    QStackedWidget *m_frames = nullptr;
    TfrmResponsavel *m_frmResponsavel = nullptr;
    TfrmEmpresas *m_frmEmpresas = nullptr;
    TPainelResumo *m_resumo = nullptr;
    QToolBar *m_barra = nullptr;
    QLabel *m_lblMovimento = nullptr;
    QLabel *m_lblVersao = nullptr;

    QMenu *m_mnArquivo = nullptr;
    QMenu *m_mnEditar = nullptr;
    QMenu *m_mnNovo = nullptr;
    QAction *m_actNovoEmpresa = nullptr;
    QAction *m_actAlterar = nullptr;
    QAction *m_actExcluir = nullptr;
    QAction *m_actImportarFolha = nullptr;
    QAction *m_actSair = nullptr;
    QAction *m_actMarcar = nullptr;
    QAction *m_actDesmarcar = nullptr;
    QAction *m_actRetirarFechamento = nullptr;
    QAction *m_actLocalizar = nullptr;
    QAction *m_actSobre = nullptr;
};

} // namespace tolv
