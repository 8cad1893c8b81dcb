#include "test_support.h"

#include "core/aplicacao.h"
#include "core/program_directory.h"
#include "core/utilitarios.h"
#include "registration/banco_novo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <stdexcept>

namespace tolv::test {

TempProgramDir::TempProgramDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary directory");
    QDir().mkpath(path(QStringLiteral("VESK/BD")));
    QDir().mkpath(path(QStringLiteral("VESK/TEMP")));
    ProgramDirectory::setRoot(m_dir.path());
}

TempProgramDir::~TempProgramDir() { ProgramDirectory::setRoot(QString()); }

QString TempProgramDir::path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

void TempProgramDir::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write test file");
    f.write(content);
}

namespace {

std::unique_ptr<TIbxUtils> connect(const QString &path)
{
    auto db = std::make_unique<TIbxUtils>();
    db->CaminhoBanco = path;
    db->Usuario = kUsuarioBanco;
    db->Senha = kSenhaBanco;
    db->Conectar();
    return db;
}

QString templatePath()
{
    static QMutex mutex;
    static QTemporaryDir *dir = nullptr;
    QMutexLocker lock(&mutex);
    if (!dir) {
        dir = new QTemporaryDir;  // lives until the process ends
        CriarBancoDados(QDir(dir->path()).filePath(QStringLiteral("template.fdb")));
    }
    return QDir(dir->path()).filePath(QStringLiteral("template.fdb"));
}

} // namespace

std::unique_ptr<TIbxUtils> OpenEmptyDatabase(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    TIbxUtils::CriarBanco(path, kUsuarioBanco, kSenhaBanco);
    return connect(path);
}

std::unique_ptr<TIbxUtils> OpenFullDatabase(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!QFile::copy(templatePath(), path))
        throw std::runtime_error("cannot copy the template database");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return connect(path);
}

int RecordingPresenter::mostrar(const MensagemComposta &m, Botoes botoes, Botao padrao)
{
    shown.push_back({m.texto, m.tipo, botoes.emOrdem(), padrao});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    return ResultadoBotao(padrao);
}

void RecordingPresenter::mostrarErroSistema(const QString &texto, const QString &titulo)
{
    systemErrors.emplace_back(texto, titulo);
}

PresenterScope::PresenterScope(MessagePresenter *p) : m_previous(TUtilitarios::Instancia().Apresentador())
{
    TUtilitarios::Instancia().DefinirApresentador(p);
}

PresenterScope::~PresenterScope() { TUtilitarios::Instancia().DefinirApresentador(m_previous); }

} // namespace tolv::test
