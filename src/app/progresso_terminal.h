#pragma once

#include "files/executor_tarefa.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace tolv {

// Shows a long job's progress on a terminal: the title, each step's caption and,
// on a terminal, a bar with the percentage redrawn in place; when the output is
// a file or a pipe, one line per step. Ctrl+C asks the job to stop; the job ends
// at its next check and its work is rolled back by the runner.
class ProgressoTerminal : public QObject {
    Q_OBJECT
public:
    // `etapas`: the captions of up to four steps (empty ones are not shown).
    ProgressoTerminal(const QString &titulo, const QStringList &etapas, std::FILE *saida = stderr,
                      QObject *parent = nullptr);

    // Redraws in place when true; one line per step when false. Detected from
    // the output at construction.
    void DefinirTerminal(bool terminal) { m_terminal = terminal; }
    bool Terminal() const { return m_terminal; }

    // Runs the job through `executor` on its worker thread and draws until the job
    // and its result handler are done. Must be called on the thread that owns
    // `executor` (it runs that thread's event loop meanwhile).
    EstadoTarefa Executar(ExecutorTarefa &executor, std::unique_ptr<Tarefa> tarefa);

    // The bar line: "[2/4] Validando informações [#######.......]  50%".
    static QString LinhaBarra(const QString &rotulo, int posicao, int maximo, int largura = 30);

private:
    void aoIniciarEtapa(int etapa);
    void aoProgredir(int posicao, int maximo);
    void aoTerminar(ExecutorTarefa &executor);
    void verificarInterrupcao(ExecutorTarefa &executor);
    QString rotulo(int etapa) const;
    void escrever(const QString &texto);
    void redesenhar();
    void encerrarLinha();

    QString m_titulo;
    QStringList m_etapas;
    std::FILE *m_saida;
    bool m_terminal;
    int m_etapaAtual = 0;
    int m_posicao = 0;
    int m_maximo = 0;
    bool m_linhaAberta = false;
    bool m_cancelamentoPedido = false;
};

} // namespace tolv
