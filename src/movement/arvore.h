#pragma once

#include "core/chave_vinculo.h"
#include "core/date.h"
#include "core/negocio.h"
#include "registration/estabelecimento.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace tolv {

class ContextoTarefa;
class TResponsavel;
class TVinculo;

// Identity of an entry for as long as it lives; never reused within a process,
// never a position (positions shift when entries come and go).
using IdEntrada = qint64;
inline constexpr IdEntrada SemEntrada = 0;

// The picture a node shows. The values are the image indices of the tree's image
// list, which the window's enabling rules compare against.
enum class IconeArvore : int {
    Raiz = 0,
    EmpresaDisponivel = 1,
    Disponivel = 3,
    EmpresaParticipando = 9,
    Participando = 11,
    AlteracaoPendente = 16,
    Fechado = 23,
    EmpresaFechada = 24,
    GuiaProcessada = 25,
};

// Movement state of a link -> icon (0 -> 3, 1 -> 11, 2 -> 23, 3 -> 25).
IconeArvore IconeVinculo(int estado);
// Employer summary state -> icon (0 -> 1, 1 -> 9, 2 -> 24).
IconeArvore IconeEmpresa(int estado);

// One node of the participation tree.
struct TRecArvore {
    qint16 TipoInscricao = 0;   // of the employer (of the link's employer for "F" and "C")
    qint64 Inscricao = 0;
    qint64 Pis = 0;             // 0 for the root and employers
    qint16 Categoria = 0;
    Date Admissao = DataNula;   // DataNula for the root and employers
    // Movement state ("F"), employer summary state (employers), 0 otherwise.
    qint16 Estado = 0;
    IdEntrada Id = SemEntrada;
    // -1 none; else the employer's or the worker's account situation of the loaded balances.
    qint16 SituacaoConta = -1;
    char Tipo = 'R';            // 'R', 'A' (root or employer), 'E', 'F', 'C'
    bool Inconsistente = false; // the link failed its last full validation
    IdEntrada Pai = SemEntrada; // SemEntrada for the root
    IconeArvore Icone = IconeArvore::Raiz;
    QString Texto;

    ChaveVinculo Chave() const { return {TipoInscricao, Inscricao, Pis, Categoria, Admissao}; }
    // 0 root, 1 employer, 2 link, 3 pending change.
    int Nivel() const;
    bool EhRaiz() const { return Pai == SemEntrada; }
    bool EhEmpresa() const { return !EhRaiz() && (Tipo == 'E' || Tipo == 'A'); }
    bool EhVinculo() const { return Tipo == 'F'; }
    bool EhAlteracao() const { return Tipo == 'C'; }
};

// What changed in an entry (bits of EntradaAlterada).
enum MudancaEntrada : int {
    MudouIcone = 1,
    MudouTexto = 2,
    MudouEstado = 4,  // movement or summary state, inconsistent flag
    MudouChave = 8,   // inscription type and inscription (an employer took a new key)
};

// Told about every change of the entry list, after it happened, on the thread
// that made it. A view keeps its own rows and sorts siblings itself.
class ObservadorArvore {
public:
    virtual ~ObservadorArvore() = default;
    // `entrada` is in the list at `posicao`; its parent (entrada.Pai) already is.
    virtual void EntradaIncluida(const TRecArvore &entrada, int posicao) = 0;
    virtual void EntradaAlterada(const TRecArvore &entrada, int mudancas) = 0;
    // A removed node's descendants are reported before the node itself.
    virtual void EntradaExcluida(const TRecArvore &entrada) = 0;
    // The list was rebuilt (or emptied): read it again from the start.
    virtual void ArvoreReiniciada() = 0;
};

// Interactive single marking (1) or batch: an employer, everyone, simulation, closing (2).
enum class ModoValidacao { Interativo = 1, Lote = 2 };

enum class OperacaoParticipacao { Participar, ParticiparEmpresa, ParticiparResponsavel, Simulacao, Fechamento };
// "PARTICIPAR", "PARTICIPAR_EMPRESA", "PARTICIPAR_RESP", "SIMULACAO", "FECHAMENTO".
QString NomeOperacao(OperacaoParticipacao operacao);

enum class EscopoAlerta { Todos = 0, Empresa = 1, Trabalhador = 2 };

enum class ResultadoParticipacao {
    Marcado,       // state 1 in the database, the entry and the icon
    Recusado,      // a participation rule said no: CodigoMensagem holds its code
    NaoPermitido,  // not a link entry, or a closed link (state 2 or 3)
    Desistencia,   // the alert was answered No: nothing was done
};

// The participation tree: the responsible party at the root, its employers, their
// links and the links' pending registration changes, in one list whose order is
// the invariant every walk relies on: entry 0 is the root, every employer entry is
// followed by its link entries, every link entry by its change entries.
//
// Every change of a link's movement state goes through here so that the column
// IC_ESTADO_MOVIMENTO, the entry and its icon change together. Database failures
// of state updates are raised; the caller rolls back and rebuilds the tree.
// One thread at a time.
class TArvore : public TNegocio {
public:
    explicit TArvore(TDBUtils *banco = nullptr);
    ~TArvore() override;

    // The process-wide tree (not owned); null until the front end sets one.
    static TArvore *Instancia();
    static void DefinirInstancia(TArvore *arvore);

    void AdicionarObservador(ObservadorArvore *observador);
    void RemoverObservador(ObservadorArvore *observador);

    // --- Building -------------------------------------------------------------

    // Rebuilds the entries from the database with one query. False, with no
    // message, on an empty database, without a responsible party or on a database
    // error; the list is then empty. `progresso` (may be null) advances one step
    // per row read.
    bool Carregar(ContextoTarefa *progresso = nullptr);
    // After an import, a balance load or a restore: the pay date read again, the
    // entries rebuilt and, on success, the root made current.
    bool Recarregar(ContextoTarefa *progresso = nullptr);
    int LinhasCarregadas() const { return m_linhas; }

    // --- Entries and the current entry -----------------------------------------

    int Quantidade() const { return int(m_entradas.size()); }
    const std::vector<TRecArvore> &Entradas() const { return m_entradas; }
    const TRecArvore &Entrada(int posicao) const { return m_entradas.at(size_t(posicao)); }
    int Posicao(IdEntrada id) const;              // -1 when there is no such entry
    const TRecArvore *Buscar(IdEntrada id) const; // null when there is no such entry
    // The employer entry of an employer, link or change entry; -1 otherwise.
    int PosicaoEmpresa(IdEntrada id) const;

    // A copy of the current entry (an empty entry when there is none).
    TRecArvore RegAtual() const;
    IdEntrada Atual() const { return m_atual; }
    bool SelecionarNo(IdEntrada id);
    // The employer entry (kind "E" or "A" below the root) of that key.
    bool LocalizarEmpresa(int tipoInscricao, qint64 inscricao);
    // The first link or change entry of that employer.
    bool LocalizarPrimeiroTrabalhador(int tipoInscricao, qint64 inscricao);
    // The first entry of that link key and kind ('F' or 'C').
    bool LocalizarVinculo(const ChaveVinculo &chave, char tipo = 'F');
    // Entry 0 / the next entry becomes current; ENegocio "Árvore vazia." without
    // entries. Proximo returns false (and keeps the current entry) past the end.
    void Primeiro();
    bool Proximo();

    // --- Counting -------------------------------------------------------------

    // Link and change entries whose state lies between the smallest and the largest
    // listed state; with pararNoPrimeiro the count stops at 1.
    int ContarEmEstados(const QList<int> &estados, bool pararNoPrimeiro = false) const;
    // The same over one employer's link and change entries.
    int ContarFilhosEmEstados(IdEntrada empresa, const QList<int> &estados) const;
    // Link and change entries of the employer.
    int ContarFilhos(IdEntrada empresa) const;
    // Links in state 1.
    int ContarParticipantes() const;

    // --- Employer summary -------------------------------------------------------

    // From the stored links: 0 none participating (or no link), 1 some link in
    // state 1, 2 every link closed (state 2 or 3).
    int EstadoEmpresaBase(int tipoInscricao, qint64 inscricao);
    // From the entries (a change entry counts as an available link); sets the
    // employer's state and icon. Accepts the employer or any entry below it.
    void RecalcularEmpresa(IdEntrada no);

    // --- Participation rules -----------------------------------------------------

    // Whether the loaded link may take part. Interactive mode stops at the first
    // failing rule and leaves its code in CodigoMensagem (the front end shows
    // "FE" + code). Batch mode runs every rule, logs each failure as a closing
    // inconsistency and leaves the last code. A link found inconsistent by the full
    // validation while marked leaves the movement here too (entry and icon follow).
    bool ValidarParticipacao(ModoValidacao modo, TVinculo &vinculo, OperacaoParticipacao operacao,
                             TResponsavel *responsavel = nullptr);
    // Batch mode: one closing inconsistency for CodigoMensagem and the link.
    // ENegocio when there is no link.
    void RegistrarViolacao(ModoValidacao modo, TVinculo *vinculo, TResponsavel *responsavel);
    // The code of the question to ask before marking ("" for none): Yes, or no
    // code, includes links whose account situation is 3.
    QString VerificarAlertas(IdEntrada no, EscopoAlerta escopo);

    // --- Marking and unmarking -----------------------------------------------------

    // One link, interactive rules. `prosseguir` false (the alert was answered No)
    // does nothing.
    ResultadoParticipacao ParticiparTrabalhador(IdEntrada no, bool prosseguir = true);
    // Every open link of the employer, batch rules; links with account situation 3
    // only when `incluirSituacao3`. False when some link was refused.
    bool ParticiparEmpresa(IdEntrada empresa, bool incluirSituacao3, TResponsavel *responsavel = nullptr);
    // Every open link of the tree; true when some link was refused.
    bool ParticiparTodos(bool incluirSituacao3, TResponsavel *responsavel = nullptr);

    // The link back to state 0 (unmarking, or withdrawing its closing); the
    // employer follows the stored states.
    void DesmarcarTrabalhador(IdEntrada no);
    // The employer's links in the listed states back to state 0: {1} unmarks,
    // {2, 3} withdraws the closings.
    void DesmarcarEmpresa(IdEntrada empresa, const QList<int> &estados);
    void DesmarcarTodos(const QList<int> &estados);
    // State 2 (closed and sent); the caller then recomputes the employer.
    void FecharTrabalhador(IdEntrada no);
    // Any state for one link (a processed guide arrived: 3; its guide removed: 2).
    void DefinirEstadoTrabalhador(IdEntrada no, int estado);

    void AtualizarEstadoVinculo(const ChaveVinculo &chave, int novoEstado);
    void AtualizarEstadoEmpresa(int tipoInscricao, qint64 inscricao, int novoEstado, const QList<int> &estados);

    // --- Maintenance after the registration screens save ----------------------------

    // A new entry with the kind, key, state, situation and text of `dados`: the root
    // (no parent, empty tree), an employer under the root, a link under an employer
    // (placed after that employer's last entry; every link of the same PIS takes
    // the name) or a pending change under a link. Returns the new entry's id;
    // ENegocio for a parent or kind that does not fit.
    IdEntrada IncluirNo(IdEntrada pai, const TRecArvore &dados);
    // New text; the twin of an "A" entry and every link of the same PIS follow.
    void RenomearNo(IdEntrada no, const QString &texto);
    // An employer took a new inscription: its entries (and the root, for "A") follow.
    void AlterarInscricaoEmpresa(IdEntrada empresa, int tipoInscricao, qint64 inscricao);
    // Removes an employer with its links, or a link with its changes, or a change.
    void ExcluirNo(IdEntrada no);
    // Who the root is, as the registration objects report it.
    TRaizArvore Raiz() const;
    void AlterarRaiz(const TRaizArvore &raiz);

    // --- The open movement --------------------------------------------------------

    // Reads the pay date of the open movement into the process-wide settings
    // (DataNula without one) and returns it.
    Date DataPagamentoMovimento();
    // Closes the movement: the opening row goes, the pay date becomes DataNula.
    void ExcluirAbertura();
    // Empties the closing inconsistency log (before every mass marking, simulation
    // and closing); false when the statement failed.
    bool LimparInconsistenciasFechamento();

    // Names of the current entry read from the database, upper-cased and trimmed;
    // "" when its key is 0.
    QString NomeEmpresaAtual();
    QString NomeTrabalhadorAtual();

private:
    struct Indices;

    IdEntrada NovoId() { return ++m_ultimoId; }
    const Indices &indices() const;
    void invalidarIndices();
    void limpar();

    int fimBloco(int posicaoEmpresa) const;  // one past the employer's last entry
    int posicaoVinculo(const ChaveVinculo &chave) const;
    bool existeAlteracao(const ChaveVinculo &chave) const;
    void definirEstadoVinculo(int posicao, int estado);
    void definirEstadoEmpresa(int posicao, int estado);
    void sincronizarValidacao(const TVinculo &vinculo, int estadoAntes);
    bool participarEmLote(int posicao, OperacaoParticipacao operacao, TResponsavel *responsavel);
    bool elegivel(const TRecArvore &e, bool incluirSituacao3) const;
    bool regrasSaldo(TVinculo &vinculo, bool &diverge);
    void inserir(int posicao, TRecArvore entrada);
    void remover(int inicio, int fim);  // [inicio, fim)

    void notificarIncluida(int posicao);
    void notificarAlterada(int posicao, int mudancas);
    void notificarExcluida(const TRecArvore &entrada);
    void notificarReiniciada();

    std::vector<TRecArvore> m_entradas;
    IdEntrada m_atual = SemEntrada;
    IdEntrada m_ultimoId = 0;
    int m_linhas = 0;
    std::vector<ObservadorArvore *> m_observadores;
    mutable std::unique_ptr<Indices> m_indices;
};

} // namespace tolv
