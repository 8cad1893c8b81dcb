// Message boxes: caption and icon per kind, buttons in the fixed order with the
// fixed captions, the default button focused, the box centred, the result of
// each way of leaving it, and calls from a worker thread.

#include "ui/apresentador_gui.h"
#include "ui_support.h"

#include "core/utilitarios.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

struct Visto {
    QString titulo;
    QString texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QStringList legendas;        // left to right
    QString padrao;              // caption of the default button
    QString foco;                // caption of the focused button
    QStringList desabilitados;
    QPoint deslocamentoDoCentro;  // box centre minus screen centre
    bool cabeNaTela = true;       // narrower than the screen (the test screen is small)
};

Visto Observar(QMessageBox &c)
{
    Visto v;
    v.titulo = c.windowTitle();
    v.texto = c.text();
    v.icone = c.icon();
    for (QAbstractButton *b : BotoesEmOrdem(c)) {
        v.legendas << b->text();
        if (!b->isEnabled())
            v.desabilitados << b->text();
    }
    if (c.defaultButton())
        v.padrao = c.defaultButton()->text();
    if (auto *f = qobject_cast<QAbstractButton *>(c.focusWidget()))
        v.foco = f->text();
    v.deslocamentoDoCentro = c.frameGeometry().center() - c.screen()->availableGeometry().center();
    v.cabeNaTela = c.frameGeometry().width() < c.screen()->availableGeometry().width();
    return v;
}

enum class Saida { Clicar, FecharJanela, Escape };

} // namespace

TEST(ApresentadorGui, KindsButtonsDefaultAndResults)
{
    using B = Botao;
    const QStringList todas = {"&Sim", "&Não", "OK", "Cancelar", "&Abortar", "&Repetir", "&Ignorar", "&Todos",
                               "Nã&o para Todos", "&Sim para Todos", "&Help"};
    struct Caso {
        const char *nome;
        TipoMensagem tipo;
        Botoes botoes;
        Botao padrao;
        const char *titulo;
        QMessageBox::Icon icone;
        QStringList legendas;
        const char *legendaPadrao;
        Saida saida;
        const char *clicar;
        int resultado;
    };
    const Caso casos[] = {
        {"question, click yes", TipoMensagem::Confirmacao, {B::Sim, B::Nao}, B::Nao, "Confirma",
         QMessageBox::Question, {"&Sim", "&Não"}, "&Não", Saida::Clicar, "&Sim", 6},
        {"question, click no", TipoMensagem::Confirmacao, {B::Nao, B::Sim}, B::Sim, "Confirma",
         QMessageBox::Question, {"&Sim", "&Não"}, "&Sim", Saida::Clicar, "&Não", 7},
        {"error, ok", TipoMensagem::Erro, {B::Ok}, B::Ok, "Erro", QMessageBox::Critical, {"OK"}, "OK",
         Saida::Clicar, "OK", 1},
        {"warning closed by the close box", TipoMensagem::Aviso, {B::Sim, B::Nao}, B::Sim, "Atenção",
         QMessageBox::Warning, {"&Sim", "&Não"}, "&Sim", Saida::FecharJanela, "", 2},
        {"information closed by the close box", TipoMensagem::Informacao, {B::Ok}, B::Ok, "Informação",
         QMessageBox::Information, {"OK"}, "OK", Saida::FecharJanela, "", 2},
        {"escape answers no when there is no cancel", TipoMensagem::Confirmacao, {B::Sim, B::Nao}, B::Sim,
         "Confirma", QMessageBox::Question, {"&Sim", "&Não"}, "&Sim", Saida::Escape, "", 7},
        {"default not among the buttons falls on the first", TipoMensagem::Confirmacao, {B::Sim, B::Nao}, B::Ok,
         "Confirma", QMessageBox::Question, {"&Sim", "&Não"}, "&Sim", Saida::Clicar, "&Não", 7},
        {"every button, custom kind", TipoMensagem::Personalizada,
         {B::Ajuda, B::SimParaTodos, B::NaoParaTodos, B::Todos, B::Ignorar, B::Repetir, B::Abortar, B::Cancelar,
          B::Ok, B::Nao, B::Sim},
         B::Todos, "TOLV Eletrônica", QMessageBox::NoIcon, todas, "&Todos", Saida::Clicar, "Nã&o para Todos", 9},
        {"retry", TipoMensagem::Aviso, {B::Abortar, B::Repetir, B::Ignorar}, B::Repetir, "Atenção",
         QMessageBox::Warning, {"&Abortar", "&Repetir", "&Ignorar"}, "&Repetir", Saida::Clicar, "&Ignorar", 5},
    };

    ApresentadorGui apresentador;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Visto visto;
        bool abriu = false;
        const QString clicar = QString::fromUtf8(c.clicar);
        const Saida saida = c.saida;
        QuandoCaixaAbrir([&, clicar, saida](QMessageBox &caixa) {
            abriu = true;
            visto = Observar(caixa);
            switch (saida) {
            case Saida::Clicar:
                if (QAbstractButton *b = BotaoComLegenda(caixa, clicar))
                    b->click();
                else
                    caixa.done(0);
                break;
            case Saida::FecharJanela:
                caixa.close();
                break;
            case Saida::Escape:
                QTest::keyClick(&caixa, Qt::Key_Escape);
                break;
            }
        });
        const int r = apresentador.mostrar({QStringLiteral("FE0108 - Texto <b>literal</b>"), c.tipo}, c.botoes,
                                           c.padrao);
        ASSERT_TRUE(abriu);
        EXPECT_EQ(r, c.resultado);
        EXPECT_EQ(visto.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(visto.icone, c.icone);
        EXPECT_EQ(visto.texto, QStringLiteral("FE0108 - Texto <b>literal</b>"));
        EXPECT_EQ(visto.legendas, c.legendas);
        EXPECT_EQ(visto.padrao, QString::fromUtf8(c.legendaPadrao));
        EXPECT_EQ(visto.foco, QString::fromUtf8(c.legendaPadrao));
        if (visto.cabeNaTela) {
            EXPECT_LE(std::abs(visto.deslocamentoDoCentro.x()), 1);
        }
        EXPECT_LE(std::abs(visto.deslocamentoDoCentro.y()), 1);
        EXPECT_EQ(visto.desabilitados, c.botoes.contem(B::Ajuda) ? QStringList{"&Help"} : QStringList{})
            << "there is no help system: the help button must not close the box";
    }
}

TEST(ApresentadorGui, SystemErrorBoxHasTheGivenCaptionAndTheErrorIcon)
{
    ApresentadorGui apresentador;
    Visto visto;
    QuandoCaixaAbrir([&](QMessageBox &caixa) {
        visto = Observar(caixa);
        caixa.close();
    });
    apresentador.mostrarErroSistema(kTextoErroGlobal, kTituloAplicacao);
    EXPECT_EQ(visto.titulo, kTituloAplicacao);
    EXPECT_EQ(visto.texto, kTextoErroGlobal);
    EXPECT_EQ(visto.icone, QMessageBox::Critical);
    EXPECT_EQ(visto.legendas, QStringList{"OK"});
    EXPECT_EQ(visto.foco, QStringLiteral("OK"));
}

// A job reporting from its worker thread: the box is built and shown on the
// interface thread and the answer travels back.
TEST(ApresentadorGui, CallsFromAWorkerAreShownOnTheInterfaceThread)
{
    ApresentadorGui apresentador;
    QThread *threadDaCaixa = nullptr;
    QuandoCaixaAbrir([&](QMessageBox &caixa) {
        threadDaCaixa = QThread::currentThread();
        EXPECT_EQ(caixa.thread(), QApplication::instance()->thread());
        BotaoComLegenda(caixa, QStringLiteral("&Não"))->click();
    });
    int resultado = 0;
    std::unique_ptr<QThread> trabalhador(QThread::create([&] {
        resultado = apresentador.mostrar({QStringLiteral("Continuar?"), TipoMensagem::Confirmacao},
                                         {Botao::Sim, Botao::Nao}, Botao::Sim);
    }));
    trabalhador->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return trabalhador->isFinished(); }, 10000));
    trabalhador->wait();
    EXPECT_EQ(threadDaCaixa, QApplication::instance()->thread());
    EXPECT_EQ(resultado, ResultadoNao);
}
