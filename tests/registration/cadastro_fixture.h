#pragma once

// A database with one consistent employment link, and the helpers the
// registration tests share: small SQL fixtures rather than hand-built objects,
// so that loading is exercised along with the rules.

#include "support/test_support.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "registration/vinculo.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tolv::test {

// Valid registration numbers (check digits computed).
inline constexpr qint64 kCnpj = 11222333000181;
inline constexpr qint64 kCnpj2 = 33444555000181;
inline constexpr qint64 kCei = 112223330008;
inline constexpr qint64 kPis = 12034567899;
inline constexpr qint64 kPis2 = 17012345673;
inline constexpr qint64 kPis3 = 20012345673;

class CadastroTest : public ::testing::Test {
protected:
    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));

    void exec(const QString &sql) { db->Executar(sql); }

    int contar(const QString &tabelaECondicao)
    {
        const auto rs = db->Abrir(QStringLiteral("SELECT COUNT(*) AS N FROM ") + tabelaECondicao);
        rs->first();
        return rs->field(QStringLiteral("N")).toInt();
    }

    // The first column of the first row as text ("<none>" without rows, "<null>" for NULL).
    QString valor(const QString &sql)
    {
        const auto rs = db->Abrir(sql);
        if (rs->rowCount() == 0)
            return QStringLiteral("<none>");
        rs->first();
        return rs->field(0).isNull() ? QStringLiteral("<null>") : rs->field(0).toString();
    }

    void empregador(int tipo, qint64 inscricao, const QString &estado = QStringLiteral("E"), int fpas = 515,
                    const QString &nome = QStringLiteral("EMPRESA MODELO LTDA"))
    {
        exec(QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_SIMPLES, SG_UF, NU_IBGE, "
                            "NU_INSS, NO_RAZAO_SOCIAL, DE_LOGRADOURO, NO_BAIRRO, NU_CEP, NO_LOCALIDADE, NU_DDD, "
                            "NU_TELEFONE, IC_ESTADO_EMPRESA) VALUES (%1, %2, 1, 'DF', 6920601, %3, '%4', "
                            "'SCS QUADRA 1', 'ASA SUL', 70300500, 'BRASILIA', 61, 33224455, '%5')")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(fpas)
                 .arg(QString(nome).replace(QLatin1Char('\''), QLatin1String("''")), estado));
    }

    void trabalhador(qint64 pis, const QString &nome = QStringLiteral("JOAO DA SILVA"))
    {
        exec(QStringLiteral("INSERT INTO SFGTBG03_EMPREGADO (NU_PIS, NU_GRAU_INSTRUCAO, NO_EMPREGADO, NU_CTPS, "
                            "NU_SERIE_CTPS, IC_SEXO, DT_NASCIMENTO) VALUES (%1, 7, '%2', '1234567', '00012', 1, "
                            "'1985-06-15')")
                 .arg(pis)
                 .arg(QString(nome).replace(QLatin1Char('\''), QLatin1String("''"))));
    }

    // A link that passes every rule: category 1, admitted and opted on the same
    // day, dismissed without cause (I1, withdrawal 01) with worked prior notice.
    void vinculo(int tipo, qint64 inscricao, qint64 pis, int categoria = 1,
                 const QString &admissao = QStringLiteral("2010-01-04"), int estado = 0)
    {
        exec(QStringLiteral("INSERT INTO SFGTBG04_VINCULO_EMPREGATICIO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, CO_MOVIMENTACAO, CO_CBO, CO_SAQUE, DT_OPCAO, "
                            "NU_TIPO_INSO_TMDR, NU_INSCRICAO_TMDR, IC_AVISO_PREVIO, DT_INICIO_AVISO_PRVO, "
                            "IC_REPOSICAO_VAGAS, QT_HORAS_TRBS_SMNA, IC_ESTADO_MOVIMENTO, DT_MOVIMENTACAO_VINCULO, "
                            "IC_VALIDACAO_VINCULO) VALUES (%1, %2, %3, %4, '%5', 'I1', '004110', '01', '%5', 0, 0, "
                            "1, '2018-02-01', 'N', 44, %6, '2018-03-05', 'N')")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(categoria)
                 .arg(admissao)
                 .arg(estado));
        exec(QStringLiteral("INSERT INTO SFGTBG06_INFORMACAO_RESCISAO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, VR_REMUNERACAO_ANTERIOR_RSCSO, VR_REMUNERACAO_RESCISAO, "
                            "VR_AVISO_PREVIO, IC_TIPO_PNSO_ALMNA, IC_ORIGEM_SALDO_RESCISORIO, VR_SALDO_RESCISORIO) "
                            "VALUES (%1, %2, %3, %4, '%5', 3000.00, 500.00, 0, 'N', 'E', 10000.00)")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(categoria)
                 .arg(admissao));
    }

    void apagarTudo()
    {
        for (const char *t : {"SFGTBG10_CONTA_EMPREGADO_FGTS", "SFGTBG07_COMPLEMENTO_SALDO", "SFGTBG06_INFORMACAO_RESCISAO",
                              "SFGTBG05_ALTERACAO_CADASTRAL", "SFGTBG04_VINCULO_EMPREGATICIO", "SFGTBG03_EMPREGADO",
                              "SFGTBG02_EMPRESA", "SFGTBG01_ABERTURA_RECOLHIMENTO", "SFGTBG18_INCONSISTENCIA_ARQUIVO"})
            exec(QStringLiteral("DELETE FROM ") + QLatin1String(t));
    }

    // One link of kPis under the employer kCnpj (FPAS 515).
    void cenarioBasico()
    {
        empregador(1, kCnpj);
        trabalhador(kPis);
        vinculo(1, kCnpj, kPis);
    }

public:
    // Changes to the basic scenario, one SET clause per table; `chave` goes to both
    // the link and its termination data (key columns).
    struct Alteracao {
        const char *empresa = nullptr;
        const char *trabalhador = nullptr;
        const char *vinculo = nullptr;
        const char *rescisao = nullptr;
        const char *chave = nullptr;
        const char *extra = nullptr;
    };

protected:
    void aplicar(const Alteracao &a)
    {
        const auto set = [this](const char *tabela, const char *clausula) {
            if (clausula)
                exec(QStringLiteral("UPDATE %1 SET %2").arg(QLatin1String(tabela), QString::fromUtf8(clausula)));
        };
        set("SFGTBG02_EMPRESA", a.empresa);
        set("SFGTBG03_EMPREGADO", a.trabalhador);
        set("SFGTBG04_VINCULO_EMPREGATICIO", a.vinculo);
        set("SFGTBG06_INFORMACAO_RESCISAO", a.rescisao);
        set("SFGTBG04_VINCULO_EMPREGATICIO", a.chave);
        set("SFGTBG06_INFORMACAO_RESCISAO", a.chave);
        if (a.extra)
            exec(QString::fromUtf8(a.extra));
    }

    // The code the full validation of the stored links gives (the last link's).
    QString validarTudo(bool registrar = false)
    {
        TVinculo v(db.get());
        v.AbrirTodos();
        TRetValidaCadastro r;
        v.ValidarCadastro(registrar, nullptr, r);
        return r.CodigoRetorno;
    }

    QString primeiroCodigo(const Alteracao &a)
    {
        apagarTudo();
        cenarioBasico();
        aplicar(a);
        return validarTudo();
    }
};

struct CasoValidacao {
    const char *nome;
    CadastroTest::Alteracao alteracao;
    const char *codigo;
};

} // namespace tolv::test
