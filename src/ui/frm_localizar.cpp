#include "frm_localizar.h"

#include "core/formatos.h"
#include "core/utilitarios.h"
#include "registration/empresa.h"
#include "registration/trabalhador.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tolv {

namespace {

const QString kPrefixo = QStringLiteral("99");

class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado &) = delete;
    CursorOcupado &operator=(const CursorOcupado &) = delete;
};

void Mostrar(const QString &codigo, TipoMensagem tipo)
{
    TUtilitarios::Instancia().MostrarMensagem(CodigoComPrefixo(kPrefixo, codigo), tipo, {Botao::Ok});
}

} // namespace

TfrmLocalizar::TfrmLocalizar(QWidget *parent, TDBUtils *banco) : QDialog(parent), m_banco(banco)
{
    setObjectName(QStringLiteral("frmLocalizar"));
    setWindowTitle(QStringLiteral("Localizar Empresa/Trabalhador"));
    setModal(true);

    auto *grupo = new QGroupBox(QStringLiteral(" Chave de Pesquisa "), this);
    grupo->setObjectName(QStringLiteral("rgChave"));
    m_chaves = new QButtonGroup(this);
    auto *linhaChaves = new QHBoxLayout(grupo);
    const struct {
        const char *nome;
        const char *legenda;
        int chave;
    } chaves[] = {{"rbNome", "Nome", ChaveNome},
                  {"rbCnpj", "CNPJ", ChaveCnpj},
                  {"rbCei", "CEI", ChaveCei},
                  {"rbPisPasep", "PIS/PASEP", ChavePis}};
    for (const auto &c : chaves) {
        auto *r = new QRadioButton(QString::fromUtf8(c.legenda), grupo);
        r->setObjectName(QLatin1String(c.nome));
        m_chaves->addButton(r, c.chave);
        linhaChaves->addWidget(r);
    }
    m_chaves->button(ChaveNome)->setChecked(true);

    cmbProcurarPor = new QComboBox(this);
    cmbProcurarPor->setObjectName(QStringLiteral("cmbProcurarPor"));
    cmbProcurarPor->addItems({QStringLiteral("Empresa"), QStringLiteral("Trabalhador")});
    edtConteudo = new QLineEdit(this);
    edtConteudo->setObjectName(QStringLiteral("edtConteudo"));
    edtConteudo->setMaxLength(115);

    grdLocalizar = new QTableWidget(this);
    grdLocalizar->setObjectName(QStringLiteral("grdLocalizar"));
    grdLocalizar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLocalizar->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLocalizar->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLocalizar->verticalHeader()->hide();

    btnLocalizar = new QPushButton(QStringLiteral("&Localizar"), this);
    btnLocalizar->setObjectName(QStringLiteral("btnLocalizar"));
    btnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));

    auto *campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Procurar Por:"), this), 0, 0);
    campos->addWidget(cmbProcurarPor, 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("Conteúdo:"), this), 1, 0);
    campos->addWidget(edtConteudo, 1, 1);
    campos->setColumnStretch(1, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnLocalizar);
    botoes->addWidget(btnFechar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grupo);
    layout->addLayout(campos);
    layout->addWidget(grdLocalizar, 1);
    layout->addLayout(botoes);
    resize(560, 400);

    connect(m_chaves, &QButtonGroup::idClicked, this, &TfrmLocalizar::escolherChave);
    connect(cmbProcurarPor, &QComboBox::activated, this, &TfrmLocalizar::procurarPorMudou);
    connect(edtConteudo, &QLineEdit::textChanged, this,
            [this](const QString &t) { btnLocalizar->setEnabled(!t.isEmpty()); });
    connect(btnLocalizar, &QPushButton::clicked, this, &TfrmLocalizar::btnLocalizarClick);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(grdLocalizar, &QTableWidget::cellDoubleClicked, this, [this](int linha) {
        if (linha >= 0 && linha < m_linhas.size())
            accept();
    });

    btnLocalizar->setEnabled(false);
    btnLocalizar->setDefault(true);
    reiniciarGrade();
    edtConteudo->setFocus(Qt::OtherFocusReason);
}

TfrmLocalizar::~TfrmLocalizar() = default;

int TfrmLocalizar::chave() const { return m_chaves->checkedId(); }

int TfrmLocalizar::procura() const { return cmbProcurarPor->currentIndex(); }

void TfrmLocalizar::escolherChave(int chave)
{
    switch (chave) {
    case ChaveCnpj:
    case ChaveCei:
    case ChavePis:
        cmbProcurarPor->setCurrentIndex(chave == ChavePis ? ProcuraTrabalhador : ProcuraEmpresa);
        cmbProcurarPor->setEnabled(false);
        edtConteudo->setMaxLength(chave == ChaveCnpj ? 14 : chave == ChaveCei ? 12 : 11);
        if (!edtConteudo->validator())
            edtConteudo->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtConteudo));
        break;
    default:
        cmbProcurarPor->setEnabled(true);
        if (const QValidator *v = edtConteudo->validator()) {
            edtConteudo->setValidator(nullptr);
            delete v;
        }
        edtConteudo->setMaxLength(procura() == ProcuraEmpresa ? 115 : 70);
        break;
    }
    procurarPorMudou();
}

void TfrmLocalizar::procurarPorMudou()
{
    if (chave() == ChaveNome)
        edtConteudo->setMaxLength(procura() == ProcuraEmpresa ? 115 : 70);
    edtConteudo->clear();
    m_linhas.clear();
    reiniciarGrade();
    btnLocalizar->setDefault(true);
    edtConteudo->setFocus(Qt::OtherFocusReason);
}

void TfrmLocalizar::reiniciarGrade()
{
    grdLocalizar->clear();
    if (procura() == ProcuraTrabalhador) {
        grdLocalizar->setColumnCount(3);
        grdLocalizar->setHorizontalHeaderLabels(
            {QStringLiteral("Nome"), QStringLiteral("PIS/PASEP"), QStringLiteral("Data Admissão")});
        grdLocalizar->setColumnWidth(0, 290);
        grdLocalizar->setColumnWidth(1, 136);
        grdLocalizar->setColumnWidth(2, 88);
    } else {
        grdLocalizar->setColumnCount(2);
        grdLocalizar->setHorizontalHeaderLabels({QStringLiteral("Razão Social"), QStringLiteral("Inscrição")});
        grdLocalizar->setColumnWidth(0, 390);
        grdLocalizar->setColumnWidth(1, 125);
    }
    // the heading row and one empty row
    grdLocalizar->setRowCount(1);
}

void TfrmLocalizar::adicionarLinha(const QStringList &celulas, const ResultadoLocalizacao &registro)
{
    const int linha = m_linhas.size();
    if (grdLocalizar->rowCount() <= linha)
        grdLocalizar->setRowCount(linha + 1);
    for (int c = 0; c < celulas.size(); ++c)
        grdLocalizar->setItem(linha, c, new QTableWidgetItem(celulas.at(c)));
    m_linhas << registro;
}

void TfrmLocalizar::btnLocalizarClick()
{
    const QString conteudo = Aparar(edtConteudo->text());
    if (conteudo.isEmpty()) {
        Mostrar(QStringLiteral("0405"), TipoMensagem::Informacao);
        return;
    }
    m_linhas.clear();
    reiniciarGrade();

    QString falha;
    {
        CursorOcupado ocupado;
        if (procura() == ProcuraEmpresa) {
            TEmpresa empresa(m_banco);
            // names are stored upper-cased; the text goes into the statement as a
            // quoted literal, never as SQL
            const bool ok = chave() == ChaveNome ? empresa.LocalizarPorNome(conteudo.toUpper())
                                                 : empresa.ConsultarEmpresa(chave() == ChaveCnpj ? 1 : 2, conteudo);
            falha = ok ? QString() : empresa.CodigoMensagem;
            ResultSet *rs = empresa.ObterDataSet();
            for (int i = 0; rs && i < rs->rowCount(); ++i) {
                rs->moveTo(i);
                ResultadoLocalizacao r;
                r.Tipo = ProcuraEmpresa;
                r.TipoInscricao = qint16(rs->field(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt());
                r.Inscricao = rs->field(QStringLiteral("NU_INSCRICAO")).toInt64();
                const QString inscricao = r.TipoInscricao == 1
                                              ? MascararCnpj(CompletarZeros(QString::number(r.Inscricao), 14))
                                              : CompletarZeros(QString::number(r.Inscricao), 12);
                adicionarLinha({Aparar(rs->field(QStringLiteral("NO_RAZAO_SOCIAL")).toString()), inscricao}, r);
            }
        } else {
            TTrabalhador trabalhador(m_banco);
            const bool ok = chave() == ChavePis ? trabalhador.LocalizarPorPis(conteudo)
                                                : trabalhador.LocalizarPorNome(conteudo.toUpper());
            falha = ok ? QString() : trabalhador.CodigoMensagem;
            ResultSet *rs = trabalhador.ObterDataSet();
            for (int i = 0; rs && i < rs->rowCount(); ++i) {
                rs->moveTo(i);
                ResultadoLocalizacao r;
                r.Tipo = ProcuraTrabalhador;
                r.TipoInscricao = qint16(rs->field(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt());
                r.Inscricao = rs->field(QStringLiteral("NU_INSCRICAO")).toInt64();
                r.Pis = rs->field(QStringLiteral("NU_PIS")).toInt64();
                r.Categoria = qint16(rs->field(QStringLiteral("NU_CATEGORIA")).toInt());
                r.Admissao = rs->field(QStringLiteral("DT_ADMISSAO_VINCULO")).toDate();
                adicionarLinha({Aparar(rs->field(QStringLiteral("NO_EMPREGADO")).toString()),
                                MascararPis(CompletarZeros(QString::number(r.Pis), 11)), DataParaTexto(r.Admissao)},
                               r);
            }
        }
    }

    if (m_linhas.isEmpty()) {
        btnLocalizar->setDefault(true);
        // a failed query is not "nothing found"
        if (!falha.isEmpty())
            Mostrar(falha, TipoMensagem::Erro);
        else
            Mostrar(QStringLiteral("0092"), TipoMensagem::Informacao);
        return;
    }
    grdLocalizar->setRowCount(m_linhas.size());
    grdLocalizar->setCurrentCell(0, 0);
    grdLocalizar->setFocus(Qt::OtherFocusReason);
    btnFechar->setDefault(true);
}

void TfrmLocalizar::done(int resultado)
{
    const int linha = grdLocalizar->currentRow();
    m_resultado = (linha >= 0 && linha < m_linhas.size()) ? m_linhas.at(linha) : ResultadoLocalizacao();
    QDialog::done(resultado);
}

} // namespace tolv
