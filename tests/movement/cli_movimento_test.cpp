// tolv-cli tree / mark / unmark on a database filled by an SQL fixture.

#include "arvore_fixture.h"
#include "support/cli_runner.h"

#include "core/configuracao.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

class CliMovimentoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(home.root()).removeRecursively();
        ASSERT_EQ(RodarCli(QStringLiteral("init")).rc, 0);
        const SaidaCli sql = RodarCli(QStringLiteral("sql"), {QStringLiteral(TOLV_SOURCE_DIR "/tests/movement/arvore_exemplo.sql")});
        ASSERT_EQ(sql.rc, 0) << sql.err.toStdString();
    }
    void TearDown() override { ConfiguracaoGlobal().DataPagamento = DataNula; }

    QStringList linhas(const SaidaCli &s) { return s.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    void sql(const QByteArray &comandos)
    {
        home.writeFile(QStringLiteral("extra.sql"), comandos);
        ASSERT_EQ(RodarCli(QStringLiteral("sql"), {home.path(QStringLiteral("extra.sql"))}).rc, 0);
    }

    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope{&presenter};
};

TEST_F(CliMovimentoTest, TreeShowsEveryNodeWithItsState)
{
    const SaidaCli t = RodarCli(QStringLiteral("tree"));
    ASSERT_EQ(t.rc, 0) << t.err.toStdString();
    EXPECT_EQ(linhas(t), QStringList({
        "[responsável e empregador] CONTABIL EXEMPLO LTDA - CNPJ 33.444.555/0001-81",
        "  [disponível] ACME COMERCIO LTDA - CNPJ 11.222.333/0001-81; 3 vínculo(s): 2 disponível, 0 participando, "
        "1 fechado, 0 guia processada",
        "    [disponível] JOAO DA SILVA - PIS 120.34567.89-9, categoria 1, admissão 04/01/2010",
        "    [disponível] MARIA SOUZA - PIS 170.12345.67-3, categoria 1, admissão 03/08/2015",
        "    [fechado] PEDRO ALVES - PIS 100.00000.01-9, categoria 1, admissão 01/06/2011",
        "  [disponível] CONTABIL EXEMPLO LTDA - CNPJ 33.444.555/0001-81 (responsável), conta situação 0; 1 vínculo(s): "
        "1 disponível, 0 participando, 0 fechado, 0 guia processada",
        "    [disponível] ANA LIMA - PIS 200.12345.67-3, categoria 1, admissão 01/02/2012, conta situação 0",
        "      [alteração cadastral pendente] ANA LIMA DE SOUZA (nome na ORBEL)",
        "  [disponível] IRMAOS SOUZA - CNPJ 00.112.223/3300-08, conta situação 0; 1 vínculo(s): 1 disponível, "
        "0 participando, 0 fechado, 0 guia processada",
        "    [disponível] CARLOS LIMA - PIS 100.00000.02-7, categoria 1, admissão 01/09/2014, conta situação 3",
        "  [disponível] IRMAOS SOUZA - CEI 112223330008; 1 vínculo(s): 1 disponível, 0 participando, 0 fechado, "
        "0 guia processada",
        "    [disponível] JOAO DA SILVA - PIS 120.34567.89-9, categoria 6, admissão 01/04/2016",
        "movimento aberto: 06/03/2018 | 6 vínculo(s): 5 disponível, 0 participando, 1 fechado, 0 guia processada | "
        "1 alteração(ões) pendente(s) | 0 inconsistente(s)",
    }));
}

TEST_F(CliMovimentoTest, MarkingEveryoneReportsTheRefusals)
{
    presenter.answers = {ResultadoNao};  // leave out workers without an account
    const SaidaCli m = RodarCli(QStringLiteral("mark"));
    EXPECT_EQ(m.rc, 1) << m.err.toStdString();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_TRUE(presenter.shown[0].texto.startsWith(QStringLiteral("FE0416 - "))) << presenter.shown[0].texto.toStdString();
    const QStringList l = linhas(m);
    ASSERT_EQ(l.size(), 5) << m.out.toStdString();
    EXPECT_EQ(l[0], QStringLiteral("disponível -> participando: PIS 120.34567.89-9 JOAO DA SILVA (ACME COMERCIO LTDA)"));
    EXPECT_EQ(l[1], QStringLiteral("disponível -> participando: PIS 120.34567.89-9 JOAO DA SILVA (IRMAOS SOUZA)"));
    EXPECT_TRUE(l[2].startsWith(QStringLiteral("recusado 0223 - ")) && l[2].endsWith(QStringLiteral("MARIA SOUZA")))
        << l[2].toStdString();
    EXPECT_TRUE(l[3].startsWith(QStringLiteral("recusado 0139 - ")) && l[3].endsWith(QStringLiteral("ANA LIMA")))
        << l[3].toStdString();
    EXPECT_EQ(l[4], QStringLiteral("2 vínculo(s) marcado(s), 2 recusado(s)"));

    // the marks were committed; unmarking everyone takes them back
    const SaidaCli u = RodarCli(QStringLiteral("unmark"));
    EXPECT_EQ(u.rc, 0);
    EXPECT_TRUE(u.out.endsWith(QStringLiteral("2 vínculo(s) desmarcado(s)\n"))) << u.out.toStdString();
}

TEST_F(CliMovimentoTest, MarkingOneEmployerOrOneLink)
{
    // the CNPJ that shares its number with a CEI: its worker has no account, Yes includes him
    presenter.answers = {ResultadoSim};
    SaidaCli m = RodarCli(QStringLiteral("mark"), {QStringLiteral("00.112.223/3300-08")});
    EXPECT_EQ(m.rc, 0) << m.out.toStdString();
    EXPECT_TRUE(presenter.shown.at(0).texto.startsWith(QStringLiteral("FE0417 - ")));
    EXPECT_TRUE(m.out.contains(QStringLiteral("CARLOS LIMA (IRMAOS SOUZA)")));
    EXPECT_TRUE(m.out.endsWith(QStringLiteral("1 vínculo(s) marcado(s), 0 recusado(s)\n"))) << m.out.toStdString();

    // one link refused: the catalog text with the screen's prefix
    m = RodarCli(QStringLiteral("mark"), {QStringLiteral("11222333000181"), QStringLiteral("17012345673"),
                                          QStringLiteral("1"), QStringLiteral("03/08/2015")});
    EXPECT_EQ(m.rc, 1);
    EXPECT_TRUE(m.out.startsWith(QStringLiteral("recusado: FE0223 - "))) << m.out.toStdString();

    // a closed link cannot be modified
    m = RodarCli(QStringLiteral("mark"), {QStringLiteral("11222333000181"), QStringLiteral("10000000019"),
                                          QStringLiteral("1"), QStringLiteral("01/06/2011")});
    EXPECT_EQ(m.rc, 1);
    EXPECT_EQ(m.out, QStringLiteral("O item selecionado não pode ser modificado.\n"));

    // the CEI one by its twelve digits
    m = RodarCli(QStringLiteral("mark"), {QStringLiteral("112223330008"), QStringLiteral("120.34567.89-9"),
                                          QStringLiteral("6"), QStringLiteral("01/04/2016")});
    EXPECT_EQ(m.rc, 0) << m.out.toStdString();
    const SaidaCli t = RodarCli(QStringLiteral("tree"));
    EXPECT_TRUE(t.out.contains(QStringLiteral("  [participando] IRMAOS SOUZA - CEI 112223330008")));
    EXPECT_TRUE(t.out.contains(QStringLiteral("    [participando] JOAO DA SILVA - PIS 120.34567.89-9, categoria 6")));
    EXPECT_TRUE(t.out.contains(QStringLiteral("    [disponível] JOAO DA SILVA - PIS 120.34567.89-9, categoria 1")));

    // unmarking that one link
    const SaidaCli u = RodarCli(QStringLiteral("unmark"), {QStringLiteral("112223330008"), QStringLiteral("12034567899"),
                                                           QStringLiteral("6"), QStringLiteral("01/04/2016")});
    EXPECT_EQ(u.rc, 0);
    EXPECT_TRUE(u.out.startsWith(QStringLiteral("participando -> disponível: PIS 120.34567.89-9 JOAO DA SILVA")));
}

TEST_F(CliMovimentoTest, AnsweringNoAndNoMovementOpen)
{
    presenter.answers = {ResultadoNao};
    SaidaCli m = RodarCli(QStringLiteral("mark"), {QStringLiteral("00112223330008"), QStringLiteral("10000000027"),
                                                   QStringLiteral("1"), QStringLiteral("01/09/2014")});
    EXPECT_EQ(m.rc, 1);
    EXPECT_TRUE(presenter.shown.at(0).texto.startsWith(QStringLiteral("FE0418 - ")));
    EXPECT_TRUE(m.out.startsWith(QStringLiteral("nada foi marcado"))) << m.out.toStdString();

    sql("DELETE FROM SFGTBG01_ABERTURA_RECOLHIMENTO;\n");
    m = RodarCli(QStringLiteral("mark"), {QStringLiteral("11222333000181")});
    EXPECT_EQ(m.rc, 1);
    EXPECT_TRUE(m.out.startsWith(QStringLiteral("FE0062 - "))) << m.out.toStdString();

    EXPECT_EQ(RodarCli(QStringLiteral("mark"), {QStringLiteral("99.999.999/0001-91")}).rc, 1);
    EXPECT_EQ(RodarCli(QStringLiteral("mark"), {QStringLiteral("11222333000181"), QStringLiteral("1")}).rc, 1);
}

} // namespace
