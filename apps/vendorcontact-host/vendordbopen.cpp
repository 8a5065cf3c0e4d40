// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Opening the address book, whichever engine holds it: the connection, and
// bringing the schema up to date once for all hosts starting together.

#include "vendordbsql.h"

#include <QtCore/QUuid>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using Trouble = DatabaseError::Trouble;
using DbSql::SchemaObject;
using DbSql::schemaObjects;

SqlVendorDatabase::SqlVendorDatabase(const QString &driver, const QString &location, const QString &description)
    : m_driver(driver)
    , m_connectionName(u"vendors-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_location(location)
    , m_description(description)
{
    if (!QSqlDatabase::isDriverAvailable(m_driver))
        throw DatabaseError(Trouble::Other, m_location,
            tr("Qt's %1 database driver is not installed (scripts/install-deps.sh installs it).").arg(m_driver));
}

SqlVendorDatabase::~SqlVendorDatabase()
{
    closeConnection();
}

QSqlDatabase SqlVendorDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void SqlVendorDatabase::openConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_driver, m_connectionName);
        configure(db);
        if (db.open()) {
            connectionOpened();
            return;
        }
    }
    const QSqlError error = connection().lastError();
    closeConnection();
    throw openFailure(error);
}

void SqlVendorDatabase::closeConnection()
{
    closingConnection();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void SqlVendorDatabase::reconnect()
{
    closeConnection();
    try {
        openConnection();
    } catch (const DatabaseError &) {
        // The connection stays registered so that later calls still fail
        // with a message instead of using a removed connection.
        QSqlDatabase::addDatabase(m_driver, m_connectionName);
        throw;
    }
}

QStringList SqlVendorDatabase::existingObjects() const
{
    QSqlQuery query = run(existingObjectsSql(), {}, tr("Reading the tables"));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

bool SqlVendorDatabase::checkVendorTables(const QStringList &existing, bool mayCreate) const
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

void SqlVendorDatabase::prepareSchema(Seeding seeding, bool mayCreate)
{
    if (isReadOnly()) {
        checkVendorTables(existingObjects(), false);
        return;
    }
    // Nothing is written, the journal mode included, before the tables are
    // known to be a vendor database's (or there are none at all).
    const QStringList found = existingObjects();
    checkVendorTables(found, mayCreate);
    beforeSchemaWrites();
    // A database that has everything is opened without taking the write
    // lock: sessions saving meanwhile are neither waited for nor held up.
    if (missingObjects(found).isEmpty())
        return;
    // Check, create and seed in one transaction that only one host at a
    // time holds, so hosts starting together all find the same database.
    // It waits for savers like a save does and runs again when it loses to
    // them.
    const QString purpose = tr("Preparing the tables");
    DbSql::retryingLocked([&] {
        beginSchemaChange();
        try {
            const QStringList existing = existingObjects();
            const bool fresh = checkVendorTables(existing, mayCreate);
            for (const SchemaObject *object : missingObjects(existing)) {
                for (const QString &sql : createStatements(*object))
                    run(sql, {}, purpose);
            }
            if (fresh && seeding == Seeding::SampleVendors)
                seedSampleVendors();
            run(u"COMMIT"_s, {}, purpose);
        } catch (...) {
            DbSql::rollback(connection());
            throw;
        }
    });
}

QList<const SchemaObject *> SqlVendorDatabase::missingObjects(const QStringList &existing) const
{
    static const QList<SchemaObject> objects = schemaObjects();
    QList<const SchemaObject *> missing;
    for (const SchemaObject &object : objects) {
        if (!createStatements(object).isEmpty() && !existing.contains(QString::fromUtf16(object.name)))
            missing << &object;
    }
    return missing;
}

} // namespace VendorContactHost
