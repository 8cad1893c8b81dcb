#pragma once

// What the search dialogs hand back, without anything of the toolkit: list
// windows and other layers read these records and tagged criteria.

#include "core/chave_vinculo.h"
#include "core/date.h"

#include <QString>
#include <QtGlobal>

namespace tolv {

// The employer (Tipo 0) or employment link (Tipo 1) chosen in the tree search.
// Type and inscription 0: nothing was chosen.
struct ResultadoLocalizacao {
    int Tipo = 0;
    qint16 TipoInscricao = 0;
    qint64 Inscricao = 0;
    qint64 Pis = 0;          // links only
    qint16 Categoria = 0;    // links only
    Date Admissao = DataNula; // links only

    bool Vazio() const { return TipoInscricao <= 0 || Inscricao <= 0; }
    ChaveVinculo Chave() const { return {TipoInscricao, Inscricao, Pis, Categoria, Admissao}; }
    friend bool operator==(const ResultadoLocalizacao &, const ResultadoLocalizacao &) = default;
};

// Keys of a tagged criterion "KEY-value".
inline const QString kChaveInscricao = QStringLiteral("INSCRICAO");
inline const QString kChaveRazao = QStringLiteral("RAZAO");
inline const QString kChavePis = QStringLiteral("PIS/PASEP");
inline const QString kChaveNome = QStringLiteral("NOME");
inline const QString kChaveProtocolo = QStringLiteral("PROTOCOLO");

inline QString MontarCriterio(const QString &chave, const QString &valor) { return chave + QLatin1Char('-') + valor; }

// The criterion record of the balance consultation.
struct TRegLocalizar {
    bool Encontrado = false;  // a criterion was given
    QString Tipo;             // "E" employer criterion, "F" a PIS
    QString Texto;            // the whole tagged text
    QString Valor;            // the text after the first "-"
};

inline TRegLocalizar MontarRegLocalizar(const QString &criterio)
{
    TRegLocalizar r;
    r.Encontrado = !criterio.isEmpty();
    r.Tipo = QStringLiteral("E");
    r.Texto = criterio;
    const qsizetype hifen = criterio.indexOf(QLatin1Char('-'));
    r.Valor = hifen < 0 ? QString() : criterio.mid(hifen + 1);
    if ((hifen < 0 ? criterio : criterio.left(hifen)) == kChavePis)
        r.Tipo = QStringLiteral("F");
    return r;
}

} // namespace tolv
