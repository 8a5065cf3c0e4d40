// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Opening the address book: checking an SQLite file before anything writes
// to it, creating a new one only when asked and only whole, bringing the
// schema up to date once for all hosts starting together, and re-opening a
// PostgreSQL connection the server dropped.

#include "vendordatabase.h"
#include "vendordbsql.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QUrl>
#include <QtCore/QUuid>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using Trouble = DatabaseError::Trouble;
using DbSql::SchemaObject;
using DbSql::schemaObjects;

namespace {

// A file larger than this gets the quicker check (no index cross-check):
// integrity_check reads every index against its table.
constexpr qint64 FullCheckLimit = 64LL * 1024 * 1024;
// How long SQLite waits for another connection's lock before a statement
// gives up; a save then retries its whole transaction.
constexpr int BusyTimeoutMs = 2000;
// One number for all hosts: the lock serialising schema creation and seeding.
constexpr qint64 SchemaLockKey = 0x5a5643'5348454d; // "ZVCSHEM"

/// Whether the effective user may write `path` by its permission bits (as
/// the owner, the group or anyone), and the system lets it (a read-only
/// mount). The bits count for root too: a file someone marked read-only is
/// opened read-only.
bool writableByMode(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
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

} // namespace

VendorDatabase::VendorDatabase(const QString &location, OpenMode mode, Seeding seeding)
    : m_connectionName(u"vendors-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    static const QRegularExpression postgres(u"^postgres(?:ql)?://(?:([^@/]+)@)?([^/:]*)(?::(\\d+))?/([^/?]+)$"_s);
    auto decoded = [](const QString &text) { return QUrl::fromPercentEncoding(text.toUtf8()); };
    if (const auto match = postgres.match(location); match.hasMatch()) {
        m_driver = u"QPSQL"_s;
        m_database = decoded(match.captured(4));
        m_host = decoded(match.captured(2));
        m_user = decoded(match.captured(1));
        if (!match.captured(3).isEmpty())
            m_port = match.captured(3).toInt();
        const QString host = m_host.isEmpty() ? tr("the local socket") : m_host;
        m_location = tr("database %1 on %2").arg(m_database, host);
        m_description = tr("PostgreSQL database %1 on %2 as %3").arg(m_database, host, m_user);
    } else if (location.startsWith(u"postgres")) {
        throw DatabaseError(Trouble::Other, location,
            tr("\"%1\" is not a database address of the form postgresql://user@host[:port]/dbname (the password "
               "comes from PGPASSWORD or ~/.pgpass, never the command line).")
                .arg(location));
    } else {
        const QString path = location.startsWith(u"sqlite:") ? location.mid(7) : location;
        if (path.isEmpty())
            throw DatabaseError(Trouble::Other, location, tr("The SQLite database needs a file name: sqlite:PATH."));
        m_driver = u"QSQLITE"_s;
        m_database = QFileInfo(path).absoluteFilePath();
        m_location = m_database;
        m_description = tr("SQLite file %1").arg(m_database);
    }
    if (!QSqlDatabase::isDriverAvailable(m_driver))
        throw DatabaseError(Trouble::Other, m_location,
            tr("Qt's %1 database driver is not installed (scripts/install-deps.sh installs it).").arg(m_driver));
    if (m_driver == u"QSQLITE" && !QFileInfo::exists(m_database))
        createSqliteFile(mode, seeding);
    if (m_driver == u"QSQLITE")
        checkSqliteFile();
    openConnection();
    try {
        // A PostgreSQL database someone created for the address book starts
        // empty; an SQLite file is new only when this open created it.
        prepareSchema(seeding, isPostgreSql());
    } catch (...) {
        closeConnection();
        throw;
    }
}

VendorDatabase::~VendorDatabase()
{
    closeConnection();
}

QSqlDatabase VendorDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool VendorDatabase::isPostgreSql() const
{
    return m_driver == u"QPSQL";
}

void VendorDatabase::createSqliteFile(OpenMode mode, Seeding seeding)
{
    const QFileInfo file(m_database);
    const QString folder = file.absolutePath();
    if (mode == OpenMode::ExistingOnly) {
        if (!QFileInfo(folder).isDir())
            throw DatabaseError(Trouble::MissingFolder, m_location,
                tr("The folder %1 does not exist, so there is no vendor database %2. Nothing was created.")
                    .arg(folder, file.fileName()));
        throw DatabaseError(
            Trouble::Missing, m_location, tr("There is no vendor database %1. Nothing was created.").arg(m_database));
    }
    if (!QDir().mkpath(folder))
        throw DatabaseError(
            Trouble::ReadOnly, m_location, tr("The folder %1 could not be created.").arg(folder), qt_error_string());
    // The new database is built under a name of its own and appears under
    // its real name only complete, seeded and in WAL mode: a host starting
    // at the same moment never meets an empty file, and a host that fails
    // halfway leaves nothing behind. When two hosts create it at once, the
    // first link wins and both open that one.
    const QString target = m_database;
    m_database = target + u".new-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto removeNew = [this] {
        for (const QString &suffix : { u""_s, u"-wal"_s, u"-shm"_s, u"-journal"_s })
            QFile::remove(m_database + suffix);
    };
    try {
        openConnection();
        prepareSchema(seeding, true);
        closeConnection();
    } catch (...) {
        closeConnection();
        removeNew();
        m_database = target;
        throw;
    }
    const int linked = ::link(QFile::encodeName(m_database).constData(), QFile::encodeName(target).constData());
    const int error = errno;
    removeNew();
    m_database = target;
    if (linked != 0 && error != EEXIST)
        throw DatabaseError(Trouble::ReadOnly, m_location, tr("The new database %1 could not be created.").arg(target),
            QString::fromLocal8Bit(std::strerror(error)));
}

void VendorDatabase::checkSqliteFile()
{
    const QFileInfo file(m_database);
    if (!file.isFile() || file.size() == 0)
        throw DatabaseError(Trouble::NotADatabase, m_location,
            file.isFile() ? tr("The file %1 is empty: it is not a vendor database.").arg(m_database)
                          : tr("%1 is not a file, so it is not a vendor database.").arg(m_database));
    QFile raw(m_database);
    if (!raw.open(QIODevice::ReadOnly))
        throw DatabaseError(
            Trouble::Other, m_location, tr("The file %1 cannot be read.").arg(m_database), raw.errorString());
    if (raw.read(16) != QByteArray("SQLite format 3\0", 16))
        throw DatabaseError(Trouble::NotADatabase, m_location,
            tr("The file %1 is not a vendor database (it is no SQLite database).").arg(m_database));
    raw.close();

    if (!writableByMode(m_database))
        m_readOnlyReason = tr("The file %1 is read-only.").arg(m_database);
    else if (!writableByMode(file.absolutePath()))
        m_readOnlyReason = tr("The folder of %1 cannot be written to.").arg(m_database);

    // The check reads through a connection of its own that cannot write:
    // nothing touches a file that has not passed it.
    const QString checkName = m_connectionName + u"-check"_s;
    QString trouble;
    {
        QSqlDatabase check = QSqlDatabase::addDatabase(m_driver, checkName);
        configureSqlite(check, true);
        try {
            if (!check.open())
                throw DatabaseError(DbSql::troubleOf(check, check.lastError()), m_location,
                    tr("The file %1 could not be opened.").arg(m_database), check.lastError().text());
            DbSql::run(check, m_location, u"SELECT COUNT(*) FROM sqlite_master"_s, {}, tr("Reading the file"));
            QSqlQuery result = DbSql::run(check, m_location,
                file.size() > FullCheckLimit ? u"PRAGMA quick_check"_s : u"PRAGMA integrity_check"_s, {},
                tr("Checking the file"));
            QStringList found;
            while (result.next() && found.size() < 20)
                found << result.value(0).toString();
            if (found != QStringList { u"ok"_s })
                trouble = found.join(u'\n');
        } catch (const DatabaseError &error) {
            check.close();
            check = QSqlDatabase();
            QSqlDatabase::removeDatabase(checkName);
            if (error.trouble() == Trouble::NotADatabase)
                throw DatabaseError(Trouble::NotADatabase, m_location,
                    tr("The file %1 is not a vendor database. It was left as it is.").arg(m_database), error.details());
            if (error.trouble() == Trouble::Damaged)
                throw DatabaseError(Trouble::Damaged, m_location,
                    tr("The vendor database %1 is damaged. It was left as it is.").arg(m_database), error.details());
            throw;
        }
        check.close();
    }
    QSqlDatabase::removeDatabase(checkName);
    if (!trouble.isEmpty())
        throw DatabaseError(Trouble::Damaged, m_location,
            tr("The vendor database %1 is damaged. It was left as it is.").arg(m_database), trouble);
}

void VendorDatabase::configureSqlite(QSqlDatabase &db, bool readOnly) const
{
    QStringList options { u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(BusyTimeoutMs) };
    if (!readOnly) {
        db.setDatabaseName(m_database);
        db.setConnectOptions(options.join(u';'));
        return;
    }
    options << u"QSQLITE_OPEN_READONLY"_s;
    // A reader of a WAL database leaves a log and a shared-memory file
    // beside it (and a read-only folder cannot hold them). With no log left
    // there is nothing but the file to read, and SQLite is told so: nothing
    // is created beside the file.
    if (!QFileInfo::exists(m_database + u"-wal"_s)) {
        options << u"QSQLITE_OPEN_URI"_s;
        db.setDatabaseName(QUrl::fromLocalFile(m_database).toString(QUrl::FullyEncoded) + u"?immutable=1"_s);
    } else {
        db.setDatabaseName(m_database);
    }
    db.setConnectOptions(options.join(u';'));
}

void VendorDatabase::openConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_driver, m_connectionName);
        if (m_driver == u"QSQLITE") {
            configureSqlite(db, isReadOnly());
        } else {
            db.setDatabaseName(m_database);
            db.setHostName(m_host);
            db.setUserName(m_user);
            if (m_port > 0)
                db.setPort(m_port);
        }
        if (db.open()) {
            if (m_driver == u"QSQLITE")
                DbSql::run(db, m_location, u"PRAGMA foreign_keys = ON"_s);
            return;
        }
    }
    const QSqlError error = connection().lastError();
    closeConnection();
    if (isPostgreSql())
        throw DatabaseError(Trouble::Unreachable, m_location,
            tr("The PostgreSQL database %1 on %2 cannot be reached.")
                .arg(m_database, m_host.isEmpty() ? tr("the local socket") : m_host),
            error.text());
    throw DatabaseError(DbSql::troubleOf(connection(), error), m_location,
        tr("The file %1 could not be opened.").arg(m_database), error.text());
}

void VendorDatabase::closeConnection()
{
    m_secondReader.reset();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void VendorDatabase::reconnect()
{
    closeConnection();
    try {
        openConnection();
    } catch (const DatabaseError &error) {
        if (!isPostgreSql())
            throw;
        // The connection stays registered so that later calls still fail
        // with a message instead of using a removed connection.
        QSqlDatabase::addDatabase(m_driver, m_connectionName);
        throw DatabaseError(Trouble::ConnectionLost, m_location,
            tr("The connection to the PostgreSQL database %1 on %2 was lost and could not be re-opened.")
                .arg(m_database, m_host.isEmpty() ? tr("the local socket") : m_host),
            error.details());
    }
}

bool VendorDatabase::connectionAlive() const
{
    QSqlQuery probe(connection());
    return probe.exec(u"SELECT 1"_s) && probe.next();
}

bool VendorDatabase::reconnectIfLost() const
{
    if (!isPostgreSql() || connectionAlive())
        return false;
    qCInfo(lcVendorDatabase) << "the connection to" << m_location << "was lost; re-opening it";
    const_cast<VendorDatabase *>(this)->reconnect();
    return true;
}

QStringList VendorDatabase::existingObjects() const
{
    const QString sql = isPostgreSql()
        ? u"SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
          u"WHERE n.nspname = current_schema() "
          u"UNION ALL SELECT t.tgname FROM pg_trigger t WHERE NOT t.tgisinternal "
          u"UNION ALL SELECT p.proname FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace "
          u"WHERE n.nspname = current_schema()"_s
        : u"SELECT name FROM sqlite_master"_s;
    QSqlQuery query = DbSql::run(connection(), m_location, sql, {}, tr("Reading the tables"));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

bool VendorDatabase::checkVendorTables(const QStringList &existing, bool mayCreate) const
{
    QStringList missing;
    for (const SchemaObject &object : schemaObjects()) {
        if (object.required && !existing.contains(QString::fromUtf16(object.name)))
            missing << QString::fromUtf16(object.name);
    }
    if (missing.isEmpty())
        return false;
    // Only a database with nothing in it becomes a vendor database; the
    // tables of another program, or a vendor database missing a table, are
    // left alone.
    if (mayCreate && existing.isEmpty())
        return true;
    throw DatabaseError(Trouble::NotADatabase, m_location,
        tr("%1 is not a vendor database (it has no table %2). It was left as it is.")
            .arg(m_location, missing.constFirst()));
}

void VendorDatabase::prepareSchema(Seeding seeding, bool mayCreate)
{
    const QSqlDatabase db = connection();
    if (isReadOnly()) {
        checkVendorTables(existingObjects(), false);
        return;
    }
    // Nothing is written, the journal mode included, before the tables are
    // known to be a vendor database's (or there are none at all).
    const QStringList found = existingObjects();
    checkVendorTables(found, mayCreate);
    if (!isPostgreSql()) {
        QSqlQuery mode = DbSql::run(db, m_location, u"PRAGMA journal_mode"_s, {}, tr("Reading the journal mode"));
        const bool wal = mode.next() && mode.value(0).toString().compare(u"wal", Qt::CaseInsensitive) == 0;
        mode.finish(); // a statement still open would keep a transaction open
        if (!wal)
            DbSql::run(db, m_location, u"PRAGMA journal_mode = WAL"_s, {}, tr("Switching to the write-ahead log"));
    }
    // A database that has everything is opened without taking the write
    // lock: sessions saving meanwhile are neither waited for nor held up.
    if (missingObjects(found).isEmpty())
        return;
    // Check, create and seed in one transaction that only one host at a
    // time holds, so hosts starting together all find the same database.
    // It waits for savers like a save does (SQLite's busy timeout covers
    // BEGIN IMMEDIATE) and runs again when it loses to them.
    const QString purpose = tr("Preparing the tables");
    DbSql::retryingLocked([&] {
        if (isPostgreSql()) {
            DbSql::run(db, m_location, u"BEGIN"_s, {}, purpose);
            DbSql::run(db, m_location, u"SELECT pg_advisory_xact_lock(%1)"_s.arg(SchemaLockKey), {}, purpose);
            // Bringing an earlier layout up to date drops what it had "if it
            // exists"; the server's notice that it did not is no news.
            DbSql::run(db, m_location, u"SET LOCAL client_min_messages = warning"_s, {}, purpose);
        } else {
            DbSql::run(db, m_location, u"BEGIN IMMEDIATE"_s, {}, purpose);
        }
        try {
            const QStringList existing = existingObjects();
            const bool fresh = checkVendorTables(existing, mayCreate);
            for (const SchemaObject *object : missingObjects(existing)) {
                for (const QString &sql : isPostgreSql() ? object->postgres : object->sqlite)
                    DbSql::run(db, m_location, sql, {}, purpose);
            }
            if (fresh && seeding == Seeding::SampleVendors)
                seedSampleVendors();
            DbSql::run(db, m_location, u"COMMIT"_s, {}, purpose);
        } catch (...) {
            DbSql::rollback(db);
            throw;
        }
    });
}

QList<const SchemaObject *> VendorDatabase::missingObjects(const QStringList &existing) const
{
    static const QList<SchemaObject> objects = schemaObjects();
    QList<const SchemaObject *> missing;
    for (const SchemaObject &object : objects) {
        const QStringList &statements = isPostgreSql() ? object.postgres : object.sqlite;
        if (!statements.isEmpty() && !existing.contains(QString::fromUtf16(object.name)))
            missing << &object;
    }
    return missing;
}

} // namespace VendorContactHost
