#pragma once

#include "frame_padrao.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace tolv {

class TEstabelecimento;

// What the responsible-party and the employer frames share: the inscription
// (type and number, masked by type), the name and the address, with the rules
// for typing and leaving these fields.
class TFrameEstabelecimento : public TFramePadrao {
    Q_OBJECT
public:
    explicit TFrameEstabelecimento(QWidget *parent = nullptr, TDBUtils *banco = nullptr);

    // 1 CNPJ, 2 CEI, 0 when no type is chosen.
    int TipoEscolhido() const;
    // The digits typed into the inscription.
    QString InscricaoDigitada() const;

protected:
    // The inscription was left with a type chosen and a positive number, already
    // rewritten zero-filled.
    virtual void InscricaoDeixada() {}

    QGroupBox *CriarGrupoInscricao(QWidget *pai);
    QLineEdit *CriarRazaoSocial(QWidget *pai);
    QGroupBox *CriarGrupoEndereco(QWidget *pai);
    // Area code (4) and telephone (8), digits only.
    void CriarTelefone(QWidget *pai);

    // The mask and length of the chosen type; the number is emptied when the mask
    // in force was the other type's.
    void AplicarMascaraTipo();
    void MostrarInscricao(int tipo, const QString &inscricaoFormatada);
    void MostrarCep(const QString &cep);
    void SelecionarUf(const QString &uf);
    // The states' list, read once.
    void PrepararUfs();

    // Controls -> object (type, inscription, name, address, area code, telephone).
    void CopiarEstabelecimento(TEstabelecimento &e) const;
    // Object -> controls, the same fields.
    void CarregarEstabelecimento(TEstabelecimento &e);

    bool eventFilter(QObject *objeto, QEvent *evento) override;

    QComboBox *cmbTipoInscricao = nullptr;
    QLineEdit *edtInscricao = nullptr;
    QLineEdit *edtRazaoSocial = nullptr;
    QLineEdit *edtLogradouro = nullptr;
    QLineEdit *edtBairro = nullptr;
    QLineEdit *edtCep = nullptr;
    QLineEdit *edtCidade = nullptr;
    QComboBox *cmbUf = nullptr;
    QLineEdit *edtDdd = nullptr;
    QLineEdit *edtTelefone = nullptr;

private:
    void aoSairInscricao();
    void aoSairCep();
    void aoSairDdd();

    bool m_mascaraCnpj = true;
    bool m_ufsProntas = false;
};

// The masks of the inscription and the postal code (blank as the blank character).
inline const QString kMascaraCnpj = QStringLiteral("00.000.000/0000-00; ");
inline const QString kMascaraCei = QStringLiteral("000000000000; ");
inline const QString kMascaraCep = QStringLiteral("00000-000; ");

} // namespace tolv
