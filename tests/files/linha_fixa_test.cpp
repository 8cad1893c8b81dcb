#include "files/linha_fixa.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolv;

namespace {

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

TEST(Windows1252, EveryByteIsOneCharacterAndComesBackUnchanged)
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(char(b));
    const QString texto = DecodificarWindows1252(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(CodificarWindows1252(texto), todos);
}

TEST(Windows1252, MapsTheCodePageCharacters)
{
    const struct {
        unsigned char byte;
        char16_t caractere;
    } casos[] = {
        {0xC7, u'Ç'}, {0xC3, u'Ã'}, {0xC9, u'É'}, {0xE7, u'ç'}, {0xBA, u'º'},
        {0x80, u'€'}, {0x93, u'“'}, {0x9F, u'Ÿ'}, {0x81, 0x0081}, {0x41, u'A'},
    };
    for (const auto &c : casos) {
        EXPECT_EQ(DecodificarWindows1252(QByteArray(1, char(c.byte))), QString(QChar(c.caractere))) << int(c.byte);
        EXPECT_EQ(CodificarWindows1252(QString(QChar(c.caractere))), QByteArray(1, char(c.byte))) << int(c.byte);
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    // U+0085 is a control character the code page replaces by "…"; a surrogate
    // pair is one character.
    EXPECT_EQ(CodificarWindows1252(U("A中B\U0001F600C") + QChar(0x0085)), QByteArray("A?B?C?"));
}

TEST(DividirLinhas, AcceptsEveryLineBreakAndNeverTrims)
{
    const struct {
        QByteArray conteudo;
        QStringList linhas;
    } casos[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\r\n", {"A"}},
        {"A\nB", {"A", "B"}},
        {"A\rB\r\n C \n", {"A", "B", " C "}},
        {"A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"\r\n", {""}},
        {"A\n\n", {"A", ""}},
        {"A\n\r", {"A", ""}},  // LF then a lone CR: two breaks
        {"   \r\n", {"   "}},
    };
    for (const auto &c : casos) {
        EXPECT_EQ(DividirLinhas(c.conteudo), c.linhas) << c.conteudo.toStdString();
        EXPECT_EQ(DividirLinhas(QString::fromLatin1(c.conteudo)), c.linhas) << c.conteudo.toStdString();
    }
}

TEST(DividirLinhas, AccentedBytesKeepTheFollowingPositions)
{
    // "10" + "AÇÃO" + "É" + "XYZ", one byte per letter.
    const QByteArray bytes = QByteArray("10A\xC7\xC3O\xC9XYZ\r\n", 12);
    const QStringList linhas = DividirLinhas(bytes);
    ASSERT_EQ(linhas.size(), 1);
    EXPECT_EQ(linhas[0].size(), 10);
    EXPECT_EQ(ExtrairCampo(linhas[0], 3, 4), U("AÇÃO"));
    EXPECT_EQ(ExtrairCampo(linhas[0], 7, 1), U("É"));
    EXPECT_EQ(ExtrairCampo(linhas[0], 8, 3), QStringLiteral("XYZ"));
}

TEST(ExtrairCampo, ReturnsExactlyTheWidthWhateverTheLine)
{
    const QString linha = QStringLiteral("ABCDEF");
    const struct {
        int posicao;
        int largura;
        const char *esperado;
    } casos[] = {
        {1, 2, "AB"}, {5, 2, "EF"}, {5, 4, "EF  "}, {7, 3, "   "}, {100, 2, "  "},
        {0, 3, " AB"}, {-5, 2, "  "}, {3, 0, ""}, {3, -1, ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(ExtrairCampo(linha, c.posicao, c.largura), QString::fromLatin1(c.esperado))
            << c.posicao << "," << c.largura;
    EXPECT_EQ(ExtrairCampo(QString(), 1, 3), QStringLiteral("   "));
}

TEST(ExtrairCampo, ToTheEndOfTheLine)
{
    const QString linha = QStringLiteral("ABCDEF  ");
    EXPECT_EQ(ExtrairAteFim(linha, 5), QStringLiteral("EF  "));
    EXPECT_EQ(ExtrairAteFim(linha, 9), QString());
    EXPECT_EQ(ExtrairAteFim(linha, 0), QString());
}

TEST(CamposGravados, TextLeftNumbersRightBothCutToWidth)
{
    EXPECT_EQ(CampoTexto(U("JOSÉ"), 6), U("JOSÉ  "));
    EXPECT_EQ(CampoTexto(QStringLiteral("ABCDEFG"), 3), QStringLiteral("ABC"));
    EXPECT_EQ(CampoNumerico(QStringLiteral("123"), 6), QStringLiteral("000123"));
    EXPECT_EQ(CampoNumerico(qint64(42), 4), QStringLiteral("0042"));
    EXPECT_EQ(CampoNumerico(QStringLiteral("1234567"), 5), QStringLiteral("12345"));
}

TEST(GravarLinhas, WritesWindows1252WithCrlf)
{
    const QStringList linhas = {U("00AÇÃO"), U("90É")};
    EXPECT_EQ(MontarConteudo(linhas), QByteArray("00A\xC7\xC3O\r\n90\xC9\r\n"));
    EXPECT_EQ(MontarConteudo(linhas, false), QByteArray("00A\xC7\xC3O\r\n90\xC9"));
    EXPECT_EQ(MontarConteudo({}), QByteArray());

    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("SAIDA.TLV"));
    ASSERT_TRUE(GravarLinhas(caminho, linhas));
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), MontarConteudo(linhas));
    f.close();
    // Read back, the positions are the same.
    EXPECT_EQ(DividirLinhas(MontarConteudo(linhas)), linhas);

    EXPECT_FALSE(GravarLinhas(dir.filePath(QStringLiteral("nao/existe/X.TLV")), linhas));
}
