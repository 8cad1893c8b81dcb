// gerar_folha: writes a valid payroll import file "TOLV.RE" of N employers with M
// workers each (complement records, both inscription types, every notice type,
// alimony, bank data, agreements, workers with links in two employers), the
// reference rows a fresh database needs to accept it (pro-rata edital, business
// days, simplified indices) and, for comparison, the same rows as plain INSERTs.
//
//   gerar_folha --empregadores N --trabalhadores M --saida TOLV.RE
//               [--indices indices.sql] [--insercoes insercoes.sql] [--semente S]

#include "core/date.h"
#include "core/formatos.h"
#include "core/validadores.h"
#include "files/linha_fixa.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <random>

using namespace tolv;

namespace {

// Every date of a file is measured against this edital and pay date.
const Date kEdital = Date::fromYmd(2018, 3, 1);
const Date kPagamento = Date::fromYmd(2018, 3, 12);

class Aleatorio {
public:
    explicit Aleatorio(unsigned semente) : m_gerador(semente) {}
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_gerador); }
    bool chance(int porCento) { return entre(1, 100) <= porCento; }
    template <typename T>
    T um(const std::vector<T> &v) { return v[size_t(entre(0, int(v.size()) - 1))]; }

private:
    std::mt19937 m_gerador;
};

// A 360-character line: blanks, "*" at position 360.
class Linha {
public:
    Linha() : m_texto(359, QLatin1Char(' ')) { m_texto += QLatin1Char('*'); }
    Linha &texto(int pos, int largura, const QString &t) { return por(pos, CampoTexto(t, largura)); }
    Linha &num(int pos, int largura, qint64 n) { return por(pos, CampoNumerico(n, largura)); }
    Linha &data(int pos, Date d) { return por(pos, d.isRealDate() ? FormatarData(QStringLiteral("ddmmyyyy"), d) : QStringLiteral("00000000")); }
    const QString &str() const { return m_texto; }

private:
    Linha &por(int pos, const QString &t)
    {
        m_texto.replace(pos - 1, t.size(), t);
        return *this;
    }
    QString m_texto;
};

int Mod11(const QString &d, const std::vector<int> &pesos)
{
    int soma = 0;
    for (size_t i = 0; i < pesos.size(); ++i)
        soma += (d.at(int(i)).unicode() - '0') * pesos[i];
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

qint64 Pis(qint64 base)
{
    const QString d = QString::number(base);
    return base * 10 + Mod11(d, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
}

qint64 Cpf(qint64 base9)
{
    QString d = CompletarZeros(QString::number(base9), 9);
    d += QString::number(Mod11(d, {10, 9, 8, 7, 6, 5, 4, 3, 2}));
    d += QString::number(Mod11(d, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    return d.toLongLong();
}

qint64 Cnpj(qint64 base8)
{
    QString d = CompletarZeros(QString::number(base8), 8) + QStringLiteral("0001");
    d += QString::number(Mod11(d, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    d += QString::number(Mod11(d, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    const qint64 n = d.toLongLong();
    Q_ASSERT(ValidarCnpj(n));
    return n;
}

qint64 Cei(qint64 base11)
{
    for (int dv = 0; dv < 10; ++dv)
        if (ValidarCei(base11 * 10 + dv))
            return base11 * 10 + dv;
    return 0;
}

const std::vector<QString> kPrenomes = {
    QStringLiteral("JOAO"),    QStringLiteral("MARIA"),   QStringLiteral("JOSE"),     QStringLiteral("ANA"),
    QStringLiteral("ANTONIO"), QStringLiteral("FRANCISCA"), QStringLiteral("CARLOS"), QStringLiteral("PAULO"),
    QStringLiteral("LUCIANA"), QStringLiteral("RAIMUNDO"), QStringLiteral("SEBASTIAO"), QStringLiteral("JULIANA"),
    QStringLiteral("MARCOS"),  QStringLiteral("PATRICIA"), QStringLiteral("CONCEICAO"), QStringLiteral("GONCALO")};
const std::vector<QString> kSobrenomes = {
    QStringLiteral("DA SILVA"), QStringLiteral("DOS SANTOS"), QStringLiteral("OLIVEIRA"), QStringLiteral("SOUZA"),
    QStringLiteral("RODRIGUES"), QStringLiteral("FERREIRA"), QStringLiteral("ALVES"), QStringLiteral("PEREIRA"),
    QStringLiteral("DE ASSIS"), QStringLiteral("DALMEIDA"), QStringLiteral("DAVILA"), QStringLiteral("CONCEICAO"),
    QStringLiteral("GONCALVES"), QStringLiteral("DO NASCIMENTO"), QStringLiteral("ARAUJO"), QStringLiteral("RIBEIRO")};
const std::vector<QString> kRamos = {QStringLiteral("COMERCIO"), QStringLiteral("INDUSTRIA"), QStringLiteral("SERVICOS"),
                                     QStringLiteral("TRANSPORTES"), QStringLiteral("CONSTRUTORA"), QStringLiteral("PADARIA")};

struct Cidade {
    QString nome, uf, bairro, cep;
};
const std::vector<Cidade> kCidades = {
    {QStringLiteral("BRASILIA"), QStringLiteral("DF"), QStringLiteral("ASA SUL"), QStringLiteral("70300500")},
    {QStringLiteral("SAO PAULO"), QStringLiteral("SP"), QStringLiteral("BELA VISTA"), QStringLiteral("01310100")},
    {QStringLiteral("BELO HORIZONTE"), QStringLiteral("MG"), QStringLiteral("CENTRO"), QStringLiteral("30130010")},
    {QStringLiteral("PORTO ALEGRE"), QStringLiteral("RS"), QStringLiteral("MOINHOS DE VENTO"), QStringLiteral("90570020")},
    {QStringLiteral("RECIFE"), QStringLiteral("PE"), QStringLiteral("BOA VIAGEM"), QStringLiteral("51020010")},
};
const std::vector<QString> kCbo = {QStringLiteral("004110"), QStringLiteral("002141"), QStringLiteral("002512"),
                                   QStringLiteral("003172"), QStringLiteral("003762"), QStringLiteral("007223")};
const std::vector<int> kCnae = {6920601, 134200, 2599399, 4755502, 7311400, 9499500};

QString Sql(const QString &t) { return QLatin1Char('\'') + QString(t).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\''); }
QString SqlD(Date d) { return d.isRealDate() ? QLatin1Char('\'') + FormatarData(QStringLiteral("yyyy-mm-dd"), d) + QLatin1Char('\'') : QStringLiteral("NULL"); }
QString Valor(qint64 centavos) { return QStringLiteral("%1.%2").arg(centavos / 100).arg(centavos % 100, 2, 10, QLatin1Char('0')); }

struct Trabalhador {
    qint64 pis = 0;
    QString nome;
    Date nascimento;
    int sexo = 1;
    int grau = 7;
    qint64 cpf = 0;
    QString ctps, serie;
};

struct Gerador {
    Aleatorio rnd;
    int empregadores = 0;
    int porEmpregador = 0;
    QStringList linhas;
    QStringList insercoes;
    QSet<qint64> pisInseridos;
    QSet<QString> competencias;  // yyyy-mm-01 of every complement line
    qint64 proximoPis = 1000000010;
    qint64 proximoCpf = 100000000;
    int trabalhadores = 0;
    int linhasComplemento = 0;

    explicit Gerador(unsigned semente) : rnd(semente) {}

    QString nome()
    {
        return rnd.um(kPrenomes) + QLatin1Char(' ') + rnd.um(kPrenomes) + QLatin1Char(' ') + rnd.um(kSobrenomes);
    }

    Trabalhador novoTrabalhador()
    {
        Trabalhador t;
        proximoPis += rnd.entre(1, 9);
        t.pis = Pis(proximoPis);
        t.nome = nome();
        t.nascimento = Date::fromYmd(rnd.entre(1950, 1982), rnd.entre(1, 12), rnd.entre(1, 28));
        t.sexo = rnd.entre(1, 2);
        t.grau = rnd.entre(1, 13);
        t.cpf = rnd.chance(80) ? Cpf(proximoCpf += rnd.entre(1, 50)) : 0;
        // A work card of one repeated digit is refused.
        do {
            t.ctps = CompletarZeros(QString::number(rnd.entre(10000, 9999999)), 7);
            t.serie = CompletarZeros(QString::number(rnd.entre(10, 99999)), 5);
        } while (TodosIguais(t.ctps) || TodosIguais(t.serie));
        return t;
    }

    void cabecalho()
    {
        const qint64 responsavel = Cnpj(33444555);
        linhas << Linha()
                      .texto(1, 2, QStringLiteral("00"))
                      .num(54, 1, 2)
                      .num(55, 1, 1)
                      .num(56, 14, responsavel)
                      .texto(70, 30, QStringLiteral("CONTABIL EXEMPLO LTDA"))
                      .texto(100, 20, QStringLiteral("PEDRO ALVES"))
                      .texto(120, 50, QStringLiteral("AV PAULISTA 1000"))
                      .texto(170, 20, QStringLiteral("BELA VISTA"))
                      .texto(190, 8, QStringLiteral("01310100"))
                      .texto(198, 20, QStringLiteral("SAO PAULO"))
                      .texto(218, 2, QStringLiteral("SP"))
                      .texto(220, 12, QStringLiteral("001132145678"))
                      .texto(232, 60, QStringLiteral("contato@contabilexemplo.com.br"))
                      .data(292, kPagamento)
                      .str();
        insercoes << QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, SG_UF, NO_RAZAO_SOCIAL, "
                                    "DE_LOGRADOURO, NO_BAIRRO, NU_CEP, NO_LOCALIDADE, NU_DDD, NU_TELEFONE, NO_CONTATO, "
                                    "CO_ENDERECO_VIRTUAL_CONTATO, IC_ESTADO_EMPRESA) VALUES (1, %1, 'SP', "
                                    "'CONTABIL EXEMPLO LTDA', 'AV PAULISTA 1000', 'BELA VISTA', 1310100, 'SAO PAULO', 11, "
                                    "32145678, 'PEDRO ALVES', 'contato@contabilexemplo.com.br', 'R');")
                           .arg(responsavel);
        insercoes << QStringLiteral("INSERT INTO SFGTBG01_ABERTURA_RECOLHIMENTO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                    "DT_PAGAMENTO) VALUES (1, %1, %2);")
                           .arg(responsavel)
                           .arg(SqlD(kPagamento));
    }

    void gerar()
    {
        cabecalho();
        // CNPJs first, then CEIs: the employer key is type and inscription.
        const int ceis = empregadores / 4;
        std::vector<std::pair<int, qint64>> chaves;
        for (int e = 0; e < empregadores - ceis; ++e)
            chaves.emplace_back(1, Cnpj(11000000 + qint64(e) * 137));
        for (int e = 0; e < ceis; ++e)
            chaves.emplace_back(2, Cei(10000000000LL + qint64(e) * 211));
        std::vector<Trabalhador> anteriores;
        for (const auto &[tipo, inscricao] : chaves)
            anteriores = empregador(tipo, inscricao, anteriores);
        linhas << Linha().texto(1, 2, QStringLiteral("90")).texto(3, 51, QString(51, QLatin1Char('9'))).str();
    }

    std::vector<Trabalhador> empregador(int tipo, qint64 inscricao, const std::vector<Trabalhador> &anteriores)
    {
        const Cidade cidade = rnd.um(kCidades);
        const QString razao = rnd.um(kRamos) + QLatin1Char(' ') + rnd.um(kSobrenomes) + QStringLiteral(" LTDA");
        const int cnae = rnd.um(kCnae);
        const int simples = rnd.entre(1, 3);
        const QString rua = QStringLiteral("RUA %1 %2").arg(rnd.um(kSobrenomes)).arg(rnd.entre(1, 2000));
        const QString telefone = QStringLiteral("00%1%2").arg(rnd.um(std::vector<int>{11, 21, 31, 41, 51, 61, 71, 81, 85, 92}))
                                     .arg(rnd.entre(22000000, 39999999));
        linhas << Linha()
                      .texto(1, 2, QStringLiteral("10"))
                      .num(3, 1, tipo)
                      .num(4, 14, inscricao)
                      .num(18, 36, 0)
                      .texto(54, 40, razao)
                      .texto(94, 50, rua)
                      .texto(144, 20, cidade.bairro)
                      .texto(164, 8, cidade.cep)
                      .texto(172, 20, cidade.nome)
                      .texto(192, 2, cidade.uf)
                      .texto(194, 12, telefone)
                      .num(206, 7, cnae)
                      .num(213, 1, simples)
                      .num(214, 3, 515)
                      .str();
        insercoes << QStringLiteral("INSERT INTO SFGTBG02_EMPRESA (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_SIMPLES, SG_UF, "
                                    "NU_IBGE, NU_INSS, NO_RAZAO_SOCIAL, DE_LOGRADOURO, NO_BAIRRO, NU_CEP, NO_LOCALIDADE, "
                                    "NU_DDD, NU_TELEFONE, NO_CONTATO, CO_ENDERECO_VIRTUAL_CONTATO, IC_ESTADO_EMPRESA) "
                                    "VALUES (%1, %2, %3, %4, %5, 515, %6, %7, %8, %9, %10, %11, %12, Null, Null, 'E');")
                           .arg(tipo)
                           .arg(inscricao)
                           .arg(simples)
                           .arg(Sql(cidade.uf))
                           .arg(cnae)
                           .arg(Sql(razao), Sql(rua), Sql(cidade.bairro))
                           .arg(cidade.cep.toInt())
                           .arg(Sql(cidade.nome))
                           .arg(telefone.mid(0, 4).toInt())
                           .arg(telefone.mid(4).toInt());

        // A few workers of the previous employer have a link here too; they come
        // first, their PIS being the smaller ones.
        std::vector<Trabalhador> daqui;
        for (size_t i = 0; i < anteriores.size() && int(daqui.size()) < porEmpregador / 20; i += 7)
            daqui.push_back(anteriores[i]);
        while (int(daqui.size()) < porEmpregador)
            daqui.push_back(novoTrabalhador());
        for (const Trabalhador &t : daqui)
            vinculo(tipo, inscricao, t);
        return daqui;
    }

    void vinculo(int tipo, qint64 inscricao, const Trabalhador &t)
    {
        ++trabalhadores;
        int categoria = 1;
        const int sorteio = rnd.entre(1, 100);
        if (sorteio > 95)
            categoria = 5;
        else if (sorteio > 85)
            categoria = 7;
        else if (sorteio > 70)
            categoria = 4;

        QString movimento = QStringLiteral("I1"), saque = rnd.chance(80) ? QStringLiteral("01") : QStringLiteral("03");
        const int m = rnd.entre(1, 100);
        if (m > 90) {
            movimento = QStringLiteral("I3");
            saque = QStringLiteral("04");
        } else if (m > 80) {
            movimento = QStringLiteral("I2");
            saque = QStringLiteral("02");
        } else if (m > 72 && categoria != 5 && categoria != 4) {
            movimento = QStringLiteral("I5");
            saque = QStringLiteral("07");
        }
        const Date movimentacao = Date::fromYmd(2018, rnd.entre(1, 2), rnd.entre(1, 28));
        const int anoMinimo = categoria == 7 ? 2001 : (categoria == 4 ? 1999 : 1990);
        Date admissao;
        do {
            admissao = Date::fromYmd(rnd.entre(anoMinimo, 2016), rnd.entre(1, 12), rnd.entre(1, 28));
        } while (admissao.year() - t.nascimento.year() < 16);

        const bool diretor = categoria == 5;
        const bool i3 = movimento == QLatin1String("I3");
        int aviso = diretor ? 3 : (i3 ? (rnd.chance(50) ? 1 : 3) : rnd.entre(1, 2));
        const Date inicioAviso = aviso == 1 ? movimentacao - 30 : DataNula;
        const bool dissidio = !i3 && !diretor && rnd.chance(5);
        const Date dataDissidio = dissidio ? movimentacao + rnd.entre(10, 40) : DataNula;
        const qint64 valorDissidio = dissidio ? rnd.entre(10000, 300000) : 0;
        const qint64 anterior = dissidio ? 0 : rnd.entre(150000, 900000);
        const qint64 rescisao = dissidio ? 0 : rnd.entre(10000, 900000);
        const qint64 avisoValor = aviso == 2 ? rnd.entre(150000, 900000) : 0;
        const qint64 saldo = (!i3 && !dissidio && rnd.chance(40)) ? rnd.entre(100000, 5000000) : 0;
        QString pensao = QStringLiteral("N");
        qint64 percentual = 0, valorPensao = 0;
        if (rnd.chance(10)) {
            pensao = QStringLiteral("P");
            percentual = rnd.entre(500, 3000);
        } else if (rnd.chance(10)) {
            pensao = QStringLiteral("V");
            valorPensao = rnd.entre(20000, 150000);
        }
        const bool bancoInformado = rnd.chance(50);
        const QString agencia = bancoInformado ? CompletarZeros(QString::number(rnd.entre(1, 9999)), 4) : QString();
        const QString conta = bancoInformado ? QString::number(rnd.entre(10000, 99999999)) : QString();
        const bool tomador = rnd.chance(10);
        const qint64 inscricaoTomador = tomador ? Cnpj(55000000 + rnd.entre(0, 999)) : 0;
        const QString cbo = rnd.um(kCbo);
        const int horas = rnd.um(std::vector<int>{44, 40, 30, 20});
        const QString reposicao = rnd.chance(50) ? QStringLiteral("S") : QStringLiteral("N");

        Linha l;
        l.texto(1, 2, QStringLiteral("40"))
            .num(3, 1, tipo)
            .num(4, 14, inscricao)
            .num(18, 1, tomador ? 1 : 0)
            .num(19, 14, inscricaoTomador)
            .num(33, 11, t.pis)
            .data(44, admissao)
            .num(52, 2, categoria)
            .texto(54, 70, t.nome)
            .texto(124, 7, diretor ? QString() : t.ctps)
            .texto(131, 5, diretor ? QString() : t.serie)
            .num(136, 1, t.sexo)
            .num(137, 2, t.grau)
            .data(139, t.nascimento)
            .num(147, 2, horas)
            .texto(149, 6, cbo)
            .data(155, admissao)
            .texto(163, 2, movimento)
            .data(165, movimentacao)
            .texto(173, 3, saque)
            .num(176, 1, aviso)
            .data(177, inicioAviso)
            .texto(185, 1, reposicao)
            .data(186, dataDissidio)
            .num(194, 15, valorDissidio)
            .num(209, 15, anterior)
            .num(224, 15, rescisao)
            .num(239, 15, avisoValor)
            .texto(254, 1, pensao)
            .num(255, 5, percentual)
            .num(260, 15, valorPensao)
            .num(275, 11, t.cpf)
            .num(286, 3, bancoInformado ? 104 : 0)
            .num(289, 4, agencia.toInt())
            .num(293, 13, conta.toLongLong())
            .num(306, 15, saldo);
        linhas << l.str();

        if (!pisInseridos.contains(t.pis)) {
            pisInseridos.insert(t.pis);
            insercoes << QStringLiteral("INSERT INTO SFGTBG03_EMPREGADO (NU_PIS, NU_GRAU_INSTRUCAO, NO_EMPREGADO, NU_CTPS, "
                                        "NU_SERIE_CTPS, IC_SEXO, DT_NASCIMENTO, NU_INSCRICAO_CPF) VALUES (%1, %2, %3, %4, "
                                        "%5, %6, %7, %8);")
                               .arg(t.pis)
                               .arg(t.grau)
                               .arg(Sql(t.nome), diretor ? QStringLiteral("Null") : Sql(t.ctps),
                                    diretor ? QStringLiteral("Null") : Sql(t.serie))
                               .arg(t.sexo)
                               .arg(SqlD(t.nascimento), t.cpf ? QString::number(t.cpf) : QStringLiteral("Null"));
        }
        const QString chave = QStringLiteral("%1, %2, %3, %4, %5").arg(tipo).arg(inscricao).arg(t.pis).arg(categoria).arg(SqlD(admissao));
        insercoes << QStringLiteral("INSERT INTO SFGTBG04_VINCULO_EMPREGATICIO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                                    "NU_CATEGORIA, DT_ADMISSAO_VINCULO, CO_MOVIMENTACAO, CO_CBO, CO_SAQUE, DT_OPCAO, "
                                    "NU_TIPO_INSO_TMDR, NU_INSCRICAO_TMDR, IC_AVISO_PREVIO, DT_INICIO_AVISO_PRVO, "
                                    "IC_REPOSICAO_VAGAS, QT_HORAS_TRBS_SMNA, IC_ESTADO_MOVIMENTO, DT_MOVIMENTACAO_VINCULO, "
                                    "NU_BANCO_CONTA, NU_AGENCIA_CONTA, NU_CONTA_BANCARIA) VALUES (%1, %2, %3, %4, %5, %6, %7, "
                                    "%8, %9, %10, %11, 0, %12, %13, %14, %15);")
                           .arg(chave, Sql(movimento), Sql(cbo), Sql(saque), SqlD(admissao),
                                tomador ? QStringLiteral("1") : QStringLiteral("Null"),
                                tomador ? QString::number(inscricaoTomador) : QStringLiteral("Null"), QString::number(aviso),
                                SqlD(inicioAviso))
                           .arg(Sql(reposicao))
                           .arg(horas)
                           .arg(SqlD(movimentacao), bancoInformado ? QStringLiteral("104") : QStringLiteral("Null"),
                                bancoInformado ? Sql(agencia) : QStringLiteral("Null"),
                                bancoInformado ? Sql(conta) : QStringLiteral("Null"));
        const auto v = [](qint64 c) { return c ? Valor(c) : QStringLiteral("Null"); };
        insercoes << QStringLiteral("INSERT INTO SFGTBG06_INFORMACAO_RESCISAO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                                    "NU_CATEGORIA, DT_ADMISSAO_VINCULO, DT_DISSIDIO, VR_DISSIDIO, "
                                    "VR_REMUNERACAO_ANTERIOR_RSCSO, VR_REMUNERACAO_RESCISAO, VR_AVISO_PREVIO, "
                                    "IC_TIPO_PNSO_ALMNA, VR_PENSAO_ALMNA, IC_ORIGEM_SALDO_RESCISORIO, VR_SALDO_RESCISORIO) "
                                    "VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10);")
                           .arg(chave, SqlD(dataDissidio), v(valorDissidio), v(anterior), v(rescisao), v(avisoValor),
                                Sql(pensao), v(pensao == QLatin1String("P") ? percentual : valorPensao),
                                Sql(saldo > 0 ? QStringLiteral("E") : QStringLiteral("N")))
                           .arg(v(saldo));

        // Complements: not for agreements nor I3; competences between the option
        // month and the month before the termination.
        if (i3 || dissidio || !rnd.chance(25))
            return;
        const QList<int> tipos = rnd.chance(70) ? QList<int>{43} : QList<int>{43, 44, 45};
        for (int tipoComplemento : tipos) {
            Linha c;
            c.texto(1, 2, QString::number(tipoComplemento))
                .num(3, 1, tipo)
                .num(4, 14, inscricao)
                .num(18, 1, 0)
                .num(19, 14, 0)
                .num(33, 11, t.pis)
                .data(44, admissao)
                .num(52, 2, categoria);
            const int pares = rnd.entre(1, 14);
            Date competencia = movimentacao.startOfMonth().addMonths(-pares);
            if (competencia < admissao.startOfMonth())
                competencia = admissao.startOfMonth();
            for (int p = 0; p < pares && competencia < movimentacao.startOfMonth(); ++p) {
                const qint64 valor = rnd.entre(100000, 500000);
                c.num(54 + 21 * p, 6, competencia.year() * 100 + competencia.month()).num(60 + 21 * p, 15, valor);
                competencias.insert(FormatarData(QStringLiteral("yyyy-mm-dd"), competencia));
                insercoes << QStringLiteral("INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, "
                                            "NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, "
                                            "MM_COMPETENCIA, VR_REMUNERACAO, VR_DEPOSITO) VALUES (%1, %2, %3, %4, %5, %6);")
                                   .arg(chave)
                                   .arg(tipoComplemento - 42)
                                   .arg(competencia.year())
                                   .arg(competencia.month())
                                   .arg(Valor(valor), Valor(valor * 8 / 100));
                ++linhasComplemento;
                competencia = competencia.addMonths(1);
            }
            linhas << c.str();
        }
    }

    // What a fresh database needs to accept the file: the edital of the pay date,
    // the business days of its year and the simplified indices of the competences.
    QStringList indices() const
    {
        QStringList s;
        s << QStringLiteral("INSERT INTO SFGTBT18_INDICE_PRORATA (DT_EDITAL_PRORATA, DT_RECOLHIMENTO_PRORATA, "
                            "IN_ATRASO_2_MESES, IN_ATRASO_1_MES, IN_ATRASO_MES) VALUES (%1, %2, 1.02, 1.01, 1.005);")
                 .arg(SqlD(kEdital), SqlD(kPagamento));
        s << QStringLiteral("INSERT INTO SFGTBT15_DIA_UTIL (DT_UTIL) WITH RECURSIVE DIAS AS (SELECT CAST('2018-01-01' AS "
                            "DATE) AS DT FROM RDB$DATABASE UNION ALL SELECT DT + 1 FROM DIAS WHERE DT < '2018-12-31') "
                            "SELECT DT FROM DIAS WHERE EXTRACT(WEEKDAY FROM DT) BETWEEN 1 AND 5 AND DT NOT IN "
                            "('2018-01-01', '2018-02-12', '2018-02-13', '2018-03-30', '2018-05-01', '2018-05-31', "
                            "'2018-09-07', '2018-10-12', '2018-11-02', '2018-11-15', '2018-12-25');");
        QStringList colunas;
        for (const char *c : {"IN_JAM_OPCAO_67", "IN_JAM_OPCAO_68", "IN_JAM_OPCAO_69", "IN_JAM_OPCAO_70",
                              "IN_JAM_OPCAO_ATE_0971", "IN_JAM_OPCAO_MAIOR_0971", "IN_SIMPLIFICADO_1_OPCAO_67",
                              "IN_SIMPLIFICADO_2_OPCAO_67", "IN_SIMPLIFICADO_1_OPCAO_68", "IN_SIMPLIFICADO_2_OPCAO_68",
                              "IN_SIMPLIFICADO_1_OPCAO_69", "IN_SIMPLIFICADO_2_OPCAO_69", "IN_SIMPLIFICADO_1_OPCAO_70",
                              "IN_SIMPLIFICADO_2_OPCAO_70", "IN_SMPLO_1_OPCAO_ATE_0971", "IN_SMPLO_2_OPCAO_ATE_0971",
                              "IN_SMPLO_1_OPCAO_MAIOR_0971", "IN_SMPLO_2_OPCAO_MAIOR_0971"})
            colunas << QLatin1String(c);
        QStringList valores;
        for (int i = 0; i < colunas.size(); ++i)
            valores << QStringLiteral("0.05");
        for (const QString &c : competencias)
            s << QStringLiteral("INSERT INTO SFGTBT17_INDICE_SIMPLIFICADO (DT_EDITAL_SIMPLIFICADO, "
                                "DT_COMPETENCIA_SIMPLIFICADO, %1) VALUES (%2, '%3', %4);")
                     .arg(colunas.join(QStringLiteral(", ")), SqlD(kEdital), c, valores.join(QStringLiteral(", ")));
        return s;
    }
};

bool Gravar(const QString &caminho, const QStringList &linhas)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&f);
    for (const QString &l : linhas)
        out << l << '\n';
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int empregadores = 10, trabalhadores = 100;
    unsigned semente = 20180312;
    QString saida = QStringLiteral("TOLV.RE"), arquivoIndices, arquivoInsercoes;
    while (args.size() >= 2) {
        const QString opcao = args.takeFirst(), valor = args.takeFirst();
        if (opcao == QLatin1String("--empregadores"))
            empregadores = valor.toInt();
        else if (opcao == QLatin1String("--trabalhadores"))
            trabalhadores = valor.toInt();
        else if (opcao == QLatin1String("--saida"))
            saida = valor;
        else if (opcao == QLatin1String("--indices"))
            arquivoIndices = valor;
        else if (opcao == QLatin1String("--insercoes"))
            arquivoInsercoes = valor;
        else if (opcao == QLatin1String("--semente"))
            semente = valor.toUInt();
        else
            args = {opcao};
    }
    if (!args.isEmpty() || empregadores < 1 || trabalhadores < 1) {
        std::fprintf(stderr, "uso: gerar_folha --empregadores N --trabalhadores M --saida TOLV.RE "
                             "[--indices ARQ.sql] [--insercoes ARQ.sql] [--semente S]\n");
        return 2;
    }

    Gerador g(semente);
    g.empregadores = empregadores;
    g.porEmpregador = trabalhadores;
    g.gerar();
    if (!GravarLinhas(saida, g.linhas)) {
        std::fprintf(stderr, "gerar_folha: não foi possível gravar %s\n", qPrintable(saida));
        return 1;
    }
    if (!arquivoIndices.isEmpty() && !Gravar(arquivoIndices, g.indices()))
        return 1;
    if (!arquivoInsercoes.isEmpty()) {
        QStringList script{QStringLiteral("SET AUTODDL OFF;")};
        script << g.insercoes << QStringLiteral("COMMIT;");
        if (!Gravar(arquivoInsercoes, script))
            return 1;
    }
    std::printf("%s: %d linhas, %d empregadores, %d vínculos, %d linhas de complemento, %d comandos INSERT\n",
                qPrintable(saida), int(g.linhas.size()), empregadores, g.trabalhadores, g.linhasComplemento,
                int(g.insercoes.size()));
    return 0;
}
