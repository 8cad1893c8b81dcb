#pragma once

#include "core/negocio.h"
#include "files/inconsistencia.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace tolv {

// Base of every fixed-width file the system reads or writes: the file name, its
// lines, its kind and the inconsistency log of its runs. CodigoMensagem is the
// run's result: empty when nothing was logged, else the last code logged ("0000")
// or a run-level code set by the subclass.
class TArquivo : public TNegocio {
public:
    explicit TArquivo(TDBUtils *banco = nullptr);
    ~TArquivo() override;

    bool Aberto = false;
    // Path of the file. Two readers (guide return, identification key) may receive
    // the file's whole content here instead; they load it with CarregarConteudo.
    QString NomeArquivo;
    QString Modo;             // "L" once open for reading
    QString PrefixoMensagem;  // put before codes this object shows ("SS", "FE"...)
    int IndiceLinha = 0;      // work fields of the subclasses
    int TipoRegistroAtual = 0;
    std::unique_ptr<TInconsistencia> Inconsistencia;
    int TipoArquivo = 0;      // NU_ARQUIVO written with every inconsistency
    // When set, inconsistencies go through it, inside its transaction (the
    // rescission-file generator); otherwise through Banco(). Not owned.
    TDBUtils *Sql = nullptr;
    QStringList Linhas;       // decoded lines, one character per byte

    void Inicializar() override;

    // False when NomeArquivo is empty, its directory does not exist, or
    // (abertoEhErro) the file is already open.
    bool ValidarCaminho(bool abertoEhErro);
    // Opens NomeArquivo for reading and loads Linhas; false when it cannot be opened.
    bool AbrirLeitura();
    // Reads the open file into Linhas. ENegocio when the file is not open for
    // reading; false when reading fails.
    bool CarregarLinhas();
    // Linhas from a file's content held in memory (received from the bank).
    void CarregarConteudo(const QByteArray &conteudo);
    void CarregarConteudo(const QString &conteudo);
    void Fechar();

    // The field of line `indice` (0-based) at 1-based `posicao`: exactly `largura`
    // characters, blanks beyond the line or for a missing line.
    QString CampoLinha(int indice, int posicao, int largura) const;

    // Deletes this kind's inconsistencies of earlier runs; false when that fails.
    virtual bool LimparInconsistencias();
    // Logs one inconsistency under TipoArquivo and sets CodigoMensagem to the code.
    // EInconsistenciaNaoCatalogada (CodigoMensagem "0396") when the catalog does
    // not know the code.
    virtual void RegistrarInconsistencia(const QString &conteudo, const QString &tipoRegistro,
                                         const QString &nomeTrabalhador, const QString &dataAdmissao,
                                         const QString &categoria, const QString &pis,
                                         const QString &razaoSocialEmpresa, const QString &inscricaoEmpresa,
                                         const QString &tipoInscricaoEmpresa,
                                         const QString &razaoSocialResponsavel,
                                         const QString &inscricaoResponsavel,
                                         const QString &tipoInscricaoResponsavel, int codigoMensagem,
                                         int linha);
    virtual bool Importar();
    virtual bool Processar();

private:
    QFile m_arquivo;
};

} // namespace tolv
