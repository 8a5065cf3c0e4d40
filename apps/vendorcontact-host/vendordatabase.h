#pragma once

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtSql/QSqlDatabase>

namespace VendorContactHost {

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

/// A vendor as read from the database: what the control gets, and the row
/// version of every address, which a save checks against.
struct VendorSnapshot
{
    qint32 vendorId = 0;
    QString vendorName;
    QList<ZebVendorContact::ContactAddress> addresses;
    QList<ZebVendorContact::ContactType> types;
    QList<ZebVendorContact::ContactState> states;
    QHash<QString, qint64> rowVersions; //!< address id -> row version when read
};

/// What a save did. With conflicts it wrote nothing.
struct SaveOutcome
{
    int inserted = 0;
    int updated = 0;
    /// Addresses someone else changed or deleted since they were read.
    QList<ZebVendorContact::ContactAddress> conflicts;
    /// Addresses added in the panel that were inserted: the id they were
    /// saved under ("000-N", or an id overwritten after it was deleted) ->
    /// the id the database gave.
    QHash<QString, QString> insertedIds;
    /// The row version every written address has now.
    QHash<QString, qint64> rowVersions;
    bool saved() const { return conflicts.isEmpty(); }
};

/*!
 * The demo host's vendor address book: an SQLite file or a PostgreSQL
 * database with one schema (vendors, addresses with a row version, contact
 * types, states), created when missing.
 *
 * Every failure throws ZebVendorContact::Error with a message for the user;
 * a failed save has changed nothing (one transaction).
 */
class VendorDatabase
{
public:
    /// $XDG_DATA_HOME/ZebVendorContact/vendors.sqlite (~/.local/share/... when unset).
    static QString defaultLocation();

    /// Whether a missing SQLite file (or its folder) may be created.
    enum OpenMode {
        CreateIfMissing, //!< create the folder and file when missing
        OpenExisting, //!< throw DatabaseError (Missing, MissingFolder) instead
    };

    /// Opens `location`: "sqlite:PATH", a plain file path, or
    /// "postgresql://user@host[:port]/dbname" (host may be a percent-encoded
    /// socket folder; the password comes from PGPASSWORD or ~/.pgpass).
    /// Creates the schema when missing; with `seed`, fills an empty database
    /// with the sample vendors. Each instance has its own connection.
    explicit VendorDatabase(const QString &location, bool seed = true, OpenMode mode = CreateIfMissing);
    ~VendorDatabase();
    VendorDatabase(const VendorDatabase &) = delete;
    VendorDatabase &operator=(const VendorDatabase &) = delete;

    /// Where the data lives, for people: "SQLite file /x/vendors.sqlite".
    QString description() const { return m_description; }
    bool isPostgreSql() const;
    QSqlDatabase connection() const;
    /// True when the database can be read but not written.
    bool isReadOnly() const { return m_readOnly; }
    /// Closes the connection and opens it again; throws DatabaseError
    /// when it cannot be opened.
    void reconnect();

    QList<VendorSummary> vendors() const;
    VendorSnapshot loadVendor(qint32 vendorId) const;

    /*!
     * Writes the control's changes for the vendor of `loaded` in one
     * transaction: addresses added in the panel are inserted (the database
     * gives their ids), the others updated only when their row version is
     * still the one in `loaded` (or whatever it is, with `overwrite`; a row
     * deleted meanwhile is then inserted anew). Any conflict writes nothing.
     */
    SaveOutcome saveVendor(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes, bool overwrite = false);

    /// Adds a vendor with `count` generated addresses (benchmarks, tests);
    /// returns its id.
    qint32 addGeneratedVendor(const QString &name, int count);

private:
    void createSchemaIfMissing();
    void seedIfEmpty();

    QString m_connectionName;
    QString m_description;
    QString m_location;
    bool m_readOnly = false;
};

} // namespace VendorContactHost
