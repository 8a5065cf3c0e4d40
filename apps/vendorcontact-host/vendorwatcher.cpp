// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorwatcher.h"

#include "vendordatabase.h"
#include "vendordbsql.h"

#include <algorithm>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;

VendorChangeWatcher::VendorChangeWatcher(const QString &location, QObject *parent)
    : QObject(parent)
    , m_database(std::make_unique<VendorDatabase>(
          location, VendorDatabase::OpenMode::ExistingOnly, VendorDatabase::Seeding::Empty))
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(50);
    connect(&m_gather, &QTimer::timeout, this, &VendorChangeWatcher::report);
    connect(&m_poll, &QTimer::timeout, this, &VendorChangeWatcher::poll);
    if (m_database->isPostgreSql()) {
        listen();
    } else {
        QSqlQuery order = DbSql::run(m_database->connection(), m_database->description(),
            u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'vendor_change_order'"_s, {},
            VendorDatabase::tr("Looking for changes"));
        m_ordered = order.next() && order.value(0).toInt() == 1;
        order.finish();
        if (m_ordered) {
            QSqlQuery last = DbSql::run(m_database->connection(), m_database->description(),
                u"SELECT COALESCE(MAX(sequence), 0) FROM vendor_change_order"_s, {},
                VendorDatabase::tr("Looking for changes"));
            m_lastSequence = last.next() ? last.value(0).toLongLong() : 0;
        }
        // What is there now is the baseline: only later changes are told.
        checkSqlite();
        m_changed.clear();
    }
    m_poll.start(PollIntervalMs);
}

VendorChangeWatcher::~VendorChangeWatcher() = default;

void VendorChangeWatcher::poll()
{
    // A timer's slot is an event boundary: nothing may leave it.
    try {
        checkNow();
        if (m_failing)
            qCInfo(lcVendorDatabase) << "watching" << m_database->description() << "again";
        m_failing = false;
    } catch (const ZebVendorContact::Error &error) {
        qCWarning(lcVendorDatabase) << "watching for changes failed:" << error.message();
        if (!m_failing)
            Q_EMIT watchFailed(error.message());
        m_failing = true;
    }
}

void VendorChangeWatcher::checkNow()
{
    if (m_database->isPostgreSql())
        checkPostgres();
    else
        checkSqlite();
    if (!m_changed.isEmpty())
        report();
}

QHash<qint32, qint64> VendorChangeWatcher::readCounters() const
{
    QSqlQuery query = DbSql::run(m_database->connection(), m_database->description(),
        u"SELECT vendor_id, version FROM vendor_changes"_s, {}, VendorDatabase::tr("Looking for changes"));
    QHash<qint32, qint64> counters;
    while (query.next())
        counters.insert(query.value(0).toInt(), query.value(1).toLongLong());
    return counters;
}

void VendorChangeWatcher::readChangesInOrder()
{
    // Along the index of the order: the vendors changed since the last look.
    QSqlQuery query = DbSql::run(m_database->connection(), m_database->description(),
        u"SELECT vendor_id, sequence FROM vendor_change_order WHERE sequence > ?"_s, { m_lastSequence },
        VendorDatabase::tr("Looking for changes"));
    while (query.next()) {
        m_changed.insert(query.value(0).toInt());
        m_lastSequence = std::max(m_lastSequence, query.value(1).toLongLong());
    }
}

void VendorChangeWatcher::checkSqlite()
{
    // data_version moves when another connection commits to the file; it
    // is read from SQLite's shared memory, not from the file.
    QSqlQuery version = DbSql::run(m_database->connection(), m_database->description(), u"PRAGMA data_version"_s, {},
        VendorDatabase::tr("Looking for changes"));
    const qint64 now = version.next() ? version.value(0).toLongLong() : -1;
    version.finish();
    if (now == m_dataVersion)
        return;
    m_dataVersion = now;
    if (m_ordered) {
        readChangesInOrder();
        return;
    }
    const QHash<qint32, qint64> counters = readCounters();
    for (auto it = counters.cbegin(); it != counters.cend(); ++it) {
        if (m_counters.value(it.key(), -1) != it.value())
            m_changed.insert(it.key());
    }
    m_counters = counters;
}

void VendorChangeWatcher::checkPostgres()
{
    // Notifications come by themselves; the poll only makes sure the
    // connection they come on is still there. After a reconnect changes
    // may have been missed: every vendor is told.
    QSqlQuery probe(m_database->connection());
    if (probe.exec(u"SELECT 1"_s))
        return;
    m_database->reconnect();
    listen();
    for (const VendorSummary &vendor : m_database->vendors())
        m_changed.insert(vendor.id);
}

void VendorChangeWatcher::listen()
{
    QSqlDriver *driver = m_database->connection().driver();
    if (!driver->subscribeToNotification(QString::fromUtf16(DbSql::ChangeChannel)))
        throw DatabaseError(DatabaseError::Trouble::Other, m_database->description(),
            VendorDatabase::tr("Cannot listen for changes in the %1.").arg(m_database->description()),
            driver->lastError().text());
    connect(driver, &QSqlDriver::notification, this, &VendorChangeWatcher::noteNotification, Qt::UniqueConnection);
}

void VendorChangeWatcher::noteNotification(const QString &name, QSqlDriver::NotificationSource, const QVariant &payload)
{
    bool ok = false;
    const qint32 vendorId = payload.toString().toInt(&ok);
    if (name != QString::fromUtf16(DbSql::ChangeChannel) || !ok)
        return;
    m_changed.insert(vendorId);
    m_gather.start();
}

void VendorChangeWatcher::report()
{
    m_gather.stop();
    if (m_changed.isEmpty())
        return;
    QList<qint32> ids(m_changed.cbegin(), m_changed.cend());
    std::sort(ids.begin(), ids.end());
    m_changed.clear();
    Q_EMIT vendorsChanged(ids);
}

} // namespace VendorContactHost
