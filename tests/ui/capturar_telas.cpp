// capturar_telas DIRETORIO: saves pictures of the first-run window and of the
// main window over an imported payroll file, on a real display (run it under
// xvfb-run), so that their look can be reviewed. Exit status 0 when every
// picture was written.

#include "principal_ui_support.h"

#include "core/configuracao.h"
#include "ui/aplicacao_tolv.h"
#include "ui/frm_entrada.h"
#include "ui/frm_principal.h"
#include "ui/modelo_arvore.h"

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <cstdio>

using namespace tolv;
using namespace tolv::test;

namespace {

bool Salvar(QWidget &w, const QString &arquivo)
{
    w.show();
    w.raise();
    w.activateWindow();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    QTest::qWait(150);
    const bool ok = w.grab().save(arquivo);
    std::printf("%s %s\n", ok ? "gravado" : "FALHOU", qPrintable(arquivo));
    return ok;
}

// Every picture of the tree, at 16 and 32 pixels, with its meaning.
bool SalvarIcones(const QString &arquivo)
{
    const std::pair<IconeArvore, const char *> icones[] = {
        {IconeArvore::Raiz, "responsável"},
        {IconeArvore::EmpresaDisponivel, "empregador disponível"},
        {IconeArvore::EmpresaParticipando, "empregador participando"},
        {IconeArvore::EmpresaFechada, "empregador fechado"},
        {IconeArvore::Disponivel, "trabalhador disponível"},
        {IconeArvore::Participando, "trabalhador participando"},
        {IconeArvore::Fechado, "trabalhador fechado"},
        {IconeArvore::GuiaProcessada, "guia processada"},
        {IconeArvore::AlteracaoPendente, "alteração pendente"},
    };
    QImage imagem(360, 40 * int(std::size(icones)) + 8, QImage::Format_ARGB32);
    imagem.fill(Qt::white);
    QPainter g(&imagem);
    int y = 4;
    for (const auto &[icone, nome] : icones) {
        const QIcon i = ImagemIconeArvore(icone);
        g.drawPixmap(8, y + 8, i.pixmap(16, 16));
        g.drawPixmap(36, y, i.pixmap(32, 32));
        g.drawText(80, y + 22, QString::fromUtf8(nome));
        y += 40;
    }
    g.end();
    const bool ok = imagem.save(arquivo);
    std::printf("%s %s\n", ok ? "gravado" : "FALHOU", qPrintable(arquivo));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    AplicacaoTolv app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: capturar_telas DIRETORIO\n");
        return 2;
    }
    const QString saida = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(saida);
    const auto arquivo = [&saida](const char *nome) { return saida + QLatin1Char('/') + QLatin1String(nome); };

    TempProgramDir home;
    auto db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    folha::PrepararReferencias(*db);
    ApresentadorGui gui;
    PresenterScope escopo(&gui);
    TUtilitarios::Instancia().DefinirBanco(db.get());
    Atendente caixas;

    bool ok = SalvarIcones(arquivo("icones_arvore.png"));
    {
        TfrmEntrada entrada(nullptr, db.get());
        ok = Salvar(entrada, arquivo("primeira_execucao.png")) && ok;
        entrada.findChild<QRadioButton *>(QStringLiteral("rbCadastrar"))->setChecked(true);
        entrada.findChild<QPushButton *>(QStringLiteral("btnAvancar"))->click();
        ok = Salvar(entrada, arquivo("primeira_execucao_cadastro.png")) && ok;
    }

    QDir().mkpath(home.path(QStringLiteral("entrada")));
    const QString folhaPath = folha::Gravar(home.path(QStringLiteral("entrada")), 6);
    // A movement of every kind of node: a closed link, one whose guide came back,
    // and a name the bank holds differently.
    TfrmPrincipal principal(nullptr, db.get());
    if (!principal.ImportarFolha(folhaPath)) {
        std::fprintf(stderr, "a importação falhou\n");
        return 1;
    }
    db->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 2 WHERE NU_PIS = 17012345673"));
    db->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 3 WHERE NU_PIS = 20012345673"));
    db->Executar(QStringLiteral(
        "INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
        "DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_CONTA_EMPRESA) "
        "SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, 'JOAO DA SILVA SANTOS', 1, 0, 0 "
        "FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = 12034567899"));
    db->Executar(QStringLiteral(
        "INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
        "DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, NU_EMPREGADO_ORBEL_ALT_CDSTL) SELECT NU_TIPO_INSO_EMPRA, "
        "NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, 406, 'N', 1 FROM SFGTBG04_VINCULO_EMPREGATICIO "
        "WHERE NU_PIS = 12034567899"));
    principal.RecarregarArvore();
    principal.Visualizacao()->expandAll();

    TArvore &arvore = principal.Arvore();
    if (arvore.LocalizarEmpresa(1, 11222333000181))
        principal.SelecionarEntrada(arvore.Atual(), true);
    ok = Salvar(principal, arquivo("principal_cadastro.png")) && ok;

    // Movement view: a few links marked.
    principal.DefinirVisao(TfrmPrincipal::VisaoMovimento);
    for (qint64 pis : {folha::Pis(1800000000LL), folha::Pis(1800000001LL)})
        for (const TRecArvore &e : arvore.Entradas())
            if (e.EhVinculo() && e.Pis == pis) {
                principal.SelecionarEntrada(e.Id);
                principal.ParticiparClick();
                break;
            }
    principal.SelecionarEntrada(arvore.Entrada(0).Id);
    principal.Visualizacao()->expandAll();
    ok = Salvar(principal, arquivo("principal_movimento.png")) && ok;

    TUtilitarios::Instancia().DefinirBanco(nullptr);
    ConfiguracaoGlobal().DataPagamento = DataNula;
    if (!caixas.vistas.isEmpty())
        for (const Atendente::Caixa &c : caixas.vistas)
            std::printf("mensagem: %s\n", qPrintable(c.texto));
    return ok ? 0 : 1;
}
