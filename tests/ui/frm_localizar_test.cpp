// The tree search against a real database, and the criterion dialogs with the
// tagged texts they hand back.

#include "cadastro_ui_support.h"

#include "ui/frm_localiza_padrao.h"
#include "ui/frm_localizar.h"
#include "ui/pedir_criterio.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace tolv;
using namespace tolv::test;

namespace {

class LocalizarTest : public TelaTest {
protected:
    LocalizarTest()
    {
        responsavel();
        empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("D'AVILA COMERCIO LTDA"));
        empregador(2, kCei, QStringLiteral("E"), 515, QStringLiteral("DAVILA SERVICOS LTDA"));
        trabalhador(kPis, QStringLiteral("JOAO D'ALVA"));
        vinculo(1, kCnpj, kPis);
        vinculo(2, kCei, kPis, 1, QStringLiteral("2012-05-02"));
    }

    static QTableWidget *grade(TfrmLocalizar &f) { return campo<QTableWidget>(f, "grdLocalizar"); }

    static QStringList linha(TfrmLocalizar &f, int i)
    {
        QStringList out;
        for (int c = 0; c < grade(f)->columnCount(); ++c)
            out << (grade(f)->item(i, c) ? grade(f)->item(i, c)->text() : QString());
        return out;
    }

    // A click on the radio button's indicator (the widget is wider than its caption).
    static void marcar(TfrmLocalizar &f, const char *chave)
    {
        auto *r = campo<QRadioButton>(f, chave);
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
    }

    // Chooses the key and what to look for, types the content and searches.
    void procurar(TfrmLocalizar &f, const char *chave, int procura, const QString &conteudo)
    {
        marcar(f, chave);
        auto *combo = campo<QComboBox>(f, "cmbProcurarPor");
        if (combo->isEnabled() && combo->currentIndex() != procura) {
            combo->setCurrentIndex(procura);
            emit combo->activated(procura);
        }
        QTest::keyClicks(campo(f, "edtConteudo"), conteudo);
        clicar(f, "btnLocalizar");
    }
};

TEST_F(LocalizarTest, FindsEmployersAndLinksAndHandsTheCurrentRowBack)
{
    struct Caso {
        const char *nome;
        const char *chave;
        int procura;
        QString conteudo;
        QList<QStringList> linhas;
        ResultadoLocalizacao resultado;  // of the first row
    };
    const Date admissao = Date::fromYmd(2010, 1, 4);
    const Caso casos[] = {
        {"name with an apostrophe", "rbNome", 0, QStringLiteral("d'av"),
         {{"D'AVILA COMERCIO LTDA", "11.222.333/0001-81"}}, {0, 1, kCnpj}},
        {"name prefix", "rbNome", 0, QStringLiteral("DAV"), {{"DAVILA SERVICOS LTDA", "112223330008"}}, {0, 2, kCei}},
        {"CNPJ", "rbCnpj", 0, QString::number(kCnpj), {{"D'AVILA COMERCIO LTDA", "11.222.333/0001-81"}},
         {0, 1, kCnpj}},
        {"CEI", "rbCei", 0, QString::number(kCei), {{"DAVILA SERVICOS LTDA", "112223330008"}}, {0, 2, kCei}},
        {"worker's name", "rbNome", 1, QStringLiteral("joao d'"),
         {{"JOAO D'ALVA", "120.34567.89-9", "04/01/2010"}, {"JOAO D'ALVA", "120.34567.89-9", "02/05/2012"}},
         {1, 1, kCnpj, kPis, 1, admissao}},
        {"PIS", "rbPisPasep", 1, QString::number(kPis),
         {{"JOAO D'ALVA", "120.34567.89-9", "04/01/2010"}, {"JOAO D'ALVA", "120.34567.89-9", "02/05/2012"}},
         {1, 1, kCnpj, kPis, 1, admissao}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.codigos.clear();
        TfrmLocalizar f(nullptr, db.get());
        ativar(f);
        procurar(f, c.chave, c.procura, c.conteudo);
        EXPECT_TRUE(caixas.codigos.isEmpty());
        ASSERT_EQ(grade(f)->rowCount(), c.linhas.size());
        for (int i = 0; i < c.linhas.size(); ++i)
            EXPECT_EQ(linha(f, i), c.linhas.at(i));
        clicar(f, "btnFechar");
        EXPECT_EQ(f.Resultado(), c.resultado);
    }
}

TEST_F(LocalizarTest, ADoubleClickedRowBecomesTheTreesCurrentEntry)
{
    montar();
    TfrmLocalizar f(nullptr, db.get());
    ativar(f);
    procurar(f, "rbPisPasep", 1, QString::number(kPis));
    ASSERT_EQ(grade(f)->rowCount(), 2);
    auto *g = grade(f);
    const QRect celula = g->visualRect(g->model()->index(1, 0));
    // the view takes a double click only on the row it was pressed on
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, celula.center());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, celula.center());
    EXPECT_FALSE(f.isVisible());
    const ResultadoLocalizacao r = f.Resultado();
    EXPECT_EQ(r.TipoInscricao, 2);
    EXPECT_EQ(r.Admissao, Date::fromYmd(2012, 5, 2));

    ASSERT_TRUE(SelecionarLocalizacao(*arvore, r));
    EXPECT_EQ(arvore->RegAtual().Chave(), r.Chave());
    EXPECT_TRUE(arvore->RegAtual().EhVinculo());
    ASSERT_TRUE(SelecionarLocalizacao(*arvore, ResultadoLocalizacao{0, 1, kCnpj}));
    EXPECT_TRUE(arvore->RegAtual().EhEmpresa());
    EXPECT_FALSE(SelecionarLocalizacao(*arvore, ResultadoLocalizacao{}));
}

TEST_F(LocalizarTest, EmptyContentOrNoHitsSayWhyAndChooseNothing)
{
    struct Caso {
        const char *nome;
        QString conteudo;
        const char *codigo;
    };
    const Caso casos[] = {
        {"only blanks", QStringLiteral("   "), "990405"},
        {"no such name", QStringLiteral("ZZZ"), "990092"},
        {"quotes are text, not SQL", QStringLiteral("X' OR '1'='1"), "990092"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.codigos.clear();
        TfrmLocalizar f(nullptr, db.get());
        ativar(f);
        procurar(f, "rbNome", 0, c.conteudo);
        EXPECT_EQ(caixas.codigos, QStringList{QString::fromUtf8(c.codigo)});
        EXPECT_EQ(grade(f)->rowCount(), 1);
        EXPECT_TRUE(f.Linhas().isEmpty());
        f.close();
        EXPECT_TRUE(f.Resultado().Vazio());
    }
}

TEST_F(LocalizarTest, ANumberKeyFixesWhatIsSearchedAndTakesDigitsOnly)
{
    TfrmLocalizar f(nullptr, db.get());
    ativar(f);
    QTest::keyClicks(campo(f, "edtConteudo"), QStringLiteral("ABC"));
    marcar(f, "rbCnpj");
    auto *combo = campo<QComboBox>(f, "cmbProcurarPor");
    EXPECT_TRUE(campo(f, "edtConteudo")->text().isEmpty());
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(combo->currentText(), QStringLiteral("Empresa"));
    EXPECT_FALSE(campo<QPushButton>(f, "btnLocalizar")->isEnabled());
    QTest::keyClicks(campo(f, "edtConteudo"), QStringLiteral("1a2b3-4567890123456"));
    EXPECT_EQ(campo(f, "edtConteudo")->text(), QStringLiteral("12345678901234"));

    marcar(f, "rbPisPasep");
    EXPECT_EQ(combo->currentText(), QStringLiteral("Trabalhador"));
    EXPECT_EQ(grade(f)->horizontalHeaderItem(2)->text(), QStringLiteral("Data Admissão"));
    marcar(f, "rbNome");
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(campo(f, "edtConteudo")->maxLength(), 70);
}

TEST_F(LocalizarTest, TheModalServiceReturnsTheChosenEmployer)
{
    QTimer::singleShot(50, [] {
        auto *f = qobject_cast<TfrmLocalizar *>(QApplication::activeModalWidget());
        ASSERT_TRUE(f);
        QTest::keyClicks(f->findChild<QLineEdit *>(QStringLiteral("edtConteudo")), QStringLiteral("D'A"));
        f->findChild<QPushButton *>(QStringLiteral("btnLocalizar"))->click();
        f->findChild<QPushButton *>(QStringLiteral("btnFechar"))->click();
    });
    const ResultadoLocalizacao r = LocalizarNaArvore(nullptr, db.get());
    EXPECT_EQ(r, (ResultadoLocalizacao{0, 1, kCnpj}));
}

// ---------------------------------------------------------------------------
// Criterion dialogs

struct CasoCriterio {
    const char *nome;
    std::function<TfrmLocalizaPadrao *()> criar;
    // (field, text, typed): typed text goes through the keyboard, the rest is pasted in
    std::vector<std::tuple<const char *, QString, bool>> campos;
    QString criterio;
};

TEST(CriterioLocalizacao, ReturnsTheTaggedTextOfTheFirstFilledField)
{
    const auto empresa = [](int layout) { return [layout] { return new TfrmLocalizaEmpresa(layout); }; };
    const auto protocolo = [](int layout) { return [layout] { return new TfrmLocalizaProtocolo(layout, {}); }; };
    const auto trabalhador = [] { return new TfrmLocalizaTrabalhador; };
    const std::vector<CasoCriterio> casos = {
        {"inscription", empresa(1), {{"edtInscricao", "11222333000181", true}}, "INSCRICAO-11222333000181"},
        {"name, upper-cased", empresa(2), {{"edtRazaoSocial", "d'avila ltda", true}}, "RAZAO-D'AVILA LTDA"},
        {"inscription wins over name", empresa(3),
         {{"edtRazaoSocial", "DAVILA", false}, {"edtInscricao", "112", false}}, "INSCRICAO-112"},
        {"typing a name empties the inscription", empresa(3),
         {{"edtInscricao", "112", true}, {"edtRazaoSocial", "DAV", true}}, "RAZAO-DAV"},
        {"PIS", empresa(3), {{"edtPisPasep", "12034567899", true}}, "PIS/PASEP-12034567899"},
        {"letters in a number field", empresa(1), {{"edtInscricao", "1a2", true}}, "INSCRICAO-12"},
        {"worker's PIS", trabalhador, {{"edtPisPasep", "12034567899", true}}, "PIS/PASEP-12034567899"},
        {"worker's name", trabalhador, {{"edtNome", "joao", true}}, "NOME-JOAO"},
        {"protocol as shown", protocolo(2), {{"edtProtocolo", "ABCD1234EFGH5678", true}},
         "PROTOCOLO-ABCD1234.EFGH5678.        .        "},
        {"the mask alone is no protocol", protocolo(2),
         {{"edtProtocolo", "", false}, {"edtPisPasep", "12034567899", true}}, "PIS/PASEP-12034567899"},
        {"protocol wins over inscription", protocolo(1),
         {{"edtInscricao", "112", false}, {"edtProtocolo", "1", false}}, "PROTOCOLO-1       .        .        .        "},
    };
    for (const CasoCriterio &c : casos) {
        SCOPED_TRACE(c.nome);
        std::unique_ptr<TfrmLocalizaPadrao> d(c.criar());
        d->show();
        for (const auto &[nome, texto, digitado] : c.campos) {
            auto *e = d->findChild<QLineEdit *>(QLatin1String(nome));
            ASSERT_TRUE(e) << nome;
            if (digitado)
                QTest::keyClicks(e, texto);
            else
                e->setText(texto);
        }
        EXPECT_TRUE(d->findChild<QPushButton *>(QStringLiteral("btnLocalizar"))->isEnabled());
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnLocalizar")), Qt::LeftButton);
        EXPECT_TRUE(d->Confirmado());
        EXPECT_EQ(d->Criterio(), c.criterio);
    }
}

TEST(CriterioLocalizacao, NothingGivenOrClosedGivesNoCriterion)
{
    TfrmLocalizaProtocolo p(2, {});
    p.show();
    auto *localizar = p.findChild<QPushButton *>(QStringLiteral("btnLocalizar"));
    EXPECT_FALSE(localizar->isEnabled());
    // blanks typed into the protocol leave only the mask's separators
    QTest::keyClicks(p.findChild<QLineEdit *>(QStringLiteral("edtProtocolo")), QStringLiteral("   "));
    EXPECT_FALSE(localizar->isEnabled());
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_TRUE(p.Criterio().isEmpty());

    TfrmLocalizaEmpresa e(3);
    e.show();
    QTest::keyClicks(e.findChild<QLineEdit *>(QStringLiteral("edtInscricao")), QStringLiteral("112"));
    QTest::mouseClick(e.findChild<QPushButton *>(QStringLiteral("btnFechar")), Qt::LeftButton);
    EXPECT_FALSE(e.Confirmado());
    EXPECT_TRUE(e.Criterio().isEmpty());
}

TEST(CriterioLocalizacao, TheBalanceRecordTellsAPisFromAnEmployerCriterion)
{
    struct Caso {
        const char *campo;
        const char *texto;
        TRegLocalizar esperado;
    };
    const Caso casos[] = {
        {"edtPisPasep", "12034567899", {true, "F", "PIS/PASEP-12034567899", "12034567899"}},
        {"edtRazaoSocial", "a-b", {true, "E", "RAZAO-A-B", "A-B"}},
        {nullptr, nullptr, {false, "E", "", ""}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.campo ? c.campo : "closed");
        QTimer::singleShot(50, [&c] {
            auto *d = qobject_cast<TfrmLocalizaEmpresa *>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            if (!c.campo) {
                d->findChild<QPushButton *>(QStringLiteral("btnFechar"))->click();
                return;
            }
            QTest::keyClicks(d->findChild<QLineEdit *>(QLatin1String(c.campo)), QString::fromUtf8(c.texto));
            d->findChild<QPushButton *>(QStringLiteral("btnLocalizar"))->click();
        });
        const TRegLocalizar r = PedirCriterioSaldo();
        EXPECT_EQ(r.Encontrado, c.esperado.Encontrado);
        EXPECT_EQ(r.Tipo, c.esperado.Tipo);
        EXPECT_EQ(r.Texto, c.esperado.Texto);
        EXPECT_EQ(r.Valor, c.esperado.Valor);
    }
}

} // namespace
