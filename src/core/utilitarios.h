#pragma once

#include "db_utils.h"
#include "mensagem.h"

#include <QString>
#include <QStringList>
#include <exception>
#include <memory>

namespace tolv {

// The process-wide utility object: shows catalog messages through the
// presenter the front end installed, and is the global handler of errors that
// escape a user action.
class TUtilitarios {
public:
    static TUtilitarios &Instancia();

    // The presenter is owned by the front end; null shows nothing (answers the default).
    void DefinirApresentador(MessagePresenter *p) { m_presenter = p; }
    MessagePresenter *Apresentador() const { return m_presenter; }
    // Where the catalog is read (null: the process-wide database object).
    void DefinirBanco(TDBUtils *banco) { m_banco = banco; }

    int MostrarMensagem(const QString &codigo, TipoMensagem tipo, Botoes botoes,
                        const QStringList &valores = {}, Botao padrao = Botao::Ok,
                        const QString &textoLiteral = {}, int contextoAjuda = 0);
    int MostrarMensagemParametro(const QString &codigo, TipoMensagem tipo, Botoes botoes,
                                 Botao padrao, const QString &valor, int contextoAjuda = 0);
    // situacao 0, 1, 2 -> prefixo + "0078", "0001", "0068" (information, OK)
    void MostrarMensagemPadrao(const QString &prefixo, int situacao);

    // Composes without showing (the command line and tests print or compare it).
    MensagemComposta Compor(const QString &codigo, TipoMensagem tipo, const QStringList &valores = {},
                            const QString &textoLiteral = {});

    // Global handler: appends the block to LogErro.log and shows the fixed message.
    // A silent-abort error is swallowed.
    void TratarExcecao(const std::exception &erro);
    void TratarExcecaoDesconhecida();

    // The communication module's scratch directory, or empty (prefix + "0227" shown).
    QString DiretorioTemporarioVelnora(const QString &prefixo);

private:
    TUtilitarios() = default;
    TDBUtils *banco() const { return m_banco ? m_banco : TDBUtils::Instancia(); }

    MessagePresenter *m_presenter = nullptr;
    TDBUtils *m_banco = nullptr;
};

inline const QString kTextoErroGlobal = QStringLiteral("Ocorreu um erro ao tentar acessar o banco de dados.");
inline const QString kTituloAplicacao = QStringLiteral("TOLV Eletrônica");

// The block appended to LogErro.log for one unexpected error.
QString MontarBlocoLogErro(const QString &dataHora, const QString &erroTecnico, const QString &tipoErro,
                           const QString &form, const QString &controle);

} // namespace tolv
