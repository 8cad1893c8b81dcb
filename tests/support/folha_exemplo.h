#pragma once

// A small valid payroll file ("TOLV.RE") the import, the tree and the windows are
// tested with: the accounting office CONTABIL EXEMPLO LTDA (CNPJ 33444555000181),
// responsible for ACME COMERCIO LTDA (CNPJ 11222333000181: JOAO DA SILVA with a
// complement record, MARIA SOUZA, then `extras` more workers) and RESIDENCIA SOUZA
// (CEI 112223330008: ANA LIMA). Pay date 12/03/2018. Lines, 1-based, without
// extras: 1 header, 2 employer, 3 worker, 4 complement, 5 worker, 6 employer (CEI),
// 7 worker, 8 trailer.

#include <QString>
#include <QStringList>

namespace tolv::test::folha {

class Linha {
public:
    Linha() : m_texto(359, QLatin1Char(' ')) { m_texto += QLatin1Char('*'); }
    Linha &p(int pos, const QString &t)
    {
        m_texto.replace(pos - 1, t.size(), t);
        return *this;
    }
    QString str() const { return m_texto; }

private:
    QString m_texto;
};

inline QString Zeros(int n) { return QString(n, QLatin1Char('0')); }

// A PIS with its check digit from its first ten digits.
inline qint64 Pis(qint64 base)
{
    const QString d = QString::number(base);
    const int pesos[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int soma = 0;
    for (int i = 0; i < 10; ++i)
        soma += (d.at(i).unicode() - '0') * pesos[i];
    const int r = soma % 11;
    return base * 10 + (r < 2 ? 0 : 11 - r);
}

inline const char *const kPrenomes[] = {"JOAO", "PEDRO", "PAULO", "CARLOS", "MARCOS", "LUCAS", "RAFAEL", "BRUNO"};
inline const char *const kSobrenomes[] = {"ALVES", "ARAUJO", "BARROS", "CAMPOS", "DIAS", "FARIAS", "GOMES", "LOPES",
                                          "MELO", "NUNES", "PINTO", "ROCHA", "SALES", "TAVARES", "VIEIRA", "XAVIER"};

inline QString NomeExtra(int i)
{
    return QLatin1String(kPrenomes[i % 8]) + QLatin1Char(' ') + QLatin1String(kSobrenomes[(i * 5 + 1) % 16])
        + QLatin1Char(' ') + QLatin1String(kSobrenomes[(i / 16 + i * 3 + 7) % 16]);
}

// The accounting office CONTABIL EXEMPLO LTDA (CNPJ 33444555000181), responsible
// for ACME COMERCIO LTDA (CNPJ 11222333000181: JOAO DA SILVA with a complement
// record, MARIA SOUZA, then `extras` more workers) and RESIDENCIA SOUZA (CEI
// 112223330008: ANA LIMA). Pay date 12/03/2018.
inline QStringList Linhas(int extras = 0)
{
    QStringList l;
    l << Linha()
             .p(1, "00").p(54, "2").p(55, "1").p(56, "33444555000181").p(70, "CONTABIL EXEMPLO LTDA")
             .p(100, "PEDRO ALVES").p(120, "AV PAULISTA 1000").p(170, "BELA VISTA").p(190, "01310100")
             .p(198, "SAO PAULO").p(218, "SP").p(220, "001132145678").p(232, "contato@contabil.com.br")
             .p(292, "12032018")
             .str();
    const auto empregador = [](const char *tipo, const char *inscricao, const char *nome) {
        return Linha()
            .p(1, "10").p(3, tipo).p(4, inscricao).p(18, Zeros(36)).p(54, nome).p(94, "SCS QUADRA 1")
            .p(144, "ASA SUL").p(164, "70300500").p(172, "BRASILIA").p(192, "DF").p(194, "006133224455")
            .p(206, "6920601").p(213, "1").p(214, "515")
            .str();
    };
    l << empregador("1", "11222333000181", "ACME COMERCIO LTDA");
    l << Linha()
             .p(1, "40").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "12034567899")
             .p(44, "04012010").p(52, "01").p(54, "JOAO DA SILVA").p(124, "1234567").p(131, "00012").p(136, "1")
             .p(137, "07").p(139, "15061985").p(147, "44").p(149, "004110").p(155, "04012010").p(163, "I1")
             .p(165, "05022018").p(173, "01").p(176, "1").p(177, "05012018").p(185, "N").p(186, "00000000")
             .p(194, Zeros(15)).p(209, "000000000300000").p(224, "000000000050000").p(239, Zeros(15)).p(254, "N")
             .p(255, "00000").p(260, Zeros(15)).p(275, "52998224725").p(286, "104").p(289, "1234")
             .p(293, "0000012345678").p(306, "000000001000000")
             .str();
    QString pares = QStringLiteral("201711000000000200000201712000000000210000");
    for (int k = 3; k <= 14; ++k)
        pares += Zeros(21);
    l << Linha()
             .p(1, "43").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "12034567899")
             .p(44, "04012010").p(52, "01").p(54, pares)
             .str();
    const QString maria =
        Linha()
            .p(1, "40").p(3, "1").p(4, "11222333000181").p(18, "0").p(19, Zeros(14)).p(33, "17012345673")
            .p(44, "03082015").p(52, "01").p(54, "MARIA SOUZA").p(124, "7654321").p(131, "00021").p(136, "2")
            .p(137, "09").p(139, "01021990").p(147, "40").p(149, "004110").p(155, "03082015").p(163, "I1")
            .p(165, "01022018").p(173, "01").p(176, "2").p(177, "00000000").p(185, "S").p(186, "00000000")
            .p(194, Zeros(15)).p(209, "000000000250000").p(224, "000000000008000").p(239, "000000000300000")
            .p(254, "P").p(255, "02550").p(260, Zeros(15)).p(275, Zeros(11)).p(286, "000").p(289, "0000")
            .p(293, Zeros(13)).p(306, Zeros(15))
            .str();
    l << maria;
    // Workers follow in PIS order; every extra one after MARIA's.
    for (int i = 0; i < extras; ++i) {
        QString x = maria;
        x.replace(32, 11, QString::number(Pis(1800000000LL + i)));
        x.replace(53, 70, NomeExtra(i).leftJustified(70, QLatin1Char(' ')));
        l << x;
    }
    l << empregador("2", "00112223330008", "RESIDENCIA SOUZA");
    l << Linha()
             .p(1, "40").p(3, "2").p(4, "00112223330008").p(18, "1").p(19, "33444555000181").p(33, "20012345673")
             .p(44, "01042016").p(52, "01").p(54, "ANA LIMA").p(124, "2233445").p(131, "00033").p(136, "2")
             .p(137, "05").p(139, "20091978").p(147, "44").p(149, "004110").p(155, "01042016").p(163, "I2")
             .p(165, "28022018").p(173, "02").p(176, "1").p(177, "00000000").p(185, "N").p(186, "00000000")
             .p(194, Zeros(15)).p(209, "000000000180000").p(224, "000000000120000").p(239, Zeros(15)).p(254, "V")
             .p(255, "00000").p(260, "000000000050000").p(275, Zeros(11)).p(286, "000").p(289, "0000")
             .p(293, Zeros(13)).p(306, Zeros(15))
             .str();
    l << Linha().p(1, "90").p(3, QString(51, QLatin1Char('9'))).str();
    return l;
}

} // namespace tolv::test::folha
