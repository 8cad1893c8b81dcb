#include "core/atualizacao_versao.h"
#include "core/formatos.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

const QStringList kNovas205 = {
    QStringLiteral("001115"), QStringLiteral("002212"), QStringLiteral("002239"), QStringLiteral("005135"),
    QStringLiteral("005136"), QStringLiteral("005143"), QStringLiteral("005153"),
};

class AtualizacaoTest : public ::testing::Test {
protected:
    void SetUp() override { db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))); }

    // Makes the fresh database look like one of an older version: the rows the
    // later steps add are not there yet.
    void voltarPara(const QString &versao, bool manterOcupacoes = false)
    {
        db->Executar(QStringLiteral("UPDATE SFGTBT22_PARAMETRO_SISTEMA SET CO_VERSAO_SISTEMA = '%1'").arg(versao));
        if (!manterOcupacoes) {
            db->Executar(QStringLiteral("DELETE FROM SFGTBT05_OCUPACAO_NIVEL_4 WHERE CO_CBO IN ('%1')")
                             .arg(kNovas205.join(QStringLiteral("','"))));
            db->Executar(QStringLiteral("UPDATE SFGTBT05_OCUPACAO_NIVEL_4 SET DE_OCUPACAO = 'Fonoaudiólogos antigos' "
                                        "WHERE CO_CBO = '002238'"));
        }
    }

    int ocupacoesNovas()
    {
        return db->Abrir(QStringLiteral("SELECT COUNT(*) FROM SFGTBT05_OCUPACAO_NIVEL_4 WHERE CO_CBO IN ('%1')")
                             .arg(kNovas205.join(QStringLiteral("','"))))
            ->field(0).toInt();
    }

    QString descricao2238()
    {
        return db->Abrir(QStringLiteral("SELECT DE_OCUPACAO FROM SFGTBT05_OCUPACAO_NIVEL_4 WHERE CO_CBO = '002238'"))
            ->field(0).toString();
    }

    // name -> "UPDATE_RULE/DELETE_RULE" for the four constraints of the approval tables
    QMap<QString, QString> chavesHmlgo()
    {
        const auto rs = db->Abrir(QStringLiteral(
            "SELECT TRIM(RC.RDB$CONSTRAINT_NAME) AS NOME, TRIM(COALESCE(RF.RDB$UPDATE_RULE, '')) AS UPD, "
            "TRIM(COALESCE(RF.RDB$DELETE_RULE, '')) AS DEL FROM RDB$RELATION_CONSTRAINTS RC "
            "LEFT JOIN RDB$REF_CONSTRAINTS RF ON RF.RDB$CONSTRAINT_NAME = RC.RDB$CONSTRAINT_NAME "
            "WHERE RC.RDB$RELATION_NAME IN ('SFGTBG20_EMPRESA_HMLGO', 'SFGTBG21_EMPREGADO_HMLGO') "
            "AND RC.RDB$CONSTRAINT_TYPE IN ('PRIMARY KEY', 'FOREIGN KEY')"));
        QMap<QString, QString> out;
        for (rs->first(); !rs->eof(); rs->next())
            out.insert(rs->field(QStringLiteral("NOME")).toString(),
                       rs->field(QStringLiteral("UPD")).toString() + QLatin1Char('/') + rs->field(QStringLiteral("DEL")).toString());
        return out;
    }

    const QMap<QString, QString> kChavesEsperadas = {
        {QStringLiteral("PK_SFGTBG20_EMPRESA_HMLGO"), QStringLiteral("/")},
        {QStringLiteral("FK_SFGTBG20_FK_SFGTBG_SFGTBG19"), QStringLiteral("CASCADE/CASCADE")},
        {QStringLiteral("PK_SFGTBG21_EMPREGADO_HMLGO"), QStringLiteral("/")},
        {QStringLiteral("FK_SFGTBG21_FK_SFGTBG_SFGTBG20"), QStringLiteral("CASCADE/CASCADE")},
    };

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(AtualizacaoTest, EachStartingVersionRunsExactlyItsSteps)
{
    struct Case {
        const char *inicial;
        QStringList passos;
        const char *final;
    };
    const Case cases[] = {
        {"2.0.0", {"2.0.2", "2.0.3", "2.0.5"}, "2.0.5"},
        {"2.0.1", {"2.0.2", "2.0.3", "2.0.5"}, "2.0.5"},
        {"2.0.2", {"2.0.3", "2.0.5"}, "2.0.5"},
        {"2.0.4", {"2.0.5"}, "2.0.5"},
        {"2.0.5", {}, "2.0.5"},
        {"1.9.9", {}, "1.9.9"},  // older than any step: left alone
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.inicial);
        const bool ranStep3 = c.passos.contains(QStringLiteral("2.0.5"));
        voltarPara(QString::fromLatin1(c.inicial), /*manterOcupacoes=*/!ranStep3);
        const auto r = AtualizarVersaoBanco(*db);
        EXPECT_TRUE(r.falhas.isEmpty()) << r.falhas.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(r.passosAplicados, c.passos);
        EXPECT_EQ(r.versaoFinal, QString::fromLatin1(c.final));
        EXPECT_EQ(ocupacoesNovas(), 7);
        EXPECT_EQ(chavesHmlgo(), kChavesEsperadas);
        if (ranStep3)
            EXPECT_EQ(descricao2238(), QStringLiteral("Fonoaudiologos"));
        db->Executar(QStringLiteral("UPDATE SFGTBT22_PARAMETRO_SISTEMA SET CO_VERSAO_SISTEMA = '2.0.5'"));
    }
}

TEST_F(AtualizacaoTest, SecondRunChangesNothing)
{
    voltarPara(QStringLiteral("2.0.0"));
    EXPECT_EQ(AtualizarVersaoBanco(*db).passosAplicados.size(), 3);
    const auto again = AtualizarVersaoBanco(*db);
    EXPECT_TRUE(again.passosAplicados.isEmpty());
    EXPECT_TRUE(again.falhas.isEmpty());
    EXPECT_EQ(VersaoSistema(true, db.get()), QStringLiteral("2.0.5  - 13/11/2017"));
}

TEST_F(AtualizacaoTest, DuplicateOccupationRollsTheWholeLastStepBack)
{
    voltarPara(QStringLiteral("2.0.4"));
    db->Executar(QStringLiteral("INSERT INTO SFGTBT05_OCUPACAO_NIVEL_4 VALUES ('002212', 'Biomedicos')"));
    const auto r = AtualizarVersaoBanco(*db);
    ASSERT_EQ(r.falhas.size(), 1);
    EXPECT_EQ(r.versaoFinal, QStringLiteral("2.0.4"));   // retried at the next start
    EXPECT_EQ(descricao2238(), QStringLiteral("Fonoaudiólogos antigos"));
    EXPECT_EQ(ocupacoesNovas(), 1);
    EXPECT_FALSE(db->EmTransacao());
}

TEST_F(AtualizacaoTest, MissingConstraintDoesNotStopTheFirstStep)
{
    voltarPara(QStringLiteral("2.0.0"));
    db->Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO DROP CONSTRAINT FK_SFGTBG21_FK_SFGTBG_SFGTBG20"));
    const auto r = AtualizarVersaoBanco(*db);
    EXPECT_TRUE(r.falhas.isEmpty()) << r.falhas.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(r.versaoFinal, QStringLiteral("2.0.5"));
    EXPECT_EQ(chavesHmlgo(), kChavesEsperadas);
}

TEST_F(AtualizacaoTest, FailedStructuralStepKeepsItsOldVersionAndIsRetried)
{
    voltarPara(QStringLiteral("2.0.0"));
    // duplicate lines make the primary key of the employer lines impossible to add back
    db->Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO DROP CONSTRAINT FK_SFGTBG21_FK_SFGTBG_SFGTBG20"));
    db->Executar(QStringLiteral("ALTER TABLE SFGTBG20_EMPRESA_HMLGO DROP CONSTRAINT PK_SFGTBG20_EMPRESA_HMLGO"));
    db->Executar(QStringLiteral("INSERT INTO SFGTBG19_RESPONSAVEL_HMLGO (NU_IDENTIFICADOR_ARQUIVO) VALUES ('1')"));
    db->Executar(QStringLiteral("INSERT INTO SFGTBG20_EMPRESA_HMLGO (NU_IDENTIFICADOR_ARQUIVO, NU_LINHA_ARQUIVO_EMPRESA) VALUES ('1', 1)"));
    db->Executar(QStringLiteral("INSERT INTO SFGTBG20_EMPRESA_HMLGO (NU_IDENTIFICADOR_ARQUIVO, NU_LINHA_ARQUIVO_EMPRESA) VALUES ('1', 1)"));

    const auto failed = AtualizarVersaoBanco(*db);
    EXPECT_EQ(failed.falhas.size(), 1);
    EXPECT_EQ(failed.versaoFinal, QStringLiteral("2.0.0"));

    db->Executar(QStringLiteral("DELETE FROM SFGTBG20_EMPRESA_HMLGO"));
    const auto retried = AtualizarVersaoBanco(*db);
    EXPECT_TRUE(retried.falhas.isEmpty()) << retried.falhas.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(retried.versaoFinal, QStringLiteral("2.0.5"));
    EXPECT_EQ(chavesHmlgo(), kChavesEsperadas);
}

} // namespace
