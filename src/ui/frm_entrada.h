#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tolv {

class TDBUtils;
class TfrmResponsavel;

inline const QString kTituloArquivoFolhaEntrada = QStringLiteral("Selecione o arquivo de folha de pagamento para importação");
inline const QString kFiltroArquivoFolhaEntrada = QStringLiteral("Arquivo de importação de folha de pagamento");

// The first-run window: no employer is registered yet, so the responsible party
// comes either from a payroll file or from the embedded responsible-party form.
// It closes (accepted) once one of them stored something.
class TfrmEntrada : public QDialog {
    Q_OBJECT
public:
    // `banco`: the shared connection (null: the process-wide one).
    explicit TfrmEntrada(QWidget *parent = nullptr, TDBUtils *banco = nullptr);
    ~TfrmEntrada() override;

    static constexpr int kAlturaInicial = 324;
    static constexpr int kAlturaCadastro = 430;

public slots:
    void btnAvancarClick();
    void btnVoltarClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void importar();
    void cadastrar();
    void redimensionar(int altura);

    TDBUtils *m_banco;
    QRadioButton *rbImportar = nullptr;
    QRadioButton *rbCadastrar = nullptr;
    QRadioButton *rbRestaurar = nullptr;
    QRadioButton *rbRestaurarAntigo = nullptr;
    QPushButton *btnVoltar = nullptr;
    QPushButton *btnAvancar = nullptr;
    QPushButton *btnCancelar = nullptr;
    TfrmResponsavel *m_frmResponsavel = nullptr;
};

} // namespace tolv
