#include "apresentador_gui.h"

#include "core/utilitarios.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <map>

namespace tolv {

namespace {

QMessageBox::Icon IconeDoTipo(TipoMensagem t)
{
    switch (t) {
    case TipoMensagem::Aviso: return QMessageBox::Warning;
    case TipoMensagem::Erro: return QMessageBox::Critical;
    case TipoMensagem::Informacao: return QMessageBox::Information;
    case TipoMensagem::Confirmacao: return QMessageBox::Question;
    case TipoMensagem::Personalizada: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// The box with the two rules the stock one lacks: the close box always answers
// cancel (the stock box refuses to close when no button looks like cancel), and
// it shows centred on the screen with the default button focused.
class CaixaMensagem : public QMessageBox {
public:
    explicit CaixaMensagem(QWidget *parent) : QMessageBox(parent) {}

    bool fechada = false;
    QPushButton *padrao = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        fechada = true;
        QDialog::closeEvent(e);
    }

    void showEvent(QShowEvent *e) override
    {
        QMessageBox::showEvent(e);
        QScreen *tela = screen() ? screen() : QGuiApplication::primaryScreen();
        if (tela) {
            QRect r = frameGeometry();
            r.moveCenter(tela->availableGeometry().center());
            move(r.topLeft());
        }
        if (padrao)
            padrao->setFocus(Qt::OtherFocusReason);
    }
};

QWidget *JanelaMae()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

} // namespace

ApresentadorGui::ApresentadorGui(QObject *parent) : QObject(parent) {}

int ApresentadorGui::mostrar(const MensagemComposta &mensagem, Botoes botoes, Botao padrao)
{
    if (QThread::currentThread() != thread()) {
        int resultado = ResultadoCancelar;
        QMetaObject::invokeMethod(
            this, [&] { resultado = mostrarNaInterface(mensagem, botoes, padrao); }, Qt::BlockingQueuedConnection);
        return resultado;
    }
    return mostrarNaInterface(mensagem, botoes, padrao);
}

void ApresentadorGui::mostrarErroSistema(const QString &texto, const QString &titulo)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [&] { mostrarErroNaInterface(texto, titulo); }, Qt::BlockingQueuedConnection);
        return;
    }
    mostrarErroNaInterface(texto, titulo);
}

int ApresentadorGui::mostrarNaInterface(const MensagemComposta &mensagem, Botoes botoes, Botao padrao)
{
    CaixaMensagem caixa(JanelaMae());
    caixa.setObjectName(QStringLiteral("caixaMensagem"));
    caixa.setWindowTitle(LegendaTipo(mensagem.tipo, kTituloAplicacao));
    caixa.setIcon(IconeDoTipo(mensagem.tipo));
    caixa.setTextFormat(Qt::PlainText);
    caixa.setText(mensagem.texto);

    if (botoes.vazio())
        botoes = Botoes{Botao::Ok};
    // One role for all: the button box keeps buttons of one role in the order
    // they were added, on every platform layout.
    std::map<QAbstractButton *, Botao> porBotao;
    QPushButton *escolhido = nullptr;
    QPushButton *primeiro = nullptr;
    for (Botao b : botoes.emOrdem()) {
        QPushButton *pb = caixa.addButton(LegendaBotao(b), QMessageBox::ActionRole);
        porBotao[pb] = b;
        if (b == Botao::Ajuda) {
            // There is no help system: the button is shown, but cannot close the box.
            pb->setEnabled(false);
            continue;
        }
        if (!primeiro)
            primeiro = pb;
        if (b == padrao)
            escolhido = pb;
    }
    if (!escolhido)
        escolhido = primeiro;
    if (escolhido) {
        caixa.setDefaultButton(escolhido);
        caixa.padrao = escolhido;
    }
    // Escape answers as the usual cancel-like button does: cancel, else no, else a lone OK.
    for (Botao b : {Botao::Cancelar, Botao::Nao, Botao::Ok}) {
        auto it = std::find_if(porBotao.begin(), porBotao.end(), [b](const auto &p) { return p.second == b; });
        if (it != porBotao.end()) {
            caixa.setEscapeButton(it->first);
            break;
        }
    }

    caixa.exec();
    if (caixa.fechada)
        return ResultadoCancelar;
    const auto it = porBotao.find(caixa.clickedButton());
    return it == porBotao.end() ? ResultadoCancelar : ResultadoBotao(it->second);
}

void ApresentadorGui::mostrarErroNaInterface(const QString &texto, const QString &titulo)
{
    CaixaMensagem caixa(JanelaMae());
    caixa.setObjectName(QStringLiteral("caixaErroSistema"));
    caixa.setWindowTitle(titulo);
    caixa.setIcon(QMessageBox::Critical);
    caixa.setTextFormat(Qt::PlainText);
    caixa.setText(texto);
    QPushButton *ok = caixa.addButton(LegendaBotao(Botao::Ok), QMessageBox::ActionRole);
    caixa.setDefaultButton(ok);
    caixa.setEscapeButton(ok);
    caixa.padrao = ok;
    caixa.exec();
}

} // namespace tolv
