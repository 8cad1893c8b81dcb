// Rules run one at a time on objects filled in memory, as the screens and the
// payroll import run them. One table of cases per rule family.

#include "cadastro_fixture.h"

#include "registration/complemento_saldo.h"
#include "registration/empresa.h"
#include "registration/endereco.h"
#include "registration/rescisao.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"

#include <functional>

using namespace tolv;
using namespace tolv::test;

namespace {

template <typename T>
struct Caso {
    const char *nome;
    std::function<void(T &)> preparar;
    std::function<bool(T &)> regra;
    const char *codigo;
};

class RegrasTest : public CadastroTest {
protected:
    template <typename T>
    void verificar(const std::vector<Caso<T>> &casos, const std::function<void(T &)> &base = {})
    {
        for (const Caso<T> &c : casos) {
            SCOPED_TRACE(c.nome);
            T objeto(db.get());
            if (base)
                base(objeto);
            c.preparar(objeto);
            const bool ok = c.regra(objeto);
            EXPECT_EQ(objeto.CodigoMensagem.toStdString(), std::string(c.codigo));
            EXPECT_EQ(ok, objeto.CodigoMensagem.isEmpty());
        }
    }
};

// ---------------------------------------------------------------------------
// Employer and responsible party

TEST_F(RegrasTest, IdentificationNameAndContacts)
{
    const auto tipo = [](TEmpresa &e) { return e.ValidarTipoInscricao(); };
    const auto inscricao = [](TEmpresa &e) { return e.ValidarInscricao(); };
    const auto nome = [](TEmpresa &e) { return e.ValidarRazaoSocial(true); };
    const auto ddd = [](TEmpresa &e) { return e.ValidarDdd(); };
    const auto fone = [](TEmpresa &e) { return e.ValidarTelefone(); };
    const auto email = [](TEmpresa &e) { return e.ValidarEmail(); };
    verificar<TEmpresa>({
        {"type 3", [](TEmpresa &e) { e.TipoInscricao = 3; }, tipo, "0129"},
        {"type 2", [](TEmpresa &e) { e.TipoInscricao = 2; }, tipo, ""},
        {"CNPJ check digits", [](TEmpresa &e) { e.TipoInscricao = 1; e.Inscricao = "11222333000180"; }, inscricao, "0021"},
        {"CNPJ", [](TEmpresa &e) { e.TipoInscricao = 1; e.Inscricao = "11222333000181"; }, inscricao, ""},
        {"CEI check digit", [](TEmpresa &e) { e.TipoInscricao = 2; e.Inscricao = "112223330009"; }, inscricao, "0018"},
        {"CEI", [](TEmpresa &e) { e.TipoInscricao = 2; e.Inscricao = "112223330008"; }, inscricao, ""},
        {"inscription not a number", [](TEmpresa &e) { e.TipoInscricao = 1; e.Inscricao = "1122233300018X"; }, inscricao, "0021"},
        {"name empty", [](TEmpresa &e) { e.RazaoSocial = ""; }, nome, "0177"},
        {"name with leading blank", [](TEmpresa &e) { e.RazaoSocial = " ACME"; }, nome, "0177"},
        {"name with punctuation", [](TEmpresa &e) { e.RazaoSocial = "ACME LTDA."; }, nome, "0177"},
        {"name with accent", [](TEmpresa &e) { e.RazaoSocial = "AÇO FORTE"; }, nome, "0177"},
        {"tripled letter", [](TEmpresa &e) { e.RazaoSocial = "AAA COMERCIO"; }, nome, "0177"},
        {"tripled digit allowed", [](TEmpresa &e) { e.RazaoSocial = "LOJA 111"; }, nome, ""},
        {"double blank", [](TEmpresa &e) { e.RazaoSocial = "ACME  LTDA"; }, nome, "0177"},
        {"double blank without the flag", [](TEmpresa &e) { e.RazaoSocial = "ACME  LTDA"; },
         [](TEmpresa &e) { return e.ValidarRazaoSocial(false); }, ""},
        {"area code 11", [](TEmpresa &e) { e.Ddd = "11"; }, ddd, ""},
        {"area code 61", [](TEmpresa &e) { e.Ddd = "61"; }, ddd, ""},
        {"area code 10", [](TEmpresa &e) { e.Ddd = "10"; }, ddd, "0024"},
        {"area code empty", [](TEmpresa &e) { e.Ddd = ""; }, ddd, "0024"},
        {"area code 100", [](TEmpresa &e) { e.Ddd = "100"; }, ddd, "0024"},
        {"phone 7 digits", [](TEmpresa &e) { e.Telefone = "3224455"; }, fone, ""},
        {"phone 7 digits starting with 0", [](TEmpresa &e) { e.Telefone = "0224455"; }, fone, "0128"},
        {"phone 6 digits", [](TEmpresa &e) { e.Telefone = "224455"; }, fone, "0128"},
        {"phone 8 digits", [](TEmpresa &e) { e.Telefone = "33224455"; }, fone, ""},
        {"phone zeros after the prefix", [](TEmpresa &e) { e.Telefone = "33000000"; }, fone, "0128"},
        {"phone with letters", [](TEmpresa &e) { e.Telefone = "3322A455"; }, fone, "0128"},
        {"phone below a million", [](TEmpresa &e) { e.Telefone = "00123456"; }, fone, "0128"},
        {"phone that does not fit 32 bits", [](TEmpresa &e) { e.Telefone = "99999999999"; }, fone, "0128"},
        {"e-mail empty", [](TEmpresa &e) { e.Email = ""; }, email, ""},
        {"e-mail", [](TEmpresa &e) { e.Email = "maria_souza-1@davila.com.br"; }, email, ""},
        {"two at signs", [](TEmpresa &e) { e.Email = "a@b@c.com"; }, email, "0065"},
        {"no dot", [](TEmpresa &e) { e.Email = "maria@davila"; }, email, "0065"},
        {"blank", [](TEmpresa &e) { e.Email = "maria souza@davila.com"; }, email, "0065"},
        {"plus sign", [](TEmpresa &e) { e.Email = "maria+1@davila.com"; }, email, "0065"},
    });
}

TEST_F(RegrasTest, Address)
{
    const auto cep = [](TEndereco &e) { return e.ValidarCep(); };
    verificar<TEndereco>({
        {"street", [](TEndereco &e) { e.Logradouro = "SCS QUADRA 1 BLOCO A"; }, [](TEndereco &e) { return e.ValidarLogradouro(); }, ""},
        {"street with punctuation", [](TEndereco &e) { e.Logradouro = "RUA A, 10"; }, [](TEndereco &e) { return e.ValidarLogradouro(); }, "0096"},
        {"district with double blank", [](TEndereco &e) { e.Bairro = "ASA  SUL"; }, [](TEndereco &e) { return e.ValidarBairro(); }, "0095"},
        {"city starting with blank", [](TEndereco &e) { e.Localidade = " BRASILIA"; }, [](TEndereco &e) { return e.ValidarLocalidade(); }, "0094"},
        {"city with tripled blank", [](TEndereco &e) { e.Localidade = "SAO   PAULO"; }, [](TEndereco &e) { return e.ValidarLocalidade(); }, "0094"},
        {"postal code", [](TEndereco &e) { e.Cep = "70040010"; }, cep, ""},
        {"postal code short", [](TEndereco &e) { e.Cep = "7004001"; }, cep, "0101"},
        {"postal code reserved", [](TEndereco &e) { e.Cep = "70000000"; }, cep, "0101"},
        {"postal code all equal", [](TEndereco &e) { e.Cep = "11111111"; }, cep, "0101"},
        {"postal code below 01000", [](TEndereco &e) { e.Cep = "00999000"; }, cep, "0101"},
        {"postal code of São Paulo", [](TEndereco &e) { e.Cep = "01310100"; }, cep, ""},
        {"postal code with a letter", [](TEndereco &e) { e.Cep = "7004001A"; }, cep, "0101"},
        {"state empty", [](TEndereco &e) { e.Uf = ""; }, [](TEndereco &e) { return e.ValidarUf(); }, "0132"},
        {"state unknown", [](TEndereco &e) { e.Uf = "XX"; }, [](TEndereco &e) { return e.ValidarUf(); }, "0133"},
        {"state with apostrophe", [](TEndereco &e) { e.Uf = "D'"; }, [](TEndereco &e) { return e.ValidarUf(); }, "0133"},
        {"state", [](TEndereco &e) { e.Uf = "DF"; }, [](TEndereco &e) { return e.ValidarUf(); }, ""},
    });
    TEndereco e(db.get());
    e.Logradouro = QStringLiteral("RUA DAS FLORES 10   ");
    EXPECT_TRUE(e.ValidarLogradouro());
    EXPECT_EQ(e.Logradouro, QStringLiteral("RUA DAS FLORES 10"));
}

TEST_F(RegrasTest, EmployerCodes)
{
    // an employer (CNPJ) with a category-6 link, another (CEI) with a category-1 link
    empregador(1, kCnpj);
    empregador(2, kCei);
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis, 6);
    vinculo(2, kCei, kPis, 1);
    const auto cnpj = [](TEmpresa &e) { e.TipoInscricao = 1; e.Inscricao = QString::number(kCnpj); };
    const auto cei = [](TEmpresa &e) { e.TipoInscricao = 2; e.Inscricao = QString::number(kCei); };
    const auto fpas = [](TEmpresa &e) { return e.ValidarFpas(); };
    const auto simples = [](TEmpresa &e) { return e.ValidarSimples(); };
    const auto cnae = [](TEmpresa &e) { return e.ValidarCnae(); };
    verificar<TEmpresa>({
        {"CNAE empty", [](TEmpresa &e) { e.Cnae = ""; }, cnae, "0019"},
        {"CNAE unknown", [](TEmpresa &e) { e.Cnae = "1234567"; }, cnae, "0140"},
        {"CNAE not a number (no query)", [](TEmpresa &e) { e.Cnae = "1 OR 1=1"; }, cnae, "0140"},
        {"CNAE", [](TEmpresa &e) { e.Cnae = "6920601"; }, cnae, ""},
        {"FPAS empty", [](TEmpresa &e) { e.Fpas = ""; }, fpas, "0070"},
        {"FPAS unknown", [&](TEmpresa &e) { cei(e); e.Fpas = "999"; }, fpas, "0244"},
        {"FPAS not a number", [&](TEmpresa &e) { cei(e); e.Fpas = "5'5"; }, fpas, "0244"},
        {"FPAS 868 under a CNPJ", [](TEmpresa &e) { e.TipoInscricao = 1; e.Inscricao = "33444555000181"; e.Fpas = "868"; }, fpas, "0226"},
        {"category-6 links under another FPAS", [&](TEmpresa &e) { cnpj(e); e.Fpas = "515"; }, fpas, "0429"},
        {"FPAS 868 with links of another category", [&](TEmpresa &e) { cei(e); e.Fpas = "868"; }, fpas, "0432"},
        {"FPAS 515 without domestic links", [&](TEmpresa &e) { cei(e); e.Fpas = "515"; }, fpas, ""},
        {"SIMPLES 1 with FPAS 868", [&](TEmpresa &e) { cei(e); e.Fpas = "868"; e.Simples = 1; }, simples, ""},
        {"SIMPLES 2 with FPAS 868", [&](TEmpresa &e) { cei(e); e.Fpas = "868"; e.Simples = 2; }, simples, "0123"},
        {"SIMPLES 2 with FPAS 582", [&](TEmpresa &e) { cei(e); e.Fpas = "582"; e.Simples = 2; }, simples, "0124"},
        {"SIMPLES 5 with FPAS 639", [&](TEmpresa &e) { cei(e); e.Fpas = "639"; e.Simples = 5; }, simples, ""},
        {"SIMPLES not in the table", [&](TEmpresa &e) { cei(e); e.Fpas = "515"; e.Simples = 9; }, simples, "0213"},
        // every check runs and the last failing one decides
        {"SIMPLES 4 with FPAS 868 on a CNPJ", [&](TEmpresa &e) { cnpj(e); e.Fpas = "868"; e.Simples = 4; }, simples, "0126"},
        {"SIMPLES 4 with FPAS 604 on a CEI", [&](TEmpresa &e) { cei(e); e.Fpas = "604"; e.Simples = 4; }, simples, ""},
    });
}

TEST_F(RegrasTest, ResponsibleContact)
{
    const auto contato = [](TResponsavel &r) { return r.ValidarContato(); };
    verificar<TResponsavel>({
        {"contact", [](TResponsavel &r) { r.Contato = "MARIA SOUZA"; }, contato, ""},
        {"contact empty", [](TResponsavel &r) { r.Contato = ""; }, contato, "0097"},
        {"contact with a digit", [](TResponsavel &r) { r.Contato = "MARIA 2"; }, contato, "0097"},
        {"contact with tripled letter", [](TResponsavel &r) { r.Contato = "MARIAAA"; }, contato, "0097"},
    });
}

// ---------------------------------------------------------------------------
// Worker

TEST_F(RegrasTest, WorkerRules)
{
    const auto base = [](TTrabalhador &t) {
        t.NU_PIS = QString::number(kPis);
        t.Vinculo().NU_CATEGORIA = 1;
    };
    const auto pis = [](TTrabalhador &t) { return t.ValidarPis(); };
    const auto cpf = [](TTrabalhador &t) { return t.ValidarCpf(); };
    const auto ctps = [](TTrabalhador &t) { return t.ValidarNumeroCtps(true); };
    const auto serie = [](TTrabalhador &t) { return t.ValidarSerieCtps(true); };
    verificar<TTrabalhador>(
        {
            {"PIS", [](TTrabalhador &) {}, pis, ""},
            {"PIS of the list with a right digit", [](TTrabalhador &t) { t.NU_PIS = "19999999991"; }, pis, "0109"},
            {"PIS all equal", [](TTrabalhador &t) { t.NU_PIS = "11111111111"; }, pis, "0109"},
            {"PIS short", [](TTrabalhador &t) { t.NU_PIS = "1203456789"; }, pis, "0109"},
            {"PIS below the range", [](TTrabalhador &t) { t.NU_PIS = "10000000001"; }, pis, "0109"},
            {"PIS above the range", [](TTrabalhador &t) { t.NU_PIS = "30000000001"; }, pis, "0109"},
            {"CPF empty", [](TTrabalhador &t) { t.NU_INSCRICAO_CPF = ""; }, cpf, ""},
            {"CPF zeros", [](TTrabalhador &t) { t.NU_INSCRICAO_CPF = "00000000000"; }, cpf, "0038"},
            {"CPF", [](TTrabalhador &t) { t.NU_INSCRICAO_CPF = "11144477735"; }, cpf, ""},
            {"CPF second digit", [](TTrabalhador &t) { t.NU_INSCRICAO_CPF = "11144477736"; }, cpf, "0038"},
            {"one-word name", [](TTrabalhador &t) { t.NO_EMPREGADO = "JOAO"; }, [](TTrabalhador &t) { return t.ValidarNome(); }, ""},
            {"education not a number (no query)", [](TTrabalhador &t) { t.NU_GRAU_INSTRUCAO = "1 OR 1=1"; },
             [](TTrabalhador &t) { return t.ValidarGrauInstrucao(); }, "0072"},
            {"work card short", [](TTrabalhador &t) { t.NU_CTPS = "1"; }, ctps, "0099"},
            {"work card of zeros", [](TTrabalhador &t) { t.NU_CTPS = "00"; }, ctps, "0099"},
            {"work card of a director", [](TTrabalhador &t) { t.Vinculo().NU_CATEGORIA = 5; t.NU_CTPS = "1234567"; }, ctps, "0100"},
            {"no work card, director", [](TTrabalhador &t) { t.Vinculo().NU_CATEGORIA = 5; }, ctps, ""},
            {"series of a director", [](TTrabalhador &t) { t.Vinculo().NU_CATEGORIA = 5; t.NU_SERIE_CTPS = "00012"; }, serie, "0120"},
            {"series zero, complete check", [](TTrabalhador &t) { t.NU_SERIE_CTPS = "00000"; }, serie, "0118"},
            {"series zero, import check", [](TTrabalhador &t) { t.NU_SERIE_CTPS = "00000"; },
             [](TTrabalhador &t) { return t.ValidarSerieCtps(false); }, "0119"},
            {"birth date missing", [](TTrabalhador &t) { t.DT_NASCIMENTO = DataNula; },
             [](TTrabalhador &t) { return t.ValidarDataNascimento(); }, "0329"},
            {"birth date unreadable", [](TTrabalhador &t) { t.DT_NASCIMENTO = DataInvalida; },
             [](TTrabalhador &t) { return t.ValidarDataNascimento(); }, "0055"},
            {"birth date 01/01/1900", [](TTrabalhador &t) { t.DT_NASCIMENTO = Date::fromYmd(1900, 1, 1); },
             [](TTrabalhador &t) { return t.ValidarDataNascimento(); }, "0053"},
        },
        base);

    TTrabalhador t(db.get());
    t.NO_EMPREGADO = QStringLiteral("MARIA DA SILVA ");
    EXPECT_TRUE(t.ValidarNome());
    EXPECT_EQ(t.NO_EMPREGADO, QStringLiteral("MARIA DA SILVA"));
}

// ---------------------------------------------------------------------------
// Link rules outside the full validation

TEST_F(RegrasTest, LinkRulesRunByTheScreenAndTheImport)
{
    const auto base = [](TVinculo &v) {
        v.NU_TIPO_INSO_EMPRA = 1;
        v.NU_CATEGORIA = 1;
        v.CO_MOVIMENTACAO = "I1";
        v.CO_SAQUE = "01";
        v.DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
        v.DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2018, 3, 5);
    };
    const auto i5i6 = [](TVinculo &v) { return v.ValidarMovimentacaoI5I6(); };
    verificar<TVinculo>(
        {
            {"I6 before the labour reform", [](TVinculo &v) { v.CO_MOVIMENTACAO = "I6"; v.DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2017, 11, 10); }, i5i6, "0509"},
            {"I6 outside category 4", [](TVinculo &v) { v.CO_MOVIMENTACAO = "I6"; v.CO_SAQUE = "07"; }, i5i6, "0510"},
            {"I5 without withdrawal 07", [](TVinculo &v) { v.CO_MOVIMENTACAO = "i5"; }, i5i6, "0511"},
            {"I5 with withdrawal 07", [](TVinculo &v) { v.CO_MOVIMENTACAO = "I5"; v.CO_SAQUE = "07"; }, i5i6, ""},
            // the balance file checks the tables only
            {"category 6 under a CNPJ, table only", [](TVinculo &v) { v.NU_CATEGORIA = 6; },
             [](TVinculo &v) { return v.ValidarCategoria(true); }, ""},
            {"category 6 under a CNPJ", [](TVinculo &v) { v.NU_CATEGORIA = 6; },
             [](TVinculo &v) { return v.ValidarCategoria(false); }, "0412"},
            {"category not a number", [](TVinculo &v) { v.NU_CATEGORIA = -1; },
             [](TVinculo &v) { return v.ValidarCategoria(true); }, "0014"},
            {"category missing", [](TVinculo &v) { v.NU_CATEGORIA = 0; },
             [](TVinculo &v) { return v.ValidarCategoria(true); }, "0015"},
            {"category unknown, table only", [](TVinculo &v) { v.NU_CATEGORIA = 2; v.CO_MOVIMENTACAO = "I4"; },
             [](TVinculo &v) { return v.ValidarCategoria(true); }, "0336"},
            {"category unknown, later check replaces", [](TVinculo &v) { v.NU_CATEGORIA = 2; v.CO_MOVIMENTACAO = "I4"; },
             [](TVinculo &v) { return v.ValidarCategoria(false); }, "0406"},
            {"admitted 05/10/1988, opted the day before", [](TVinculo &v) { v.DT_ADMISSAO_VINCULO = Date::fromYmd(1988, 10, 5); v.DT_OPCAO = Date::fromYmd(1988, 10, 4); },
             [](TVinculo &v) { return v.ValidarDataOpcao(); }, "0059"},
            {"admitted 06/10/1988, opted later", [](TVinculo &v) { v.DT_ADMISSAO_VINCULO = Date::fromYmd(1988, 10, 6); v.DT_OPCAO = Date::fromYmd(1989, 1, 2); },
             [](TVinculo &v) { return v.ValidarDataOpcao(); }, "0056"},
            {"admission unreadable", [](TVinculo &v) { v.DT_ADMISSAO_VINCULO = DataInvalida; },
             [](TVinculo &v) { return v.ValidarDataAdmissao(false); }, "0046"},
            {"admission missing", [](TVinculo &v) { v.DT_ADMISSAO_VINCULO = DataNula; },
             [](TVinculo &v) { return v.ValidarDataAdmissao(false); }, "0039"},
            {"option unreadable", [](TVinculo &v) { v.DT_OPCAO = DataInvalida; }, [](TVinculo &v) { return v.ValidarDataOpcao(); }, "0060"},
            {"option missing", [](TVinculo &v) { v.DT_OPCAO = DataNula; }, [](TVinculo &v) { return v.ValidarDataOpcao(); }, "0057"},
            {"movement missing", [](TVinculo &v) { v.DT_MOVIMENTACAO_VINCULO = DataNula; },
             [](TVinculo &v) { return v.ValidarDataMovimentacao(); }, "0050"},
            {"notice start unreadable", [](TVinculo &v) { v.DT_INICIO_AVISO_PRVO = DataInvalida; },
             [](TVinculo &v) { return v.ValidarDataInicioAviso(); }, "0331"},
        },
        base);

    TVinculo v(db.get());
    v.NU_CATEGORIA = 1;
    v.CO_MOVIMENTACAO = QStringLiteral("I6");
    v.DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2017, 11, 10);
    EXPECT_FALSE(v.ValidarMovimentacaoI5I6());
    EXPECT_EQ(v.ComplementoMensagem, QStringLiteral("10/11/2017  -  I6"));
    v.DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2018, 1, 10);
    EXPECT_FALSE(v.ValidarMovimentacaoI5I6());
    EXPECT_EQ(v.ComplementoMensagem, QStringLiteral("I6  -  01"));
}

// The payroll import checks a link against the other lines of its file: a link of
// the same PIS admitted before the birth date.
TEST_F(RegrasTest, AdmissionAgainstTheFileLines)
{
    TVinculo v(db.get());
    v.CarregaRelacionados = false;
    v.NU_PIS = kPis;
    v.NU_CATEGORIA = 1;
    v.DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
    v.Trabalhador().DT_NASCIMENTO = Date::fromYmd(1985, 6, 15);
    TArrRegRegistro linhas(3);
    linhas[1].TipoRegistro = QStringLiteral("40");
    linhas[1].Pis = QString::number(kPis2);
    linhas[1].DataAdmissao = QStringLiteral("02011980");
    EXPECT_TRUE(v.ValidarDataAdmissao(true, &linhas));
    linhas[2] = linhas[1];
    linhas[2].Pis = QString::number(kPis);
    EXPECT_FALSE(v.ValidarDataAdmissao(true, &linhas));
    EXPECT_EQ(v.CodigoMensagem, QStringLiteral("0443"));
    linhas[2].TipoRegistro = QStringLiteral("43");
    EXPECT_TRUE(v.ValidarDataAdmissao(true, &linhas));
    v.Trabalhador().DT_NASCIMENTO = Date::fromYmd(2010, 1, 4);
    EXPECT_FALSE(v.ValidarDataAdmissao(true, nullptr));
    EXPECT_EQ(v.CodigoMensagem, QStringLiteral("0044"));
    EXPECT_TRUE(v.ValidarDataAdmissao(false, nullptr));
}

// ---------------------------------------------------------------------------
// Termination data and complement lines

TEST_F(RegrasTest, FileVariantsOfTheAlimonyRules)
{
    const auto pct = [](TRescisao &r) { return r.ValidarPensaoPercentualArquivo(); };
    const auto val = [](TRescisao &r) { return r.ValidarPensaoValorArquivo(); };
    verificar<TRescisao>({
        {"percentage zero", [](TRescisao &r) { r.IC_TIPO_PNSO_ALMNA = "p"; }, pct, "0183"},
        {"percentage above 100", [](TRescisao &r) { r.IC_TIPO_PNSO_ALMNA = "P"; r.VR_PENSAO_ALMNA = Money::fromCentavos(10001); }, pct, "0378"},
        {"percentage 100", [](TRescisao &r) { r.IC_TIPO_PNSO_ALMNA = "P"; r.VR_PENSAO_ALMNA = Money::fromCentavos(10000); }, pct, ""},
        {"value zero", [](TRescisao &r) { r.IC_TIPO_PNSO_ALMNA = "v"; }, val, "0210"},
        {"screen variant ignores lower case", [](TRescisao &r) { r.IC_TIPO_PNSO_ALMNA = "v"; },
         [](TRescisao &r) { return r.ValidarPensaoValor(); }, ""},
    });
    TRescisao r(db.get());
    r.IC_TIPO_PNSO_ALMNA = QStringLiteral("N");
    r.VR_PENSAO_ALMNA = Money::fromCentavos(500);
    EXPECT_TRUE(r.ValidarPensaoPercentual());
    EXPECT_TRUE(r.VR_PENSAO_ALMNA.isZero());
}

TEST_F(RegrasTest, ValuesInformedAndTheClosingVariant)
{
    TRescisao r(db.get());
    r.Vinculo().CO_MOVIMENTACAO = QStringLiteral("I1");
    EXPECT_FALSE(r.ValidarValoresInformados());
    EXPECT_EQ(r.CodigoMensagem, QStringLiteral("0225"));
    r.VR_DEPOSITO_CMPLO_SALDO = Money::fromCentavos(1);
    EXPECT_TRUE(r.ValidarValoresInformados());
    r.Vinculo().CO_MOVIMENTACAO = QStringLiteral("I3");
    EXPECT_FALSE(r.ValidarValoresI3(true));
    EXPECT_EQ(r.CodigoMensagem, QStringLiteral("0455"));
}

TEST_F(RegrasTest, ComplementLines)
{
    const auto base = [](TComplementoSaldo &c) {
        c.Vinculo().DT_OPCAO = Date::fromYmd(1995, 3, 1);
        c.Vinculo().DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2018, 3, 5);
        c.AA_COMPETENCIA = "2000";
        c.MM_COMPETENCIA = "05";
        c.VR_REMUNERACAO = Money::fromCentavos(150000);
    };
    const auto comp = [](TComplementoSaldo &c) { return c.ValidarCompetencia(false); };
    const auto valores = [](TComplementoSaldo &c) { return c.ValidarValores(); };
    verificar<TComplementoSaldo>(
        {
            {"competence", [](TComplementoSaldo &) {}, comp, ""},
            {"month 13", [](TComplementoSaldo &c) { c.MM_COMPETENCIA = "13"; }, comp, "0034"},
            {"year of 2 digits", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "95"; }, comp, "0034"},
            {"year 1966", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "1966"; }, comp, "0102"},
            {"before the option month", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "1995"; c.MM_COMPETENCIA = "02"; }, comp, "0395"},
            {"option month", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "1995"; c.MM_COMPETENCIA = "03"; }, comp, ""},
            {"after the movement month", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "2018"; c.MM_COMPETENCIA = "04"; }, comp, "0411"},
            {"zeros, strict", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "0000"; c.MM_COMPETENCIA = "00"; }, comp, "0034"},
            {"zeros, tolerant", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "0000"; c.MM_COMPETENCIA = "00"; },
             [](TComplementoSaldo &c) { return c.ValidarCompetencia(true); }, ""},
            {"empty month passes", [](TComplementoSaldo &c) { c.MM_COMPETENCIA = ""; }, comp, ""},
            {"remuneration without competence", [](TComplementoSaldo &c) { c.AA_COMPETENCIA = "0000"; c.MM_COMPETENCIA = "00"; }, valores, "0355"},
            {"competence without remuneration", [](TComplementoSaldo &c) { c.VR_REMUNERACAO = Money(); }, valores, "0356"},
            {"agreement date forbids complements", [](TComplementoSaldo &c) { c.Rescisao().DT_DISSIDIO = Date::fromYmd(2018, 4, 2); },
             [](TComplementoSaldo &c) { return c.ValidarPermissao(); }, "0489"},
            {"I3 forbids complements", [](TComplementoSaldo &c) { c.Vinculo().CO_MOVIMENTACAO = "i3"; },
             [](TComplementoSaldo &c) { return c.ValidarPermissao(); }, "0489"},
            {"a NULL agreement date (day 0) does not", [](TComplementoSaldo &c) { c.Rescisao().DT_DISSIDIO = Date(0); },
             [](TComplementoSaldo &c) { return c.ValidarPermissao(); }, ""},
        },
        base);
}

} // namespace
