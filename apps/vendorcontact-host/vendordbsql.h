#pragma once

// The database layer's way of running SQL: every failure becomes a
// DatabaseError whose kind says what the user can do about it, with the
// driver's own text kept for the dialog's Details.

#include "databaseerror.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QVariantList>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

namespace DbSql {

/// SQLite's primary result code carried by a Qt error (0 when there is none).
int sqliteCode(const QSqlError &error);

/// What kind of trouble `error` of a statement on `db` is.
DatabaseError::Trouble troubleOf(const QSqlDatabase &db, const QSqlError &error);

/// Runs `sql` on `db`, with `values` bound in order (prepared only then:
/// PostgreSQL cannot prepare statements such as CREATE TABLE). The query is
/// forward-only and positioned before its first row. A failure throws
/// DatabaseError for `location`: "<purpose> failed.", the driver's text
/// under details.
QSqlQuery run(const QSqlDatabase &db, const QString &location, const QString &sql, const QVariantList &values = {},
    const QString &purpose = {});

/// A table, index, trigger or function of the address book, and the
/// statements that create it on each engine.
struct SchemaObject
{
    const char16_t *name;
    bool required; //!< a database without it is no vendor database
    QStringList sqlite;
    QStringList postgres;
};

/// Everything the address book needs, in the order of creation.
QList<SchemaObject> schemaObjects();

/// The PostgreSQL notification channel on which every committed change of
/// a vendor or its addresses names the vendor id.
inline constexpr char16_t ChangeChannel[] = u"vendor_changes";

/// A statement prepared once and run many times with new values (a save
/// of a thousand addresses would otherwise prepare a thousand times).
class Prepared
{
public:
    Prepared(const QSqlDatabase &db, const QString &location, const QString &sql);
    /// Runs the statement with `values` bound in order; throws like run().
    QSqlQuery &exec(const QVariantList &values, const QString &purpose);

private:
    QSqlDatabase m_db;
    QString m_location;
    QSqlQuery m_query;
};

/// Ends the open transaction on `db` without its changes. Used on the way
/// out of a failure, so its own failure (a connection already gone) is
/// only logged: the first failure is the one the user needs.
void rollback(const QSqlDatabase &db);

} // namespace DbSql
} // namespace VendorContactHost
