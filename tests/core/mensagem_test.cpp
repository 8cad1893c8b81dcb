#include "core/errors.h"
#include "core/mensagem.h"
#include "core/utilitarios.h"
#include "support/test_support.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

ConsultaCatalogo catalogo()
{
    return [](const QString &numero) -> std::optional<QString> {
        if (numero == QLatin1String("0108"))
            return QStringLiteral("Data & inválida");
        if (numero == QLatin1String("0200"))
            return QStringLiteral("De & até &");
        return std::nullopt;
    };
}

TEST(ComporMensagem, Cases)
{
    struct Case {
        const char *codigo;
        QStringList valores;
        const char *literal;
        const char *texto;
        TipoMensagem tipo;
    };
    const Case cases[] = {
        {"FE0108", {QStringLiteral("X")}, "", "FE0108 - Data X inválida", TipoMensagem::Aviso},
        {"0108", {QStringLiteral("X")}, "", "Data X inválida", TipoMensagem::Aviso},
        {"E0108", {}, "", "Data & inválida", TipoMensagem::Aviso},
        {"0200", {QStringLiteral("1")}, "", "De 1 até &", TipoMensagem::Aviso},
        {"0200", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, "", "De 1 até 2", TipoMensagem::Aviso},
        // a value holding "&" is shown as it is
        {"0200", {QStringLiteral("A & B"), QStringLiteral("C")}, "", "De A & B até C", TipoMensagem::Aviso},
        {"0200", {QString(), QString()}, "", "De  até ", TipoMensagem::Aviso},
        {"0999", {}, "", "Mensagem não encontrada - 0999", TipoMensagem::Erro},
        {"FE0999", {}, "texto livre &", "texto livre &", TipoMensagem::Aviso},
        {"99ABCD", {}, "", "Mensagem não encontrada - 99ABCD", TipoMensagem::Erro},
    };
    for (const Case &c : cases) {
        const auto m = ComporMensagem(QString::fromUtf8(c.codigo), TipoMensagem::Aviso, c.valores,
                                      QString::fromUtf8(c.literal), catalogo());
        EXPECT_EQ(m.texto, QString::fromUtf8(c.texto)) << c.codigo;
        EXPECT_EQ(m.tipo, c.tipo) << c.codigo;
    }
}

TEST(ComporMensagem, NonNumericCodeIsNotLookedUp)
{
    bool asked = false;
    const ConsultaCatalogo spy = [&](const QString &) -> std::optional<QString> {
        asked = true;
        return QStringLiteral("x");
    };
    ComporMensagem(QStringLiteral("FE01A8"), TipoMensagem::Erro, {}, {}, spy);
    EXPECT_FALSE(asked);
}

TEST(ComporMensagem, UnreachableCatalogAndEmptyCode)
{
    const ConsultaCatalogo broken = [](const QString &) -> std::optional<QString> {
        throw DatabaseError(QStringLiteral("down"));
    };
    const auto m = ComporMensagem(QStringLiteral("0108"), TipoMensagem::Informacao, {}, {}, broken);
    EXPECT_EQ(m.texto, QStringLiteral("Não foi possível acessar a base de dados"));
    EXPECT_EQ(m.tipo, TipoMensagem::Erro);
    try {
        ComporMensagem(QStringLiteral("  "), TipoMensagem::Erro, {}, {}, broken);
        FAIL();
    } catch (const ENegocio &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Código de mensagem inválida: ''"));
    }
}

TEST(CodigoMensagem, ShortCodesWidenBeforeThePrefix)
{
    EXPECT_EQ(CodigoComPrefixo(QStringLiteral("99"), QStringLiteral("14")), QStringLiteral("990014"));
    EXPECT_EQ(CodigoComPrefixo(QStringLiteral("FE"), QStringLiteral("144")), QStringLiteral("FE0144"));
    EXPECT_EQ(CodigoComPrefixo(QStringLiteral("FE"), QStringLiteral("0062")), QStringLiteral("FE0062"));
    EXPECT_EQ(ResultadoBotao(Botao::Sim), 6);
    EXPECT_EQ(ResultadoBotao(Botao::SimParaTodos), 10);
    EXPECT_EQ((Botoes{Botao::Nao, Botao::Sim}.emOrdem()), (std::vector<Botao>{Botao::Sim, Botao::Nao}));
}

class UtilitariosTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        db->Executar(QStringLiteral(
            "CREATE TABLE SFGTBT13_MENSAGEM_SISTEMA (NU_MENSAGEM INTEGER NOT NULL PRIMARY KEY, DE_MENSAGEM VARCHAR(500))"));
        db->Executar(QStringLiteral("INSERT INTO SFGTBT13_MENSAGEM_SISTEMA VALUES (78, 'Registro incluído.')"));
        TUtilitarios::Instancia().DefinirBanco(db.get());
    }
    void TearDown() override { TUtilitarios::Instancia().DefinirBanco(nullptr); }

    QString errorLog()
    {
        QFile f(home.path(QStringLiteral("LogErro.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

TEST_F(UtilitariosTest, ShowsThroughThePresenterAndReturnsTheAnswer)
{
    presenter.answers = {7};
    EXPECT_EQ(TUtilitarios::Instancia().MostrarMensagem(QStringLiteral("000078"), TipoMensagem::Confirmacao,
                                                        {Botao::Sim, Botao::Nao}, {}, Botao::Sim),
              7);
    TUtilitarios::Instancia().MostrarMensagemPadrao(QStringLiteral("10"), 0);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].texto, QStringLiteral("000078 - Registro incluído."));
    EXPECT_EQ(presenter.shown[0].padrao, Botao::Sim);
    EXPECT_EQ(presenter.shown[1].texto, QStringLiteral("100078 - Registro incluído."));
    EXPECT_EQ(presenter.shown[1].tipo, TipoMensagem::Informacao);
}

TEST_F(UtilitariosTest, GlobalHandlerAppendsTheLogBlockAndShowsTheFixedText)
{
    TUtilitarios::Instancia().TratarExcecao(DatabaseError(QStringLiteral("lock conflict")));
    const QString log = errorLog();
    const QString rule(68, QLatin1Char('-'));
    EXPECT_TRUE(log.startsWith(QStringLiteral("\r\n") + rule + QStringLiteral("\r\nData e Hora: "))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("\r\nErro: Ocorreu um erro ao tentar acessar o banco de dados.\r\n"
                                            "Erro Técnico: lock conflict\r\nTipo de Erro: DatabaseError\r\n")
                             + rule + QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(log.contains(QStringLiteral("Form: ")));  // no active window
    ASSERT_EQ(presenter.systemErrors.size(), 1u);
    EXPECT_EQ(presenter.systemErrors[0].first, QStringLiteral("Ocorreu um erro ao tentar acessar o banco de dados."));
    EXPECT_EQ(presenter.systemErrors[0].second, QStringLiteral("TOLV Eletrônica"));
}

TEST_F(UtilitariosTest, SilentAbortIsSwallowed)
{
    TUtilitarios::Instancia().TratarExcecao(EAbort());
    EXPECT_TRUE(errorLog().isEmpty());
    EXPECT_TRUE(presenter.systemErrors.empty());
}

TEST(LogErro, BlockNamesWindowAndControlWhenKnown)
{
    const QString b = MontarBlocoLogErro(QStringLiteral("01/02/2003 04:05:06"), QStringLiteral("x"),
                                         QStringLiteral("ENegocio"), QStringLiteral("frmPrincipal"),
                                         QStringLiteral("tvCadastro"));
    EXPECT_TRUE(b.contains(QStringLiteral("Tipo de Erro: ENegocio\r\nForm: frmPrincipal\r\nControle: tvCadastro\r\n")));
}

} // namespace
