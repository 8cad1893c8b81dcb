// tolv: the host of the desktop program. Loads the library that sits beside it,
// creates the application object through it and calls CallMainForm.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <memory>

namespace {

bool TemTela()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
#if defined(Q_OS_LINUX) || defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The directory of this executable, known before any application object exists.
QString DiretorioDoExecutavel(const char *argv0)
{
    const QFileInfo proprio(QStringLiteral("/proc/self/exe"));
    if (proprio.exists())
        return QFileInfo(proprio.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

void Erro(const QString &texto)
{
    std::fputs(("tolv: " + texto + "\n").toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char **argv)
{
    if (!TemTela()) {
        Erro(QStringLiteral(
            "nenhuma tela disponível (DISPLAY e WAYLAND_DISPLAY não definidos); o programa de janelas não pode abrir.\n"
            "      Use a linha de comando, que tem todas as funções: tolv-cli --help"));
        return 2;
    }

    QLibrary biblioteca(QDir(DiretorioDoExecutavel(argv[0])).filePath(QStringLiteral("tolvapp")));
    if (!biblioteca.load()) {
        Erro(QStringLiteral("não foi possível carregar a biblioteca do programa: %1").arg(biblioteca.errorString()));
        return 1;
    }
    using Criar = QCoreApplication *(*)(int *, char **);
    using Principal = void (*)();
    const auto criar = reinterpret_cast<Criar>(biblioteca.resolve("CriarAplicacaoTolv"));
    const auto callMainForm = reinterpret_cast<Principal>(biblioteca.resolve("CallMainForm"));
    if (!criar || !callMainForm) {
        Erro(QStringLiteral("a biblioteca %1 não exporta CallMainForm").arg(biblioteca.fileName()));
        return 1;
    }

    // The library stays loaded until the process ends: the application object's
    // code lives in it.
    std::unique_ptr<QCoreApplication> aplicacao(criar(&argc, argv));
    callMainForm();
    aplicacao.reset();
    return 0;
}
