#pragma once

#include "core/date.h"
#include "core/errors.h"
#include "core/negocio.h"

#include <QString>
#include <QVector>

namespace tolv {

// Raised when a run logs a message code that the catalog does not know: the run
// cannot describe its own failure, so it ends at once with "0396". Readers catch it
// in their run operation, never below.
class EInconsistenciaNaoCatalogada : public Error {
public:
    EInconsistenciaNaoCatalogada() : Error(QString()) {}
};

// "0000" form of a message code.
QString FormatarCodigoMensagem(int codigo);

// One row of the inconsistency log (SFGTBG18_INCONSISTENCIA_ARQUIVO): what rule a
// file line (or a link checked at closing) broke, and whom it concerns.
class TInconsistencia : public TNegocio {
public:
    explicit TInconsistencia(TDBUtils *banco = nullptr);

    // Results of Incluir.
    static constexpr int IncluidaOk = 1;
    static constexpr int FalhaInclusao = 0;
    static constexpr int CodigoNaoCatalogado = 396;

    int NumeroInconsistencia = 0;       // NU_INCONSISTENCIA
    int NumeroMensagem = 0;             // NU_MENSAGEM
    int NumeroArquivo = 0;              // NU_ARQUIVO (file kind)
    QString CodigoRegistro;             // CO_REGISTRO
    int LinhaErro = 0;                  // NU_LINHA_ERRO, 1-based; 0 = none (NULL)
    QString ConteudoCampo;              // DE_CONTEUDO_CAMPO
    QString TipoInscricaoResponsavel;   // NU_TIPO_INSCRICAO_RSPNL_INCNA
    QString InscricaoResponsavel;       // NU_INSCRICAO_RSPNL_INCNA
    QString RazaoSocialResponsavel;     // NO_RAZAO_SOCIAL_RSPNL_INCNA
    QString TipoInscricaoEmpresa;       // NU_TIPO_INSCRICAO_EMPRESA
    QString InscricaoEmpresa;           // NU_INSCRICAO_EMPRESA
    QString RazaoSocialEmpresa;         // NO_RAZAO_SOCIAL
    QString Pis;                        // CO_PIS_INCONSISTENCIA
    QString DataAdmissao;               // DT_ADMISSAO_INCONSISTENCIA as "ddmmyyyy"; "" = none
    QString Categoria;                  // CO_CATEGORIA_INCONSISTENCIA
    QString NomeEmpregado;              // NO_EMPREGADO
    QString DescricaoMensagem;          // catalog text, loaded by Consultar
    // Kind Consultar lists ("1", "2", "3", "5"); blank lists every kind.
    QString Filtro;

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    // Deletes every row of kind NumeroArquivo; false when the statement fails.
    // `sql`: the connection whose transaction to use; none: Banco().
    bool ExcluirPorArquivo(TDBUtils *sql = nullptr);
    // Inserts the fields as a new row: IncluidaOk, CodigoNaoCatalogado (nothing
    // inserted) or FalhaInclusao (the statement failed).
    int Incluir(TDBUtils *sql = nullptr);
    // Opens the rows of the Filtro kind in the order they were logged and loads the
    // first one. True when at least one row came back; a database failure sets
    // CodigoMensagem "0144" and returns false.
    bool Consultar();
    bool ConsultarFolha();
    bool ConsultarSaldo();
    bool ConsultarFechamento();
    bool ConsultarGuiasProcessadas();

    // Logs a kind-3 (movement closing) inconsistency: no record type, content or
    // line. `codigoMensagem` that is not a number logs code 0. False only when
    // something raised; an INSERT that fails or an uncatalogued code still
    // returns true (the caller's CodigoMensagem carries the rule).
    bool IncluirFechamento(const QString &codigoMensagem, const QString &tipoInscricaoResponsavel,
                           const QString &nomeEmpregado, const QString &dataAdmissao,
                           const QString &categoria, const QString &pis,
                           const QString &razaoSocialEmpresa, const QString &inscricaoEmpresa,
                           const QString &tipoInscricaoEmpresa, const QString &razaoSocialResponsavel,
                           const QString &inscricaoResponsavel);
};

// ---------------------------------------------------------------------------
// Content of the inconsistency report (kinds 1, 2 and 5), free of any page
// layout, so that every printer of the report shows the same texts.

inline const QString kTituloRelInconsistencia = QStringLiteral("RELATÓRIO DE INCONSISTÊNCIAS DE VALIDAÇÃO DE CARGA");

// One detail line, with the header and group texts of its row.
struct LinhaRelInconsistencia {
    QString Responsavel;        // "RESPONSÁVEL: " + inscription + " - " + name
    QString Empresa;            // "EMPRESA: " ...; "" when the row names no employer (no group line)
    QString Registro;           // REGISTRO
    QString Conteudo;           // CONTEÚDO DO CAMPO
    QString Linha;              // LINHA DO ERRO ("" for none)
    QString CodigoDescricao;    // CÓDIGO - DESCRIÇÃO DO ERRO
    QString Trabalhador;        // TRABALHADOR
    QString Pis;                // PIS/PASEP
    QString Admissao;           // ADMISSÃO "dd/mm/yyyy"
    QString Categoria;          // CAT
};

struct DadosRelInconsistencia {
    QString Titulo;
    QString Subtitulo;
    QVector<LinhaRelInconsistencia> Linhas;
};

// Subtitle of a listed kind; "" for kinds the report does not list.
QString SubtituloRelInconsistencia(int tipoArquivo);
QString TextoResponsavelRelatorio(const QString &tipoInscricao, const QString &inscricao, const QString &nome);
QString TextoEmpresaRelatorio(const QString &tipoInscricao, const QString &inscricao, const QString &nome);
// The catalog text with its "&" placeholders filled: 0201 with the pay-date window
// of the edital date, 0372 with the competence of the content and the edital date.
QString DescricaoMensagemRelatorio(int codigo, const QString &descricao, const QString &conteudo,
                                   Date dataEdital);
// The current row of `inconsistencia` as a report line.
LinhaRelInconsistencia MontarLinhaRelInconsistencia(const TInconsistencia &inconsistencia, Date dataEdital);
// Loads the rows of the kind through `inconsistencia` and builds the report; false
// when there is nothing to print (the report then shows "0086") or the rows could
// not be read.
bool MontarRelInconsistencia(TInconsistencia &inconsistencia, int tipoArquivo, Date dataEdital,
                             DadosRelInconsistencia &dados);

} // namespace tolv
