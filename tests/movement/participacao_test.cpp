// The participation rules, the questions asked before marking, and the state
// transitions of marking, unmarking, closing and withdrawing: database, entries
// and icons change together.

#include "arvore_fixture.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "registration/responsavel.h"
#include "registration/vinculo.h"

#include <functional>

using namespace tolv;
using namespace tolv::test;

namespace {

const QString kAdm = QStringLiteral("2010-01-04");

class ParticipacaoTest : public ArvoreTest {
protected:
    // The basic link (kCnpj, kPis) under a responsible party only, movement open
    // on 06/03/2018 unless `pagamento` is null.
    void cenario(const std::vector<std::string> &sql, const char *pagamento = "2018-03-06")
    {
        apagarTudo();
        responsavel();
        cenarioBasico();
        for (const std::string &s : sql)
            exec(QString::fromStdString(s));
        if (pagamento)
            abrirMovimento(QString::fromLatin1(pagamento));
        montar();
    }

    bool validar(ModoValidacao modo, OperacaoParticipacao operacao, TResponsavel *responsavel = nullptr)
    {
        TVinculo v(db.get());
        EXPECT_TRUE(v.Localizar(1, 1, Date::fromYmd(2010, 1, 4), kPis, kCnpj));
        return arvore->ValidarParticipacao(modo, v, operacao, responsavel);
    }
};

// Each case changes the basic link; interactive mode gives the first failing
// code, batch mode logs every failing rule in the order they run.
TEST_F(ParticipacaoTest, RulesTable)
{
    using Op = OperacaoParticipacao;
    struct Caso {
        const char *nome;
        std::vector<std::string> sql;
        const char *codigo;
        std::vector<int> registrados;
        Op operacao = Op::ParticiparEmpresa;
        const char *pagamento = "2018-03-06";
    };
    const char *flagged = "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S'";
    const char *origemN = "UPDATE SFGTBG06_INFORMACAO_RESCISAO SET IC_ORIGEM_SALDO_RESCISORIO = 'N'";
    const char *origemC = "UPDATE SFGTBG06_INFORMACAO_RESCISAO SET IC_ORIGEM_SALDO_RESCISORIO = 'C'";
    // a balance line recorded on the date, with a PIS in situation 2 and 9000.00 (10000.00 informed)
    const auto linha = [](const char *gravacao) {
        return std::string("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                        "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_EMPREGADO_ORBEL, "
                                        "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_PIS, VR_SALDO_RESCISORIO, "
                                        "DT_GRAVACAO_ARQUIVO, NU_SITUACAO_CONTA_EMPRESA) VALUES (1, 11222333000181, "
                                        "12034567899, 1, '2010-01-04', 1, 0, 2, 9000.00, '")
               + gravacao + "', 0)";
    };
    const char *mudanca = "INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                          "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, "
                          "NU_EMPREGADO_ORBEL_ALT_CDSTL) VALUES (1, 11222333000181, 12034567899, 1, '2010-01-04', "
                          "406, 'N', 1)";

    const std::vector<Caso> casos = {
        {"a consistent link", {}, "", {}},
        {"flagged but consistent: the flag is cleared", {flagged}, "", {}},
        {"flagged and inconsistent: its code alone",
         {flagged, "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET QT_HORAS_TRBS_SMNA = 0",
          "UPDATE SFGTBG06_INFORMACAO_RESCISAO SET DT_DISSIDIO = '2018-04-01'"},
         "0111", {111}},
        {"no movement open: nothing else is checked",
         {"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-06-01'"}, "0062", {62},
         Op::ParticiparEmpresa, nullptr},
        {"pending registration change", {linha("2018-03-01"), mudanca}, "0139", {139}},
        {"no informed value",
         {"UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_REMUNERACAO_ANTERIOR_RSCSO = NULL, VR_REMUNERACAO_RESCISAO = NULL, "
          "VR_SALDO_RESCISORIO = NULL"},
         "0225", {225}},
        {"pay date before the admission", {}, "0141", {141, 223}, Op::ParticiparEmpresa, "2009-12-31"},
        {"balance file 16 days old", {origemN, linha("2018-02-18")}, "0142", {142, 454}},
        {"balance file 15 days old", {origemN, linha("2018-02-19")}, "0454", {454}},
        {"old balance file, but the employer informed the balance", {linha("2018-02-18")}, "", {}},
        {"old balance file, but an I3 movement",
         {origemN, linha("2018-02-18"), "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET CO_MOVIMENTACAO = 'I3'"}, "", {}},
        {"balance differs when marking everyone", {origemC, linha("2018-03-01")}, "0454", {454},
         Op::ParticiparResponsavel},
        {"balance differs, one worker: no 0454", {origemC, linha("2018-03-01")}, "", {}, Op::Participar},
        {"balance differs, link already marked",
         {origemC, linha("2018-03-01"), "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 1"}, "", {}},
        {"balance equal",
         {origemC, linha("2018-03-01"), "UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_SALDO_RESCISORIO = 9000.00"}, "", {}},
        {"termination 31 days after the pay date",
         {"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-04-06'"}, "0223", {223}},
        {"termination 30 days after the pay date",
         {"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-04-05'"}, "", {}},
        {"agreement date after the pay date", {"UPDATE SFGTBG06_INFORMACAO_RESCISAO SET DT_DISSIDIO = '2018-03-07'"},
         "0420", {420}},
        {"several rules: interactive stops at the first, batch logs all",
         {linha("2018-03-01"), mudanca, "UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-06-01'",
          "UPDATE SFGTBG06_INFORMACAO_RESCISAO SET DT_DISSIDIO = '2018-04-01'"},
         "0139", {139, 223, 420}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        cenario(c.sql, c.pagamento);
        EXPECT_EQ(validar(ModoValidacao::Interativo, c.operacao), c.registrados.empty());
        EXPECT_EQ(arvore->CodigoMensagem.toStdString(), std::string(c.codigo));
        EXPECT_TRUE(codigosRegistrados().empty());  // interactive refusals are not logged

        cenario(c.sql, c.pagamento);
        EXPECT_EQ(validar(ModoValidacao::Lote, c.operacao), c.registrados.empty());
        EXPECT_EQ(codigosRegistrados(), c.registrados);
    }
}

TEST_F(ParticipacaoTest, TheFullValidationKeepsFlagStateAndIconTogether)
{
    // flagged but consistent: the flag is cleared in the database and the entry
    cenario({"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S'"});
    ASSERT_TRUE(vinculoNo(kPis).Inconsistente);
    EXPECT_TRUE(validar(ModoValidacao::Interativo, OperacaoParticipacao::Participar));
    EXPECT_EQ(valor(QStringLiteral("SELECT IC_VALIDACAO_VINCULO FROM SFGTBG04_VINCULO_EMPREGATICIO")), QStringLiteral("N"));
    EXPECT_FALSE(vinculoNo(kPis).Inconsistente);

    // inconsistent while marked: it leaves the movement, in the tree too
    cenario({"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S', IC_ESTADO_MOVIMENTO = 1, "
             "QT_HORAS_TRBS_SMNA = 0"});
    ASSERT_EQ(empresaNo().Icone, IconeArvore::EmpresaParticipando);
    EXPECT_FALSE(validar(ModoValidacao::Lote, OperacaoParticipacao::Simulacao));
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(vinculoNo(kPis).Estado, 0);
    EXPECT_EQ(vinculoNo(kPis).Icone, IconeArvore::Disponivel);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaDisponivel);
    EXPECT_EQ(gravador.eventos, QStringList({QStringLiteral("~JOAO DA SILVA:icon 3,state 0"),
                                             QStringLiteral("~EMPRESA MODELO LTDA:icon 1,state 0")}));
}

TEST_F(ParticipacaoTest, BatchRefusalNamesTheResponsiblePartyEmployerAndWorker)
{
    cenario({"UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-06-01'"});
    TResponsavel responsavel(db.get());
    ASSERT_TRUE(responsavel.CarregarResponsavel());
    EXPECT_FALSE(validar(ModoValidacao::Lote, OperacaoParticipacao::Fechamento, &responsavel));
    const auto rs = db->Abrir(QStringLiteral(
        "SELECT NU_MENSAGEM, NU_TIPO_INSCRICAO_RSPNL_INCNA, NU_INSCRICAO_RSPNL_INCNA, NO_RAZAO_SOCIAL_RSPNL_INCNA, "
        "NU_TIPO_INSCRICAO_EMPRESA, NU_INSCRICAO_EMPRESA, NO_RAZAO_SOCIAL, CO_PIS_INCONSISTENCIA, "
        "DT_ADMISSAO_INCONSISTENCIA, CO_CATEGORIA_INCONSISTENCIA, NO_EMPREGADO FROM SFGTBG18_INCONSISTENCIA_ARQUIVO"));
    ASSERT_EQ(rs->rowCount(), 1);
    QStringList campos;
    for (int i = 0; i < rs->columns().size(); ++i)
        campos << rs->field(i).toString().trimmed();
    campos[8] = FormatarData(QStringLiteral("dd/mm/yyyy"), rs->field(8).toDate());
    EXPECT_EQ(campos, QStringList({"223", "1", "33444555000181", "CONTABIL EXEMPLO LTDA", "1", "11222333000181",
                                   "EMPRESA MODELO LTDA", "12034567899", "04/01/2010", "1", "JOAO DA SILVA"}));

    EXPECT_THROW(arvore->RegistrarViolacao(ModoValidacao::Lote, nullptr, nullptr), ENegocio);
}

// ---------------------------------------------------------------------------
// Questions before marking

TEST_F(ParticipacaoTest, AlertsPerScope)
{
    enum Alvo { Raiz, Empresa, Ana, Bruno };
    struct Caso {
        const char *nome;
        std::function<void()> preparar;
        EscopoAlerta escopo;
        Alvo alvo;
        const char *codigo;
    };
    // ANA and BRUNO under kCnpj; each line: worker situation, employer situation
    const auto saldos = [this](int ana, int bruno, int empresa) {
        if (ana >= -1)
            saldo(1, kCnpj, kPis3, kAdm, 1, ana, empresa);
        if (bruno >= -1)
            saldo(1, kCnpj, kPis2, kAdm, 2, bruno, empresa);
    };
    const auto fechar = [this](qint64 pis) {
        exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 2 WHERE NU_PIS = %1").arg(pis));
    };
    const auto divergente = [this](const char *extra) {
        saldo(1, kCnpj, kPis3, kAdm, 1, 0, 0, 2, QStringLiteral("9000.00"));
        exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET IC_ORIGEM_SALDO_RESCISORIO = 'C'") + QLatin1String(extra));
    };
    const std::vector<Caso> casos = {
        {"worker without an account", [&] { saldos(3, 0, 0); }, EscopoAlerta::Trabalhador, Ana, "0418"},
        {"worker whose informed balance differs", [&] { divergente(""); }, EscopoAlerta::Trabalhador, Ana, "0435"},
        {"informed balance differs, agreement value informed",
         [&] { divergente(", VR_DISSIDIO = 10.00, DT_DISSIDIO = '2018-01-01'"); }, EscopoAlerta::Trabalhador, Ana, ""},
        {"worker with an account", [&] { saldos(0, 0, 0); }, EscopoAlerta::Trabalhador, Ana, ""},
        {"employer without an account", [&] { saldos(0, 0, 3); }, EscopoAlerta::Empresa, Empresa, "0415"},
        {"employer without an account, seen on the second link only", [&] { saldos(-2, 0, 3); },
         EscopoAlerta::Empresa, Empresa, "0415"},
        {"a worker of the employer without an account", [&] { saldos(0, 3, 0); }, EscopoAlerta::Empresa, Empresa, "0417"},
        {"a closed worker listed first stops the walk",
         [&] {
             saldos(0, 3, 0);
             fechar(kPis3);
         },
         EscopoAlerta::Empresa, Empresa, ""},
        {"employer situation unknown", [&] { saldos(-1, 3, -1); }, EscopoAlerta::Empresa, Empresa, ""},
        {"everyone: an open worker without an account", [&] { saldos(0, 3, 0); }, EscopoAlerta::Todos, Raiz, "0416"},
        {"everyone: only a closed one", [&] {
             saldos(0, 3, 0);
             fechar(kPis2);
         },
         EscopoAlerta::Todos, Raiz, ""},
        {"everyone: an employer without an account", [&] { saldos(0, 0, 3); }, EscopoAlerta::Todos, Raiz, "0416"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        apagarTudo();
        responsavel();
        empregador(1, kCnpj);
        trabalhador(kPis3, QStringLiteral("ANA LIMA"));
        trabalhador(kPis2, QStringLiteral("BRUNO COSTA"));
        vinculo(1, kCnpj, kPis3);
        vinculo(1, kCnpj, kPis2);
        c.preparar();
        abrirMovimento();
        TArvore &a = montar();
        const IdEntrada no = c.alvo == Raiz ? a.Entrada(0).Id
                           : c.alvo == Empresa ? empresaNo().Id
                           : c.alvo == Ana ? vinculoNo(kPis3).Id
                                           : vinculoNo(kPis2).Id;
        EXPECT_EQ(a.VerificarAlertas(no, c.escopo).toStdString(), std::string(c.codigo));
    }
}

// ---------------------------------------------------------------------------
// Marking, unmarking, closing, withdrawing

TEST_F(ParticipacaoTest, MarkingAndUnmarkingOneWorker)
{
    cenario({});
    TArvore &a = *arvore;
    const IdEntrada joao = vinculoNo(kPis).Id;

    EXPECT_EQ(a.ParticiparTrabalhador(joao, false), ResultadoParticipacao::Desistencia);
    EXPECT_EQ(estadoGravado(kPis), 0);

    EXPECT_EQ(a.ParticiparTrabalhador(joao), ResultadoParticipacao::Marcado);
    EXPECT_EQ(estadoGravado(kPis), 1);
    EXPECT_EQ(a.Buscar(joao)->Icone, IconeArvore::Participando);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaParticipando);
    EXPECT_EQ(a.ContarParticipantes(), 1);
    EXPECT_EQ(gravador.eventos, QStringList({QStringLiteral("~JOAO DA SILVA:icon 11,state 1"),
                                             QStringLiteral("~EMPRESA MODELO LTDA:icon 9,state 1")}));

    gravador.eventos.clear();
    a.DesmarcarTrabalhador(joao);
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(gravador.eventos, QStringList({QStringLiteral("~JOAO DA SILVA:icon 3,state 0"),
                                             QStringLiteral("~EMPRESA MODELO LTDA:icon 1,state 0")}));

    // no movement open: refused with 0062, nothing changes
    a.ExcluirAbertura();
    gravador.eventos.clear();
    EXPECT_EQ(a.ParticiparTrabalhador(joao), ResultadoParticipacao::Recusado);
    EXPECT_EQ(a.CodigoMensagem, QStringLiteral("0062"));
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_TRUE(gravador.eventos.isEmpty());
    EXPECT_EQ(a.ParticiparTrabalhador(empresaNo().Id), ResultadoParticipacao::NaoPermitido);
    EXPECT_THROW(a.DesmarcarTrabalhador(empresaNo().Id), ENegocio);
}

TEST_F(ParticipacaoTest, ClosedLinksAreNeverMarked)
{
    apagarTudo();
    responsavel();
    empregador(1, kCnpj);
    trabalhador(kPis);
    trabalhador(kPis2, QStringLiteral("MARIA SOUZA"));
    vinculo(1, kCnpj, kPis, 1, kAdm, 2);
    vinculo(1, kCnpj, kPis2, 1, kAdm, 3);
    abrirMovimento();
    TArvore &a = montar();
    const IdEntrada joao = vinculoNo(kPis).Id, maria = vinculoNo(kPis2).Id;

    EXPECT_EQ(a.ParticiparTrabalhador(joao), ResultadoParticipacao::NaoPermitido);
    EXPECT_EQ(a.ParticiparTrabalhador(maria), ResultadoParticipacao::NaoPermitido);
    EXPECT_TRUE(a.ParticiparEmpresa(empresaNo().Id, true));
    EXPECT_FALSE(a.ParticiparTodos(true));
    EXPECT_EQ(estadoGravado(kPis), 2);
    EXPECT_EQ(estadoGravado(kPis2), 3);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaFechada);
    EXPECT_TRUE(gravador.eventos.isEmpty());

    // the tree is behind the database: the stored state decides, and the entry follows
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 0 WHERE NU_PIS = %1").arg(kPis2));
    a.Carregar();
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 2 WHERE NU_PIS = %1").arg(kPis2));
    const IdEntrada m = vinculoNo(kPis2).Id;
    EXPECT_EQ(a.ParticiparTrabalhador(m), ResultadoParticipacao::NaoPermitido);
    EXPECT_EQ(estadoGravado(kPis2), 2);
    EXPECT_EQ(a.Buscar(m)->Icone, IconeArvore::Fechado);
}

TEST_F(ParticipacaoTest, MarkingAnEmployerAndEveryone)
{
    apagarTudo();
    responsavel();
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("ACME COMERCIO LTDA"));
    empregador(2, kCei, QStringLiteral("E"), 868, QStringLiteral("RESIDENCIA SOUZA"));
    trabalhador(kPis, QStringLiteral("JOAO DA SILVA"));
    trabalhador(kPis2, QStringLiteral("MARIA SOUZA"));
    trabalhador(kPis3, QStringLiteral("ANA LIMA"));
    trabalhador(kPis4, QStringLiteral("PEDRO ALVES"));
    vinculo(1, kCnpj, kPis);
    vinculo(1, kCnpj, kPis2);   // refused: terminated long after the pay date
    vinculo(1, kCnpj, kPis3);   // no account at the bank
    vinculo(1, kCnpj, kPis4, 1, kAdm, 1);  // already marked: checked again
    vinculo(2, kCei, kPis, 6);
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET DT_MOVIMENTACAO_VINCULO = '2018-06-01' WHERE NU_PIS = %1").arg(kPis2));
    saldo(1, kCnpj, kPis3, kAdm, 1, 3, 0);
    abrirMovimento();
    TArvore &a = montar();
    TResponsavel responsavel(db.get());
    responsavel.CarregarResponsavel();

    // the employer, leaving out the worker without an account
    EXPECT_FALSE(a.ParticiparEmpresa(empresaNo().Id, false, &responsavel));
    EXPECT_EQ(estadoGravado(kPis), 1);
    EXPECT_EQ(estadoGravado(kPis2), 0);
    EXPECT_EQ(estadoGravado(kPis3), 0);
    EXPECT_EQ(estadoGravado(kPis4), 1);
    EXPECT_EQ(codigosRegistrados(), std::vector<int>{223});
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaParticipando);
    EXPECT_EQ(vinculoNo(kPis3).Icone, IconeArvore::Disponivel);
    EXPECT_EQ(empresaNo(kCei, 2).Icone, IconeArvore::EmpresaDisponivel);  // a CEI is another employer

    // everyone, including the worker without an account
    a.LimparInconsistenciasFechamento();
    EXPECT_TRUE(a.ParticiparTodos(true, &responsavel));
    EXPECT_EQ(estadoGravado(kPis3), 1);
    EXPECT_EQ(estadoGravado(kPis, kAdm, kCei, 2), 1);
    EXPECT_EQ(empresaNo(kCei, 2).Icone, IconeArvore::EmpresaParticipando);
    EXPECT_EQ(codigosRegistrados(), std::vector<int>{223});
    EXPECT_EQ(a.ContarParticipantes(), 4);

    // unmarking everyone marked
    a.DesmarcarTodos({1});
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE IC_ESTADO_MOVIMENTO = 1")), 0);
    EXPECT_EQ(a.ContarParticipantes(), 0);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaDisponivel);
    EXPECT_EQ(empresaNo(kCei, 2).Icone, IconeArvore::EmpresaDisponivel);
}

TEST_F(ParticipacaoTest, ClosingAndWithdrawing)
{
    apagarTudo();
    responsavel();
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("ACME COMERCIO LTDA"));
    empregador(1, kCnpj + 1000, QStringLiteral("E"), 515, QStringLiteral("BETA SERVICOS LTDA"));
    trabalhador(kPis);
    trabalhador(kPis2, QStringLiteral("MARIA SOUZA"));
    trabalhador(kPis3, QStringLiteral("ANA LIMA"));
    vinculo(1, kCnpj, kPis, 1, kAdm, 1);
    vinculo(1, kCnpj, kPis2, 1, kAdm, 1);
    vinculo(1, kCnpj + 1000, kPis3, 1, kAdm, 1);
    vinculo(1, kCnpj + 1000, kPis2, 1, kAdm, 3);
    abrirMovimento();
    TArvore &a = montar();

    // closing: every marked link, then its employer from the entries
    for (qint64 pis : {kPis, kPis2}) {
        a.FecharTrabalhador(vinculoNo(pis).Id);
        a.RecalcularEmpresa(vinculoNo(pis).Id);
    }
    EXPECT_EQ(estadoGravado(kPis), 2);
    EXPECT_EQ(vinculoNo(kPis).Icone, IconeArvore::Fechado);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaFechada);
    EXPECT_EQ(a.ContarFilhosEmEstados(empresaNo().Id, {2, 3}), 2);

    // withdrawing an employer's closings: all its links available again
    a.DesmarcarEmpresa(empresaNo().Id, {2, 3});
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_INSCRICAO = %1 AND IC_ESTADO_MOVIMENTO = 0").arg(kCnpj)), 2);
    EXPECT_EQ(empresaNo().Icone, IconeArvore::EmpresaDisponivel);
    EXPECT_EQ(vinculoNo(kPis2).Icone, IconeArvore::Disponivel);

    // withdrawing the closings of an employer with a marked link: it stays marked
    a.DesmarcarEmpresa(empresaNo(kCnpj + 1000).Id, {2, 3});
    EXPECT_EQ(estadoGravado(kPis2, kAdm, kCnpj + 1000), 0);
    EXPECT_EQ(estadoGravado(kPis3, kAdm, kCnpj + 1000), 1);
    EXPECT_EQ(empresaNo(kCnpj + 1000).Icone, IconeArvore::EmpresaParticipando);

    // withdrawing everyone's
    a.FecharTrabalhador(vinculoNo(kPis).Id);
    a.DesmarcarTodos({2, 3});
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(a.ContarEmEstados({2, 3}), 0);
    EXPECT_EQ(estadoGravado(kPis3, kAdm, kCnpj + 1000), 1);

    // a processed guide, and the guide removed again
    const IdEntrada ana = vinculoNo(kPis3, kAdm, kCnpj + 1000).Id;
    a.DefinirEstadoTrabalhador(ana, 3);
    EXPECT_EQ(a.Buscar(ana)->Icone, IconeArvore::GuiaProcessada);
    a.DefinirEstadoTrabalhador(ana, 2);
    EXPECT_EQ(estadoGravado(kPis3, kAdm, kCnpj + 1000), 2);
    EXPECT_THROW(a.DefinirEstadoTrabalhador(ana, 4), ENegocio);
}

} // namespace
