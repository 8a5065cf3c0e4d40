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

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace VendorContactHost {

class VendorDirectory;

/// One vendor with its address count, as vendors() lists them.
struct VendorSummary
{
    qint32 id = 0;
    QString name;
    int addressCount = 0;
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
 * The demo host's vendor address book: the one storage interface the
 * window, the session and the change watcher talk to. Each engine is one
 * class behind it (SqliteVendorDatabase, PostgresVendorDatabase, sharing
 * what goes through Qt's SQL module in SqlVendorDatabase); open() picks it
 * from the location. Nothing outside the engine classes sees a connection,
 * runs SQL or calls SQLite or libpq directly: a query the window needs is a
 * method here, implemented once in SqlVendorDatabase when both engines
 * take the same SQL, or in each engine when they differ.
 *
 * The schema: vendors, addresses with a row version (their columns
 * described once, in addresscolumns.h), contact types, states, the saves
 * made, and the triggers that note which vendor changed.
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
    /// Throws ZebVendorContact::Error, saying why, when there is no per-user
    /// data folder (XDG_DATA_HOME unset or relative, and HOME empty or relative).
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
     * it was (see SqliteVendorDatabase for when the check runs). A file (or
     * folder) that cannot be written opens read-only (see isReadOnly()).
     * Missing tables are created, serialised between hosts starting
     * together; only a database created by this open is seeded.
     */
    static std::unique_ptr<VendorDatabase> open(
        const QString &location, OpenMode mode = OpenMode::CreateIfMissing, Seeding seeding = Seeding::SampleVendors);

    virtual ~VendorDatabase();
    VendorDatabase(const VendorDatabase &) = delete;
    VendorDatabase &operator=(const VendorDatabase &) = delete;

    /// Where the data lives, for people: "SQLite file /x/vendors.sqlite".
    virtual QString description() const = 0;

    /// True when the database could be opened for reading only; saves then
    /// throw DatabaseError (ReadOnly) before anything else.
    bool isReadOnly() const { return !readOnlyReason().isEmpty(); }
    /// Why the database is read-only, for people (a tooltip); empty when not.
    virtual QString readOnlyReason() const = 0;

    /// Closes and re-opens the connection (after the server went away).
    /// Throws DatabaseError (Unreachable) when the server still cannot be reached.
    virtual void reconnect() = 0;

    /// The most addresses one vendor may have: the control's limit.
    static constexpr int MaxAddressesPerVendor = 32767;

    virtual QList<VendorSummary> vendors() const = 0;
    /// The vendor with every address as values (snapshot.addresses filled).
    virtual VendorSnapshot loadVendor(qint32 vendorId) const = 0;

    /*!
     * The vendor ready for the control: the same text as
     * ZebVendorContact::buildLoadText() makes of loadVendor()'s lists, and
     * the same refusals. An engine may write the address table of the text
     * straight from its own values (SQLite does), which spares a value
     * object for each of half a million values on a large vendor; when it
     * finds a value the text cannot carry as it is (a separator, NULL, a
     * value too long) the vendor is read value by value, so the refusal
     * names it exactly.
     */
    virtual VendorLoad loadVendorText(qint32 vendorId,
        const ZebVendorContact::ExchangeSeparators &separators = ZebVendorContact::ExchangeSeparators()) const = 0;

    /// The addresses of `vendorId` with the ids `addressIds` as they are now;
    /// ids that are not database ids (added in the panel) are skipped.
    virtual CurrentAddresses currentAddresses(qint32 vendorId, const QStringList &addressIds) const = 0;

    /*!
     * Writes the control's changes for the vendor of `loaded` in one
     * transaction: addresses added in the panel are inserted (the database
     * gives their ids), the others updated only when their row version is
     * still the one in `loaded`. Any conflict writes nothing.
     *
     * Refused before anything is written: values the database cannot keep
     * as they are (see checkStorable()), a save that would bring the vendor
     * over MaxAddressesPerVendor, any save to a read-only database. A save
     * that loses to another writer (SQLite's lock wait ran out, a
     * PostgreSQL deadlock or serialisation failure) is rolled back and
     * retried whole a few times before throwing DatabaseError (Locked). A
     * PostgreSQL connection that dropped is re-opened once; the save is
     * then retried only when it is known not to have committed.
     *
     * The save is recorded under `saveId` in its own transaction, which
     * committedSave() asks about. A save whose connection dropped at its
     * commit may have committed; the user's retry, after any reconnect,
     * asks committedSave() with the same id before saving again (see
     * VendorSession::save()), and a save run again under an id that did
     * commit fails instead of writing twice.
     */
    virtual SaveOutcome saveVendor(const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes,
        const QString &saveId) = 0;
    /// saveVendor() under a new id, for a save nobody retries.
    SaveOutcome saveVendor(const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes)
    {
        return saveVendor(loaded, changes, newSaveId());
    }
    /// What the save recorded under `saveId` did, or nothing when no such
    /// save committed. Throws DatabaseError.
    virtual std::optional<SaveOutcome> committedSave(const QString &saveId) const = 0;
    /// An id no other save of any host has.
    static QString newSaveId();

    /// The vendor list's reads and its search, through this database's
    /// connection (see VendorDirectory); it must not outlive the database.
    virtual std::unique_ptr<VendorDirectory> directory() const = 0;

    /// Adds a vendor with `count` generated addresses (benchmarks, tests);
    /// returns its id.
    virtual qint32 addGeneratedVendor(const QString &name, int count) = 0;

    /*!
     * Deletes the address `addressId` of `vendorId` when its row version is
     * still `rowVersion`, in one statement. False, with nothing deleted, when
     * someone else changed or removed it meanwhile. The database's triggers
     * tell every watcher. Throws DatabaseError (ReadOnly before anything else).
     */
    virtual bool removeAddress(qint32 vendorId, qint64 addressId, qint64 rowVersion) = 0;

    /*!
     * Starts following committed changes, every writer's (this one's too):
     * what there is now is the baseline. `announced` is called from the
     * event loop when the engine learns of a change by itself (PostgreSQL's
     * notifications); the rest is found by changedVendors(). Throws
     * DatabaseError when changes cannot be followed.
     */
    virtual void watchChanges(std::function<void(qint32 vendorId)> announced) = 0;

    /*!
     * The vendors changed since the last look (SQLite: the file's data
     * version, then the per-vendor change counters; it costs next to
     * nothing while no one writes). PostgreSQL checks the connection its
     * notifications come on; when it had to be re-opened, changes may have
     * been missed and every vendor is given. Throws DatabaseError.
     */
    virtual QList<qint32> changedVendors() = 0;

protected:
    VendorDatabase() = default;
};

} // namespace VendorContactHost
