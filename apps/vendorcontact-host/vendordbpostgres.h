// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendordbsql.h"

namespace VendorContactHost {

/*!
 * The address book in a PostgreSQL database. Reads go through Qt's driver;
 * a save sends all its updates as one statement with a column of values
 * per array parameter, through libpq on the connection the driver opened.
 * Changes are announced by the server (LISTEN/NOTIFY) on a connection of
 * the engine's own, opened by watchChanges().
 */
class PostgresVendorDatabase final : public SqlVendorDatabase
{
    // Their messages are the address book's, translated as one.
    Q_DECLARE_TR_FUNCTIONS(VendorDatabase)

public:
    struct Address
    {
        QString database;
        QString host; //!< empty: the local socket
        QString user;
        int port = -1;
    };

    PostgresVendorDatabase(const Address &address, Seeding seeding);
    ~PostgresVendorDatabase() override;

    void reconnect() override;
    void watchChanges(std::function<void(qint32 vendorId)> announced) override;
    QList<qint32> changedVendors() override;

protected:
    void configure(QSqlDatabase &db) const override;
    DatabaseError openFailure(const QSqlError &error) const override;
    QString existingObjectsSql() const override;
    const QStringList &createStatements(const DbSql::SchemaObject &object) const override;
    const DbSql::DirectorySql &directorySql() const override;
    void beginSchemaChange() override;
    void beginSave() override;
    QString databaseNow() const override;
    bool reconnectIfLost() const override;
    QSet<QString> updateAddresses(
        const VendorSnapshot &loaded, const QList<ZebVendorContact::ContactAddress> &changes) override;
    void sampleVendorsAdded() override;
    void manyRowsAdded() override;

private:
    void listen();
    bool connectionAlive(const QSqlDatabase &db) const;

    Address m_address;
    QString m_listenName; //!< the LISTEN connection, empty until watched
    std::function<void(qint32)> m_announced;
};

} // namespace VendorContactHost
