#pragma once

#include "core/date.h"
#include "core/negocio.h"
#include "endereco.h"

#include <QString>
#include <functional>
#include <memory>

namespace tolv {

// The root entry of the participation tree as these objects see it: who the
// responsible party is and whether it is also an employer. The tree itself lives
// elsewhere; the objects receive it as an argument and report changes through a
// callback.
struct TRaizArvore {
    int TipoInscricao = 0;
    qint64 Inscricao = 0;
    QString Tipo;  // "R" or "A"; empty before the first responsible party is saved
};
using NotificacaoRaiz = std::function<void(const TRaizArvore &)>;

// What employers and the responsible party share: identification, name,
// address, telephone and e-mail (one row of SFGTBG02_EMPRESA).
class TEstabelecimento : public TNegocio {
public:
    explicit TEstabelecimento(TDBUtils *banco = nullptr);
    ~TEstabelecimento() override;

    int TipoInscricao = 0;          // NU_TIPO_INSO_EMPRA: 1 CNPJ, 2 CEI
    QString Inscricao;              // NU_INSCRICAO, 14 digits when loaded
    QString RazaoSocial;            // NO_RAZAO_SOCIAL, trimmed when loaded
    QString Contato;                // NO_CONTATO (responsible party)
    QString Telefone;               // NU_TELEFONE
    QString Ddd;                    // NU_DDD
    QString Email;                  // CO_ENDERECO_VIRTUAL_CONTATO (responsible party)
    Date DataPagamentoAbertura = DataNula;  // DT_PAGAMENTO of the open movement
    QString Estado;                 // IC_ESTADO_EMPRESA: "E", "R" or "A"

    // The address, created on first use and released by Limpar.
    TEndereco &Endereco();

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    // Loads the row of the key whatever its state. False only when the query
    // failed ("0144"); an inscription that is not a number finds nothing.
    virtual bool ConsultarPorInscricao(int tipoInscricao, const QString &inscricao);

    // 14 digits for a CNPJ, 12 for a CEI, "0" for any other type.
    QString InscricaoFormatada() const;

    bool ValidarTipoInscricao();                          // "0129"
    bool ValidarInscricao();                              // "0021" CNPJ, "0018" CEI
    bool ValidarRazaoSocial(bool semEspacosDuplos);       // "0177"
    bool ValidarDdd();                                    // "0024"
    bool ValidarTelefone();                               // "0128"
    bool ValidarEmail();                                  // "0065"

protected:
    // The key as SQL ("EMP.NU_TIPO_INSO_EMPRA = 1 AND   EMP.NU_INSCRICAO       = 123");
    // empty when the inscription is not a number.
    QString CondicaoChave(const QString &alias = QStringLiteral("EMP.")) const;

private:
    std::unique_ptr<TEndereco> m_endereco;
};

} // namespace tolv
