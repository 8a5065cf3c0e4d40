// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The database layer's way of running SQL: every failure becomes a
// DatabaseError whose kind says what the user can do about it, with the
// driver's own text kept for the dialog's Details.

#include "databaseerror.h"
#include "vendordatabase.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QRandomGenerator>
#include <QtCore/QThread>
#include <QtCore/QVariantList>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <array>
#include <optional>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

namespace DbSql {

using namespace Qt::Literals::StringLiterals;

/// A failure of the data rather than of the database.
inline ZebVendorContact::Error failure(const QString &message)
{
    return ZebVendorContact::Error(ZebVendorContact::Error::Code::InvalidArgument, message);
}

/// An address column and the SQL type its values travel as.
struct AddressColumn
{
    const char16_t *name;
    const char16_t *type;
};

/// The address columns after the id, in the order of the exchange fields.
inline constexpr std::array<AddressColumn, 13> AddressColumns { { { u"type_id", u"smallint" }, { u"name", u"text" },
    { u"street1", u"text" }, { u"street2", u"text" }, { u"city", u"text" }, { u"country", u"smallint" },
    { u"state_id", u"smallint" }, { u"postal_code", u"text" }, { u"phone", u"text" }, { u"fax", u"text" },
    { u"email", u"text" }, { u"phone2", u"text" }, { u"cell", u"text" } } };

inline QString columnList()
{
    QStringList names;
    for (const AddressColumn &column : AddressColumns)
        names << QString::fromUtf16(column.name);
    return names.join(u", ");
}

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

/*!
 * The address table of the vendor's load text (each record ended by the
 * record separator), written straight from SQLite's UTF-8 values into one
 * string: no value object per value. Fills the snapshot's row versions and
 * address count. Nothing when a value could not travel as it is (NULL, a
 * number that is no small whole number, text longer than its field, a
 * separator inside a value): the caller then reads value by value, whose
 * refusal names the value. The separators must be single characters.
 *
 * A large vendor is read in two halves at once, the later one through
 * `second` (opened on the same file when empty) on another thread; when
 * that connection cannot read, or saw another state of the vendor, the
 * first connection reads that half too.
 */
std::optional<QString> sqliteAddressTable(const QSqlDatabase &db, const QString &location, qint32 vendorId,
    const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot, SqliteConnection &second);

/// The same from PostgreSQL, through libpq on the connection Qt's driver
/// opened: the rows in libpq's text form, no QVariant per value.
std::optional<QString> postgresAddressTable(const QSqlDatabase &db, const QString &location, qint32 vendorId,
    const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot);

/// How often a transaction is run in all when it keeps losing to another
/// writer's locks (DatabaseError::Trouble::Locked) before the user is told.
inline constexpr int TransactionTries = 3;

/*!
 * Runs `transaction` and, while it fails for another writer's locks, runs
 * it again, up to TransactionTries times in all: SQLite's wait for the
 * file's lock ran out, or PostgreSQL picked it as a deadlock's victim or
 * could not serialise it. Either way the database rolled it back whole,
 * and `transaction` must roll back whatever is left of its own. The last
 * failure, and every other one, is thrown.
 */
template<typename Transaction> auto retryingLocked(Transaction &&transaction)
{
    for (int tries = 1;; ++tries) {
        try {
            return transaction();
        } catch (const DatabaseError &error) {
            if (error.trouble() != DatabaseError::Trouble::Locked || tries >= TransactionTries)
                throw;
            qCInfo(lcVendorDatabase) << "another writer held what a transaction needed; running it again:"
                                     << error.details();
            // A moment's pause lets the winner take what it waited for;
            // starting again at once can meet it in the same order again.
            QThread::msleep(QRandomGenerator::global()->bounded(20, 100));
        }
    }
}

/// Ends the open transaction on `db` without its changes. Used on the way
/// out of a failure, so its own failure (a connection already gone) is
/// only logged: the first failure is the one the user needs.
void rollback(const QSqlDatabase &db);

} // namespace DbSql

template<typename Read> auto VendorDatabase::reading(Read &&read) const
{
    try {
        return read();
    } catch (const DatabaseError &error) {
        // A server restart ends the connection: open it again, once, and
        // read again; a second failure is the user's to know.
        if (error.trouble() != DatabaseError::Trouble::ConnectionLost &&
            error.trouble() != DatabaseError::Trouble::Other)
            throw;
        if (!reconnectIfLost())
            throw;
    }
    return read();
}

} // namespace VendorContactHost
