#include "utilitarios.h"

#include "active_window.h"
#include "errors.h"
#include "program_directory.h"
#include "registro.h"

#include <QDir>
#include <QFile>

namespace tolv {

TUtilitarios &TUtilitarios::Instancia()
{
    static TUtilitarios instance;
    return instance;
}

MensagemComposta TUtilitarios::Compor(const QString &codigo, TipoMensagem tipo, const QStringList &valores,
                                      const QString &textoLiteral)
{
    TDBUtils *db = banco();
    const ConsultaCatalogo consulta = [db](const QString &numero) -> std::optional<QString> {
        if (!db)
            throw DatabaseError(QStringLiteral("Banco de dados não conectado"));
        const auto rs = db->Abrir(QStringLiteral("SELECT NU_MENSAGEM, DE_MENSAGEM ")
                                  + QStringLiteral("FROM  SFGTBT13_MENSAGEM_SISTEMA ")
                                  + QStringLiteral("WHERE NU_MENSAGEM = ") + numero);
        if (rs->rowCount() == 0)
            return std::nullopt;
        return rs->field(QStringLiteral("DE_MENSAGEM")).toString();
    };
    return ComporMensagem(codigo, tipo, valores, textoLiteral, consulta);
}

int TUtilitarios::MostrarMensagem(const QString &codigo, TipoMensagem tipo, Botoes botoes,
                                  const QStringList &valores, Botao padrao, const QString &textoLiteral,
                                  int)
{
    const MensagemComposta m = Compor(codigo, tipo, valores, textoLiteral);
    if (!m_presenter)
        return ResultadoBotao(padrao);
    return m_presenter->mostrar(m, botoes, padrao);
}

int TUtilitarios::MostrarMensagemParametro(const QString &codigo, TipoMensagem tipo, Botoes botoes,
                                           Botao padrao, const QString &valor, int contextoAjuda)
{
    return MostrarMensagem(codigo, tipo, botoes, QStringList{valor}, padrao, QString(), contextoAjuda);
}

void TUtilitarios::MostrarMensagemPadrao(const QString &prefixo, int situacao)
{
    static const char *const codigos[] = {"0078", "0001", "0068"};
    if (situacao < 0 || situacao > 2)
        return;
    MostrarMensagem(prefixo + QLatin1String(codigos[situacao]), TipoMensagem::Informacao, {Botao::Ok});
}

QString MontarBlocoLogErro(const QString &dataHora, const QString &erroTecnico, const QString &tipoErro,
                           const QString &form, const QString &controle)
{
    const QString rule(68, QLatin1Char('-'));
    QString b;
    b += QStringLiteral("\r\n");
    b += rule + QStringLiteral("\r\n");
    b += QStringLiteral("Data e Hora: ") + dataHora + QStringLiteral("\r\n");
    b += QStringLiteral("Erro: ") + kTextoErroGlobal + QStringLiteral("\r\n");
    b += QStringLiteral("Erro Técnico: ") + erroTecnico + QStringLiteral("\r\n");
    b += QStringLiteral("Tipo de Erro: ") + tipoErro + QStringLiteral("\r\n");
    if (!form.isEmpty())
        b += QStringLiteral("Form: ") + form + QStringLiteral("\r\n");
    if (!controle.isEmpty())
        b += QStringLiteral("Controle: ") + controle + QStringLiteral("\r\n");
    b += rule + QStringLiteral("\r\n");
    b += QStringLiteral("\r\n");
    return b;
}

namespace {
void gravarBloco(const QString &tecnico, const QString &tipo)
{
    const ActiveWindowInfo w = ActiveWindow::get();
    const QString block = MontarBlocoLogErro(
        FormatarDataHora(QStringLiteral("dd/mm/yyyy hh:mm:ss"), DateTime::currentDateTime()), tecnico, tipo,
        w.formName, w.formName.isEmpty() ? QString() : w.controlName);
    QFile f(ProgramDirectory::errorLog());
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        f.write(block.toUtf8());
    // A log that cannot be written is abandoned silently: the message still shows.
}
} // namespace

void TUtilitarios::TratarExcecao(const std::exception &erro)
{
    if (dynamic_cast<const EAbort *>(&erro))
        return;
    gravarBloco(QString::fromUtf8(erro.what()), NomeClasseErro(erro));
    if (m_presenter)
        m_presenter->mostrarErroSistema(kTextoErroGlobal, kTituloAplicacao);
}

void TUtilitarios::TratarExcecaoDesconhecida()
{
    gravarBloco(QStringLiteral("Erro desconhecido"), QStringLiteral("Exception"));
    if (m_presenter)
        m_presenter->mostrarErroSistema(kTextoErroGlobal, kTituloAplicacao);
}

QString TUtilitarios::DiretorioTemporarioVelnora(const QString &prefixo)
{
    const QString caminho = Registro::LerRegistro(QStringLiteral("Ambiente\\"), {QStringLiteral("Caminho")}).value(0);
    if (caminho.trimmed().isEmpty()) {
        // No module installed: never fall back to a folder at the filesystem root.
        MostrarMensagem(CodigoComPrefixo(prefixo, QStringLiteral("0227")), TipoMensagem::Erro, {Botao::Ok});
        return {};
    }
    const QString dir = QDir(QDir(caminho).filePath(QStringLiteral("VESK"))).filePath(QStringLiteral("TEMP"));
    if (QDir(dir).exists() || QDir().mkpath(dir))
        return dir;
    MostrarMensagem(CodigoComPrefixo(prefixo, QStringLiteral("0227")), TipoMensagem::Erro, {Botao::Ok});
    return {};
}

} // namespace tolv
