#include "sistema_desktop.h"

#include "datas_globais.h"

#include "core/aplicacao.h"
#include "core/program_directory.h"
#include "core/utilitarios.h"
#include "ui/aplicacao_tolv.h"
#include "ui/apresentador_gui.h"
#include "ui/janelas_principais.h"

#include <QLocale>
#include <memory>

namespace tolv {

namespace {

// The process-wide objects a run installs, put back as they were on every way out.
class GuardaApresentador {
public:
    explicit GuardaApresentador(MessagePresenter *p) : m_anterior(TUtilitarios::Instancia().Apresentador())
    {
        TUtilitarios::Instancia().DefinirApresentador(p);
    }
    ~GuardaApresentador() { TUtilitarios::Instancia().DefinirApresentador(m_anterior); }

private:
    MessagePresenter *m_anterior;
};

class GuardaEncerramento {
public:
    ~GuardaEncerramento() { EncerrarAplicacao(); }
};

void AvisarJanelasIndisponiveis()
{
    TUtilitarios::Instancia().MostrarMensagem(QStringLiteral("0000"), TipoMensagem::Informacao, {Botao::Ok}, {},
                                              Botao::Ok, kTextoJanelasIndisponiveis);
}

void Executar()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // Exceptions escaping an event handler reach the global handler through the
    // application object, which the host creates from this library.
    std::unique_ptr<AplicacaoTolv> propria;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char nome[] = "tolv";
        static char *argv[] = {nome, nullptr};
        propria = std::make_unique<AplicacaoTolv>(argc, argv);
    } else if (!qobject_cast<AplicacaoTolv *>(QCoreApplication::instance())) {
        qWarning("tolv: the host's application object does not route errors to the global handler");
    }

    ApresentadorGui apresentador;
    GuardaApresentador guardaApresentador(&apresentador);
    RegistrarJanelasDaInterface();

    GuardaEncerramento encerramento;
    try {
        if (!IniciarAplicacao(CarregarDatasGlobais))
            return;
        EsvaziarDiretorio(ProgramDirectory::tempDir());
        TDBUtils &banco = *TDBUtils::Instancia();

        if (!ExisteEmpresaCadastrada(banco)) {
            if (!JanelaEntrada()) {
                AvisarJanelasIndisponiveis();
                return;
            }
            JanelaEntrada()();
        }
        // The user may leave the first-run window without registering anything.
        if (!ExisteEmpresaCadastrada(banco))
            return;
        if (!JanelaPrincipal()) {
            AvisarJanelasIndisponiveis();
            return;
        }
        JanelaPrincipal()();
    } catch (const std::exception &e) {
        TUtilitarios::Instancia().TratarExcecao(e);
    } catch (...) {
        TUtilitarios::Instancia().TratarExcecaoDesconhecida();
    }
}

} // namespace

bool ExisteEmpresaCadastrada(TDBUtils &banco)
{
    return banco.Abrir(QStringLiteral("SELECT NU_INSCRICAO FROM SFGTBG02_EMPRESA"))->rowCount() > 0;
}

void ExecutarSistemaDesktop()
{
    try {
        Executar();
    } catch (...) {
        // Nothing may cross into the host; the shutdown already ran.
    }
}

} // namespace tolv
