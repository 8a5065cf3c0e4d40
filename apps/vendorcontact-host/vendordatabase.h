// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "databaseerror.h"

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

#include <algorithm>
#include <memory>
#include <optional>

struct sqlite3;

namespace VendorContactHost {

namespace DbSql {
struct SchemaObject;
/// Closes an SQLite connection this layer opened itself.
struct SqliteClose
{
    void operator()(sqlite3 *connection) const;
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteClose>;
} // namespace DbSql

/// One vendor in the vendor list.
struct VendorSummary
{
    qint32 id = 0;
    QString name;
    int addressCount = 0;
    /// What a search finds the vendor by besides its name: its addresses'
    /// cities, one per line.
    QString searchText;
};

/// The row version of each address, by its id. Keyed by number: a large
/// vendor has tens of thousands of addresses, and opening it should not
/// allocate and hash a string for each. Ids the panel gives new addresses
/// ("000-N") are no numbers and never found.
class RowVersions
{
public:
    void reserve(qsizetype size) { m_versions.reserve(size); }
    void insert(qint64 id, qint64 version) { m_versions.insert(id, version); }
    void insert(const RowVersions &other)
    {
        for (auto it = other.m_versions.cbegin(); it != other.m_versions.cend(); ++it)
            m_versions.insert(it.key(), it.value());
    }
    void insert(const QString &addressId, qint64 version)
    {
        if (const std::optional<qint64> id = numberOf(addressId))
            insert(*id, version);
    }
    std::optional<qint64> find(const QString &addressId) const
    {
        const std::optional<qint64> id = numberOf(addressId);
        if (!id)
            return std::nullopt;
        const auto found = m_versions.constFind(*id);
        return found == m_versions.cend() ? std::nullopt : std::optional<qint64>(*found);
    }
    bool contains(qint64 id) const { return m_versions.contains(id); }
    /// The version, or 0 for an id not read.
    qint64 value(const QString &addressId) const { return find(addressId).value_or(0); }
    /// The next version after a checked update.
    void raise(const QString &addressId) { insert(addressId, value(addressId) + 1); }
    void remove(const QString &addressId)
    {
        if (const std::optional<qint64> id = numberOf(addressId))
            m_versions.remove(*id);
    }
    /// Every id, in ascending order.
    QList<qint64> ids() const
    {
        QList<qint64> ids = m_versions.keys();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    friend bool operator==(const RowVersions &a, const RowVersions &b) { return a.m_versions == b.m_versions; }

private:
    static std::optional<qint64> numberOf(const QString &addressId)
    {
        bool ok = false;
        const qint64 id = addressId.toLongLong(&ok);
        return ok ? std::optional<qint64>(id) : std::nullopt;
    }

    QHash<qint64, qint64> m_versions;
};

/// A vendor as read from the database: what the control gets, and the row
/// version of every address, which a save checks against.
struct VendorSnapshot
{
    qint32 vendorId = 0;
    QString vendorName;
    QList<ZebVendorContact::ContactAddress> addresses;
    QList<ZebVendorContact::ContactType> types;
    QList<ZebVendorContact::ContactState> states;
    RowVersions rowVersions; //!< the row version of each address when read
    int addressCount = 0; //!< how many addresses the vendor had when read
};

/// A vendor as the control takes it: the load text and the snapshot a save
/// needs (its `addresses` left empty: the text holds them).
struct VendorLoad
{
    VendorSnapshot snapshot;
    QString text; //!< for VendorContact::LetContactAddress with the separators asked for
};

/// Addresses as the database holds them now (for showing another
/// session's values beside the user's own).
struct CurrentAddresses
{
    QList<ZebVendorContact::ContactAddress> addresses; //!< in id order
    RowVersions rowVersions; //!< the row version of each address now
    QStringList deleted; //!< ids asked for that the vendor no longer has
};

/// What a save did. With conflicts it wrote nothing.
struct SaveOutcome
{
    int inserted = 0;
    int updated = 0;
    /// Panel id ("000-N") of each address added -> the id the database gave it.
    QHash<QString, QString> newIds;
    /// Addresses someone else changed or deleted since they were read.
    QList<ZebVendorContact::ContactAddress> conflicts;
    bool saved() const { return conflicts.isEmpty(); }
};

/*!
 * The demo host's vendor address book: an SQLite file or a PostgreSQL
 * database with one schema (vendors, addresses with a row version, contact
 * types, states, and the saves made).
 *
 * Every failure throws ZebVendorContact::Error with a message for the user;
 * trouble with the database itself (a locked, read-only, damaged or missing
 * file, an unreachable server) throws its subclass DatabaseError. A failed
 * save has changed nothing (one transaction).
 */
class VendorDatabase
{
    Q_DECLARE_TR_FUNCTIONS(VendorDatabase)

public:
    /// Whether opening may create a database that is not there yet.
    enum class OpenMode {
        /// Only an existing database: a missing SQLite file or folder throws
        /// DatabaseError (Missing, MissingFolder) and nothing is created.
        ExistingOnly,
        /// Creates a missing SQLite file, and its folders, as a new database
        /// with the schema (and the sample vendors when seeding). An existing
        /// file is opened as with ExistingOnly.
        CreateIfMissing,
    };

    /// Whether a database created by this open gets the sample vendors.
    enum class Seeding {
        SampleVendors, //!< a new database starts with the sample vendors
        Empty, //!< a new database starts with the schema only
    };

    /// $XDG_DATA_HOME/ZebVendorContact/vendors.sqlite (~/.local/share/... when unset).
    static QString defaultLocation();

    /*!
     * Opens `location`: "sqlite:PATH", a plain file path, or
     * "postgresql://user@host[:port]/dbname" (host may be a percent-encoded
     * socket folder; the password comes from PGPASSWORD or ~/.pgpass). Each
     * instance has its own connection.
     *
     * An SQLite file is checked before anything writes to it: a zero-byte
     * file or one that is no SQLite database throws NotADatabase, one that
     * fails its integrity check throws Damaged, both leaving every byte as
     * it was. A file (or folder) that cannot be written opens read-only
     * (see isReadOnly()). Missing tables are created, serialised between
     * hosts starting together; only a database created by this open is
     * seeded.
     */
    explicit VendorDatabase(
        const QString &location, OpenMode mode = OpenMode::CreateIfMissing, Seeding seeding = Seeding::SampleVendors);
    ~VendorDatabase();
    VendorDatabase(const VendorDatabase &) = delete;
    VendorDatabase &operator=(const VendorDatabase &) = delete;

    /// Where the data lives, for people: "SQLite file /x/vendors.sqlite".
    QString description() const { return m_description; }
    bool isPostgreSql() const;
    QSqlDatabase connection() const;

    /// True when the database could be opened for reading only; saves then
    /// throw DatabaseError (ReadOnly) before anything else.
    bool isReadOnly() const { return !m_readOnlyReason.isEmpty(); }
    /// Why the database is read-only, for people (a tooltip); empty when not.
    QString readOnlyReason() const { return m_readOnlyReason; }

    /// Closes and re-opens the connection (after the server went away).
    /// Throws DatabaseError (Unreachable) when the server still cannot be reached.
    void reconnect();

    /// The most addresses one vendor may have: the control's limit.
    static constexpr int MaxAddressesPerVendor = 32767;

    QList<VendorSummary> vendors() const;
    /// The vendor with every address as values (snapshot.addresses filled).
    VendorSnapshot loadVendor(qint32 vendorId) const;

    /*!
     * The vendor ready for the control: the same text as
     * ZebVendorContact::buildLoadText() makes of loadVendor()'s lists, and
     * the same refusals, but the database writes the address table of the
     * text itself, which spares a value object for each of half a million
     * values on a large vendor. When the database finds a value the text
     * cannot carry as it is (a separator, NULL, a value too long) the
     * vendor is read value by value, so the refusal names it exactly.
     */
    VendorLoad loadVendorText(qint32 vendorId,
        const ZebVendorContact::ExchangeSeparators &separators = ZebVendorContact::ExchangeSeparators()) const;

    /// The addresses of `vendorId` with the ids `addressIds` as they are now;
    /// ids that are not database ids (added in the panel) are skipped.
    CurrentAddresses currentAddresses(qint32 vendorId, const QStringList &addressIds) const;

    /*!
     * Writes the control's changes for the vendor of `loaded` in one
     * transaction: addresses added in the panel are inserted (the database
     * gives their ids), the others updated only when their row version is
     * still the one in `loaded` (or whatever it is, with `overwrite`; a row
     * deleted meanwhile is then inserted anew). Any conflict writes nothing.
     *
     * Refused before anything is written: values holding NUL or a lone
     * surrogate, a save that would bring the vendor over
     * MaxAddressesPerVendor, any save to a read-only database. A save that
     * loses to another writer (SQLite's lock wait ran out, a PostgreSQL
     * deadlock or serialisation failure) is rolled back and retried whole a
     * few times before throwing DatabaseError (Locked). A PostgreSQL
     * connection that dropped is re-opened once; the save is then retried
     * only when it is known not to have committed.
     */
    SaveOutcome saveVendor(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes, bool overwrite = false);

    /// Adds a vendor with `count` generated addresses (benchmarks, tests);
    /// returns its id.
    qint32 addGeneratedVendor(const QString &name, int count);

private:
    void openConnection();
    void closeConnection();
    void configureSqlite(QSqlDatabase &db, bool readOnly) const;
    void createSqliteFile(OpenMode mode, Seeding seeding);
    void checkSqliteFile();
    void prepareSchema(Seeding seeding, bool mayCreate);
    bool checkVendorTables(const QStringList &existing, bool mayCreate) const;
    void seedSampleVendors();
    QStringList existingObjects() const;
    /// The schema objects of this engine that `existing` lacks, in the order of creation.
    QList<const DbSql::SchemaObject *> missingObjects(const QStringList &existing) const;
    bool connectionAlive() const;
    bool reconnectIfLost() const;
    bool saveCommitted(const QString &saveId, SaveOutcome *outcome) const;
    SaveOutcome saveOnce(const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes,
        bool overwrite, const QString &saveId);
    void checkAddressLimit(qint32 vendorId, qsizetype added) const;
    QSet<QString> updateAtOnce(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes, bool overwrite) const;
    template<typename Read> auto reading(Read &&read) const;
    VendorSnapshot readVendor(qint32 vendorId) const;
    void readVendorHeader(qint32 vendorId, VendorSnapshot &snapshot) const;
    void readAddressRows(QSqlQuery &query, const QString &vendorText,
        QList<ZebVendorContact::ContactAddress> &addresses, RowVersions &rowVersions) const;
    std::optional<VendorLoad> loadTextFromDatabase(
        qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators) const;
    QSqlQuery run(const QString &sql, const QVariantList &values = {}, const QString &purpose = {}) const;

    QString m_connectionName;
    QString m_description;
    QString m_location; //!< the file, or "database on host", for DatabaseError
    QString m_readOnlyReason;
    QString m_driver;
    QString m_database;
    QString m_host;
    QString m_user;
    int m_port = -1;
    /// A second connection to the SQLite file: it reads the later half of
    /// a large vendor on another core while the first reads the rest.
    /// Opened when first needed, closed with the first.
    mutable DbSql::SqliteConnection m_secondReader;
};

} // namespace VendorContactHost
