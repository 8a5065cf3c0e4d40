// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The SQLite engine: opening and checking the file, creating a new one
// whole, the save's updates, and following changes through the file's data
// version. The direct reader of a vendor's addresses is in
// vendordbsqliteread.cpp.

#include "vendordbsqlite.h"
#include "vendordbdirectory.h"

#include "addresscolumns.h"

#include <vendorcontactclient.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QUrl>
#include <QtCore/QUuid>
#include <QtSql/QSqlDriver>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using Trouble = DatabaseError::Trouble;
using ZebVendorContact::ContactAddress;

namespace {

// How long SQLite waits for another connection's lock before a statement
// gives up; a save then retries its whole transaction.
constexpr int BusyTimeoutMs = 2000;

QByteArray nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toLocal8Bit();
}

/// Whether the effective user may write `path` by its permission bits (as
/// the owner, the group or anyone), and the system lets it (a read-only
/// mount). The bits count for root too: a file someone marked read-only is
/// opened read-only.
bool writableByMode(const QString &path)
{
    const QByteArray native = nativePath(path);
    struct stat st
    {
    };
    if (::stat(native.constData(), &st) != 0 || ::access(native.constData(), W_OK) != 0)
        return false;
    if (st.st_uid == ::geteuid())
        return st.st_mode & S_IWUSR;
    if (st.st_gid == ::getegid())
        return st.st_mode & S_IWGRP;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] == st.st_gid)
            return st.st_mode & S_IWGRP;
    }
    return st.st_mode & S_IWOTH;
}

/*!
 * What the file and its log are now, by stat() alone (which opens
 * nothing): device, inode, size, modification and change time of each. Any
 * write by anyone, SQLite or not, moves one of them. Empty when the file
 * cannot be looked at.
 */
QString fingerprint(const QString &path)
{
    QStringList parts;
    for (const QString &file : { path, QString(path + u"-wal"_s) }) {
        struct stat st
        {
        };
        if (::stat(nativePath(file).constData(), &st) != 0) {
            if (file == path)
                return {};
            parts << u"-"_s;
            continue;
        }
        parts << u"%1:%2:%3:%4.%5:%6.%7"_s.arg(st.st_dev)
                     .arg(st.st_ino)
                     .arg(st.st_size)
                     .arg(st.st_mtim.tv_sec)
                     .arg(st.st_mtim.tv_nsec)
                     .arg(st.st_ctim.tv_sec)
                     .arg(st.st_ctim.tv_nsec);
    }
    return parts.join(u' ');
}

/// The record's key for `path`: QSettings would take its slashes for groups.
QString recordKey(const QString &path)
{
    return u"files/"_s + QString::fromLatin1(path.toUtf8().toHex());
}

} // namespace

void SqliteClose::operator()(sqlite3 *connection) const
{
    sqlite3_close_v2(connection);
}

QString SqliteVendorDatabase::verifiedRecordPath()
{
    return ZebVendorContact::Client::dataFolderPath() + u"/verified-databases.ini"_s;
}

SqliteVendorDatabase::SqliteVendorDatabase(const QString &path, OpenMode mode, Seeding seeding)
    : SqlVendorDatabase(u"QSQLITE"_s, path, tr("SQLite file %1").arg(path))
    , m_path(path)
{
    if (!QFileInfo::exists(m_path))
        createFile(mode, seeding);
    checkFile();
    openConnection();
    try {
        if (m_verifiedVersion)
            m_verifiedVersion = dataVersion();
        // An SQLite file is new only when this open created it.
        prepareSchema(seeding, false);
    } catch (...) {
        m_verifiedVersion.reset();
        closeConnection();
        throw;
    }
}

SqliteVendorDatabase::~SqliteVendorDatabase()
{
    recordVerifiedOnClose();
    closeConnection();
}

sqlite3 *SqliteVendorDatabase::handle() const
{
    const QVariant driverHandle = connection().driver()->handle();
    if (!driverHandle.isValid() || qstrcmp(driverHandle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(driverHandle.constData());
}

void SqliteVendorDatabase::createFile(OpenMode mode, Seeding seeding)
{
    const QFileInfo file(m_path);
    const QString folder = file.absolutePath();
    if (mode == OpenMode::ExistingOnly) {
        if (!QFileInfo(folder).isDir())
            throw DatabaseError(Trouble::MissingFolder, location(),
                tr("The folder %1 does not exist, so there is no vendor database %2. Nothing was created.")
                    .arg(folder, file.fileName()));
        throw DatabaseError(
            Trouble::Missing, location(), tr("There is no vendor database %1. Nothing was created.").arg(m_path));
    }
    if (!QDir().mkpath(folder))
        throw DatabaseError(
            Trouble::ReadOnly, location(), tr("The folder %1 could not be created.").arg(folder), qt_error_string());
    // The new database is built under a name of its own and appears under
    // its real name only complete, seeded and in WAL mode: a host starting
    // at the same moment never meets an empty file, and a host that fails
    // halfway leaves nothing behind. When two hosts create it at once, the
    // first link wins and both open that one.
    const QString target = m_path;
    m_path = target + u".new-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto removeNew = [this] {
        for (const QString &suffix : { u""_s, u"-wal"_s, u"-shm"_s, u"-journal"_s })
            QDir().remove(m_path + suffix);
    };
    try {
        openConnection();
        prepareSchema(seeding, true);
        closeConnection();
    } catch (...) {
        closeConnection();
        removeNew();
        m_path = target;
        throw;
    }
    const int linked = ::link(nativePath(m_path).constData(), nativePath(target).constData());
    const int error = errno;
    removeNew();
    m_path = target;
    if (linked != 0 && error != EEXIST)
        throw DatabaseError(Trouble::ReadOnly, location(), tr("The new database %1 could not be created.").arg(target),
            QString::fromLocal8Bit(std::strerror(error)));
}

void SqliteVendorDatabase::checkFile()
{
    // Looked at by stat() only: an open descriptor of the file, closed
    // again, would drop the locks every SQLite connection of this process
    // holds on it.
    const QFileInfo file(m_path);
    if (!file.isFile() || file.size() == 0)
        throw DatabaseError(Trouble::NotADatabase, location(),
            file.isFile() ? tr("The file %1 is empty: it is not a vendor database.").arg(m_path)
                          : tr("%1 is not a file, so it is not a vendor database.").arg(m_path));
    if (!writableByMode(m_path))
        setReadOnlyReason(tr("The file %1 is read-only.").arg(m_path));
    else if (!writableByMode(file.absolutePath()))
        setReadOnlyReason(tr("The folder of %1 cannot be written to.").arg(m_path));
    verify();
}

void SqliteVendorDatabase::verify()
{
    std::optional<QSettings> record;
    try {
        record.emplace(verifiedRecordPath(), QSettings::IniFormat);
    } catch (const ZebVendorContact::Error &error) {
        // No data folder to keep the record in: every open checks.
        qCInfo(lcVendorDatabase) << "no record of verified files:" << error.message();
    }
    const QString before = fingerprint(m_path);
    const bool known = record && !before.isEmpty() && record->value(recordKey(m_path)).toString() == before;

    // The check reads through a connection of its own that cannot write:
    // nothing touches a file that has not passed it. SQLite itself tells a
    // file that is no database (it reads the header), and that costs one
    // page; the integrity check reads every page and every index entry, and
    // runs only when the file changed since it was last verified.
    const QString checkName = connectionName() + u"-check"_s;
    QString trouble;
    {
        QSqlDatabase check = QSqlDatabase::addDatabase(u"QSQLITE"_s, checkName);
        m_readOnlyOpen = true;
        configure(check);
        m_readOnlyOpen = false;
        try {
            if (!check.open())
                throw DatabaseError(DbSql::troubleOf(check, check.lastError()), location(),
                    tr("The file %1 could not be opened.").arg(m_path), check.lastError().text());
            DbSql::run(check, location(), u"SELECT COUNT(*) FROM sqlite_master"_s, {}, tr("Reading the file"));
            if (!known) {
                QSqlQuery result =
                    DbSql::run(check, location(), u"PRAGMA integrity_check"_s, {}, tr("Checking the file"));
                QStringList found;
                while (result.next() && found.size() < 20)
                    found << result.value(0).toString();
                if (found != QStringList { u"ok"_s })
                    trouble = found.join(u'\n');
            }
        } catch (const DatabaseError &error) {
            check.close();
            check = QSqlDatabase();
            QSqlDatabase::removeDatabase(checkName);
            if (error.trouble() == Trouble::NotADatabase)
                throw DatabaseError(Trouble::NotADatabase, location(),
                    tr("The file %1 is not a vendor database. It was left as it is.").arg(m_path), error.details());
            if (error.trouble() == Trouble::Damaged)
                throw DatabaseError(Trouble::Damaged, location(),
                    tr("The vendor database %1 is damaged. It was left as it is.").arg(m_path), error.details());
            throw;
        }
        check.close();
    }
    QSqlDatabase::removeDatabase(checkName);
    if (!trouble.isEmpty())
        throw DatabaseError(Trouble::Damaged, location(),
            tr("The vendor database %1 is damaged. It was left as it is.").arg(m_path), trouble);
    // Recorded only when nothing wrote to the file while it was checked.
    if (record && !known && !before.isEmpty() && fingerprint(m_path) == before)
        record->setValue(recordKey(m_path), before);
    m_verifiedVersion = 0; // read on the connection once it is open
}

qint64 SqliteVendorDatabase::dataVersion() const
{
    QSqlQuery version = run(u"PRAGMA data_version"_s, {}, tr("Looking for changes"));
    const qint64 now = version.next() ? version.value(0).toLongLong() : -1;
    version.finish();
    return now;
}

void SqliteVendorDatabase::recordVerifiedOnClose()
{
    // When no other connection committed to the file since it was verified,
    // it holds what was verified and what this host wrote, all through
    // SQLite: the record follows it, so that the next start does not check
    // it again. The last connection's close folds the log into the file,
    // which moves its size and time: they are read after that close.
    if (!m_verifiedVersion || isReadOnly())
        return;
    try {
        if (dataVersion() != *m_verifiedVersion)
            return;
        closeConnection();
        const QString now = fingerprint(m_path);
        if (!now.isEmpty())
            QSettings(verifiedRecordPath(), QSettings::IniFormat).setValue(recordKey(m_path), now);
    } catch (const ZebVendorContact::Error &error) {
        qCInfo(lcVendorDatabase) << "the file's record was not kept:" << error.message();
    }
}

void SqliteVendorDatabase::configure(QSqlDatabase &db) const
{
    const bool readOnly = m_readOnlyOpen || isReadOnly();
    QStringList options { u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(BusyTimeoutMs) };
    if (!readOnly) {
        db.setDatabaseName(m_path);
        db.setConnectOptions(options.join(u';'));
        return;
    }
    options << u"QSQLITE_OPEN_READONLY"_s;
    // A reader of a WAL database leaves a log and a shared-memory file
    // beside it (and a read-only folder cannot hold them). With no log left
    // there is nothing but the file to read, and SQLite is told so: nothing
    // is created beside the file.
    if (!QFileInfo::exists(m_path + u"-wal"_s)) {
        options << u"QSQLITE_OPEN_URI"_s;
        db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) + u"?immutable=1"_s);
    } else {
        db.setDatabaseName(m_path);
    }
    db.setConnectOptions(options.join(u';'));
}

void SqliteVendorDatabase::connectionOpened()
{
    run(u"PRAGMA foreign_keys = ON"_s);
}

void SqliteVendorDatabase::closingConnection()
{
    m_secondReader.reset();
    m_watch.reset();
}

DatabaseError SqliteVendorDatabase::openFailure(const QSqlError &error) const
{
    return DatabaseError(DbSql::troubleOf(connection(), error), location(),
        tr("The file %1 could not be opened.").arg(m_path), error.text());
}

QString SqliteVendorDatabase::existingObjectsSql() const
{
    return u"SELECT name FROM sqlite_master"_s;
}

const QStringList &SqliteVendorDatabase::createStatements(const DbSql::SchemaObject &object) const
{
    return object.sqlite;
}

const DbSql::DirectorySql &SqliteVendorDatabase::directorySql() const
{
    return DbSql::sqliteDirectorySql();
}

void SqliteVendorDatabase::beforeSchemaWrites()
{
    QSqlQuery mode = run(u"PRAGMA journal_mode"_s, {}, tr("Reading the journal mode"));
    const bool wal = mode.next() && mode.value(0).toString().compare(u"wal", Qt::CaseInsensitive) == 0;
    mode.finish(); // a statement still open would keep a transaction open
    if (!wal)
        run(u"PRAGMA journal_mode = WAL"_s, {}, tr("Switching to the write-ahead log"));
}

void SqliteVendorDatabase::beginSchemaChange()
{
    // SQLite's busy timeout covers BEGIN IMMEDIATE: it waits for savers.
    run(u"BEGIN IMMEDIATE"_s, {}, tr("Preparing the tables"));
}

void SqliteVendorDatabase::beginSave()
{
    // SQLite takes the write lock at the start, so a save waits its turn
    // there instead of failing halfway when another one holds the file.
    run(u"BEGIN IMMEDIATE"_s, {}, tr("Starting the save"));
}

QString SqliteVendorDatabase::databaseNow() const
{
    return u"CAST(strftime('%s', 'now') AS INTEGER)"_s;
}

QString SqliteVendorDatabase::addressReadColumns() const
{
    // SQLite keeps whatever bytes it was given as text, and Qt's driver
    // turns those that are no UTF-8 into other characters without a word:
    // the text columns come as their bytes, which the read checks.
    static const QString columns = [] {
        QStringList names;
        for (const AddressColumn &column : AddressColumns) {
            const QString name = QString::fromUtf16(column.name);
            names << (column.isText() ? u"CAST(%1 AS BLOB)"_s.arg(name) : name);
        }
        return names.join(u", ");
    }();
    return columns;
}

QSet<QString> SqliteVendorDatabase::updateAddresses(const VendorSnapshot &loaded, const QList<ContactAddress> &changes)
{
    static const QString sql = []() -> QString {
        QStringList assignments;
        for (const AddressColumn &column : AddressColumns)
            assignments << QString::fromUtf16(column.name) + u" = ?"_s;
        return u"UPDATE addresses SET "_s + assignments.join(u", ") +
            u", row_version = row_version + 1 WHERE id = ? AND vendor_id = ? AND row_version = ?"_s;
    }();
    std::optional<DbSql::Prepared> update;
    QSet<QString> updated;
    for (const ContactAddress &address : changes) {
        // An id the snapshot does not know was never read here: nothing to
        // compare it with, so it cannot be saved over.
        const std::optional<qint64> version = loaded.rowVersions.find(address.addressId);
        if (address.isAddedInPanel() || !version)
            continue;
        QVariantList values;
        for (const AddressColumn &column : AddressColumns)
            values << sqlValue(column, address);
        values << address.addressId.toLongLong() << loaded.vendorId << *version;
        if (!update)
            update.emplace(connection(), location(), sql);
        if (update->exec(values, tr("Saving address %1").arg(address.addressId)).numRowsAffected() == 1)
            updated.insert(address.addressId);
    }
    return updated;
}

sqlite3 *SqliteVendorDatabase::watchConnection()
{
    if (m_watch)
        return m_watch.get();
    // A read-only file is watched as it is read: with no log beside it, as
    // the file alone (see configure()).
    const bool immutable = isReadOnly() && !QFileInfo::exists(m_path + u"-wal"_s);
    const QByteArray name = immutable
        ? (QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) + u"?immutable=1"_s).toUtf8()
        : nativePath(m_path);
    sqlite3 *raw = nullptr;
    const int code =
        sqlite3_open_v2(name.constData(), &raw, SQLITE_OPEN_READONLY | (immutable ? SQLITE_OPEN_URI : 0), nullptr);
    m_watch.reset(raw); // closed even when opening failed
    if (code != SQLITE_OK) {
        m_watch.reset();
        throw DatabaseError(Trouble::Other, location(), tr("%1 failed.").arg(tr("Looking for changes")),
            QString::fromUtf8(sqlite3_errstr(code)));
    }
    sqlite3_busy_timeout(raw, BusyTimeoutMs);
    return raw;
}

void SqliteVendorDatabase::watchChanges(std::function<void(qint32)>)
{
    // SQLite announces nothing: changedVendors() looks. What is there now
    // is the baseline.
    m_watching = true;
    m_watchedVersion = -1;
    m_counters.clear();
    changedVendors();
}

QList<qint32> SqliteVendorDatabase::changedVendors()
{
    if (!m_watching)
        return {};
    sqlite3 *watch = watchConnection();
    auto fail = [&] {
        return DatabaseError(DbSql::sqliteTrouble(sqlite3_errcode(watch)), location(),
            tr("%1 failed.").arg(tr("Looking for changes")), QString::fromUtf8(sqlite3_errmsg(watch)));
    };
    auto query = [&](const char *sql, auto &&row) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(watch, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw fail();
        int code = SQLITE_ROW;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW)
            row(statement);
        sqlite3_finalize(statement);
        if (code != SQLITE_DONE)
            throw fail();
    };
    // data_version moves when any other connection commits to the file (this
    // window's own included: this connection only reads); it is read from
    // SQLite's shared memory, not from the file.
    qint64 now = -1;
    query("PRAGMA data_version", [&](sqlite3_stmt *s) { now = sqlite3_column_int64(s, 0); });
    const bool baseline = m_watchedVersion < 0;
    if (now == m_watchedVersion)
        return {};
    m_watchedVersion = now;
    // A file that keeps the order of changes gives the vendors changed since
    // the last look; an older one, every vendor's counter to compare.
    if (baseline) {
        m_ordered = false;
        query("SELECT COUNT(*) FROM sqlite_master WHERE name = 'vendor_change_order'",
            [&](sqlite3_stmt *s) { m_ordered = sqlite3_column_int(s, 0) == 1; });
        if (m_ordered)
            query("SELECT COALESCE(MAX(sequence), 0) FROM vendor_change_order",
                [&](sqlite3_stmt *s) { m_lastSequence = sqlite3_column_int64(s, 0); });
    }
    if (m_ordered) {
        QList<qint32> changed;
        const QByteArray since = "SELECT vendor_id, sequence FROM vendor_change_order WHERE sequence > " +
            QByteArray::number(m_lastSequence);
        query(since.constData(), [&](sqlite3_stmt *s) {
            changed << sqlite3_column_int(s, 0);
            m_lastSequence = std::max(m_lastSequence, sqlite3_column_int64(s, 1));
        });
        return changed;
    }
    QHash<qint32, qint64> counters;
    query("SELECT vendor_id, version FROM vendor_changes",
        [&](sqlite3_stmt *s) { counters.insert(sqlite3_column_int(s, 0), sqlite3_column_int64(s, 1)); });
    QList<qint32> changed;
    for (auto it = counters.cbegin(); it != counters.cend(); ++it) {
        if (m_counters.value(it.key(), -1) != it.value())
            changed << it.key();
    }
    m_counters = std::move(counters);
    return baseline ? QList<qint32>() : changed;
}

} // namespace VendorContactHost
