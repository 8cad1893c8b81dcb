#include "validadores.h"

#include "formatos.h"

namespace tolv {

namespace {

bool CaractereDeNome(QChar c)
{
    // ASCII only: upper-casing would turn "ß" or "ı" into plain letters
    return c == QLatin1Char(' ') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// The number's decimal digits, zero-filled to `largura`; empty when it does not fit.
QString Digitos(qint64 numero, int largura)
{
    if (numero <= 0)
        return {};
    const QString t = CompletarZeros(QString::number(numero), largura);
    return t.size() == largura ? t : QString();
}

int Digito(const QString &t, int posicao) { return t.at(posicao).unicode() - '0'; }

int DigitoModulo11(const QString &t, const int *pesos, int quantidade)
{
    int soma = 0;
    for (int i = 0; i < quantidade; ++i)
        soma += Digito(t, i) * pesos[i];
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

} // namespace

bool NomeValido(const QString &texto)
{
    if (texto.isEmpty() || texto.at(0) == QLatin1Char(' '))
        return false;
    const QString aparado = Aparar(texto);
    for (QChar c : aparado)
        if (!CaractereDeNome(c))
            return false;
    return SemRepeticao(texto, 3) && SemEspacosDuplos(texto);
}

bool TemNomeESobrenome(const QString &texto)
{
    const qsizetype primeiro = texto.indexOf(QLatin1Char(' '));
    if (primeiro < 2)  // no blank, or a first name of 0 or 1 characters
        return false;
    qsizetype fim = texto.size();
    while (fim > 0 && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    const qsizetype ultimo = texto.lastIndexOf(QLatin1Char(' '), fim - 1);
    if (ultimo < 0)  // the only blanks were trailing ones
        return false;
    return fim - ultimo - 1 >= 2;
}

bool ValidarCnpj(qint64 numero)
{
    const QString t = Digitos(numero, 14);
    if (t.isEmpty())
        return false;
    static const int pesos1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int pesos2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return DigitoModulo11(t, pesos1, 12) == Digito(t, 12) && DigitoModulo11(t, pesos2, 13) == Digito(t, 13);
}

bool ValidarCei(qint64 numero)
{
    const QString t = Digitos(numero, 12);
    if (t.isEmpty())
        return false;
    static const int pesos[] = {7, 4, 1, 8, 5, 2, 1, 6, 3, 7, 4};
    int soma = 0;
    for (int i = 0; i < 11; ++i)
        soma += Digito(t, i) * pesos[i];
    int c;
    if (soma < 10) {
        c = 10 - soma;
    } else {
        const int t2 = soma / 10 % 10 + soma % 10;  // tens digit + units digit
        c = 10 - t2 % 10;
    }
    return (c == 10 ? 0 : c) == Digito(t, 11);
}

} // namespace tolv
