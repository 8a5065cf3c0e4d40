// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QElapsedTimer>
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
 * Each report makes the window read the vendor list, and the shown vendor,
 * again. A change after a quiet while is told at once; while changes keep
 * coming, reports are spaced further apart, from ReportSpacingMs up to
 * MaxReportSpacingMs, and what came meanwhile is told together. Anyone who
 * may connect can send PostgreSQL notifications, as fast as they like.
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
    /// The least time between two reports; it doubles while every report
    /// follows close on the one before, up to MaxReportSpacingMs.
    static constexpr int ReportSpacingMs = 2000;
    static constexpr int MaxReportSpacingMs = 32000;

    /// Starts watching `database`, which must outlive the watcher; throws
    /// DatabaseError when changes cannot be followed.
    explicit VendorChangeWatcher(VendorDatabase &database, QObject *parent = nullptr);
    ~VendorChangeWatcher() override;

    /// Looks now instead of at the next poll (what it finds is told as the
    /// spacing of reports allows). Throws on failure.
    void checkNow();

Q_SIGNALS:
    /// The vendors (ids) that changed since the last report, each once.
    void vendorsChanged(const QList<qint32> &vendorIds);
    /// Watching failed (the connection dropped, the file went away); the
    /// next poll tries again.
    void watchFailed(const QString &message);

private:
    void poll();
    void scheduleReport();
    void report();

    VendorDatabase &m_database;
    QTimer m_poll;
    QTimer m_gather; //!< notifications of one save arrive together: one report
    QElapsedTimer m_lastReport;
    int m_spacingMs = ReportSpacingMs;
    QSet<qint32> m_changed;
    bool m_failing = false;
};

} // namespace VendorContactHost
