// The tree model: rows follow every change of the tree in alphabetical order of
// their text, pass the toolkit's model checks, and 100,000 links show in well
// under a second.

#include "registration/cadastro_fixture.h"

#include "ui/modelo_arvore.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

class ModeloArvoreTest : public CadastroTest {
protected:
    std::unique_ptr<TArvore> arvore;

    void responsavel() { empregador(1, kCnpj2, QStringLiteral("R"), 515, QStringLiteral("CONTABIL EXEMPLO LTDA")); }

    TArvore &montar()
    {
        arvore = std::make_unique<TArvore>(db.get());
        EXPECT_TRUE(arvore->Carregar());
        return *arvore;
    }

    // The texts of the children of `pai`, in row order.
    static QStringList Filhos(const QAbstractItemModel &m, const QModelIndex &pai = {})
    {
        QStringList l;
        for (int i = 0; i < m.rowCount(pai); ++i)
            l << m.index(i, 0, pai).data().toString();
        return l;
    }

    static QModelIndex Filho(const QAbstractItemModel &m, const QModelIndex &pai, const QString &texto)
    {
        for (int i = 0; i < m.rowCount(pai); ++i)
            if (m.index(i, 0, pai).data().toString() == texto)
                return m.index(i, 0, pai);
        return {};
    }
};

TEST_F(ModeloArvoreTest, RowsFollowTheTreeInAlphabeticalOrder)
{
    responsavel();
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("MODELO LTDA"));
    empregador(2, kCei, QStringLiteral("E"), 515, QStringLiteral("BETA SERVICOS"));
    trabalhador(kPis, QStringLiteral("PEDRO ROCHA"));
    trabalhador(kPis2, QStringLiteral("ANA LIMA"));
    vinculo(1, kCnpj, kPis);
    vinculo(1, kCnpj, kPis2);
    montar();

    ModeloArvore modelo(arvore.get());
    QAbstractItemModelTester conferencia(&modelo, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(Filhos(modelo), QStringList{QStringLiteral("CONTABIL EXEMPLO LTDA")});
    const QModelIndex raiz = modelo.index(0, 0);
    EXPECT_EQ(raiz.data(PapelIcone).toInt(), int(IconeArvore::Raiz));
    EXPECT_EQ(raiz.data(PapelNivel).toInt(), 0);
    EXPECT_EQ(ModeloArvore::IdDe(raiz), arvore->Entrada(0).Id);
    EXPECT_EQ(Filhos(modelo, raiz), (QStringList{"BETA SERVICOS", "MODELO LTDA"}));
    const QModelIndex modelo1 = Filho(modelo, raiz, QStringLiteral("MODELO LTDA"));
    EXPECT_EQ(Filhos(modelo, modelo1), (QStringList{"ANA LIMA", "PEDRO ROCHA"}));
    EXPECT_EQ(modelo.index(0, 0, modelo1).data(PapelIcone).toInt(), int(IconeArvore::Disponivel));
    EXPECT_FALSE(modelo.index(0, 0, modelo1).data(Qt::DecorationRole).value<QIcon>().isNull());

    // The entry list appends; the rows keep their order.
    TRecArvore nova;
    nova.Tipo = 'E';
    nova.TipoInscricao = 1;
    nova.Inscricao = 44555666000172;
    nova.Texto = QStringLiteral("ÁGUA LIMPA LTDA");
    const IdEntrada agua = arvore->IncluirNo(arvore->Entrada(0).Id, nova);
    nova.Inscricao = 44555666000253;
    nova.Texto = QStringLiteral("AGUA BOA LTDA");
    arvore->IncluirNo(arvore->Entrada(0).Id, nova);
    EXPECT_EQ(Filhos(modelo, raiz), (QStringList{"AGUA BOA LTDA", "ÁGUA LIMPA LTDA", "BETA SERVICOS", "MODELO LTDA"}))
        << "an accent does not send a name to the end";

    // A new name moves the row; a persistent index follows it.
    const QPersistentModelIndex seguido = modelo.IndiceDe(agua);
    arvore->RenomearNo(agua, QStringLiteral("ZULU LTDA"));
    EXPECT_EQ(Filhos(modelo, raiz), (QStringList{"AGUA BOA LTDA", "BETA SERVICOS", "MODELO LTDA", "ZULU LTDA"}));
    EXPECT_EQ(seguido.data().toString(), QStringLiteral("ZULU LTDA"));
    EXPECT_EQ(ModeloArvore::IdDe(seguido), agua);

    // A state change repaints the row with its new picture.
    QSignalSpy alterados(&modelo, &QAbstractItemModel::dataChanged);
    arvore->LocalizarVinculo({1, kCnpj, kPis2, 1, Date::fromYmd(2010, 1, 4)});
    const IdEntrada ana = arvore->Atual();
    arvore->DefinirEstadoTrabalhador(ana, 2);
    EXPECT_GE(alterados.size(), 1);
    EXPECT_EQ(modelo.IndiceDe(ana).data(PapelIcone).toInt(), int(IconeArvore::Fechado));

    // A worker added under an employer takes its place among its siblings.
    TRecArvore f;
    f.Tipo = 'F';
    f.Pis = kPis3;
    f.Categoria = 1;
    f.Admissao = Date::fromYmd(2015, 2, 2);
    f.Texto = QStringLiteral("MARIA SOUZA");
    const IdEntrada maria = arvore->IncluirNo(ModeloArvore::IdDe(modelo1), f);
    EXPECT_EQ(Filhos(modelo, modelo1), (QStringList{"ANA LIMA", "MARIA SOUZA", "PEDRO ROCHA"}));

    arvore->ExcluirNo(maria);
    EXPECT_EQ(Filhos(modelo, modelo1), (QStringList{"ANA LIMA", "PEDRO ROCHA"}));
    EXPECT_FALSE(modelo.IndiceDe(maria).isValid());

    // Removing an employer takes its links along.
    const IdEntrada modeloId = ModeloArvore::IdDe(modelo1);
    arvore->ExcluirNo(modeloId);
    EXPECT_EQ(Filhos(modelo, raiz), (QStringList{"AGUA BOA LTDA", "BETA SERVICOS", "ZULU LTDA"}));
    EXPECT_FALSE(modelo.IndiceDe(ana).isValid());

    // A rebuild reads the stored registration again.
    QSignalSpy reiniciado(&modelo, &QAbstractItemModel::modelReset);
    arvore->Carregar();
    EXPECT_EQ(reiniciado.size(), 1);
    EXPECT_EQ(Filhos(modelo, modelo.index(0, 0)), (QStringList{"BETA SERVICOS", "MODELO LTDA"}));
}

// While suspended the model keeps what it showed and ignores the tree; resuming
// reads the tree afresh.
TEST_F(ModeloArvoreTest, ASuspendedModelCatchesUpWhenResumed)
{
    responsavel();
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("MODELO LTDA"));
    montar();
    ModeloArvore modelo(arvore.get());
    QAbstractItemModelTester conferencia(&modelo, QAbstractItemModelTester::FailureReportingMode::Fatal);
    modelo.Suspender();
    empregador(2, kCei, QStringLiteral("E"), 515, QStringLiteral("BETA SERVICOS"));
    arvore->Carregar();
    EXPECT_EQ(Filhos(modelo, modelo.index(0, 0)), QStringList{QStringLiteral("MODELO LTDA")});
    modelo.Retomar();
    EXPECT_EQ(Filhos(modelo, modelo.index(0, 0)), (QStringList{"BETA SERVICOS", "MODELO LTDA"}));
    // following the tree again
    arvore->ExcluirNo(ModeloArvore::IdDe(modelo.index(0, 0, modelo.index(0, 0))));
    EXPECT_EQ(Filhos(modelo, modelo.index(0, 0)), QStringList{QStringLiteral("MODELO LTDA")});
}

// 1,000 employers of 100 links each, every hundredth link with a pending change.
TEST_F(ModeloArvoreTest, AHundredThousandLinksShowInUnderASecond)
{
    const QString d = QStringLiteral(
        "WITH RECURSIVE D (N) AS (SELECT 0 FROM RDB$DATABASE UNION ALL SELECT N + 1 FROM D WHERE N < 999) ");
    const QString k = QStringLiteral("SELECT A.N * 1000 + B.N AS K FROM D A CROSS JOIN D B WHERE A.N < 100");
    db->IniciarTransacao();
    responsavel();
    exec(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NO_RAZAO_SOCIAL, "
                        "IC_ESTADO_EMPRESA) ")
         + d + QStringLiteral("SELECT 1, 10000000000000 + N, 'EMPREGADOR ' || LPAD(MOD(N * 7919, 1000), 4, '0'), 'E' FROM D"));
    exec(QStringLiteral("INSERT INTO SFGTBG03_EMPREGADO (NU_PIS, NO_EMPREGADO) ") + d
         + QStringLiteral("SELECT 10000000000 + K, 'TRABALHADOR ' || LPAD(MOD(K * 7919, 100000), 6, '0') FROM (") + k
         + QLatin1Char(')'));
    exec(QStringLiteral("INSERT INTO SFGTBG04_VINCULO_EMPREGATICIO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                        "NU_CATEGORIA, DT_ADMISSAO_VINCULO, IC_ESTADO_MOVIMENTO, IC_VALIDACAO_VINCULO) ")
         + d
         + QStringLiteral("SELECT 1, 10000000000000 + MOD(K, 1000), 10000000000 + K, 1, "
                          "DATEADD(MOD(K, 3000) DAY TO DATE '2005-01-03'), MOD(K / 1000, 4), 'N' FROM (")
         + k + QLatin1Char(')'));
    exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                        "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, "
                        "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_CONTA_EMPRESA) SELECT NU_TIPO_INSO_EMPRA, "
                        "NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, 'NOME NA ORBEL', 1, 0, 0 "
                        "FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE MOD(NU_PIS, 100) = 0"));
    exec(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                        "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, "
                        "NU_EMPREGADO_ORBEL_ALT_CDSTL) SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                        "NU_CATEGORIA, DT_ADMISSAO_VINCULO, 406, 'N', 1 FROM SFGTBG04_VINCULO_EMPREGATICIO "
                        "WHERE MOD(NU_PIS, 100) = 0"));
    db->Commit();

    arvore = std::make_unique<TArvore>(db.get());
    QElapsedTimer relogio;
    relogio.start();
    ASSERT_TRUE(arvore->Carregar());
    const qint64 carga = relogio.restart();
    ASSERT_EQ(arvore->Quantidade(), 1 + 1000 + 100000 + 1000);

    QTreeView tv;
    tv.setUniformRowHeights(true);
    tv.setHeaderHidden(true);
    tv.resize(300, 500);
    ModeloArvore modelo(arvore.get());
    tv.setModel(&modelo);
    tv.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tv));
    tv.expandAll();
    tv.scrollToBottom();
    QCoreApplication::processEvents();
    tv.repaint();
    const qint64 exibicao = relogio.elapsed();
    std::printf("tree of 100,000 links: build %lld ms, model and view %lld ms\n", carga, exibicao);
    EXPECT_LT(exibicao, 1000);
    EXPECT_EQ(modelo.rowCount(modelo.index(0, 0)), 1000);

    // Marking every link of one employer repaints rows, nothing more.
    relogio.restart();
    const QModelIndex primeira = modelo.index(0, 0, modelo.index(0, 0));
    for (int i = 0; i < modelo.rowCount(primeira); ++i) {
        const IdEntrada id = ModeloArvore::IdDe(modelo.index(i, 0, primeira));
        if (arvore->Buscar(id)->EhVinculo())
            arvore->DefinirEstadoTrabalhador(id, 1);
    }
    EXPECT_LT(relogio.elapsed(), 2000);
}

} // namespace
