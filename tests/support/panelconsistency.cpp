#include "panelconsistency.h"

#include <contactdata.h>
#include <contactlistmodel.h>
#include <lookups.h>
#include <numbers.h>

#include <ZebVendorContact/error.h>

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
