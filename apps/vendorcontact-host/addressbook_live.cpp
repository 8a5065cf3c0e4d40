// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Changes someone else makes to the database while the window is open: the
// vendor list follows, a window with nothing unsaved shows them, and one
// with unsaved changes says so and lets the user decide, as a save that
// meets them does.

#include "mainwindow.h"

#include "changenotice.h"
#include "developerdock.h"
#include "vendorlist.h"

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

#include "vendorwatcher.h"

namespace VendorContactHost {

namespace {
/// Notifications of one save come in a burst; one look answers them all.
constexpr int ChangeCheckDelayMs = 100;
} // namespace

QWidget *MainWindow::createChangeNotice()
{
    m_decideChanges = conflictDialogHandler(this);
    m_changeNotice = new ChangeNotice;
    connect(m_changeNotice, &ChangeNotice::showChangesRequested, this, &MainWindow::reviewChanges);
    m_changeCheck = new QTimer(this);
    m_changeCheck->setSingleShot(true);
    m_changeCheck->setInterval(ChangeCheckDelayMs);
    connect(m_changeCheck, &QTimer::timeout, this, &MainWindow::checkShownVendor);
    return m_changeNotice;
}

void MainWindow::watchDatabase()
{
    delete m_watcher;
    try {
        auto *watcher = new VendorChangeWatcher(m_session->database(), this);
        connect(watcher, &VendorChangeWatcher::vendorsChanged, this, &MainWindow::noteVendorsChanged);
        connect(watcher, &VendorChangeWatcher::watchFailed, this, [this](const QString &message) {
            setStatus(tr("Changes made by someone else cannot be followed for now: %1").arg(message));
        });
        m_watcher = watcher;
    } catch (const ZebVendorContact::Error &error) {
        // The window works without it: a save still finds what someone
        // else changed.
        m_dock->logCall(QStringLiteral("watchChanges()"), QStringLiteral("error: %1").arg(error.message()));
        setStatus(tr("Changes made by someone else cannot be followed for now: %1").arg(error.message()));
    }
}

void MainWindow::setChangesHandler(ChangesHandler handler)
{
    m_decideChanges = std::move(handler);
}

QString MainWindow::changeNoticeText() const
{
    return m_changeNotice->isVisibleTo(this) ? m_changeNotice->text() : QString();
}

void MainWindow::noteVendorsChanged(const QList<qint32> &vendorIds)
{
    if (!m_session)
        return;
    // Only the changed vendors are read again; the one shown is looked at
    // only when it is one of them.
    m_vendors->refreshVendors(vendorIds);
    if (currentVendor() && vendorIds.contains(*currentVendor()))
        m_changeCheck->start();
}

void MainWindow::checkShownVendor()
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
        const std::optional<QString> exported = isControlModified() ? m_dock->getContactAddress() : QString();
        if (!exported)
            return; // the dock's call log says why; the next change looks again
        const VendorChanges changes =
            compareWithDatabase(*m_session, m_session->database().loadVendor(vendorId), *exported);
        if (changes.isEmpty())
            return; // this window's own save, or nothing that shows
        if (unsaved) {
            m_changeNotice->showCount(int(changes.addresses.size()));
            return;
        }
        const PanelPlace place = panelPlace();
        handOver(mergeUnsavedChanges(*m_session, changes, QString(), {}));
        restorePanelPlace(place);
        setStatus(tr("%1 was changed by someone else; the panel shows the changes.").arg(changes.current.vendorName));
    } catch (const ZebVendorContact::Error &error) {
        // Looked at unasked: the status line says it, the next change or
        // the user's next step tries again.
        m_dock->logCall(
            QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("error: %1").arg(error.message()));
        setStatus(tr("Changes made by someone else could not be read: %1").arg(error.message()));
    }
}

void MainWindow::reviewChanges()
{
    if (isControlEditing()) {
        tellFailure(tr("Changed by someone else"),
            tr("You are still adding or editing an address: press Save or Update in the panel to keep it, or "
               "Cancel to drop it, then look at the changes."));
        return;
    }
    decideChanges(ChangesAsked::WhileEditing);
}

bool MainWindow::decideChanges(ChangesAsked when)
{
    const VendorSnapshot &shown = *m_session->shown();
    const qint32 vendorId = shown.vendorId;
    const QString call = QStringLiteral("loadVendor(%1)").arg(vendorId);
    try {
        const std::optional<QString> exported = m_dock->getContactAddress();
        if (!exported) {
            tellFailure(
                tr("Changed by someone else"), tr("The control did not hand back its changes; nothing was saved."));
            return false;
        }
        const VendorChanges changes =
            compareWithDatabase(*m_session, m_session->database().loadVendor(vendorId), *exported);
        m_dock->logCall(call, QStringLiteral("ok, %1 addresses changed by someone else").arg(changes.addresses.size()));
        const ChangeResolution resolution = m_decideChanges(changes, when);
        if (resolution.answer == ChangeResolution::Answer::Cancel) {
            if (when == ChangesAsked::AtSave)
                setStatus(tr(
                    "Not saved: someone else changed %n of your addresses.", nullptr, int(changes.conflicts().size())));
            return false;
        }
        const PanelPlace place = panelPlace();
        handOver(mergeUnsavedChanges(*m_session, changes, *exported, resolution));
        restorePanelPlace(place);
        setStatus(tr("The panel shows the changes of someone else, with your unsaved changes on top."));
        if (when == ChangesAsked::AtSave && resolution.answer == ChangeResolution::Answer::KeepMine)
            return save();
        return false;
    } catch (const ZebVendorContact::Error &error) {
        m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
        tellFailure(tr("Changed by someone else"),
            tr("Their changes could not be read: %1\n\nYour unsaved changes are still in the panel.")
                .arg(error.message()));
        return false;
    }
}

} // namespace VendorContactHost
