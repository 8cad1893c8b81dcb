// Links priced per second by the rescission calculation with the index tables in memory.

#include "calculation/calculo.h"
#include "support/indices_fixture.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace tolv;
using namespace tolv::test;

namespace {

Date d(int y, int m, int day) { return Date::fromYmd(y, m, day); }

// The synthetic tables of the test fixtures, built in memory.
void preencher(TabelasIndices &t, Date edital)
{
    t.Calendario().DefinirDias(DiasUteis(d(2014, 1, 1), d(2019, 12, 31)));
    for (Date c = d(1967, 1, 1); c <= edital; c = c.addMonths(1)) {
        LinhaSimplificado l;
        const double jam = JamSintetico(edital, c);
        l.jam.fill(jam);
        l.simplificado1.fill(1.0 + jam);
        l.simplificado2.fill(1.0 + jam / 2);
        t.IncluirSimplificado(edital, c, l);
    }
    const Date inicio = edital + 9, fim = edital.addMonths(1) + 8;
    const auto vencimentos = DiasUteis(edital.addMonths(-23), fim);
    for (Date p = inicio; p <= fim; p = p + 1) {
        t.IncluirProRata(edital, p, {ProRataSintetico(2), ProRataSintetico(1), ProRataSintetico(0)});
        for (Date v : vencimentos)
            t.IncluirGuia(edital, v, p, {GuiaSintetico(v, p), GuiaMultaSintetico(v, p)});
    }
}

std::vector<DadosCalculoVinculo> vinculos(int n)
{
    static const char *const codigos[] = {"I1", "I2", "I3", "I4", "L", "I5"};
    std::vector<DadosCalculoVinculo> out;
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        DadosCalculoVinculo v;
        v.Categoria = (i % 10 == 0) ? 7 : 1;
        v.CodigoMovimentacao = QLatin1String(codigos[i % 6]);
        v.DataMovimentacao = d(2018, 1, 2) + (i % 120);  // on time and late, before and after the 7th
        v.DataOpcao = d(1990, 1, 1) + (i % 9000);
        v.TipoAvisoPrevio = 1 + i % 3;
        v.TipoInscricao = 1 + i % 2;
        v.Fpas = (i % 7 == 0) ? 604 : 515;
        v.Simples = 1 + i % 6;
        v.RemuneracaoAnterior = Money::fromCentavos(100000 + i % 50000);
        v.RemuneracaoRescisao = Money::fromCentavos(50000 + i % 30000);
        v.AvisoPrevio = Money::fromCentavos(i % 4 == 0 ? 0 : 120000);
        v.SaldoRescisorio = Money::fromCentavos(1000000 + 37 * i);
        v.OrigemSaldo = QStringLiteral("E");
        out.push_back(v);
    }
    return out;
}

void BM_CalcularVinculos(benchmark::State &state)
{
    const Date edital = d(2018, 5, 1);
    TabelasIndices t;
    preencher(t, edital);
    const auto links = vinculos(10000);
    TCalculo calculo(t, d(2018, 5, 15));
    int validos = 0;
    for (auto _ : state) {
        for (const auto &v : links)
            validos += calculo.Calcular(v) ? 1 : 0;
        benchmark::DoNotOptimize(validos);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(links.size()));
    state.counters["valid_share"] = double(validos) / double(state.iterations() * links.size());
}
BENCHMARK(BM_CalcularVinculos)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
