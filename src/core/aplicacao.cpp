#include "aplicacao.h"

#include "errors.h"
#include "ibx_utils.h"
#include "program_directory.h"
#include "utilitarios.h"

#include <QFile>

namespace tolv {

namespace {
std::unique_ptr<TIbxUtils> g_banco;
}

void LerConfiguracao(const QStringList &linhas, TDBUtils &banco, const CarregadorDatas &carregarDatas,
                     Configuracao &cfg)
{
    cfg.SelecionaArquivoVelnora = true;
    cfg.GravaArquivo = false;
    cfg.LogSql = false;
    cfg.DataPagamento = DataNula;
    cfg.DataEditalProRata = DataNula;
    if (carregarDatas)
        carregarDatas(banco, cfg);
    AplicarLinhasConfiguracao(linhas, cfg);
}

bool IniciarAplicacao(const CarregadorDatas &carregarDatas)
{
    TUtilitarios &util = TUtilitarios::Instancia();
    try {
        g_banco = std::make_unique<TIbxUtils>();
        TDBUtils::DefinirInstancia(g_banco.get());

        QFile ini(ProgramDirectory::configFile());
        if (!ini.exists()) {
            if (util.Apresentador())
                util.Apresentador()->mostrarErroSistema(QStringLiteral("Arquivo VESK.ini não existente."),
                                                        QStringLiteral("TOLV Eletrônica - Arquivo não encontrado"));
            return false;
        }
        if (!ini.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Não foi possível ler %1: %2").arg(ini.fileName(), ini.errorString()));
        const QStringList linhas = DividirLinhas(QString::fromUtf8(ini.readAll()));

        g_banco->CaminhoBanco = CaminhoBancoConfigurado(linhas, ProgramDirectory::databaseFile());
        g_banco->Usuario = kUsuarioBanco;
        g_banco->Senha = kSenhaBanco;
        g_banco->CaminhoLogSql = ProgramDirectory::sqlLog();
        g_banco->Conectar();

        LerConfiguracao(linhas, *g_banco, carregarDatas, ConfiguracaoGlobal());
        g_banco->LogSql = ConfiguracaoGlobal().LogSql;
        return true;
    } catch (const std::exception &e) {
        util.TratarExcecao(e);
        return false;
    }
}

void EncerrarAplicacao()
{
    try {
        EsvaziarDiretorio(ProgramDirectory::tempDir());
    } catch (...) {
    }
    try {
        if (g_banco)
            g_banco->Desconectar();
    } catch (...) {
    }
    try {
        if (TDBUtils::Instancia() == g_banco.get())
            TDBUtils::DefinirInstancia(nullptr);
        g_banco.reset();
    } catch (...) {
    }
}

} // namespace tolv
