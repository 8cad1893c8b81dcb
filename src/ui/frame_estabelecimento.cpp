#include "frame_estabelecimento.h"

#include "core/formatos.h"
#include "registration/estabelecimento.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolv {

namespace {

QLabel *Rotulo(const QString &texto, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    return l;
}

QLineEdit *Edit(const QString &nome, int tamanho, QWidget *pai)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(tamanho);
    return e;
}

} // namespace

TFrameEstabelecimento::TFrameEstabelecimento(QWidget *parent, TDBUtils *banco) : TFramePadrao(parent, banco) {}

int TFrameEstabelecimento::TipoEscolhido() const
{
    const int i = cmbTipoInscricao ? cmbTipoInscricao->currentIndex() : -1;
    return i < 0 ? 0 : i + 1;
}

QString TFrameEstabelecimento::InscricaoDigitada() const { return ExtrairDigitos(edtInscricao->text()); }

QGroupBox *TFrameEstabelecimento::CriarGrupoInscricao(QWidget *pai)
{
    auto *grupo = new QGroupBox(QStringLiteral(" Inscrição "), pai);
    grupo->setObjectName(QStringLiteral("gbInscricao"));
    cmbTipoInscricao = new QComboBox(grupo);
    cmbTipoInscricao->setObjectName(QStringLiteral("cmbTipoInscricao"));
    cmbTipoInscricao->addItems({QStringLiteral("1 - CNPJ"), QStringLiteral("2 - CEI")});
    cmbTipoInscricao->setCurrentIndex(-1);
    edtInscricao = Edit(QStringLiteral("edtInscricao"), 18, grupo);
    edtInscricao->setInputMask(kMascaraCnpj);
    auto *g = new QGridLayout(grupo);
    g->addWidget(Rotulo(QStringLiteral("Tipo:"), grupo), 0, 0);
    g->addWidget(cmbTipoInscricao, 0, 1);
    g->addWidget(Rotulo(QStringLiteral("Número:"), grupo), 0, 2);
    g->addWidget(edtInscricao, 0, 3);
    g->setColumnStretch(3, 1);

    connect(cmbTipoInscricao, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            AplicarMascaraTipo();
    });
    AvancarAoEscolher(cmbTipoInscricao);
    AvancarQuandoCompleto(edtInscricao);
    edtInscricao->installEventFilter(this);
    return grupo;
}

QLineEdit *TFrameEstabelecimento::CriarRazaoSocial(QWidget *pai)
{
    edtRazaoSocial = Edit(QStringLiteral("edtRazaoSocial"), 40, pai);
    AvancarQuandoCompleto(edtRazaoSocial);
    return edtRazaoSocial;
}

QGroupBox *TFrameEstabelecimento::CriarGrupoEndereco(QWidget *pai)
{
    auto *grupo = new QGroupBox(QStringLiteral(" Endereço "), pai);
    grupo->setObjectName(QStringLiteral("gbEndereco"));
    edtLogradouro = Edit(QStringLiteral("edtLogradouro"), 50, grupo);
    edtBairro = Edit(QStringLiteral("edtBairro"), 20, grupo);
    edtCep = Edit(QStringLiteral("edtCep"), 9, grupo);
    edtCep->setInputMask(kMascaraCep);
    edtCidade = Edit(QStringLiteral("edtCidade"), 20, grupo);
    cmbUf = new QComboBox(grupo);
    cmbUf->setObjectName(QStringLiteral("cmbUf"));

    auto *g = new QGridLayout(grupo);
    g->addWidget(Rotulo(QStringLiteral("Logradouro:"), grupo), 0, 0);
    g->addWidget(edtLogradouro, 0, 1, 1, 5);
    g->addWidget(Rotulo(QStringLiteral("Bairro:"), grupo), 1, 0);
    g->addWidget(edtBairro, 1, 1);
    g->addWidget(Rotulo(QStringLiteral("CEP:"), grupo), 1, 2);
    g->addWidget(edtCep, 1, 3);
    g->addWidget(Rotulo(QStringLiteral("Cidade:"), grupo), 2, 0);
    g->addWidget(edtCidade, 2, 1);
    g->addWidget(Rotulo(QStringLiteral("UF:"), grupo), 2, 2);
    g->addWidget(cmbUf, 2, 3);
    g->setColumnStretch(1, 1);

    for (QLineEdit *e : {edtLogradouro, edtBairro, edtCep, edtCidade})
        AvancarQuandoCompleto(e);
    AvancarAoEscolher(cmbUf);
    edtCep->installEventFilter(this);
    return grupo;
}

void TFrameEstabelecimento::CriarTelefone(QWidget *pai)
{
    edtDdd = Edit(QStringLiteral("edtDdd"), 4, pai);
    edtTelefone = Edit(QStringLiteral("edtTelefone"), 8, pai);
    SomenteNumeros(edtDdd);
    SomenteNumeros(edtTelefone);
    AvancarQuandoCompleto(edtDdd);
    AvancarQuandoCompleto(edtTelefone);
    edtDdd->installEventFilter(this);
}

void TFrameEstabelecimento::AplicarMascaraTipo()
{
    const int tipo = TipoEscolhido();
    if (tipo == 0)
        return;
    const bool cnpj = tipo == 1;
    // Qt keeps the typed characters across masks: a CNPJ's digits would slide
    // into the CEI's positions.
    if (cnpj != m_mascaraCnpj)
        edtInscricao->clear();
    edtInscricao->setInputMask(cnpj ? kMascaraCnpj : kMascaraCei);
    edtInscricao->setMaxLength(cnpj ? 18 : 12);
    m_mascaraCnpj = cnpj;
}

void TFrameEstabelecimento::MostrarInscricao(int tipo, const QString &inscricaoFormatada)
{
    cmbTipoInscricao->setCurrentIndex(tipo == 1 || tipo == 2 ? tipo - 1 : -1);
    AplicarMascaraTipo();
    edtInscricao->setText(tipo == 1 || tipo == 2 ? inscricaoFormatada : QString());
}

void TFrameEstabelecimento::MostrarCep(const QString &cep)
{
    const qint64 n = ConverterInteiro64(ExtrairDigitos(cep)).value_or(0);
    edtCep->setText(n > 0 ? CompletarZeros(QString::number(n), 8) : QString());
}

void TFrameEstabelecimento::SelecionarUf(const QString &uf)
{
    PrepararUfs();
    cmbUf->setCurrentIndex(cmbUf->findText(Aparar(uf).toUpper()));
}

void TFrameEstabelecimento::PrepararUfs()
{
    if (m_ufsProntas)
        return;
    const ItensCombo ufs =
        ListarItensCombo(QStringLiteral("SELECT SG_UF FROM SFGTBT08_UNIDADE_FEDERACAO ORDER BY 1"), false, false,
                         false, Banco());
    for (const ItemCombo &i : ufs.itens)
        cmbUf->addItem(i.texto);
    cmbUf->setCurrentIndex(-1);
    m_ufsProntas = true;
}

void TFrameEstabelecimento::CopiarEstabelecimento(TEstabelecimento &e) const
{
    e.TipoInscricao = TipoEscolhido();
    e.Inscricao = InscricaoDigitada();
    e.RazaoSocial = edtRazaoSocial->text();
    TEndereco &end = e.Endereco();
    end.Logradouro = edtLogradouro->text();
    end.Bairro = edtBairro->text();
    end.Cep = ExtrairDigitos(edtCep->text());
    end.Localidade = edtCidade->text();
    end.Uf = cmbUf->currentText();
    e.Ddd = edtDdd->text();
    e.Telefone = edtTelefone->text();
}

void TFrameEstabelecimento::CarregarEstabelecimento(TEstabelecimento &e)
{
    MostrarInscricao(e.TipoInscricao, e.InscricaoFormatada());
    edtRazaoSocial->setText(e.RazaoSocial);
    TEndereco &end = e.Endereco();
    edtLogradouro->setText(end.Logradouro);
    edtBairro->setText(end.Bairro);
    MostrarCep(end.Cep);
    edtCidade->setText(end.Localidade);
    SelecionarUf(end.Uf);
    edtDdd->setText(e.Ddd);
    edtTelefone->setText(e.Telefone);
}

bool TFrameEstabelecimento::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut) {
        const auto razao = static_cast<QFocusEvent *>(evento)->reason();
        auto *edit = qobject_cast<QLineEdit *>(objeto);
        // Another window taking the activation (a message box) is not leaving the
        // field; neither is a field that is being disabled, nor a cancelled edit.
        const bool saiu = razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason && edit
                          && edit->isEnabled() && ModoCadastro() != ModoVisualizacao
                          && !(m_btnCancelar && QApplication::focusWidget() == m_btnCancelar);
        if (saiu) {
            if (edit == edtInscricao)
                aoSairInscricao();
            else if (edit == edtCep)
                aoSairCep();
            else if (edit == edtDdd)
                aoSairDdd();
        }
    }
    return TFramePadrao::eventFilter(objeto, evento);
}

void TFrameEstabelecimento::aoSairInscricao()
{
    const qint64 n = ConverterInteiro64(InscricaoDigitada()).value_or(0);
    if (n <= 0)
        return;
    const int tipo = TipoEscolhido();
    if (tipo == 1 || (tipo == 0 && m_mascaraCnpj))
        edtInscricao->setText(CompletarZeros(QString::number(n), 14));
    else
        edtInscricao->setText(CompletarZeros(QString::number(n), 12));
    if (tipo > 0)
        InscricaoDeixada();
}

void TFrameEstabelecimento::aoSairCep()
{
    const qint64 n = ConverterInteiro64(ExtrairDigitos(edtCep->text())).value_or(0);
    if (n > 0)
        edtCep->setText(CompletarZeros(QString::number(n), 8));
}

void TFrameEstabelecimento::aoSairDdd()
{
    // an empty area code stays empty: the rule, not the field, reports it
    if (!edtDdd->text().isEmpty())
        edtDdd->setText(CompletarZeros(QString::number(TextoParaInteiro(edtDdd->text())), 4));
}

} // namespace tolv
