#pragma once

#include "files/arquivo.h"

#include <QString>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace tolv {

// The long jobs of the system. The numbers are fixed: the result rules and the
// result handlers are keyed by them (5 is not used).
enum class TipoTarefa {
    ImportacaoFolha = 1,    // payroll import
    CargaSaldo = 2,         // balance file load
    ChaveIdentificacao = 3, // identification-key file
    RetornoGuia = 4,        // processed-guide return file
    ArquivoRescisorio = 6,  // rescission file generation (movement closing)
};

inline constexpr int kMaximoEtapas = 4;

// What a run means once it is over: the result code the handler reads, and
// whether it counts as a success.
struct ResultadoDerivado {
    QString codigo;
    bool sucesso = false;
};

// Payroll import: the object's code, always. Balance load and rescission file:
// the code only when the run failed. Identification key and processed guides:
// "0396" as it is, any other code becomes "0209". A cancelled run is never a
// success, whatever the object answered: its work was rolled back.
ResultadoDerivado DerivarResultado(TipoTarefa tipo, bool executouComSucesso, const QString &codigoObjeto,
                                   bool cancelado);

// The payroll import and the balance load hand their file object to the result
// handler; the other kinds free it before the handler runs.
bool TratadorRecebeObjeto(TipoTarefa tipo);

// The cancel flag shared by the interface thread, which asks, and the worker,
// which looks before every line. A job that reaches a point where stopping would
// lose or duplicate work (a commit, a file handed to the bank) closes the door
// first; from then on a cancel is refused instead of being reported as done.
class Cancelamento {
public:
    // Interface side. False when it is too late (the door is closed).
    bool Solicitar();
    bool Solicitado() const { return m_solicitado.load(std::memory_order_acquire); }
    // Worker side. False when the cancel came first: the job must stop without committing.
    bool Bloquear();
    bool Bloqueado() const;
    void Reiniciar();

private:
    mutable std::mutex m_mutex;
    std::atomic<bool> m_solicitado{false};
    bool m_bloqueado = false;
};

// What a job sees of the runner while it works on the worker thread. Every call
// is safe from the worker; progress is handed to the interface thread, never drawn
// from here.
class ContextoTarefa {
public:
    virtual ~ContextoTarefa() = default;

    // True once the user asked to stop. Readers look before every line and stop,
    // returning their current result, without committing.
    virtual bool Cancelado() const = 0;
    // Call right before the commit (or before handing a file to the bank). False
    // when the job was already cancelled: do not commit then. After true the user
    // can no longer cancel.
    virtual bool EntrarFaseFinal() = 0;

    virtual void DefinirMaximo(int maximo) = 0;
    virtual void AumentarMaximo() = 0;          // a step that does one more unit than planned
    virtual void Avancar() = 0;                 // one step's worth of progress
    virtual void IniciarEtapa(int etapa) = 0;   // 1..4: shows the step as running
    virtual void ConcluirEtapa(int etapa) = 0;  // 1..4: shows the step as done

    // Runs `f` on the interface thread while the worker waits (calls into the
    // communication module, which shows its own dialogs). An exception raised by
    // `f` is raised here again; EAbort when the interface is gone.
    virtual void ExecutarNaInterface(const std::function<void()> &f) = 0;
};

// One long job: a file object's run. Created on the interface thread, run once on
// the worker thread, then handed to the result handler or freed.
class Tarefa {
public:
    explicit Tarefa(TipoTarefa tipo) : m_tipo(tipo) {}
    virtual ~Tarefa() = default;
    Tarefa(const Tarefa &) = delete;
    Tarefa &operator=(const Tarefa &) = delete;

    TipoTarefa Tipo() const { return m_tipo; }
    // Importar or Processar of the file object; true when it succeeded.
    virtual bool Executar(ContextoTarefa &contexto) = 0;
    // The file object's message code once the run is over.
    virtual QString CodigoMensagem() const = 0;
    // False for a job that must not be interrupted at all.
    virtual bool PermiteCancelar() const { return true; }

private:
    TipoTarefa m_tipo;
};

// The usual job: one file object and the call that runs it (which also hands the
// object the context, so that it can check the cancel flag and report progress).
class TarefaArquivo : public Tarefa {
public:
    using Execucao = std::function<bool(TArquivo &, ContextoTarefa &)>;
    TarefaArquivo(TipoTarefa tipo, std::unique_ptr<TArquivo> arquivo, Execucao execucao);

    TArquivo *Arquivo() const { return m_arquivo.get(); }
    bool Executar(ContextoTarefa &contexto) override;
    QString CodigoMensagem() const override;

private:
    std::unique_ptr<TArquivo> m_arquivo;
    Execucao m_execucao;
};

// Where a job stands; what the result handler reads.
struct EstadoTarefa {
    TipoTarefa tipo = TipoTarefa::ImportacaoFolha;
    QString codigoResultado;
    bool sucesso = false;
    bool cancelado = false;
    bool iniciada = false;
    bool finalizada = false;
    // The run ended with an exception (already reported through the global handler).
    bool excecao = false;
    QString mensagemExcecao;
};

// Runs on the interface thread once the worker has stopped and any transaction it
// left open was rolled back. `tarefa` is null for the kinds whose object is freed
// before the handler.
using TratadorResultado = std::function<void(const EstadoTarefa &estado, Tarefa *tarefa)>;

// The result handlers by kind, supplied by the front end (the desktop program
// shows dialogs, the command line prints).
class TabelaTratadores {
public:
    void Registrar(TipoTarefa tipo, TratadorResultado tratador);
    // False when no handler is registered for the kind.
    bool Tratar(const EstadoTarefa &estado, Tarefa *tarefa) const;
    bool Possui(TipoTarefa tipo) const { return m_tratadores.count(tipo) > 0; }

private:
    std::map<TipoTarefa, TratadorResultado> m_tratadores;
};

} // namespace tolv
