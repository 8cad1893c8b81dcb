#pragma once

#include "core/date.h"
#include "core/money.h"
#include "core/negocio.h"
#include "files/reg_registro.h"
#include "regras_cadastro.h"

#include <QString>
#include <memory>

namespace tolv {

class TEmpresa;
class TResponsavel;
class TRescisao;
class TTrabalhador;

// Outcome of ValidarCadastro.
struct TRetValidaCadastro {
    QString CodigoRetorno;                  // code of the last link examined; "" when it passed
    bool InconsistenciaRegistrada = false;  // at least one inconsistency row was written
};

// An employment link (SFGTBG04_VINCULO_EMPREGATICIO): a worker in one employer for
// one admission date and category, with everything the guide needs about its end.
class TVinculo : public TNegocio {
public:
    explicit TVinculo(TDBUtils *banco = nullptr);
    ~TVinculo() override;

    qint16 NU_TIPO_INSO_EMPRA = 0;
    qint64 NU_INSCRICAO = 0;
    qint64 NU_PIS = 0;
    qint16 NU_CATEGORIA = 0;               // 0 not informed, -1 informed but not a number
    Date DT_ADMISSAO_VINCULO = DataNula;
    qint16 IC_ESTADO_MOVIMENTO = 0;        // 0 available, 1 marked, 2 closed, 3 guide processed
    qint16 NU_TIPO_INSO_TMDR = 0;          // service taker: 0 none, 1 CNPJ, 2 CEI
    qint64 NU_INSCRICAO_TMDR = 0;
    int QT_HORAS_TRBS_SMNA = 0;
    qint16 IC_AVISO_PREVIO = 0;            // 1 worked, 2 indemnified, 3 absence/dismissal
    QString IC_REPOSICAO_VAGAS;            // "S" / "N"
    QString CO_CBO;
    QString CO_MOVIMENTACAO;
    QString DE_MOVIMENTACAO;
    QString CO_SAQUE;
    Date DT_OPCAO = DataNula;
    Date DT_MOVIMENTACAO_VINCULO = DataNula;
    Date DT_INICIO_AVISO_PRVO = DataNula;
    bool IC_VALIDACAO_VINCULO = false;     // true: the link failed its last full validation
    QString NU_BANCO_CONTA;                // "000"-formatted; "" when none
    QString NU_AGENCIA_CONTA;
    QString NU_CONTA_BANCARIA;
    QString ComplementoMensagem;           // detail of the I5/I6 messages

    // Related objects, created on first use and, while CarregaRelacionados is on,
    // loaded by the link's key. Released when the link loads another row.
    TEmpresa &Empresa();
    TTrabalhador &Trabalhador();
    TRescisao &Rescisao();
    // Makes the link use an object of the caller instead (not owned; null undoes it).
    void DefinirEmpresa(TEmpresa *empresa);
    void DefinirTrabalhador(TTrabalhador *trabalhador);
    void DefinirRescisao(TRescisao *rescisao);
    bool PossuiEmpresa() const;

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;
    // Copies the link columns of the current row of `dados` (absent optional columns
    // are left empty). Used by the worker, whose rows carry the link too.
    void CarregarDaLinha(const ResultSet &dados);

    ChaveVinculo Chave() const;
    QString DescricaoAvisoPrevio() const;

    // Rules; each clears CodigoMensagem and returns true when it stays empty.
    bool ValidarCategoria(bool somenteTabela);
    bool ValidarCbo();
    bool ValidarCodigoMovimentacao();
    bool ValidarDataAdmissao(bool completa, const TArrRegRegistro *registros = nullptr);
    bool ValidarDataOpcao();
    bool ValidarDataMovimentacao();
    bool ValidarMovimentacaoI5I6();
    bool ValidarTipoAvisoPrevio();
    bool ValidarDataInicioAviso();
    bool ValidarHorasSemanais();
    bool ValidarReposicaoVaga();
    bool ValidarCodigoSaque();
    bool ValidarTipoInscricaoTomador();
    bool ValidarInscricaoTomador();
    bool ValidarBanco();
    bool ValidarAgencia();
    bool ValidarConta();

    // Opens the link of the key and loads it; false when absent or on a database
    // failure ("0144").
    bool Localizar(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);
    // Links matching the object's own key fields (a zero field matches nothing).
    bool ListarPorChave();
    // Links in movement state 1; unless `todos`, every filter above 0 narrows them.
    bool ListarParticipantes(bool todos, int tipoInscricao, Date admissao, int categoria, qint64 pis,
                             qint64 inscricao);
    bool AbrirTodos();

    // Stores the inconsistent flag of this link (or, `todos`, of every link); an
    // inconsistent link marked for the movement (state 1) leaves it.
    bool GravarValidacao(bool todos, bool inconsistente);
    // Runs every registration rule on each link from the current row to the end,
    // storing each link's flag; with `registrar` every failing link is logged as a
    // closing inconsistency. `responsavel` null: the stored responsible party.
    bool ValidarCadastro(bool registrar, TResponsavel *responsavel, TRetValidaCadastro &retorno);
    // The code of the first failing rule of the current link, "" when it passes.
    QString ValidarVinculoAtual();

    // One stored column of a link: CO_MOVIMENTACAO, or VR_DISSIDIO of its
    // termination data; empty / 0 when absent or on a database failure ("0144").
    QString CodigoMovimentacaoDe(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);
    Money ValorDissidioDe(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);

private:
    bool AbrirConsulta(const QString &sql, bool exigeLinha);
    bool Falha(const QString &codigo);
    int CategoriaTabela() const;
    bool ChaveCompleta() const;

    std::unique_ptr<TEmpresa> m_empresa;
    std::unique_ptr<TTrabalhador> m_trabalhador;
    std::unique_ptr<TRescisao> m_rescisao;
    TEmpresa *m_empresaExterna = nullptr;
    TTrabalhador *m_trabalhadorExterno = nullptr;
    TRescisao *m_rescisaoExterna = nullptr;
};


} // namespace tolv
