#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tolv {

enum class TipoMensagem { Aviso, Erro, Informacao, Confirmacao, Personalizada };

// In the order the dialog shows them, left to right.
enum class Botao { Sim, Nao, Ok, Cancelar, Abortar, Repetir, Ignorar, Todos, NaoParaTodos, SimParaTodos, Ajuda };

class Botoes {
public:
    constexpr Botoes() = default;
    constexpr Botoes(std::initializer_list<Botao> bs) { for (Botao b : bs) m_bits |= bit(b); }
    constexpr bool contem(Botao b) const { return m_bits & bit(b); }
    std::vector<Botao> emOrdem() const;
    constexpr bool vazio() const { return m_bits == 0; }

private:
    static constexpr unsigned bit(Botao b) { return 1u << unsigned(b); }
    unsigned m_bits = 0;
};

// What a button returns when pressed (closing the dialog's window returns 2).
int ResultadoBotao(Botao b);
QString LegendaBotao(Botao b);
QString LegendaTipo(TipoMensagem t, const QString &tituloAplicacao);

inline constexpr int ResultadoSim = 6;
inline constexpr int ResultadoNao = 7;
inline constexpr int ResultadoOk = 1;
inline constexpr int ResultadoCancelar = 2;

struct MensagemComposta {
    QString texto;
    TipoMensagem tipo = TipoMensagem::Informacao;
};

// Looks a catalog number (the code's last four characters) up: the text, or no
// value when the catalog has no row. Throws when the catalog cannot be read.
using ConsultaCatalogo = std::function<std::optional<QString>(const QString &numero)>;

// Composes the text shown for a message code: the literal text when given, else
// the catalog text ("code - text" for six-character codes), with each value put
// in place of the next "&". Pure apart from the catalog lookup.
MensagemComposta ComporMensagem(const QString &codigo, TipoMensagem tipo, const QStringList &valores,
                                const QString &textoLiteral, const ConsultaCatalogo &consulta);

// "14" -> "0014": short codes are widened to four digits before a prefix goes in front.
QString CodigoQuatroDigitos(const QString &codigo);
// Prefix + four-digit code ("FE" + "14" -> "FE0014").
QString CodigoComPrefixo(const QString &prefixo, const QString &codigo);

// How a front end shows messages. The desktop program shows modal dialogs, the
// command line prints, tests record. Business code never shows anything itself.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows a catalog message; returns the result of the button chosen.
    virtual int mostrar(const MensagemComposta &mensagem, Botoes botoes, Botao padrao) = 0;
    // A plain system message box with the error icon (start-up failures, the global handler).
    virtual void mostrarErroSistema(const QString &texto, const QString &titulo) = 0;
};

} // namespace tolv
