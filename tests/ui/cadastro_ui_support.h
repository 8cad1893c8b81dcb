#pragma once

// A database with the registration fixtures, the dialog presenter of the
// program and a robot that answers each message box by its code.

#include "registration/cadastro_fixture.h"
#include "ui_support.h"

#include "core/utilitarios.h"
#include "movement/arvore.h"
#include "ui/apresentador_gui.h"

#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QTimer>

namespace tolv::test {

// While it lives, answers every message box: with the caption scripted for its
// code ("100036" -> "&Sim"), else with its default button. Records the codes.
class RoboCaixas {
public:
    QStringList codigos;
    QMap<QString, QString> respostas;

    RoboCaixas()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!caixa || !caixa->isVisible())
                return;
            const QString codigo = caixa->text().section(QStringLiteral(" - "), 0, 0);
            codigos << codigo;
            QAbstractButton *b = respostas.contains(codigo) ? BotaoComLegenda(*caixa, respostas.value(codigo))
                                                             : caixa->defaultButton();
            if (b)
                b->click();
            else
                caixa->close();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

class TelaTest : public CadastroTest {
protected:
    ApresentadorGui gui;
    PresenterScope escopo{&gui};
    RoboCaixas caixas;
    std::unique_ptr<TArvore> arvore;

    TelaTest() { TUtilitarios::Instancia().DefinirBanco(db.get()); }
    ~TelaTest() override { TUtilitarios::Instancia().DefinirBanco(nullptr); }

    // The responsible party that is not an employer.
    void responsavel(qint64 inscricao = kCnpj2, const QString &nome = QStringLiteral("CONTABIL EXEMPLO LTDA"))
    {
        empregador(1, inscricao, QStringLiteral("R"), 515, nome);
    }

    TArvore &montar()
    {
        arvore = std::make_unique<TArvore>(db.get());
        EXPECT_TRUE(arvore->Carregar());
        arvore->SelecionarNo(arvore->Entrada(0).Id);
        return *arvore;
    }

    static void ativar(QWidget &w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    template <class T = QLineEdit>
    static T *campo(QWidget &w, const char *nome)
    {
        T *c = w.findChild<T *>(QLatin1String(nome));
        if (!c)
            throw std::runtime_error(std::string("no control ") + nome);
        return c;
    }

    // Replaces a field's text by typing, the way a user does.
    static void digitar(QWidget &w, const char *nome, const QString &texto)
    {
        QLineEdit *e = campo(w, nome);
        e->setFocus(Qt::OtherFocusReason);
        e->clear();
        QTest::keyClicks(e, texto);
    }

    static void clicar(QWidget &w, const char *nome)
    {
        QTest::mouseClick(campo<QAbstractButton>(w, nome), Qt::LeftButton);
    }
};

} // namespace tolv::test
