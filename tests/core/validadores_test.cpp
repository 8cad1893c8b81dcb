#include "core/validadores.h"

#include <gtest/gtest.h>

using namespace tolv;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

TEST(Validadores, Nomes)
{
    struct Caso { const char *nome; bool valido; };
    const Caso nomes[] = {
        {"JOSE DA SILVA", true},
        {"Empresa 123 Ltda", true},
        {"JOSE DA SILVA ", true},
        {"JOAO", true},
        {"JOAAO", true},            // two in a row is fine
        {"JOSÉ DA SILVA", false},   // accented letter
        {"STRAßE", false},          // non-ASCII letter, even one that upper-cases to ASCII
        {"JOAAAO", false},          // three in a row
        {"JoAaA", false},           // three in a row, case ignored
        {"JOSE  SILVA", false},     // two blanks in a row
        {" JOSE", false},           // leading blank
        {"", false},
        {"   ", false},
        {"MARIA D'AVILA", false},
        {"ANA-MARIA", false},
    };
    for (const Caso &c : nomes)
        EXPECT_EQ(NomeValido(S(c.nome)), c.valido) << c.nome;

    const Caso completos[] = {
        {"JOSE SILVA", true},
        {"JO SI", true},
        {"JOSE DA SILVA ", true},   // three words and a trailing blank
        {"JOSE SILVA   ", true},
        {"JOSE  SILVA", true},
        {"J SILVA", false},         // one-letter first name
        {"JOSE S", false},          // one-letter last name
        {"JOSE S ", false},
        {" JOSE SILVA", false},     // leading blank: empty first name
        {"JOSE", false},
        {"JOSE ", false},           // only a trailing blank
        {"", false},
    };
    for (const Caso &c : completos)
        EXPECT_EQ(TemNomeESobrenome(S(c.nome)), c.valido) << c.nome;
}

TEST(Validadores, Cnpj)
{
    struct Caso { qint64 numero; bool valido; };
    const Caso casos[] = {
        {11222333000181LL, true},
        {11222333000182LL, false},   // second check digit wrong
        {11222333000191LL, false},   // first check digit wrong
        {191LL, true},               // zero-filled to 14 digits: 00000000000191
        {11444777000161LL, true},
        {11222333001404LL, true},    // first remainder 1: digit 0, not 10
        {11222333001420LL, false},
        {11222333001820LL, true},    // second remainder 1: digit 0
        {0, false},                  // all zeros
        {-11222333000181LL, false},
        {111222333000181LL, false},  // 15 digits
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidarCnpj(c.numero), c.valido) << c.numero;
}

TEST(Validadores, Cei)
{
    // Weights 7 4 1 8 5 2 1 6 3 7 4 over digits 1-11; the numbers are built to hit each branch.
    struct Caso { qint64 numero; bool valido; const char *porque; };
    const Caso casos[] = {
        {100000000003LL, true, "S = 7: one digit, c = 10 - 7 = 3"},
        {100000000004LL, false, "S = 7 with a wrong digit"},
        {900410000000LL, true, "S = 100: t = 0 + 0, c = 10, digit 0"},
        {130000000000LL, true, "S = 19: t = 10, c = 10 - 0 = 10, digit 0"},
        {600000008LL, true, "S = 48 (digit 4 = 6): t = 12, c = 8"},
        {910700000005LL, true, "S = 123: t = 2 + 3, c = 5"},
        {910700000006LL, false, "S = 123 with a wrong digit"},
        {5LL, false, "S = 0: c = 10, digit must be 0"},
        {0, false, "all zeros"},
        {-100000000003LL, false, "negative"},
        {1100000000003LL, false, "13 digits"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidarCei(c.numero), c.valido) << c.porque;
}

} // namespace
