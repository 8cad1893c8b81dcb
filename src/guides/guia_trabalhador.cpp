#include "guia_trabalhador.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "guia_empresa.h"
#include "registration/rescisao.h"
#include "registration/trabalhador.h"
#include "registration/vinculo.h"

namespace tolv {

namespace {

// The twenty amounts of the four parcels, in table order.
struct Valor {
    const char *coluna;
    Money TRescisao::*campo;
};
const Valor kValores[] = {
    {"VR_DEPOSITO_ANTERIOR_RESCISAO", &TRescisao::VR_DEPOSITO_ANTERIOR_RESCISAO},
    {"VR_JAM_ANTERIOR_RESCISAO", &TRescisao::VR_JAM_ANTERIOR_RESCISAO},
    {"VR_MULTA_ANTERIOR_RESCISAO", &TRescisao::VR_MULTA_ANTERIOR_RESCISAO},
    {"VR_CNTRO_ANTERIOR_RESCISAO", &TRescisao::VR_CNTRO_ANTERIOR_RESCISAO},
    {"VR_MULTA_CNTRO_ANTERIOR_RSCSO", &TRescisao::VR_MULTA_CNTRO_ANTERIOR_RSCSO},
    {"VR_DEPOSITO_RESCISAO", &TRescisao::VR_DEPOSITO_RESCISAO},
    {"VR_JAM_RESCISAO", &TRescisao::VR_JAM_RESCISAO},
    {"VR_MULTA_RESCISAO", &TRescisao::VR_MULTA_RESCISAO},
    {"VR_CNTRO_RESCISAO", &TRescisao::VR_CNTRO_RESCISAO},
    {"VR_MULTA_CNTRO_RESCISAO", &TRescisao::VR_MULTA_CNTRO_RESCISAO},
    {"VR_DEPOSITO_AVISO_PREVIO", &TRescisao::VR_DEPOSITO_AVISO_PREVIO},
    {"VR_JAM_AVISO_PREVIO", &TRescisao::VR_JAM_AVISO_PREVIO},
    {"VR_MULTA_AVISO_PREVIO", &TRescisao::VR_MULTA_AVISO_PREVIO},
    {"VR_CNTRO_AVISO_PREVIO", &TRescisao::VR_CNTRO_AVISO_PREVIO},
    {"VR_MULTA_CNTRO_AVISO_PREVIO", &TRescisao::VR_MULTA_CNTRO_AVISO_PREVIO},
    {"VR_DEPOSITO_MULTA_RESCISORIA", &TRescisao::VR_DEPOSITO_MULTA_RESCISORIA},
    {"VR_JAM_MULTA_RESCISORIA", &TRescisao::VR_JAM_MULTA_RESCISORIA},
    {"VR_MULTA_MULTA_RESCISORIA", &TRescisao::VR_MULTA_MULTA_RESCISORIA},
    {"VR_CNTRO_MULTA_RESCISORIA", &TRescisao::VR_CNTRO_MULTA_RESCISORIA},
    {"VR_MULTA_CNTRO_MULTA_RESCISORIA", &TRescisao::VR_MULTA_CNTRO_MULTA_RESCISORIA},
};

const char *const kColunasIniciais[] = {
    "CO_BARRAS", "NU_PIS_GUIA", "DT_ADMISSAO_GUIA", "NU_CATEGORIA_GUIA", "NO_EMPREGADO", "DT_OPCAO",
    "DT_MOVIMENTACAO", "CO_MOVIMENTACAO_GUIA", "IC_AVISO_PREVIO", "DT_DISSIDIO", "DT_NASCIMENTO", "NU_CTPS",
    "NU_SERIE_CTPS", "NU_TIPO_INSO_TMDR_GUIA", "NU_INSCRICAO_TMDR_GUIA", "VR_REMUNERACAO_ANTERIOR_RSCSO",
    "VR_REMUNERACAO_RESCISAO", "VR_AVISO_PREVIO", "VR_MULTA_RESCISORIA",
};



} // namespace

TGuiaTrabalhador::TGuiaTrabalhador(TDBUtils *banco)
    : TNegocio(banco),
      m_trabalhador(std::make_unique<TTrabalhador>(banco)),
      m_vinculo(std::make_unique<TVinculo>(banco)),
      m_rescisao(std::make_unique<TRescisao>(banco))
{
    // the line is self-contained: the owned objects never query their relatives
    m_vinculo->CarregaRelacionados = false;
    m_rescisao->CarregaRelacionados = false;
    m_trabalhador->CarregaRelacionados = false;
    TGuiaTrabalhador::Inicializar();
}

TGuiaTrabalhador::~TGuiaTrabalhador() = default;

void TGuiaTrabalhador::Inicializar()
{
    TNegocio::Inicializar();
    CodigoBarras.clear();
    QStringList cols;
    for (const char *c : kColunasIniciais)
        cols << QStringLiteral("GUIATRA.") + QLatin1String(c);
    for (const Valor &v : kValores)
        cols << QStringLiteral("GUIATRA.") + QLatin1String(v.coluna);
    SqlSelect = QStringLiteral("SELECT ") + cols.join(QStringLiteral(", ")) + QLatin1Char(' ');
    SqlFrom = QStringLiteral("FROM SFGTBG09_GUIA_INDIVIDUAL GUIATRA ");
}

void TGuiaTrabalhador::Limpar() {}

void TGuiaTrabalhador::CarregarCampos()
{
    TNegocio::CarregarCampos();
    CodigoBarras = Campo(QStringLiteral("CO_BARRAS")).toString().trimmed();
    TTrabalhador &t = *m_trabalhador;
    TVinculo &v = *m_vinculo;
    TRescisao &r = *m_rescisao;
    t.NU_PIS = Campo(QStringLiteral("NU_PIS_GUIA")).toString();
    t.NO_EMPREGADO = Campo(QStringLiteral("NO_EMPREGADO")).toString();
    t.DT_NASCIMENTO = Campo(QStringLiteral("DT_NASCIMENTO")).toDate();
    t.NU_CTPS = Campo(QStringLiteral("NU_CTPS")).toString();
    t.NU_SERIE_CTPS = Campo(QStringLiteral("NU_SERIE_CTPS")).toString();
    v.NU_PIS = Campo(QStringLiteral("NU_PIS_GUIA")).toInt64();
    v.DT_ADMISSAO_VINCULO = Campo(QStringLiteral("DT_ADMISSAO_GUIA")).toDate();
    v.NU_CATEGORIA = qint16(Campo(QStringLiteral("NU_CATEGORIA_GUIA")).toInt());
    v.DT_OPCAO = Campo(QStringLiteral("DT_OPCAO")).toDate();
    v.DT_MOVIMENTACAO_VINCULO = Campo(QStringLiteral("DT_MOVIMENTACAO")).toDate();
    v.CO_MOVIMENTACAO = Campo(QStringLiteral("CO_MOVIMENTACAO_GUIA")).toString().trimmed();
    v.IC_AVISO_PREVIO = qint16(Campo(QStringLiteral("IC_AVISO_PREVIO")).toInt());
    v.NU_TIPO_INSO_TMDR = qint16(Campo(QStringLiteral("NU_TIPO_INSO_TMDR_GUIA")).toInt());
    v.NU_INSCRICAO_TMDR = TextoParaInteiro64(Campo(QStringLiteral("NU_INSCRICAO_TMDR_GUIA")).toString());
    r.DT_DISSIDIO = Campo(QStringLiteral("DT_DISSIDIO")).toDate();
    r.VR_REMUNERACAO_ANTERIOR_RSCSO = Campo(QStringLiteral("VR_REMUNERACAO_ANTERIOR_RSCSO")).toMoney();
    r.VR_REMUNERACAO_RESCISAO = Campo(QStringLiteral("VR_REMUNERACAO_RESCISAO")).toMoney();
    r.VR_AVISO_PREVIO = Campo(QStringLiteral("VR_AVISO_PREVIO")).toMoney();
    r.VR_SALDO_RESCISORIO = Campo(QStringLiteral("VR_MULTA_RESCISORIA")).toMoney();
    for (const Valor &val : kValores)
        r.*(val.campo) = Campo(QLatin1String(val.coluna)).toMoney();
}

bool TGuiaTrabalhador::LocalizarGuiaProcessada()
{
    const TVinculo &v = *m_vinculo;
    const auto pis = ConverterInteiro64(m_trabalhador->NU_PIS.trimmed());
    if (!pis)
        return true;  // nothing can match a PIS that is not a number
    const QString sql = SqlSelect + SqlFrom
        + QStringLiteral("JOIN SFGTBG08_GUIA_TOTALIZADORA GUIAEMP ON GUIAEMP.CO_BARRAS = GUIATRA.CO_BARRAS "
                         "WHERE GUIAEMP.NU_TIPO_INSCRICAO_GUIA = %1 AND GUIAEMP.NU_INSCRICAO_GUIA = %2 "
                         "AND GUIATRA.NU_PIS_GUIA = %3 AND GUIATRA.NU_CATEGORIA_GUIA = %4 "
                         "AND GUIATRA.DT_ADMISSAO_GUIA = %5 "
                         "AND GUIAEMP.DT_QUITACAO IS NOT NULL AND GUIAEMP.DT_PROCESSAMENTO IS NOT NULL")
              .arg(v.NU_TIPO_INSO_EMPRA)
              .arg(v.NU_INSCRICAO)
              .arg(*pis)
              .arg(v.NU_CATEGORIA)
              .arg(SqlData(v.DT_ADMISSAO_VINCULO));
    try {
        AtribuirDataSet(Banco()->Abrir(sql));
        IrPrimeiro();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TGuiaTrabalhador::ListarLinhas(const QStringList &chaves, const QString &colunaOrdem)
{
    if (!colunaOrdem.isEmpty() && !OrdemSegura(colunaOrdem))
        return false;
    const QString base = SqlSelect + SqlFrom
        + QStringLiteral("JOIN SFGTBG08_GUIA_TOTALIZADORA GUIAEMP ON GUIAEMP.CO_BARRAS = GUIATRA.CO_BARRAS "
                         "WHERE GUIATRA.CO_BARRAS = ")
        + SqlTexto(CodigoBarras);
    const QString chaveTexto = QStringLiteral(" AND CAST(GUIATRA.NU_PIS_GUIA AS CHAR(11)) || "
                                              "CAST(GUIATRA.DT_ADMISSAO_GUIA AS CHAR(10)) || "
                                              "CAST(GUIATRA.NU_CATEGORIA_GUIA AS CHAR(1)) IN (");
    QString sql;
    if (chaves.isEmpty()) {
        sql = base;
    } else {
        // IN lists of at most three keys, joined by UNION (which also drops repeats)
        QStringList partes;
        for (qsizetype i = 0; i < chaves.size(); i += 3) {
            QStringList lote;
            for (qsizetype k = i; k < qMin(i + 3, chaves.size()); ++k)
                lote << SqlTexto(chaves[k]);
            partes << base + chaveTexto + lote.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        sql = partes.join(QStringLiteral(" UNION "));
    }
    if (!colunaOrdem.isEmpty()) {
        if (chaves.size() == 1)
            sql += QStringLiteral(" ORDER BY GUIATRA.") + colunaOrdem;
        else
            sql = QStringLiteral("SELECT * FROM (") + sql + QStringLiteral(") ORDER BY ") + colunaOrdem;
    }
    try {
        AtribuirDataSet(Banco()->Abrir(sql));
        IrPrimeiro();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TGuiaTrabalhador::Gravar()
{
    const TTrabalhador &t = *m_trabalhador;
    const TVinculo &v = *m_vinculo;
    const TRescisao &r = *m_rescisao;
    QString pis;
    if (!SqlDigitos(t.NU_PIS, pis) || pis == QLatin1String("NULL"))
        return false;
    const QString chave = QStringLiteral("CO_BARRAS = %1 AND NU_PIS_GUIA = %2 AND DT_ADMISSAO_GUIA = %3 "
                                         "AND NU_CATEGORIA_GUIA = %4")
                              .arg(SqlTexto(CodigoBarras), pis, SqlData(v.DT_ADMISSAO_VINCULO))
                              .arg(v.NU_CATEGORIA);
    try {
        const bool existe = Banco()->Abrir(QStringLiteral("SELECT CO_BARRAS FROM SFGTBG09_GUIA_INDIVIDUAL WHERE ") + chave)
                                ->rowCount()
            > 0;
        if (CodigoBarras.trimmed().isEmpty())
            return true;
        QStringList valores = {
            SqlTexto(CodigoBarras), pis, SqlData(v.DT_ADMISSAO_VINCULO), QString::number(v.NU_CATEGORIA),
            SqlTexto(t.NO_EMPREGADO), SqlDataColuna(v.DT_OPCAO), SqlDataColuna(v.DT_MOVIMENTACAO_VINCULO),
            SqlTexto(v.CO_MOVIMENTACAO), QString::number(v.IC_AVISO_PREVIO), SqlDataColuna(r.DT_DISSIDIO),
            SqlDataColuna(t.DT_NASCIMENTO), SqlTexto(t.NU_CTPS), SqlTexto(t.NU_SERIE_CTPS),
            QString::number(v.NU_TIPO_INSO_TMDR), QString::number(v.NU_INSCRICAO_TMDR),
            FormatarDecimalPonto(r.VR_REMUNERACAO_ANTERIOR_RSCSO), FormatarDecimalPonto(r.VR_REMUNERACAO_RESCISAO),
            FormatarDecimalPonto(r.VR_AVISO_PREVIO), FormatarDecimalPonto(r.VR_SALDO_RESCISORIO),
        };
        for (const Valor &val : kValores)
            valores << FormatarDecimalPonto(r.*(val.campo));
        if (!existe) {
            Banco()->Executar(QStringLiteral("INSERT INTO SFGTBG09_GUIA_INDIVIDUAL VALUES (")
                              + valores.join(QStringLiteral(", ")) + QLatin1Char(')'));
        } else {
            QStringList sets;
            int i = 0;
            for (const char *c : kColunasIniciais)
                sets << QLatin1String(c) + QStringLiteral(" = ") + valores[i++];
            for (const Valor &val : kValores)
                sets << QLatin1String(val.coluna) + QStringLiteral(" = ") + valores[i++];
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG09_GUIA_INDIVIDUAL SET ") + sets.join(QStringLiteral(", "))
                              + QStringLiteral(" WHERE ") + chave);
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace tolv
