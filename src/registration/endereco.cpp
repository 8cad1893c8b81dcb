#include "endereco.h"

#include "core/formatos.h"
#include "core/sql_literais.h"
#include "regras_cadastro.h"

namespace tolv {

TEndereco::TEndereco(TDBUtils *banco) : TNegocio(banco) { Inicializar(); }

void TEndereco::Inicializar()
{
    TNegocio::Inicializar();
    Limpar();
}

void TEndereco::Limpar()
{
    CodigoMensagem.clear();
    Logradouro.clear();
    Bairro.clear();
    Localidade.clear();
    Cep.clear();
    Uf.clear();
}

bool TEndereco::ValidarTextoEndereco(const QString &texto)
{
    const QString t = texto.toUpper();
    if (t.isEmpty() || t.at(0) == QLatin1Char(' '))
        return false;
    const QString aparado = Aparar(t);
    return SemEspacosDuplos(aparado) && SomenteLetrasDigitosBrancos(aparado)
           && SemRepeticaoLetraOuBranco(aparado, 3);
}

namespace {
bool ValidarTexto(QString &campo, QString &codigo, const QString &codigoFalha)
{
    codigo.clear();
    if (!TEndereco::ValidarTextoEndereco(campo))
        codigo = codigoFalha;
    campo = Aparar(campo);
    return codigo.isEmpty();
}
} // namespace

bool TEndereco::ValidarLogradouro() { return ValidarTexto(Logradouro, CodigoMensagem, QStringLiteral("0096")); }
bool TEndereco::ValidarBairro() { return ValidarTexto(Bairro, CodigoMensagem, QStringLiteral("0095")); }
bool TEndereco::ValidarLocalidade() { return ValidarTexto(Localidade, CodigoMensagem, QStringLiteral("0094")); }

bool TEndereco::ValidarCep()
{
    CodigoMensagem.clear();
    static const QStringList reservados = {QStringLiteral("20000000"), QStringLiteral("30000000"),
                                           QStringLiteral("70000000"), QStringLiteral("80000000")};
    const bool invalido = Cep.size() < 8 || !EhNumerico(Cep) || reservados.contains(Cep) || TodosIguais(Cep)
                          || Cep.left(5).toInt() < 1000;
    if (invalido)
        CodigoMensagem = QStringLiteral("0101");
    return CodigoMensagem.isEmpty();
}

bool TEndereco::ValidarUf()
{
    CodigoMensagem.clear();
    if (EstaVazio(Uf)) {
        CodigoMensagem = QStringLiteral("0132");
        return false;
    }
    try {
        if (!ExisteLinha(*Banco(), SqlConsulta(QStringLiteral("SG_UF"), QStringLiteral("SFGTBT08_UNIDADE_FEDERACAO"),
                                               QStringLiteral("SG_UF = ") + SqlTexto(Uf))))
            CodigoMensagem = QStringLiteral("0133");
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
    }
    return CodigoMensagem.isEmpty();
}

} // namespace tolv
