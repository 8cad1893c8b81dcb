#include "aplicacao_tolv.h"

#include "core/active_window.h"
#include "core/utilitarios.h"

#include <QWidget>

namespace tolv {

AplicacaoTolv::AplicacaoTolv(int &argc, char **argv) : QApplication(argc, argv)
{
    connect(this, &QApplication::focusChanged, this, [] { AtualizarJanelaAtiva(); });
}

void AplicacaoTolv::AtualizarJanelaAtiva()
{
    ActiveWindowInfo info;
    if (QWidget *janela = QApplication::activeWindow()) {
        info.caption = janela->windowTitle();
        info.formName = janela->objectName();
    }
    if (QWidget *controle = QApplication::focusWidget())
        info.controlName = controle->objectName();
    ActiveWindow::set(info);
}

bool AplicacaoTolv::notify(QObject *receptor, QEvent *evento)
{
    bool tratado = false;
    const QEvent::Type tipo = evento->type();
    try {
        tratado = QApplication::notify(receptor, evento);
    } catch (const std::exception &e) {
        TUtilitarios::Instancia().TratarExcecao(e);
    } catch (...) {
        TUtilitarios::Instancia().TratarExcecaoDesconhecida();
    }
    // Activation moves without a focus change when a window has no focusable
    // control; a caption may change while its window stays active.
    if (tipo == QEvent::WindowActivate || tipo == QEvent::WindowDeactivate
        || (tipo == QEvent::WindowTitleChange && receptor == QApplication::activeWindow()))
        AtualizarJanelaAtiva();
    return tratado;
}

} // namespace tolv
