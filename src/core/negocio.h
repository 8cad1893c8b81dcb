#pragma once

#include "db_utils.h"
#include "result_set.h"

#include <QString>
#include <memory>

namespace tolv {

// Base of every business object: one owned result set walked row by row, the
// current row copied into typed fields by CarregarCampos, and CodigoMensagem for
// the rule or operation that failed last (empty on success).
//
// A constructor's virtual call does not reach a subclass, so every concrete
// class calls its own Inicializar at the end of its constructor.
class TNegocio {
public:
    explicit TNegocio(TDBUtils *banco = nullptr);
    virtual ~TNegocio();
    TNegocio(const TNegocio &) = delete;
    TNegocio &operator=(const TNegocio &) = delete;

    QString CodigoMensagem;
    QString SqlSelect;
    QString SqlFrom;
    bool CarregaRelacionados = true;

    TDBUtils *Banco() const { return m_banco; }

    virtual void Inicializar();
    virtual void Limpar();
    virtual void CarregarCampos();

    void AtribuirDataSet(std::unique_ptr<ResultSet> dataSet);
    ResultSet *ObterDataSet() const { return m_dataSet.get(); }
    // Hands the held result set over (for a caller that keeps the rows).
    std::unique_ptr<ResultSet> LiberarDataSet();

    void IrPrimeiro();
    void IrProximo();
    bool Fim() const;
    int QuantidadeRegistros() const;
    Field Campo(const QString &nome) const;
    bool TemCampo(const QString &nome) const;
    bool LocalizarValor(const QString &coluna, const QString &valor);

protected:
    // Opens `sql` into the object and loads its first row. A database failure sets
    // "0144", leaves an empty result set (navigation stays safe) and returns false.
    bool AbrirConsulta(const QString &sql);

    const ResultSet &dataSet() const;
    ResultSet &dataSet();

private:
    TDBUtils *m_banco;
    std::unique_ptr<ResultSet> m_dataSet;
};

} // namespace tolv
