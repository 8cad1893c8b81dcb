#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

namespace tolv::test {

// Acts on the next message box once it is up (modal dialogs block the caller,
// so the test acts from a timer). `acao` receives the box; it must close it.
inline void QuandoCaixaAbrir(std::function<void(QMessageBox &)> acao, int limiteMs = 5000)
{
    auto *timer = new QTimer;
    auto restante = std::make_shared<int>(limiteMs / 10);
    QObject::connect(timer, &QTimer::timeout, [timer, restante, acao] {
        auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caixa || !caixa->isVisible()) {
            if (--*restante > 0)
                return;
            timer->stop();
            timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        acao(*caixa);
    });
    timer->start(10);
}

// The box's buttons, left to right as shown.
inline QList<QAbstractButton *> BotoesEmOrdem(QMessageBox &caixa)
{
    QList<QAbstractButton *> bs = caixa.buttons();
    std::sort(bs.begin(), bs.end(), [&](QAbstractButton *a, QAbstractButton *b) {
        return a->mapTo(&caixa, QPoint()).x() < b->mapTo(&caixa, QPoint()).x();
    });
    return bs;
}

inline QAbstractButton *BotaoComLegenda(QMessageBox &caixa, const QString &legenda)
{
    for (QAbstractButton *b : caixa.buttons())
        if (b->text() == legenda)
            return b;
    return nullptr;
}

// While it lives, answers every message box that comes up with its default
// button, recording caption, text and button captions.
class ColetorCaixas {
public:
    struct Caixa {
        QString titulo;
        QString texto;
        QStringList botoes;
    };
    QList<Caixa> vistas;

    ColetorCaixas()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!caixa || !caixa->isVisible())
                return;
            Caixa c{caixa->windowTitle(), caixa->text(), {}};
            for (QAbstractButton *b : BotoesEmOrdem(*caixa))
                c.botoes << b->text();
            vistas << c;
            if (caixa->defaultButton())
                caixa->defaultButton()->click();
            else
                caixa->close();
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

} // namespace tolv::test
