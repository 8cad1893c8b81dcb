// The long-job runner: result rules per kind, cooperative cancel with the
// roll-back only after the worker stopped, progress order, exceptions.

#include "files/executor_tarefa.h"

#include "core/errors.h"
#include "core/program_directory.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace tolv;
using namespace tolv::test;

namespace {

void GarantirAplicacao()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char nome[] = "files_test";
    static char *argv[] = {nome, nullptr};
    new QCoreApplication(argc, argv);  // lives until the process ends
}

class TarefaFalsa : public Tarefa {
public:
    using Corpo = std::function<bool(ContextoTarefa &)>;
    TarefaFalsa(TipoTarefa tipo, Corpo corpo, QString codigo = {}, bool permiteCancelar = true)
        : Tarefa(tipo), m_corpo(std::move(corpo)), m_permite(permiteCancelar), codigo(std::move(codigo))
    {
    }
    bool Executar(ContextoTarefa &c) override { return m_corpo(c); }
    QString CodigoMensagem() const override { return codigo; }
    bool PermiteCancelar() const override { return m_permite; }

private:
    Corpo m_corpo;
    bool m_permite;

public:
    QString codigo;
};

std::unique_ptr<Tarefa> Falsa(TipoTarefa tipo, TarefaFalsa::Corpo corpo, QString codigo = {})
{
    return std::make_unique<TarefaFalsa>(tipo, std::move(corpo), std::move(codigo));
}

// Starts the job and waits for its end; a runner that never ends fails the test
// instead of hanging it.
void Rodar(ExecutorTarefa &executor, std::unique_ptr<Tarefa> tarefa)
{
    ASSERT_TRUE(executor.Iniciar(std::move(tarefa)));
    bool estourou = false;
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        estourou = true;
        executor.Cancelar();
    });
    guarda.start(30000);
    executor.AguardarFim();
    EXPECT_FALSE(estourou) << "the job did not end in time";
    EXPECT_FALSE(executor.EmExecucao());
}

class ExecutorTarefaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GarantirAplicacao(); }

    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

} // namespace

TEST(DerivarResultado, ResultCodeAndSuccessPerKind)
{
    using T = TipoTarefa;
    struct Caso {
        T tipo;
        bool executou;
        const char *codigoObjeto;
        bool cancelado;
        const char *codigo;
        bool sucesso;
    };
    const Caso casos[] = {
        // payroll import: the object's code, whatever the outcome
        {T::ImportacaoFolha, true, "", false, "", true},
        {T::ImportacaoFolha, false, "0396", false, "0396", false},
        {T::ImportacaoFolha, true, "0074", false, "0074", true},
        // balance load and rescission file: the code only when the run failed
        {T::CargaSaldo, false, "0253", false, "0253", false},
        {T::CargaSaldo, true, "0253", false, "", true},
        {T::ArquivoRescisorio, false, "0367", false, "0367", false},
        {T::ArquivoRescisorio, true, "0367", false, "", true},
        // identification key and processed guides: 0396 kept, any other code 0209
        {T::ChaveIdentificacao, false, "0396", false, "0396", false},
        {T::ChaveIdentificacao, false, "0385", false, "0209", false},
        {T::ChaveIdentificacao, true, "", false, "", true},
        {T::RetornoGuia, false, "0442", false, "0209", false},
        {T::RetornoGuia, false, "0396", false, "0396", false},
        {T::RetornoGuia, true, "", false, "", true},
        // a cancelled run was rolled back: never a success, for any kind
        {T::ImportacaoFolha, true, "", true, "", false},
        {T::CargaSaldo, true, "", true, "", false},
        {T::ChaveIdentificacao, true, "", true, "", false},
        {T::RetornoGuia, true, "", true, "", false},
        {T::ArquivoRescisorio, true, "", true, "", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.tipo) << " ran " << c.executou << " code '"
                                        << c.codigoObjeto << "' cancelled " << c.cancelado);
        const ResultadoDerivado r =
            DerivarResultado(c.tipo, c.executou, QString::fromLatin1(c.codigoObjeto), c.cancelado);
        EXPECT_EQ(r.codigo, QString::fromLatin1(c.codigo));
        EXPECT_EQ(r.sucesso, c.sucesso);
    }
}

TEST(Cancelamento, TheFinalPhaseAndTheCancelExcludeEachOther)
{
    Cancelamento a;
    EXPECT_TRUE(a.Solicitar());
    EXPECT_FALSE(a.Bloquear()) << "a job cancelled before its commit must not commit";

    Cancelamento b;
    EXPECT_TRUE(b.Bloquear());
    EXPECT_FALSE(b.Solicitar()) << "a job past its commit cannot be reported as cancelled";
    EXPECT_FALSE(b.Solicitado());
}

// The handler runs on the interface thread with the derived result, and gets the
// file object only for the kinds that read it.
TEST_F(ExecutorTarefaTest, HandlerGetsTheResultOnTheInterfaceThread)
{
    struct Caso {
        TipoTarefa tipo;
        bool executou;
        const char *codigo;
        const char *resultado;
        bool recebeObjeto;
    };
    const Caso casos[] = {
        {TipoTarefa::ImportacaoFolha, false, "0250", "0250", true},
        {TipoTarefa::CargaSaldo, false, "0253", "0253", true},
        {TipoTarefa::ChaveIdentificacao, false, "0385", "0209", false},
        {TipoTarefa::RetornoGuia, true, "", "", false},
        {TipoTarefa::ArquivoRescisorio, true, "0367", "", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(int(c.tipo));
        int chamadas = 0;
        EstadoTarefa visto;
        bool temObjeto = false;
        bool naInterface = false;
        QThread *threadDoTrabalho = nullptr;
        TabelaTratadores tabela;
        tabela.Registrar(c.tipo, [&](const EstadoTarefa &e, Tarefa *t) {
            ++chamadas;
            visto = e;
            temObjeto = t != nullptr;
            naInterface = QThread::currentThread() == QCoreApplication::instance()->thread();
        });
        ExecutorTarefa executor;
        executor.DefinirTratadores(tabela);
        const bool executou = c.executou;
        Rodar(executor, Falsa(
                            c.tipo,
                            [&, executou](ContextoTarefa &) {
                                threadDoTrabalho = QThread::currentThread();
                                return executou;
                            },
                            QString::fromLatin1(c.codigo)));
        EXPECT_EQ(chamadas, 1);
        EXPECT_TRUE(naInterface);
        EXPECT_NE(threadDoTrabalho, QCoreApplication::instance()->thread()) << "the job ran on the interface thread";
        EXPECT_EQ(visto.codigoResultado, QString::fromLatin1(c.resultado));
        EXPECT_EQ(visto.sucesso, c.executou);
        EXPECT_FALSE(visto.cancelado);
        EXPECT_EQ(temObjeto, c.recebeObjeto);
        EXPECT_TRUE(executor.Estado().finalizada);
    }
}

TEST_F(ExecutorTarefaTest, StepsAndProgressArriveInOrderOnTheInterfaceThread)
{
    ExecutorTarefa executor;
    QStringList eventos;
    bool foraDaInterface = false;
    auto anotar = [&](const QString &s) {
        foraDaInterface = foraDaInterface || QThread::currentThread() != QCoreApplication::instance()->thread();
        eventos << s;
    };
    QObject::connect(&executor, &ExecutorTarefa::etapaIniciada, [&](int n) { anotar(QStringLiteral("inicia %1").arg(n)); });
    QObject::connect(&executor, &ExecutorTarefa::etapaConcluida, [&](int n) { anotar(QStringLiteral("conclui %1").arg(n)); });
    QObject::connect(&executor, &ExecutorTarefa::progressoAlterado,
                     [&](int p, int m) { anotar(QStringLiteral("%1/%2").arg(p).arg(m)); });
    QObject::connect(&executor, &ExecutorTarefa::execucaoTerminada, [&] { anotar(QStringLiteral("terminada")); });
    QObject::connect(&executor, &ExecutorTarefa::tarefaEncerrada, [&] { anotar(QStringLiteral("encerrada")); });
    TabelaTratadores tabela;
    tabela.Registrar(TipoTarefa::ImportacaoFolha, [&](const EstadoTarefa &, Tarefa *) { anotar(QStringLiteral("tratador")); });
    executor.DefinirTratadores(tabela);

    Rodar(executor, Falsa(TipoTarefa::ImportacaoFolha, [&](ContextoTarefa &c) {
              c.DefinirMaximo(3);
              for (int etapa = 1; etapa <= 3; ++etapa) {
                  c.IniciarEtapa(etapa);
                  if (etapa == 2) {
                      c.AumentarMaximo();
                      // A call into the interface thread keeps its place among the reports.
                      c.ExecutarNaInterface([&] { anotar(QStringLiteral("interface")); });
                  }
                  c.Avancar();
                  c.ConcluirEtapa(etapa);
              }
              return true;
          }));

    const QStringList esperado = {
        "0/0", // Iniciar
        "0/3", "inicia 1", "1/3", "conclui 1",
        "inicia 2", "1/4", "interface", "2/4", "conclui 2",
        "inicia 3", "3/4", "conclui 3",
        "terminada", "tratador", "encerrada",
    };
    EXPECT_EQ(eventos, esperado);
    EXPECT_FALSE(foraDaInterface);
    EXPECT_EQ(executor.Posicao(), 3);
    EXPECT_EQ(executor.Maximo(), 4);
}

// Exceptions never cross the event loop: the run's goes to the global handler
// (EAbort silently) and the job still ends through its result handler; one raised
// by the handler itself is logged too.
TEST_F(ExecutorTarefaTest, ExceptionsEndTheJobThroughTheGlobalHandler)
{
    struct Caso {
        const char *nome;
        std::function<void()> noTrabalho;
        bool tratadorLanca;
        bool registrado;
        const char *tipoNoLog;
    };
    const Caso casos[] = {
        {"database error in the run", [] { throw DatabaseError(QStringLiteral("falha no INSERT")); }, false, true,
         "Tipo de Erro: DatabaseError"},
        {"silent abort in the run", [] { throw EAbort(); }, false, false, ""},
        {"error in the handler", [] {}, true, true, "Tipo de Erro: ENegocio"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(ProgramDirectory::errorLog());
        presenter.systemErrors.clear();
        int chamadas = 0;
        size_t errosAntesDoTratador = 0;
        EstadoTarefa visto;
        TabelaTratadores tabela;
        const bool lanca = c.tratadorLanca;
        tabela.Registrar(TipoTarefa::ImportacaoFolha, [&, lanca](const EstadoTarefa &e, Tarefa *) {
            ++chamadas;
            visto = e;
            errosAntesDoTratador = presenter.systemErrors.size();
            if (lanca)
                throw ENegocio(QStringLiteral("tratador com defeito"));
        });
        ExecutorTarefa executor;
        executor.DefinirTratadores(tabela);
        bool encerrada = false;
        QObject::connect(&executor, &ExecutorTarefa::tarefaEncerrada, [&] { encerrada = true; });
        auto corpo = c.noTrabalho;
        Rodar(executor, Falsa(TipoTarefa::ImportacaoFolha, [corpo](ContextoTarefa &) {
                  corpo();
                  return true;
              }, QStringLiteral("0250")));

        EXPECT_TRUE(encerrada);
        EXPECT_EQ(chamadas, 1);
        EXPECT_EQ(visto.codigoResultado, QStringLiteral("0250"));
        QFile log(ProgramDirectory::errorLog());
        if (c.registrado) {
            ASSERT_TRUE(log.open(QIODevice::ReadOnly));
            EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QString::fromLatin1(c.tipoNoLog)));
            ASSERT_EQ(presenter.systemErrors.size(), 1u);
            EXPECT_EQ(presenter.systemErrors[0].second, QStringLiteral("TOLV Eletrônica"));
        } else {
            EXPECT_FALSE(log.exists());
            EXPECT_TRUE(presenter.systemErrors.empty());
        }
        if (!c.tratadorLanca) {
            EXPECT_TRUE(visto.excecao);
            EXPECT_FALSE(visto.sucesso);
            EXPECT_EQ(errosAntesDoTratador, presenter.systemErrors.size()) << "the error is shown before the handler";
        }
    }
}

// The runner being destroyed while the worker waits for the interface thread
// must release the worker, not wait for it forever.
TEST_F(ExecutorTarefaTest, DestroyingTheRunnerReleasesAWorkerWaitingForTheInterface)
{
    std::atomic<bool> abortado{false};
    std::atomic<bool> esperando{false};
    auto executor = std::make_unique<ExecutorTarefa>();
    ASSERT_TRUE(executor->Iniciar(Falsa(TipoTarefa::ArquivoRescisorio, [&](ContextoTarefa &c) {
        esperando = true;
        try {
            c.ExecutarNaInterface([] {});
        } catch (const EAbort &) {
            abortado = true;
        }
        return false;
    })));
    for (int i = 0; i < 500 && !esperando; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(esperando);
    executor.reset();  // no event loop ran: the call was never served
    EXPECT_TRUE(abortado);
}

namespace {

// A throw-away database with one table; the job writes into it through the
// shared connection, as every reader does.
class CancelamentoBancoTest : public ExecutorTarefaTest {
protected:
    void SetUp() override
    {
        db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        db->Executar(QStringLiteral("CREATE TABLE LINHA_TESTE (NU_LINHA INTEGER NOT NULL)"));
    }

    int Linhas()
    {
        auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) AS N FROM LINHA_TESTE"));
        rs->first();
        return rs->field(QStringLiteral("N")).toInt();
    }

    void Inserir(int n) { db->Executar(QStringLiteral("INSERT INTO LINHA_TESTE VALUES (%1)").arg(n)); }

    // Waits on the worker until the interface thread raised the flag.
    static bool EsperarCancelamento(ContextoTarefa &c)
    {
        for (int i = 0; i < 1000 && !c.Cancelado(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return c.Cancelado();
    }

    std::unique_ptr<TIbxUtils> db;
};

} // namespace

// The user cancels half-way while a line is being written. The flag only stops
// the job; the roll-back comes after it stopped, so the line in flight (which a
// roll-back made too early would have committed on its own) goes too.
TEST_F(CancelamentoBancoTest, CancelHalfWayLeavesNothingWritten)
{
    ExecutorTarefa executor(db.get());
    QObject::connect(&executor, &ExecutorTarefa::progressoAlterado, [&](int posicao, int) {
        if (posicao == 5) {
            EXPECT_TRUE(executor.Cancelar());
        }
    });
    EstadoTarefa visto;
    bool transacaoNoTratador = true;
    int linhasNoTratador = -1;
    TabelaTratadores tabela;
    tabela.Registrar(TipoTarefa::ImportacaoFolha, [&](const EstadoTarefa &e, Tarefa *) {
        visto = e;
        transacaoNoTratador = db->EmTransacao();
        linhasNoTratador = Linhas();
    });
    executor.DefinirTratadores(tabela);
    int linhasEscritas = 0;

    Rodar(executor, Falsa(TipoTarefa::ImportacaoFolha, [&](ContextoTarefa &c) {
              db->IniciarTransacao();
              c.DefinirMaximo(10);
              for (int i = 1; i <= 10; ++i) {
                  if (c.Cancelado())
                      return true;  // readers return their current result
                  Inserir(i);
                  ++linhasEscritas;
                  c.Avancar();
                  if (i == 5) {
                      EXPECT_TRUE(EsperarCancelamento(c));
                      Inserir(99);  // the line that was already under way
                      ++linhasEscritas;
                  }
              }
              db->Commit();
              return true;
          }));

    EXPECT_EQ(linhasEscritas, 6);
    EXPECT_TRUE(visto.cancelado);
    EXPECT_FALSE(visto.sucesso) << "a rolled-back import reported as done";
    EXPECT_FALSE(transacaoNoTratador);
    EXPECT_EQ(linhasNoTratador, 0);
    EXPECT_EQ(Linhas(), 0);
    EXPECT_FALSE(db->EmTransacao());
}

// A transaction the job forgot to close is rolled back, never left for the next
// statement of the interface to commit.
TEST_F(CancelamentoBancoTest, ATransactionLeftOpenIsRolledBack)
{
    ExecutorTarefa executor(db.get());
    Rodar(executor, Falsa(TipoTarefa::CargaSaldo, [&](ContextoTarefa &) {
              db->IniciarTransacao();
              Inserir(1);
              return true;
          }));
    EXPECT_FALSE(db->EmTransacao());
    Inserir(2);  // autocommitted by itself, without the job's row
    EXPECT_EQ(Linhas(), 1);
}

// Once the job entered its final phase (commit, file handed to the bank) a cancel
// is refused, and a cancel that came first keeps the job from committing.
TEST_F(CancelamentoBancoTest, CancelAndFinalPhaseNeverBothWin)
{
    {
        ExecutorTarefa executor(db.get());
        bool cancelAceito = true;
        Rodar(executor, Falsa(TipoTarefa::ArquivoRescisorio, [&](ContextoTarefa &c) {
                  db->IniciarTransacao();
                  Inserir(1);
                  if (!c.EntrarFaseFinal())
                      return false;
                  c.ExecutarNaInterface([&] { cancelAceito = executor.Cancelar(); });
                  db->Commit();
                  return true;
              }));
        EXPECT_FALSE(cancelAceito);
        EXPECT_FALSE(executor.Estado().cancelado);
        EXPECT_TRUE(executor.Estado().sucesso);
        EXPECT_EQ(Linhas(), 1);
    }
    {
        ExecutorTarefa executor(db.get());
        bool faseFinal = true;
        Rodar(executor, Falsa(TipoTarefa::ArquivoRescisorio, [&](ContextoTarefa &c) {
                  db->IniciarTransacao();
                  Inserir(2);
                  c.ExecutarNaInterface([&] { executor.Cancelar(); });
                  faseFinal = c.EntrarFaseFinal();
                  if (!faseFinal)
                      return false;
                  db->Commit();
                  return true;
              }));
        EXPECT_FALSE(faseFinal);
        EXPECT_TRUE(executor.Estado().cancelado);
        EXPECT_EQ(Linhas(), 1);
    }
}

TEST_F(ExecutorTarefaTest, AJobThatForbidsCancelIgnoresTheButton)
{
    ExecutorTarefa executor;
    bool aceito = true;
    bool disponivel = true;
    QObject::connect(&executor, &ExecutorTarefa::cancelamentoDisponivel, [&](bool d) { disponivel = d; });
    Rodar(executor, std::make_unique<TarefaFalsa>(
                        TipoTarefa::ChaveIdentificacao,
                        [&](ContextoTarefa &c) {
                            c.ExecutarNaInterface([&] { aceito = executor.Cancelar(); });
                            return !c.Cancelado();
                        },
                        QString(), false));
    EXPECT_FALSE(disponivel);
    EXPECT_FALSE(aceito);
    EXPECT_TRUE(executor.Estado().sucesso);
}
