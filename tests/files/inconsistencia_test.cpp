#include "files/arquivo.h"
#include "files/inconsistencia.h"
#include "files/reg_registro.h"
#include "files/tipo_arquivo.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

// Forwards to a real connection, counting statements; can be told to fail them.
class BancoIntermediario : public TDBUtils {
public:
    explicit BancoIntermediario(TDBUtils &real) : m_real(real) {}
    int executados = 0;
    bool falharExecutar = false;

    bool EmTransacao() const override { return m_real.EmTransacao(); }
    void ConfigurarConexao() override {}
    void Conectar() override {}
    void Commit() override { m_real.Commit(); }
    void Rollback() override { m_real.Rollback(); }
    void IniciarTransacao() override { m_real.IniciarTransacao(); }
    std::unique_ptr<ResultSet> Abrir(const QString &sql) override { return m_real.Abrir(sql); }
    void Executar(const QString &sql) override
    {
        ++executados;
        if (falharExecutar)
            throw DatabaseError(QStringLiteral("falha simulada"));
        m_real.Executar(sql);
    }

private:
    TDBUtils &m_real;
};

class InconsistenciaTest : public ::testing::Test {
protected:
    void SetUp() override { db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))); }

    int Contar(const QString &where = QString())
    {
        auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) AS N FROM SFGTBG18_INCONSISTENCIA_ARQUIVO ") + where);
        rs->first();
        return rs->field(QStringLiteral("N")).toInt();
    }

    // The one row of the table (the test inserts exactly one).
    std::unique_ptr<ResultSet> UnicaLinha()
    {
        auto rs = db->Abrir(QStringLiteral("SELECT * FROM SFGTBG18_INCONSISTENCIA_ARQUIVO"));
        EXPECT_EQ(rs->rowCount(), 1);
        rs->first();
        return rs;
    }

    void Registrar(TArquivo &arq, int codigo, const QString &conteudo, int linha,
                   const QString &inscricaoEmpresa = QStringLiteral("12345678000190"),
                   const QString &nome = QStringLiteral("TRABALHADOR"))
    {
        arq.RegistrarInconsistencia(conteudo, QStringLiteral("40"), nome, QStringLiteral("15032004"),
                                    QStringLiteral("01"), QStringLiteral("12345678901"), QStringLiteral("EMPRESA"),
                                    inscricaoEmpresa, QStringLiteral("1"), QStringLiteral("RESPONSAVEL"),
                                    QStringLiteral("98765432000110"), QStringLiteral("1"), codigo, linha);
    }

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

} // namespace

TEST_F(InconsistenciaTest, RegistersOneRowWithTheColumnRules)
{
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    arq.RegistrarInconsistencia(U("Nome: D'ÁVILA"), QStringLiteral("40"), U("JOÃO D'ÁVILA"), QStringLiteral("15032004"),
                                QStringLiteral("01"), QStringLiteral("01234567890"), QStringLiteral("O'NEIL LTDA"),
                                QStringLiteral("00012345000100"), QStringLiteral("1"), QStringLiteral("CONTAB"),
                                QStringLiteral("98765432000110"), QStringLiteral("1"), 151, 7);
    EXPECT_EQ(arq.CodigoMensagem, QStringLiteral("0151"));

    auto rs = UnicaLinha();
    auto texto = [&](const char *c) { return rs->field(QString::fromLatin1(c)).toString(); };
    EXPECT_EQ(rs->field(QStringLiteral("NU_MENSAGEM")).toInt(), 151);
    EXPECT_EQ(rs->field(QStringLiteral("NU_ARQUIVO")).toInt(), ArquivoFolha);
    EXPECT_EQ(texto("CO_REGISTRO"), QStringLiteral("40"));
    EXPECT_EQ(rs->field(QStringLiteral("NU_LINHA_ERRO")).toInt(), 7);
    EXPECT_EQ(texto("DE_CONTEUDO_CAMPO"), U("Nome: D'ÁVILA").leftJustified(70, QLatin1Char(' ')));
    EXPECT_EQ(texto("NO_EMPREGADO"), U("JOÃO D'ÁVILA"));
    EXPECT_EQ(texto("NO_RAZAO_SOCIAL"), QStringLiteral("O'NEIL LTDA"));
    // Inscriptions and PIS are kept as the line held them, leading zeros included.
    EXPECT_EQ(texto("NU_INSCRICAO_EMPRESA"), QStringLiteral("00012345000100"));
    EXPECT_EQ(texto("CO_PIS_INCONSISTENCIA"), QStringLiteral("01234567890"));
    EXPECT_EQ(texto("CO_CATEGORIA_INCONSISTENCIA"), QStringLiteral("01"));
    EXPECT_EQ(texto("NU_INSCRICAO_RSPNL_INCNA"), QStringLiteral("98765432000110"));
    EXPECT_EQ(rs->field(QStringLiteral("DT_ADMISSAO_INCONSISTENCIA")).toDate(), Date::fromYmd(2004, 3, 15));
}

TEST_F(InconsistenciaTest, ContentIsAlwaysSeventyCharacters)
{
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    const QString longo = QString(69, QLatin1Char('A')) + QStringLiteral("BCD");
    for (const QString &conteudo : {longo, QStringLiteral("X"), QString()}) {
        Registrar(arq, 151, conteudo, 1);
        auto rs = UnicaLinha();
        EXPECT_EQ(rs->field(QStringLiteral("DE_CONTEUDO_CAMPO")).toString(),
                  conteudo.leftJustified(70, QLatin1Char(' '), true));
        db->Executar(QStringLiteral("DELETE FROM SFGTBG18_INCONSISTENCIA_ARQUIVO"));
    }
}

TEST_F(InconsistenciaTest, NullColumns)
{
    const struct {
        QString admissao;
        Date esperada;  // DataNula: NULL
        int linha;
        QString inscricaoEmpresa;
    } casos[] = {
        {QStringLiteral("15032004"), Date::fromYmd(2004, 3, 15), 3, QStringLiteral("12345678000190")},
        {QStringLiteral("00000000"), DataNula, 0, QStringLiteral("   ")},
        {QStringLiteral("        "), DataNula, 0, QString()},
        {QString(), DataNula, 1, QString()},
        {QStringLiteral("31022004"), DataNula, 1, QString()},
        {QStringLiteral("99999999"), DataNula, 1, QString()},
        {QStringLiteral("AB03CD04"), DataNula, 1, QString()},
    };
    for (const auto &c : casos) {
        TInconsistencia inc(db.get());
        inc.NumeroMensagem = 151;
        inc.NumeroArquivo = ArquivoFolha;
        inc.DataAdmissao = c.admissao;
        inc.LinhaErro = c.linha;
        inc.InscricaoEmpresa = c.inscricaoEmpresa;
        ASSERT_EQ(inc.Incluir(), TInconsistencia::IncluidaOk) << c.admissao.toStdString();
        auto rs = UnicaLinha();
        const Field data = rs->field(QStringLiteral("DT_ADMISSAO_INCONSISTENCIA"));
        if (c.esperada.isNull())
            EXPECT_TRUE(data.isNull()) << c.admissao.toStdString();
        else
            EXPECT_EQ(data.toDate(), c.esperada);
        EXPECT_EQ(rs->field(QStringLiteral("NU_LINHA_ERRO")).isNull(), c.linha == 0);
        EXPECT_EQ(rs->field(QStringLiteral("NU_INSCRICAO_EMPRESA")).isNull(), c.inscricaoEmpresa.trimmed().isEmpty());
        db->Executar(QStringLiteral("DELETE FROM SFGTBG18_INCONSISTENCIA_ARQUIVO"));
    }
}

TEST_F(InconsistenciaTest, TextsLongerThanTheirColumnsAreCutNotLost)
{
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    Registrar(arq, 151, QStringLiteral("X"), 1, QString(25, QLatin1Char('1')), QString(90, QLatin1Char('N')));
    auto rs = UnicaLinha();
    EXPECT_EQ(rs->field(QStringLiteral("NO_EMPREGADO")).toString(), QString(70, QLatin1Char('N')));
    EXPECT_EQ(rs->field(QStringLiteral("NU_INSCRICAO_EMPRESA")).toString(), QString(20, QLatin1Char('1')));
}

TEST_F(InconsistenciaTest, AnUncataloguedCodeEndsTheRunAndLogsNothing)
{
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    EXPECT_THROW(Registrar(arq, 9999, QStringLiteral("X"), 1), EInconsistenciaNaoCatalogada);
    EXPECT_EQ(arq.CodigoMensagem, QStringLiteral("0396"));
    EXPECT_EQ(Contar(), 0);

    TInconsistencia inc(db.get());
    inc.NumeroMensagem = 0;
    EXPECT_EQ(inc.Incluir(), TInconsistencia::CodigoNaoCatalogado);
    EXPECT_EQ(Contar(), 0);
}

TEST_F(InconsistenciaTest, AFailedInsertLetsTheRunGoOnWithTheCode)
{
    BancoIntermediario falho(*db);
    falho.falharExecutar = true;
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    arq.Sql = &falho;
    EXPECT_NO_THROW(Registrar(arq, 151, QStringLiteral("X"), 1));
    EXPECT_EQ(arq.CodigoMensagem, QStringLiteral("0151"));
    EXPECT_EQ(falho.executados, 1);
    EXPECT_EQ(Contar(), 0);
}

TEST_F(InconsistenciaTest, WithAStatementObjectTheRowFollowsItsTransaction)
{
    BancoIntermediario sql(*db);
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFechamento;
    arq.Sql = &sql;
    sql.IniciarTransacao();
    Registrar(arq, 151, QStringLiteral("X"), 1);
    EXPECT_EQ(sql.executados, 1);
    sql.Rollback();
    EXPECT_EQ(Contar(), 0);

    sql.IniciarTransacao();
    Registrar(arq, 151, QStringLiteral("X"), 1);
    sql.Commit();
    EXPECT_EQ(Contar(), 1);
}

TEST_F(InconsistenciaTest, ClearingRemovesOnlyTheFileKind)
{
    for (int tipo : {1, 2, 3, 4, 5}) {
        TArquivo arq(db.get());
        arq.TipoArquivo = tipo;
        Registrar(arq, 151, QStringLiteral("X"), 1);
        Registrar(arq, 151, QStringLiteral("Y"), 2);
    }
    TArquivo folha(db.get());
    folha.TipoArquivo = ArquivoFolha;
    EXPECT_TRUE(folha.LimparInconsistencias());
    EXPECT_EQ(Contar(QStringLiteral("WHERE NU_ARQUIVO = 1")), 0);
    EXPECT_EQ(Contar(), 8);
}

TEST_F(InconsistenciaTest, ListsTheKindInTheOrderItWasLogged)
{
    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    // Logged out of name, inscription and line order.
    Registrar(arq, 151, QStringLiteral("PRIMEIRA"), 9, QStringLiteral("99999999000199"), QStringLiteral("ZECA"));
    Registrar(arq, 201, QStringLiteral("SEGUNDA"), 0, QString(), QStringLiteral("ANA"));
    Registrar(arq, 151, QStringLiteral("TERCEIRA"), 1, QStringLiteral("11111111000111"), QStringLiteral("BETO"));
    TArquivo saldo(db.get());
    saldo.TipoArquivo = ArquivoSaldo;
    Registrar(saldo, 151, QStringLiteral("SALDO"), 1);

    TInconsistencia inc(db.get());
    ASSERT_TRUE(inc.ConsultarFolha());
    EXPECT_EQ(inc.ConteudoCampo.trimmed(), QStringLiteral("PRIMEIRA"));  // first row loaded
    QStringList ordem;
    for (inc.IrPrimeiro(); !inc.Fim(); inc.IrProximo())
        ordem << inc.ConteudoCampo.trimmed();
    EXPECT_EQ(ordem, (QStringList{"PRIMEIRA", "SEGUNDA", "TERCEIRA"}));

    inc.IrPrimeiro();
    inc.IrProximo();
    EXPECT_EQ(inc.NumeroMensagem, 201);
    EXPECT_TRUE(inc.DescricaoMensagem.contains(QLatin1Char('&')));
    EXPECT_EQ(inc.LinhaErro, 0);
    EXPECT_EQ(inc.InscricaoEmpresa, QString());
    EXPECT_EQ(inc.DataAdmissao, QStringLiteral("15032004"));
    EXPECT_EQ(inc.NomeEmpregado, QStringLiteral("ANA"));
    EXPECT_EQ(inc.TipoInscricaoResponsavel, QStringLiteral("1"));
    EXPECT_EQ(inc.NumeroArquivo, ArquivoFolha);

    inc.Filtro.clear();
    ASSERT_TRUE(inc.Consultar());
    EXPECT_EQ(inc.QuantidadeRegistros(), 4);
    EXPECT_FALSE(inc.ConsultarGuiasProcessadas());
    EXPECT_FALSE(inc.ConsultarFechamento());
    EXPECT_TRUE(inc.ConsultarSaldo());
    inc.Filtro = QStringLiteral("1 OR 1=1");
    EXPECT_THROW(inc.Consultar(), ENegocio);
}

TEST_F(InconsistenciaTest, ClosingInconsistencies)
{
    TInconsistencia inc(db.get());
    EXPECT_TRUE(inc.IncluirFechamento(QStringLiteral("0449"), QStringLiteral("1"), QStringLiteral("MARIA"),
                                      QStringLiteral("01022003"), QStringLiteral("01"), QStringLiteral("12345678901"),
                                      QStringLiteral("EMPRESA"), QStringLiteral("12345678000190"), QStringLiteral("1"),
                                      QStringLiteral("RESP"), QStringLiteral("98765432000110")));
    ASSERT_TRUE(inc.ConsultarFechamento());
    EXPECT_EQ(inc.NumeroMensagem, 449);
    EXPECT_EQ(inc.NumeroArquivo, ArquivoFechamento);
    EXPECT_EQ(inc.CodigoRegistro, QString());
    EXPECT_EQ(inc.LinhaErro, 0);
    EXPECT_EQ(inc.NomeEmpregado, QStringLiteral("MARIA"));
    EXPECT_EQ(inc.DataAdmissao, QStringLiteral("01022003"));
    EXPECT_EQ(inc.InscricaoResponsavel, QStringLiteral("98765432000110"));
    EXPECT_EQ(inc.RazaoSocialResponsavel, QStringLiteral("RESP"));
    EXPECT_EQ(inc.TipoInscricaoEmpresa, QStringLiteral("1"));

    // A code that is not a number logs code 0, which the catalog lacks: nothing is
    // written, and the caller is told so.
    EXPECT_FALSE(inc.IncluirFechamento(QStringLiteral("XX"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}));
    EXPECT_EQ(Contar(), 1);
}

// ---------------------------------------------------------------------------
// Report content

TEST(RelInconsistencia, PlaceholdersOfTheWindowAndTheCompetence)
{
    const QString texto201 = QStringLiteral("Fora do período (&).");
    const QString texto372 = QStringLiteral("Competência & (edital &).");
    const struct {
        int codigo;
        QString descricao;
        QString conteudo;
        Date edital;
        QString esperado;
    } casos[] = {
        {201, texto201, QString(), Date::fromYmd(2004, 3, 1), U("Fora do período (10/03/2004 à 09/04/2004).")},
        {201, texto201, QString(), Date::fromYmd(2004, 12, 1), U("Fora do período (10/12/2004 à 09/01/2005).")},
        {372, texto372, QStringLiteral("031998").leftJustified(70), Date::fromYmd(2004, 6, 1),
         U("Competência 03/1998 (edital 01/06/2004).")},
        {151, QStringLiteral("Com & literal."), QStringLiteral("0319"), Date::fromYmd(2004, 6, 1),
         QStringLiteral("Com & literal.")},
    };
    for (const auto &c : casos)
        EXPECT_EQ(DescricaoMensagemRelatorio(c.codigo, c.descricao, c.conteudo, c.edital), c.esperado) << c.codigo;
}

TEST(RelInconsistencia, DetailColumns)
{
    TInconsistencia inc;
    inc.NumeroMensagem = 62;
    inc.DescricaoMensagem = QStringLiteral("Data inválida.");
    inc.CodigoRegistro = QStringLiteral("40");
    inc.LinhaErro = 12;
    inc.ConteudoCampo = QStringLiteral("30/12/1899").leftJustified(70);
    inc.Pis = QStringLiteral("12345678901");
    inc.DataAdmissao = QStringLiteral("15032004");
    inc.NomeEmpregado = QStringLiteral("ANA");
    inc.Categoria = QStringLiteral("01");
    inc.TipoInscricaoEmpresa = QStringLiteral("2");
    inc.InscricaoEmpresa = QStringLiteral("00123456789012");
    inc.RazaoSocialEmpresa = QStringLiteral("OBRA");
    inc.TipoInscricaoResponsavel = QStringLiteral("1");
    inc.InscricaoResponsavel = QStringLiteral("12345678000190");
    inc.RazaoSocialResponsavel = QStringLiteral("CONTAB");

    LinhaRelInconsistencia l = MontarLinhaRelInconsistencia(inc, DataNula);
    EXPECT_EQ(l.Conteudo, QStringLiteral("00000000"));
    EXPECT_EQ(l.Linha, QStringLiteral("12"));
    EXPECT_EQ(l.CodigoDescricao, U("0062 - Data inválida."));
    EXPECT_EQ(l.Pis, QStringLiteral("123.45678.90-1"));
    EXPECT_EQ(l.Admissao, QStringLiteral("15/03/2004"));
    EXPECT_EQ(l.Empresa, QStringLiteral("EMPRESA: 123456789012 - OBRA"));
    EXPECT_EQ(l.Responsavel, U("RESPONSÁVEL: 12.345.678/0001-90 - CONTAB"));

    inc.ConteudoCampo = QStringLiteral("Data: 31022004").leftJustified(70);
    inc.LinhaErro = 0;
    inc.Pis = QStringLiteral("0");
    inc.DataAdmissao.clear();
    inc.InscricaoEmpresa = QStringLiteral("   ");
    l = MontarLinhaRelInconsistencia(inc, DataNula);
    EXPECT_EQ(l.Conteudo, QStringLiteral("Data: 31022004"));
    EXPECT_EQ(l.Linha, QString());
    EXPECT_EQ(l.Pis, QString());
    EXPECT_EQ(l.Admissao, QString());
    EXPECT_EQ(l.Empresa, QString());  // no group line

    EXPECT_EQ(TextoEmpresaRelatorio(QStringLiteral("1"), QStringLiteral("12345678000190"), QString()),
              QStringLiteral("EMPRESA: 12.345.678/0001-90"));
    EXPECT_EQ(TextoResponsavelRelatorio(QStringLiteral("2"), QStringLiteral("123456789012"), QStringLiteral("R")),
              U("RESPONSÁVEL: 123456789012 - R"));
    EXPECT_EQ(TextoResponsavelRelatorio(QStringLiteral("3"), QStringLiteral("ABC"), QStringLiteral("R")),
              U("RESPONSÁVEL: ABC - R"));
}

TEST_F(InconsistenciaTest, ReportOfAKind)
{
    TInconsistencia inc(db.get());
    DadosRelInconsistencia dados;
    EXPECT_FALSE(MontarRelInconsistencia(inc, ArquivoFolha, DataNula, dados));

    TArquivo arq(db.get());
    arq.TipoArquivo = ArquivoFolha;
    Registrar(arq, 372, QStringLiteral("041999"), 5);
    Registrar(arq, 151, QStringLiteral("X"), 6);
    ASSERT_TRUE(MontarRelInconsistencia(inc, ArquivoFolha, Date::fromYmd(2004, 6, 1), dados));
    EXPECT_EQ(dados.Titulo, U("RELATÓRIO DE INCONSISTÊNCIAS DE VALIDAÇÃO DE CARGA"));
    EXPECT_EQ(dados.Subtitulo, QStringLiteral("FOLHA DE PAGAMENTO"));
    ASSERT_EQ(dados.Linhas.size(), 2);
    EXPECT_TRUE(dados.Linhas[0].CodigoDescricao.startsWith(QStringLiteral("0372 - ")));
    EXPECT_TRUE(dados.Linhas[0].CodigoDescricao.contains(QStringLiteral("04/1999")));
    EXPECT_TRUE(dados.Linhas[0].CodigoDescricao.contains(QStringLiteral("01/06/2004")));
    EXPECT_FALSE(dados.Linhas[0].CodigoDescricao.contains(QLatin1Char('&')));
    EXPECT_EQ(dados.Linhas[1].Linha, QStringLiteral("6"));
}

TEST(RegRegistro, AnEntryOutsideTheArrayNamesNobody)
{
    TArrRegRegistro registros(2);
    registros[1].Pis = QStringLiteral("123");
    EXPECT_EQ(RegistroDaLinha(registros, 1).Pis, QStringLiteral("123"));
    EXPECT_EQ(RegistroDaLinha(registros, 2), TRegRegistro{});
    EXPECT_EQ(RegistroDaLinha(registros, -1), TRegRegistro{});
}
