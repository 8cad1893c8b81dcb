#include "pedir_criterio.h"

#include "frm_localiza_padrao.h"
#include "frm_localizar.h"
#include "movement/arvore.h"

namespace tolv {

namespace {

QString Pedir(TfrmLocalizaPadrao &dialogo)
{
    dialogo.exec();
    return dialogo.Criterio();
}

} // namespace

ResultadoLocalizacao LocalizarNaArvore(QWidget *parent, TDBUtils *banco)
{
    TfrmLocalizar dialogo(parent, banco);
    dialogo.exec();
    return dialogo.Resultado();
}

bool SelecionarLocalizacao(TArvore &arvore, const ResultadoLocalizacao &resultado)
{
    if (resultado.Vazio())
        return false;
    if (resultado.Tipo == TfrmLocalizar::ProcuraEmpresa)
        return arvore.LocalizarEmpresa(resultado.TipoInscricao, resultado.Inscricao);
    return arvore.LocalizarVinculo(resultado.Chave(), 'F');
}

QString PedirCriterioEmpresa(int layout, QWidget *parent)
{
    TfrmLocalizaEmpresa dialogo(layout, parent);
    return Pedir(dialogo);
}

TRegLocalizar PedirCriterioSaldo(QWidget *parent) { return MontarRegLocalizar(PedirCriterioEmpresa(3, parent)); }

QString PedirCriterioProtocolo(int layout, const QString &protocolo, QWidget *parent)
{
    TfrmLocalizaProtocolo dialogo(layout, protocolo, parent);
    return Pedir(dialogo);
}

QString PedirCriterioTrabalhador(QWidget *parent)
{
    TfrmLocalizaTrabalhador dialogo(parent);
    return Pedir(dialogo);
}

} // namespace tolv
