// The address list and the three pickers.

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "paneltexts.h"

#include <addressid.h>
#include <lookups.h>
#include <numbers.h>

#include <QtWidgets/QComboBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

namespace {

// Contact types that take at most one address.
bool isSingleAddressType(qint16 typeId)
{
    return typeId == 13 || typeId == 15;
}

} // namespace

int VendorContactPrivate::selectedRow() const
{
    const QModelIndexList rows = lstContacts->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void VendorContactPrivate::clearListSelection()
{
    const QuietList quiet(this);
    lstContacts->selectionModel()->clearSelection();
}

void VendorContactPrivate::setDetailTexts(const QString &text)
{
    for (QLineEdit *box : txtContact)
        box->setText(text);
}

void VendorContactPrivate::applyAddRuleForType(qint16 typeId)
{
    cmdAdd->setEnabled(!isSingleAddressType(typeId) || m_listModel->rowCount() == 0);
}

ListRow VendorContactPrivate::rowFromCurrentRecord(const QString &typeName, const TextByIdIndex &stateNames)
{
    const ContactRecord &record = m_data.store.current();

    // A State that is not a whole number names no state, like an id that no
    // state row has: the column stays empty and the list goes on.
    QStringView stateName;
    if (const std::optional<qint16> stateId = parseWholeNumber16(record.text(State)))
        stateName = stateNames.find(*stateId);

    // A null field shows as empty text.
    return ListRow({
        record.text(AddressID),
        record.text(ObjectID),
        record.text(Name),
        typeName,
        record.text(Street1),
        record.text(Street2),
        record.text(City),
        record.text(Country),
        stateName,
        record.text(PostalCode),
        record.text(Phone),
        record.text(FAX),
        record.text(Email),
        record.text(Phone2),
        record.text(Phone3),
    });
}

void VendorContactPrivate::ShowContactsOfType(const QString &typeName)
{
    // Any failure ends the rebuild silently; the rows found so far stay.
    try {
        {
            const QuietList quiet(this);
            m_listModel->clear();
        }
        ContactStore &store = m_data.store;
        if (store.recordCount() == 0)
            return;

        const qint16 typeId = FindIDByText(m_data.typeTable(), typeName, 1, 0);
        // The state column of every row: the state table is read once, not
        // once per address.
        const TextByIdIndex stateNames(m_data.stateTable(), 0, 3);

        std::vector<ListRow> rows;
        auto showRows = [&] {
            const QuietList quiet(this);
            m_listModel->setRows(std::move(rows));
        };
        try {
            for (store.moveFirst(); !store.atEnd(); store.moveNext()) {
                const ContactRecord &record = store.current();
                // A null Type equals no type id.
                if (!record.isNull(Type) && record.type() == typeId)
                    rows.push_back(rowFromCurrentRecord(typeName, stateNames));
            }
        } catch (...) {
            showRows();
            throw;
        }
        showRows();

        setDetailTexts({});
        if (m_data.editAllowed) {
            // A host's reload while the user adds or edits must not take
            // Save, Update or Cancel (the way back) away: those follow the
            // browsing rules only while browsing.
            if (m_state == PanelState::Browsing) {
                applyAddRuleForType(typeId);
                cmdEdit->setEnabled(false);
            }
            cmdDelete->setEnabled(false);
        }
    } catch (...) {
    }
}

void VendorContactPrivate::lstContacts_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // A copy: the change handling below must not see the row change under it.
    const ListRow shown = m_listModel->row(row);

    if (m_data.editAllowed) {
        cmdEdit->setEnabled(true);
        cmdDelete->setEnabled(!isPlainNumberId(shown.text(0)));
    } else {
        cmdEdit->setEnabled(false);
        cmdDelete->setEnabled(false);
    }
    showRowInDetails(shown);
}

void VendorContactPrivate::showRowInDetails(const ListRow &row)
{
    auto text = [&row](int column) { return row.text(column).toString(); };

    txtContact[0]->setText(text(2));
    txtContact[1]->setText(text(4));
    txtContact[2]->setText(text(5));
    txtContact[3]->setText(text(6));

    // Refills the state picker at once, before the state is chosen.
    const std::optional<qint16> country = parseWholeNumber16(row.text(7));
    m_countryPicker->select(country && *country >= 0 && *country <= 2 ? *country : -1);
    m_statePicker->selectText(text(8));

    txtContact[4]->setText(cboContactCountry->currentText());
    txtContact[5]->setText(text(8));
    for (int index = 6; index < DetailFieldCount; ++index)
        txtContact[std::size_t(index)]->setText(text(index + 3));
}

void VendorContactPrivate::lstContacts_ColumnClick(int header)
{
    // A failure leaves the sort state as it was, without a message.
    try {
        const int column = header - 1;
        if (column < 0 || column >= ColumnCount)
            return;
        Qt::SortOrder order = m_listModel->sortOrder();
        if (m_listModel->sortColumn() == column)
            order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        {
            const QuietList quiet(this);
            m_listModel->setSortState(column, order);
        }
        updateSortIndicator();
    } catch (...) {
    }
}

void VendorContactPrivate::LoadPickLists()
{
    m_countryPicker->clear();
    m_statePicker->clear();
    m_typePicker->clear();

    for (const LookupRow &type : m_data.typeTable()) {
        // A row without a name column names no type.
        if (type.size() > 1)
            m_typePicker->append(type.at(1));
    }
    for (int code = 0; code < PanelTexts::CountryCount; ++code)
        m_countryPicker->append(PanelTexts::countryName(code));

    if (cboContactType->count() > 0) {
        // Rebuilds the list for the first type and shows its selected row,
        // all before the next step.
        m_typePicker->select(0);
    } else {
        // No type to show: no address either.
        const QuietList quiet(this);
        m_listModel->clear();
    }

    m_statePicker->select(-1);
    m_countryPicker->select(-1);
}

void VendorContactPrivate::cboContactType_Click()
{
    ShowContactsOfType(cboContactType->currentText());
    lstContacts_Click();
}

void VendorContactPrivate::cboContactCountry_Click()
{
    LoadStates(QString::number(cboContactCountry->currentIndex()));
}

void VendorContactPrivate::LoadStates(const QString &countryCode)
{
    m_statePicker->clear();
    if (parseWholeNumber16(countryCode) == std::optional<qint16>(-1))
        return;

    for (const LookupRow &state : m_data.stateTable()) {
        if (state.size() > 3 && state.at(1) == countryCode)
            m_statePicker->append(state.at(3));
    }
    m_statePicker->select(cboContactState->count() > 0 ? 0 : -1);
}

} // namespace ZebVendorContact
