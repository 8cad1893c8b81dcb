#pragma once

#include "configuracao.h"
#include "db_utils.h"

#include <QStringList>
#include <functional>

namespace tolv {

inline const QString kUsuarioBanco = QStringLiteral("ZHZN_RJQD5347");
inline const QString kSenhaBanco = QStringLiteral("vmkd5162");

// Loads the two process-wide dates (pay date of the open movement, pro-rata
// edital date) from the database; supplied by the layers that own those tables.
using CarregadorDatas = std::function<void(TDBUtils &, Configuracao &)>;

// Resets the settings to their defaults, loads the dates, then applies the lines.
void LerConfiguracao(const QStringList &linhas, TDBUtils &banco, const CarregadorDatas &carregarDatas,
                     Configuracao &cfg);

// Reads VESK.ini and opens the database; the database object becomes the
// process-wide one. False means the caller must stop (the reason was shown).
bool IniciarAplicacao(const CarregadorDatas &carregarDatas = {});

// The shutdown that runs on every way out: empties the scratch directory, rolls
// back an open transaction, disconnects and frees the database object. Never throws.
void EncerrarAplicacao();

} // namespace tolv
