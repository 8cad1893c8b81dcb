#include "responsavel.h"

#include "core/errors.h"
#include "core/formatos.h"
#include "core/sql_literais.h"
#include "core/validadores.h"

namespace tolv {

namespace {
const QString kEmpresa = QStringLiteral("SFGTBG02_EMPRESA");

QString Chave(int tipoInscricao, qint64 inscricao)
{
    return QStringLiteral("NU_TIPO_INSO_EMPRA = %1 AND   NU_INSCRICAO       = %2").arg(tipoInscricao).arg(inscricao);
}
} // namespace

TResponsavel::TResponsavel(TDBUtils *banco) : TEstabelecimento(banco) { TResponsavel::Inicializar(); }

void TResponsavel::Inicializar() { TEstabelecimento::Inicializar(); }

void TResponsavel::CarregarCampos()
{
    TEstabelecimento::CarregarCampos();
    Contato = Campo(QStringLiteral("NO_CONTATO")).toString();
    Email = Campo(QStringLiteral("CO_ENDERECO_VIRTUAL_CONTATO")).toString();
}

bool TResponsavel::ValidarContato()
{
    CodigoMensagem.clear();
    if (!NomeValido(Contato) || !EhAlfabetico(Contato)) {
        CodigoMensagem = QStringLiteral("0097");
        return false;
    }
    const QString t = Aparar(Contato);
    if (!SemRepeticaoLetraOuBranco(t, 3) || !SemEspacosDuplos(t))
        CodigoMensagem = QStringLiteral("0177");
    return CodigoMensagem.isEmpty();
}

bool TResponsavel::CarregarResponsavel()
{
    CodigoMensagem.clear();
    if (!AbrirConsulta(SqlSelect + SqlFrom + QStringLiteral("WHERE EMP.IC_ESTADO_EMPRESA IN ('R', 'A')")))
        return false;
    return QuantidadeRegistros() > 0;
}

ValoresSql TResponsavel::ValoresResponsavel()
{
    TEndereco &e = Endereco();
    return {{QStringLiteral("SG_UF"), SqlTexto(e.Uf)},
            {QStringLiteral("NO_RAZAO_SOCIAL"), SqlTexto(RazaoSocial)},
            {QStringLiteral("DE_LOGRADOURO"), SqlTexto(e.Logradouro)},
            {QStringLiteral("NO_BAIRRO"), SqlTexto(e.Bairro)},
            {QStringLiteral("NU_CEP"), SqlNumeroOuNulo(e.Cep)},
            {QStringLiteral("NO_LOCALIDADE"), SqlTexto(e.Localidade)},
            {QStringLiteral("NU_DDD"), SqlNumeroOuNulo(Ddd)},
            {QStringLiteral("NU_TELEFONE"), SqlNumeroOuNulo(Telefone)},
            {QStringLiteral("NO_CONTATO"), SqlTextoSempre(Contato)},
            {QStringLiteral("CO_ENDERECO_VIRTUAL_CONTATO"), SqlTextoSempre(Email)}};
}

bool TResponsavel::IncluirResponsavel()
{
    CodigoMensagem.clear();
    try {
        ValoresSql valores = {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(TipoInscricao)},
                              {QStringLiteral("NU_INSCRICAO"), SqlNumeroTexto(Inscricao)}};
        valores << ValoresResponsavel();
        valores << qMakePair(QStringLiteral("IC_ESTADO_EMPRESA"), QStringLiteral("'R'"));
        Banco()->Executar(SqlInsert(kEmpresa, valores));
        Estado = QStringLiteral("R");
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

void TResponsavel::MudarEstado(int tipoInscricao, qint64 inscricao, const QString &de, const QString &para)
{
    Banco()->Executar(QStringLiteral("UPDATE  SFGTBG02_EMPRESA   SET IC_ESTADO_EMPRESA = %1 "
                                     "WHERE NU_TIPO_INSO_EMPRA = %2 "
                                     "AND   IC_ESTADO_EMPRESA  = %3 "
                                     "AND   NU_INSCRICAO       = %4")
                          .arg(SqlTexto(para))
                          .arg(tipoInscricao)
                          .arg(SqlTexto(de))
                          .arg(inscricao));
}

bool TResponsavel::Salvar(const TRaizArvore &atual, const NotificacaoRaiz &aoAlterarRaiz)
{
    CodigoMensagem.clear();
    try {
        const auto inscricao = ConverterInteiro64(Inscricao);
        if (!inscricao)
            throw ENegocio(QStringLiteral("Inscrição não numérica: ") + Inscricao);
        const QString chave = Chave(TipoInscricao, *inscricao);
        TransacaoLocal transacao(*Banco());

        const auto rs = Banco()->Abrir(QStringLiteral("SELECT IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA WHERE ") + chave);
        const bool existe = rs->rowCount() > 0;
        QString estadoAtual;
        if (existe) {
            rs->first();
            estadoAtual = Aparar(rs->field(QStringLiteral("IC_ESTADO_EMPRESA")).toString());
        }
        const bool temAnterior = !atual.Tipo.isEmpty();
        // Type and inscription together identify a party: a CEI and a CNPJ with the
        // same number are two different ones.
        const bool mesmo = temAnterior && atual.TipoInscricao == TipoInscricao && atual.Inscricao == *inscricao;

        const auto apontarAbertura = [&] {
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG01_ABERTURA_RECOLHIMENTO SET NU_TIPO_INSO_EMPRA = %1, "
                                             "NU_INSCRICAO = %2")
                                  .arg(TipoInscricao)
                                  .arg(*inscricao));
        };
        const auto liberarAnterior = [&] {
            if (!temAnterior || mesmo)
                return;
            if (atual.Tipo == QLatin1String("R"))
                Banco()->Executar(QStringLiteral("DELETE FROM SFGTBG02_EMPRESA WHERE ")
                                  + Chave(atual.TipoInscricao, atual.Inscricao)
                                  + QStringLiteral(" AND IC_ESTADO_EMPRESA = 'R'"));
            else
                MudarEstado(atual.TipoInscricao, atual.Inscricao, atual.Tipo, QStringLiteral("E"));
        };

        QString novoEstado = estadoAtual;
        if (!existe) {
            ValoresSql valores = {{QStringLiteral("NU_TIPO_INSO_EMPRA"), QString::number(TipoInscricao)},
                                  {QStringLiteral("NU_INSCRICAO"), QString::number(*inscricao)}};
            valores << ValoresResponsavel();
            valores << qMakePair(QStringLiteral("IC_ESTADO_EMPRESA"), QStringLiteral("'R'"));
            Banco()->Executar(SqlInsert(kEmpresa, valores));
            apontarAbertura();
            liberarAnterior();
            novoEstado = QStringLiteral("R");
        } else {
            if (!mesmo) {
                apontarAbertura();
                liberarAnterior();
                MudarEstado(TipoInscricao, *inscricao, QStringLiteral("E"), QStringLiteral("A"));
                if (estadoAtual == QLatin1String("E"))
                    novoEstado = QStringLiteral("A");
            }
            Banco()->Executar(SqlUpdate(kEmpresa, ValoresResponsavel(), chave));
        }
        transacao.Confirmar();
        Estado = novoEstado;
        if (aoAlterarRaiz && !mesmo)
            aoAlterarRaiz(TRaizArvore{TipoInscricao, *inscricao, novoEstado});
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

bool TResponsavel::GravarAbertura()
{
    CodigoMensagem.clear();
    try {
        const QString inscricao = SqlNumeroTexto(Inscricao);
        const QString data = SqlData(DataPagamentoAbertura, true);
        if (!ExisteLinha(*Banco(), QStringLiteral("SELECT DT_PAGAMENTO FROM SFGTBG01_ABERTURA_RECOLHIMENTO")))
            Banco()->Executar(QStringLiteral("INSERT INTO SFGTBG01_ABERTURA_RECOLHIMENTO (NU_TIPO_INSO_EMPRA, "
                                             "NU_INSCRICAO, DT_PAGAMENTO) VALUES (%1, %2, %3)")
                                  .arg(QString::number(TipoInscricao), inscricao, data));
        else
            Banco()->Executar(QStringLiteral("UPDATE SFGTBG01_ABERTURA_RECOLHIMENTO SET DT_PAGAMENTO = %1, "
                                             "NU_TIPO_INSO_EMPRA = %2, NU_INSCRICAO = %3")
                                  .arg(data, QString::number(TipoInscricao), inscricao));
        return true;
    } catch (const std::exception &) {
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
}

} // namespace tolv
