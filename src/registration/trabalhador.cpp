#include "trabalhador.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "core/validadores.h"
#include "empresa.h"
#include "regras_cadastro.h"
#include "rescisao.h"
#include "vinculo.h"

namespace tolv {

namespace {

const QString kOrdemNome = QStringLiteral("ORDER BY TRAB.NO_EMPREGADO, TRAB.NU_PIS, VINC.NU_TIPO_INSO_EMPRA, "
                                          "VINC.NU_INSCRICAO, VINC.DT_ADMISSAO_VINCULO, VINC.NU_CATEGORIA");

// Tables that hang on a link, in the order a link is taken apart.
const char *const kDependentes[] = {"SFGTBG10_CONTA_EMPREGADO_FGTS", "SFGTBG07_COMPLEMENTO_SALDO",
                                    "SFGTBG06_INFORMACAO_RESCISAO", "SFGTBG05_ALTERACAO_CADASTRAL",
                                    "SFGTBG04_VINCULO_EMPREGATICIO"};

const QString kSemVinculo = QStringLiteral("NOT EXISTS (SELECT 1 FROM SFGTBG04_VINCULO_EMPREGATICIO VINC "
                                           "WHERE VINC.NU_PIS = SFGTBG03_EMPREGADO.NU_PIS)");

int DigitoVerificador(const QString &digitos, const int *pesos, int quantidade)
{
    int soma = 0;
    for (int i = 0; i < quantidade; ++i)
        soma += (digitos.at(i).unicode() - '0') * pesos[i];
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

} // namespace

TTrabalhador::TTrabalhador(TDBUtils *banco) : TNegocio(banco) { TTrabalhador::Inicializar(); }

TTrabalhador::~TTrabalhador() = default;

TVinculo &TTrabalhador::Vinculo()
{
    if (!m_vinculo) {
        m_vinculo = std::make_unique<TVinculo>(Banco());
        m_vinculo->CarregaRelacionados = CarregaRelacionados;
        m_vinculo->DefinirTrabalhador(this);
    }
    return *m_vinculo;
}

void TTrabalhador::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral(
        "SELECT TRAB.NU_PIS, TRAB.NU_GRAU_INSTRUCAO, TRAB.NO_EMPREGADO, TRAB.NU_CTPS, TRAB.NU_SERIE_CTPS, "
        "TRAB.IC_SEXO, TRAB.DT_NASCIMENTO, TRAB.NU_INSCRICAO_CPF, VINC.NU_TIPO_INSO_EMPRA, VINC.NU_INSCRICAO, "
        "VINC.NU_CATEGORIA, VINC.DT_ADMISSAO_VINCULO, VINC.CO_MOVIMENTACAO, VINC.CO_CBO, VINC.CO_SAQUE, "
        "VINC.DT_OPCAO, VINC.NU_TIPO_INSO_TMDR, VINC.NU_INSCRICAO_TMDR, VINC.IC_AVISO_PREVIO, "
        "VINC.DT_INICIO_AVISO_PRVO, VINC.IC_REPOSICAO_VAGAS, VINC.QT_HORAS_TRBS_SMNA, VINC.IC_ESTADO_MOVIMENTO, "
        "VINC.DT_MOVIMENTACAO_VINCULO, VINC.NU_BANCO_CONTA, VINC.NU_AGENCIA_CONTA, VINC.NU_CONTA_BANCARIA ");
    SqlFrom = QStringLiteral("FROM SFGTBG03_EMPREGADO TRAB "
                             "JOIN SFGTBG04_VINCULO_EMPREGATICIO VINC ON VINC.NU_PIS = TRAB.NU_PIS ");
    TTrabalhador::Limpar();
}

void TTrabalhador::Limpar()
{
    NU_PIS.clear();
    NU_GRAU_INSTRUCAO.clear();
    NO_EMPREGADO.clear();
    NU_CTPS.clear();
    NU_SERIE_CTPS.clear();
    IC_SEXO = 0;
    DT_NASCIMENTO = DataNula;
    NU_INSCRICAO_CPF.clear();
    // Emptied, not freed: callers keep references to the worker's link across loads.
    if (m_vinculo)
        m_vinculo->Limpar();
}

void TTrabalhador::CarregarCampos()
{
    TNegocio::CarregarCampos();
    NU_PIS = CompletarZeros(QString::number(Campo(QStringLiteral("NU_PIS")).toInt64()), 11);
    const Field grau = Campo(QStringLiteral("NU_GRAU_INSTRUCAO"));
    NU_GRAU_INSTRUCAO = grau.isNull() ? QString() : QString::number(grau.toInt64());
    NO_EMPREGADO = Aparar(Campo(QStringLiteral("NO_EMPREGADO")).toString());
    NU_CTPS = Aparar(Campo(QStringLiteral("NU_CTPS")).toString());
    NU_SERIE_CTPS = Aparar(Campo(QStringLiteral("NU_SERIE_CTPS")).toString());
    IC_SEXO = qint16(Campo(QStringLiteral("IC_SEXO")).toInt());
    DT_NASCIMENTO = Campo(QStringLiteral("DT_NASCIMENTO")).toDate();
    const qint64 cpf = Campo(QStringLiteral("NU_INSCRICAO_CPF")).toInt64();
    NU_INSCRICAO_CPF = cpf == 0 ? QString() : CompletarZeros(QString::number(cpf), 11);
    Vinculo().CarregarDaLinha(dataSet());
    AplicarRegraCtps();
}

void TTrabalhador::AplicarRegraCtps()
{
    const int categoria = Vinculo().NU_CATEGORIA;
    if (!m_ctpsPorCategoria.contains(categoria)) {
        try {
            const auto rs = Banco()->Abrir(
                QStringLiteral("SELECT IC_CTPS FROM SFGTBT04_CATEGORIA_EMPREGADO WHERE NU_CATEGORIA = %1").arg(categoria));
            QString ctps;
            if (rs->rowCount() > 0) {
                rs->first();
                ctps = Aparar(rs->field(QStringLiteral("IC_CTPS")).toString());
            }
            m_ctpsPorCategoria.insert(categoria, ctps);
        } catch (const std::exception &) {
            return;
        }
    }
    if (m_ctpsPorCategoria.value(categoria) == QLatin1String("N")) {
        NU_CTPS.clear();
        NU_SERIE_CTPS.clear();
    }
}

// ---------------------------------------------------------------------------
// Rules

bool TTrabalhador::ValidarPis()
{
    CodigoMensagem.clear();
    static const QStringList proibidos = QStringLiteral("19999999991,12345678900").split(QLatin1Char(','));
    const QString p = NU_PIS;
    bool valido = p.size() == 11 && !TodosIguais(p) && EhNumerico(p) && !proibidos.contains(p);
    if (valido) {
        const qint64 base = p.left(10).toLongLong();
        valido = base >= 1000000001LL && base <= 2999999999LL;
    }
    if (valido) {
        static const int pesos[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
        valido = DigitoVerificador(p, pesos, 10) == p.at(10).unicode() - '0';
    }
    if (!valido)
        CodigoMensagem = QStringLiteral("0109");
    return valido;
}

bool TTrabalhador::ValidarCpf()
{
    CodigoMensagem.clear();
    const QString c = Aparar(NU_INSCRICAO_CPF);
    if (c.isEmpty())
        return true;
    bool valido = c.size() == 11 && EhNumerico(c) && c.toLongLong() != 0;
    if (valido) {
        static const int pesos1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
        static const int pesos2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
        valido = DigitoVerificador(c, pesos1, 9) == c.at(9).unicode() - '0'
                 && DigitoVerificador(c, pesos2, 10) == c.at(10).unicode() - '0';
    }
    if (!valido)
        CodigoMensagem = QStringLiteral("0038");
    return valido;
}

bool TTrabalhador::ValidarNome()
{
    CodigoMensagem.clear();
    if (!NomeValido(NO_EMPREGADO)) {
        CodigoMensagem = QStringLiteral("0093");
        return false;
    }
    NO_EMPREGADO = Aparar(NO_EMPREGADO);
    for (QChar c : NO_EMPREGADO)
        if (c.isDigit())
            CodigoMensagem = QStringLiteral("0093");
    return CodigoMensagem.isEmpty();
}

bool TTrabalhador::ValidarSexo()
{
    CodigoMensagem.clear();
    if (IC_SEXO == 0)
        CodigoMensagem = QStringLiteral("0121");
    else if (IC_SEXO != 1 && IC_SEXO != 2)
        CodigoMensagem = QStringLiteral("0122");
    return CodigoMensagem.isEmpty();
}

bool TTrabalhador::ValidarGrauInstrucao()
{
    CodigoMensagem.clear();
    const QString grau = Aparar(NU_GRAU_INSTRUCAO);
    if (grau.isEmpty()) {
        CodigoMensagem = QStringLiteral("0071");
        return false;
    }
    try {
        if (!EhNumerico(grau)
            || !ExisteLinha(*Banco(), QStringLiteral("SELECT NU_GRAU_INSTRUCAO FROM SFGTBT09_TIPO_GRAU_INSTRUCAO "
                                                     "WHERE NU_GRAU_INSTRUCAO = ")
                                          + SqlNumeroTexto(grau)))
            CodigoMensagem = QStringLiteral("0072");
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
    }
    return CodigoMensagem.isEmpty();
}

bool TTrabalhador::ValidarNumeroCtps(bool completa)
{
    CodigoMensagem.clear();
    const int categoria = Vinculo().NU_CATEGORIA;
    const QString numero = Aparar(NU_CTPS);
    if (!numero.isEmpty()) {
        if (!EhNumerico(numero) || numero.size() < 2 || TodosIguais(numero))
            CodigoMensagem = QStringLiteral("0099");
        else if (categoria == 5)
            CodigoMensagem = QStringLiteral("0100");
        else if (completa && TextoParaInteiro64(numero) == 0)
            CodigoMensagem = QStringLiteral("0098");
    } else if (categoria != 5) {
        CodigoMensagem = QStringLiteral("0098");
    }
    return CodigoMensagem.isEmpty();
}

bool TTrabalhador::ValidarSerieCtps(bool completa)
{
    CodigoMensagem.clear();
    const QString serie = Aparar(NU_SERIE_CTPS);
    if (Vinculo().NU_CATEGORIA == 5) {
        if (!serie.isEmpty())
            CodigoMensagem = QStringLiteral("0120");
    } else if (serie.isEmpty() || (completa && TextoParaInteiro64(serie) == 0)) {
        CodigoMensagem = QStringLiteral("0118");
    } else if (!EhNumerico(serie) || serie.size() < 2 || TodosIguais(serie)) {
        CodigoMensagem = QStringLiteral("0119");
    }
    return CodigoMensagem.isEmpty();
}

bool TTrabalhador::ValidarDataNascimento()
{
    CodigoMensagem.clear();
    const int classe = ClassificarData(DT_NASCIMENTO);
    if (DT_NASCIMENTO.isNull())
        CodigoMensagem = QStringLiteral("0329");
    else if (classe == DataNaoReconhecida)
        CodigoMensagem = QStringLiteral("0055");
    else if (classe == DataAnteriorA1900)
        CodigoMensagem = QStringLiteral("0053");
    return CodigoMensagem.isEmpty();
}

namespace {
// The key a new link is stored under: the employer of the link's Empresa object
// (when the caller filled one) and the worker's PIS.
ChaveVinculo ChaveDoVinculo(TTrabalhador &trabalhador)
{
    TVinculo &v = trabalhador.Vinculo();
    if (v.PossuiEmpresa()) {
        TEmpresa &e = v.Empresa();
        const qint64 inscricao = ConverterInteiro64(e.Inscricao).value_or(0);
        if (e.TipoInscricao > 0 && inscricao > 0) {
            v.NU_TIPO_INSO_EMPRA = qint16(e.TipoInscricao);
            v.NU_INSCRICAO = inscricao;
        }
    }
    const qint64 pis = ConverterInteiro64(trabalhador.NU_PIS).value_or(0);
    if (pis > 0)
        v.NU_PIS = pis;
    return v.Chave();
}
} // namespace

bool TTrabalhador::VinculoExiste()
{
    CodigoMensagem.clear();
    const ChaveVinculo chave = ChaveDoVinculo(*this);
    try {
        if (ExisteLinha(*Banco(), QStringLiteral("SELECT NU_PIS FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE ")
                                      + chave.Condicao())) {
            CodigoMensagem = QStringLiteral("0208");
            return true;
        }
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Queries

bool TTrabalhador::LocalizarPorVinculo(int tipoInscricao, const QString &inscricao, Date admissao, int categoria,
                                       const QString &pis)
{
    CodigoMensagem.clear();
    const auto numeroInscricao = ConverterInteiro64(inscricao);
    const auto numeroPis = ConverterInteiro64(pis);
    if (!numeroInscricao || !numeroPis) {
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        return false;
    }
    const ChaveVinculo chave{tipoInscricao, *numeroInscricao, *numeroPis, categoria, admissao};
    try {
        AtribuirDataSet(Banco()->Abrir(SqlSelect + SqlFrom + QStringLiteral("WHERE ")
                                       + chave.Condicao(QStringLiteral("VINC"))
                                       + QStringLiteral(" ORDER BY TRAB.NO_EMPREGADO, TRAB.NU_PIS")));
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
    IrPrimeiro();
    return QuantidadeRegistros() > 0;
}

bool TTrabalhador::LocalizarPorPis(const QString &pis)
{
    const auto numero = ConverterInteiro64(pis);
    if (!numero) {
        CodigoMensagem.clear();
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        return false;
    }
    if (!AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE TRAB.NU_PIS = %1 ").arg(*numero) + kOrdemNome))
        return false;
    return QuantidadeRegistros() > 0;
}

QString TTrabalhador::NomeDoPis(const QString &pis)
{
    ResultSet &ds = dataSet();
    const auto procurado = ConverterInteiro64(pis);
    if (!procurado)
        return {};
    const int linha = ds.recNo();
    const bool fim = ds.eof();
    QString nome;
    for (int i = 0; i < ds.rowCount(); ++i) {
        ds.moveTo(i);
        if (ds.field(QStringLiteral("NU_PIS")).toInt64() == *procurado) {
            nome = Aparar(ds.field(QStringLiteral("NO_EMPREGADO")).toString());
            break;
        }
    }
    ds.setCursor(linha, fim);
    return nome;
}

bool TTrabalhador::AbrirTodos() { return AbrirConsulta(SqlSelect + SqlFrom + kOrdemNome); }

bool TTrabalhador::LocalizarPorNome(const QString &texto)
{
    QString filtro;
    if (!EstaVazio(texto))
        filtro = QStringLiteral("WHERE UPPER(TRAB.NO_EMPREGADO) STARTING WITH UPPER(%1) ").arg(SqlTexto(texto));
    return AbrirConsulta(SqlSelect + SqlFrom + filtro + kOrdemNome);
}

bool TTrabalhador::ListarPorEmpresa(const QString &tipoInscricao, const QString &inscricao)
{
    const auto tipo = ConverterInteiro64(tipoInscricao);
    const auto numero = ConverterInteiro64(inscricao);
    if (!tipo || !numero) {
        CodigoMensagem.clear();
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        return true;
    }
    return AbrirConsulta(SqlSelect + QStringLiteral(", EMP.NO_RAZAO_SOCIAL ") + SqlFrom
                         + QStringLiteral("JOIN SFGTBG06_INFORMACAO_RESCISAO RESC ON ")
                         + JuncaoVinculo(QStringLiteral("RESC"), QStringLiteral("VINC"))
                         + QStringLiteral(" LEFT JOIN SFGTBG02_EMPRESA EMP ON EMP.NU_TIPO_INSO_EMPRA = VINC.NU_TIPO_INSO_EMPRA "
                                          "AND EMP.NU_INSCRICAO = VINC.NU_INSCRICAO "
                                          "WHERE VINC.NU_TIPO_INSO_EMPRA = %1 AND VINC.NU_INSCRICAO = %2 "
                                          "ORDER BY TRAB.NO_EMPREGADO")
                               .arg(*tipo)
                               .arg(*numero));
}

// ---------------------------------------------------------------------------
// Storage

QString TTrabalhador::SqlPis() const { return SqlNumeroTexto(NU_PIS); }

bool TTrabalhador::Incluir()
{
    CodigoMensagem.clear();
    try {
        if (VinculoExiste())
            return false;
        TransacaoLocal transacao(*Banco());
        TVinculo &v = Vinculo();
        const ChaveVinculo chave = ChaveDoVinculo(*this);

        if (ExisteLinha(*Banco(), QStringLiteral("SELECT NU_PIS FROM SFGTBG03_EMPREGADO WHERE NU_PIS = ") + SqlPis())) {
            if (!Alterar(true))
                return false;
        } else {
            Banco()->Executar(SqlInsert(QStringLiteral("SFGTBG03_EMPREGADO"),
                                        {{QStringLiteral("NU_PIS"), SqlPis()},
                                         {QStringLiteral("NU_GRAU_INSTRUCAO"), SqlNumeroOuNulo(NU_GRAU_INSTRUCAO)},
                                         {QStringLiteral("NO_EMPREGADO"), SqlTexto(NO_EMPREGADO)},
                                         {QStringLiteral("NU_CTPS"), SqlTexto(NU_CTPS)},
                                         {QStringLiteral("NU_SERIE_CTPS"), SqlTexto(NU_SERIE_CTPS)},
                                         {QStringLiteral("IC_SEXO"), QString::number(IC_SEXO)},
                                         {QStringLiteral("DT_NASCIMENTO"), SqlDataColuna(DT_NASCIMENTO)},
                                         {QStringLiteral("NU_INSCRICAO_CPF"), SqlNumeroOuNulo(NU_INSCRICAO_CPF)}}));
        }

        Banco()->Executar(SqlInsert(
            QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO"),
            {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(chave.TipoInscricao)},
             {QStringLiteral("NU_INSCRICAO"), QString::number(chave.Inscricao)},
             {QStringLiteral("NU_PIS"), QString::number(chave.Pis)},
             {QStringLiteral("NU_CATEGORIA"), QString::number(chave.Categoria)},
             {QStringLiteral("DT_ADMISSAO_VINCULO"), SqlData(chave.Admissao)},
             {QStringLiteral("CO_MOVIMENTACAO"), SqlTextoSempre(v.CO_MOVIMENTACAO)},
             {QStringLiteral("CO_CBO"), SqlTextoSempre(v.CO_CBO)},
             {QStringLiteral("CO_SAQUE"), SqlTextoSempre(v.CO_SAQUE)},
             {QStringLiteral("DT_OPCAO"), SqlDataColuna(v.DT_OPCAO)},
             {QStringLiteral("NU_TIPO_INSO_TMDR"), SqlInteiro(v.NU_TIPO_INSO_TMDR)},
             {QStringLiteral("NU_INSCRICAO_TMDR"), SqlInteiro64(v.NU_INSCRICAO_TMDR)},
             {QStringLiteral("IC_AVISO_PREVIO"), QString::number(v.IC_AVISO_PREVIO)},
             {QStringLiteral("DT_INICIO_AVISO_PRVO"), SqlDataColuna(v.DT_INICIO_AVISO_PRVO)},
             {QStringLiteral("IC_REPOSICAO_VAGAS"), SqlTexto(v.IC_REPOSICAO_VAGAS.toUpper())},
             {QStringLiteral("QT_HORAS_TRBS_SMNA"), QString::number(v.QT_HORAS_TRBS_SMNA)},
             {QStringLiteral("IC_ESTADO_MOVIMENTO"), QStringLiteral("0")},
             {QStringLiteral("DT_MOVIMENTACAO_VINCULO"), SqlDataColuna(v.DT_MOVIMENTACAO_VINCULO)},
             {QStringLiteral("NU_BANCO_CONTA"), SqlNumeroOuNulo(v.NU_BANCO_CONTA)},
             {QStringLiteral("NU_AGENCIA_CONTA"), SqlTexto(v.NU_AGENCIA_CONTA)},
             {QStringLiteral("NU_CONTA_BANCARIA"), SqlTexto(v.NU_CONTA_BANCARIA)}}));
        v.IC_ESTADO_MOVIMENTO = 0;

        const TRescisao &r = v.Rescisao();
        Banco()->Executar(SqlInsert(
            QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO"),
            {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(chave.TipoInscricao)},
             {QStringLiteral("NU_INSCRICAO"), QString::number(chave.Inscricao)},
             {QStringLiteral("NU_PIS"), QString::number(chave.Pis)},
             {QStringLiteral("NU_CATEGORIA"), QString::number(chave.Categoria)},
             {QStringLiteral("DT_ADMISSAO_VINCULO"), SqlData(chave.Admissao)},
             {QStringLiteral("DT_DISSIDIO"), SqlDataColuna(r.DT_DISSIDIO)},
             {QStringLiteral("VR_DISSIDIO"), SqlValor(r.VR_DISSIDIO)},
             {QStringLiteral("VR_REMUNERACAO_ANTERIOR_RSCSO"), SqlValor(r.VR_REMUNERACAO_ANTERIOR_RSCSO)},
             {QStringLiteral("VR_REMUNERACAO_RESCISAO"), SqlValor(r.VR_REMUNERACAO_RESCISAO)},
             {QStringLiteral("VR_AVISO_PREVIO"), SqlValor(r.VR_AVISO_PREVIO)},
             {QStringLiteral("IC_TIPO_PNSO_ALMNA"), SqlTexto(r.IC_TIPO_PNSO_ALMNA)},
             {QStringLiteral("VR_PENSAO_ALMNA"), SqlValor(r.VR_PENSAO_ALMNA)},
             {QStringLiteral("IC_ORIGEM_SALDO_RESCISORIO"), SqlTexto(r.IC_ORIGEM_SALDO_RESCISORIO)},
             {QStringLiteral("VR_SALDO_RESCISORIO"), SqlValor(r.VR_SALDO_RESCISORIO)}}));
        transacao.Confirmar();
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

bool TTrabalhador::Alterar(bool somenteTrabalhador)
{
    CodigoMensagem.clear();
    try {
        TransacaoLocal transacao(*Banco());
        TVinculo &v = Vinculo();
        ValoresSql trabalhador = {{QStringLiteral("NU_GRAU_INSTRUCAO"), SqlNumeroOuNulo(NU_GRAU_INSTRUCAO)},
                                  {QStringLiteral("NO_EMPREGADO"), SqlTexto(NO_EMPREGADO)},
                                  {QStringLiteral("IC_SEXO"), QString::number(IC_SEXO)},
                                  {QStringLiteral("DT_NASCIMENTO"), SqlDataColuna(DT_NASCIMENTO)},
                                  {QStringLiteral("NU_INSCRICAO_CPF"), SqlNumeroOuNulo(NU_INSCRICAO_CPF)}};
        // A director (5) has no work card on screen; the stored one stays.
        if (v.NU_CATEGORIA != 5) {
            trabalhador << qMakePair(QStringLiteral("NU_CTPS"), SqlTexto(NU_CTPS));
            trabalhador << qMakePair(QStringLiteral("NU_SERIE_CTPS"), SqlTexto(NU_SERIE_CTPS));
        }
        Banco()->Executar(SqlUpdate(QStringLiteral("SFGTBG03_EMPREGADO"), trabalhador,
                                    QStringLiteral("NU_PIS = ") + SqlPis()));
        if (!somenteTrabalhador) {
            const QString chave = ChaveDoVinculo(*this).Condicao();
            Banco()->Executar(SqlUpdate(
                QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO"),
                {{QStringLiteral("CO_MOVIMENTACAO"), SqlTextoSempre(v.CO_MOVIMENTACAO)},
                 {QStringLiteral("CO_CBO"), SqlTextoSempre(v.CO_CBO)},
                 {QStringLiteral("CO_SAQUE"), SqlTextoSempre(v.CO_SAQUE)},
                 {QStringLiteral("DT_OPCAO"), SqlDataColuna(v.DT_OPCAO)},
                 {QStringLiteral("NU_TIPO_INSO_TMDR"), QString::number(v.NU_TIPO_INSO_TMDR)},
                 {QStringLiteral("NU_INSCRICAO_TMDR"), QString::number(v.NU_INSCRICAO_TMDR)},
                 {QStringLiteral("IC_AVISO_PREVIO"), QString::number(v.IC_AVISO_PREVIO)},
                 {QStringLiteral("DT_INICIO_AVISO_PRVO"), SqlDataColuna(v.DT_INICIO_AVISO_PRVO)},
                 {QStringLiteral("IC_REPOSICAO_VAGAS"), SqlTexto(v.IC_REPOSICAO_VAGAS.toUpper())},
                 {QStringLiteral("QT_HORAS_TRBS_SMNA"), QString::number(v.QT_HORAS_TRBS_SMNA)},
                 {QStringLiteral("IC_ESTADO_MOVIMENTO"), QString::number(v.IC_ESTADO_MOVIMENTO)},
                 {QStringLiteral("DT_MOVIMENTACAO_VINCULO"), SqlDataColuna(v.DT_MOVIMENTACAO_VINCULO)},
                 {QStringLiteral("NU_BANCO_CONTA"), SqlNumeroOuNulo(v.NU_BANCO_CONTA)},
                 {QStringLiteral("NU_AGENCIA_CONTA"), SqlTexto(v.NU_AGENCIA_CONTA)},
                 {QStringLiteral("NU_CONTA_BANCARIA"), SqlTexto(v.NU_CONTA_BANCARIA)},
                 {QStringLiteral("IC_VALIDACAO_VINCULO"), QStringLiteral("'N'")}},
                chave));
            v.IC_VALIDACAO_VINCULO = false;
            const TRescisao &r = v.Rescisao();
            Banco()->Executar(SqlUpdate(
                QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO"),
                {{QStringLiteral("DT_DISSIDIO"), SqlDataColuna(r.DT_DISSIDIO)},
                 {QStringLiteral("VR_DISSIDIO"), SqlValor(r.VR_DISSIDIO)},
                 {QStringLiteral("VR_REMUNERACAO_ANTERIOR_RSCSO"), SqlValor(r.VR_REMUNERACAO_ANTERIOR_RSCSO)},
                 {QStringLiteral("VR_REMUNERACAO_RESCISAO"), SqlValor(r.VR_REMUNERACAO_RESCISAO)},
                 {QStringLiteral("VR_AVISO_PREVIO"), SqlValor(r.VR_AVISO_PREVIO)},
                 {QStringLiteral("VR_SALDO_RESCISORIO"), SqlValor(r.VR_SALDO_RESCISORIO)},
                 {QStringLiteral("IC_ORIGEM_SALDO_RESCISORIO"), SqlTexto(r.IC_ORIGEM_SALDO_RESCISORIO)},
                 {QStringLiteral("IC_TIPO_PNSO_ALMNA"), SqlTexto(r.IC_TIPO_PNSO_ALMNA)},
                 {QStringLiteral("VR_PENSAO_ALMNA"), SqlValor(r.VR_PENSAO_ALMNA)}},
                chave));
        }
        transacao.Confirmar();
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

bool TTrabalhador::Excluir(bool todaEmpresa)
{
    CodigoMensagem.clear();
    try {
        const ChaveVinculo chave = ChaveDoVinculo(*this);
        const QString escopo = todaEmpresa ? QStringLiteral("NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2")
                                                 .arg(SqlInteiro(chave.TipoInscricao), SqlInteiro64(chave.Inscricao))
                                           : chave.Condicao();
        TransacaoLocal transacao(*Banco());
        for (const char *tabela : kDependentes)
            Banco()->Executar(QStringLiteral("DELETE FROM %1 WHERE ").arg(QLatin1String(tabela)) + escopo);
        if (todaEmpresa)
            Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG03_EMPREGADO WHERE ") + kSemVinculo);
        else
            Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG03_EMPREGADO WHERE NU_PIS = %1 AND ")
                                  .arg(SqlInteiro64(chave.Pis))
                              + kSemVinculo);
        transacao.Confirmar();
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

// ---------------------------------------------------------------------------
// Rescission balance from the bank's balance lines

bool TTrabalhador::AtualizarSaldoRescisorio(int tipoInscricao, int categoria, Date admissao, qint64 pis,
                                            qint64 inscricao)
{
    if (tipoInscricao <= 0 || categoria <= 0 || admissao.serial() <= 0 || !admissao.isRealDate() || pis <= 0
        || inscricao <= 0)
        return false;
    const ChaveVinculo chave{tipoInscricao, inscricao, pis, categoria, admissao};
    const auto soma = Banco()->Abrir(
        QStringLiteral("SELECT SUM(VR_SALDO_RESCISORIO) AS SALDO FROM SFGTBG10_CONTA_EMPREGADO_FGTS WHERE ")
        + chave.Condicao());
    soma->first();
    const bool positivo = soma->field(QStringLiteral("SALDO")).toMoney() > Money();
    QString sql = QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET IC_ORIGEM_SALDO_RESCISORIO = %1, "
                                 "VR_SALDO_RESCISORIO = (SELECT SUM(CONTA.VR_SALDO_RESCISORIO) "
                                 "FROM SFGTBG10_CONTA_EMPREGADO_FGTS CONTA WHERE %2 AND CONTA.NU_SITUACAO_PIS = 1)")
                      .arg(positivo ? QStringLiteral("'C'") : QStringLiteral("'N'"), chave.Condicao(QStringLiteral("CONTA")));
    if (!positivo)
        sql += QStringLiteral(", VR_JAM_SALDO_RESCISORIO = 0");
    Banco()->Executar(sql + QStringLiteral(" WHERE ") + chave.Condicao());
    return true;
}

bool TTrabalhador::AtualizarSaldosRescisorios(int tipoInscricao, qint64 inscricao)
{
    // Only the employer whose balances were confirmed, and only links still open to a
    // movement (states 0 and 1) whose balance comes from the bank: a closed link keeps
    // what was sent, an I3 link and an agreement value have no balance of their own,
    // and a balance the employer informed stays unless the bank sent lines for it.
    const QString soma = QStringLiteral("(SELECT SUM(CONTA.VR_SALDO_RESCISORIO) FROM SFGTBG10_CONTA_EMPREGADO_FGTS CONTA "
                                        "WHERE ")
                         + JuncaoVinculo(QStringLiteral("CONTA"), QStringLiteral("RESC")) + QLatin1Char(')');
    const QString existeConta = QStringLiteral("EXISTS (SELECT 1 FROM SFGTBG10_CONTA_EMPREGADO_FGTS CONTA WHERE ")
                                + JuncaoVinculo(QStringLiteral("CONTA"), QStringLiteral("RESC")) + QLatin1Char(')');
    Banco()->Executar(
        QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO RESC SET VR_SALDO_RESCISORIO = ") + soma
        + QStringLiteral(", IC_ORIGEM_SALDO_RESCISORIO = CASE WHEN ") + soma
        + QStringLiteral(" > 0 THEN 'C' ELSE 'N' END WHERE RESC.NU_TIPO_INSO_EMPRA = %1 AND RESC.NU_INSCRICAO = %2 "
                         "AND COALESCE(RESC.VR_DISSIDIO, 0) <= 0 "
                         "AND NOT (COALESCE(RESC.IC_ORIGEM_SALDO_RESCISORIO, 'N') = 'E' AND NOT ")
              .arg(tipoInscricao)
              .arg(inscricao)
        + existeConta
        + QStringLiteral(") AND EXISTS (SELECT 1 FROM SFGTBG04_VINCULO_EMPREGATICIO VINC WHERE ")
        + JuncaoVinculo(QStringLiteral("VINC"), QStringLiteral("RESC"))
        + QStringLiteral(" AND COALESCE(VINC.IC_ESTADO_MOVIMENTO, 0) IN (0, 1) AND COALESCE(VINC.CO_MOVIMENTACAO, '') <> 'I3')"));
    return true;
}

} // namespace tolv
