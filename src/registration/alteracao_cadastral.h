#pragma once

#include "core/date.h"
#include "core/negocio.h"

#include <QString>
#include <memory>

namespace tolv {

class TTrabalhador;

// A registration change the bank reported for a link (SFGTBG05_ALTERACAO_CADASTRAL):
// kind 406, a worker name that differs from the registered one, pending ("N") until
// the user keeps the registered name ("S") or adopts the bank's.
class TAlteracaoCadastral : public TNegocio {
public:
    explicit TAlteracaoCadastral(TDBUtils *banco = nullptr);
    ~TAlteracaoCadastral() override;

    // Numbers are held as text, as they come from files and screens; they are
    // checked to be digits before any statement is built.
    QString IC_CONFIRMACAO;
    QString NU_PIS;
    QString DE_CONTEUDO_ANTERIOR;
    QString NU_INSCRICAO;
    QString NU_TIPO_ALTERACAO;
    QString NU_CATEGORIA;
    QString NU_TIPO_INSO_EMPRA;
    Date DT_ADMISSAO_VINCULO = DataNula;
    QString NU_EMPREGADO_ORBEL_ALT_CDSTL;
    QString NU_EMPRESA_ORBEL_ALT_CADASTRAL;

    TTrabalhador &Trabalhador();

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    bool Incluir();
    bool Alterar();
    // Every row, or the rows of the employer narrowed by each key field that is set.
    bool Excluir(bool todas);
    // Throws on a database error.
    bool ExisteAlteracaoNome();
    bool NomeIgualAoCadastrado(const QString &nome, const QString &pis);
    // "N": adopt the bank's name (worker renamed, the link's changes deleted);
    // anything else: keep the registered name (the matching account's change
    // confirmed, the other pending ones deleted). Throws on a database error.
    void ResolverAlteracaoNome(int tipoInscricao, int categoria, QChar escolha, const QString &nome, Date admissao,
                               qint64 pis, qint64 inscricao);

private:
    std::unique_ptr<TTrabalhador> m_trabalhador;
};

} // namespace tolv
