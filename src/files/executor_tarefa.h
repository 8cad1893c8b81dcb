#pragma once

#include "core/db_utils.h"
#include "files/tarefa.h"

#include <QObject>
#include <exception>
#include <memory>

namespace tolv {

class ContextoExecutor;
class TMyThread;
struct PonteInterface;

// Runs one long job on one worker thread while the interface thread keeps its
// event loop going (a modal window's, or AguardarFim's). Lives on the interface
// thread; every signal below is delivered there, in the order the job reported,
// so a front end may touch its widgets from the slots.
//
// Order at the end of every job: the worker stops; it is joined; a transaction
// still open on the shared connection is rolled back; an exception the run raised
// goes to the global handler; the result handler of the job's kind runs;
// tarefaEncerrada. Cancel follows the same road: it only raises the flag, so the
// roll-back never happens while the worker is still writing.
class ExecutorTarefa : public QObject {
    Q_OBJECT
public:
    // `banco`: the shared connection (null: the process-wide one at the end of the job).
    explicit ExecutorTarefa(TDBUtils *banco = nullptr, QObject *parent = nullptr);
    // A job still running is cancelled and joined; its handler does not run.
    ~ExecutorTarefa() override;

    void DefinirTratadores(TabelaTratadores tratadores);

    // Starts the job on the worker thread and returns at once; false while
    // another job of this runner is running.
    bool Iniciar(std::unique_ptr<Tarefa> tarefa);
    // Asks the job to stop at its next check. False when there is nothing to
    // cancel, the job forbids it, or it already passed its final phase.
    bool Cancelar();
    bool PodeCancelar() const;
    bool EmExecucao() const { return m_emExecucao; }
    // Runs a local event loop until the current job has ended and was handled.
    void AguardarFim();

    const EstadoTarefa &Estado() const { return m_estado; }
    int Maximo() const { return m_maximo; }
    int Posicao() const { return m_posicao; }

signals:
    void progressoAlterado(int posicao, int maximo);
    void etapaIniciada(int etapa);
    void etapaConcluida(int etapa);
    void cancelamentoDisponivel(bool disponivel);
    // The worker has stopped, was joined and the leftover transaction rolled back;
    // the result handler comes next. Estado() already holds the result.
    void execucaoTerminada();
    // The result handler has run; Estado().finalizada is true.
    void tarefaEncerrada();

private:
    friend class ContextoExecutor;
    friend class TMyThread;

    struct Saida {
        bool executou = false;
        QString codigo;
        bool cancelado = false;
        std::exception_ptr erro;
    };

    void terminar(const Saida &saida);
    void desfazerTransacaoPendente();
    void juntarTrabalhador();
    TDBUtils *banco() const;

    TDBUtils *m_banco;
    TabelaTratadores m_tratadores;
    std::unique_ptr<Tarefa> m_tarefa;
    std::unique_ptr<ContextoExecutor> m_contexto;
    std::unique_ptr<TMyThread> m_trabalhador;
    std::shared_ptr<PonteInterface> m_ponte;
    Cancelamento m_cancelamento;
    EstadoTarefa m_estado;
    bool m_emExecucao = false;
    bool m_permiteCancelar = true;
    int m_maximo = 0;
    int m_posicao = 0;
};

} // namespace tolv
