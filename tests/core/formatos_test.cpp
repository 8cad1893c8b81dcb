#include "core/formatos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

using namespace tolv;

namespace {

Date D(int dia, int mes, int ano) { return Date::fromYmd(ano, mes, dia); }
QString S(const char *utf8) { return QString::fromUtf8(utf8); }

struct CasoBool {
    const char *descricao;
    bool obtido;
    bool esperado;
};

TEST(TestesDeTexto, Tabela)
{
    const CasoBool casos[] = {
        {"EhNumerico digits", EhNumerico(S("0123456789")), true},
        {"EhNumerico empty", EhNumerico(S("")), true},
        {"EhNumerico blank", EhNumerico(S("12 3")), false},
        {"EhNumerico sign", EhNumerico(S("-1")), false},
        {"EhNumerico non-ASCII digit", EhNumerico(S("١٢")), false},
        {"EhAlfabetico letters and blanks", EhAlfabetico(S("Ab Cd")), true},
        {"EhAlfabetico empty", EhAlfabetico(S("")), true},
        {"EhAlfabetico accent", EhAlfabetico(S("João")), false},
        {"EhAlfabetico digit", EhAlfabetico(S("A1")), false},
        {"TodosZeros exact", TodosZeros(S("0000"), 4), true},
        {"TodosZeros wrong length", TodosZeros(S("000"), 4), false},
        {"TodosZeros blank inside", TodosZeros(S("00 0"), 4), false},
        {"TodosNoves exact", TodosNoves(S("999"), 3), true},
        {"TodosNoves other digit", TodosNoves(S("989"), 3), false},
        {"TodosIguais empty", TodosIguais(S("")), true},
        {"TodosIguais one", TodosIguais(S("x")), true},
        {"TodosIguais same", TodosIguais(S("1111")), true},
        {"TodosIguais differ at end", TodosIguais(S("1112")), false},
        {"EstaVazio blanks", EstaVazio(S("   ")), true},
        {"EstaVazio tab and CR", EstaVazio(S("\t\r\n")), true},
        {"EstaVazio text", EstaVazio(S(" a ")), false},
        {"SemEspacosDuplos single", SemEspacosDuplos(S("A B C")), true},
        {"SemEspacosDuplos double", SemEspacosDuplos(S("A  B")), false},
        {"SemRepeticao two in a row", SemRepeticao(S("AABB"), 3), true},
        {"SemRepeticao three in a row", SemRepeticao(S("XAAAB"), 3), false},
        {"SemRepeticao case ignored", SemRepeticao(S("xAaA"), 3), false},
        {"SemRepeticao run at end", SemRepeticao(S("ABccc"), 3), false},
        {"SemRepeticao empty", SemRepeticao(S(""), 3), true},
    };
    for (const CasoBool &c : casos)
        EXPECT_EQ(c.obtido, c.esperado) << c.descricao;
}

TEST(Numeros, TextoParaValorETextoParaInteiro)
{
    struct Caso { const char *texto; double valor; };
    const Caso valores[] = {
        {"1.234,56", 1234.56}, {"12.5", 125.0}, {"12,5", 12.5}, {"-3,25", -3.25}, {" 7 ", 7.0},
        {"1.000.000", 1000000.0}, {"1e3", 1000.0}, {"", 0.0}, {"abc", 0.0}, {",", 0.0}, {"1,2,3", 0.0},
        {"nan", 0.0}, {"inf", 0.0}, {"0x10", 0.0}, {"1e999", 0.0}, {"12 5", 0.0},
    };
    for (const Caso &c : valores)
        EXPECT_EQ(TextoParaValor(S(c.texto)), c.valor) << c.texto;

    struct CasoInt { const char *texto; qint64 valor64; int valor32; };
    const CasoInt inteiros[] = {
        {"123", 123, 123}, {" 45 ", 45, 45}, {"-7", -7, -7}, {"+8", 8, 8}, {"00012", 12, 12},
        {"", 0, 0}, {"12a", 0, 0}, {"1.5", 0, 0}, {"-", 0, 0},
        {"2147483648", 2147483648LL, 0},
        {"9223372036854775807", std::numeric_limits<qint64>::max(), 0},
        {"-9223372036854775808", std::numeric_limits<qint64>::min(), 0},
        {"9223372036854775808", 0, 0},
    };
    for (const CasoInt &c : inteiros) {
        EXPECT_EQ(TextoParaInteiro64(S(c.texto)), c.valor64) << c.texto;
        EXPECT_EQ(TextoParaInteiro(S(c.texto)), c.valor32) << c.texto;
    }
    EXPECT_FALSE(ConverterInteiro64(S("x")).has_value());
    EXPECT_EQ(ConverterInteiro64(S("0")), std::optional<qint64>(0));
}

TEST(Numeros, LeitoresRegistramErroDeConversao)
{
    struct Caso { const char *texto; qint64 inteiro; const char *erro; };
    const Caso casos[] = {
        {"00123", 123, ""}, {"", 0, ""}, {"12 ", 0, "0011"}, {"-5", 0, "0011"}, {"1,5", 0, "0011"},
        {"99999999999", 0, "0011"},  // does not fit an int: not silently 0
    };
    for (const Caso &c : casos) {
        LerInteiro(S("lixo"));  // a previous error must not leak into the next reading
        EXPECT_EQ(LerInteiro(S(c.texto)), c.inteiro) << c.texto;
        EXPECT_EQ(ErroConversao(), S(c.erro)) << c.texto;
        EXPECT_EQ(ValorErroConversao(), *c.erro ? S(c.texto) : QString()) << c.texto;
    }
    EXPECT_EQ(LerInteiro64(S("99999999999")), 99999999999LL);
    EXPECT_TRUE(ErroConversao().isEmpty());
    EXPECT_EQ(LerInteiro64(S("99999999999999999999")), 0);
    EXPECT_EQ(ErroConversao(), S("0011"));

    EXPECT_EQ(LerValor(S("150")), 150.0);
    EXPECT_TRUE(ErroConversao().isEmpty());
    EXPECT_EQ(LerValor(S("1,5")), 0.0);
    EXPECT_EQ(ErroConversao(), S("0011"));
    EXPECT_EQ(ValorErroConversao(), S("1,5"));

    struct Caso15 { const char *texto; double valor; };
    const Caso15 casos15[] = {
        {"000000000100025", 1000.25}, {"000000000000000", 0.0}, {"ABCDEFGHIJ00150", 1.5},
        {"0000000001", 1000.0}, {"", 0.0}, {"000000012300000", 123000.0},
    };
    for (const Caso15 &c : casos15) {
        LerInteiro(S("lixo"));
        EXPECT_DOUBLE_EQ(LerValor15(S(c.texto)), c.valor) << c.texto;
        EXPECT_TRUE(ErroConversao().isEmpty()) << c.texto;
    }
}

TEST(Numeros, ErroDeConversaoEhDeCadaThread)
{
    LerInteiro(S("1"));
    QString erroNoTrabalhador;
    std::thread trabalhador([&] {
        LerInteiro(S("x"));
        erroNoTrabalhador = ErroConversao();
    });
    trabalhador.join();
    EXPECT_EQ(erroNoTrabalhador, S("0011"));
    EXPECT_TRUE(ErroConversao().isEmpty());
}

TEST(Numeros, Formatacao)
{
    struct Caso { double valor; const char *moeda; const char *ponto; };
    const Caso casos[] = {
        {1234.5, "1.234,50", "1234.50"},
        {0.0, "0,00", "0.00"},
        {-1234567.891, "-1.234.567,89", "-1234567.89"},
        {100.0, "100,00", "100.00"},
        {1000.0, "1.000,00", "1000.00"},
        {1.005, "1,01", "1.01"},            // rounds as the value reads, not its binary residue
        {0.125, "0,13", "0.13"},
        {999.995, "1.000,00", "1000.00"},
        {-0.001, "0,00", "0.00"},           // no "-0,00"
        {0.29, "0,29", "0.29"},
        {1e15, "1.000.000.000.000.000,00", "1000000000000000.00"},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(FormatarMoeda(c.valor), S(c.moeda)) << c.valor;
        EXPECT_EQ(FormatarDecimalPonto(c.valor), S(c.ponto)) << c.valor;
    }
    EXPECT_EQ(FormatarMoeda(Money::fromCentavos(-123456789)), S("-1.234.567,89"));
    EXPECT_EQ(FormatarDecimalPonto(Money::fromCentavos(5)), S("0.05"));
    EXPECT_EQ(FormatarMoeda(Money::fromCentavos(std::numeric_limits<qint64>::min())),
              S("-92.233.720.368.547.758,08"));

    EXPECT_EQ(FormatarInteiro12(1234), S("000000001234"));
    EXPECT_EQ(FormatarInteiro12(0), S("000000000000"));
    EXPECT_EQ(FormatarInteiro12(1234567890123), S("1234567890123"));
    EXPECT_EQ(FormatarInteiro12(-5), S("-000000000005"));

    EXPECT_EQ(TextoSePositivo(S("0012")), S("0012"));
    EXPECT_EQ(TextoSePositivo(S("0")), QString());
    EXPECT_EQ(TextoSePositivo(S("-1")), QString());
    EXPECT_EQ(TextoSePositivo(S("x")), QString());
    EXPECT_EQ(NumeroOuTexto(S(""), 5), S("5"));
    EXPECT_EQ(NumeroOuTexto(S("-"), 0), S("-"));
    EXPECT_EQ(JuntarInteiros(QList<int>{1, 2, 3}), S("1,2,3"));
    EXPECT_EQ(JuntarInteiros(QList<qint64>{12345678901LL}), S("12345678901"));
    EXPECT_EQ(JuntarInteiros(QList<int>{}), QString());
}

TEST(Numeros, TruncarValorCortaSemArredondar)
{
    struct Caso { int decimais; double valor; double esperado; };
    const Caso casos[] = {
        {2, 0.29, 0.29},
        {2, 1.999, 1.99},
        {2, -1.999, -1.99},
        {2, 5.55e-17, 0.0},
        {2, 1e-13, 0.0},
        {2, -1e-13, 0.0},
        {2, 0.1 + 0.2, 0.3},
        {2, 123456789.125, 123456789.12},
        {4, 2.71828, 2.7182},
        {0, 9.99, 9.0},
        {2, 1e20, 1e20},
        {2, -1e300, -1e300},
        {2, 1.7976931348623157e308, 1.7976931348623157e308},
        {2, std::numeric_limits<double>::quiet_NaN(), 0.0},
    };
    for (const Caso &c : casos) {
        const double r = TruncarValor(c.decimais, c.valor);
        EXPECT_EQ(r, c.esperado) << c.valor << " / " << c.decimais;
        EXPECT_FALSE(std::signbit(r) && r == 0.0) << "negative zero for " << c.valor;
    }
    EXPECT_EQ(TruncarMoeda(1.999), Money::fromCentavos(199));
    EXPECT_EQ(TruncarMoeda(-0.299999), Money::fromCentavos(-29));
}

TEST(FormatoDeTexto, LarguraFixaNuncaPassaDaLargura)
{
    struct Caso { const char *texto; QChar enchimento; int largura; bool esquerda; const char *esperado; };
    const Caso casos[] = {
        {"ABC", QLatin1Char(' '), 5, true, "  ABC"},
        {"ABC", QLatin1Char(' '), 5, false, "ABC  "},
        {"ABCDEF", QLatin1Char(' '), 3, true, "ABC"},
        {"ABCDEF", QLatin1Char(' '), 3, false, "ABC"},
        {"", QLatin1Char(' '), 2, false, "  "},
        {"ABC", QLatin1Char(' '), 0, true, ""},
        {"ABC", QLatin1Char(' '), -1, true, ""},
        {"12", QLatin1Char('0'), 5, true, "00012"},
        {"123456", QLatin1Char('0'), 4, true, "1234"},
        {"12", QLatin1Char('*'), 4, false, "12**"},
    };
    for (const Caso &c : casos) {
        const QString r = PreencherTexto(S(c.texto), c.enchimento, c.largura, c.esquerda);
        EXPECT_EQ(r, S(c.esperado)) << c.texto << " " << c.largura;
        EXPECT_EQ(r.size(), std::max(0, c.largura));
        if (c.enchimento == QLatin1Char(' ')) {
            EXPECT_EQ(AjustarTamanho(S(c.texto), c.largura, c.esquerda), r);
        }
    }
    EXPECT_EQ(CompletarZeros(S("12"), 4), S("0012"));
    EXPECT_EQ(CompletarZeros(S("12345"), 4), S("12345"));
    EXPECT_EQ(PrimeiroCaractere(S("")), QLatin1Char(' '));
    EXPECT_EQ(PrimeiroCaractere(S("AB")), QLatin1Char('A'));
    EXPECT_EQ(ExtrairDigitos(S("a1.b2-3 ")), S("123"));
    EXPECT_EQ(RemoverPontos(S("1.234.5")), S("12345"));
    EXPECT_EQ(Aparar(S("\t A B \r\n")), S("A B"));
}

TEST(FormatoDeTexto, SubstituirTextos)
{
    struct Caso { const char *texto; const char *substituto; QStringList lista; bool todas; const char *esperado; };
    const Caso casos[] = {
        {"a-b/c-d", "", {S("-"), S("/")}, true, "abcd"},
        {"& e &", "&", {S("X"), S("Y")}, false, "X e Y"},
        {"& e &", "&", {S("X")}, false, "X e &"},
        {"&", "&", {S("X"), S("Y")}, false, "X"},
        {"&", "&", {S("A&"), S("B")}, false, "AB"},  // an item holding the placeholder takes the next one
        {"abc", "x", {S("")}, true, "abc"},          // an empty pattern changes nothing
        {"abc", "", {S("Q")}, false, "abc"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(SubstituirTextos(S(c.texto), S(c.substituto), c.lista, c.todas), S(c.esperado)) << c.texto;
}

TEST(FormatoDeTexto, Mascaras)
{
    struct Caso { QString obtido; const char *esperado; };
    const Caso casos[] = {
        {MascararCnpj(S("11222333000181")), "11.222.333/0001-81"},
        {MascararCnpj(S("1222333000181")), "01.222.333/0001-81"},
        {MascararCnpj(S("11.222.333/0001-81")), "11.222.333/0001-81"},
        {MascararCnpj(S("")), "00.000.000/0000-00"},
        {MascararPis(S("12345678901")), "123.45678.90-1"},
        {MascararPis(S("123")), "000.00000.12-3"},
        {MascararPis(S("  ")), ""},
        {AplicarMascara(S("11222333000181"), S("CNPJ")), "11.222.333/0001-81"},
        {AplicarMascara(S("1122"), S("CNPJ")), "11.22"},
        {AplicarMascara(S("12"), S("CNPJ")), "12"},
        {AplicarMascara(S("112223330001819"), S("CNPJ")), "11.222.333/0001-81"},
        {AplicarMascara(S("1234"), S("PIS")), "123.4"},
        {AplicarMascara(S("12345678901"), S("PIS")), "123.45678.90-1"},
        {AplicarMascara(S(""), S("PIS")), ""},
        {AplicarMascara(S("abc"), S("OUTRO")), "abc"},
        {FormatarProtocolo(S("12345678876543210ABCDEFGHGFEDCBA")), "12345678.87654321.0ABCDEFG.HGFEDCBA"},
        {FormatarProtocolo(S("12345678.87654321.0ABCDEFG.HGFEDCBA")), "12345678.87654321.0ABCDEFG.HGFEDCBA"},
        {FormatarProtocolo(S("123")), "123..."},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(c.obtido, S(c.esperado));
}

TEST(Datas, LerData)
{
    struct Caso { const char *texto; bool aaaammdd; Date esperado; };
    const Caso casos[] = {
        {"31122007", false, D(31, 12, 2007)},
        {"31/12/2007", false, D(31, 12, 2007)},
        {"20071231", true, D(31, 12, 2007)},
        {"1012007", false, D(1, 1, 2007)},       // seven digits read as a number
        {"3112200799", false, D(31, 12, 2007)},  // only the first eight digits
        {"01011899", false, D(1, 1, 1899)},
        {"00000000", false, DataNula},
        {"00/00/0000", false, DataNula},
        {"", false, DataNula},
        {"", true, DataNula},
        {"31022007", false, DataInvalida},
        {"32012007", false, DataInvalida},
        {"01010000", false, DataInvalida},  // no year 0
        {"99999999", false, DataInvalida},
        {"20070231", true, DataInvalida},
        {"2007", true, DataInvalida},
        {"29022008", false, D(29, 2, 2008)},
        {"29022007", false, DataInvalida},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(LerData(S(c.texto), c.aaaammdd).serial(), c.esperado.serial()) << c.texto;
}

TEST(Datas, ValidarTextoData)
{
    struct Caso { const char *texto; bool aaaammdd; const char *retorno; const char *erro; };
    const Caso casos[] = {
        {"", false, "00/00/0000", ""},
        {"        ", false, "00/00/0000", ""},
        {"1234567", false, "00/00/0000", ""},  // short: accepted as no date
        {"00000000", false, "00/00/0000", ""},
        {"31122007", false, "31/12/2007", ""},
        {"3112200A", false, "00/00/0000", "0212"},
        {"31022007", false, "00/00/0000", "0212"},
        {"-1122007", false, "00/00/0000", "0212"},
        {"123456789", false, "00/00/0000", "0212"},
        {"20071231", true, "31/12/2007", ""},
        {"20070231", true, "00/00/0000", ""},   // yyyymmdd: the date itself is the caller's test
        {"2007123A", true, "00/00/0000", "0212"},
    };
    for (const Caso &c : casos) {
        LerInteiro(S("lixo"));
        EXPECT_EQ(ValidarTextoData(S(c.texto), c.aaaammdd), S(c.retorno)) << c.texto;
        EXPECT_EQ(ErroConversao(), S(c.erro)) << c.texto;
        EXPECT_EQ(ValorErroConversao(), *c.erro ? S(c.texto) : QString()) << c.texto;
    }
}

TEST(Datas, ClassificarEFormatar)
{
    struct Caso { Date data; int classe; const char *texto; };
    const Caso casos[] = {
        {DataNula, 0, "00/00/0000"},
        {DataInvalida, 1, ""},
        {Date(-695000), 1, ""},   // before year 1
        {Date(3000000), 1, ""},   // after year 9999
        {Date(0), 2, ""},         // a NULL column
        {D(31, 12, 1899), 2, ""},
        {D(1, 1, 1900), 2, ""},
        {D(2, 1, 1900), 0, "02/01/1900"},
        {D(13, 11, 2017), 0, "13/11/2017"},
        {D(5, 3, 999), 2, ""},
        {D(31, 12, 9999), 0, "31/12/9999"},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(ClassificarData(c.data), c.classe) << c.data.serial();
        EXPECT_EQ(DataParaTexto(c.data), S(c.texto)) << c.data.serial();
    }

    EXPECT_EQ(DigitosParaData(S("31122007"), false), S("31/12/2007"));
    EXPECT_EQ(DigitosParaData(S("31.12.2007"), false), S("31/12/2007"));
    EXPECT_EQ(DigitosParaData(S("20071231"), true), S("31/12/2007"));
    EXPECT_EQ(DigitosParaData(S("3112"), false), S("31/12/    "));
    EXPECT_EQ(DigitosParaData(S(""), true), S("  /  /    "));

    struct CasoArquivo { const char *formato; bool branco; Date data; const char *esperado; };
    const CasoArquivo arquivos[] = {
        {"ddmmyyyy", false, D(13, 11, 2017), "13112017"},
        {"yyyymmdd", true, D(13, 11, 2017), "20171113"},
        {"ddmmyyyy", false, DataNula, "00000000"},
        {"ddmmyyyy", false, Date(0), "00000000"},
        {"ddmmyyyy", true, Date(0), ""},
        {"ddmmyyyy", true, DataInvalida, ""},
    };
    for (const CasoArquivo &c : arquivos)
        EXPECT_EQ(FormatarDataArquivo(S(c.formato), c.branco, c.data), S(c.esperado)) << c.data.serial();

    EXPECT_EQ(MesesEntre(D(15, 3, 2008), D(20, 11, 2007)), 4);
    EXPECT_EQ(MesesEntre(D(20, 11, 2007), D(15, 3, 2008)), -4);
    EXPECT_EQ(MesesEntre(D(31, 1, 2008), D(1, 1, 2008)), 0);
}

TEST(Arquivos, ApagarArquivosDiretorioPreservaSubpastas)
{
    QTemporaryDir tmp;
    QDir raiz(tmp.path());
    raiz.mkpath(QStringLiteral("sub"));
    for (const char *nome : {"a.txt", "semextensao", ".oculto", "sub/dentro.txt"}) {
        QFile f(raiz.filePath(S(nome)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    ApagarArquivosDiretorio(tmp.path());
    EXPECT_FALSE(QFile::exists(raiz.filePath(S("a.txt"))));
    EXPECT_FALSE(QFile::exists(raiz.filePath(S("semextensao"))));
    EXPECT_FALSE(QFile::exists(raiz.filePath(S(".oculto"))));
    EXPECT_TRUE(QFile::exists(raiz.filePath(S("sub/dentro.txt"))));

    const QString ausente = raiz.filePath(S("ausente"));
    ApagarArquivosDiretorio(ausente);
    EXPECT_FALSE(QFileInfo::exists(ausente));  // never created
}

TEST(Arquivos, ConferirPacoteIndices)
{
    // 25/07/2014 13:47: D = 250714, H = 1347 -> 5²·1³·4⁵ + 2·0·7 + 4²·3³·4⁵ + 7
    const QDateTime quando(QDate(2014, 7, 25), QTime(13, 47, 31));
    EXPECT_EQ(NumeroIntegridadePacote(quando), 467975);
    // 09/12/2011 08:05: D = 091211, H = 0805 -> 9²·1³·1⁵ + 0·1·2 + 0 + 5
    EXPECT_EQ(NumeroIntegridadePacote(QDateTime(QDate(2011, 12, 9), QTime(8, 5))), 86);

    QTemporaryDir tmp;
    const QString dados = QDir(tmp.path()).filePath(S("PRORATA.txt"));
    const QString controle = QDir(tmp.path()).filePath(S("PRORATA.ctl"));
    {
        QFile f(dados);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("conteudo\n");
        f.flush();  // a later flush on close would move the time again
        ASSERT_TRUE(f.setFileTime(quando, QFileDevice::FileModificationTime));
    }
    const auto escreverControle = [&](const QByteArray &conteudo) {
        QFile f(controle);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
    };
    struct Caso { QByteArray controle; bool esperado; };
    const Caso casos[] = {
        {"467975\r\nsegunda linha\r\n", true},
        {"0000000467975\n", true},
        {"467976\n", false},
        {"abc\n", false},
        {"", false},
    };
    for (const Caso &c : casos) {
        escreverControle(c.controle);
        EXPECT_EQ(ConferirPacoteIndices(dados, controle), c.esperado) << c.controle.constData();
    }
    escreverControle("467975\n");
    EXPECT_FALSE(ConferirPacoteIndices(dados + S(".x"), controle));
    EXPECT_FALSE(ConferirPacoteIndices(dados, controle + S(".x")));
}

} // namespace
