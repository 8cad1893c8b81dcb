#include "frm_localiza_padrao.h"

#include "localizacao.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tolv {

TfrmLocalizaPadrao::TfrmLocalizaPadrao(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLocalizaPadrao"));
    setWindowTitle(QStringLiteral("Localizar ..."));
    setModal(true);
    m_campos = new QFormLayout;
    btnLocalizar = new QPushButton(QStringLiteral("&Localizar"), this);
    btnLocalizar->setObjectName(QStringLiteral("btnLocalizar"));
    btnLocalizar->setDefault(true);
    btnLocalizar->setEnabled(false);
    btnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnLocalizar);
    botoes->addWidget(btnFechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_campos);
    layout->addStretch(1);
    layout->addLayout(botoes);
    connect(btnLocalizar, &QPushButton::clicked, this, &TfrmLocalizaPadrao::btnLocalizarClick);
    connect(btnFechar, &QPushButton::clicked, this, &TfrmLocalizaPadrao::btnFecharClick);
}

QString TfrmLocalizaPadrao::Criterio() const { return m_confirmado ? MontarCriterio() : QString(); }

void TfrmLocalizaPadrao::btnLocalizarClick()
{
    // Enter on a dialog whose fields are all empty gives nothing
    if (MontarCriterio().isEmpty())
        return;
    m_confirmado = true;
    accept();
}

void TfrmLocalizaPadrao::btnFecharClick()
{
    m_confirmado = false;
    reject();
}

QLineEdit *TfrmLocalizaPadrao::CriarCampo(const QString &nome, const QString &rotulo, int tamanho, bool somenteDigitos)
{
    auto *campo = new QLineEdit(this);
    campo->setObjectName(nome);
    campo->setMaxLength(tamanho);
    if (somenteDigitos)
        campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
    m_campos->addRow(rotulo, campo);
    connect(campo, &QLineEdit::textChanged, this, &TfrmLocalizaPadrao::AtualizarBotao);
    return campo;
}

void TfrmLocalizaPadrao::Exclusivos(QLineEdit *origem, QLineEdit *alvo)
{
    if (origem && alvo)
        connect(origem, &QLineEdit::textEdited, alvo, [alvo] { alvo->clear(); });
}

void TfrmLocalizaPadrao::AtualizarBotao() { btnLocalizar->setEnabled(!MontarCriterio().isEmpty()); }

QString TfrmLocalizaPadrao::Valor(const QLineEdit *campo) { return campo ? campo->text().trimmed() : QString(); }

// ---------------------------------------------------------------------------

TfrmLocalizaEmpresa::TfrmLocalizaEmpresa(int layout, QWidget *parent) : TfrmLocalizaPadrao(parent)
{
    setObjectName(QStringLiteral("frmLocalizaEmpresa"));
    setWindowTitle(QStringLiteral("Localizar Empresa"));
    edtInscricao = CriarCampo(QStringLiteral("edtInscricao"), QStringLiteral("Inscrição:"), 14, true);
    if (layout >= 2)
        edtRazaoSocial = CriarCampo(QStringLiteral("edtRazaoSocial"), QStringLiteral("Razão Social:"), 70, false);
    if (layout >= 3)
        edtPisPasep = CriarCampo(QStringLiteral("edtPisPasep"), QStringLiteral("PIS/PASEP:"), 11, true);
    Exclusivos(edtInscricao, edtRazaoSocial);
    Exclusivos(edtPisPasep, edtRazaoSocial);
    Exclusivos(edtRazaoSocial, edtInscricao);
    resize(380, layout >= 3 ? 187 : layout == 2 ? 146 : 107);
}

QString TfrmLocalizaEmpresa::MontarCriterio() const
{
    if (!Valor(edtInscricao).isEmpty())
        return tolv::MontarCriterio(kChaveInscricao, Valor(edtInscricao));
    if (!Valor(edtRazaoSocial).isEmpty())
        return tolv::MontarCriterio(kChaveRazao, Valor(edtRazaoSocial).toUpper());
    if (!Valor(edtPisPasep).isEmpty())
        return tolv::MontarCriterio(kChavePis, Valor(edtPisPasep));
    return {};
}

// ---------------------------------------------------------------------------

TfrmLocalizaTrabalhador::TfrmLocalizaTrabalhador(QWidget *parent) : TfrmLocalizaPadrao(parent)
{
    setObjectName(QStringLiteral("frmLocalizaTrabalhador"));
    setWindowTitle(QStringLiteral("Localizar Trabalhador"));
    edtPisPasep = CriarCampo(QStringLiteral("edtPisPasep"), QStringLiteral("PIS/PASEP:"), 11, true);
    edtNome = CriarCampo(QStringLiteral("edtNome"), QStringLiteral("Nome:"), 70, false);
    Exclusivos(edtPisPasep, edtNome);
    Exclusivos(edtNome, edtPisPasep);
    resize(380, 146);
}

QString TfrmLocalizaTrabalhador::MontarCriterio() const
{
    if (!Valor(edtPisPasep).isEmpty())
        return tolv::MontarCriterio(kChavePis, Valor(edtPisPasep));
    if (!Valor(edtNome).isEmpty())
        return tolv::MontarCriterio(kChaveNome, Valor(edtNome).toUpper());
    return {};
}

// ---------------------------------------------------------------------------

TfrmLocalizaProtocolo::TfrmLocalizaProtocolo(int layout, const QString &protocolo, QWidget *parent)
    : TfrmLocalizaPadrao(parent)
{
    setObjectName(QStringLiteral("frmLocalizaProtocolo"));
    setWindowTitle(QStringLiteral("Localizar Protocolo"));
    edtProtocolo = CriarCampo(QStringLiteral("edtProtocolo"), QStringLiteral("Protocolo:"), 35, false);
    edtProtocolo->setInputMask(kMascaraProtocolo);
    edtInscricao = CriarCampo(QStringLiteral("edtInscricao"), QStringLiteral("Inscrição:"), 14, true);
    if (layout == 2)
        edtPisPasep = CriarCampo(QStringLiteral("edtPisPasep"), QStringLiteral("PIS/PASEP:"), 11, true);
    // one criterion at a time: the protocol against the numbers
    Exclusivos(edtProtocolo, edtInscricao);
    Exclusivos(edtProtocolo, edtPisPasep);
    Exclusivos(edtInscricao, edtProtocolo);
    Exclusivos(edtPisPasep, edtProtocolo);
    if (!protocolo.isEmpty())
        edtProtocolo->setText(protocolo);
    resize(380, layout == 2 ? 186 : 146);
}

bool TfrmLocalizaProtocolo::protocoloPreenchido() const
{
    return !edtProtocolo->displayText().remove(QLatin1Char('.')).trimmed().isEmpty();
}

QString TfrmLocalizaProtocolo::MontarCriterio() const
{
    // the protocol as shown, with its dots and blanks
    if (protocoloPreenchido())
        return tolv::MontarCriterio(kChaveProtocolo, edtProtocolo->displayText());
    if (!Valor(edtInscricao).isEmpty())
        return tolv::MontarCriterio(kChaveInscricao, Valor(edtInscricao));
    if (!Valor(edtPisPasep).isEmpty())
        return tolv::MontarCriterio(kChavePis, Valor(edtPisPasep));
    return {};
}

} // namespace tolv
