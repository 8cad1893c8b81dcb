#pragma once

#include "files/folha/arq_folha.h"
#include "files/tarefa.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tolv {

inline const QString kTituloImportacaoFolha = QStringLiteral("Importação de Folha de Pagamento");
// The four steps the run shows, in order.
QStringList EtapasImportacaoFolha();

// The payroll import as a job of the runner (kind 1): the TArqFolha of the file,
// run with the job's progress and cancel. A cancel before the commit leaves the
// database as it was.
class TarefaImportacaoFolha : public TarefaArquivo {
public:
    // `arvore`: the participation tree (not owned; null reads the stored
    // registration instead). `banco`: null is the process-wide connection.
    explicit TarefaImportacaoFolha(const QString &nomeArquivo, ArvoreImportacao *arvore = nullptr,
                                   TDBUtils *banco = nullptr);

    TArqFolha &Folha() const;
};

} // namespace tolv
