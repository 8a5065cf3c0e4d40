// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Saving the shown vendor from the window, and the questions that guard
// unsaved changes.

#include "mainwindow.h"

#include "databasetrouble.h"
#include "developerdock.h"
#include "vendorlist.h"

#include <QtGui/QCloseEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>

using ZebVendorContact::ContactAddress;

namespace VendorContactHost {

bool MainWindow::save()
{
    return saveWith();
}

bool MainWindow::saveWith()
{
    if (!currentVendor())
        return false;
    if (m_readOnly) {
        tellFailure(tr("Cannot save"), m_readOnlyNotice->text());
        return false;
    }
    // What is typed into the panel reaches the control's store only with its
    // own Save or Update; the reload after saving would drop it unasked.
    if (isControlEditing()) {
        tellFailure(tr("Cannot save"),
            tr("You are still adding or editing an address: press Save or Update in the panel to keep it, or "
               "Cancel to drop it, then save."));
        return false;
    }
    const std::optional<QString> exported = m_dock->getContactAddress();
    if (!exported) {
        tellFailure(tr("Cannot save"), tr("The control did not hand back its changes; nothing was saved."));
        return false;
    }
    const PanelPlace place = panelPlace();
    SaveOutcome outcome;
    if (!writeChanges(*exported, &outcome))
        return false;
    if (!outcome.saved())
        return resolveConflicts(outcome);
    if (outcome.inserted == 0 && outcome.updated == 0)
        return true;
    reloadAfterSave(place, outcome);
    return true;
}

bool MainWindow::writeChanges(const QString &exportText, SaveOutcome *outcome)
{
    const QString call = QStringLiteral("saveVendor(%1)").arg(*currentVendor());
    for (;;) {
        try {
            *outcome = m_session->save(exportText);
            m_dock->logCall(call,
                outcome->saved()
                    ? QStringLiteral("ok, %1 inserted, %2 updated").arg(outcome->inserted).arg(outcome->updated)
                    : QStringLiteral("conflict, nothing written: %1 addresses").arg(outcome->conflicts.size()));
            return true;
        } catch (const DatabaseError &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            if (!askToRetry(error, tr("Cannot save")))
                return false;
        } catch (const ZebVendorContact::Error &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            tellFailure(tr("Cannot save"), tr("Nothing was saved. %1").arg(error.message()));
            return false;
        }
    }
}

void MainWindow::reloadAfterSave(PanelPlace place, const SaveOutcome &outcome)
{
    const VendorSnapshot &shown = *m_session->shown();
    const qint32 vendorId = shown.vendorId;
    const QString name = shown.vendorName;
    // A new address is found again under the id the database gave it.
    place.addressId = m_session->writtenIds().value(place.addressId, place.addressId);
    const QString saved = tr("Saved: %1 added, %2 changed.").arg(outcome.inserted).arg(outcome.updated);
    try {
        const VendorLoad vendor = m_session->read(vendorId);
        m_dock->logCall(QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("ok, after the save"));
        handOver(vendor);
        restorePanelPlace(place);
        fillVendorList();
        setStatus(saved);
    } catch (const ZebVendorContact::Error &error) {
        m_dock->logCall(
            QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("error: %1").arg(error.message()));
        fillVendorList();
        // The session knows what it wrote: saving again updates those rows
        // and never adds the new addresses a second time.
        const auto *trouble = dynamic_cast<const DatabaseError *>(&error);
        tellFailure(tr("Saved, but not shown again"),
            tr("%1 The vendor %2 could not be shown again: %3\n\nThe panel still shows your changes as you "
               "made them; saving again does not write them twice.")
                .arg(saved, name, error.message()),
            trouble ? trouble->details() : QString());
    }
}

MainWindow::PanelPlace MainWindow::panelPlace() const
{
    PanelPlace place;
    QWidget *panel = control();
    if (!panel)
        return place;
    if (auto *types = panel->findChild<QComboBox *>(QStringLiteral("cboContactType")))
        place.type = types->currentText();
    if (auto *list = panel->findChild<QAbstractItemView *>(QStringLiteral("lstContacts")))
        place.addressId = list->currentIndex().siblingAtColumn(0).data().toString();
    return place;
}

void MainWindow::restorePanelPlace(const PanelPlace &place)
{
    QWidget *panel = control();
    auto *types = panel ? panel->findChild<QComboBox *>(QStringLiteral("cboContactType")) : nullptr;
    if (!types)
        return;
    // As the user would: pick the type, then the address if it is still there.
    const int type = types->findText(place.type);
    if (type >= 0)
        types->setCurrentIndex(type);
    auto *list = panel->findChild<QAbstractItemView *>(QStringLiteral("lstContacts"));
    if (!list || place.addressId.isEmpty())
        return;
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, place.addressId, 1, Qt::MatchExactly);
    if (!found.isEmpty()) {
        list->selectionModel()->setCurrentIndex(
            found.constFirst(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->scrollTo(found.constFirst());
    }
}

bool MainWindow::resolveConflicts(const SaveOutcome &)
{
    // The user sees both sides and decides (addressbook_live.cpp).
    return decideChanges(ChangesAsked::AtSave);
}

void MainWindow::revert()
{
    if (!currentVendor())
        return;
    if (isControlModified()) {
        Question confirm;
        confirm.title = tr("Revert");
        confirm.text = tr("Drop your unsaved changes to %1?").arg(m_session->shown()->vendorName);
        confirm.buttons = QMessageBox::Yes | QMessageBox::No;
        confirm.defaultButton = QMessageBox::No;
        if (ask(confirm) != QMessageBox::Yes)
            return;
    }
    loadVendor(*currentVendor());
}

bool MainWindow::confirmLeavingVendor()
{
    if (!currentVendor())
        return true;
    const QString name = m_session->shown()->vendorName;
    if (isControlEditing()) {
        Question typing;
        typing.title = tr("Unsaved changes");
        typing.text = isControlModified()
            ? tr("You are still adding or editing an address of %1. Drop what you typed there, and every other "
                 "unsaved change?")
                  .arg(name)
            : tr("You are still adding or editing an address of %1. Drop what you typed there?").arg(name);
        typing.icon = QMessageBox::Warning;
        typing.buttons = QMessageBox::Discard | QMessageBox::Cancel;
        typing.defaultButton = QMessageBox::Cancel;
        return ask(typing) == QMessageBox::Discard;
    }
    if (!isControlModified())
        return true;
    Question question;
    question.title = tr("Unsaved changes");
    question.text = tr("Save your changes to %1?").arg(name);
    question.icon = QMessageBox::Warning;
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Save;
    switch (ask(question)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_session && !confirmLeavingVendor()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace VendorContactHost
