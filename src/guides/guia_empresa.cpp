#include "guia_empresa.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "registration/endereco.h"

namespace tolv {

namespace {

const char *const kColunas[] = {
    "CO_BARRAS", "NU_TIPO_INSCRICAO_GUIA", "NU_INSCRICAO_GUIA", "NO_RAZAO_SOCIAL", "DE_LOGRADOURO", "NU_DDD",
    "NU_TELEFONE", "NU_CEP", "NO_BAIRRO", "NO_LOCALIDADE", "SG_UF_GUIA_TOTALIZADORA", "NU_FPAS_GUIA",
    "NU_SIMPLES_GUIA", "NU_CNAE_GUIA", "NU_BANCO", "NU_AGENCIA", "DT_RECOLHIMENTO", "DT_QUITACAO", "DT_PROCESSAMENTO",
};



} // namespace

bool SqlDigitos(const QString &texto, QString &sql)
{
    const QString t = texto.trimmed();
    if (t.isEmpty()) {
        sql = QStringLiteral("NULL");
        return true;
    }
    const auto v = ConverterInteiro64(t);
    if (!v)
        return false;
    sql = QString::number(*v);
    return true;
}

TGuiaEmpresa::TGuiaEmpresa(TDBUtils *banco) : TNegocio(banco), m_empresa(std::make_unique<TEmpresa>(banco))
{
    TGuiaEmpresa::Inicializar();
}

TGuiaEmpresa::~TGuiaEmpresa() = default;

void TGuiaEmpresa::Inicializar()
{
    TNegocio::Inicializar();
    CodigoBarras.clear();
    NumeroBanco.clear();
    NumeroAgencia.clear();
    DataProcessamento = DataQuitacao = DataRecolhimento = DataNula;
    QStringList cols;
    for (const char *c : kColunas)
        cols << QStringLiteral("GUIAEMP.") + QLatin1String(c);
    SqlSelect = QStringLiteral("SELECT ") + cols.join(QStringLiteral(", ")) + QLatin1Char(' ');
    SqlFrom = QStringLiteral("FROM SFGTBG08_GUIA_TOTALIZADORA GUIAEMP ");
}

// The fields keep their values until the next row is loaded.
void TGuiaEmpresa::Limpar() {}

void TGuiaEmpresa::CarregarCampos()
{
    TNegocio::CarregarCampos();
    CodigoBarras = Campo(QStringLiteral("CO_BARRAS")).toString().trimmed();
    TEmpresa &e = *m_empresa;
    e.TipoInscricao = TextoParaInteiro(Campo(QStringLiteral("NU_TIPO_INSCRICAO_GUIA")).toString());
    e.Inscricao = Campo(QStringLiteral("NU_INSCRICAO_GUIA")).toString();
    e.RazaoSocial = Campo(QStringLiteral("NO_RAZAO_SOCIAL")).toString();
    e.Endereco().Logradouro = Campo(QStringLiteral("DE_LOGRADOURO")).toString();
    e.Endereco().Bairro = Campo(QStringLiteral("NO_BAIRRO")).toString();
    e.Endereco().Localidade = Campo(QStringLiteral("NO_LOCALIDADE")).toString();
    e.Endereco().Cep = Campo(QStringLiteral("NU_CEP")).toString();
    e.Endereco().Uf = Campo(QStringLiteral("SG_UF_GUIA_TOTALIZADORA")).toString();
    e.Ddd = Campo(QStringLiteral("NU_DDD")).toString();
    e.Telefone = Campo(QStringLiteral("NU_TELEFONE")).toString();
    e.Fpas = Campo(QStringLiteral("NU_FPAS_GUIA")).toString();
    e.Simples = qint16(Campo(QStringLiteral("NU_SIMPLES_GUIA")).toInt());
    e.Cnae = Campo(QStringLiteral("NU_CNAE_GUIA")).toString();
    NumeroBanco = Campo(QStringLiteral("NU_BANCO")).toString();
    NumeroAgencia = Campo(QStringLiteral("NU_AGENCIA")).toString();
    // a NULL date loads as day 0, as every date column does
    DataRecolhimento = Campo(QStringLiteral("DT_RECOLHIMENTO")).toDate();
    DataQuitacao = Campo(QStringLiteral("DT_QUITACAO")).toDate();
    DataProcessamento = Campo(QStringLiteral("DT_PROCESSAMENTO")).toDate();
}

bool TGuiaEmpresa::LocalizarPorCodigo()
{
    try {
        AtribuirDataSet(Banco()->Abrir(SqlSelect + SqlFrom + QStringLiteral("WHERE GUIAEMP.CO_BARRAS = ")
                                       + SqlTexto(CodigoBarras)));
        IrPrimeiro();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TGuiaEmpresa::ListarPorCodigos(const TListaDadoEmpresa &lista, const QString &colunaOrdem)
{
    if (lista.isEmpty() || (!colunaOrdem.isEmpty() && !OrdemSegura(colunaOrdem)))
        return false;
    QStringList conds;
    for (const TDadoEmpresa &d : lista)
        conds << QStringLiteral("GUIAEMP.CO_BARRAS = ") + SqlTexto(d.CodigoBarras);
    QString sql = SqlSelect + SqlFrom + QStringLiteral("WHERE ") + conds.join(QStringLiteral(" OR "));
    if (!colunaOrdem.isEmpty())
        sql += QStringLiteral(" ORDER BY GUIAEMP.") + colunaOrdem;
    try {
        AtribuirDataSet(Banco()->Abrir(sql));
        IrPrimeiro();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

std::unique_ptr<ResultSet> TGuiaEmpresa::LinhasArquivoEnviado(const QString &protocolo, DateTime envio)
{
    if (protocolo.trimmed().isEmpty() || envio.msecs() <= 0)
        return nullptr;
    return Banco()->Abrir(QStringLiteral("SELECT DE_LINHA_ARQUIVO FROM SFGTBG14_OCORRENCIA_GUIA WHERE CO_PROTOCOLO = ")
                          + SqlTexto(protocolo) + QStringLiteral(" AND DT_ENVIO_PROTOCOLO = ")
                          + SqlData(envio, false, false) + QStringLiteral(" ORDER BY NU_LINHA"));
}

bool TGuiaEmpresa::existe(bool &achou)
{
    try {
        achou = Banco()->Abrir(QStringLiteral("SELECT CO_BARRAS FROM SFGTBG08_GUIA_TOTALIZADORA WHERE CO_BARRAS = ")
                               + SqlTexto(CodigoBarras))
                    ->rowCount()
            > 0;
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

// The employer columns, in table order from NU_TIPO_INSCRICAO_GUIA to NU_CNAE_GUIA.
// Numeric texts must be digits: anything else never reaches the statement.
QStringList TGuiaEmpresa::valoresEmpresa(QString &erro) const
{
    const TEmpresa &e = *m_empresa;
    QString insc, ddd, tel, cep, fpas, cnae;
    if (!SqlDigitos(e.InscricaoFormatada(), insc) || !SqlDigitos(e.Ddd, ddd) || !SqlDigitos(e.Telefone, tel)
        || !SqlDigitos(m_empresa->Endereco().Cep, cep) || !SqlDigitos(e.Fpas, fpas) || !SqlDigitos(e.Cnae, cnae)) {
        erro = QStringLiteral("0144");
        return {};
    }
    return QStringList{QString::number(e.TipoInscricao), insc,
                       SqlTexto(e.RazaoSocial), SqlTexto(m_empresa->Endereco().Logradouro), ddd, tel, cep,
                       SqlTexto(m_empresa->Endereco().Bairro), SqlTexto(m_empresa->Endereco().Localidade),
                       SqlTexto(m_empresa->Endereco().Uf), fpas, QString::number(e.Simples), cnae};
}

bool TGuiaEmpresa::GravarValidada()
{
    bool achou = false;
    if (!existe(achou))
        return false;
    QString erro;
    const QStringList valores = valoresEmpresa(erro);
    if (!erro.isEmpty()) {
        CodigoMensagem = erro;
        return false;
    }
    const QString empresa = valores.join(QStringLiteral(", "));
    const QString datas = SqlDataColuna(DataRecolhimento) + QStringLiteral(", ") + SqlDataColuna(DataQuitacao)
        + QStringLiteral(", ") + SqlDataColuna(DataProcessamento);
    try {
        if (!CodigoBarras.trimmed().isEmpty() && !achou) {
            Banco()->Executar(QStringLiteral("INSERT INTO SFGTBG08_GUIA_TOTALIZADORA VALUES (") + SqlTexto(CodigoBarras.trimmed())
                              + QStringLiteral(", ") + empresa + QStringLiteral(", null, null, ") + datas + QStringLiteral(")"));
        } else if (!CodigoBarras.trimmed().isEmpty()) {
            QStringList sets;
            for (int i = 1; i <= 13; ++i)
                sets << QLatin1String(kColunas[i]) + QStringLiteral(" = ") + valores.value(i - 1);
            sets << QStringLiteral("NU_BANCO = null") << QStringLiteral("NU_AGENCIA = null")
                 << QStringLiteral("DT_RECOLHIMENTO = ") + SqlDataColuna(DataRecolhimento)
                 << QStringLiteral("DT_QUITACAO = ") + SqlDataColuna(DataQuitacao)
                 << QStringLiteral("DT_PROCESSAMENTO = ") + SqlDataColuna(DataProcessamento);
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG08_GUIA_TOTALIZADORA SET ") + sets.join(QStringLiteral(", "))
                              + QStringLiteral(" WHERE CO_BARRAS = ") + SqlTexto(CodigoBarras));
        }
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TGuiaEmpresa::GravarProcessada()
{
    if (CodigoBarras.trimmed().isEmpty())
        return false;
    QString banco, agencia;
    if (!SqlDigitos(NumeroBanco, banco) || !SqlDigitos(NumeroAgencia, agencia))
        return false;
    bool achou = false;
    if (!existe(achou))
        return false;
    const QString datas = SqlDataColuna(DataRecolhimento) + QStringLiteral(", ") + SqlDataColuna(DataQuitacao)
        + QStringLiteral(", ") + SqlDataColuna(DataProcessamento);
    try {
        if (achou) {
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG08_GUIA_TOTALIZADORA SET NU_BANCO = %1, NU_AGENCIA = %2, "
                                             "DT_RECOLHIMENTO = %3, DT_QUITACAO = %4, DT_PROCESSAMENTO = %5 WHERE CO_BARRAS = %6")
                                  .arg(banco, agencia, SqlDataColuna(DataRecolhimento), SqlDataColuna(DataQuitacao),
                                       SqlDataColuna(DataProcessamento), SqlTexto(CodigoBarras)));
        } else {
            QString erro;
            const QString empresa = valoresEmpresa(erro).join(QStringLiteral(", "));
            if (!erro.isEmpty())
                return false;
            Banco()->Executar(QStringLiteral("INSERT INTO SFGTBG08_GUIA_TOTALIZADORA VALUES (") + SqlTexto(CodigoBarras.trimmed())
                              + QStringLiteral(", ") + empresa + QStringLiteral(", ") + banco + QStringLiteral(", ")
                              + agencia + QStringLiteral(", ") + datas + QStringLiteral(")"));
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TGuiaEmpresa::AlterarCodigo(const QString &codigoAntigo, const QString &codigoNovo)
{
    try {
        // The lines follow through the key's update cascade.
        Banco()->Executar(QStringLiteral("UPDATE SFGTBG08_GUIA_TOTALIZADORA SET CO_BARRAS = ") + SqlTexto(codigoNovo)
                          + QStringLiteral(" WHERE CO_BARRAS = ") + SqlTexto(codigoAntigo));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool TGuiaEmpresa::Excluir()
{
    // One transaction: a guide is never left without its lines or the other way round.
    const bool propria = !Banco()->EmTransacao();
    try {
        if (propria)
            Banco()->IniciarTransacao();
        Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG09_GUIA_INDIVIDUAL WHERE CO_BARRAS = ") + SqlTexto(CodigoBarras));
        Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG08_GUIA_TOTALIZADORA WHERE CO_BARRAS = ") + SqlTexto(CodigoBarras));
        if (propria)
            Banco()->Commit();
        return true;
    } catch (const std::exception &) {
        if (propria && Banco()->EmTransacao())
            try { Banco()->Rollback(); } catch (...) {}
        return false;
    }
}

} // namespace tolv
