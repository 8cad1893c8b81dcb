#pragma once

#include "core/db_utils.h"
#include "files/executor_tarefa.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tolv {

// The modal run window of every long job: up to four steps, each shown running
// and then done, a progress gauge and a Cancel button. The job runs on the
// runner's worker thread; the window only draws what the job reports. While the
// job runs the window cannot be closed (close box, Alt+F4, Escape); Cancel asks
// the job to stop and the window closes once it has stopped, its open
// transaction was rolled back and the result was handled.
class TfrmProgImporta : public QDialog {
    Q_OBJECT
public:
    enum class SituacaoEtapa { Oculta, EmAndamento, Concluida };

    // `banco`: the shared connection (null: the process-wide one).
    explicit TfrmProgImporta(QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmProgImporta() override;

    // Kind, title and the captions of up to four steps; clears the result and the
    // progress and hides every step image.
    void Configurar(TipoTarefa tipo, const QString &titulo, const QStringList &etapas);
    void DefinirTratadores(TabelaTratadores tratadores);
    // Cancel stays disabled for a job that must not be interrupted.
    void PermitirCancelar(bool permitir);

    // Shows the window modally and runs the job in it. Returns once the job has
    // ended, its result handler ran and the window closed.
    EstadoTarefa Executar(std::unique_ptr<Tarefa> tarefa);

    const EstadoTarefa &Estado() const { return m_executor->Estado(); }
    ExecutorTarefa &Executor() { return *m_executor; }
    bool EmExecucao() const { return m_executor->EmExecucao(); }
    SituacaoEtapa Situacao(int etapa) const;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

public slots:
    void reject() override;

private:
    struct Etapa {
        QLabel *emAndamento = nullptr;
        QLabel *concluida = nullptr;
        QLabel *legenda = nullptr;
    };

    void marcarEmAndamento(int etapa);
    void marcarConcluida(int etapa);
    void aoProgredir(int posicao, int maximo);
    void aoCancelar();
    void aoTerminarExecucao();
    void aoEncerrar();
    void restaurarCursor();

    std::unique_ptr<ExecutorTarefa> m_executor;
    std::unique_ptr<Tarefa> m_pendente;
    TipoTarefa m_tipo = TipoTarefa::ImportacaoFolha;
    std::array<Etapa, kMaximoEtapas> m_etapas;
    QProgressBar *m_gauge = nullptr;
    QLabel *m_lblProgresso = nullptr;
    QPushButton *m_btnCancelar = nullptr;
    bool m_permitirCancelar = true;
    bool m_cursorOcupado = false;
};

} // namespace tolv
