// import: the payroll file, through the same job and runner the desktop program uses.

#include "cli_commands.h"

#include "core/aplicacao.h"
#include "core/configuracao.h"
#include "core/formatos.h"
#include "files/executor_tarefa.h"
#include "files/folha/tarefa_importacao_folha.h"
#include "files/inconsistencia.h"
#include "files/tipo_arquivo.h"
#include "progresso_terminal.h"

#include <QFileInfo>

namespace tolv::cli {

namespace {

QString data(Date d) { return d.isRealDate() ? FormatarData(QStringLiteral("dd/mm/yyyy"), d) : QStringLiteral("(nenhuma)"); }

// The rows the inconsistency report prints, one block each, in the order found.
int listarInconsistencias(Context &c)
{
    TInconsistencia inconsistencia;
    DadosRelInconsistencia dados;
    if (!MontarRelInconsistencia(inconsistencia, ArquivoFolha, ConfiguracaoGlobal().DataEditalProRata, dados)
        || dados.Linhas.isEmpty())
        return 0;
    c.out << dados.Titulo << " - " << dados.Subtitulo << "\n";
    QString responsavel, empresa;
    for (const LinhaRelInconsistencia &l : std::as_const(dados.Linhas)) {
        if (l.Responsavel != responsavel) {
            responsavel = l.Responsavel;
            c.out << responsavel << "\n";
        }
        if (!l.Empresa.isEmpty() && l.Empresa != empresa) {
            empresa = l.Empresa;
            c.out << "  " << empresa << "\n";
        }
        c.out << "  linha " << (l.Linha.isEmpty() ? QStringLiteral("-") : l.Linha) << "  registro "
              << (l.Registro.isEmpty() ? QStringLiteral("--") : l.Registro) << "  " << l.CodigoDescricao << "\n";
        if (!l.Conteudo.isEmpty())
            c.out << "      conteúdo: " << l.Conteudo << "\n";
        if (!l.Trabalhador.isEmpty() || !l.Pis.isEmpty())
            c.out << "      trabalhador: " << l.Trabalhador << "  PIS " << l.Pis << "  admissão " << l.Admissao
                  << "  categoria " << l.Categoria << "\n";
    }
    return int(dados.Linhas.size());
}

int cmdImport(Context &c)
{
    if (c.args.size() != 1)
        throw CliError{QStringLiteral("uso: tolv-cli import ARQUIVO")};
    const QString arquivo = QFileInfo(c.args.first()).absoluteFilePath();
    IniciarOuFalhar();

    ResumoImportacaoFolha resumo;
    TabelaTratadores tratadores;
    tratadores.Registrar(TipoTarefa::ImportacaoFolha, [&resumo](const EstadoTarefa &, Tarefa *tarefa) {
        if (auto *t = dynamic_cast<TarefaImportacaoFolha *>(tarefa))
            resumo = t->Folha().Resumo();
    });
    ExecutorTarefa executor(TDBUtils::Instancia());
    executor.DefinirTratadores(std::move(tratadores));
    ProgressoTerminal progresso(kTituloImportacaoFolha, EtapasImportacaoFolha());
    const EstadoTarefa estado = progresso.Executar(executor, std::make_unique<TarefaImportacaoFolha>(arquivo));

    int rc = 0;
    if (estado.sucesso) {
        c.out << "empregadores: " << resumo.Empregadores << " (" << resumo.EmpregadoresNovos << " novos)\n"
              << "trabalhadores: " << resumo.Trabalhadores << "\n"
              << "vínculos: " << resumo.Vinculos << " (" << resumo.VinculosNovos << " novos)\n"
              << "linhas de complemento: " << resumo.LinhasComplemento << "\n"
              << "data de recolhimento do movimento: " << data(resumo.DataRecolhimento) << "\n";
    } else if (estado.cancelado) {
        c.err << "importação cancelada: nada foi gravado\n";
        rc = 1;
    } else if (estado.excecao) {
        c.err << "importação interrompida por erro: " << estado.mensagemExcecao << "\n";
        rc = 1;
    } else {
        const int linhas = listarInconsistencias(c);
        c.err << "arquivo não importado";
        if (linhas > 0)
            c.err << ": " << linhas << " inconsistência(s); nada foi gravado";
        else if (!estado.codigoResultado.isEmpty())
            c.err << " (código " << estado.codigoResultado << ")";
        c.err << "\n";
        rc = 1;
    }
    EncerrarAplicacao();
    return rc;
}

} // namespace

std::vector<Command> ComandosImportacao()
{
    return {
        {"import", "ARQUIVO",
         "importa o arquivo de folha de pagamento (TOLV.RE): valida tudo e grava só um arquivo sem inconsistências",
         cmdImport},
    };
}

} // namespace tolv::cli
