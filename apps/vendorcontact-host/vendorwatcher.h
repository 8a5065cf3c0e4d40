// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSet>
#include <QtCore/QTimer>

namespace VendorContactHost {

class VendorDatabase;

/*!
 * Tells which vendors changed in the address book since it last looked:
 * saves of other windows, other users and other programs alike (triggers
 * in the database note every change of a vendor or its addresses). The
 * session's own saves are told too.
 *
 * It watches through the window's own data layer (see
 * VendorDatabase::watchChanges()): on PostgreSQL the server announces each
 * committed change; on SQLite the file's data version is read about every
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

    /// Starts watching `database`, which must outlive the watcher; throws
    /// DatabaseError when changes cannot be followed.
    explicit VendorChangeWatcher(VendorDatabase &database, QObject *parent = nullptr);
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
    void report();

    VendorDatabase &m_database;
    QTimer m_poll;
    QTimer m_gather; //!< notifications of one save arrive together: one report
    QSet<qint32> m_changed;
    bool m_failing = false;
};

} // namespace VendorContactHost
