// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "panelconsistency.h"

#include <contactdata.h>
#include <contactlistmodel.h>
#include <exchange.h>
#include <lookups.h>
#include <numbers.h>

#include <ZebVendorContact/error.h>
#include <ZebVendorContact/vendorcontact.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>

#include <algorithm>

namespace ZebVendorContact::Consistency {

namespace {

constexpr int StateField = 8;

/// The store field a list column shows; column 3 shows the type's name.
int fieldOfColumn(int column)
{
    return column == 2 ? 3 : column;
}

/// Whether a row's shown state name stands for the state id in the store.
bool stateMatches(const ContactData &data, QStringView shownName, const QVariant &stored)
{
    const auto stateId = parseWholeNumber16(fieldText(stored));
    if (!stateId || !data.states)
        return shownName.isEmpty();
    if (FindTextByID(*data.states, *stateId, 0, 3) == shownName)
        return true;
    // A saved row shows the name the user picked; the store keeps the id of
    // the first state row with that name.
    try {
        return FindIDByText(*data.states, shownName.toString(), 3, 0) == *stateId;
    } catch (const Error &) {
        return false;
    }
}

/// Whether the row shows the store's current record (the type column aside).
bool rowShowsCurrentRecord(ContactData &data, const ContactListModel &model, int row)
{
    for (int column = 0; column < ListRow::ColumnCount; ++column) {
        if (column == 3)
            continue;
        const QStringView shown = model.text(row, column);
        const bool same = column == StateField ? stateMatches(data, shown, data.store.read(StateField))
                                               : shown == fieldText(data.store.read(fieldOfColumn(column)));
        if (!same)
            return false;
    }
    return true;
}

} // namespace

QString fieldText(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

QString expectedExport(ContactData &data, bool editAllowed)
{
    if (!editAllowed || !data.store.isOpen())
        return {};
    QString text;
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext()) {
        if (fieldText(data.store.read(FlagField)).isEmpty())
            continue;
        for (int field = 0; field < FlagField; ++field) {
            if (field > 0)
                text += data.fieldSeparator;
            text += fieldText(data.store.read(field));
        }
        text += data.recordSeparator;
    }
    return text;
}

QString exportProblem(VendorContact &control, ContactData &data, bool editAllowed)
{
    const QString &field = data.fieldSeparator;
    const QString &record = data.recordSeparator;
    auto pieces = [](const QString &text, const QString &separator) {
        QStringList list;
        for (QStringView piece : splitBySeparator(text, separator))
            list << piece.toString();
        return list;
    };

    std::vector<QStringList> flagged;
    bool unreadable = false;
    if (editAllowed && data.store.isOpen()) {
        for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext()) {
            if (fieldText(data.store.read(FlagField)).isEmpty())
                continue;
            QStringList values;
            for (int value = 0; value < FlagField; ++value)
                values << fieldText(data.store.read(value));
            const QStringList records = pieces(values.join(field) + record, record);
            unreadable = unreadable || pieces(records.value(0), data.tableSeparator).size() > 1 ||
                records.size() != 2 || !records[1].isEmpty() || pieces(records[0], field) != values;
            flagged.push_back(values);
        }
    }

    QString exported;
    try {
        exported = control.GetContactAddress();
    } catch (const Error &error) {
        return unreadable && error.code() == Error::Code::SeparatorClash
            ? QString()
            : QStringLiteral("the export failed: %1").arg(error.message());
    }
    if (unreadable)
        return QStringLiteral("the export handed out an entry that does not read back: %1").arg(exported);

    QStringList entries = pieces(exported, record);
    if (!entries.isEmpty() && entries.takeLast().size() > 0)
        return QStringLiteral("the export does not end with the record separator: %1").arg(exported);
    if (entries.size() != qsizetype(flagged.size()))
        return QStringLiteral("the export reads back as %1 entries, the store has %2 flagged records: %3")
            .arg(entries.size())
            .arg(flagged.size())
            .arg(exported);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QStringList values = pieces(entries[i], field);
        if (values != flagged[std::size_t(i)])
            return QStringLiteral("entry %1 reads back as \"%2\", the store holds \"%3\"")
                .arg(i)
                .arg(values.join(u'\u00b7'), flagged[std::size_t(i)].join(u'\u00b7'));
    }
    return {};
}

std::optional<qint16> typeIdOfName(const ContactData &data, const QString &typeName)
{
    if (!data.types)
        return qint16(0);
    try {
        return FindIDByText(*data.types, typeName, 1, 0);
    } catch (const Error &) {
        return std::nullopt;
    }
}

bool claimRecordOfRow(
    ContactData &data, const ContactListModel &model, int row, std::optional<qint16> typeId, std::vector<bool> &used)
{
    std::size_t index = 0;
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext(), ++index) {
        if (used[index])
            continue;
        const QVariant type = data.store.read(TypeField);
        if (type.isNull() || !typeId || type.toInt() != *typeId)
            continue;
        if (rowShowsCurrentRecord(data, model, row)) {
            used[index] = true;
            return true;
        }
    }
    return false;
}

void enterText(QLineEdit *box, const QString &text)
{
    const bool typeable = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    if (typeable)
        QTest::keyClicks(box, text);
    else
        box->insert(text); // pasted
}

} // namespace ZebVendorContact::Consistency
