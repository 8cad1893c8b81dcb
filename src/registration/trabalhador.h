#pragma once

#include "core/date.h"
#include "core/negocio.h"

#include <QHash>
#include <QString>
#include <memory>

namespace tolv {

class TVinculo;

// A worker (SFGTBG03_EMPREGADO), loaded together with one of its links.
class TTrabalhador : public TNegocio {
public:
    explicit TTrabalhador(TDBUtils *banco = nullptr);
    ~TTrabalhador() override;

    QString NU_PIS;              // 11 digits
    QString NU_GRAU_INSTRUCAO;
    QString NO_EMPREGADO;
    QString NU_CTPS;
    QString NU_SERIE_CTPS;
    qint16 IC_SEXO = 0;          // 1 male, 2 female
    Date DT_NASCIMENTO = DataNula;
    QString NU_INSCRICAO_CPF;    // 11 digits, "" when none

    // The worker's link, created on first use and kept for the object's life (a
    // load refills it); its Trabalhador is this object.
    TVinculo &Vinculo();

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    // Rules; each clears CodigoMensagem and returns true when it stays empty.
    bool ValidarPis();
    bool ValidarCpf();
    bool ValidarNome();
    bool ValidarSexo();
    bool ValidarGrauInstrucao();
    bool ValidarNumeroCtps(bool completa);
    bool ValidarSerieCtps(bool completa);
    bool ValidarDataNascimento();
    // True ("0208") when the link's full key is already stored.
    bool VinculoExiste();

    // The worker-with-link row of a key. False when absent; a database failure sets
    // "0144" and is raised again.
    bool LocalizarPorVinculo(int tipoInscricao, const QString &inscricao, Date admissao, int categoria,
                             const QString &pis);
    // Rows of one PIS, the first loaded; false when none or on a failure ("0144").
    bool LocalizarPorPis(const QString &pis);
    // The name of the PIS within the held rows ("" when absent).
    QString NomeDoPis(const QString &pis);

    // New link of this worker, with its termination data; the worker row is
    // inserted or, when the PIS exists, updated. "0208" when the link exists.
    bool Incluir();
    bool Alterar(bool somenteTrabalhador);
    // Deletes the link (or every link of its employer, `todaEmpresa`) with its
    // dependent rows, then the workers left without links.
    bool Excluir(bool todaEmpresa);

    bool AbrirTodos();
    // Workers whose name starts with the text (case ignored; blank lists all).
    bool LocalizarPorNome(const QString &texto);
    // Links of one employer that have termination data, with the employer's name.
    bool ListarPorEmpresa(const QString &tipoInscricao, const QString &inscricao);

    // Clears the work card when the link's category has none (IC_CTPS = "N").
    void AplicarRegraCtps();

    // Rescission balance of a link from its stored bank balances ("C" when they sum
    // above 0, else "N"). False, with nothing written, when a key part is not above 0.
    bool AtualizarSaldoRescisorio(int tipoInscricao, int categoria, Date admissao, qint64 pis, qint64 inscricao);
    // The same, summing every balance line, for the open links of one employer (see the .cpp).
    bool AtualizarSaldosRescisorios(int tipoInscricao, qint64 inscricao);

private:
    QString SqlPis() const;

    std::unique_ptr<TVinculo> m_vinculo;
    QHash<int, QString> m_ctpsPorCategoria;
};

} // namespace tolv
