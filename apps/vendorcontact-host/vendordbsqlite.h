// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendordbsql.h"

#include <memory>

struct sqlite3;

namespace VendorContactHost {

/// Closes an SQLite connection this engine opened itself.
struct SqliteClose
{
    void operator()(sqlite3 *connection) const;
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteClose>;

/*!
 * The address book in an SQLite file (the default engine).
 *
 * In this process only SQLite opens the file and its -wal and -shm: POSIX
 * locks belong to the process, and closing any descriptor of the file
 * drops them all, after which another program takes itself for the last
 * user and removes the write-ahead log under the open window. So the file
 * is only ever looked at with stat() or through SQLite, and every
 * connection here (Qt's, the second reader, the change watch) goes through
 * the one SQLite library Qt's driver uses too, which shares the locks of
 * all connections to one file.
 *
 * The integrity check: a damaged file is never written, and a file is
 * checked with SQLite's full integrity_check (every index against its
 * table) before this host first writes to it, whenever it changed since it
 * was last verified. What was verified is recorded per user: the file's
 * and its log's identity, size and modification time (see
 * verifiedRecordPath()). An unchanged file opens without reading it whole.
 * A window that closes having been the file's only writer since it opened
 * records the file as it leaves it, so the next start does not check again
 * what only this host wrote.
 */
class SqliteVendorDatabase final : public SqlVendorDatabase
{
    // Their messages are the address book's, translated as one.
    Q_DECLARE_TR_FUNCTIONS(VendorDatabase)

public:
    SqliteVendorDatabase(const QString &path, OpenMode mode, Seeding seeding);
    ~SqliteVendorDatabase() override;

    void watchChanges(std::function<void(qint32 vendorId)> announced) override;
    QList<qint32> changedVendors() override;

    /// Where this user's record of verified files lives.
    static QString verifiedRecordPath();

protected:
    void configure(QSqlDatabase &db) const override;
    void connectionOpened() override;
    void closingConnection() override;
    DatabaseError openFailure(const QSqlError &error) const override;
    QString existingObjectsSql() const override;
    const QStringList &createStatements(const DbSql::SchemaObject &object) const override;
    const DbSql::DirectorySql &directorySql() const override;
    void beforeSchemaWrites() override;
    void beginSchemaChange() override;
    void beginSave() override;
    QString databaseNow() const override;
    QString addressReadColumns() const override;
    std::optional<QString> addressTable(qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators,
        VendorSnapshot &snapshot) const override;
    QSet<QString> updateAddresses(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes) override;

private:
    void createFile(OpenMode mode, Seeding seeding);
    void checkFile();
    void verify();
    qint64 dataVersion() const;
    void recordVerifiedOnClose();
    sqlite3 *handle() const;
    sqlite3 *watchConnection();

    QString m_path;
    bool m_readOnlyOpen = false; //!< configure() opens the check connection
    /// The file's data version when it was verified (or found verified):
    /// unchanged at close, only this connection wrote since.
    std::optional<qint64> m_verifiedVersion;
    /// A second connection to the file: it reads the later half of a large
    /// vendor on another core while the first reads the rest. Opened when
    /// first needed, closed with the first.
    mutable SqliteConnection m_secondReader;
    /// The change watch's own read-only connection: its data version moves
    /// with every commit, this host's own saves included.
    SqliteConnection m_watch;
    bool m_watching = false;
    qint64 m_watchedVersion = -1;
    QHash<qint32, qint64> m_counters;
    /// The file keeps the order of changes (vendor_change_order): only
    /// what changed after m_lastSequence is read.
    bool m_ordered = false;
    qint64 m_lastSequence = 0;
};

} // namespace VendorContactHost
