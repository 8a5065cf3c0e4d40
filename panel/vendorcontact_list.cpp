// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address list and the three pickers.

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "paneltexts.h"

#include <addressid.h>
#include <lookups.h>
#include <numbers.h>

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

namespace {

// The property of a line edit that keeps the whole of a text it shows cut.
constexpr char WholeTextProperty[] = "zvcWholeText";

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

void VendorContactPrivate::emptyDetails()
{
    for (QLineEdit *box : txtContact)
        box->setText(QString());
    m_detailsShowRow = false;
}

void VendorContactPrivate::setListType(qint16 typeId)
{
    m_listTypeTakesOne = takesOneAddress(typeId);
    // A rebuild applies the type's own rule to Add, whatever the host's last
    // mode call said.
    m_addOnlyWhileListEmpty = false;
}

void VendorContactPrivate::clearPicker(QComboBox *picker)
{
    const QSignalBlocker blocker(picker);
    picker->clear();
}

void VendorContactPrivate::appendToPicker(QComboBox *picker, const QString &text)
{
    // QComboBox selects the first entry added to an empty box; a picker keeps
    // its selection (none after clearing) until one is set.
    const QSignalBlocker blocker(picker);
    const int selected = picker->currentIndex();
    picker->addItem(shownText(text), text);
    picker->setCurrentIndex(selected);
}

void VendorContactPrivate::selectInPicker(QComboBox *picker, int position)
{
    // Setting a picker by program runs its change handling at once, nested
    // in the step that sets it, and a failure of the handling goes up this
    // call chain like any other. The picker's signal stays quiet: it is kept
    // for the user's own choices.
    if (position < -1 || position >= picker->count())
        position = -1;
    if (picker->currentIndex() == position)
        return;
    {
        const QSignalBlocker blocker(picker);
        picker->setCurrentIndex(position);
    }
    if (picker == cboContactType)
        cboContactType_Click();
    else if (picker == cboContactCountry)
        cboContactCountry_Click();
}

void VendorContactPrivate::selectTextInPicker(QComboBox *picker, const QString &text)
{
    selectInPicker(picker, picker->findData(text, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString VendorContactPrivate::pickerText(const QComboBox *picker)
{
    // Every entry carries its whole text; no entry chosen reads as empty.
    return picker->currentData().toString();
}

void VendorContactPrivate::showWholeText(QLineEdit *box, const QString &text)
{
    box->setProperty(WholeTextProperty, text);
    box->setText(shownText(text));
}

QString VendorContactPrivate::wholeText(const QLineEdit *box)
{
    // The kept text counts only while the box still shows it: a box cleared
    // or set otherwise since holds its own text.
    const QString whole = box->property(WholeTextProperty).toString();
    return shownText(whole) == box->text() ? whole : box->text();
}

ListRow VendorContactPrivate::rowFromCurrentRecord(const QString &typeName, const TextByIdIndex &stateNames)
{
    const ContactRecord &record = m_data.store.current();

    // A State that is not a whole number names no state, like an id that no
    // state row has: the column stays empty and the list goes on. A null
    // field shows as empty text.
    QString stateName;
    if (const std::optional<qint16> stateId = parseWholeNumber16(record.text(State)))
        stateName = stateNames.findText(*stateId);
    // The row points into the record's text and copies nothing.
    return ListRow(record, typeName, stateName);
}

void VendorContactPrivate::ShowContactsOfType(const QString &typeName)
{
    const quint64 rebuild = ++m_listRebuilds;
    if (m_listModel->isChanging()) {
        // Asked for from a slot on the list model's own signals (a host
        // reloading there): the rebuild runs once the model's change has
        // ended, unless a newer one was asked for by then; the counter also
        // tells any rebuild under way to stop.
        m_listModel->runWhenIdle([this, typeName, rebuild] {
            if (rebuild == m_listRebuilds)
                ShowContactsOfType(typeName);
        });
        return;
    }
    auto overtaken = [this, rebuild] { return rebuild != m_listRebuilds; };
    // Any failure ends the rebuild silently; the rows found so far stay.
    endQuietlyOnFailure("ShowContactsOfType", [&] {
        {
            const QuietList quiet(this);
            m_listModel->clear();
        }
        if (overtaken())
            return;
        ContactStore &store = m_data.store;
        if (store.recordCount() == 0) {
            // No address of any type: the list is empty, and so are the
            // details, as after any rebuild.
            emptyDetails();
            if (m_state == PanelState::Browsing)
                setListType(0);
            return;
        }

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
            // The rows found so far stay in the list.
            showRows();
            throw;
        }
        showRows();
        if (overtaken())
            return;

        emptyDetails();
        // While adding or editing (which a reload ends first) Save, Update
        // and Cancel keep their rules: the type's rule is for browsing.
        if (m_state == PanelState::Browsing)
            setListType(typeId);
    });
    updateButtons();
}

void VendorContactPrivate::lstContacts_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // A copy: the change handling below must not see the row change under it.
    const ListRow shown = m_listModel->row(row);
    showRowInDetails(shown);
    updateButtons();
}

void VendorContactPrivate::showRowInDetails(const ListRow &row)
{
    auto text = [&row](int column) { return row.text(column).toString(); };
    auto show = [&](int index) {
        const DetailField &field = DetailFields[std::size_t(index)];
        // A typed entry is saved back as shown; the state entry only shows
        // the state's name, which may be too long to lay out.
        const QStringView value = row.text(field.listColumn);
        txtContact[std::size_t(index)]->setText(isTyped(field) ? value.toString() : shownText(value));
    };
    // The buttons follow the row from here on, even should showing it fail.
    m_detailsShowRow = true;

    for (int index = 0; index < CountryEntry; ++index)
        show(index);

    // Refills the state picker at once, before the state is chosen.
    const std::optional<qint16> country = parseWholeNumber16(row.text(CountryCodeColumn));
    selectInPicker(cboContactCountry, country && *country >= 0 && *country <= 2 ? *country : -1);
    selectTextInPicker(cboContactState, text(StateNameColumn));

    txtContact[CountryEntry]->setText(cboContactCountry->currentText());
    for (int index = StateEntry; index < DetailFieldCount; ++index)
        show(index);
}

void VendorContactPrivate::lstContacts_ColumnClick(int header)
{
    // A failure leaves the sort state as it was, without a message.
    endQuietlyOnFailure("lstContacts_ColumnClick", [&] {
        const int column = header - 1;
        if (column < 0 || column >= ListColumnCount)
            return;
        Qt::SortOrder order = m_listModel->sortOrder();
        if (m_listModel->sortColumn() == column)
            order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        {
            const QuietList quiet(this);
            m_listModel->setSortState(column, order);
        }
        updateSortIndicator();
    });
}

void VendorContactPrivate::LoadPickLists()
{
    clearPicker(cboContactCountry);
    clearPicker(cboContactState);
    clearPicker(cboContactType);

    for (const LookupRow &type : m_data.typeTable()) {
        // A row without a name column names no type.
        if (type.size() > 1)
            appendToPicker(cboContactType, type.at(1));
    }
    for (int code = 0; code < PanelTexts::CountryCount; ++code)
        appendToPicker(cboContactCountry, PanelTexts::countryName(code));

    if (cboContactType->count() > 0) {
        // Rebuilds the list for the first type and shows its selected row,
        // all before the next step.
        selectInPicker(cboContactType, 0);
    } else {
        // No type to show: no address either, and no row in the details.
        {
            const QuietList quiet(this);
            m_listModel->clear();
        }
        emptyDetails();
        if (m_state == PanelState::Browsing)
            setListType(0);
    }

    selectInPicker(cboContactState, -1);
    selectInPicker(cboContactCountry, -1);
}

void VendorContactPrivate::cboContactType_Click()
{
    ShowContactsOfType(pickerText(cboContactType));
    lstContacts_Click();
}

void VendorContactPrivate::cboContactCountry_Click()
{
    LoadStates(QString::number(cboContactCountry->currentIndex()));
}

void VendorContactPrivate::LoadStates(const QString &countryCode)
{
    clearPicker(cboContactState);
    if (parseWholeNumber16(countryCode) == std::optional<qint16>(-1))
        return;

    for (const LookupRow &state : m_data.stateTable()) {
        if (state.size() > 3 && state.at(1) == countryCode)
            appendToPicker(cboContactState, state.at(3));
    }
    selectInPicker(cboContactState, cboContactState->count() > 0 ? 0 : -1);
}

} // namespace ZebVendorContact
