#include "linha_fixa.h"

#include <QFile>
#include <QSaveFile>

namespace tolv {

namespace {

// Windows-1252 bytes 0x80-0x9F. Zero marks the five bytes the code page leaves
// undefined: they map to the control character of the same number so that every
// byte still survives a round trip.
constexpr char16_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t DecodificarByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0 && kFaixa80[b - 0x80] != 0)
        return kFaixa80[b - 0x80];
    return char16_t(b);
}

char CodificarCaractere(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    if (c < 0xA0)  // a control character 0x80-0x9F: only the undefined bytes come back as themselves
        return kFaixa80[c - 0x80] == 0 ? char(c) : '?';
    for (int i = 0; i < 32; ++i)
        if (kFaixa80[i] == c)
            return char(0x80 + i);
    return '?';
}

template <typename Texto, typename Parte>
QStringList Dividir(const Texto &conteudo, Parte parte)
{
    QStringList linhas;
    const qsizetype n = conteudo.size();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = conteudo.at(i);
        if (c != '\r' && c != '\n')
            continue;
        linhas.append(parte(conteudo, inicio, i - inicio));
        if (c == '\r' && i + 1 < n && conteudo.at(i + 1) == '\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        linhas.append(parte(conteudo, inicio, n - inicio));
    return linhas;
}

} // namespace

QString DecodificarWindows1252(const QByteArray &bytes)
{
    QString r(bytes.size(), Qt::Uninitialized);
    QChar *d = r.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(DecodificarByte(static_cast<unsigned char>(bytes.at(i))));
    return r;
}

QByteArray CodificarWindows1252(const QString &texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            r.append('?');
            ++i;
            continue;
        }
        r.append(CodificarCaractere(c.unicode()));
    }
    return r;
}

QStringList DividirLinhas(const QByteArray &conteudo)
{
    return Dividir(conteudo, [](const QByteArray &c, qsizetype p, qsizetype n) {
        return DecodificarWindows1252(c.mid(p, n));
    });
}

QString ExtrairCampo(const QString &linha, int posicao, int largura)
{
    if (largura <= 0)
        return {};
    QString r(largura, QLatin1Char(' '));
    const qint64 inicio = qint64(posicao) - 1;
    for (int i = 0; i < largura; ++i) {
        const qint64 k = inicio + i;
        if (k >= 0 && k < linha.size())
            r[i] = linha.at(k);
    }
    return r;
}

QString ExtrairAteFim(const QString &linha, int posicao)
{
    if (posicao < 1 || posicao > linha.size())
        return {};
    return linha.mid(posicao - 1);
}

QString CampoTexto(const QString &texto, int largura)
{
    if (largura <= 0)
        return {};
    return texto.left(largura).leftJustified(largura, QLatin1Char(' '));
}

QString CampoNumerico(const QString &digitos, int largura)
{
    if (largura <= 0)
        return {};
    return digitos.rightJustified(largura, QLatin1Char('0')).left(largura);
}

QString CampoNumerico(qint64 valor, int largura)
{
    return CampoNumerico(QString::number(valor), largura);
}

QByteArray MontarConteudo(const QStringList &linhas, bool quebraNaUltima)
{
    QByteArray r;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        r.append(CodificarWindows1252(linhas.at(i)));
        if (quebraNaUltima || i + 1 < linhas.size())
            r.append("\r\n");
    }
    return r;
}

bool GravarLinhas(const QString &caminho, const QStringList &linhas, bool quebraNaUltima)
{
    // Written aside and renamed, so that a failed write never leaves half a file
    // behind under the name that is sent.
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    const QByteArray conteudo = MontarConteudo(linhas, quebraNaUltima);
    if (arquivo.write(conteudo) != conteudo.size()) {
        arquivo.cancelWriting();
        return false;
    }
    return arquivo.commit();
}

} // namespace tolv
