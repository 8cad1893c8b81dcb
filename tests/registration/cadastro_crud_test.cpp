// Storing, loading, changing and removing registration rows against a real
// embedded database.

#include "cadastro_fixture.h"

#include "registration/empresa.h"
#include "registration/rescisao.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"

using namespace tolv;
using namespace tolv::test;

namespace {

class CrudTest : public CadastroTest {
protected:
    QString estado(int tipo, qint64 inscricao)
    {
        return valor(QStringLiteral("SELECT IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA WHERE NU_TIPO_INSO_EMPRA = %1 "
                                    "AND NU_INSCRICAO = %2")
                         .arg(tipo)
                         .arg(inscricao));
    }

    void preencher(TEstabelecimento &e, int tipo, qint64 inscricao, const QString &nome)
    {
        e.TipoInscricao = tipo;
        e.Inscricao = QString::number(inscricao);
        e.RazaoSocial = nome;
        e.Ddd = QStringLiteral("11");
        e.Telefone = QStringLiteral("32145678");
        e.Endereco().Logradouro = QStringLiteral("AV PAULISTA 1000");
        e.Endereco().Bairro = QStringLiteral("BELA VISTA");
        e.Endereco().Cep = QStringLiteral("01310100");
        e.Endereco().Localidade = QStringLiteral("SAO PAULO");
        e.Endereco().Uf = QStringLiteral("SP");
    }

    void abertura(int tipo, qint64 inscricao)
    {
        exec(QStringLiteral("INSERT INTO SFGTBG01_ABERTURA_RECOLHIMENTO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, DT_PAGAMENTO) "
                            "VALUES (%1, %2, '2018-03-06')")
                 .arg(tipo)
                 .arg(inscricao));
    }

    QString aberturaAponta() { return valor(QStringLiteral("SELECT NU_TIPO_INSO_EMPRA || '/' || NU_INSCRICAO FROM SFGTBG01_ABERTURA_RECOLHIMENTO")); }

    // One row in each table that hangs on the link.
    void dependentes(qint64 inscricao, qint64 pis)
    {
        const QString chave = QStringLiteral("1, %1, %2, 1, '2010-01-04'").arg(inscricao).arg(pis);
        exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_EMPREGADO_ORBEL, VR_SALDO_RESCISORIO) VALUES (%1, 7, 50)")
                 .arg(chave));
        exec(QStringLiteral("INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, MM_COMPETENCIA, "
                            "VR_REMUNERACAO, VR_DEPOSITO) VALUES (%1, 1, 2017, 1, 1000, 80)")
                 .arg(chave));
        exec(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO) VALUES (%1, 406, 'N')")
                 .arg(chave));
    }

    int linhasDoVinculo(qint64 inscricao, qint64 pis)
    {
        int n = 0;
        for (const char *t : {"SFGTBG10_CONTA_EMPREGADO_FGTS", "SFGTBG07_COMPLEMENTO_SALDO", "SFGTBG06_INFORMACAO_RESCISAO",
                              "SFGTBG05_ALTERACAO_CADASTRAL", "SFGTBG04_VINCULO_EMPREGATICIO"})
            n += contar(QStringLiteral("%1 WHERE NU_INSCRICAO = %2 AND NU_PIS = %3").arg(QLatin1String(t)).arg(inscricao).arg(pis));
        return n;
    }
};

// ---------------------------------------------------------------------------
// Employers

TEST_F(CrudTest, EmployerIsInsertedOnceAndLoadsBack)
{
    TEmpresa e(db.get());
    preencher(e, 1, kCnpj, QStringLiteral("ACME COMERCIO LTDA"));
    e.Cnae = QStringLiteral("6920601");
    e.Fpas = QStringLiteral("515");
    e.Simples = 1;
    ASSERT_TRUE(e.Incluir()) << e.CodigoMensagem.toStdString();
    EXPECT_EQ(estado(1, kCnpj), QStringLiteral("E"));
    EXPECT_FALSE(e.Incluir());
    EXPECT_EQ(e.CodigoMensagem, QStringLiteral("0207"));

    TEmpresa lida(db.get());
    ASSERT_TRUE(lida.ConsultarEmpresa(1, QStringLiteral("11222333000181")));
    ASSERT_EQ(lida.QuantidadeRegistros(), 1);
    EXPECT_EQ(lida.Inscricao, QStringLiteral("11222333000181"));
    EXPECT_EQ(lida.InscricaoFormatada(), QStringLiteral("11222333000181"));
    EXPECT_EQ(lida.RazaoSocial, QStringLiteral("ACME COMERCIO LTDA"));
    EXPECT_EQ(lida.Endereco().Cep, QStringLiteral("01310100"));  // the leading zero comes back
    EXPECT_TRUE(lida.Endereco().ValidarCep());
    EXPECT_EQ(lida.Fpas, QStringLiteral("515"));
    EXPECT_EQ(lida.Cnae, QStringLiteral("6920601"));
    EXPECT_EQ(lida.Simples, 1);
    EXPECT_EQ(lida.Ddd, QStringLiteral("11"));

    lida.RazaoSocial = QStringLiteral("ACME COMERCIO E SERVICOS LTDA");
    lida.Fpas = QStringLiteral("507");
    ASSERT_TRUE(lida.Alterar());
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_RAZAO_SOCIAL || NU_INSS FROM SFGTBG02_EMPRESA")),
              QStringLiteral("ACME COMERCIO E SERVICOS LTDA507"));

    // the same number as a CEI is another employer
    TEmpresa cei(db.get());
    preencher(cei, 2, kCnpj, QStringLiteral("ACME OBRA"));
    EXPECT_TRUE(cei.Incluir());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG02_EMPRESA")), 2);
}

TEST_F(CrudTest, TheResponsiblePartyRegisteredAsEmployerBecomesA)
{
    empregador(1, kCnpj, QStringLiteral("R"), 515, QStringLiteral("ESCRITORIO CONTABIL"));
    exec(QStringLiteral("UPDATE SFGTBG02_EMPRESA SET NU_INSS = NULL, NU_IBGE = NULL, NO_CONTATO = 'MARIA'"));
    TEmpresa e(db.get());
    preencher(e, 1, kCnpj, QStringLiteral("ESCRITORIO CONTABIL"));
    e.Fpas = QStringLiteral("515");
    e.Cnae = QStringLiteral("6920601");
    e.Simples = 1;
    ASSERT_TRUE(e.Incluir());
    EXPECT_EQ(estado(1, kCnpj), QStringLiteral("A"));
    EXPECT_EQ(valor(QStringLiteral("SELECT NU_INSS || '/' || NU_IBGE || '/' || NO_CONTATO FROM SFGTBG02_EMPRESA")),
              QStringLiteral("515/6920601/MARIA"));
}

TEST_F(CrudTest, DeletingAnEmployerTakesItsLinksAndSparesWorkersWithOtherLinks)
{
    empregador(1, kCnpj);
    empregador(1, kCnpj2);
    trabalhador(kPis);
    trabalhador(kPis2);
    vinculo(1, kCnpj, kPis);
    vinculo(1, kCnpj, kPis2);
    vinculo(1, kCnpj2, kPis2);
    dependentes(kCnpj, kPis);
    dependentes(kCnpj2, kPis2);

    TEmpresa e(db.get());
    ASSERT_TRUE(e.ConsultarEmpresa(1, QString::number(kCnpj)));
    bool notificada = false;
    ASSERT_TRUE(e.Excluir([&](const TRaizArvore &) { notificada = true; }));
    EXPECT_FALSE(notificada);
    EXPECT_EQ(estado(1, kCnpj), QStringLiteral("<none>"));
    EXPECT_EQ(linhasDoVinculo(kCnpj, kPis) + linhasDoVinculo(kCnpj, kPis2), 0);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(kPis)), 0);  // orphan
    EXPECT_EQ(contar(QStringLiteral("SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(kPis2)), 1);
    EXPECT_EQ(linhasDoVinculo(kCnpj2, kPis2), 5);
}

TEST_F(CrudTest, DeletingTheEmployerThatIsAlsoResponsibleKeepsItAsR)
{
    empregador(1, kCnpj, QStringLiteral("A"));
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis);
    abertura(1, kCnpj);
    TEmpresa e(db.get());
    ASSERT_TRUE(e.ConsultarEmpresa(1, QString::number(kCnpj)));
    TRaizArvore raiz;
    ASSERT_TRUE(e.Excluir([&](const TRaizArvore &r) { raiz = r; }));
    EXPECT_EQ(raiz.Tipo, QStringLiteral("R"));
    EXPECT_EQ(raiz.Inscricao, kCnpj);
    EXPECT_EQ(valor(QStringLiteral("SELECT IC_ESTADO_EMPRESA || COALESCE(NU_SIMPLES, 0) || COALESCE(NU_IBGE, 0) || "
                                   "COALESCE(NU_INSS, 0) FROM SFGTBG02_EMPRESA")),
              QStringLiteral("R000"));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), 0);
    EXPECT_EQ(aberturaAponta(), QStringLiteral("1/11222333000181"));
}

// ---------------------------------------------------------------------------
// Responsible party

TEST_F(CrudTest, SalvarBranches)
{
    struct Caso {
        const char *nome;
        const char *anterior;       // kind of the current root ("" none, "R", "A")
        bool novoJaExiste;          // the new inscription is already an employer ("E")
        bool mesmoDoAnterior;       // the new inscription is the root's
        int tipoNovo;
        const char *estadoNovo;     // state of the new row afterwards
        const char *estadoAnterior; // state of the old row afterwards ("<none>" deleted)
        bool notifica;
    };
    const Caso casos[] = {
        {"first responsible party", "", false, false, 1, "R", "<none>", true},
        {"new inscription replaces an R", "R", false, false, 1, "R", "<none>", true},
        {"new inscription replaces an A", "A", false, false, 1, "R", "E", true},
        {"an employer replaces an R", "R", true, false, 1, "A", "<none>", true},
        {"an employer replaces an A", "A", true, false, 1, "A", "E", true},
        {"the same party is updated", "R", false, true, 1, "R", "R", false},
        // same number, other type: another party, not the old one
        {"a CEI with the number of the CNPJ", "R", false, false, 2, "R", "<none>", true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        apagarTudo();
        const QString anterior = QString::fromLatin1(c.anterior);
        if (!anterior.isEmpty())
            empregador(1, kCnpj, anterior);
        const qint64 novo = c.mesmoDoAnterior || c.tipoNovo == 2 ? kCnpj : kCnpj2;
        if (c.novoJaExiste)
            empregador(c.tipoNovo, novo, QStringLiteral("E"));
        abertura(1, kCnpj);

        TResponsavel r(db.get());
        preencher(r, c.tipoNovo, novo, QStringLiteral("NOVO RESPONSAVEL"));
        r.Contato = QStringLiteral("PEDRO");
        r.Email = QString();
        TRaizArvore raiz;
        if (!anterior.isEmpty())
            raiz = TRaizArvore{1, kCnpj, anterior};
        bool notificada = false;
        ASSERT_TRUE(r.Salvar(raiz, [&](const TRaizArvore &n) {
            notificada = true;
            EXPECT_EQ(n.TipoInscricao, c.tipoNovo);
            EXPECT_EQ(n.Inscricao, novo);
            EXPECT_EQ(n.Tipo, QString::fromLatin1(c.estadoNovo));
        })) << r.CodigoMensagem.toStdString();
        EXPECT_EQ(notificada, c.notifica);
        EXPECT_EQ(estado(c.tipoNovo, novo), QString::fromLatin1(c.estadoNovo));
        if (!c.mesmoDoAnterior && !anterior.isEmpty()) {
            EXPECT_EQ(estado(1, kCnpj), QString::fromLatin1(c.estadoAnterior));
        }
        EXPECT_EQ(aberturaAponta(), QStringLiteral("%1/%2").arg(c.tipoNovo).arg(novo));
        EXPECT_EQ(valor(QStringLiteral("SELECT NO_CONTATO || '|' || CO_ENDERECO_VIRTUAL_CONTATO || '|' || NO_RAZAO_SOCIAL "
                                       "FROM SFGTBG02_EMPRESA WHERE NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2")
                          .arg(c.tipoNovo)
                          .arg(novo)),
                  QStringLiteral("PEDRO||NOVO RESPONSAVEL"));
    }
}

// A failure half-way must not leave the system without a responsible party.
TEST_F(CrudTest, SalvarIsAllOrNothing)
{
    empregador(1, kCnpj, QStringLiteral("R"));
    empregador(1, kCnpj2, QStringLiteral("E"));
    abertura(1, kCnpj);
    TResponsavel r(db.get());
    // the last statement (the new party's own data) fails: the name does not fit
    preencher(r, 1, kCnpj2, QString(60, QLatin1Char('X')));
    EXPECT_FALSE(r.Salvar(TRaizArvore{1, kCnpj, QStringLiteral("R")}));
    EXPECT_EQ(r.CodigoMensagem, QStringLiteral("0144"));
    EXPECT_EQ(estado(1, kCnpj), QStringLiteral("R"));
    EXPECT_EQ(estado(1, kCnpj2), QStringLiteral("E"));
    EXPECT_EQ(aberturaAponta(), QStringLiteral("1/11222333000181"));
}

TEST_F(CrudTest, ResponsiblePartyAndMovementRow)
{
    TResponsavel r(db.get());
    EXPECT_FALSE(r.CarregarResponsavel());
    preencher(r, 1, kCnpj, QStringLiteral("ESCRITORIO"));
    r.Contato = QStringLiteral("MARIA");
    r.Email = QStringLiteral("maria@escritorio.com.br");
    ASSERT_TRUE(r.IncluirResponsavel());

    TResponsavel lido(db.get());
    ASSERT_TRUE(lido.CarregarResponsavel());
    EXPECT_EQ(lido.Estado, QStringLiteral("R"));
    EXPECT_EQ(lido.Contato, QStringLiteral("MARIA"));
    EXPECT_EQ(lido.Email, QStringLiteral("maria@escritorio.com.br"));

    lido.DataPagamentoAbertura = Date::fromYmd(2018, 3, 6);
    ASSERT_TRUE(lido.GravarAbertura());
    lido.DataPagamentoAbertura = Date::fromYmd(2018, 3, 7);
    ASSERT_TRUE(lido.GravarAbertura());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG01_ABERTURA_RECOLHIMENTO")), 1);
    EXPECT_EQ(valor(QStringLiteral("SELECT DT_PAGAMENTO FROM SFGTBG01_ABERTURA_RECOLHIMENTO")), QStringLiteral("07/03/2018"));
}

// ---------------------------------------------------------------------------
// Workers and links

TEST_F(CrudTest, WorkerWithANewLinkIsInsertedAndLoadsBack)
{
    empregador(1, kCnpj);
    empregador(1, kCnpj2);
    TTrabalhador t(db.get());
    t.NU_PIS = QString::number(kPis);
    t.NO_EMPREGADO = QStringLiteral("CARLOS PEREIRA");
    t.NU_GRAU_INSTRUCAO = QStringLiteral("07");
    t.NU_CTPS = QStringLiteral("0012345");
    t.NU_SERIE_CTPS = QStringLiteral("00012");
    t.IC_SEXO = 1;
    t.DT_NASCIMENTO = Date::fromYmd(1980, 2, 29);
    t.NU_INSCRICAO_CPF = QStringLiteral("01234567890");
    TVinculo &v = t.Vinculo();
    v.Empresa().TipoInscricao = 1;
    v.Empresa().Inscricao = QString::number(kCnpj);
    v.NU_CATEGORIA = 1;
    v.DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
    v.DT_OPCAO = v.DT_ADMISSAO_VINCULO;
    v.DT_MOVIMENTACAO_VINCULO = Date::fromYmd(2018, 3, 5);
    v.CO_MOVIMENTACAO = QStringLiteral("I1");
    v.CO_CBO = QStringLiteral("004110");
    v.CO_SAQUE = QStringLiteral("01");
    v.IC_AVISO_PREVIO = 2;
    v.IC_REPOSICAO_VAGAS = QStringLiteral("n");
    v.QT_HORAS_TRBS_SMNA = 40;
    v.NU_BANCO_CONTA = QStringLiteral("001");
    v.NU_AGENCIA_CONTA = QStringLiteral("0123");
    v.NU_CONTA_BANCARIA = QStringLiteral("45678");
    v.Rescisao().VR_REMUNERACAO_RESCISAO = Money::fromCentavos(250050);
    v.Rescisao().VR_AVISO_PREVIO = Money::fromCentavos(300000);
    v.Rescisao().IC_TIPO_PNSO_ALMNA = QStringLiteral("N");
    v.Rescisao().IC_ORIGEM_SALDO_RESCISORIO = QStringLiteral("E");
    ASSERT_TRUE(t.Incluir()) << t.CodigoMensagem.toStdString();
    EXPECT_FALSE(t.Incluir());
    EXPECT_EQ(t.CodigoMensagem, QStringLiteral("0208"));

    TTrabalhador lido(db.get());
    ASSERT_TRUE(lido.LocalizarPorVinculo(1, QString::number(kCnpj), Date::fromYmd(2010, 1, 4), 1, QString::number(kPis)));
    EXPECT_EQ(lido.NO_EMPREGADO, QStringLiteral("CARLOS PEREIRA"));
    EXPECT_EQ(lido.NU_CTPS, QStringLiteral("0012345"));
    EXPECT_EQ(lido.NU_INSCRICAO_CPF, QStringLiteral("01234567890"));
    EXPECT_EQ(lido.DT_NASCIMENTO, Date::fromYmd(1980, 2, 29));
    const TVinculo &lv = lido.Vinculo();
    EXPECT_EQ(lv.IC_REPOSICAO_VAGAS, QStringLiteral("N"));
    EXPECT_EQ(lv.NU_BANCO_CONTA, QStringLiteral("001"));
    EXPECT_EQ(lv.IC_ESTADO_MOVIMENTO, 0);
    EXPECT_EQ(lv.NU_INSCRICAO_TMDR, 0);
    EXPECT_EQ(lido.Vinculo().Empresa().RazaoSocial, QStringLiteral("EMPRESA MODELO LTDA"));
    EXPECT_EQ(lido.Vinculo().Rescisao().VR_REMUNERACAO_RESCISAO, Money::fromCentavos(250050));
    EXPECT_TRUE(lido.Vinculo().Rescisao().DT_DISSIDIO.isNull() || lido.Vinculo().Rescisao().DT_DISSIDIO == Date(0));
    EXPECT_EQ(valor(QStringLiteral("SELECT IC_VALIDACAO_VINCULO FROM SFGTBG04_VINCULO_EMPREGATICIO")), QStringLiteral("N"));

    // a second link of the same PIS updates the worker row
    t.NO_EMPREGADO = QStringLiteral("CARLOS PEREIRA NETO");
    t.Vinculo().Empresa().Inscricao = QString::number(kCnpj2);
    ASSERT_TRUE(t.Incluir());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = %1").arg(kPis)), 2);
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO")), QStringLiteral("CARLOS PEREIRA NETO"));
}

TEST_F(CrudTest, AlterarWritesLinkAndTerminationAndKeepsADirectorsWorkCard)
{
    cenarioBasico();
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S'"));
    TTrabalhador t(db.get());
    ASSERT_TRUE(t.LocalizarPorPis(QString::number(kPis)));
    t.NO_EMPREGADO = QStringLiteral("JOAO DA SILVA SANTOS");
    t.Vinculo().CO_MOVIMENTACAO = QStringLiteral("I2");
    t.Vinculo().CO_SAQUE = QStringLiteral("02");
    t.Vinculo().Rescisao().VR_REMUNERACAO_RESCISAO = Money::fromCentavos(123);
    ASSERT_TRUE(t.Alterar(false));
    EXPECT_EQ(valor(QStringLiteral("SELECT CO_MOVIMENTACAO || CO_SAQUE || IC_VALIDACAO_VINCULO FROM "
                                   "SFGTBG04_VINCULO_EMPREGATICIO")),
              QStringLiteral("I202N"));
    EXPECT_EQ(valor(QStringLiteral("SELECT VR_REMUNERACAO_RESCISAO FROM SFGTBG06_INFORMACAO_RESCISAO")), QStringLiteral("1,23"));
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO")), QStringLiteral("JOAO DA SILVA SANTOS"));
    // a NULL agreement date that loaded as day 0 is written back as NULL
    EXPECT_EQ(valor(QStringLiteral("SELECT DT_DISSIDIO FROM SFGTBG06_INFORMACAO_RESCISAO")), QStringLiteral("<null>"));

    // a director's screen has no work card: the stored one stays
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET NU_CATEGORIA = 5"));
    exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET NU_CATEGORIA = 5"));
    TTrabalhador d(db.get());
    ASSERT_TRUE(d.LocalizarPorPis(QString::number(kPis)));
    EXPECT_TRUE(d.NU_CTPS.isEmpty());
    ASSERT_TRUE(d.Alterar(false));
    EXPECT_EQ(valor(QStringLiteral("SELECT NU_CTPS || '/' || NU_SERIE_CTPS FROM SFGTBG03_EMPREGADO")), QStringLiteral("1234567/00012"));
}

TEST_F(CrudTest, DeletingALinkCascadesAndRemovesAnOrphanWorker)
{
    empregador(1, kCnpj);
    empregador(1, kCnpj2);
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis);
    vinculo(1, kCnpj2, kPis);
    dependentes(kCnpj, kPis);
    dependentes(kCnpj2, kPis);
    ASSERT_EQ(linhasDoVinculo(kCnpj, kPis), 5);

    TTrabalhador t(db.get());
    ASSERT_TRUE(t.LocalizarPorVinculo(1, QString::number(kCnpj), Date::fromYmd(2010, 1, 4), 1, QString::number(kPis)));
    ASSERT_TRUE(t.Excluir(false));
    EXPECT_EQ(linhasDoVinculo(kCnpj, kPis), 0);
    EXPECT_EQ(linhasDoVinculo(kCnpj2, kPis), 5);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG03_EMPREGADO")), 1);  // another link remains

    ASSERT_TRUE(t.LocalizarPorVinculo(1, QString::number(kCnpj2), Date::fromYmd(2010, 1, 4), 1, QString::number(kPis)));
    ASSERT_TRUE(t.Excluir(false));
    EXPECT_EQ(linhasDoVinculo(kCnpj2, kPis), 0);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG03_EMPREGADO")), 0);
}

TEST_F(CrudTest, ListsAndLookups)
{
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("ANA D'AVILA COMERCIO"));
    empregador(1, kCnpj2, QStringLiteral("E"), 515, QStringLiteral("BETA SILVA"));
    empregador(2, kCei, QStringLiteral("R"), 515, QStringLiteral("ANA RESPONSAVEL"));
    trabalhador(kPis, QStringLiteral("ANA D'AVILA"));
    trabalhador(kPis2, QStringLiteral("BRUNO SILVA"));
    vinculo(1, kCnpj, kPis);
    vinculo(1, kCnpj, kPis2);

    struct Busca {
        const char *texto;
        int empresas;
        int trabalhadores;
    };
    // names start with the text (case ignored); wildcards and quotes are plain characters
    const Busca buscas[] = {{"ana", 1, 1}, {"ANA D'", 1, 1}, {"SILVA", 0, 0}, {"%", 0, 0}, {"_NA", 0, 0}, {"", 2, 2},
                            {"B", 1, 1}};
    for (const Busca &b : buscas) {
        SCOPED_TRACE(b.texto);
        TEmpresa e(db.get());
        ASSERT_TRUE(e.LocalizarPorNome(QString::fromUtf8(b.texto)));
        EXPECT_EQ(e.QuantidadeRegistros(), b.empresas);
        TTrabalhador t(db.get());
        ASSERT_TRUE(t.LocalizarPorNome(QString::fromUtf8(b.texto)));
        EXPECT_EQ(t.QuantidadeRegistros(), b.trabalhadores);
    }

    TEmpresa e(db.get());
    ASSERT_TRUE(e.AbrirTodos());
    EXPECT_EQ(e.QuantidadeRegistros(), 2);  // the responsible party alone is not an employer
    EXPECT_EQ(e.RazaoSocial, QStringLiteral("ANA D'AVILA COMERCIO"));
    EXPECT_TRUE(e.LocalizarInscricao(QStringLiteral("33444555000181")));
    EXPECT_EQ(e.RazaoSocial, QStringLiteral("BETA SILVA"));
    EXPECT_FALSE(e.LocalizarInscricao(QStringLiteral("3344455500018X")));
    ASSERT_TRUE(e.ListarComVinculos());
    EXPECT_EQ(e.QuantidadeRegistros(), 1);
    EXPECT_EQ(e.ContarVinculos(1, 1, true, QString::number(kCnpj)), 2);
    EXPECT_EQ(e.ContarVinculos(1, 1, false, QString::number(kCnpj)), 0);

    // texts that are not numbers never reach a statement
    EXPECT_TRUE(e.ConsultarPorInscricao(1, QStringLiteral("1 OR 1=1")));
    EXPECT_EQ(e.QuantidadeRegistros(), 0);
    TTrabalhador t(db.get());
    EXPECT_THROW(t.NomeDoPis(QString::number(kPis)), ENegocio);  // nothing open
    EXPECT_FALSE(t.LocalizarPorPis(QStringLiteral("1 OR 1=1")));
    EXPECT_TRUE(t.CodigoMensagem.isEmpty());
    ASSERT_TRUE(t.ListarPorEmpresa(QStringLiteral("1"), QString::number(kCnpj)));
    EXPECT_EQ(t.QuantidadeRegistros(), 2);
    EXPECT_EQ(t.NomeDoPis(QString::number(kPis2)), QStringLiteral("BRUNO SILVA"));
    EXPECT_EQ(t.NomeDoPis(QStringLiteral("99999999999")), QString());
    EXPECT_EQ(t.Campo(QStringLiteral("NO_RAZAO_SOCIAL")).toString(), QStringLiteral("ANA D'AVILA COMERCIO"));

    TVinculo v(db.get());
    EXPECT_EQ(v.CodigoMovimentacaoDe(1, 1, Date::fromYmd(2010, 1, 4), kPis, kCnpj), QStringLiteral("I1"));
    EXPECT_EQ(v.ValorDissidioDe(1, 1, Date::fromYmd(2010, 1, 4), kPis, kCnpj), Money());
    EXPECT_EQ(v.CodigoMovimentacaoDe(1, 1, Date::fromYmd(2010, 1, 5), kPis, kCnpj), QString());
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 1 WHERE NU_PIS = %1").arg(kPis2));
    ASSERT_TRUE(v.ListarParticipantes(false, 0, DataNula, 0, 0, kCnpj));
    EXPECT_EQ(v.QuantidadeRegistros(), 1);
    EXPECT_EQ(v.NU_PIS, kPis2);
    EXPECT_FALSE(v.ListarParticipantes(false, 0, DataNula, 0, kPis, 0));
    v.NU_TIPO_INSO_EMPRA = 1;
    v.NU_INSCRICAO = kCnpj;
    v.NU_PIS = kPis;
    v.NU_CATEGORIA = 1;
    v.DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
    ASSERT_TRUE(v.ListarPorChave());
    EXPECT_EQ(v.DE_MOVIMENTACAO.left(8), QStringLiteral("Rescisão"));
    EXPECT_EQ(v.DescricaoAvisoPrevio(), QStringLiteral("1 - Trabalhado"));
}

// ---------------------------------------------------------------------------
// Bank balances as the employer list and the rescission balance see them

TEST_F(CrudTest, BalancesOfEmployersAndLinks)
{
    empregador(1, kCnpj);
    empregador(1, kCnpj2);
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis);
    const auto linha = [this](qint64 conta, int situacaoConta, int situacaoPis, const char *saldo) {
        exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_EMPREGADO_ORBEL, NU_SITUACAO_CONTA_EMPREGADO, "
                            "NU_SITUACAO_PIS, VR_SALDO_RESCISORIO) VALUES (1, %1, %2, 1, '2010-01-04', %3, %4, %5, %6)")
                 .arg(kCnpj)
                 .arg(kPis)
                 .arg(conta)
                 .arg(situacaoConta)
                 .arg(situacaoPis)
                 .arg(QLatin1String(saldo)));
    };
    linha(1, 0, 1, "100.00");
    linha(2, 0, 2, "50.00");
    linha(3, 3, 0, "7.00");  // no account: left out of the employer's sum

    TEmpresa e(db.get());
    ASSERT_TRUE(e.ListarComSaldo(0, true, QStringLiteral("EMP.NU_INSCRICAO"), 0, 0));
    ASSERT_EQ(e.QuantidadeRegistros(), 1);  // an employer without balance lines is not listed
    EXPECT_EQ(e.SaldoEmpresa, Money::fromCentavos(15000));
    EXPECT_EQ(e.Inscricao, QStringLiteral("11222333000181"));
    ASSERT_TRUE(e.ListarComSaldo(1, false, QString(), kPis2, 0));
    EXPECT_EQ(e.QuantidadeRegistros(), 0);
    ASSERT_TRUE(e.AbrirTodos());
    EXPECT_EQ(e.SaldoEmpresa, Money());

    const auto rescisao = [this] {
        return valor(QStringLiteral("SELECT COALESCE(VR_SALDO_RESCISORIO, -1) || IC_ORIGEM_SALDO_RESCISORIO || "
                                    "COALESCE(VR_JAM_SALDO_RESCISORIO, -1) FROM SFGTBG06_INFORMACAO_RESCISAO"));
    };
    exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_JAM_SALDO_RESCISORIO = 3"));
    TTrabalhador t(db.get());
    const Date admissao = Date::fromYmd(2010, 1, 4);
    EXPECT_FALSE(t.AtualizarSaldoRescisorio(1, 1, DataNula, kPis, kCnpj));
    EXPECT_EQ(rescisao(), QStringLiteral("10000.00E3.00"));
    // only the PIS-situation-1 lines count, the origin looks at every line
    ASSERT_TRUE(t.AtualizarSaldoRescisorio(1, 1, admissao, kPis, kCnpj));
    EXPECT_EQ(rescisao(), QStringLiteral("100.00C3.00"));
    ASSERT_TRUE(t.AtualizarSaldosRescisorios(1, kCnpj));
    EXPECT_EQ(rescisao(), QStringLiteral("157.00C3.00"));
    exec(QStringLiteral("DELETE FROM SFGTBG10_CONTA_EMPREGADO_FGTS"));
    ASSERT_TRUE(t.AtualizarSaldoRescisorio(1, 1, admissao, kPis, kCnpj));
    EXPECT_EQ(rescisao(), QStringLiteral("-1.00N0.00"));
}

} // namespace
