#include "core/errors.h"
#include "core/negocio.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

// A minimal business object that records how it was driven.
class Item : public TNegocio {
public:
    explicit Item(TDBUtils *db) : TNegocio(db) { Inicializar(); }
    void Inicializar() override
    {
        TNegocio::Inicializar();
        SqlSelect = QStringLiteral("SELECT ID, NOME ");
        SqlFrom = QStringLiteral("FROM ITEM ");
        Limpar();
    }
    void Limpar() override
    {
        ++limpezas;
        Id = 0;
        Nome.clear();
    }
    void CarregarCampos() override
    {
        TNegocio::CarregarCampos();
        ++cargas;
        Id = Campo(QStringLiteral("ID")).toInt();
        Nome = Campo(QStringLiteral("NOME")).toString();
    }
    void Carregar(const QString &where) { AtribuirDataSet(Banco()->Abrir(SqlSelect + SqlFrom + where)); }

    int Id = 0;
    QString Nome;
    int limpezas = 0;
    int cargas = 0;
};

class NegocioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        db->Executar(QStringLiteral("CREATE TABLE ITEM (ID INTEGER, NOME VARCHAR(10))"));
        for (int i = 1; i <= 3; ++i)
            db->Executar(QStringLiteral("INSERT INTO ITEM VALUES (%1, 'N%1')").arg(i));
    }
    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(NegocioTest, NavigationWithoutResultSetIsMisuse)
{
    Item item(db.get());
    try {
        item.IrPrimeiro();
        FAIL();
    } catch (const ENegocio &e) {
        EXPECT_EQ(e.message(), QStringLiteral("DataSet não inicializado"));
    }
    EXPECT_THROW(item.Fim(), ENegocio);
    EXPECT_THROW(item.IrProximo(), ENegocio);
    EXPECT_THROW(item.QuantidadeRegistros(), ENegocio);
    EXPECT_THROW(item.LocalizarValor(QStringLiteral("ID"), QStringLiteral("1")), ENegocio);
}

TEST_F(NegocioTest, WalksRowsAndStaysOnTheLastAtTheEnd)
{
    Item item(db.get());
    item.Carregar(QStringLiteral("ORDER BY ID"));
    item.IrPrimeiro();
    QStringList seen;
    while (!item.Fim()) {
        seen << item.Nome;
        item.IrProximo();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N3")}));
    // past the end: still the last row's fields, reloaded
    EXPECT_TRUE(item.Fim());
    EXPECT_EQ(item.Id, 3);
    EXPECT_EQ(item.QuantidadeRegistros(), 3);
}

TEST_F(NegocioTest, EmptyResultClearsWithoutLoading)
{
    Item item(db.get());
    item.Carregar(QStringLiteral("WHERE ID = 99"));
    item.Id = 7;
    item.cargas = 0;
    item.IrPrimeiro();
    EXPECT_TRUE(item.Fim());
    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(item.cargas, 0);
}

TEST_F(NegocioTest, LocalizarValorMatchesExactTextAndKeepsPositionOnMiss)
{
    Item item(db.get());
    item.Carregar(QStringLiteral("ORDER BY ID"));
    item.IrPrimeiro();
    EXPECT_TRUE(item.LocalizarValor(QStringLiteral("NOME"), QStringLiteral("N3")));
    EXPECT_EQ(item.Id, 3);
    EXPECT_FALSE(item.LocalizarValor(QStringLiteral("NOME"), QStringLiteral("n2")));  // case counts
    EXPECT_EQ(item.ObterDataSet()->recNo(), 2);
    EXPECT_TRUE(item.TemCampo(QStringLiteral("NOME")));
    EXPECT_FALSE(item.TemCampo(QStringLiteral("nome")));
}

TEST_F(NegocioTest, NewResultSetReplacesTheOldOne)
{
    Item item(db.get());
    item.Carregar(QStringLiteral("ORDER BY ID"));
    item.IrPrimeiro();
    const int before = item.limpezas;
    item.Carregar(QStringLiteral("WHERE ID = 2"));
    EXPECT_EQ(item.limpezas, before + 1);
    EXPECT_EQ(item.QuantidadeRegistros(), 1);
}

} // namespace
