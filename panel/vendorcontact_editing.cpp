// Edit modes and commands, the check of required entries, saving and
// deleting.

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "paneltexts.h"

#include <addressedit.h>
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
    reading.state = d.cboContactState->currentText();
    return reading;
}

AddressTexts addressFrom(const PanelReading &reading, qint16 stateId)
{
    AddressTexts address;
    address[Name] = reading.txt[0];
    address[Street1] = reading.txt[1];
    address[Street2] = reading.txt[2];
    address[City] = reading.txt[3];
    address[Country] = QString::number(reading.country);
    address[State] = QString::number(stateId);
    address[PostalCode] = reading.txt[6];
    address[Phone] = reading.txt[7];
    address[FAX] = reading.txt[8];
    address[Email] = reading.txt[9];
    address[Phone2] = reading.txt[10];
    address[Phone3] = reading.txt[11];
    return address;
}

ListRow rowFrom(const PanelReading &reading, QStringView addressId, QStringView vendorId, QStringView typeName)
{
    const QString country = QString::number(reading.country);
    return ListRow({
        addressId,
        vendorId,
        reading.txt[0],
        typeName,
        reading.txt[1],
        reading.txt[2],
        reading.txt[3],
        country,
        reading.state,
        reading.txt[6],
        reading.txt[7],
        reading.txt[8],
        reading.txt[9],
        reading.txt[10],
        reading.txt[11],
    });
}

/// A separator as the user can read it: control characters by their code.
QString readableSeparator(const QString &separator)
{
    QString readable;
    for (QChar c : separator) {
        if (c.isPrint() && !c.isSpace())
            readable.append(c);
        else
            readable.append(QStringLiteral("<U+%1>").arg(uint(c.unicode()), 4, 16, QChar(u'0')).toUpper());
    }
    return readable;
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
    for (QLineEdit *box : txtContact) {
        box->setText(QString());
        box->setReadOnly(!editing);
        setBackground(box, editing ? QPalette::Base : QPalette::Button);
    }

    if (editing) {
        m_state = isNew ? PanelState::Adding : PanelState::Editing;
        cmdAdd->setText(PanelTexts::addCaption(m_state));
        cmdAdd->setEnabled(true);
        cmdEdit->setText(PanelTexts::editCaption(m_state));
        cmdDelete->setEnabled(false);
        cmdEdit->setEnabled(true);
        setBackground(cboContactCountry, QPalette::Base);
        setBackground(cboContactState, QPalette::Base);
        cboContactCountry->show();
        cboContactState->show();
        cboContactType->hide();
        lstContacts->setEnabled(false);
        setBackground(lstContacts, QPalette::Button);
        TxtContactType->setText(cboContactType->currentText());
        return;
    }

    m_state = PanelState::Browsing;
    cmdAdd->setText(PanelTexts::addCaption(m_state));
    cmdEdit->setText(PanelTexts::editCaption(m_state));
    cmdDelete->setEnabled(false);
    cmdEdit->setEnabled(false);
    setBackground(cboContactCountry, QPalette::Button);
    setBackground(cboContactState, QPalette::Button);
    cboContactCountry->hide();
    cboContactState->hide();
    cboContactType->show();
    lstContacts->setEnabled(true);
    setBackground(lstContacts, QPalette::Base);
    // Only ever disables Add: the last adding or editing may have given a
    // single-address type its address. Last, because the look-up fails on a
    // type table whose id is not a number: the panel is browsing whole by then.
    const qint16 typeId = typeIdForBrowsing(TxtContactType->text());
    if ((typeId == 15 || typeId == 13) && m_listModel->rowCount() > 0)
        cmdAdd->setEnabled(false);
}

void VendorContactPrivate::cmdAdd_Click()
{
    // Any failure ends the command silently; what was done stays done (a
    // failed save leaves the panel adding or editing, entries in place).
    try {
        if (m_state == PanelState::Browsing) {
            SetEditMode(true, true);
            m_countryPicker->select(-1);
            m_statePicker->select(-1);
            return;
        }
        const bool isNew = m_state == PanelState::Adding;
        if (!ValidateContact())
            return;
        SaveContact(isNew);
        SetEditMode(false, false);
    } catch (...) {
    }
}

void VendorContactPrivate::cmdEdit_Click()
{
    try {
        if (m_state == PanelState::Browsing) {
            SetEditMode(true, false);
            lstContacts_Click();
        } else {
            // Cancel: what was typed is dropped.
            SetEditMode(false, false);
        }
    } catch (...) {
    }
}

void VendorContactPrivate::tell(const QString &prompt, const QString &title, QWidget *focusAfterwards)
{
    m_messageBoxes->show(q, { prompt, title, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok });
    focusAfterwards->setFocus(Qt::OtherFocusReason);
}

std::array<QWidget *, 5> VendorContactPrivate::requiredEntries() const
{
    return { txtContact[0], txtContact[1], txtContact[3], cboContactCountry, cboContactState };
}

bool VendorContactPrivate::ValidateContact()
{
    // In the order of the checks, which is also the order of the messages.
    const std::array<QString, 5> texts = {
        txtContact[0]->text(),
        txtContact[1]->text(),
        txtContact[3]->text(),
        cboContactCountry->currentText(),
        cboContactState->currentText(),
    };
    const std::array<QWidget *, 5> required = requiredEntries();
    for (std::size_t check = 0; check < texts.size(); ++check) {
        if (isBlank(texts[check])) {
            tell(PanelTexts::missingEntry(int(check)), PanelTexts::informationRequiredTitle(), required[check]);
            return false;
        }
    }
    return !refuseSeparators();
}

bool VendorContactPrivate::refuseSeparators()
{
    // A separator inside a value would cut it in two (or end the record) when
    // the host reads the export back.
    // The typed entries in tab order.
    const int entries[] = { 0, 1, 2, 3, 6, 7, 10, 8, 11, 9 };
    struct Separator
    {
        PanelTexts::SeparatorKind kind;
        const QString &text;
    };
    const Separator separators[] = {
        { PanelTexts::SeparatorKind::Field, m_data.fieldSeparator },
        { PanelTexts::SeparatorKind::Record, m_data.recordSeparator },
        { PanelTexts::SeparatorKind::Table, m_data.tableSeparator },
    };

    for (const int index : entries) {
        QLineEdit *box = txtContact[std::size_t(index)];
        for (const Separator &separator : separators) {
            // An empty separator never matches.
            if (separator.text.isEmpty() || !box->text().contains(separator.text))
                continue;
            tell(PanelTexts::separatorInEntry(index, separator.kind, readableSeparator(separator.text)),
                PanelTexts::informationRequiredTitle(), box);
            return true;
        }
    }
    return false;
}

void VendorContactPrivate::SaveContact(bool isNew)
{
    // Every value is found before anything is written, so a failing lookup
    // leaves no half-written row or record behind.
    const PanelReading reading = readPanel(*this);
    const qint16 stateId = FindIDByText(m_data.stateTable(), reading.state, 3, 0);
    const AddressTexts address = addressFrom(reading, stateId);

    if (isNew) {
        const QString typeName = TxtContactType->text();
        const qint16 typeId = FindIDByText(m_data.typeTable(), typeName, 1, 0);
        const QString addressId = m_data.NewAddressID();
        const QString vendorId = QString::number(m_data.vendorID);
        // The list shows the records of the chosen type, and a host's reload
        // while adding may have chosen another type: the new row joins the
        // list only if the address is of the list's type.
        const QString listType = cboContactType->currentText();
        bool joinsList = listType == typeName;
        if (!joinsList) {
            try {
                joinsList = FindIDByText(m_data.typeTable(), listType, 1, 0) == typeId;
            } catch (const Error &) {
            }
        }
        appendNewAddress(m_data.store, addressId, m_data.vendorID, typeId, address);
        if (!joinsList)
            return;
        const QuietList quiet(this);
        m_listModel->insertRow(rowFrom(reading, addressId, vendorId, listType));
        return;
    }

    const int row = selectedRow();
    if (row < 0)
        throw Error(Error::Code::NoSelection, QStringLiteral("No address is selected in the list"));
    const ListRow saved = m_listModel->row(row);
    if (!updateAddress(m_data.store, saved.text(0), address))
        return;
    const QuietList quiet(this);
    m_listModel->replaceRow(row, rowFrom(reading, saved.text(0), saved.text(1), saved.text(3)));
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
    if (!deleteAddress(m_data.store, m_listModel->text(row, 0)))
        return;
    {
        const QuietList quiet(this);
        m_listModel->removeRowAt(row);
    }
    clearListSelection();

    setDetailTexts({});
    if (m_listModel->rowCount() == 0) {
        // While adding or editing, Edit shows "Cancel", the only way back once
        // the list is empty: it stays as it is.
        if (m_state == PanelState::Browsing)
            cmdEdit->setEnabled(false);
        cmdAdd->setEnabled(true);
    }
    cmdDelete->setEnabled(false);
}

} // namespace ZebVendorContact
