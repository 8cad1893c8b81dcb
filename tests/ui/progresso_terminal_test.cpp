// Terminal progress of a long job: one line per step into a file or pipe, a bar
// redrawn in place on a terminal, Ctrl+C as a cooperative cancel.

#include "app/progresso_terminal.h"

#include <QTest>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

using namespace tolv;

namespace {

class TarefaFalsa : public Tarefa {
public:
    using Corpo = std::function<bool(ContextoTarefa &)>;
    explicit TarefaFalsa(Corpo corpo) : Tarefa(TipoTarefa::ImportacaoFolha), m_corpo(std::move(corpo)) {}
    bool Executar(ContextoTarefa &c) override { return m_corpo(c); }
    QString CodigoMensagem() const override { return QString(); }

private:
    Corpo m_corpo;
};

const QString kTitulo = QStringLiteral("Importação de Folha de Pagamento");
const QStringList kEtapas = {QStringLiteral("Validando arquivo"), QStringLiteral("Validando informações"),
                             QStringLiteral("Incluindo informações na base"), QString()};

bool TresEtapas(ContextoTarefa &c)
{
    c.DefinirMaximo(3);
    for (int e = 1; e <= 3; ++e) {
        c.IniciarEtapa(e);
        c.Avancar();
        c.ConcluirEtapa(e);
    }
    return true;
}

// Runs a job with its output captured.
struct Execucao {
    QString saida;
    EstadoTarefa estado;
};

Execucao Rodar(bool terminal, TarefaFalsa::Corpo corpo)
{
    std::FILE *f = std::tmpfile();
    Execucao r;
    {
        ProgressoTerminal progresso(kTitulo, kEtapas, f);
        progresso.DefinirTerminal(terminal);
        ExecutorTarefa executor;
        r.estado = progresso.Executar(executor, std::make_unique<TarefaFalsa>(std::move(corpo)));
    }
    std::rewind(f);
    QByteArray bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, qsizetype(n));
    std::fclose(f);
    r.saida = QString::fromLocal8Bit(bytes);
    return r;
}

} // namespace

TEST(ProgressoTerminal, BarLine)
{
    struct Caso {
        int posicao, maximo;
        const char *esperado;
    };
    const Caso casos[] = {
        {0, 0, "[1/3] X [..........]   0%"},
        {1, 3, "[1/3] X [###.......]  33%"},
        {3, 3, "[1/3] X [##########] 100%"},
        {5, 3, "[1/3] X [##########] 100%"},  // a step past the maximum does not overflow the bar
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ProgressoTerminal::LinhaBarra(QStringLiteral("[1/3] X"), c.posicao, c.maximo, 10),
                  QString::fromLatin1(c.esperado));
}

TEST(ProgressoTerminal, OneLinePerStepWhenNotATerminal)
{
    const Execucao r = Rodar(false, TresEtapas);
    EXPECT_EQ(r.saida, kTitulo + "\n"
                           "[1/3] Validando arquivo\n"
                           "[2/3] Validando informações\n"
                           "[3/3] Incluindo informações na base\n"
                  + kTitulo + ": concluído\n");
    EXPECT_FALSE(r.saida.contains(QLatin1Char('\r')));
    EXPECT_TRUE(r.estado.sucesso);
}

TEST(ProgressoTerminal, BarRedrawnInPlaceOnATerminal)
{
    const Execucao r = Rodar(true, TresEtapas);
    const QStringList linhas = r.saida.split(QLatin1Char('\n'));
    ASSERT_EQ(linhas.size(), 6) << r.saida.toStdString();
    EXPECT_EQ(linhas[0], kTitulo);
    // What stays visible of each line is its last redraw.
    auto ultimo = [](const QString &l) { return l.mid(l.lastIndexOf(QStringLiteral("\r\x1b[K")) + 4); };
    EXPECT_EQ(ultimo(linhas[1]), ProgressoTerminal::LinhaBarra(QStringLiteral("[1/3] Validando arquivo"), 1, 3));
    EXPECT_EQ(ultimo(linhas[2]), ProgressoTerminal::LinhaBarra(QStringLiteral("[2/3] Validando informações"), 2, 3));
    EXPECT_EQ(ultimo(linhas[3]),
              ProgressoTerminal::LinhaBarra(QStringLiteral("[3/3] Incluindo informações na base"), 3, 3));
    EXPECT_TRUE(linhas[1].count(QStringLiteral("\r\x1b[K")) >= 2) << "the bar was not redrawn in place";
    EXPECT_EQ(linhas[4], kTitulo + ": concluído");
}

// Ctrl+C asks the job to stop; once the job is committing, it is refused.
TEST(ProgressoTerminal, CtrlCCancelsCooperatively)
{
    struct sigaction antes {};
    sigaction(SIGINT, nullptr, &antes);
    struct Caso {
        const char *nome;
        bool faseFinal;
        bool cancelado;
        const char *aviso;
        const char *final;
    };
    const Caso casos[] = {
        {"while reading", false, true, "cancelando: aguardando a tarefa parar...",
         ": cancelado: o que estava sendo gravado foi desfeito"},
        {"while committing", true, false, "não é possível cancelar agora", ": concluído"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const bool faseFinal = c.faseFinal;
        const Execucao r = Rodar(false, [faseFinal](ContextoTarefa &ctx) {
            if (faseFinal && !ctx.EntrarFaseFinal())
                return false;
            std::raise(SIGINT);
            for (int i = 0; i < 100 && !ctx.Cancelado(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return true;
        });
        EXPECT_EQ(r.estado.cancelado, c.cancelado);
        EXPECT_TRUE(r.saida.contains(QString::fromUtf8(c.aviso))) << r.saida.toStdString();
        EXPECT_TRUE(r.saida.endsWith(kTitulo + QString::fromUtf8(c.final) + "\n")) << r.saida.toStdString();
    }
    struct sigaction depois {};
    sigaction(SIGINT, nullptr, &depois);
    EXPECT_EQ(depois.sa_handler, antes.sa_handler) << "the Ctrl+C handler was left installed";
}
