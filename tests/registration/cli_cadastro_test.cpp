// tolv-cli employers / workers / validate on a database filled by an SQL fixture.

#include "support/cli_runner.h"
#include "support/test_support.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {


class CliCadastroTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(home.root()).removeRecursively();
        ASSERT_EQ(RodarCli(QStringLiteral("init")).rc, 0);
        const SaidaCli sql = RodarCli(QStringLiteral("sql"), {QStringLiteral(TOLV_SOURCE_DIR "/tests/registration/cadastro_exemplo.sql")});
        ASSERT_EQ(sql.rc, 0) << sql.err.toStdString();
    }

    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

TEST_F(CliCadastroTest, ListsEmployersAndWorkers)
{
    const SaidaCli e = RodarCli(QStringLiteral("employers"));
    ASSERT_EQ(e.rc, 0) << e.err.toStdString();
    EXPECT_TRUE(e.out.contains(QStringLiteral("CNPJ 11.222.333/0001-81 ACME COMERCIO LTDA"))) << e.out.toStdString();
    EXPECT_TRUE(e.out.contains(QStringLiteral("CEI  112223330008       RESIDENCIA SOUZA"))) << e.out.toStdString();
    EXPECT_FALSE(e.out.contains(QStringLiteral("CONTABIL")));  // the responsible party alone is no employer
    EXPECT_TRUE(e.out.contains(QStringLiteral("2 empregador(es)")));

    const SaidaCli todos = RodarCli(QStringLiteral("workers"));
    ASSERT_EQ(todos.rc, 0) << todos.err.toStdString();
    EXPECT_TRUE(todos.out.contains(QStringLiteral("3 vínculo(s)")));
    EXPECT_TRUE(todos.out.contains(QStringLiteral("120.34567.89-9 JOAO DA SILVA"))) << todos.out.toStdString();

    const SaidaCli acme = RodarCli(QStringLiteral("workers"), {QStringLiteral("11.222.333/0001-81")});
    ASSERT_EQ(acme.rc, 0) << acme.err.toStdString();
    EXPECT_TRUE(acme.out.contains(QStringLiteral("2 vínculo(s)")));
    EXPECT_FALSE(acme.out.contains(QStringLiteral("ANA LIMA")));
    EXPECT_TRUE(acme.out.contains(QStringLiteral("1 04/01/2010 I1  1 participando"))) << acme.out.toStdString();

    const SaidaCli casa = RodarCli(QStringLiteral("workers"), {QStringLiteral("112223330008")});
    EXPECT_TRUE(casa.out.contains(QStringLiteral("ANA LIMA"))) << casa.out.toStdString();
    EXPECT_TRUE(casa.out.contains(QStringLiteral("1 vínculo(s)")));

    EXPECT_EQ(RodarCli(QStringLiteral("workers"), {QStringLiteral("99.999.999/0001-91")}).rc, 1);
}

TEST_F(CliCadastroTest, ValidatePrintsTheClosingInconsistencies)
{
    const SaidaCli v = RodarCli(QStringLiteral("validate"));
    EXPECT_EQ(v.rc, 1) << v.err.toStdString();
    const QStringList linhas = v.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(linhas.size(), 2) << v.out.toStdString();
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("0111 - ")));
    EXPECT_TRUE(linhas[0].contains(QStringLiteral("| empresa 11.222.333/0001-81 ACME COMERCIO LTDA | PIS 170.12345.67-3 | MARIA SOUZA")))
        << linhas[0].toStdString();
    EXPECT_EQ(linhas[1], QStringLiteral("3 vínculo(s) validado(s), 1 inconsistência(s)"));

    // the marked inconsistent link left the movement
    const SaidaCli w = RodarCli(QStringLiteral("workers"), {QStringLiteral("11222333000181")});
    EXPECT_TRUE(w.out.contains(QStringLiteral("03/08/2015 I1  0 disponível"))) << w.out.toStdString();

    // once fixed, a new run replaces the old rows
    home.writeFile(QStringLiteral("corrige.sql"), "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET QT_HORAS_TRBS_SMNA = 44;\n");
    ASSERT_EQ(RodarCli(QStringLiteral("sql"), {home.path(QStringLiteral("corrige.sql"))}).rc, 0);
    const SaidaCli ok = RodarCli(QStringLiteral("validate"));
    EXPECT_EQ(ok.rc, 0) << ok.out.toStdString();
    EXPECT_EQ(ok.out, QStringLiteral("3 vínculo(s) validado(s), 0 inconsistência(s)\n"));
}

} // namespace
