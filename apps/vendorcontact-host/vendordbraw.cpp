// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendordbraw.h"

#include <QtSql/QSqlDriver>

#include <vector>

namespace VendorContactHost::DbSql {

namespace {

/// The driver's connection, when it is the kind asked for (Qt names the
/// type after its typedef or after the struct behind it).
template<typename Handle> Handle *driverHandle(const QSqlDatabase &db, std::initializer_list<const char *> typeNames)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid())
        return nullptr;
    for (const char *typeName : typeNames) {
        if (qstrcmp(handle.typeName(), typeName) == 0)
            return *static_cast<Handle *const *>(handle.constData());
    }
    return nullptr;
}

} // namespace

PGconn *postgresConnection(const QSqlDatabase &db)
{
    return driverHandle<PGconn>(db, { "PGconn*", "pg_conn*" });
}

sqlite3 *sqliteConnection(const QSqlDatabase &db)
{
    return driverHandle<sqlite3>(db, { "sqlite3*" });
}

DatabaseError postgresFailure(
    const QSqlDatabase &db, const QString &location, const QString &purpose, const PGresult *result)
{
    PGconn *connection = postgresConnection(db);
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    QString code = state ? QString::fromLatin1(state) : QString();
    // A connection that broke is the reconnect's to mend.
    if (code.isEmpty() && connection && PQstatus(connection) == CONNECTION_BAD)
        code = u"08006"_s;
    const char *message = result && *PQresultErrorMessage(result) ? PQresultErrorMessage(result)
        : connection                                              ? PQerrorMessage(connection)
                                                                  : "";
    const QSqlError error(QString(), QString::fromUtf8(message).trimmed(),
        code.startsWith(u"08") ? QSqlError::ConnectionError : QSqlError::StatementError, code);
    return DatabaseError(troubleOf(db, error), location, VendorDatabase::tr("%1 failed.").arg(purpose), error.text());
}

QStringList postgresRun(const QSqlDatabase &db, const QString &location, const QByteArray &sql,
    const QList<QByteArray> &parameters, const QString &purpose)
{
    PGconn *connection = postgresConnection(db);
    if (!connection)
        throw DatabaseError(DatabaseError::Trouble::ConnectionLost, location,
            VendorDatabase::tr("%1 failed.").arg(purpose), VendorDatabase::tr("The connection is not open."));
    std::vector<const char *> values;
    values.reserve(parameters.size());
    for (const QByteArray &parameter : parameters)
        values.push_back(parameter.constData());
    const PostgresResult result(
        PQexecParams(connection, sql.constData(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        throw postgresFailure(db, location, purpose, result.get());
    QStringList rows;
    const int count = PQntuples(result.get());
    rows.reserve(count);
    for (int row = 0; row < count && PQnfields(result.get()) > 0; ++row)
        rows << QString::fromUtf8(PQgetvalue(result.get(), row, 0), PQgetlength(result.get(), row, 0));
    return rows;
}

PostgresArray::PostgresArray()
{
    m_text += '{';
}

void PostgresArray::separate()
{
    if (m_text.size() > 1)
        m_text += ',';
}

void PostgresArray::add(qint64 number)
{
    separate();
    m_text += QByteArray::number(number);
}

void PostgresArray::add(const QVariant &value)
{
    if (value.isNull()) {
        separate();
        m_text += "NULL";
    } else if (value.typeId() == QMetaType::Int) {
        add(qint64(value.toInt()));
    } else {
        addText(value.toString());
    }
}

void PostgresArray::addText(QStringView text)
{
    separate();
    m_text += '"';
    // Inside quotes only the quote and the backslash need a backslash. Most
    // addresses are plain ASCII, copied as they are; the rest is encoded.
    qsizetype plain = 0;
    while (plain < text.size() && text.at(plain).unicode() < 0x80)
        ++plain;
    const QByteArray encoded = plain == text.size() ? QByteArray() : text.mid(plain).toUtf8();
    auto append = [this](char byte) {
        if (byte == '"' || byte == '\\')
            m_text += '\\';
        m_text += byte;
    };
    for (qsizetype i = 0; i < plain; ++i)
        append(char(text.at(i).unicode()));
    for (const char byte : encoded)
        append(byte);
    m_text += '"';
}

QByteArray PostgresArray::take()
{
    m_text += '}';
    QByteArray text = std::move(m_text);
    m_text = QByteArrayLiteral("{");
    return text;
}

} // namespace VendorContactHost::DbSql
