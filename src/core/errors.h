#pragma once

#include <QString>
#include <stdexcept>

namespace tolv {

// Base of the system's own errors: carries a message in UTF-8.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// Misuse of a business object (navigation without a result set, empty message code…).
class ENegocio : public Error {
public:
    using Error::Error;
};

// A failure reported by the database engine (SQL error, lost connection, constraint).
class DatabaseError : public Error {
public:
    DatabaseError(const QString &message, long sqlCode = 0, long gdsCode = 0)
        : Error(message), m_sqlCode(sqlCode), m_gdsCode(gdsCode) {}
    long sqlCode() const { return m_sqlCode; }
    long gdsCode() const { return m_gdsCode; }

private:
    long m_sqlCode;
    long m_gdsCode;
};

// Raised only to abandon a user action quietly; the global handler swallows it.
class EAbort : public Error {
public:
    EAbort() : Error(QStringLiteral("Operação abortada")) {}
};

// Name of an error's class as the error log shows it ("ENegocio", "DatabaseError").
QString NomeClasseErro(const std::exception &e);

} // namespace tolv
