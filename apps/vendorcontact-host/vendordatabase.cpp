#include "vendordatabase.h"

#include "databaseerror.h"
#include "exchangetext.h"

#include <vendorcontactclient.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>
#include <QtCore/QUrl>
#include <QtCore/QUuid>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>
#include <QtSql/QSqlRecord>

#include <array>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;
using ZebVendorContact::ContactState;
using ZebVendorContact::ContactType;
using ZebVendorContact::Error;

namespace {

Error failure(const QString &message)
{
    return Error(Error::Code::InvalidArgument, message);
}

/// The address columns after the id, in the order of the exchange fields.
constexpr std::array<const char16_t *, 13> AddressColumns { u"type_id", u"name", u"street1", u"street2", u"city",
    u"country", u"state_id", u"postal_code", u"phone", u"fax", u"email", u"phone2", u"cell" };

QString columnList()
{
    QStringList names;
    for (const char16_t *name : AddressColumns)
        names << QString::fromUtf16(name);
    return names.join(u", ");
}

/// Runs `sql` (with `values` bound in order); the query is positioned before
/// its first row. Throws with the statement's purpose and the driver's text.
QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {}, const QString &purpose = {})
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    auto fail = [&] {
        const QSqlError error = query.lastError();
        const QString message = u"%1 failed: %2"_s.arg(purpose.isEmpty() ? sql : purpose, error.text());
        // SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
        if (db.driverName() == u"QSQLITE" && (error.nativeErrorCode() == u"5" || error.nativeErrorCode() == u"6"))
            throw DatabaseError(DatabaseError::Trouble::Locked, db.databaseName(), message, error.text());
        return failure(message);
    };
    // PostgreSQL cannot prepare statements such as CREATE TABLE: only
    // statements with values go through prepare.
    if (values.isEmpty()) {
        if (!query.exec(sql))
            throw fail();
        return query;
    }
    if (!query.prepare(sql))
        throw fail();
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw fail();
    return query;
}

// Qt's drivers bind a null QString as SQL NULL; the control's empty text is
// empty text in the database.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(u""_s) : QVariant(value);
}

QVariant number(const std::optional<qint16> &value)
{
    return value ? QVariant(int(*value)) : QVariant(QMetaType(QMetaType::Int));
}

QVariantList addressValues(qint32 vendorId, const ContactAddress &a)
{
    return { vendorId, int(a.typeId), text(a.name), text(a.street1), text(a.street2), text(a.city), number(a.country),
        number(a.stateId), text(a.postalCode), text(a.phone), text(a.fax), text(a.email), text(a.phone2),
        text(a.cell) };
}

/// Reads a whole number the control can hold; NULL or anything else is bad
/// data. `where()` names the value, and is called only then: a large vendor
/// has half a million values.
template<typename Where> qint16 smallNumber(const QVariant &value, Where &&where)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (value.isNull() || !ok || number < -32768 || number > 32767)
        throw failure(u"%1 is %2 where a whole number from -32768 to 32767 is expected."_s.arg(
            where(), value.isNull() ? u"NULL"_s : u"\"%1\""_s.arg(value.toString())));
    return qint16(number);
}

template<typename Where> QString textValue(const QVariant &value, Where &&where)
{
    if (value.isNull())
        throw failure(u"%1 is NULL where text is expected; correct it in the database first."_s.arg(where()));
    return value.toString();
}

struct Location
{
    QString driver;
    QString database;
    QString host;
    QString user;
    int port = -1;
};

Location parseLocation(const QString &location)
{
    static const QRegularExpression postgres(u"^postgres(?:ql)?://(?:([^@/]+)@)?([^/:]*)(?::(\\d+))?/([^/?]+)$"_s);
    if (const auto match = postgres.match(location); match.hasMatch()) {
        Location result { u"QPSQL"_s, QUrl::fromPercentEncoding(match.captured(4).toUtf8()),
            QUrl::fromPercentEncoding(match.captured(2).toUtf8()),
            QUrl::fromPercentEncoding(match.captured(1).toUtf8()) };
        if (!match.captured(3).isEmpty())
            result.port = match.captured(3).toInt();
        return result;
    }
    if (location.startsWith(u"postgres"))
        throw failure(u"\"%1\" is not a database address of the form postgresql://user@host[:port]/dbname (the "
                      u"password comes from PGPASSWORD or ~/.pgpass, never the command line)."_s.arg(location));
    const QString path = location.startsWith(u"sqlite:") ? location.mid(7) : location;
    if (path.isEmpty())
        throw failure(u"The SQLite database needs a file name: sqlite:PATH."_s);
    Location result;
    result.driver = u"QSQLITE"_s;
    result.database = QFileInfo(path).absoluteFilePath();
    return result;
}

} // namespace

QString VendorDatabase::defaultLocation()
{
    // Beside the control's registration record, by the same rule for XDG_DATA_HOME.
    return ZebVendorContact::Client::dataFolderPath() + u"/vendors.sqlite"_s;
}

namespace {
/// The trouble with an SQLite file before it is opened, if any: opening
/// must neither create what the user did not ask for nor touch a file that
/// is not a database.
void checkSqliteFile(const QString &file, VendorDatabase::OpenMode mode)
{
    using Trouble = DatabaseError::Trouble;
    const QFileInfo info(file);
    if (!info.exists()) {
        if (mode == VendorDatabase::CreateIfMissing)
            return;
        const bool folder = info.absoluteDir().exists();
        throw DatabaseError(folder ? Trouble::Missing : Trouble::MissingFolder, file,
            folder ? u"There is no database file %1."_s.arg(file) : u"The folder of %1 does not exist."_s.arg(file));
    }
    QFile handle(file);
    if (!handle.open(QIODevice::ReadOnly))
        throw DatabaseError(Trouble::Other, file, u"Cannot read %1: %2"_s.arg(file, handle.errorString()));
    if (handle.read(16) != QByteArray("SQLite format 3", 16))
        throw DatabaseError(Trouble::NotADatabase, file, u"%1 is not an SQLite database."_s.arg(file));
}
} // namespace

VendorDatabase::VendorDatabase(const QString &location, bool seed, OpenMode mode)
    : m_connectionName(u"vendors-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_location(location)
{
    const Location where = parseLocation(location);
    if (!QSqlDatabase::isDriverAvailable(where.driver))
        throw failure(
            u"Qt's %1 database driver is not installed (scripts/install-deps.sh installs it)."_s.arg(where.driver));
    QSqlDatabase db = QSqlDatabase::addDatabase(where.driver, m_connectionName);
    db.setDatabaseName(where.database);
    if (where.driver == u"QSQLITE") {
        checkSqliteFile(where.database, mode);
        QDir().mkpath(QFileInfo(where.database).absolutePath());
        const QFileInfo file(where.database);
        m_readOnly = file.exists() && (!file.isWritable() || !QFileInfo(file.absolutePath()).isWritable());
        // Another window's save may hold the file for a moment.
        db.setConnectOptions(m_readOnly ? u"QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY"_s
                                        : u"QSQLITE_BUSY_TIMEOUT=5000"_s);
        m_description = u"SQLite file %1"_s.arg(where.database);
    } else {
        db.setHostName(where.host);
        db.setUserName(where.user);
        if (where.port > 0)
            db.setPort(where.port);
        m_description = u"PostgreSQL database %1 on %2 as %3"_s.arg(
            where.database, where.host.isEmpty() ? u"the local socket"_s : where.host, where.user);
    }
    if (!db.open()) {
        const QString error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        if (where.driver == u"QPSQL")
            throw DatabaseError(DatabaseError::Trouble::Unreachable,
                u"%1 on %2"_s.arg(where.database, where.host.isEmpty() ? u"the local socket"_s : where.host),
                u"Cannot open the %1."_s.arg(m_description), error);
        throw failure(u"Cannot open the %1: %2"_s.arg(m_description, error));
    }
    try {
        if (where.driver == u"QSQLITE") {
            run(db, u"PRAGMA foreign_keys = ON"_s);
            if (!m_readOnly)
                run(db, u"PRAGMA journal_mode = WAL"_s);
        }
        if (!m_readOnly) {
            createSchemaIfMissing();
            if (seed)
                seedIfEmpty();
        }
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

void VendorDatabase::reconnect()
{
    QSqlDatabase db = connection();
    db.close();
    if (!db.open())
        throw DatabaseError(DatabaseError::Trouble::ConnectionLost, m_description,
            u"Cannot open the %1 again."_s.arg(m_description), db.lastError().text());
}

VendorDatabase::~VendorDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase VendorDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool VendorDatabase::isPostgreSql() const
{
    return connection().driverName() == u"QPSQL";
}

void VendorDatabase::createSchemaIfMissing()
{
    QSqlDatabase db = connection();
    if (db.tables().contains(u"addresses"_s))
        return;
    const QString identity = isPostgreSql() ? u"INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"_s
                                            : u"INTEGER PRIMARY KEY AUTOINCREMENT"_s;
    // Text columns may hold NULL (data from elsewhere); the host refuses to
    // show such a row rather than turn NULL into empty text behind the
    // user's back.
    const QStringList statements {
        u"CREATE TABLE IF NOT EXISTS vendors (id INTEGER PRIMARY KEY, name VARCHAR(100) NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS contact_types (id SMALLINT PRIMARY KEY, name VARCHAR(60) NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS states (id SMALLINT PRIMARY KEY, country SMALLINT NOT NULL, "
        u"code VARCHAR(10) NOT NULL, name VARCHAR(60) NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS addresses (id "_s + identity +
            u", vendor_id INTEGER NOT NULL REFERENCES vendors(id), "
            u"type_id SMALLINT NOT NULL REFERENCES contact_types(id), name VARCHAR(60), street1 VARCHAR(30), "
            u"street2 VARCHAR(30), city VARCHAR(30), country SMALLINT, state_id SMALLINT REFERENCES states(id), "
            u"postal_code VARCHAR(30), phone VARCHAR(30), fax VARCHAR(30), email VARCHAR(50), phone2 VARCHAR(30), "
            u"cell VARCHAR(30), row_version INTEGER NOT NULL DEFAULT 1)"_s,
        u"CREATE INDEX IF NOT EXISTS addresses_by_vendor ON addresses (vendor_id)"_s,
    };
    if (!db.transaction())
        throw failure(u"Cannot start creating the tables: %1"_s.arg(db.lastError().text()));
    try {
        for (const QString &statement : statements)
            run(db, statement, {}, u"Creating the tables"_s);
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw failure(u"Cannot create the tables: %1"_s.arg(db.lastError().text()));
}

QList<VendorSummary> VendorDatabase::vendors() const
{
    QSqlQuery query = run(connection(),
        u"SELECT v.id, v.name, (SELECT COUNT(*) FROM addresses a WHERE a.vendor_id = v.id) FROM vendors v "
        u"ORDER BY v.name, v.id"_s,
        {}, u"Reading the vendors"_s);
    QList<VendorSummary> result;
    QHash<qint32, qsizetype> rows;
    while (query.next()) {
        rows.insert(query.value(0).toInt(), result.size());
        result.append({ query.value(0).toInt(),
            textValue(query.value(1), [&] { return u"The name of vendor %1"_s.arg(query.value(0).toString()); }),
            query.value(2).toInt(), {} });
    }
    QSqlQuery cities = run(connection(), u"SELECT DISTINCT vendor_id, city FROM addresses"_s, {}, u"Reading the cities"_s);
    while (cities.next()) {
        if (const auto row = rows.constFind(cities.value(0).toInt()); row != rows.cend())
            result[*row].searchText += cities.value(1).toString() + u'\n';
    }
    return result;
}

VendorSnapshot VendorDatabase::loadVendor(qint32 vendorId) const
{
    const QSqlDatabase db = connection();
    VendorSnapshot snapshot;
    snapshot.vendorId = vendorId;
    {
        QSqlQuery query = run(db, u"SELECT name FROM vendors WHERE id = ?"_s, { vendorId }, u"Reading the vendor"_s);
        if (!query.next())
            throw failure(u"There is no vendor %1 in the %2."_s.arg(vendorId).arg(m_description));
        snapshot.vendorName = textValue(query.value(0), [&] { return u"The name of vendor %1"_s.arg(vendorId); });
    }
    {
        QSqlQuery query =
            run(db, u"SELECT id, name FROM contact_types ORDER BY id"_s, {}, u"Reading the contact types"_s);
        while (query.next()) {
            auto where = [&](const char16_t *column) {
                return [&query, column] {
                    return u"Contact type %1, column %2"_s.arg(query.value(0).toString(), QString::fromUtf16(column));
                };
            };
            snapshot.types.append(
                { smallNumber(query.value(0), where(u"id")), textValue(query.value(1), where(u"name")) });
        }
    }
    {
        QSqlQuery query =
            run(db, u"SELECT id, country, code, name FROM states ORDER BY id"_s, {}, u"Reading the states"_s);
        while (query.next()) {
            auto where = [&](const char16_t *column) {
                return [&query, column] {
                    return u"State %1, column %2"_s.arg(query.value(0).toString(), QString::fromUtf16(column));
                };
            };
            snapshot.states.append(
                { smallNumber(query.value(0), where(u"id")), smallNumber(query.value(1), where(u"country")),
                    textValue(query.value(2), where(u"code")), textValue(query.value(3), where(u"name")) });
        }
    }
    {
        // A large vendor grows its lists and the version index by tens of
        // thousands of entries: size them once.
        QSqlQuery count =
            run(db, u"SELECT COUNT(*) FROM addresses WHERE vendor_id = ?"_s, { vendorId }, u"Counting the addresses"_s);
        const qsizetype expected = count.next() ? count.value(0).toLongLong() : 0;
        snapshot.addresses.reserve(expected);
        snapshot.rowVersions.reserve(expected);
    }
    QSqlQuery query =
        run(db, u"SELECT id, row_version, "_s + columnList() + u" FROM addresses WHERE vendor_id = ? ORDER BY id"_s,
            { vendorId }, u"Reading the addresses"_s);
    const QString vendorText = QString::number(vendorId);
    while (query.next()) {
        ContactAddress a;
        a.addressId = query.value(0).toString();
        a.vendorId = vendorText;
        auto column = [&a](int index) {
            return [&a, index] {
                return u"Address %1, column %2"_s.arg(a.addressId, QString::fromUtf16(AddressColumns[index]));
            };
        };
        auto textAt = [&](int index) { return textValue(query.value(index + 2), column(index)); };
        auto optionalAt = [&](int index) -> std::optional<qint16> {
            const QVariant value = query.value(index + 2);
            if (value.isNull())
                return std::nullopt;
            return smallNumber(value, column(index));
        };
        a.typeId = smallNumber(query.value(2), column(0));
        a.name = textAt(1);
        a.street1 = textAt(2);
        a.street2 = textAt(3);
        a.city = textAt(4);
        a.country = optionalAt(5);
        a.stateId = optionalAt(6);
        a.postalCode = textAt(7);
        a.phone = textAt(8);
        a.fax = textAt(9);
        a.email = textAt(10);
        a.phone2 = textAt(11);
        a.cell = textAt(12);
        snapshot.rowVersions.insert(a.addressId, query.value(1).toLongLong());
        snapshot.addresses.append(std::move(a));
    }
    return snapshot;
}

SaveOutcome VendorDatabase::saveVendor(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite)
{
    QSqlDatabase db = connection();
    const QString insertSql = u"INSERT INTO addresses (vendor_id, "_s + columnList() +
        u", row_version) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1) RETURNING id"_s;
    QStringList assignments;
    for (const char16_t *name : AddressColumns)
        assignments << QString::fromUtf16(name) + u" = ?"_s;
    const QString updateSql = u"UPDATE addresses SET vendor_id = ?, "_s + assignments.join(u", ") +
        u", row_version = row_version + 1 WHERE id = ? AND vendor_id = ?"_s +
        (overwrite ? QString() : u" AND row_version = ?"_s);

    if (!db.transaction())
        throw failure(u"Cannot start the save: %1"_s.arg(db.lastError().text()));
    SaveOutcome outcome;
    try {
        for (const ContactAddress &address : changes) {
            const QVariantList values = addressValues(loaded.vendorId, address);
            if (!address.isAddedInPanel()) {
                QVariantList updateValues = values;
                updateValues << address.addressId.toLongLong() << loaded.vendorId;
                if (!overwrite) {
                    // An id the snapshot does not know was never read here:
                    // nothing to compare it with, so it cannot be saved over.
                    const auto version = loaded.rowVersions.constFind(address.addressId);
                    if (version == loaded.rowVersions.cend()) {
                        outcome.conflicts.append(address);
                        continue;
                    }
                    updateValues << *version;
                }
                QSqlQuery update = run(db, updateSql, updateValues, u"Saving address %1"_s.arg(address.addressId));
                if (update.numRowsAffected() == 1) {
                    ++outcome.updated;
                    if (!overwrite)
                        outcome.rowVersions.insert(address.addressId, updateValues.constLast().toLongLong() + 1);
                    continue;
                }
                if (!overwrite) {
                    outcome.conflicts.append(address);
                    continue;
                }
                // Overwriting an address someone deleted: it comes back as new.
            }
            QSqlQuery insert = run(db, insertSql, values, u"Adding address %1"_s.arg(address.name));
            if (!insert.next())
                throw failure(u"The database gave no id for the new address %1."_s.arg(address.name));
            const QString newId = insert.value(0).toString();
            outcome.insertedIds.insert(address.addressId, newId);
            outcome.rowVersions.insert(newId, 1);
            ++outcome.inserted;
        }
        if (!outcome.saved()) {
            db.rollback();
            outcome.inserted = outcome.updated = 0;
            outcome.insertedIds.clear();
            outcome.rowVersions.clear();
            return outcome;
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        throw failure(u"The save could not be completed, nothing was written: %1"_s.arg(error));
    }
    return outcome;
}

} // namespace VendorContactHost
