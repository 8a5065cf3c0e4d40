// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Remove Address: takes a saved address out of the database. The control's
// own Delete is only for addresses added in the panel and not saved yet.

#include "vendorbook.h"

#include "controlcalls.h"

namespace VendorContactHost {

bool VendorBook::removeAddress()
{
    if (!currentVendor())
        return false;
    const QString title = tr("Remove Address");
    if (m_readOnly) {
        tellFailure(title, readOnlyReason());
        return false;
    }
    if (isControlModified() || isControlEditing()) {
        tellFailure(title,
            tr("Save or revert your changes first: removing an address reloads the vendor, which would drop them."));
        return false;
    }
    const QString addressId = m_calls->control()->property("currentAddressId").toString();
    bool isNumber = false;
    const qint64 id = addressId.toLongLong(&isNumber);
    if (addressId.isEmpty()) {
        tellFailure(title, tr("Select the address to remove in the list first."));
        return false;
    }
    const std::optional<qint64> version = m_session->shown()->rowVersions.find(addressId);
    if (!isNumber || !version) {
        tellFailure(
            title, tr("This address was added in the panel and is not saved: use the panel's Delete to drop it."));
        return false;
    }
    QString described = addressId;
    for (const ZebVendorContact::ContactAddress &address : m_session->shownAddresses()) {
        if (address.addressId == addressId)
            described = tr("\u201c%1\u201d, %2").arg(address.name, address.city);
    }
    Question confirm;
    confirm.title = title;
    confirm.text =
        tr("Remove the address %1 of %2 from the database? This cannot be undone.").arg(described, currentVendorName());
    confirm.icon = QMessageBox::Warning;
    confirm.buttons = QMessageBox::Yes | QMessageBox::Cancel;
    confirm.defaultButton = QMessageBox::Cancel;
    confirm.buttonTexts = { { QMessageBox::Yes, tr("&Remove") } };
    if (ask(confirm) != QMessageBox::Yes)
        return false;

    const qint32 vendorId = *currentVendor();
    bool removed = false;
    const bool done = attempt(QStringLiteral("removeAddress(%1, %2)").arg(vendorId).arg(addressId), title, [&] {
        removed = m_session->database().removeAddress(vendorId, id, *version);
        return removed ? QStringLiteral("ok") : QStringLiteral("conflict, nothing removed");
    });
    if (!done)
        return false;
    const QString type = panelPlace().type;
    if (loadVendor(vendorId))
        restorePanelPlace({ type, removed ? QString() : addressId });
    listVendors({ vendorId });
    if (!removed) {
        tellFailure(title,
            tr("Someone else changed or removed this address meanwhile, so nothing was removed. The panel now "
               "shows the vendor as it is."));
        return false;
    }
    setStatus([described] { return tr("Removed the address %1.").arg(described); });
    return true;
}

} // namespace VendorContactHost
