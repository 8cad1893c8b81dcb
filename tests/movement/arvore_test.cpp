// Building the participation tree from the database, the employer summary, and
// keeping the entry list in order while nodes come and go.

#include "arvore_fixture.h"

#include "core/errors.h"

using namespace tolv;
using namespace tolv::test;

namespace {

const QString kAdm1 = QStringLiteral("2010-01-04");
const QString kAdm2 = QStringLiteral("2012-05-02");

// One line per entry: level, kind, text, state, icon, account situation and the
// inconsistent flag.
QStringList Descrever(const TArvore &a)
{
    QStringList out;
    for (const TRecArvore &e : a.Entradas())
        out << QStringLiteral("%1%2 %3 s%4 i%5 c%6%7")
                   .arg(QString(e.Nivel() * 2, QLatin1Char(' ')))
                   .arg(QLatin1Char(e.Tipo))
                   .arg(e.Texto)
                   .arg(e.Estado)
                   .arg(int(e.Icone))
                   .arg(e.SituacaoConta)
                   .arg(e.Inconsistente ? QStringLiteral(" !") : QString());
    return out;
}

class MontagemTest : public ArvoreTest {
protected:
    // The responsible party is also an employer (shown twice); a worker with two
    // links whose balance lines interleave by situation; two workers with one
    // name; a link with two balance lines, one with a pending change; a CEI and a
    // CNPJ with one number and one name; JOAO works for two employers.
    void mundo()
    {
        empregador(1, kCnpj2, QStringLiteral("A"), 515, QStringLiteral("CONTABIL EXEMPLO LTDA"));
        empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("ACME COMERCIO LTDA"));
        empregador(2, kCei, QStringLiteral("E"), 868, QStringLiteral("IRMAOS SOUZA"));
        empregador(1, kCei, QStringLiteral("E"), 515, QStringLiteral("IRMAOS SOUZA"));
        trabalhador(kPis, QStringLiteral("JOAO DA SILVA"));
        trabalhador(kPis2, QStringLiteral("MARIA SOUZA"));
        trabalhador(kPis4, QStringLiteral("MARIA SOUZA"));
        trabalhador(kPis3, QStringLiteral("ANA LIMA"));
        trabalhador(kPis5, QStringLiteral("PEDRO ALVES"));

        vinculo(1, kCnpj2, kPis3);
        vinculo(1, kCnpj, kPis, 1, kAdm1, 1);
        vinculo(1, kCnpj, kPis, 1, kAdm2);
        vinculo(1, kCnpj, kPis2);
        vinculo(1, kCnpj, kPis4);
        vinculo(2, kCei, kPis, 6, kAdm1, 2);
        vinculo(1, kCei, kPis5, 1, kAdm1, 3);
        exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_VALIDACAO_VINCULO = 'S' WHERE NU_PIS = %1").arg(kPis4));

        saldo(1, kCnpj, kPis, kAdm1, 1, 0, 0);
        saldo(1, kCnpj, kPis, kAdm1, 2, 1, 0);
        saldo(1, kCnpj, kPis, kAdm2, 3, 0, 0);
        saldo(1, kCnpj, kPis, kAdm2, 4, 1, 0);
        saldo(1, kCnpj, kPis2, kAdm1, 5, 0, 0);
        saldo(1, kCnpj, kPis2, kAdm1, 6, 2, 0);
        saldo(1, kCnpj, kPis4, kAdm1, 7, 0, 0);
        saldo(1, kCnpj, kPis4, kAdm1, 8, 2, 0);
        alteracao(1, kCnpj, kPis, kAdm1, 2);
    }
};

TEST_F(MontagemTest, OneNodePerLinkAndEmployersKeptApartByTypeAndInscription)
{
    mundo();
    TArvore &a = montar();
    EXPECT_EQ(Descrever(a), QStringList({
                                "A CONTABIL EXEMPLO LTDA s0 i0 c-1",
                                "  E ACME COMERCIO LTDA s1 i9 c0",
                                "    F JOAO DA SILVA s1 i11 c0",
                                "      C NOME NA ORBEL 2 s0 i16 c1",
                                "    F JOAO DA SILVA s0 i3 c0",
                                "    F MARIA SOUZA s0 i3 c0 !",
                                "    F MARIA SOUZA s0 i3 c0",
                                "  A CONTABIL EXEMPLO LTDA s0 i1 c-1",
                                "    F ANA LIMA s0 i3 c-1",
                                "  E IRMAOS SOUZA s2 i24 c-1",
                                "    F PEDRO ALVES s3 i25 c-1",
                                "  E IRMAOS SOUZA s2 i24 c-1",
                                "    F JOAO DA SILVA s2 i23 c-1",
                            }));
    EXPECT_TRUE(OrdemValida(a));
    EXPECT_EQ(a.Entrada(0).Tipo, 'A');
    EXPECT_EQ(a.Entrada(9).TipoInscricao, 1);   // CNPJ before CEI
    EXPECT_EQ(a.Entrada(11).TipoInscricao, 2);
    EXPECT_EQ(a.Entrada(12).Categoria, 6);
    EXPECT_EQ(a.LinhasCarregadas(), 19);  // 4 employers, 7 links, 8 balance lines
    EXPECT_EQ(a.Entrada(5).Pis, kPis4);
    EXPECT_EQ(a.Entrada(6).Pis, kPis2);

    // the summary built from the rows is the one the stored links give
    for (const TRecArvore &e : a.Entradas()) {
        if (e.EhEmpresa()) {
            EXPECT_EQ(e.Estado, a.EstadoEmpresaBase(e.TipoInscricao, e.Inscricao)) << e.Texto.toStdString();
        }
    }

    // counting goes by type and inscription too
    EXPECT_EQ(a.ContarFilhos(a.Entrada(9).Id), 1);
    EXPECT_EQ(a.ContarFilhos(a.Entrada(1).Id), 5);  // four links and a change
    EXPECT_EQ(a.ContarFilhosEmEstados(a.Entrada(1).Id, {0}), 4);
    EXPECT_EQ(a.ContarEmEstados({2, 3}), 2);
    EXPECT_EQ(a.ContarEmEstados({0}, true), 1);
    EXPECT_EQ(a.ContarParticipantes(), 1);
    EXPECT_EQ(a.Quantidade(), 13);
}

TEST_F(MontagemTest, ResponsiblePartyAloneAndFailures)
{
    TArvore vazia(db.get());
    Gravador g;
    vazia.AdicionarObservador(&g);
    EXPECT_FALSE(vazia.Carregar());  // empty database
    EXPECT_EQ(vazia.Quantidade(), 0);
    EXPECT_EQ(g.eventos, QStringList{QStringLiteral("reset")});
    EXPECT_THROW(vazia.Primeiro(), ENegocio);
    EXPECT_THROW(vazia.ParticiparTodos(true), ENegocio);
    EXPECT_THROW(vazia.DesmarcarTodos({1}), ENegocio);

    cenarioBasico();
    EXPECT_FALSE(vazia.Carregar());  // employers but no responsible party
    EXPECT_EQ(vazia.Quantidade(), 0);

    responsavel();
    empregador(2, kCei, QStringLiteral("E"), 868, QStringLiteral("SEM VINCULOS"));
    TArvore &a = montar();
    EXPECT_EQ(Descrever(a), QStringList({
                                "R CONTABIL EXEMPLO LTDA s0 i0 c-1",
                                "  E EMPRESA MODELO LTDA s0 i1 c-1",
                                "    F JOAO DA SILVA s0 i3 c-1",
                                "  E SEM VINCULOS s0 i1 c-1",
                            }));
    EXPECT_TRUE(OrdemValida(a));
}

TEST_F(MontagemTest, NavigationAndLookups)
{
    mundo();
    TArvore &a = montar();
    a.Primeiro();
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(0).Id);
    int n = 1;
    while (a.Proximo())
        ++n;
    EXPECT_EQ(n, a.Quantidade());
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(12).Id);  // the last one stays current

    ASSERT_TRUE(a.LocalizarEmpresa(2, kCei));
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(11).Id);
    ASSERT_TRUE(a.LocalizarEmpresa(1, kCei));
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(9).Id);
    ASSERT_TRUE(a.LocalizarEmpresa(1, kCnpj2));
    EXPECT_EQ(a.RegAtual().Nivel(), 1);  // the employer twin, not the root
    EXPECT_FALSE(a.LocalizarEmpresa(2, kCnpj));

    ASSERT_TRUE(a.LocalizarPrimeiroTrabalhador(2, kCei));
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(12).Id);
    EXPECT_FALSE(a.LocalizarPrimeiroTrabalhador(1, kCei + 1));

    const ChaveVinculo joao{1, kCnpj, kPis, 1, Date::fromYmd(2010, 1, 4)};
    ASSERT_TRUE(a.LocalizarVinculo(joao, 'C'));
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(3).Id);
    ASSERT_TRUE(a.LocalizarVinculo(joao, 'F'));
    EXPECT_EQ(a.RegAtual().Id, a.Entrada(2).Id);
    EXPECT_FALSE(a.LocalizarVinculo({1, kCnpj, kPis, 1, Date::fromYmd(2012, 5, 2)}, 'C'));
    EXPECT_EQ(a.NomeEmpresaAtual(), QStringLiteral("ACME COMERCIO LTDA"));
    EXPECT_EQ(a.NomeTrabalhadorAtual(), QStringLiteral("JOAO DA SILVA"));

    ASSERT_TRUE(a.SelecionarNo(a.Entrada(0).Id));
    EXPECT_EQ(a.NomeTrabalhadorAtual(), QString());  // PIS 0
    EXPECT_FALSE(a.SelecionarNo(987654321));
    EXPECT_EQ(a.PosicaoEmpresa(a.Entrada(3).Id), 1);  // from a change up to its employer
    EXPECT_EQ(a.PosicaoEmpresa(a.Entrada(0).Id), -1);
}

// The summary from the stored states and from the entries differ only where a
// pending change entry counts as an available link.
TEST_F(MontagemTest, EmployerSummaryFromTheDatabaseAndFromTheEntries)
{
    struct Caso {
        const char *nome;
        std::vector<int> estados;
        bool alteracaoPendente;
        int base, entradas;
    };
    const Caso casos[] = {
        {"no link", {}, false, 0, 0},
        {"all available", {0, 0}, false, 0, 0},
        {"one marked", {0, 1}, false, 1, 1},
        {"all closed", {2, 3}, false, 2, 2},
        {"all closed with a pending change", {2, 3}, true, 2, 0},
        {"marked and closed with a pending change", {2, 1}, true, 1, 1},
        {"available and closed", {0, 2}, false, 0, 0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        apagarTudo();
        responsavel();
        empregador(1, kCnpj);
        trabalhador(kPis);
        for (size_t i = 0; i < c.estados.size(); ++i)
            vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-0%1").arg(i + 4), c.estados[i]);
        if (c.alteracaoPendente) {
            saldo(1, kCnpj, kPis, kAdm1, 1, 0, 0);
            alteracao(1, kCnpj, kPis, kAdm1, 1);
        }
        TArvore &a = montar();
        const TRecArvore empresa = empresaNo();
        EXPECT_EQ(a.EstadoEmpresaBase(1, kCnpj), c.base);
        EXPECT_EQ(empresa.Estado, c.base);
        a.RecalcularEmpresa(a.Entrada(a.Quantidade() - 1).Id);  // from any entry of the employer
        EXPECT_EQ(a.Buscar(empresa.Id)->Estado, c.entradas);
        EXPECT_EQ(a.Buscar(empresa.Id)->Icone, IconeEmpresa(c.entradas));
    }
}

// ---------------------------------------------------------------------------
// Maintenance after the registration screens save

TEST_F(MontagemTest, NewLinksGoAfterTheirEmployersBlock)
{
    mundo();
    TArvore &a = montar();
    const IdEntrada acme = a.Entrada(1).Id;
    const IdEntrada ana = a.Entrada(8).Id;

    TRecArvore novo;
    novo.Tipo = 'F';
    novo.Pis = kPis;
    novo.Categoria = 1;
    novo.Admissao = Date::fromYmd(2015, 1, 5);
    novo.Texto = QStringLiteral("JOAO DA SILVA SOBRINHO");
    const IdEntrada id = a.IncluirNo(acme, novo);
    EXPECT_EQ(a.Posicao(id), 7);  // after MARIA SOUZA, before the next employer
    EXPECT_TRUE(OrdemValida(a));
    EXPECT_EQ(a.Buscar(id)->Inscricao, kCnpj);
    EXPECT_EQ(a.Buscar(id)->Icone, IconeArvore::Disponivel);
    EXPECT_EQ(a.Posicao(ana), 9);  // ids survive the shift
    // every link of the PIS shows the new name; the bank's name on the change stays
    for (const TRecArvore &e : a.Entradas()) {
        if (e.EhVinculo() && e.Pis == kPis) {
            EXPECT_EQ(e.Texto, novo.Texto);
        }
    }
    EXPECT_EQ(a.Entrada(3).Texto, QStringLiteral("NOME NA ORBEL 2"));
    EXPECT_EQ(gravador.eventos.first(), QStringLiteral("+JOAO DA SILVA SOBRINHO@7"));
    EXPECT_EQ(gravador.eventos.count(QStringLiteral("~JOAO DA SILVA SOBRINHO:text")), 3);

    // a change goes after the link's other changes
    TRecArvore mudanca;
    mudanca.Tipo = 'C';
    mudanca.Texto = QStringLiteral("OUTRO NOME");
    const IdEntrada c = a.IncluirNo(a.Entrada(2).Id, mudanca);
    EXPECT_EQ(a.Posicao(c), 4);
    EXPECT_TRUE(OrdemValida(a));
    ASSERT_TRUE(a.LocalizarVinculo(a.Entrada(2).Chave(), 'C'));

    // a new employer goes last; a new link under a fully closed one reopens it
    TRecArvore empresa;
    empresa.Tipo = 'E';
    empresa.TipoInscricao = 2;
    empresa.Inscricao = kCei + 1000;
    empresa.Texto = QStringLiteral("ZETA OBRAS");
    const IdEntrada zeta = a.IncluirNo(a.Entrada(0).Id, empresa);
    EXPECT_EQ(a.Posicao(zeta), a.Quantidade() - 1);
    EXPECT_THROW(a.IncluirNo(a.Entrada(0).Id, empresa), ENegocio);  // already there

    const IdEntrada irmaos = a.Entrada(a.Posicao(zeta) - 2).Id;
    ASSERT_EQ(a.Buscar(irmaos)->Icone, IconeArvore::EmpresaFechada);
    novo.Texto = QStringLiteral("NOVO NOME");
    novo.Pis = kPis6;
    a.IncluirNo(irmaos, novo);
    EXPECT_EQ(a.Buscar(irmaos)->Icone, IconeArvore::EmpresaDisponivel);
    EXPECT_TRUE(OrdemValida(a));

    // nodes that do not fit
    EXPECT_THROW(a.IncluirNo(SemEntrada, empresa), ENegocio);   // a second root
    EXPECT_THROW(a.IncluirNo(acme, empresa), ENegocio);         // an employer under an employer
    EXPECT_THROW(a.IncluirNo(c, mudanca), ENegocio);            // below a change
    EXPECT_THROW(a.IncluirNo(987654, novo), ENegocio);          // no such parent
}

TEST_F(MontagemTest, RemovingNodesTakesTheirDescendants)
{
    mundo();
    TArvore &a = montar();
    const IdEntrada joao = a.Entrada(2).Id;
    const IdEntrada ana = a.Entrada(8).Id;
    a.SelecionarNo(a.Entrada(3).Id);

    // the marked link with its change: the employer has no marked link left
    a.ExcluirNo(joao);
    EXPECT_EQ(gravador.eventos, QStringList({QStringLiteral("-NOME NA ORBEL 2"), QStringLiteral("-JOAO DA SILVA"),
                                             QStringLiteral("~ACME COMERCIO LTDA:icon 1,state 0")}));
    EXPECT_EQ(a.Quantidade(), 11);
    EXPECT_EQ(a.Atual(), SemEntrada);  // the current entry went with it
    EXPECT_FALSE(a.LocalizarVinculo({1, kCnpj, kPis, 1, Date::fromYmd(2010, 1, 4)}, 'C'));
    EXPECT_TRUE(OrdemValida(a));

    // an employer with its links
    gravador.eventos.clear();
    a.ExcluirNo(a.Entrada(1).Id);
    EXPECT_EQ(gravador.eventos, QStringList({QStringLiteral("-MARIA SOUZA"), QStringLiteral("-MARIA SOUZA"),
                                             QStringLiteral("-JOAO DA SILVA"), QStringLiteral("-ACME COMERCIO LTDA")}));
    EXPECT_EQ(a.Posicao(ana), 2);
    EXPECT_TRUE(OrdemValida(a));
    EXPECT_THROW(a.ExcluirNo(a.Entrada(0).Id), ENegocio);

    // a change alone: the employer is recomputed without it
    apagarTudo();
    responsavel();
    empregador(1, kCnpj);
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis, 1, kAdm1, 2);
    saldo(1, kCnpj, kPis, kAdm1, 1, 0, 0);
    alteracao(1, kCnpj, kPis, kAdm1, 1);
    TArvore &b = montar();
    b.RecalcularEmpresa(b.Entrada(1).Id);
    ASSERT_EQ(b.Entrada(1).Estado, 0);
    b.ExcluirNo(b.Entrada(3).Id);
    EXPECT_EQ(b.Entrada(1).Icone, IconeArvore::EmpresaFechada);
}

TEST_F(MontagemTest, RenamingAndNewInscriptions)
{
    mundo();
    TArvore &a = montar();
    // the responsible party that is also an employer is shown twice: either name shows on both
    a.RenomearNo(a.Entrada(0).Id, QStringLiteral("CONTABIL NOVA"));
    EXPECT_EQ(a.Entrada(7).Texto, QStringLiteral("CONTABIL NOVA"));
    a.RenomearNo(a.Entrada(7).Id, QStringLiteral("CONTABIL NOVISSIMA"));
    EXPECT_EQ(a.Entrada(0).Texto, QStringLiteral("CONTABIL NOVISSIMA"));
    // a worker's name shows on every link, in every employer
    a.RenomearNo(a.Entrada(12).Id, QStringLiteral("JOAO SILVA"));
    EXPECT_EQ(a.Entrada(2).Texto, QStringLiteral("JOAO SILVA"));
    EXPECT_EQ(a.Entrada(4).Texto, QStringLiteral("JOAO SILVA"));
    EXPECT_EQ(a.Entrada(3).Texto, QStringLiteral("NOME NA ORBEL 2"));
    EXPECT_EQ(a.Entrada(1).Texto, QStringLiteral("ACME COMERCIO LTDA"));

    // an employer's new inscription reaches its links, and the root for "A"
    a.AlterarInscricaoEmpresa(a.Entrada(7).Id, 2, kCei + 7);
    EXPECT_EQ(a.Entrada(0).Inscricao, kCei + 7);
    EXPECT_EQ(a.Entrada(8).Inscricao, kCei + 7);
    EXPECT_TRUE(a.LocalizarVinculo({2, kCei + 7, kPis3, 1, Date::fromYmd(2010, 1, 4)}));
    EXPECT_TRUE(a.LocalizarEmpresa(2, kCei + 7));
    EXPECT_FALSE(a.LocalizarEmpresa(1, kCnpj2));
    EXPECT_TRUE(OrdemValida(a));

    // the root goes back to a responsible party only
    a.AlterarRaiz({1, kCnpj2, QStringLiteral("R")});
    EXPECT_EQ(a.Raiz().Tipo, QStringLiteral("R"));
    EXPECT_EQ(a.Raiz().Inscricao, kCnpj2);
}

TEST_F(MontagemTest, OpeningAndClosingTheMovement)
{
    cenarioBasico();
    responsavel();
    abrirMovimento(QStringLiteral("2018-03-06"));
    TArvore &a = montar();
    EXPECT_EQ(ConfiguracaoGlobal().DataPagamento, Date::fromYmd(2018, 3, 6));

    // a rebuild reads the pay date again and makes the root current
    exec(QStringLiteral("UPDATE SFGTBG01_ABERTURA_RECOLHIMENTO SET DT_PAGAMENTO = '2018-03-07'"));
    ASSERT_TRUE(a.Recarregar());
    EXPECT_EQ(ConfiguracaoGlobal().DataPagamento, Date::fromYmd(2018, 3, 7));
    EXPECT_EQ(a.Atual(), a.Entrada(0).Id);

    a.ExcluirAbertura();
    EXPECT_TRUE(ConfiguracaoGlobal().DataPagamento.isNull());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG01_ABERTURA_RECOLHIMENTO")), 0);
    EXPECT_TRUE(a.DataPagamentoMovimento().isNull());
}

} // namespace
