#include "atualizacao_versao.h"

#include "errors.h"
#include "sql_literais.h"

namespace tolv {

namespace {

bool constraintExiste(TDBUtils &banco, const QString &tabela, const QString &nome)
{
    const auto rs = banco.Abrir(QStringLiteral("SELECT 1 FROM RDB$RELATION_CONSTRAINTS "
                                               "WHERE RDB$RELATION_NAME = %1 AND RDB$CONSTRAINT_NAME = %2")
                                    .arg(SqlTexto(tabela), SqlTexto(nome)));
    return rs->rowCount() > 0;
}

struct Constraint {
    const char *tabela;
    const char *nome;
    const char *sql;  // the statement that adds it
};

const Constraint kChavesHmlgo[] = {
    {"SFGTBG20_EMPRESA_HMLGO", "PK_SFGTBG20_EMPRESA_HMLGO",
     "ALTER TABLE \"SFGTBG20_EMPRESA_HMLGO\" ADD CONSTRAINT \"PK_SFGTBG20_EMPRESA_HMLGO\" "
     "PRIMARY KEY (\"NU_IDENTIFICADOR_ARQUIVO\", \"NU_LINHA_ARQUIVO_EMPRESA\")"},
    {"SFGTBG20_EMPRESA_HMLGO", "FK_SFGTBG20_FK_SFGTBG_SFGTBG19",
     "ALTER TABLE \"SFGTBG20_EMPRESA_HMLGO\" ADD CONSTRAINT \"FK_SFGTBG20_FK_SFGTBG_SFGTBG19\" "
     "FOREIGN KEY (\"NU_IDENTIFICADOR_ARQUIVO\") REFERENCES \"SFGTBG19_RESPONSAVEL_HMLGO\" "
     "(\"NU_IDENTIFICADOR_ARQUIVO\") ON UPDATE CASCADE ON DELETE CASCADE"},
    {"SFGTBG21_EMPREGADO_HMLGO", "PK_SFGTBG21_EMPREGADO_HMLGO",
     "ALTER TABLE \"SFGTBG21_EMPREGADO_HMLGO\" ADD CONSTRAINT \"PK_SFGTBG21_EMPREGADO_HMLGO\" "
     "PRIMARY KEY (\"NU_IDENTIFICADOR_ARQUIVO\", \"NU_LINHA_ARQUIVO_EMPRESA\", \"NU_LINHA_ARQUIVO_EMPREGADO\")"},
    {"SFGTBG21_EMPREGADO_HMLGO", "FK_SFGTBG21_FK_SFGTBG_SFGTBG20",
     "ALTER TABLE \"SFGTBG21_EMPREGADO_HMLGO\" ADD CONSTRAINT \"FK_SFGTBG21_FK_SFGTBG_SFGTBG20\" "
     "FOREIGN KEY (\"NU_IDENTIFICADOR_ARQUIVO\", \"NU_LINHA_ARQUIVO_EMPRESA\") REFERENCES "
     "\"SFGTBG20_EMPRESA_HMLGO\" (\"NU_IDENTIFICADOR_ARQUIVO\", \"NU_LINHA_ARQUIVO_EMPRESA\") "
     "ON UPDATE CASCADE ON DELETE CASCADE"},
};

void removerConstraint(TDBUtils &banco, const char *tabela, const char *nome)
{
    const QString t = QString::fromLatin1(tabela), n = QString::fromLatin1(nome);
    if (constraintExiste(banco, t, n))
        banco.Executar(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT %2").arg(t, n));
}

void adicionarConstraint(TDBUtils &banco, const Constraint &c)
{
    if (!constraintExiste(banco, QString::fromLatin1(c.tabela), QString::fromLatin1(c.nome)))
        banco.Executar(QString::fromLatin1(c.sql));
}

QString atualizacaoVersao(const char *versao, const char *data)
{
    return QStringLiteral("UPDATE  SFGTBT22_PARAMETRO_SISTEMA SET CO_VERSAO_SISTEMA = ")
        + SqlTexto(QString::fromLatin1(versao)) + QStringLiteral(" ,DT_VERSAO_SISTEMA = ")
        + SqlTexto(QString::fromLatin1(data));
}

// Each structural statement commits on its own (DDL); the version follows them.
void passo1(TDBUtils &banco)
{
    removerConstraint(banco, "SFGTBG21_EMPREGADO_HMLGO", "PK_SFGTBG21_EMPREGADO_HMLGO");
    removerConstraint(banco, "SFGTBG21_EMPREGADO_HMLGO", "FK_SFGTBG21_FK_SFGTBG_SFGTBG20");
    removerConstraint(banco, "SFGTBG20_EMPRESA_HMLGO", "PK_SFGTBG20_EMPRESA_HMLGO");
    removerConstraint(banco, "SFGTBG20_EMPRESA_HMLGO", "FK_SFGTBG20_FK_SFGTBG_SFGTBG19");
    banco.Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO ALTER NU_LINHA_ARQUIVO_EMPREGADO TYPE NUMERIC(5, 0)"));
    banco.Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO ALTER NU_LINHA_ARQUIVO_EMPRESA TYPE NUMERIC(5, 0)"));
    banco.Executar(QStringLiteral("ALTER TABLE SFGTBG20_EMPRESA_HMLGO ALTER NU_LINHA_ARQUIVO_EMPRESA TYPE NUMERIC(5, 0)"));
    banco.Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO ALTER CO_HOMOLOGACAO_ORBEL TYPE CHAR(23)"));
    for (const Constraint &c : kChavesHmlgo)
        adicionarConstraint(banco, c);
    banco.Executar(atualizacaoVersao("2.0.2", "2007-08-13"));
}

void passo2(TDBUtils &banco)
{
    banco.Executar(QStringLiteral("ALTER TABLE SFGTBG21_EMPREGADO_HMLGO ALTER CO_HOMOLOGACAO_ORBEL TYPE CHAR(23)"));
    banco.Executar(atualizacaoVersao("2.0.3", "2008-03-01"));
}

struct Ocupacao {
    const char *codigo;
    const char *descricao;
};

const Ocupacao kOcupacoes205[] = {
    {"001115", "Gestores Publicos"},
    {"002212", "Biomedicos"},
    {"002239", "Terapeutas ocupacionais e afins"},
    {"005135", "Trabalhadores auxiliares nos servicos de alimentacao"},
    {"005136", "Churrasqueiros, pizzaiolos e sushimen"},
    {"005143", "Trabalhadores nos servicos de manutencao de edificacoes"},
    {"005153", "Trabalhadores de atencao, defesa e protecao a pessoas em situacao de risco"},
};

// One transaction: version, the occupation rename and the new occupations
// stand or fall together.
void passo3(TDBUtils &banco)
{
    banco.IniciarTransacao();
    try {
        banco.Executar(atualizacaoVersao("2.0.5", "2017-11-13"));
        banco.Executar(QStringLiteral("UPDATE SFGTBT05_OCUPACAO_NIVEL_4 SET  DE_OCUPACAO = ")
                       + SqlTexto(QStringLiteral("Fonoaudiologos")) + QStringLiteral(" ")
                       + QStringLiteral("WHERE CO_CBO = ") + SqlTexto(QStringLiteral("002238")));
        for (const Ocupacao &o : kOcupacoes205)
            banco.Executar(QStringLiteral("INSERT INTO SFGTBT05_OCUPACAO_NIVEL_4 VALUES (")
                           + SqlTexto(QString::fromLatin1(o.codigo)) + QStringLiteral(", ")
                           + SqlTexto(QString::fromLatin1(o.descricao)) + QStringLiteral(")"));
        banco.Commit();
    } catch (...) {
        if (banco.EmTransacao())
            banco.Rollback();
        throw;
    }
}

struct Passo {
    const char *de;       // first version the step applies to
    const char *ate;      // the version it reaches (exclusive upper bound)
    void (*executar)(TDBUtils &);
};

const Passo kPassos[] = {
    {"2.0.0", "2.0.2", passo1},
    {"2.0.2", "2.0.3", passo2},
    {"2.0.3", "2.0.5", passo3},
};

} // namespace

QString VersaoBanco(TDBUtils &banco)
{
    const auto rs = banco.Abrir(QStringLiteral(
        "SELECT CO_VERSAO_SISTEMA, DT_VERSAO_SISTEMA FROM SFGTBT22_PARAMETRO_SISTEMA ORDER BY DT_VERSAO_SISTEMA DESC"));
    if (rs->rowCount() == 0)
        return {};
    return rs->field(QStringLiteral("CO_VERSAO_SISTEMA")).toString().trimmed();
}

ResultadoAtualizacao AtualizarVersaoBanco(TDBUtils &banco)
{
    ResultadoAtualizacao r;
    try {
        r.versaoInicial = VersaoBanco(banco);
    } catch (const std::exception &e) {
        r.falhas << QString::fromUtf8(e.what());
        return r;
    }
    for (const Passo &p : kPassos) {
        try {
            // Versions compare as plain text, character by character.
            const QString v = VersaoBanco(banco);
            if (QString::compare(v, QLatin1String(p.de)) < 0 || QString::compare(v, QLatin1String(p.ate)) >= 0)
                continue;
            p.executar(banco);
            r.passosAplicados << QString::fromLatin1(p.ate);
        } catch (const std::exception &e) {
            if (banco.EmTransacao())
                try { banco.Rollback(); } catch (...) {}
            r.falhas << QString::fromLatin1(p.ate) + QStringLiteral(": ") + QString::fromUtf8(e.what());
        }
    }
    try {
        r.versaoFinal = VersaoBanco(banco);
    } catch (const std::exception &) {
        r.versaoFinal = r.versaoInicial;
    }
    return r;
}

} // namespace tolv
