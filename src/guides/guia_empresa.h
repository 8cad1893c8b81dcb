#pragma once

#include "core/date.h"
#include "core/money.h"
#include "core/negocio.h"
#include "registration/empresa.h"

#include <QString>
#include <QVector>
#include <memory>

namespace tolv {

// One guide chosen for printing.
struct TDadoEmpresa {
    QString CodigoBarras;          // the guide code (digitable line)
    Money ValorTotal;
    int QuantidadeTrabalhadores = 0;
};
using TListaDadoEmpresa = QVector<TDadoEmpresa>;

// A totalling guide (SFGTBG08_GUIA_TOTALIZADORA): one per employer and movement,
// with the employer as printed on it and, once processed, the bank's data.
class TGuiaEmpresa : public TNegocio {
public:
    explicit TGuiaEmpresa(TDBUtils *banco = nullptr);
    ~TGuiaEmpresa() override;

    QString CodigoBarras;
    QString NumeroBanco;               // digits; empty until processed
    QString NumeroAgencia;
    Date DataProcessamento = DataNula;
    Date DataQuitacao = DataNula;
    Date DataRecolhimento = DataNula;
    TEmpresa &Empresa() { return *m_empresa; }
    const TEmpresa &Empresa() const { return *m_empresa; }

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    bool LocalizarPorCodigo();
    bool ListarPorCodigos(const TListaDadoEmpresa &lista, const QString &colunaOrdem);
    // The lines of a sent file, in order; null when the protocol is empty or the date unset.
    std::unique_ptr<ResultSet> LinhasArquivoEnviado(const QString &protocolo, DateTime envio);
    // Stores the guide as sent (bank and agency cleared).
    bool GravarValidada();
    // Stores the bank's data of a processed guide (the whole guide when it was never stored).
    bool GravarProcessada();
    bool AlterarCodigo(const QString &codigoAntigo, const QString &codigoNovo);
    // Deletes the guide and its lines together.
    bool Excluir();

private:
    bool existe(bool &achou);
    QStringList valoresEmpresa(QString &erro) const;

    std::unique_ptr<TEmpresa> m_empresa;
};

// A number kept as text, for an unquoted SQL value: NULL when empty, the 64-bit
// value when all digits; false (and nothing built) when anything else.
bool SqlDigitos(const QString &texto, QString &sql);

} // namespace tolv
