#include "cli_presenter.h"

#include <cstdio>

namespace tolv {

namespace {
void printErr(const QString &s)
{
    std::fputs(s.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
} // namespace

int CliPresenter::mostrar(const MensagemComposta &m, Botoes botoes, Botao padrao)
{
    printErr(QStringLiteral("[%1] %2").arg(LegendaTipo(m.tipo, QStringLiteral("TOLV")), m.texto));
    Botao escolhido = padrao;
    if (m_resposta == Resposta::Sim && botoes.contem(Botao::Sim))
        escolhido = Botao::Sim;
    else if (m_resposta == Resposta::Nao && botoes.contem(Botao::Nao))
        escolhido = Botao::Nao;
    if (botoes.contem(Botao::Sim) || botoes.contem(Botao::Nao))
        printErr(QStringLiteral("  -> %1").arg(LegendaBotao(escolhido).remove(QLatin1Char('&'))));
    return ResultadoBotao(escolhido);
}

void CliPresenter::mostrarErroSistema(const QString &texto, const QString &titulo)
{
    printErr(QStringLiteral("[%1] %2").arg(titulo, texto));
}

} // namespace tolv
