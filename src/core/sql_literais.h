#pragma once

#include "date.h"
#include "money.h"

#include <QString>
#include <QtGlobal>

// Literal builders for the SQL texts of the whole system (statements are complete
// texts, values never travel as bound parameters). A blank text, a zero number and
// a zero amount become Null; callers that must store a real zero write it themselves.

namespace tolv {

// "Null" for a blank text; otherwise the text as given, in apostrophes, with inner
// apostrophes doubled ('D''ÁVILA').
QString SqlTexto(const QString &texto);
QString SqlSimNao(bool valor);  // 'S' / 'N'
QString SqlInteiro(int n);      // "Null" for 0
QString SqlInteiro64(qint64 n); // "Null" for 0
// 15 significant digits with "." as decimal separator; "Null" for 0.
// ENegocio for NaN and infinities, which no column can hold.
QString SqlValor(double valor);
// Exact amount "1234.56"; "Null" for 0.
QString SqlValor(Money valor);
// A text written as a number (an inscription or PIS kept as text): its 64-bit
// decimal value, leading zeros and surrounding blanks dropped ("0" stays "0", never
// Null). ENegocio when the text is not an integer: whatever reaches a statement
// unquoted must be a number.
QString SqlNumeroTexto(const QString &texto);
// "NULL" for DataNula (and anything before it); otherwise 'yyyy-mm-dd', or with
// the time 'yyyy-mm-dd hh:mm:ss' / 'yyyy-mm-dd hh:mm:ss.zzz'. Day 0 is
// '1899-12-30', a real date. DataInvalida, or a day outside years 1..9999, is a
// caller's fault: ENegocio.
QString SqlData(Date data, bool somenteData = true, bool comMilissegundos = false);
QString SqlData(DateTime dataHora, bool somenteData = false, bool comMilissegundos = false);

// A date column's value as stored: DataNula and day 0 (what a NULL column loads
// as) are written as NULL, so reading and writing a row back changes nothing.
QString SqlDataColuna(Date data);

// Whether a text given for ORDER BY is a list of column names, each optionally
// followed by ASC or DESC, so it can be put into a statement as it is.
bool OrdemSegura(const QString &ordem);

} // namespace tolv
