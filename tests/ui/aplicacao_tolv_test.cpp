// The application object: exceptions escaping slots end in the error log and the
// fixed message instead of ending the program; the active window record follows
// activation and focus.

#include "ui/aplicacao_tolv.h"

#include "core/active_window.h"
#include "core/errors.h"
#include "core/program_directory.h"
#include "core/utilitarios.h"
#include "support/test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

// A window with a name, a caption, an edit and a button whose click runs `acao`.
struct JanelaTeste {
    QWidget janela;
    QLineEdit *edit;
    QPushButton *botao;

    JanelaTeste(const QString &nome, const QString &titulo)
    {
        janela.setObjectName(nome);
        janela.setWindowTitle(titulo);
        auto *l = new QVBoxLayout(&janela);
        edit = new QLineEdit(&janela);
        edit->setObjectName(QStringLiteral("edtNome"));
        botao = new QPushButton(QStringLiteral("Gravar"), &janela);
        botao->setObjectName(QStringLiteral("btnGravar"));
        l->addWidget(edit);
        l->addWidget(botao);
        janela.show();
        janela.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    }
};

QString LerLog()
{
    QFile f(ProgramDirectory::errorLog());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(AplicacaoTolv, AnExceptionThrownInASlotEndsInTheErrorLog)
{
    ASSERT_TRUE(qobject_cast<AplicacaoTolv *>(QCoreApplication::instance()));
    struct Caso {
        const char *nome;
        std::function<void()> lancar;
        QStringList noLog;  // empty: nothing logged, nothing shown
    };
    const Caso casos[] = {
        {"database error", [] { throw DatabaseError(QStringLiteral("tabela inexistente")); },
         {"Erro: Ocorreu um erro ao tentar acessar o banco de dados.", "Erro Técnico: tabela inexistente",
          "Tipo de Erro: DatabaseError", "Form: frmCadastro", "Controle: btnGravar"}},
        {"misuse", [] { throw ENegocio(QStringLiteral("Código de mensagem inválida: ''")); },
         {"Tipo de Erro: ENegocio", "Form: frmCadastro"}},
        {"not a std::exception", [] { throw 42; }, {"Erro Técnico: Erro desconhecido", "Form: frmCadastro"}},
        {"silent abort", [] { throw EAbort(); }, {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TempProgramDir home;
        RecordingPresenter presenter;
        PresenterScope scope(&presenter);
        JanelaTeste t(QStringLiteral("frmCadastro"), QStringLiteral("Cadastro de Empresa"));
        auto lancar = c.lancar;
        QObject::connect(t.botao, &QPushButton::clicked, t.botao, [lancar] { lancar(); });

        QTest::mouseClick(t.botao, Qt::LeftButton);  // the click gives the button the focus

        const QString log = LerLog();
        for (const QString &linha : c.noLog)
            EXPECT_TRUE(log.contains(linha)) << linha.toStdString() << "\n" << log.toStdString();
        if (c.noLog.isEmpty()) {
            EXPECT_TRUE(log.isEmpty());
            EXPECT_TRUE(presenter.systemErrors.empty());
        } else {
            ASSERT_EQ(presenter.systemErrors.size(), 1u);
            EXPECT_EQ(presenter.systemErrors[0].first, kTextoErroGlobal);
            EXPECT_EQ(presenter.systemErrors[0].second, kTituloAplicacao);
        }
        // The program goes on: the next event is delivered as usual.
        bool entregue = false;
        QTimer::singleShot(0, t.botao, [&] { entregue = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return entregue; }, 2000));
    }
}

TEST(AplicacaoTolv, KeepsTheActiveWindowAndFocusedControl)
{
    JanelaTeste a(QStringLiteral("frmPrincipal"), QStringLiteral("TOLV Eletrônica"));
    a.edit->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([] { return ActiveWindow::get().controlName == QLatin1String("edtNome"); }, 2000));
    EXPECT_EQ(ActiveWindow::get().formName, QStringLiteral("frmPrincipal"));
    EXPECT_EQ(ActiveWindow::get().caption, QStringLiteral("TOLV Eletrônica"));

    {
        JanelaTeste b(QStringLiteral("frmEmpresa"), QStringLiteral("Empresa"));
        b.botao->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([] { return ActiveWindow::get().formName == QLatin1String("frmEmpresa"); }, 2000));
        EXPECT_EQ(ActiveWindow::get().caption, QStringLiteral("Empresa"));
        EXPECT_EQ(ActiveWindow::get().controlName, QStringLiteral("btnGravar"));
        b.janela.setWindowTitle(QStringLiteral("Empresa - alteração"));
        EXPECT_TRUE(QTest::qWaitFor([] { return ActiveWindow::get().caption == QStringLiteral("Empresa - alteração"); }, 2000));
    }
    // The second window is gone: the record must not keep naming it.
    a.janela.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([] { return ActiveWindow::get().formName == QLatin1String("frmPrincipal"); }, 2000));
}
