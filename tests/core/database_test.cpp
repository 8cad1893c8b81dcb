#include "core/active_window.h"
#include "core/errors.h"
#include "core/ibx_utils.h"
#include "support/test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        db->Executar(QStringLiteral(
            "CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(40), SIGLA CHAR(3), "
            "VALOR NUMERIC(15,2), FATOR DOUBLE PRECISION, DIA DATE, MOMENTO TIMESTAMP, GRANDE BIGINT, "
            "PEQUENO SMALLINT)"));
    }

    int count()
    {
        return db->Abrir(QStringLiteral("SELECT COUNT(*) AS N FROM T"))->field(QStringLiteral("N")).toInt();
    }

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(DatabaseTest, StatementsOutsideATransactionCommitOnTheirOwn)
{
    db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (1)"));
    EXPECT_FALSE(db->EmTransacao());
    db->Fechar();
    db->Conectar();
    EXPECT_EQ(count(), 1);
}

TEST_F(DatabaseTest, ExplicitTransactionSurvivesAFailingStatementUntilRollback)
{
    db->IniciarTransacao();
    db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (1)"));
    EXPECT_THROW(db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (1)")), DatabaseError);
    EXPECT_TRUE(db->EmTransacao());
    EXPECT_FALSE(db->UltimoErro.isEmpty());
    EXPECT_EQ(count(), 1);  // the caller's transaction still sees its own row
    db->Rollback();
    EXPECT_FALSE(db->EmTransacao());
    EXPECT_EQ(count(), 0);
}

TEST_F(DatabaseTest, FailingImplicitStatementLeavesNoTransactionOpen)
{
    EXPECT_THROW(db->Executar(QStringLiteral("INSERT INTO NAO_EXISTE VALUES (1)")), DatabaseError);
    EXPECT_FALSE(db->EmTransacao());
    EXPECT_THROW(db->Abrir(QStringLiteral("SELECT X FROM NAO_EXISTE")), DatabaseError);
    EXPECT_FALSE(db->EmTransacao());
}

TEST_F(DatabaseTest, ColonInStatementIsNotAParameter)
{
    db->Executar(QStringLiteral("INSERT INTO T (ID, NOME, MOMENTO) VALUES (1, 'a:b', '2020-01-02 10:11:12')"));
    const auto rs = db->Abrir(QStringLiteral("SELECT NOME FROM T WHERE NOME = 'a:b'"));
    EXPECT_EQ(rs->rowCount(), 1);
}

TEST_F(DatabaseTest, ResultSetIsDetachedTypedAndNullSafe)
{
    db->Executar(QStringLiteral(
        "INSERT INTO T VALUES (1, 'D''ÁVILA', 'AB', 1234.56, 0.1234567890123, '2017-11-13', "
        "'2017-11-13 08:09:10.123', 12345678901234, -3)"));
    db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (2)"));
    const auto rs = db->Abrir(QStringLiteral("SELECT ID, NOME, SIGLA, VALOR, FATOR, DIA, MOMENTO, GRANDE, PEQUENO, "
                                             "CAST(ID AS CHAR(7)) AS TEXTO_ID FROM T ORDER BY ID"));
    db->Executar(QStringLiteral("DELETE FROM T"));  // detached: the rows stay with the caller
    ASSERT_EQ(rs->rowCount(), 2);

    EXPECT_EQ(rs->field(QStringLiteral("NOME")).toString(), QStringLiteral("D'ÁVILA"));
    EXPECT_EQ(rs->field(QStringLiteral("SIGLA")).toString(), QStringLiteral("AB "));  // CHAR keeps its width
    EXPECT_EQ(rs->field(QStringLiteral("TEXTO_ID")).toString(), QStringLiteral("1      "));
    EXPECT_EQ(rs->field(QStringLiteral("VALOR")).toMoney(), Money::fromCentavos(123456));
    EXPECT_EQ(rs->field(QStringLiteral("VALOR")).toString(), QStringLiteral("1234,56"));
    EXPECT_DOUBLE_EQ(rs->field(QStringLiteral("FATOR")).toDouble(), 0.1234567890123);
    EXPECT_EQ(rs->field(QStringLiteral("DIA")).toDate(), Date::fromYmd(2017, 11, 13));
    EXPECT_EQ(rs->field(QStringLiteral("GRANDE")).toInt64(), 12345678901234LL);
    EXPECT_EQ(rs->field(QStringLiteral("PEQUENO")).toInt(), -3);
    EXPECT_EQ(rs->field(QStringLiteral("ID")).type(), ColumnType::Integer);
    EXPECT_EQ(rs->field(QStringLiteral("VALOR")).type(), ColumnType::Numeric);

    rs->next();
    for (const char *col : {"NOME", "SIGLA", "VALOR", "FATOR", "DIA", "MOMENTO", "GRANDE"})
        EXPECT_TRUE(rs->field(QString::fromLatin1(col)).isNull()) << col;
    EXPECT_EQ(rs->field(QStringLiteral("NOME")).toString(), QString());
    EXPECT_EQ(rs->field(QStringLiteral("VALOR")).toMoney(), Money());
    EXPECT_EQ(rs->field(QStringLiteral("GRANDE")).toInt64(), 0);
    EXPECT_EQ(rs->field(QStringLiteral("DIA")).toDate(), Date(0));  // NULL date is day 0, not DataNula
    EXPECT_THROW(rs->field(QStringLiteral("NAO_HA")), DatabaseError);
}

TEST_F(DatabaseTest, TimestampRoundTripsToTheMillisecond)
{
    const DateTime t = DateTime::fromParts(Date::fromYmd(2024, 2, 29), ((23 * 60 + 59) * 60 + 58) * 1000 + 987);
    db->Executar(QStringLiteral("INSERT INTO T (ID, MOMENTO) VALUES (1, '%1')")
                     .arg(FormatarDataHora(QStringLiteral("yyyy-mm-dd hh:nn:ss.zzz"), t)));
    const auto rs = db->Abrir(QStringLiteral("SELECT MOMENTO FROM T WHERE MOMENTO = '%1'")
                                  .arg(FormatarDataHora(QStringLiteral("yyyy-mm-dd hh:nn:ss.zzz"), t)));
    ASSERT_EQ(rs->rowCount(), 1);
    EXPECT_EQ(rs->field(QStringLiteral("MOMENTO")).toDateTime(), t);
}

TEST_F(DatabaseTest, EmptyResultIsNotAnError)
{
    const auto rs = db->Abrir(QStringLiteral("SELECT ID FROM T"));
    EXPECT_EQ(rs->rowCount(), 0);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->columns().size(), 1);
}

TEST_F(DatabaseTest, SqlTraceWritesOneEntryPerStatement)
{
    db->LogSql = true;
    db->CaminhoLogSql = home.path(QStringLiteral("VESKBD.log"));
    ActiveWindow::set({QStringLiteral("Janela X"), QString(), QString()});
    db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (1)"));
    EXPECT_THROW(db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (1)")), DatabaseError);
    db->Abrir(QStringLiteral("SELECT ID FROM T"));
    ActiveWindow::set({});

    QFile f(db->CaminhoLogSql);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(f.readAll());
    const QRegularExpression ok(QStringLiteral(
        "^\r\nJanela X\r\n\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d ----------------------\r\n"
        "INSERT INTO T \\(ID\\) VALUES \\(1\\)\r\nSUCESSO {13}-{22}\r\n\r\n"));
    EXPECT_TRUE(ok.match(log).hasMatch()) << log.toStdString();
    const QString erro = QStringLiteral("\r\nERRO") + QString(14, QLatin1Char(' ')) + QString(22, QLatin1Char('-'))
        + QStringLiteral("\r\n");
    EXPECT_TRUE(log.contains(erro)) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("SELECT ID FROM T\rTempo ")));
    EXPECT_EQ(log.count(QStringLiteral("SUCESSO")), 2);
}

TEST_F(DatabaseTest, WorkerThreadUsesTheConnectionWhileTheCallerWaits)
{
    db->IniciarTransacao();
    QThread *worker = QThread::create([this] {
        for (int i = 1; i <= 50; ++i)
            db->Executar(QStringLiteral("INSERT INTO T (ID) VALUES (%1)").arg(i));
    });
    worker->start();
    worker->wait();
    delete worker;
    EXPECT_TRUE(db->EmTransacao());
    EXPECT_EQ(count(), 50);
    db->Rollback();  // the interface thread ends what the job left open
    EXPECT_EQ(count(), 0);
}

} // namespace
