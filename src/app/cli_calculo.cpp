// simulate / calculate: the parcels of the open movement's links.

#include "cli_commands.h"

#include "calculation/carga_calculo.h"
#include "calculation/tabelas_indices.h"
#include "core/aplicacao.h"
#include "core/configuracao.h"
#include "core/formatos.h"
#include "core/utilitarios.h"

namespace tolv::cli {

namespace {

FiltroCalculo lerFiltro(const QStringList &args)
{
    FiltroCalculo f;
    QStringList a = args;
    if (!a.isEmpty()) {
        const QString insc = ExtrairDigitos(a.takeFirst());
        if (insc.isEmpty())
            throw CliError{QStringLiteral("inscrição inválida")};
        f.Inscricao = insc.toLongLong();
    }
    if (!a.isEmpty()) {
        if (a.size() != 3)
            throw CliError{QStringLiteral("informe PIS, CATEGORIA e ADMISSAO (dd/mm/aaaa) do vínculo")};
        f.UmVinculo = true;
        f.Pis = ExtrairDigitos(a[0]).toLongLong();
        f.Categoria = a[1].toInt();
        f.Admissao = LerData(a[2], false);
        if (!f.Admissao.isRealDate())
            throw CliError{QStringLiteral("data de admissão inválida: %1").arg(a[2])};
    }
    // without a key: the links marked for the open movement
    if (f.Inscricao == 0)
        f.Estados = {1};
    return f;
}

QString data(Date d) { return d.isRealDate() ? FormatarData(QStringLiteral("dd/mm/yyyy"), d) : QStringLiteral("--/--/----"); }
QString valor(Money m) { return FormatarMoeda(m).rightJustified(13); }

int executar(Context &c, bool gravar)
{
    const FiltroCalculo filtro = lerFiltro(c.args);
    IniciarOuFalhar();
    TDBUtils &banco = *TDBUtils::Instancia();
    const Date pagamento = ConfiguracaoGlobal().DataPagamento;
    if (!pagamento.isRealDate()) {
        EncerrarAplicacao();
        throw CliError{QStringLiteral("nenhum movimento aberto: abra um movimento com a data de pagamento antes")};
    }

    TabelasIndices tabelas;
    tabelas.Carregar(banco);
    const auto vinculos = CarregarVinculosCalculo(banco, filtro);
    if (vinculos.empty()) {
        EncerrarAplicacao();
        throw CliError{QStringLiteral("nenhum vínculo encontrado")};
    }

    if (gravar)
        banco.IniciarTransacao();
    int falhas = 0;
    Money totalGeral;
    try {
        TCalculo calculo(tabelas, pagamento, [&banco] { RegistrarFaltaIndiceSimplificado(banco); });
        c.out << "data de pagamento " << data(pagamento) << ", edital " << data(calculo.Edital()) << "\n";
        for (const VinculoCalculo &v : vinculos) {
            c.out << "\n" << MascararCnpj(QString::number(v.Chave.Inscricao)) << " " << v.RazaoSocial << "\n"
                  << "  " << MascararPis(QString::number(v.Chave.Pis)) << " " << v.NomeEmpregado << "  cat "
                  << v.Chave.Categoria << "  admissão " << data(v.Chave.Admissao) << "  "
                  << v.Dados.CodigoMovimentacao << " " << data(v.Dados.DataMovimentacao) << "\n";
            const bool ok = gravar ? Gravar(banco, calculo, v).has_value() : calculo.Calcular(v.Dados);
            c.out << "  parcela  vencimento        depósito           JAM         multa  contribuição  multa contrib.\n";
            for (const ParcelaCalculo &p : calculo.Parcelas) {
                if (!p.Valida && p.Base.isZero() && p.Deposito.isZero())
                    continue;
                c.out << "  " << p.Codigo << "      " << data(p.DataDevida) << " " << valor(p.Deposito) << " "
                      << valor(p.Jam) << " " << valor(p.Multa) << " " << valor(p.Contribuicao) << " "
                      << valor(p.MultaContribuicao) << (p.EmDia == QLatin1Char('N') ? "  em atraso" : "") << "\n";
            }
            if (!ok) {
                ++falhas;
                const QString codigo = CodigoComPrefixo(QStringLiteral("FE"), QString::number(calculo.CodigoErro));
                c.out << "  não calculado"
                      << (calculo.CodigoErro ? QStringLiteral(": ") + TUtilitarios::Instancia().Compor(codigo, TipoMensagem::Erro).texto
                                             : QStringLiteral(": índice da guia não encontrado"))
                      << "\n";
                continue;
            }
            c.out << "  total " << FormatarMoeda(calculo.Total()) << "\n";
            totalGeral += calculo.Total();
        }
        if (gravar)
            banco.Commit();
    } catch (...) {
        if (banco.EmTransacao())
            banco.Rollback();
        EncerrarAplicacao();
        throw;
    }
    c.out << "\n" << vinculos.size() << " vínculo(s), " << falhas << " não calculado(s), total "
          << FormatarMoeda(totalGeral) << (gravar ? " (gravado)" : " (nada gravado)") << "\n";
    EncerrarAplicacao();
    return falhas == 0 ? 0 : 1;
}

} // namespace

std::vector<Command> ComandosCalculo()
{
    return {
        {"simulate", "[INSCRICAO [PIS CATEGORIA ADMISSAO]]",
         "calcula as parcelas de um vínculo, de um empregador ou dos vínculos marcados, sem gravar",
         [](Context &c) { return executar(c, false); }},
        {"calculate", "[INSCRICAO [PIS CATEGORIA ADMISSAO]]",
         "calcula e grava as parcelas nas informações de rescisão",
         [](Context &c) { return executar(c, true); }},
    };
}

} // namespace tolv::cli
