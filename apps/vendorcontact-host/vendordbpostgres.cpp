// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendordbpostgres.h"
#include "vendordbdirectory.h"

#include "addresscolumns.h"

#include <QtSql/QSqlDriver>

#include <libpq-fe.h>

#include <array>
#include <memory>
#include <vector>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using Trouble = DatabaseError::Trouble;
using DbSql::troubleOf;
using ZebVendorContact::ContactAddress;

namespace {

// One number for all hosts: the lock serialising schema creation and seeding.
constexpr qint64 SchemaLockKey = 0x5a5643'5348454d; // "ZVCSHEM"

struct PostgresResultClear
{
    void operator()(PGresult *result) const { PQclear(result); }
};
using PostgresResult = std::unique_ptr<PGresult, PostgresResultClear>;

/*!
 * A PostgreSQL array in its text form, one parameter carrying a whole
 * column of values: `{1,NULL,"O'Brien \"Jr.\""}`. Every text element is
 * quoted, so none is taken for NULL or split at a comma or a brace.
 */
class PostgresArray
{
public:
    PostgresArray();
    void add(qint64 number);
    /// A null value as NULL, a whole number as itself, anything else as text.
    void add(const QVariant &value);
    /// The array, closed; the builder is empty afterwards.
    QByteArray take();

private:
    void separate();
    void addText(QStringView text);
    QByteArray m_text;
};

/// The connection Qt's driver opened.
PGconn *postgresConnection(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    // Qt names the type after its typedef or after the struct behind it.
    for (const char *typeName : { "PGconn*", "pg_conn*" }) {
        if (handle.isValid() && qstrcmp(handle.typeName(), typeName) == 0)
            return *static_cast<PGconn *const *>(handle.constData());
    }
    return nullptr;
}

DatabaseError postgresFailure(
    const QSqlDatabase &db, const QString &location, const QString &purpose, const PGresult *result)
{
    PGconn *connection = postgresConnection(db);
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    QString code = state ? QString::fromLatin1(state) : QString();
    // A connection that broke is the reconnect's to mend.
    if (code.isEmpty() && connection && PQstatus(connection) == CONNECTION_BAD)
        code = u"08006"_s;
    const char *message = result && *PQresultErrorMessage(result) ? PQresultErrorMessage(result)
        : connection                                              ? PQerrorMessage(connection)
                                                                  : "";
    const QSqlError error(QString(), QString::fromUtf8(message).trimmed(),
        code.startsWith(u"08") ? QSqlError::ConnectionError : QSqlError::StatementError, code);
    return DatabaseError(troubleOf(db, error), location, VendorDatabase::tr("%1 failed.").arg(purpose), error.text());
}

QStringList postgresRun(const QSqlDatabase &db, const QString &location, const QByteArray &sql,
    const QList<QByteArray> &parameters, const QString &purpose)
{
    PGconn *connection = postgresConnection(db);
    if (!connection)
        throw DatabaseError(DatabaseError::Trouble::ConnectionLost, location,
            VendorDatabase::tr("%1 failed.").arg(purpose), VendorDatabase::tr("The connection is not open."));
    std::vector<const char *> values;
    values.reserve(parameters.size());
    for (const QByteArray &parameter : parameters)
        values.push_back(parameter.constData());
    const PostgresResult result(
        PQexecParams(connection, sql.constData(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        throw postgresFailure(db, location, purpose, result.get());
    QStringList rows;
    const int count = PQntuples(result.get());
    rows.reserve(count);
    for (int row = 0; row < count && PQnfields(result.get()) > 0; ++row)
        rows << QString::fromUtf8(PQgetvalue(result.get(), row, 0), PQgetlength(result.get(), row, 0));
    return rows;
}

PostgresArray::PostgresArray()
{
    m_text += '{';
}

void PostgresArray::separate()
{
    if (m_text.size() > 1)
        m_text += ',';
}

void PostgresArray::add(qint64 number)
{
    separate();
    m_text += QByteArray::number(number);
}

void PostgresArray::add(const QVariant &value)
{
    if (value.isNull()) {
        separate();
        m_text += "NULL";
    } else if (value.typeId() == QMetaType::Int) {
        add(qint64(value.toInt()));
    } else {
        addText(value.toString());
    }
}

void PostgresArray::addText(QStringView text)
{
    separate();
    m_text += '"';
    // Inside quotes only the quote and the backslash need a backslash. Most
    // addresses are plain ASCII, copied as they are; the rest is encoded.
    qsizetype plain = 0;
    while (plain < text.size() && text.at(plain).unicode() < 0x80)
        ++plain;
    const QByteArray encoded = plain == text.size() ? QByteArray() : text.mid(plain).toUtf8();
    auto append = [this](char byte) {
        if (byte == '"' || byte == '\\')
            m_text += '\\';
        m_text += byte;
    };
    for (qsizetype i = 0; i < plain; ++i)
        append(char(text.at(i).unicode()));
    for (const char byte : encoded)
        append(byte);
    m_text += '"';
}

QByteArray PostgresArray::take()
{
    m_text += '}';
    QByteArray text = std::move(m_text);
    m_text = QByteArrayLiteral("{");
    return text;
}

QString hostName(const PostgresVendorDatabase::Address &address)
{
    return address.host.isEmpty() ? VendorDatabase::tr("the local socket") : address.host;
}

} // namespace

PostgresVendorDatabase::PostgresVendorDatabase(const Address &address, Seeding seeding)
    : SqlVendorDatabase(u"QPSQL"_s, tr("database %1 on %2").arg(address.database, hostName(address)),
          tr("PostgreSQL database %1 on %2 as %3").arg(address.database, hostName(address), address.user))
    , m_address(address)
{
    openConnection();
    // A PostgreSQL database someone created for the address book starts
    // empty: it becomes one.
    prepareSchema(seeding, true);
}

PostgresVendorDatabase::~PostgresVendorDatabase()
{
    if (!m_listenName.isEmpty()) {
        QSqlDatabase::database(m_listenName, false).close();
        QSqlDatabase::removeDatabase(m_listenName);
    }
}

void PostgresVendorDatabase::configure(QSqlDatabase &db) const
{
    db.setDatabaseName(m_address.database);
    db.setHostName(m_address.host);
    db.setUserName(m_address.user);
    if (m_address.port > 0)
        db.setPort(m_address.port);
}

DatabaseError PostgresVendorDatabase::openFailure(const QSqlError &error) const
{
    return DatabaseError(Trouble::Unreachable, location(),
        tr("The PostgreSQL database %1 on %2 cannot be reached.").arg(m_address.database, hostName(m_address)),
        error.text());
}

void PostgresVendorDatabase::reconnect()
{
    try {
        SqlVendorDatabase::reconnect();
    } catch (const DatabaseError &error) {
        throw DatabaseError(Trouble::ConnectionLost, location(),
            tr("The connection to the PostgreSQL database %1 on %2 was lost and could not be re-opened.")
                .arg(m_address.database, hostName(m_address)),
            error.details());
    }
}

QString PostgresVendorDatabase::existingObjectsSql() const
{
    return u"SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
           u"WHERE n.nspname = current_schema() "
           u"UNION ALL SELECT t.tgname FROM pg_trigger t WHERE NOT t.tgisinternal "
           u"UNION ALL SELECT p.proname FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace "
           u"WHERE n.nspname = current_schema()"_s;
}

const QStringList &PostgresVendorDatabase::createStatements(const DbSql::SchemaObject &object) const
{
    return object.postgres;
}

const DbSql::DirectorySql &PostgresVendorDatabase::directorySql() const
{
    return DbSql::postgresDirectorySql();
}

void PostgresVendorDatabase::beginSchemaChange()
{
    const QString purpose = tr("Preparing the tables");
    run(u"BEGIN"_s, {}, purpose);
    run(u"SELECT pg_advisory_xact_lock(%1)"_s.arg(SchemaLockKey), {}, purpose);
    // Bringing an earlier layout up to date drops what it had "if it
    // exists"; the server's notice that it did not is no news.
    run(u"SET LOCAL client_min_messages = warning"_s, {}, purpose);
}

void PostgresVendorDatabase::beginSave()
{
    run(u"BEGIN"_s, {}, tr("Starting the save"));
}

QString PostgresVendorDatabase::databaseNow() const
{
    return u"CAST(EXTRACT(EPOCH FROM now()) AS BIGINT)"_s;
}

bool PostgresVendorDatabase::connectionAlive(const QSqlDatabase &db) const
{
    QSqlQuery probe(db);
    return probe.exec(u"SELECT 1"_s) && probe.next();
}

bool PostgresVendorDatabase::reconnectIfLost() const
{
    if (connectionAlive(connection()))
        return false;
    qCInfo(lcVendorDatabase) << "the connection to" << location() << "was lost; re-opening it";
    const_cast<PostgresVendorDatabase *>(this)->reconnect();
    return true;
}

QSet<QString> PostgresVendorDatabase::updateAddresses(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes)
{
    // PostgreSQL answers each statement over the socket: a thousand updates
    // are sent as one statement instead, each column as one array
    // parameter, so the server plans once and no value is ever written into
    // the statement's text. An address whose version the snapshot lacks is
    // a conflict and is not sent at all.
    std::array<PostgresArray, 2 + AddressColumns.size()> columns; // id, version, then AddressColumns
    bool any = false;
    for (const ContactAddress &a : changes) {
        const std::optional<qint64> version = loaded.rowVersions.find(a.addressId);
        if (a.isAddedInPanel() || !version)
            continue;
        any = true;
        columns[0].add(a.addressId.toLongLong());
        columns[1].add(*version);
        for (std::size_t i = 0; i < AddressColumns.size(); ++i)
            columns[2 + i].add(sqlValue(AddressColumns[i], a));
    }
    if (!any)
        return {};
    // The ids also stand as a condition of their own on the table: joined
    // with the arrays alone, the planner expects few rows to match and reads
    // the vendor's every address into a hash, several times the work of
    // fetching the changed ones by their key.
    static const QByteArray sql = [] {
        QStringList arrays { u"$2::bigint[]"_s, u"$3::bigint[]"_s };
        QStringList names { u"id"_s, u"version"_s };
        QStringList assignments;
        for (const AddressColumn &column : AddressColumns) {
            const QString name = QString::fromUtf16(column.name);
            arrays << u"$%1::%2[]"_s.arg(arrays.size() + 2).arg(QString::fromUtf16(column.sqlType()));
            names << name;
            assignments << u"%1 = v.%1"_s.arg(name);
        }
        return (u"UPDATE addresses AS a SET "_s + assignments.join(u", ") +
            u", row_version = a.row_version + 1 FROM unnest("_s + arrays.join(u", ") + u") AS v("_s +
            names.join(u", ") +
            u") WHERE a.id = ANY($2::bigint[]) AND a.id = v.id AND a.vendor_id = $1 AND a.row_version = v.version "_s
            u"RETURNING a.id"_s)
            .toUtf8();
    }();
    QList<QByteArray> parameters { QByteArray::number(loaded.vendorId) };
    for (PostgresArray &column : columns)
        parameters << column.take();
    const QStringList ids = postgresRun(connection(), location(), sql, parameters, tr("Saving the addresses"));
    return QSet<QString>(ids.cbegin(), ids.cend());
}

void PostgresVendorDatabase::sampleVendorsAdded()
{
    run(u"SELECT setval(pg_get_serial_sequence('addresses', 'id'), (SELECT MAX(id) FROM addresses))"_s, {},
        tr("Preparing the tables"));
}

void PostgresVendorDatabase::manyRowsAdded()
{
    // Thousands of rows at once leave the server's planner counting on the
    // table as it was (a few rows per vendor) until its own statistics run
    // catches up, and reading or saving this vendor would go the slow way
    // meanwhile.
    run(u"ANALYZE addresses"_s, {}, tr("Preparing the tables"));
}

void PostgresVendorDatabase::watchChanges(std::function<void(qint32)> announced)
{
    m_announced = std::move(announced);
    listen();
}

void PostgresVendorDatabase::listen()
{
    // Notifications come on a connection of their own: the one that reads
    // and saves may be inside a transaction, or re-opened, at any time.
    if (m_listenName.isEmpty())
        m_listenName = connectionName() + u"-listen"_s;
    if (QSqlDatabase::contains(m_listenName)) {
        QSqlDatabase::database(m_listenName, false).close();
        QSqlDatabase::removeDatabase(m_listenName);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_listenName);
    configure(db);
    if (!db.open())
        throw openFailure(db.lastError());
    QSqlDriver *driver = db.driver();
    if (!driver->subscribeToNotification(QString::fromUtf16(DbSql::ChangeChannel)))
        throw DatabaseError(Trouble::Other, location(), tr("Cannot listen for changes in the %1.").arg(description()),
            driver->lastError().text());
    QObject::connect(driver, &QSqlDriver::notification, driver,
        [announced = m_announced](const QString &name, QSqlDriver::NotificationSource, const QVariant &payload) {
            bool ok = false;
            const qint32 vendorId = payload.toString().toInt(&ok);
            if (name == QString::fromUtf16(DbSql::ChangeChannel) && ok && announced)
                announced(vendorId);
        });
}

QList<qint32> PostgresVendorDatabase::changedVendors()
{
    // Notifications come by themselves; the poll only makes sure the
    // connection they come on is still there. After it was re-opened
    // changes may have been missed: every vendor is told.
    if (m_listenName.isEmpty() || connectionAlive(QSqlDatabase::database(m_listenName, false)))
        return {};
    listen();
    reconnectIfLost();
    // The ids only: the vendor list reads again what it shows.
    QList<qint32> all;
    QSqlQuery ids = run(u"SELECT id FROM vendors"_s, {}, tr("Looking for changes"));
    while (ids.next())
        all << ids.value(0).toInt();
    return all;
}

} // namespace VendorContactHost
