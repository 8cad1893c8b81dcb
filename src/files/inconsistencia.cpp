#include "inconsistencia.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "files/linha_fixa.h"
#include "files/tipo_arquivo.h"

namespace tolv {

namespace {

const QString kTabela = QStringLiteral("SFGTBG18_INCONSISTENCIA_ARQUIVO");

// Text in apostrophes, inner apostrophes doubled, cut to the column's width. A blank
// text stays an empty text (not NULL) and is never trimmed: the log keeps what the
// line held. A value too long for its column would make the whole row fail.
QString Texto(const QString &texto, int largura)
{
    QString t = texto.left(largura);
    t.replace(QChar(u'\0'), QLatin1Char(' '));
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString DataAdmissaoSql(const QString &texto)
{
    if (EstaVazio(texto))
        return QStringLiteral("NULL");
    const Date data = LerData(texto, false);
    if (data.isNull() || ClassificarData(data) != DataAceitavel)
        return QStringLiteral("NULL");
    return SqlData(data);
}

} // namespace

TInconsistencia::TInconsistencia(TDBUtils *banco)
    : TNegocio(banco)
{
    Inicializar();
}

void TInconsistencia::Inicializar()
{
    TNegocio::Inicializar();
    SqlSelect = QStringLiteral(
        "SELECT ARQ.NU_ARQUIVO, ARQ.CO_REGISTRO, ARQ.NU_LINHA_ERRO, ARQ.NU_MENSAGEM, MSG.DE_MENSAGEM, "
        "ARQ.DE_CONTEUDO_CAMPO, ARQ.NU_TIPO_INSCRICAO_EMPRESA, ARQ.NU_INSCRICAO_EMPRESA, "
        "ARQ.NU_TIPO_INSCRICAO_RSPNL_INCNA, ARQ.NU_INSCRICAO_RSPNL_INCNA, ARQ.CO_PIS_INCONSISTENCIA, "
        "ARQ.NO_EMPREGADO, ARQ.DT_ADMISSAO_INCONSISTENCIA, ARQ.CO_CATEGORIA_INCONSISTENCIA, "
        "ARQ.NU_INCONSISTENCIA, ARQ.NO_RAZAO_SOCIAL_RSPNL_INCNA, ARQ.NO_RAZAO_SOCIAL ");
    SqlFrom = QStringLiteral(
        "FROM SFGTBG18_INCONSISTENCIA_ARQUIVO ARQ "
        "LEFT JOIN SFGTBT13_MENSAGEM_SISTEMA MSG ON MSG.NU_MENSAGEM = ARQ.NU_MENSAGEM ");
    Filtro.clear();
    Limpar();
}

// The filter is a query parameter, not a loaded column: loading a row keeps it.
void TInconsistencia::Limpar()
{
    NumeroInconsistencia = 0;
    NumeroMensagem = 0;
    NumeroArquivo = 0;
    CodigoRegistro.clear();
    LinhaErro = 0;
    ConteudoCampo.clear();
    TipoInscricaoResponsavel.clear();
    InscricaoResponsavel.clear();
    RazaoSocialResponsavel.clear();
    TipoInscricaoEmpresa.clear();
    InscricaoEmpresa.clear();
    RazaoSocialEmpresa.clear();
    Pis.clear();
    DataAdmissao.clear();
    Categoria.clear();
    NomeEmpregado.clear();
    DescricaoMensagem.clear();
}

void TInconsistencia::CarregarCampos()
{
    TNegocio::CarregarCampos();
    NumeroInconsistencia = Campo(QStringLiteral("NU_INCONSISTENCIA")).toInt();
    NumeroMensagem = Campo(QStringLiteral("NU_MENSAGEM")).toInt();
    NumeroArquivo = Campo(QStringLiteral("NU_ARQUIVO")).toInt();
    CodigoRegistro = Campo(QStringLiteral("CO_REGISTRO")).toString();
    LinhaErro = Campo(QStringLiteral("NU_LINHA_ERRO")).toInt();
    ConteudoCampo = Campo(QStringLiteral("DE_CONTEUDO_CAMPO")).toString();
    TipoInscricaoResponsavel = Campo(QStringLiteral("NU_TIPO_INSCRICAO_RSPNL_INCNA")).toString();
    InscricaoResponsavel = Campo(QStringLiteral("NU_INSCRICAO_RSPNL_INCNA")).toString();
    RazaoSocialResponsavel = Campo(QStringLiteral("NO_RAZAO_SOCIAL_RSPNL_INCNA")).toString();
    TipoInscricaoEmpresa = Campo(QStringLiteral("NU_TIPO_INSCRICAO_EMPRESA")).toString();
    InscricaoEmpresa = Campo(QStringLiteral("NU_INSCRICAO_EMPRESA")).toString();
    RazaoSocialEmpresa = Campo(QStringLiteral("NO_RAZAO_SOCIAL")).toString();
    Pis = Campo(QStringLiteral("CO_PIS_INCONSISTENCIA")).toString();
    // Kept in the form it was logged in; a NULL column is no date, not day 0.
    const Field admissao = Campo(QStringLiteral("DT_ADMISSAO_INCONSISTENCIA"));
    DataAdmissao = admissao.isNull() ? QString() : FormatarData(QStringLiteral("ddmmyyyy"), admissao.toDate());
    Categoria = Campo(QStringLiteral("CO_CATEGORIA_INCONSISTENCIA")).toString();
    NomeEmpregado = Campo(QStringLiteral("NO_EMPREGADO")).toString();
    DescricaoMensagem = Campo(QStringLiteral("DE_MENSAGEM")).toString();
}

bool TInconsistencia::ExcluirPorArquivo(TDBUtils *sql)
{
    try {
        TDBUtils *db = sql ? sql : Banco();
        if (!db)
            return false;
        db->Executar(QStringLiteral("DELETE FROM %1 WHERE NU_ARQUIVO = %2").arg(kTabela).arg(NumeroArquivo));
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

int TInconsistencia::Incluir(TDBUtils *sql)
{
    try {
        TDBUtils *db = sql ? sql : Banco();
        if (!db)
            return FalhaInclusao;
        const auto catalogo = db->Abrir(
            QStringLiteral("SELECT NU_MENSAGEM FROM SFGTBT13_MENSAGEM_SISTEMA WHERE NU_MENSAGEM = %1").arg(NumeroMensagem));
        if (catalogo->rowCount() == 0) {
            CodigoMensagem = QStringLiteral("0396");
            return CodigoNaoCatalogado;
        }

        const QString nulo = QStringLiteral("NULL");
        const QStringList valores = {
            QStringLiteral("GEN_ID(GEN_SFGTBG18_ARQUIVO_ID, 1)"),
            QString::number(NumeroMensagem),
            QString::number(NumeroArquivo),
            Texto(CodigoRegistro, 2),
            LinhaErro == 0 ? nulo : QString::number(LinhaErro),
            Texto(CampoTexto(ConteudoCampo, 70), 70),
            Texto(TipoInscricaoResponsavel, 5),
            Texto(InscricaoResponsavel, 20),
            Texto(RazaoSocialResponsavel, 70),
            Texto(TipoInscricaoEmpresa, 5),
            EstaVazio(InscricaoEmpresa) ? nulo : Texto(InscricaoEmpresa, 20),
            Texto(RazaoSocialEmpresa, 70),
            Texto(Pis, 20),
            DataAdmissaoSql(DataAdmissao),
            Texto(Categoria, 5),
            Texto(NomeEmpregado, 70),
        };
        db->Executar(QStringLiteral(
                         "INSERT INTO %1 (NU_INCONSISTENCIA, NU_MENSAGEM, NU_ARQUIVO, CO_REGISTRO, NU_LINHA_ERRO, "
                         "DE_CONTEUDO_CAMPO, NU_TIPO_INSCRICAO_RSPNL_INCNA, NU_INSCRICAO_RSPNL_INCNA, "
                         "NO_RAZAO_SOCIAL_RSPNL_INCNA, NU_TIPO_INSCRICAO_EMPRESA, NU_INSCRICAO_EMPRESA, NO_RAZAO_SOCIAL, "
                         "CO_PIS_INCONSISTENCIA, DT_ADMISSAO_INCONSISTENCIA, CO_CATEGORIA_INCONSISTENCIA, NO_EMPREGADO) "
                         "VALUES (%2)")
                         .arg(kTabela, valores.join(QStringLiteral(", "))));
        return IncluidaOk;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return FalhaInclusao;
    }
}

bool TInconsistencia::Consultar()
{
    const QString filtro = Aparar(Filtro);
    if (!EhNumerico(filtro) || filtro.size() > 9)
        throw ENegocio(QStringLiteral("Tipo de arquivo inválido: ") + Filtro);
    QString sql = SqlSelect + SqlFrom;
    if (!filtro.isEmpty())
        sql += QStringLiteral("WHERE ARQ.NU_ARQUIVO = ") + QString::number(filtro.toInt()) + QLatin1Char(' ');
    sql += QStringLiteral("ORDER BY ARQ.NU_INCONSISTENCIA, ARQ.NU_INSCRICAO_EMPRESA, ARQ.NO_EMPREGADO, "
                          "ARQ.NU_ARQUIVO, ARQ.CO_REGISTRO, ARQ.NU_LINHA_ERRO");
    try {
        AtribuirDataSet(Banco()->Abrir(sql));
    } catch (const std::exception &) {
        AtribuirDataSet(nullptr);
        Limpar();
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
    if (QuantidadeRegistros() == 0)
        return false;
    IrPrimeiro();
    return true;
}

bool TInconsistencia::ConsultarFolha()
{
    Filtro = QString::number(ArquivoFolha);
    return Consultar();
}

bool TInconsistencia::ConsultarSaldo()
{
    Filtro = QString::number(ArquivoSaldo);
    return Consultar();
}

bool TInconsistencia::ConsultarFechamento()
{
    Filtro = QString::number(ArquivoFechamento);
    return Consultar();
}

bool TInconsistencia::ConsultarGuiasProcessadas()
{
    Filtro = QString::number(ArquivoGuiasProcessadas);
    return Consultar();
}

bool TInconsistencia::IncluirFechamento(const QString &codigoMensagem, const QString &tipoInscricaoResponsavel,
                                        const QString &nomeEmpregado, const QString &dataAdmissao,
                                        const QString &categoria, const QString &pis,
                                        const QString &razaoSocialEmpresa, const QString &inscricaoEmpresa,
                                        const QString &tipoInscricaoEmpresa, const QString &razaoSocialResponsavel,
                                        const QString &inscricaoResponsavel)
{
    try {
        Limpar();
        NumeroMensagem = TextoParaInteiro(codigoMensagem);
        NumeroArquivo = ArquivoFechamento;
        TipoInscricaoResponsavel = tipoInscricaoResponsavel;
        NomeEmpregado = nomeEmpregado;
        DataAdmissao = dataAdmissao;
        Categoria = categoria;
        Pis = pis;
        RazaoSocialEmpresa = razaoSocialEmpresa;
        InscricaoEmpresa = inscricaoEmpresa;
        TipoInscricaoEmpresa = tipoInscricaoEmpresa;
        RazaoSocialResponsavel = razaoSocialResponsavel;
        InscricaoResponsavel = inscricaoResponsavel;
        // a row that was not written must not pass for a logged refusal
        return Incluir(nullptr) == IncluidaOk;
    } catch (const std::exception &) {
        return false;
    }
}

// ---------------------------------------------------------------------------
// Report content

namespace {

int TipoInscricao(const QString &tipo) { return TextoParaInteiro(Aparar(tipo)); }

// A CEI shows its twelve digits; a value written into a wider numeric field carries
// leading zeros that are not part of it.
QString FormatarCei(const QString &inscricao)
{
    QString d = ExtrairDigitos(inscricao);
    while (d.size() > 12 && d.startsWith(QLatin1Char('0')))
        d.remove(0, 1);
    return CompletarZeros(d, 12);
}

QString FormatarPisRelatorio(const QString &pis)
{
    const QString t = Aparar(pis);
    if (t.isEmpty() || (EhNumerico(t) && TextoParaInteiro64(t) == 0))
        return {};
    if (!EhNumerico(t))
        return t;
    return MascararPis(t);
}

QString SemBrancosFinais(const QString &texto)
{
    qsizetype n = texto.size();
    while (n > 0 && texto.at(n - 1) == QLatin1Char(' '))
        --n;
    return texto.left(n);
}

} // namespace

QString SubtituloRelInconsistencia(int tipoArquivo)
{
    switch (tipoArquivo) {
    case ArquivoFolha:
        return QStringLiteral("FOLHA DE PAGAMENTO");
    case ArquivoSaldo:
        return QStringLiteral("ARQUIVO SALDO RESCISÓRIO");
    case ArquivoGuiasProcessadas:
        return QStringLiteral("ARQUIVO GUIAS PROCESSADAS");
    default:
        return {};
    }
}

QString TextoResponsavelRelatorio(const QString &tipoInscricao, const QString &inscricao, const QString &nome)
{
    QString insc;
    if (!EstaVazio(inscricao)) {
        switch (TipoInscricao(tipoInscricao)) {
        case 1:
            insc = MascararCnpj(inscricao);
            break;
        case 2:
            insc = FormatarCei(inscricao);
            break;
        default:
            insc = inscricao;
        }
    }
    return QStringLiteral("RESPONSÁVEL: ") + insc + QStringLiteral(" - ") + Aparar(nome);
}

QString TextoEmpresaRelatorio(const QString &tipoInscricao, const QString &inscricao, const QString &nome)
{
    if (EstaVazio(inscricao))
        return {};
    QString r = QStringLiteral("EMPRESA: ")
        + (TipoInscricao(tipoInscricao) == 2 ? FormatarCei(inscricao) : MascararCnpj(inscricao));
    if (!EstaVazio(nome))
        r += QStringLiteral(" - ") + Aparar(nome);
    return r;
}

QString DescricaoMensagemRelatorio(int codigo, const QString &descricao, const QString &conteudo, Date dataEdital)
{
    const QString amp = QStringLiteral("&");
    const bool temEdital = dataEdital.isRealDate() && ClassificarData(dataEdital) == DataAceitavel;
    if (codigo == 201) {
        QString janela;
        if (temEdital) {
            const Date inicio = Date::fromYmd(dataEdital.year(), dataEdital.month(), 10);
            const Date proximo = inicio.addMonths(1);
            const Date fim = Date::fromYmd(proximo.year(), proximo.month(), 9);
            janela = DataParaTexto(inicio) + QStringLiteral(" à ") + DataParaTexto(fim);
        }
        return SubstituirTextos(descricao, amp, {janela}, false);
    }
    if (codigo == 372) {
        const QString competencia = conteudo.mid(0, 2) + QLatin1Char('/') + conteudo.mid(2, 4);
        return SubstituirTextos(descricao, amp, {competencia, temEdital ? DataParaTexto(dataEdital) : QString()},
                                false);
    }
    return descricao;
}

LinhaRelInconsistencia MontarLinhaRelInconsistencia(const TInconsistencia &inc, Date dataEdital)
{
    LinhaRelInconsistencia l;
    l.Responsavel = TextoResponsavelRelatorio(inc.TipoInscricaoResponsavel, inc.InscricaoResponsavel,
                                              inc.RazaoSocialResponsavel);
    l.Empresa = TextoEmpresaRelatorio(inc.TipoInscricaoEmpresa, inc.InscricaoEmpresa, inc.RazaoSocialEmpresa);
    l.Registro = inc.CodigoRegistro;
    // Day 0 is what an empty date field reads as; the file held zeros.
    l.Conteudo = Aparar(inc.ConteudoCampo) == QLatin1String("30/12/1899") ? QStringLiteral("00000000")
                                                                           : SemBrancosFinais(inc.ConteudoCampo);
    l.Linha = inc.LinhaErro == 0 ? QString() : QString::number(inc.LinhaErro);
    l.CodigoDescricao = FormatarCodigoMensagem(inc.NumeroMensagem) + QStringLiteral(" - ")
        + DescricaoMensagemRelatorio(inc.NumeroMensagem, inc.DescricaoMensagem, inc.ConteudoCampo, dataEdital);
    l.Trabalhador = Aparar(inc.NomeEmpregado);
    l.Pis = FormatarPisRelatorio(inc.Pis);
    l.Admissao = EstaVazio(inc.DataAdmissao) ? QString() : DigitosParaData(inc.DataAdmissao, false);
    l.Categoria = Aparar(inc.Categoria);
    return l;
}

bool MontarRelInconsistencia(TInconsistencia &inconsistencia, int tipoArquivo, Date dataEdital,
                             DadosRelInconsistencia &dados)
{
    dados = DadosRelInconsistencia{};
    dados.Titulo = kTituloRelInconsistencia;
    dados.Subtitulo = SubtituloRelInconsistencia(tipoArquivo);
    inconsistencia.Filtro = QString::number(tipoArquivo);
    if (!inconsistencia.Consultar())
        return false;
    inconsistencia.IrPrimeiro();
    while (!inconsistencia.Fim()) {
        dados.Linhas.append(MontarLinhaRelInconsistencia(inconsistencia, dataEdital));
        inconsistencia.IrProximo();
    }
    return true;
}

QString FormatarCodigoMensagem(int codigo)
{
    return QStringLiteral("%1").arg(codigo, 4, 10, QLatin1Char('0'));
}

} // namespace tolv
