#pragma once

#include <QString>
#include <QtGlobal>

// Validation of names and of employer registration numbers (CNPJ, CEI).

namespace tolv {

// A name as registered: not empty, not starting with a blank, only blanks, digits and
// unaccented letters, no character three times in a row (case ignored), no two
// blanks in a row.
bool NomeValido(const QString &texto);
// At least two words: the first with two or more characters, and the last (trailing
// blanks ignored) with two or more characters.
bool TemNomeESobrenome(const QString &texto);

// Check digits of a CNPJ (14 digits) and of a CEI (12 digits). Zero, negative
// numbers and numbers with more digits are refused.
bool ValidarCnpj(qint64 numero);
bool ValidarCei(qint64 numero);

} // namespace tolv
