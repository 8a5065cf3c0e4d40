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

struct DirectorySql;

using namespace Qt::Literals::StringLiterals;

/// A failure of the data rather than of the database.
inline ZebVendorContact::Error failure(const QString &message)
{
    return ZebVendorContact::Error(ZebVendorContact::Error::Code::InvalidArgument, message);
}

/// SQLite's primary result code carried by a Qt error (0 when there is none).
int sqliteCode(const QSqlError &error);

/// What kind of trouble SQLite's result code `code` (extended or not) is.
DatabaseError::Trouble sqliteTrouble(int code);

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

/*!
 * What both engines share: everything that goes through Qt's SQL module
 * with the same SQL on SQLite and PostgreSQL (the reads, the save's
 * transaction, the schema's creation, seeding). Where the engines differ,
 * this class asks the engine through one of its protected virtual
 * functions; it never asks which engine it is.
 *
 * A query a new feature needs goes here when its SQL suits both engines,
 * or into each engine class when it does not, as a public method of
 * VendorDatabase either way.
 */
class SqlVendorDatabase : public VendorDatabase
{
    // Their messages are the address book's, translated as one.
    Q_DECLARE_TR_FUNCTIONS(VendorDatabase)

    /// The test suites run SQL of their own on a database's connection.
    friend struct SqlVendorDatabaseAccess;
    /// The vendor list's reads run on this database's connection.
    friend class SqlVendorDirectory;

public:
    ~SqlVendorDatabase() override;

    QString description() const override { return m_description; }
    QString readOnlyReason() const override { return m_readOnlyReason; }
    void reconnect() override;
    QList<VendorSummary> vendors() const override;
    VendorSnapshot loadVendor(qint32 vendorId) const override;
    VendorLoad loadVendorText(qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators) const override;
    CurrentAddresses currentAddresses(qint32 vendorId, const QStringList &addressIds) const override;
    using VendorDatabase::saveVendor;
    SaveOutcome saveVendor(const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes,
        const QString &saveId) override;
    std::optional<SaveOutcome> committedSave(const QString &saveId) const override;
    qint32 addGeneratedVendor(const QString &name, int count) override;
    bool removeAddress(qint32 vendorId, qint64 addressId, qint64 rowVersion) override;
    std::unique_ptr<VendorDirectory> directory() const override;

protected:
    /// `driver` is Qt's; `location` names the database in messages.
    SqlVendorDatabase(const QString &driver, const QString &location, const QString &description);

    QSqlDatabase connection() const;
    /// The name of the connection in Qt's registry, whether open or not.
    const QString &connectionName() const { return m_connectionName; }
    /// Runs `sql` on the connection; see DbSql::run().
    QSqlQuery run(const QString &sql, const QVariantList &values = {}, const QString &purpose = {}) const;
    const QString &location() const { return m_location; }
    void setReadOnlyReason(const QString &reason) { m_readOnlyReason = reason; }

    /// Opens the connection as the engine configures it; throws the
    /// engine's openFailure().
    void openConnection();
    void closeConnection();
    /// Creates what the schema lacks (and seeds a database created now);
    /// on a read-only database only checks that it is a vendor database.
    void prepareSchema(Seeding seeding, bool mayCreate);
    /// Runs `read`; when the connection was lost, re-opens it once and
    /// reads again.
    template<typename Read> auto reading(Read &&read) const;

    // What each engine does its own way.

    /// Sets the database name and options of a new connection.
    virtual void configure(QSqlDatabase &db) const = 0;
    /// Right after the connection opened.
    virtual void connectionOpened() { }
    /// Before the connection closes: connections of the engine's own go first.
    virtual void closingConnection() { }
    virtual DatabaseError openFailure(const QSqlError &error) const = 0;
    /// A query giving the names of every table, index, trigger and function.
    virtual QString existingObjectsSql() const = 0;
    /// The statements creating `object` on this engine (none: not needed here).
    virtual const QStringList &createStatements(const DbSql::SchemaObject &object) const = 0;
    /// Before the schema is first written to (and only when it may be).
    virtual void beforeSchemaWrites() { }
    /// Starts the transaction creating the schema, one host at a time.
    virtual void beginSchemaChange() = 0;
    /// Starts a save's transaction.
    virtual void beginSave() = 0;
    /// The database's clock in whole seconds since 1970, as an SQL expression:
    /// every host's saves are dated by the one clock they share.
    virtual QString databaseNow() const = 0;
    /// Re-opens a connection the server dropped: true when it did.
    virtual bool reconnectIfLost() const { return false; }
    /*!
     * The address columns as a read selects them, in the order of
     * addressColumnList(). A text value may come as its stored bytes (a
     * QByteArray), which the read then decodes and checks as UTF-8 itself.
     */
    virtual QString addressReadColumns() const;
    /*!
     * The address table of the load text written by the engine itself, with
     * the row versions and count filled into `snapshot`; nothing when a value
     * could not travel as it is (the caller then reads value by value, whose
     * refusal names the value) or the engine has no such route.
     */
    virtual std::optional<QString> addressTable(
        qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot) const;
    /*!
     * Inside the save's transaction: updates every address of `changes` that
     * is no new one and whose row version `loaded` knows, when that version
     * is still the row's. Gives the ids updated.
     */
    virtual QSet<QString> updateAddresses(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes) = 0;
    /// How this engine answers the vendor list's search.
    virtual const DbSql::DirectorySql &directorySql() const = 0;
    /// After the sample vendors went in with ids of their own.
    virtual void sampleVendorsAdded() { }
    /// After thousands of rows went in at once.
    virtual void manyRowsAdded() { }

private:
    QStringList existingObjects() const;
    bool checkVendorTables(const QStringList &existing, bool mayCreate) const;
    QList<const DbSql::SchemaObject *> missingObjects(const QStringList &existing) const;
    void seedSampleVendors();
    bool saveCommitted(const QString &saveId, SaveOutcome *outcome) const;
    SaveOutcome saveOnce(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes, const QString &saveId);
    void checkAddressLimit(qint32 vendorId, qsizetype added) const;
    VendorSnapshot readVendor(qint32 vendorId) const;
    void readVendorHeader(qint32 vendorId, VendorSnapshot &snapshot) const;
    void readAddressRows(QSqlQuery &query, const QString &vendorText,
        QList<ZebVendorContact::ContactAddress> &addresses, RowVersions &rowVersions) const;

    QString m_driver;
    QString m_connectionName;
    QString m_location; //!< the file, or "database on host", for DatabaseError
    QString m_description;
    QString m_readOnlyReason;
};

template<typename Read> auto SqlVendorDatabase::reading(Read &&read) const
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
