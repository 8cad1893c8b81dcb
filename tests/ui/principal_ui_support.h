#pragma once

// What the tests of the first-run and main windows share: a robot that answers
// message boxes by code, a way to act on a window once it is up (modal windows
// block the caller), clean payroll files of any size and the reference rows an
// import of them needs.

#include "registration/cadastro_fixture.h"
#include "ui_support.h"

#include <gtest/gtest.h>

#include "core/date.h"
#include "core/formatos.h"
#include "core/utilitarios.h"
#include "files/linha_fixa.h"
#include "support/folha_exemplo.h"
#include "support/indices_fixture.h"
#include "ui/apresentador_gui.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMap>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

namespace tolv::test {

// While it lives, answers every message box: with the caption scripted for its
// code ("FE0224" -> "&Não"; fixed texts are scripted by their whole text), else
// with its default button. Records code, caption and text of each.
class Atendente {
public:
    struct Caixa {
        QString codigo;
        QString titulo;
        QString texto;
    };
    QList<Caixa> vistas;
    QMap<QString, QString> respostas;

    Atendente()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!caixa || !caixa->isVisible())
                return;
            const QString codigo = caixa->text().section(QStringLiteral(" - "), 0, 0);
            vistas << Caixa{codigo, caixa->windowTitle(), caixa->text()};
            QAbstractButton *b = respostas.contains(codigo) ? BotaoComLegenda(*caixa, respostas.value(codigo))
                                                             : caixa->defaultButton();
            if (b)
                b->click();
            else
                caixa->close();
        });
        m_timer.start(5);
    }

    QStringList codigos() const
    {
        QStringList l;
        for (const Caixa &c : vistas)
            l << c.codigo;
        return l;
    }

private:
    QTimer m_timer;
};

// Once a visible window of type T (accepted by `filtro`) is up, runs `acao` on it,
// once. Gives up after `limiteMs`, or when `dono` (the test's) goes.
template <class T>
void QuandoJanela(QObject &dono, std::function<void(T &)> acao, std::function<bool(T &)> filtro = {},
                  int limiteMs = 60000)
{
    auto *timer = new QTimer(&dono);
    auto relogio = std::make_shared<QElapsedTimer>();
    relogio->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        T *janela = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *t = qobject_cast<T *>(w);
            if (t && t->isVisible() && (!filtro || filtro(*t))) {
                janela = t;
                break;
            }
        }
        if (!janela) {
            if (relogio->elapsed() > limiteMs) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        acao(*janela);
    });
    timer->start(5);
}

// A test that went wrong must not wait forever on a modal window: after
// `limiteMs` every window still open is closed, once a second, and the test fails.
class Vigia {
public:
    explicit Vigia(int limiteMs = 90000)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_timer.setInterval(1000);
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                ADD_FAILURE() << "window left open: " << w->objectName().toStdString() << " \""
                              << w->windowTitle().toStdString() << '"';
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
                else
                    w->close();
            }
        });
        m_timer.start(limiteMs);
    }

private:
    QTimer m_timer;
};

// ---------------------------------------------------------------------------
// Payroll files

namespace folha {

// Writes the file as `pasta`/`nome` and returns its path.
inline QString Gravar(const QString &pasta, int extras = 0, const QString &nome = QStringLiteral("TOLV.RE"))
{
    const QString caminho = pasta + QLatin1Char('/') + nome;
    if (!GravarLinhas(caminho, Linhas(extras)))
        throw std::runtime_error("cannot write the payroll file");
    return caminho;
}

// The reference rows the file's dates are checked against: the indices of the
// 03/2018 edital and the business days of 2018.
inline void PrepararReferencias(TDBUtils &banco)
{
    GravarIndicesSinteticos(banco, Date::fromYmd(2018, 3, 1), 1);
    GravarCalendario(banco, 2018, 2018);
}

} // namespace folha

} // namespace tolv::test
