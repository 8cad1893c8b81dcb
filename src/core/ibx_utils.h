#pragma once

#include "db_utils.h"

#include <memory>
#include <mutex>

namespace tolv {

// Database access through the Firebird client API. A plain file path opens the
// database in-process through the embedded engine; "host:/path" reaches a server.
//
// The object is shared by the interface thread and the worker thread of long
// jobs (never at the same time by design); a mutex makes sure that two threads
// can never interleave statements even if that design is broken.
class TIbxUtils : public TDBUtils {
public:
    TIbxUtils();
    ~TIbxUtils() override;
    TIbxUtils(const TIbxUtils &) = delete;
    TIbxUtils &operator=(const TIbxUtils &) = delete;

    bool EmTransacao() const override;
    void ConfigurarConexao() override;
    void Conectar() override;
    void Commit() override;
    void Rollback() override;
    void IniciarTransacao() override;
    std::unique_ptr<ResultSet> Abrir(const QString &sql) override;
    void Executar(const QString &sql) override;

    // Closes the connection (rolling back an active transaction).
    void Fechar();

    // Creates an empty database file (UTF8, dialect 3) owned by the given user.
    static void CriarBanco(const QString &caminho, const QString &usuario, const QString &senha);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    mutable std::recursive_mutex m_mutex;
};

} // namespace tolv
