#include "codigo_barras.h"

#include "core/formatos.h"

#include <QThread>
#include <atomic>

namespace tolv {

namespace {
std::atomic<const RelogioGuia *> g_relogio{nullptr};

bool soDigitos(const QString &s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

DateTime RelogioGuia::Agora() const { return DateTime::currentDateTime(); }
void RelogioGuia::EsperarUmSegundo() const { QThread::sleep(1); }

const RelogioGuia &RelogioGuia::Padrao()
{
    static const RelogioGuia relogio;
    return relogio;
}

void RelogioGuia::Definir(const RelogioGuia *relogio) { g_relogio.store(relogio); }

const RelogioGuia &RelogioGuia::Atual()
{
    const RelogioGuia *r = g_relogio.load();
    return r ? *r : Padrao();
}

QString DigitoModulo11(const QString &digitos)
{
    int soma = 0, peso = 2;
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        soma += digitos.at(i).digitValue() * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int r = soma % 11;
    return QString::number(r <= 1 ? 0 : 11 - r);
}

QString NovoIdentificadorGuia(qint64 inscricao, const RelogioGuia &relogio)
{
    relogio.EsperarUmSegundo();
    const DateTime agora = relogio.Agora();
    const Date hoje = agora.date();
    const int diaDoAno = hoje - Date::fromYmd(hoje.year(), 1, 1) + 1;
    const int segundos = agora.msecsOfDay() / 1000;
    const QString ano = QStringLiteral("%1").arg(hoje.year(), 4, 10, QLatin1Char('0'));
    const QString insc = QStringLiteral("%1").arg(inscricao, 14, 10, QLatin1Char('0'));
    return QStringLiteral("%1").arg(diaDoAno, 3, 10, QLatin1Char('0')) + ano.at(3)
        + QStringLiteral("%1").arg(segundos, 5, 10, QLatin1Char('0')) + insc.mid(1, 7) + QLatin1Char('1');
}

QString MontarCodigoBarras(qint64 inscricao, Date dataPagamento, Money total, const RelogioGuia &relogio)
{
    const QString identificador = NovoIdentificadorGuia(inscricao, relogio);
    const QString valor = QStringLiteral("%1").arg(total.centavos(), 11, 10, QLatin1Char('0'));
    const QString data = FormatarData(QStringLiteral("yyyymmdd"), dataPagamento);
    const QString resto = valor + QStringLiteral("0239") + data + identificador;
    return QStringLiteral("858") + DigitoModulo11(QStringLiteral("858") + resto) + resto;
}

QString LinhaDigitavel(const QString &codigoBarras)
{
    if (!soDigitos(codigoBarras))
        return {};
    QString linha;
    for (int b = 0; b < 4; ++b) {
        const QString bloco = codigoBarras.mid(b * 11, 11);
        linha += bloco + DigitoModulo11(bloco);
    }
    return linha;
}

QString DigitosLinhaDigitavel(const QString &codigoBarras)
{
    QString out;
    for (int b = 0; b < 4; ++b)
        out += DigitoModulo11(codigoBarras.mid(b * 11, 11));
    return out;
}

QString CodigoBarrasDaLinha(const QString &linha)
{
    QString out;
    for (qsizetype i = 0; i < linha.size(); ++i)
        if (i != 11 && i != 23 && i != 35 && i != 47)
            out += linha.at(i);
    return out;
}

bool ValidarLinhaDigitavel(const QString &texto)
{
    const QString d = ExtrairDigitos(texto);
    if (d.size() != 48)
        return false;
    for (int b = 0; b < 4; ++b)
        if (d.mid(b * 12, 11).size() != 11 || DigitoModulo11(d.mid(b * 12, 11)) != d.mid(b * 12 + 11, 1))
            return false;
    return true;
}

QString RenovarCodigoBarras(const QString &codigoBarras, qint64 inscricao, const RelogioGuia &relogio)
{
    QString cb = codigoBarras.left(27) + NovoIdentificadorGuia(inscricao, relogio);
    const QString semDv = cb.left(3) + cb.mid(4);
    cb.replace(3, 1, DigitoModulo11(semDv));
    return cb;
}

QString IdentificadorArquivo(const QString &texto, DateTime momentoServidor)
{
    quint32 soma = 0;
    for (QChar c : texto)
        soma += c.unicode();
    soma %= 65536;
    return FormatarDataHora(QStringLiteral("yyyymmddhhnnsszzz"), momentoServidor)
        + QStringLiteral("%1").arg(soma, 13, 10, QLatin1Char('0'));
}

QString IdentificadorArquivo(const QString &texto, TDBUtils &banco)
{
    return IdentificadorArquivo(texto, DataHoraServidor(true, &banco));
}

} // namespace tolv
