// What a freshly created database must hold, as the rest of the program relies on it.

#include "core/formatos.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override { db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))); }

    int contar(const QString &sql) { return db->Abrir(sql)->field(0).toInt(); }

    QString tipoColuna(const char *tabela, const char *coluna)
    {
        const auto rs = db->Abrir(QStringLiteral(
            "SELECT F.RDB$FIELD_TYPE, COALESCE(F.RDB$FIELD_SCALE, 0) FROM RDB$RELATION_FIELDS RF "
            "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
            "WHERE RF.RDB$RELATION_NAME = '%1' AND RF.RDB$FIELD_NAME = '%2'").arg(QLatin1String(tabela), QLatin1String(coluna)));
        if (rs->rowCount() == 0)
            return QStringLiteral("missing");
        switch (rs->field(0).toInt()) {
        case 27: return QStringLiteral("double");
        case 37: return QStringLiteral("varchar");
        case 14: return QStringLiteral("char");
        case 35: return QStringLiteral("timestamp");
        case 12: return QStringLiteral("date");
        default: return rs->field(1).toInt() < 0 ? QStringLiteral("numeric") : QStringLiteral("integer");
        }
    }

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(SchemaTest, EveryTableAndGeneratorExists)
{
    const char *tabelas[] = {
        "SFGTBG01_ABERTURA_RECOLHIMENTO", "SFGTBG02_EMPRESA", "SFGTBG03_EMPREGADO", "SFGTBG04_VINCULO_EMPREGATICIO",
        "SFGTBG05_ALTERACAO_CADASTRAL", "SFGTBG06_INFORMACAO_RESCISAO", "SFGTBG07_COMPLEMENTO_SALDO",
        "SFGTBG08_GUIA_TOTALIZADORA", "SFGTBG09_GUIA_INDIVIDUAL", "SFGTBG10_CONTA_EMPREGADO_FGTS",
        "SFGTBG13_PROTOCOLO", "SFGTBG14_OCORRENCIA_GUIA", "SFGTBG15_ENVIO_EMPRESA", "SFGTBG16_ENVIO_EMPREGADO",
        "SFGTBG18_INCONSISTENCIA_ARQUIVO", "SFGTBG19_RESPONSAVEL_HMLGO", "SFGTBG20_EMPRESA_HMLGO",
        "SFGTBG21_EMPREGADO_HMLGO", "SFGTBT01_FPAS", "SFGTBT02_TIPO_OPCAO_SIMPLES", "SFGTBT03_ATIVIDADE_CNAE_NIVEL_5",
        "SFGTBT04_CATEGORIA_EMPREGADO", "SFGTBT05_OCUPACAO_NIVEL_4", "SFGTBT06_MOTIVO_SAQUE",
        "SFGTBT07_TIPO_MOVIMENTACAO", "SFGTBT08_UNIDADE_FEDERACAO", "SFGTBT09_TIPO_GRAU_INSTRUCAO",
        "SFGTBT12_TIPO_ARQUIVO", "SFGTBT13_MENSAGEM_SISTEMA", "SFGTBT14_ALIQUOTA_CALCULO_DPSTO", "SFGTBT15_DIA_UTIL",
        "SFGTBT16_INDICE_GUIA_RESCISORIA", "SFGTBT17_INDICE_SIMPLIFICADO", "SFGTBT18_INDICE_PRORATA",
        "SFGTBT19_TPO_STCO_CONTA_EMPRESA", "SFGTBT22_PARAMETRO_SISTEMA", "SFGTBT23_SAQUE_MVMNO_CATEGORIA",
    };
    for (const char *t : tabelas)
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = '%1'")
                             .arg(QLatin1String(t))), 1) << t;
    for (const char *g : {"GEN_SFGTBG18_ARQUIVO_ID", "S_SFGTBG19_RESPONSAVEL_HMLGO"})
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = '%1'")
                             .arg(QLatin1String(g))), 1) << g;
}

TEST_F(SchemaTest, DependentRowsFollowTheirParent)
{
    struct Case { const char *tabela; const char *pai; const char *update; const char *del; };
    const Case cases[] = {
        {"SFGTBG14_OCORRENCIA_GUIA", "SFGTBG13_PROTOCOLO", "CASCADE", "CASCADE"},
        {"SFGTBG15_ENVIO_EMPRESA", "SFGTBG13_PROTOCOLO", "CASCADE", "CASCADE"},
        {"SFGTBG16_ENVIO_EMPREGADO", "SFGTBG13_PROTOCOLO", "CASCADE", "CASCADE"},
        {"SFGTBG09_GUIA_INDIVIDUAL", "SFGTBG08_GUIA_TOTALIZADORA", "CASCADE", nullptr},
        {"SFGTBG20_EMPRESA_HMLGO", "SFGTBG19_RESPONSAVEL_HMLGO", "CASCADE", "CASCADE"},
        {"SFGTBG21_EMPREGADO_HMLGO", "SFGTBG20_EMPRESA_HMLGO", "CASCADE", "CASCADE"},
    };
    for (const Case &c : cases) {
        const auto rs = db->Abrir(QStringLiteral(
            "SELECT TRIM(RF.RDB$UPDATE_RULE), TRIM(RF.RDB$DELETE_RULE) FROM RDB$RELATION_CONSTRAINTS RC "
            "JOIN RDB$REF_CONSTRAINTS RF ON RF.RDB$CONSTRAINT_NAME = RC.RDB$CONSTRAINT_NAME "
            "JOIN RDB$RELATION_CONSTRAINTS PK ON PK.RDB$CONSTRAINT_NAME = RF.RDB$CONST_NAME_UQ "
            "WHERE RC.RDB$RELATION_NAME = '%1' AND PK.RDB$RELATION_NAME = '%2'")
                                      .arg(QLatin1String(c.tabela), QLatin1String(c.pai)));
        ASSERT_EQ(rs->rowCount(), 1) << c.tabela;
        EXPECT_EQ(rs->field(0).toString(), QLatin1String(c.update)) << c.tabela;
        if (c.del)
            EXPECT_EQ(rs->field(1).toString(), QLatin1String(c.del)) << c.tabela;
    }
}

TEST_F(SchemaTest, EmployersDifferByInscriptionType)
{
    db->Executar(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO) VALUES (1, 123456789012)"));
    db->Executar(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO) VALUES (2, 123456789012)"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG02_EMPRESA")), 2);
}

TEST_F(SchemaTest, ColumnKindsTheRulesDependOn)
{
    struct Case { const char *tabela; const char *coluna; const char *tipo; };
    const Case cases[] = {
        {"SFGTBT16_INDICE_GUIA_RESCISORIA", "VR_INDICE", "double"},
        {"SFGTBT16_INDICE_GUIA_RESCISORIA", "VR_INDICE_MULTA_RESCISORIA", "double"},
        {"SFGTBT18_INDICE_PRORATA", "IN_ATRASO_MES", "double"},
        {"SFGTBG18_INCONSISTENCIA_ARQUIVO", "NU_INSCRICAO_EMPRESA", "varchar"},
        {"SFGTBG18_INCONSISTENCIA_ARQUIVO", "CO_PIS_INCONSISTENCIA", "varchar"},
        {"SFGTBG18_INCONSISTENCIA_ARQUIVO", "CO_CATEGORIA_INCONSISTENCIA", "varchar"},
        {"SFGTBT04_CATEGORIA_EMPREGADO", "IC_CTPS", "varchar"},
        {"SFGTBG06_INFORMACAO_RESCISAO", "VR_SALDO_RESCISORIO", "numeric"},
        {"SFGTBG13_PROTOCOLO", "DT_ENVIO_PROTOCOLO", "timestamp"},
        {"SFGTBG21_EMPREGADO_HMLGO", "CO_HOMOLOGACAO_ORBEL", "char"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tipoColuna(c.tabela, c.coluna), QLatin1String(c.tipo)) << c.tabela << "." << c.coluna;
    // backup and restore copy rows column by column: no BLOB anywhere in the user tables
    EXPECT_EQ(contar(QStringLiteral(
                  "SELECT COUNT(*) FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
                  "WHERE RF.RDB$RELATION_NAME STARTING WITH 'SFGTB' AND (F.RDB$FIELD_TYPE = 261 OR F.RDB$COMPUTED_BLR IS NOT NULL)")),
              0);
}

TEST_F(SchemaTest, ReferenceTablesAreFilledAndIndexTablesEmpty)
{
    for (const char *t : {"SFGTBT01_FPAS", "SFGTBT02_TIPO_OPCAO_SIMPLES", "SFGTBT03_ATIVIDADE_CNAE_NIVEL_5",
                          "SFGTBT04_CATEGORIA_EMPREGADO", "SFGTBT05_OCUPACAO_NIVEL_4", "SFGTBT06_MOTIVO_SAQUE",
                          "SFGTBT07_TIPO_MOVIMENTACAO", "SFGTBT09_TIPO_GRAU_INSTRUCAO", "SFGTBT12_TIPO_ARQUIVO",
                          "SFGTBT13_MENSAGEM_SISTEMA", "SFGTBT14_ALIQUOTA_CALCULO_DPSTO",
                          "SFGTBT19_TPO_STCO_CONTA_EMPRESA", "SFGTBT23_SAQUE_MVMNO_CATEGORIA"})
        EXPECT_GT(contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))), 0) << t;
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBT08_UNIDADE_FEDERACAO")), 27);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBT07_TIPO_MOVIMENTACAO WHERE CO_MOVIMENTACAO IN "
                                    "('I1','I2','I3','I4','I5','I6','L')")), 7);
    for (const char *t : {"SFGTBT15_DIA_UTIL", "SFGTBT16_INDICE_GUIA_RESCISORIA", "SFGTBT17_INDICE_SIMPLIFICADO",
                          "SFGTBT18_INDICE_PRORATA"})
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))), 0) << t;
    EXPECT_EQ(VersaoSistema(true, db.get()), QStringLiteral("2.0.5  - 13/11/2017"));
    const auto kinds = db->Abrir(QStringLiteral("SELECT DE_ARQUIVO FROM SFGTBT12_TIPO_ARQUIVO WHERE NU_ARQUIVO IN (6, 7) ORDER BY NU_ARQUIVO"));
    ASSERT_EQ(kinds->rowCount(), 2);
    EXPECT_EQ(kinds->field(0).toString(), QStringLiteral("Solicitação de Reenvio de Arquivo Processado na ORBEL"));
    kinds->next();
    EXPECT_EQ(kinds->field(0).toString(), QStringLiteral("Solicitação de Saldo Rescisório"));
}

} // namespace
