// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Saving the shown vendor, and the questions that guard unsaved changes.

#include "vendorbook.h"

#include "controlcalls.h"
#include "databasetrouble.h"

namespace VendorContactHost {

bool VendorBook::save()
{
    if (!currentVendor())
        return false;
    if (m_readOnly) {
        tellFailure(tr("Cannot save"), readOnlyReason());
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
    const std::optional<QString> exported = m_calls->getContactAddress();
    if (!exported) {
        tellFailure(tr("Cannot save"), tr("The control did not hand back its changes; nothing was saved."));
        return false;
    }
    const PanelPlace place = panelPlace();
    SaveOutcome outcome;
    const bool written = attempt(QStringLiteral("saveVendor(%1)").arg(*currentVendor()), tr("Cannot save"), [&] {
        outcome = m_session->save(*exported);
        return outcome.saved()
            ? QStringLiteral("ok, %1 inserted, %2 updated").arg(outcome.inserted).arg(outcome.updated)
            : QStringLiteral("conflict, nothing written: %1 addresses").arg(outcome.conflicts.size());
    });
    if (!written)
        return false;
    if (!outcome.saved())
        return decideChanges(ChangesAsked::AtSave); // the user sees both sides and decides
    if (outcome.inserted == 0 && outcome.updated == 0)
        return true;
    reloadAfterSave(place, outcome);
    return true;
}

void VendorBook::reloadAfterSave(PanelPlace place, const SaveOutcome &outcome)
{
    const VendorSnapshot &shown = *m_session->shown();
    const qint32 vendorId = shown.vendorId;
    const QString name = shown.vendorName;
    // A new address is found again under the id the database gave it. With
    // no row selected (the panel selects none after adding one) the place is
    // the address added last.
    if (place.addressId.isEmpty() && !outcome.newIds.isEmpty()) {
        QStringList added = outcome.newIds.keys();
        std::sort(added.begin(), added.end());
        place.addressId = added.constLast();
    }
    place.addressId = m_session->writtenIds().value(place.addressId, place.addressId);
    const int inserted = outcome.inserted;
    const int updated = outcome.updated;
    auto saved = [inserted, updated] { return tr("Saved: %1 added, %2 changed.").arg(inserted).arg(updated); };
    try {
        const VendorLoad vendor = m_session->read(vendorId);
        m_calls->logCall(QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("ok, after the save"));
        handOver(vendor);
        restorePanelPlace(place);
        listVendors({ vendorId });
        setStatus(saved);
    } catch (const ZebVendorContact::Error &error) {
        m_calls->logCall(
            QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("error: %1").arg(error.message()));
        listVendors({ vendorId });
        // The session knows what it wrote: saving again updates those rows
        // and never adds the new addresses a second time.
        const auto *trouble = dynamic_cast<const DatabaseError *>(&error);
        tellFailure(tr("Saved, but not shown again"),
            tr("%1 The vendor %2 could not be shown again: %3\n\nThe panel still shows your changes as you "
               "made them; saving again does not write them twice.")
                .arg(saved(), name, error.message()),
            trouble ? trouble->details() : QString());
    }
}

void VendorBook::revert()
{
    if (!currentVendor())
        return;
    if (isControlModified()) {
        Question confirm;
        confirm.title = tr("Revert");
        confirm.text = tr("Drop your unsaved changes to %1?").arg(currentVendorName());
        confirm.buttons = QMessageBox::Yes | QMessageBox::No;
        confirm.defaultButton = QMessageBox::No;
        if (ask(confirm) != QMessageBox::Yes)
            return;
    }
    loadVendor(*currentVendor());
}

bool VendorBook::confirmLeavingVendor()
{
    if (!currentVendor())
        return true;
    const QString name = currentVendorName();
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
    question.icon = QMessageBox::Warning;
    if (m_readOnly) {
        // Save would only fail: it is not offered.
        question.text = tr("Your changes to %1 cannot be saved: the database is read-only. Drop them?").arg(name);
        question.buttons = QMessageBox::Discard | QMessageBox::Cancel;
        question.defaultButton = QMessageBox::Cancel;
        return ask(question) == QMessageBox::Discard;
    }
    question.text = tr("Save your changes to %1?").arg(name);
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

} // namespace VendorContactHost
