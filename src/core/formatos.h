#pragma once

#include "date.h"
#include "money.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <vector>

// Brazilian number and date formats, fixed-width text shaping, and the small
// list and search helpers every part of the system uses. The regional settings
// are fixed (decimal ",", thousands ".", dates "dd/mm/yyyy"): nothing here reads
// the machine's locale.

namespace tolv {

class ResultSet;
class TDBUtils;

// ---------------------------------------------------------------------------
// Conversion errors of the readers. Kept per thread: a worker job reading a file
// and the interface thread never see each other's errors. Every reader clears
// the pair on entry; the caller inspects it right after the call.

inline const QString kErroConversaoNumero = QStringLiteral("0011");
inline const QString kErroConversaoData = QStringLiteral("0212");

QString ErroConversao();       // "" or the message code of the last failed reading
QString ValorErroConversao();  // the offending text
void LimparErroConversao();

// ---------------------------------------------------------------------------
// Text tests. "Blank" is the space character; trimming removes blanks and
// control characters at both ends.

bool EhNumerico(const QString &texto);            // only "0".."9" (empty: true)
bool EhAlfabetico(const QString &texto);          // only blanks and unaccented "A".."Z"/"a".."z"
bool TodosZeros(const QString &texto, int n);     // exactly n characters, all "0"
bool TodosNoves(const QString &texto, int n);     // exactly n characters, all "9"
bool TodosIguais(const QString &texto);           // empty, one character, or all equal to the first
QString Aparar(const QString &texto);             // blanks and control characters off both ends
bool EstaVazio(const QString &texto);             // empty once trimmed
bool SemEspacosDuplos(const QString &texto);      // no two blanks in a row
bool SemRepeticao(const QString &texto, int n);   // no character n times in a row, case ignored

// ---------------------------------------------------------------------------
// Numbers.

// Decimal integers (surrounding blanks and a sign allowed); 0 when the text is not
// an integer or does not fit.
std::optional<qint64> ConverterInteiro64(const QString &texto);  // no value instead of 0
int TextoParaInteiro(const QString &texto);
qint64 TextoParaInteiro64(const QString &texto);
// Brazilian decimal: every "." is a thousands separator and is dropped, "," is the
// decimal separator ("1.234,56" -> 1234.56, "12.5" -> 125); 0 when not a number.
double TextoParaValor(const QString &texto);

// Readers of numeric file fields: a text that is not all digits, or that does not
// fit, sets ErroConversao "0011" and reads as 0. An empty text reads as 0 silently.
int LerInteiro(const QString &texto);
qint64 LerInteiro64(const QString &texto);
double LerValor(const QString &texto);
// 15 digits with two implied decimals: characters 1-10 are thousands, 11-15 the
// rest in centavos. Parts that are not numbers read as 0; never sets an error.
double LerValor15(const QString &texto);

QString TextoSePositivo(const QString &texto);               // the text when it is a positive integer, else ""
QString NumeroOuTexto(const QString &textoPadrao, qint64 n);  // n's decimal text when n > 0, else the default

// "1.234,50": rounded half away from zero over the value's 15 significant digits.
QString FormatarMoeda(double valor);
QString FormatarMoeda(Money valor);
// "1234.50": the form amounts take in files.
QString FormatarDecimalPonto(double valor);
QString FormatarDecimalPonto(Money valor);
QString FormatarInteiro12(qint64 n);  // "000000001234"

// Cuts x toward zero to `decimais` places (never rounds). The scaled value is first
// rounded to 15 significant digits so that 0.29 stays 0.29 and a binary residue
// such as 5.55e-17 becomes 0.
double TruncarValor(int decimais, double x);
// The same to whole centavos, as an exact amount.
Money TruncarMoeda(double x);

QString JuntarInteiros(const QList<qint64> &lista);  // "1,2,3" for SQL IN lists
QString JuntarInteiros(const QList<int> &lista);

// ---------------------------------------------------------------------------
// Text shaping.

QString ExtrairDigitos(const QString &texto);
QString RemoverPontos(const QString &texto);
// Exactly `largura` characters: cut to the first `largura`, or filled with blanks on
// the left (aEsquerda) or on the right.
QString AjustarTamanho(const QString &texto, int largura, bool aEsquerda);
QString PreencherTexto(const QString &texto, QChar caractere, int largura, bool aEsquerda);
// "0" on the left up to `largura` characters; longer texts are kept whole.
QString CompletarZeros(const QString &texto, int largura);
QChar PrimeiroCaractere(const QString &texto);  // blank for an empty text
// todas: every occurrence of each list item becomes `substituto`.
// !todas: for each item in turn, the first occurrence of `substituto` becomes the
// item (placeholder filling). Empty patterns are ignored.
QString SubstituirTextos(const QString &texto, const QString &substituto, const QStringList &lista, bool todas);
QString MascararCnpj(const QString &texto);  // "99.999.999/9999-99"
QString MascararPis(const QString &texto);   // "000.00000.00-0"; "" for a blank text
// Masks a partly typed value: kind "CNPJ" or "PIS". Each text character takes the
// next digit position of the pattern, the separators before it are inserted; the
// result stops with the text (or at the end of the pattern). Other kinds: unchanged.
QString AplicarMascara(const QString &texto, const QString &tipo);
// Dots removed, then four groups of eight characters joined by ".".
QString FormatarProtocolo(const QString &texto);

// ---------------------------------------------------------------------------
// Dates.

// Reads a typed or stored date from its digits (separators ignored, at most the
// first eight: ddmmyyyy; or yyyymmdd rearranged when aaaammdd). A short digit string
// counts as a number: "1012007" is 01/01/2007. All zeros or no digits -> DataNula;
// not a real date -> DataInvalida.
Date LerData(const QString &texto, bool aaaammdd);
// Date field of a file: blank, shorter than 8 characters or zero is accepted as
// "no date". A text that is not an integer, or (ddmmyyyy only) not a real date,
// sets ErroConversao "0212". Returns "dd/mm/yyyy", or "00/00/0000" for no date,
// a failure, or a yyyymmdd text that is not a real date.
QString ValidarTextoData(const QString &texto, bool aaaammdd);
// Date typed on a screen: shows prefix + code (error dialog) and returns false when
// the date is missing (and codigoSeVazio is given) or is not a complete, real date.
bool ValidarDataInformada(const QString &texto, const QString &prefixo, const QString &codigoSeVazio,
                          const QString &codigoSeInvalido);

inline constexpr int DataAceitavel = 0;
inline constexpr int DataNaoReconhecida = 1;  // DataInvalida or outside years 1..9999
inline constexpr int DataAnteriorA1900 = 2;   // before 02/01/1900
int ClassificarData(Date data);
// "dd/mm/yyyy"; "00/00/0000" for DataNula; "" when ClassificarData is not 0.
QString DataParaTexto(Date data);
// The text's digits placed in "dd/mm/yyyy" (yyyymmdd rearranged when aaaammdd and
// there are eight digits); missing digits are blanks.
QString DigitosParaData(const QString &texto, bool aaaammdd);
// The date in `formato` when it is after day 0; otherwise "" (brancoQuandoVazio) or "00000000".
QString FormatarDataArquivo(const QString &formato, bool brancoQuandoVazio, Date data);
int MesesEntre(Date a, Date b);  // (year a - year b) * 12 + month a - month b

// The database server's clock (the date alone, at 00:00, when !comHora).
// `banco` null: the process-wide database object.
DateTime DataHoraServidor(bool comHora, TDBUtils *banco = nullptr);
// "2.0.5 " or, comData, "2.0.5  - 13/11/2017"; "" when the version table is empty.
QString VersaoSistema(bool comData, TDBUtils *banco = nullptr);

// ---------------------------------------------------------------------------
// Files, lists and search.

// Deletes the files directly inside the directory; sub-directories stay. Never
// creates the directory; an empty path does nothing; failures are ignored.
void ApagarArquivosDiretorio(const QString &diretorio);

// One entry of a drop-down list: the shown text and, when the query had a second
// column, its integer.
struct ItemCombo {
    QString texto;
    std::optional<qint64> chave;
    friend bool operator==(const ItemCombo &, const ItemCombo &) = default;
};

struct ItensCombo {
    std::vector<ItemCombo> itens;
    int selecionado = -1;  // 0 when the list holds exactly one item
};

inline const QString kItemTodos = QStringLiteral("Todos");

// The items a drop-down list shows for a query: first column trimmed (kept as read
// when manterBrancos), second column as the key; sorted alphabetically (case and
// accents ignored); then an empty item on top (brancoPrimeiro, list not empty), then
// "Todos" on top (todosPrimeiro, more than one item). The UI puts them in the list.
ItensCombo ListarItensCombo(const QString &sql, bool brancoPrimeiro, bool todosPrimeiro,
                            bool manterBrancos = false, TDBUtils *banco = nullptr);
// The same with each text completed with zeros on the left to `largura`; no extra items.
ItensCombo ListarItensComboCodigo(const QString &sql, int largura, TDBUtils *banco = nullptr);

// Finds a row of a loaded result set from a tagged criterion "KEY-value":
// INSCRICAO -> NU_INSCRICAO, RAZAO -> NO_RAZAO_SOCIAL, NOME -> NO_EMPREGADO,
// PIS/PASEP -> NU_PIS. Numbers match as integers; names match case-insensitively,
// contained (parcial) or equal. Found: the cursor stays on the row. Not found: the
// cursor goes back where it was and prefix + "0092" is shown. Unknown key or
// missing column: ENegocio.
bool LocalizarNoDataSet(ResultSet &dados, const QString &prefixo, bool parcial, const QString &textoBusca);

// Integrity number of an index-table package file, from its modification time
// (local time, to the minute).
qint64 NumeroIntegridadePacote(const QDateTime &modificacao);
// Both files exist and the control file's first line equals the data file's number.
bool ConferirPacoteIndices(const QString &arquivoDados, const QString &arquivoControle);

} // namespace tolv
