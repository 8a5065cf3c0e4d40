// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The load on a real control, then what a user does next: export, click a
// row, go through the types, add an address typed from the input, edit one,
// delete one. After every step the list must agree with the store and the
// export with an independent reading of the store.

#include "checks.h"
#include "fuzzinput.h"
#include "panelconsistency.h"

#include <contactlistmodel.h>
#include <vendorcontact_p.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSet>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

#include <algorithm>
#include <vector>

namespace ZebVendorContact::Fuzz {
namespace {

using Consistency::enterText;
using Consistency::fieldText;
using Consistency::FlagField;
// The detail entries a user types into (4 and 5 lie under the pickers).
constexpr int TypedEntries[] = { 0, 1, 2, 3, 6, 7, 8, 9, 10, 11 };
// Store field of each detail entry.
constexpr int EntryField[12] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 };

/// Answers every box at once: OK, or Yes/No as the input chooses.
class AnsweringBoxes final : public MessageBoxes
{
public:
    explicit AnsweringBoxes(Choices &choices)
        : m_choices(choices)
    {
    }
    QMessageBox::StandardButton show(QWidget *, const MessageBoxRequest &request) override
    {
        if (request.buttons.testFlag(QMessageBox::Yes))
            return m_choices.below(2) ? QMessageBox::Yes : QMessageBox::No;
        return QMessageBox::Ok;
    }

private:
    Choices &m_choices;
};

QString describeRow(VendorContactPrivate *d, int row)
{
    ContactData &data = d->contactData();
    QStringList shown;
    for (int column = 0; column < ListRow::ColumnCount; ++column)
        shown << d->listModel()->text(row, column).toString();
    QString text = QStringLiteral("row: ") + shown.join(u'|');
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext()) {
        if (fieldText(data.store.read(0)) != shown[0])
            continue;
        QStringList fields;
        for (int field = 0; field < 16; ++field)
            fields << (data.store.read(field).isNull() ? QStringLiteral("<null>") : data.store.read(field).toString());
        text += QStringLiteral("\nrecord: ") + fields.join(u'|');
    }
    return text;
}

bool hasDuplicateIds(ContactData &data)
{
    QSet<QString> ids;
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext()) {
        const QVariant id = data.store.read(0);
        if (id.isNull())
            continue;
        if (ids.contains(id.toString()))
            return true;
        ids.insert(id.toString());
    }
    return false;
}

/// Every row shows the chosen type and a record of the store, one record per
/// row. Updates and deletes find their record by its id, the first one of
/// that id: where the host sent one id twice they may act on another record
/// than the row's, which the exchange rules accept; after that the rows are
/// only checked for their type.
void checkListAgainstStore(VendorContactPrivate *d, bool actedOnDuplicateId)
{
    ContactData &data = d->contactData();
    const ContactListModel *model = d->listModel();
    if (model->rowCount() == 0)
        return;
    fuzzCheck(data.store.isOpen(), "rows shown while the store is closed");
    const QString typeName = d->cboContactType->currentText();
    const auto typeId = Consistency::typeIdOfName(data, typeName);
    if (actedOnDuplicateId) {
        for (int row = 0; row < model->rowCount(); ++row)
            fuzzCheck(model->text(row, 3) == typeName, "row of another type", model->text(row, 3).toString());
        return;
    }

    std::vector<bool> used(std::size_t(data.store.recordCount()), false);
    for (int row = 0; row < model->rowCount(); ++row) {
        fuzzCheck(model->text(row, 3) == typeName, "row of another type", model->text(row, 3).toString());
        if (!Consistency::claimRecordOfRow(data, *model, row, typeId, used))
            fuzzFailure("row without its record", describeRow(d, row));
    }
}

/// Captions, enabled buttons and look agree with one state of the panel.
void checkPanelState(VendorContactPrivate *d)
{
    const QString add = d->cmdAdd->text();
    const QString edit = d->cmdEdit->text();
    const QString buttons = QStringLiteral("%1/%2 %3%4%5")
                                .arg(add, edit)
                                .arg(int(d->cmdAdd->isEnabled()))
                                .arg(int(d->cmdEdit->isEnabled()))
                                .arg(int(d->cmdDelete->isEnabled()));
    const bool browsingLook = d->lstContacts->isEnabled() && d->cboContactCountry->isHidden() &&
        d->cboContactState->isHidden() && !d->cboContactType->isHidden();
    const bool editingLook = !d->lstContacts->isEnabled() && !d->cboContactCountry->isHidden() &&
        !d->cboContactState->isHidden() && d->cboContactType->isHidden();
    switch (d->state()) {
    case PanelState::Browsing:
        fuzzCheck(add == u"Add" && edit == u"Edit", "browsing captions", buttons);
        fuzzCheck(browsingLook, "browsing without the browsing look", buttons);
        break;
    case PanelState::Adding:
    case PanelState::Editing:
        fuzzCheck(add == (d->state() == PanelState::Adding ? u"Save" : u"Update") && edit == u"Cancel",
            "adding or editing captions", buttons);
        fuzzCheck(editingLook, "adding or editing without the editing look", buttons);
        fuzzCheck(d->cmdEdit->isEnabled(), "no way back to browsing (Cancel disabled)", buttons);
        break;
    }
    if (!d->contactData().editAllowed) {
        fuzzCheck(d->state() == PanelState::Browsing, "editing while not allowed", buttons);
        fuzzCheck(!d->cmdAdd->isEnabled() && !d->cmdEdit->isEnabled() && !d->cmdDelete->isEnabled(),
            "a button enabled while editing is not allowed", buttons);
    }
}

void checkTypedValuesHoldNoSeparator(ContactData &data)
{
    if (!data.store.isOpen())
        return;
    const QString separators[] = { data.fieldSeparator, data.recordSeparator, data.tableSeparator };
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext()) {
        if (fieldText(data.store.read(FlagField)).isEmpty())
            continue;
        for (const int entry : TypedEntries) {
            const QString value = fieldText(data.store.read(EntryField[entry]));
            for (const QString &separator : separators)
                fuzzCheck(separator.isEmpty() || !value.contains(separator), "saved value holds a separator", value);
        }
    }
}

void checkAll(VendorContact &control, VendorContactPrivate *d, bool actedOnDuplicateId = false)
{
    checkPanelState(d);
    checkListAgainstStore(d, actedOnDuplicateId);
    const QString problem = Consistency::exportProblem(control, d->contactData(), d->contactData().editAllowed);
    fuzzCheck(problem.isEmpty(), "export differs from the store", problem);
    checkTypedValuesHoldNoSeparator(d->contactData());
}

/// LetVendorIDNMode reports failures to the host as Error (a type table whose
/// id is not a number); the panel must be whole afterwards all the same.
void setMode(VendorContact &control, bool mode)
{
    try {
        control.LetVendorIDNMode(77, mode);
    } catch (const Error &) {
    }
}

void clickRow(VendorContactPrivate *d, Choices &choices)
{
    const int rows = d->listModel()->rowCount();
    if (rows == 0 || !d->lstContacts->isEnabled())
        return;
    // Selecting by program without a mouse button counts as the user's
    // keyboard choice of a row.
    d->lstContacts->setCurrentIndex(d->listModel()->index(choices.below(rows), 0));
}

QString pieceOf(const FuzzInput &input, Choices &choices)
{
    if (input.data.isEmpty())
        return {};
    const int from = choices.below(int(input.data.size()));
    const int length = choices.below(24) + 1;
    QString piece = input.data.mid(from, length);
    // Now and then a separator right in the text, which a save must refuse.
    if (choices.below(8) == 0)
        piece += input.fieldSeparator;
    return piece;
}

void typeEntries(VendorContactPrivate *d, const FuzzInput &input, Choices &choices)
{
    for (const int entry : TypedEntries) {
        if (choices.below(4) == 0)
            continue;
        QLineEdit *box = d->txtContact[std::size_t(entry)];
        box->clear();
        enterText(box, pieceOf(input, choices));
    }
    d->cboContactCountry->setCurrentIndex(choices.below(4) - 1);
}

void leaveEditing(VendorContactPrivate *d)
{
    if (d->state() != PanelState::Browsing && d->cmdEdit->isEnabled())
        d->cmdEdit->click();
}

} // namespace

void checkPanelInput(const std::uint8_t *bytes, std::size_t size)
{
    const FuzzInput input = decodeFuzzInput(bytes, size);
    Choices choices(input.choices);
    {
        VendorContact control;
        VendorContactPrivate *d = VendorContactPrivate::get(&control);
        d->setMessageBoxes(std::make_unique<AnsweringBoxes>(choices));

        setMode(control, true);
        control.LetContactAddress(input.data, input.fieldSeparator, input.recordSeparator, input.tableSeparator);
        checkAll(control, d);

        clickRow(d, choices);
        checkAll(control, d);

        const int types = std::min(d->cboContactType->count(), 6);
        for (int type = types - 1; type >= 0; --type) {
            d->cboContactType->setCurrentIndex(type);
            clickRow(d, choices);
            checkAll(control, d);
        }

        // Add an address typed from the input.
        if (d->cmdAdd->isEnabled()) {
            d->cmdAdd->click();
            typeEntries(d, input, choices);
            d->cmdAdd->click();
            checkAll(control, d);
            leaveEditing(d);
        }

        // Edit a row.
        const bool duplicateIds = d->contactData().store.isOpen() && hasDuplicateIds(d->contactData());
        clickRow(d, choices);
        if (d->cmdEdit->isEnabled()) {
            d->cmdEdit->click();
            typeEntries(d, input, choices);
            if (d->cmdAdd->isEnabled())
                d->cmdAdd->click();
            checkAll(control, d, duplicateIds);
            leaveEditing(d);
        }

        // Delete a row the list lets go.
        clickRow(d, choices);
        if (d->cmdDelete->isEnabled()) {
            d->cmdDelete->click();
            checkAll(control, d, duplicateIds);
        }

        // The host takes the right to edit away in the middle of an edit.
        if (d->cmdAdd->isEnabled() && d->state() == PanelState::Browsing)
            d->cmdAdd->click();
        setMode(control, false);
        fuzzCheck(control.GetContactAddress().isEmpty(), "export while editing is not allowed");
        checkPanelState(d);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ZebVendorContact::Fuzz
