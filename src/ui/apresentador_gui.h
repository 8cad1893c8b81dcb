#pragma once

#include "core/mensagem.h"

#include <QObject>

namespace tolv {

// Catalog messages and system errors as modal message boxes: the caption and icon
// of the kind, the buttons in their fixed order with their fixed captions, the
// default button focused, the box centred on the screen. Closing the box returns
// 2 (cancel) whatever buttons it had.
//
// Create it on the interface thread. A call from another thread (a job that
// reports something) is carried over to the interface thread and waits there;
// widgets are never touched from the worker.
class ApresentadorGui : public QObject, public MessagePresenter {
    Q_OBJECT
public:
    explicit ApresentadorGui(QObject *parent = nullptr);

    int mostrar(const MensagemComposta &mensagem, Botoes botoes, Botao padrao) override;
    void mostrarErroSistema(const QString &texto, const QString &titulo) override;

private:
    int mostrarNaInterface(const MensagemComposta &mensagem, Botoes botoes, Botao padrao);
    void mostrarErroNaInterface(const QString &texto, const QString &titulo);
};

} // namespace tolv
