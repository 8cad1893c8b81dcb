#include "program_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

namespace tolv {

namespace {
QMutex mutex;
QString overrideRoot;
}

namespace ProgramDirectory {

void setRoot(const QString &p)
{
    QMutexLocker lock(&mutex);
    overrideRoot = p.isEmpty() ? QString() : QDir(p).absolutePath();
}

QString root()
{
    {
        QMutexLocker lock(&mutex);
        if (!overrideRoot.isEmpty())
            return overrideRoot;
    }
    const QString env = qEnvironmentVariable("TOLV_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString path(const QString &relative) { return QDir(root()).filePath(relative); }

QString configFile() { return path(QStringLiteral("VESK/VESK.ini")); }
QString databaseFile() { return path(QStringLiteral("VESK/BD/TOLV.FDB")); }
QString tempDir() { return path(QStringLiteral("VESK/TEMP")); }
QString errorLog() { return path(QStringLiteral("LogErro.log")); }
QString sqlLog() { return path(QStringLiteral("VESKBD.log")); }

} // namespace ProgramDirectory

void EsvaziarDiretorio(const QString &dir)
{
    QDir d(dir);
    if (!d.exists()) {
        QDir().mkpath(dir);
        return;
    }
    const auto files = d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &f : files)
        QFile::remove(f.absoluteFilePath());
}

} // namespace tolv
