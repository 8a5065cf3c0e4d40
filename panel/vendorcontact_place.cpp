// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The user's place in the panel as a Qt host sees it: the type the list
// shows and the selected address, read and set as the user would.

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "threadguard.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

QString VendorContact::currentAddressId() const
{
    return d->currentAddressId();
}

bool VendorContact::selectAddress(const QString &addressId)
{
    if (onForeignThread(this))
        return false;
    const bool selected = d->selectAddress(addressId);
    d->notifyChanges();
    return selected;
}

QString VendorContact::currentType() const
{
    return VendorContactPrivate::pickerText(d->cboContactType);
}

void VendorContact::setCurrentType(const QString &typeName)
{
    if (onForeignThread(this))
        return;
    d->setCurrentType(typeName);
    d->notifyChanges();
}

QString VendorContactPrivate::currentAddressId() const
{
    // The selected row; after a save, which leaves none selected, the row
    // the list's current index stays on (the address just saved).
    int row = selectedRow();
    if (row < 0 && lstContacts->currentIndex().isValid())
        row = lstContacts->currentIndex().row();
    return row < 0 || row >= m_listModel->rowCount() ? QString() : m_listModel->text(row, AddressIdColumn).toString();
}

bool VendorContactPrivate::selectAddress(const QString &addressId)
{
    // While adding or editing the list is disabled and takes no click.
    if (m_state != PanelState::Browsing || addressId.isEmpty())
        return false;
    for (int row = 0; row < m_listModel->rowCount(); ++row) {
        if (m_listModel->text(row, AddressIdColumn) != addressId)
            continue;
        const QModelIndex index = m_listModel->index(row, 0);
        {
            // The click below shows the row, once.
            const QuietList quiet(this);
            lstContacts->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        lstContacts->scrollTo(index);
        endQuietlyOnFailure("lstContacts_Click", [this] { lstContacts_Click(); });
        updateButtons();
        return true;
    }
    return false;
}

void VendorContactPrivate::setCurrentType(const QString &typeName)
{
    // While adding or editing the picker is hidden under the type's name.
    if (m_state != PanelState::Browsing)
        return;
    const int position = cboContactType->findData(typeName, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position < 0)
        return;
    endQuietlyOnFailure("cboContactType_Click", [this, position] { selectInPicker(cboContactType, position); });
    updateButtons();
}

} // namespace ZebVendorContact
