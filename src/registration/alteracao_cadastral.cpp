#include "alteracao_cadastral.h"

#include "core/chave_vinculo.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "trabalhador.h"

namespace tolv {

namespace {

// A number held as text, for SQL: NULL when blank, the value when digits; anything
// else is refused (nothing unquoted and non-numeric ever reaches a statement).
QString numero(const QString &texto)
{
    if (texto.trimmed().isEmpty())
        return QStringLiteral("NULL");
    return SqlNumeroTexto(texto.trimmed());
}


} // namespace

TAlteracaoCadastral::TAlteracaoCadastral(TDBUtils *banco) : TNegocio(banco) { TAlteracaoCadastral::Inicializar(); }

TAlteracaoCadastral::~TAlteracaoCadastral() = default;

void TAlteracaoCadastral::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral(
        "SELECT ALTCAD.IC_CONFIRMACAO, ALTCAD.NU_PIS, ALTCAD.DE_CONTEUDO_ANTERIOR, ALTCAD.NU_INSCRICAO, "
        "ALTCAD.NU_TIPO_ALTERACAO, ALTCAD.NU_CATEGORIA, ALTCAD.NU_TIPO_INSO_EMPRA, ALTCAD.DT_ADMISSAO_VINCULO, "
        "ALTCAD.NU_EMPREGADO_ORBEL_ALT_CDSTL, ALTCAD.NU_EMPRESA_ORBEL_ALT_CADASTRAL ");
    SqlFrom = QStringLiteral("FROM SFGTBG05_ALTERACAO_CADASTRAL ALTCAD ");
    Limpar();
}

void TAlteracaoCadastral::Limpar()
{
    IC_CONFIRMACAO.clear();
    NU_PIS.clear();
    DE_CONTEUDO_ANTERIOR.clear();
    NU_INSCRICAO.clear();
    NU_TIPO_ALTERACAO.clear();
    NU_CATEGORIA.clear();
    NU_TIPO_INSO_EMPRA.clear();
    DT_ADMISSAO_VINCULO = DataNula;
    NU_EMPREGADO_ORBEL_ALT_CDSTL.clear();
    NU_EMPRESA_ORBEL_ALT_CADASTRAL.clear();
    m_trabalhador.reset();
}

void TAlteracaoCadastral::CarregarCampos()
{
    TNegocio::CarregarCampos();
    IC_CONFIRMACAO = Campo(QStringLiteral("IC_CONFIRMACAO")).toString();
    NU_PIS = Campo(QStringLiteral("NU_PIS")).toString();
    DE_CONTEUDO_ANTERIOR = Campo(QStringLiteral("DE_CONTEUDO_ANTERIOR")).toString();
    NU_INSCRICAO = Campo(QStringLiteral("NU_INSCRICAO")).toString();
    NU_TIPO_ALTERACAO = Campo(QStringLiteral("NU_TIPO_ALTERACAO")).toString();
    NU_CATEGORIA = Campo(QStringLiteral("NU_CATEGORIA")).toString();
    NU_TIPO_INSO_EMPRA = Campo(QStringLiteral("NU_TIPO_INSO_EMPRA")).toString();
    DT_ADMISSAO_VINCULO = Campo(QStringLiteral("DT_ADMISSAO_VINCULO")).toDate();
    NU_EMPREGADO_ORBEL_ALT_CDSTL = Campo(QStringLiteral("NU_EMPREGADO_ORBEL_ALT_CDSTL")).toString();
    NU_EMPRESA_ORBEL_ALT_CADASTRAL = Campo(QStringLiteral("NU_EMPRESA_ORBEL_ALT_CADASTRAL")).toString();
}

TTrabalhador &TAlteracaoCadastral::Trabalhador()
{
    if (!m_trabalhador) {
        m_trabalhador = std::make_unique<TTrabalhador>(Banco());
        if (CarregaRelacionados)
            m_trabalhador->LocalizarPorPis(NU_PIS);
    }
    return *m_trabalhador;
}

bool TAlteracaoCadastral::Incluir()
{
    try {
        Banco()->Executar(
            QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                           "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, DE_CONTEUDO_ANTERIOR, IC_CONFIRMACAO, "
                           "NU_EMPRESA_ORBEL_ALT_CADASTRAL, NU_EMPREGADO_ORBEL_ALT_CDSTL) VALUES (%1, %2, %3, %4, %5, %6, "
                           "%7, %8, %9, %10)")
                .arg(numero(NU_TIPO_INSO_EMPRA), numero(NU_INSCRICAO), numero(NU_PIS), numero(NU_CATEGORIA),
                     SqlDataColuna(DT_ADMISSAO_VINCULO), numero(NU_TIPO_ALTERACAO), SqlTexto(DE_CONTEUDO_ANTERIOR),
                     SqlTexto(IC_CONFIRMACAO), numero(NU_EMPRESA_ORBEL_ALT_CADASTRAL))
                .arg(NU_EMPREGADO_ORBEL_ALT_CDSTL.trimmed().isEmpty() ? QStringLiteral("0")
                                                                      : numero(NU_EMPREGADO_ORBEL_ALT_CDSTL)));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TAlteracaoCadastral::Alterar()
{
    try {
        Banco()->Executar(
            QStringLiteral("UPDATE SFGTBG05_ALTERACAO_CADASTRAL SET DE_CONTEUDO_ANTERIOR = %1, IC_CONFIRMACAO = %2, "
                           "NU_EMPRESA_ORBEL_ALT_CADASTRAL = %3, NU_EMPREGADO_ORBEL_ALT_CDSTL = %4 WHERE "
                           "NU_TIPO_INSO_EMPRA = %5 AND NU_INSCRICAO = %6 AND NU_PIS = %7 AND NU_CATEGORIA = %8 "
                           "AND DT_ADMISSAO_VINCULO = %9 AND NU_TIPO_ALTERACAO = %10 AND NU_EMPREGADO_ORBEL_ALT_CDSTL = %11")
                .arg(SqlTexto(DE_CONTEUDO_ANTERIOR), SqlTexto(IC_CONFIRMACAO), numero(NU_EMPRESA_ORBEL_ALT_CADASTRAL),
                     numero(NU_EMPREGADO_ORBEL_ALT_CDSTL), numero(NU_TIPO_INSO_EMPRA), numero(NU_INSCRICAO),
                     numero(NU_PIS), numero(NU_CATEGORIA), SqlDataColuna(DT_ADMISSAO_VINCULO))
                .arg(numero(NU_TIPO_ALTERACAO), numero(NU_EMPREGADO_ORBEL_ALT_CDSTL)));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TAlteracaoCadastral::Excluir(bool todas)
{
    try {
        QString sql = QStringLiteral("DELETE FROM SFGTBG05_ALTERACAO_CADASTRAL");
        if (!todas) {
            sql += QStringLiteral(" WHERE NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2")
                       .arg(numero(NU_TIPO_INSO_EMPRA), numero(NU_INSCRICAO));
            if (!NU_PIS.trimmed().isEmpty())
                sql += QStringLiteral(" AND NU_PIS = ") + numero(NU_PIS);
            if (!NU_CATEGORIA.trimmed().isEmpty())
                sql += QStringLiteral(" AND NU_CATEGORIA = ") + numero(NU_CATEGORIA);
            if (DT_ADMISSAO_VINCULO.serial() > 0)
                sql += QStringLiteral(" AND DT_ADMISSAO_VINCULO = ") + SqlData(DT_ADMISSAO_VINCULO);
            if (!NU_TIPO_ALTERACAO.trimmed().isEmpty())
                sql += QStringLiteral(" AND NU_TIPO_ALTERACAO = ") + numero(NU_TIPO_ALTERACAO);
        }
        Banco()->Executar(sql);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TAlteracaoCadastral::ExisteAlteracaoNome()
{
    QString sql = QStringLiteral("SELECT FIRST 1 1 FROM SFGTBG05_ALTERACAO_CADASTRAL WHERE NU_TIPO_INSO_EMPRA = %1 "
                                 "AND NU_INSCRICAO = %2 AND NU_PIS = %3 AND NU_CATEGORIA = %4 AND DT_ADMISSAO_VINCULO = %5 "
                                 "AND NU_TIPO_ALTERACAO = 406")
                      .arg(numero(NU_TIPO_INSO_EMPRA), numero(NU_INSCRICAO), numero(NU_PIS), numero(NU_CATEGORIA),
                           SqlDataColuna(DT_ADMISSAO_VINCULO));
    if (!NU_EMPREGADO_ORBEL_ALT_CDSTL.trimmed().isEmpty())
        sql += QStringLiteral(" AND NU_EMPREGADO_ORBEL_ALT_CDSTL = ") + numero(NU_EMPREGADO_ORBEL_ALT_CDSTL);
    return Banco()->Abrir(sql)->rowCount() > 0;
}

bool TAlteracaoCadastral::NomeIgualAoCadastrado(const QString &nome, const QString &pis)
{
    const auto p = ConverterInteiro64(pis.trimmed());
    QString registrado;
    if (p) {
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(*p));
        if (rs->rowCount() > 0)
            registrado = rs->field(0).toString();
    }
    return nome.toUpper() == registrado.toUpper();
}

void TAlteracaoCadastral::ResolverAlteracaoNome(int tipoInscricao, int categoria, QChar escolha, const QString &nome,
                                                Date admissao, qint64 pis, qint64 inscricao)
{
    const QString f = ChaveVinculo{tipoInscricao, inscricao, pis, categoria, admissao}.Condicao();
    if (escolha == QLatin1Char('N')) {
        Banco()->Executar(QStringLiteral("UPDATE SFGTBG03_EMPREGADO SET NO_EMPREGADO = %1 WHERE NU_PIS = %2")
                              .arg(SqlTexto(nome))
                              .arg(pis));
        Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG05_ALTERACAO_CADASTRAL WHERE ") + f);
        return;
    }
    const auto conta = Banco()->Abrir(QStringLiteral("SELECT FIRST 1 NU_EMPREGADO_ORBEL FROM SFGTBG10_CONTA_EMPREGADO_FGTS "
                                                     "WHERE ")
                                      + f + QStringLiteral(" AND NO_EMPREGADO = ") + SqlTexto(nome)
                                      + QStringLiteral(" ORDER BY NU_EMPREGADO_ORBEL"));
    const qint64 a = conta->rowCount() > 0 ? conta->field(0).toInt64() : 0;
    Banco()->Executar(QStringLiteral("UPDATE SFGTBG05_ALTERACAO_CADASTRAL SET IC_CONFIRMACAO = 'S' WHERE ") + f
                      + QStringLiteral(" AND NU_EMPREGADO_ORBEL_ALT_CDSTL = %1").arg(a));
    Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG05_ALTERACAO_CADASTRAL WHERE ") + f
                      + QStringLiteral(" AND IC_CONFIRMACAO = 'N'"));
}

} // namespace tolv
