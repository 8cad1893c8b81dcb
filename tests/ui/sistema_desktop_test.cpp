// The desktop start-up: the first-run decision, the windows it opens, what it
// says when this build has no window, and the shutdown on every way out.

#include "app/sistema_desktop.h"
#include "ui_support.h"

#include "core/configuracao.h"
#include "core/errors.h"
#include "core/program_directory.h"
#include "core/utilitarios.h"
#include "support/test_support.h"
#include "ui/janelas_principais.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

void InserirEmpresa(TDBUtils &db)
{
    db.Executar(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO) VALUES (1, 12345678000190)"));
}

class SistemaDesktopTest : public ::testing::Test {
protected:
    // A program directory with an empty VESK.ini, a file left in the scratch
    // directory and a new database, with or without an employer.
    void Preparar(bool comEmpresa)
    {
        RegistrarJanelaEntrada({});
        RegistrarJanelaPrincipal({});
        home.writeFile(QStringLiteral("VESK/VESK.ini"), QByteArray());
        home.writeFile(QStringLiteral("VESK/TEMP/restos.tmp"), QByteArray("x"));
        QFile::remove(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        auto db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
        if (comEmpresa)
            InserirEmpresa(*db);
    }
    void TearDown() override
    {
        RegistrarJanelaEntrada({});
        RegistrarJanelaPrincipal({});
    }

    TempProgramDir home;
    RecordingPresenter anterior;
    PresenterScope scope{&anterior};
};

// What the windows saw of the start-up when they were opened.
struct Abertura {
    int vezes = 0;
    bool conectado = false;
    bool temporarioVazio = false;
    QString localidade;
};

Abertura Registrar(const TempProgramDir &home)
{
    Abertura a;
    a.vezes = 1;
    a.conectado = TDBUtils::Instancia() && TDBUtils::Instancia()->Conectado;
    a.temporarioVazio = !QFile::exists(home.path(QStringLiteral("VESK/TEMP/restos.tmp")));
    a.localidade = QLocale().name();
    return a;
}

} // namespace

TEST_F(SistemaDesktopTest, FirstRunWindowThenMainWindowOnlyOnceAnEmployerExists)
{
    struct Caso {
        const char *nome;
        bool entradaCadastra;
        int principalEsperada;
    };
    for (const Caso &c : {Caso{"first run left without registering", false, 0},
                          Caso{"first run registers an employer", true, 1}}) {
        SCOPED_TRACE(c.nome);
        Preparar(false);
        Abertura entrada, principal;
        const bool cadastra = c.entradaCadastra;
        RegistrarJanelaEntrada([&, cadastra] {
            entrada = Registrar(home);
            if (cadastra)
                InserirEmpresa(*TDBUtils::Instancia());
            return 0;
        });
        RegistrarJanelaPrincipal([&] {
            principal = Registrar(home);
            return 0;
        });
        ColetorCaixas caixas;
        ExecutarSistemaDesktop();

        EXPECT_EQ(entrada.vezes, 1);
        EXPECT_TRUE(entrada.conectado);
        EXPECT_TRUE(entrada.temporarioVazio) << "the scratch directory is emptied before any window";
        EXPECT_EQ(entrada.localidade, QStringLiteral("pt_BR"));
        EXPECT_EQ(principal.vezes, c.principalEsperada);
        EXPECT_TRUE(caixas.vistas.isEmpty());
        EXPECT_EQ(TDBUtils::Instancia(), nullptr) << "the shutdown did not run";
        EXPECT_EQ(TUtilitarios::Instancia().Apresentador(), &anterior);
    }
}

TEST_F(SistemaDesktopTest, WithAnEmployerTheMainWindowOpensDirectly)
{
    Preparar(true);
    int entradas = 0;
    Abertura principal;
    RegistrarJanelaEntrada([&] { return ++entradas; });
    RegistrarJanelaPrincipal([&] {
        principal = Registrar(home);
        return 0;
    });
    ExecutarSistemaDesktop();
    EXPECT_EQ(entradas, 0);
    EXPECT_EQ(principal.vezes, 1);
    EXPECT_TRUE(principal.conectado);
    EXPECT_EQ(TDBUtils::Instancia(), nullptr);
}

// Every way out runs the shutdown and says what happened: no window in this
// build, a window that fails, no configuration file.
TEST_F(SistemaDesktopTest, EveryWayOutShutsDownAndSaysWhy)
{
    struct Caso {
        const char *nome;
        bool semIni;
        bool principalLanca;
        bool registrarJanelas;
        const char *titulo;
        QString texto;
        const char *noLog;
    };
    const Caso casos[] = {
        {"no window in this build", false, false, false, "Informação", kTextoJanelasIndisponiveis, nullptr},
        {"the main window fails", false, true, true, "TOLV Eletrônica", kTextoErroGlobal,
         "Erro Técnico: falha ao montar a árvore"},
        {"no configuration file", true, false, true, "TOLV Eletrônica - Arquivo não encontrado",
         QStringLiteral("Arquivo VESK.ini não existente."), nullptr},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Preparar(true);
        if (c.semIni)
            QFile::remove(home.path(QStringLiteral("VESK/VESK.ini")));
        QFile::remove(ProgramDirectory::errorLog());
        int abertas = 0;
        if (c.registrarJanelas) {
            RegistrarJanelaEntrada([&] { return ++abertas; });
            const bool lanca = c.principalLanca;
            RegistrarJanelaPrincipal([&, lanca]() -> int {
                ++abertas;
                if (lanca)
                    throw DatabaseError(QStringLiteral("falha ao montar a árvore"));
                return 0;
            });
        }
        ColetorCaixas caixas;
        ExecutarSistemaDesktop();

        ASSERT_EQ(caixas.vistas.size(), 1);
        EXPECT_EQ(caixas.vistas[0].titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(caixas.vistas[0].texto, c.texto);
        EXPECT_EQ(caixas.vistas[0].botoes, QStringList{QStringLiteral("OK")}) << "one button, and it closes the box";
        EXPECT_EQ(abertas, c.principalLanca ? 1 : 0);
        if (c.noLog) {
            QFile log(ProgramDirectory::errorLog());
            ASSERT_TRUE(log.open(QIODevice::ReadOnly));
            EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QString::fromUtf8(c.noLog)));
        }
        EXPECT_EQ(TDBUtils::Instancia(), nullptr);
        EXPECT_EQ(TUtilitarios::Instancia().Apresentador(), &anterior);
    }
}
