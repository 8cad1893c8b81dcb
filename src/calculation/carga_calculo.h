#pragma once

#include "calculo.h"
#include "core/chave_vinculo.h"
#include "core/db_utils.h"

#include <QString>
#include <optional>
#include <vector>

namespace tolv {

// One link as the calculation sees it, with the names a listing shows.
struct VinculoCalculo {
    ChaveVinculo Chave;
    QString NomeEmpregado;
    QString RazaoSocial;
    int EstadoMovimento = 0;
    DadosCalculoVinculo Dados;
};

// Which links to load: one link, one employer's links, or the links in the given movement states.
struct FiltroCalculo {
    int TipoInscricao = 0;          // 0: any employer
    qint64 Inscricao = 0;
    bool UmVinculo = false;         // the whole key below is set
    qint64 Pis = 0;
    int Categoria = 0;
    Date Admissao = DataNula;
    QList<int> Estados;             // empty: any state
};

// Loads the calculation inputs of many links in one query (the link, its employer,
// its termination data and the credit date of its first bank balance not in
// situation 3), ordered by employer, worker name and key.
std::vector<VinculoCalculo> CarregarVinculosCalculo(TDBUtils &banco, const FiltroCalculo &filtro);

// Stores the computed parcels in the link's termination row (one UPDATE).
// The balance JAM is stored as 0 when the link has an agreement value.
void GravarParcelas(TDBUtils &banco, const ChaveVinculo &chave, const TCalculo &calculo, Money valorDissidio);

// Computes one link and, when all four parcels are valid, stores them; the total,
// or no value when the link could not be computed (nothing written then).
std::optional<Money> Gravar(TDBUtils &banco, TCalculo &calculo, const VinculoCalculo &vinculo);

// Logs the closing inconsistency of a missing simplified-index row (code 0372).
void RegistrarFaltaIndiceSimplificado(TDBUtils &banco);

} // namespace tolv
