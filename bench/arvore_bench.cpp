// Building the participation tree for 100,000 links: time and memory.

#include "movement/arvore.h"
#include "support/test_support.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <malloc.h>

using namespace tolv;
using namespace tolv::test;

namespace {

constexpr int kEmpregadores = 1000;
constexpr int kVinculos = 100000;

// 0..999, the rows every fill statement multiplies (the engine stops recursion at 1024).
const char *const kDigitos =
    "WITH RECURSIVE D (N) AS (SELECT 0 FROM RDB$DATABASE UNION ALL SELECT N + 1 FROM D WHERE N < 999) ";
// Link k (0..99999) belongs to employer k mod 1000.
const char *const kK = "SELECT A.N * 1000 + B.N AS K FROM D A CROSS JOIN D B WHERE A.N < 100";

// One database, filled once per process in one transaction (outside the timing):
// 1,000 employers of 100 links each, every tenth link with two balance lines and
// every hundredth with a pending name change.
struct Base {
    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));

    Base()
    {
        const QString d = QString::fromLatin1(kDigitos), k = QString::fromLatin1(kK);
        db->IniciarTransacao();
        db->Executar(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NO_RAZAO_SOCIAL, "
                                    "IC_ESTADO_EMPRESA) VALUES (1, 33444555000181, 'CONTABIL EXEMPLO LTDA', 'R')"));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NO_RAZAO_SOCIAL, "
                                    "IC_ESTADO_EMPRESA) ")
                     + d
                     + QStringLiteral("SELECT 1 + MOD(N, 2), 10000000000000 + N, "
                                      "'EMPREGADOR ' || LPAD(MOD(N * 7919, 1000), 4, '0'), 'E' FROM D"));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG03_EMPREGADO (NU_PIS, NO_EMPREGADO) ") + d
                     + QStringLiteral("SELECT 10000000000 + K, 'TRABALHADOR ' || LPAD(MOD(K * 7919, 100000), 6, '0') "
                                      "FROM (")
                     + k + QLatin1Char(')'));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG04_VINCULO_EMPREGATICIO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                    "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, IC_ESTADO_MOVIMENTO, "
                                    "IC_VALIDACAO_VINCULO) ")
                     + d
                     + QStringLiteral("SELECT 1 + MOD(MOD(K, 1000), 2), 10000000000000 + MOD(K, 1000), "
                                      "10000000000 + K, 1, DATEADD(MOD(K, 3000) DAY TO DATE '2005-01-03'), "
                                      "MOD(K / 1000, 4), 'N' FROM (")
                     + k + QLatin1Char(')'));
        for (int conta = 1; conta <= 2; ++conta)
            db->Executar(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                        "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, "
                                        "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_CONTA_EMPRESA) SELECT "
                                        "NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, "
                                        "'NOME NA ORBEL', %1, %2, 0 FROM SFGTBG04_VINCULO_EMPREGATICIO "
                                        "WHERE MOD(NU_PIS, 10) = 0")
                             .arg(conta)
                             .arg(conta - 1));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                                    "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, "
                                    "NU_EMPREGADO_ORBEL_ALT_CDSTL) SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                                    "NU_CATEGORIA, DT_ADMISSAO_VINCULO, 406, 'N', 2 FROM SFGTBG04_VINCULO_EMPREGATICIO "
                                    "WHERE MOD(NU_PIS, 100) = 0"));
        db->Commit();
        const auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) FROM SFGTBG04_VINCULO_EMPREGATICIO"));
        if (rs->field(0).toInt() != kVinculos)
            throw std::runtime_error("the fill did not produce the expected links");
    }
};

Base &base()
{
    static Base b;
    return b;
}

// kB of a line of /proc/self/status ("VmRSS", "VmHWM").
double StatusKb(const char *chave)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linha : f.readAll().split('\n'))
        if (linha.startsWith(chave))
            return linha.mid(linha.indexOf(':') + 1).trimmed().split(' ').first().toDouble();
    return 0;
}

// Lets VmHWM measure from now on (Linux: "5" resets the peak to the current size).
void ReiniciarPico()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

void BM_MontarArvore(benchmark::State &state)
{
    TDBUtils &db = *base().db;
    int entradas = 0;
    double pico = 0, modelo = 0;
    for (auto _ : state) {
        ReiniciarPico();
        const double rssAntes = StatusKb("VmRSS");
        const size_t heapAntes = mallinfo2().uordblks;
        {
            TArvore arvore(&db);
            if (!arvore.Carregar())
                state.SkipWithError("the tree was not built");
            entradas = arvore.Quantidade();
            state.PauseTiming();
            modelo = double(mallinfo2().uordblks - heapAntes) / (1024.0 * 1024.0);
            state.ResumeTiming();
        }
        pico = std::max(pico, (StatusKb("VmHWM") - rssAntes) / 1024.0);
    }
    state.counters["entradas"] = entradas;
    state.counters["pico_MB"] = pico;
    state.counters["modelo_MB"] = modelo;
}

} // namespace

BENCHMARK(BM_MontarArvore)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
