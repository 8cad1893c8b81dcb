// The headless front end runs the same business code as the desktop program.

#include "support/cli_runner.h"
#include "support/test_support.h"

#include "core/aplicacao.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {


class CliTest : public ::testing::Test {
protected:
    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

TEST_F(CliTest, InitCreatesTheProgramDirectoryOnce)
{
    QDir(home.root()).removeRecursively();
    const SaidaCli a = RodarCli(QStringLiteral("init"));
    ASSERT_EQ(a.rc, 0) << a.err.toStdString();
    EXPECT_TRUE(QFile::exists(home.path(QStringLiteral("VESK/VESK.ini"))));
    EXPECT_TRUE(QFile::exists(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))));
    EXPECT_TRUE(QDir(home.path(QStringLiteral("VESK/TEMP"))).exists());
    const SaidaCli b = RodarCli(QStringLiteral("init"));
    EXPECT_EQ(b.rc, 0);
    EXPECT_TRUE(b.out.contains(QStringLiteral("mantido")));

    const SaidaCli cfg = RodarCli(QStringLiteral("config"));
    EXPECT_EQ(cfg.rc, 0) << cfg.err.toStdString();
    EXPECT_TRUE(cfg.out.contains(QStringLiteral("LOGSQL:                    N")));

    const SaidaCli msg = RodarCli(QStringLiteral("message"), {QStringLiteral("FE0144")});
    EXPECT_EQ(msg.rc, 0);
    EXPECT_TRUE(msg.out.startsWith(QStringLiteral("FE0144 - ")));
    const SaidaCli nf = RodarCli(QStringLiteral("message"), {QStringLiteral("9999")});
    EXPECT_EQ(nf.rc, 1) << nf.out.toStdString();
}

TEST_F(CliTest, CommandsNeedAProgramDirectory)
{
    const SaidaCli s = RodarCli(QStringLiteral("config"));
    EXPECT_EQ(s.rc, 1);
    EXPECT_TRUE(s.err.contains(QStringLiteral("tolv-cli init")));
}

TEST_F(CliTest, SimulateAndCalculateTheExampleMovement)
{
    QDir(home.root()).removeRecursively();
    ASSERT_EQ(RodarCli(QStringLiteral("init")).rc, 0);
    const SaidaCli sql = RodarCli(QStringLiteral("sql"), {QStringLiteral(TOLV_SOURCE_DIR "/tests/fixtures/movimento_exemplo.sql")});
    ASSERT_EQ(sql.rc, 0) << sql.err.toStdString();

    const SaidaCli sim = RodarCli(QStringLiteral("simulate"));
    ASSERT_EQ(sim.rc, 0) << sim.err.toStdString() << sim.out.toStdString();
    EXPECT_TRUE(sim.out.contains(QStringLiteral("1 vínculo(s), 0 não calculado(s), total 5.780,00 (nada gravado)")))
        << sim.out.toStdString();

    const SaidaCli calc = RodarCli(QStringLiteral("calculate"), {QStringLiteral("11.222.333/0001-81"), QStringLiteral("120.56789.01-0"),
                                                         QStringLiteral("1"), QStringLiteral("04/01/2010")});
    ASSERT_EQ(calc.rc, 0) << calc.err.toStdString();
    auto db = [&] {
        auto b = std::make_unique<TIbxUtils>();
        b->CaminhoBanco = home.path(QStringLiteral("VESK/BD/TOLV.FDB"));
        b->Usuario = kUsuarioBanco;
        b->Senha = kSenhaBanco;
        b->Conectar();
        return b;
    }();
    const auto rs = db->Abrir(QStringLiteral(
        "SELECT VR_DEPOSITO_MULTA_RESCISORIA, VR_CNTRO_MULTA_RESCISORIA, DT_DEVIDA_ANTERIOR_RESCISAO, "
        "VR_JAM_SALDO_RESCISORIO FROM SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = 12056789010"));
    ASSERT_EQ(rs->rowCount(), 1);
    EXPECT_EQ(rs->field(0).toMoney(), Money::fromCentavos(420800));
    EXPECT_EQ(rs->field(1).toMoney(), Money::fromCentavos(105200));
    EXPECT_EQ(rs->field(2).toDate(), Date::fromYmd(2018, 3, 7));
    EXPECT_FALSE(rs->field(3).isNull());

    // a script that fails half-way writes nothing
    home.writeFile(QStringLiteral("ruim.sql"), "DELETE FROM SFGTBG06_INFORMACAO_RESCISAO;\nINSERT INTO NAO_EXISTE VALUES (1);\n");
    db.reset();
    EXPECT_EQ(RodarCli(QStringLiteral("sql"), {home.path(QStringLiteral("ruim.sql"))}).rc, 1);
    const SaidaCli depois = RodarCli(QStringLiteral("simulate"));
    EXPECT_TRUE(depois.out.contains(QStringLiteral("total 5.780,00")));
}

TEST_F(CliTest, SimulateWithoutAnOpenMovementFailsClearly)
{
    QDir(home.root()).removeRecursively();
    ASSERT_EQ(RodarCli(QStringLiteral("init")).rc, 0);
    const SaidaCli s = RodarCli(QStringLiteral("simulate"));
    EXPECT_EQ(s.rc, 1);
    EXPECT_TRUE(s.err.contains(QStringLiteral("nenhum movimento aberto")));
}

} // namespace
