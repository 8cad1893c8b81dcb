#include "indices_fixture.h"

#include "core/sql_literais.h"

#include <QDate>
#include <algorithm>

namespace tolv::test {

namespace {

// Anonymous Gregorian algorithm.
QDate pascoa(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, month, day);
}

QString lit(double v) { return QString::number(v, 'g', 15); }

} // namespace

std::vector<Date> FeriadosNacionais(int ano)
{
    std::vector<Date> out;
    for (auto [m, d] : {std::pair{1, 1}, {4, 21}, {5, 1}, {9, 7}, {10, 12}, {11, 2}, {11, 15}, {12, 25}})
        out.push_back(Date::fromYmd(ano, m, d));
    if (ano >= 2024)
        out.push_back(Date::fromYmd(ano, 11, 20));
    const QDate p = pascoa(ano);
    for (int offset : {-48, -47, -2, 60})
        out.push_back(Date::fromQDate(p.addDays(offset)));
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Date> DiasUteis(Date de, Date ate)
{
    std::vector<Date> out;
    std::vector<Date> feriados;
    int anoFeriados = 0;
    for (Date d = de; d <= ate; d = d + 1) {
        if (d.year() != anoFeriados) {
            anoFeriados = d.year();
            feriados = FeriadosNacionais(anoFeriados);
        }
        if (d.dayOfWeek() >= 6 || std::binary_search(feriados.begin(), feriados.end(), d))
            continue;
        out.push_back(d);
    }
    return out;
}

void GravarCalendario(TDBUtils &banco, int anoInicial, int anoFinal)
{
    const auto dias = DiasUteis(Date::fromYmd(anoInicial, 1, 1), Date::fromYmd(anoFinal, 12, 31));
    const bool propria = !banco.EmTransacao();
    if (propria)
        banco.IniciarTransacao();
    for (Date d : dias)
        banco.Executar(QStringLiteral("INSERT INTO SFGTBT15_DIA_UTIL (DT_UTIL) VALUES (%1)").arg(SqlData(d)));
    if (propria)
        banco.Commit();
}

double JamSintetico(Date edital, Date competencia)
{
    const int meses = (edital.year() - competencia.year()) * 12 + edital.month() - competencia.month();
    return meses <= 0 ? 0.0 : 0.003 * meses;
}

// Factors are per unit of remuneration at the 8 % rate (the calculation scales them
// for other rates), so a late deposit costs a little more than 8 %.
double ProRataSintetico(int mesesAtraso) { return 0.08 * (1.0 + 0.01 * (mesesAtraso + 1)); }

double GuiaSintetico(Date vencimento, Date pagamento)
{
    return 0.08 * (1.02 + 0.0005 * std::max(0, pagamento - vencimento));
}

double GuiaMultaSintetico(Date vencimento, Date pagamento)
{
    return 0.5 * (1.02 + 0.0005 * std::max(0, pagamento - vencimento));
}

void GravarIndicesSinteticos(TDBUtils &banco, Date edital, int mesesGuia)
{
    const bool propria = !banco.EmTransacao();
    if (propria)
        banco.IniciarTransacao();

    for (Date c = Date::fromYmd(1967, 1, 1); c <= edital; c = c.addMonths(1)) {
        const double jam = JamSintetico(edital, c);
        QString cols, vals;
        const char *sufixos[] = {"67", "68", "69", "70"};
        for (const char *s : sufixos) {
            cols += QStringLiteral(", IN_JAM_OPCAO_%1, IN_SIMPLIFICADO_1_OPCAO_%1, IN_SIMPLIFICADO_2_OPCAO_%1").arg(QLatin1String(s));
            vals += QStringLiteral(", %1, %2, %3").arg(lit(jam), lit(1.0 + jam), lit(1.0 + jam / 2));
        }
        cols += QStringLiteral(", IN_JAM_OPCAO_ATE_0971, IN_SMPLO_1_OPCAO_ATE_0971, IN_SMPLO_2_OPCAO_ATE_0971"
                               ", IN_JAM_OPCAO_MAIOR_0971, IN_SMPLO_1_OPCAO_MAIOR_0971, IN_SMPLO_2_OPCAO_MAIOR_0971");
        vals += QStringLiteral(", %1, %2, %3, %1, %2, %3").arg(lit(jam), lit(1.0 + jam), lit(1.0 + jam / 2));
        banco.Executar(QStringLiteral("INSERT INTO SFGTBT17_INDICE_SIMPLIFICADO (DT_EDITAL_SIMPLIFICADO, "
                                      "DT_COMPETENCIA_SIMPLIFICADO%1) VALUES (%2, %3%4)")
                           .arg(cols, SqlData(edital), SqlData(c), vals));
    }

    const Date inicio = edital.startOfMonth() + 9, fim = edital.startOfMonth().addMonths(1) + 8;
    // guide rows are looked up by a due date already moved to a business day
    const auto vencimentos = DiasUteis(edital.startOfMonth().addMonths(1 - mesesGuia), fim);
    for (Date p = inicio; p <= fim; p = p + 1) {
        banco.Executar(QStringLiteral("INSERT INTO SFGTBT18_INDICE_PRORATA (DT_EDITAL_PRORATA, DT_RECOLHIMENTO_PRORATA, "
                                      "IN_ATRASO_2_MESES, IN_ATRASO_1_MES, IN_ATRASO_MES) VALUES (%1, %2, %3, %4, %5)")
                           .arg(SqlData(edital), SqlData(p), lit(ProRataSintetico(2)), lit(ProRataSintetico(1)),
                                lit(ProRataSintetico(0))));
        for (Date v : vencimentos)
            banco.Executar(QStringLiteral("INSERT INTO SFGTBT16_INDICE_GUIA_RESCISORIA (DT_EDITAL_GUIA, DT_VENCIMENTO, "
                                          "DT_RCLTO_INDICE_RESCISORIA, VR_INDICE, VR_INDICE_MULTA_RESCISORIA) "
                                          "VALUES (%1, %2, %3, %4, %5)")
                               .arg(SqlData(edital), SqlData(v), SqlData(p), lit(GuiaSintetico(v, p)),
                                    lit(GuiaMultaSintetico(v, p))));
    }
    if (propria)
        banco.Commit();
}

} // namespace tolv::test
