#include "sql_script.h"

namespace tolv {

QStringList DividirScriptSql(const QString &script)
{
    QStringList out;
    QString cur;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // a literal or quoted name runs to its closing quote; a doubled quote stays inside
            cur += c;
            for (++i; i < n; ++i) {
                cur += script.at(i);
                if (script.at(i) == c) {
                    if (i + 1 < n && script.at(i + 1) == c) {
                        cur += script.at(++i);
                        continue;
                    }
                    break;
                }
            }
        } else if (c == QLatin1Char('-') && i + 1 < n && script.at(i + 1) == QLatin1Char('-')) {
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
            cur += QLatin1Char('\n');
        } else if (c == QLatin1Char('/') && i + 1 < n && script.at(i + 1) == QLatin1Char('*')) {
            const qsizetype end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            cur += QLatin1Char(' ');
        } else if (c == QLatin1Char(';')) {
            if (!cur.trimmed().isEmpty())
                out << cur.trimmed();
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.trimmed().isEmpty())
        out << cur.trimmed();
    return out;
}

void ExecutarScriptSql(TDBUtils &banco, const QString &script)
{
    for (const QString &stmt : DividirScriptSql(script))
        banco.Executar(stmt);
}

} // namespace tolv
