#pragma once

#include <QString>
#include <QVector>

namespace tolv {

// Identification of one file line: who the line belongs to, so that an
// inconsistency found in it can name its responsible party, employer and worker.
// Entry i of a reader's array describes line i + 1; entry 0 (the header) names
// the responsible party of every inconsistency of the file. Dates are "ddmmyyyy"
// unless the file's layout says otherwise.
struct TRegRegistro {
    QString TipoRegistro;
    QString TipoInscricao;
    QString Inscricao;
    QString RazaoSocial;
    QString Pis;
    QString Categoria;
    QString DataAdmissao;
    QString NomeTrabalhador;
    QString DataNascimento;
    QString CodigoMovimentacao;

    friend bool operator==(const TRegRegistro &, const TRegRegistro &) = default;
};

using TArrRegRegistro = QVector<TRegRegistro>;

// The entry of a line index, or an empty entry when the index is outside the
// array (an inconsistency logged before the array is filled names nobody).
inline const TRegRegistro &RegistroDaLinha(const TArrRegRegistro &registros, int indice)
{
    static const TRegRegistro vazio;
    return (indice >= 0 && indice < registros.size()) ? registros[indice] : vazio;
}

} // namespace tolv
