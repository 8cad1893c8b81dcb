#include "core/errors.h"
#include "core/formatos.h"
#include "core/result_set.h"
#include "core/utilitarios.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <cstdlib>

using namespace tolv;
using namespace tolv::test;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

// One database for the whole suite: only the tables these routines read.
class FormatosBanco : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        home = new TempProgramDir;
        db = OpenEmptyDatabase(home->path(QStringLiteral("VESK/BD/TOLV.FDB"))).release();
        for (const char *sql : {
                 "CREATE TABLE SFGTBT13_MENSAGEM_SISTEMA (NU_MENSAGEM INTEGER NOT NULL PRIMARY KEY, "
                 "DE_MENSAGEM VARCHAR(200))",
                 "CREATE TABLE SFGTBT22_PARAMETRO_SISTEMA (CO_VERSAO_SISTEMA CHAR(10), DT_VERSAO_SISTEMA DATE)",
                 "CREATE TABLE UF_TESTE (NO_UF VARCHAR(30), NU_UF INTEGER)",
                 "CREATE TABLE CODIGO_TESTE (CO_CODIGO VARCHAR(10))",
             })
            db->Executar(S(sql));
        for (const char *sql : {
                 "INSERT INTO SFGTBT13_MENSAGEM_SISTEMA VALUES (92, 'Nenhum registro encontrado.')",
                 "INSERT INTO SFGTBT13_MENSAGEM_SISTEMA VALUES (329, 'Informe a data.')",
                 "INSERT INTO SFGTBT13_MENSAGEM_SISTEMA VALUES (55, 'Data inválida.')",
                 "INSERT INTO SFGTBT22_PARAMETRO_SISTEMA VALUES ('2.0.4', '2016-01-20')",
                 "INSERT INTO SFGTBT22_PARAMETRO_SISTEMA VALUES ('2.0.5', '2017-11-13')",
                 "INSERT INTO UF_TESTE VALUES ('SP', 3)",
                 "INSERT INTO UF_TESTE VALUES ('  Amapá ', 2)",
                 "INSERT INTO UF_TESTE VALUES ('bahia', 4)",
                 "INSERT INTO UF_TESTE VALUES ('Acre', 1)",
                 "INSERT INTO CODIGO_TESTE VALUES ('7')",
                 "INSERT INTO CODIGO_TESTE VALUES ('12')",
                 "INSERT INTO CODIGO_TESTE VALUES ('3')",
             })
            db->Executar(S(sql));
    }

    static void TearDownTestSuite()
    {
        delete db;
        db = nullptr;
        delete home;
        home = nullptr;
    }

    void SetUp() override { TUtilitarios::Instancia().DefinirBanco(db); }
    void TearDown() override { TUtilitarios::Instancia().DefinirBanco(nullptr); }

    static TempProgramDir *home;
    static TIbxUtils *db;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

TempProgramDir *FormatosBanco::home = nullptr;
TIbxUtils *FormatosBanco::db = nullptr;

TEST_F(FormatosBanco, VersaoSistemaDaLinhaMaisNova)
{
    EXPECT_EQ(VersaoSistema(true, db), S("2.0.5  - 13/11/2017"));
    EXPECT_EQ(VersaoSistema(false, db), S("2.0.5 "));

    db->Executar(S("UPDATE SFGTBT22_PARAMETRO_SISTEMA SET DT_VERSAO_SISTEMA = NULL"));
    const QString semData = VersaoSistema(true, db);  // a NULL date loads as day 0, which is not shown
    EXPECT_TRUE(semData == S("2.0.5 ") || semData == S("2.0.4 ")) << semData.toStdString();
    db->Executar(S("DELETE FROM SFGTBT22_PARAMETRO_SISTEMA"));
    EXPECT_EQ(VersaoSistema(true, db), QString());
    db->Executar(S("INSERT INTO SFGTBT22_PARAMETRO_SISTEMA VALUES ('2.0.4', '2016-01-20')"));
    db->Executar(S("INSERT INTO SFGTBT22_PARAMETRO_SISTEMA VALUES ('2.0.5', '2017-11-13')"));
}

TEST_F(FormatosBanco, DataHoraServidor)
{
    const DateTime agora = DateTime::currentDateTime();
    const DateTime servidor = DataHoraServidor(true, db);
    EXPECT_LT(std::llabs(servidor.msecs() - agora.msecs()), 60000);
    const DateTime so = DataHoraServidor(false, db);
    EXPECT_EQ(so.msecsOfDay(), 0);
    EXPECT_EQ(so.date(), servidor.date());
}

TEST_F(FormatosBanco, ItensDeCombo)
{
    using Itens = std::vector<ItemCombo>;
    const QString sql = S("SELECT NO_UF, NU_UF FROM UF_TESTE");
    const Itens ordenados = {{S("Acre"), 1}, {S("Amapá"), 2}, {S("bahia"), 4}, {S("SP"), 3}};

    struct Caso { bool branco, todos; Itens prefixo; };
    const Caso casos[] = {
        {false, false, {}},
        {true, false, {{QString(), std::nullopt}}},
        {false, true, {{S("Todos"), std::nullopt}}},
        {true, true, {{S("Todos"), std::nullopt}, {QString(), std::nullopt}}},
    };
    for (const Caso &c : casos) {
        const ItensCombo r = ListarItensCombo(sql, c.branco, c.todos, false, db);
        Itens esperado = c.prefixo;
        esperado.insert(esperado.end(), ordenados.begin(), ordenados.end());
        EXPECT_EQ(r.itens, esperado) << c.branco << c.todos;
        EXPECT_EQ(r.selecionado, -1);
    }

    // The occupation list keeps the texts exactly as stored.
    const ItensCombo brancos = ListarItensCombo(S("SELECT NO_UF FROM UF_TESTE WHERE NU_UF = 2"), false, false, true, db);
    ASSERT_EQ(brancos.itens.size(), 1u);
    EXPECT_EQ(brancos.itens[0], (ItemCombo{S("  Amapá "), std::nullopt}));
    EXPECT_EQ(brancos.selecionado, 0);

    // One row and "Todos": nothing to choose among, so no "Todos".
    const ItensCombo um = ListarItensCombo(S("SELECT NO_UF FROM UF_TESTE WHERE NU_UF = 3"), false, true, false, db);
    EXPECT_EQ(um.itens, (Itens{{S("SP"), std::nullopt}}));
    EXPECT_EQ(um.selecionado, 0);

    const ItensCombo vazio = ListarItensCombo(S("SELECT NO_UF FROM UF_TESTE WHERE NU_UF = 0"), true, true, false, db);
    EXPECT_TRUE(vazio.itens.empty());

    const ItensCombo codigos = ListarItensComboCodigo(S("SELECT CO_CODIGO FROM CODIGO_TESTE"), 3, db);
    EXPECT_EQ(codigos.itens, (Itens{{S("003"), std::nullopt}, {S("007"), std::nullopt}, {S("012"), std::nullopt}}));
}

TEST_F(FormatosBanco, ValidarDataInformadaMostraOCodigo)
{
    struct Caso { const char *texto; const char *codigoVazio; bool valido; const char *mostrado; };
    const Caso casos[] = {
        {"13/11/2017", "0329", true, nullptr},
        {"  /  /    ", "", true, nullptr},
        {"  /  /    ", "0329", false, "400329 - Informe a data."},
        {"00/00/0000", "0329", false, "400329 - Informe a data."},  // zeros are no date
        {"31/02/2007", "0329", false, "400055 - Data inválida."},
        {"12/05/19  ", "0329", false, "400055 - Data inválida."},   // partly typed
        {"12/05/20071", "", false, "400055 - Data inválida."},
    };
    for (const Caso &c : casos) {
        presenter.shown.clear();
        EXPECT_EQ(ValidarDataInformada(S(c.texto), S("40"), S(c.codigoVazio), S("0055")), c.valido) << c.texto;
        if (!c.mostrado) {
            EXPECT_TRUE(presenter.shown.empty()) << c.texto;
            continue;
        }
        ASSERT_EQ(presenter.shown.size(), 1u) << c.texto;
        EXPECT_EQ(presenter.shown[0].texto, S(c.mostrado));
        EXPECT_EQ(presenter.shown[0].tipo, TipoMensagem::Erro);
        EXPECT_EQ(presenter.shown[0].botoes, std::vector<Botao>{Botao::Ok});
    }
}

ResultSet Trabalhadores()
{
    ResultSet rs({{S("NU_INSCRICAO"), ColumnType::BigInt}, {S("NO_RAZAO_SOCIAL"), ColumnType::Text},
                  {S("NU_PIS"), ColumnType::BigInt}, {S("NO_EMPREGADO"), ColumnType::Text}});
    rs.appendRow({qint64(11222333000181), S("EMPRESA ALFA LTDA   "), qint64(12345678901), S("JOAO SOUZA")});
    rs.appendRow({qint64(11444777000161), S("ALFA-BETA COMERCIO"), qint64(10987654321), S("Maria José")});
    rs.appendRow({qint64(191), S("GAMA"), std::monostate(), S("PEDRO")});
    return rs;
}

TEST_F(FormatosBanco, LocalizarNoDataSet)
{
    struct Caso { const char *criterio; bool parcial; int linha; };  // -1: not found
    const Caso casos[] = {
        {"INSCRICAO-00011222333000181", false, 0},  // leading zeros drop
        {"INSCRICAO-1122233300018", true, -1},      // numbers never match partly
        {"INSCRICAO-abc", false, -1},
        {"RAZAO-alfa", true, 0},
        {"RAZAO-empresa alfa ltda", false, 0},      // padding and case ignored
        {"RAZAO-ALFA", false, -1},
        {"RAZAO-ALFA-BETA", true, 1},               // the value may hold "-"
        {"NOME-JOSÉ", true, 1},
        {"NOME-maria josé", false, 1},
        {"NOME-MARIA", false, -1},
        {"PIS/PASEP-10987654321", false, 1},
        {"PIS/PASEP-0", false, -1},                 // a NULL PIS is not 0
    };
    for (const Caso &c : casos) {
        ResultSet rs = Trabalhadores();
        rs.setCursor(2, true);
        presenter.shown.clear();
        const bool achou = LocalizarNoDataSet(rs, S("CT"), c.parcial, S(c.criterio));
        EXPECT_EQ(achou, c.linha >= 0) << c.criterio;
        if (c.linha >= 0) {
            EXPECT_EQ(rs.recNo(), c.linha) << c.criterio;
            EXPECT_FALSE(rs.eof());
            EXPECT_TRUE(presenter.shown.empty());
        } else {
            EXPECT_EQ(rs.recNo(), 2) << c.criterio;
            EXPECT_TRUE(rs.eof()) << c.criterio;
            ASSERT_EQ(presenter.shown.size(), 1u) << c.criterio;
            EXPECT_EQ(presenter.shown[0].texto, S("CT0092 - Nenhum registro encontrado."));
            EXPECT_EQ(presenter.shown[0].tipo, TipoMensagem::Informacao);
        }
    }

    ResultSet rs = Trabalhadores();
    EXPECT_THROW(LocalizarNoDataSet(rs, S("CT"), true, S("CIDADE-X")), ENegocio);
    ResultSet semColuna({{S("NO_EMPREGADO"), ColumnType::Text}});
    EXPECT_THROW(LocalizarNoDataSet(semColuna, S("CT"), true, S("RAZAO-X")), ENegocio);
    ResultSet vazio({{S("NO_EMPREGADO"), ColumnType::Text}});
    EXPECT_FALSE(LocalizarNoDataSet(vazio, S("99"), true, S("NOME-X")));
}

} // namespace
