// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendordbsql.h"

#include "vendordatabase.h"

namespace VendorContactHost {

Q_LOGGING_CATEGORY(lcVendorDatabase, "zeb.vendorcontact")

namespace DbSql {

using namespace Qt::Literals::StringLiterals;
using Trouble = DatabaseError::Trouble;

int sqliteCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // Extended result codes keep the primary code in their low byte.
    return ok ? code & 0xff : 0;
}

DatabaseError::Trouble sqliteTrouble(int code)
{
    switch (code & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Trouble::Locked;
    case 8: // SQLITE_READONLY
        return Trouble::ReadOnly;
    case 11: // SQLITE_CORRUPT
        return Trouble::Damaged;
    case 26: // SQLITE_NOTADB
        return Trouble::NotADatabase;
    default:
        return Trouble::Other;
    }
}

DatabaseError::Trouble troubleOf(const QSqlDatabase &db, const QSqlError &error)
{
    // Qt's SQLite driver passes SQLite's result code.
    if (db.driverName() == u"QSQLITE")
        return sqliteTrouble(sqliteCode(error));
    // 40P01 deadlock_detected, 40001 serialization_failure: the server
    // rolled the transaction back because another one (another program, or
    // a save locking the same rows in another order) held what it needed.
    // Like SQLite's lock, running the whole transaction again is the cure.
    const QString sqlState = error.nativeErrorCode();
    if (sqlState == u"40P01" || sqlState == u"40001")
        return Trouble::Locked;
    // libpq reports a connection the server ended (restart, shutdown,
    // pg_terminate_backend) or that broke with these texts; Qt's driver
    // passes no code for them.
    const QString text = error.databaseText() + u' ' + error.driverText();
    static const char16_t *const lost[] = { u"terminating connection", u"server closed the connection",
        u"no connection to the server", u"connection to server", u"could not receive data from server",
        u"could not send data to server", u"SSL connection has been closed" };
    for (const char16_t *phrase : lost) {
        if (text.contains(QString::fromUtf16(phrase), Qt::CaseInsensitive))
            return Trouble::ConnectionLost;
    }
    // 57P01 admin_shutdown, 57P02 crash_shutdown, 08xxx connection exceptions.
    if (sqlState.startsWith(u"57P0") || sqlState.startsWith(u"08"))
        return Trouble::ConnectionLost;
    return Trouble::Other;
}

QSqlQuery run(const QSqlDatabase &db, const QString &location, const QString &sql, const QVariantList &values,
    const QString &purpose)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    auto fail = [&] {
        const QSqlError error = query.lastError();
        return DatabaseError(troubleOf(db, error), location,
            VendorDatabase::tr("%1 failed.").arg(purpose.isEmpty() ? sql : purpose), error.text());
    };
    if (values.isEmpty()) {
        if (!query.exec(sql))
            throw fail();
        return query;
    }
    if (!query.prepare(sql))
        throw fail();
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw fail();
    return query;
}

Prepared::Prepared(const QSqlDatabase &db, const QString &location, const QString &sql)
    : m_db(db)
    , m_location(location)
    , m_query(db)
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw DatabaseError(troubleOf(db, m_query.lastError()), location,
            VendorDatabase::tr("%1 failed.").arg(VendorDatabase::tr("Preparing the save")), m_query.lastError().text());
}

QSqlQuery &Prepared::exec(const QVariantList &values, const QString &purpose)
{
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values.at(i));
    if (!m_query.exec())
        throw DatabaseError(troubleOf(m_db, m_query.lastError()), m_location,
            VendorDatabase::tr("%1 failed.").arg(purpose), m_query.lastError().text());
    return m_query;
}

void rollback(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(u"ROLLBACK"_s))
        qCInfo(lcVendorDatabase) << "rolling back after a failure:" << query.lastError().text();
}

} // namespace DbSql
} // namespace VendorContactHost
