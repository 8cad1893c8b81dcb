#include "mensagem.h"

#include "errors.h"

namespace tolv {

std::vector<Botao> Botoes::emOrdem() const
{
    std::vector<Botao> out;
    for (int b = int(Botao::Sim); b <= int(Botao::Ajuda); ++b)
        if (contem(Botao(b)))
            out.push_back(Botao(b));
    return out;
}

int ResultadoBotao(Botao b)
{
    switch (b) {
    case Botao::Sim: return 6;
    case Botao::Nao: return 7;
    case Botao::Ok: return 1;
    case Botao::Cancelar: return 2;
    case Botao::Abortar: return 3;
    case Botao::Repetir: return 4;
    case Botao::Ignorar: return 5;
    case Botao::Todos: return 8;
    case Botao::NaoParaTodos: return 9;
    case Botao::SimParaTodos: return 10;
    case Botao::Ajuda: return 0;
    }
    return 0;
}

QString LegendaBotao(Botao b)
{
    switch (b) {
    case Botao::Sim: return QStringLiteral("&Sim");
    case Botao::Nao: return QStringLiteral("&Não");
    case Botao::Ok: return QStringLiteral("OK");
    case Botao::Cancelar: return QStringLiteral("Cancelar");
    case Botao::Abortar: return QStringLiteral("&Abortar");
    case Botao::Repetir: return QStringLiteral("&Repetir");
    case Botao::Ignorar: return QStringLiteral("&Ignorar");
    case Botao::Todos: return QStringLiteral("&Todos");
    case Botao::NaoParaTodos: return QStringLiteral("Nã&o para Todos");
    case Botao::SimParaTodos: return QStringLiteral("&Sim para Todos");
    case Botao::Ajuda: return QStringLiteral("&Help");
    }
    return {};
}

QString LegendaTipo(TipoMensagem t, const QString &tituloAplicacao)
{
    switch (t) {
    case TipoMensagem::Aviso: return QStringLiteral("Atenção");
    case TipoMensagem::Erro: return QStringLiteral("Erro");
    case TipoMensagem::Informacao: return QStringLiteral("Informação");
    case TipoMensagem::Confirmacao: return QStringLiteral("Confirma");
    case TipoMensagem::Personalizada: return tituloAplicacao;
    }
    return {};
}

QString CodigoQuatroDigitos(const QString &codigo)
{
    bool allDigits = !codigo.isEmpty();
    for (QChar c : codigo)
        allDigits = allDigits && c.isDigit();
    if (allDigits && codigo.size() < 4)
        return QString(4 - codigo.size(), QLatin1Char('0')) + codigo;
    return codigo;
}

QString CodigoComPrefixo(const QString &prefixo, const QString &codigo)
{
    return prefixo + CodigoQuatroDigitos(codigo);
}

MensagemComposta ComporMensagem(const QString &codigo, TipoMensagem tipo, const QStringList &valores,
                                const QString &textoLiteral, const ConsultaCatalogo &consulta)
{
    if (codigo.trimmed().isEmpty())
        throw ENegocio(QStringLiteral("Código de mensagem inválida: ''"));

    MensagemComposta m{QString(), tipo};
    if (!textoLiteral.trimmed().isEmpty()) {
        m.texto = textoLiteral;
    } else {
        const QString numero = codigo.right(4);
        bool numeric = numero.size() == 4;
        for (QChar c : numero)
            numeric = numeric && c.isDigit();
        std::optional<QString> texto;
        bool falhou = false;
        if (numeric) {
            try {
                texto = consulta(numero);
            } catch (...) {
                falhou = true;
            }
        }
        if (falhou) {
            m.texto = QStringLiteral("Não foi possível acessar a base de dados");
            m.tipo = TipoMensagem::Erro;
        } else if (!texto) {
            m.texto = QStringLiteral("Mensagem não encontrada - ") + codigo;
            m.tipo = TipoMensagem::Erro;
        } else if (codigo.size() == 6) {
            m.texto = codigo + QStringLiteral(" - ") + *texto;
        } else {
            m.texto = *texto;
        }
    }

    // One "&" per value, in order. The search goes on after the value just put in,
    // so a value holding "&" (a company named "SILVA & FILHOS") is shown as it is.
    qsizetype from = 0;
    for (const QString &v : valores) {
        const qsizetype at = m.texto.indexOf(QLatin1Char('&'), from);
        if (at < 0)
            break;
        m.texto.replace(at, 1, v);
        from = at + v.size();
    }
    return m;
}

} // namespace tolv
