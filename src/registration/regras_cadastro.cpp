#include "regras_cadastro.h"

#include "core/formatos.h"
#include "core/sql_literais.h"

namespace tolv {

bool SemRepeticaoLetraOuBranco(const QString &texto, int n)
{
    int sequencia = 0;
    QChar anterior;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i).toUpper();
        const bool conta = !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        sequencia = (conta && i > 0 && c == anterior) ? sequencia + 1 : 1;
        if (conta && sequencia >= n)
            return false;
        anterior = c;
    }
    return true;
}

bool SomenteLetrasDigitosBrancos(const QString &texto)
{
    for (QChar c : texto) {
        const bool ok = c == QLatin1Char(' ') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                        || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
        if (!ok)
            return false;
    }
    return true;
}

QString SqlNumeroOuNulo(const QString &texto)
{
    if (EstaVazio(texto))
        return QStringLiteral("Null");
    return SqlNumeroTexto(texto);
}

QString SqlTextoSempre(const QString &texto)
{
    return QLatin1Char('\'') + QString(texto).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString SqlConsulta(const QString &campo, const QString &tabela, const QString &condicao)
{
    return QStringLiteral("SELECT %1 FROM %2  WHERE %3 ").arg(campo, tabela, condicao);
}

QString SqlInsert(const QString &tabela, const ValoresSql &valores)
{
    QStringList colunas, literais;
    for (const auto &[coluna, valor] : valores) {
        colunas << coluna;
        literais << valor;
    }
    return QStringLiteral("INSERT INTO ") + tabela + QStringLiteral(" (") + colunas.join(QStringLiteral(", "))
           + QStringLiteral(") VALUES (") + literais.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString SqlUpdate(const QString &tabela, const ValoresSql &valores, const QString &condicao)
{
    QStringList atribuicoes;
    for (const auto &[coluna, valor] : valores)
        atribuicoes << coluna + QStringLiteral(" = ") + valor;
    return QStringLiteral("UPDATE ") + tabela + QStringLiteral(" SET ") + atribuicoes.join(QStringLiteral(", "))
           + QStringLiteral(" WHERE ") + condicao;
}

bool ExisteLinha(TDBUtils &banco, const QString &sql) { return banco.Abrir(sql)->rowCount() > 0; }

QString JuncaoVinculo(const QString &a, const QString &b)
{
    return QStringLiteral("%1.NU_TIPO_INSO_EMPRA = %2.NU_TIPO_INSO_EMPRA AND %1.NU_INSCRICAO = %2.NU_INSCRICAO "
                          "AND %1.NU_PIS = %2.NU_PIS AND %1.NU_CATEGORIA = %2.NU_CATEGORIA "
                          "AND %1.DT_ADMISSAO_VINCULO = %2.DT_ADMISSAO_VINCULO")
        .arg(a, b);
}

TransacaoLocal::TransacaoLocal(TDBUtils &banco) : m_banco(banco)
{
    if (!m_banco.EmTransacao()) {
        m_banco.IniciarTransacao();
        m_propria = true;
    }
}

TransacaoLocal::~TransacaoLocal()
{
    if (m_propria && m_banco.EmTransacao()) {
        try {
            m_banco.Rollback();
        } catch (...) {
        }
    }
}

void TransacaoLocal::Confirmar()
{
    if (m_propria) {
        m_banco.Commit();
        m_propria = false;
    }
}

} // namespace tolv
