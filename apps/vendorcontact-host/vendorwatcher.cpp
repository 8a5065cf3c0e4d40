// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorwatcher.h"

#include "vendordatabase.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QPointer>

#include <algorithm>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

VendorChangeWatcher::VendorChangeWatcher(VendorDatabase &database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(50);
    connect(&m_gather, &QTimer::timeout, this, &VendorChangeWatcher::report);
    connect(&m_poll, &QTimer::timeout, this, &VendorChangeWatcher::poll);
    // What is there now is the baseline: only later changes are told.
    m_database.watchChanges([watcher = QPointer<VendorChangeWatcher>(this)](qint32 vendorId) {
        if (!watcher)
            return;
        watcher->m_changed.insert(vendorId);
        watcher->m_gather.start();
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
        report();
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
