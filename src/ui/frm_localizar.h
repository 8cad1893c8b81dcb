#pragma once

#include "localizacao.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tolv {

class TDBUtils;

// The tree search: finds employers or workers in the database, lists them, and
// hands the chosen one back (Resultado) when the window closes, however it is
// closed. Nothing found or nothing listed: the result stays empty.
class TfrmLocalizar : public QDialog {
    Q_OBJECT
public:
    enum Chave { ChaveNome = 0, ChaveCnpj = 1, ChaveCei = 2, ChavePis = 3 };
    enum Procura { ProcuraEmpresa = 0, ProcuraTrabalhador = 1 };

    // `banco`: the shared connection (null: the process-wide one).
    explicit TfrmLocalizar(QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmLocalizar() override;

    const ResultadoLocalizacao &Resultado() const { return m_resultado; }
    // One record per listed row (empty when the last search found nothing).
    const QList<ResultadoLocalizacao> &Linhas() const { return m_linhas; }

public slots:
    void btnLocalizarClick();
    void done(int resultado) override;

private:
    void escolherChave(int chave);
    void procurarPorMudou();
    void reiniciarGrade();
    void adicionarLinha(const QStringList &celulas, const ResultadoLocalizacao &registro);
    int chave() const;
    int procura() const;

    TDBUtils *m_banco;
    QButtonGroup *m_chaves = nullptr;
    QComboBox *cmbProcurarPor = nullptr;
    QLineEdit *edtConteudo = nullptr;
    QTableWidget *grdLocalizar = nullptr;
    QPushButton *btnLocalizar = nullptr;
    QPushButton *btnFechar = nullptr;
    QList<ResultadoLocalizacao> m_linhas;
    ResultadoLocalizacao m_resultado;
};

} // namespace tolv
