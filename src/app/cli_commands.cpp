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
#include "files/inconsistencia.h"
#include "files/tipo_arquivo.h"
#include "registration/banco_novo.h"
#include "registration/empresa.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"
#include "registration/vinculo.h"

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

// ---------------------------------------------------------------------------
// Registration listings and the closing validation.

QString inscricaoMascarada(int tipo, const QString &inscricao)
{
    const QString digitos = ExtrairDigitos(inscricao);
    if (tipo == 1)
        return MascararCnpj(digitos);
    return CompletarZeros(QString::number(digitos.toLongLong()), 12);
}

QString tipoInscricao(int tipo)
{
    return tipo == 1 ? QStringLiteral("CNPJ") : tipo == 2 ? QStringLiteral("CEI ") : QString::number(tipo).leftJustified(4);
}

QString estadoMovimento(int estado)
{
    switch (estado) {
    case 0: return QStringLiteral("0 disponível");
    case 1: return QStringLiteral("1 participando");
    case 2: return QStringLiteral("2 fechado");
    case 3: return QStringLiteral("3 guia processada");
    default: return QString::number(estado);
    }
}

int cmdEmployers(Context &c)
{
    IniciarOuFalhar();
    TEmpresa empresa;
    if (!empresa.AbrirTodos()) {
        EncerrarAplicacao();
        throw CliError{QStringLiteral("não foi possível ler os empregadores")};
    }
    int n = 0;
    c.out << QStringLiteral("TIPO INSCRIÇÃO           NOME                                     UF ESTADO VÍNCULOS\n");
    for (; n < empresa.QuantidadeRegistros(); ++n) {
        if (n > 0)
            empresa.IrProximo();
        const int vinculos = empresa.ContarVinculos(empresa.TipoInscricao, 0, false, empresa.Inscricao);
        c.out << tipoInscricao(empresa.TipoInscricao) << ' '
              << inscricaoMascarada(empresa.TipoInscricao, empresa.Inscricao).leftJustified(18) << ' '
              << empresa.RazaoSocial.leftJustified(40) << ' ' << empresa.Endereco().Uf.leftJustified(2) << ' '
              << empresa.Estado.leftJustified(6) << ' ' << vinculos << "\n";
    }
    c.out << n << " empregador(es)\n";
    EncerrarAplicacao();
    return 0;
}

int cmdWorkers(Context &c)
{
    if (c.args.size() > 1)
        throw CliError{QStringLiteral("uso: tolv-cli workers [INSCRICAO]")};
    IniciarOuFalhar();
    TTrabalhador trabalhador;
    bool ok = true;
    if (c.args.isEmpty()) {
        ok = trabalhador.AbrirTodos();
    } else {
        const QString digitos = ExtrairDigitos(c.args.first());
        if (digitos.isEmpty()) {
            EncerrarAplicacao();
            throw CliError{QStringLiteral("inscrição inválida: %1").arg(c.args.first())};
        }
        // 12 digits name a CEI; otherwise a CNPJ is tried first
        const QList<int> tipos = digitos.size() == 12 ? QList<int>{2, 1} : QList<int>{1, 2};
        TEmpresa empresa;
        int tipo = 0;
        for (int t : tipos) {
            if (empresa.ConsultarEmpresa(t, digitos) && empresa.QuantidadeRegistros() > 0) {
                tipo = t;
                break;
            }
        }
        if (tipo == 0) {
            EncerrarAplicacao();
            throw CliError{QStringLiteral("nenhum empregador com a inscrição %1").arg(c.args.first())};
        }
        ok = trabalhador.ListarPorEmpresa(QString::number(tipo), digitos);
    }
    if (!ok) {
        EncerrarAplicacao();
        throw CliError{QStringLiteral("não foi possível ler os trabalhadores")};
    }
    c.out << QStringLiteral("PIS/PASEP      NOME                                     CAT ADMISSÃO   MOV ESTADO\n");
    int n = 0;
    for (; n < trabalhador.QuantidadeRegistros(); ++n) {
        if (n > 0)
            trabalhador.IrProximo();
        const TVinculo &v = trabalhador.Vinculo();
        c.out << MascararPis(trabalhador.NU_PIS) << ' ' << trabalhador.NO_EMPREGADO.leftJustified(40) << ' '
              << QString::number(v.NU_CATEGORIA).rightJustified(3) << ' '
              << FormatarData(QStringLiteral("dd/mm/yyyy"), v.DT_ADMISSAO_VINCULO) << ' '
              << v.CO_MOVIMENTACAO.leftJustified(3) << ' ' << estadoMovimento(v.IC_ESTADO_MOVIMENTO) << "\n";
    }
    c.out << n << " vínculo(s)\n";
    EncerrarAplicacao();
    return 0;
}

int cmdValidate(Context &c)
{
    IniciarOuFalhar();
    // The closing log holds the latest run only.
    TInconsistencia inconsistencia;
    inconsistencia.NumeroArquivo = ArquivoFechamento;
    inconsistencia.ExcluirPorArquivo();

    TVinculo vinculo;
    TRetValidaCadastro retorno;
    int vinculos = 0;
    if (vinculo.AbrirTodos()) {
        vinculos = vinculo.QuantidadeRegistros();
        TResponsavel responsavel;
        responsavel.CarregarResponsavel();
        vinculo.ValidarCadastro(true, &responsavel, retorno);
    } else if (!vinculo.CodigoMensagem.isEmpty()) {
        EncerrarAplicacao();
        throw CliError{QStringLiteral("não foi possível ler os vínculos")};
    }

    int linhas = 0;
    if (inconsistencia.ConsultarFechamento()) {
        const Date edital = ConfiguracaoGlobal().DataEditalProRata;
        for (; linhas < inconsistencia.QuantidadeRegistros(); ++linhas) {
            if (linhas > 0)
                inconsistencia.IrProximo();
            const int tipo = inconsistencia.TipoInscricaoEmpresa.toInt();
            c.out << FormatarCodigoMensagem(inconsistencia.NumeroMensagem) << " - "
                  << DescricaoMensagemRelatorio(inconsistencia.NumeroMensagem, inconsistencia.DescricaoMensagem,
                                                inconsistencia.ConteudoCampo, edital)
                         .trimmed()
                  << " | empresa " << inscricaoMascarada(tipo, inconsistencia.InscricaoEmpresa) << ' '
                  << inconsistencia.RazaoSocialEmpresa.trimmed() << " | PIS " << MascararPis(inconsistencia.Pis)
                  << " | " << inconsistencia.NomeEmpregado.trimmed() << "\n";
        }
    }
    c.out << vinculos << " vínculo(s) validado(s), " << linhas << " inconsistência(s)\n";
    EncerrarAplicacao();
    return linhas > 0 ? 1 : 0;
}

} // namespace

const std::vector<Command> &Commands()
{
    static const std::vector<Command> table = {
        {"init", "", "cria o diretório do programa (VESK.ini, banco de dados, TEMP) quando faltam", cmdInit},
        {"config", "", "mostra a configuração efetiva e os caminhos", cmdConfig},
        {"message", "CODIGO [VALOR...]", "mostra o texto de uma mensagem do catálogo", cmdMessage},
        {"upgrade", "", "atualiza a estrutura de um banco de dados de versão anterior", cmdUpgrade},
        {"employers", "", "lista os empregadores com a quantidade de vínculos", cmdEmployers},
        {"workers", "[INSCRICAO]", "lista os vínculos de trabalhadores (todos ou de um empregador)", cmdWorkers},
        {"validate", "",
         "valida todos os vínculos como o fechamento, grava e lista as inconsistências (saída 1 quando há alguma)",
         cmdValidate},
    };
    static const std::vector<Command> all = [] {
        std::vector<Command> out = table;
        for (const auto &group : {ComandosBanco(), ComandosCalculo(), ComandosImportacao(), ComandosMovimento()})
            out.insert(out.end(), group.begin(), group.end());
        return out;
    }();
    return all;
}

} // namespace tolv::cli
