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

class Linha {
public:
    Linha() : m_texto(359, QLatin1Char(' ')) { m_texto += QLatin1Char('*'); }
    Linha &p(int pos, const QString &t)
    {
        m_texto.replace(pos - 1, t.size(), t);
        return *this;
    }
    QString str() const { return m_texto; }

private:
    QString m_texto;
};

inline QString Zeros(int n) { return QString(n, QLatin1Char('0')); }

// A PIS with its check digit from its first ten digits.
inline qint64 Pis(qint64 base)
{
    const QString d = QString::number(base);
    const int pesos[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int soma = 0;
    for (int i = 0; i < 10; ++i)
        soma += (d.at(i).unicode() - '0') * pesos[i];
    const int r = soma % 11;
    return base * 10 + (r < 2 ? 0 : 11 - r);
}

inline const char *const kPrenomes[] = {"JOAO", "PEDRO", "PAULO", "CARLOS", "MARCOS", "LUCAS", "RAFAEL", "BRUNO"};
inline const char *const kSobrenomes[] = {"ALVES", "ARAUJO", "BARROS", "CAMPOS", "DIAS", "FARIAS", "GOMES", "LOPES",
                                          "MELO", "NUNES", "PINTO", "ROCHA", "SALES", "TAVARES", "VIEIRA", "XAVIER"};

inline QString NomeExtra(int i)
{
    return QLatin1String(kPrenomes[i % 8]) + QLatin1Char(' ') + QLatin1String(kSobrenomes[(i * 5 + 1) % 16])
        + QLatin1Char(' ') + QLatin1String(kSobrenomes[(i / 16 + i * 3 + 7) % 16]);
}

// The accounting office CONTABIL EXEMPLO LTDA (CNPJ 33444555000181), responsible
// for ACME COMERCIO LTDA (CNPJ 11222333000181: JOAO DA SILVA with a complement
// record, MARIA SOUZA, then `extras` more workers) and RESIDENCIA SOUZA (CEI
// 112223330008: ANA LIMA). Pay date 12/03/2018.
inline QStringList Linhas(int extras = 0)
{
    QStringList l;
    l << Linha()
             .p(1, "00").p(54, "2").p(55, "1").p(56, "33444555000181").p(70, "CONTABIL EXEMPLO LTDA")
             .p(100, "PEDRO ALVES").p(120, "AV PAULISTA 1000").p(170, "BELA VISTA").p(190, "01310100")
             .p(198, "SAO PAULO").p(218, "SP").p(220, "001132145678").p(232, "contato@contabil.com.br")
             .p(292, "12032018")
             .str();
    const auto empregador = [](const char *tipo, const char *inscricao, const char *nome) {
        return Linha()
            .p(1, "10").p(3, tipo).p(4, inscricao).p(18, Zeros(36)).p(54, nome).p(94, "SCS QUADRA 1")
            .p(144, "ASA SUL").p(164, "70300500").p(172, "BRASILIA").p(192, "DF").p(194, "006133224455")
            .p(206, "6920601").p(213, "1").p(214, "515")
            .str();
    };
    l << empregador("1", "11222333000181", "ACME COMERCIO LTDA");
    l << Linha()
             .p(1, "40").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "12034567899")
             .p(44, "04012010").p(52, "01").p(54, "JOAO DA SILVA").p(124, "1234567").p(131, "00012").p(136, "1")
             .p(137, "07").p(139, "15061985").p(147, "44").p(149, "004110").p(155, "04012010").p(163, "I1")
             .p(165, "05022018").p(173, "01").p(176, "1").p(177, "05012018").p(185, "N").p(186, "00000000")
             .p(194, Zeros(15)).p(209, "000000000300000").p(224, "000000000050000").p(239, Zeros(15)).p(254, "N")
             .p(255, "00000").p(260, Zeros(15)).p(275, "52998224725").p(286, "104").p(289, "1234")
             .p(293, "0000012345678").p(306, "000000001000000")
             .str();
    QString pares = QStringLiteral("201711000000000200000201712000000000210000");
    for (int k = 3; k <= 14; ++k)
        pares += Zeros(21);
    l << Linha()
             .p(1, "43").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "12034567899")
             .p(44, "04012010").p(52, "01").p(54, pares)
             .str();
    const QString maria =
        Linha()
            .p(1, "40").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "17012345673")
            .p(44, "03082015").p(52, "01").p(54, "MARIA SOUZA").p(124, "7654321").p(131, "00021").p(136, "2")
            .p(137, "09").p(139, "01021990").p(147, "40").p(149, "004110").p(155, "03082015").p(163, "I1")
            .p(165, "01022018").p(173, "01").p(176, "2").p(177, "00000000").p(185, "S").p(186, "00000000")
            .p(194, Zeros(15)).p(209, "000000000250000").p(224, "000000000008000").p(239, "000000000300000")
            .p(254, "P").p(255, "02550").p(260, Zeros(15)).p(275, Zeros(11)).p(286, "000").p(289, "0000")
            .p(293, Zeros(13)).p(306, Zeros(15))
            .str();
    l << maria;
    // Workers follow in PIS order; every extra one after MARIA's.
    for (int i = 0; i < extras; ++i) {
        QString x = maria;
        x.replace(32, 11, QString::number(Pis(1800000000LL + i)));
        x.replace(53, 70, NomeExtra(i).leftJustified(70, QLatin1Char(' ')));
        l << x;
    }
    l << empregador("2", "00112223330008", "RESIDENCIA SOUZA");
    l << Linha()
             .p(1, "40").p(3, "2").p(4, "00112223330008").p(18, "1").p(19, "33444555000181").p(33, "20012345673")
             .p(44, "01042016").p(52, "01").p(54, "ANA LIMA").p(124, "2233445").p(131, "00033").p(136, "2")
             .p(137, "05").p(139, "20091978").p(147, "44").p(149, "004110").p(155, "01042016").p(163, "I2")
             .p(165, "28022018").p(173, "02").p(176, "1").p(177, "00000000").p(185, "N").p(186, "00000000")
             .p(194, Zeros(15)).p(209, "000000000180000").p(224, "000000000120000").p(239, Zeros(15)).p(254, "V")
             .p(255, "00000").p(260, "000000000050000").p(275, Zeros(11)).p(286, "000").p(289, "0000")
             .p(293, Zeros(13)).p(306, Zeros(15))
             .str();
    l << Linha().p(1, "90").p(3, QString(51, QLatin1Char('9'))).str();
    return l;
}

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
