#pragma once

#include "core/mensagem.h"

#include <QTextStream>

namespace tolv {

// Messages on a terminal: the text and its kind on standard error; questions are
// answered with the default button unless --yes or --no was given.
class CliPresenter : public MessagePresenter {
public:
    enum class Resposta { Padrao, Sim, Nao };
    explicit CliPresenter(Resposta resposta = Resposta::Padrao) : m_resposta(resposta) {}

    int mostrar(const MensagemComposta &mensagem, Botoes botoes, Botao padrao) override;
    void mostrarErroSistema(const QString &texto, const QString &titulo) override;

private:
    Resposta m_resposta;
};

} // namespace tolv
