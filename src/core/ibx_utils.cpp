#include "ibx_utils.h"

#include "errors.h"

#include <QElapsedTimer>
#include <QTime>
#include <firebird/Interface.h>
#include <ibase.h>

#include <cstring>

using namespace Firebird;

namespace tolv {

namespace {

// ISC_DATE counts days from 17/11/1858; the serial dates from 30/12/1899.
constexpr qint64 kIscDateOfOrigin = 15018;

IMaster *master() { return fb_get_master_interface(); }

// A status vector that throws FbException and is disposed on scope exit.
class Status {
public:
    Status() : m_wrapper(master()->getStatus()) {}
    ~Status() { m_wrapper.dispose(); }
    ThrowStatusWrapper *operator&() { return &m_wrapper; }

private:
    ThrowStatusWrapper m_wrapper;
};

DatabaseError toError(const FbException &e)
{
    char buf[2048];
    master()->getUtilInterface()->formatStatus(buf, sizeof buf, e.getStatus());
    const intptr_t *errors = e.getStatus()->getErrors();
    const long sqlCode = isc_sqlcode(errors);
    const long gds = (errors && errors[0] == isc_arg_gds) ? long(errors[1]) : 0;
    return DatabaseError(QString::fromUtf8(buf), sqlCode, gds);
}

int bytesPerChar(unsigned charSet)
{
    switch (charSet & 0xFF) {
    case 3: return 3;   // UNICODE_FSS
    case 4: return 4;   // UTF8
    default: return 1;
    }
}

std::vector<unsigned char> buildDpb(const QString &user, const QString &password, bool create)
{
    Status st;
    IXpbBuilder *dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    try {
        if (!user.isEmpty())
            dpb->insertString(&st, isc_dpb_user_name, user.toUtf8().constData());
        if (!password.isEmpty())
            dpb->insertString(&st, isc_dpb_password, password.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        if (create) {
            dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
            dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
            dpb->insertInt(&st, isc_dpb_page_size, 8192);
        }
        const unsigned char *buf = dpb->getBuffer(&st);
        std::vector<unsigned char> out(buf, buf + dpb->getBufferLength(&st));
        dpb->dispose();
        return out;
    } catch (...) {
        dpb->dispose();
        throw;
    }
}

struct ColumnLayout {
    unsigned type = 0;
    unsigned offset = 0;
    unsigned nullOffset = 0;
    unsigned length = 0;
    int charLength = 0;
};

Cell decode(const ColumnLayout &c, const unsigned char *buf)
{
    if (*reinterpret_cast<const short *>(buf + c.nullOffset) == -1)
        return std::monostate{};
    const unsigned char *p = buf + c.offset;
    switch (c.type) {
    case SQL_TEXT: {
        QString s = QString::fromUtf8(reinterpret_cast<const char *>(p), c.length);
        // The buffer is padded to the byte length; CHAR(n) is n characters.
        if (c.charLength > 0 && s.size() > c.charLength)
            s.truncate(c.charLength);
        return s;
    }
    case SQL_VARYING: {
        const unsigned short len = *reinterpret_cast<const unsigned short *>(p);
        return QString::fromUtf8(reinterpret_cast<const char *>(p + 2), len);
    }
    case SQL_SHORT: return qint64(*reinterpret_cast<const qint16 *>(p));
    case SQL_LONG: return qint64(*reinterpret_cast<const qint32 *>(p));
    case SQL_INT64: return qint64(*reinterpret_cast<const qint64 *>(p));
    case SQL_FLOAT: return double(*reinterpret_cast<const float *>(p));
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return *reinterpret_cast<const double *>(p);
    case SQL_TYPE_DATE: return qint64(*reinterpret_cast<const ISC_DATE *>(p)) - kIscDateOfOrigin;
    case SQL_TYPE_TIME: return qint64(*reinterpret_cast<const ISC_TIME *>(p) / 10);
    case SQL_TIMESTAMP: {
        const auto *ts = reinterpret_cast<const ISC_TIMESTAMP *>(p);
        return (qint64(ts->timestamp_date) - kIscDateOfOrigin) * DateTime::kMsPerDay
            + qint64(ts->timestamp_time / 10);
    }
    case SQL_BOOLEAN: return qint64(*p ? 1 : 0);
    default: return std::monostate{};
    }
}

ColumnType columnType(unsigned type, int scale)
{
    switch (type) {
    case SQL_TEXT:
    case SQL_VARYING: return ColumnType::Text;
    case SQL_SHORT: return scale ? ColumnType::Numeric : ColumnType::SmallInt;
    case SQL_LONG: return scale ? ColumnType::Numeric : ColumnType::Integer;
    case SQL_INT64: return scale ? ColumnType::Numeric : ColumnType::BigInt;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return ColumnType::Double;
    case SQL_TYPE_DATE: return ColumnType::Date;
    case SQL_TYPE_TIME: return ColumnType::Time;
    case SQL_TIMESTAMP: return ColumnType::Timestamp;
    case SQL_BOOLEAN: return ColumnType::SmallInt;
    default: return ColumnType::Other;
    }
}

QString horaComSegundos(const QTime &t) { return t.toString(QStringLiteral("HH:mm:ss")); }

} // namespace

struct TIbxUtils::Impl {
    IProvider *provider = nullptr;
    IAttachment *att = nullptr;
    ITransaction *tra = nullptr;

    ~Impl()
    {
        try {
            Status st;
            if (tra) {
                tra->rollback(&st);
                tra = nullptr;
            }
            if (att) {
                att->detach(&st);
                att = nullptr;
            }
        } catch (...) {
            if (tra) tra->release();
            if (att) att->release();
        }
        if (provider)
            provider->release();
    }

    void requireConnection() const
    {
        if (!att)
            throw DatabaseError(QStringLiteral("Banco de dados não conectado"));
    }
};

TIbxUtils::TIbxUtils() : d(std::make_unique<Impl>())
{
    d->provider = master()->getDispatcher();
}

TIbxUtils::~TIbxUtils()
{
    if (TDBUtils::Instancia() == this)
        TDBUtils::DefinirInstancia(nullptr);
}

bool TIbxUtils::EmTransacao() const
{
    std::lock_guard lock(m_mutex);
    return d->tra != nullptr;
}

void TIbxUtils::ConfigurarConexao()
{
    // The connection parameters are built when connecting (see Conectar).
}

void TIbxUtils::Conectar()
{
    std::lock_guard lock(m_mutex);
    Conectado = false;
    ConfigurarConexao();
    Fechar();
    try {
        Status st;
        const auto dpb = buildDpb(Usuario, Senha, false);
        d->att = d->provider->attachDatabase(&st, CaminhoBanco.toUtf8().constData(),
                                             unsigned(dpb.size()), dpb.data());
    } catch (const FbException &e) {
        DatabaseError err = toError(e);
        UltimoErro = err.message();
        throw err;
    }
    Conectado = true;
}

void TIbxUtils::Fechar()
{
    std::lock_guard lock(m_mutex);
    try {
        Status st;
        if (d->tra) {
            d->tra->rollback(&st);
            d->tra = nullptr;
        }
        if (d->att) {
            d->att->detach(&st);
            d->att = nullptr;
        }
    } catch (const FbException &e) {
        if (d->tra) { d->tra->release(); d->tra = nullptr; }
        if (d->att) { d->att->release(); d->att = nullptr; }
        throw toError(e);
    }
}

void TIbxUtils::IniciarTransacao()
{
    std::lock_guard lock(m_mutex);
    d->requireConnection();
    if (d->tra)
        throw DatabaseError(QStringLiteral("A transação já está ativa"));
    try {
        Status st;
        d->tra = d->att->startTransaction(&st, 0, nullptr);
    } catch (const FbException &e) {
        throw toError(e);
    }
}

void TIbxUtils::Commit()
{
    std::lock_guard lock(m_mutex);
    if (!d->tra)
        throw DatabaseError(QStringLiteral("Nenhuma transação ativa para confirmar"));
    try {
        Status st;
        d->tra->commit(&st);
        d->tra = nullptr;
    } catch (const FbException &e) {
        throw toError(e);
    }
}

void TIbxUtils::Rollback()
{
    std::lock_guard lock(m_mutex);
    if (!d->tra)
        throw DatabaseError(QStringLiteral("Nenhuma transação ativa para desfazer"));
    try {
        Status st;
        d->tra->rollback(&st);
        d->tra = nullptr;
    } catch (const FbException &e) {
        // The transaction is gone for us either way (a lost connection cannot roll back).
        d->tra->release();
        d->tra = nullptr;
        throw toError(e);
    }
}

void TIbxUtils::Executar(const QString &sql)
{
    std::lock_guard lock(m_mutex);
    d->requireConnection();
    const bool started = d->tra == nullptr;
    if (started)
        IniciarTransacao();
    try {
        Status st;
        const QByteArray text = sql.toUtf8();
        d->att->execute(&st, d->tra, unsigned(text.size()), text.constData(), SQL_DIALECT_V6,
                        nullptr, nullptr, nullptr, nullptr);
        if (LogSql)
            GravarLog(sql, nullptr);
        if (started)
            Commit();
    } catch (const FbException &e) {
        const DatabaseError err = toError(e);
        if (started && d->tra)
            try { Rollback(); } catch (...) {}
        UltimoErro = err.message();
        if (LogSql)
            GravarLog(sql, &err);
        throw err;
    } catch (const std::exception &e) {
        // A failed commit or log write.
        if (started && d->tra)
            try { Rollback(); } catch (...) {}
        UltimoErro = QString::fromUtf8(e.what());
        throw;
    }
}

std::unique_ptr<ResultSet> TIbxUtils::Abrir(const QString &sql)
{
    std::lock_guard lock(m_mutex);
    d->requireConnection();
    const QTime t1 = QTime::currentTime();
    QElapsedTimer timer;
    timer.start();
    const bool started = d->tra == nullptr;
    if (started)
        IniciarTransacao();

    IStatement *stmt = nullptr;
    IMessageMetadata *meta = nullptr;
    IResultSet *cursor = nullptr;
    try {
        Status st;
        const QByteArray text = sql.toUtf8();
        stmt = d->att->prepare(&st, d->tra, unsigned(text.size()), text.constData(), SQL_DIALECT_V6,
                               IStatement::PREPARE_PREFETCH_METADATA);
        meta = stmt->getOutputMetadata(&st);
        const unsigned count = meta->getCount(&st);

        QVector<Column> columns;
        std::vector<ColumnLayout> layout(count);
        columns.reserve(int(count));
        for (unsigned i = 0; i < count; ++i) {
            ColumnLayout &c = layout[i];
            c.type = meta->getType(&st, i) & ~1u;
            c.offset = meta->getOffset(&st, i);
            c.nullOffset = meta->getNullOffset(&st, i);
            c.length = meta->getLength(&st, i);
            const int scale = -meta->getScale(&st, i);
            if (c.type == SQL_TEXT)
                c.charLength = int(c.length) / bytesPerChar(meta->getCharSet(&st, i));
            Column col;
            col.name = QString::fromUtf8(meta->getAlias(&st, i));
            col.type = columnType(c.type, scale);
            col.scale = col.type == ColumnType::Numeric ? scale : 0;
            col.charLength = c.type == SQL_TEXT ? c.charLength
                                                : (c.type == SQL_VARYING ? int(c.length) / bytesPerChar(meta->getCharSet(&st, i)) : 0);
            columns.push_back(col);
        }

        auto result = std::make_unique<ResultSet>(columns);
        std::vector<unsigned char> buffer(meta->getMessageLength(&st));
        cursor = stmt->openCursor(&st, d->tra, nullptr, nullptr, meta, 0);
        while (cursor->fetchNext(&st, buffer.data()) == IStatus::RESULT_OK) {
            std::vector<Cell> row;
            row.reserve(count);
            for (unsigned i = 0; i < count; ++i)
                row.push_back(decode(layout[i], buffer.data()));
            result->appendRow(std::move(row));
        }
        cursor->close(&st);
        cursor = nullptr;
        meta->release();
        meta = nullptr;
        stmt->free(&st);
        stmt = nullptr;
        result->first();

        if (LogSql) {
            const QTime t2 = QTime::currentTime();
            const QTime diff = QTime::fromMSecsSinceStartOfDay(int(timer.elapsed() % DateTime::kMsPerDay));
            GravarLog(sql + QStringLiteral("\r") + QStringLiteral("Tempo ") + horaComSegundos(t1)
                          + QStringLiteral(" a ") + horaComSegundos(t2) + QStringLiteral(" Diferença ")
                          + horaComSegundos(diff),
                      nullptr);
        }
        if (started)
            Commit();
        return result;
    } catch (const FbException &e) {
        if (cursor) cursor->release();
        if (meta) meta->release();
        if (stmt) stmt->release();
        const DatabaseError err = toError(e);
        UltimoErro = err.message();
        if (LogSql)
            GravarLog(sql, &err);
        if (started && d->tra)
            try { Rollback(); } catch (...) {}
        throw err;
    } catch (const std::exception &e) {
        if (cursor) cursor->release();
        if (meta) meta->release();
        if (stmt) stmt->release();
        UltimoErro = QString::fromUtf8(e.what());
        if (started && d->tra)
            try { Rollback(); } catch (...) {}
        throw;
    }
}

void TIbxUtils::CriarBanco(const QString &caminho, const QString &usuario, const QString &senha)
{
    IProvider *provider = master()->getDispatcher();
    try {
        Status st;
        const auto dpb = buildDpb(usuario, senha, true);
        IAttachment *att = provider->createDatabase(&st, caminho.toUtf8().constData(),
                                                    unsigned(dpb.size()), dpb.data());
        att->detach(&st);
        provider->release();
    } catch (const FbException &e) {
        provider->release();
        throw toError(e);
    }
}

} // namespace tolv
