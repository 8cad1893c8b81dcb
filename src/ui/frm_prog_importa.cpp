#include "frm_prog_importa.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolv {

namespace {

constexpr int kIcone = 16;

// Small step marks drawn here rather than shipped as image files.
QPixmap IconeEmAndamento()
{
    QPixmap p(kIcone, kIcone);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath seta;
    seta.moveTo(4, 2);
    seta.lineTo(13, 8);
    seta.lineTo(4, 14);
    seta.closeSubpath();
    g.fillPath(seta, QColor(0x1f, 0x5f, 0xbf));
    return p;
}

QPixmap IconeConcluida()
{
    QPixmap p(kIcone, kIcone);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPen caneta(QColor(0x1e, 0x8c, 0x3a), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    g.setPen(caneta);
    g.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    return p;
}

QLabel *NovaImagem(QWidget *pai, const QPixmap &pixmap, const QString &nome)
{
    auto *l = new QLabel(pai);
    l->setObjectName(nome);
    l->setPixmap(pixmap);
    l->setFixedSize(kIcone, kIcone);
    return l;
}

} // namespace

TfrmProgImporta::TfrmProgImporta(QWidget *parent, TDBUtils *banco)
    : QDialog(parent)
    , m_executor(std::make_unique<ExecutorTarefa>(banco))
{
    setObjectName(QStringLiteral("frmProgImporta"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *raiz = new QVBoxLayout(this);
    auto *grade = new QGridLayout;
    grade->setHorizontalSpacing(8);
    grade->setColumnStretch(1, 1);
    const QPixmap andamento = IconeEmAndamento();
    const QPixmap concluida = IconeConcluida();
    for (int i = 0; i < kMaximoEtapas; ++i) {
        Etapa &e = m_etapas[size_t(i)];
        const QString n = QString::number(i + 1);
        e.emAndamento = NovaImagem(this, andamento, QStringLiteral("imgEmAndamento") + n);
        e.concluida = NovaImagem(this, concluida, QStringLiteral("imgConcluida") + n);
        e.legenda = new QLabel(this);
        e.legenda->setObjectName(QStringLiteral("lblEtapa") + n);
        // Both marks share one cell; only one of them is ever visible.
        grade->addWidget(e.emAndamento, i, 0);
        grade->addWidget(e.concluida, i, 0);
        grade->addWidget(e.legenda, i, 1);
        grade->setRowMinimumHeight(i, kIcone + 4);
    }
    raiz->addLayout(grade);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->setTextVisible(true);
    raiz->addWidget(m_gauge);

    auto *rodape = new QHBoxLayout;
    m_lblProgresso = new QLabel(this);
    m_lblProgresso->setObjectName(QStringLiteral("lblProgresso"));
    rodape->addWidget(m_lblProgresso, 1);
    m_btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    m_btnCancelar->setAutoDefault(false);
    rodape->addWidget(m_btnCancelar);
    raiz->addLayout(rodape);
    setMinimumWidth(420);

    connect(m_btnCancelar, &QPushButton::clicked, this, &TfrmProgImporta::aoCancelar);
    connect(m_executor.get(), &ExecutorTarefa::etapaIniciada, this, &TfrmProgImporta::marcarEmAndamento);
    connect(m_executor.get(), &ExecutorTarefa::etapaConcluida, this, &TfrmProgImporta::marcarConcluida);
    connect(m_executor.get(), &ExecutorTarefa::progressoAlterado, this, &TfrmProgImporta::aoProgredir);
    connect(m_executor.get(), &ExecutorTarefa::cancelamentoDisponivel, this,
            [this](bool d) { m_btnCancelar->setEnabled(d && m_permitirCancelar); });
    connect(m_executor.get(), &ExecutorTarefa::execucaoTerminada, this, &TfrmProgImporta::aoTerminarExecucao);
    connect(m_executor.get(), &ExecutorTarefa::tarefaEncerrada, this, &TfrmProgImporta::aoEncerrar);

    Configurar(m_tipo, QString(), {});
}

TfrmProgImporta::~TfrmProgImporta()
{
    restaurarCursor();
    // The runner (a member) cancels and joins a job still running.
}

void TfrmProgImporta::Configurar(TipoTarefa tipo, const QString &titulo, const QStringList &etapas)
{
    m_tipo = tipo;
    setWindowTitle(titulo);
    for (int i = 0; i < kMaximoEtapas; ++i) {
        Etapa &e = m_etapas[size_t(i)];
        e.emAndamento->hide();
        e.concluida->hide();
        const QString legenda = etapas.value(i);
        e.legenda->setText(legenda);
        e.legenda->setVisible(!legenda.isEmpty());
    }
    m_gauge->setRange(0, 1);
    m_gauge->setValue(0);
    m_lblProgresso->setText(QStringLiteral("Aguarde..."));
    m_lblProgresso->show();
}

void TfrmProgImporta::DefinirTratadores(TabelaTratadores tratadores)
{
    m_executor->DefinirTratadores(std::move(tratadores));
}

void TfrmProgImporta::PermitirCancelar(bool permitir)
{
    m_permitirCancelar = permitir;
    m_btnCancelar->setEnabled(permitir && (!m_executor->EmExecucao() || m_executor->PodeCancelar()));
}

TfrmProgImporta::SituacaoEtapa TfrmProgImporta::Situacao(int etapa) const
{
    if (etapa < 1 || etapa > kMaximoEtapas)
        return SituacaoEtapa::Oculta;
    const Etapa &e = m_etapas[size_t(etapa - 1)];
    if (!e.concluida->isHidden())
        return SituacaoEtapa::Concluida;
    if (!e.emAndamento->isHidden())
        return SituacaoEtapa::EmAndamento;
    return SituacaoEtapa::Oculta;
}

EstadoTarefa TfrmProgImporta::Executar(std::unique_ptr<Tarefa> tarefa)
{
    if (!tarefa || m_executor->EmExecucao())
        return m_executor->Estado();
    m_pendente = std::move(tarefa);
    exec();
    // A window closed before it was ever shown never started its job.
    m_pendente.reset();
    return m_executor->Estado();
}

void TfrmProgImporta::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_pendente)
        return;
    m_btnCancelar->setEnabled(m_permitirCancelar);
    if (!m_cursorOcupado) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_cursorOcupado = true;
    }
    m_executor->Iniciar(std::move(m_pendente));
}

void TfrmProgImporta::closeEvent(QCloseEvent *e)
{
    if (m_executor->EmExecucao()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TfrmProgImporta::reject()
{
    if (m_executor->EmExecucao())
        return;
    QDialog::reject();
}

void TfrmProgImporta::marcarEmAndamento(int etapa)
{
    if (etapa < 1 || etapa > kMaximoEtapas)
        return;
    Etapa &e = m_etapas[size_t(etapa - 1)];
    e.concluida->hide();
    e.emAndamento->show();
    if (!e.legenda->text().isEmpty())
        e.legenda->show();
}

void TfrmProgImporta::marcarConcluida(int etapa)
{
    if (etapa < 1 || etapa > kMaximoEtapas)
        return;
    Etapa &e = m_etapas[size_t(etapa - 1)];
    e.emAndamento->hide();
    e.concluida->show();
}

void TfrmProgImporta::aoProgredir(int posicao, int maximo)
{
    const int max = std::max(maximo, 1);
    m_gauge->setRange(0, max);
    m_gauge->setValue(std::clamp(posicao, 0, max));
}

void TfrmProgImporta::aoCancelar()
{
    if (!m_permitirCancelar || !m_executor->Cancelar())
        return;
    m_btnCancelar->setEnabled(false);
    m_lblProgresso->setText(QStringLiteral("Cancelando..."));
}

void TfrmProgImporta::aoTerminarExecucao()
{
    restaurarCursor();
    m_btnCancelar->setEnabled(false);
    // The payroll import's messages come without the window behind them.
    if (m_executor->Estado().tipo == TipoTarefa::ImportacaoFolha && m_executor->Estado().sucesso)
        hide();
}

void TfrmProgImporta::aoEncerrar()
{
    if (isVisible())
        accept();
    else
        setResult(QDialog::Accepted);
}

void TfrmProgImporta::restaurarCursor()
{
    if (m_cursorOcupado) {
        QApplication::restoreOverrideCursor();
        m_cursorOcupado = false;
    }
}

} // namespace tolv
