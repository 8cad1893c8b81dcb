#include "formatos.h"

#include "db_utils.h"
#include "errors.h"
#include "mensagem.h"
#include "result_set.h"
#include "utilitarios.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tolv {

namespace {

thread_local QString t_erroConversao;
thread_local QString t_valorErroConversao;

void RegistrarErroConversao(const QString &codigo, const QString &valor)
{
    t_erroConversao = codigo;
    t_valorErroConversao = valor;
}

bool EhDigito(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool EhLetraSimples(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// Blanks and control characters, as fixed-width fields and typed texts carry them.
bool Aparavel(QChar c) { return c.unicode() <= 0x20; }

} // namespace

QString Aparar(const QString &t)
{
    qsizetype i = 0, j = t.size();
    while (i < j && Aparavel(t.at(i)))
        ++i;
    while (j > i && Aparavel(t.at(j - 1)))
        --j;
    return t.mid(i, j - i);
}

namespace {

// Strict decimal integer: optional surrounding blanks, optional sign, digits.
bool LerInteiroEstrito(const QString &texto, qint64 &valor)
{
    const QString t = Aparar(texto);
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
        negativo = t.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == t.size())
        return false;
    // accumulate negatively so that the most negative value fits
    qint64 acc = 0;
    constexpr qint64 minimo = std::numeric_limits<qint64>::min();
    for (; i < t.size(); ++i) {
        if (!EhDigito(t.at(i)))
            return false;
        const int d = t.at(i).unicode() - '0';
        if (acc < (minimo + d) / 10)
            return false;
        acc = acc * 10 - d;
    }
    if (!negativo) {
        if (acc == minimo)
            return false;
        acc = -acc;
    }
    valor = acc;
    return true;
}

// The date whose digits, as an eight-digit number, read ddmmyyyy.
Date DataDeNumeroDdmmaaaa(qint64 n)
{
    if (n <= 0 || n > 99999999)
        return DataInvalida;
    const int dia = int(n / 1000000), mes = int(n / 10000 % 100), ano = int(n % 10000);
    if (ano < 1 || !QDate::isValid(ano, mes, dia))
        return DataInvalida;
    return Date::fromYmd(ano, mes, dia);
}

QString TextoData(Date d) { return FormatarData(QStringLiteral("dd/mm/yyyy"), d); }

// Adds one to a string of decimal digits.
QString SomarUm(QString digitos)
{
    qsizetype i = digitos.size() - 1;
    for (; i >= 0; --i) {
        if (digitos.at(i) == QLatin1Char('9')) {
            digitos[i] = QLatin1Char('0');
        } else {
            digitos[i] = QChar(digitos.at(i).unicode() + 1);
            break;
        }
    }
    if (i < 0)
        digitos.prepend(QLatin1Char('1'));
    return digitos;
}

struct Decimal {
    bool negativo = false;
    QString inteiro;  // no leading zeros except a lone "0"
    QString fracao;   // exactly `casas` digits
};

// x rounded half away from zero to `casas` places over its 15 significant digits,
// in decimal text, so that 1.005 gives 1.01 as it reads and huge values never overflow.
Decimal ArredondarDecimal(double x, int casas)
{
    if (!std::isfinite(x))
        x = 0.0;
    QString n;  // |x| * 10^casas, rounded, as digits
    if (x == 0.0) {
        n = QStringLiteral("0");
    } else {
        const QString e = QString::number(std::fabs(x), 'e', 14);  // "d.dddddddddddddde+XX"
        const qsizetype pe = e.indexOf(QLatin1Char('e'));
        const int expoente = e.mid(pe + 1).toInt();
        const QString mantissa = e.left(pe).remove(QLatin1Char('.'));  // 15 digits
        const int k = expoente - 14 + casas;
        if (k >= 0) {
            n = mantissa + QString(k, QLatin1Char('0'));
        } else if (-k > mantissa.size()) {
            n = QStringLiteral("0");
        } else {
            const qsizetype fica = mantissa.size() + k;
            n = fica > 0 ? mantissa.left(fica) : QStringLiteral("0");
            if (mantissa.at(fica) >= QLatin1Char('5'))
                n = SomarUm(n);
        }
    }
    if (n.size() < casas + 1)
        n = QString(casas + 1 - n.size(), QLatin1Char('0')) + n;
    Decimal r;
    r.inteiro = n.left(n.size() - casas);
    r.fracao = n.right(casas);
    qsizetype z = 0;
    while (z + 1 < r.inteiro.size() && r.inteiro.at(z) == QLatin1Char('0'))
        ++z;
    r.inteiro.remove(0, z);
    const bool zero = r.inteiro == QLatin1String("0") && r.fracao.count(QLatin1Char('0')) == r.fracao.size();
    r.negativo = x < 0 && !zero;
    return r;
}

Decimal DecimalDeMoeda(Money m)
{
    const qint64 c = m.centavos();
    // magnitude as unsigned so that the most negative amount still prints
    const quint64 a = c < 0 ? quint64(0) - quint64(c) : quint64(c);
    Decimal r;
    r.negativo = c < 0;
    r.inteiro = QString::number(a / 100);
    r.fracao = QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return r;
}

QString AgruparMilhares(const QString &inteiro)
{
    QString r;
    const qsizetype n = inteiro.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += QLatin1Char('.');
        r += inteiro.at(i);
    }
    return r;
}

QString TextoMoeda(const Decimal &d)
{
    return (d.negativo ? QStringLiteral("-") : QString()) + AgruparMilhares(d.inteiro) + QLatin1Char(',') + d.fracao;
}

QString TextoPonto(const Decimal &d)
{
    return (d.negativo ? QStringLiteral("-") : QString()) + d.inteiro + QLatin1Char('.') + d.fracao;
}

TDBUtils &BancoOuPadrao(TDBUtils *banco)
{
    TDBUtils *db = banco ? banco : TDBUtils::Instancia();
    if (!db)
        throw DatabaseError(QStringLiteral("Banco de dados não conectado"));
    return *db;
}

// Alphabetical order of list items: accents and letter case do not separate
// "Água" from "agua" and "Amapá"; exact text breaks ties so the order is total.
QString ChaveOrdenacao(const QString &texto)
{
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(decomposto.size());
    for (QChar c : decomposto)
        if (c.category() != QChar::Mark_NonSpacing)
            r += c;
    return r.toCaseFolded();
}

void OrdenarItens(std::vector<ItemCombo> &itens)
{
    std::vector<std::pair<QString, ItemCombo>> chaves;
    chaves.reserve(itens.size());
    for (auto &i : itens)
        chaves.emplace_back(ChaveOrdenacao(i.texto), std::move(i));
    std::stable_sort(chaves.begin(), chaves.end(), [](const auto &a, const auto &b) {
        const int c = QString::compare(a.first, b.first);
        return c != 0 ? c < 0 : QString::compare(a.second.texto, b.second.texto) < 0;
    });
    itens.clear();
    for (auto &c : chaves)
        itens.push_back(std::move(c.second));
}

std::vector<ItemCombo> LerItens(TDBUtils &db, const QString &sql, bool manterBrancos)
{
    const auto rs = db.Abrir(sql);
    std::vector<ItemCombo> itens;
    const bool comChave = rs->columns().size() >= 2;
    for (rs->first(); !rs->eof(); rs->next()) {
        ItemCombo item;
        const QString texto = rs->field(0).toString();
        item.texto = manterBrancos ? texto : Aparar(texto);
        if (comChave)
            item.chave = rs->field(1).toInt64();
        itens.push_back(std::move(item));
    }
    return itens;
}

QString RemoverBrancosFinais(const QString &t)
{
    qsizetype j = t.size();
    while (j > 0 && t.at(j - 1) == QLatin1Char(' '))
        --j;
    return t.left(j);
}

} // namespace

// ---------------------------------------------------------------------------

QString ErroConversao() { return t_erroConversao; }
QString ValorErroConversao() { return t_valorErroConversao; }

void LimparErroConversao()
{
    t_erroConversao.clear();
    t_valorErroConversao.clear();
}

// ---------------------------------------------------------------------------
// Text tests

bool EhNumerico(const QString &texto)
{
    return std::all_of(texto.begin(), texto.end(), EhDigito);
}

bool EhAlfabetico(const QString &texto)
{
    return std::all_of(texto.begin(), texto.end(),
                       [](QChar c) { return c == QLatin1Char(' ') || EhLetraSimples(c); });
}

bool TodosZeros(const QString &texto, int n)
{
    return texto.size() == n && texto.count(QLatin1Char('0')) == n;
}

bool TodosNoves(const QString &texto, int n)
{
    return texto.size() == n && texto.count(QLatin1Char('9')) == n;
}

bool TodosIguais(const QString &texto)
{
    return texto.isEmpty() || texto.count(texto.at(0)) == texto.size();
}

bool EstaVazio(const QString &texto) { return Aparar(texto).isEmpty(); }

bool SemEspacosDuplos(const QString &texto) { return !texto.contains(QLatin1String("  ")); }

bool SemRepeticao(const QString &texto, int n)
{
    int sequencia = 0;
    QChar anterior;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i).toUpper();
        sequencia = (i > 0 && c == anterior) ? sequencia + 1 : 1;
        if (sequencia >= n)
            return false;
        anterior = c;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Numbers

std::optional<qint64> ConverterInteiro64(const QString &texto)
{
    qint64 v = 0;
    if (!LerInteiroEstrito(texto, v))
        return std::nullopt;
    return v;
}

int TextoParaInteiro(const QString &texto)
{
    qint64 v = 0;
    if (!LerInteiroEstrito(texto, v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return 0;
    return int(v);
}

qint64 TextoParaInteiro64(const QString &texto)
{
    qint64 v = 0;
    return LerInteiroEstrito(texto, v) ? v : 0;
}

double TextoParaValor(const QString &texto)
{
    const QString t = Aparar(RemoverPontos(texto));
    // [sign] digits [, digits] [exponent], at least one digit before the exponent
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    int digitos = 0;
    while (i < t.size() && EhDigito(t.at(i))) { ++i; ++digitos; }
    if (i < t.size() && t.at(i) == QLatin1Char(',')) {
        ++i;
        while (i < t.size() && EhDigito(t.at(i))) { ++i; ++digitos; }
    }
    if (digitos == 0)
        return 0.0;
    if (i < t.size() && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            ++i;
        const qsizetype inicio = i;
        while (i < t.size() && EhDigito(t.at(i)))
            ++i;
        if (i == inicio)
            return 0.0;
    }
    if (i != t.size())
        return 0.0;
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = c.toDouble(&ok);  // always the C locale
    return ok && std::isfinite(v) ? v : 0.0;
}

qint64 LerInteiro64(const QString &texto)
{
    LimparErroConversao();
    qint64 v = 0;
    if (!EhNumerico(texto) || (!texto.isEmpty() && !LerInteiroEstrito(texto, v))) {
        RegistrarErroConversao(kErroConversaoNumero, texto);
        return 0;
    }
    return v;
}

int LerInteiro(const QString &texto)
{
    const qint64 v = LerInteiro64(texto);
    if (v > std::numeric_limits<int>::max()) {
        RegistrarErroConversao(kErroConversaoNumero, texto);
        return 0;
    }
    return int(v);
}

double LerValor(const QString &texto)
{
    LimparErroConversao();
    if (!EhNumerico(texto)) {
        RegistrarErroConversao(kErroConversaoNumero, texto);
        return 0.0;
    }
    return TextoParaValor(texto);
}

double LerValor15(const QString &texto)
{
    LimparErroConversao();
    const double milhares = TextoParaValor(texto.mid(0, 10));
    const double resto = TextoParaValor(texto.mid(10, 5));
    double v = milhares * 1000.0;
    if (resto > 0)
        v += resto / 100.0;
    return v;
}

QString TextoSePositivo(const QString &texto)
{
    return TextoParaInteiro64(texto) > 0 ? texto : QString();
}

QString NumeroOuTexto(const QString &textoPadrao, qint64 n)
{
    return n > 0 ? QString::number(n) : textoPadrao;
}

QString FormatarMoeda(double valor) { return TextoMoeda(ArredondarDecimal(valor, 2)); }
QString FormatarMoeda(Money valor) { return TextoMoeda(DecimalDeMoeda(valor)); }
QString FormatarDecimalPonto(double valor) { return TextoPonto(ArredondarDecimal(valor, 2)); }
QString FormatarDecimalPonto(Money valor) { return TextoPonto(DecimalDeMoeda(valor)); }

QString FormatarInteiro12(qint64 n)
{
    const quint64 a = n < 0 ? quint64(0) - quint64(n) : quint64(n);
    return (n < 0 ? QStringLiteral("-") : QString()) + QStringLiteral("%1").arg(a, 12, 10, QLatin1Char('0'));
}

double TruncarValor(int decimais, double x)
{
    if (!std::isfinite(x))
        return 0.0;
    // From 2^52 on every double is a whole number: nothing to cut, and scaling
    // such a value could overflow.
    if (std::fabs(x) >= 4503599627370496.0 || !std::isfinite(x * std::pow(10.0, decimais)))
        return x;
    return TruncarDecimais(x, decimais) + 0.0;  // + 0.0 turns -0 into 0
}

Money TruncarMoeda(double x) { return Money::truncated(x); }

QString JuntarInteiros(const QList<qint64> &lista)
{
    QStringList partes;
    partes.reserve(lista.size());
    for (qint64 n : lista)
        partes << QString::number(n);
    return partes.join(QLatin1Char(','));
}

QString JuntarInteiros(const QList<int> &lista)
{
    return JuntarInteiros(QList<qint64>(lista.begin(), lista.end()));
}

// ---------------------------------------------------------------------------
// Text shaping

QString ExtrairDigitos(const QString &texto)
{
    QString r;
    for (QChar c : texto)
        if (EhDigito(c))
            r += c;
    return r;
}

QString RemoverPontos(const QString &texto)
{
    return QString(texto).remove(QLatin1Char('.'));
}

QString AjustarTamanho(const QString &texto, int largura, bool aEsquerda)
{
    return PreencherTexto(texto, QLatin1Char(' '), largura, aEsquerda);
}

QString PreencherTexto(const QString &texto, QChar caractere, int largura, bool aEsquerda)
{
    if (largura <= 0)
        return {};
    if (texto.size() >= largura)
        return texto.left(largura);
    const QString enchimento(largura - texto.size(), caractere);
    return aEsquerda ? enchimento + texto : texto + enchimento;
}

QString CompletarZeros(const QString &texto, int largura)
{
    if (texto.size() >= largura)
        return texto;
    return QString(largura - texto.size(), QLatin1Char('0')) + texto;
}

QChar PrimeiroCaractere(const QString &texto)
{
    return texto.isEmpty() ? QLatin1Char(' ') : texto.at(0);
}

QString SubstituirTextos(const QString &texto, const QString &substituto, const QStringList &lista, bool todas)
{
    QString r = texto;
    for (const QString &item : lista) {
        if (todas) {
            if (!item.isEmpty())
                r.replace(item, substituto);
        } else if (!substituto.isEmpty()) {
            const qsizetype p = r.indexOf(substituto);
            if (p >= 0)
                r.replace(p, substituto.size(), item);
        }
    }
    return r;
}

namespace {

// Fills the "0" positions of a pattern with the text's characters, in order.
QString PreencherPadrao(const QString &padrao, const QString &texto)
{
    QString r;
    qsizetype i = 0;
    for (QChar p : padrao) {
        if (i >= texto.size())
            break;
        r += p == QLatin1Char('0') ? texto.at(i++) : p;
    }
    return r;
}

const QString kPadraoCnpj = QStringLiteral("00.000.000/0000-00");
const QString kPadraoPis = QStringLiteral("000.00000.00-0");

} // namespace

QString MascararCnpj(const QString &texto)
{
    return PreencherPadrao(kPadraoCnpj, CompletarZeros(ExtrairDigitos(texto), 14).left(14));
}

QString MascararPis(const QString &texto)
{
    if (EstaVazio(texto))
        return {};
    return PreencherPadrao(kPadraoPis, CompletarZeros(ExtrairDigitos(texto), 11).left(11));
}

QString AplicarMascara(const QString &texto, const QString &tipo)
{
    if (tipo.compare(QLatin1String("CNPJ"), Qt::CaseInsensitive) == 0)
        return PreencherPadrao(kPadraoCnpj, texto);
    if (tipo.compare(QLatin1String("PIS"), Qt::CaseInsensitive) == 0)
        return PreencherPadrao(kPadraoPis, texto);
    return texto;
}

QString FormatarProtocolo(const QString &texto)
{
    const QString t = RemoverPontos(texto);
    return QStringList{t.mid(0, 8), t.mid(8, 8), t.mid(16, 8), t.mid(24, 8)}.join(QLatin1Char('.'));
}

// ---------------------------------------------------------------------------
// Dates

Date LerData(const QString &texto, bool aaaammdd)
{
    const QString ordenado = aaaammdd ? texto.mid(6, 2) + texto.mid(4, 2) + texto.mid(0, 4) : texto;
    const QString digitos = ExtrairDigitos(ordenado).left(8);
    const qint64 n = digitos.isEmpty() ? 0 : digitos.toLongLong();
    if (n == 0)
        return DataNula;
    return DataDeNumeroDdmmaaaa(n);
}

QString ValidarTextoData(const QString &texto, bool aaaammdd)
{
    LimparErroConversao();
    const QString semData = QStringLiteral("00/00/0000");
    if (EstaVazio(texto) || texto.size() < 8)
        return semData;
    qint64 n = 0;
    if (!LerInteiroEstrito(texto, n)) {
        RegistrarErroConversao(kErroConversaoData, texto);
        return semData;
    }
    if (n == 0)
        return semData;
    if (aaaammdd) {
        // callers check the date itself with LerData
        const Date d = LerData(texto, true);
        return d.isRealDate() ? TextoData(d) : semData;
    }
    const Date d = DataDeNumeroDdmmaaaa(n);
    if (!d.isRealDate()) {
        RegistrarErroConversao(kErroConversaoData, texto);
        return semData;
    }
    return TextoData(d);
}

bool ValidarDataInformada(const QString &texto, const QString &prefixo, const QString &codigoSeVazio,
                          const QString &codigoSeInvalido)
{
    const auto mostrar = [&prefixo](const QString &codigo) {
        TUtilitarios::Instancia().MostrarMensagem(CodigoComPrefixo(prefixo, codigo), TipoMensagem::Erro,
                                                  {Botao::Ok});
        return false;
    };
    const QString digitos = ExtrairDigitos(texto);
    // "00/00/0000" is an empty date field, as LerData reads it.
    if (digitos.isEmpty() || TodosZeros(digitos, int(digitos.size()))) {
        if (codigoSeVazio.isEmpty())
            return true;
        return mostrar(codigoSeVazio);
    }
    // A partly typed date ("12/05/19") is not a date.
    if (digitos.size() < 8)
        return mostrar(codigoSeInvalido);
    ValidarTextoData(digitos, false);
    if (!ErroConversao().isEmpty())
        return mostrar(codigoSeInvalido);
    return true;
}

int ClassificarData(Date data)
{
    if (data.isNull())
        return DataAceitavel;
    if (data.isInvalid())
        return DataNaoReconhecida;
    const QDate q = data.toQDate();
    // what "dd/mm/yyyy" cannot write and read back
    if (!q.isValid() || q.year() < 1 || q.year() > 9999)
        return DataNaoReconhecida;
    if (q.year() < 1900 || q == QDate(1900, 1, 1))
        return DataAnteriorA1900;
    return DataAceitavel;
}

QString DataParaTexto(Date data)
{
    if (ClassificarData(data) != DataAceitavel)
        return {};
    if (data.isNull())
        return QStringLiteral("00/00/0000");
    return TextoData(data);
}

QString DigitosParaData(const QString &texto, bool aaaammdd)
{
    QString d = ExtrairDigitos(texto);
    if (aaaammdd && d.size() == 8)
        d = d.mid(6, 2) + d.mid(4, 2) + d.mid(0, 4);
    d = d.left(8).leftJustified(8, QLatin1Char(' '));
    return d.mid(0, 2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(4, 4);
}

QString FormatarDataArquivo(const QString &formato, bool brancoQuandoVazio, Date data)
{
    if (data.serial() > 0)
        return FormatarData(formato, data);
    return brancoQuandoVazio ? QString() : QStringLiteral("00000000");
}

int MesesEntre(Date a, Date b)
{
    return (a.year() - b.year()) * 12 + a.month() - b.month();
}

DateTime DataHoraServidor(bool comHora, TDBUtils *banco)
{
    const auto rs = BancoOuPadrao(banco).Abrir(QStringLiteral("Select current_timestamp AS DATA from rdb$database"));
    rs->first();
    const DateTime agora = rs->field(QStringLiteral("DATA")).toDateTime();
    return comHora ? agora : DateTime::fromParts(agora.date(), 0);
}

QString VersaoSistema(bool comData, TDBUtils *banco)
{
    const auto rs = BancoOuPadrao(banco).Abrir(
        QStringLiteral("SELECT CO_VERSAO_SISTEMA, DT_VERSAO_SISTEMA FROM SFGTBT22_PARAMETRO_SISTEMA "
                       "ORDER BY DT_VERSAO_SISTEMA DESC"));
    if (rs->rowCount() == 0)
        return {};
    rs->first();
    QString versao = Aparar(rs->field(QStringLiteral("CO_VERSAO_SISTEMA")).toString()) + QLatin1Char(' ');
    if (comData) {
        const QString data = DataParaTexto(rs->field(QStringLiteral("DT_VERSAO_SISTEMA")).toDate());
        if (!data.isEmpty())
            versao += QStringLiteral(" - ") + data;
    }
    return versao;
}

// ---------------------------------------------------------------------------
// Files, lists and search

void ApagarArquivosDiretorio(const QString &diretorio)
{
    // QDir("") is the working directory: never empty that by accident.
    if (Aparar(diretorio).isEmpty())
        return;
    const QDir d(diretorio);
    if (!d.exists())
        return;
    const auto arquivos = d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &f : arquivos)
        QFile::remove(f.absoluteFilePath());
}

ItensCombo ListarItensCombo(const QString &sql, bool brancoPrimeiro, bool todosPrimeiro, bool manterBrancos,
                            TDBUtils *banco)
{
    ItensCombo r;
    r.itens = LerItens(BancoOuPadrao(banco), sql, manterBrancos);
    OrdenarItens(r.itens);
    if (brancoPrimeiro && !r.itens.empty())
        r.itens.insert(r.itens.begin(), ItemCombo{});
    if (todosPrimeiro && r.itens.size() > 1)
        r.itens.insert(r.itens.begin(), ItemCombo{kItemTodos, std::nullopt});
    if (r.itens.size() == 1)
        r.selecionado = 0;
    return r;
}

ItensCombo ListarItensComboCodigo(const QString &sql, int largura, TDBUtils *banco)
{
    ItensCombo r;
    r.itens = LerItens(BancoOuPadrao(banco), sql, false);
    for (ItemCombo &i : r.itens)
        i.texto = CompletarZeros(i.texto, largura);
    OrdenarItens(r.itens);
    if (r.itens.size() == 1)
        r.selecionado = 0;
    return r;
}

bool LocalizarNoDataSet(ResultSet &dados, const QString &prefixo, bool parcial, const QString &textoBusca)
{
    const qsizetype separador = textoBusca.indexOf(QLatin1Char('-'));
    const QString chave = separador < 0 ? textoBusca : textoBusca.left(separador);
    const QString valor = separador < 0 ? QString() : textoBusca.mid(separador + 1);

    const auto tem = [&chave](const char *s) { return chave.contains(QLatin1String(s), Qt::CaseInsensitive); };
    QString coluna;
    bool numerica = false;
    if (tem("INSCRICAO")) {
        coluna = QStringLiteral("NU_INSCRICAO");
        numerica = true;
    } else if (tem("RAZAO")) {
        coluna = QStringLiteral("NO_RAZAO_SOCIAL");
    } else if (tem("NOME")) {
        coluna = QStringLiteral("NO_EMPREGADO");
    } else if (tem("PIS/PASEP")) {
        coluna = QStringLiteral("NU_PIS");
        numerica = true;
    }
    const int indice = coluna.isEmpty() ? -1 : dados.columnIndex(coluna);
    if (indice < 0)
        throw ENegocio(QStringLiteral("Campo não localizado na Coleção."));

    qint64 numero = 0;
    // A number that does not read as an integer matches nothing.
    const bool pesquisavel = !numerica || LerInteiroEstrito(valor, numero);

    const int linhaAnterior = dados.recNo();
    const bool fimAnterior = dados.eof();
    if (pesquisavel) {
        for (int linha = 0; linha < dados.rowCount(); ++linha) {
            dados.moveTo(linha);
            const Field campo = dados.field(indice);
            if (campo.isNull())
                continue;
            bool igual = false;
            if (numerica) {
                qint64 n = 0;
                igual = LerInteiroEstrito(campo.toString(), n) && n == numero;
            } else {
                // CHAR columns come padded with blanks
                const QString texto = RemoverBrancosFinais(campo.toString());
                igual = parcial ? texto.contains(valor, Qt::CaseInsensitive)
                                : texto.compare(valor, Qt::CaseInsensitive) == 0;
            }
            if (igual)
                return true;
        }
    }
    dados.setCursor(linhaAnterior, fimAnterior);
    TUtilitarios::Instancia().MostrarMensagem(CodigoComPrefixo(prefixo, QStringLiteral("0092")),
                                              TipoMensagem::Informacao, {Botao::Ok});
    return false;
}

qint64 NumeroIntegridadePacote(const QDateTime &modificacao)
{
    const QDate d = modificacao.date();
    const QTime h = modificacao.time();
    const int D[7] = {0, d.day() / 10, d.day() % 10, d.month() / 10, d.month() % 10, d.year() % 100 / 10, d.year() % 10};
    const int H[5] = {0, h.hour() / 10, h.hour() % 10, h.minute() / 10, h.minute() % 10};
    const auto pot = [](qint64 b, int e) {
        qint64 r = 1;
        while (e-- > 0)
            r *= b;
        return r;
    };
    return pot(D[2], 2) * pot(D[5], 3) * pot(D[6], 5) + qint64(D[1]) * D[3] * D[4]
         + pot(H[3], 2) * pot(H[2], 3) * pot(H[3], 5) + H[4];
}

bool ConferirPacoteIndices(const QString &arquivoDados, const QString &arquivoControle)
{
    const QFileInfo dados(arquivoDados);
    if (!dados.isFile() || !QFileInfo(arquivoControle).isFile())
        return false;
    QFile controle(arquivoControle);
    if (!controle.open(QIODevice::ReadOnly))
        return false;
    qint64 esperado = -1;
    if (!LerInteiroEstrito(QString::fromLatin1(controle.readLine()), esperado))
        esperado = -1;
    return NumeroIntegridadePacote(dados.lastModified()) == esperado;
}

} // namespace tolv
