#include "configuracao.h"

namespace tolv {

Configuracao &ConfiguracaoGlobal()
{
    static Configuracao cfg;
    return cfg;
}

QStringList DividirLinhas(const QString &conteudo)
{
    QStringList out;
    QString line;
    for (qsizetype i = 0; i < conteudo.size(); ++i) {
        const QChar c = conteudo.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            out << line;
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < conteudo.size() && conteudo.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        out << line;
    return out;
}

void AplicarLinhasConfiguracao(const QStringList &linhas, Configuracao &cfg)
{
    for (const QString &line : linhas) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString value = eq >= 0 ? line.mid(eq + 1) : QString();
        const bool isS = value.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0;
        const bool isN = value.compare(QLatin1String("N"), Qt::CaseInsensitive) == 0;
        if (line.contains(QLatin1String("SELECIONA_ARQUIVO_VELNORA")) && isN)
            cfg.SelecionaArquivoVelnora = false;
        if (line.contains(QLatin1String("LOGSQL")) && isS)
            cfg.LogSql = true;
        if (line.contains(QLatin1String("GRAVA_ARQUIVO")) && isS)
            cfg.GravaArquivo = true;
    }
}

QString CaminhoBancoConfigurado(const QStringList &linhas, const QString &padrao)
{
    static const QLatin1String kChave("CAMINHO_BANCO=");
    for (const QString &line : linhas) {
        if (line.startsWith(kChave) && line.size() > kChave.size())
            return line.mid(kChave.size());
    }
    return padrao;
}

QString ConteudoPadraoIni()
{
    // Comment lines must not contain a key followed by "=S"/"=N": a key is
    // recognised anywhere in a line, commented or not.
    return QStringLiteral(
        "; TOLV configuration. Each setting is KEY=VALUE; the value is what follows\r\n"
        "; the first equals sign, exactly (no blanks around it).\r\n"
        ";\r\n"
        "; Offline mode: N keeps every file away from the bank (test mode). Default S.\r\n"
        "SELECIONA_ARQUIVO_VELNORA=S\r\n"
        "; S keeps copies of received files and of the generated rescission file. Default N.\r\n"
        "GRAVA_ARQUIVO=N\r\n"
        "; S traces every SQL statement to VESKBD.log. Default N.\r\n"
        "LOGSQL=N\r\n"
        "; Database on a Firebird server instead of VESK/BD/TOLV.FDB, as host:/path/TOLV.FDB\r\n"
        "; (remove the leading ; to use it).\r\n"
        ";CAMINHO_BANCO=servidor:/dados/TOLV.FDB\r\n");
}

} // namespace tolv
