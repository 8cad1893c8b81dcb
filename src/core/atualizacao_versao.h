#pragma once

#include "db_utils.h"

#include <QString>
#include <QStringList>

namespace tolv {

// What one run of the schema upgrade did. Failures do not stop the program:
// the step is left for the next start and the next step is tried.
struct ResultadoAtualizacao {
    QString versaoInicial;
    QString versaoFinal;
    QStringList passosAplicados;   // new versions reached ("2.0.2", ...)
    QStringList falhas;            // "2.0.3: <engine message>"
};

// The database version: trimmed CO_VERSAO_SISTEMA of the newest row (empty when none).
QString VersaoBanco(TDBUtils &banco);

// Brings an older database up to the current schema and reference data, step by
// step. Each step writes its version only after all of its statements succeeded,
// and every structural statement is skipped when its effect is already there,
// so a failed step is simply tried again at the next start.
ResultadoAtualizacao AtualizarVersaoBanco(TDBUtils &banco);

} // namespace tolv
