// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSet>
#include <QtCore/QTimer>
#include <QtSql/QSqlDriver>

#include <memory>

namespace VendorContactHost {

class VendorDatabase;

/*!
 * Tells which vendors changed in the address book since it last looked:
 * saves of other windows, other users and other programs alike (triggers
 * in the database note every change of a vendor or its addresses). The
 * session's own saves are told too.
 *
 * It watches through a connection of its own. On PostgreSQL the server
 * announces each committed change (LISTEN/NOTIFY through Qt's driver
 * notifications); on SQLite the file's data version is read about every
 * second, which costs next to nothing while no one writes, and only when
 * it moved are the per-vendor change counters read.
 *
 * Failures never travel through its signals as exceptions: a watch that
 * fails is reported with watchFailed() as text and retried on the next
 * poll.
 */
class VendorChangeWatcher : public QObject
{
    Q_OBJECT

public:
    /// How often an SQLite file is looked at (and a PostgreSQL connection checked).
    static constexpr int PollIntervalMs = 1000;

    /// Starts watching `location` (as VendorDatabase takes it); throws
    /// DatabaseError when it cannot be opened.
    explicit VendorChangeWatcher(const QString &location, QObject *parent = nullptr);
    ~VendorChangeWatcher() override;

    /// Looks now instead of at the next poll. Throws on failure.
    void checkNow();

Q_SIGNALS:
    /// The vendors (ids) that changed since the last report, each once.
    void vendorsChanged(const QList<qint32> &vendorIds);
    /// Watching failed (the connection dropped, the file went away); the
    /// next poll tries again.
    void watchFailed(const QString &message);

private:
    void poll();
    void checkSqlite();
    void checkPostgres();
    void listen();
    void noteNotification(const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload);
    void report();
    QHash<qint32, qint64> readCounters() const;
    void readChangesInOrder();

    std::unique_ptr<VendorDatabase> m_database;
    QTimer m_poll;
    QTimer m_gather; //!< notifications of one save arrive together: one report
    qint64 m_dataVersion = -1;
    QHash<qint32, qint64> m_counters;
    /// The file keeps the order of changes: only what changed since
    /// m_lastSequence is read.
    bool m_ordered = false;
    qint64 m_lastSequence = 0;
    QSet<qint32> m_changed;
    bool m_failing = false;
};

} // namespace VendorContactHost
