#include "tabelas_indices.h"

#include "core/money.h"

namespace tolv {

PeriodoOpcao PeriodoDaOpcao(Date opcao)
{
    if (!opcao.isRealDate())
        return PeriodoOpcao::Nenhum;
    switch (opcao.year()) {
    case 1967: return PeriodoOpcao::Ano67;
    case 1968: return PeriodoOpcao::Ano68;
    case 1969: return PeriodoOpcao::Ano69;
    case 1970: return PeriodoOpcao::Ano70;
    default: break;
    }
    if (opcao.year() < 1967)
        return PeriodoOpcao::Nenhum;
    return opcao <= Date::fromYmd(1971, 9, 22) ? PeriodoOpcao::Ate220971 : PeriodoOpcao::Apos220971;
}

namespace {

const char *const kPeriodos[] = {"67", "68", "69", "70"};

} // namespace

LinhaSimplificado LerLinhaSimplificado(const ResultSet &rs)
{
    LinhaSimplificado l;
    for (int p = 0; p < 4; ++p) {
        const QString ano = QLatin1String(kPeriodos[p]);
        l.jam[p] = rs.field(QStringLiteral("IN_JAM_OPCAO_") + ano).toDouble();
        l.simplificado1[p] = rs.field(QStringLiteral("IN_SIMPLIFICADO_1_OPCAO_") + ano).toDouble();
        l.simplificado2[p] = rs.field(QStringLiteral("IN_SIMPLIFICADO_2_OPCAO_") + ano).toDouble();
    }
    l.jam[4] = rs.field(QStringLiteral("IN_JAM_OPCAO_ATE_0971")).toDouble();
    l.jam[5] = rs.field(QStringLiteral("IN_JAM_OPCAO_MAIOR_0971")).toDouble();
    l.simplificado1[4] = rs.field(QStringLiteral("IN_SMPLO_1_OPCAO_ATE_0971")).toDouble();
    l.simplificado2[4] = rs.field(QStringLiteral("IN_SMPLO_2_OPCAO_ATE_0971")).toDouble();
    l.simplificado1[5] = rs.field(QStringLiteral("IN_SMPLO_1_OPCAO_MAIOR_0971")).toDouble();
    l.simplificado2[5] = rs.field(QStringLiteral("IN_SMPLO_2_OPCAO_MAIOR_0971")).toDouble();
    return l;
}

void TabelasIndices::Carregar(TDBUtils &banco)
{
    TDiaUtil lido(&banco);
    lido.Carregar();
    m_calendario.DefinirDias(lido.Dias());

    m_simplificado.clear();
    auto rs = banco.Abrir(QStringLiteral("SELECT * FROM SFGTBT17_INDICE_SIMPLIFICADO"));
    m_simplificado.reserve(size_t(rs->rowCount()));
    for (rs->first(); !rs->eof(); rs->next())
        IncluirSimplificado(rs->field(QStringLiteral("DT_EDITAL_SIMPLIFICADO")).toDate(),
                            rs->field(QStringLiteral("DT_COMPETENCIA_SIMPLIFICADO")).toDate(), LerLinhaSimplificado(*rs));

    m_guia.clear();
    rs = banco.Abrir(QStringLiteral("SELECT DT_EDITAL_GUIA, DT_VENCIMENTO, DT_RCLTO_INDICE_RESCISORIA, VR_INDICE, "
                                    "VR_INDICE_MULTA_RESCISORIA FROM SFGTBT16_INDICE_GUIA_RESCISORIA"));
    m_guia.reserve(size_t(rs->rowCount()));
    for (rs->first(); !rs->eof(); rs->next())
        IncluirGuia(rs->field(0).toDate(), rs->field(1).toDate(), rs->field(2).toDate(),
                    {rs->field(3).toDouble(), rs->field(4).toDouble()});

    m_proRata.clear();
    rs = banco.Abrir(QStringLiteral("SELECT DT_EDITAL_PRORATA, DT_RECOLHIMENTO_PRORATA, IN_ATRASO_2_MESES, "
                                    "IN_ATRASO_1_MES, IN_ATRASO_MES FROM SFGTBT18_INDICE_PRORATA"));
    for (rs->first(); !rs->eof(); rs->next())
        IncluirProRata(rs->field(0).toDate(), rs->field(1).toDate(),
                       {rs->field(2).toDouble(), rs->field(3).toDouble(), rs->field(4).toDouble()});
}

void TabelasIndices::IncluirSimplificado(Date edital, Date competencia, const LinhaSimplificado &linha)
{
    m_simplificado[chave(edital, competencia)] = linha;
}

void TabelasIndices::IncluirGuia(Date edital, Date vencimento, Date pagamento, const LinhaGuia &linha)
{
    m_guia[ChaveGuia{edital.serial(), vencimento.serial(), pagamento.serial()}] = linha;
}

void TabelasIndices::IncluirProRata(Date edital, Date pagamento, const LinhaProRata &linha)
{
    m_proRata[chave(edital, pagamento)] = linha;
}

const LinhaSimplificado *TabelasIndices::Simplificado(Date edital, Date competencia) const
{
    const auto it = m_simplificado.find(chave(edital, competencia));
    return it == m_simplificado.end() ? nullptr : &it->second;
}

const LinhaGuia *TabelasIndices::Guia(Date edital, Date vencimento, Date pagamento) const
{
    const auto it = m_guia.find(ChaveGuia{edital.serial(), vencimento.serial(), pagamento.serial()});
    return it == m_guia.end() ? nullptr : &it->second;
}

const LinhaProRata *TabelasIndices::ProRata(Date edital, Date pagamento) const
{
    const auto it = m_proRata.find(chave(edital, pagamento));
    return it == m_proRata.end() ? nullptr : &it->second;
}

std::optional<double> IndiceGuia(const TabelasIndices &t, Date edital, Date vencimento, Date pagamento)
{
    const LinhaGuia *l = t.Guia(edital, t.Calendario().AjustarDiaUtil(false, vencimento), pagamento);
    if (!l)
        return std::nullopt;
    return l->indice;
}

double IndiceGuiaMulta(const TabelasIndices &t, Date edital, Date vencimento, Date pagamento)
{
    const LinhaGuia *l = t.Guia(edital, t.Calendario().AjustarDiaUtil(false, vencimento), pagamento);
    return l ? l->indiceMulta : 0.0;
}

double IndiceProRata(const TabelasIndices &t, Date competenciaAjustada, Date pagamento, Date competencia,
                     Date opcao, Date edital)
{
    const LinhaProRata *l = t.ProRata(edital, pagamento);
    if (!l)
        return 0.0;
    const int n = (edital.year() - competencia.year()) * 12 + edital.month() - competencia.month();
    double a = 0.0;
    double s = 1.0;
    if (n >= 2) {
        a = l->atraso2Meses;
        const PeriodoOpcao p = PeriodoDaOpcao(opcao);
        if (p != PeriodoOpcao::Nenhum) {
            int variante;
            const int dia = pagamento.day();
            if (dia <= 7)
                variante = competencia < Date::fromYmd(1989, 9, 1) ? 2 : 1;
            else if (dia <= 9)
                variante = 2;
            else
                variante = 1;
            const LinhaSimplificado *ls = t.Simplificado(edital, competenciaAjustada);
            s = ls ? (variante == 1 ? ls->simplificado1[size_t(p)] : ls->simplificado2[size_t(p)]) : 0.0;
        }
    } else if (n == 1) {
        a = l->atraso1Mes;
    } else if (n == 0) {
        a = l->atrasoMes;
    }
    return TruncarDecimais(a * s, 9);
}

} // namespace tolv
