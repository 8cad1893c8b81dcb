#include "progresso_terminal.h"

#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace tolv {

namespace {

// Ctrl+C only counts here: a signal handler may do nothing more. The interface
// thread looks at the count and asks the runner to cancel.
volatile std::sig_atomic_t g_interrupcoes = 0;

extern "C" void contarInterrupcao(int) { g_interrupcoes = g_interrupcoes + 1; }

class GuardaInterrupcao {
public:
    GuardaInterrupcao()
    {
        g_interrupcoes = 0;
        struct sigaction sa {};
        sa.sa_handler = contarInterrupcao;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        m_instalado = sigaction(SIGINT, &sa, &m_anterior) == 0;
    }
    ~GuardaInterrupcao()
    {
        if (m_instalado)
            sigaction(SIGINT, &m_anterior, nullptr);
    }

private:
    struct sigaction m_anterior {};
    bool m_instalado = false;
};

} // namespace

ProgressoTerminal::ProgressoTerminal(const QString &titulo, const QStringList &etapas, std::FILE *saida,
                                     QObject *parent)
    : QObject(parent)
    , m_titulo(titulo)
    , m_etapas(etapas.mid(0, kMaximoEtapas))
    , m_saida(saida)
    , m_terminal(saida && isatty(fileno(saida)))
{
}

QString ProgressoTerminal::LinhaBarra(const QString &rotulo, int posicao, int maximo, int largura)
{
    const int pos = std::max(0, maximo > 0 ? std::min(posicao, maximo) : 0);
    const int pct = maximo > 0 ? pos * 100 / maximo : 0;
    const int cheios = maximo > 0 ? pos * largura / maximo : 0;
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(rotulo, QString(cheios, QLatin1Char('#')), QString(largura - cheios, QLatin1Char('.')))
        .arg(pct, 3);
}

QString ProgressoTerminal::rotulo(int etapa) const
{
    int total = 0;
    int ordem = 0;
    for (int i = 0; i < m_etapas.size(); ++i) {
        if (m_etapas[i].isEmpty())
            continue;
        ++total;
        if (i + 1 == etapa)
            ordem = total;
    }
    const QString legenda = etapa >= 1 && etapa <= m_etapas.size() ? m_etapas[etapa - 1] : QString();
    if (legenda.isEmpty() || ordem == 0)
        return QStringLiteral("[etapa %1]").arg(etapa);
    return QStringLiteral("[%1/%2] %3").arg(ordem).arg(total).arg(legenda);
}

void ProgressoTerminal::escrever(const QString &texto)
{
    if (!m_saida)
        return;
    std::fputs(texto.toLocal8Bit().constData(), m_saida);
    std::fflush(m_saida);
}

void ProgressoTerminal::redesenhar()
{
    if (!m_terminal)
        return;
    const QString r = m_etapaAtual > 0 ? rotulo(m_etapaAtual) : QStringLiteral("...");
    escrever(QStringLiteral("\r\x1b[K") + LinhaBarra(r, m_posicao, m_maximo));
    m_linhaAberta = true;
}

void ProgressoTerminal::encerrarLinha()
{
    if (m_linhaAberta)
        escrever(QStringLiteral("\n"));
    m_linhaAberta = false;
}

void ProgressoTerminal::aoIniciarEtapa(int etapa)
{
    if (etapa == m_etapaAtual)
        return;
    const bool haviaEtapa = m_etapaAtual > 0;
    m_etapaAtual = etapa;
    if (m_terminal) {
        // The line drawn before the first step is simply overwritten.
        if (haviaEtapa)
            encerrarLinha();
        redesenhar();
    } else {
        escrever(rotulo(etapa) + QStringLiteral("\n"));
    }
}

void ProgressoTerminal::aoProgredir(int posicao, int maximo)
{
    m_posicao = posicao;
    m_maximo = maximo;
    redesenhar();
}

void ProgressoTerminal::aoTerminar(ExecutorTarefa &executor)
{
    if (m_terminal && m_linhaAberta)
        redesenhar();
    encerrarLinha();
    const EstadoTarefa &e = executor.Estado();
    QString situacao;
    if (e.cancelado)
        situacao = QStringLiteral("cancelado: o que estava sendo gravado foi desfeito");
    else if (e.excecao)
        situacao = QStringLiteral("interrompido por erro (detalhes no log de erros)");
    else if (e.sucesso)
        situacao = QStringLiteral("concluído");
    else if (!e.codigoResultado.isEmpty())
        situacao = QStringLiteral("não concluído (código %1)").arg(e.codigoResultado);
    else
        situacao = QStringLiteral("não concluído");
    escrever(QStringLiteral("%1: %2\n").arg(m_titulo, situacao));
}

void ProgressoTerminal::verificarInterrupcao(ExecutorTarefa &executor)
{
    if (g_interrupcoes == 0)
        return;
    g_interrupcoes = 0;
    if (m_cancelamentoPedido)
        return;
    encerrarLinha();
    if (executor.Cancelar()) {
        m_cancelamentoPedido = true;
        escrever(QStringLiteral("cancelando: aguardando a tarefa parar...\n"));
    } else {
        escrever(QStringLiteral("não é possível cancelar agora: a tarefa já está gravando o resultado\n"));
    }
    redesenhar();
}

EstadoTarefa ProgressoTerminal::Executar(ExecutorTarefa &executor, std::unique_ptr<Tarefa> tarefa)
{
    m_etapaAtual = 0;
    m_posicao = 0;
    m_maximo = 0;
    m_linhaAberta = false;
    m_cancelamentoPedido = false;
    escrever(m_titulo + QStringLiteral("\n"));

    GuardaInterrupcao guarda;
    QList<QMetaObject::Connection> conexoes;
    conexoes << connect(&executor, &ExecutorTarefa::etapaIniciada, this, &ProgressoTerminal::aoIniciarEtapa);
    conexoes << connect(&executor, &ExecutorTarefa::progressoAlterado, this, &ProgressoTerminal::aoProgredir);
    conexoes << connect(&executor, &ExecutorTarefa::execucaoTerminada, this, [this, &executor] { aoTerminar(executor); });
    QTimer vigia;
    vigia.setInterval(100);
    connect(&vigia, &QTimer::timeout, this, [this, &executor] { verificarInterrupcao(executor); });

    if (executor.Iniciar(std::move(tarefa))) {
        vigia.start();
        executor.AguardarFim();
        vigia.stop();
    }
    for (const auto &c : conexoes)
        disconnect(c);
    return executor.Estado();
}

} // namespace tolv
