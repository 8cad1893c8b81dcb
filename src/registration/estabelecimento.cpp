#include "estabelecimento.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "core/validadores.h"
#include "regras_cadastro.h"

namespace tolv {

TEstabelecimento::TEstabelecimento(TDBUtils *banco) : TNegocio(banco) { TEstabelecimento::Inicializar(); }

TEstabelecimento::~TEstabelecimento() = default;

TEndereco &TEstabelecimento::Endereco()
{
    if (!m_endereco)
        m_endereco = std::make_unique<TEndereco>(Banco());
    return *m_endereco;
}

void TEstabelecimento::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral(
        "SELECT EMP.NU_TIPO_INSO_EMPRA, EMP.NU_INSCRICAO AS NU_INSCRICAO, EMP.NU_SIMPLES AS SIMPLES, EMP.SG_UF  , "
        "EMP.NU_IBGE AS NU_IBGE, EMP.NU_INSS AS FPAS, EMP.DE_LOGRADOURO , EMP.NO_BAIRRO  , EMP.NU_CEP  , "
        "EMP.NO_LOCALIDADE  , EMP.NU_DDD  , EMP.NU_TELEFONE  , EMP.IC_ESTADO_EMPRESA, EMP.NO_CONTATO, "
        "EMP.CO_ENDERECO_VIRTUAL_CONTATO, TRIM(EMP.NO_RAZAO_SOCIAL)AS NO_RAZAO_SOCIAL ");
    SqlFrom = QStringLiteral("FROM SFGTBG02_EMPRESA EMP ");
    TEstabelecimento::Limpar();
}

void TEstabelecimento::Limpar()
{
    TipoInscricao = 0;
    Inscricao.clear();
    RazaoSocial.clear();
    Contato.clear();
    Telefone.clear();
    Ddd.clear();
    Email.clear();
    DataPagamentoAbertura = DataNula;
    Estado.clear();
    m_endereco.reset();
}

namespace {
// A stored number as text; a NULL column stays empty.
QString NumeroTexto(const Field &f) { return f.isNull() ? QString() : QString::number(f.toInt64()); }
} // namespace

void TEstabelecimento::CarregarCampos()
{
    TNegocio::CarregarCampos();
    TipoInscricao = Campo(QStringLiteral("NU_TIPO_INSO_EMPRA")).toInt();
    Inscricao = CompletarZeros(QString::number(Campo(QStringLiteral("NU_INSCRICAO")).toInt64()), 14);
    Estado = Aparar(Campo(QStringLiteral("IC_ESTADO_EMPRESA")).toString());
    RazaoSocial = Aparar(Campo(QStringLiteral("NO_RAZAO_SOCIAL")).toString());
    TEndereco &e = Endereco();
    e.Logradouro = Campo(QStringLiteral("DE_LOGRADOURO")).toString();
    e.Bairro = Campo(QStringLiteral("NO_BAIRRO")).toString();
    e.Localidade = Campo(QStringLiteral("NO_LOCALIDADE")).toString();
    e.Uf = Campo(QStringLiteral("SG_UF")).toString();
    // Postal codes of São Paulo start with "0": the number alone would lose it.
    const QString cep = NumeroTexto(Campo(QStringLiteral("NU_CEP")));
    e.Cep = cep.isEmpty() ? cep : CompletarZeros(cep, 8);
    Ddd = NumeroTexto(Campo(QStringLiteral("NU_DDD")));
    Telefone = NumeroTexto(Campo(QStringLiteral("NU_TELEFONE")));
}

QString TEstabelecimento::CondicaoChave(const QString &alias) const
{
    const auto inscricao = ConverterInteiro64(Inscricao);
    if (!inscricao)
        return {};
    return QStringLiteral("%1NU_TIPO_INSO_EMPRA = %2 AND   %1NU_INSCRICAO       = %3")
        .arg(alias)
        .arg(TipoInscricao)
        .arg(*inscricao);
}

bool TEstabelecimento::ConsultarPorInscricao(int tipoInscricao, const QString &inscricao)
{
    CodigoMensagem.clear();
    const auto numero = ConverterInteiro64(inscricao);
    if (!numero) {
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        return true;
    }
    return AbrirConsulta(SqlSelect + SqlFrom
                         + QStringLiteral("WHERE EMP.NU_TIPO_INSO_EMPRA = %1 AND   EMP.NU_INSCRICAO       = %2")
                               .arg(tipoInscricao)
                               .arg(*numero));
}

QString TEstabelecimento::InscricaoFormatada() const
{
    const qint64 n = ConverterInteiro64(Inscricao).value_or(0);
    if (TipoInscricao == 1)
        return CompletarZeros(QString::number(n), 14);
    if (TipoInscricao == 2)
        return CompletarZeros(QString::number(n), 12);
    return QStringLiteral("0");
}

bool TEstabelecimento::ValidarTipoInscricao()
{
    CodigoMensagem.clear();
    if (TipoInscricao != 1 && TipoInscricao != 2)
        CodigoMensagem = QStringLiteral("0129");
    return CodigoMensagem.isEmpty();
}

bool TEstabelecimento::ValidarInscricao()
{
    CodigoMensagem.clear();
    const qint64 n = EhNumerico(Aparar(Inscricao)) ? ConverterInteiro64(Inscricao).value_or(0) : 0;
    if (TipoInscricao == 1 && !ValidarCnpj(n))
        CodigoMensagem = QStringLiteral("0021");
    else if (TipoInscricao == 2 && !ValidarCei(n))
        CodigoMensagem = QStringLiteral("0018");
    return CodigoMensagem.isEmpty();
}

bool TEstabelecimento::ValidarRazaoSocial(bool semEspacosDuplos)
{
    CodigoMensagem.clear();
    const bool valida = !RazaoSocial.isEmpty() && RazaoSocial.at(0) != QLatin1Char(' ') && [&] {
        const QString t = Aparar(RazaoSocial).toUpper();
        return SomenteLetrasDigitosBrancos(t) && SemRepeticaoLetraOuBranco(t, 3)
               && (!semEspacosDuplos || SemEspacosDuplos(t));
    }();
    if (!valida)
        CodigoMensagem = QStringLiteral("0177");
    return CodigoMensagem.isEmpty();
}

bool TEstabelecimento::ValidarDdd()
{
    CodigoMensagem.clear();
    Ddd = QStringLiteral("%1").arg(TextoParaInteiro(Ddd), 4, 10, QLatin1Char('0'));
    if (Ddd.count(QLatin1Char('0')) >= 3)
        CodigoMensagem = QStringLiteral("0024");
    return CodigoMensagem.isEmpty();
}

bool TEstabelecimento::ValidarTelefone()
{
    CodigoMensagem.clear();
    const QString t = Aparar(Telefone);
    bool valido = EhNumerico(t) && t.size() >= 7;
    if (valido && t.size() == 7 && t.at(0) == QLatin1Char('0'))
        valido = false;
    if (valido && t.size() >= 8 && ConverterInteiro64(t.mid(2)).value_or(0) == 0)
        valido = false;
    if (valido) {
        const qint64 n = ConverterInteiro64(t).value_or(0);
        const qint64 n32 = (n > 2147483647) ? 0 : n;  // a value that does not fit reads as 0
        valido = n32 >= 1000000;
    }
    if (!valido)
        CodigoMensagem = QStringLiteral("0128");
    return CodigoMensagem.isEmpty();
}

bool TEstabelecimento::ValidarEmail()
{
    CodigoMensagem.clear();
    if (Email.isEmpty())
        return true;
    int arrobas = 0, pontos = 0;
    bool outrosValidos = true;
    for (QChar c : Email) {
        if (c == QLatin1Char('@')) {
            ++arrobas;
        } else if (c == QLatin1Char('.')) {
            ++pontos;
        } else {
            const QChar u = c.toUpper();
            const bool ok = u == QLatin1Char('-') || u == QLatin1Char('_')
                            || (u >= QLatin1Char('0') && u <= QLatin1Char('9'))
                            || (u >= QLatin1Char('A') && u <= QLatin1Char('Z'));
            outrosValidos = outrosValidos && ok;
        }
    }
    if (arrobas != 1 || pontos < 1 || !outrosValidos)
        CodigoMensagem = QStringLiteral("0065");
    return CodigoMensagem.isEmpty();
}

} // namespace tolv
