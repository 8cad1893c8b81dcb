// The desktop program as a library: the host launcher creates the application
// object through it and then calls CallMainForm once.

#include "sistema_desktop.h"

#include "ui/aplicacao_tolv.h"

#define TOLV_EXPORTA extern "C" __attribute__((visibility("default")))

// The application object of the desktop program. The host owns it (and deletes
// it after CallMainForm returned); this library provides the class, so that the
// error routing and the active-window record use this library's objects.
// `argc` must outlive the object.
TOLV_EXPORTA QCoreApplication *CriarAplicacaoTolv(int *argc, char **argv)
{
    return new tolv::AplicacaoTolv(*argc, argv);
}

// Runs the system until the user leaves it.
TOLV_EXPORTA void CallMainForm()
{
    tolv::ExecutarSistemaDesktop();
}
