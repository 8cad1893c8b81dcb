// tree / mark / unmark: the participation tree and the marking of links for the
// open movement, with the same rules and questions as the main window.

#include "cli_commands.h"

#include "core/aplicacao.h"
#include "core/configuracao.h"
#include "core/formatos.h"
#include "core/utilitarios.h"
#include "files/inconsistencia.h"
#include "movement/arvore.h"
#include "registration/responsavel.h"

#include <map>
#include <set>
#include <tuple>

namespace tolv::cli {

namespace {

const QString kItemNaoModificavel = QStringLiteral("O item selecionado não pode ser modificado.");

// Runs EncerrarAplicacao on every way out of a command.
struct Sessao {
    Sessao() { IniciarOuFalhar(); }
    ~Sessao() { EncerrarAplicacao(); }
    Sessao(const Sessao &) = delete;
    Sessao &operator=(const Sessao &) = delete;
};

QString data(Date d) { return FormatarData(QStringLiteral("dd/mm/yyyy"), d); }

QString inscricao(int tipo, qint64 numero)
{
    if (tipo == 1)
        return QStringLiteral("CNPJ ") + MascararCnpj(CompletarZeros(QString::number(numero), 14));
    if (tipo == 2)
        return QStringLiteral("CEI ") + CompletarZeros(QString::number(numero), 12);
    return QStringLiteral("tipo %1 %2").arg(tipo).arg(numero);
}

QString pis(qint64 numero) { return MascararPis(CompletarZeros(QString::number(numero), 11)); }

QString palavraEstado(int estado)
{
    switch (estado) {
    case 0: return QStringLiteral("disponível");
    case 1: return QStringLiteral("participando");
    case 2: return QStringLiteral("fechado");
    case 3: return QStringLiteral("guia processada");
    default: return QStringLiteral("estado %1").arg(estado);
    }
}

// What the node's icon means, in words.
QString palavraIcone(IconeArvore icone)
{
    switch (icone) {
    case IconeArvore::Raiz: return QStringLiteral("responsável");
    case IconeArvore::EmpresaDisponivel:
    case IconeArvore::Disponivel: return palavraEstado(0);
    case IconeArvore::EmpresaParticipando:
    case IconeArvore::Participando: return palavraEstado(1);
    case IconeArvore::EmpresaFechada:
    case IconeArvore::Fechado: return palavraEstado(2);
    case IconeArvore::GuiaProcessada: return palavraEstado(3);
    case IconeArvore::AlteracaoPendente: return QStringLiteral("alteração cadastral pendente");
    }
    return QString::number(int(icone));
}

QString situacao(const TRecArvore &e)
{
    return e.SituacaoConta >= 0 ? QStringLiteral(", conta situação %1").arg(e.SituacaoConta) : QString();
}

QString resumoEstados(const std::map<int, int> &porEstado)
{
    QStringList partes;
    for (int estado = 0; estado <= 3; ++estado) {
        const auto it = porEstado.find(estado);
        partes << QStringLiteral("%1 %2").arg(it == porEstado.end() ? 0 : it->second).arg(palavraEstado(estado));
    }
    return partes.join(QStringLiteral(", "));
}

void imprimirArvore(QTextStream &out, const TArvore &arvore)
{
    int vinculos = 0, alteracoes = 0, inconsistentes = 0;
    std::map<int, int> total;
    for (int i = 0; i < arvore.Quantidade(); ++i) {
        const TRecArvore &e = arvore.Entrada(i);
        out << QString(2 * e.Nivel(), QLatin1Char(' ')) << '[' << palavraIcone(e.Icone);
        if (e.EhRaiz() && e.Tipo == 'A')
            out << " e empregador";
        out << "] " << e.Texto;
        if (e.EhRaiz()) {
            out << " - " << inscricao(e.TipoInscricao, e.Inscricao);
        } else if (e.EhEmpresa()) {
            std::map<int, int> porEstado;
            int n = 0;
            for (int j = i + 1; j < arvore.Quantidade() && arvore.Entrada(j).Nivel() > 1; ++j)
                if (arvore.Entrada(j).EhVinculo()) {
                    ++porEstado[arvore.Entrada(j).Estado];
                    ++n;
                }
            out << " - " << inscricao(e.TipoInscricao, e.Inscricao) << (e.Tipo == 'A' ? " (responsável)" : "")
                << situacao(e) << "; " << n << " vínculo(s)";
            if (n > 0)
                out << ": " << resumoEstados(porEstado);
        } else if (e.EhVinculo()) {
            ++vinculos;
            ++total[e.Estado];
            out << " - PIS " << pis(e.Pis) << ", categoria " << e.Categoria << ", admissão " << data(e.Admissao)
                << situacao(e);
            if (e.Inconsistente) {
                ++inconsistentes;
                out << " (inconsistente)";
            }
        } else {
            ++alteracoes;
            out << " (nome na ORBEL)";
        }
        out << "\n";
    }
    const Date pagamento = ConfiguracaoGlobal().DataPagamento;
    out << (pagamento.isRealDate() ? QStringLiteral("movimento aberto: ") + data(pagamento)
                                   : QStringLiteral("nenhum movimento aberto"))
        << " | " << vinculos << " vínculo(s): " << resumoEstados(total) << " | " << alteracoes
        << " alteração(ões) pendente(s) | " << inconsistentes << " inconsistente(s)\n";
}

// Opens the tree; a database without a responsible party has none.
void carregar(TArvore &arvore)
{
    if (!arvore.Carregar())
        throw CliError{QStringLiteral("não foi possível montar a árvore (nenhum responsável cadastrado?)")};
}

// The node a command acts on: everyone (the root), one employer, or one link.
struct Alvo {
    enum Escopo { Todos, Empresa, Vinculo } escopo = Todos;
    IdEntrada id = SemEntrada;
};

void conferirArgumentos(const QStringList &args, const char *comando)
{
    if (args.size() != 0 && args.size() != 1 && args.size() != 4)
        throw CliError{QStringLiteral("uso: tolv-cli %1 [INSCRICAO [PIS CATEGORIA ADMISSAO]]").arg(QLatin1String(comando))};
}

Alvo lerAlvo(TArvore &arvore, const QStringList &args)
{
    Alvo alvo;
    alvo.id = arvore.Entrada(0).Id;
    if (args.isEmpty())
        return alvo;
    const QString digitos = ExtrairDigitos(args[0]);
    const qint64 numero = ConverterInteiro64(digitos).value_or(0);
    if (numero <= 0)
        throw CliError{QStringLiteral("inscrição inválida: %1").arg(args[0])};
    // 12 digits name a CEI, 14 a CNPJ: a CEI and a CNPJ may share the number
    const QList<int> tipos = digitos.size() == 12 ? QList<int>{2} : digitos.size() == 14 ? QList<int>{1} : QList<int>{1, 2};
    int tipo = 0;
    for (int t : tipos)
        if (arvore.LocalizarEmpresa(t, numero)) {
            tipo = t;
            break;
        }
    if (tipo == 0)
        throw CliError{QStringLiteral("nenhum empregador com a inscrição %1").arg(args[0])};
    alvo.escopo = Alvo::Empresa;
    alvo.id = arvore.Atual();
    if (args.size() == 1)
        return alvo;

    ChaveVinculo chave;
    chave.TipoInscricao = tipo;
    chave.Inscricao = numero;
    chave.Pis = ConverterInteiro64(ExtrairDigitos(args[1])).value_or(0);
    chave.Categoria = int(ConverterInteiro64(args[2]).value_or(0));
    chave.Admissao = LerData(args[3], false);
    if (chave.Pis <= 0 || chave.Categoria <= 0 || !chave.Admissao.isRealDate())
        throw CliError{QStringLiteral("informe PIS, CATEGORIA e ADMISSAO (dd/mm/aaaa) do vínculo")};
    if (!arvore.LocalizarVinculo(chave, 'F'))
        throw CliError{QStringLiteral("nenhum vínculo do PIS %1, categoria %2, admissão %3 nesse empregador")
                           .arg(pis(chave.Pis))
                           .arg(chave.Categoria)
                           .arg(data(chave.Admissao))};
    alvo.escopo = Alvo::Vinculo;
    alvo.id = arvore.Atual();
    return alvo;
}

QString texto(const QString &codigo, TipoMensagem tipo)
{
    return TUtilitarios::Instancia().Compor(CodigoComPrefixo(QStringLiteral("FE"), codigo), tipo).texto;
}

// The alert before marking, answered by --yes / --no (Yes when neither).
bool responderAlerta(const QString &codigo)
{
    if (codigo.isEmpty())
        return true;
    return TUtilitarios::Instancia().MostrarMensagem(CodigoComPrefixo(QStringLiteral("FE"), codigo), TipoMensagem::Confirmacao,
                                                     {Botao::Sim, Botao::Nao}, {}, Botao::Sim)
        == ResultadoSim;
}

std::map<IdEntrada, int> estadosVinculos(const TArvore &arvore)
{
    std::map<IdEntrada, int> out;
    for (const TRecArvore &e : arvore.Entradas())
        if (e.EhVinculo())
            out[e.Id] = e.Estado;
    return out;
}

// The links whose state the command changed; returns how many.
int imprimirMudancas(QTextStream &out, const TArvore &arvore, const std::map<IdEntrada, int> &antes)
{
    int n = 0;
    for (const TRecArvore &e : arvore.Entradas()) {
        if (!e.EhVinculo())
            continue;
        const auto it = antes.find(e.Id);
        if (it == antes.end() || it->second == e.Estado)
            continue;
        ++n;
        const TRecArvore *empresa = arvore.Buscar(e.Pai);
        out << palavraEstado(it->second) << " -> " << palavraEstado(e.Estado) << ": PIS " << pis(e.Pis) << ' '
            << e.Texto << " (" << (empresa ? empresa->Texto : QString()) << ")\n";
    }
    return n;
}

// The closing inconsistencies the batch rules wrote; returns the links refused.
int imprimirRecusas(QTextStream &out)
{
    TInconsistencia log;
    if (!log.ConsultarFechamento())
        return 0;
    std::set<std::tuple<QString, QString, QString, QString>> vinculos;
    for (int i = 0; i < log.QuantidadeRegistros(); ++i) {
        if (i > 0)
            log.IrProximo();
        vinculos.insert({log.InscricaoEmpresa, log.Pis, log.Categoria, log.DataAdmissao});
        const int tipo = log.TipoInscricaoEmpresa.toInt();
        out << "recusado " << FormatarCodigoMensagem(log.NumeroMensagem) << " - " << log.DescricaoMensagem.trimmed()
            << " | " << inscricao(tipo, log.InscricaoEmpresa.toLongLong()) << ' ' << log.RazaoSocialEmpresa.trimmed()
            << " | PIS " << MascararPis(log.Pis) << ' ' << log.NomeEmpregado.trimmed() << "\n";
    }
    return int(vinculos.size());
}

int cmdTree(Context &c)
{
    if (!c.args.isEmpty())
        throw CliError{QStringLiteral("uso: tolv-cli tree")};
    Sessao sessao;
    TArvore arvore;
    carregar(arvore);
    imprimirArvore(c.out, arvore);
    return 0;
}

int cmdMark(Context &c)
{
    conferirArgumentos(c.args, "mark");
    Sessao sessao;
    TArvore arvore;
    carregar(arvore);
    const Alvo alvo = lerAlvo(arvore, c.args);
    const TRecArvore no = *arvore.Buscar(alvo.id);
    if (no.Icone == IconeArvore::Fechado || no.Icone == IconeArvore::EmpresaFechada) {
        c.out << kItemNaoModificavel << "\n";
        return 1;
    }
    if (!ConfiguracaoGlobal().DataPagamento.isRealDate()) {
        c.out << texto(QStringLiteral("0062"), TipoMensagem::Erro) << "\n";
        return 1;
    }

    TDBUtils &banco = *TDBUtils::Instancia();
    const auto antes = estadosVinculos(arvore);
    int rc = 0, recusados = 0;
    banco.IniciarTransacao();
    try {
        if (alvo.escopo == Alvo::Vinculo) {
            const bool prosseguir = responderAlerta(arvore.VerificarAlertas(alvo.id, EscopoAlerta::Trabalhador));
            switch (arvore.ParticiparTrabalhador(alvo.id, prosseguir)) {
            case ResultadoParticipacao::Marcado:
                break;
            case ResultadoParticipacao::Recusado:
                c.out << "recusado: " << texto(arvore.CodigoMensagem, TipoMensagem::Erro) << "\n";
                recusados = 1;
                rc = 1;
                break;
            case ResultadoParticipacao::NaoPermitido:
                c.out << kItemNaoModificavel << "\n";
                rc = 1;
                break;
            case ResultadoParticipacao::Desistencia:
                c.out << "nada foi marcado (resposta Não)\n";
                rc = 1;
                break;
            }
        } else {
            TResponsavel responsavel;
            responsavel.CarregarResponsavel();
            arvore.LimparInconsistenciasFechamento();
            if (alvo.escopo == Alvo::Empresa) {
                const bool incluir = responderAlerta(arvore.VerificarAlertas(alvo.id, EscopoAlerta::Empresa));
                rc = arvore.ParticiparEmpresa(alvo.id, incluir, &responsavel) ? 0 : 1;
            } else {
                const bool incluir = responderAlerta(arvore.VerificarAlertas(alvo.id, EscopoAlerta::Todos));
                rc = arvore.ParticiparTodos(incluir, &responsavel) ? 1 : 0;
            }
        }
        const int marcados = imprimirMudancas(c.out, arvore, antes);
        if (alvo.escopo != Alvo::Vinculo)
            recusados = imprimirRecusas(c.out);
        banco.Commit();
        c.out << marcados << " vínculo(s) marcado(s), " << recusados << " recusado(s)\n";
    } catch (...) {
        if (banco.EmTransacao())
            banco.Rollback();
        throw;
    }
    return rc;
}

int cmdUnmark(Context &c)
{
    conferirArgumentos(c.args, "unmark");
    Sessao sessao;
    TArvore arvore;
    carregar(arvore);
    const Alvo alvo = lerAlvo(arvore, c.args);
    const TRecArvore no = *arvore.Buscar(alvo.id);
    // closed links leave the movement only by withdrawing the closing
    if (no.Icone == IconeArvore::Fechado || no.Icone == IconeArvore::EmpresaFechada
        || no.Icone == IconeArvore::GuiaProcessada) {
        c.out << kItemNaoModificavel << "\n";
        return 1;
    }
    if (alvo.escopo == Alvo::Vinculo && no.Estado != 1) {
        c.out << "o vínculo não está marcado\n";
        return 0;
    }

    TDBUtils &banco = *TDBUtils::Instancia();
    const auto antes = estadosVinculos(arvore);
    banco.IniciarTransacao();
    try {
        if (alvo.escopo == Alvo::Vinculo)
            arvore.DesmarcarTrabalhador(alvo.id);
        else if (alvo.escopo == Alvo::Empresa)
            arvore.DesmarcarEmpresa(alvo.id, {1});
        else
            arvore.DesmarcarTodos({1});
        const int n = imprimirMudancas(c.out, arvore, antes);
        banco.Commit();
        c.out << n << " vínculo(s) desmarcado(s)\n";
    } catch (...) {
        if (banco.EmTransacao())
            banco.Rollback();
        throw;
    }
    return 0;
}

} // namespace

std::vector<Command> ComandosMovimento()
{
    return {
        {"tree", "", "mostra a árvore de participação: responsável, empregadores, vínculos e seus estados", cmdTree},
        {"mark", "[INSCRICAO [PIS CATEGORIA ADMISSAO]]",
         "marca para o movimento aberto todos os vínculos, os de um empregador ou um vínculo, com as regras de "
         "participação (saída 1 quando algum é recusado)",
         cmdMark},
        {"unmark", "[INSCRICAO [PIS CATEGORIA ADMISSAO]]",
         "desmarca todos os vínculos marcados, os de um empregador ou um vínculo", cmdUnmark},
    };
}

} // namespace tolv::cli
