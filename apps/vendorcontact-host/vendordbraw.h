// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The database layer's direct way to each engine: libpq and SQLite on the
// connection Qt's driver opened, for the few jobs where the driver's value
// objects and round trips cost more than the work itself.

#include "vendordbsql.h"

#include <libpq-fe.h>

#include <memory>

struct sqlite3;

namespace VendorContactHost::DbSql {

/// The connection Qt's driver opened, when `db` is of that engine.
PGconn *postgresConnection(const QSqlDatabase &db);
sqlite3 *sqliteConnection(const QSqlDatabase &db);

struct PostgresResultClear
{
    void operator()(PGresult *result) const { PQclear(result); }
};
using PostgresResult = std::unique_ptr<PGresult, PostgresResultClear>;

/// The failure of a statement `result` came from (none when libpq could not
/// even send it): "<purpose> failed.", the server's SQLSTATE deciding the
/// kind of trouble like Qt's error code does in run().
DatabaseError postgresFailure(
    const QSqlDatabase &db, const QString &location, const QString &purpose, const PGresult *result);

/*!
 * Runs `sql` once with `parameters` ($1, $2, ...) sent apart from the
 * statement in their text form: one round trip, where Qt's driver
 * prepares, runs and forgets a statement in three with every value
 * written into the statement text. Gives the first column of the rows it
 * returns. Throws like run().
 */
QStringList postgresRun(const QSqlDatabase &db, const QString &location, const QByteArray &sql,
    const QList<QByteArray> &parameters, const QString &purpose);

/*!
 * A PostgreSQL array in its text form, one parameter carrying a whole
 * column of values: `{1,NULL,"O'Brien \"Jr.\""}`. Every text element is
 * quoted, so none is taken for NULL or split at a comma or a brace.
 */
class PostgresArray
{
public:
    PostgresArray();
    void add(qint64 number);
    /// A null value as NULL, a whole number as itself, anything else as text.
    void add(const QVariant &value);
    /// The array, closed; the builder is empty afterwards.
    QByteArray take();

private:
    void separate();
    void addText(QStringView text);
    QByteArray m_text;
};

} // namespace VendorContactHost::DbSql
