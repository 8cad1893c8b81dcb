// The payroll import: what a clean file stores, what each broken field logs (and
// that nothing is stored then), re-imports of registered links, cancel, progress.

#include "files/folha/arq_folha.h"
#include "files/folha/tarefa_importacao_folha.h"

#include "core/aplicacao.h"
#include "files/executor_tarefa.h"
#include "files/linha_fixa.h"
#include "support/indices_fixture.h"
#include "support/folha_exemplo.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// The shared example file (see support/folha_exemplo.h).
using namespace tolv::test::folha;
QStringList ArquivoBase() { return Linhas(); }
QString Par(const char *competencia, const char *valor) { return QLatin1String(competencia) + QLatin1String(valor); }

// The database every test starts from: schema, reference data, the indices of
// the 03/2018 edital and the business days of 2018 (built once, copied per test).
QString CaminhoModelo()
{
    static QTemporaryDir dir;
    static const QString caminho = [] {
        const QString c = dir.filePath(QStringLiteral("modelo.fdb"));
        auto db = OpenFullDatabase(c);
        GravarIndicesSinteticos(*db, Date::fromYmd(2018, 3, 1), 1);
        GravarCalendario(*db, 2018, 2018);
        db->Fechar();
        return c;
    }();
    return caminho;
}

std::unique_ptr<TIbxUtils> AbrirCopia(const QString &caminho)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile::remove(caminho);
    if (!QFile::copy(CaminhoModelo(), caminho))
        throw std::runtime_error("cannot copy the model database");
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner);
    auto db = std::make_unique<TIbxUtils>();
    db->CaminhoBanco = caminho;
    db->Usuario = kUsuarioBanco;
    db->Senha = kSenhaBanco;
    db->Conectar();
    return db;
}

struct Inconsistencia {
    int codigo = 0;
    QString registro;
    int linha = 0;
    QString conteudo;
    bool operator==(const Inconsistencia &) const = default;
};

void PrintTo(const Inconsistencia &i, std::ostream *os)
{
    *os << "{" << i.codigo << ", \"" << i.registro.toStdString() << "\", " << i.linha << ", \""
        << i.conteudo.toStdString() << "\"}";
}

// A stand-in for the runner: records steps and progress, cancels on request.
class ContextoTeste : public ContextoTarefa {
public:
    bool Cancelado() const override { return cancelar; }
    bool EntrarFaseFinal() override { return permitirFinal && !cancelar; }
    void DefinirMaximo(int m) override { maximo = m; }
    void AumentarMaximo() override { ++maximo; }
    void Avancar() override
    {
        ++posicao;
        if (etapa == 3 && cancelarNaCargaApos > 0 && ++passosCarga >= cancelarNaCargaApos)
            cancelar = true;
    }
    void IniciarEtapa(int e) override
    {
        etapa = e;
        iniciadas.push_back(e);
    }
    void ConcluirEtapa(int e) override { concluidas.push_back(e); }
    void ExecutarNaInterface(const std::function<void()> &f) override { f(); }

    bool cancelar = false;
    bool permitirFinal = true;
    int cancelarNaCargaApos = 0;
    int passosCarga = 0;
    int etapa = 0;
    int maximo = 0;
    int posicao = 0;
    std::vector<int> iniciadas, concluidas;
};

class FolhaTest : public ::testing::Test {
protected:
    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db = AbrirCopia(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    QStringList linhas = ArquivoBase();

    // Replaces the text at a 1-based line and position.
    void trocar(int linha, int posicao, const QString &texto) { linhas[linha - 1].replace(posicao - 1, texto.size(), texto); }

    QString gravar(const QByteArray &extra = {})
    {
        const QString caminho = home.path(QStringLiteral("TOLV.RE"));
        QFile f(caminho);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(MontarConteudo(linhas) + extra);
        return caminho;
    }

    bool importar(ContextoTarefa *contexto = nullptr, ArvoreImportacao *arvore = nullptr, TArqFolha *folha = nullptr)
    {
        TArqFolha propria(db.get());
        TArqFolha &f = folha ? *folha : propria;
        f.NomeArquivo = gravar();
        f.DefinirContexto(contexto);
        f.DefinirArvore(arvore);
        return f.Importar();
    }

    int contar(const QString &tabelaECondicao)
    {
        const auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) FROM ") + tabelaECondicao);
        rs->first();
        return rs->field(0).toInt();
    }

    QString valor(const QString &sql)
    {
        const auto rs = db->Abrir(sql);
        if (rs->rowCount() == 0)
            return QStringLiteral("<none>");
        rs->first();
        return rs->field(0).isNull() ? QStringLiteral("<null>") : rs->field(0).toString().trimmed();
    }

    std::vector<Inconsistencia> inconsistencias()
    {
        std::vector<Inconsistencia> v;
        const auto rs = db->Abrir(QStringLiteral(
            "SELECT NU_MENSAGEM, CO_REGISTRO, NU_LINHA_ERRO, DE_CONTEUDO_CAMPO FROM SFGTBG18_INCONSISTENCIA_ARQUIVO "
            "WHERE NU_ARQUIVO = 1 ORDER BY NU_INCONSISTENCIA"));
        for (rs->first(); !rs->eof(); rs->next()) {
            QString conteudo = rs->field(3).toString();
            while (conteudo.endsWith(QLatin1Char(' ')))
                conteudo.chop(1);
            v.push_back({rs->field(0).toInt(), rs->field(1).toString(), rs->field(2).toInt(), conteudo});
        }
        return v;
    }

    int linhasGravadas()
    {
        int n = 0;
        for (const char *t : {"SFGTBG01_ABERTURA_RECOLHIMENTO", "SFGTBG02_EMPRESA", "SFGTBG03_EMPREGADO",
                              "SFGTBG04_VINCULO_EMPREGATICIO", "SFGTBG06_INFORMACAO_RESCISAO", "SFGTBG07_COMPLEMENTO_SALDO"})
            n += contar(QLatin1String(t));
        return n;
    }
};

// ---------------------------------------------------------------------------
// Clean files

TEST_F(FolhaTest, CleanFileLoadsEveryTable)
{
    // Blank lines and lines without the end mark after the trailer are not part of the file.
    TArqFolha folha(db.get());
    folha.NomeArquivo = gravar("\r\n   \r\nlixo sem marca\r\n");
    ASSERT_TRUE(folha.Importar()) << folha.CodigoMensagem.toStdString();
    EXPECT_TRUE(folha.CodigoMensagem.isEmpty());
    EXPECT_TRUE(inconsistencias().empty());

    EXPECT_EQ(valor("SELECT CAST(DT_PAGAMENTO AS VARCHAR(10)) FROM SFGTBG01_ABERTURA_RECOLHIMENTO"), QStringLiteral("2018-03-12"));
    EXPECT_EQ(valor("SELECT NU_INSCRICAO FROM SFGTBG01_ABERTURA_RECOLHIMENTO"), QStringLiteral("33444555000181"));
    EXPECT_EQ(valor("SELECT CAST(LIST(NU_TIPO_INSO_EMPRA || ':' || NU_INSCRICAO || ':' || IC_ESTADO_EMPRESA, ' ') AS VARCHAR(2000)) FROM "
                    "(SELECT * FROM SFGTBG02_EMPRESA ORDER BY NU_TIPO_INSO_EMPRA, NU_INSCRICAO)"),
              QStringLiteral("1:11222333000181:E 1:33444555000181:R 2:112223330008:E"));
    EXPECT_EQ(valor("SELECT NO_CONTATO || '|' || NU_DDD || '|' || NU_TELEFONE || '|' || NU_CEP || '|' || "
                    "CO_ENDERECO_VIRTUAL_CONTATO FROM SFGTBG02_EMPRESA WHERE IC_ESTADO_EMPRESA = 'R'"),
              QStringLiteral("PEDRO ALVES|11|32145678|1310100|contato@contabil.com.br"));
    EXPECT_EQ(valor("SELECT NO_RAZAO_SOCIAL || '|' || NU_IBGE || '|' || NU_INSS || '|' || NU_SIMPLES || '|' || SG_UF "
                    "FROM SFGTBG02_EMPRESA WHERE NU_INSCRICAO = 11222333000181"),
              QStringLiteral("ACME COMERCIO LTDA|6920601|515|1|DF"));

    EXPECT_EQ(contar(QStringLiteral("SFGTBG03_EMPREGADO")), 3);
    EXPECT_EQ(valor("SELECT NO_EMPREGADO || '|' || NU_CTPS || '|' || NU_SERIE_CTPS || '|' || IC_SEXO || '|' || "
                    "NU_GRAU_INSTRUCAO || '|' || DT_NASCIMENTO || '|' || NU_INSCRICAO_CPF FROM SFGTBG03_EMPREGADO "
                    "WHERE NU_PIS = 12034567899"),
              QStringLiteral("JOAO DA SILVA|1234567|00012|1|7|1985-06-15|52998224725"));
    // A zero-filled CPF is no CPF.
    EXPECT_EQ(valor("SELECT NU_INSCRICAO_CPF FROM SFGTBG03_EMPREGADO WHERE NU_PIS = 17012345673"), QStringLiteral("<null>"));

    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE IC_ESTADO_MOVIMENTO = 0")), 3);
    EXPECT_EQ(valor("SELECT CO_MOVIMENTACAO || '|' || CO_CBO || '|' || CO_SAQUE || '|' || DT_OPCAO || '|' || "
                    "IC_AVISO_PREVIO || '|' || DT_INICIO_AVISO_PRVO || '|' || IC_REPOSICAO_VAGAS || '|' || "
                    "QT_HORAS_TRBS_SMNA || '|' || DT_MOVIMENTACAO_VINCULO || '|' || NU_BANCO_CONTA || '|' || "
                    "NU_AGENCIA_CONTA || '|' || NU_CONTA_BANCARIA FROM SFGTBG04_VINCULO_EMPREGATICIO "
                    "WHERE NU_PIS = 12034567899"),
              QStringLiteral("I1|004110|01|2010-01-04|1|2018-01-05|N|44|2018-02-05|104|1234|0000012345678"));
    EXPECT_EQ(valor("SELECT COALESCE(NU_BANCO_CONTA, 0) || '|' || DT_INICIO_AVISO_PRVO FROM "
                    "SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = 17012345673"),
              QStringLiteral("<null>"));  // no bank, no notice start: the whole text is NULL
    EXPECT_EQ(valor("SELECT NU_TIPO_INSO_TMDR || '|' || NU_INSCRICAO_TMDR || '|' || NU_INSCRICAO FROM "
                    "SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = 20012345673"),
              QStringLiteral("1|33444555000181|112223330008"));

    EXPECT_EQ(valor("SELECT VR_REMUNERACAO_ANTERIOR_RSCSO || '|' || VR_REMUNERACAO_RESCISAO || '|' || "
                    "IC_TIPO_PNSO_ALMNA || '|' || IC_ORIGEM_SALDO_RESCISORIO || '|' || VR_SALDO_RESCISORIO FROM "
                    "SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = 12034567899"),
              QStringLiteral("3000.00|500.00|N|E|10000.00"));
    EXPECT_EQ(valor("SELECT VR_AVISO_PREVIO || '|' || IC_TIPO_PNSO_ALMNA || '|' || VR_PENSAO_ALMNA || '|' || "
                    "IC_ORIGEM_SALDO_RESCISORIO FROM SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = 17012345673"),
              QStringLiteral("3000.00|P|25.50|N"));
    EXPECT_EQ(valor("SELECT IC_TIPO_PNSO_ALMNA || '|' || VR_PENSAO_ALMNA FROM SFGTBG06_INFORMACAO_RESCISAO "
                    "WHERE NU_PIS = 20012345673"),
              QStringLiteral("V|500.00"));

    EXPECT_EQ(valor("SELECT CAST(LIST(NU_COMPLEMENTO || ':' || AA_COMPETENCIA || MM_COMPETENCIA || ':' || VR_REMUNERACAO, ' ') AS VARCHAR(2000)) "
                    "FROM (SELECT * FROM SFGTBG07_COMPLEMENTO_SALDO ORDER BY AA_COMPETENCIA, MM_COMPETENCIA)"),
              QStringLiteral("1:201711:2000.00 1:201712:2100.00"));
    // Deposits (8 % and interest) are computed and totalled on the link.
    EXPECT_EQ(contar(QStringLiteral("SFGTBG07_COMPLEMENTO_SALDO WHERE VR_DEPOSITO > VR_REMUNERACAO * 0.08")), 2);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO R WHERE R.NU_PIS = 12034567899 AND "
                                    "R.VR_DEPOSITO_CMPLO_SALDO = (SELECT SUM(VR_DEPOSITO) FROM SFGTBG07_COMPLEMENTO_SALDO)")),
              1);

    const ResumoImportacaoFolha &r = folha.Resumo();
    EXPECT_EQ(r.Empregadores, 2);
    EXPECT_EQ(r.EmpregadoresNovos, 2);
    EXPECT_EQ(r.Trabalhadores, 3);
    EXPECT_EQ(r.Vinculos, 3);
    EXPECT_EQ(r.LinhasComplemento, 2);
    EXPECT_EQ(r.DataRecolhimento, Date::fromYmd(2018, 3, 12));
}

TEST_F(FolhaTest, ComplementRecordsOfEveryKindAreLoaded)
{
    // Fourteen pairs in a 43 (each pair is 21 digits: read together they would
    // not fit an integer), the same competences again in a 44, one in a 45.
    QString pares;
    for (int m = 1; m <= 12; ++m)
        pares += QStringLiteral("2016%1").arg(m, 2, 10, QLatin1Char('0')) + QStringLiteral("000000000100000");
    pares += QStringLiteral("201701000000000100000201702000000000100000");
    trocar(4, 54, pares);
    QString quatro = linhas[3];
    quatro.replace(0, 2, QStringLiteral("44"));
    QString cinco = linhas[3];
    cinco.replace(0, 2, QStringLiteral("45"));
    cinco.replace(53, 21 * 14, QStringLiteral("201703000000000999999") + QString(21 * 13, QLatin1Char('0')));
    linhas.insert(4, quatro);
    linhas.insert(5, cinco);

    TArqFolha folha(db.get());
    ASSERT_TRUE(importar(nullptr, nullptr, &folha)) << ::testing::PrintToString(inconsistencias());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG07_COMPLEMENTO_SALDO WHERE NU_COMPLEMENTO = 1")), 14);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG07_COMPLEMENTO_SALDO WHERE NU_COMPLEMENTO = 2")), 14);
    EXPECT_EQ(valor("SELECT AA_COMPETENCIA || MM_COMPETENCIA || ':' || VR_REMUNERACAO FROM SFGTBG07_COMPLEMENTO_SALDO "
                    "WHERE NU_COMPLEMENTO = 3"),
              QStringLiteral("20173:9999.99"));
    EXPECT_EQ(folha.Resumo().LinhasComplemento, 29);
}

// ---------------------------------------------------------------------------
// Broken files: each logs exactly its inconsistency and stores nothing.

struct Edicao {
    int linha;
    int posicao;
    QString texto;
};

struct CasoCorrompido {
    const char *nome;
    std::vector<Edicao> edicoes;
    Inconsistencia esperada;
};

void PrintTo(const CasoCorrompido &c, std::ostream *os) { *os << c.nome; }

const CasoCorrompido kCasos[] = {
    // structure
    {"TipoComLetra", {{5, 1, "4A"}}, {113, "", 5, "4A"}},
    {"TipoDesconhecido", {{7, 1, "41"}}, {113, "", 7, "41"}},
    {"TipoComSinal", {{5, 1, "+4"}}, {113, "", 5, "+4"}},
    {"ComplementoLogoAposEmpregador", {{7, 1, "43"}}, {135, "", 7, ""}},
    {"SegundoCabecalho", {{5, 1, "00"}}, {135, "", 5, ""}},
    {"TerceiraLinhaNaoTrabalhador", {{3, 1, "10"}}, {385, "", 0, ""}},
    // keys
    {"PisComDigitoErrado", {{7, 33, "20012345674"}}, {109, "40", 7, "20012345674"}},
    {"PisComLetra", {{7, 33, "2001234567X"}}, {11, "40", 7, "PIS/PASEP: 2001234567X"}},
    {"AdmissaoInexistente", {{7, 44, "31022016"}}, {212, "40", 7, "Data de Admissão: 31022016"}},
    {"AdmissaoAntesDe1900", {{7, 44, "01011899"}}, {43, "40", 7, "01011899"}},
    {"CategoriaComLetra", {{7, 52, "0A"}}, {11, "40", 7, "Categoria: 0A"}},
    // order
    {"EmpregadorRepetido", {{6, 3, "111222333000181"}, {7, 3, "111222333000181"}}, {386, "10", 6, ""}},
    {"EmpregadorForaDeOrdem", {{6, 3, "111000000000108"}, {7, 3, "111000000000108"}}, {232, "10", 6, ""}},
    {"TrabalhadorForaDeOrdem",
     {{3, 33, "17012345673"}, {4, 33, "17012345673"}, {5, 33, "12034567899"}},
     {232, "40", 5, ""}},
    {"TrabalhadorRepetido", {{5, 33, "12034567899"}, {5, 44, "04012010"}}, {359, "40", 5, ""}},
    {"TrabalhadorDeOutroEmpregador", {{7, 3, "111222333000181"}}, {349, "40", 7, ""}},
    {"ComplementoDeOutroPis", {{4, 33, "17012345673"}}, {349, "43", 4, ""}},
    // header
    {"TipoDeRemessa", {{1, 54, "1"}}, {131, "00", 1, "1"}},
    {"RecolhimentoForaDaJanela", {{1, 292, "10042018"}}, {201, "00", 1, "10042018"}},
    {"RecolhimentoNoSabado", {{1, 292, "17032018"}}, {397, "00", 1, "17032018"}},
    {"RecolhimentoAusente", {{1, 292, "00000000"}}, {62, "00", 1, "Data Recolhimento: 00000000"}},
    {"RecolhimentoInvalido", {{1, 292, "32032018"}}, {63, "00", 1, "Data Recolhimento: 32032018"}},
    {"CabecalhoBrancosPreenchidos", {{1, 10, "X"}}, {9, "00", 1, "       X"}},
    {"CabecalhoSemAsterisco", {{1, 360, "X"}}, {211, "00", 1, "X"}},
    {"EmailComDuasArrobas", {{1, 232, "a@b@c.com" + QString(20, QLatin1Char(' '))}}, {65, "00", 1, "a@b@c.com"}},
    // employer
    {"EmpregadorZerosPreenchidos", {{2, 30, "1"}}, {13, "10", 2, Zeros(12) + "1" + Zeros(23)}},
    {"CnaeDesconhecido", {{2, 206, "9999999"}}, {140, "10", 2, "9999999"}},
    {"FpasDesconhecido", {{2, 214, "999"}}, {244, "10", 2, "999"}},
    {"UfDesconhecida", {{2, 192, "XX"}}, {133, "10", 2, "XX"}},
    {"CepZerado", {{2, 164, "00000000"}}, {101, "10", 2, "00000000"}},
    {"NomeDoEmpregadorComApostrofo", {{6, 54, QStringLiteral("D'AVILA").leftJustified(40)}}, {177, "10", 6, "D'AVILA"}},
    // worker
    {"CpfComDigitoErrado", {{3, 275, "52998224726"}}, {38, "40", 3, "52998224726"}},
    {"CboDesconhecido", {{7, 149, "999999"}}, {337, "40", 7, "999999"}},
    {"SexoInvalido", {{7, 136, "3"}}, {122, "40", 7, "3"}},
    {"HorasComLetra", {{7, 147, "4A"}}, {11, "40", 7, "Horas Trabalhadas: 4A"}},
    {"BancoSemAgencia", {{7, 286, "104"}}, {22, "40", 7, "0000"}},
    {"PensaoPercentualComValor", {{5, 260, "000000000010000"}}, {334, "40", 5, "000000000010000"}},
    {"SemPensaoComPercentual", {{7, 254, "N"}, {7, 255, "01000"}, {7, 260, "000000000000000"}},
     {335, "40", 7, "01000"}},
    {"NomeDoTrabalhadorComApostrofo", {{7, 54, "ANA D'AVILA"}}, {93, "40", 7, "ANA D'AVILA"}},
    {"TrabalhadorBrancosPreenchidos", {{7, 359, "Z"}}, {9, "40", 7, QString(38, QLatin1Char(' ')) + "Z"}},
    // complement
    {"ComplementoComTomador", {{4, 18, "1"}}, {13, "43", 4, "1"}},
    {"ComplementoVazio", {{4, 54, Zeros(21 * 14)}}, {360, "43", 4, "30/12/1899"}},
    {"CompetenciaAposParVazio",
     {{4, 54, "201711000000000200000" + Zeros(21) + "201712000000000210000"}},
     {361, "43", 4, "201712000000000210000"}},
    {"CompetenciaRepetida", {{4, 75, "201711"}}, {292, "43", 4, "201711"}},
    {"CompetenciaMes13", {{4, 75, "201713"}}, {34, "43", 4, "132017"}},
    {"CompetenciaAntesDaOpcao", {{4, 54, "200912"}}, {395, "43", 4, "122009"}},
    // trailer
    {"TrailerSemNoves", {{8, 20, "8"}}, {10, "90", 8, QString(17, QLatin1Char('9')) + "8" + QString(33, QLatin1Char('9'))}},
    {"TrailerBrancosPreenchidos", {{8, 100, "X"}}, {9, "90", 8, QString(46, QLatin1Char(' ')) + "X"}},
};

class FolhaCorrompidaTest : public FolhaTest, public ::testing::WithParamInterface<CasoCorrompido> {};

TEST_P(FolhaCorrompidaTest, LogsItsInconsistencyAndStoresNothing)
{
    for (const Edicao &e : GetParam().edicoes)
        trocar(e.linha, e.posicao, e.texto);
    TArqFolha folha(db.get());
    EXPECT_FALSE(importar(nullptr, nullptr, &folha));
    const auto rows = inconsistencias();
    ASSERT_EQ(rows.size(), 1u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows.front(), GetParam().esperada);
    EXPECT_EQ(folha.CodigoMensagem, FormatarCodigoMensagem(GetParam().esperada.codigo));
    EXPECT_EQ(linhasGravadas(), 0);
}

INSTANTIATE_TEST_SUITE_P(Campos, FolhaCorrompidaTest, ::testing::ValuesIn(kCasos),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST_F(FolhaTest, StructureFailuresOfTheWholeFile)
{
    // Three lines.
    linhas = linhas.mid(0, 2) + linhas.mid(7);
    EXPECT_FALSE(importar());
    EXPECT_EQ(inconsistencias(), (std::vector<Inconsistencia>{{385, "", 0, ""}}));
    // No line with its end mark: no line at all.
    for (QString &l : linhas)
        l.chop(1);
    EXPECT_FALSE(importar());
    EXPECT_EQ(inconsistencias(), (std::vector<Inconsistencia>{{385, "", 0, ""}}));
    // A file that cannot be opened.
    TArqFolha folha(db.get());
    folha.NomeArquivo = home.path(QStringLiteral("nao/existe/TOLV.RE"));
    EXPECT_FALSE(folha.Importar());
    EXPECT_EQ(inconsistencias(), (std::vector<Inconsistencia>{{151, "", 0, folha.NomeArquivo.left(70)}}));
    EXPECT_EQ(linhasGravadas(), 0);
}

TEST_F(FolhaTest, FieldChecksGoOnAfterAFailureButAnOrderErrorStopsThem)
{
    trocar(3, 136, "3");                // sex of line 3
    trocar(5, 33, "12034567899");       // line 5: line 3's worker admitted earlier, an order error
    trocar(5, 44, "01012009");
    trocar(7, 136, "3");                // never examined
    EXPECT_FALSE(importar());
    EXPECT_EQ(inconsistencias(), (std::vector<Inconsistencia>{{122, "40", 3, "3"}, {232, "40", 5, ""}}));
}

TEST_F(FolhaTest, InconsistenciesNameTheirPartiesAndASecondRunReplacesThem)
{
    trocar(7, 136, "3");
    EXPECT_FALSE(importar());
    EXPECT_EQ(valor("SELECT NU_INSCRICAO_RSPNL_INCNA || '|' || NO_RAZAO_SOCIAL_RSPNL_INCNA || '|' || "
                    "NU_TIPO_INSCRICAO_EMPRESA || '|' || NU_INSCRICAO_EMPRESA || '|' || NO_RAZAO_SOCIAL || '|' || "
                    "CO_PIS_INCONSISTENCIA || '|' || DT_ADMISSAO_INCONSISTENCIA || '|' || CO_CATEGORIA_INCONSISTENCIA "
                    "|| '|' || NO_EMPREGADO FROM SFGTBG18_INCONSISTENCIA_ARQUIVO"),
              QStringLiteral("33444555000181|CONTABIL EXEMPLO LTDA|2|00112223330008|RESIDENCIA SOUZA|20012345673|"
                             "2016-04-01|01|ANA LIMA"));
    trocar(7, 136, "2");
    EXPECT_TRUE(importar());
    EXPECT_TRUE(inconsistencias().empty());
}

// ---------------------------------------------------------------------------
// Re-import of registered employers and links

TEST_F(FolhaTest, ReimportUpdatesLinksAndReopensClosedOnes)
{
    ASSERT_TRUE(importar());
    // The first link was closed and sent, the second one's guide came back.
    db->Executar("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 2 WHERE NU_PIS = 12034567899");
    db->Executar("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 3 WHERE NU_PIS = 17012345673");
    db->Executar("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 1 WHERE NU_PIS = 20012345673");
    for (const char *pis : {"12034567899", "17012345673", "20012345673"}) {
        const QString chave = QStringLiteral(
            "SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO FROM "
            "SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = %1").arg(QLatin1String(pis));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                    "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_EMPREGADO_ORBEL, "
                                    "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_PIS, VR_SALDO_RESCISORIO) "
                                    "SELECT V.*, 77, 0, 1, 1234.56 FROM (%1) V").arg(chave));
        db->Executar(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                    "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, "
                                    "NU_EMPREGADO_ORBEL_ALT_CDSTL) SELECT V.*, 406, 'N', 77 FROM (%1) V").arg(chave));
    }
    db->Executar("INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
                 "DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, MM_COMPETENCIA, VR_REMUNERACAO, VR_DEPOSITO) "
                 "VALUES (1, 11222333000181, 12034567899, 1, '2010-01-04', 2, 2017, 6, 100, 8)");

    trocar(3, 54, "JOAO DA SILVA SAURO");   // new name
    trocar(3, 209, "000000000310000");      // new remuneration
    trocar(3, 306, Zeros(15));              // no informed balance any more: origin N
    TArqFolha folha(db.get());
    ASSERT_TRUE(importar(nullptr, nullptr, &folha)) << ::testing::PrintToString(inconsistencias());

    EXPECT_EQ(folha.Resumo().EmpregadoresNovos, 0);
    EXPECT_EQ(folha.Resumo().VinculosNovos, 0);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG02_EMPRESA")), 3);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), 3);
    EXPECT_EQ(valor("SELECT CAST(LIST(NU_PIS || ':' || IC_ESTADO_MOVIMENTO, ' ') AS VARCHAR(2000)) FROM (SELECT * FROM "
                    "SFGTBG04_VINCULO_EMPREGATICIO ORDER BY NU_PIS)"),
              QStringLiteral("12034567899:0 17012345673:3 20012345673:1"));
    EXPECT_EQ(valor("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO WHERE NU_PIS = 12034567899"),
              QStringLiteral("JOAO DA SILVA SAURO"));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL")), 0);
    // The file's complement lines replace the stored ones.
    EXPECT_EQ(valor("SELECT CAST(LIST(NU_COMPLEMENTO || ':' || AA_COMPETENCIA || MM_COMPETENCIA, ' ') AS VARCHAR(2000)) FROM "
                    "(SELECT * FROM SFGTBG07_COMPLEMENTO_SALDO ORDER BY AA_COMPETENCIA, MM_COMPETENCIA)"),
              QStringLiteral("1:201711 1:201712"));
    // Balances of links closed (2) or processed (3) before the import stay; the
    // marked link's (1) go.
    EXPECT_EQ(valor("SELECT CAST(LIST(NU_PIS, ' ') AS VARCHAR(2000)) FROM (SELECT NU_PIS FROM SFGTBG10_CONTA_EMPREGADO_FGTS ORDER BY NU_PIS)"),
              QStringLiteral("12034567899 17012345673"));
    // Without an informed balance the rescission balance comes from the bank's lines.
    EXPECT_EQ(valor("SELECT IC_ORIGEM_SALDO_RESCISORIO || '|' || VR_SALDO_RESCISORIO || '|' || "
                    "VR_REMUNERACAO_ANTERIOR_RSCSO FROM SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = 12034567899"),
              QStringLiteral("C|1234.56|3100.00"));
}

TEST_F(FolhaTest, EmployersAreFoundByTypeAndInscription)
{
    // A CNPJ and a CEI may share the number: each is its own employer.
    db->Executar("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, IC_ESTADO_EMPRESA) "
                 "VALUES (2, 11222333000181, 'E')");
    ArvoreImportacaoBanco arvore(db.get());
    arvore.Carregar();
    EXPECT_TRUE(arvore.LocalizarEmpresa(2, 11222333000181));
    EXPECT_FALSE(arvore.LocalizarEmpresa(1, 11222333000181));
    ASSERT_TRUE(importar());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG02_EMPRESA WHERE NU_INSCRICAO = 11222333000181")), 2);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_TIPO_INSO_EMPRA = 1 AND "
                                    "NU_INSCRICAO = 11222333000181")),
              2);
}

// ---------------------------------------------------------------------------
// Progress and cancel

TEST_F(FolhaTest, ProgressCountsFiveStepsALineAndEndsFull)
{
    ContextoTeste c;
    ASSERT_TRUE(importar(&c));
    EXPECT_EQ(c.iniciadas, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(c.concluidas, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(c.posicao, c.maximo);
    EXPECT_GE(c.maximo, 5 * 8);
}

TEST_F(FolhaTest, CancelDuringTheLoadLeavesNothing)
{
    for (int apos : {1, 4, 7}) {
        ContextoTeste c;
        c.cancelarNaCargaApos = apos;
        EXPECT_FALSE(importar(&c)) << apos;
        EXPECT_FALSE(db->EmTransacao());
        EXPECT_EQ(linhasGravadas(), 0) << apos;
        EXPECT_TRUE(inconsistencias().empty());
    }
    // Refused at the commit itself.
    ContextoTeste c;
    c.permitirFinal = false;
    EXPECT_FALSE(importar(&c));
    EXPECT_EQ(linhasGravadas(), 0);
}

TEST_F(FolhaTest, AComplementThatCannotBeStoredRollsEverythingBack)
{
    // The second competence of the complement record cannot be stored.
    db->Executar("CREATE EXCEPTION E_TESTE 'teste'");
    db->Executar("CREATE TRIGGER T_TESTE FOR SFGTBG07_COMPLEMENTO_SALDO BEFORE INSERT AS BEGIN "
                 "IF (NEW.MM_COMPETENCIA = 12) THEN EXCEPTION E_TESTE; END");
    EXPECT_FALSE(importar());
    EXPECT_EQ(inconsistencias(), (std::vector<Inconsistencia>{{250, "00", 4, ""}}));
    EXPECT_EQ(linhasGravadas(), 0);
}

// The job through the runner, as the windows and the command line run it.
TEST_F(FolhaTest, TheJobRunsThroughTheRunner)
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char nome[] = "folha_test";
        static char *argv[] = {nome, nullptr};
        new QCoreApplication(argc, argv);
    }
    ExecutorTarefa executor(db.get());
    std::vector<int> etapas;
    QObject::connect(&executor, &ExecutorTarefa::etapaConcluida, [&](int e) { etapas.push_back(e); });
    ResumoImportacaoFolha resumo;
    TabelaTratadores t;
    t.Registrar(TipoTarefa::ImportacaoFolha, [&](const EstadoTarefa &, Tarefa *tarefa) {
        resumo = static_cast<TarefaImportacaoFolha *>(tarefa)->Folha().Resumo();
    });
    executor.DefinirTratadores(std::move(t));
    ASSERT_TRUE(executor.Iniciar(std::make_unique<TarefaImportacaoFolha>(gravar(), nullptr, db.get())));
    executor.AguardarFim();
    EXPECT_TRUE(executor.Estado().sucesso);
    EXPECT_EQ(etapas, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(executor.Posicao(), executor.Maximo());
    EXPECT_EQ(resumo.Vinculos, 3);
    EXPECT_EQ(EtapasImportacaoFolha().size(), 4);
}

// ---------------------------------------------------------------------------

TEST(FolhaCatalogoTest, EveryCodeTheImportLogsIsInTheCatalog)
{
    TempProgramDir home;
    auto db = OpenFullDatabase(home.path(QStringLiteral("c.fdb")));
    QSet<QString> codigos;
    static const QRegularExpression literal(QStringLiteral("\"(\\d{4})\""));
    QDirIterator it(QStringLiteral(TOLV_SOURCE_DIR "/src/files/folha"), {QStringLiteral("*.cpp")});
    while (it.hasNext()) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        auto m = literal.globalMatch(QString::fromUtf8(f.readAll()));
        while (m.hasNext())
            codigos.insert(m.next().captured(1));
    }
    EXPECT_GT(codigos.size(), 25);
    for (const QString &c : codigos) {
        const auto rs = db->Abrir(QStringLiteral("SELECT 1 FROM SFGTBT13_MENSAGEM_SISTEMA WHERE NU_MENSAGEM = ") + c);
        EXPECT_EQ(rs->rowCount(), 1) << c.toStdString();
    }
}

} // namespace
