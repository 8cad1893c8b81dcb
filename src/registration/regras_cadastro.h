#pragma once

#include "core/chave_vinculo.h"
#include "core/date.h"
#include "core/db_utils.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

// Small pieces shared by the registration objects: text tests the rules repeat,
// the literal forms of numbers kept as text, and the link key as SQL.

namespace tolv {

// No letter or blank `n` times in a row (case ignored); digits may repeat.
bool SemRepeticaoLetraOuBranco(const QString &texto, int n);
// Only blanks, "0".."9" and "A".."Z" once upper-cased (accented letters refused).
bool SomenteLetrasDigitosBrancos(const QString &texto);

// A number kept as text, for an unquoted SQL value: "Null" when blank, its value
// otherwise. ENegocio when it is not an integer (callers check digits first).
QString SqlNumeroOuNulo(const QString &texto);
// Always in apostrophes, also when blank (columns that store '' rather than NULL).
QString SqlTextoSempre(const QString &texto);
// "SELECT campo FROM tabela  WHERE condicao " (the reference-table lookups).
QString SqlConsulta(const QString &campo, const QString &tabela, const QString &condicao);

// Column = value pairs of an INSERT or UPDATE; values are finished SQL literals.
using ValoresSql = QList<QPair<QString, QString>>;
QString SqlInsert(const QString &tabela, const ValoresSql &valores);
QString SqlUpdate(const QString &tabela, const ValoresSql &valores, const QString &condicao);

// Whether the query returns at least one row.
bool ExisteLinha(TDBUtils &banco, const QString &sql);

// A date is set when it is not DataNula (day 0, a NULL column, counts as set).
inline bool DataDefinida(Date d) { return !d.isNull(); }
// Both dates set and a before b: comparisons with a missing date never fail a rule.
inline bool Antes(Date a, Date b) { return DataDefinida(a) && DataDefinida(b) && a < b; }

// The five key columns equal between two tables or aliases (a join or a
// correlated subquery on the link key).
QString JuncaoVinculo(const QString &a, const QString &b);

// Runs a group of statements in one transaction unless the caller already holds
// one (then the caller's commit or rollback decides). Rolls back on destruction
// unless Confirmar was called.
class TransacaoLocal {
public:
    explicit TransacaoLocal(TDBUtils &banco);
    ~TransacaoLocal();
    TransacaoLocal(const TransacaoLocal &) = delete;
    TransacaoLocal &operator=(const TransacaoLocal &) = delete;
    void Confirmar();

private:
    TDBUtils &m_banco;
    bool m_propria = false;
};

} // namespace tolv
