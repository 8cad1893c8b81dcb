#pragma once

#include "core/chave_vinculo.h"
#include "core/date.h"
#include "core/money.h"
#include "core/negocio.h"

#include <QList>
#include <QString>
#include <memory>

namespace tolv {

class TRescisao;
class TTrabalhador;
class TVinculo;

// One FGTS account line the bank reported for a link (SFGTBG10_CONTA_EMPREGADO_FGTS).
// A link may have several lines, one per account of the worker.
class TContaSaldoTrabalhador : public TNegocio {
public:
    explicit TContaSaldoTrabalhador(TDBUtils *banco = nullptr);
    ~TContaSaldoTrabalhador() override;

    qint16 NU_TIPO_INSO_EMPRA = 0;
    qint64 NU_INSCRICAO = 0;
    qint64 NU_PIS = 0;
    qint16 NU_CATEGORIA = 0;
    Date DT_ADMISSAO_VINCULO = DataNula;
    qint16 MM_MAIOR_COMPETENCIA = 0;
    int NU_SITUACAO_CONTA_EMPREGADO = 0;   // 0 may have a balance, 1-2 zero balance, 3 no account
    qint16 NU_SITUACAO_PIS = 0;            // 1 counts in the rescission balance, 2 name is compared
    qint64 NU_EMPREGADO_ORBEL = 0;
    Money VR_SALDO_RESCISORIO;
    qint16 AA_MAIOR_COMPETENCIA = 0;
    Date DT_GRAVACAO_ARQUIVO = DataNula;
    qint16 NU_SITUACAO_CONTA_EMPRESA = 0;
    qint64 NU_EMPRESA_ORBEL = 0;
    Date DT_CREDITO_JUROS = DataNula;

    // Related objects, created on first use and loaded while CarregaRelacionados is on.
    TTrabalhador &Trabalhador();
    TRescisao &Rescisao();
    TVinculo &Vinculo();

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    ChaveVinculo Chave() const { return {NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO}; }
    void DefinirChave(const ChaveVinculo &c);

    bool ValidarSituacaoConta();      // "0216"
    bool ValidarNumeroConta();        // "0282"
    bool ValidarSaldo();              // "0379"
    bool ValidarSituacaoPis();        // "0285", "0345"
    bool ValidarMaiorCompetencia();   // "0286", "0034", "0102"
    bool ValidarDataCreditoJuros();   // "0346", "0369"

    bool ExisteSaldoSituacaoPis2();
    bool ExisteSaldoPositivo();
    Money SomarSaldos();

    bool ListarSaldosEmpresa(const QString &ordem);
    bool ListarSaldosPis(const QString &ordem, qint64 pis);
    bool ListarSaldosVinculo(const QList<int> &situacoesConta);
    bool ListarSaldosMovimento(const QList<int> &estados, const QList<qint64> &contas, bool somenteEmpresa);
    bool LocalizarSaldo(int tipoInscricao, int categoria, qint64 conta, qint64 pis, Date admissao, qint64 inscricao);

    // Stores the line; with the flag the link's rescission balance is brought up to date.
    bool Incluir(bool atualizarSaldoRescisorio);
    // Deletes stored lines of the link (or, employer scope, of the employer). Sparing
    // closed links keeps every line of a link in movement state 2 or 3.
    bool ExcluirSaldos(bool escopoEmpresa, bool porConta, bool pouparFechados);

private:
    bool listar(const QString &sql);
    QString condicaoChave(const QString &alias) const;

    std::unique_ptr<TTrabalhador> m_trabalhador;
    std::unique_ptr<TRescisao> m_rescisao;
    std::unique_ptr<TVinculo> m_vinculo;
};

} // namespace tolv
