// The participation rules of the tree: whether a link may take part in the open
// movement, how a refusal is reported, and the questions asked before marking.

#include "arvore.h"

#include "core/configuracao.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "files/inconsistencia.h"
#include "registration/conta_saldo_trabalhador.h"
#include "registration/empresa.h"
#include "registration/regras_cadastro.h"
#include "registration/rescisao.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"
#include "registration/vinculo.h"

namespace tolv {

namespace {

// Older balance files than this (in whole days before or after the pay date)
// no longer describe the account.
constexpr int kDiasValidadeSaldo = 15;
// How far past the pay date a termination may lie.
constexpr int kDiasMovimentacao = 30;

bool MovimentoI3(const TVinculo &v) { return Aparar(v.CO_MOVIMENTACAO).toUpper() == QLatin1String("I3"); }

// The bank's balance is compared only when the employer informed the balance
// itself (or nothing) and no agreement value or I3 movement changes the base.
bool ComparaSaldoDoBanco(TVinculo &vinculo)
{
    TRescisao &rescisao = vinculo.Rescisao();
    QString origem = Aparar(rescisao.IC_ORIGEM_SALDO_RESCISORIO).toUpper();
    if (origem.isEmpty())
        origem = QStringLiteral("N");
    return !(rescisao.VR_DISSIDIO > Money()) && !MovimentoI3(vinculo)
        && (origem == QLatin1String("C") || origem == QLatin1String("N"));
}

// The informed balance differs from the sum of the bank's lines, when the bank
// reported a positive balance of a PIS in situation 2.
bool SaldoDiverge(TVinculo &vinculo)
{
    TContaSaldoTrabalhador conta(vinculo.Banco());
    conta.CarregaRelacionados = false;
    conta.DefinirChave(vinculo.Chave());
    return conta.ExisteSaldoSituacaoPis2() && vinculo.Rescisao().VR_SALDO_RESCISORIO != conta.SomarSaldos();
}

} // namespace

void TArvore::sincronizarValidacao(const TVinculo &vinculo, int estadoAntes)
{
    const int p = posicaoVinculo(vinculo.Chave());
    if (p < 0)
        return;
    TRecArvore &e = m_entradas[size_t(p)];
    if (e.Inconsistente != vinculo.IC_VALIDACAO_VINCULO) {
        e.Inconsistente = vinculo.IC_VALIDACAO_VINCULO;
        notificarAlterada(p, MudouEstado);
    }
    // an inconsistent link leaves the movement in the database: the tree follows
    if (estadoAntes == 1 && vinculo.IC_ESTADO_MOVIMENTO == 0 && e.Estado == 1) {
        definirEstadoVinculo(p, 0);
        const int pe = PosicaoEmpresa(e.Id);
        if (pe >= 0)
            definirEstadoEmpresa(pe, EstadoEmpresaBase(e.TipoInscricao, e.Inscricao));
    }
}

bool TArvore::ValidarParticipacao(ModoValidacao modo, TVinculo &vinculo, OperacaoParticipacao operacao,
                                  TResponsavel *responsavel)
{
    CodigoMensagem.clear();
    bool permitido = true;
    const bool lote = modo == ModoValidacao::Lote;
    // Reports one failed rule; true when the checks stop here.
    const auto falha = [&](const QString &codigo) {
        CodigoMensagem = codigo;
        permitido = false;
        RegistrarViolacao(modo, &vinculo, responsavel);
        return !lote;
    };

    if (vinculo.IC_VALIDACAO_VINCULO) {
        const int estadoAntes = vinculo.IC_ESTADO_MOVIMENTO;
        const QString codigo = vinculo.ValidarVinculoAtual();
        vinculo.GravarValidacao(false, !codigo.isEmpty());
        sincronizarValidacao(vinculo, estadoAntes);
        if (!codigo.isEmpty()) {
            falha(codigo);
            return false;
        }
    }

    const Date pagamento = ConfiguracaoGlobal().DataPagamento;
    if (!pagamento.isRealDate() || pagamento.serial() <= 0) {
        falha(QStringLiteral("0062"));
        return false;
    }

    if (existeAlteracao(vinculo.Chave()) && falha(QStringLiteral("0139")))
        return false;

    TRescisao &rescisao = vinculo.Rescisao();
    if (!rescisao.ValidarValoresInformados() && falha(rescisao.CodigoMensagem))
        return false;

    if (Antes(pagamento, vinculo.DT_ADMISSAO_VINCULO) && falha(QStringLiteral("0141")))
        return false;

    if (ComparaSaldoDoBanco(vinculo)) {
        TContaSaldoTrabalhador conta(Banco());
        conta.CarregaRelacionados = false;
        conta.DefinirChave(vinculo.Chave());
        if (conta.ListarSaldosVinculo({0, 1, 2, 3}) && conta.QuantidadeRegistros() > 0
            && qAbs(pagamento - conta.DT_GRAVACAO_ARQUIVO) > kDiasValidadeSaldo && falha(QStringLiteral("0142")))
            return false;
        const bool emMassa = operacao == OperacaoParticipacao::ParticiparResponsavel
                          || operacao == OperacaoParticipacao::ParticiparEmpresa;
        if (emMassa && vinculo.IC_ESTADO_MOVIMENTO == 0 && SaldoDiverge(vinculo) && falha(QStringLiteral("0454")))
            return false;
    }

    if (Antes(pagamento + kDiasMovimentacao, vinculo.DT_MOVIMENTACAO_VINCULO) && falha(QStringLiteral("0223")))
        return false;

    if (rescisao.DissidioInformado() && rescisao.DT_DISSIDIO > pagamento && falha(QStringLiteral("0420")))
        return false;

    return permitido;
}

void TArvore::RegistrarViolacao(ModoValidacao modo, TVinculo *vinculo, TResponsavel *responsavel)
{
    if (!vinculo)
        throw ENegocio(QStringLiteral("Classe não instanciada ou não é uma classe do tipo TVinculo."));
    // Interactive refusals travel back as CodigoMensagem; the front end shows them.
    if (modo != ModoValidacao::Lote)
        return;
    const Date admissao = vinculo->DT_ADMISSAO_VINCULO;
    const QString textoAdmissao = admissao.isRealDate() && admissao.serial() > 0
                                      ? FormatarData(QStringLiteral("ddmmyyyy"), admissao)
                                      : QString();
    TInconsistencia log(Banco());
    log.IncluirFechamento(CodigoMensagem,
                          responsavel ? QString::number(responsavel->TipoInscricao) : QString(),
                          vinculo->Trabalhador().NO_EMPREGADO, textoAdmissao, QString::number(vinculo->NU_CATEGORIA),
                          CompletarZeros(QString::number(vinculo->NU_PIS), 11), vinculo->Empresa().RazaoSocial,
                          CompletarZeros(QString::number(vinculo->NU_INSCRICAO), 14),
                          QString::number(vinculo->NU_TIPO_INSO_EMPRA),
                          responsavel ? responsavel->RazaoSocial : QString(),
                          responsavel ? responsavel->Inscricao : QString());
}

QString TArvore::VerificarAlertas(IdEntrada no, EscopoAlerta escopo)
{
    const int p = Posicao(no);
    if (p < 0)
        return {};
    switch (escopo) {
    case EscopoAlerta::Todos:
        for (int j = 1; j < Quantidade(); ++j) {
            const TRecArvore &e = m_entradas[size_t(j)];
            if (e.Estado == 2 || e.Estado == 3)
                continue;
            if (((e.EhEmpresa() && e.Tipo == 'E') || e.EhVinculo()) && e.SituacaoConta == 3)
                return QStringLiteral("0416");
        }
        return {};

    case EscopoAlerta::Empresa: {
        const int pe = PosicaoEmpresa(no);
        if (pe < 0)
            return {};
        const TRecArvore &empresa = m_entradas[size_t(pe)];
        if (empresa.SituacaoConta == 3)
            return QStringLiteral("0415");
        if (empresa.SituacaoConta != 0)
            return {};
        for (int j = pe + 1, fim = fimBloco(pe); j < fim; ++j) {
            const TRecArvore &e = m_entradas[size_t(j)];
            if (!e.EhVinculo())
                continue;
            if (e.Estado == 2 || e.Estado == 3)
                return {};
            if (e.SituacaoConta == 3)
                return QStringLiteral("0417");
        }
        return {};
    }

    case EscopoAlerta::Trabalhador: {
        const TRecArvore e = m_entradas[size_t(p)];
        if (!e.EhVinculo())
            return {};
        if (e.SituacaoConta == 3)
            return QStringLiteral("0418");
        TVinculo vinculo(Banco());
        if (!vinculo.Localizar(e.TipoInscricao, e.Categoria, e.Admissao, e.Pis, e.Inscricao))
            return {};
        if (ComparaSaldoDoBanco(vinculo) && SaldoDiverge(vinculo))
            return QStringLiteral("0435");
        return {};
    }
    }
    return {};
}

} // namespace tolv
