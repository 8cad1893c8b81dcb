#pragma once

#include "core/date.h"
#include "core/db_utils.h"
#include "core/money.h"

#include <QString>

namespace tolv {

// The clock that stamps guide identifiers. Identifiers are unique because each
// one waits a second before reading the clock; tests fix the clock and skip the wait.
class RelogioGuia {
public:
    virtual ~RelogioGuia() = default;
    virtual DateTime Agora() const;
    virtual void EsperarUmSegundo() const;

    static const RelogioGuia &Padrao();
    // Tests install their own clock (null: back to the system clock).
    static void Definir(const RelogioGuia *relogio);
    static const RelogioGuia &Atual();
};

// Placeholder guide code while an employer block is being generated: the
// digitable line of a barcode of 44 nines.
inline const QString kCodigoProvisorio = QStringLiteral("999999999997999999999997999999999997999999999997");

// Modulo-11 check digit (weights 2..9 from the right); remainders 0 and 1 give "0".
QString DigitoModulo11(const QString &digitos);

// 17 digits: day of year, last digit of the year, seconds since midnight, digits
// 2 to 8 of the inscription as 14 digits, "1". Waits one second on the clock.
QString NovoIdentificadorGuia(qint64 inscricao, const RelogioGuia &relogio = RelogioGuia::Atual());

// The 44-digit collection barcode of a guide (product 8, segment 5, value in reais,
// body 0239). A total that does not fit 11 digits yields a longer text, which the
// file generator rejects by its record length.
QString MontarCodigoBarras(qint64 inscricao, Date dataPagamento, Money total,
                           const RelogioGuia &relogio = RelogioGuia::Atual());

// Digitable line: four blocks of eleven barcode digits, each followed by its check digit.
// Empty when the barcode has a character other than a digit.
QString LinhaDigitavel(const QString &codigoBarras);
QString DigitosLinhaDigitavel(const QString &codigoBarras);
// The barcode back from a digitable line (characters 12, 24, 36 and 48 removed).
QString CodigoBarrasDaLinha(const QString &linha);
// Whether the digits of the text are exactly a digitable line with correct block check digits.
bool ValidarLinhaDigitavel(const QString &texto);

// A renewed barcode for a stored employer record sent again: new identifier,
// general check digit recomputed; value and pay date stay.
QString RenovarCodigoBarras(const QString &codigoBarras, qint64 inscricao,
                            const RelogioGuia &relogio = RelogioGuia::Atual());

// 30 digits: the server's timestamp (yyyymmddhhnnsszzz) and the sum of the text's
// character codes modulo 65536 as 13 digits.
QString IdentificadorArquivo(const QString &texto, DateTime momentoServidor);
QString IdentificadorArquivo(const QString &texto, TDBUtils &banco);

} // namespace tolv
