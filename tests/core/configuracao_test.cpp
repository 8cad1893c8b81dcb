#include "core/aplicacao.h"
#include "core/configuracao.h"
#include "core/program_directory.h"
#include "core/registro.h"
#include "core/utilitarios.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

TEST(ConfiguracaoLinhas, Cases)
{
    struct Case {
        const char *conteudo;
        bool seleciona, grava, log;
    };
    const Case cases[] = {
        {"", true, false, false},
        {"LOGSQL=S", true, false, true},
        {"#LOGSQL=S", true, false, true},                 // key found anywhere in the line
        {"LOGSQL = S", true, false, false},               // value " S" is not "S"
        {"LOGSQL=S \r\n", true, false, false},            // value "S " is not "S" either
        {"logsql=S", true, false, false},                 // the key itself is case sensitive
        {"SELECIONA_ARQUIVO_VELNORA=n", false, false, false},
        {"SELECIONA_ARQUIVO_VELNORA=S", true, false, false},
        {"GRAVA_ARQUIVO=s\rLOGSQL=s", true, true, true},  // CR alone ends a line
        {"LOGSQL=S\nLOGSQL=N", true, false, true},        // never reset by a later line
        {"GRAVA_ARQUIVO LOGSQL=S", true, true, true},     // one line, two keys
        {"LOGSQL=S=S", true, false, false},               // value after the first "="
    };
    for (const Case &c : cases) {
        Configuracao cfg;
        AplicarLinhasConfiguracao(DividirLinhas(QString::fromUtf8(c.conteudo)), cfg);
        EXPECT_EQ(cfg.SelecionaArquivoVelnora, c.seleciona) << c.conteudo;
        EXPECT_EQ(cfg.GravaArquivo, c.grava) << c.conteudo;
        EXPECT_EQ(cfg.LogSql, c.log) << c.conteudo;
    }
}

TEST(ConfiguracaoLinhas, DefaultFileKeepsTheDefaults)
{
    Configuracao cfg;
    AplicarLinhasConfiguracao(DividirLinhas(ConteudoPadraoIni()), cfg);
    EXPECT_TRUE(cfg.SelecionaArquivoVelnora);
    EXPECT_FALSE(cfg.GravaArquivo);
    EXPECT_FALSE(cfg.LogSql);
}

TEST(ConfiguracaoLinhas, ServerPathOnlyFromAnActiveLine)
{
    const QString padrao = QStringLiteral("/x/TOLV.FDB");
    EXPECT_EQ(CaminhoBancoConfigurado({}, padrao), padrao);
    EXPECT_EQ(CaminhoBancoConfigurado(DividirLinhas(ConteudoPadraoIni()), padrao), padrao);
    EXPECT_EQ(CaminhoBancoConfigurado({QStringLiteral("CAMINHO_BANCO=srv:/d/TOLV.FDB")}, padrao),
              QStringLiteral("srv:/d/TOLV.FDB"));
}

TEST(ConfiguracaoLinhas, LinesLoseOnlyTheirBreak)
{
    EXPECT_EQ(DividirLinhas(QStringLiteral("a \r\n b\rc\n\nd")),
              (QStringList{QStringLiteral("a "), QStringLiteral(" b"), QStringLiteral("c"), QString(), QStringLiteral("d")}));
}

TEST(Aplicacao, MissingIniStopsWithTheFixedMessage)
{
    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope(&presenter);
    EXPECT_FALSE(IniciarAplicacao());
    ASSERT_EQ(presenter.systemErrors.size(), 1u);
    EXPECT_EQ(presenter.systemErrors[0].first, QStringLiteral("Arquivo VESK.ini não existente."));
    EXPECT_EQ(presenter.systemErrors[0].second, QStringLiteral("TOLV Eletrônica - Arquivo não encontrado"));
    EncerrarAplicacao();
}

TEST(Aplicacao, StartsReadsSettingsAndShutsDownCleanly)
{
    TempProgramDir home;
    {
        auto db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    }
    home.writeFile(QStringLiteral("VESK/VESK.ini"), "LOGSQL=S\r\nSELECIONA_ARQUIVO_VELNORA=N\r\n");
    home.writeFile(QStringLiteral("VESK/TEMP/sobra.txt"), "x");
    RecordingPresenter presenter;
    PresenterScope scope(&presenter);

    bool datasCarregadas = false;
    ASSERT_TRUE(IniciarAplicacao([&](TDBUtils &, Configuracao &cfg) {
        datasCarregadas = true;
        cfg.DataPagamento = Date::fromYmd(2020, 1, 10);
    }));
    EXPECT_TRUE(datasCarregadas);
    EXPECT_TRUE(ConfiguracaoGlobal().LogSql);
    EXPECT_FALSE(ConfiguracaoGlobal().SelecionaArquivoVelnora);
    EXPECT_EQ(ConfiguracaoGlobal().DataPagamento, Date::fromYmd(2020, 1, 10));
    ASSERT_NE(TDBUtils::Instancia(), nullptr);
    EXPECT_TRUE(TDBUtils::Instancia()->LogSql);
    TDBUtils::Instancia()->IniciarTransacao();

    EncerrarAplicacao();
    EXPECT_EQ(TDBUtils::Instancia(), nullptr);
    EXPECT_FALSE(QFile::exists(home.path(QStringLiteral("VESK/TEMP/sobra.txt"))));
    EXPECT_TRUE(QDir(home.path(QStringLiteral("VESK/TEMP"))).exists());
    EXPECT_TRUE(presenter.systemErrors.empty());
}

TEST(Aplicacao, UnopenableDatabaseIsLoggedAndStops)
{
    TempProgramDir home;
    home.writeFile(QStringLiteral("VESK/VESK.ini"), "");
    RecordingPresenter presenter;
    PresenterScope scope(&presenter);
    EXPECT_FALSE(IniciarAplicacao());
    EXPECT_TRUE(QFile::exists(home.path(QStringLiteral("LogErro.log"))));
    ASSERT_EQ(presenter.systemErrors.size(), 1u);
    EncerrarAplicacao();
}

TEST(Registro, ValuesComeFromTheSettingsFileAndMissingOnesAreEmpty)
{
    TempProgramDir home;
    home.writeFile(QStringLiteral("reg.ini"), "[Ambiente]\nCaminho=/opt/ktz\n");
    Registro::DefinirArquivo(home.path(QStringLiteral("reg.ini")));
    EXPECT_EQ(Registro::LerRegistro(QStringLiteral("Ambiente\\"), {QStringLiteral("Caminho"), QStringLiteral("Outro")}),
              (QStringList{QStringLiteral("/opt/ktz"), QString()}));
    EXPECT_EQ(Registro::LerRegistro(QStringLiteral("NaoExiste\\"), {QStringLiteral("Caminho")}), QStringList{QString()});
    Registro::DefinirArquivo(QString());
}

TEST(Registro, ScratchDirectoryOfTheModule)
{
    TempProgramDir home;
    RecordingPresenter presenter;
    PresenterScope scope(&presenter);
    auto db = OpenEmptyDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    db->Executar(QStringLiteral("CREATE TABLE SFGTBT13_MENSAGEM_SISTEMA (NU_MENSAGEM INTEGER, DE_MENSAGEM VARCHAR(9))"));
    TUtilitarios::Instancia().DefinirBanco(db.get());

    home.writeFile(QStringLiteral("reg.ini"), "[Ambiente]\nCaminho=\n");
    Registro::DefinirArquivo(home.path(QStringLiteral("reg.ini")));
    EXPECT_EQ(TUtilitarios::Instancia().DiretorioTemporarioVelnora(QStringLiteral("RA")), QString());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_TRUE(presenter.shown[0].texto.contains(QStringLiteral("RA0227")));

    home.writeFile(QStringLiteral("reg.ini"), QStringLiteral("[Ambiente]\nCaminho=%1\n").arg(home.path(QStringLiteral("ktz"))).toUtf8());
    const QString dir = TUtilitarios::Instancia().DiretorioTemporarioVelnora(QStringLiteral("RA"));
    EXPECT_EQ(dir, home.path(QStringLiteral("ktz/VESK/TEMP")));
    EXPECT_TRUE(QDir(dir).exists());
    Registro::DefinirArquivo(QString());
    TUtilitarios::Instancia().DefinirBanco(nullptr);
}

} // namespace
