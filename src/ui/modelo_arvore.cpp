#include "modelo_arvore.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <algorithm>

namespace tolv {

// ---------------------------------------------------------------------------
// Pictures. Each is drawn on a 16-unit grid and rendered at 16 and 32 pixels.

namespace {

const QColor kEmpresaDisponivel(0x4a, 0x6f, 0x9c);
const QColor kParticipando(0x2e, 0x8b, 0x3e);
const QColor kFechado(0x7a, 0x7a, 0x7a);
const QColor kTrabalhadorDisponivel(0x5d, 0x6d, 0x7e);
const QColor kTrabalhadorFechado(0xa0, 0x3a, 0x2c);
const QColor kGuia(0x1f, 0x5f, 0xbf);

void Predio(QPainter &g, const QColor &cor)
{
    g.setPen(QPen(cor.darker(140), 0.8));
    g.setBrush(cor);
    g.drawRect(QRectF(2.5, 2.5, 9, 12));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xf2, 0xf4, 0xf7));
    for (int linha = 0; linha < 3; ++linha)
        for (int coluna = 0; coluna < 2; ++coluna)
            g.drawRect(QRectF(4 + coluna * 3.5, 4 + linha * 3, 2, 1.8));
    g.setBrush(cor.darker(160));
    g.drawRect(QRectF(6, 12, 2, 2.5));
}

void Pessoa(QPainter &g, const QColor &cor)
{
    g.setPen(Qt::NoPen);
    g.setBrush(cor);
    g.drawEllipse(QPointF(7, 4.3), 2.8, 2.8);
    QPainterPath corpo;
    corpo.moveTo(1.5, 15);
    corpo.cubicTo(1.5, 9.2, 12.5, 9.2, 12.5, 15);
    corpo.closeSubpath();
    g.drawPath(corpo);
}

// A round mark in the lower right corner, over the main figure.
void Selo(QPainter &g, const QColor &cor)
{
    g.setPen(QPen(Qt::white, 1));
    g.setBrush(cor);
    g.drawEllipse(QPointF(12, 12), 3.6, 3.6);
}

void Visto(QPainter &g)
{
    Selo(g, kParticipando);
    g.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    g.drawPolyline(QPolygonF({QPointF(10.3, 12.1), QPointF(11.6, 13.4), QPointF(13.8, 10.6)}));
}

void Cadeado(QPainter &g)
{
    g.setPen(QPen(QColor(0x5a, 0x46, 0x00), 1.1));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(10.2, 8.6, 3.6, 4.2), 0, 180 * 16);
    g.setPen(QPen(QColor(0x5a, 0x46, 0x00), 0.7));
    g.setBrush(QColor(0xf0, 0xc0, 0x30));
    g.drawRect(QRectF(9.5, 11, 5, 4.3));
}

void Documento(QPainter &g)
{
    g.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.7));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(9.5, 8.5, 5.5, 7));
    g.setPen(QPen(kGuia, 0.8));
    for (double y : {10.5, 12.2, 13.9})
        g.drawLine(QPointF(10.7, y), QPointF(13.8, y));
}

void Pasta(QPainter &g)
{
    const QColor couro(0x8b, 0x5a, 0x2b);
    g.setPen(QPen(couro.darker(150), 1.2));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(QRectF(5.5, 2.5, 5, 3.5), 1, 1);
    g.setPen(QPen(couro.darker(150), 0.8));
    g.setBrush(couro);
    g.drawRoundedRect(QRectF(1.5, 5, 13, 9.5), 1.5, 1.5);
    g.setPen(QPen(couro.lighter(150), 0.9));
    g.drawLine(QPointF(1.8, 9), QPointF(14.2, 9));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xe8, 0xc5, 0x60));
    g.drawRect(QRectF(7, 8, 2, 2.2));
}

void Alerta(QPainter &g)
{
    QPainterPath triangulo;
    triangulo.moveTo(8, 1.5);
    triangulo.lineTo(15, 14.5);
    triangulo.lineTo(1, 14.5);
    triangulo.closeSubpath();
    g.setPen(QPen(QColor(0x9a, 0x6a, 0x00), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(QColor(0xf5, 0xc2, 0x1b));
    g.drawPath(triangulo);
    g.setPen(QPen(QColor(0x30, 0x24, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(8, 5.8), QPointF(8, 10));
    g.drawPoint(QPointF(8, 12.4));
}

void Desenhar(QPainter &g, IconeArvore icone)
{
    switch (icone) {
    case IconeArvore::Raiz: Pasta(g); break;
    case IconeArvore::EmpresaDisponivel: Predio(g, kEmpresaDisponivel); break;
    case IconeArvore::EmpresaParticipando: Predio(g, kEmpresaDisponivel); Visto(g); break;
    case IconeArvore::EmpresaFechada: Predio(g, kFechado); Cadeado(g); break;
    case IconeArvore::Disponivel: Pessoa(g, kTrabalhadorDisponivel); break;
    case IconeArvore::Participando: Pessoa(g, kParticipando); Visto(g); break;
    case IconeArvore::Fechado: Pessoa(g, kTrabalhadorFechado); Cadeado(g); break;
    case IconeArvore::GuiaProcessada: Pessoa(g, kGuia); Documento(g); break;
    case IconeArvore::AlteracaoPendente: Alerta(g); break;
    }
}

QPixmap Renderizar(IconeArvore icone, int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(lado / 16.0, lado / 16.0);
    Desenhar(g, icone);
    return p;
}

// Sort key of a node's text: case and accents do not move a name away from its
// neighbours ("ÁGUA" next to "AGUA", not after "ZETA").
QString ChaveOrdenacao(const QString &texto)
{
    bool ascii = true;
    for (QChar c : texto)
        if (c.unicode() > 0x7f) {
            ascii = false;
            break;
        }
    if (ascii)
        return texto.toUpper();
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    QString chave;
    chave.reserve(decomposto.size());
    for (QChar c : decomposto)
        if (c.category() != QChar::Mark_NonSpacing)
            chave += c;
    return chave.toUpper();
}

} // namespace

QIcon ImagemIconeArvore(IconeArvore icone)
{
    static QHash<int, QIcon> cache;
    const auto it = cache.constFind(int(icone));
    if (it != cache.constEnd())
        return *it;
    QIcon i;
    i.addPixmap(Renderizar(icone, 16));
    i.addPixmap(Renderizar(icone, 32));
    cache.insert(int(icone), i);
    return i;
}

// ---------------------------------------------------------------------------
// Model

struct ModeloArvore::No {
    IdEntrada id = SemEntrada;
    QString texto;
    QString chave;
    IconeArvore icone = IconeArvore::Raiz;
    int nivel = 0;
    No *pai = nullptr;
    int linha = 0;
    std::vector<No *> filhos;

    void definirTexto(const QString &t)
    {
        texto = t;
        chave = ChaveOrdenacao(t);
    }
};

ModeloArvore::ModeloArvore(TArvore *arvore, QObject *parent)
    : QAbstractItemModel(parent), m_topo(std::make_unique<No>())
{
    DefinirArvore(arvore);
}

ModeloArvore::~ModeloArvore()
{
    if (m_arvore && !m_suspenso)
        m_arvore->RemoverObservador(this);
}

void ModeloArvore::DefinirArvore(TArvore *arvore)
{
    if (m_arvore && !m_suspenso)
        m_arvore->RemoverObservador(this);
    m_arvore = arvore;
    if (m_arvore && !m_suspenso)
        m_arvore->AdicionarObservador(this);
    reconstruir();
}

void ModeloArvore::Suspender()
{
    if (m_suspenso)
        return;
    m_suspenso = true;
    if (m_arvore)
        m_arvore->RemoverObservador(this);
}

void ModeloArvore::Retomar()
{
    if (!m_suspenso && !m_desatualizado)
        return;
    if (m_suspenso && m_arvore)
        m_arvore->AdicionarObservador(this);
    m_suspenso = false;
    reconstruir();
}

bool ModeloArvore::naThreadDaInterface()
{
    if (QThread::currentThread() == thread())
        return true;
    // Nothing of the model may be touched from here; the owner calls Retomar
    // once the other thread is done.
    m_desatualizado = true;
    return false;
}

ModeloArvore::No *ModeloArvore::buscar(IdEntrada id) const
{
    const auto it = m_nos.find(id);
    return it == m_nos.end() ? nullptr : it->second.get();
}

QModelIndex ModeloArvore::indiceDe(const No *no) const
{
    if (!no || no == m_topo.get())
        return {};
    return createIndex(no->linha, 0, const_cast<No *>(no));
}

QModelIndex ModeloArvore::IndiceDe(IdEntrada id) const { return indiceDe(buscar(id)); }

IdEntrada ModeloArvore::IdDe(const QModelIndex &indice)
{
    if (!indice.isValid())
        return SemEntrada;
    return static_cast<const No *>(indice.internalPointer())->id;
}

bool ModeloArvore::antes(const No *a, const No *b)
{
    if (const int c = a->chave.compare(b->chave))
        return c < 0;
    if (const int c = a->texto.compare(b->texto))
        return c < 0;
    return a->id < b->id;
}

int ModeloArvore::posicaoOrdenada(const No *pai, const No *no) const
{
    const auto it = std::lower_bound(pai->filhos.begin(), pai->filhos.end(), no, antes);
    return int(it - pai->filhos.begin());
}

void ModeloArvore::renumerar(No *pai, int de, int ate)
{
    ate = std::min(ate, int(pai->filhos.size()) - 1);
    for (int i = std::max(de, 0); i <= ate; ++i)
        pai->filhos[size_t(i)]->linha = i;
}

void ModeloArvore::descartar(No *no)
{
    for (No *f : no->filhos)
        descartar(f);
    no->filhos.clear();
    m_nos.erase(no->id);
}

void ModeloArvore::reconstruir()
{
    beginResetModel();
    m_nos.clear();
    m_topo->filhos.clear();
    m_desatualizado = false;
    if (m_arvore) {
        const std::vector<TRecArvore> &entradas = m_arvore->Entradas();
        m_nos.reserve(entradas.size());
        // Parents come before their children in the list.
        for (const TRecArvore &e : entradas) {
            auto no = std::make_unique<No>();
            no->id = e.Id;
            no->definirTexto(e.Texto);
            no->icone = e.Icone;
            no->nivel = e.Nivel();
            No *pai = e.Pai == SemEntrada ? m_topo.get() : buscar(e.Pai);
            if (!pai)
                continue;
            no->pai = pai;
            pai->filhos.push_back(no.get());
            m_nos.emplace(e.Id, std::move(no));
        }
        std::vector<No *> pendentes{m_topo.get()};
        while (!pendentes.empty()) {
            No *p = pendentes.back();
            pendentes.pop_back();
            std::sort(p->filhos.begin(), p->filhos.end(), antes);
            for (int i = 0; i < int(p->filhos.size()); ++i) {
                p->filhos[size_t(i)]->linha = i;
                if (!p->filhos[size_t(i)]->filhos.empty())
                    pendentes.push_back(p->filhos[size_t(i)]);
            }
        }
    }
    endResetModel();
}

QModelIndex ModeloArvore::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    const No *pai = parent.isValid() ? static_cast<const No *>(parent.internalPointer()) : m_topo.get();
    if (row >= int(pai->filhos.size()))
        return {};
    return createIndex(row, 0, pai->filhos[size_t(row)]);
}

QModelIndex ModeloArvore::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indiceDe(static_cast<const No *>(child.internalPointer())->pai);
}

int ModeloArvore::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const No *pai = parent.isValid() ? static_cast<const No *>(parent.internalPointer()) : m_topo.get();
    return int(pai->filhos.size());
}

int ModeloArvore::columnCount(const QModelIndex &) const { return 1; }

bool ModeloArvore::hasChildren(const QModelIndex &parent) const { return rowCount(parent) > 0; }

QVariant ModeloArvore::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const No *no = static_cast<const No *>(index.internalPointer());
    switch (role) {
    case Qt::DisplayRole: return no->texto;
    case Qt::DecorationRole: return ImagemIconeArvore(no->icone);
    case PapelId: return QVariant::fromValue<qint64>(no->id);
    case PapelIcone: return int(no->icone);
    case PapelNivel: return no->nivel;
    default: return {};
    }
}

Qt::ItemFlags ModeloArvore::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// ---------------------------------------------------------------------------
// Notifications

void ModeloArvore::EntradaIncluida(const TRecArvore &entrada, int)
{
    if (!naThreadDaInterface())
        return;
    No *pai = entrada.Pai == SemEntrada ? m_topo.get() : buscar(entrada.Pai);
    if (!pai || buscar(entrada.Id)) {
        reconstruir();
        return;
    }
    auto no = std::make_unique<No>();
    no->id = entrada.Id;
    no->definirTexto(entrada.Texto);
    no->icone = entrada.Icone;
    no->nivel = entrada.Nivel();
    no->pai = pai;
    const int linha = posicaoOrdenada(pai, no.get());
    beginInsertRows(indiceDe(pai), linha, linha);
    pai->filhos.insert(pai->filhos.begin() + linha, no.get());
    renumerar(pai, linha, int(pai->filhos.size()) - 1);
    m_nos.emplace(entrada.Id, std::move(no));
    endInsertRows();
}

void ModeloArvore::EntradaAlterada(const TRecArvore &entrada, int mudancas)
{
    if (!naThreadDaInterface())
        return;
    No *no = buscar(entrada.Id);
    if (!no)
        return;
    no->icone = entrada.Icone;
    no->nivel = entrada.Nivel();
    if ((mudancas & MudouTexto) && no->texto != entrada.Texto) {
        No *pai = no->pai;
        const int de = no->linha;
        pai->filhos.erase(pai->filhos.begin() + de);
        no->definirTexto(entrada.Texto);
        const int para = posicaoOrdenada(pai, no);
        if (para != de) {
            const QModelIndex indicePai = indiceDe(pai);
            // the destination counts rows as they are before the move
            pai->filhos.insert(pai->filhos.begin() + de, no);
            beginMoveRows(indicePai, de, de, indicePai, para > de ? para + 1 : para);
            pai->filhos.erase(pai->filhos.begin() + de);
            pai->filhos.insert(pai->filhos.begin() + para, no);
            renumerar(pai, std::min(de, para), std::max(de, para));
            endMoveRows();
        } else {
            pai->filhos.insert(pai->filhos.begin() + de, no);
        }
    }
    const QModelIndex i = indiceDe(no);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::DecorationRole, PapelIcone});
}

void ModeloArvore::EntradaExcluida(const TRecArvore &entrada)
{
    if (!naThreadDaInterface())
        return;
    No *no = buscar(entrada.Id);
    if (!no)
        return;
    No *pai = no->pai;
    const int linha = no->linha;
    beginRemoveRows(indiceDe(pai), linha, linha);
    pai->filhos.erase(pai->filhos.begin() + linha);
    renumerar(pai, linha, int(pai->filhos.size()) - 1);
    descartar(no);
    endRemoveRows();
}

void ModeloArvore::ArvoreReiniciada()
{
    if (!naThreadDaInterface())
        return;
    reconstruir();
}

} // namespace tolv
