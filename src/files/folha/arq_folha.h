#pragma once

#include "core/chave_vinculo.h"
#include "core/date.h"
#include "files/arquivo.h"
#include "files/reg_registro.h"
#include "registration/estabelecimento.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <memory>
#include <unordered_map>

namespace tolv {

class ContextoTarefa;
class TAlteracaoCadastral;
class TComplementoSaldo;
class TContaSaldoTrabalhador;
class TEmpresa;
class TResponsavel;
class TRescisao;
class TTrabalhador;
class TVinculo;

// What the payroll import asks of the participation tree: which employers and
// links are already registered (and the links' movement states), who the root
// is, and a rebuild once the file is in. The desktop program answers from its
// tree; the command line from the database (ArvoreImportacaoBanco).
class ArvoreImportacao {
public:
    virtual ~ArvoreImportacao() = default;

    // Entries of the tree (root, employers, links, changes): part of the progress.
    virtual int Quantidade() const = 0;
    // The responsible party as the root knows it (empty Tipo before the first one).
    virtual TRaizArvore Raiz() const = 0;
    // The root changed while the responsible party was saved.
    virtual void AlterarRaiz(const TRaizArvore &raiz) = 0;
    // An employer entry with this type and inscription (a CEI and a CNPJ with the
    // same number are two employers).
    virtual bool LocalizarEmpresa(int tipoInscricao, qint64 inscricao) const = 0;
    // The movement state (0..3) of the link's worker entry; -1 when there is none.
    virtual int EstadoVinculo(const ChaveVinculo &chave) const = 0;
    // Rebuilds the tree and reloads the pay date of the open movement, after a
    // successful import; `contexto` (may be null) takes the progress.
    virtual void Recarregar(ContextoTarefa *contexto) = 0;
};

// The stored registration read once, standing in for the tree where there is
// none. Recarregar reads it again and refreshes the process-wide pay date.
class ArvoreImportacaoBanco : public ArvoreImportacao {
public:
    explicit ArvoreImportacaoBanco(TDBUtils *banco = nullptr);

    // Reads employers and links; database errors are raised.
    void Carregar();

    int Quantidade() const override { return m_quantidade; }
    TRaizArvore Raiz() const override { return m_raiz; }
    void AlterarRaiz(const TRaizArvore &raiz) override { m_raiz = raiz; }
    bool LocalizarEmpresa(int tipoInscricao, qint64 inscricao) const override;
    int EstadoVinculo(const ChaveVinculo &chave) const override;
    void Recarregar(ContextoTarefa *contexto) override;

private:
    struct HashChave {
        size_t operator()(const ChaveVinculo &c) const noexcept;
    };

    TDBUtils *m_banco;
    TRaizArvore m_raiz;
    QHash<QString, bool> m_empresas;  // "type/inscription"
    std::unordered_map<ChaveVinculo, int, HashChave> m_vinculos;
    int m_quantidade = 0;
};

// What a successful import loaded.
struct ResumoImportacaoFolha {
    int Empregadores = 0;        // records 10
    int EmpregadoresNovos = 0;   // of them, not registered before
    int Trabalhadores = 0;       // distinct PIS
    int Vinculos = 0;            // records 40
    int VinculosNovos = 0;       // of them, not registered before
    int LinhasComplemento = 0;   // competences stored from records 43, 44 and 45
    Date DataRecolhimento = DataNula;  // pay date of the header
};

// The payroll import file "TOLV.RE": 360 characters a line, "*" at position 360,
// Windows-1252. Importar checks the structure, the keys and every field, logging
// each violation as an inconsistency of kind 1, and loads the file in one
// transaction only when nothing at all was logged.
class TArqFolha : public TArquivo {
public:
    explicit TArqFolha(TDBUtils *banco = nullptr);
    ~TArqFolha() override;

    bool ArquivoValido = true;   // false once anything was logged in the run
    bool LinhaValida = true;     // false once anything was logged for the current line
    bool NovoNo = false;         // the line being loaded adds an entry to the tree
    TArrRegRegistro Registros;   // one entry per line

    // Not owned. Without a tree the import reads the stored registration itself.
    void DefinirArvore(ArvoreImportacao *arvore) { m_arvore = arvore; }
    // Not owned; null runs without progress and without cancel.
    void DefinirContexto(ContextoTarefa *contexto) { m_contexto = contexto; }

    void Inicializar() override;
    // Imports NomeArquivo; true when it was loaded. CodigoMensagem holds the last
    // code logged ("0396" when a code is missing from the catalog), or is empty.
    bool Importar() override;
    void RegistrarInconsistencia(const QString &conteudo, const QString &tipoRegistro,
                                 const QString &nomeTrabalhador, const QString &dataAdmissao,
                                 const QString &categoria, const QString &pis, const QString &razaoSocialEmpresa,
                                 const QString &inscricaoEmpresa, const QString &tipoInscricaoEmpresa,
                                 const QString &razaoSocialResponsavel, const QString &inscricaoResponsavel,
                                 const QString &tipoInscricaoResponsavel, int codigoMensagem, int linha) override;

    const ResumoImportacaoFolha &Resumo() const { return m_resumo; }

private:
    struct Objetos;

    bool executar();
    void criarObjetos();
    void liberarObjetos();
    void reiniciarEstado();

    // Phases; each true when it logged nothing.
    bool ValidarEstrutura();
    bool ValidarChaves();
    bool ValidarCampos();
    bool Carregar();

    // Inconsistency contexts; all at line indice + 1 with the responsible party of entry 0.
    void RegistrarCabecalho(const QString &codigo, const QString &conteudo, int indice);
    void RegistrarEmpregador(const QString &codigo, const QString &conteudo, int indice);
    void RegistrarTrabalhador(const QString &codigo, const QString &conteudo, const QString &tipo, int indice);
    void RegistrarTrailer(const QString &codigo, const QString &conteudo, int indice);
    // Structure messages: no record type, responsible party of the first line.
    void RegistrarEstrutura(const QString &codigo, const QString &conteudo, int linha);
    // The current line's context (IndiceLinha, TipoRegistroAtual).
    void Registrar(const QString &codigo, const QString &conteudo);
    // Logs the object's code when `ok` is false; returns `ok`.
    bool Conferir(bool ok, const TNegocio &objeto, const QString &conteudo);
    // "Digits" rule: 0011 with caption + value when the value is not all digits.
    bool ConferirDigitos(const QString &valor, const QString &legenda);
    // A date field: 0212 with caption + value when it is not a date.
    bool ConferirData(const QString &valor, const QString &legenda);

    bool VerificarOrdem(const QString &linha, int tipo);
    void ValidarCabecalho(const QString &linha);
    void ValidarEmpregador(const QString &linha);
    void ValidarTrabalhador(const QString &linha);
    void ValidarComplemento(const QString &linha, int tipo);
    void ValidarTrailer(const QString &linha);

    void LerResponsavel(const QString &linha);
    void LerEmpresa(const QString &linha);
    void LerTrabalhador(const QString &linha);
    void LerComplemento(const QString &linha, int tipo);

    bool AplicarLinha(const QString &linha, int tipo, QString &competenciaFalha);
    bool AplicarResponsavel(const QString &linha);
    bool AplicarEmpresa(const QString &linha);
    bool AplicarTrabalhador(const QString &linha);
    bool AplicarComplemento(const QString &linha, int tipo, QString &competenciaFalha);

    bool Cancelado() const;
    void Avancar();

    ArvoreImportacao *m_arvore = nullptr;
    ContextoTarefa *m_contexto = nullptr;
    std::unique_ptr<Objetos> m_obj;
    std::unique_ptr<ArvoreImportacaoBanco> m_arvorePropria;

    // Work state of a run.
    QString m_empresaAnteriorTipo, m_empresaAnteriorInscricao;
    QString m_trabAnteriorTipo, m_trabAnteriorInscricao, m_trabAnteriorPis, m_trabAnteriorCategoria,
        m_trabAnteriorAdmissao;
    QHash<QString, bool> m_competencias;  // record type + yyyymm of the current worker block
    Date m_dataEdital = DataNula;
    // Type-40 entries of each PIS, for the admission check against the other lines.
    QHash<qint64, TArrRegRegistro> m_admissoesPorPis;
    QSet<qint64> m_pisGravados;  // workers stored, before and during the load
    ResumoImportacaoFolha m_resumo;
};

} // namespace tolv
