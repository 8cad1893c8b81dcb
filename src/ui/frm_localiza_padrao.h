#pragma once

#include <QDialog>
#include <QString>

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace tolv {

// Base of the criterion dialogs: they query nothing, they collect one search
// criterion and give it back as a tagged text "KEY-value" (Criterio), which list
// windows use to find a row of their own. Only one field is meant to be filled:
// typing into one empties its rival.
class TfrmLocalizaPadrao : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLocalizaPadrao(QWidget *parent = nullptr);

    bool Confirmado() const { return m_confirmado; }
    // The first filled field wins; empty when cancelled or nothing was given.
    QString Criterio() const;

public slots:
    void btnLocalizarClick();
    void btnFecharClick();

protected:
    // The criterion of the fields as they are (the first filled one), or empty.
    virtual QString MontarCriterio() const = 0;

    QLineEdit *CriarCampo(const QString &nome, const QString &rotulo, int tamanho, bool somenteDigitos);
    // Typing into `origem` empties `alvo`.
    void Exclusivos(QLineEdit *origem, QLineEdit *alvo);
    void AtualizarBotao();
    static QString Valor(const QLineEdit *campo);  // trimmed text

    QPushButton *btnLocalizar = nullptr;
    QPushButton *btnFechar = nullptr;

private:
    QFormLayout *m_campos = nullptr;
    bool m_confirmado = false;
};

// Employer criterion. Layout 1: inscription; 2: and the name; 3: and the PIS.
class TfrmLocalizaEmpresa : public TfrmLocalizaPadrao {
    Q_OBJECT
public:
    explicit TfrmLocalizaEmpresa(int layout, QWidget *parent = nullptr);

protected:
    QString MontarCriterio() const override;

private:
    QLineEdit *edtInscricao = nullptr;
    QLineEdit *edtRazaoSocial = nullptr;
    QLineEdit *edtPisPasep = nullptr;
};

// Worker criterion: PIS or name.
class TfrmLocalizaTrabalhador : public TfrmLocalizaPadrao {
    Q_OBJECT
public:
    explicit TfrmLocalizaTrabalhador(QWidget *parent = nullptr);

protected:
    QString MontarCriterio() const override;

private:
    QLineEdit *edtPisPasep = nullptr;
    QLineEdit *edtNome = nullptr;
};

// Protocol criterion: protocol (masked), inscription, and with layout 2 the PIS.
// `protocolo` is shown in the protocol field to start with.
class TfrmLocalizaProtocolo : public TfrmLocalizaPadrao {
    Q_OBJECT
public:
    TfrmLocalizaProtocolo(int layout, const QString &protocolo, QWidget *parent = nullptr);

protected:
    QString MontarCriterio() const override;

private:
    bool protocoloPreenchido() const;

    QLineEdit *edtProtocolo = nullptr;
    QLineEdit *edtInscricao = nullptr;
    QLineEdit *edtPisPasep = nullptr;
};

inline const QString kMascaraProtocolo = QStringLiteral("nnnnnnnn.nnnnnnnn.nnnnnnnn.nnnnnnnn; ");

} // namespace tolv
