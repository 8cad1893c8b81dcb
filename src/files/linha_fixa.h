#pragma once

#include "core/configuracao.h"  // DividirLinhas for text already decoded

#include <QByteArray>
#include <QString>
#include <QStringList>

// Fixed-width lines as the bank and payroll software exchange them: Windows-1252,
// one byte per character, CRLF. A decoded line keeps byte i at index i, so layout
// positions are plain string positions. Nothing here trims a line.

namespace tolv {

// Every byte becomes exactly one character (the five bytes Windows-1252 leaves
// undefined become the control characters of the same number).
QString DecodificarWindows1252(const QByteArray &bytes);
// One byte per character; a character Windows-1252 cannot hold becomes '?'
// (a surrogate pair counts as one character).
QByteArray CodificarWindows1252(const QString &texto);

// Lines of a file's bytes: LF, CRLF and CR all end a line; a last line without a
// break counts, an empty text after the last break does not.
QStringList DividirLinhas(const QByteArray &conteudo);

// The field at 1-based `posicao`, exactly `largura` characters: the part beyond
// the line's end (or before its start) reads as blanks. largura <= 0: "".
QString ExtrairCampo(const QString &linha, int posicao, int largura);
// From 1-based `posicao` to the end of the line; "" when the line is shorter.
QString ExtrairAteFim(const QString &linha, int posicao);

// Layout conventions of a field being written: text left-aligned and filled with
// blanks on the right, numbers right-aligned and filled with zeros on the left;
// both cut to the first `largura` characters when longer.
QString CampoTexto(const QString &texto, int largura);
QString CampoNumerico(const QString &digitos, int largura);
QString CampoNumerico(qint64 valor, int largura);

// The lines as file bytes: Windows-1252, each line followed by CRLF, except the
// last one when !quebraNaUltima.
QByteArray MontarConteudo(const QStringList &linhas, bool quebraNaUltima = true);
// Writes MontarConteudo to `caminho` (replacing it); false when it cannot be
// written completely.
bool GravarLinhas(const QString &caminho, const QStringList &linhas, bool quebraNaUltima = true);

} // namespace tolv
