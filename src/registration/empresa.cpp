#include "empresa.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "regras_cadastro.h"
#include "trabalhador.h"
#include "vinculo.h"

namespace tolv {

namespace {
const QString kOrdem = QStringLiteral("ORDER BY EMP.NO_RAZAO_SOCIAL, EMP.NU_TIPO_INSO_EMPRA, EMP.NU_INSCRICAO");
const QString kSomenteEmpresas = QStringLiteral("EMP.IC_ESTADO_EMPRESA IN ('E', 'A')");
} // namespace

TEmpresa::TEmpresa(TDBUtils *banco) : TEstabelecimento(banco) { TEmpresa::Inicializar(); }

void TEmpresa::Inicializar()
{
    TEstabelecimento::Inicializar();
    TEmpresa::Limpar();
}

void TEmpresa::Limpar()
{
    TEstabelecimento::Limpar();
    Simples = 0;
    Cnae.clear();
    Fpas.clear();
    SaldoEmpresa = Money();
}

void TEmpresa::CarregarCampos()
{
    TEstabelecimento::CarregarCampos();
    Simples = qint16(Campo(QStringLiteral("SIMPLES")).toInt());
    const Field cnae = Campo(QStringLiteral("NU_IBGE"));
    Cnae = cnae.isNull() ? QString() : QString::number(cnae.toInt64());
    const Field fpas = Campo(QStringLiteral("FPAS"));
    Fpas = fpas.isNull() ? QString() : QString::number(fpas.toInt64());
    SaldoEmpresa = TemCampo(QStringLiteral("SALDO_EMPRESA")) ? Campo(QStringLiteral("SALDO_EMPRESA")).toMoney() : Money();
}

bool TEmpresa::FpasIgual(int valor) const
{
    const QString f = Aparar(Fpas);
    return !f.isEmpty() && EhNumerico(f) && ConverterInteiro64(f).value_or(-1) == valor;
}

bool TEmpresa::ValidarCnae()
{
    CodigoMensagem.clear();
    const QString cnae = Aparar(Cnae);
    if (cnae.isEmpty()) {
        CodigoMensagem = QStringLiteral("0019");
        return false;
    }
    try {
        if (!EhNumerico(cnae)
            || !ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("NU_IBGE"), QStringLiteral("SFGTBT03_ATIVIDADE_CNAE_NIVEL_5"),
                                                  QStringLiteral("NU_IBGE = ") + SqlNumeroTexto(cnae))))
            CodigoMensagem = QStringLiteral("0140");
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
    }
    return CodigoMensagem.isEmpty();
}

bool TEmpresa::ValidarFpas()
{
    CodigoMensagem.clear();
    const QString fpas = Aparar(Fpas);
    if (fpas.isEmpty()) {
        CodigoMensagem = QStringLiteral("0070");
        return false;
    }
    try {
        if (!EhNumerico(fpas)
            || !ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("NU_INSS"), QStringLiteral("SFGTBT01_FPAS"),
                                                  QStringLiteral("NU_INSS = ") + SqlTexto(fpas))))
            CodigoMensagem = QStringLiteral("0244");
        const bool domestico = FpasIgual(868);
        if (domestico && TipoInscricao != 2)
            CodigoMensagem = QStringLiteral("0226");
        if (!domestico && ContarVinculos(TipoInscricao, 6, true, Inscricao) > 0) {
            CodigoMensagem = QStringLiteral("0429");
            return false;
        }
        if (domestico && ContarVinculos(TipoInscricao, 6, false, Inscricao) > 0)
            CodigoMensagem = QStringLiteral("0432");
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
    }
    return CodigoMensagem.isEmpty();
}

bool TEmpresa::ValidarSimples()
{
    CodigoMensagem.clear();
    if (FpasIgual(868) && Simples != 1)
        CodigoMensagem = QStringLiteral("0123");
    if ((FpasIgual(582) || FpasIgual(639)) && Simples != 1 && Simples != 5)
        CodigoMensagem = QStringLiteral("0124");
    try {
        if (!ExisteLinha(*Banco(), QStringLiteral("SELECT NU_SIMPLES FROM SFGTBT02_TIPO_OPCAO_SIMPLES WHERE NU_SIMPLES = ")
                                       + QString::number(Simples)))
            CodigoMensagem = QStringLiteral("0213");
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
    }
    if (Simples == 4 && !(FpasIgual(604) && TipoInscricao == 2))
        CodigoMensagem = QStringLiteral("0126");
    return CodigoMensagem.isEmpty();
}

bool TEmpresa::ConsultarEmpresa(int tipoInscricao, const QString &inscricao)
{
    CodigoMensagem.clear();
    const auto numero = ConverterInteiro64(inscricao);
    if (!numero) {
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        return true;
    }
    return AbrirConsulta(SqlSelect + SqlFrom
                         + QStringLiteral("WHERE EMP.NU_TIPO_INSO_EMPRA = %1 AND   EMP.NU_INSCRICAO       = %2 AND ")
                               .arg(tipoInscricao)
                               .arg(*numero)
                         + kSomenteEmpresas);
}

bool TEmpresa::AbrirTodos()
{
    CodigoMensagem.clear();
    return AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + kSomenteEmpresas + QLatin1Char(' ') + kOrdem);
}

bool TEmpresa::ListarComVinculos()
{
    CodigoMensagem.clear();
    return AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + kSomenteEmpresas
                         + QStringLiteral(" AND EXISTS (SELECT 1 FROM SFGTBG04_VINCULO_EMPREGATICIO VINC "
                                          "WHERE VINC.NU_TIPO_INSO_EMPRA = EMP.NU_TIPO_INSO_EMPRA "
                                          "AND VINC.NU_INSCRICAO = EMP.NU_INSCRICAO) ")
                         + kOrdem);
}

bool TEmpresa::LocalizarPorNome(const QString &texto)
{
    CodigoMensagem.clear();
    QString filtro;
    if (!EstaVazio(texto))
        filtro = QStringLiteral(" AND UPPER(EMP.NO_RAZAO_SOCIAL) STARTING WITH UPPER(%1)").arg(SqlTexto(texto));
    return AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE ") + kSomenteEmpresas + filtro + QLatin1Char(' ')
                         + kOrdem);
}

bool TEmpresa::LocalizarInscricao(const QString &texto)
{
    const auto procurada = ConverterInteiro64(texto);
    ResultSet *ds = ObterDataSet();
    if (!procurada || !ds)
        return false;
    for (int linha = 0; linha < ds->rowCount(); ++linha) {
        ds->moveTo(linha);
        if (ds->field(QStringLiteral("NU_INSCRICAO")).toInt64() == *procurada) {
            CarregarCampos();
            return true;
        }
    }
    return false;
}

bool TEmpresa::ListarComSaldo(int tipoInscricao, bool todos, const QString &ordem, qint64 pis, qint64 inscricao)
{
    CodigoMensagem.clear();
    QString sql = SqlSelect + QStringLiteral(", SUM(TRAB.VR_SALDO_RESCISORIO) AS SALDO_EMPRESA ") + SqlFrom
                  + QStringLiteral("LEFT JOIN SFGTBG10_CONTA_EMPREGADO_FGTS TRAB "
                                   "ON TRAB.NU_TIPO_INSO_EMPRA = EMP.NU_TIPO_INSO_EMPRA "
                                   "AND TRAB.NU_INSCRICAO = EMP.NU_INSCRICAO "
                                   "WHERE ")
                  + kSomenteEmpresas + QStringLiteral(" AND TRAB.NU_SITUACAO_CONTA_EMPREGADO <> 3 ");
    if (!todos) {
        if (tipoInscricao > 0)
            sql += QStringLiteral("AND EMP.NU_TIPO_INSO_EMPRA = %1 ").arg(tipoInscricao);
        if (inscricao > 0)
            sql += QStringLiteral("AND EMP.NU_INSCRICAO = %1 ").arg(inscricao);
        if (pis > 0)
            sql += QStringLiteral("AND TRAB.NU_PIS = %1 ").arg(pis);
    }
    sql += QStringLiteral(
        "GROUP BY EMP.NU_TIPO_INSO_EMPRA, EMP.NU_INSCRICAO, EMP.NU_SIMPLES, EMP.SG_UF, EMP.NU_IBGE, EMP.NU_INSS, "
        "EMP.DE_LOGRADOURO, EMP.NO_BAIRRO, EMP.NU_CEP, EMP.NO_LOCALIDADE, EMP.NU_DDD, EMP.NU_TELEFONE, "
        "EMP.IC_ESTADO_EMPRESA, EMP.NO_CONTATO, EMP.CO_ENDERECO_VIRTUAL_CONTATO, EMP.NO_RAZAO_SOCIAL "
        "HAVING SUM(TRAB.VR_SALDO_RESCISORIO) >= 0 ");
    if (!EstaVazio(ordem))
        sql += QStringLiteral("ORDER BY ") + ordem;
    return AbrirConsulta(sql);
}

int TEmpresa::ContarVinculos(int tipoInscricao, int categoria, bool igual, const QString &inscricao)
{
    const auto numero = ConverterInteiro64(inscricao);
    if (!numero)
        return 0;
    const auto rs = Banco()->Abrir(QStringLiteral("SELECT COUNT(*) AS QUANTIDADE FROM SFGTBG04_VINCULO_EMPREGATICIO "
                                                  "WHERE NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2 "
                                                  "AND NU_CATEGORIA %3 %4")
                                       .arg(tipoInscricao)
                                       .arg(*numero)
                                       .arg(igual ? QStringLiteral("=") : QStringLiteral("<>"))
                                       .arg(categoria));
    rs->first();
    return rs->field(QStringLiteral("QUANTIDADE")).toInt();
}

bool TEmpresa::Incluir()
{
    CodigoMensagem.clear();
    try {
        const QString chave = CondicaoChave(QString());
        if (chave.isEmpty() || !ConverterInteiro64(Inscricao))
            throw ENegocio(QStringLiteral("Inscrição não numérica: ") + Inscricao);
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA WHERE ") + chave);
        QString estado;
        if (rs->rowCount() > 0) {
            rs->first();
            estado = Aparar(rs->field(QStringLiteral("IC_ESTADO_EMPRESA")).toString());
        }
        if (estado == QLatin1String("E") || estado == QLatin1String("A")) {
            CodigoMensagem = QStringLiteral("0207");
            return false;
        }
        if (rs->rowCount() == 0) {
            TEndereco &e = Endereco();
            Banco()->Executar(SqlInsert(QStringLiteral("SFGTBG02_EMPRESA"),
                                        {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(TipoInscricao)},
                                         {QStringLiteral("NU_INSCRICAO"), SqlNumeroTexto(Inscricao)},
                                         {QStringLiteral("NU_SIMPLES"), SqlInteiro(Simples)},
                                         {QStringLiteral("SG_UF"), SqlTexto(e.Uf)},
                                         {QStringLiteral("NU_IBGE"), SqlNumeroOuNulo(Cnae)},
                                         {QStringLiteral("NU_INSS"), SqlNumeroOuNulo(Fpas)},
                                         {QStringLiteral("NO_RAZAO_SOCIAL"), SqlTexto(RazaoSocial)},
                                         {QStringLiteral("DE_LOGRADOURO"), SqlTexto(e.Logradouro)},
                                         {QStringLiteral("NO_BAIRRO"), SqlTexto(e.Bairro)},
                                         {QStringLiteral("NU_CEP"), SqlNumeroOuNulo(e.Cep)},
                                         {QStringLiteral("NO_LOCALIDADE"), SqlTexto(e.Localidade)},
                                         {QStringLiteral("NU_DDD"), SqlNumeroOuNulo(Ddd)},
                                         {QStringLiteral("NU_TELEFONE"), SqlNumeroOuNulo(Telefone)},
                                         {QStringLiteral("NO_CONTATO"), QStringLiteral("Null")},
                                         {QStringLiteral("CO_ENDERECO_VIRTUAL_CONTATO"), SqlTexto(Email)},
                                         {QStringLiteral("IC_ESTADO_EMPRESA"), QStringLiteral("'E'")}}));
            Estado = QStringLiteral("E");
            return true;
        }
        // The responsible party registered as an employer: one row in state "A".
        TransacaoLocal transacao(*Banco());
        if (!Alterar())
            return false;
        Banco()->Executar(QStringLiteral("UPDATE SFGTBG02_EMPRESA SET IC_ESTADO_EMPRESA = 'A' WHERE IC_ESTADO_EMPRESA = 'R'"));
        transacao.Confirmar();
        Estado = QStringLiteral("A");
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TEmpresa::Alterar()
{
    CodigoMensagem.clear();
    try {
        const QString chave = CondicaoChave(QString());
        if (chave.isEmpty())
            throw ENegocio(QStringLiteral("Inscrição não numérica: ") + Inscricao);
        TEndereco &e = Endereco();
        Banco()->Executar(SqlUpdate(QStringLiteral("SFGTBG02_EMPRESA"),
                                    {{QStringLiteral("NU_SIMPLES"), SqlInteiro(Simples)},
                                     {QStringLiteral("SG_UF"), SqlTexto(e.Uf)},
                                     {QStringLiteral("NU_IBGE"), SqlNumeroOuNulo(Cnae)},
                                     {QStringLiteral("NU_INSS"), SqlNumeroOuNulo(Fpas)},
                                     {QStringLiteral("NO_RAZAO_SOCIAL"), SqlTexto(RazaoSocial)},
                                     {QStringLiteral("DE_LOGRADOURO"), SqlTexto(e.Logradouro)},
                                     {QStringLiteral("NO_BAIRRO"), SqlTexto(e.Bairro)},
                                     {QStringLiteral("NU_CEP"), SqlNumeroOuNulo(e.Cep)},
                                     {QStringLiteral("NO_LOCALIDADE"), SqlTexto(e.Localidade)},
                                     {QStringLiteral("NU_DDD"), SqlNumeroOuNulo(Ddd)},
                                     {QStringLiteral("NU_TELEFONE"), SqlNumeroOuNulo(Telefone)}},
                                    chave));
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TEmpresa::Excluir(const NotificacaoRaiz &aoAlterarRaiz)
{
    CodigoMensagem.clear();
    try {
        const QString chave = CondicaoChave(QString());
        const auto inscricao = ConverterInteiro64(Inscricao);
        if (chave.isEmpty() || !inscricao)
            throw ENegocio(QStringLiteral("Inscrição não numérica: ") + Inscricao);
        TransacaoLocal transacao(*Banco());
        const auto rs = Banco()->Abrir(QStringLiteral("SELECT IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA WHERE ") + chave);
        QString estado;
        if (rs->rowCount() > 0) {
            rs->first();
            estado = Aparar(rs->field(QStringLiteral("IC_ESTADO_EMPRESA")).toString());
        }

        TTrabalhador trabalhador(Banco());
        trabalhador.Vinculo().NU_TIPO_INSO_EMPRA = qint16(TipoInscricao);
        trabalhador.Vinculo().NU_INSCRICAO = *inscricao;
        trabalhador.Excluir(true);

        if (estado == QLatin1String("A")) {
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG02_EMPRESA SET IC_ESTADO_EMPRESA = 'R', NU_SIMPLES = NULL, "
                                             "NU_IBGE = NULL, NU_INSS = NULL WHERE IC_ESTADO_EMPRESA = 'A' AND ")
                              + chave);
        } else {
            Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG02_EMPRESA WHERE ") + chave
                              + QStringLiteral(" AND IC_ESTADO_EMPRESA = 'E'"));
        }
        transacao.Confirmar();
        if (estado == QLatin1String("A")) {
            Estado = QStringLiteral("R");
            if (aoAlterarRaiz)
                aoAlterarRaiz(TRaizArvore{TipoInscricao, *inscricao, QStringLiteral("R")});
        }
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        throw;
    }
}

} // namespace tolv
