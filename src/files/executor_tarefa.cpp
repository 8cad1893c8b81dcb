#include "executor_tarefa.h"

#include "core/errors.h"
#include "core/utilitarios.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <condition_variable>
#include <mutex>

namespace tolv {

// Calls the worker makes into the interface thread wait here; when the runner goes
// away first they are released instead of waiting forever.
struct PonteInterface {
    std::mutex mutex;
    std::condition_variable cv;
    bool encerrada = false;
};

class ContextoExecutor : public ContextoTarefa {
public:
    ContextoExecutor(ExecutorTarefa *executor, std::shared_ptr<PonteInterface> ponte)
        : m_executor(executor), m_ponte(std::move(ponte))
    {
    }

    bool Cancelado() const override { return m_executor->m_cancelamento.Solicitado(); }

    bool EntrarFaseFinal() override
    {
        if (!m_executor->m_cancelamento.Bloquear())
            return false;
        postar([](ExecutorTarefa *e) { emit e->cancelamentoDisponivel(false); });
        return true;
    }

    void DefinirMaximo(int maximo) override
    {
        postar([maximo](ExecutorTarefa *e) {
            e->m_maximo = maximo;
            emit e->progressoAlterado(e->m_posicao, e->m_maximo);
        });
    }

    void AumentarMaximo() override
    {
        postar([](ExecutorTarefa *e) {
            ++e->m_maximo;
            emit e->progressoAlterado(e->m_posicao, e->m_maximo);
        });
    }

    // A reader advances once per line, hundreds of thousands of times: advances made
    // while the previous one is still queued ride on it instead of queueing an event each.
    void Avancar() override
    {
        auto lote = m_lote;
        if (lote->fetch_add(1, std::memory_order_acq_rel) != 0)
            return;
        QMetaObject::invokeMethod(
            m_executor,
            [e = m_executor, lote] {
                const int n = lote->exchange(0, std::memory_order_acq_rel);
                if (n == 0)
                    return;
                e->m_posicao += n;
                emit e->progressoAlterado(e->m_posicao, e->m_maximo);
            },
            Qt::QueuedConnection);
    }

    void IniciarEtapa(int etapa) override
    {
        postar([etapa](ExecutorTarefa *e) { emit e->etapaIniciada(etapa); });
    }

    void ConcluirEtapa(int etapa) override
    {
        postar([etapa](ExecutorTarefa *e) { emit e->etapaConcluida(etapa); });
    }

    void ExecutarNaInterface(const std::function<void()> &f) override
    {
        if (QThread::currentThread() == m_executor->thread()) {
            f();
            return;
        }
        struct Pedido {
            bool feito = false;
            std::exception_ptr erro;
        };
        auto pedido = std::make_shared<Pedido>();
        auto ponte = m_ponte;
        {
            std::lock_guard lock(ponte->mutex);
            if (ponte->encerrada)
                throw EAbort();
        }
        QMetaObject::invokeMethod(
            m_executor,
            [ponte, pedido, f] {
                std::exception_ptr erro;
                try {
                    f();
                } catch (...) {
                    erro = std::current_exception();
                }
                std::lock_guard lock(ponte->mutex);
                pedido->erro = erro;
                pedido->feito = true;
                ponte->cv.notify_all();
            },
            Qt::QueuedConnection);
        std::unique_lock lock(ponte->mutex);
        ponte->cv.wait(lock, [&] { return pedido->feito || ponte->encerrada; });
        if (!pedido->feito)
            throw EAbort();
        if (pedido->erro)
            std::rethrow_exception(pedido->erro);
    }

private:
    // Queued to the runner's thread; events posted to one object arrive in the
    // order they were posted, which keeps steps and progress in order.
    template <typename F>
    void postar(F f)
    {
        // advances counted so far stay before this event; later ones start a new batch
        m_lote = std::make_shared<std::atomic<int>>(0);
        ExecutorTarefa *e = m_executor;
        QMetaObject::invokeMethod(e, [e, f] { f(e); }, Qt::QueuedConnection);
    }

    std::shared_ptr<std::atomic<int>> m_lote = std::make_shared<std::atomic<int>>(0);
    ExecutorTarefa *m_executor;
    std::shared_ptr<PonteInterface> m_ponte;
};

// The worker thread: runs the job once and reports how it ended.
class TMyThread : public QThread {
public:
    TMyThread(ExecutorTarefa *executor, Tarefa &tarefa, ContextoTarefa &contexto)
        : m_executor(executor), m_tarefa(tarefa), m_contexto(contexto)
    {
    }

protected:
    void run() override
    {
        ExecutorTarefa::Saida s;
        try {
            s.executou = m_tarefa.Executar(m_contexto);
        } catch (...) {
            s.executou = false;
            s.erro = std::current_exception();
        }
        try {
            s.codigo = m_tarefa.CodigoMensagem();
        } catch (...) {
        }
        // Closing the door settles a cancel that arrives while the job is ending:
        // either it was seen here, or Cancelar refuses it.
        s.cancelado = !m_executor->m_cancelamento.Bloquear();
        ExecutorTarefa *e = m_executor;
        QMetaObject::invokeMethod(e, [e, s] { e->terminar(s); }, Qt::QueuedConnection);
    }

private:
    ExecutorTarefa *m_executor;
    Tarefa &m_tarefa;
    ContextoTarefa &m_contexto;
};

ExecutorTarefa::ExecutorTarefa(TDBUtils *banco, QObject *parent)
    : QObject(parent)
    , m_banco(banco)
    , m_ponte(std::make_shared<PonteInterface>())
{
}

ExecutorTarefa::~ExecutorTarefa()
{
    if (!m_trabalhador)
        return;
    m_cancelamento.Solicitar();
    {
        std::lock_guard lock(m_ponte->mutex);
        m_ponte->encerrada = true;
    }
    m_ponte->cv.notify_all();
    juntarTrabalhador();
    try {
        desfazerTransacaoPendente();
    } catch (...) {
    }
}

void ExecutorTarefa::DefinirTratadores(TabelaTratadores tratadores) { m_tratadores = std::move(tratadores); }

TDBUtils *ExecutorTarefa::banco() const { return m_banco ? m_banco : TDBUtils::Instancia(); }

bool ExecutorTarefa::Iniciar(std::unique_ptr<Tarefa> tarefa)
{
    if (m_emExecucao || !tarefa)
        return false;
    m_tarefa = std::move(tarefa);
    m_estado = EstadoTarefa{};
    m_estado.tipo = m_tarefa->Tipo();
    m_estado.iniciada = true;
    m_maximo = 0;
    m_posicao = 0;
    m_permiteCancelar = m_tarefa->PermiteCancelar();
    m_cancelamento.Reiniciar();
    m_contexto = std::make_unique<ContextoExecutor>(this, m_ponte);
    m_trabalhador = std::make_unique<TMyThread>(this, *m_tarefa, *m_contexto);
    m_trabalhador->setObjectName(QStringLiteral("TMyThread"));
    m_emExecucao = true;
    emit progressoAlterado(0, 0);
    emit cancelamentoDisponivel(m_permiteCancelar);
    m_trabalhador->start(QThread::NormalPriority);
    return true;
}

bool ExecutorTarefa::PodeCancelar() const
{
    return m_emExecucao && m_permiteCancelar && !m_cancelamento.Solicitado() && !m_cancelamento.Bloqueado();
}

bool ExecutorTarefa::Cancelar()
{
    if (!m_emExecucao || !m_permiteCancelar)
        return false;
    if (!m_cancelamento.Solicitar())
        return false;
    emit cancelamentoDisponivel(false);
    return true;
}

void ExecutorTarefa::AguardarFim()
{
    if (!m_emExecucao)
        return;
    QEventLoop loop;
    connect(this, &ExecutorTarefa::tarefaEncerrada, &loop, &QEventLoop::quit);
    if (m_emExecucao)
        loop.exec();
}

void ExecutorTarefa::juntarTrabalhador()
{
    if (!m_trabalhador)
        return;
    m_trabalhador->wait();
    m_trabalhador.reset();
    m_contexto.reset();
}

void ExecutorTarefa::desfazerTransacaoPendente()
{
    TDBUtils *db = banco();
    if (db && db->EmTransacao())
        db->Rollback();
}

namespace {
void reportar(const std::exception_ptr &erro)
{
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception &e) {
        TUtilitarios::Instancia().TratarExcecao(e);
    } catch (...) {
        TUtilitarios::Instancia().TratarExcecaoDesconhecida();
    }
}

QString mensagemDe(const std::exception_ptr &erro)
{
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QString();
    }
}
} // namespace

void ExecutorTarefa::terminar(const Saida &saida)
{
    QPointer<ExecutorTarefa> vivo(this);
    juntarTrabalhador();

    const ResultadoDerivado r = DerivarResultado(m_estado.tipo, saida.executou, saida.codigo, saida.cancelado);
    m_estado.codigoResultado = r.codigo;
    m_estado.sucesso = r.sucesso;
    m_estado.cancelado = saida.cancelado;
    m_estado.excecao = bool(saida.erro);
    if (saida.erro)
        m_estado.mensagemExcecao = mensagemDe(saida.erro);

    // Whatever the job left open is undone: a cancelled or failed run must not
    // leave half its rows for the next statement to commit.
    try {
        desfazerTransacaoPendente();
    } catch (...) {
        reportar(std::current_exception());
    }
    emit execucaoTerminada();
    if (!vivo)
        return;
    if (saida.erro)
        reportar(saida.erro);

    if (!TratadorRecebeObjeto(m_estado.tipo))
        m_tarefa.reset();
    try {
        m_tratadores.Tratar(m_estado, m_tarefa.get());
    } catch (...) {
        reportar(std::current_exception());
    }
    if (!vivo)
        return;
    m_tarefa.reset();
    m_estado.finalizada = true;
    m_emExecucao = false;
    emit tarefaEncerrada();
}

} // namespace tolv
