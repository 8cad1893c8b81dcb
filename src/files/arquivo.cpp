#include "arquivo.h"

#include "core/errors.h"
#include "files/linha_fixa.h"

#include <QDir>
#include <QFileInfo>

namespace tolv {

TArquivo::TArquivo(TDBUtils *banco)
    : TNegocio(banco)
    , Inconsistencia(std::make_unique<TInconsistencia>(Banco()))
{
    TArquivo::Inicializar();
}

TArquivo::~TArquivo() = default;

void TArquivo::Inicializar()
{
    TNegocio::Inicializar();
    IndiceLinha = 0;
    TipoRegistroAtual = 0;
}

bool TArquivo::ValidarCaminho(bool abertoEhErro)
{
    if (NomeArquivo.isEmpty())
        return false;
    if (!QFileInfo(NomeArquivo).absoluteDir().exists())
        return false;
    return !(abertoEhErro && Aberto);
}

bool TArquivo::AbrirLeitura()
{
    if (!ValidarCaminho(true))
        return false;
    m_arquivo.setFileName(NomeArquivo);
    if (QFileInfo(NomeArquivo).isDir() || !m_arquivo.open(QIODevice::ReadOnly)) {
        Aberto = false;
        return false;
    }
    Modo = QStringLiteral("L");
    Aberto = true;
    Linhas.clear();
    // A file that opens but cannot be read is as unusable as one that does not open.
    if (!CarregarLinhas()) {
        Fechar();
        Linhas.clear();
        return false;
    }
    return true;
}

bool TArquivo::CarregarLinhas()
{
    if (!Aberto)
        throw ENegocio(QStringLiteral("Arquivo não aberto para Leitura."));
    if (Modo != QLatin1String("L"))
        throw ENegocio(QStringLiteral("Execução não permitida pois o Arquivo não está aberto para Leitura."));
    if (!m_arquivo.seek(0))
        return false;
    const QByteArray conteudo = m_arquivo.readAll();
    if (m_arquivo.error() != QFileDevice::NoError)
        return false;
    Linhas = DividirLinhas(conteudo);
    return true;
}

void TArquivo::CarregarConteudo(const QByteArray &conteudo)
{
    Linhas = DividirLinhas(conteudo);
}

void TArquivo::CarregarConteudo(const QString &conteudo)
{
    Linhas = DividirLinhas(conteudo);
}

void TArquivo::Fechar()
{
    if (!Aberto)
        return;
    m_arquivo.close();
    Aberto = m_arquivo.isOpen();
}

QString TArquivo::CampoLinha(int indice, int posicao, int largura) const
{
    const QString linha = (indice >= 0 && indice < Linhas.size()) ? Linhas.at(indice) : QString();
    return ExtrairCampo(linha, posicao, largura);
}

bool TArquivo::LimparInconsistencias()
{
    Inconsistencia->NumeroArquivo = TipoArquivo;
    return Inconsistencia->ExcluirPorArquivo(Sql);
}

void TArquivo::RegistrarInconsistencia(const QString &conteudo, const QString &tipoRegistro,
                                       const QString &nomeTrabalhador, const QString &dataAdmissao,
                                       const QString &categoria, const QString &pis,
                                       const QString &razaoSocialEmpresa, const QString &inscricaoEmpresa,
                                       const QString &tipoInscricaoEmpresa, const QString &razaoSocialResponsavel,
                                       const QString &inscricaoResponsavel, const QString &tipoInscricaoResponsavel,
                                       int codigoMensagem, int linha)
{
    TInconsistencia &inc = *Inconsistencia;
    inc.NumeroMensagem = codigoMensagem;
    inc.NumeroArquivo = TipoArquivo;
    inc.CodigoRegistro = tipoRegistro;
    inc.LinhaErro = linha;
    inc.ConteudoCampo = conteudo;
    inc.TipoInscricaoResponsavel = tipoInscricaoResponsavel;
    inc.InscricaoResponsavel = inscricaoResponsavel;
    inc.RazaoSocialResponsavel = razaoSocialResponsavel;
    inc.TipoInscricaoEmpresa = tipoInscricaoEmpresa;
    inc.InscricaoEmpresa = inscricaoEmpresa;
    inc.RazaoSocialEmpresa = razaoSocialEmpresa;
    inc.Pis = pis;
    inc.DataAdmissao = dataAdmissao;
    inc.Categoria = categoria;
    inc.NomeEmpregado = nomeTrabalhador;

    const int resultado = inc.Incluir(Sql);
    CodigoMensagem = FormatarCodigoMensagem(codigoMensagem);
    if (resultado == TInconsistencia::CodigoNaoCatalogado) {
        CodigoMensagem = QStringLiteral("0396");
        throw EInconsistenciaNaoCatalogada();
    }
}

bool TArquivo::Importar() { return false; }

bool TArquivo::Processar() { return false; }

} // namespace tolv
