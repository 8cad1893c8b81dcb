#pragma once

#include "estabelecimento.h"
#include "regras_cadastro.h"

namespace tolv {

// The responsible party (declarant) of every file sent: the row in state "R",
// or "A" when it is also an employer. It also keeps the open-movement row.
class TResponsavel : public TEstabelecimento {
public:
    explicit TResponsavel(TDBUtils *banco = nullptr);

    void Inicializar() override;
    void CarregarCampos() override;

    bool ValidarContato();  // "0097" not a name, "0177" repeated letters or blanks

    // Loads the row in state "R" or "A"; false when there is none (or "0144").
    bool CarregarResponsavel();
    // The first responsible party: a new row in state "R".
    bool IncluirResponsavel();
    // Makes this object's type and inscription the responsible party, given the
    // one the tree's root knows (`atual`, empty kind before the first save). All
    // statements run in one transaction; the new root is reported through the
    // callback when it changed.
    bool Salvar(const TRaizArvore &atual, const NotificacaoRaiz &aoAlterarRaiz = {});
    // Writes the open movement (type, inscription, DataPagamentoAbertura).
    bool GravarAbertura();

private:
    ValoresSql ValoresResponsavel();
    void MudarEstado(int tipoInscricao, qint64 inscricao, const QString &de, const QString &para);
};

} // namespace tolv
