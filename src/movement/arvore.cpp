#include "arvore.h"

#include "calculation/datas_indices.h"
#include "core/configuracao.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "files/inconsistencia.h"
#include "files/tarefa.h"
#include "files/tipo_arquivo.h"
#include "registration/regras_cadastro.h"
#include "registration/vinculo.h"

#include <algorithm>
#include <atomic>
#include <tuple>
#include <unordered_map>

namespace tolv {

namespace {

std::atomic<TArvore *> g_instancia{nullptr};

const QString kArvoreVazia = QStringLiteral("Árvore vazia.");

struct HashVinculo {
    size_t operator()(const ChaveVinculo &c) const noexcept
    {
        size_t h = std::hash<qint64>()(c.Inscricao);
        const auto mix = [&h](qint64 v) { h ^= std::hash<qint64>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        mix(c.TipoInscricao);
        mix(c.Pis);
        mix(c.Categoria);
        mix(c.Admissao.serial());
        return h;
    }
};

struct ChaveEmpresa {
    int tipo = 0;
    qint64 inscricao = 0;
    bool operator==(const ChaveEmpresa &) const = default;
};

struct HashEmpresa {
    size_t operator()(const ChaveEmpresa &c) const noexcept
    {
        return std::hash<qint64>()(c.inscricao) ^ (size_t(c.tipo) << 1);
    }
};

bool MesmaEmpresa(const TRecArvore &a, const TRecArvore &b)
{
    return a.TipoInscricao == b.TipoInscricao && a.Inscricao == b.Inscricao;
}

bool NaFaixa(int estado, const QList<int> &estados)
{
    if (estados.isEmpty())
        return false;
    const auto [menor, maior] = std::minmax_element(estados.begin(), estados.end());
    return estado >= *menor && estado <= *maior;
}

QString ListaEstados(const QList<int> &estados)
{
    QStringList s;
    for (int e : estados)
        s << QString::number(e);
    return s.join(QStringLiteral(", "));
}

} // namespace

IconeArvore IconeVinculo(int estado)
{
    switch (estado) {
    case 1: return IconeArvore::Participando;
    case 2: return IconeArvore::Fechado;
    case 3: return IconeArvore::GuiaProcessada;
    default: return IconeArvore::Disponivel;
    }
}

IconeArvore IconeEmpresa(int estado)
{
    switch (estado) {
    case 1: return IconeArvore::EmpresaParticipando;
    case 2: return IconeArvore::EmpresaFechada;
    default: return IconeArvore::EmpresaDisponivel;
    }
}

int TRecArvore::Nivel() const
{
    if (EhRaiz())
        return 0;
    switch (Tipo) {
    case 'F': return 2;
    case 'C': return 3;
    default: return 1;
    }
}

QString NomeOperacao(OperacaoParticipacao operacao)
{
    switch (operacao) {
    case OperacaoParticipacao::Participar: return QStringLiteral("PARTICIPAR");
    case OperacaoParticipacao::ParticiparEmpresa: return QStringLiteral("PARTICIPAR_EMPRESA");
    case OperacaoParticipacao::ParticiparResponsavel: return QStringLiteral("PARTICIPAR_RESP");
    case OperacaoParticipacao::Simulacao: return QStringLiteral("SIMULACAO");
    case OperacaoParticipacao::Fechamento: return QStringLiteral("FECHAMENTO");
    }
    return {};
}

// Position lookups, rebuilt on demand after the list's shape or keys changed.
// Marking and unmarking change neither, so a mass operation builds them once.
struct TArvore::Indices {
    std::unordered_map<IdEntrada, int> porId;
    std::unordered_map<ChaveVinculo, int, HashVinculo> vinculos;  // link entries
    std::unordered_map<ChaveEmpresa, int, HashEmpresa> empresas;   // employer entries
};

TArvore::TArvore(TDBUtils *banco) : TNegocio(banco) { TArvore::Inicializar(); }

TArvore::~TArvore()
{
    TArvore *eu = this;
    g_instancia.compare_exchange_strong(eu, nullptr);
}

TArvore *TArvore::Instancia() { return g_instancia.load(); }
void TArvore::DefinirInstancia(TArvore *arvore) { g_instancia.store(arvore); }

void TArvore::AdicionarObservador(ObservadorArvore *observador)
{
    if (observador && std::find(m_observadores.begin(), m_observadores.end(), observador) == m_observadores.end())
        m_observadores.push_back(observador);
}

void TArvore::RemoverObservador(ObservadorArvore *observador)
{
    m_observadores.erase(std::remove(m_observadores.begin(), m_observadores.end(), observador), m_observadores.end());
}

void TArvore::notificarIncluida(int posicao)
{
    for (ObservadorArvore *o : m_observadores)
        o->EntradaIncluida(m_entradas[size_t(posicao)], posicao);
}

void TArvore::notificarAlterada(int posicao, int mudancas)
{
    if (mudancas == 0)
        return;
    for (ObservadorArvore *o : m_observadores)
        o->EntradaAlterada(m_entradas[size_t(posicao)], mudancas);
}

void TArvore::notificarExcluida(const TRecArvore &entrada)
{
    for (ObservadorArvore *o : m_observadores)
        o->EntradaExcluida(entrada);
}

void TArvore::notificarReiniciada()
{
    for (ObservadorArvore *o : m_observadores)
        o->ArvoreReiniciada();
}

const TArvore::Indices &TArvore::indices() const
{
    if (!m_indices) {
        auto ix = std::make_unique<Indices>();
        ix->porId.reserve(m_entradas.size());
        for (int i = 0; i < int(m_entradas.size()); ++i) {
            const TRecArvore &e = m_entradas[size_t(i)];
            ix->porId.emplace(e.Id, i);
            if (e.EhVinculo())
                ix->vinculos.emplace(e.Chave(), i);
            else if (e.EhEmpresa())
                ix->empresas.emplace(ChaveEmpresa{e.TipoInscricao, e.Inscricao}, i);
        }
        m_indices = std::move(ix);
    }
    return *m_indices;
}

void TArvore::invalidarIndices() { m_indices.reset(); }

void TArvore::limpar()
{
    m_entradas.clear();
    m_atual = SemEntrada;
    m_linhas = 0;
    invalidarIndices();
}

// ---------------------------------------------------------------------------
// Building

namespace {

// The rows of the tree query, by kind. The query reads each table once and the
// rows are put in order here: sorting wide rows in the engine and probing the
// balance table for every link cost more than the whole build may take.
struct LinhaEmpresa {
    QString nome;
    ChaveEmpresa chave;
    QString estado;  // IC_ESTADO_EMPRESA: "R", "A" or "E"
};
struct LinhaVinculo {
    ChaveVinculo chave;
    QString nome;
    qint16 estado = 0;
    bool inconsistente = false;
};
struct LinhaSaldo {
    ChaveVinculo chave;
    QString nome;  // the name the bank holds, when a change of it is pending
    qint16 situacaoTrabalhador = -1;  // -1: NULL
    qint16 situacaoEmpresa = -1;
    qint64 conta = 0;
    bool alteracaoPendente = false;
};
struct LinhasArvore {
    std::vector<LinhaEmpresa> empresas;
    std::vector<LinhaVinculo> vinculos;
    std::vector<LinhaSaldo> saldos;
    int quantidade = 0;
};

bool MenorChave(const ChaveVinculo &a, const ChaveVinculo &b)
{
    return std::tie(a.TipoInscricao, a.Inscricao, a.Pis, a.Categoria, a.Admissao)
         < std::tie(b.TipoInscricao, b.Inscricao, b.Pis, b.Categoria, b.Admissao);
}

bool MenorEmpresa(const ChaveVinculo &a, const ChaveVinculo &b)
{
    return std::tie(a.TipoInscricao, a.Inscricao) < std::tie(b.TipoInscricao, b.Inscricao);
}

// One row per employer, link and balance line. The kinds share nine columns
// (every fetched cell costs time):
//   employer      type, inscription, NULL, NULL, NULL, name, kind (1 R, 2 A, 3 E), NULL, NULL
//   link          key, worker name, movement state (NULL reads as 0), inconsistent (1/0), NULL
//   balance line  key, the bank's name when a change is pending (else NULL),
//                 worker situation, employer situation, account
QString SqlArvore()
{
    const auto t = [](const char *s) { return SqlTexto(QLatin1String(s)); };
    return QStringLiteral(
               "SELECT EMP.NU_TIPO_INSO_EMPRA, EMP.NU_INSCRICAO, CAST(NULL AS BIGINT) AS NU_PIS, "
               "CAST(NULL AS SMALLINT) AS NU_CATEGORIA, CAST(NULL AS DATE) AS DT_ADMISSAO_VINCULO, "
               "CAST(EMP.NO_RAZAO_SOCIAL AS VARCHAR(70)) AS NOME, "
               "CAST(CASE EMP.IC_ESTADO_EMPRESA WHEN %1 THEN 1 WHEN %2 THEN 2 WHEN %3 THEN 3 ELSE 0 END AS SMALLINT) AS A, "
               "CAST(NULL AS SMALLINT) AS B, CAST(NULL AS BIGINT) AS CONTA "
               "FROM SFGTBG02_EMPRESA EMP "
               "UNION ALL "
               "SELECT VINC.NU_TIPO_INSO_EMPRA, VINC.NU_INSCRICAO, VINC.NU_PIS, VINC.NU_CATEGORIA, "
               "VINC.DT_ADMISSAO_VINCULO, TRAB.NO_EMPREGADO, VINC.IC_ESTADO_MOVIMENTO, "
               "CAST(CASE WHEN VINC.IC_VALIDACAO_VINCULO = %4 THEN 1 ELSE 0 END AS SMALLINT), NULL "
               "FROM SFGTBG04_VINCULO_EMPREGATICIO VINC "
               "LEFT OUTER JOIN SFGTBG03_EMPREGADO TRAB ON TRAB.NU_PIS = VINC.NU_PIS "
               "UNION ALL "
               "SELECT CONEMP.NU_TIPO_INSO_EMPRA, CONEMP.NU_INSCRICAO, CONEMP.NU_PIS, CONEMP.NU_CATEGORIA, "
               "CONEMP.DT_ADMISSAO_VINCULO, "
               "CASE WHEN EXISTS (SELECT 1 FROM SFGTBG05_ALTERACAO_CADASTRAL ALT WHERE %6 "
               "AND ALT.IC_CONFIRMACAO = %5 AND ALT.NU_TIPO_ALTERACAO = 406 "
               "AND ALT.NU_EMPREGADO_ORBEL_ALT_CDSTL = CONEMP.NU_EMPREGADO_ORBEL) "
               "THEN COALESCE(CONEMP.NO_EMPREGADO, %7) END, "
               "CONEMP.NU_SITUACAO_CONTA_EMPREGADO, CONEMP.NU_SITUACAO_CONTA_EMPRESA, CONEMP.NU_EMPREGADO_ORBEL "
               "FROM SFGTBG10_CONTA_EMPREGADO_FGTS CONEMP")
        .arg(t("R"), t("A"), t("E"), t("S"), t("N"), JuncaoVinculo(QStringLiteral("ALT"), QStringLiteral("CONEMP")),
             SqlTextoSempre(QString()));
}

LinhasArvore LerLinhas(TDBUtils &banco, ContextoTarefa *progresso)
{
    LinhasArvore l;
    const std::unique_ptr<ResultSet> rs = banco.Abrir(SqlArvore());
    l.quantidade = rs->rowCount();
    if (progresso)
        progresso->DefinirMaximo(l.quantidade);
    enum { cTipo, cInsc, cPis, cCat, cAdm, cNome, cA, cB, cConta };
    const auto situacao = [&rs](int c) { return rs->field(c).isNull() ? qint16(-1) : qint16(rs->field(c).toInt()); };
    l.vinculos.reserve(size_t(l.quantidade));
    for (int i = 0; i < l.quantidade; ++i) {
        rs->moveTo(i);
        if (progresso)
            progresso->Avancar();
        if (rs->field(cPis).isNull()) {
            static const char *const kEstados[] = {"", "R", "A", "E"};
            const int tipo = rs->field(cA).toInt();
            l.empresas.push_back({Aparar(rs->field(cNome).toString()),
                                  {rs->field(cTipo).toInt(), rs->field(cInsc).toInt64()},
                                  QLatin1String(kEstados[tipo >= 0 && tipo <= 3 ? tipo : 0])});
            continue;
        }
        const ChaveVinculo chave{rs->field(cTipo).toInt(), rs->field(cInsc).toInt64(), rs->field(cPis).toInt64(),
                                 rs->field(cCat).toInt(), rs->field(cAdm).toDate()};
        if (rs->field(cConta).isNull())
            l.vinculos.push_back({chave, Aparar(rs->field(cNome).toString()), qint16(rs->field(cA).toInt()),
                                  rs->field(cB).toInt() == 1});
        else
            l.saldos.push_back({chave, Aparar(rs->field(cNome).toString()), situacao(cA), situacao(cB),
                                rs->field(cConta).toInt64(), !rs->field(cNome).isNull()});
    }
    return l;
}

// Employers by name, then type and inscription; links by employer, worker name,
// PIS, category and admission (one worker never splits, two of one name never
// mix); balance lines by link, then situation (none first) and account.
void Ordenar(LinhasArvore &l)
{
    std::sort(l.empresas.begin(), l.empresas.end(), [](const LinhaEmpresa &a, const LinhaEmpresa &b) {
        if (const int c = a.nome.compare(b.nome))
            return c < 0;
        return std::tie(a.chave.tipo, a.chave.inscricao) < std::tie(b.chave.tipo, b.chave.inscricao);
    });
    std::sort(l.vinculos.begin(), l.vinculos.end(), [](const LinhaVinculo &a, const LinhaVinculo &b) {
        if (MenorEmpresa(a.chave, b.chave) || MenorEmpresa(b.chave, a.chave))
            return MenorEmpresa(a.chave, b.chave);
        if (const int c = a.nome.compare(b.nome))
            return c < 0;
        return MenorChave(a.chave, b.chave);
    });
    std::sort(l.saldos.begin(), l.saldos.end(), [](const LinhaSaldo &a, const LinhaSaldo &b) {
        if (!(a.chave == b.chave))
            return MenorChave(a.chave, b.chave);
        return std::tie(a.situacaoTrabalhador, a.conta) < std::tie(b.situacaoTrabalhador, b.conta);
    });
}

// A link or change entry with the link's key.
TRecArvore EntradaDeVinculo(char tipo, const ChaveVinculo &c, IdEntrada id, IdEntrada pai)
{
    TRecArvore e;
    e.Id = id;
    e.Pai = pai;
    e.Tipo = tipo;
    e.TipoInscricao = qint16(c.TipoInscricao);
    e.Inscricao = c.Inscricao;
    e.Pis = c.Pis;
    e.Categoria = qint16(c.Categoria);
    e.Admissao = c.Admissao;
    return e;
}

qint16 SituacaoDaLinha(const LinhaSaldo &s)
{
    return s.situacaoTrabalhador >= 0 ? s.situacaoTrabalhador : s.situacaoEmpresa;
}

} // namespace

bool TArvore::Carregar(ContextoTarefa *progresso)
{
    limpar();
    bool ok = false;
    try {
        LinhasArvore linhas = LerLinhas(*Banco(), progresso);
        m_linhas = linhas.quantidade;
        if (linhas.empresas.empty())
            throw ENegocio(QStringLiteral("Não existe cadastro."));
        Ordenar(linhas);
        const std::vector<LinhaEmpresa> &empresas = linhas.empresas;
        const std::vector<LinhaVinculo> &vinculos = linhas.vinculos;
        const std::vector<LinhaSaldo> &saldos = linhas.saldos;

        // Root: the responsible party alone, else the one that is also an employer.
        const auto comEstado = [&empresas](const char *estado) {
            return std::find_if(empresas.begin(), empresas.end(),
                                [estado](const LinhaEmpresa &e) { return e.estado == QLatin1String(estado); });
        };
        auto linhaRaiz = comEstado("R");
        if (linhaRaiz == empresas.end())
            linhaRaiz = comEstado("A");
        if (linhaRaiz == empresas.end())
            throw ENegocio(QStringLiteral("Não existe responsável cadastrado."));

        m_entradas.reserve(1 + empresas.size() + vinculos.size() + size_t(std::count_if(
                               saldos.begin(), saldos.end(), [](const LinhaSaldo &s) { return s.alteracaoPendente; })));
        const auto saldosDe = [&saldos](const ChaveVinculo &c) {
            const auto inicio = std::lower_bound(saldos.begin(), saldos.end(), c,
                                                 [](const LinhaSaldo &s, const ChaveVinculo &k) { return MenorChave(s.chave, k); });
            auto fim = inicio;
            while (fim != saldos.end() && fim->chave == c)
                ++fim;
            return std::make_pair(inicio, fim);
        };

        TRecArvore raiz;
        raiz.Id = NovoId();
        raiz.Tipo = char(linhaRaiz->estado.at(0).toLatin1());
        raiz.TipoInscricao = qint16(linhaRaiz->chave.tipo);
        raiz.Inscricao = linhaRaiz->chave.inscricao;
        raiz.Icone = IconeArvore::Raiz;
        raiz.Texto = linhaRaiz->nome;

        m_entradas.push_back(raiz);
        for (const LinhaEmpresa &empresa : empresas) {
            if (!empresa.estado.startsWith(QLatin1Char('A')) && !empresa.estado.startsWith(QLatin1Char('E')))
                continue;
            const int posEmpresa = int(m_entradas.size());
            TRecArvore e;
            e.Id = NovoId();
            e.Pai = raiz.Id;
            e.Tipo = char(empresa.estado.at(0).toLatin1());
            e.TipoInscricao = qint16(empresa.chave.tipo);
            e.Inscricao = empresa.chave.inscricao;
            e.Texto = empresa.nome;
            m_entradas.push_back(std::move(e));

            bool temVinculo = false, tem0 = false, tem1 = false;
            qint16 situacaoEmpresa = -1;
            const ChaveVinculo inicio{empresa.chave.tipo, empresa.chave.inscricao, 0, 0, DataNula};
            auto v = std::lower_bound(vinculos.begin(), vinculos.end(), inicio,
                                      [](const LinhaVinculo &a, const ChaveVinculo &k) { return MenorEmpresa(a.chave, k); });
            for (; v != vinculos.end() && v->chave.TipoInscricao == empresa.chave.tipo
                   && v->chave.Inscricao == empresa.chave.inscricao;
                 ++v) {
                const auto [s0, s1] = saldosDe(v->chave);
                TRecArvore f = EntradaDeVinculo('F', v->chave, NovoId(), m_entradas[size_t(posEmpresa)].Id);
                f.Estado = v->estado;
                f.Icone = IconeVinculo(f.Estado);
                f.Inconsistente = v->inconsistente;
                if (s0 != s1)
                    f.SituacaoConta = SituacaoDaLinha(*s0);
                f.Texto = v->nome;
                const IdEntrada idVinculo = f.Id;
                m_entradas.push_back(std::move(f));
                if (v->estado >= 0 && v->estado <= 3) {
                    temVinculo = true;
                    tem0 = tem0 || v->estado == 0;
                    tem1 = tem1 || v->estado == 1;
                }
                for (auto s = s0; s != s1; ++s) {
                    // the employer's situation is on every balance line; a first
                    // link without lines must not hide it
                    if (situacaoEmpresa < 0)
                        situacaoEmpresa = s->situacaoEmpresa;
                    if (!s->alteracaoPendente)
                        continue;
                    TRecArvore c = EntradaDeVinculo('C', s->chave, NovoId(), idVinculo);
                    c.Inconsistente = v->inconsistente;
                    c.SituacaoConta = SituacaoDaLinha(*s);
                    c.Icone = IconeArvore::AlteracaoPendente;
                    c.Texto = s->nome;
                    m_entradas.push_back(std::move(c));
                }
            }
            // the summary follows the stored states, as EstadoEmpresaBase reads them
            TRecArvore &emp = m_entradas[size_t(posEmpresa)];
            emp.Estado = qint16(!temVinculo ? 0 : tem1 ? 1 : !tem0 ? 2 : 0);
            emp.Icone = IconeEmpresa(emp.Estado);
            emp.SituacaoConta = situacaoEmpresa;
            // the root's situation is that of its own employer row
            if (emp.Tipo == 'A' && MesmaEmpresa(emp, m_entradas.front()))
                m_entradas.front().SituacaoConta = situacaoEmpresa;
        }
        ok = true;
    } catch (const std::exception &) {
        ok = false;
    }
    invalidarIndices();
    notificarReiniciada();
    return ok;
}

bool TArvore::Recarregar(ContextoTarefa *progresso)
{
    DataPagamentoMovimento();
    if (!Carregar(progresso))
        return false;
    m_atual = m_entradas.front().Id;
    return true;
}

// ---------------------------------------------------------------------------
// Entries and the current entry

int TArvore::Posicao(IdEntrada id) const
{
    const auto &ix = indices().porId;
    const auto it = ix.find(id);
    return it == ix.end() ? -1 : it->second;
}

const TRecArvore *TArvore::Buscar(IdEntrada id) const
{
    const int p = Posicao(id);
    return p < 0 ? nullptr : &m_entradas[size_t(p)];
}

int TArvore::PosicaoEmpresa(IdEntrada id) const
{
    int p = Posicao(id);
    for (int passos = 0; p >= 0 && passos < 3; ++passos) {
        const TRecArvore &e = m_entradas[size_t(p)];
        if (e.EhEmpresa())
            return p;
        if (e.EhRaiz())
            return -1;
        p = Posicao(e.Pai);
    }
    return -1;
}

TRecArvore TArvore::RegAtual() const
{
    const TRecArvore *e = Buscar(m_atual);
    return e ? *e : TRecArvore();
}

bool TArvore::SelecionarNo(IdEntrada id)
{
    if (Posicao(id) < 0)
        return false;
    m_atual = id;
    return true;
}

bool TArvore::LocalizarEmpresa(int tipoInscricao, qint64 inscricao)
{
    const auto &ix = indices().empresas;
    const auto it = ix.find(ChaveEmpresa{tipoInscricao, inscricao});
    if (it == ix.end())
        return false;
    m_atual = m_entradas[size_t(it->second)].Id;
    return true;
}

bool TArvore::LocalizarPrimeiroTrabalhador(int tipoInscricao, qint64 inscricao)
{
    const auto &ix = indices().empresas;
    const auto it = ix.find(ChaveEmpresa{tipoInscricao, inscricao});
    if (it == ix.end())
        return false;
    const int p = it->second + 1;
    if (p >= Quantidade() || m_entradas[size_t(p)].Pis == 0 || !MesmaEmpresa(m_entradas[size_t(p)], m_entradas[size_t(it->second)]))
        return false;
    m_atual = m_entradas[size_t(p)].Id;
    return true;
}

int TArvore::posicaoVinculo(const ChaveVinculo &chave) const
{
    const auto &ix = indices().vinculos;
    const auto it = ix.find(chave);
    return it == ix.end() ? -1 : it->second;
}

bool TArvore::existeAlteracao(const ChaveVinculo &chave) const
{
    const int p = posicaoVinculo(chave);
    return p >= 0 && p + 1 < Quantidade() && m_entradas[size_t(p) + 1].EhAlteracao();
}

bool TArvore::LocalizarVinculo(const ChaveVinculo &chave, char tipo)
{
    int p = posicaoVinculo(chave);
    if (p < 0 || (tipo != 'F' && tipo != 'C'))
        return false;
    if (tipo == 'C') {
        ++p;
        if (p >= Quantidade() || !m_entradas[size_t(p)].EhAlteracao())
            return false;
    }
    m_atual = m_entradas[size_t(p)].Id;
    return true;
}

void TArvore::Primeiro()
{
    if (m_entradas.empty())
        throw ENegocio(kArvoreVazia);
    m_atual = m_entradas.front().Id;
}

bool TArvore::Proximo()
{
    if (m_entradas.empty())
        throw ENegocio(kArvoreVazia);
    const int p = Posicao(m_atual) + 1;
    if (p >= Quantidade())
        return false;
    m_atual = m_entradas[size_t(p)].Id;
    return true;
}

// ---------------------------------------------------------------------------
// Counting

int TArvore::fimBloco(int posicaoEmpresa) const
{
    const TRecArvore &empresa = m_entradas[size_t(posicaoEmpresa)];
    int j = posicaoEmpresa + 1;
    while (j < Quantidade() && (m_entradas[size_t(j)].EhVinculo() || m_entradas[size_t(j)].EhAlteracao())
           && MesmaEmpresa(m_entradas[size_t(j)], empresa))
        ++j;
    return j;
}

int TArvore::ContarEmEstados(const QList<int> &estados, bool pararNoPrimeiro) const
{
    int n = 0;
    for (const TRecArvore &e : m_entradas) {
        if ((e.EhVinculo() || e.EhAlteracao()) && NaFaixa(e.Estado, estados)) {
            ++n;
            if (pararNoPrimeiro)
                break;
        }
    }
    return n;
}

int TArvore::ContarFilhosEmEstados(IdEntrada empresa, const QList<int> &estados) const
{
    const int p = Posicao(empresa);
    if (p < 0 || !m_entradas[size_t(p)].EhEmpresa())
        return 0;
    int n = 0;
    for (int j = p + 1, fim = fimBloco(p); j < fim; ++j)
        n += NaFaixa(m_entradas[size_t(j)].Estado, estados) ? 1 : 0;
    return n;
}

int TArvore::ContarFilhos(IdEntrada empresa) const
{
    const int p = Posicao(empresa);
    if (p < 0 || !m_entradas[size_t(p)].EhEmpresa())
        return 0;
    return fimBloco(p) - p - 1;
}

int TArvore::ContarParticipantes() const
{
    return int(std::count_if(m_entradas.begin(), m_entradas.end(),
                             [](const TRecArvore &e) { return e.EhVinculo() && e.Estado == 1; }));
}

// ---------------------------------------------------------------------------
// Employer summary

int TArvore::EstadoEmpresaBase(int tipoInscricao, qint64 inscricao)
{
    const auto rs = Banco()->Abrir(QStringLiteral("SELECT DISTINCT IC_ESTADO_MOVIMENTO FROM SFGTBG04_VINCULO_EMPREGATICIO "
                                                  "WHERE NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2 "
                                                  "AND IC_ESTADO_MOVIMENTO IN (0, 1, 2, 3)")
                                       .arg(tipoInscricao)
                                       .arg(inscricao));
    if (rs->rowCount() == 0)
        return 0;
    bool tem0 = false;
    for (rs->first(); !rs->eof(); rs->next()) {
        const int estado = rs->field(0).toInt();
        if (estado == 1)
            return 1;
        tem0 = tem0 || estado == 0;
    }
    return tem0 ? 0 : 2;
}

void TArvore::RecalcularEmpresa(IdEntrada no)
{
    const int p = PosicaoEmpresa(no);
    if (p < 0)
        return;
    const int fim = fimBloco(p);
    int estado = fim > p + 1 ? 2 : 0;
    bool tem0 = false;
    for (int j = p + 1; j < fim; ++j) {
        const int e = m_entradas[size_t(j)].Estado;
        if (e == 1) {
            estado = 1;
            break;
        }
        tem0 = tem0 || e == 0;
    }
    if (estado != 1 && tem0)
        estado = 0;
    definirEstadoEmpresa(p, estado);
}

void TArvore::definirEstadoEmpresa(int posicao, int estado)
{
    if (posicao < 0)
        return;
    TRecArvore &e = m_entradas[size_t(posicao)];
    int mudancas = 0;
    if (e.Estado != estado) {
        e.Estado = qint16(estado);
        mudancas |= MudouEstado;
    }
    if (e.Icone != IconeEmpresa(estado)) {
        e.Icone = IconeEmpresa(estado);
        mudancas |= MudouIcone;
    }
    notificarAlterada(posicao, mudancas);
}

void TArvore::definirEstadoVinculo(int posicao, int estado)
{
    TRecArvore &e = m_entradas[size_t(posicao)];
    int mudancas = 0;
    if (e.Estado != estado) {
        e.Estado = qint16(estado);
        mudancas |= MudouEstado;
    }
    if (e.Icone != IconeVinculo(estado)) {
        e.Icone = IconeVinculo(estado);
        mudancas |= MudouIcone;
    }
    notificarAlterada(posicao, mudancas);
}

// ---------------------------------------------------------------------------
// Marking and unmarking

namespace {

int PosicaoVinculoOuFalha(const TArvore &arvore, IdEntrada no)
{
    const int p = arvore.Posicao(no);
    if (p < 0 || !arvore.Entrada(p).EhVinculo())
        throw ENegocio(QStringLiteral("O nó informado não é de um vínculo."));
    return p;
}

int PosicaoEmpresaOuFalha(const TArvore &arvore, IdEntrada no)
{
    const int p = arvore.Posicao(no);
    if (p < 0 || !arvore.Entrada(p).EhEmpresa())
        throw ENegocio(QStringLiteral("O nó informado não é de um empregador."));
    return p;
}

} // namespace

bool TArvore::elegivel(const TRecArvore &e, bool incluirSituacao3) const
{
    return e.EhVinculo() && e.Estado != 2 && e.Estado != 3 && (incluirSituacao3 || e.SituacaoConta != 3);
}

ResultadoParticipacao TArvore::ParticiparTrabalhador(IdEntrada no, bool prosseguir)
{
    CodigoMensagem.clear();
    const int p = Posicao(no);
    if (p < 0 || !elegivel(m_entradas[size_t(p)], true))
        return ResultadoParticipacao::NaoPermitido;
    if (!prosseguir)
        return ResultadoParticipacao::Desistencia;

    const ChaveVinculo chave = m_entradas[size_t(p)].Chave();
    TVinculo vinculo(Banco());
    if (!vinculo.Localizar(chave.TipoInscricao, chave.Categoria, chave.Admissao, chave.Pis, chave.Inscricao)) {
        CodigoMensagem = QStringLiteral("0144");
        return ResultadoParticipacao::Recusado;
    }
    // The stored state decides when the tree is behind the database.
    if (vinculo.IC_ESTADO_MOVIMENTO == 2 || vinculo.IC_ESTADO_MOVIMENTO == 3) {
        definirEstadoVinculo(p, vinculo.IC_ESTADO_MOVIMENTO);
        return ResultadoParticipacao::NaoPermitido;
    }
    if (!ValidarParticipacao(ModoValidacao::Interativo, vinculo, OperacaoParticipacao::Participar))
        return ResultadoParticipacao::Recusado;
    AtualizarEstadoVinculo(chave, 1);
    definirEstadoVinculo(p, 1);
    definirEstadoEmpresa(PosicaoEmpresa(no), 1);
    return ResultadoParticipacao::Marcado;
}

bool TArvore::participarEmLote(int posicao, OperacaoParticipacao operacao, TResponsavel *responsavel)
{
    const ChaveVinculo chave = m_entradas[size_t(posicao)].Chave();
    TVinculo vinculo(Banco());
    if (!vinculo.Localizar(chave.TipoInscricao, chave.Categoria, chave.Admissao, chave.Pis, chave.Inscricao)) {
        // gone from the database: log it under its key like any refusal
        vinculo.NU_TIPO_INSO_EMPRA = qint16(chave.TipoInscricao);
        vinculo.NU_INSCRICAO = chave.Inscricao;
        vinculo.NU_PIS = chave.Pis;
        vinculo.NU_CATEGORIA = qint16(chave.Categoria);
        vinculo.DT_ADMISSAO_VINCULO = chave.Admissao;
        CodigoMensagem = QStringLiteral("0144");
        RegistrarViolacao(ModoValidacao::Lote, &vinculo, responsavel);
        return false;
    }
    if (vinculo.IC_ESTADO_MOVIMENTO == 2 || vinculo.IC_ESTADO_MOVIMENTO == 3) {
        definirEstadoVinculo(posicao, vinculo.IC_ESTADO_MOVIMENTO);
        return true;  // not a refusal: a closed link is simply not eligible
    }
    if (!ValidarParticipacao(ModoValidacao::Lote, vinculo, operacao, responsavel))
        return false;
    AtualizarEstadoVinculo(chave, 1);
    definirEstadoVinculo(posicao, 1);
    return true;
}

bool TArvore::ParticiparEmpresa(IdEntrada empresa, bool incluirSituacao3, TResponsavel *responsavel)
{
    const int p = PosicaoEmpresaOuFalha(*this, empresa);
    CodigoMensagem.clear();
    bool todos = true, marcou = false;
    for (int j = p + 1, fim = fimBloco(p); j < fim; ++j) {
        if (!elegivel(m_entradas[size_t(j)], incluirSituacao3))
            continue;
        if (participarEmLote(j, OperacaoParticipacao::ParticiparEmpresa, responsavel))
            marcou = marcou || m_entradas[size_t(j)].Estado == 1;
        else
            todos = false;
    }
    if (marcou)
        definirEstadoEmpresa(p, 1);
    return todos;
}

bool TArvore::ParticiparTodos(bool incluirSituacao3, TResponsavel *responsavel)
{
    Primeiro();
    CodigoMensagem.clear();
    bool recusou = false;
    for (int j = 1; j < Quantidade(); ++j) {
        if (!elegivel(m_entradas[size_t(j)], incluirSituacao3))
            continue;
        if (!participarEmLote(j, OperacaoParticipacao::ParticiparResponsavel, responsavel))
            recusou = true;
        else if (m_entradas[size_t(j)].Estado == 1)
            definirEstadoEmpresa(PosicaoEmpresa(m_entradas[size_t(j)].Id), 1);
    }
    return recusou;
}

void TArvore::DesmarcarTrabalhador(IdEntrada no)
{
    const int p = PosicaoVinculoOuFalha(*this, no);
    const TRecArvore e = m_entradas[size_t(p)];
    AtualizarEstadoVinculo(e.Chave(), 0);
    definirEstadoVinculo(p, 0);
    const int pe = PosicaoEmpresa(no);
    if (pe >= 0)
        definirEstadoEmpresa(pe, EstadoEmpresaBase(e.TipoInscricao, e.Inscricao));
}

void TArvore::DesmarcarEmpresa(IdEntrada empresa, const QList<int> &estados)
{
    const int p = PosicaoEmpresaOuFalha(*this, empresa);
    const TRecArvore e = m_entradas[size_t(p)];
    AtualizarEstadoEmpresa(e.TipoInscricao, e.Inscricao, 0, estados);
    for (int j = p + 1, fim = fimBloco(p); j < fim; ++j)
        if (m_entradas[size_t(j)].EhVinculo() && NaFaixa(m_entradas[size_t(j)].Estado, estados))
            definirEstadoVinculo(j, 0);
    // Links outside the listed states keep theirs (withdrawing closings leaves
    // the marked ones marked): the summary follows what is stored.
    definirEstadoEmpresa(p, EstadoEmpresaBase(e.TipoInscricao, e.Inscricao));
}

void TArvore::DesmarcarTodos(const QList<int> &estados)
{
    Primeiro();
    for (int j = 1; j < Quantidade(); ++j) {
        const TRecArvore &e = m_entradas[size_t(j)];
        if (!NaFaixa(e.Estado, estados))
            continue;
        if (e.EhEmpresa())
            DesmarcarEmpresa(e.Id, estados);
        else if (e.EhVinculo())
            DesmarcarTrabalhador(e.Id);
    }
}

void TArvore::FecharTrabalhador(IdEntrada no) { DefinirEstadoTrabalhador(no, 2); }

void TArvore::DefinirEstadoTrabalhador(IdEntrada no, int estado)
{
    if (estado < 0 || estado > 3)
        throw ENegocio(QStringLiteral("Estado de movimento inválido: %1").arg(estado));
    const int p = PosicaoVinculoOuFalha(*this, no);
    AtualizarEstadoVinculo(m_entradas[size_t(p)].Chave(), estado);
    definirEstadoVinculo(p, estado);
}

void TArvore::AtualizarEstadoVinculo(const ChaveVinculo &chave, int novoEstado)
{
    Banco()->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = %1 WHERE ")
                          .arg(novoEstado)
                      + chave.Condicao());
}

void TArvore::AtualizarEstadoEmpresa(int tipoInscricao, qint64 inscricao, int novoEstado, const QList<int> &estados)
{
    if (estados.isEmpty())
        return;
    Banco()->Executar(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = %1 "
                                     "WHERE NU_TIPO_INSO_EMPRA = %2 AND NU_INSCRICAO = %3 AND IC_ESTADO_MOVIMENTO IN (%4)")
                          .arg(novoEstado)
                          .arg(tipoInscricao)
                          .arg(inscricao)
                          .arg(ListaEstados(estados)));
}

// ---------------------------------------------------------------------------
// Maintenance

void TArvore::inserir(int posicao, TRecArvore entrada)
{
    m_entradas.insert(m_entradas.begin() + posicao, std::move(entrada));
    invalidarIndices();
    notificarIncluida(posicao);
}

void TArvore::remover(int inicio, int fim)
{
    const std::vector<TRecArvore> removidas(m_entradas.begin() + inicio, m_entradas.begin() + fim);
    m_entradas.erase(m_entradas.begin() + inicio, m_entradas.begin() + fim);
    invalidarIndices();
    // last first: a node's descendants are reported before the node
    for (auto it = removidas.rbegin(); it != removidas.rend(); ++it) {
        if (m_atual == it->Id)
            m_atual = SemEntrada;
        notificarExcluida(*it);
    }
}

IdEntrada TArvore::IncluirNo(IdEntrada pai, const TRecArvore &dados)
{
    TRecArvore e = dados;
    e.Id = NovoId();
    e.Pai = pai;
    int posicao = Quantidade();

    if (pai == SemEntrada) {
        if (!m_entradas.empty())
            throw ENegocio(QStringLiteral("A árvore já tem uma raiz."));
        if (e.Tipo != 'R' && e.Tipo != 'A')
            throw ENegocio(QStringLiteral("A raiz é o responsável (tipo R ou A)."));
        e.Pis = 0;
        e.Categoria = 0;
        e.Admissao = DataNula;
        e.Estado = 0;
        e.Icone = IconeArvore::Raiz;
        posicao = 0;
        inserir(posicao, std::move(e));
        return m_entradas.front().Id;
    }

    const int pp = Posicao(pai);
    if (pp < 0)
        throw ENegocio(QStringLiteral("O nó pai não existe."));
    const TRecArvore p = m_entradas[size_t(pp)];
    if (p.EhRaiz()) {
        if (e.Tipo != 'E' && e.Tipo != 'A')
            throw ENegocio(QStringLiteral("Abaixo da raiz só há empregadores (tipo E ou A)."));
        e.Pis = 0;
        e.Categoria = 0;
        e.Admissao = DataNula;
        e.Estado = 0;
        e.Icone = IconeEmpresa(0);
        // Employers are kept apart by type and inscription; a second entry of one
        // would split its block.
        if (indices().empresas.count(ChaveEmpresa{e.TipoInscricao, e.Inscricao}))
            throw ENegocio(QStringLiteral("O empregador já está na árvore."));
    } else if (p.EhEmpresa()) {
        if (e.Tipo != 'F')
            throw ENegocio(QStringLiteral("Abaixo de um empregador só há vínculos (tipo F)."));
        e.TipoInscricao = p.TipoInscricao;
        e.Inscricao = p.Inscricao;
        if (e.Estado < 0 || e.Estado > 3)
            e.Estado = 0;
        e.Icone = IconeVinculo(e.Estado);
        if (posicaoVinculo(e.Chave()) >= 0)
            throw ENegocio(QStringLiteral("O vínculo já está na árvore."));
        posicao = fimBloco(pp);
    } else if (p.EhVinculo()) {
        if (e.Tipo != 'C')
            throw ENegocio(QStringLiteral("Abaixo de um vínculo só há alterações cadastrais (tipo C)."));
        e.TipoInscricao = p.TipoInscricao;
        e.Inscricao = p.Inscricao;
        e.Pis = p.Pis;
        e.Categoria = p.Categoria;
        e.Admissao = p.Admissao;
        e.Estado = 0;
        e.Icone = IconeArvore::AlteracaoPendente;
        posicao = pp + 1;
        while (posicao < Quantidade() && m_entradas[size_t(posicao)].Pai == p.Id)
            ++posicao;
    } else {
        throw ENegocio(QStringLiteral("Uma alteração cadastral não tem nós abaixo dela."));
    }

    const IdEntrada id = e.Id;
    inserir(posicao, std::move(e));
    if (p.EhEmpresa()) {
        // the worker's name is one for all its links; the bank's names stay
        const QString nome = m_entradas[size_t(posicao)].Texto;
        const qint64 pis = m_entradas[size_t(posicao)].Pis;
        for (int j = 0; j < Quantidade(); ++j) {
            TRecArvore &x = m_entradas[size_t(j)];
            if (x.EhVinculo() && x.Pis == pis && x.Texto != nome) {
                x.Texto = nome;
                notificarAlterada(j, MudouTexto);
            }
        }
        RecalcularEmpresa(pai);
    } else if (p.EhVinculo()) {
        RecalcularEmpresa(pai);
    }
    return id;
}

void TArvore::RenomearNo(IdEntrada no, const QString &texto)
{
    const int p = Posicao(no);
    if (p < 0)
        return;
    const auto renomear = [&](int j) {
        if (m_entradas[size_t(j)].Texto != texto) {
            m_entradas[size_t(j)].Texto = texto;
            notificarAlterada(j, MudouTexto);
        }
    };
    renomear(p);
    const TRecArvore e = m_entradas[size_t(p)];
    if (e.Tipo == 'A') {
        // the responsible party that is also an employer is shown twice
        if (e.EhRaiz()) {
            const auto &ix = indices().empresas;
            const auto it = ix.find(ChaveEmpresa{e.TipoInscricao, e.Inscricao});
            if (it != ix.end())
                renomear(it->second);
        } else if (!m_entradas.empty() && m_entradas.front().Tipo == 'A' && MesmaEmpresa(m_entradas.front(), e)) {
            renomear(0);
        }
    } else if (e.EhVinculo()) {
        for (int j = 0; j < Quantidade(); ++j)
            if (m_entradas[size_t(j)].EhVinculo() && m_entradas[size_t(j)].Pis == e.Pis)
                renomear(j);
    }
}

void TArvore::AlterarInscricaoEmpresa(IdEntrada empresa, int tipoInscricao, qint64 inscricao)
{
    const int p = PosicaoEmpresaOuFalha(*this, empresa);
    const TRecArvore antes = m_entradas[size_t(p)];
    if (antes.TipoInscricao == tipoInscricao && antes.Inscricao == inscricao)
        return;
    const int fim = fimBloco(p);
    std::vector<int> alteradas;
    for (int j = p; j < fim; ++j)
        alteradas.push_back(j);
    if (antes.Tipo == 'A' && !m_entradas.empty() && m_entradas.front().Tipo == 'A' && MesmaEmpresa(m_entradas.front(), antes))
        alteradas.push_back(0);
    for (int j : alteradas) {
        m_entradas[size_t(j)].TipoInscricao = qint16(tipoInscricao);
        m_entradas[size_t(j)].Inscricao = inscricao;
    }
    invalidarIndices();
    for (int j : alteradas)
        notificarAlterada(j, MudouChave);
}

void TArvore::ExcluirNo(IdEntrada no)
{
    const int p = Posicao(no);
    if (p < 0)
        return;
    const TRecArvore e = m_entradas[size_t(p)];
    if (e.EhRaiz())
        throw ENegocio(QStringLiteral("A raiz da árvore não pode ser excluída."));

    int fim = p + 1;
    if (e.EhEmpresa())
        fim = fimBloco(p);
    else if (e.EhVinculo())
        while (fim < Quantidade() && m_entradas[size_t(fim)].Pai == e.Id)
            ++fim;
    // the employer to recompute, found before the list shifts
    const int pe = e.EhEmpresa() ? -1 : PosicaoEmpresa(no);
    const IdEntrada empresa = pe < 0 ? SemEntrada : m_entradas[size_t(pe)].Id;
    remover(p, fim);
    if (empresa != SemEntrada)
        RecalcularEmpresa(empresa);
}

TRaizArvore TArvore::Raiz() const
{
    TRaizArvore r;
    if (m_entradas.empty())
        return r;
    const TRecArvore &e = m_entradas.front();
    r.TipoInscricao = e.TipoInscricao;
    r.Inscricao = e.Inscricao;
    r.Tipo = QString(QLatin1Char(e.Tipo));
    return r;
}

void TArvore::AlterarRaiz(const TRaizArvore &raiz)
{
    if (m_entradas.empty() || raiz.Tipo.isEmpty())
        return;
    TRecArvore &e = m_entradas.front();
    const char tipo = char(raiz.Tipo.at(0).toLatin1());
    if (tipo != 'R' && tipo != 'A')
        return;
    int mudancas = 0;
    if (e.TipoInscricao != raiz.TipoInscricao || e.Inscricao != raiz.Inscricao) {
        e.TipoInscricao = qint16(raiz.TipoInscricao);
        e.Inscricao = raiz.Inscricao;
        mudancas |= MudouChave;
    }
    if (e.Tipo != tipo) {
        e.Tipo = tipo;
        mudancas |= MudouEstado;
    }
    notificarAlterada(0, mudancas);
}

// ---------------------------------------------------------------------------
// The open movement

Date TArvore::DataPagamentoMovimento()
{
    const Date d = CarregarDataPagamento(*Banco());
    ConfiguracaoGlobal().DataPagamento = d;
    return d;
}

void TArvore::ExcluirAbertura()
{
    Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG01_ABERTURA_RECOLHIMENTO"));
    ConfiguracaoGlobal().DataPagamento = DataNula;
}

bool TArvore::LimparInconsistenciasFechamento()
{
    TInconsistencia log(Banco());
    log.NumeroArquivo = ArquivoFechamento;
    return log.ExcluirPorArquivo();
}

namespace {

QString LerNome(TDBUtils &banco, const QString &sql, QString &codigo)
{
    try {
        const auto rs = banco.Abrir(sql);
        if (rs->rowCount() == 0)
            return {};
        return Aparar(rs->field(0).toString()).toUpper();
    } catch (const std::exception &) {
        codigo = QStringLiteral("0144");
        return {};
    }
}

} // namespace

QString TArvore::NomeEmpresaAtual()
{
    const TRecArvore e = RegAtual();
    if (e.TipoInscricao == 0 || e.Inscricao == 0)
        return {};
    return LerNome(*Banco(),
                   QStringLiteral("SELECT NO_RAZAO_SOCIAL FROM SFGTBG02_EMPRESA WHERE NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2")
                       .arg(e.TipoInscricao)
                       .arg(e.Inscricao),
                   CodigoMensagem);
}

QString TArvore::NomeTrabalhadorAtual()
{
    const TRecArvore e = RegAtual();
    if (e.Pis == 0)
        return {};
    return LerNome(*Banco(), QStringLiteral("SELECT NO_EMPREGADO FROM SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(e.Pis),
                   CodigoMensagem);
}

} // namespace tolv
