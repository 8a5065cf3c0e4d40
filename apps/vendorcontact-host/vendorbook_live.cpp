// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Changes someone else makes to the database while the window is open: the
// vendor list follows, a window with nothing unsaved shows them, and one
// with unsaved changes says so and lets the user decide, as a save that
// meets them does.

#include "vendorbook.h"

#include "controlcalls.h"
#include "vendorwatcher.h"

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

namespace VendorContactHost {

namespace {
/// Notifications of one save come in a burst; one look answers them all.
constexpr int ChangeCheckDelayMs = 100;
} // namespace

void VendorBook::watchDatabase()
{
    if (!m_changeCheck) {
        m_changeCheck = new QTimer(this);
        m_changeCheck->setSingleShot(true);
        m_changeCheck->setInterval(ChangeCheckDelayMs);
        connect(m_changeCheck, &QTimer::timeout, this, &VendorBook::checkShownVendor);
    }
    delete m_watcher;
    try {
        auto *watcher = new VendorChangeWatcher(m_session->database(), this);
        connect(watcher, &VendorChangeWatcher::vendorsChanged, this, &VendorBook::noteVendorsChanged);
        connect(watcher, &VendorChangeWatcher::watchFailed, this, [this](const QString &message) {
            setStatus(
                [message] { return tr("Changes made by someone else cannot be followed for now: %1").arg(message); });
        });
        m_watcher = watcher;
    } catch (const ZebVendorContact::Error &error) {
        // The window works without it: a save still finds what someone
        // else changed.
        m_calls->logCall(QStringLiteral("watchChanges()"), QStringLiteral("error: %1").arg(error.message()));
        const QString message = error.message();
        setStatus([message] { return tr("Changes made by someone else cannot be followed for now: %1").arg(message); });
    }
}

void VendorBook::noteVendorsChanged(const QList<qint32> &vendorIds)
{
    if (!m_session)
        return;
    listVendors(vendorIds);
    if (currentVendor() && vendorIds.contains(*currentVendor()) && m_changeCheck)
        m_changeCheck->start();
}

void VendorBook::checkShownVendor()
{
    if (!currentVendor())
        return;
    // Never under a question the user is answering: the panel must not
    // change beneath it. The look is only put off.
    if (QApplication::activeModalWidget()) {
        m_changeCheck->start(4 * ChangeCheckDelayMs);
        return;
    }
    const qint32 vendorId = *currentVendor();
    const bool unsaved = isControlModified() || isControlEditing();
    try {
        const std::optional<QString> exported = isControlModified() ? m_calls->getContactAddress() : QString();
        if (!exported)
            return; // the call log says why; the next change looks again
        const VendorChanges changes =
            compareWithDatabase(*m_session, m_session->database().loadVendor(vendorId), *exported);
        if (changes.isEmpty())
            return; // this window's own save, or nothing that shows
        if (unsaved) {
            Q_EMIT changesPending(int(changes.addresses.size()));
            return;
        }
        const PanelPlace place = panelPlace();
        handOver(mergeUnsavedChanges(*m_session, changes, QString(), {}));
        restorePanelPlace(place);
        const QString name = changes.current.vendorName;
        setStatus([name] { return tr("%1 was changed by someone else; the panel shows the changes.").arg(name); });
    } catch (const ZebVendorContact::Error &error) {
        // Looked at unasked: the status line says it, the next change or
        // the user's next step tries again.
        m_calls->logCall(
            QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("error: %1").arg(error.message()));
        const QString message = error.message();
        setStatus([message] { return tr("Changes made by someone else could not be read: %1").arg(message); });
    }
}

void VendorBook::reviewChanges()
{
    if (isControlEditing()) {
        tellFailure(tr("Changed by someone else"),
            tr("You are still adding or editing an address: press Save or Update in the panel to keep it, or "
               "Cancel to drop it, then look at the changes."));
        return;
    }
    decideChanges(ChangesAsked::WhileEditing);
}

bool VendorBook::decideChanges(ChangesAsked when)
{
    const qint32 vendorId = *currentVendor();
    const std::optional<QString> exported = m_calls->getContactAddress();
    if (!exported) {
        tellFailure(tr("Changed by someone else"), tr("The control did not hand back its changes; nothing was saved."));
        return false;
    }
    VendorChanges changes;
    const bool read = attempt(QStringLiteral("loadVendor(%1)").arg(vendorId), tr("Changed by someone else"), [&] {
        changes = compareWithDatabase(*m_session, m_session->database().loadVendor(vendorId), *exported);
        return QStringLiteral("ok, %1 addresses changed by someone else").arg(changes.addresses.size());
    });
    if (!read)
        return false;
    const ChangeResolution resolution = m_decideChanges(changes, when);
    if (resolution.answer == ChangeResolution::Answer::Cancel) {
        if (when == ChangesAsked::AtSave) {
            const int count = int(changes.conflicts().size());
            setStatus([count] { return tr("Not saved: someone else changed %n of your addresses.", nullptr, count); });
        }
        return false;
    }
    const PanelPlace place = panelPlace();
    handOver(mergeUnsavedChanges(*m_session, changes, *exported, resolution));
    restorePanelPlace(place);
    // Said as it is: whose values the panel now holds, and whether anything
    // of the user's is still unsaved.
    const bool keptMine = resolution.answer == ChangeResolution::Answer::KeepMine;
    const bool unsaved = isControlModified();
    setStatus([keptMine, unsaved] {
        if (keptMine)
            return tr("The panel keeps your values; saving writes them over the changes of someone else.");
        return unsaved ? tr("The panel shows the changes of someone else, with your unsaved changes on top.")
                       : tr("The panel shows the changes of someone else.");
    });
    if (when == ChangesAsked::AtSave && keptMine)
        return save();
    return false;
}

} // namespace VendorContactHost
