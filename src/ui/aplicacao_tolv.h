#pragma once

#include <QApplication>

namespace tolv {

// The desktop program's application object. Every exception that escapes an
// event handler or a slot ends here and goes to the global handler (logged to
// LogErro.log and shown with the fixed message; a silent abort is swallowed), so
// none crosses the event loop and the program keeps running. It also keeps the
// record of the active window and focused control up to date for the SQL trace
// and the error log, which other threads read.
class AplicacaoTolv : public QApplication {
    Q_OBJECT
public:
    AplicacaoTolv(int &argc, char **argv);

    bool notify(QObject *receptor, QEvent *evento) override;

    // Copies caption and object names of the active window and the focused control.
    static void AtualizarJanelaAtiva();
};

} // namespace tolv
