#include "conta_saldo_trabalhador.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "rescisao.h"
#include "trabalhador.h"
#include "vinculo.h"

namespace tolv {

namespace {

const char *const kColunas[] = {
    "NU_TIPO_INSO_EMPRA", "NU_INSCRICAO", "NU_PIS", "NU_CATEGORIA", "DT_ADMISSAO_VINCULO", "NO_EMPREGADO",
    "NU_EMPREGADO_ORBEL", "NU_SITUACAO_CONTA_EMPREGADO", "NU_SITUACAO_PIS", "AA_MAIOR_COMPETENCIA",
    "MM_MAIOR_COMPETENCIA", "VR_SALDO_RESCISORIO", "DT_GRAVACAO_ARQUIVO", "NU_SITUACAO_CONTA_EMPRESA",
    "NU_EMPRESA_ORBEL", "DT_CREDITO_JUROS",
};

QString lista(const QList<int> &v)
{
    QStringList s;
    for (int x : v)
        s << QString::number(x);
    return s.join(QLatin1Char(','));
}



const QString kVinculoDaConta = QStringLiteral(
    "SELECT 1 FROM SFGTBG04_VINCULO_EMPREGATICIO V WHERE V.NU_TIPO_INSO_EMPRA = C.NU_TIPO_INSO_EMPRA "
    "AND V.NU_INSCRICAO = C.NU_INSCRICAO AND V.NU_PIS = C.NU_PIS AND V.NU_CATEGORIA = C.NU_CATEGORIA "
    "AND V.DT_ADMISSAO_VINCULO = C.DT_ADMISSAO_VINCULO");

} // namespace

TContaSaldoTrabalhador::TContaSaldoTrabalhador(TDBUtils *banco) : TNegocio(banco)
{
    TContaSaldoTrabalhador::Inicializar();
}

TContaSaldoTrabalhador::~TContaSaldoTrabalhador() = default;

void TContaSaldoTrabalhador::Inicializar()
{
    TNegocio::Inicializar();
    QStringList cols;
    for (const char *c : kColunas)
        cols << QStringLiteral("CTAEPR.") + QLatin1String(c);
    SqlSelect = QStringLiteral("SELECT ") + cols.join(QStringLiteral(", ")) + QLatin1Char(' ');
    SqlFrom = QStringLiteral("FROM SFGTBG10_CONTA_EMPREGADO_FGTS CTAEPR ");
    Limpar();
}

void TContaSaldoTrabalhador::Limpar()
{
    NU_TIPO_INSO_EMPRA = 0;
    NU_INSCRICAO = NU_PIS = 0;
    NU_CATEGORIA = 0;
    DT_ADMISSAO_VINCULO = DataNula;
    MM_MAIOR_COMPETENCIA = AA_MAIOR_COMPETENCIA = 0;
    NU_SITUACAO_CONTA_EMPREGADO = 0;
    NU_SITUACAO_PIS = 0;
    NU_EMPREGADO_ORBEL = NU_EMPRESA_ORBEL = 0;
    VR_SALDO_RESCISORIO = Money();
    DT_GRAVACAO_ARQUIVO = DataNula;
    NU_SITUACAO_CONTA_EMPRESA = 0;
    DT_CREDITO_JUROS = DataNula;
    m_trabalhador.reset();
    m_rescisao.reset();
    m_vinculo.reset();
}

void TContaSaldoTrabalhador::CarregarCampos()
{
    TNegocio::CarregarCampos();
    NU_TIPO_INSO_EMPRA = qint16(Campo(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt());
    NU_INSCRICAO = Campo(QStringLiteral("NU_INSCRICAO")).toInt64();
    NU_PIS = Campo(QStringLiteral("NU_PIS")).toInt64();
    NU_CATEGORIA = qint16(Campo(QStringLiteral("NU_CATEGORIA")).toInt());
    DT_ADMISSAO_VINCULO = Campo(QStringLiteral("DT_ADMISSAO_VINCULO")).toDate();
    MM_MAIOR_COMPETENCIA = qint16(Campo(QStringLiteral("MM_MAIOR_COMPETENCIA")).toInt());
    NU_SITUACAO_CONTA_EMPREGADO = Campo(QStringLiteral("NU_SITUACAO_CONTA_EMPREGADO")).toInt();
    NU_SITUACAO_PIS = qint16(Campo(QStringLiteral("NU_SITUACAO_PIS")).toInt());
    NU_EMPREGADO_ORBEL = Campo(QStringLiteral("NU_EMPREGADO_ORBEL")).toInt64();
    VR_SALDO_RESCISORIO = Campo(QStringLiteral("VR_SALDO_RESCISORIO")).toMoney();
    AA_MAIOR_COMPETENCIA = qint16(Campo(QStringLiteral("AA_MAIOR_COMPETENCIA")).toInt());
    DT_GRAVACAO_ARQUIVO = Campo(QStringLiteral("DT_GRAVACAO_ARQUIVO")).toDate();
    NU_SITUACAO_CONTA_EMPRESA = qint16(Campo(QStringLiteral("NU_SITUACAO_CONTA_EMPRESA")).toInt());
    NU_EMPRESA_ORBEL = Campo(QStringLiteral("NU_EMPRESA_ORBEL")).toInt64();
    DT_CREDITO_JUROS = Campo(QStringLiteral("DT_CREDITO_JUROS")).toDate();
}

void TContaSaldoTrabalhador::DefinirChave(const ChaveVinculo &c)
{
    NU_TIPO_INSO_EMPRA = qint16(c.TipoInscricao);
    NU_INSCRICAO = c.Inscricao;
    NU_PIS = c.Pis;
    NU_CATEGORIA = qint16(c.Categoria);
    DT_ADMISSAO_VINCULO = c.Admissao;
}

TTrabalhador &TContaSaldoTrabalhador::Trabalhador()
{
    if (!m_trabalhador) {
        m_trabalhador = std::make_unique<TTrabalhador>(Banco());
        if (CarregaRelacionados)
            m_trabalhador->LocalizarPorPis(QString::number(NU_PIS));
    }
    return *m_trabalhador;
}

TRescisao &TContaSaldoTrabalhador::Rescisao()
{
    if (!m_rescisao) {
        m_rescisao = std::make_unique<TRescisao>(Banco());
        if (CarregaRelacionados)
            m_rescisao->Localizar(NU_TIPO_INSO_EMPRA, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_PIS, NU_INSCRICAO);
    }
    return *m_rescisao;
}

TVinculo &TContaSaldoTrabalhador::Vinculo()
{
    if (!m_vinculo) {
        m_vinculo = std::make_unique<TVinculo>(Banco());
        m_vinculo->NU_TIPO_INSO_EMPRA = NU_TIPO_INSO_EMPRA;
        m_vinculo->NU_INSCRICAO = NU_INSCRICAO;
        m_vinculo->NU_PIS = NU_PIS;
        m_vinculo->NU_CATEGORIA = NU_CATEGORIA;
        m_vinculo->DT_ADMISSAO_VINCULO = DT_ADMISSAO_VINCULO;
        if (CarregaRelacionados)
            m_vinculo->ListarPorChave();
    }
    return *m_vinculo;
}

bool TContaSaldoTrabalhador::ValidarSituacaoConta()
{
    CodigoMensagem.clear();
    if (NU_SITUACAO_CONTA_EMPREGADO >= 4)
        CodigoMensagem = QStringLiteral("0216");
    return CodigoMensagem.isEmpty();
}

bool TContaSaldoTrabalhador::ValidarNumeroConta()
{
    CodigoMensagem.clear();
    if (NU_SITUACAO_CONTA_EMPREGADO == 3 && NU_EMPREGADO_ORBEL != 0)
        CodigoMensagem = QStringLiteral("0282");
    return CodigoMensagem.isEmpty();
}

bool TContaSaldoTrabalhador::ValidarSaldo()
{
    CodigoMensagem.clear();
    if (NU_SITUACAO_CONTA_EMPREGADO != 0 && VR_SALDO_RESCISORIO > Money())
        CodigoMensagem = QStringLiteral("0379");
    return CodigoMensagem.isEmpty();
}

bool TContaSaldoTrabalhador::ValidarSituacaoPis()
{
    CodigoMensagem.clear();
    if (NU_SITUACAO_PIS != 1 && NU_SITUACAO_PIS != 2 && NU_SITUACAO_CONTA_EMPREGADO != 3)
        CodigoMensagem = QStringLiteral("0285");
    else if (NU_SITUACAO_CONTA_EMPREGADO == 3 && NU_SITUACAO_PIS != 0)
        CodigoMensagem = QStringLiteral("0345");
    return CodigoMensagem.isEmpty();
}

bool TContaSaldoTrabalhador::ValidarMaiorCompetencia()
{
    CodigoMensagem.clear();
    const bool semConta = NU_SITUACAO_CONTA_EMPREGADO == 3;
    if (semConta && MM_MAIOR_COMPETENCIA != 0)
        CodigoMensagem = QStringLiteral("0286");
    else if (MM_MAIOR_COMPETENCIA > 12 && !semConta)
        CodigoMensagem = QStringLiteral("0034");
    // the year part runs after the month part and its code wins
    if (semConta && AA_MAIOR_COMPETENCIA != 0)
        CodigoMensagem = QStringLiteral("0286");
    else if (!semConta && AA_MAIOR_COMPETENCIA >= 1 && AA_MAIOR_COMPETENCIA <= 1966)
        CodigoMensagem = QStringLiteral("0102");
    return CodigoMensagem.isEmpty();
}

bool TContaSaldoTrabalhador::ValidarDataCreditoJuros()
{
    CodigoMensagem.clear();
    if (NU_SITUACAO_CONTA_EMPRESA != 0 && !DT_CREDITO_JUROS.isNull())
        CodigoMensagem = QStringLiteral("0346");
    else if (NU_SITUACAO_CONTA_EMPRESA == 0 && (DT_CREDITO_JUROS.isNull() || DT_CREDITO_JUROS < Date::fromYmd(1967, 1, 1)))
        CodigoMensagem = QStringLiteral("0369");
    return CodigoMensagem.isEmpty();
}

QString TContaSaldoTrabalhador::condicaoChave(const QString &alias) const { return Chave().Condicao(alias); }

bool TContaSaldoTrabalhador::ExisteSaldoSituacaoPis2()
{
    try {
        return Banco()->Abrir(QStringLiteral("SELECT FIRST 1 1 FROM SFGTBG10_CONTA_EMPREGADO_FGTS WHERE ") + condicaoChave({})
                              + QStringLiteral(" AND NU_SITUACAO_PIS = 2 AND VR_SALDO_RESCISORIO > 0"))
                   ->rowCount()
            > 0;
    } catch (const std::exception &) {
        return false;
    }
}

bool TContaSaldoTrabalhador::ExisteSaldoPositivo()
{
    try {
        return Banco()->Abrir(QStringLiteral("SELECT FIRST 1 1 FROM SFGTBG10_CONTA_EMPREGADO_FGTS WHERE ") + condicaoChave({})
                              + QStringLiteral(" AND VR_SALDO_RESCISORIO > 0"))
                   ->rowCount()
            > 0;
    } catch (const std::exception &) {
        return false;
    }
}

Money TContaSaldoTrabalhador::SomarSaldos()
{
    try {
        return Banco()->Abrir(QStringLiteral("SELECT SUM(VR_SALDO_RESCISORIO) FROM SFGTBG10_CONTA_EMPREGADO_FGTS WHERE ")
                              + condicaoChave({}))
            ->field(0)
            .toMoney();
    } catch (const std::exception &) {
        return {};
    }
}

bool TContaSaldoTrabalhador::listar(const QString &sql) { return AbrirConsulta(sql); }

bool TContaSaldoTrabalhador::ListarSaldosEmpresa(const QString &ordem)
{
    if (!OrdemSegura(ordem))
        return false;
    return listar(SqlSelect + SqlFrom
                  + QStringLiteral("WHERE CTAEPR.NU_TIPO_INSO_EMPRA = %1 AND CTAEPR.NU_INSCRICAO = %2 "
                                   "AND CTAEPR.NU_SITUACAO_CONTA_EMPREGADO <> 3")
                        .arg(NU_TIPO_INSO_EMPRA)
                        .arg(NU_INSCRICAO)
                  + (ordem.trimmed().isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + ordem));
}

bool TContaSaldoTrabalhador::ListarSaldosPis(const QString &ordem, qint64 pis)
{
    if (!OrdemSegura(ordem))
        return false;
    return listar(SqlSelect + SqlFrom
                  + QStringLiteral("WHERE CTAEPR.NU_PIS = %1 AND CTAEPR.NU_SITUACAO_CONTA_EMPREGADO <> 3").arg(pis)
                  + (ordem.trimmed().isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + ordem));
}

bool TContaSaldoTrabalhador::ListarSaldosVinculo(const QList<int> &situacoes)
{
    const QString filtro = situacoes.isEmpty()
        ? QStringLiteral(" AND CTAEPR.NU_SITUACAO_CONTA_EMPREGADO <> 3")
        : QStringLiteral(" AND CTAEPR.NU_SITUACAO_CONTA_EMPREGADO IN (%1)").arg(lista(situacoes));
    // a fixed order: the first line is the one whose dates the callers use
    return listar(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + condicaoChave(QStringLiteral("CTAEPR")) + filtro
                  + QStringLiteral(" ORDER BY CTAEPR.NU_EMPREGADO_ORBEL"));
}

bool TContaSaldoTrabalhador::ListarSaldosMovimento(const QList<int> &estados, const QList<qint64> &contas,
                                                   bool somenteEmpresa)
{
    QString sql = SqlSelect + SqlFrom
        + QStringLiteral("JOIN SFGTBG04_VINCULO_EMPREGATICIO V ON V.NU_TIPO_INSO_EMPRA = CTAEPR.NU_TIPO_INSO_EMPRA "
                         "AND V.NU_INSCRICAO = CTAEPR.NU_INSCRICAO AND V.NU_PIS = CTAEPR.NU_PIS "
                         "AND V.NU_CATEGORIA = CTAEPR.NU_CATEGORIA AND V.DT_ADMISSAO_VINCULO = CTAEPR.DT_ADMISSAO_VINCULO "
                         "WHERE V.IC_ESTADO_MOVIMENTO IN (%1) AND CTAEPR.NU_SITUACAO_CONTA_EMPREGADO <> 3")
              .arg(estados.isEmpty() ? QStringLiteral("-1") : lista(estados));
    if (somenteEmpresa)
        sql += QStringLiteral(" AND CTAEPR.NU_TIPO_INSO_EMPRA = %1 AND CTAEPR.NU_INSCRICAO = %2")
                   .arg(NU_TIPO_INSO_EMPRA)
                   .arg(NU_INSCRICAO);
    if (!contas.isEmpty()) {
        QStringList c;
        for (qint64 x : contas)
            c << QString::number(x);
        sql += QStringLiteral(" AND CTAEPR.NU_EMPREGADO_ORBEL IN (%1)").arg(c.join(QLatin1Char(',')));
    }
    return listar(sql);
}

bool TContaSaldoTrabalhador::LocalizarSaldo(int tipoInscricao, int categoria, qint64 conta, qint64 pis, Date admissao,
                                            qint64 inscricao)
{
    ResultSet *ds = ObterDataSet();
    if (!ds)
        return false;
    for (int row = 0; row < ds->rowCount(); ++row) {
        ds->moveTo(row);
        if (ds->field(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt() == tipoInscricao
            && ds->field(QStringLiteral("NU_CATEGORIA")).toInt() == categoria
            && ds->field(QStringLiteral("NU_EMPREGADO_ORBEL")).toInt64() == conta
            && ds->field(QStringLiteral("NU_PIS")).toInt64() == pis
            && ds->field(QStringLiteral("DT_ADMISSAO_VINCULO")).toDate() == admissao
            && ds->field(QStringLiteral("NU_INSCRICAO")).toInt64() == inscricao) {
            CarregarCampos();
            return true;
        }
    }
    return false;
}

bool TContaSaldoTrabalhador::Incluir(bool atualizarSaldoRescisorio)
{
    try {
        const QString nome = m_trabalhador ? m_trabalhador->NO_EMPREGADO : QString();
        const QStringList valores = {
            QString::number(NU_TIPO_INSO_EMPRA), QString::number(NU_INSCRICAO), QString::number(NU_PIS),
            QString::number(NU_CATEGORIA), SqlDataColuna(DT_ADMISSAO_VINCULO),
            nome.trimmed().isEmpty() ? QStringLiteral("NULL") : SqlTexto(nome),
            QString::number(NU_EMPREGADO_ORBEL), QString::number(NU_SITUACAO_CONTA_EMPREGADO),
            QString::number(NU_SITUACAO_PIS), QString::number(AA_MAIOR_COMPETENCIA),
            QString::number(MM_MAIOR_COMPETENCIA), FormatarDecimalPonto(VR_SALDO_RESCISORIO),
            SqlDataColuna(DT_GRAVACAO_ARQUIVO), QString::number(NU_SITUACAO_CONTA_EMPRESA),
            QString::number(NU_EMPRESA_ORBEL), SqlDataColuna(DT_CREDITO_JUROS),
        };
        QStringList cols;
        for (const char *c : kColunas)
            cols << QLatin1String(c);
        Banco()->Executar(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (") + cols.join(QStringLiteral(", "))
                          + QStringLiteral(") VALUES (") + valores.join(QStringLiteral(", ")) + QLatin1Char(')'));
        if (atualizarSaldoRescisorio)
            return Trabalhador().AtualizarSaldoRescisorio(NU_TIPO_INSO_EMPRA, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_PIS,
                                                          NU_INSCRICAO);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TContaSaldoTrabalhador::ExcluirSaldos(bool escopoEmpresa, bool porConta, bool pouparFechados)
{
    QString sql = QStringLiteral("DELETE FROM SFGTBG10_CONTA_EMPREGADO_FGTS C WHERE ");
    if (escopoEmpresa)
        sql += QStringLiteral("C.NU_TIPO_INSO_EMPRA = %1 AND C.NU_INSCRICAO = %2").arg(NU_TIPO_INSO_EMPRA).arg(NU_INSCRICAO);
    else
        sql += condicaoChave(QStringLiteral("C"));
    if (porConta)
        sql += QStringLiteral(" AND C.NU_EMPREGADO_ORBEL = %1").arg(NU_EMPREGADO_ORBEL);
    // only lines of links that exist; sparing closed links keeps theirs, line by line
    sql += QStringLiteral(" AND EXISTS (") + kVinculoDaConta
        + (pouparFechados ? QStringLiteral(" AND COALESCE(V.IC_ESTADO_MOVIMENTO, 0) NOT IN (2, 3)") : QString())
        + QLatin1Char(')');
    try {
        Banco()->Executar(sql);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace tolv
