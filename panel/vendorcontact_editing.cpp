// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Edit modes and commands, the check of required entries, saving and
// deleting.

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "paneltexts.h"

#include <addressedit.h>
#include <exchange.h>
#include <lookups.h>

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

namespace {

/// Only the space character counts as blank; tabs and the like are content.
bool isBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

/// What the panel holds, read once: a save writes the list row and the
/// record from the same reading.
struct PanelReading
{
    std::array<QString, VendorContactPrivate::DetailFieldCount> txt;
    int country = -1;
    QString state;
};

PanelReading readPanel(const VendorContactPrivate &d)
{
    PanelReading reading;
    for (std::size_t i = 0; i < reading.txt.size(); ++i)
        reading.txt[i] = d.txtContact[i]->text();
    reading.country = d.cboContactCountry->currentIndex();
    reading.state = VendorContactPrivate::pickerText(d.cboContactState);
    return reading;
}

AddressTexts addressFrom(const PanelReading &reading, qint16 stateId)
{
    AddressTexts address;
    for (const DetailField &field : DetailFields) {
        if (isTyped(field))
            address[field.storeField] = reading.txt[std::size_t(field.index)];
    }
    address[Country] = QString::number(reading.country);
    address[State] = QString::number(stateId);
    return address;
}

ListRow rowFrom(const PanelReading &reading, QStringView addressId, QStringView vendorId, QStringView typeName)
{
    const QString country = QString::number(reading.country);
    ListRow::Columns columns;
    columns[AddressIdColumn] = addressId;
    columns[VendorIdColumn] = vendorId;
    columns[TypeNameColumn] = typeName;
    for (const DetailField &field : DetailFields) {
        if (isTyped(field))
            columns[field.listColumn] = reading.txt[std::size_t(field.index)];
    }
    columns[CountryCodeColumn] = country;
    columns[StateNameColumn] = reading.state;
    return ListRow(columns);
}

/// The fifteen values of an entry, as texts.
using EntryTexts = std::array<QString, EntryValueCount>;

EntryCheck readsBack(const EntryTexts &texts, const EntrySeparators &separators)
{
    EntryValues values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = texts[i];
    return buildEntry(values, separators);
}

/// A value that can take any place in an entry without running into a
/// separator: one character that none of them holds.
QString inertValue(const EntrySeparators &separators)
{
    for (char16_t c = u'x';; ++c) {
        const QChar candidate(c);
        if (!separators.field.contains(candidate) && !separators.record.contains(candidate) &&
            !separators.table.contains(candidate))
            return QString(candidate);
    }
}

/// The separators that `value` holds, each once, as the user reads them.
QStringList separatorsHeld(const QString &value, const EntrySeparators &separators)
{
    QStringList held;
    for (QStringView separator : { separators.field, separators.record, separators.table }) {
        const QString readable = readableSeparator(separator);
        if (!separator.isEmpty() && value.contains(separator) && !held.contains(readable))
            held << readable;
    }
    return held;
}

const DetailField *typedFieldOf(int storeField)
{
    for (const DetailField &field : DetailFields) {
        if (isTyped(field) && field.storeField == storeField)
            return &field;
    }
    return nullptr;
}

} // namespace

qint16 VendorContactPrivate::typeIdForBrowsing(const QString &typeName) const
{
    // Before any load has built the type table there is no type to find: a
    // host that opens the control read-only before loading must not fail.
    return m_data.types ? FindIDByText(*m_data.types, typeName, 1, 0) : qint16(0);
}

void VendorContactPrivate::SetEditMode(bool editing, bool isNew)
{
    emptyDetails();
    for (QLineEdit *box : txtContact) {
        box->setReadOnly(!editing);
        setBackground(box, editing ? QPalette::Base : QPalette::Button);
    }

    if (editing) {
        m_state = isNew ? PanelState::Adding : PanelState::Editing;
        // Save or Update is offered whatever the host's last mode call said.
        m_addOnlyWhileListEmpty = false;
        setBackground(cboContactCountry, QPalette::Base);
        setBackground(cboContactState, QPalette::Base);
        cboContactCountry->show();
        cboContactState->show();
        cboContactType->hide();
        lstContacts->setEnabled(false);
        setBackground(lstContacts, QPalette::Button);
        showWholeText(TxtContactType, pickerText(cboContactType));
        updateButtons();
        return;
    }

    m_state = PanelState::Browsing;
    // Until the type is looked up below, Add stays as adding or editing left
    // it; should the look-up fail, it stays so.
    m_listTypeTakesOne = false;
    updateButtons();
    setBackground(cboContactCountry, QPalette::Button);
    setBackground(cboContactState, QPalette::Button);
    cboContactCountry->hide();
    cboContactState->hide();
    cboContactType->show();
    lstContacts->setEnabled(true);
    setBackground(lstContacts, QPalette::Base);
    // The last adding or editing may have given a single-address type its
    // address. Last, because the look-up fails on a type table whose id is
    // not a number: the panel is browsing whole by then.
    m_listTypeTakesOne = takesOneAddress(typeIdForBrowsing(wholeText(TxtContactType)));
    updateButtons();
}

void VendorContactPrivate::cmdAdd_Click()
{
    // Any failure ends the command silently; what was done stays done (a
    // failed save leaves the panel adding or editing, entries in place).
    endQuietlyOnFailure("cmdAdd_Click", [this] {
        if (m_state == PanelState::Browsing) {
            SetEditMode(true, true);
            selectInPicker(cboContactCountry, -1);
            selectInPicker(cboContactState, -1);
            focusFirstEntry();
            return;
        }
        const bool isNew = m_state == PanelState::Adding;
        if (!ValidateContact() || refuseUnreadableEntry(isNew))
            return;
        if (!SaveContact(isNew))
            return;
        SetEditMode(false, false);
        // The details are empty now and Edit is off: a row left highlighted
        // would look shown but offer nothing. The user picks a row again, as
        // after any entry.
        clearListSelection();
    });
}

void VendorContactPrivate::cmdEdit_Click()
{
    endQuietlyOnFailure("cmdEdit_Click", [this] {
        if (m_state == PanelState::Browsing) {
            SetEditMode(true, false);
            lstContacts_Click();
            focusFirstEntry();
        } else {
            // Cancel: what was typed is dropped.
            SetEditMode(false, false);
        }
    });
}

void VendorContactPrivate::focusFirstEntry()
{
    entryOf(DetailFields[std::size_t(DetailTabOrder.front())])->setFocus(Qt::OtherFocusReason);
}

void VendorContactPrivate::tell(const QString &prompt, QWidget *focusAfterwards)
{
    m_messageBoxes->show(q,
        { prompt, PanelTexts::informationRequiredTitle(), QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok });
    if (focusAfterwards)
        focusAfterwards->setFocus(Qt::OtherFocusReason);
}

QWidget *VendorContactPrivate::entryOf(const DetailField &field) const
{
    if (isTyped(field))
        return txtContact[std::size_t(field.index)];
    return field.index == CountryEntry ? cboContactCountry : cboContactState;
}

bool VendorContactPrivate::ValidateContact()
{
    // In the order of the field table; country and state are judged by what
    // their pickers show.
    for (const DetailField &field : DetailFields) {
        if (!field.required)
            continue;
        QWidget *control = entryOf(field);
        const QString text = isTyped(field) ? txtContact[std::size_t(field.index)]->text()
                                            : pickerText(static_cast<QComboBox *>(control));
        if (isBlank(text)) {
            tell(PanelTexts::translated(field.requiredMessage), control);
            return false;
        }
    }
    return true;
}

bool VendorContactPrivate::refuseUnreadableEntry(bool isNew)
{
    // The host reads the export back by the load's own rule, so whatever is
    // saved must split back into exactly the values written. Asking whether
    // an entry contains a separator is not enough: an entry may end with the
    // start of a separator ("Smith|" before "||"), or a value and the
    // separator after it may together form another one.
    const EntrySeparators separators { m_data.fieldSeparator, m_data.recordSeparator, m_data.tableSeparator };
    const PanelReading reading = readPanel(*this);
    EntryTexts values;
    if (isNew) {
        values[AddressID] = m_data.nextAddressID();
        values[ObjectID] = QString::number(m_data.vendorID);
        values[Type] = QString::number(FindIDByText(m_data.typeTable(), wholeText(TxtContactType), 1, 0));
    } else {
        // The address keeps its id, vendor and type; without it in the list
        // or the store the save writes nothing, and so has nothing to refuse.
        const int row = selectedRow();
        if (row < 0)
            return false;
        ContactStore &store = m_data.store;
        store.moveFirst();
        store.findAddress(m_listModel->text(row, AddressIdColumn));
        if (store.atEnd())
            return false;
        const ContactRecord &record = store.current();
        values[AddressID] = record.text(AddressID).toString();
        values[ObjectID] = record.text(ObjectID).toString();
        values[Type] = record.isNull(Type) ? QString() : QString::number(record.type());
    }
    const AddressTexts address = addressFrom(reading, FindIDByText(m_data.stateTable(), reading.state, 3, 0));
    for (int field = AddressTexts::FirstField; field < AddressTexts::FirstField + AddressTexts::Count; ++field)
        values[std::size_t(field)] = address[field];

    const EntryCheck whole = readsBack(values, separators);
    if (whole)
        return false;

    auto refuse = [&](int field, EntryClash clash) {
        const QString separator = readableSeparator(separatorOf(clash, separators));
        const QString &value = values[std::size_t(field)];
        if (const DetailField *typed = typedFieldOf(field)) {
            // Alone the entry reads back: only with its neighbour does it run
            // into a separator.
            tell(PanelTexts::separatorsInEntries({ PanelTexts::entryRunsIntoSeparator(typed->index, separator) }),
                txtContact[std::size_t(typed->index)]);
        } else {
            tell(PanelTexts::separatorInValue(field, isNew, value, clash, separator), nullptr);
        }
        return true;
    };

    // Judge each value on its own first, every other one replaced by a value
    // that cannot clash: the box names the value that is at fault, the typed
    // entries first and in the order the Tab key visits them.
    const QString inert = inertValue(separators);
    EntryTexts alone;
    alone.fill(inert);
    if (!readsBack(alone, separators)) {
        // No value is at fault: these separators cannot carry an address.
        tell(PanelTexts::noAddressWithSeparators(
                 readableSeparator(separators.field), readableSeparator(separators.record)),
            nullptr);
        return true;
    }
    auto faultAlone = [&](int field) {
        alone[std::size_t(field)] = values[std::size_t(field)];
        const EntryCheck check = readsBack(alone, separators);
        alone[std::size_t(field)] = inert;
        return check;
    };
    // Every typed entry at fault, in tab order, in one message: the user
    // mends them all at once, and the focus goes to the first.
    QStringList faults;
    QWidget *firstFault = nullptr;
    for (int index : DetailTabOrder) {
        const DetailField &entry = DetailFields[std::size_t(index)];
        if (!isTyped(entry))
            continue;
        const EntryCheck check = faultAlone(entry.storeField);
        if (check)
            continue;
        const QStringList held = separatorsHeld(values[std::size_t(entry.storeField)], separators);
        faults << (held.isEmpty()
                ? PanelTexts::entryRunsIntoSeparator(index, readableSeparator(separatorOf(check.clash, separators)))
                : PanelTexts::entryHoldsSeparators(index, held));
        if (!firstFault)
            firstFault = txtContact[std::size_t(index)];
    }
    if (firstFault) {
        tell(PanelTexts::separatorsInEntries(faults), firstFault);
        return true;
    }
    for (int field : { int(AddressID), int(ObjectID), int(Type), int(Country), int(State) }) {
        if (const EntryCheck check = faultAlone(field); !check)
            return refuse(field, check.clash);
    }
    // Only neighbours together clash: name the first value that does not
    // come back whole.
    return refuse(std::max(whole.value, 0), whole.clash);
}

bool VendorContactPrivate::SaveContact(bool isNew)
{
    // Every value is found before anything is written, so a failing lookup
    // leaves no half-written row or record behind.
    const PanelReading reading = readPanel(*this);
    const qint16 stateId = FindIDByText(m_data.stateTable(), reading.state, 3, 0);
    const AddressTexts address = addressFrom(reading, stateId);

    if (isNew) {
        const QString typeName = wholeText(TxtContactType);
        const qint16 typeId = FindIDByText(m_data.typeTable(), typeName, 1, 0);
        QString addressId;
        try {
            addressId = m_data.NewAddressID();
        } catch (const Error &error) {
            if (error.code() != Error::Code::Overflow)
                throw;
            // The 16-bit counter of new ids is used up: the user has to know
            // why Save does nothing, and Cancel must still end the entry.
            qCDebug(lcVendorContact, "SaveContact refused: %s", qUtf8Printable(error.message()));
            tell(PanelTexts::newAddressesUsedUp(), nullptr);
            return false;
        }
        const QString vendorId = QString::number(m_data.vendorID);
        appendNewAddress(m_data.store, addressId, m_data.vendorID, typeId, address);
        m_contactsTouched = true;
        // The list shows the addresses of the type the entry was begun for
        // (a reload, the one way to change the list's type meanwhile, ends
        // the entry); the check only guards that agreement.
        if (pickerText(cboContactType) != typeName)
            return true;
        const QuietList quiet(this);
        const int position = m_listModel->insertListRow(rowFrom(reading, addressId, vendorId, typeName));
        // The new row becomes the list's current one (not selected: the
        // details are emptied), so a host keeps the user's place on it.
        if (position >= 0)
            lstContacts->selectionModel()->setCurrentIndex(
                m_listModel->index(position, 0), QItemSelectionModel::NoUpdate);
        return true;
    }

    // The address being edited may have been deleted meanwhile: with no row
    // to update there is nothing to write, and the panel goes back to
    // browsing as it does for an address that left the store.
    const int row = selectedRow();
    if (row < 0)
        return true;
    const ListRow saved = m_listModel->row(row);
    if (!updateAddress(m_data.store, saved.text(AddressIdColumn), address))
        return true;
    m_contactsTouched = true;
    const QuietList quiet(this);
    m_listModel->replaceRow(
        row, rowFrom(reading, saved.text(AddressIdColumn), saved.text(VendorIdColumn), saved.text(TypeNameColumn)));
    return true;
}

void VendorContactPrivate::cmdDelete_Click()
{
    // With no row selected there is nothing to delete, and nothing to ask.
    if (selectedRow() < 0)
        return;

    const QMessageBox::StandardButton answer = m_messageBoxes->show(q,
        { PanelTexts::deleteQuestion(), PanelTexts::informationValidationTitle(), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::Question, QMessageBox::Yes });
    if (answer != QMessageBox::Yes)
        return;

    // Read the row after the question: the box let other events run.
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!deleteAddress(m_data.store, m_listModel->text(row, AddressIdColumn)))
        return;
    m_contactsTouched = true;
    {
        const QuietList quiet(this);
        m_listModel->removeRowAt(row);
    }
    clearListSelection();
    emptyDetails();
    updateButtons();
}

} // namespace ZebVendorContact
