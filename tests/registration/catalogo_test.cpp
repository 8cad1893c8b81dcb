// Every message code the program can raise must have a text in the catalog.
// The codes are taken from the source itself: each string literal that is a
// four-digit code, optionally after a two-character prefix ("0144", "FE0062").

#include "support/test_support.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

// Six-digit texts that start with "00" are occupation codes ("002238"); the one
// message with the "00" prefix is the first-run confirmation.
// "0000" is the four-digit number format, not a code.
bool naoEhMensagem(const QString &literal)
{
    const QString inner = literal.mid(1, literal.size() - 2);
    if (inner == QLatin1String("0000"))
        return true;
    return inner.size() == 6 && inner.startsWith(QLatin1String("00")) && inner != QLatin1String("000035");
}

QMap<QString, QString> codigosNoCodigoFonte()
{
    QMap<QString, QString> out;  // number -> first file that uses it
    const QRegularExpression literal(QStringLiteral("\"(?:[0-9A-Z]{2})?([0-9]{4})\""));
    QDirIterator it(QStringLiteral(TOLV_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        auto m = literal.globalMatch(text);
        while (m.hasNext()) {
            const auto match = m.next();
            if (naoEhMensagem(match.captured(0)))
                continue;
            if (!out.contains(match.captured(1)))
                out.insert(match.captured(1), path.mid(QStringLiteral(TOLV_SOURCE_DIR).size() + 1));
        }
    }
    return out;
}

TEST(Catalogo, EveryCodeUsedInTheSourceHasAText)
{
    TempProgramDir home;
    auto db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB")));
    const auto rs = db->Abrir(QStringLiteral("SELECT NU_MENSAGEM, DE_MENSAGEM FROM SFGTBT13_MENSAGEM_SISTEMA"));
    QSet<int> catalogo;
    for (rs->first(); !rs->eof(); rs->next()) {
        catalogo.insert(rs->field(QStringLiteral("NU_MENSAGEM")).toInt());
        EXPECT_FALSE(rs->field(QStringLiteral("DE_MENSAGEM")).toString().trimmed().isEmpty())
            << rs->field(QStringLiteral("NU_MENSAGEM")).toInt();
    }
    const auto usados = codigosNoCodigoFonte();
    EXPECT_FALSE(usados.isEmpty());
    for (auto it = usados.begin(); it != usados.end(); ++it)
        EXPECT_TRUE(catalogo.contains(it.key().toInt())) << "code " << it.key().toStdString() << " used in "
                                                         << it.value().toStdString() << " has no catalog text";
}

} // namespace
