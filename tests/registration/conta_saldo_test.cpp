// The bank's FGTS account lines of a link and the registration changes they bring.

#include "cadastro_fixture.h"

#include "registration/alteracao_cadastral.h"
#include "registration/conta_saldo_trabalhador.h"
#include "registration/trabalhador.h"

using namespace tolv;
using namespace tolv::test;

namespace {

const Date kAdmissao = Date::fromYmd(2010, 1, 4);

TEST(ContaSaldoRegras, FirstFailingCodePerRule)
{
    struct Caso {
        const char *nome;
        int situacaoConta;
        qint64 conta;
        qint64 saldo;  // centavos
        int situacaoPis, mes, ano;
        const char *situacao, *numero, *valor, *pis, *competencia;
    };
    const Caso casos[] = {
        {"no account, all zero", 3, 0, 0, 0, 0, 0, "", "", "", "", ""},
        {"no account with a balance", 3, 0, 1, 0, 0, 0, "", "", "0379", "", ""},
        {"no account with a number", 3, 77, 0, 0, 0, 0, "", "0282", "", "", ""},
        {"no account with a PIS situation", 3, 0, 0, 1, 0, 0, "", "", "", "0345", ""},
        {"no account with a competence", 3, 0, 0, 0, 5, 2004, "", "", "", "", "0286"},
        {"zero-balance account with a balance", 1, 9, 1, 1, 1, 2004, "", "", "0379", "", ""},
        {"zero-balance account without", 1, 9, 0, 1, 1, 2004, "", "", "", "", ""},
        {"invalid situation", 4, 9, 0, 1, 1, 2004, "0216", "", "", "", ""},
        {"PIS situation 0 with an account", 0, 9, 100, 0, 1, 2004, "", "", "", "0285", ""},
        {"month 13, year 1965: the year wins", 0, 9, 100, 1, 13, 1965, "", "", "", "", "0102"},
        {"month 13, year 2004", 0, 9, 100, 1, 13, 2004, "", "", "", "", "0034"},
        {"year 1966", 0, 9, 100, 2, 1, 1966, "", "", "", "", "0102"},
        {"year 1967", 0, 9, 100, 2, 1, 1967, "", "", "", "", ""},
        {"year 0", 0, 9, 100, 2, 0, 0, "", "", "", "", ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TContaSaldoTrabalhador l(nullptr);
        l.NU_SITUACAO_CONTA_EMPREGADO = c.situacaoConta;
        l.NU_EMPREGADO_ORBEL = c.conta;
        l.VR_SALDO_RESCISORIO = Money::fromCentavos(c.saldo);
        l.NU_SITUACAO_PIS = qint16(c.situacaoPis);
        l.MM_MAIOR_COMPETENCIA = qint16(c.mes);
        l.AA_MAIOR_COMPETENCIA = qint16(c.ano);
        l.ValidarSituacaoConta();
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.situacao));
        l.ValidarNumeroConta();
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.numero));
        l.ValidarSaldo();
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.valor));
        l.ValidarSituacaoPis();
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.pis));
        l.ValidarMaiorCompetencia();
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.competencia));
    }
}

TEST(ContaSaldoRegras, InterestCreditDate)
{
    struct Caso { int situacaoEmpresa; Date data; const char *codigo; };
    const Caso casos[] = {
        {0, Date::fromYmd(1966, 12, 31), "0369"}, {0, Date::fromYmd(1967, 1, 1), ""}, {0, DataNula, "0369"},
        {2, Date::fromYmd(2000, 1, 1), "0346"},  {2, DataNula, ""},
    };
    for (const Caso &c : casos) {
        TContaSaldoTrabalhador l(nullptr);
        l.NU_SITUACAO_CONTA_EMPRESA = qint16(c.situacaoEmpresa);
        l.DT_CREDITO_JUROS = c.data;
        EXPECT_EQ(l.ValidarDataCreditoJuros(), QLatin1String(c.codigo).size() == 0);
        EXPECT_EQ(l.CodigoMensagem, QLatin1String(c.codigo)) << c.situacaoEmpresa << " " << c.data.serial();
    }
}

class ContaSaldoTest : public CadastroTest {
protected:
    void linha(qint64 inscricao, qint64 pis, qint64 conta, qint64 centavos, int situacaoPis,
               const QString &nome = QStringLiteral("JOAO DA SILVA"))
    {
        TContaSaldoTrabalhador l(db.get());
        l.CarregaRelacionados = false;
        l.DefinirChave({1, inscricao, pis, 1, kAdmissao});
        l.NU_EMPREGADO_ORBEL = conta;
        l.VR_SALDO_RESCISORIO = Money::fromCentavos(centavos);
        l.NU_SITUACAO_PIS = qint16(situacaoPis);
        l.Trabalhador().NO_EMPREGADO = nome;
        ASSERT_TRUE(l.Incluir(false)) << db->UltimoErro.toStdString();
    }
    int linhas(qint64 inscricao) { return contar(QStringLiteral("SFGTBG10_CONTA_EMPREGADO_FGTS WHERE NU_INSCRICAO = %1").arg(inscricao)); }
};

TEST_F(ContaSaldoTest, SumsAndRescissionBalance)
{
    cenarioBasico();
    linha(kCnpj, kPis, 1, 10000, 1);
    linha(kCnpj, kPis, 2, 5000, 2, QStringLiteral("JOAO D'AVILA"));
    TContaSaldoTrabalhador l(db.get());
    l.DefinirChave({1, kCnpj, kPis, 1, kAdmissao});
    EXPECT_EQ(l.SomarSaldos(), Money::fromCentavos(15000));
    EXPECT_TRUE(l.ExisteSaldoSituacaoPis2());
    EXPECT_TRUE(l.ExisteSaldoPositivo());
    ASSERT_TRUE(l.ListarSaldosVinculo({}));
    EXPECT_EQ(l.QuantidadeRegistros(), 2);
    EXPECT_EQ(l.NU_EMPREGADO_ORBEL, 1);  // fixed order by account
    EXPECT_TRUE(l.LocalizarSaldo(1, 1, 2, kPis, kAdmissao, kCnpj));
    EXPECT_EQ(l.VR_SALDO_RESCISORIO, Money::fromCentavos(5000));
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG10_CONTA_EMPREGADO_FGTS WHERE NU_EMPREGADO_ORBEL = 2")),
              QStringLiteral("JOAO D'AVILA"));

    TTrabalhador t(db.get());
    ASSERT_TRUE(t.AtualizarSaldoRescisorio(1, 1, kAdmissao, kPis, kCnpj));
    EXPECT_EQ(valor(QStringLiteral("SELECT VR_SALDO_RESCISORIO || IC_ORIGEM_SALDO_RESCISORIO FROM SFGTBG06_INFORMACAO_RESCISAO")),
              QStringLiteral("100.00C"));
}

TEST_F(ContaSaldoTest, DeletionSparesClosedLinksLineByLine)
{
    empregador(1, kCnpj);
    trabalhador(kPis);
    trabalhador(kPis2);
    vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-04"), 0);
    vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 2);
    linha(kCnpj, kPis, 1, 100, 1);
    linha(kCnpj, kPis2, 2, 100, 1);

    TContaSaldoTrabalhador fechado(db.get());
    fechado.DefinirChave({1, kCnpj, kPis2, 1, kAdmissao});
    ASSERT_TRUE(fechado.ExcluirSaldos(false, false, true));
    EXPECT_EQ(linhas(kCnpj), 2);  // a closed link keeps its lines

    // employer scope: the open link's lines go, the closed link's stay
    ASSERT_TRUE(fechado.ExcluirSaldos(true, false, true));
    EXPECT_EQ(linhas(kCnpj), 1);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG10_CONTA_EMPREGADO_FGTS WHERE NU_PIS = %1").arg(kPis2)), 1);

    // without sparing, the confirmation screen replaces any link's lines
    ASSERT_TRUE(fechado.ExcluirSaldos(false, false, false));
    EXPECT_EQ(linhas(kCnpj), 0);
}

TEST_F(ContaSaldoTest, ConfirmedBalancesTouchOnlyTheEmployersOpenLinks)
{
    empregador(1, kCnpj);
    empregador(1, kCnpj2);
    trabalhador(kPis);
    trabalhador(kPis2);
    trabalhador(kPis3);
    vinculo(1, kCnpj, kPis);                                           // open: updated
    vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 2);     // closed: kept
    vinculo(1, kCnpj, kPis3);                                          // employer-informed, no bank lines: kept
    vinculo(1, kCnpj2, kPis);                                          // another employer: kept
    linha(kCnpj, kPis, 1, 700, 1);
    linha(kCnpj, kPis2, 2, 800, 1);
    linha(kCnpj2, kPis, 3, 900, 1);

    TTrabalhador t(db.get());
    ASSERT_TRUE(t.AtualizarSaldosRescisorios(1, kCnpj));
    const auto saldo = [this](qint64 insc, qint64 pis) {
        return valor(QStringLiteral("SELECT VR_SALDO_RESCISORIO || IC_ORIGEM_SALDO_RESCISORIO FROM "
                                    "SFGTBG06_INFORMACAO_RESCISAO WHERE NU_INSCRICAO = %1 AND NU_PIS = %2").arg(insc).arg(pis));
    };
    EXPECT_EQ(saldo(kCnpj, kPis), QStringLiteral("7.00C"));
    EXPECT_EQ(saldo(kCnpj, kPis2), QStringLiteral("10000.00E"));
    EXPECT_EQ(saldo(kCnpj, kPis3), QStringLiteral("10000.00E"));
    EXPECT_EQ(saldo(kCnpj2, kPis), QStringLiteral("10000.00E"));
}

TEST_F(ContaSaldoTest, NameChangesKeptOrAdopted)
{
    cenarioBasico();
    linha(kCnpj, kPis, 1, 100, 2, QStringLiteral("JOAO D'AVILA"));
    linha(kCnpj, kPis, 2, 100, 2, QStringLiteral("JOAO DAVILA"));
    for (const char *conta : {"1", "2"}) {
        TAlteracaoCadastral a(db.get());
        a.NU_TIPO_INSO_EMPRA = QStringLiteral("1");
        a.NU_INSCRICAO = QString::number(kCnpj);
        a.NU_PIS = QString::number(kPis);
        a.NU_CATEGORIA = QStringLiteral("1");
        a.DT_ADMISSAO_VINCULO = kAdmissao;
        a.NU_TIPO_ALTERACAO = QStringLiteral("406");
        a.IC_CONFIRMACAO = QStringLiteral("N");
        a.NU_EMPREGADO_ORBEL_ALT_CDSTL = QLatin1String(conta);
        a.DE_CONTEUDO_ANTERIOR = QLatin1String(conta) == QLatin1String("1") ? QStringLiteral("JOAO D'AVILA")
                                                                             : QStringLiteral("JOAO DAVILA");
        EXPECT_FALSE(a.NomeIgualAoCadastrado(a.DE_CONTEUDO_ANTERIOR, a.NU_PIS));
        EXPECT_FALSE(a.ExisteAlteracaoNome());
        ASSERT_TRUE(a.Incluir());
        EXPECT_TRUE(a.ExisteAlteracaoNome());
        a.NU_EMPREGADO_ORBEL_ALT_CDSTL = QStringLiteral("1 OR 1=1");  // never reaches SQL
        EXPECT_FALSE(a.Alterar());
    }
    TAlteracaoCadastral a(db.get());
    // keep the registered name: the change of the account whose bank name matches is confirmed
    a.ResolverAlteracaoNome(1, 1, QLatin1Char('S'), QStringLiteral("JOAO D'AVILA"), kAdmissao, kPis, kCnpj);
    EXPECT_EQ(valor(QStringLiteral("SELECT NU_EMPREGADO_ORBEL_ALT_CDSTL || IC_CONFIRMACAO FROM SFGTBG05_ALTERACAO_CADASTRAL")),
              QStringLiteral("1S"));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL")), 1);
    // adopt the bank's name: the worker is renamed and the link's changes go
    a.ResolverAlteracaoNome(1, 1, QLatin1Char('N'), QStringLiteral("JOAO D'AVILA"), kAdmissao, kPis, kCnpj);
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(kPis)),
              QStringLiteral("JOAO D'AVILA"));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL")), 0);

    // deletion narrowed by the employer only removes every change of the employer
    TAlteracaoCadastral b(db.get());
    b.NU_TIPO_INSO_EMPRA = QStringLiteral("1");
    b.NU_INSCRICAO = QString::number(kCnpj);
    b.NU_PIS = QString::number(kPis);
    b.NU_CATEGORIA = QStringLiteral("1");
    b.DT_ADMISSAO_VINCULO = kAdmissao;
    b.NU_TIPO_ALTERACAO = QStringLiteral("406");
    b.IC_CONFIRMACAO = QStringLiteral("N");
    b.NU_EMPREGADO_ORBEL_ALT_CDSTL = QStringLiteral("1");
    ASSERT_TRUE(b.Incluir());
    TAlteracaoCadastral c(db.get());
    c.NU_TIPO_INSO_EMPRA = QStringLiteral("1");
    c.NU_INSCRICAO = QString::number(kCnpj);
    ASSERT_TRUE(c.Excluir(false));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL")), 0);
}

} // namespace
