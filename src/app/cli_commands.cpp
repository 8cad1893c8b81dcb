#include "cli_commands.h"

#include "core/aplicacao.h"
#include "core/atualizacao_versao.h"
#include "core/formatos.h"
#include "core/configuracao.h"
#include "core/ibx_utils.h"
#include "core/program_directory.h"
#include "core/registro.h"
#include "core/utilitarios.h"
#include "datas_globais.h"
#include "registration/banco_novo.h"

#include <QDir>
#include <QFile>

namespace tolv::cli {

void IniciarOuFalhar()
{
    if (!QFile::exists(ProgramDirectory::configFile()))
        throw CliError{QStringLiteral("%1 não existe; rode 'tolv-cli init' primeiro").arg(ProgramDirectory::configFile())};
    if (!IniciarAplicacao(CarregarDatasGlobais))
        throw CliError{QStringLiteral("não foi possível abrir o banco de dados %1 (detalhes em %2)")
                           .arg(ProgramDirectory::databaseFile(), ProgramDirectory::errorLog())};
}

namespace {

int cmdInit(Context &c)
{
    const QString vesk = ProgramDirectory::path(QStringLiteral("VESK"));
    QDir().mkpath(vesk);
    QDir().mkpath(ProgramDirectory::tempDir());
    QDir().mkpath(ProgramDirectory::path(QStringLiteral("VESK/_img")));

    const QString ini = ProgramDirectory::configFile();
    if (QFile::exists(ini)) {
        c.out << "mantido:  " << ini << "\n";
    } else {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly))
            throw CliError{QStringLiteral("não foi possível criar %1: %2").arg(ini, f.errorString())};
        f.write(ConteudoPadraoIni().toUtf8());
        c.out << "criado:   " << ini << "\n";
    }

    const QString db = ProgramDirectory::databaseFile();
    if (QFile::exists(db)) {
        c.out << "mantido:  " << db << "\n";
    } else {
        c.out << "criando:  " << db << " ..." << Qt::flush;
        CriarBancoDados(db);
        c.out << " pronto\n";
    }
    c.out << "diretório do programa: " << ProgramDirectory::root() << "\n";
    return 0;
}

QString simNao(bool b) { return b ? QStringLiteral("S") : QStringLiteral("N"); }

QString dataOuNula(Date d)
{
    return d.isNull() ? QStringLiteral("(nenhuma)") : FormatarData(QStringLiteral("dd/mm/yyyy"), d);
}

int cmdConfig(Context &c)
{
    IniciarOuFalhar();
    const Configuracao &cfg = ConfiguracaoGlobal();
    c.out << "diretório do programa:     " << ProgramDirectory::root() << "\n"
          << "configuração:              " << ProgramDirectory::configFile() << "\n"
          << "banco de dados:            " << TDBUtils::Instancia()->CaminhoBanco << "\n"
          << "diretório temporário:      " << ProgramDirectory::tempDir() << "\n"
          << "log de erros:              " << ProgramDirectory::errorLog() << "\n"
          << "log de SQL:                " << ProgramDirectory::sqlLog() << "\n"
          << "SELECIONA_ARQUIVO_VELNORA: " << simNao(cfg.SelecionaArquivoVelnora)
          << (cfg.SelecionaArquivoVelnora ? "" : "  (modo de teste: nada é enviado ao banco)") << "\n"
          << "GRAVA_ARQUIVO:             " << simNao(cfg.GravaArquivo) << "\n"
          << "LOGSQL:                    " << simNao(cfg.LogSql) << "\n"
          << "data de pagamento:         " << dataOuNula(cfg.DataPagamento) << "\n"
          << "edital pro-rata:           " << dataOuNula(cfg.DataEditalProRata) << "\n"
          << "módulo de comunicação:     "
          << Registro::LerRegistro(QStringLiteral("Ambiente\\"), {QStringLiteral("Caminho")}).value(0) << "\n";
    EncerrarAplicacao();
    return 0;
}

int cmdMessage(Context &c)
{
    if (c.args.isEmpty())
        throw CliError{QStringLiteral("uso: tolv-cli message CODIGO [VALOR...]")};
    IniciarOuFalhar();
    const QString codigo = c.args.first();
    const MensagemComposta m = TUtilitarios::Instancia().Compor(codigo, TipoMensagem::Informacao, c.args.mid(1));
    const bool encontrada = !m.texto.startsWith(QStringLiteral("Mensagem não encontrada"));
    c.out << m.texto << "\n";
    c.out << "tipo: " << LegendaTipo(m.tipo, kTituloAplicacao) << "\n";
    EncerrarAplicacao();
    return encontrada ? 0 : 1;
}

int cmdUpgrade(Context &c)
{
    IniciarOuFalhar();
    const ResultadoAtualizacao r = AtualizarVersaoBanco(*TDBUtils::Instancia());
    c.out << "versão inicial: " << r.versaoInicial << "\n";
    for (const QString &p : r.passosAplicados)
        c.out << "atualizado para " << p << "\n";
    for (const QString &f : r.falhas)
        c.err << "falhou (será tentado de novo no próximo início): " << f << "\n";
    c.out << "versão atual:   " << VersaoSistema(true) << "\n";
    EncerrarAplicacao();
    return r.falhas.isEmpty() ? 0 : 1;
}

} // namespace

const std::vector<Command> &Commands()
{
    static const std::vector<Command> table = {
        {"init", "", "cria o diretório do programa (VESK.ini, banco de dados, TEMP) quando faltam", cmdInit},
        {"config", "", "mostra a configuração efetiva e os caminhos", cmdConfig},
        {"message", "CODIGO [VALOR...]", "mostra o texto de uma mensagem do catálogo", cmdMessage},
        {"upgrade", "", "atualiza a estrutura de um banco de dados de versão anterior", cmdUpgrade},
    };
    static const std::vector<Command> all = [] {
        std::vector<Command> out = table;
        for (const auto &group : {ComandosBanco(), ComandosCalculo()})
            out.insert(out.end(), group.begin(), group.end());
        return out;
    }();
    return all;
}

} // namespace tolv::cli
