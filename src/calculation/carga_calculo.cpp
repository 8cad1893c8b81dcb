#include "carga_calculo.h"

#include "core/sql_literais.h"
#include "files/inconsistencia.h"

namespace tolv {

std::vector<VinculoCalculo> CarregarVinculosCalculo(TDBUtils &banco, const FiltroCalculo &f)
{
    QString sql = QStringLiteral(
        "SELECT V.NU_TIPO_INSO_EMPRA, V.NU_INSCRICAO, V.NU_PIS, V.NU_CATEGORIA, V.DT_ADMISSAO_VINCULO, "
        "V.CO_MOVIMENTACAO, V.DT_MOVIMENTACAO_VINCULO, V.DT_OPCAO, V.IC_AVISO_PREVIO, V.IC_ESTADO_MOVIMENTO, "
        "E.NU_INSS, E.NU_SIMPLES, E.NO_RAZAO_SOCIAL, T.NO_EMPREGADO, "
        "R.VR_REMUNERACAO_ANTERIOR_RSCSO, R.VR_REMUNERACAO_RESCISAO, R.VR_AVISO_PREVIO, R.DT_DISSIDIO, "
        "R.VR_DISSIDIO, R.VR_SALDO_RESCISORIO, R.IC_ORIGEM_SALDO_RESCISORIO, R.VR_DEPOSITO_CMPLO_SALDO, "
        "(SELECT FIRST 1 C.DT_CREDITO_JUROS FROM SFGTBG10_CONTA_EMPREGADO_FGTS C "
        " WHERE C.NU_TIPO_INSO_EMPRA = V.NU_TIPO_INSO_EMPRA AND C.NU_INSCRICAO = V.NU_INSCRICAO "
        " AND C.NU_PIS = V.NU_PIS AND C.NU_CATEGORIA = V.NU_CATEGORIA "
        " AND C.DT_ADMISSAO_VINCULO = V.DT_ADMISSAO_VINCULO AND C.NU_SITUACAO_CONTA_EMPREGADO <> 3 "
        " ORDER BY C.NU_EMPREGADO_ORBEL) AS DT_CREDITO_JUROS "
        "FROM SFGTBG04_VINCULO_EMPREGATICIO V "
        "JOIN SFGTBG02_EMPRESA E ON E.NU_TIPO_INSO_EMPRA = V.NU_TIPO_INSO_EMPRA AND E.NU_INSCRICAO = V.NU_INSCRICAO "
        "LEFT JOIN SFGTBG03_EMPREGADO T ON T.NU_PIS = V.NU_PIS "
        "LEFT JOIN SFGTBG06_INFORMACAO_RESCISAO R ON R.NU_TIPO_INSO_EMPRA = V.NU_TIPO_INSO_EMPRA "
        " AND R.NU_INSCRICAO = V.NU_INSCRICAO AND R.NU_PIS = V.NU_PIS AND R.NU_CATEGORIA = V.NU_CATEGORIA "
        " AND R.DT_ADMISSAO_VINCULO = V.DT_ADMISSAO_VINCULO "
        "WHERE 1 = 1 ");
    if (f.TipoInscricao > 0)
        sql += QStringLiteral("AND V.NU_TIPO_INSO_EMPRA = %1 ").arg(f.TipoInscricao);
    if (f.Inscricao > 0)
        sql += QStringLiteral("AND V.NU_INSCRICAO = %1 ").arg(f.Inscricao);
    if (f.UmVinculo)
        sql += QStringLiteral("AND V.NU_PIS = %1 AND V.NU_CATEGORIA = %2 AND V.DT_ADMISSAO_VINCULO = %3 ")
                   .arg(f.Pis)
                   .arg(f.Categoria)
                   .arg(SqlData(f.Admissao));
    if (!f.Estados.isEmpty()) {
        QStringList estados;
        for (int e : f.Estados)
            estados << QString::number(e);
        sql += QStringLiteral("AND V.IC_ESTADO_MOVIMENTO IN (%1) ").arg(estados.join(QLatin1Char(',')));
    }
    sql += QStringLiteral("ORDER BY E.NO_RAZAO_SOCIAL, V.NU_TIPO_INSO_EMPRA, V.NU_INSCRICAO, T.NO_EMPREGADO, "
                          "V.NU_PIS, V.NU_CATEGORIA, V.DT_ADMISSAO_VINCULO");

    const auto rs = banco.Abrir(sql);
    std::vector<VinculoCalculo> out;
    out.reserve(size_t(rs->rowCount()));
    // column positions, resolved once
    enum { Tipo, Insc, Pis, Cat, Adm, Mov, DtMov, Opcao, Aviso, Estado, Inss, Simples, Razao, Nome, RemAnt, RemResc,
           VrAviso, DtDiss, VrDiss, Saldo, Origem, Cmplo, Credito };
    for (rs->first(); !rs->eof(); rs->next()) {
        VinculoCalculo v;
        v.Chave = {rs->field(Tipo).toInt(), rs->field(Insc).toInt64(), rs->field(Pis).toInt64(),
                   rs->field(Cat).toInt(), rs->field(Adm).toDate()};
        v.NomeEmpregado = rs->field(Nome).toString().trimmed();
        v.RazaoSocial = rs->field(Razao).toString().trimmed();
        v.EstadoMovimento = rs->field(Estado).toInt();
        DadosCalculoVinculo &d = v.Dados;
        d.Categoria = v.Chave.Categoria;
        d.TipoInscricao = v.Chave.TipoInscricao;
        d.CodigoMovimentacao = rs->field(Mov).toString().trimmed();
        d.DataMovimentacao = rs->field(DtMov).toDate();
        d.DataOpcao = rs->field(Opcao).toDate();
        d.TipoAvisoPrevio = rs->field(Aviso).toInt();
        d.Fpas = rs->field(Inss).toInt();
        d.Simples = rs->field(Simples).toInt();
        d.RemuneracaoAnterior = rs->field(RemAnt).toMoney();
        d.RemuneracaoRescisao = rs->field(RemResc).toMoney();
        d.AvisoPrevio = rs->field(VrAviso).toMoney();
        d.DataDissidio = rs->field(DtDiss).toDate();
        d.ValorDissidio = rs->field(VrDiss).toMoney();
        d.SaldoRescisorio = rs->field(Saldo).toMoney();
        d.OrigemSaldo = rs->field(Origem).toString().trimmed();
        if (d.OrigemSaldo.isEmpty())
            d.OrigemSaldo = QStringLiteral("N");
        d.DepositoComplemento = rs->field(Cmplo).toMoney();
        // no bank balance, or one without a credit date: no JAM on the balance
        d.DataCreditoJuros = rs->field(Credito).isNull() ? DataNula : rs->field(Credito).toDate();
        out.push_back(std::move(v));
    }
    return out;
}

void GravarParcelas(TDBUtils &banco, const ChaveVinculo &chave, const TCalculo &c, Money valorDissidio)
{
    static const char *const sufixos[4][6] = {
        {"DT_DEVIDA_ANTERIOR_RESCISAO", "VR_DEPOSITO_ANTERIOR_RESCISAO", "VR_JAM_ANTERIOR_RESCISAO",
         "VR_MULTA_ANTERIOR_RESCISAO", "VR_CNTRO_ANTERIOR_RESCISAO", "VR_MULTA_CNTRO_ANTERIOR_RSCSO"},
        {"DT_DEVIDA_RESCISAO", "VR_DEPOSITO_RESCISAO", "VR_JAM_RESCISAO", "VR_MULTA_RESCISAO", "VR_CNTRO_RESCISAO",
         "VR_MULTA_CNTRO_RESCISAO"},
        {"DT_DEVIDA_AVISO_PREVIO", "VR_DEPOSITO_AVISO_PREVIO", "VR_JAM_AVISO_PREVIO", "VR_MULTA_AVISO_PREVIO",
         "VR_CNTRO_AVISO_PREVIO", "VR_MULTA_CNTRO_AVISO_PREVIO"},
        {"DT_DEVIDA_MULTA_RESCISORIA", "VR_DEPOSITO_MULTA_RESCISORIA", "VR_JAM_MULTA_RESCISORIA",
         "VR_MULTA_MULTA_RESCISORIA", "VR_CNTRO_MULTA_RESCISORIA", "VR_MULTA_CNTRO_MULTA_RESCISORIA"},
    };
    // Computed amounts are written as they are, zero included: a NULL would read as
    // "not calculated".
    const auto valor = [](Money m) { return m.toSqlText(); };
    QString sets = QStringLiteral("VR_JAM_SALDO_RESCISORIO = ")
        + valor(valorDissidio > Money() ? Money() : c.JamSaldo());
    for (int i = 0; i < 4; ++i) {
        const ParcelaCalculo &p = c.Parcelas[size_t(i)];
        sets += QStringLiteral(", %1 = %2").arg(QLatin1String(sufixos[i][0]), SqlData(p.DataDevida));
        const Money valores[5] = {p.Deposito, p.Jam, p.Multa, p.Contribuicao, p.MultaContribuicao};
        for (int k = 0; k < 5; ++k)
            sets += QStringLiteral(", %1 = %2").arg(QLatin1String(sufixos[i][k + 1]), valor(valores[k]));
    }
    banco.Executar(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET ") + sets + QStringLiteral(" WHERE ")
                   + chave.Condicao());
}

std::optional<Money> Gravar(TDBUtils &banco, TCalculo &calculo, const VinculoCalculo &vinculo)
{
    if (!calculo.Calcular(vinculo.Dados))
        return std::nullopt;
    GravarParcelas(banco, vinculo.Chave, calculo, vinculo.Dados.ValorDissidio);
    return calculo.Total();
}

void RegistrarFaltaIndiceSimplificado(TDBUtils &banco)
{
    TInconsistencia(&banco).IncluirFechamento(QStringLiteral("0372"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {});
}

} // namespace tolv
