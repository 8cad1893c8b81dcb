#pragma once

#include "movement/arvore.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <atomic>
#include <memory>
#include <unordered_map>

namespace tolv {

// Roles of the tree model besides text and picture.
enum PapelArvore {
    PapelId = Qt::UserRole + 1,  // IdEntrada of the node's entry (qint64)
    PapelIcone,                  // int(IconeArvore)
    PapelNivel,                  // 0 root, 1 employer, 2 link, 3 pending change
};

// The picture of each icon value, drawn here (no image files), cached.
QIcon ImagemIconeArvore(IconeArvore icone);

// The participation tree as an item model: one column, siblings in alphabetical
// order of their text (the entry list keeps the query order), following the
// tree's notifications row by row. The model keeps its own copy of what it shows
// (text, picture, parent and children), so a view never reads the entry list and
// 100,000 links cost one pass at a reset.
//
// The tree may be rebuilt on a job's worker thread (the payroll import reloads
// it). Suspender before such a job and Retomar once it has ended: in between the
// model keeps showing what it had and ignores the tree.
class ModeloArvore : public QAbstractItemModel, public ObservadorArvore {
    Q_OBJECT
public:
    explicit ModeloArvore(TArvore *arvore = nullptr, QObject *parent = nullptr);
    ~ModeloArvore() override;

    TArvore *Arvore() const { return m_arvore; }
    void DefinirArvore(TArvore *arvore);

    void Suspender();
    // Follows the tree again and reads it afresh.
    void Retomar();
    bool Suspenso() const { return m_suspenso; }

    QModelIndex IndiceDe(IdEntrada id) const;
    static IdEntrada IdDe(const QModelIndex &indice);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void EntradaIncluida(const TRecArvore &entrada, int posicao) override;
    void EntradaAlterada(const TRecArvore &entrada, int mudancas) override;
    void EntradaExcluida(const TRecArvore &entrada) override;
    void ArvoreReiniciada() override;

private:
    struct No;

    void reconstruir();
    bool naThreadDaInterface();
    static bool antes(const No *a, const No *b);
    No *buscar(IdEntrada id) const;
    QModelIndex indiceDe(const No *no) const;
    int posicaoOrdenada(const No *pai, const No *no) const;
    static void renumerar(No *pai, int de, int ate);
    void descartar(No *no);

    TArvore *m_arvore = nullptr;
    std::unique_ptr<No> m_topo;  // invisible parent of the root
    std::unordered_map<IdEntrada, std::unique_ptr<No>> m_nos;
    bool m_suspenso = false;
    // A notification came from another thread while not suspended: read the tree
    // afresh at the next Retomar.
    std::atomic<bool> m_desatualizado{false};
};

} // namespace tolv
