// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorwatcher.h"

#include "vendordatabase.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QPointer>

#include <algorithm>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

namespace {
/// The notifications of one save arrive within this: one report.
constexpr int GatherMs = 50;
} // namespace

VendorChangeWatcher::VendorChangeWatcher(VendorDatabase &database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    m_gather.setSingleShot(true);
    connect(&m_gather, &QTimer::timeout, this, &VendorChangeWatcher::report);
    connect(&m_poll, &QTimer::timeout, this, &VendorChangeWatcher::poll);
    // What is there now is the baseline: only later changes are told.
    m_database.watchChanges([watcher = QPointer<VendorChangeWatcher>(this)](qint32 vendorId) {
        if (!watcher)
            return;
        watcher->m_changed.insert(vendorId);
        watcher->scheduleReport();
    });
    m_poll.start(PollIntervalMs);
}

VendorChangeWatcher::~VendorChangeWatcher() = default;

void VendorChangeWatcher::poll()
{
    // A timer's slot is an event boundary: nothing may leave it.
    try {
        checkNow();
        if (m_failing)
            qCInfo(lcVendorDatabase) << "watching" << m_database.description() << "again";
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
    for (const qint32 vendorId : m_database.changedVendors())
        m_changed.insert(vendorId);
    if (!m_changed.isEmpty())
        scheduleReport();
}

void VendorChangeWatcher::scheduleReport()
{
    // Already due: whatever comes until then is told with it. A flood of
    // notifications used to put the report off and off, leaving the poll to
    // tell every second.
    if (m_gather.isActive())
        return;
    const qint64 since = m_lastReport.isValid() ? m_lastReport.elapsed() : m_spacingMs;
    m_gather.start(int(std::max<qint64>(GatherMs, m_spacingMs - since)));
}

void VendorChangeWatcher::report()
{
    m_gather.stop();
    if (m_changed.isEmpty())
        return;
    // Close on the one before: changes keep coming, and the next report
    // waits longer. After a quiet while the spacing is as at the start.
    const bool busy = m_lastReport.isValid() && m_lastReport.elapsed() < 2 * m_spacingMs;
    m_spacingMs = busy ? std::min(2 * m_spacingMs, MaxReportSpacingMs) : ReportSpacingMs;
    m_lastReport.start();
    QList<qint32> ids(m_changed.cbegin(), m_changed.cend());
    std::sort(ids.begin(), ids.end());
    m_changed.clear();
    Q_EMIT vendorsChanged(ids);
}

} // namespace VendorContactHost
