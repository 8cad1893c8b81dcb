#include "registro.h"

#include <QMutex>
#include <QSettings>
#include <memory>

namespace tolv::Registro {

namespace {
QMutex mutex;
QString arquivo;

std::unique_ptr<QSettings> abrir()
{
    QString path;
    {
        QMutexLocker lock(&mutex);
        path = arquivo;
    }
    if (path.isEmpty())
        path = qEnvironmentVariable("TOLV_REGISTRY");
#ifdef Q_OS_WIN
    if (path.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\ORBEL\\KTZ"),
                                           QSettings::NativeFormat);
#endif
    if (path.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::SystemScope,
                                           QStringLiteral("ORBEL"), QStringLiteral("KTZ"));
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
} // namespace

void DefinirArquivo(const QString &caminho)
{
    QMutexLocker lock(&mutex);
    arquivo = caminho;
}

QStringList LerRegistro(const QString &subchave, const QStringList &nomes)
{
    auto settings = abrir();
    QString group = subchave;
    while (group.endsWith(QLatin1Char('\\')) || group.endsWith(QLatin1Char('/')))
        group.chop(1);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    settings->beginGroup(group);
    QStringList out;
    for (const QString &n : nomes)
        out << settings->value(n).toString();
    settings->endGroup();
    return out;
}

} // namespace tolv::Registro
