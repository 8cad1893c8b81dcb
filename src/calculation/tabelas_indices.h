#pragma once

#include "core/date.h"
#include "core/db_utils.h"
#include "dia_util.h"

#include <array>
#include <optional>
#include <unordered_map>

namespace tolv {

// Period of the worker's FGTS option that picks the factor columns.
enum class PeriodoOpcao { Nenhum = -1, Ano67, Ano68, Ano69, Ano70, Ate220971, Apos220971 };
PeriodoOpcao PeriodoDaOpcao(Date opcao);

// One row of SFGTBT17_INDICE_SIMPLIFICADO, columns indexed by option period.
struct LinhaSimplificado {
    std::array<double, 6> jam{};
    std::array<double, 6> simplificado1{};
    std::array<double, 6> simplificado2{};
};

// The factors of the current row of a SELECT * over SFGTBT17_INDICE_SIMPLIFICADO.
LinhaSimplificado LerLinhaSimplificado(const ResultSet &rs);

struct LinhaGuia {
    double indice = 0.0;       // VR_INDICE
    double indiceMulta = 0.0;  // VR_INDICE_MULTA_RESCISORIA
};

struct LinhaProRata {
    double atraso2Meses = 0.0;
    double atraso1Mes = 0.0;
    double atrasoMes = 0.0;
};

// The published index tables and the business-day calendar, read once and
// looked up in memory: a closing prices every marked link against them.
class TabelasIndices {
public:
    TabelasIndices() = default;

    // Reads SFGTBT15 to SFGTBT18 whole.
    void Carregar(TDBUtils &banco);

    // Filling by hand (tests, benchmarks, the index import's checks).
    TDiaUtil &Calendario() { return m_calendario; }
    const TDiaUtil &Calendario() const { return m_calendario; }
    void IncluirSimplificado(Date edital, Date competencia, const LinhaSimplificado &linha);
    void IncluirGuia(Date edital, Date vencimento, Date pagamento, const LinhaGuia &linha);
    void IncluirProRata(Date edital, Date pagamento, const LinhaProRata &linha);

    const LinhaSimplificado *Simplificado(Date edital, Date competencia) const;
    const LinhaGuia *Guia(Date edital, Date vencimento, Date pagamento) const;
    const LinhaProRata *ProRata(Date edital, Date pagamento) const;

private:
    static quint64 chave(Date a, Date b) { return (quint64(quint32(a.serial())) << 32) | quint32(b.serial()); }
    struct ChaveGuia {
        qint32 edital, vencimento, pagamento;
        bool operator==(const ChaveGuia &) const = default;
    };
    struct HashGuia {
        size_t operator()(const ChaveGuia &k) const
        {
            return std::hash<quint64>()((quint64(quint32(k.edital)) << 32) ^ (quint64(quint32(k.vencimento)) << 16)
                                        ^ quint32(k.pagamento));
        }
    };

    TDiaUtil m_calendario{nullptr};
    std::unordered_map<quint64, LinhaSimplificado> m_simplificado;
    std::unordered_map<ChaveGuia, LinhaGuia, HashGuia> m_guia;
    std::unordered_map<quint64, LinhaProRata> m_proRata;
};

// Guide index of a late parcel: the row of the edital, the due date moved back to a
// business day, and the pay date; no value when the row is missing.
std::optional<double> IndiceGuia(const TabelasIndices &t, Date edital, Date vencimento, Date pagamento);
// The same row's fine index; 0 when missing.
double IndiceGuiaMulta(const TabelasIndices &t, Date edital, Date vencimento, Date pagamento);
// Pro-rata factor of a deposit paid after its monthly due date, cut to nine decimals.
double IndiceProRata(const TabelasIndices &t, Date competenciaAjustada, Date pagamento, Date competencia,
                     Date opcao, Date edital);

} // namespace tolv
