// The run window: step marks and gauge as the job reports them, no way to close it
// while the job runs, Cancel stopping a database job with nothing left written.

#include "ui/frm_prog_importa.h"

#include "support/test_support.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace tolv;
using namespace tolv::test;
using Situacao = TfrmProgImporta::SituacaoEtapa;

namespace {

class TarefaFalsa : public Tarefa {
public:
    using Corpo = std::function<bool(ContextoTarefa &)>;
    TarefaFalsa(TipoTarefa tipo, Corpo corpo) : Tarefa(tipo), m_corpo(std::move(corpo)) {}
    bool Executar(ContextoTarefa &c) override { return m_corpo(c); }
    QString CodigoMensagem() const override { return QString(); }

private:
    Corpo m_corpo;
};

const QStringList kEtapas = {QStringLiteral("Validando arquivo"), QStringLiteral("Validando informações"),
                             QStringLiteral("Incluindo informações na base")};

struct Quadro {
    std::array<Situacao, 4> etapas{};
    std::array<bool, 4> legendaVisivel{};
    int valor = -1;
    int maximo = -1;
    bool visivel = false;
    bool cancelarHabilitado = false;
};

Quadro Fotografar(TfrmProgImporta &f)
{
    Quadro q;
    for (int i = 0; i < 4; ++i) {
        q.etapas[size_t(i)] = f.Situacao(i + 1);
        q.legendaVisivel[size_t(i)] =
            !f.findChild<QLabel *>(QStringLiteral("lblEtapa%1").arg(i + 1))->isHidden();
    }
    auto *gauge = f.findChild<QProgressBar *>(QStringLiteral("Gauge"));
    q.valor = gauge->value();
    q.maximo = gauge->maximum();
    q.visivel = f.isVisible();
    q.cancelarHabilitado = f.findChild<QPushButton *>(QStringLiteral("btnCancelar"))->isEnabled();
    return q;
}

} // namespace

TEST(TfrmProgImporta, ShowsEachStepRunningThenDoneAndClosesAfterTheHandler)
{
    TfrmProgImporta form;
    form.Configurar(TipoTarefa::RetornoGuia, QStringLiteral("Carga de Guias Processadas"), kEtapas);
    Quadro meio;
    bool fechouDuranteExecucao = false;
    bool visivelNoTratador = false;
    TabelaTratadores tabela;
    tabela.Registrar(TipoTarefa::RetornoGuia, [&](const EstadoTarefa &, Tarefa *) { visivelNoTratador = form.isVisible(); });
    form.DefinirTratadores(tabela);

    const EstadoTarefa fim = form.Executar(std::make_unique<TarefaFalsa>(TipoTarefa::RetornoGuia, [&](ContextoTarefa &c) {
        c.DefinirMaximo(3);
        c.IniciarEtapa(1);
        c.Avancar();
        c.ConcluirEtapa(1);
        c.IniciarEtapa(2);
        c.Avancar();
        c.ExecutarNaInterface([&] {
            meio = Fotografar(form);
            // Close box, Alt+F4 and Escape do nothing while the job runs.
            form.close();
            QTest::keyClick(&form, Qt::Key_Escape);
            fechouDuranteExecucao = !form.isVisible();
        });
        c.ConcluirEtapa(2);
        return true;
    }));

    EXPECT_EQ(meio.etapas, (std::array{Situacao::Concluida, Situacao::EmAndamento, Situacao::Oculta, Situacao::Oculta}));
    EXPECT_EQ(meio.legendaVisivel, (std::array{true, true, true, false})) << "a step without caption is hidden";
    EXPECT_EQ(meio.valor, 2);
    EXPECT_EQ(meio.maximo, 3);
    EXPECT_TRUE(meio.visivel);
    EXPECT_TRUE(meio.cancelarHabilitado);
    EXPECT_FALSE(fechouDuranteExecucao);
    EXPECT_TRUE(visivelNoTratador) << "only the payroll import hides the window before its messages";

    EXPECT_TRUE(fim.finalizada);
    EXPECT_TRUE(fim.sucesso);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Carga de Guias Processadas"));
    const Quadro depois = Fotografar(form);
    EXPECT_EQ(depois.etapas, (std::array{Situacao::Concluida, Situacao::Concluida, Situacao::Oculta, Situacao::Oculta}));
    EXPECT_FALSE(QApplication::overrideCursor()) << "the busy cursor was left on";
}

TEST(TfrmProgImporta, ASuccessfulPayrollImportHidesTheWindowBeforeItsMessages)
{
    TfrmProgImporta form;
    form.Configurar(TipoTarefa::ImportacaoFolha, QStringLiteral("Importação de Folha de Pagamento"), kEtapas);
    bool visivelNoTratador = true;
    TabelaTratadores tabela;
    tabela.Registrar(TipoTarefa::ImportacaoFolha, [&](const EstadoTarefa &, Tarefa *) { visivelNoTratador = form.isVisible(); });
    form.DefinirTratadores(tabela);
    form.Executar(std::make_unique<TarefaFalsa>(TipoTarefa::ImportacaoFolha, [](ContextoTarefa &) { return true; }));
    EXPECT_FALSE(visivelNoTratador);
    EXPECT_TRUE(form.Estado().finalizada);
}

TEST(TfrmProgImporta, CancelIsDisabledForAJobThatForbidsIt)
{
    TfrmProgImporta form;
    form.Configurar(TipoTarefa::ArquivoRescisorio, QStringLiteral("Fechamento"), kEtapas);
    form.PermitirCancelar(false);
    bool habilitado = true;
    form.Executar(std::make_unique<TarefaFalsa>(TipoTarefa::ArquivoRescisorio, [&](ContextoTarefa &c) {
        c.ExecutarNaInterface([&] { habilitado = Fotografar(form).cancelarHabilitado; });
        return true;
    }));
    EXPECT_FALSE(habilitado);
}

// The user presses Cancel while the job writes. The window waits for the job to
// stop, the transaction is rolled back, and only then does the window close.
TEST(TfrmProgImporta, CancelDuringADatabaseJobLeavesTheDatabaseUntouched)
{
    TempProgramDir home;
    auto db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    db->Executar(QStringLiteral("CREATE TABLE LINHA_TESTE (NU_LINHA INTEGER NOT NULL)"));
    auto contar = [&] {
        auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) AS N FROM LINHA_TESTE"));
        rs->first();
        return rs->field(QStringLiteral("N")).toInt();
    };

    TfrmProgImporta form(nullptr, db.get());
    form.Configurar(TipoTarefa::ImportacaoFolha, QStringLiteral("Importação de Folha de Pagamento"), kEtapas);
    auto *cancelar = form.findChild<QPushButton *>(QStringLiteral("btnCancelar"));
    auto *rotulo = form.findChild<QLabel *>(QStringLiteral("lblProgresso"));
    QString rotuloAposCancelar;
    QObject::connect(&form.Executor(), &ExecutorTarefa::progressoAlterado, &form, [&](int posicao, int) {
        if (posicao == 3) {
            QTest::mouseClick(cancelar, Qt::LeftButton);
            rotuloAposCancelar = rotulo->text();
        }
    });
    int escritas = 0;
    int linhasNoTratador = -1;
    TabelaTratadores tabela;
    tabela.Registrar(TipoTarefa::ImportacaoFolha, [&](const EstadoTarefa &, Tarefa *) { linhasNoTratador = contar(); });
    form.DefinirTratadores(tabela);

    const EstadoTarefa fim =
        form.Executar(std::make_unique<TarefaFalsa>(TipoTarefa::ImportacaoFolha, [&](ContextoTarefa &c) {
            db->IniciarTransacao();
            c.DefinirMaximo(100);
            c.IniciarEtapa(3);
            for (int i = 1; i <= 100; ++i) {
                if (c.Cancelado())
                    return true;
                db->Executar(QStringLiteral("INSERT INTO LINHA_TESTE VALUES (%1)").arg(i));
                ++escritas;
                c.Avancar();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            db->Commit();
            return true;
        }));

    EXPECT_GE(escritas, 3);
    EXPECT_LT(escritas, 100) << "the job did not stop";
    EXPECT_EQ(rotuloAposCancelar, QStringLiteral("Cancelando..."));
    EXPECT_TRUE(fim.cancelado);
    EXPECT_FALSE(fim.sucesso);
    EXPECT_EQ(linhasNoTratador, 0);
    EXPECT_EQ(contar(), 0);
    EXPECT_FALSE(db->EmTransacao());
    EXPECT_FALSE(form.isVisible());
}
