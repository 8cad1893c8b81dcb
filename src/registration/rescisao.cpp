#include "rescisao.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "vinculo.h"

namespace tolv {

namespace {

// The computed columns, cleared together when a closing is withdrawn.
const char *const kCalculados[] = {
    "DT_DEVIDA_ANTERIOR_RESCISAO", "VR_DEPOSITO_ANTERIOR_RESCISAO", "VR_JAM_ANTERIOR_RESCISAO",
    "VR_MULTA_ANTERIOR_RESCISAO", "VR_CNTRO_ANTERIOR_RESCISAO", "VR_MULTA_CNTRO_ANTERIOR_RSCSO",
    "DT_DEVIDA_RESCISAO", "VR_DEPOSITO_RESCISAO", "VR_JAM_RESCISAO", "VR_MULTA_RESCISAO", "VR_CNTRO_RESCISAO",
    "VR_MULTA_CNTRO_RESCISAO", "DT_DEVIDA_AVISO_PREVIO", "VR_DEPOSITO_AVISO_PREVIO", "VR_JAM_AVISO_PREVIO",
    "VR_MULTA_AVISO_PREVIO", "VR_CNTRO_AVISO_PREVIO", "VR_MULTA_CNTRO_AVISO_PREVIO", "DT_DEVIDA_MULTA_RESCISORIA",
    "VR_DEPOSITO_MULTA_RESCISORIA", "VR_JAM_MULTA_RESCISORIA", "VR_MULTA_MULTA_RESCISORIA",
    "VR_CNTRO_MULTA_RESCISORIA", "VR_MULTA_CNTRO_MULTA_RESCISORIA", "VR_JAM_SALDO_RESCISORIO"};

bool MovimentoI3(const TVinculo &v) { return Aparar(v.CO_MOVIMENTACAO).toUpper() == QLatin1String("I3"); }

const Money kZero;

} // namespace

TRescisao::TRescisao(TDBUtils *banco) : TNegocio(banco) { TRescisao::Inicializar(); }

TRescisao::~TRescisao() = default;

void TRescisao::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral("SELECT RESC.* ");
    SqlFrom = QStringLiteral("FROM SFGTBG06_INFORMACAO_RESCISAO RESC ");
    TRescisao::Limpar();
}

void TRescisao::Limpar()
{
    NU_TIPO_INSO_EMPRA = 0;
    NU_INSCRICAO = 0;
    NU_PIS = 0;
    NU_CATEGORIA = 0;
    DT_ADMISSAO_VINCULO = DataNula;
    DT_DISSIDIO = DataNula;
    VR_DISSIDIO = VR_REMUNERACAO_ANTERIOR_RSCSO = VR_REMUNERACAO_RESCISAO = VR_AVISO_PREVIO = Money();
    IC_TIPO_PNSO_ALMNA.clear();
    VR_PENSAO_ALMNA = VR_SALDO_RESCISORIO = VR_JAM_SALDO_RESCISORIO = VR_DEPOSITO_CMPLO_SALDO = Money();
    IC_ORIGEM_SALDO_RESCISORIO = QStringLiteral("N");
    DT_DEVIDA_ANTERIOR_RESCISAO = DT_DEVIDA_RESCISAO = DT_DEVIDA_AVISO_PREVIO = DT_DEVIDA_MULTA_RESCISORIA = DataNula;
    for (Money *m : {&VR_DEPOSITO_ANTERIOR_RESCISAO, &VR_JAM_ANTERIOR_RESCISAO, &VR_MULTA_ANTERIOR_RESCISAO,
                     &VR_CNTRO_ANTERIOR_RESCISAO, &VR_MULTA_CNTRO_ANTERIOR_RSCSO, &VR_DEPOSITO_RESCISAO, &VR_JAM_RESCISAO,
                     &VR_MULTA_RESCISAO, &VR_CNTRO_RESCISAO, &VR_MULTA_CNTRO_RESCISAO, &VR_DEPOSITO_AVISO_PREVIO,
                     &VR_JAM_AVISO_PREVIO, &VR_MULTA_AVISO_PREVIO, &VR_CNTRO_AVISO_PREVIO, &VR_MULTA_CNTRO_AVISO_PREVIO,
                     &VR_DEPOSITO_MULTA_RESCISORIA, &VR_JAM_MULTA_RESCISORIA, &VR_MULTA_MULTA_RESCISORIA,
                     &VR_CNTRO_MULTA_RESCISORIA, &VR_MULTA_CNTRO_MULTA_RESCISORIA})
        *m = Money();
    m_vinculo.reset();
}

void TRescisao::CarregarCampos()
{
    TNegocio::CarregarCampos();
    const auto valor = [this](const char *coluna) { return Campo(QLatin1String(coluna)).toMoney(); };
    const auto data = [this](const char *coluna) { return Campo(QLatin1String(coluna)).toDate(); };
    NU_TIPO_INSO_EMPRA = qint16(Campo(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt());
    NU_INSCRICAO = Campo(QStringLiteral("NU_INSCRICAO")).toInt64();
    NU_PIS = Campo(QStringLiteral("NU_PIS")).toInt64();
    NU_CATEGORIA = qint16(Campo(QStringLiteral("NU_CATEGORIA")).toInt());
    DT_ADMISSAO_VINCULO = data("DT_ADMISSAO_VINCULO");
    DT_DISSIDIO = data("DT_DISSIDIO");
    VR_DISSIDIO = valor("VR_DISSIDIO");
    VR_REMUNERACAO_ANTERIOR_RSCSO = valor("VR_REMUNERACAO_ANTERIOR_RSCSO");
    VR_REMUNERACAO_RESCISAO = valor("VR_REMUNERACAO_RESCISAO");
    VR_AVISO_PREVIO = valor("VR_AVISO_PREVIO");
    IC_TIPO_PNSO_ALMNA = Aparar(Campo(QStringLiteral("IC_TIPO_PNSO_ALMNA")).toString());
    VR_PENSAO_ALMNA = valor("VR_PENSAO_ALMNA");
    VR_SALDO_RESCISORIO = valor("VR_SALDO_RESCISORIO");
    IC_ORIGEM_SALDO_RESCISORIO = Aparar(Campo(QStringLiteral("IC_ORIGEM_SALDO_RESCISORIO")).toString());
    if (IC_ORIGEM_SALDO_RESCISORIO.isEmpty())
        IC_ORIGEM_SALDO_RESCISORIO = QStringLiteral("N");
    VR_JAM_SALDO_RESCISORIO = valor("VR_JAM_SALDO_RESCISORIO");
    VR_DEPOSITO_CMPLO_SALDO = valor("VR_DEPOSITO_CMPLO_SALDO");

    DT_DEVIDA_ANTERIOR_RESCISAO = data("DT_DEVIDA_ANTERIOR_RESCISAO");
    VR_DEPOSITO_ANTERIOR_RESCISAO = valor("VR_DEPOSITO_ANTERIOR_RESCISAO");
    VR_JAM_ANTERIOR_RESCISAO = valor("VR_JAM_ANTERIOR_RESCISAO");
    VR_MULTA_ANTERIOR_RESCISAO = valor("VR_MULTA_ANTERIOR_RESCISAO");
    VR_CNTRO_ANTERIOR_RESCISAO = valor("VR_CNTRO_ANTERIOR_RESCISAO");
    VR_MULTA_CNTRO_ANTERIOR_RSCSO = valor("VR_MULTA_CNTRO_ANTERIOR_RSCSO");
    DT_DEVIDA_RESCISAO = data("DT_DEVIDA_RESCISAO");
    VR_DEPOSITO_RESCISAO = valor("VR_DEPOSITO_RESCISAO");
    VR_JAM_RESCISAO = valor("VR_JAM_RESCISAO");
    VR_MULTA_RESCISAO = valor("VR_MULTA_RESCISAO");
    VR_CNTRO_RESCISAO = valor("VR_CNTRO_RESCISAO");
    VR_MULTA_CNTRO_RESCISAO = valor("VR_MULTA_CNTRO_RESCISAO");
    DT_DEVIDA_AVISO_PREVIO = data("DT_DEVIDA_AVISO_PREVIO");
    VR_DEPOSITO_AVISO_PREVIO = valor("VR_DEPOSITO_AVISO_PREVIO");
    VR_JAM_AVISO_PREVIO = valor("VR_JAM_AVISO_PREVIO");
    VR_MULTA_AVISO_PREVIO = valor("VR_MULTA_AVISO_PREVIO");
    VR_CNTRO_AVISO_PREVIO = valor("VR_CNTRO_AVISO_PREVIO");
    VR_MULTA_CNTRO_AVISO_PREVIO = valor("VR_MULTA_CNTRO_AVISO_PREVIO");
    DT_DEVIDA_MULTA_RESCISORIA = data("DT_DEVIDA_MULTA_RESCISORIA");
    VR_DEPOSITO_MULTA_RESCISORIA = valor("VR_DEPOSITO_MULTA_RESCISORIA");
    VR_JAM_MULTA_RESCISORIA = valor("VR_JAM_MULTA_RESCISORIA");
    VR_MULTA_MULTA_RESCISORIA = valor("VR_MULTA_MULTA_RESCISORIA");
    VR_CNTRO_MULTA_RESCISORIA = valor("VR_CNTRO_MULTA_RESCISORIA");
    VR_MULTA_CNTRO_MULTA_RESCISORIA = valor("VR_MULTA_CNTRO_MULTA_RESCISORIA");
}

ChaveVinculo TRescisao::Chave() const
{
    return {NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO};
}

TVinculo &TRescisao::Vinculo()
{
    if (m_vinculoExterno)
        return *m_vinculoExterno;
    if (!m_vinculo) {
        m_vinculo = std::make_unique<TVinculo>(Banco());
        m_vinculo->CarregaRelacionados = CarregaRelacionados;
        m_vinculo->DefinirRescisao(this);
        if (CarregaRelacionados && NU_PIS > 0 && NU_INSCRICAO > 0)
            m_vinculo->Localizar(NU_TIPO_INSO_EMPRA, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_PIS, NU_INSCRICAO);
    }
    return *m_vinculo;
}

void TRescisao::DefinirVinculo(TVinculo *vinculo) { m_vinculoExterno = vinculo; }

bool TRescisao::Localizar(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao)
{
    CodigoMensagem.clear();
    const ChaveVinculo chave{tipoInscricao, inscricao, pis, categoria, admissao};
    try {
        AtribuirDataSet(Banco()->Abrir(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + chave.Condicao(QStringLiteral("RESC"))));
    } catch (const std::exception &) {
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
    IrPrimeiro();
    return QuantidadeRegistros() > 0;
}

// ---------------------------------------------------------------------------
// Rates

int TRescisao::Categoria()
{
    return NU_CATEGORIA != 0 ? NU_CATEGORIA : Vinculo().NU_CATEGORIA;
}

TAliquotaVigente TRescisao::AliquotaVigente(bool remuneracao, Date mes)
{
    TAliquotaVigente r;
    if (!mes.isRealDate())
        return r;
    try {
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT AA_COMPETENCIA_ALIQUOTA, MM_COMPETENCIA_ALIQUOTA, "
                                                      "PC_ALIQUOTA, VR_REMUNERACAO_MINIMA, VR_SALDO_RESCISORIO_MINIMO "
                                                      "FROM SFGTBT14_ALIQUOTA_CALCULO_DPSTO WHERE NU_CATEGORIA = %1 "
                                                      "ORDER BY AA_COMPETENCIA_ALIQUOTA DESC, MM_COMPETENCIA_ALIQUOTA DESC")
                                           .arg(Categoria()));
        const QString alvo = QStringLiteral("%1%2").arg(mes.year(), 4, 10, QLatin1Char('0')).arg(mes.month(), 2, 10, QLatin1Char('0'));
        for (rs->first(); !rs->eof(); rs->next()) {
            const QString inicio = QStringLiteral("%1%2")
                                       .arg(rs->field(QStringLiteral("AA_COMPETENCIA_ALIQUOTA")).toInt(), 4, 10, QLatin1Char('0'))
                                       .arg(rs->field(QStringLiteral("MM_COMPETENCIA_ALIQUOTA")).toInt(), 2, 10, QLatin1Char('0'));
            if (inicio <= alvo) {
                r.Encontrada = true;
                r.Aliquota = rs->field(QStringLiteral("PC_ALIQUOTA")).toDouble();
                r.Minimo = rs->field(remuneracao ? QStringLiteral("VR_REMUNERACAO_MINIMA")
                                                 : QStringLiteral("VR_SALDO_RESCISORIO_MINIMO"))
                               .toMoney();
                break;
            }
        }
    } catch (const std::exception &) {
        return TAliquotaVigente();
    }
    return r;
}

QString TRescisao::CodigoAbaixoDoMinimo(Money valor, Date mes)
{
    const TAliquotaVigente a = AliquotaVigente(true, mes);
    if (!a.Encontrada || !(valor < a.Minimo))
        return {};
    if (a.Aliquota == 2.0)
        return QStringLiteral("0447");
    if (a.Aliquota == 8.0)
        return QStringLiteral("0448");
    return {};
}

// ---------------------------------------------------------------------------
// Rules

bool TRescisao::ValidarDataDissidio()
{
    CodigoMensagem.clear();
    const int classe = ClassificarData(DT_DISSIDIO);
    const TVinculo &v = Vinculo();
    if (classe == DataAnteriorA1900)
        CodigoMensagem = QStringLiteral("0472");
    else if (classe == DataNaoReconhecida)
        CodigoMensagem = QStringLiteral("0048");
    else if (DissidioInformado() && Antes(DT_DISSIDIO, v.DT_ADMISSAO_VINCULO))
        CodigoMensagem = QStringLiteral("0047");
    else if (DissidioInformado() && DataDefinida(v.DT_MOVIMENTACAO_VINCULO) && v.DT_MOVIMENTACAO_VINCULO >= DT_DISSIDIO)
        CodigoMensagem = QStringLiteral("0409");
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarValorDissidio()
{
    CodigoMensagem.clear();
    const QString origem = Aparar(IC_ORIGEM_SALDO_RESCISORIO).isEmpty() ? QStringLiteral("N")
                                                                         : Aparar(IC_ORIGEM_SALDO_RESCISORIO);
    // A NULL agreement date loads as day 0: a value without a date is refused either way.
    if (!VR_DISSIDIO.isZero() && !DissidioInformado())
        CodigoMensagem = QStringLiteral("0191");
    else if (VR_DISSIDIO > kZero && MovimentoI3(Vinculo()))
        CodigoMensagem = QStringLiteral("0444");
    else if (VR_DISSIDIO > kZero && origem != QLatin1String("N"))
        CodigoMensagem = QStringLiteral("0482");
    else if (VR_DISSIDIO.isZero() && DissidioInformado())
        CodigoMensagem = QStringLiteral("0136");
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarValoresI3(bool fechamento)
{
    CodigoMensagem.clear();
    if (MovimentoI3(Vinculo()) && (VR_REMUNERACAO_ANTERIOR_RSCSO + VR_REMUNERACAO_RESCISAO + VR_AVISO_PREVIO).isZero())
        CodigoMensagem = fechamento ? QStringLiteral("0455") : QStringLiteral("0225");
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarValoresInformados()
{
    CodigoMensagem.clear();
    const Money soma = VR_REMUNERACAO_ANTERIOR_RSCSO + VR_REMUNERACAO_RESCISAO + VR_AVISO_PREVIO + VR_SALDO_RESCISORIO
                       + VR_DISSIDIO + VR_DEPOSITO_CMPLO_SALDO;
    if (!MovimentoI3(Vinculo()) && soma.isZero())
        CodigoMensagem = QStringLiteral("0225");
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarRemuneracaoAnterior()
{
    CodigoMensagem.clear();
    const Money valor = VR_REMUNERACAO_ANTERIOR_RSCSO;
    const TVinculo &v = Vinculo();
    const Date movimento = v.DT_MOVIMENTACAO_VINCULO;
    const Date admissao = v.DT_ADMISSAO_VINCULO;
    if (!(valor > kZero))
        return true;
    if (DissidioInformado())
        CodigoMensagem = QStringLiteral("0186");
    else if (movimento.isRealDate() && admissao.isRealDate() && movimento.year() == admissao.year()
             && movimento.month() == admissao.month())
        CodigoMensagem = QStringLiteral("0425");
    // The minimum decides over the codes above.
    if (movimento.isRealDate()) {
        const QString minimo = CodigoAbaixoDoMinimo(valor, movimento.addMonths(-1));
        if (!minimo.isEmpty())
            CodigoMensagem = minimo;
    }
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarRemuneracaoRescisao()
{
    CodigoMensagem.clear();
    const Money valor = VR_REMUNERACAO_RESCISAO;
    if (!(valor > kZero))
        return true;
    if (DissidioInformado()) {
        CodigoMensagem = QStringLiteral("0187");
        return false;
    }
    const Date movimento = Vinculo().DT_MOVIMENTACAO_VINCULO;
    if (movimento.isRealDate())
        CodigoMensagem = CodigoAbaixoDoMinimo(valor, movimento);
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarAvisoPrevioIndenizado()
{
    CodigoMensagem.clear();
    const Money valor = VR_AVISO_PREVIO;
    const TVinculo &v = Vinculo();
    const bool positivo = valor > kZero;
    const bool i3 = MovimentoI3(v);
    if (positivo && v.NU_CATEGORIA == 5)
        CodigoMensagem = QStringLiteral("0513");
    else if (v.NU_CATEGORIA != 5 && v.IC_AVISO_PREVIO == 2 && !positivo)
        CodigoMensagem = QStringLiteral("0391");
    else if ((v.IC_AVISO_PREVIO == 1 || v.IC_AVISO_PREVIO == 3) && positivo && !i3)
        CodigoMensagem = QStringLiteral("0392");
    else if (positivo && i3)
        CodigoMensagem = QStringLiteral("0428");
    else if (positivo && v.DT_MOVIMENTACAO_VINCULO.isRealDate())
        CodigoMensagem = CodigoAbaixoDoMinimo(valor, v.DT_MOVIMENTACAO_VINCULO);
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarTipoPensao()
{
    CodigoMensagem.clear();
    const QString tipo = Aparar(IC_TIPO_PNSO_ALMNA).toUpper();
    if (tipo.isEmpty())
        CodigoMensagem = QStringLiteral("0081");
    else if (tipo != QLatin1String("N") && tipo != QLatin1String("P") && tipo != QLatin1String("V"))
        CodigoMensagem = QStringLiteral("0082");
    return CodigoMensagem.isEmpty();
}

// The two screen variants compare the type exactly as stored ("p" is neither).
bool TRescisao::ValidarPensaoPercentual()
{
    CodigoMensagem.clear();
    if (IC_TIPO_PNSO_ALMNA == QLatin1String("P") && !(VR_PENSAO_ALMNA > kZero))
        CodigoMensagem = QStringLiteral("0183");
    else if (IC_TIPO_PNSO_ALMNA == QLatin1String("N"))
        VR_PENSAO_ALMNA = Money();
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarPensaoValor()
{
    CodigoMensagem.clear();
    if (IC_TIPO_PNSO_ALMNA == QLatin1String("V") && !(VR_PENSAO_ALMNA > kZero))
        CodigoMensagem = QStringLiteral("0210");
    else if (IC_TIPO_PNSO_ALMNA == QLatin1String("N"))
        VR_PENSAO_ALMNA = Money();
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarPensaoPercentualArquivo()
{
    CodigoMensagem.clear();
    if (Aparar(IC_TIPO_PNSO_ALMNA).toUpper() == QLatin1String("P")) {
        if (!(VR_PENSAO_ALMNA > kZero))
            CodigoMensagem = QStringLiteral("0183");
        else if (VR_PENSAO_ALMNA > Money::fromCentavos(10000))
            CodigoMensagem = QStringLiteral("0378");
    }
    return CodigoMensagem.isEmpty();
}

bool TRescisao::ValidarPensaoValorArquivo()
{
    CodigoMensagem.clear();
    if (Aparar(IC_TIPO_PNSO_ALMNA).toUpper() == QLatin1String("V") && !(VR_PENSAO_ALMNA > kZero))
        CodigoMensagem = QStringLiteral("0210");
    return CodigoMensagem.isEmpty();
}

// ---------------------------------------------------------------------------

bool TRescisao::LimparCalculo(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao)
{
    CodigoMensagem.clear();
    QStringList nulos;
    for (const char *coluna : kCalculados)
        nulos << QLatin1String(coluna) + QStringLiteral(" = NULL");
    const QString tabela = QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO");
    QString sql = QStringLiteral("UPDATE ") + tabela + QStringLiteral(" SET ") + nulos.join(QStringLiteral(", "))
                  + QStringLiteral(" WHERE EXISTS (SELECT 1 FROM SFGTBG04_VINCULO_EMPREGATICIO VINC WHERE ")
                  + JuncaoVinculo(QStringLiteral("VINC"), tabela)
                  + QStringLiteral(" AND VINC.IC_ESTADO_MOVIMENTO IN (2, 3))");
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

} // namespace tolv
