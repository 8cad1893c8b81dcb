#pragma once

// A database filled by small SQL statements, a tree built from it, and a recorder
// of the tree's notifications.

#include "registration/cadastro_fixture.h"

#include "core/configuracao.h"
#include "movement/arvore.h"

#include <QStringList>
#include <ostream>

// Readable strings and lists in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << "\n";
    for (const QString &s : l)
        *os << "  \"" << s.toStdString() << "\"\n";
}

namespace tolv::test {

inline constexpr qint64 kPis4 = 10000000019;
inline constexpr qint64 kPis5 = 10000000027;
inline constexpr qint64 kPis6 = 10000000035;

// Every notification as a line: "+TEXT@pos", "~TEXT:icon,text,state,key", "-TEXT", "reset".
class Gravador : public ObservadorArvore {
public:
    QStringList eventos;

    void EntradaIncluida(const TRecArvore &e, int posicao) override
    {
        eventos << QStringLiteral("+%1@%2").arg(e.Texto).arg(posicao);
    }
    void EntradaAlterada(const TRecArvore &e, int mudancas) override
    {
        QStringList m;
        if (mudancas & MudouIcone)
            m << QStringLiteral("icon %1").arg(int(e.Icone));
        if (mudancas & MudouTexto)
            m << QStringLiteral("text");
        if (mudancas & MudouEstado)
            m << QStringLiteral("state %1").arg(e.Estado);
        if (mudancas & MudouChave)
            m << QStringLiteral("key");
        eventos << QStringLiteral("~%1:%2").arg(e.Texto, m.join(QLatin1Char(',')));
    }
    void EntradaExcluida(const TRecArvore &e) override { eventos << QStringLiteral("-") + e.Texto; }
    void ArvoreReiniciada() override { eventos << QStringLiteral("reset"); }
};

class ArvoreTest : public CadastroTest {
protected:
    ArvoreTest() { ConfiguracaoGlobal().DataPagamento = DataNula; }
    ~ArvoreTest() override { ConfiguracaoGlobal().DataPagamento = DataNula; }

    // The responsible party that is not an employer.
    void responsavel(qint64 inscricao = kCnpj2, const QString &nome = QStringLiteral("CONTABIL EXEMPLO LTDA"))
    {
        empregador(1, inscricao, QStringLiteral("R"), 515, nome);
    }

    void abrirMovimento(const QString &data = QStringLiteral("2018-03-06"))
    {
        exec(QStringLiteral("DELETE FROM SFGTBG01_ABERTURA_RECOLHIMENTO"));
        exec(QStringLiteral("INSERT INTO SFGTBG01_ABERTURA_RECOLHIMENTO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, DT_PAGAMENTO) "
                            "VALUES (1, %1, '%2')")
                 .arg(kCnpj2)
                 .arg(data));
    }

    // One balance line of a link; a negative situation is stored as NULL.
    void saldo(int tipo, qint64 inscricao, qint64 pis, const QString &admissao, qint64 conta, int situacaoTrabalhador,
               int situacaoEmpresa, int situacaoPis = 1, const QString &valor = QStringLiteral("0"),
               const QString &gravacao = QStringLiteral("2018-03-01"), int categoria = 1)
    {
        const auto n = [](int v) { return v < 0 ? QStringLiteral("NULL") : QString::number(v); };
        exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, "
                            "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_PIS, VR_SALDO_RESCISORIO, DT_GRAVACAO_ARQUIVO, "
                            "NU_SITUACAO_CONTA_EMPRESA) VALUES (%1, %2, %3, %4, '%5', 'NOME NA ORBEL %6', %6, %7, %8, "
                            "%9, '%10', %11)")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(categoria)
                 .arg(admissao)
                 .arg(conta)
                 .arg(n(situacaoTrabalhador), n(situacaoPis), valor, gravacao, n(situacaoEmpresa)));
    }

    // A pending name change reported for the balance line `conta` of a link.
    void alteracao(int tipo, qint64 inscricao, qint64 pis, const QString &admissao, qint64 conta, int categoria = 1)
    {
        exec(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, DE_CONTEUDO_ANTERIOR, IC_CONFIRMACAO, "
                            "NU_EMPREGADO_ORBEL_ALT_CDSTL) VALUES (%1, %2, %3, %4, '%5', 406, 'NOME ANTERIOR', 'N', %6)")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(categoria)
                 .arg(admissao)
                 .arg(conta));
    }

    int estadoGravado(qint64 pis, const QString &admissao = QStringLiteral("2010-01-04"), qint64 inscricao = kCnpj,
                      int tipo = 1)
    {
        return valor(QStringLiteral("SELECT IC_ESTADO_MOVIMENTO FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE "
                                    "NU_TIPO_INSO_EMPRA = %1 AND NU_INSCRICAO = %2 AND NU_PIS = %3 "
                                    "AND DT_ADMISSAO_VINCULO = '%4'")
                         .arg(tipo)
                         .arg(inscricao)
                         .arg(pis)
                         .arg(admissao))
            .toInt();
    }

    // The closing inconsistencies, codes in the order they were logged.
    std::vector<int> codigosRegistrados()
    {
        std::vector<int> out;
        const auto rs = db->Abrir(QStringLiteral("SELECT NU_MENSAGEM FROM SFGTBG18_INCONSISTENCIA_ARQUIVO "
                                                 "WHERE NU_ARQUIVO = 3 ORDER BY NU_INCONSISTENCIA"));
        for (rs->first(); !rs->eof(); rs->next())
            out.push_back(rs->field(0).toInt());
        return out;
    }

    // Builds the tree after reading the pay date, the way the window does.
    TArvore &montar()
    {
        arvore = std::make_unique<TArvore>(db.get());
        arvore->AdicionarObservador(&gravador);
        arvore->DataPagamentoMovimento();
        EXPECT_TRUE(arvore->Carregar());
        gravador.eventos.clear();
        return *arvore;
    }

    // The link entry of a key (kCnpj and category 1 unless told).
    const TRecArvore &vinculoNo(qint64 pis, const QString &admissao = QStringLiteral("2010-01-04"),
                                qint64 inscricao = kCnpj, int tipo = 1, int categoria = 1)
    {
        const ChaveVinculo chave{tipo, inscricao, pis, categoria, Date::fromQDate(QDate::fromString(admissao, Qt::ISODate))};
        if (!arvore->LocalizarVinculo(chave, 'F'))
            throw std::runtime_error("no such link entry");
        return *arvore->Buscar(arvore->Atual());
    }

    const TRecArvore &empresaNo(qint64 inscricao = kCnpj, int tipo = 1)
    {
        if (!arvore->LocalizarEmpresa(tipo, inscricao))
            throw std::runtime_error("no such employer entry");
        return *arvore->Buscar(arvore->Atual());
    }

    std::unique_ptr<TArvore> arvore;
    Gravador gravador;
};

// Entry 0 is the root, every employer entry is followed by its links and every
// link by its changes, parents and keys agree, ids are unique.
inline ::testing::AssertionResult OrdemValida(const TArvore &a)
{
    if (a.Quantidade() == 0)
        return ::testing::AssertionSuccess();
    const TRecArvore &raiz = a.Entrada(0);
    if (!raiz.EhRaiz())
        return ::testing::AssertionFailure() << "entry 0 is not the root";
    QSet<IdEntrada> ids{raiz.Id};
    const TRecArvore *empresa = nullptr;
    const TRecArvore *vinculo = nullptr;
    for (int i = 1; i < a.Quantidade(); ++i) {
        const TRecArvore &e = a.Entrada(i);
        const std::string onde = "entry " + std::to_string(i) + " " + e.Texto.toStdString();
        if (ids.contains(e.Id))
            return ::testing::AssertionFailure() << onde << ": repeated id";
        ids.insert(e.Id);
        if (e.EhRaiz())
            return ::testing::AssertionFailure() << onde << ": a second root";
        if (e.EhEmpresa()) {
            if (e.Pai != raiz.Id)
                return ::testing::AssertionFailure() << onde << ": employer not under the root";
            empresa = &e;
            vinculo = nullptr;
        } else if (e.EhVinculo()) {
            if (!empresa || e.Pai != empresa->Id || e.TipoInscricao != empresa->TipoInscricao
                || e.Inscricao != empresa->Inscricao)
                return ::testing::AssertionFailure() << onde << ": link outside its employer's block";
            vinculo = &e;
        } else {
            if (!vinculo || e.Pai != vinculo->Id || !(e.Chave() == vinculo->Chave()))
                return ::testing::AssertionFailure() << onde << ": change outside its link";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace tolv::test
