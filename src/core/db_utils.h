#pragma once

#include "result_set.h"

#include <QString>
#include <exception>
#include <memory>

namespace tolv {

// The one database connection of the process and its one shared transaction.
// Statements are complete SQL texts; reads come back as detached result sets.
// Without an explicit transaction every Executar/Abrir runs in its own.
class TDBUtils {
public:
    virtual ~TDBUtils() = default;

    QString CaminhoBanco;
    QString Usuario;
    QString Senha;
    bool LogSql = false;
    bool Conectado = false;
    // Where GravarLog appends its entries ("VESKBD.log" of the program directory).
    QString CaminhoLogSql;

    virtual bool EmTransacao() const = 0;
    virtual void ConfigurarConexao() = 0;
    virtual void GravarLog(const QString &texto, const std::exception *erro);
    virtual void Conectar() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    virtual void IniciarTransacao() = 0;
    virtual std::unique_ptr<ResultSet> Abrir(const QString &sql) = 0;
    virtual void Executar(const QString &sql) = 0;

    // Rolls back an active transaction and marks the object disconnected.
    void Desconectar();

    // The last error a statement or query raised (kept for inspection).
    QString UltimoErro;

    // The process-wide instance (not owned here); null until one is set.
    static TDBUtils *Instancia();
    static void DefinirInstancia(TDBUtils *db);
};

// One entry of the SQL trace, exactly as appended to the log file.
QString MontarEntradaLogSql(const QString &tituloJanela, const QString &dataHora,
                            const QString &texto, const QString *mensagemErro);

} // namespace tolv
