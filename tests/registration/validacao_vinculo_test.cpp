// The full validation of stored links: for a record that breaks one rule, the
// first failing rule of the chain gives the code. One table per rule family.

#include "cadastro_fixture.h"

#include "registration/empresa.h"
#include "registration/rescisao.h"
#include "registration/trabalhador.h"

using namespace tolv;
using namespace tolv::test;

namespace {

class ValidacaoVinculoTest : public CadastroTest {
protected:
    void verificar(const std::vector<CasoValidacao> &casos)
    {
        for (const CasoValidacao &c : casos) {
            SCOPED_TRACE(c.nome);
            EXPECT_EQ(primeiroCodigo(c.alteracao).toStdString(), std::string(c.codigo));
        }
    }
};

TEST_F(ValidacaoVinculoTest, WorkerRules)
{
    verificar({
        {"consistent record", {}, ""},
        {"PIS check digit", {.trabalhador = "NU_PIS = 12034567890", .chave = "NU_PIS = 12034567890"}, "0109"},
        {"PIS of the forbidden list", {.trabalhador = "NU_PIS = 12345678900", .chave = "NU_PIS = 12345678900"}, "0109"},
        {"CPF check digit", {.trabalhador = "NU_INSCRICAO_CPF = 12345678900"}, "0038"},
        {"valid CPF", {.trabalhador = "NU_INSCRICAO_CPF = 12345678909"}, ""},
        {"accented name", {.trabalhador = "NO_EMPREGADO = 'JOÃO DA SILVA'"}, "0093"},
        {"name with a digit", {.trabalhador = "NO_EMPREGADO = 'JOAO 2 SILVA'"}, "0093"},
        {"tripled letter", {.trabalhador = "NO_EMPREGADO = 'JOAAAO SILVA'"}, "0093"},
        {"sex missing", {.trabalhador = "IC_SEXO = 0"}, "0121"},
        {"sex out of list", {.trabalhador = "IC_SEXO = 3"}, "0122"},
        {"education missing", {.trabalhador = "NU_GRAU_INSTRUCAO = NULL"}, "0071"},
        {"education unknown", {.trabalhador = "NU_GRAU_INSTRUCAO = 99"}, "0072"},
        {"work card all equal", {.trabalhador = "NU_CTPS = '1111111'"}, "0099"},
        {"work card missing", {.trabalhador = "NU_CTPS = NULL"}, "0098"},
        {"short work card gets its zeros back", {.trabalhador = "NU_CTPS = '12'"}, ""},
        {"series missing", {.trabalhador = "NU_SERIE_CTPS = NULL"}, "0118"},
        {"series zero", {.trabalhador = "NU_SERIE_CTPS = '00000'"}, "0118"},
        {"short series gets its zeros back", {.trabalhador = "NU_SERIE_CTPS = '7'"}, ""},
        {"birth date NULL loads as day 0", {.trabalhador = "DT_NASCIMENTO = NULL"}, "0053"},
        {"birth after admission", {.trabalhador = "DT_NASCIMENTO = '2011-01-01'"}, "0044"},
    });
}

TEST_F(ValidacaoVinculoTest, CategoryOccupationAndMovementCode)
{
    verificar({
        {"category not in the table", {.chave = "NU_CATEGORIA = 2"}, "0336"},
        {"domestic worker under a CNPJ", {.vinculo = "CO_CBO = '005121', CO_MOVIMENTACAO = 'I4'",
                                          .chave = "NU_CATEGORIA = 6"}, "0412"},
        {"I4 outside category 6", {.vinculo = "CO_MOVIMENTACAO = 'I4'"}, "0406"},
        {"FPAS 868 with category 1", {.empresa = "NU_INSS = 868"}, "0431"},
        {"domestic occupation outside category 6", {.vinculo = "CO_CBO = '005121'"}, "0390"},
        {"occupation blank", {.vinculo = "CO_CBO = ''"}, "0017"},
        {"occupation unknown", {.vinculo = "CO_CBO = '999999'"}, "0337"},
        {"movement code blank", {.vinculo = "CO_MOVIMENTACAO = ''"}, "0027"},
        // the link query joins the code table with a LEFT JOIN: the link is not skipped
        {"movement code unknown", {.vinculo = "CO_MOVIMENTACAO = 'X9'"}, "0338"},
        {"I3 with a rescission balance", {.vinculo = "CO_MOVIMENTACAO = 'I3', CO_SAQUE = '04'"}, "0483"},
    });
}

TEST_F(ValidacaoVinculoTest, DomesticWorkerUnderACeiEmployerWithFpas868Passes)
{
    const char *cei = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008";
    verificar({
        {"category 6, 005121, I4, FPAS 868, CEI",
         {.empresa = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008, NU_INSS = 868",
          .vinculo = "CO_CBO = '005121', CO_MOVIMENTACAO = 'I4'",
          .chave = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008, NU_CATEGORIA = 6"},
         ""},
        {"category 6 under FPAS 515", {.empresa = cei, .vinculo = "CO_CBO = '005121', CO_MOVIMENTACAO = 'I4'",
                                       .chave = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008, NU_CATEGORIA = 6"},
         "0424"},
        {"category 6 dismissed with I1",
         {.empresa = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008, NU_INSS = 868",
          .vinculo = "CO_CBO = '005121'",
          .chave = "NU_TIPO_INSO_EMPRA = 2, NU_INSCRICAO = 112223330008, NU_CATEGORIA = 6"},
         "0433"},
    });
}

TEST_F(ValidacaoVinculoTest, Dates)
{
    verificar({
        {"category 4 admitted before the law", {.vinculo = "DT_OPCAO = '1997-01-02'",
                                                .chave = "NU_CATEGORIA = 4, DT_ADMISSAO_VINCULO = '1997-01-02'"}, "0041"},
        {"apprentice admitted before the law", {.vinculo = "DT_OPCAO = '2000-01-03'",
                                                .chave = "NU_CATEGORIA = 7, DT_ADMISSAO_VINCULO = '2000-01-03'"}, "0040"},
        {"option NULL loads as day 0", {.vinculo = "DT_OPCAO = NULL"}, "0382"},
        {"option before admission", {.vinculo = "DT_OPCAO = '2010-01-03'"}, "0059"},
        {"option after admission since 1988", {.vinculo = "DT_OPCAO = '2010-01-05'"}, "0056"},
        {"admitted before the constitution, opted after", {.vinculo = "DT_OPCAO = '1988-10-06'",
                                                           .chave = "DT_ADMISSAO_VINCULO = '1986-01-02'"}, "0058"},
        {"movement NULL loads as day 0", {.vinculo = "DT_MOVIMENTACAO_VINCULO = NULL"}, "0383"},
        {"movement before option", {.vinculo = "DT_MOVIMENTACAO_VINCULO = '2009-12-31', DT_INICIO_AVISO_PRVO = NULL"},
         "0426"},
        {"movement before 16/02/1998", {.vinculo = "DT_OPCAO = '1990-01-02', DT_MOVIMENTACAO_VINCULO = '1998-02-13'",
                                        .chave = "DT_ADMISSAO_VINCULO = '1990-01-02'"}, "0393"},
        {"complement line after the movement month",
         {.extra = "INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
                   "DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, MM_COMPETENCIA, VR_REMUNERACAO, VR_DEPOSITO) "
                   "VALUES (1, 11222333000181, 12034567899, 1, '2010-01-04', 1, 2018, 4, 100, 8)"},
         "0441"},
        {"complement line in the movement month",
         {.extra = "INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
                   "DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, MM_COMPETENCIA, VR_REMUNERACAO, VR_DEPOSITO) "
                   "VALUES (1, 11222333000181, 12034567899, 1, '2010-01-04', 1, 2018, 3, 100, 8)"},
         ""},
        {"another link of the PIS admitted before the birth",
         {.extra = "INSERT INTO SFGTBG04_VINCULO_EMPREGATICIO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, "
                   "DT_ADMISSAO_VINCULO) VALUES (1, 1234567000195, 12034567899, 1, '1980-01-02')"},
         // that link sorts first: the consistent one is the last validated
         "0443"},
    });
}

TEST_F(ValidacaoVinculoTest, NoticeWithdrawalTakerAndBank)
{
    verificar({
        {"notice type missing", {.vinculo = "IC_AVISO_PREVIO = 0"}, "0080"},
        {"I3 with indemnified notice", {.vinculo = "CO_MOVIMENTACAO = 'I3', CO_SAQUE = '04', IC_AVISO_PREVIO = 2",
                                        .rescisao = "VR_SALDO_RESCISORIO = 0"}, "0423"},
        {"notice start with indemnified notice", {.vinculo = "IC_AVISO_PREVIO = 2"}, "0145"},
        {"notice start before admission", {.vinculo = "DT_INICIO_AVISO_PRVO = '2009-01-02'"}, "0399"},
        {"notice start after movement", {.vinculo = "DT_INICIO_AVISO_PRVO = '2018-03-06'"}, "0399"},
        {"no notice start (NULL) passes", {.vinculo = "DT_INICIO_AVISO_PRVO = NULL"}, ""},
        {"weekly hours zero", {.vinculo = "QT_HORAS_TRBS_SMNA = 0"}, "0111"},
        {"vacancy replacement blank", {.vinculo = "IC_REPOSICAO_VAGAS = NULL"}, "0114"},
        {"vacancy replacement other", {.vinculo = "IC_REPOSICAO_VAGAS = 'X'"}, "0115"},
        {"withdrawal blank", {.vinculo = "CO_SAQUE = ''"}, "0029"},
        {"withdrawal in neither table", {.vinculo = "CO_SAQUE = '09'"}, "0480"},
        {"withdrawal not allowed with the movement", {.vinculo = "CO_SAQUE = '02'"}, "0480"},
        {"taker type 3", {.vinculo = "NU_TIPO_INSO_TMDR = 3"}, "0148"},
        {"taker inscription without type", {.vinculo = "NU_INSCRICAO_TMDR = 11222333000181"}, "0148"},
        {"taker CNPJ check digits", {.vinculo = "NU_TIPO_INSO_TMDR = 1, NU_INSCRICAO_TMDR = 11222333000180"}, "0069"},
        {"taker CEI check digit", {.vinculo = "NU_TIPO_INSO_TMDR = 2, NU_INSCRICAO_TMDR = 112223330009"}, "0054"},
        {"taker CEI", {.vinculo = "NU_TIPO_INSO_TMDR = 2, NU_INSCRICAO_TMDR = 112223330008"}, ""},
        {"bank account complete", {.vinculo = "NU_BANCO_CONTA = 1, NU_AGENCIA_CONTA = '0123', NU_CONTA_BANCARIA = '45678'"},
         ""},
        {"agency without bank", {.vinculo = "NU_AGENCIA_CONTA = '0123'"}, "0031"},
        {"bank without agency", {.vinculo = "NU_BANCO_CONTA = 1"}, "0022"},
        {"agency zero", {.vinculo = "NU_BANCO_CONTA = 1, NU_AGENCIA_CONTA = '0000'"}, "0023"},
        {"account zero", {.vinculo = "NU_BANCO_CONTA = 1, NU_AGENCIA_CONTA = '0123', NU_CONTA_BANCARIA = '000'"},
         "0150"},
        {"bank and agency without account", {.vinculo = "NU_BANCO_CONTA = 1, NU_AGENCIA_CONTA = '0123'"}, "0150"},
    });
}

TEST_F(ValidacaoVinculoTest, TerminationData)
{
    verificar({
        // a NULL agreement date loads as day 0 and must not let a value through
        {"agreement value without date", {.rescisao = "VR_DISSIDIO = 100"}, "0191"},
        {"agreement date without value", {.rescisao = "DT_DISSIDIO = '2018-04-02'"}, "0136"},
        {"agreement before admission", {.rescisao = "DT_DISSIDIO = '2009-01-02', VR_DISSIDIO = 100"}, "0047"},
        {"agreement on the movement date", {.rescisao = "DT_DISSIDIO = '2018-03-05', VR_DISSIDIO = 100"}, "0409"},
        {"agreement with an informed balance", {.rescisao = "DT_DISSIDIO = '2018-04-02', VR_DISSIDIO = 100"}, "0482"},
        {"agreement with remuneration before",
         {.rescisao = "DT_DISSIDIO = '2018-04-02', VR_DISSIDIO = 100, IC_ORIGEM_SALDO_RESCISORIO = 'N'"}, "0186"},
        {"I3 with nothing informed", {.vinculo = "CO_MOVIMENTACAO = 'I3', CO_SAQUE = '04'",
                                      .rescisao = "VR_SALDO_RESCISORIO = 0, VR_REMUNERACAO_ANTERIOR_RSCSO = 0, "
                                                  "VR_REMUNERACAO_RESCISAO = 0"}, "0225"},
        {"admitted in the movement month", {.vinculo = "DT_OPCAO = '2018-03-01', DT_INICIO_AVISO_PRVO = NULL",
                                            .chave = "DT_ADMISSAO_VINCULO = '2018-03-01'"}, "0425"},
        {"below the 8 % minimum wins over the month",
         {.vinculo = "DT_OPCAO = '2018-03-01', DT_INICIO_AVISO_PRVO = NULL",
          .rescisao = "VR_REMUNERACAO_ANTERIOR_RSCSO = 0.12", .chave = "DT_ADMISSAO_VINCULO = '2018-03-01'"}, "0448"},
        {"termination month below the minimum", {.rescisao = "VR_REMUNERACAO_RESCISAO = 0.12"}, "0448"},
        {"apprentice below the 2 % minimum",
         {.vinculo = "DT_OPCAO = '2012-01-02'", .rescisao = "VR_REMUNERACAO_RESCISAO = 0.49",
          .chave = "NU_CATEGORIA = 7, DT_ADMISSAO_VINCULO = '2012-01-02'"}, "0447"},
        {"indemnified notice without value", {.vinculo = "IC_AVISO_PREVIO = 2, DT_INICIO_AVISO_PRVO = NULL"}, "0391"},
        {"notice value with worked notice", {.rescisao = "VR_AVISO_PREVIO = 100"}, "0392"},
        {"alimony type blank", {.rescisao = "IC_TIPO_PNSO_ALMNA = NULL"}, "0081"},
        {"alimony type unknown", {.rescisao = "IC_TIPO_PNSO_ALMNA = 'X'"}, "0082"},
        {"percentage alimony without value", {.rescisao = "IC_TIPO_PNSO_ALMNA = 'P'"}, "0183"},
        {"value alimony without value", {.rescisao = "IC_TIPO_PNSO_ALMNA = 'V'"}, "0210"},
        {"lower-case type is neither P nor N", {.rescisao = "IC_TIPO_PNSO_ALMNA = 'p'"}, ""},
    });
}

TEST_F(ValidacaoVinculoTest, DirectorKeepsNoWorkCardAndNeedsNoticeType3)
{
    // a director (5) loads without work card and must have notice type 3
    verificar({
        {"director with worked notice", {.vinculo = "DT_OPCAO = '2010-01-04'", .chave = "NU_CATEGORIA = 5"}, "0512"},
        {"director", {.vinculo = "IC_AVISO_PREVIO = 3", .chave = "NU_CATEGORIA = 5"}, ""},
        {"director with notice value", {.vinculo = "IC_AVISO_PREVIO = 3", .rescisao = "VR_AVISO_PREVIO = 100",
                                        .chave = "NU_CATEGORIA = 5"}, "0513"},
    });
}

// Three links, only the second inconsistent: each link gets its own flag, a
// marked inconsistent link leaves the movement, the result is the last link's.
TEST_F(ValidacaoVinculoTest, ValidarCadastroFlagsEachLink)
{
    for (const bool registrar : {false, true}) {
        SCOPED_TRACE(registrar ? "logging" : "no logging");
        apagarTudo();
        empregador(1, kCnpj);
        trabalhador(kPis);
        trabalhador(kPis2);
        trabalhador(kPis3);
        vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-04"), 1);
        vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 1);
        vinculo(1, kCnpj, kPis3, 1, QStringLiteral("2010-01-04"), 1);
        exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S'"));
        exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET QT_HORAS_TRBS_SMNA = 0 WHERE NU_PIS = %1").arg(kPis2));

        TVinculo v(db.get());
        ASSERT_TRUE(v.AbrirTodos());
        TRetValidaCadastro r;
        r.CodigoRetorno = QStringLiteral("x");
        r.InconsistenciaRegistrada = !registrar;
        v.ValidarCadastro(registrar, nullptr, r);
        EXPECT_EQ(r.CodigoRetorno, QString());
        EXPECT_EQ(r.InconsistenciaRegistrada, registrar);
        const auto flag = [this](qint64 pis) {
            return valor(QStringLiteral("SELECT IC_VALIDACAO_VINCULO || IC_ESTADO_MOVIMENTO FROM "
                                        "SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = %1")
                             .arg(pis));
        };
        EXPECT_EQ(flag(kPis), QStringLiteral("N1"));
        EXPECT_EQ(flag(kPis2), QStringLiteral("S0"));
        EXPECT_EQ(flag(kPis3), QStringLiteral("N1"));
        EXPECT_EQ(contar(QStringLiteral("SFGTBG18_INCONSISTENCIA_ARQUIVO WHERE NU_ARQUIVO = 3 AND NU_MENSAGEM = 111 "
                                        "AND CO_PIS_INCONSISTENCIA = '17012345673' "
                                        "AND DT_ADMISSAO_INCONSISTENCIA = '2010-01-04' "
                                        "AND NU_INSCRICAO_EMPRESA = '11222333000181'")),
                  registrar ? 1 : 0);
    }
}

TEST_F(ValidacaoVinculoTest, GravarValidacaoOfEveryLink)
{
    cenarioBasico();
    trabalhador(kPis2);
    vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 1);
    TVinculo v(db.get());
    ASSERT_TRUE(v.GravarValidacao(true, true));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE IC_VALIDACAO_VINCULO = 'S'")), 2);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE IC_ESTADO_MOVIMENTO = 1")), 0);
    ASSERT_TRUE(v.GravarValidacao(true, false));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE IC_VALIDACAO_VINCULO = 'N'")), 2);
}

} // namespace
