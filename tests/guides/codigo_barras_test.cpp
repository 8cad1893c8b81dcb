#include "guides/codigo_barras.h"

#include <gtest/gtest.h>

using namespace tolv;

namespace {

class RelogioFixo : public RelogioGuia {
public:
    explicit RelogioFixo(DateTime t) : agora(t) {}
    DateTime Agora() const override { return agora; }
    void EsperarUmSegundo() const override { ++esperas; }
    DateTime agora;
    mutable int esperas = 0;
};

DateTime momento(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return DateTime::fromParts(Date::fromYmd(y, mo, d), ((h * 60 + mi) * 60 + s) * 1000 + ms);
}

TEST(CodigoBarras, Modulo11)
{
    struct Case { const char *digitos; const char *dv; };
    const Case cases[] = {
        {"99999999999", "7"},
        {"0", "0"},            // sum 0: remainder 0
        {"5", "1"},            // 5 x 2 = 10: remainder 10 -> 11 - 10
        {"1", "9"},            // 1 x 2 = 2 -> 11 - 2
        {"00000000006", "0"},  // 6 x 2 = 12: remainder 1 -> 0, never "10"
        {"123456789012", "3"},  // sum 272, remainder 8
    };
    for (const Case &c : cases)
        EXPECT_EQ(DigitoModulo11(QString::fromLatin1(c.digitos)), QLatin1String(c.dv)) << c.digitos;
    EXPECT_EQ(LinhaDigitavel(QString(44, QLatin1Char('9'))), kCodigoProvisorio);
}

TEST(CodigoBarras, IdentifierAndBarcodeWithAFixedClock)
{
    RelogioFixo relogio(momento(2025, 1, 1, 0, 0, 5));
    const QString id = NovoIdentificadorGuia(12345678000195LL, relogio);
    EXPECT_EQ(id, QStringLiteral("001500005") + QStringLiteral("2345678") + QStringLiteral("1"));
    EXPECT_EQ(relogio.esperas, 1);

    // a 12-digit CEI is padded to 14: characters 2-8 are "0" and its first six digits
    relogio.agora = momento(2024, 12, 31, 23, 59, 59);
    EXPECT_EQ(NovoIdentificadorGuia(123456789012LL, relogio), QStringLiteral("366486399") + QStringLiteral("0123456") + QStringLiteral("1"));

    relogio.agora = momento(2025, 1, 1, 0, 0, 5);
    const QString cb = MontarCodigoBarras(12345678000195LL, Date::fromYmd(2025, 1, 15), Money::fromCentavos(123456), relogio);
    ASSERT_EQ(cb.size(), 44);
    EXPECT_EQ(cb.left(3), QStringLiteral("858"));
    EXPECT_EQ(cb.mid(4, 11), QStringLiteral("00000123456"));
    EXPECT_EQ(cb.mid(15, 4), QStringLiteral("0239"));
    EXPECT_EQ(cb.mid(19, 8), QStringLiteral("20250115"));
    EXPECT_EQ(cb.mid(27), id);
    EXPECT_EQ(cb.mid(3, 1), DigitoModulo11(cb.left(3) + cb.mid(4)));
}

TEST(CodigoBarras, DigitableLineRoundTripsAndValidates)
{
    RelogioFixo relogio(momento(2023, 6, 30, 14, 3, 7));
    const QString cb = MontarCodigoBarras(11222333000181LL, Date::fromYmd(2023, 7, 10), Money::fromCentavos(98765), relogio);
    const QString linha = LinhaDigitavel(cb);
    ASSERT_EQ(linha.size(), 48);
    EXPECT_EQ(CodigoBarrasDaLinha(linha), cb);
    EXPECT_EQ(DigitosLinhaDigitavel(cb), QString(linha.at(11)) + linha.at(23) + linha.at(35) + linha.at(47));
    EXPECT_TRUE(ValidarLinhaDigitavel(linha));

    QString typed = linha;
    typed.insert(12, QStringLiteral(". ")).insert(5, QLatin1Char('.'));
    EXPECT_TRUE(ValidarLinhaDigitavel(typed));

    QString altered = linha;
    altered[2] = altered[2] == QLatin1Char('1') ? QLatin1Char('2') : QLatin1Char('1');
    EXPECT_FALSE(ValidarLinhaDigitavel(altered));
    EXPECT_FALSE(ValidarLinhaDigitavel(linha.left(47)));
    EXPECT_FALSE(ValidarLinhaDigitavel(linha + QLatin1Char('0')));
    EXPECT_EQ(LinhaDigitavel(cb.left(43) + QLatin1Char('X')), QString());
}

TEST(CodigoBarras, RenewalKeepsValueAndDate)
{
    RelogioFixo relogio(momento(2023, 6, 30, 14, 3, 7));
    const QString cb = MontarCodigoBarras(11222333000181LL, Date::fromYmd(2023, 7, 10), Money::fromCentavos(98765), relogio);
    relogio.agora = momento(2023, 7, 2, 9, 0, 0);
    const QString novo = RenovarCodigoBarras(cb, 11222333000181LL, relogio);
    ASSERT_EQ(novo.size(), 44);
    EXPECT_EQ(novo.left(3), cb.left(3));
    EXPECT_EQ(novo.mid(4, 23), cb.mid(4, 23));
    EXPECT_NE(novo.mid(27), cb.mid(27));
    EXPECT_EQ(novo.mid(3, 1), DigitoModulo11(novo.left(3) + novo.mid(4)));
}

TEST(CodigoBarras, FileIdentifier)
{
    const DateTime t = momento(2020, 2, 3, 4, 5, 6, 78);
    EXPECT_EQ(IdentificadorArquivo(QString(), t), QStringLiteral("20200203040506078") + QString(13, QLatin1Char('0')));
    EXPECT_EQ(IdentificadorArquivo(QStringLiteral("AB"), t), QStringLiteral("20200203040506078") + QStringLiteral("0000000000131"));
    const QString longo(2000, QLatin1Char('z'));  // 2000 x 122 = 244000, kept to 16 bits
    EXPECT_EQ(IdentificadorArquivo(longo, t).right(13), QStringLiteral("%1").arg(244000 % 65536, 13, 10, QLatin1Char('0')));
}

} // namespace
