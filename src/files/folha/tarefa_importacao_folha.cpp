#include "tarefa_importacao_folha.h"

namespace tolv {

QStringList EtapasImportacaoFolha()
{
    return {QStringLiteral("Validando arquivo"), QStringLiteral("Validando informações"),
            QStringLiteral("Incluindo informações na base"), QStringLiteral("Preparando visualização da tela")};
}

namespace {
std::unique_ptr<TArquivo> CriarFolha(const QString &nomeArquivo, ArvoreImportacao *arvore, TDBUtils *banco)
{
    auto folha = std::make_unique<TArqFolha>(banco);
    folha->NomeArquivo = nomeArquivo;
    folha->DefinirArvore(arvore);
    return folha;
}
} // namespace

TarefaImportacaoFolha::TarefaImportacaoFolha(const QString &nomeArquivo, ArvoreImportacao *arvore, TDBUtils *banco)
    : TarefaArquivo(TipoTarefa::ImportacaoFolha, CriarFolha(nomeArquivo, arvore, banco),
                    [](TArquivo &arquivo, ContextoTarefa &contexto) {
                        auto &folha = static_cast<TArqFolha &>(arquivo);
                        folha.DefinirContexto(&contexto);
                        const bool ok = folha.Importar();
                        folha.DefinirContexto(nullptr);
                        return ok;
                    })
{
}

TArqFolha &TarefaImportacaoFolha::Folha() const { return static_cast<TArqFolha &>(*Arquivo()); }

} // namespace tolv
