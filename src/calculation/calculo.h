#pragma once

#include "core/date.h"
#include "core/money.h"
#include "tabelas_indices.h"

#include <QString>
#include <array>
#include <functional>

namespace tolv {

// Parcel codes of the rescission guide.
inline constexpr int kParcelaAnteriorRescisao = 406;  // month before termination
inline constexpr int kParcelaRescisao = 407;          // termination month
inline constexpr int kParcelaAvisoPrevio = 408;       // indemnified prior notice
inline constexpr int kParcelaMultaRescisoria = 400;   // rescission fine

struct ParcelaCalculo {
    int Codigo = 0;
    Date DataDevida = DataNula;
    Money Deposito;
    Money Jam;
    Money Contribuicao;
    Money MultaContribuicao;
    Money Multa;
    Date Competencia = DataNula;
    QChar ContribuicaoDevida = QLatin1Char('N');
    QChar EmDia = QLatin1Char('S');
    Date VencimentoMensal = DataNula;
    Money Base;
    Money TotalParcela;
    Money JamSaldo;
    bool Valida = false;

    Money Soma() const { return Deposito + Jam + Multa + Contribuicao + MultaContribuicao; }
};

// Everything the calculation reads for one link, gathered by the caller (from the
// link, its employer, its termination data and its bank balances).
struct DadosCalculoVinculo {
    int Categoria = 0;
    QString CodigoMovimentacao;          // trimmed
    Date DataMovimentacao = DataNula;    // M
    Date DataOpcao = DataNula;           // O
    int TipoAvisoPrevio = 0;
    int TipoInscricao = 0;
    int Fpas = 0;
    int Simples = 0;
    Money RemuneracaoAnterior;           // VR_REMUNERACAO_ANTERIOR_RSCSO
    Money RemuneracaoRescisao;           // VR_REMUNERACAO_RESCISAO
    Money AvisoPrevio;                   // VR_AVISO_PREVIO
    Date DataDissidio = Date(0);         // D (a NULL column loads as day 0)
    Money ValorDissidio;
    Money SaldoRescisorio;
    QString OrigemSaldo;                 // "C", "E", "N"
    Money DepositoComplemento;           // VR_DEPOSITO_CMPLO_SALDO
    Date DataCreditoJuros = DataNula;    // of the first bank-balance row not in situation 3
};

// Computes the four parcels of one link at a time against index tables held in memory.
class TCalculo {
public:
    // `registrarFaltaIndice` is called when a simplified-index row is missing
    // (the caller logs inconsistency 372); may be empty.
    TCalculo(const TabelasIndices &tabelas, Date dataPagamento,
             std::function<void()> registrarFaltaIndice = {});

    int CodigoErro = 0;
    std::array<ParcelaCalculo, 4> Parcelas;  // 406, 407, 408, 400

    // False when any parcel fails (or no movement is open); the parcels are reset first.
    bool Calcular(const DadosCalculoVinculo &v);
    Money Total() const;
    Money BaseMulta() const { return Parcelas[3].TotalParcela; }
    Money JamSaldo() const { return m_jamSaldo; }
    Date Edital() const { return m_edital; }
    Date DataPagamento() const { return m_pagamento; }

    // Simplified JAM factor of a competence; -1 (and the missing-row hook) when none.
    double IndiceSimplificado(int categoria, Date competencia, Date opcao, Date edital) const;
    double IndiceProRata(Date competenciaAjustada, Date pagamento, Date competencia, Date opcao, Date edital) const;

private:
    bool calcularParcela(int indice, const DadosCalculoVinculo &v, Money base, Money baseMulta);

    const TabelasIndices &m_tabelas;
    Date m_pagamento;
    Date m_edital;
    Money m_jamSaldo;
    std::function<void()> m_registrarFaltaIndice;
};

// The JAM factor of a simplified-index row for a category and option date; -1 when the
// option is before 1967. Category 2 ignores the option date.
double FatorJamSimplificado(const LinhaSimplificado &linha, int categoria, Date opcao);

} // namespace tolv
