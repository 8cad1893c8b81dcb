#pragma once

#include "core/date.h"
#include "core/money.h"
#include "core/negocio.h"
#include "regras_cadastro.h"

#include <QString>
#include <memory>

namespace tolv {

class TVinculo;

// Rate of a category for a month, with one of its two minimums.
struct TAliquotaVigente {
    bool Encontrada = false;  // false: no row applies (no minimum, no rate)
    Money Minimo;
    double Aliquota = 0;      // percent
};

// Termination data of a link (SFGTBG06_INFORMACAO_RESCISAO): what the employer
// informs about the end of the employment and, after a calculation, the parcels.
class TRescisao : public TNegocio {
public:
    explicit TRescisao(TDBUtils *banco = nullptr);
    ~TRescisao() override;

    qint16 NU_TIPO_INSO_EMPRA = 0;
    qint64 NU_INSCRICAO = 0;
    qint64 NU_PIS = 0;
    qint16 NU_CATEGORIA = 0;
    Date DT_ADMISSAO_VINCULO = DataNula;

    Date DT_DISSIDIO = DataNula;            // a NULL column loads as day 0
    Money VR_DISSIDIO;
    Money VR_REMUNERACAO_ANTERIOR_RSCSO;
    Money VR_REMUNERACAO_RESCISAO;
    Money VR_AVISO_PREVIO;
    QString IC_TIPO_PNSO_ALMNA;             // "N" none, "P" percentage, "V" value
    Money VR_PENSAO_ALMNA;
    Money VR_SALDO_RESCISORIO;
    QString IC_ORIGEM_SALDO_RESCISORIO;     // "C", "E" or "N" ("N" when empty)
    Money VR_JAM_SALDO_RESCISORIO;
    Money VR_DEPOSITO_CMPLO_SALDO;

    Date DT_DEVIDA_ANTERIOR_RESCISAO = DataNula;
    Money VR_DEPOSITO_ANTERIOR_RESCISAO;
    Money VR_JAM_ANTERIOR_RESCISAO;
    Money VR_MULTA_ANTERIOR_RESCISAO;
    Money VR_CNTRO_ANTERIOR_RESCISAO;
    Money VR_MULTA_CNTRO_ANTERIOR_RSCSO;
    Date DT_DEVIDA_RESCISAO = DataNula;
    Money VR_DEPOSITO_RESCISAO;
    Money VR_JAM_RESCISAO;
    Money VR_MULTA_RESCISAO;
    Money VR_CNTRO_RESCISAO;
    Money VR_MULTA_CNTRO_RESCISAO;
    Date DT_DEVIDA_AVISO_PREVIO = DataNula;
    Money VR_DEPOSITO_AVISO_PREVIO;
    Money VR_JAM_AVISO_PREVIO;
    Money VR_MULTA_AVISO_PREVIO;
    Money VR_CNTRO_AVISO_PREVIO;
    Money VR_MULTA_CNTRO_AVISO_PREVIO;
    Date DT_DEVIDA_MULTA_RESCISORIA = DataNula;
    Money VR_DEPOSITO_MULTA_RESCISORIA;
    Money VR_JAM_MULTA_RESCISORIA;
    Money VR_MULTA_MULTA_RESCISORIA;
    Money VR_CNTRO_MULTA_RESCISORIA;
    Money VR_MULTA_CNTRO_MULTA_RESCISORIA;

    // The link the rules read category, movement, notice and dates from: created on
    // first use and located by the key (while CarregaRelacionados is on).
    TVinculo &Vinculo();
    void DefinirVinculo(TVinculo *vinculo);  // the caller's link instead (not owned)

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    ChaveVinculo Chave() const;
    bool Localizar(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);

    // Rules; each clears CodigoMensagem and returns true when it stays empty.
    bool ValidarDataDissidio();
    bool ValidarValorDissidio();
    bool ValidarValoresI3(bool fechamento);
    bool ValidarValoresInformados();
    bool ValidarRemuneracaoAnterior();
    bool ValidarRemuneracaoRescisao();
    bool ValidarAvisoPrevioIndenizado();
    bool ValidarTipoPensao();
    bool ValidarPensaoPercentual();
    bool ValidarPensaoValor();
    bool ValidarPensaoPercentualArquivo();
    bool ValidarPensaoValorArquivo();

    // Rate and minimum (remuneration when `remuneracao`, else rescission balance) of
    // the link's category for the month of `mes`.
    TAliquotaVigente AliquotaVigente(bool remuneracao, Date mes);

    // Clears the computed parcels of closed links (states 2 and 3). A negative type
    // or inscription drops the employer filter, a negative PIS the link filter.
    bool LimparCalculo(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);

    // The agreement date counts only when later than day 0.
    bool DissidioInformado() const { return DT_DISSIDIO.serial() > 0; }

private:
    // "0447" / "0448" when `valor` is below the minimum remuneration of the month
    // under a 2 % or 8 % rate; "" otherwise.
    QString CodigoAbaixoDoMinimo(Money valor, Date mes);
    int Categoria();

    std::unique_ptr<TVinculo> m_vinculo;
    TVinculo *m_vinculoExterno = nullptr;
};

} // namespace tolv
