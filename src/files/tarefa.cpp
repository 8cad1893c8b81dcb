#include "tarefa.h"

namespace tolv {

ResultadoDerivado DerivarResultado(TipoTarefa tipo, bool executouComSucesso, const QString &codigoObjeto,
                                   bool cancelado)
{
    ResultadoDerivado r;
    switch (tipo) {
    case TipoTarefa::ImportacaoFolha:
        r.codigo = codigoObjeto;
        break;
    case TipoTarefa::CargaSaldo:
    case TipoTarefa::ArquivoRescisorio:
        if (!executouComSucesso)
            r.codigo = codigoObjeto;
        break;
    case TipoTarefa::ChaveIdentificacao:
    case TipoTarefa::RetornoGuia:
        if (codigoObjeto == QLatin1String("0396"))
            r.codigo = codigoObjeto;
        else if (!codigoObjeto.isEmpty())
            r.codigo = QStringLiteral("0209");
        break;
    }
    r.sucesso = executouComSucesso && !cancelado;
    return r;
}

bool TratadorRecebeObjeto(TipoTarefa tipo)
{
    return tipo == TipoTarefa::ImportacaoFolha || tipo == TipoTarefa::CargaSaldo;
}

bool Cancelamento::Solicitar()
{
    std::lock_guard lock(m_mutex);
    if (m_bloqueado)
        return false;
    m_solicitado.store(true, std::memory_order_release);
    return true;
}

bool Cancelamento::Bloquear()
{
    std::lock_guard lock(m_mutex);
    if (m_solicitado.load(std::memory_order_acquire))
        return false;
    m_bloqueado = true;
    return true;
}

bool Cancelamento::Bloqueado() const
{
    std::lock_guard lock(m_mutex);
    return m_bloqueado;
}

void Cancelamento::Reiniciar()
{
    std::lock_guard lock(m_mutex);
    m_solicitado.store(false, std::memory_order_release);
    m_bloqueado = false;
}

TarefaArquivo::TarefaArquivo(TipoTarefa tipo, std::unique_ptr<TArquivo> arquivo, Execucao execucao)
    : Tarefa(tipo)
    , m_arquivo(std::move(arquivo))
    , m_execucao(std::move(execucao))
{
}

bool TarefaArquivo::Executar(ContextoTarefa &contexto)
{
    if (!m_arquivo || !m_execucao)
        return false;
    return m_execucao(*m_arquivo, contexto);
}

QString TarefaArquivo::CodigoMensagem() const { return m_arquivo ? m_arquivo->CodigoMensagem : QString(); }

void TabelaTratadores::Registrar(TipoTarefa tipo, TratadorResultado tratador)
{
    m_tratadores[tipo] = std::move(tratador);
}

bool TabelaTratadores::Tratar(const EstadoTarefa &estado, Tarefa *tarefa) const
{
    const auto it = m_tratadores.find(estado.tipo);
    if (it == m_tratadores.end() || !it->second)
        return false;
    it->second(estado, tarefa);
    return true;
}

} // namespace tolv
