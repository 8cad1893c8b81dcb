#pragma once

#include "date.h"
#include "sql_literais.h"

#include <QString>
#include <QtGlobal>

namespace tolv {

// The key of an employment link: employer (inscription type and inscription),
// worker PIS, category and admission date. Every table that hangs on a link
// carries these five columns in this order.
struct ChaveVinculo {
    int TipoInscricao = 0;
    qint64 Inscricao = 0;
    qint64 Pis = 0;
    int Categoria = 0;
    Date Admissao = DataNula;

    bool operator==(const ChaveVinculo &) const = default;

    // "AND"-joined equalities on the five key columns, with an optional table alias.
    QString Condicao(const QString &alias = QString()) const
    {
        const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
        return QStringLiteral("%1NU_TIPO_INSO_EMPRA = %2 AND %1NU_INSCRICAO = %3 AND %1NU_PIS = %4 "
                              "AND %1NU_CATEGORIA = %5 AND %1DT_ADMISSAO_VINCULO = %6")
            .arg(a)
            .arg(TipoInscricao)
            .arg(Inscricao)
            .arg(Pis)
            .arg(Categoria)
            .arg(SqlData(Admissao));
    }
};

} // namespace tolv
