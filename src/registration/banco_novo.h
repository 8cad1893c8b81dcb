#pragma once

#include "core/db_utils.h"

#include <QString>
#include <QStringList>

namespace tolv {

// Names of the schema scripts (DDL) and reference-data scripts built into the
// program, in the order they run.
QStringList ScriptsEstrutura();
QStringList ScriptsDados();

// Creates every table, key and generator, then fills the reference tables
// (all data in one transaction: a failure leaves no half-filled table).
void InstalarEstrutura(TDBUtils &banco);

// Creates a new database file at `caminho` with the whole schema and data.
// Refuses to overwrite an existing file.
void CriarBancoDados(const QString &caminho);

} // namespace tolv
