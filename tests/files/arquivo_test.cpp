#include "files/arquivo.h"

#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolv;

namespace {

void Gravar(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(TArquivo, ReadsEveryLineWithItsBytePositions)
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("TOLV.RE"));
    // A short line, a CR line, an LF line and a final line without a break.
    Gravar(caminho, QByteArray("00SHORT\r10CONCEI\xC7\xC3O  X\n40\xC9\r\n90", 30));

    TArquivo arq;
    arq.NomeArquivo = caminho;
    ASSERT_TRUE(arq.AbrirLeitura());
    EXPECT_TRUE(arq.Aberto);
    EXPECT_EQ(arq.Modo, QStringLiteral("L"));
    ASSERT_EQ(arq.Linhas.size(), 4);
    EXPECT_EQ(arq.Linhas[1], QString::fromUtf8("10CONCEIÇÃO  X"));
    EXPECT_EQ(arq.CampoLinha(1, 14, 1), QStringLiteral("X"));
    EXPECT_EQ(arq.CampoLinha(0, 3, 10), QStringLiteral("SHORT     "));
    EXPECT_EQ(arq.CampoLinha(2, 3, 1), QString::fromUtf8("É"));
    EXPECT_EQ(arq.CampoLinha(3, 1, 2), QStringLiteral("90"));
    EXPECT_EQ(arq.CampoLinha(4, 1, 2), QStringLiteral("  "));   // no such line
    EXPECT_EQ(arq.CampoLinha(-1, 1, 2), QStringLiteral("  "));

    // Open already: a second open is refused and the lines stay.
    EXPECT_FALSE(arq.ValidarCaminho(true));
    EXPECT_TRUE(arq.ValidarCaminho(false));
    EXPECT_FALSE(arq.AbrirLeitura());
    EXPECT_EQ(arq.Linhas.size(), 4);

    arq.Fechar();
    EXPECT_FALSE(arq.Aberto);
    arq.Fechar();  // closing a closed file does nothing
    EXPECT_FALSE(arq.Aberto);
}

TEST(TArquivo, FilesThatCannotBeOpened)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("PASTA"));
    const struct {
        QString nome;
        const char *caso;
    } casos[] = {
        {QString(), "empty name"},
        {dir.filePath(QStringLiteral("nao_existe/TOLV.RE")), "missing directory"},
        {dir.filePath(QStringLiteral("TOLV.RE")), "missing file"},
        {dir.filePath(QStringLiteral("PASTA")), "a directory"},
    };
    for (const auto &c : casos) {
        TArquivo arq;
        arq.NomeArquivo = c.nome;
        EXPECT_FALSE(arq.AbrirLeitura()) << c.caso;
        EXPECT_FALSE(arq.Aberto) << c.caso;
        EXPECT_TRUE(arq.Linhas.isEmpty()) << c.caso;
    }
    TArquivo semNome;
    EXPECT_FALSE(semNome.ValidarCaminho(false));
}

TEST(TArquivo, LoadingLinesOfAFileNotOpenForReadingIsMisuse)
{
    TArquivo arq;
    EXPECT_THROW(arq.CarregarLinhas(), ENegocio);
}

TEST(TArquivo, LinesFromContentHeldInMemory)
{
    TArquivo arq;
    arq.CarregarConteudo(QByteArray("00A\xC7\r\n10B\r\n", 10));
    EXPECT_EQ(arq.Linhas, (QStringList{QString::fromUtf8("00AÇ"), QStringLiteral("10B")}));
    EXPECT_FALSE(arq.Aberto);
    arq.CarregarConteudo(QString::fromUtf8("00É\n10"));
    EXPECT_EQ(arq.Linhas, (QStringList{QString::fromUtf8("00É"), QStringLiteral("10")}));
}

TEST(TArquivo, TheBaseReadsAndWritesNothing)
{
    TArquivo arq;
    EXPECT_FALSE(arq.Importar());
    EXPECT_FALSE(arq.Processar());
    EXPECT_EQ(arq.IndiceLinha, 0);
    EXPECT_EQ(arq.TipoRegistroAtual, 0);
    EXPECT_TRUE(arq.Inconsistencia != nullptr);
}
