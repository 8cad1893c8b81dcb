#pragma once

#include "core/negocio.h"

#include <QString>

namespace tolv {

// The address of an employer or of the responsible party, with its checks.
class TEndereco : public TNegocio {
public:
    explicit TEndereco(TDBUtils *banco = nullptr);

    QString Logradouro;  // DE_LOGRADOURO
    QString Bairro;      // NO_BAIRRO
    QString Localidade;  // NO_LOCALIDADE
    QString Cep;         // NU_CEP, digits
    QString Uf;          // SG_UF

    void Inicializar() override;
    void Limpar() override;

    bool ValidarLogradouro();  // "0096"
    bool ValidarBairro();      // "0095"
    bool ValidarLocalidade();  // "0094"
    bool ValidarCep();         // "0101"
    bool ValidarUf();          // "0132" empty, "0133" unknown

    // Upper-cased: not empty, no leading blank; trimmed: only blanks, digits and
    // A-Z, no two blanks in a row, no letter or blank three times in a row.
    static bool ValidarTextoEndereco(const QString &texto);
};

} // namespace tolv
