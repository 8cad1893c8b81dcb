#pragma once

#include "db_utils.h"

#include <QString>
#include <QStringList>

namespace tolv {

// Splits an SQL script into statements at each ";" that is outside a string
// literal, a quoted identifier and a comment. Comments are dropped, blank
// statements skipped.
QStringList DividirScriptSql(const QString &script);

// Runs every statement of the script in order through Executar (so each runs in
// the caller's transaction when one is open, else on its own).
void ExecutarScriptSql(TDBUtils &banco, const QString &script);

} // namespace tolv
