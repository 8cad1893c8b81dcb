#pragma once

#include "core/date.h"
#include "core/money.h"
#include "core/negocio.h"
#include "regras_cadastro.h"

#include <QString>
#include <memory>
#include <vector>

namespace tolv {

class TRescisao;
class TVinculo;

// One balance-complement line of a link (SFGTBG07_COMPLEMENTO_SALDO): a month's
// remuneration the employer owes or paid outside the normal flow, and the
// deposit computed for it.
class TComplementoSaldo : public TNegocio {
public:
    explicit TComplementoSaldo(TDBUtils *banco = nullptr);
    ~TComplementoSaldo() override;

    qint16 NU_TIPO_INSO_EMPRA = 0;
    qint64 NU_INSCRICAO = 0;
    qint64 NU_PIS = 0;
    qint16 NU_CATEGORIA = 0;
    Date DT_ADMISSAO_VINCULO = DataNula;
    QString NU_COMPLEMENTO;  // 1 not collected, 2 collected and not processed, 3 not individualized
    QString AA_COMPETENCIA;  // 4 digits
    QString MM_COMPETENCIA;  // 2 digits
    Money VR_REMUNERACAO;
    Money VR_DEPOSITO;

    // Edital date of the simplified index table the deposit's interest uses;
    // DataNula (the default) means the process-wide pro-rata edital date.
    Date DataEdital = DataNula;

    // The line's link and termination data, created on first use and located by the
    // key while CarregaRelacionados is on.
    TVinculo &Vinculo();
    TRescisao &Rescisao();
    void DefinirVinculo(TVinculo *vinculo);  // the caller's link instead (not owned)

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    ChaveVinculo Chave() const;

    // The link's lines (one row with empty line columns when it has none).
    bool ListarDoVinculo();
    // The link's lines of this object's complement kind, by year and month.
    bool ListarDoComplemento();
    bool PossuiLinhas();

    // Rate of the line's category in force at the competence (0 when none).
    double AliquotaDaCompetencia(Date competencia) const;
    // The line's deposit in reais, with interest for months already due; -1 when it
    // cannot be computed.
    Money CalcularDeposito();

    bool Incluir();      // "0372" when the deposit cannot be computed
    bool Recalcular();   // the same computation, stored on the existing line
    // Recomputes the lines of links in movement state 0 or 1; negative values drop
    // the employer and the PIS filters.
    bool RecalcularDepositos(int tipoInscricao, qint64 pis, qint64 inscricao);
    // VR_DEPOSITO_CMPLO_SALDO of the link := the sum of its deposits (NULL without
    // lines). Database errors: "0144", then raised again.
    bool TotalizarVinculo();
    // The same for every matching link (filters as TRescisao::LimparCalculo); a sum
    // of 0, or no line at all, stores NULL.
    bool TotalizarVinculos(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);
    // Deletes every line of the link, or only this line; then totals the link.
    bool Excluir(bool todasDoVinculo, bool totalizar);

    bool ValidarPermissao();                 // "0489"
    bool ValidarCompetencia(bool tolerante); // "0034", "0102", "0395", "0411"
    bool ValidarValores();                   // "0355", "0356"

    struct Aliquota {
        int Categoria = 0;
        int Ano = 0;
        int Mes = 0;
        double Percentual = 0;
    };
    const std::vector<Aliquota> &Aliquotas() const { return m_aliquotas; }

private:
    bool Abrir(const QString &sql);
    QString CondicaoLinha() const;
    void RestaurarChave(const ChaveVinculo &chave, const QString &complemento);

    std::unique_ptr<TVinculo> m_vinculo;
    TVinculo *m_vinculoExterno = nullptr;
    std::vector<Aliquota> m_aliquotas;
};

} // namespace tolv
