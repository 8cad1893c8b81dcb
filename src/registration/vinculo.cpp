#include "vinculo.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "core/validadores.h"
#include "empresa.h"
#include "files/inconsistencia.h"
#include "rescisao.h"
#include "responsavel.h"
#include "trabalhador.h"

#include <functional>

namespace tolv {

namespace {

const QString kOrdemVinculos =
    QStringLiteral("ORDER BY VINC.NU_TIPO_INSO_EMPRA, VINC.NU_INSCRICAO, VINC.NU_PIS, VINC.DT_ADMISSAO_VINCULO, "
                   "VINC.NU_CATEGORIA");

// Categories that must have an admission and an option date.
bool CategoriaComFgts(int categoria) { return categoria == 1 || (categoria >= 3 && categoria <= 7); }

bool ForaDaFaixa(Date d) { return ClassificarData(d) == DataAnteriorA1900; }
bool Invalida(Date d) { return ClassificarData(d) == DataNaoReconhecida; }

QString Texto(const ResultSet &dados, const QString &coluna)
{
    return dados.hasColumn(coluna) ? Aparar(dados.field(coluna).toString()) : QString();
}
qint64 Numero(const ResultSet &dados, const QString &coluna)
{
    return dados.hasColumn(coluna) ? dados.field(coluna).toInt64() : 0;
}
Date DataColuna(const ResultSet &dados, const QString &coluna)
{
    return dados.hasColumn(coluna) ? dados.field(coluna).toDate() : DataNula;
}

} // namespace

TVinculo::TVinculo(TDBUtils *banco) : TNegocio(banco) { TVinculo::Inicializar(); }

TVinculo::~TVinculo() = default;

void TVinculo::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral(
        "SELECT VINC.NU_TIPO_INSO_EMPRA, VINC.NU_INSCRICAO, VINC.NU_PIS, VINC.NU_CATEGORIA, VINC.DT_ADMISSAO_VINCULO, "
        "VINC.CO_MOVIMENTACAO, VINC.CO_CBO, VINC.CO_SAQUE, VINC.DT_OPCAO, VINC.NU_TIPO_INSO_TMDR, "
        "VINC.NU_INSCRICAO_TMDR, VINC.IC_AVISO_PREVIO, VINC.DT_INICIO_AVISO_PRVO, VINC.IC_REPOSICAO_VAGAS, "
        "VINC.QT_HORAS_TRBS_SMNA, VINC.IC_ESTADO_MOVIMENTO, VINC.DT_MOVIMENTACAO_VINCULO, VINC.NU_BANCO_CONTA, "
        "VINC.NU_AGENCIA_CONTA, VINC.NU_CONTA_BANCARIA, VINC.IC_VALIDACAO_VINCULO, MOV.DE_MOVIMENTACAO ");
    // LEFT JOIN: a link whose movement code is unknown must still be listed and flagged.
    SqlFrom = QStringLiteral("FROM SFGTBG04_VINCULO_EMPREGATICIO VINC "
                             "LEFT JOIN SFGTBT07_TIPO_MOVIMENTACAO MOV ON MOV.CO_MOVIMENTACAO = VINC.CO_MOVIMENTACAO ");
    TVinculo::Limpar();
}

void TVinculo::Limpar()
{
    NU_TIPO_INSO_EMPRA = 0;
    NU_INSCRICAO = 0;
    NU_PIS = 0;
    NU_CATEGORIA = 0;
    DT_ADMISSAO_VINCULO = DataNula;
    IC_ESTADO_MOVIMENTO = 0;
    NU_TIPO_INSO_TMDR = 0;
    NU_INSCRICAO_TMDR = 0;
    QT_HORAS_TRBS_SMNA = 0;
    IC_AVISO_PREVIO = 0;
    IC_REPOSICAO_VAGAS.clear();
    CO_CBO.clear();
    CO_MOVIMENTACAO.clear();
    DE_MOVIMENTACAO.clear();
    CO_SAQUE.clear();
    DT_OPCAO = DataNula;
    DT_MOVIMENTACAO_VINCULO = DataNula;
    DT_INICIO_AVISO_PRVO = DataNula;
    IC_VALIDACAO_VINCULO = false;
    NU_BANCO_CONTA.clear();
    NU_AGENCIA_CONTA.clear();
    NU_CONTA_BANCARIA.clear();
    ComplementoMensagem.clear();
    m_empresa.reset();
    m_trabalhador.reset();
    m_rescisao.reset();
}

void TVinculo::CarregarCampos()
{
    TNegocio::CarregarCampos();
    CarregarDaLinha(dataSet());
}

void TVinculo::CarregarDaLinha(const ResultSet &dados)
{
    NU_TIPO_INSO_EMPRA = qint16(Numero(dados, QStringLiteral("NU_TIPO_INSO_EMPRA")));
    NU_INSCRICAO = Numero(dados, QStringLiteral("NU_INSCRICAO"));
    NU_PIS = Numero(dados, QStringLiteral("NU_PIS"));
    NU_CATEGORIA = qint16(Numero(dados, QStringLiteral("NU_CATEGORIA")));
    DT_ADMISSAO_VINCULO = DataColuna(dados, QStringLiteral("DT_ADMISSAO_VINCULO"));
    CO_MOVIMENTACAO = Texto(dados, QStringLiteral("CO_MOVIMENTACAO"));
    CO_CBO = Texto(dados, QStringLiteral("CO_CBO"));
    CO_SAQUE = Texto(dados, QStringLiteral("CO_SAQUE"));
    DT_OPCAO = DataColuna(dados, QStringLiteral("DT_OPCAO"));
    NU_TIPO_INSO_TMDR = qint16(Numero(dados, QStringLiteral("NU_TIPO_INSO_TMDR")));
    NU_INSCRICAO_TMDR = Numero(dados, QStringLiteral("NU_INSCRICAO_TMDR"));
    IC_AVISO_PREVIO = qint16(Numero(dados, QStringLiteral("IC_AVISO_PREVIO")));
    DT_INICIO_AVISO_PRVO = DataColuna(dados, QStringLiteral("DT_INICIO_AVISO_PRVO"));
    IC_REPOSICAO_VAGAS = Texto(dados, QStringLiteral("IC_REPOSICAO_VAGAS"));
    QT_HORAS_TRBS_SMNA = int(Numero(dados, QStringLiteral("QT_HORAS_TRBS_SMNA")));
    IC_ESTADO_MOVIMENTO = qint16(Numero(dados, QStringLiteral("IC_ESTADO_MOVIMENTO")));
    DT_MOVIMENTACAO_VINCULO = DataColuna(dados, QStringLiteral("DT_MOVIMENTACAO_VINCULO"));
    const qint64 banco = Numero(dados, QStringLiteral("NU_BANCO_CONTA"));
    NU_BANCO_CONTA = banco == 0 ? QString() : CompletarZeros(QString::number(banco), 3);
    NU_AGENCIA_CONTA = Texto(dados, QStringLiteral("NU_AGENCIA_CONTA"));
    NU_CONTA_BANCARIA = Texto(dados, QStringLiteral("NU_CONTA_BANCARIA"));
    IC_VALIDACAO_VINCULO = Texto(dados, QStringLiteral("IC_VALIDACAO_VINCULO")) == QLatin1String("S");
    DE_MOVIMENTACAO = Texto(dados, QStringLiteral("DE_MOVIMENTACAO"));
}

ChaveVinculo TVinculo::Chave() const
{
    return {NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO};
}

bool TVinculo::ChaveCompleta() const
{
    return NU_TIPO_INSO_EMPRA > 0 && NU_INSCRICAO > 0 && NU_PIS > 0 && DT_ADMISSAO_VINCULO.isRealDate();
}

// ---------------------------------------------------------------------------
// Related objects

TEmpresa &TVinculo::Empresa()
{
    if (m_empresaExterna)
        return *m_empresaExterna;
    if (!m_empresa) {
        m_empresa = std::make_unique<TEmpresa>(Banco());
        m_empresa->CarregaRelacionados = CarregaRelacionados;
        if (CarregaRelacionados && NU_TIPO_INSO_EMPRA > 0 && NU_INSCRICAO > 0)
            m_empresa->ConsultarPorInscricao(NU_TIPO_INSO_EMPRA, QString::number(NU_INSCRICAO));
    }
    return *m_empresa;
}

TTrabalhador &TVinculo::Trabalhador()
{
    if (m_trabalhadorExterno)
        return *m_trabalhadorExterno;
    if (!m_trabalhador) {
        m_trabalhador = std::make_unique<TTrabalhador>(Banco());
        m_trabalhador->CarregaRelacionados = CarregaRelacionados;
        if (CarregaRelacionados && ChaveCompleta()) {
            try {
                m_trabalhador->LocalizarPorVinculo(NU_TIPO_INSO_EMPRA, QString::number(NU_INSCRICAO),
                                                   DT_ADMISSAO_VINCULO, NU_CATEGORIA, QString::number(NU_PIS));
            } catch (const std::exception &) {
                // the worker keeps "0144"; its rules then fail on the empty fields
            }
        }
    }
    return *m_trabalhador;
}

TRescisao &TVinculo::Rescisao()
{
    if (m_rescisaoExterna)
        return *m_rescisaoExterna;
    if (!m_rescisao) {
        m_rescisao = std::make_unique<TRescisao>(Banco());
        m_rescisao->CarregaRelacionados = CarregaRelacionados;
        m_rescisao->DefinirVinculo(this);
        if (CarregaRelacionados && ChaveCompleta())
            m_rescisao->Localizar(NU_TIPO_INSO_EMPRA, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_PIS, NU_INSCRICAO);
    }
    return *m_rescisao;
}

void TVinculo::DefinirEmpresa(TEmpresa *empresa) { m_empresaExterna = empresa; }
void TVinculo::DefinirTrabalhador(TTrabalhador *trabalhador) { m_trabalhadorExterno = trabalhador; }
void TVinculo::DefinirRescisao(TRescisao *rescisao) { m_rescisaoExterna = rescisao; }
bool TVinculo::PossuiEmpresa() const { return m_empresaExterna || m_empresa; }

QString TVinculo::DescricaoAvisoPrevio() const
{
    switch (IC_AVISO_PREVIO) {
    case 1: return QStringLiteral("1 - Trabalhado");
    case 2: return QStringLiteral("2 - Indenizado");
    case 3: return QStringLiteral("3 - Ausência/Dispensa");
    default: return {};
    }
}

// ---------------------------------------------------------------------------
// Rules

bool TVinculo::Falha(const QString &codigo)
{
    CodigoMensagem = codigo;
    return false;
}

bool TVinculo::ValidarCategoria(bool somenteTabela)
{
    CodigoMensagem.clear();
    if (NU_CATEGORIA == -1)
        return Falha(QStringLiteral("0014"));
    if (NU_CATEGORIA == 0)
        return Falha(QStringLiteral("0015"));
    try {
        if (!ExisteLinha(*Banco(), QStringLiteral("SELECT NU_CATEGORIA FROM SFGTBT04_CATEGORIA_EMPREGADO "
                                                  "WHERE NU_CATEGORIA = %1")
                                       .arg(NU_CATEGORIA)))
            CodigoMensagem = QStringLiteral("0336");  // the checks below may still replace it
    } catch (const std::exception &) {
        return Falha(QStringLiteral("0144"));
    }
    if (somenteTabela)
        return CodigoMensagem.isEmpty();

    const QString movimento = Aparar(CO_MOVIMENTACAO).toUpper();
    const bool fpas868 = TextoParaInteiro(Aparar(Empresa().Fpas)) == 868;
    if (NU_TIPO_INSO_EMPRA == 1 && NU_CATEGORIA == 6)
        return Falha(QStringLiteral("0412"));
    if (NU_CATEGORIA != 6 && movimento == QLatin1String("I4"))
        return Falha(QStringLiteral("0406"));
    if (!fpas868 && NU_CATEGORIA == 6)
        return Falha(QStringLiteral("0424"));
    if (fpas868 && NU_CATEGORIA != 6)
        return Falha(QStringLiteral("0431"));
    if (movimento == QLatin1String("I1") && NU_CATEGORIA == 6)
        return Falha(QStringLiteral("0433"));
    return CodigoMensagem.isEmpty();
}

bool TVinculo::ValidarCbo()
{
    CodigoMensagem.clear();
    const QString cbo = Aparar(CO_CBO);
    const QString domestico = QStringLiteral("005121");
    if (NU_CATEGORIA == 6 && cbo != domestico)
        return Falha(QStringLiteral("0016"));
    if (NU_CATEGORIA != 6 && cbo == domestico)
        return Falha(QStringLiteral("0390"));
    if (cbo.isEmpty())
        return Falha(QStringLiteral("0017"));
    try {
        if (!ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("CO_CBO"), QStringLiteral("SFGTBT05_OCUPACAO_NIVEL_4"),
                                               QStringLiteral("CO_CBO = ") + SqlTexto(cbo))))
            return Falha(QStringLiteral("0337"));
    } catch (const std::exception &) {
        return Falha(QStringLiteral("0144"));
    }
    return true;
}

bool TVinculo::ValidarCodigoMovimentacao()
{
    CodigoMensagem.clear();
    const QString codigo = Aparar(CO_MOVIMENTACAO);
    if (codigo.isEmpty())
        return Falha(QStringLiteral("0027"));
    if (codigo.toUpper() == QLatin1String("I3") && Rescisao().VR_SALDO_RESCISORIO > Money())
        return Falha(QStringLiteral("0483"));
    try {
        if (!ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("CO_MOVIMENTACAO"),
                                               QStringLiteral("SFGTBT07_TIPO_MOVIMENTACAO"),
                                               QStringLiteral("CO_MOVIMENTACAO = ") + SqlTexto(codigo))))
            return Falha(QStringLiteral("0338"));
    } catch (const std::exception &) {
        return Falha(QStringLiteral("0144"));
    }
    return true;
}

bool TVinculo::ValidarDataAdmissao(bool completa, const TArrRegRegistro *registros)
{
    CodigoMensagem.clear();
    const Date admissao = DT_ADMISSAO_VINCULO;
    if (ForaDaFaixa(admissao))
        return Falha(QStringLiteral("0043"));
    if (CategoriaComFgts(NU_CATEGORIA) && admissao.isNull())
        return Falha(QStringLiteral("0039"));
    if (Invalida(admissao))
        return Falha(QStringLiteral("0046"));
    if (NU_CATEGORIA == 4 && Antes(admissao, Date::fromYmd(1998, 1, 22)))
        return Falha(QStringLiteral("0041"));
    if (NU_CATEGORIA == 7 && Antes(admissao, Date::fromYmd(2000, 12, 20)))
        return Falha(QStringLiteral("0040"));

    TTrabalhador &trabalhador = Trabalhador();
    const Date nascimento = trabalhador.DT_NASCIMENTO;
    const bool nascimentoValido = nascimento.isRealDate() && ClassificarData(nascimento) == DataAceitavel;
    if (!nascimentoValido)
        return true;
    if (completa && admissao.isRealDate() && nascimento >= admissao)
        return Falha(QStringLiteral("0044"));

    const qint64 pis = NU_PIS > 0 ? NU_PIS : ConverterInteiro64(trabalhador.NU_PIS).value_or(0);
    if (registros) {
        for (const TRegRegistro &r : *registros) {
            if (TextoParaInteiro(r.TipoRegistro) != 40 || ConverterInteiro64(r.Pis).value_or(-1) != pis)
                continue;
            const Date outra = LerData(r.DataAdmissao, false);
            if (outra.isRealDate() && outra < nascimento)
                return Falha(QStringLiteral("0443"));
        }
    }
    // Stored links are relatives: objects that must not query them (the payroll
    // import's in-memory checks) skip this step.
    if (CarregaRelacionados && pis > 0) {
        try {
            if (ExisteLinha(*Banco(), QStringLiteral("SELECT NU_PIS FROM SFGTBG04_VINCULO_EMPREGATICIO "
                                                     "WHERE NU_PIS = %1 AND DT_ADMISSAO_VINCULO < %2")
                                          .arg(pis)
                                          .arg(SqlData(nascimento))))
                return Falha(QStringLiteral("0443"));
        } catch (const std::exception &) {
            return Falha(QStringLiteral("0144"));
        }
    }
    return true;
}

bool TVinculo::ValidarDataOpcao()
{
    CodigoMensagem.clear();
    const Date opcao = DT_OPCAO;
    const Date admissao = DT_ADMISSAO_VINCULO;
    const int c = NU_CATEGORIA;
    const Date constituicao = Date::fromYmd(1988, 10, 5);
    if (Invalida(opcao))
        return Falha(QStringLiteral("0060"));
    if (ForaDaFaixa(opcao))
        return Falha(QStringLiteral("0382"));
    if (CategoriaComFgts(c) && opcao.isNull())
        return Falha(QStringLiteral("0057"));
    if (Antes(opcao, admissao))
        return Falha(QStringLiteral("0059"));
    if ((c == 1 || c == 3) && Antes(opcao, Date::fromYmd(1967, 1, 1)))
        return Falha(QStringLiteral("0061"));
    if (c == 5 && Antes(opcao, Date::fromYmd(1981, 6, 2)))
        return Falha(QStringLiteral("0394"));
    if ((c == 1 || c == 3) && Antes(admissao, constituicao) && Antes(constituicao, opcao))
        return Falha(QStringLiteral("0058"));
    if (c == 4 && Antes(opcao, Date::fromYmd(1998, 1, 22)))
        return Falha(QStringLiteral("0180"));
    if (c == 6 && Antes(opcao, Date::fromYmd(2000, 3, 1)))
        return Falha(QStringLiteral("0182"));
    if (c == 7 && Antes(opcao, Date::fromYmd(2000, 12, 20)))
        return Falha(QStringLiteral("0181"));
    if ((c == 1 || c == 3 || c == 4 || c == 7) && DataDefinida(admissao) && admissao >= constituicao
        && DataDefinida(opcao) && opcao != admissao)
        return Falha(QStringLiteral("0056"));
    return true;
}

bool TVinculo::ValidarDataMovimentacao()
{
    CodigoMensagem.clear();
    const Date movimento = DT_MOVIMENTACAO_VINCULO;
    if (Invalida(movimento))
        return Falha(QStringLiteral("0051"));
    if (ForaDaFaixa(movimento))
        return Falha(QStringLiteral("0383"));
    if (movimento.isNull())
        return Falha(QStringLiteral("0050"));
    if (Antes(movimento, DT_OPCAO))
        return Falha(QStringLiteral("0426"));
    if (Antes(movimento, DT_ADMISSAO_VINCULO))
        return Falha(QStringLiteral("0175"));
    if (Antes(movimento, Date::fromYmd(1998, 2, 16)))
        return Falha(QStringLiteral("0393"));
    // Complement lines are relatives too (see ValidarDataAdmissao).
    if (CarregaRelacionados && movimento.isRealDate()) {
        try {
            const int mes = movimento.year() * 100 + movimento.month();
            if (ExisteLinha(*Banco(), QStringLiteral("SELECT NU_COMPLEMENTO FROM SFGTBG07_COMPLEMENTO_SALDO WHERE ")
                                          + Chave().Condicao()
                                          + QStringLiteral(" AND AA_COMPETENCIA * 100 + MM_COMPETENCIA > %1").arg(mes)))
                return Falha(QStringLiteral("0441"));
        } catch (const std::exception &) {
            return Falha(QStringLiteral("0144"));
        }
    }
    return true;
}

bool TVinculo::ValidarMovimentacaoI5I6()
{
    CodigoMensagem.clear();
    ComplementoMensagem.clear();
    const QString codigo = Aparar(CO_MOVIMENTACAO).toUpper();
    const bool acordo = codigo == QLatin1String("I5") || codigo == QLatin1String("I6");
    const QString separador = QStringLiteral("  -  ");
    const QString categoria = QStringLiteral("%1").arg(NU_CATEGORIA, 2, 10, QLatin1Char('0'));
    if (acordo && Antes(DT_MOVIMENTACAO_VINCULO, Date::fromYmd(2017, 11, 11))) {
        ComplementoMensagem = FormatarData(QStringLiteral("dd/mm/yyyy"), DT_MOVIMENTACAO_VINCULO) + separador + codigo;
        return Falha(QStringLiteral("0509"));
    }
    if (NU_CATEGORIA != 4 && codigo == QLatin1String("I6")) {
        ComplementoMensagem = codigo + separador + categoria;
        return Falha(QStringLiteral("0510"));
    }
    if (CategoriaComFgts(NU_CATEGORIA) && Aparar(CO_SAQUE) != QLatin1String("07") && acordo) {
        ComplementoMensagem = codigo + separador + categoria;
        return Falha(QStringLiteral("0511"));
    }
    return true;
}

bool TVinculo::ValidarTipoAvisoPrevio()
{
    CodigoMensagem.clear();
    if (NU_CATEGORIA == 5 && IC_AVISO_PREVIO != 3)
        return Falha(QStringLiteral("0512"));
    if (Aparar(CO_MOVIMENTACAO).toUpper() == QLatin1String("I3") && IC_AVISO_PREVIO == 2)
        return Falha(QStringLiteral("0423"));
    if (IC_AVISO_PREVIO < 1 || IC_AVISO_PREVIO > 3)
        return Falha(QStringLiteral("0080"));
    return true;
}

bool TVinculo::ValidarDataInicioAviso()
{
    CodigoMensagem.clear();
    const Date inicio = DT_INICIO_AVISO_PRVO;
    if (Invalida(inicio))
        return Falha(QStringLiteral("0331"));
    if (DataDefinida(inicio) && IC_AVISO_PREVIO == 2)
        return Falha(QStringLiteral("0145"));
    if (ForaDaFaixa(inicio))
        return Falha(QStringLiteral("0384"));
    if (DataDefinida(inicio) && (Antes(inicio, DT_ADMISSAO_VINCULO) || Antes(DT_MOVIMENTACAO_VINCULO, inicio)))
        return Falha(QStringLiteral("0399"));
    return true;
}

bool TVinculo::ValidarHorasSemanais()
{
    CodigoMensagem.clear();
    if (QT_HORAS_TRBS_SMNA == 0)
        return Falha(QStringLiteral("0111"));
    return true;
}

bool TVinculo::ValidarReposicaoVaga()
{
    CodigoMensagem.clear();
    const QString r = Aparar(IC_REPOSICAO_VAGAS).toUpper();
    if (r.isEmpty())
        return Falha(QStringLiteral("0114"));
    if (r != QLatin1String("S") && r != QLatin1String("N"))
        return Falha(QStringLiteral("0115"));
    return true;
}

bool TVinculo::ValidarCodigoSaque()
{
    CodigoMensagem.clear();
    const QString saque = Aparar(CO_SAQUE);
    if (saque.isEmpty())
        return Falha(QStringLiteral("0029"));
    try {
        if (!ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("CO_SAQUE"), QStringLiteral("SFGTBT06_MOTIVO_SAQUE"),
                                               QStringLiteral("CO_SAQUE = ") + SqlTexto(saque))))
            CodigoMensagem = QStringLiteral("0030");  // the combination check still runs
        if (!ExisteLinha(*Banco(), QStringLiteral("SELECT CO_SAQUE FROM SFGTBT23_SAQUE_MVMNO_CATEGORIA "
                                                  "WHERE CO_SAQUE = %1 AND CO_MOVIMENTACAO = %2 AND NU_CATEGORIA = %3")
                                       .arg(SqlTexto(saque), SqlTexto(Aparar(CO_MOVIMENTACAO)),
                                            QString::number(NU_CATEGORIA))))
            CodigoMensagem = QStringLiteral("0480");
    } catch (const std::exception &) {
        return Falha(QStringLiteral("0144"));
    }
    return CodigoMensagem.isEmpty();
}

bool TVinculo::ValidarTipoInscricaoTomador()
{
    CodigoMensagem.clear();
    if (NU_TIPO_INSO_TMDR > 2 || (NU_TIPO_INSO_TMDR == 0 && NU_INSCRICAO_TMDR != 0))
        return Falha(QStringLiteral("0148"));
    return true;
}

bool TVinculo::ValidarInscricaoTomador()
{
    CodigoMensagem.clear();
    if (NU_TIPO_INSO_TMDR == 1 && !ValidarCnpj(NU_INSCRICAO_TMDR))
        return Falha(QStringLiteral("0069"));
    if (NU_TIPO_INSO_TMDR == 2 && !ValidarCei(NU_INSCRICAO_TMDR))
        return Falha(QStringLiteral("0054"));
    return true;
}

bool TVinculo::ValidarBanco()
{
    CodigoMensagem.clear();
    const QString banco = Aparar(NU_BANCO_CONTA);
    if (!banco.isEmpty() && (!EhNumerico(banco) || banco.size() != 3 || banco.toInt() == 0))
        return Falha(QStringLiteral("0032"));
    if (banco.isEmpty() && (!EstaVazio(NU_AGENCIA_CONTA) || !EstaVazio(NU_CONTA_BANCARIA)))
        return Falha(QStringLiteral("0031"));
    return true;
}

bool TVinculo::ValidarAgencia()
{
    CodigoMensagem.clear();
    const QString agencia = Aparar(NU_AGENCIA_CONTA);
    if (!agencia.isEmpty() && (!EhNumerico(agencia) || TextoParaInteiro64(agencia) == 0))
        return Falha(QStringLiteral("0023"));
    if (agencia.isEmpty() && (!EstaVazio(NU_BANCO_CONTA) || !EstaVazio(NU_CONTA_BANCARIA)))
        return Falha(QStringLiteral("0022"));
    return true;
}

bool TVinculo::ValidarConta()
{
    CodigoMensagem.clear();
    const QString conta = Aparar(NU_CONTA_BANCARIA);
    if (!conta.isEmpty()) {
        if (TextoParaValor(conta) == 0)
            return Falha(QStringLiteral("0150"));
        if (EstaVazio(NU_BANCO_CONTA))
            return Falha(QStringLiteral("0032"));
        if (EstaVazio(NU_AGENCIA_CONTA))
            return Falha(QStringLiteral("0023"));
    } else if (!EstaVazio(NU_BANCO_CONTA) || !EstaVazio(NU_AGENCIA_CONTA)) {
        return Falha(QStringLiteral("0150"));
    }
    return true;
}

// ---------------------------------------------------------------------------
// Queries

bool TVinculo::AbrirConsulta(const QString &sql, bool exigeLinha)
{
    return TNegocio::AbrirConsulta(sql) && (!exigeLinha || QuantidadeRegistros() > 0);
}

bool TVinculo::Localizar(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao)
{
    const ChaveVinculo chave{tipoInscricao, inscricao, pis, categoria, admissao};
    return AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + chave.Condicao(QStringLiteral("VINC")), true);
}

bool TVinculo::ListarPorChave()
{
    const ChaveVinculo chave = Chave();
    return AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + chave.Condicao(QStringLiteral("VINC"))
                             + QLatin1Char(' ') + kOrdemVinculos,
                         true);
}

bool TVinculo::ListarParticipantes(bool todos, int tipoInscricao, Date admissao, int categoria, qint64 pis,
                                   qint64 inscricao)
{
    QString sql = SqlSelect + SqlFrom + QStringLiteral("WHERE VINC.IC_ESTADO_MOVIMENTO = 1 ");
    if (!todos) {
        if (tipoInscricao > 0)
            sql += QStringLiteral("AND VINC.NU_TIPO_INSO_EMPRA = %1 ").arg(tipoInscricao);
        if (admissao.serial() > 0 && admissao.isRealDate())
            sql += QStringLiteral("AND VINC.DT_ADMISSAO_VINCULO = %1 ").arg(SqlData(admissao));
        if (categoria > 0)
            sql += QStringLiteral("AND VINC.NU_CATEGORIA = %1 ").arg(categoria);
        if (pis > 0)
            sql += QStringLiteral("AND VINC.NU_PIS = %1 ").arg(pis);
        if (inscricao > 0)
            sql += QStringLiteral("AND VINC.NU_INSCRICAO = %1 ").arg(inscricao);
    }
    return AbrirConsulta(sql + kOrdemVinculos, true);
}

bool TVinculo::AbrirTodos() { return AbrirConsulta(SqlSelect + SqlFrom + kOrdemVinculos, true); }

QString TVinculo::CodigoMovimentacaoDe(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao)
{
    CodigoMensagem.clear();
    try {
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT CO_MOVIMENTACAO FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE ")
                                       + ChaveVinculo{tipoInscricao, inscricao, pis, categoria, admissao}.Condicao());
        if (rs->rowCount() == 0)
            return {};
        rs->first();
        return Aparar(rs->field(QStringLiteral("CO_MOVIMENTACAO")).toString());
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return {};
    }
}

Money TVinculo::ValorDissidioDe(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao)
{
    CodigoMensagem.clear();
    try {
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT VR_DISSIDIO FROM SFGTBG06_INFORMACAO_RESCISAO WHERE ")
                                       + ChaveVinculo{tipoInscricao, inscricao, pis, categoria, admissao}.Condicao());
        if (rs->rowCount() == 0)
            return {};
        rs->first();
        return rs->field(QStringLiteral("VR_DISSIDIO")).toMoney();
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return {};
    }
}

// ---------------------------------------------------------------------------
// Validation of stored links

bool TVinculo::GravarValidacao(bool todos, bool inconsistente)
{
    CodigoMensagem.clear();
    try {
        const QString flag = SqlSimNao(inconsistente);
        if (!todos) {
            const bool sai = inconsistente && IC_ESTADO_MOVIMENTO == 1;
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = %1%2 WHERE ")
                                  .arg(flag, sai ? QStringLiteral(", IC_ESTADO_MOVIMENTO = 0") : QString())
                              + Chave().Condicao());
            if (sai)
                IC_ESTADO_MOVIMENTO = 0;
            IC_VALIDACAO_VINCULO = inconsistente;
        } else {
            TransacaoLocal transacao(*Banco());
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = ") + flag);
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 0 "
                                             "WHERE IC_VALIDACAO_VINCULO = 'S' AND IC_ESTADO_MOVIMENTO = 1"));
            transacao.Confirmar();
            IC_VALIDACAO_VINCULO = inconsistente;
        }
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

QString TVinculo::ValidarVinculoAtual()
{
    TTrabalhador &trabalhador = Trabalhador();
    // Stored work cards lost their leading zeros; a director (5) has none.
    if (NU_CATEGORIA == 5) {
        trabalhador.NU_CTPS.clear();
        trabalhador.NU_SERIE_CTPS.clear();
    } else {
        if (!EstaVazio(trabalhador.NU_CTPS))
            trabalhador.NU_CTPS = CompletarZeros(Aparar(trabalhador.NU_CTPS), 7);
        if (!EstaVazio(trabalhador.NU_SERIE_CTPS))
            trabalhador.NU_SERIE_CTPS = CompletarZeros(Aparar(trabalhador.NU_SERIE_CTPS), 5);
    }
    if (DT_INICIO_AVISO_PRVO.serial() == 0)
        DT_INICIO_AVISO_PRVO = DataNula;
    TRescisao &rescisao = Rescisao();

    struct Regra {
        TNegocio *objeto;
        std::function<bool()> validar;
    };
    TNegocio *t = &trabalhador, *v = this, *r = &rescisao;
    const Regra regras[] = {
        {t, [&] { return trabalhador.ValidarPis(); }},
        {t, [&] { return trabalhador.ValidarCpf(); }},
        {v, [&] { return ValidarCategoria(false); }},
        {t, [&] { return trabalhador.ValidarNome(); }},
        {t, [&] { return trabalhador.ValidarSexo(); }},
        {t, [&] { return trabalhador.ValidarGrauInstrucao(); }},
        {v, [&] { return ValidarCbo(); }},
        {t, [&] { return trabalhador.ValidarNumeroCtps(true); }},
        {t, [&] { return trabalhador.ValidarSerieCtps(true); }},
        {t, [&] { return trabalhador.ValidarDataNascimento(); }},
        {v, [&] { return ValidarDataAdmissao(true, nullptr); }},
        {v, [&] { return ValidarDataOpcao(); }},
        {v, [&] { return ValidarDataMovimentacao(); }},
        {v, [&] { return ValidarCodigoMovimentacao(); }},
        {v, [&] { return ValidarTipoAvisoPrevio(); }},
        {v, [&] { return ValidarDataInicioAviso(); }},
        {v, [&] { return ValidarHorasSemanais(); }},
        {v, [&] { return ValidarReposicaoVaga(); }},
        {v, [&] { return ValidarCodigoSaque(); }},
        {v, [&] { return ValidarTipoInscricaoTomador(); }},
        {v, [&] { return ValidarInscricaoTomador(); }},
        {v, [&] { return ValidarBanco(); }},
        {v, [&] { return ValidarAgencia(); }},
        {v, [&] { return ValidarConta(); }},
        {r, [&] { return !rescisao.DissidioInformado() || rescisao.ValidarDataDissidio(); }},
        {r, [&] { return rescisao.ValidarValorDissidio(); }},
        {r, [&] { return rescisao.ValidarValoresI3(false); }},
        {r, [&] { return rescisao.ValidarRemuneracaoAnterior(); }},
        {r, [&] { return rescisao.ValidarRemuneracaoRescisao(); }},
        {r, [&] { return rescisao.ValidarAvisoPrevioIndenizado(); }},
        {r, [&] { return rescisao.ValidarTipoPensao(); }},
        {r, [&] { return rescisao.ValidarPensaoPercentual(); }},
        {r, [&] { return rescisao.ValidarPensaoValor(); }},
    };
    for (const Regra &regra : regras)
        if (!regra.validar())
            return regra.objeto->CodigoMensagem;
    return {};
}

bool TVinculo::ValidarCadastro(bool registrar, TResponsavel *responsavel, TRetValidaCadastro &retorno)
{
    retorno = TRetValidaCadastro();
    std::unique_ptr<TResponsavel> proprio;
    if (!responsavel) {
        proprio = std::make_unique<TResponsavel>(Banco());
        proprio->CarregarResponsavel();
        responsavel = proprio.get();
    }
    std::unique_ptr<TInconsistencia> log;
    if (registrar)
        log = std::make_unique<TInconsistencia>(Banco());

    QString codigo;
    while (!Fim()) {
        codigo = ValidarVinculoAtual();
        if (!codigo.isEmpty() && registrar) {
            const QString admissao = DT_ADMISSAO_VINCULO.serial() > 0 && DT_ADMISSAO_VINCULO.isRealDate()
                                         ? FormatarData(QStringLiteral("ddmmyyyy"), DT_ADMISSAO_VINCULO)
                                         : QString();
            log->IncluirFechamento(codigo, QString::number(responsavel->TipoInscricao), Trabalhador().NO_EMPREGADO,
                                   admissao, QString::number(NU_CATEGORIA),
                                   CompletarZeros(QString::number(NU_PIS), 11), Empresa().RazaoSocial,
                                   CompletarZeros(QString::number(NU_INSCRICAO), 14),
                                   QString::number(NU_TIPO_INSO_EMPRA), responsavel->RazaoSocial,
                                   responsavel->Inscricao);
            retorno.InconsistenciaRegistrada = true;
        }
        GravarValidacao(false, !codigo.isEmpty());
        IrProximo();
    }
    retorno.CodigoRetorno = codigo;
    CodigoMensagem = codigo;
    return codigo.isEmpty();
}

} // namespace tolv
