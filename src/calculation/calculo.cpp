#include "calculo.h"

#include "core/formatos.h"

namespace tolv {

namespace {

const Date kCorteReforma = Date::fromYmd(2017, 11, 11);  // new due-date rules from here on

Money T(double x) { return Money::truncated(x); }
double real(Money m) { return m.toDouble(); }

int anoMes(Date x) { return x.year() * 12 + x.month() - 1; }
bool mesmoMes(Date a, Date b) { return a.isRealDate() && b.isRealDate() && anoMes(a) == anoMes(b); }
Date setimoDia(Date x) { return x.startOfMonth() + 6; }

} // namespace

double FatorJamSimplificado(const LinhaSimplificado &linha, int categoria, Date opcao)
{
    if (categoria == 2)
        return linha.jam[size_t(PeriodoOpcao::Apos220971)];
    const PeriodoOpcao p = PeriodoDaOpcao(opcao);
    if (p == PeriodoOpcao::Nenhum)
        return -1.0;
    return linha.jam[size_t(p)];
}

TCalculo::TCalculo(const TabelasIndices &tabelas, Date dataPagamento, std::function<void()> registrarFaltaIndice)
    : m_tabelas(tabelas), m_pagamento(dataPagamento), m_registrarFaltaIndice(std::move(registrarFaltaIndice))
{
    if (m_pagamento.isRealDate())
        m_edital = m_pagamento.day() >= 10 ? m_pagamento.startOfMonth() : m_pagamento.startOfMonth().addMonths(-1);
}

double TCalculo::IndiceSimplificado(int categoria, Date competencia, Date opcao, Date edital) const
{
    const LinhaSimplificado *l = m_tabelas.Simplificado(edital, competencia);
    if (!l) {
        if (m_registrarFaltaIndice)
            m_registrarFaltaIndice();
        return -1.0;
    }
    return FatorJamSimplificado(*l, categoria, opcao);
}

double TCalculo::IndiceProRata(Date competenciaAjustada, Date pagamento, Date competencia, Date opcao, Date edital) const
{
    return tolv::IndiceProRata(m_tabelas, competenciaAjustada, pagamento, competencia, opcao, edital);
}

Money TCalculo::Total() const
{
    Money t;
    for (const ParcelaCalculo &p : Parcelas)
        t += p.Soma();
    return t;
}

bool TCalculo::Calcular(const DadosCalculoVinculo &v)
{
    static const int codigos[4] = {kParcelaAnteriorRescisao, kParcelaRescisao, kParcelaAvisoPrevio,
                                   kParcelaMultaRescisoria};
    for (int i = 0; i < 4; ++i) {
        Parcelas[size_t(i)] = ParcelaCalculo();
        Parcelas[size_t(i)].Codigo = codigos[i];
    }
    CodigoErro = 0;
    m_jamSaldo = Money();
    // Without an open movement there is no pay date to price against.
    if (!m_pagamento.isRealDate() || m_pagamento == Date(0))
        return false;

    const TDiaUtil &cal = m_tabelas.Calendario();
    const auto bdMenos = [&](Date x) { return cal.AjustarDiaUtil(false, x); };
    const auto bdMais = [&](Date x) { return cal.AjustarDiaUtil(true, x); };
    const Date P = m_pagamento, E = m_edital, M = v.DataMovimentacao, D = v.DataDissidio;
    const bool temDissidio = D > Date(0);

    // Fine base.
    Money F;
    if (temDissidio) {
        F = v.ValorDissidio;
    } else {
        F = v.SaldoRescisorio;
        if (F > Money() && v.OrigemSaldo == QLatin1String("C")) {
            const Date X = v.DataCreditoJuros;
            if (X.isRealDate() && X > Date(0) && anoMes(X) < anoMes(E)) {
                const double g = IndiceSimplificado(v.Categoria, X.startOfMonth().addMonths(-1), v.DataOpcao, E);
                if (g > 0) {
                    m_jamSaldo = T(real(F) * g);
                    F += m_jamSaldo;
                }
            }
        }
        F += v.DepositoComplemento;
    }

    // Due dates.
    Date venc[4] = {DataNula, DataNula, DataNula, DataNula};
    const bool antesCorte = M < kCorteReforma;
    if (temDissidio && D > M) {
        const Date x = bdMenos(setimoDia(D.startOfMonth().addMonths(1)));
        for (Date &x0 : venc)
            x0 = x;
    } else if (v.TipoAvisoPrevio == 0 || v.TipoAvisoPrevio == 1) {
        const Date u = antesCorte ? bdMais(M + 1) : M + 10;
        if (M.day() >= 7) {
            venc[0] = bdMenos(setimoDia(M));
        } else {
            Date t = antesCorte ? bdMais(M + 1) : M + 10;
            if (t.day() > 7)
                t = antesCorte ? bdMenos(M + 1) : M + 10;
            venc[0] = t;
        }
        Date w = u;
        if (!antesCorte && u.day() > 7 && !mesmoMes(u, M))
            w = setimoDia(u);
        venc[1] = venc[2] = w;
        venc[3] = u;
    } else if (v.TipoAvisoPrevio == 2 || v.TipoAvisoPrevio == 3) {
        venc[0] = bdMenos(setimoDia(M));
        const Date u = antesCorte ? bdMenos(M + 10) : M + 10;
        Date w = u;
        if (u.day() > 7 && !mesmoMes(u, M))
            w = antesCorte ? bdMenos(setimoDia(u)) : setimoDia(u);
        venc[1] = venc[2] = w;
        venc[3] = u;
    }

    // Competences.
    const Date Q = temDissidio ? D : M;
    const Date comp[4] = {Q.startOfMonth().addMonths(-1), Q.startOfMonth(), Q.startOfMonth(), Q.startOfMonth()};

    // Contribution flags.
    bool contrib[4];
    const bool semContribuicao = v.Fpas == 868 || v.Categoria == 6 || v.Simples == 5 || v.Simples == 6;
    for (bool &c : contrib)
        c = !semContribuicao;
    for (int i = 0; i < 3; ++i)
        if (comp[i] < Date::fromYmd(2002, 1, 1) || comp[i] >= Date::fromYmd(2007, 1, 1))
            contrib[i] = false;
    bool semContribMensal;
    if (v.Fpas == 604)
        semContribMensal = (v.TipoInscricao == 2 && (v.Simples == 1 || v.Simples == 2))
            || (v.TipoInscricao == 1 && v.Simples != 1 && v.Simples != 3);
    else
        semContribMensal = v.Simples == 2;
    if (semContribMensal)
        contrib[0] = contrib[1] = contrib[2] = false;
    const QString codigo = v.CodigoMovimentacao.trimmed().toUpper();
    if (!(codigo == QLatin1String("I1") && M >= Date::fromYmd(2002, 1, 1)))
        contrib[3] = false;
    if (codigo == QLatin1String("I5") || codigo == QLatin1String("I6"))
        for (bool &c : contrib)
            c = false;

    const Money bases[3] = {v.RemuneracaoAnterior, v.RemuneracaoRescisao, v.AvisoPrevio};
    for (int i = 0; i < 4; ++i) {
        ParcelaCalculo &p = Parcelas[size_t(i)];
        p.DataDevida = venc[i];
        p.Competencia = comp[i];
        p.VencimentoMensal = cal.VencimentoDeposito(comp[i]);
        p.ContribuicaoDevida = contrib[i] ? QLatin1Char('S') : QLatin1Char('N');
        p.EmDia = P > venc[i] ? QLatin1Char('N') : QLatin1Char('S');
    }

    for (int i = 0; i < 4; ++i) {
        const bool ok = calcularParcela(i, v, i < 3 ? bases[i] : F, F);
        ParcelaCalculo &p = Parcelas[size_t(i)];
        const Money informada = i < 3 ? bases[i] : p.TotalParcela;
        if (informada <= Money())
            p.DataDevida = DataNula;
        if (!ok)
            return false;
    }
    return true;
}

bool TCalculo::calcularParcela(int i, const DadosCalculoVinculo &v, Money B, Money F)
{
    ParcelaCalculo &p = Parcelas[size_t(i)];
    const int k = p.Codigo;
    const Date d = p.DataDevida, c = p.Competencia, V = p.VencimentoMensal;
    const Date P = m_pagamento, E = m_edital, O = v.DataOpcao, M = v.DataMovimentacao;
    const bool atrasada = p.EmDia == QLatin1Char('N');
    const bool contribuicao = p.ContribuicaoDevida == QLatin1Char('S');

    CodigoErro = 0;
    p.Base = B;
    p.JamSaldo = m_jamSaldo;
    p.Valida = true;
    p.Deposito = p.Jam = p.Contribuicao = p.MultaContribuicao = p.Multa = p.TotalParcela = Money();

    const auto falhar = [&](int codigoErro) {
        CodigoErro = codigoErro;
        p.Valida = false;
        return false;
    };

    const bool naoMensal = k != kParcelaAnteriorRescisao;
    const bool cedo = naoMensal && d.isRealDate() && d.day() <= 10 && mesmoMes(d, c);
    const Date cAjustada = cedo ? c.addMonths(-1) : c;

    double X = 0.0, G = 0.0;
    if (atrasada) {
        if (k == kParcelaMultaRescisoria) {
            X = IndiceGuiaMulta(m_tabelas, E, d, P);
        } else if (d >= V) {
            X = IndiceProRata(cAjustada, P, c, O, E);
        } else {
            const std::optional<double> g = IndiceGuia(m_tabelas, E, d, P);
            if (!g)
                return falhar(0);
            X = *g;
        }
        if (!(X > 0))
            return falhar(372);

        const Date limite = E.addMonths(-2);
        if (cedo ? limite >= c.addMonths(-1) : limite >= c)
            G = IndiceSimplificado(v.Categoria, cAjustada, O, E);
        if (G < 0)
            return falhar(372);
    }

    const QString codigo = v.CodigoMovimentacao.trimmed().toUpper();
    if (k != kParcelaMultaRescisoria) {
        const bool reduzida = (v.Categoria == 4 && c <= Date::fromYmd(2003, 1, 1)) || v.Categoria == 7;
        const double r = reduzida ? 0.02 : 0.08, rMais = reduzida ? 0.025 : 0.085;
        const double s = reduzida ? 0.25 : 1.0, sMais = reduzida ? 0.3125 : 1.0625, divisor = reduzida ? 5 : 17;
        const double b = real(B);
        if (contribuicao && !atrasada) {
            p.Deposito = T(b * r);
            p.Contribuicao = T(b * rMais) - p.Deposito;
        } else if (contribuicao) {
            const Money tot = T(b * X * sMais);
            p.Deposito = T(b * r);
            p.Contribuicao = T(b * rMais) - p.Deposito;
            p.Jam = T(real(p.Deposito) * G);
            const Money u = tot - p.Deposito - p.Jam - p.Contribuicao;
            p.MultaContribuicao = T(real(u + p.Jam) / divisor);
            p.Multa = u - p.MultaContribuicao;
        } else if (!atrasada) {
            p.Deposito = T(b * r);
        } else {
            const Money tot = T(b * X * s);
            p.Deposito = T(b * r);
            p.Jam = T(real(p.Deposito) * G);
            p.Multa = tot - p.Deposito - p.Jam;
        }
        p.TotalParcela = p.Deposito + p.Jam;
    } else {
        double r = 0.0, escala = 0.0;
        if (codigo == QLatin1String("I2") || codigo == QLatin1String("I5") || codigo == QLatin1String("I6")) {
            r = 0.2;
            escala = 0.4;
        } else if (codigo == QLatin1String("I4") || codigo == QLatin1String("L") || codigo == QLatin1String("I1")) {
            r = 0.4;
            escala = 0.8;
        }
        const bool semMultaAntesCorte = (codigo == QLatin1String("I5") || codigo == QLatin1String("I6"))
            && M < kCorteReforma && !contribuicao && atrasada;
        if (r > 0 && !semMultaAntesCorte) {
            const Money bLinha = F + Parcelas[0].TotalParcela + Parcelas[1].TotalParcela + Parcelas[2].TotalParcela;
            p.TotalParcela = bLinha;
            const double b = real(bLinha);
            if (contribuicao && !atrasada) {
                p.Deposito = T(b * 0.4);
                p.Contribuicao = T(b * 0.5) - T(b * 0.4);
            } else if (contribuicao) {
                const Money tot = T(b * X);
                p.Deposito = T(b * 0.4);
                p.Contribuicao = T(b * 0.1);
                p.Jam = T(real(p.Deposito) * G);
                const Money u = tot - p.Deposito - p.Jam - p.Contribuicao;
                p.MultaContribuicao = T(real(u + p.Jam) / 5);
                p.Multa = u - p.MultaContribuicao;
            } else if (!atrasada) {
                p.Deposito = T(b * r);
            } else {
                const Money tot = T(b * X * escala);
                p.Deposito = T(b * r);
                p.Jam = T(real(p.Deposito) * G);
                p.Multa = tot - p.Deposito - p.Jam;
            }
        }
    }

    const Money zero;
    if (p.Deposito < zero || p.Jam < zero || p.Contribuicao < zero || p.MultaContribuicao < zero || p.Multa < zero
        || p.Base < zero || p.TotalParcela < zero)
        return falhar(475);
    return true;
}

} // namespace tolv
