#pragma once

#include "core/ibx_utils.h"
#include "core/date.h"
#include "core/mensagem.h"
#include "core/money.h"

#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <memory>
#include <vector>

namespace tolv {
// Readable values in test failure messages.
inline void PrintTo(Money m, std::ostream *os) { *os << m.toSqlText().toStdString(); }
inline void PrintTo(Date d, std::ostream *os)
{
    *os << (d.isRealDate() ? FormatarData(QStringLiteral("dd/mm/yyyy"), d).toStdString()
                           : std::string(d.isNull() ? "DataNula" : "DataInvalida"));
}
} // namespace tolv

namespace tolv::test {

// A throw-away program directory (VESK tree under a temporary folder) that is
// the process's program directory while the object lives.
class TempProgramDir {
public:
    TempProgramDir();
    ~TempProgramDir();
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const;
    void writeFile(const QString &relative, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
};

// An open connection to a new, empty database file (no tables).
std::unique_ptr<TIbxUtils> OpenEmptyDatabase(const QString &path);

// An open connection to a new database file with the whole schema and reference
// data. The schema is built once per test process and copied for each call.
std::unique_ptr<TIbxUtils> OpenFullDatabase(const QString &path);

// Records every message instead of showing it; answers with the queued results,
// else with the default button.
class RecordingPresenter : public MessagePresenter {
public:
    struct Shown {
        QString texto;
        TipoMensagem tipo;
        std::vector<Botao> botoes;
        Botao padrao;
    };
    std::vector<Shown> shown;
    std::vector<std::pair<QString, QString>> systemErrors;  // (text, caption)
    std::vector<int> answers;

    int mostrar(const MensagemComposta &m, Botoes botoes, Botao padrao) override;
    void mostrarErroSistema(const QString &texto, const QString &titulo) override;
};

// Installs a presenter on the utility object for the scope of a test.
class PresenterScope {
public:
    explicit PresenterScope(MessagePresenter *p);
    ~PresenterScope();

private:
    MessagePresenter *m_previous;
};

} // namespace tolv::test
