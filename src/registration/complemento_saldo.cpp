#include "complemento_saldo.h"

#include "calculation/indice_simplificado.h"
#include "core/configuracao.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "rescisao.h"
#include "vinculo.h"

namespace tolv {

namespace {

const QString kColunas = QStringLiteral(
    "SELECT %1.NU_TIPO_INSO_EMPRA, %1.NU_INSCRICAO, %1.NU_PIS, %1.NU_CATEGORIA, %1.DT_ADMISSAO_VINCULO, "
    "COMP.NU_COMPLEMENTO, COMP.AA_COMPETENCIA, COMP.MM_COMPETENCIA, COMP.VR_REMUNERACAO, COMP.VR_DEPOSITO ");

const Money kInvalido = Money::fromCentavos(-100);

// One conversion of the old currencies: divide and cut to centavos.
Money Converter(Money valor, double divisor) { return Money::truncated(valor.toDouble() / divisor); }

} // namespace

TComplementoSaldo::TComplementoSaldo(TDBUtils *banco) : TNegocio(banco)
{
    TComplementoSaldo::Inicializar();
    // Ordered by start as well: the rate in force never depends on storage order.
    try {
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT NU_CATEGORIA, AA_COMPETENCIA_ALIQUOTA, "
                                                      "MM_COMPETENCIA_ALIQUOTA, PC_ALIQUOTA "
                                                      "FROM SFGTBT14_ALIQUOTA_CALCULO_DPSTO "
                                                      "ORDER BY NU_CATEGORIA, AA_COMPETENCIA_ALIQUOTA, "
                                                      "MM_COMPETENCIA_ALIQUOTA"));
        for (rs->first(); !rs->eof(); rs->next())
            m_aliquotas.push_back({rs->field(QStringLiteral("NU_CATEGORIA")).toInt(),
                                   rs->field(QStringLiteral("AA_COMPETENCIA_ALIQUOTA")).toInt(),
                                   rs->field(QStringLiteral("MM_COMPETENCIA_ALIQUOTA")).toInt(),
                                   rs->field(QStringLiteral("PC_ALIQUOTA")).toDouble()});
    } catch (const std::exception &) {
        // without rates every deposit is 0; the lookup failure shows up there
    }
}

TComplementoSaldo::~TComplementoSaldo() = default;

void TComplementoSaldo::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = kColunas.arg(QStringLiteral("VINC"));
    SqlFrom = QStringLiteral("FROM SFGTBG04_VINCULO_EMPREGATICIO VINC LEFT JOIN SFGTBG07_COMPLEMENTO_SALDO COMP ON ")
              + JuncaoVinculo(QStringLiteral("COMP"), QStringLiteral("VINC")) + QLatin1Char(' ');
    TComplementoSaldo::Limpar();
}

void TComplementoSaldo::Limpar()
{
    NU_TIPO_INSO_EMPRA = 0;
    NU_INSCRICAO = 0;
    NU_PIS = 0;
    NU_CATEGORIA = 0;
    DT_ADMISSAO_VINCULO = DataNula;
    NU_COMPLEMENTO.clear();
    AA_COMPETENCIA.clear();
    MM_COMPETENCIA.clear();
    VR_REMUNERACAO = Money();
    VR_DEPOSITO = Money();
    m_vinculo.reset();
}

void TComplementoSaldo::CarregarCampos()
{
    TNegocio::CarregarCampos();
    NU_TIPO_INSO_EMPRA = qint16(Campo(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt());
    NU_INSCRICAO = Campo(QStringLiteral("NU_INSCRICAO")).toInt64();
    NU_PIS = Campo(QStringLiteral("NU_PIS")).toInt64();
    NU_CATEGORIA = qint16(Campo(QStringLiteral("NU_CATEGORIA")).toInt());
    DT_ADMISSAO_VINCULO = Campo(QStringLiteral("DT_ADMISSAO_VINCULO")).toDate();
    const Field complemento = Campo(QStringLiteral("NU_COMPLEMENTO"));
    NU_COMPLEMENTO = complemento.isNull() ? QString() : QString::number(complemento.toInt());
    const Field ano = Campo(QStringLiteral("AA_COMPETENCIA"));
    AA_COMPETENCIA = ano.isNull() ? QString() : QStringLiteral("%1").arg(ano.toInt(), 4, 10, QLatin1Char('0'));
    const Field mes = Campo(QStringLiteral("MM_COMPETENCIA"));
    MM_COMPETENCIA = mes.isNull() ? QString() : QStringLiteral("%1").arg(mes.toInt(), 2, 10, QLatin1Char('0'));
    VR_REMUNERACAO = Campo(QStringLiteral("VR_REMUNERACAO")).toMoney();
    VR_DEPOSITO = Campo(QStringLiteral("VR_DEPOSITO")).toMoney();
}

ChaveVinculo TComplementoSaldo::Chave() const
{
    return {NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO};
}

TVinculo &TComplementoSaldo::Vinculo()
{
    if (m_vinculoExterno)
        return *m_vinculoExterno;
    if (!m_vinculo) {
        m_vinculo = std::make_unique<TVinculo>(Banco());
        m_vinculo->CarregaRelacionados = CarregaRelacionados;
        if (CarregaRelacionados && NU_PIS > 0 && NU_INSCRICAO > 0)
            m_vinculo->Localizar(NU_TIPO_INSO_EMPRA, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_PIS, NU_INSCRICAO);
    }
    return *m_vinculo;
}

TRescisao &TComplementoSaldo::Rescisao() { return Vinculo().Rescisao(); }

void TComplementoSaldo::DefinirVinculo(TVinculo *vinculo) { m_vinculoExterno = vinculo; }

// ---------------------------------------------------------------------------
// Lists

bool TComplementoSaldo::Abrir(const QString &sql) { return AbrirConsulta(sql); }

// An empty list leaves the object on the link and kind it was asked for, so that
// the caller can go on with the next kind.
bool TComplementoSaldo::ListarDoVinculo()
{
    const ChaveVinculo chave = Chave();
    const QString complemento = NU_COMPLEMENTO;
    const bool ok = Abrir(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + chave.Condicao(QStringLiteral("VINC"))
                          + QStringLiteral(" ORDER BY COMP.NU_COMPLEMENTO, COMP.AA_COMPETENCIA, COMP.MM_COMPETENCIA"));
    if (QuantidadeRegistros() == 0)
        RestaurarChave(chave, complemento);
    return ok;
}

void TComplementoSaldo::RestaurarChave(const ChaveVinculo &chave, const QString &complemento)
{
    NU_TIPO_INSO_EMPRA = qint16(chave.TipoInscricao);
    NU_INSCRICAO = chave.Inscricao;
    NU_PIS = chave.Pis;
    NU_CATEGORIA = qint16(chave.Categoria);
    DT_ADMISSAO_VINCULO = chave.Admissao;
    NU_COMPLEMENTO = complemento;
}

bool TComplementoSaldo::ListarDoComplemento()
{
    QString complemento;
    try {
        complemento = SqlNumeroOuNulo(NU_COMPLEMENTO);
    } catch (const std::exception &) {
        complemento = QStringLiteral("Null");
    }
    // The kind goes in the WHERE: a link without lines of it yields no row at all.
    const ChaveVinculo chave = Chave();
    const QString kind = NU_COMPLEMENTO;
    const bool ok = Abrir(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + chave.Condicao(QStringLiteral("VINC"))
                          + QStringLiteral(" AND COMP.NU_COMPLEMENTO = ") + complemento
                          + QStringLiteral(" ORDER BY COMP.AA_COMPETENCIA, COMP.MM_COMPETENCIA"));
    if (QuantidadeRegistros() == 0)
        RestaurarChave(chave, kind);
    return ok;
}

bool TComplementoSaldo::PossuiLinhas()
{
    try {
        return ExisteLinha(*Banco(), QStringLiteral("SELECT NU_COMPLEMENTO FROM SFGTBG07_COMPLEMENTO_SALDO WHERE ")
                                         + Chave().Condicao());
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

// ---------------------------------------------------------------------------
// Deposit

double TComplementoSaldo::AliquotaDaCompetencia(Date competencia) const
{
    double aliquota = 0;
    for (const Aliquota &a : m_aliquotas) {
        if (a.Categoria != NU_CATEGORIA)
            continue;
        const Date inicio = Date::fromYmd(a.Ano, a.Mes, 1);
        if (inicio.isRealDate() && inicio <= competencia)
            aliquota = a.Percentual;
    }
    return aliquota;
}

Money TComplementoSaldo::CalcularDeposito()
{
    try {
        const QString aa = Aparar(AA_COMPETENCIA), mm = Aparar(MM_COMPETENCIA);
        if (!EhNumerico(aa) || !EhNumerico(mm) || aa.isEmpty() || mm.isEmpty())
            return kInvalido;
        const int ano = aa.toInt(), mes = mm.toInt();
        if (ano < 1 || mes < 1 || mes > 12)
            return kInvalido;
        const Date competencia = Date::fromYmd(ano, mes, 1);
        if (!competencia.isRealDate())
            return kInvalido;

        const double aliquota = AliquotaDaCompetencia(competencia);
        const Money deposito = Money::truncated(VR_REMUNERACAO.toDouble() * aliquota / 100.0);
        Money valor = deposito;

        // Cruzeiro, cruzado, cruzado novo and cruzeiro real down to the real.
        const int c = ano * 100 + mes;
        if (c >= 196701 && c <= 198602)
            valor = Converter(valor, 1000);
        if (c <= 198812)
            valor = Converter(valor, 1000);
        if (c <= 199307)
            valor = Converter(valor, 1000);
        if (c <= 199406)
            valor = Converter(valor, 2750);

        // Interest and monetary update once the month's deposit fell due under the
        // current edital; the factor applies to the amount before conversion.
        const Date edital = DataEdital.isNull() ? ConfiguracaoGlobal().DataEditalProRata : DataEdital;
        if (edital.isRealDate()) {
            const Date mesSeguinte = competencia.addMonths(1);
            const Date vencimento = Date::fromYmd(mesSeguinte.year(), mesSeguinte.month(), 10);
            if (vencimento <= edital.startOfMonth().addMonths(1)) {
                const double fator =
                    IndiceSimplificado(*Banco(), NU_CATEGORIA, competencia, Vinculo().DT_OPCAO, edital);
                if (fator > 0)
                    valor += Money::truncated(deposito.toDouble() * fator);
            }
        }
        return valor;
    } catch (const std::exception &) {
        return kInvalido;
    }
}

QString TComplementoSaldo::CondicaoLinha() const
{
    return Chave().Condicao() + QStringLiteral(" AND NU_COMPLEMENTO = %1 AND AA_COMPETENCIA = %2 AND MM_COMPETENCIA = %3")
                                    .arg(SqlNumeroTexto(NU_COMPLEMENTO), SqlNumeroTexto(AA_COMPETENCIA),
                                         SqlNumeroTexto(MM_COMPETENCIA));
}

bool TComplementoSaldo::Incluir()
{
    CodigoMensagem.clear();
    const Money deposito = CalcularDeposito();
    if (deposito < Money()) {
        CodigoMensagem = QStringLiteral("0372");
        return false;
    }
    VR_DEPOSITO = deposito;
    try {
        const ChaveVinculo k = Chave();
        Banco()->Executar(SqlInsert(QStringLiteral("SFGTBG07_COMPLEMENTO_SALDO"),
                                    {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(k.TipoInscricao)},
                                     {QStringLiteral("NU_INSCRICAO"), QString::number(k.Inscricao)},
                                     {QStringLiteral("NU_PIS"), QString::number(k.Pis)},
                                     {QStringLiteral("NU_CATEGORIA"), QString::number(k.Categoria)},
                                     {QStringLiteral("DT_ADMISSAO_VINCULO"), SqlData(k.Admissao)},
                                     {QStringLiteral("NU_COMPLEMENTO"), SqlNumeroTexto(NU_COMPLEMENTO)},
                                     {QStringLiteral("AA_COMPETENCIA"), SqlNumeroTexto(AA_COMPETENCIA)},
                                     {QStringLiteral("MM_COMPETENCIA"), SqlNumeroTexto(MM_COMPETENCIA)},
                                     {QStringLiteral("VR_REMUNERACAO"), SqlValor(VR_REMUNERACAO)},
                                     {QStringLiteral("VR_DEPOSITO"), SqlValor(VR_DEPOSITO)}}));
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TComplementoSaldo::Recalcular()
{
    CodigoMensagem.clear();
    const Money deposito = CalcularDeposito();
    if (deposito < Money()) {
        CodigoMensagem = QStringLiteral("0372");
        return false;
    }
    VR_DEPOSITO = deposito;
    try {
        Banco()->Executar(SqlUpdate(QStringLiteral("SFGTBG07_COMPLEMENTO_SALDO"),
                                    {{QStringLiteral("VR_REMUNERACAO"), SqlValor(VR_REMUNERACAO)},
                                     {QStringLiteral("VR_DEPOSITO"), SqlValor(VR_DEPOSITO)}},
                                    CondicaoLinha()));
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TComplementoSaldo::RecalcularDepositos(int tipoInscricao, qint64 pis, qint64 inscricao)
{
    QString sql = kColunas.arg(QStringLiteral("COMP"))
                  + QStringLiteral("FROM SFGTBG07_COMPLEMENTO_SALDO COMP JOIN SFGTBG04_VINCULO_EMPREGATICIO VINC ON ")
                  + JuncaoVinculo(QStringLiteral("COMP"), QStringLiteral("VINC"))
                  + QStringLiteral(" WHERE VINC.IC_ESTADO_MOVIMENTO IN (0, 1)");
    if (tipoInscricao >= 0 && inscricao >= 0)
        sql += QStringLiteral(" AND COMP.NU_TIPO_INSO_EMPRA = %1 AND COMP.NU_INSCRICAO = %2").arg(tipoInscricao).arg(inscricao);
    if (pis >= 0)
        sql += QStringLiteral(" AND COMP.NU_PIS = %1").arg(pis);
    sql += QStringLiteral(" ORDER BY COMP.NU_TIPO_INSO_EMPRA, COMP.NU_INSCRICAO, COMP.NU_PIS, COMP.NU_CATEGORIA, "
                          "COMP.DT_ADMISSAO_VINCULO, COMP.NU_COMPLEMENTO, COMP.AA_COMPETENCIA, COMP.MM_COMPETENCIA");
    if (!Abrir(sql))
        return false;
    QString falha;
    while (!Fim()) {
        if (!Recalcular())
            falha = CodigoMensagem;
        IrProximo();
    }
    CodigoMensagem = falha;
    return falha.isEmpty();
}

bool TComplementoSaldo::TotalizarVinculo()
{
    CodigoMensagem.clear();
    try {
        const ChaveVinculo k = Chave();
        Banco()->Executar(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_DEPOSITO_CMPLO_SALDO = "
                                         "(SELECT SUM(COMP.VR_DEPOSITO) FROM SFGTBG07_COMPLEMENTO_SALDO COMP WHERE ")
                          + k.Condicao(QStringLiteral("COMP")) + QStringLiteral(") WHERE ") + k.Condicao());
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

bool TComplementoSaldo::TotalizarVinculos(int tipoInscricao, int categoria, Date admissao, qint64 pis,
                                          qint64 inscricao)
{
    CodigoMensagem.clear();
    const QString tabela = QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO");
    // Every matching link, also one whose lines were all deleted: a stale total
    // would otherwise stay in the fine base.
    QString sql = QStringLiteral("UPDATE ") + tabela
                  + QStringLiteral(" SET VR_DEPOSITO_CMPLO_SALDO = (SELECT NULLIF(SUM(COMP.VR_DEPOSITO), 0) "
                                   "FROM SFGTBG07_COMPLEMENTO_SALDO COMP WHERE ")
                  + JuncaoVinculo(QStringLiteral("COMP"), tabela) + QStringLiteral(") WHERE 1 = 1");
    try {
        if (tipoInscricao >= 0 && inscricao >= 0)
            sql += QStringLiteral(" AND NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2").arg(tipoInscricao).arg(inscricao);
        if (pis >= 0)
            sql += QStringLiteral(" AND NU_PIS = %1 AND NU_CATEGORIA = %2 AND DT_ADMISSAO_VINCULO = %3")
                       .arg(QString::number(pis), QString::number(categoria), SqlData(admissao));
        Banco()->Executar(sql);
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TComplementoSaldo::Excluir(bool todasDoVinculo, bool totalizar)
{
    CodigoMensagem.clear();
    try {
        TransacaoLocal transacao(*Banco());
        Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG07_COMPLEMENTO_SALDO WHERE ")
                          + (todasDoVinculo ? Chave().Condicao() : CondicaoLinha()));
        if (totalizar)
            TotalizarVinculo();
        transacao.Confirmar();
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

// ---------------------------------------------------------------------------
// Rules

bool TComplementoSaldo::ValidarPermissao()
{
    CodigoMensagem.clear();
    TVinculo &v = Vinculo();
    if (Rescisao().DissidioInformado() || Aparar(v.CO_MOVIMENTACAO).toUpper() == QLatin1String("I3"))
        CodigoMensagem = QStringLiteral("0489");
    return CodigoMensagem.isEmpty();
}

bool TComplementoSaldo::ValidarCompetencia(bool tolerante)
{
    CodigoMensagem.clear();
    const QString mm = Aparar(MM_COMPETENCIA), aa = Aparar(AA_COMPETENCIA);
    if (mm.isEmpty() || aa.isEmpty())
        return true;
    if (tolerante && TextoParaInteiro(mm) == 0 && TextoParaInteiro(aa) == 0)
        return true;
    const int mes = EhNumerico(mm) ? TextoParaInteiro(mm) : 0;
    if (mes < 1 || mes > 12 || !EhNumerico(aa) || aa.size() < 4) {
        CodigoMensagem = QStringLiteral("0034");
        return false;
    }
    const int ano = TextoParaInteiro(aa);
    if (ano < 1967) {
        CodigoMensagem = QStringLiteral("0102");
        return false;
    }
    const int competencia = ano * 100 + mes;
    TVinculo &v = Vinculo();
    if (v.DT_OPCAO.isRealDate() && competencia < v.DT_OPCAO.year() * 100 + v.DT_OPCAO.month())
        CodigoMensagem = QStringLiteral("0395");
    else if (v.DT_MOVIMENTACAO_VINCULO.isRealDate()
             && competencia > v.DT_MOVIMENTACAO_VINCULO.year() * 100 + v.DT_MOVIMENTACAO_VINCULO.month())
        CodigoMensagem = QStringLiteral("0411");
    return CodigoMensagem.isEmpty();
}

bool TComplementoSaldo::ValidarValores()
{
    CodigoMensagem.clear();
    const int mes = TextoParaInteiro(MM_COMPETENCIA), ano = TextoParaInteiro(AA_COMPETENCIA);
    if (mes == 0 && ano == 0 && VR_REMUNERACAO > Money())
        CodigoMensagem = QStringLiteral("0355");
    else if (VR_REMUNERACAO.isZero() && (mes != 0 || ano != 0))
        CodigoMensagem = QStringLiteral("0356");
    return CodigoMensagem.isEmpty();
}

} // namespace tolv
