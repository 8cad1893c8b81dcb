#include "arq_folha.h"

#include "calculation/datas_indices.h"
#include "core/configuracao.h"
#include "core/errors.h"
#include "core/formatos.h"
#include "files/linha_fixa.h"
#include "files/tarefa.h"
#include "files/tipo_arquivo.h"
#include "registration/alteracao_cadastral.h"
#include "registration/complemento_saldo.h"
#include "registration/conta_saldo_trabalhador.h"
#include "registration/empresa.h"
#include "registration/rescisao.h"
#include "registration/responsavel.h"
#include "registration/trabalhador.h"
#include "registration/vinculo.h"

#include <QSet>
#include <map>
#include <QElapsedTimer>
#include <cstdio>

namespace tolv {

namespace {

constexpr int kPares = 14;  // competence pairs of a complement record

QString CampoDe(const QString &linha, int posicao, int largura) { return ExtrairCampo(linha, posicao, largura); }

// Fields are read with their trailing blanks removed; leading ones are content.
QString SemBrancosFinais(const QString &texto)
{
    qsizetype n = texto.size();
    while (n > 0 && texto.at(n - 1) == QLatin1Char(' '))
        --n;
    return texto.left(n);
}

QString Texto(const QString &linha, int posicao, int largura)
{
    return SemBrancosFinais(CampoDe(linha, posicao, largura));
}

bool SoDigitos(const QString &valor) { return EhNumerico(SemBrancosFinais(valor)); }

// A numeric field's value; 0 when blank or not all digits.
qint64 Numero(const QString &valor)
{
    const QString t = SemBrancosFinais(valor);
    if (t.isEmpty() || !EhNumerico(t))
        return 0;
    return ConverterInteiro64(t).value_or(0);
}

bool EmBranco(const QString &valor)
{
    for (QChar c : valor)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

bool TodosZerosCampo(const QString &valor) { return !valor.isEmpty() && valor.count(QLatin1Char('0')) == valor.size(); }

bool EhDataArquivo(const QString &valor)
{
    ValidarTextoData(valor, false);
    return ErroConversao().isEmpty();
}

// A field that is not a date loads as DataInvalida, so that no rule mistakes it
// for an absent date.
Date LerDataArquivo(const QString &valor) { return EhDataArquivo(valor) ? LerData(valor, false) : DataInvalida; }

// An optional number that the layout zero-fills (CPF, bank, agency, account):
// zero is "not informed", as the objects load such a column from the database.
QString NumeroOpcional(const QString &valor)
{
    const QString t = SemBrancosFinais(valor);
    return (EhNumerico(t) && Numero(t) == 0) ? QString() : t;
}

// Record types are exactly two ASCII digits and one of the layout's; -1 otherwise.
int LerTipoRegistro(const QString &linha)
{
    const QString dois = CampoDe(linha, 1, 2);
    for (QChar c : dois)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    const int tipo = dois.toInt();
    switch (tipo) {
    case 0:
    case 10:
    case 40:
    case 43:
    case 44:
    case 45:
    case 90:
        return tipo;
    default:
        return -1;
    }
}

bool RegistroTrabalhador(int tipo) { return tipo == 40 || tipo == 43 || tipo == 44 || tipo == 45; }

QString TextoTipo(int tipo) { return QStringLiteral("%1").arg(tipo, 2, 10, QLatin1Char('0')); }

// Reference tables do not change during an import, and the field checks ask the
// same few questions of them for every worker: their answers are kept for the run.
// Everything else goes straight to the connection.
class BancoReferencias : public TDBUtils {
public:
    explicit BancoReferencias(TDBUtils &real) : m_real(real) { LogSql = real.LogSql; }

    bool EmTransacao() const override { return m_real.EmTransacao(); }
    void ConfigurarConexao() override { m_real.ConfigurarConexao(); }
    void GravarLog(const QString &texto, const std::exception *erro) override { m_real.GravarLog(texto, erro); }
    void Conectar() override { m_real.Conectar(); }
    void Commit() override { m_real.Commit(); }
    void Rollback() override { m_real.Rollback(); }
    void IniciarTransacao() override { m_real.IniciarTransacao(); }
    void Executar(const QString &sql) override { m_real.Executar(sql); }

    std::unique_ptr<ResultSet> Abrir(const QString &sql) override
    {
        const auto previsto = m_previstos.find(sql);
        if (previsto != m_previstos.end()) {
            auto resposta = std::make_unique<ResultSet>(previsto->second);
            m_previstos.erase(previsto);
            resposta->first();
            return resposta;
        }
        if (!Referencia(sql))
            return m_real.Abrir(sql);
        const auto it = m_cache.constFind(sql);
        if (it != m_cache.cend()) {
            auto copia = std::make_unique<ResultSet>(*it);
            copia->first();
            return copia;
        }
        auto rs = m_real.Abrir(sql);
        m_cache.insert(sql, *rs);
        rs->first();
        return rs;
    }

    // The answer to the next query of exactly this text, when the import already
    // knows it (a per-line existence check answered from one bulk read). A text
    // that does not match is simply asked of the database.
    void Prever(const QString &sql, const ResultSet &resposta) { m_previstos[sql] = resposta; }
    void EsquecerPrevisoes() { m_previstos.clear(); }

private:
    static bool Referencia(const QString &sql)
    {
        return sql.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive)
               && sql.contains(QLatin1String("SFGTBT")) && !sql.contains(QLatin1String("SFGTBG"))
               && !sql.contains(QLatin1String("GEN_ID"), Qt::CaseInsensitive);
    }

    TDBUtils &m_real;
    QHash<QString, ResultSet> m_cache;
    std::map<QString, ResultSet> m_previstos;
};

// A result of the one column NU_PIS with `linhas` rows (0 or 1).
ResultSet RespostaPis(qint64 pis, int linhas)
{
    ResultSet rs(QVector<Column>{Column{QStringLiteral("NU_PIS"), ColumnType::BigInt, 0, 0}});
    for (int i = 0; i < linhas; ++i)
        rs.appendRow({Cell(pis)});
    return rs;
}

} // namespace

// ---------------------------------------------------------------------------
// Tree from the database

ArvoreImportacaoBanco::ArvoreImportacaoBanco(TDBUtils *banco) : m_banco(banco ? banco : TDBUtils::Instancia()) {}

size_t ArvoreImportacaoBanco::HashChave::operator()(const ChaveVinculo &c) const noexcept
{
    size_t h = std::hash<qint64>()(c.Inscricao);
    const auto mix = [&h](qint64 v) { h ^= std::hash<qint64>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    mix(c.TipoInscricao);
    mix(c.Pis);
    mix(c.Categoria);
    mix(c.Admissao.serial());
    return h;
}

namespace {
QString ChaveEmpresa(int tipo, qint64 inscricao) { return QStringLiteral("%1/%2").arg(tipo).arg(inscricao); }
} // namespace

void ArvoreImportacaoBanco::Carregar()
{
    m_raiz = TRaizArvore();
    m_empresas.clear();
    m_vinculos.clear();
    m_quantidade = 0;

    const auto empresas = m_banco->Abrir(QStringLiteral(
        "SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA"));
    for (empresas->first(); !empresas->eof(); empresas->next()) {
        const int tipo = empresas->field(0).toInt();
        const qint64 inscricao = empresas->field(1).toInt64();
        const QString estado = Aparar(empresas->field(2).toString());
        if (estado == QLatin1String("R") || (estado == QLatin1String("A") && m_raiz.Tipo != QLatin1String("R"))) {
            m_raiz = TRaizArvore{tipo, inscricao, estado};
        }
        if (estado == QLatin1String("E") || estado == QLatin1String("A"))
            m_empresas.insert(ChaveEmpresa(tipo, inscricao), true);
    }

    const auto vinculos = m_banco->Abrir(QStringLiteral(
        "SELECT NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, "
        "COALESCE(IC_ESTADO_MOVIMENTO, 0) FROM SFGTBG04_VINCULO_EMPREGATICIO"));
    m_vinculos.reserve(size_t(vinculos->rowCount()));
    for (vinculos->first(); !vinculos->eof(); vinculos->next()) {
        const ChaveVinculo chave{vinculos->field(0).toInt(), vinculos->field(1).toInt64(), vinculos->field(2).toInt64(),
                                 vinculos->field(3).toInt(), vinculos->field(4).toDate()};
        m_vinculos[chave] = vinculos->field(5).toInt();
    }
    m_quantidade = (m_raiz.Tipo.isEmpty() ? 0 : 1) + int(m_empresas.size()) + int(m_vinculos.size());
}

bool ArvoreImportacaoBanco::LocalizarEmpresa(int tipoInscricao, qint64 inscricao) const
{
    return m_empresas.contains(ChaveEmpresa(tipoInscricao, inscricao));
}

int ArvoreImportacaoBanco::EstadoVinculo(const ChaveVinculo &chave) const
{
    const auto it = m_vinculos.find(chave);
    return it == m_vinculos.end() ? -1 : it->second;
}

void ArvoreImportacaoBanco::Recarregar(ContextoTarefa *contexto)
{
    Carregar();
    ConfiguracaoGlobal().DataPagamento = CarregarDataPagamento(*m_banco);
    if (contexto)
        for (int i = 0; i < m_quantidade; ++i)
            contexto->Avancar();
}

// ---------------------------------------------------------------------------
// Working objects of one run

struct TArqFolha::Objetos {
    explicit Objetos(TDBUtils &real)
        : banco(real)
        , responsavel(&banco)
        , empresa(&banco)
        , trabalhador(&banco)
        , rescisao(&banco)
        , complemento(&banco)
        , alteracao(&banco)
        , conta(&banco)
        , estabelecimento(&banco)
    {
        // The checks work on the file's data alone: nothing related is read back.
        for (TNegocio *o : std::initializer_list<TNegocio *>{&responsavel, &empresa, &trabalhador, &rescisao,
                                                             &complemento, &alteracao, &conta, &estabelecimento})
            o->CarregaRelacionados = false;
        TVinculo &v = trabalhador.Vinculo();
        v.CarregaRelacionados = false;
        v.DefinirEmpresa(&empresa);
        v.DefinirRescisao(&rescisao);
        rescisao.DefinirVinculo(&v);
        complemento.DefinirVinculo(&v);
    }

    TVinculo &vinculo() { return trabalhador.Vinculo(); }

    BancoReferencias banco;
    TResponsavel responsavel;
    TEmpresa empresa;
    TTrabalhador trabalhador;
    TRescisao rescisao;
    TComplementoSaldo complemento;
    TAlteracaoCadastral alteracao;
    TContaSaldoTrabalhador conta;
    TEstabelecimento estabelecimento;
};

TArqFolha::TArqFolha(TDBUtils *banco) : TArquivo(banco) { TArqFolha::Inicializar(); }

TArqFolha::~TArqFolha() = default;

void TArqFolha::Inicializar()
{
    TArquivo::Inicializar();
    PrefixoMensagem = QStringLiteral("99");
    TipoArquivo = ArquivoFolha;
    reiniciarEstado();
}

void TArqFolha::reiniciarEstado()
{
    ArquivoValido = true;
    LinhaValida = true;
    NovoNo = false;
    m_empresaAnteriorTipo.clear();
    m_empresaAnteriorInscricao.clear();
    m_trabAnteriorTipo.clear();
    m_trabAnteriorInscricao.clear();
    m_trabAnteriorPis.clear();
    m_trabAnteriorCategoria.clear();
    m_trabAnteriorAdmissao.clear();
    m_competencias.clear();
    m_admissoesPorPis.clear();
    m_dataEdital = DataNula;
    m_resumo = ResumoImportacaoFolha();
}

void TArqFolha::criarObjetos() { m_obj = std::make_unique<Objetos>(*Banco()); }

void TArqFolha::liberarObjetos()
{
    m_obj.reset();
    if (m_arvorePropria) {
        if (m_arvore == m_arvorePropria.get())
            m_arvore = nullptr;
        m_arvorePropria.reset();
    }
}

bool TArqFolha::Cancelado() const { return m_contexto && m_contexto->Cancelado(); }

void TArqFolha::Avancar()
{
    if (m_contexto)
        m_contexto->Avancar();
}

// ---------------------------------------------------------------------------
// Run

bool TArqFolha::Importar()
{
    bool resultado = false;
    try {
        resultado = executar();
    } catch (const EInconsistenciaNaoCatalogada &) {
        // A run that cannot describe its own failure stops here; nothing it began is kept.
        CodigoMensagem = QStringLiteral("0396");
        if (Banco()->EmTransacao())
            Banco()->Rollback();
        resultado = false;
    } catch (...) {
        liberarObjetos();
        Fechar();
        throw;
    }
    if (resultado && m_arvore) {
        // The tree is rebuilt from what was just committed.
        if (m_contexto)
            m_contexto->IniciarEtapa(4);
        try {
            m_arvore->Recarregar(m_contexto);
        } catch (const std::exception &) {
            // The file is committed; a tree that cannot be rebuilt now is rebuilt
            // the next time the window asks for it.
        }
        if (m_contexto)
            m_contexto->ConcluirEtapa(4);
    }
    liberarObjetos();
    Fechar();
    return resultado;
}

bool TArqFolha::executar()
{
    Inicializar();
    criarObjetos();
    LimparInconsistencias();

    if (!AbrirLeitura()) {
        RegistrarInconsistencia(NomeArquivo, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, QStringLiteral("0151").toInt(),
                                0);
        return false;
    }
    // Blank lines or anything after the end-of-file record are not part of the file.
    while (!Linhas.isEmpty() && ExtrairCampo(Linhas.last(), 360, 1) != QLatin1String("*"))
        Linhas.removeLast();
    Registros = TArrRegRegistro(Linhas.size());

    if (!m_arvore) {
        m_arvorePropria = std::make_unique<ArvoreImportacaoBanco>(Banco());
        m_arvorePropria->Carregar();
        m_arvore = m_arvorePropria.get();
    }
    if (m_contexto)
        m_contexto->DefinirMaximo(5 * int(Linhas.size()) + m_arvore->Quantidade());
    m_dataEdital = CarregarDataEdital(m_obj->banco);

    if (!ValidarEstrutura() || !ValidarChaves())
        return false;
    for (const TRegRegistro &r : std::as_const(Registros))
        if (TextoParaInteiro(r.TipoRegistro) == 40)
            m_admissoesPorPis[ConverterInteiro64(r.Pis).value_or(-1)].append(r);
    if (!ValidarCampos())
        return false;
    return Carregar();
}

// ---------------------------------------------------------------------------
// Inconsistencies

void TArqFolha::RegistrarInconsistencia(const QString &conteudo, const QString &tipoRegistro,
                                        const QString &nomeTrabalhador, const QString &dataAdmissao,
                                        const QString &categoria, const QString &pis,
                                        const QString &razaoSocialEmpresa, const QString &inscricaoEmpresa,
                                        const QString &tipoInscricaoEmpresa, const QString &razaoSocialResponsavel,
                                        const QString &inscricaoResponsavel,
                                        const QString &tipoInscricaoResponsavel, int codigoMensagem, int linha)
{
    ArquivoValido = false;
    LinhaValida = false;
    TArquivo::RegistrarInconsistencia(conteudo, tipoRegistro, nomeTrabalhador, dataAdmissao, categoria, pis,
                                      razaoSocialEmpresa, inscricaoEmpresa, tipoInscricaoEmpresa,
                                      razaoSocialResponsavel, inscricaoResponsavel, tipoInscricaoResponsavel,
                                      codigoMensagem, linha);
}

void TArqFolha::RegistrarCabecalho(const QString &codigo, const QString &conteudo, int indice)
{
    const TRegRegistro &r0 = RegistroDaLinha(Registros, 0);
    RegistrarInconsistencia(conteudo, QStringLiteral("00"), {}, {}, {}, {}, {}, {}, {}, r0.RazaoSocial, r0.Inscricao,
                            r0.TipoInscricao, codigo.toInt(), indice + 1);
}

void TArqFolha::RegistrarEmpregador(const QString &codigo, const QString &conteudo, int indice)
{
    const TRegRegistro &r0 = RegistroDaLinha(Registros, 0);
    const TRegRegistro &r = RegistroDaLinha(Registros, indice);
    RegistrarInconsistencia(conteudo, QStringLiteral("10"), {}, {}, {}, {}, r.RazaoSocial, r.Inscricao,
                            r.TipoInscricao, r0.RazaoSocial, r0.Inscricao, r0.TipoInscricao, codigo.toInt(),
                            indice + 1);
}

void TArqFolha::RegistrarTrabalhador(const QString &codigo, const QString &conteudo, const QString &tipo,
                                     int indice)
{
    const TRegRegistro &r0 = RegistroDaLinha(Registros, 0);
    const TRegRegistro &r = RegistroDaLinha(Registros, indice);
    RegistrarInconsistencia(conteudo, tipo, r.NomeTrabalhador, r.DataAdmissao, r.Categoria, r.Pis, r.RazaoSocial,
                            r.Inscricao, r.TipoInscricao, r0.RazaoSocial, r0.Inscricao, r0.TipoInscricao,
                            codigo.toInt(), indice + 1);
}

void TArqFolha::RegistrarTrailer(const QString &codigo, const QString &conteudo, int indice)
{
    const TRegRegistro &r0 = RegistroDaLinha(Registros, 0);
    RegistrarInconsistencia(conteudo, QStringLiteral("90"), {}, {}, {}, {}, {}, {}, {}, r0.RazaoSocial, r0.Inscricao,
                            r0.TipoInscricao, codigo.toInt(), indice + 1);
}

void TArqFolha::RegistrarEstrutura(const QString &codigo, const QString &conteudo, int linha)
{
    // Before the line register exists the party comes straight from the first line.
    QString tipo, inscricao, nome;
    if (!Linhas.isEmpty() && CampoDe(Linhas.first(), 1, 2) == QLatin1String("00")) {
        tipo = Texto(Linhas.first(), 55, 1);
        inscricao = Texto(Linhas.first(), 56, 14);
        nome = Texto(Linhas.first(), 70, 30);
    }
    RegistrarInconsistencia(conteudo, {}, {}, {}, {}, {}, {}, {}, {}, nome, inscricao, tipo, codigo.toInt(), linha);
}

void TArqFolha::Registrar(const QString &codigo, const QString &conteudo)
{
    const int i = IndiceLinha;
    switch (TipoRegistroAtual) {
    case 0: RegistrarCabecalho(codigo, conteudo, i); break;
    case 10: RegistrarEmpregador(codigo, conteudo, i); break;
    case 90: RegistrarTrailer(codigo, conteudo, i); break;
    default: RegistrarTrabalhador(codigo, conteudo, TextoTipo(TipoRegistroAtual), i); break;
    }
}

bool TArqFolha::Conferir(bool ok, const TNegocio &objeto, const QString &conteudo)
{
    if (!ok)
        Registrar(objeto.CodigoMensagem, conteudo);
    return ok;
}

bool TArqFolha::ConferirDigitos(const QString &valor, const QString &legenda)
{
    if (SoDigitos(valor))
        return true;
    Registrar(QStringLiteral("0011"), legenda + SemBrancosFinais(valor));
    return false;
}

bool TArqFolha::ConferirData(const QString &valor, const QString &legenda)
{
    if (EhDataArquivo(valor))
        return true;
    Registrar(QStringLiteral("0212"), legenda + SemBrancosFinais(valor));
    return false;
}

// ---------------------------------------------------------------------------
// Structure

bool TArqFolha::ValidarEstrutura()
{
    if (m_contexto)
        m_contexto->IniciarEtapa(1);
    const int n = int(Linhas.size());
    const auto tipoTexto = [this](int i) { return CampoDe(Linhas.at(i), 1, 2); };
    if (n < 4 || tipoTexto(0) != QLatin1String("00") || tipoTexto(1) != QLatin1String("10")
        || tipoTexto(2) != QLatin1String("40") || tipoTexto(n - 1) != QLatin1String("90")) {
        RegistrarEstrutura(QStringLiteral("0385"), {}, 0);
        return false;
    }

    // Before any record 10 or 40 the "latest" one is the first line.
    int ultimaEmpresa = 0;
    int ultimoTrabalhador = 0;
    for (int i = 0; i < n; ++i) {
        if (Cancelado())
            return false;
        const QString &l = Linhas.at(i);
        const int tipo = LerTipoRegistro(l);
        if (tipo < 0) {
            RegistrarEstrutura(QStringLiteral("0113"), CampoDe(l, 1, 2), i + 1);
            return false;
        }
        TRegRegistro &r = Registros[i];
        r.TipoRegistro = TextoTipo(tipo);
        switch (tipo) {
        case 0:
            r.TipoInscricao = CampoDe(l, 55, 1);
            r.Inscricao = CampoDe(l, 56, 14);
            r.RazaoSocial = Texto(l, 70, 30);
            break;
        case 10:
            r.TipoInscricao = CampoDe(l, 3, 1);
            r.Inscricao = CampoDe(l, 4, 14);
            r.RazaoSocial = Texto(l, 54, 40);
            ultimaEmpresa = i;
            break;
        case 40:
        case 43:
        case 44:
        case 45: {
            if (tipo == 40)
                ultimoTrabalhador = i;
            const QString &trab = Linhas.at(ultimoTrabalhador);
            r.TipoInscricao = CampoDe(l, 3, 1);
            r.Inscricao = CampoDe(l, 4, 14);
            r.RazaoSocial = Texto(Linhas.at(ultimaEmpresa), 54, 40);
            r.Pis = CampoDe(l, 33, 11);
            r.Categoria = CampoDe(l, 52, 2);
            r.DataAdmissao = CampoDe(l, 44, 8);
            r.DataNascimento = CampoDe(trab, 139, 8);
            r.CodigoMovimentacao = CampoDe(trab, 163, 2);
            r.NomeTrabalhador = Texto(trab, 54, 70);
            break;
        }
        default:
            break;
        }
        Avancar();
    }

    int cabecalhos = 0;
    int trailers = 0;
    for (int i = 0; i < n; ++i) {
        if (Cancelado())
            return false;
        const int tipo = Registros.at(i).TipoRegistro.toInt();
        const int proximo = i + 1 < n ? Registros.at(i + 1).TipoRegistro.toInt() : -1;
        int linhaErro = 0;
        if (tipo == 90 && (i != n - 1 || ++trailers > 1))
            linhaErro = i + 1;
        else if (tipo == 0 && ++cabecalhos > 1)
            linhaErro = i + 1;
        else if (tipo == 10 && proximo != 40)
            linhaErro = i + 2;
        else if (RegistroTrabalhador(tipo) && proximo != 10 && !RegistroTrabalhador(proximo) && proximo != 90)
            linhaErro = i + 2;
        if (linhaErro > 0) {
            RegistrarEstrutura(QStringLiteral("0135"), {}, linhaErro);
            return false;
        }
        Avancar();
    }
    return true;
}

// ---------------------------------------------------------------------------
// Keys

bool TArqFolha::ValidarChaves()
{
    TEstabelecimento &est = m_obj->estabelecimento;
    TTrabalhador &trab = m_obj->trabalhador;
    for (int i = 0; i < int(Linhas.size()); ++i) {
        if (Cancelado())
            return false;
        const TRegRegistro &r = Registros.at(i);
        const int tipo = r.TipoRegistro.toInt();
        if (tipo != 90) {
            IndiceLinha = i;
            TipoRegistroAtual = tipo;
            est.Limpar();
            if (ConferirDigitos(r.TipoInscricao, QStringLiteral("Tipo de Inscrição: "))) {
                est.TipoInscricao = int(Numero(r.TipoInscricao));
                Conferir(est.ValidarTipoInscricao(), est, r.TipoInscricao);
            }
            if (ConferirDigitos(r.Inscricao, QStringLiteral("Inscrição: "))) {
                est.Inscricao = SemBrancosFinais(r.Inscricao);
                Conferir(est.ValidarInscricao(), est, r.Inscricao);
            }
            if (RegistroTrabalhador(tipo)) {
                if (ConferirDigitos(r.Pis, QStringLiteral("PIS/PASEP: "))) {
                    trab.NU_PIS = SemBrancosFinais(r.Pis);
                    Conferir(trab.ValidarPis(), trab, r.Pis);
                }
                if (!EstaVazio(r.DataAdmissao)) {
                    if (!EhDataArquivo(r.DataAdmissao)) {
                        Registrar(QStringLiteral("0212"), QStringLiteral("Data de Admissão: ") + r.DataAdmissao);
                    } else {
                        const Date admissao = LerData(r.DataAdmissao, false);
                        if (admissao.isRealDate() && ClassificarData(admissao) == DataAnteriorA1900)
                            Registrar(QStringLiteral("0043"), r.DataAdmissao);
                    }
                }
                ConferirDigitos(r.Categoria, QStringLiteral("Categoria: "));
            }
        }
        Avancar();
    }
    return ArquivoValido;
}

// ---------------------------------------------------------------------------
// Fields

bool TArqFolha::ValidarCampos()
{
    if (m_contexto) {
        m_contexto->ConcluirEtapa(1);
        m_contexto->IniciarEtapa(2);
    }
    m_competencias.clear();
    for (int i = 0; i < int(Linhas.size()); ++i) {
        if (Cancelado())
            return false;
        const QString &l = Linhas.at(i);
        const int tipo = Registros.at(i).TipoRegistro.toInt();
        IndiceLinha = i;
        TipoRegistroAtual = tipo;
        LinhaValida = true;
        if (tipo == 90 && !TodosNoves(CampoDe(l, 3, 51), 51))
            Registrar(QStringLiteral("0010"), CampoDe(l, 3, 51));
        // An order error leaves the rest of the file unexamined.
        if (!VerificarOrdem(l, tipo))
            break;
        switch (tipo) {
        case 0: ValidarCabecalho(l); break;
        case 10: ValidarEmpregador(l); break;
        case 40:
            ValidarTrabalhador(l);
            m_competencias.clear();
            break;
        case 43:
        case 44:
        case 45: ValidarComplemento(l, tipo); break;
        case 90: ValidarTrailer(l); break;
        default: break;
        }
        Avancar();
    }
    if (m_contexto)
        m_contexto->ConcluirEtapa(2);
    return ArquivoValido;
}

bool TArqFolha::VerificarOrdem(const QString &l, int tipo)
{
    const bool antes = LinhaValida;
    LinhaValida = true;
    const QString tipoInsc = CampoDe(l, 3, 1);
    const QString inscricao = CampoDe(l, 4, 14);
    if (tipo == 10) {
        const qint64 chave = Numero(tipoInsc + inscricao);
        const qint64 anterior = Numero(m_empresaAnteriorTipo + m_empresaAnteriorInscricao);
        if (chave < anterior)
            Registrar(QStringLiteral("0232"), {});
        else if (tipoInsc == m_empresaAnteriorTipo && inscricao == m_empresaAnteriorInscricao)
            Registrar(QStringLiteral("0386"), {});
        m_empresaAnteriorTipo = tipoInsc;
        m_empresaAnteriorInscricao = inscricao;
    } else if (tipo == 40) {
        const QString pis = CampoDe(l, 33, 11);
        const QString categoria = CampoDe(l, 52, 2);
        const QString admissao = CampoDe(l, 44, 8);
        if (tipoInsc != m_empresaAnteriorTipo || inscricao != m_empresaAnteriorInscricao) {
            Registrar(QStringLiteral("0349"), {});
        } else if (tipoInsc == m_trabAnteriorTipo && inscricao == m_trabAnteriorInscricao) {
            // Within one employer (type and inscription: a CEI and a CNPJ with the
            // same number are two employers) workers come by PIS, admission, category.
            const qint64 p = Numero(pis), pa = Numero(m_trabAnteriorPis);
            const Date a = LerData(admissao, false), aa = LerData(m_trabAnteriorAdmissao, false);
            if (p < pa)
                Registrar(QStringLiteral("0232"), {});
            else if (p == pa && a < aa)
                Registrar(QStringLiteral("0232"), {});
            else if (p == pa && a == aa && Numero(categoria) < Numero(m_trabAnteriorCategoria))
                Registrar(QStringLiteral("0232"), {});
        }
        if (LinhaValida && tipoInsc == m_trabAnteriorTipo && inscricao == m_trabAnteriorInscricao
            && pis == m_trabAnteriorPis && categoria == m_trabAnteriorCategoria && admissao == m_trabAnteriorAdmissao)
            Registrar(QStringLiteral("0359"), {});
        m_trabAnteriorTipo = tipoInsc;
        m_trabAnteriorInscricao = inscricao;
        m_trabAnteriorPis = pis;
        m_trabAnteriorCategoria = categoria;
        m_trabAnteriorAdmissao = admissao;
    } else if (RegistroTrabalhador(tipo)) {
        if (tipoInsc != m_trabAnteriorTipo || inscricao != m_trabAnteriorInscricao
            || CampoDe(l, 33, 11) != m_trabAnteriorPis || CampoDe(l, 52, 2) != m_trabAnteriorCategoria
            || CampoDe(l, 44, 8) != m_trabAnteriorAdmissao)
            Registrar(QStringLiteral("0349"), {});
    }
    const bool ordemOk = LinhaValida;
    LinhaValida = antes && ordemOk;
    return ordemOk;
}

void TArqFolha::LerResponsavel(const QString &l)
{
    TResponsavel &r = m_obj->responsavel;
    r.Limpar();
    r.TipoInscricao = int(Numero(CampoDe(l, 55, 1)));
    r.Inscricao = Texto(l, 56, 14);
    r.RazaoSocial = Texto(l, 70, 30);
    r.Contato = Texto(l, 100, 20);
    TEndereco &e = r.Endereco();
    e.Logradouro = Texto(l, 120, 50);
    e.Bairro = Texto(l, 170, 20);
    e.Cep = Texto(l, 190, 8);
    e.Localidade = Texto(l, 198, 20);
    e.Uf = Texto(l, 218, 2);
    const QString telefone = CampoDe(l, 220, 12);
    r.Ddd = telefone.left(4);
    r.Telefone = SemBrancosFinais(telefone.mid(4, 8));
    r.Email = Texto(l, 232, 60);
    r.DataPagamentoAbertura = LerDataArquivo(CampoDe(l, 292, 8));
}

void TArqFolha::ValidarCabecalho(const QString &l)
{
    LerResponsavel(l);
    TResponsavel &r = m_obj->responsavel;
    TEndereco &e = r.Endereco();

    const QString remessa = CampoDe(l, 54, 1);
    if (ConferirDigitos(remessa, QStringLiteral("Tipo Remessa: ")) && Numero(remessa) != 2)
        Registrar(QStringLiteral("0131"), remessa);
    Conferir(r.ValidarTipoInscricao(), r, CampoDe(l, 55, 1));
    Conferir(r.ValidarInscricao(), r, CampoDe(l, 56, 14));
    Conferir(r.ValidarRazaoSocial(true), r, CampoDe(l, 70, 30));
    const QString telefone = CampoDe(l, 220, 12);
    if (ConferirDigitos(telefone, QStringLiteral("Telefone: ")))
        Conferir(r.ValidarTelefone(), r, telefone.mid(4, 8));
    Conferir(r.ValidarDdd(), r, telefone.left(4));
    Conferir(r.ValidarContato(), r, CampoDe(l, 100, 20));
    Conferir(r.ValidarEmail(), r, CampoDe(l, 232, 60));
    Conferir(e.ValidarLogradouro(), e, CampoDe(l, 120, 50));
    Conferir(e.ValidarBairro(), e, CampoDe(l, 170, 20));
    if (ConferirDigitos(CampoDe(l, 190, 8), QStringLiteral("CEP: ")))
        Conferir(e.ValidarCep(), e, CampoDe(l, 190, 8));
    Conferir(e.ValidarLocalidade(), e, CampoDe(l, 198, 20));
    Conferir(e.ValidarUf(), e, CampoDe(l, 218, 2));

    // The pay date must fall in the window of the pro-rata edital (the 10th of its
    // month to the 9th of the next) and be a business day.
    const QString data = CampoDe(l, 292, 8);
    const Date pagamento = LerDataArquivo(data);
    if (pagamento.isInvalid()) {
        Registrar(QStringLiteral("0063"), QStringLiteral("Data Recolhimento: ") + data);
    } else if (pagamento.isNull()) {
        Registrar(QStringLiteral("0062"), QStringLiteral("Data Recolhimento: ") + data);
    } else {
        const Janela janela = JanelaDoEdital(m_dataEdital);
        if (!janela.inicio.isRealDate() || pagamento < janela.inicio || janela.fim < pagamento)
            Registrar(QStringLiteral("0201"), data);
        else if (!EhDiaUtil(m_obj->banco, pagamento))
            Registrar(QStringLiteral("0397"), data);
    }

    if (!EmBranco(CampoDe(l, 3, 51)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 3, 51));
    if (!EmBranco(CampoDe(l, 300, 60)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 300, 60));
    if (CampoDe(l, 360, 1) != QLatin1String("*"))
        Registrar(QStringLiteral("0211"), CampoDe(l, 360, 1));
}

void TArqFolha::LerEmpresa(const QString &l)
{
    TEmpresa &e = m_obj->empresa;
    e.Limpar();
    e.TipoInscricao = int(Numero(CampoDe(l, 3, 1)));
    e.Inscricao = Texto(l, 4, 14);
    e.RazaoSocial = Texto(l, 54, 40);
    TEndereco &end = e.Endereco();
    end.Logradouro = Texto(l, 94, 50);
    end.Bairro = Texto(l, 144, 20);
    end.Cep = Texto(l, 164, 8);
    end.Localidade = Texto(l, 172, 20);
    end.Uf = Texto(l, 192, 2);
    const QString telefone = CampoDe(l, 194, 12);
    e.Ddd = telefone.left(4);
    e.Telefone = SemBrancosFinais(telefone.mid(4, 8));
    e.Cnae = Texto(l, 206, 7);
    e.Simples = qint16(Numero(CampoDe(l, 213, 1)));
    e.Fpas = Texto(l, 214, 3);
}

void TArqFolha::ValidarEmpregador(const QString &l)
{
    LerEmpresa(l);
    TEmpresa &e = m_obj->empresa;
    TEndereco &end = e.Endereco();
    Conferir(e.ValidarTipoInscricao(), e, CampoDe(l, 3, 1));
    Conferir(e.ValidarInscricao(), e, CampoDe(l, 4, 14));
    Conferir(e.ValidarRazaoSocial(true), e, CampoDe(l, 54, 40));
    const QString telefone = CampoDe(l, 194, 12);
    if (ConferirDigitos(telefone, QStringLiteral("Telefone: ")))
        Conferir(e.ValidarTelefone(), e, telefone.mid(4, 8));
    if (ConferirDigitos(CampoDe(l, 206, 7), QStringLiteral("CNAE: ")))
        Conferir(e.ValidarCnae(), e, CampoDe(l, 206, 7));
    if (ConferirDigitos(CampoDe(l, 213, 1), QStringLiteral("Simples: ")))
        Conferir(e.ValidarSimples(), e, CampoDe(l, 213, 1));
    if (ConferirDigitos(CampoDe(l, 214, 3), QStringLiteral("FPAS: ")))
        Conferir(e.ValidarFpas(), e, CampoDe(l, 214, 3));
    Conferir(e.ValidarDdd(), e, telefone.left(4));
    Conferir(end.ValidarLogradouro(), end, CampoDe(l, 94, 50));
    Conferir(end.ValidarBairro(), end, CampoDe(l, 144, 20));
    if (ConferirDigitos(CampoDe(l, 164, 8), QStringLiteral("CEP: ")))
        Conferir(end.ValidarCep(), end, CampoDe(l, 164, 8));
    Conferir(end.ValidarLocalidade(), end, CampoDe(l, 172, 20));
    Conferir(end.ValidarUf(), end, CampoDe(l, 192, 2));
    if (!EmBranco(CampoDe(l, 217, 143)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 217, 143));
    if (!TodosZerosCampo(CampoDe(l, 18, 36)))
        Registrar(QStringLiteral("0013"), CampoDe(l, 18, 36));
    if (CampoDe(l, 360, 1) != QLatin1String("*"))
        Registrar(QStringLiteral("0211"), CampoDe(l, 360, 1));
}

void TArqFolha::LerTrabalhador(const QString &l)
{
    TTrabalhador &t = m_obj->trabalhador;
    TVinculo &v = m_obj->vinculo();
    TRescisao &r = m_obj->rescisao;
    t.Limpar();  // also empties the link

    t.NU_PIS = Texto(l, 33, 11);
    t.NO_EMPREGADO = Texto(l, 54, 70);
    t.NU_CTPS = Texto(l, 124, 7);
    t.NU_SERIE_CTPS = Texto(l, 131, 5);
    t.IC_SEXO = qint16(Numero(CampoDe(l, 136, 1)));
    t.NU_GRAU_INSTRUCAO = Texto(l, 137, 2);
    t.DT_NASCIMENTO = LerDataArquivo(CampoDe(l, 139, 8));
    t.NU_INSCRICAO_CPF = NumeroOpcional(CampoDe(l, 275, 11));

    v.NU_TIPO_INSO_EMPRA = qint16(Numero(CampoDe(l, 3, 1)));
    v.NU_INSCRICAO = Numero(CampoDe(l, 4, 14));
    v.NU_PIS = Numero(CampoDe(l, 33, 11));
    const QString categoria = CampoDe(l, 52, 2);
    v.NU_CATEGORIA = EstaVazio(categoria) ? 0 : (SoDigitos(categoria) ? qint16(Numero(categoria)) : qint16(-1));
    v.DT_ADMISSAO_VINCULO = LerDataArquivo(CampoDe(l, 44, 8));
    v.NU_TIPO_INSO_TMDR = qint16(Numero(CampoDe(l, 18, 1)));
    v.NU_INSCRICAO_TMDR = Numero(CampoDe(l, 19, 14));
    v.QT_HORAS_TRBS_SMNA = int(Numero(CampoDe(l, 147, 2)));
    v.CO_CBO = Texto(l, 149, 6).toUpper();
    v.DT_OPCAO = LerDataArquivo(CampoDe(l, 155, 8));
    v.CO_MOVIMENTACAO = Texto(l, 163, 2).toUpper();
    v.DT_MOVIMENTACAO_VINCULO = LerDataArquivo(CampoDe(l, 165, 8));
    v.CO_SAQUE = Texto(l, 173, 3);
    v.IC_AVISO_PREVIO = qint16(Numero(CampoDe(l, 176, 1)));
    v.DT_INICIO_AVISO_PRVO = LerDataArquivo(CampoDe(l, 177, 8));
    v.IC_REPOSICAO_VAGAS = Texto(l, 185, 1);
    v.NU_BANCO_CONTA = NumeroOpcional(CampoDe(l, 286, 3));
    v.NU_AGENCIA_CONTA = NumeroOpcional(CampoDe(l, 289, 4));
    v.NU_CONTA_BANCARIA = NumeroOpcional(CampoDe(l, 293, 13));
    v.IC_ESTADO_MOVIMENTO = 0;

    r.Limpar();
    r.NU_TIPO_INSO_EMPRA = v.NU_TIPO_INSO_EMPRA;
    r.NU_INSCRICAO = v.NU_INSCRICAO;
    r.NU_PIS = v.NU_PIS;
    r.NU_CATEGORIA = v.NU_CATEGORIA;
    r.DT_ADMISSAO_VINCULO = v.DT_ADMISSAO_VINCULO;
    r.DT_DISSIDIO = LerDataArquivo(CampoDe(l, 186, 8));
    r.VR_DISSIDIO = Money::fromCentavos(Numero(CampoDe(l, 194, 15)));
    r.VR_REMUNERACAO_ANTERIOR_RSCSO = Money::fromCentavos(Numero(CampoDe(l, 209, 15)));
    r.VR_REMUNERACAO_RESCISAO = Money::fromCentavos(Numero(CampoDe(l, 224, 15)));
    r.VR_AVISO_PREVIO = Money::fromCentavos(Numero(CampoDe(l, 239, 15)));
    r.IC_TIPO_PNSO_ALMNA = Texto(l, 254, 1).toUpper();
    // Percentages come in hundredths of a percent, values in centavos: both are
    // a number divided by 100.
    if (r.IC_TIPO_PNSO_ALMNA == QLatin1String("P"))
        r.VR_PENSAO_ALMNA = Money::fromCentavos(Numero(CampoDe(l, 255, 5)));
    else if (r.IC_TIPO_PNSO_ALMNA == QLatin1String("V"))
        r.VR_PENSAO_ALMNA = Money::fromCentavos(Numero(CampoDe(l, 260, 15)));
    r.VR_SALDO_RESCISORIO = Money::fromCentavos(Numero(CampoDe(l, 306, 15)));
    r.IC_ORIGEM_SALDO_RESCISORIO = r.VR_SALDO_RESCISORIO > Money() ? QStringLiteral("E") : QStringLiteral("N");
}

void TArqFolha::ValidarTrabalhador(const QString &l)
{
    LerTrabalhador(l);
    TTrabalhador &t = m_obj->trabalhador;
    TVinculo &v = m_obj->vinculo();
    TRescisao &r = m_obj->rescisao;
    TEstabelecimento &est = m_obj->estabelecimento;

    est.Limpar();
    est.TipoInscricao = v.NU_TIPO_INSO_EMPRA;
    est.Inscricao = Texto(l, 4, 14);
    Conferir(est.ValidarTipoInscricao(), est, CampoDe(l, 3, 1));
    Conferir(est.ValidarInscricao(), est, CampoDe(l, 4, 14));

    const QString tipoTomador = CampoDe(l, 18, 1);
    if (ConferirDigitos(tipoTomador, QStringLiteral("Tipo Inscrição Tomador: ")))
        Conferir(v.ValidarTipoInscricaoTomador(), v, tipoTomador);
    const QString inscricaoTomador = CampoDe(l, 19, 14);
    if (ConferirDigitos(inscricaoTomador, QStringLiteral("Inscrição Tomador: ")))
        Conferir(v.ValidarInscricaoTomador(), v, inscricaoTomador);

    // Only the type-40 lines of the same PIS matter to the admission check: hand it
    // those, not the whole file, for every worker.
    const qint64 pisChave = v.NU_PIS > 0 ? v.NU_PIS : ConverterInteiro64(t.NU_PIS).value_or(0);
    static const TArrRegRegistro kNenhum;
    const auto it = m_admissoesPorPis.constFind(pisChave);
    const TArrRegRegistro &mesmoPis = it != m_admissoesPorPis.cend() ? *it : kNenhum;
    if (!v.ValidarDataAdmissao(true, &mesmoPis))
        Registrar(v.CodigoMensagem,
                  v.CodigoMensagem == QLatin1String("0443") ? CampoDe(l, 139, 8) : CampoDe(l, 44, 8));

    Conferir(v.ValidarCategoria(false), v, CampoDe(l, 52, 2));
    Conferir(t.ValidarNome(), t, CampoDe(l, 54, 70));
    if (ConferirDigitos(CampoDe(l, 275, 11), QStringLiteral("CPF: ")))
        Conferir(t.ValidarCpf(), t, CampoDe(l, 275, 11));
    if (ConferirDigitos(CampoDe(l, 124, 7), QStringLiteral("Número CTPS: ")))
        Conferir(t.ValidarNumeroCtps(false), t, CampoDe(l, 124, 7));
    if (ConferirDigitos(CampoDe(l, 131, 5), QStringLiteral("Serie CTPS: ")))
        Conferir(t.ValidarSerieCtps(false), t, CampoDe(l, 131, 5));
    if (ConferirDigitos(CampoDe(l, 136, 1), QStringLiteral("Sexo: ")))
        Conferir(t.ValidarSexo(), t, CampoDe(l, 136, 1));
    if (ConferirDigitos(CampoDe(l, 137, 2), QStringLiteral("Grau Instrução: ")))
        Conferir(t.ValidarGrauInstrucao(), t, CampoDe(l, 137, 2));
    if (ConferirData(CampoDe(l, 139, 8), QStringLiteral("Data Nascimento: ")))
        Conferir(t.ValidarDataNascimento(), t, CampoDe(l, 139, 8));
    Conferir(v.ValidarCbo(), v, CampoDe(l, 149, 6));
    if (ConferirDigitos(CampoDe(l, 147, 2), QStringLiteral("Horas Trabalhadas: ")))
        Conferir(v.ValidarHorasSemanais(), v, CampoDe(l, 147, 2));
    Conferir(v.ValidarReposicaoVaga(), v, CampoDe(l, 185, 1));
    Conferir(v.ValidarCodigoSaque(), v, CampoDe(l, 173, 3));

    // Bank, agency, account: a failed bank skips the other two, a failed agency the account.
    const QString banco = CampoDe(l, 286, 3), agencia = CampoDe(l, 289, 4), conta = CampoDe(l, 293, 13);
    bool seguir = true;
    if (ConferirDigitos(banco, QStringLiteral("Banco: ")) && !v.ValidarBanco()) {
        Registrar(v.CodigoMensagem, banco);
        seguir = false;
    }
    if (seguir && ConferirDigitos(agencia, QStringLiteral("Agência: ")) && !v.ValidarAgencia()) {
        Registrar(v.CodigoMensagem, agencia);
        seguir = false;
    }
    if (seguir && ConferirDigitos(conta, QStringLiteral("Conta Corrente: ")))
        Conferir(v.ValidarConta(), v, conta);

    if (ConferirData(CampoDe(l, 155, 8), QStringLiteral("Data Opção: ")))
        Conferir(v.ValidarDataOpcao(), v, CampoDe(l, 155, 8));
    Conferir(v.ValidarCodigoMovimentacao(), v, CampoDe(l, 163, 2));
    if (ConferirData(CampoDe(l, 165, 8), QStringLiteral("Data Movimento: ")))
        Conferir(v.ValidarDataMovimentacao(), v, CampoDe(l, 165, 8));

    const QString aviso = CampoDe(l, 176, 1);
    if (ConferirDigitos(aviso, QStringLiteral("Aviso: ")) && Conferir(v.ValidarTipoAvisoPrevio(), v, aviso)) {
        if (ConferirData(CampoDe(l, 177, 8), QStringLiteral("Data Aviso: ")))
            Conferir(v.ValidarDataInicioAviso(), v, CampoDe(l, 177, 8));
    }

    const QString dataDissidio = CampoDe(l, 186, 8);
    if (ConferirData(dataDissidio, QStringLiteral("Data Dissídio: "))
        && Conferir(r.ValidarDataDissidio(), r, dataDissidio)) {
        if (ConferirDigitos(CampoDe(l, 194, 15), QStringLiteral("Valor Dissídio: ")))
            Conferir(r.ValidarValorDissidio(), r, CampoDe(l, 194, 15));
    }

    const QString anterior = CampoDe(l, 209, 15);
    if (ConferirDigitos(anterior, QStringLiteral("Valor Remuneração do Mês Anterior a Rescisão: "))) {
        if (!v.ValidarMovimentacaoI5I6())
            Registrar(v.CodigoMensagem,
                      QStringLiteral("Informações Rescisão - Reforma Trabalhista: ") + v.ComplementoMensagem);
        Conferir(r.ValidarRemuneracaoAnterior(), r, anterior);
    }
    const QString rescisao = CampoDe(l, 224, 15);
    if (ConferirDigitos(rescisao, QStringLiteral("Valor Remuneração do Mês da Rescisão: ")))
        Conferir(r.ValidarRemuneracaoRescisao(), r, rescisao);
    const QString avisoIndenizado = CampoDe(l, 239, 15);
    if (ConferirDigitos(avisoIndenizado, QStringLiteral("Valor Aviso Indenizado: "))) {
        Conferir(r.ValidarAvisoPrevioIndenizado(), r, avisoIndenizado);
        Conferir(r.ValidarValoresI3(true), r, CampoDe(l, 163, 2));
    }

    Conferir(r.ValidarTipoPensao(), r, CampoDe(l, 254, 1));
    const QString indicador = Texto(l, 254, 1).toUpper();
    const QString percentual = CampoDe(l, 255, 5), valor = CampoDe(l, 260, 15);
    if (ConferirDigitos(percentual, QStringLiteral("Valor Percentual da Pensão: "))) {
        if ((indicador == QLatin1String("P") || indicador == QLatin1String("N")) && Numero(valor) > 0)
            Registrar(QStringLiteral("0334"), valor);
        else
            Conferir(r.ValidarPensaoPercentualArquivo(), r, percentual);
    }
    if (ConferirDigitos(valor, QStringLiteral("Valor da Pensão: "))) {
        if ((indicador == QLatin1String("V") || indicador == QLatin1String("N")) && Numero(percentual) > 0)
            Registrar(QStringLiteral("0335"), percentual);
        else
            Conferir(r.ValidarPensaoValorArquivo(), r, valor);
    }
    ConferirDigitos(CampoDe(l, 306, 15), QStringLiteral("Valor de Saldo Informado pela Empresa: "));
    if (!EmBranco(CampoDe(l, 321, 39)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 321, 39));
    if (CampoDe(l, 360, 1) != QLatin1String("*"))
        Registrar(QStringLiteral("0211"), CampoDe(l, 360, 1));
}

void TArqFolha::LerComplemento(const QString &l, int tipo)
{
    TComplementoSaldo &k = m_obj->complemento;
    k.Limpar();
    k.NU_TIPO_INSO_EMPRA = qint16(Numero(CampoDe(l, 3, 1)));
    k.NU_INSCRICAO = Numero(CampoDe(l, 4, 14));
    k.NU_PIS = Numero(CampoDe(l, 33, 11));
    k.NU_CATEGORIA = qint16(Numero(CampoDe(l, 52, 2)));
    k.DT_ADMISSAO_VINCULO = LerDataArquivo(CampoDe(l, 44, 8));
    k.NU_COMPLEMENTO = QString::number(tipo - 42);  // 43, 44, 45 -> 1, 2, 3
    k.DataEdital = m_dataEdital;
}

namespace {
QString Competencia(const QString &l, int k) { return CampoDe(l, 54 + 21 * (k - 1), 6); }
QString ValorCompetencia(const QString &l, int k) { return CampoDe(l, 60 + 21 * (k - 1), 15); }
// A pair is empty when its competence and its amount each read as 0 (never the
// two fields read together: 21 digits do not fit any integer).
bool ParVazio(const QString &l, int k) { return Numero(Competencia(l, k)) == 0 && Numero(ValorCompetencia(l, k)) == 0; }
bool ParPreenchido(const QString &l, int k) { return Numero(Competencia(l, k)) > 0 && Numero(ValorCompetencia(l, k)) > 0; }
} // namespace

void TArqFolha::ValidarComplemento(const QString &l, int tipo)
{
    LerComplemento(l, tipo);
    TComplementoSaldo &k = m_obj->complemento;
    if (!k.ValidarPermissao()) {
        Registrar(k.CodigoMensagem, {});
        return;
    }
    if (CampoDe(l, 18, 1) != QLatin1String("0"))
        Registrar(QStringLiteral("0013"), CampoDe(l, 18, 1));
    if (!TodosZerosCampo(CampoDe(l, 19, 14)))
        Registrar(QStringLiteral("0013"), CampoDe(l, 19, 14));

    bool todosVazios = true;
    for (int p = 1; p <= kPares; ++p)
        todosVazios = todosVazios && ParVazio(l, p);
    if (todosVazios) {
        // Workers with an agreement date were refused above: the date is the empty
        // one, which the report prints as zeros.
        const TRescisao &r = m_obj->rescisao;
        const Date dissidio = r.DissidioInformado() ? r.DT_DISSIDIO : Date(0);
        Registrar(QStringLiteral("0360"), FormatarData(QStringLiteral("dd/mm/yyyy"), dissidio));
    }
    for (int p = 2; p <= kPares; ++p)
        if (ParPreenchido(l, p) && ParVazio(l, p - 1))
            Registrar(QStringLiteral("0361"), Competencia(l, p) + ValorCompetencia(l, p));

    const QString tipoTexto = TextoTipo(tipo);
    for (int p = 1; p <= kPares; ++p) {
        const QString competencia = Competencia(l, p);
        const QString valor = ValorCompetencia(l, p);
        const QString ano = competencia.left(4), mes = competencia.mid(4, 2);
        // An empty competence (zeros, or blanks) is never a duplicate.
        if (!(SoDigitos(competencia) && Numero(competencia) == 0)) {
            const QString chave = tipoTexto + ano + mes;
            if (m_competencias.contains(chave))
                Registrar(QStringLiteral("0292"), competencia);
            else
                m_competencias.insert(chave, true);
        }
        k.AA_COMPETENCIA = ano;
        k.MM_COMPETENCIA = mes;
        k.VR_REMUNERACAO = Money::fromCentavos(Numero(valor));
        Conferir(k.ValidarCompetencia(true), k, mes + ano);
        if (ConferirDigitos(valor, QStringLiteral("Valor da Competência: ")))
            Conferir(k.ValidarValores(), k, mes + ano);
    }
    if (!EmBranco(CampoDe(l, 348, 12)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 348, 12));
    if (CampoDe(l, 360, 1) != QLatin1String("*"))
        Registrar(QStringLiteral("0211"), CampoDe(l, 360, 1));
}

void TArqFolha::ValidarTrailer(const QString &l)
{
    if (!EmBranco(CampoDe(l, 54, 255)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 54, 255));
    if (!EmBranco(CampoDe(l, 309, 51)))
        Registrar(QStringLiteral("0009"), CampoDe(l, 309, 51));
    if (CampoDe(l, 360, 1) != QLatin1String("*"))
        Registrar(QStringLiteral("0211"), CampoDe(l, 360, 1));
}

// ---------------------------------------------------------------------------
// Load

bool TArqFolha::Carregar()
{
    if (m_contexto)
        m_contexto->IniciarEtapa(3);
    TDBUtils &banco = *Banco();
    if (!banco.EmTransacao())
        banco.IniciarTransacao();
    const auto desfazer = [&banco] {
        if (banco.EmTransacao()) {
            try {
                banco.Rollback();
            } catch (const std::exception &) {
                // the connection is gone; nothing was committed
            }
        }
    };

    // The workers already stored, read once: a new link then needs no query to
    // know whether its worker is to be inserted or updated.
    m_pisGravados.clear();
    try {
        const auto gravados = banco.Abrir(QStringLiteral("SELECT NU_PIS FROM SFGTBG03_EMPREGADO"));
        m_pisGravados.reserve(gravados->rowCount());
        for (gravados->first(); !gravados->eof(); gravados->next())
            m_pisGravados.insert(gravados->field(0).toInt64());
    } catch (const std::exception &) {
        desfazer();
        RegistrarCabecalho(QStringLiteral("0250"), {}, 0);
        return false;
    }

    QSet<qint64> pisCarregados;
    int linhaFalha = -1;
    QString codigoFalha;
    QString competenciaFalha;
    const int n = int(Linhas.size());
    for (int i = 0; i < n; ++i) {
        if (Cancelado()) {
            desfazer();
            return false;
        }
        IndiceLinha = i;
        TipoRegistroAtual = Registros.at(i).TipoRegistro.toInt();
        NovoNo = false;
        bool aplicada = false;
        try {
            aplicada = AplicarLinha(Linhas.at(i), TipoRegistroAtual, competenciaFalha);
        } catch (const std::exception &) {
            aplicada = false;
            if (CodigoMensagem.isEmpty())
                CodigoMensagem = QStringLiteral("0144");
        }
        if (!aplicada) {
            linhaFalha = i;
            codigoFalha = CodigoMensagem;
            break;
        }
        if (TipoRegistroAtual == 40)
            pisCarregados.insert(m_obj->vinculo().NU_PIS);
        Avancar();
        if (NovoNo && m_contexto)
            m_contexto->AumentarMaximo();
    }

    if (linhaFalha < 0) {
        try {
            if (!m_obj->complemento.TotalizarVinculos(-1, 0, DataNula, -1, -1)) {
                linhaFalha = n - 1;
                codigoFalha = m_obj->complemento.CodigoMensagem;
            } else if (m_contexto && !m_contexto->EntrarFaseFinal()) {
                // Cancelled at the last moment: nothing is kept.
                desfazer();
                return false;
            } else {
                banco.Commit();
                m_resumo.Trabalhadores = int(pisCarregados.size());
                if (m_contexto)
                    m_contexto->ConcluirEtapa(3);
                return true;
            }
        } catch (const std::exception &) {
            linhaFalha = n - 1;
            codigoFalha = QStringLiteral("0144");
        }
    }

    desfazer();
    if (codigoFalha == QLatin1String("0372"))
        RegistrarCabecalho(QStringLiteral("0372"), competenciaFalha, linhaFalha);
    else
        RegistrarCabecalho(QStringLiteral("0250"), {}, linhaFalha);
    return false;
}

bool TArqFolha::AplicarLinha(const QString &l, int tipo, QString &competenciaFalha)
{
    CodigoMensagem.clear();
    switch (tipo) {
    case 0: return AplicarResponsavel(l);
    case 10: return AplicarEmpresa(l);
    case 40: return AplicarTrabalhador(l);
    case 43:
    case 44:
    case 45: return AplicarComplemento(l, tipo, competenciaFalha);
    default: return true;
    }
}

bool TArqFolha::AplicarResponsavel(const QString &l)
{
    LerResponsavel(l);
    TResponsavel &r = m_obj->responsavel;
    ArvoreImportacao *arvore = m_arvore;
    const bool ok = r.Salvar(arvore->Raiz(), [arvore](const TRaizArvore &raiz) { arvore->AlterarRaiz(raiz); })
                    && r.GravarAbertura();
    if (!ok) {
        CodigoMensagem = r.CodigoMensagem;
        return false;
    }
    if (arvore->Quantidade() == 0)
        NovoNo = true;
    m_resumo.DataRecolhimento = r.DataPagamentoAbertura;
    return true;
}

bool TArqFolha::AplicarEmpresa(const QString &l)
{
    LerEmpresa(l);
    TEmpresa &e = m_obj->empresa;
    const qint64 inscricao = Numero(CampoDe(l, 4, 14));
    ++m_resumo.Empregadores;
    if (m_arvore->LocalizarEmpresa(e.TipoInscricao, inscricao)) {
        if (!e.Alterar()) {
            CodigoMensagem = e.CodigoMensagem;
            return false;
        }
        // The responsible party is also this employer: its row becomes "A".
        const TRegRegistro &r0 = RegistroDaLinha(Registros, 0);
        if (Numero(r0.TipoInscricao) == e.TipoInscricao && Numero(r0.Inscricao) == inscricao)
            Banco()->Executar(
                QStringLiteral("UPDATE SFGTBG02_EMPRESA SET IC_ESTADO_EMPRESA = 'A' WHERE IC_ESTADO_EMPRESA = 'R'"));
        return true;
    }
    if (!e.Incluir()) {
        CodigoMensagem = e.CodigoMensagem;
        return false;
    }
    NovoNo = true;
    ++m_resumo.EmpregadoresNovos;
    return true;
}

bool TArqFolha::AplicarTrabalhador(const QString &l)
{
    LerTrabalhador(l);
    TTrabalhador &t = m_obj->trabalhador;
    TVinculo &v = m_obj->vinculo();
    const ChaveVinculo chave = v.Chave();
    ++m_resumo.Vinculos;

    const int estado = m_arvore->EstadoVinculo(chave);
    if (estado < 0) {
        // Whether the link and its worker exist is known here (the tree, the stored
        // workers, the lines already loaded): the insert is spared its two lookups.
        BancoReferencias &referencias = m_obj->banco;
        referencias.Prever(QStringLiteral("SELECT NU_PIS FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE ") + chave.Condicao(),
                           RespostaPis(chave.Pis, 0));
        referencias.Prever(QStringLiteral("SELECT NU_PIS FROM SFGTBG03_EMPREGADO WHERE NU_PIS = ") + QString::number(chave.Pis),
                           RespostaPis(chave.Pis, m_pisGravados.contains(chave.Pis) ? 1 : 0));
        bool incluido = false;
        try {
            incluido = t.Incluir();
        } catch (...) {
            referencias.EsquecerPrevisoes();
            throw;
        }
        referencias.EsquecerPrevisoes();
        if (!incluido) {
            CodigoMensagem = t.CodigoMensagem;
            return false;
        }
        m_pisGravados.insert(chave.Pis);
        NovoNo = true;
        ++m_resumo.VinculosNovos;
        return true;
    }

    // A closed link taken up again by the payroll is available once more; a marked
    // or processed one keeps its state.
    v.IC_ESTADO_MOVIMENTO = qint16(estado == 2 ? 0 : estado);
    if (!t.Alterar(false)) {
        CodigoMensagem = t.CodigoMensagem;
        return false;
    }

    TAlteracaoCadastral &alteracao = m_obj->alteracao;
    alteracao.Limpar();
    alteracao.NU_TIPO_INSO_EMPRA = QString::number(chave.TipoInscricao);
    alteracao.NU_INSCRICAO = QString::number(chave.Inscricao);
    alteracao.NU_PIS = QString::number(chave.Pis);
    alteracao.NU_CATEGORIA = QString::number(chave.Categoria);
    alteracao.DT_ADMISSAO_VINCULO = chave.Admissao;
    if (!alteracao.Excluir(false)) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }

    TComplementoSaldo &complemento = m_obj->complemento;
    complemento.Limpar();
    complemento.NU_TIPO_INSO_EMPRA = qint16(chave.TipoInscricao);
    complemento.NU_INSCRICAO = chave.Inscricao;
    complemento.NU_PIS = chave.Pis;
    complemento.NU_CATEGORIA = qint16(chave.Categoria);
    complemento.DT_ADMISSAO_VINCULO = chave.Admissao;
    complemento.Excluir(true, false);

    // The bank's balances of a link closed or processed before this import are
    // what its rescission was sent with: they stay.
    if (estado != 2 && estado != 3) {
        TContaSaldoTrabalhador &conta = m_obj->conta;
        conta.DefinirChave(chave);
        if (!conta.ExcluirSaldos(false, false, true)) {
            CodigoMensagem = QStringLiteral("0144");
            return false;
        }
    }
    if (m_obj->rescisao.IC_ORIGEM_SALDO_RESCISORIO == QLatin1String("N"))
        t.AtualizarSaldoRescisorio(chave.TipoInscricao, chave.Categoria, chave.Admissao, chave.Pis, chave.Inscricao);
    return true;
}

bool TArqFolha::AplicarComplemento(const QString &l, int tipo, QString &competenciaFalha)
{
    LerComplemento(l, tipo);
    TComplementoSaldo &k = m_obj->complemento;
    for (int p = 1; p <= kPares; ++p) {
        const QString competencia = Competencia(l, p);
        if (Numero(competencia) <= 0)
            continue;
        k.AA_COMPETENCIA = competencia.left(4);
        k.MM_COMPETENCIA = competencia.mid(4, 2);
        k.VR_REMUNERACAO = Money::fromCentavos(Numero(ValorCompetencia(l, p)));
        if (!k.Incluir()) {
            CodigoMensagem = k.CodigoMensagem;
            competenciaFalha = k.MM_COMPETENCIA + k.AA_COMPETENCIA;
            return false;
        }
        ++m_resumo.LinhasComplemento;
    }
    return true;
}

} // namespace tolv
