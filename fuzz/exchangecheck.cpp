// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The split rule, the whole-number rule, the load, the export and the lookups
// against a reference that follows the exchange rules word by word, with no
// care for speed: every difference is a fault in one of the two.

#include "checks.h"
#include "fuzzinput.h"

#include <contactdata.h>
#include <exchange.h>
#include <lookups.h>
#include <numbers.h>
#include <workedexample.h>

#include <ZebVendorContact/error.h>

#include <QtCore/QStringList>
#include <QtCore/QVariant>

#include <algorithm>
#include <array>
#include <optional>

namespace ZebVendorContact::Fuzz {
namespace {

constexpr int TypeField = 2;
constexpr int FlagField = 15;
constexpr int ExportedFields = 15;
// Most characters each field holds; 0 marks the integer field.
constexpr std::array<int, 16> FieldSizes = { 15, 15, 0, 60, 30, 30, 30, 30, 30, 30, 30, 30, 50, 30, 30, 1 };
// 16-bit record counters: at most 32,767 records, so 32,768 pieces with the
// trailing one.
constexpr qsizetype MaxTablePieces = 32768;

QStringList referenceSplit(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return {};
    if (separator.isEmpty())
        return { text };
    QStringList pieces;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        pieces << text.mid(from, at - from);
        from = at + separator.size();
    }
    pieces << text.mid(from);
    return pieces;
}

std::optional<qint64> referenceWholeNumber(QStringView text, qint64 low, qint64 high)
{
    constexpr qint64 Saturated = Q_INT64_C(1000000000000);
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.front() == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c - u'0'), Saturated);
    }
    if (negative)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<qint64> referenceWhole16(QStringView text)
{
    return referenceWholeNumber(text, -32768, 32767);
}

QString describe(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("<null>");
    return QString::fromLatin1(value.typeName()) + u':' + value.toString();
}

// What the exchange rules say the control holds after a sequence of loads.
struct ReferenceState
{
    bool storeOpen = false;
    QList<std::array<QVariant, 16>> records;
    std::optional<LookupTable> types;
    std::optional<LookupTable> states;
    QString fieldSeparator;
    QString recordSeparator;
    QString tableSeparator;
    // The table the last load failed at, whose content is left open (its
    // previous rows or none).
    bool typesOpenEnded = false;
    bool statesOpenEnded = false;
    LoadOutcome outcome = LoadOutcome::Blank;
};

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' '; });
}

// Splits a lookup table text; nullopt when the table is rejected.
std::optional<LookupTable> referenceTable(
    const QString &text, const QString &recordSeparator, const QString &fieldSeparator)
{
    QStringList pieces = referenceSplit(text, recordSeparator);
    if (pieces.size() < 2 || pieces.size() > MaxTablePieces)
        return std::nullopt;
    pieces.removeLast();
    LookupTable table;
    for (const QString &piece : std::as_const(pieces))
        table << referenceSplit(piece, fieldSeparator);
    return table;
}

// Appends the records; false at the first rejected value (the failing record
// stays, with the values before the rejected one).
bool referenceRecords(ReferenceState &state, const QString &contactsText)
{
    QStringList pieces = referenceSplit(contactsText, state.recordSeparator);
    if (pieces.isEmpty())
        return true;
    if (pieces.size() == 1 || pieces.size() > MaxTablePieces)
        return false;
    pieces.removeLast();
    for (const QString &piece : std::as_const(pieces)) {
        const QStringList values = referenceSplit(piece, state.fieldSeparator);
        state.records.emplace_back();
        auto &record = state.records.last();
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i >= 16)
                return false;
            if (i == TypeField) {
                const auto number = referenceWhole16(values[i]);
                if (!number)
                    return false;
                record[i] = QVariant(int(*number));
            } else {
                if (values[i].size() > FieldSizes[i])
                    return false;
                record[i] = QVariant(values[i]);
            }
        }
    }
    return true;
}

void referenceLoad(ReferenceState &state, const FuzzInput &input)
{
    state.typesOpenEnded = state.statesOpenEnded = false;
    if (isBlank(input.data)) {
        state.outcome = LoadOutcome::Blank;
        return;
    }
    state.outcome = LoadOutcome::Failed;
    state.fieldSeparator = input.fieldSeparator;
    state.recordSeparator = input.recordSeparator;
    state.tableSeparator = input.tableSeparator;
    state.storeOpen = true;
    state.records.clear();

    const QStringList tables = referenceSplit(input.data, state.tableSeparator);
    if (tables.size() != 3)
        return;
    if (!referenceRecords(state, tables[0]))
        return;
    auto types = referenceTable(tables[1], state.recordSeparator, state.fieldSeparator);
    if (!types) {
        state.typesOpenEnded = true;
        return;
    }
    state.types = std::move(types);
    auto states = referenceTable(tables[2], state.recordSeparator, state.fieldSeparator);
    if (!states) {
        state.statesOpenEnded = true;
        return;
    }
    state.states = std::move(states);
    state.outcome = LoadOutcome::Complete;
}

// Whether an entry, read back word by word under the split rule (table,
// then record, then field separator), gives exactly the values written.
bool referenceReadsBack(const ReferenceState &state, const QStringList &values)
{
    const QString entry = values.join(state.fieldSeparator) + state.recordSeparator;
    if (referenceSplit(entry, state.tableSeparator).size() != 1)
        return false;
    const QStringList records = referenceSplit(entry, state.recordSeparator);
    return records.size() == 2 && records[1].isEmpty() && referenceSplit(records[0], state.fieldSeparator) == values;
}

// The export the rules ask for; nullopt when a flagged entry would not read
// back, which the export must refuse.
std::optional<QString> referenceExport(const ReferenceState &state, bool editAllowed)
{
    if (!editAllowed)
        return QString();
    QString text;
    for (const auto &record : state.records) {
        if (record[FlagField].isNull() || record[FlagField].toString().isEmpty())
            continue;
        QStringList values;
        for (int field = 0; field < ExportedFields; ++field)
            values << (record[field].isNull() ? QString() : record[field].toString());
        if (!referenceReadsBack(state, values))
            return std::nullopt;
        text += values.join(state.fieldSeparator) + state.recordSeparator;
    }
    return text;
}

void compareTable(const std::optional<LookupTable> &actual, const std::optional<LookupTable> &expected, bool openEnded,
    const char *what)
{
    if (openEnded && actual && actual->isEmpty())
        return;
    fuzzCheck(actual.has_value() == expected.has_value(), what, QStringLiteral("presence differs"));
    if (!actual)
        return;
    fuzzCheck(actual->size() == expected->size(), what, QStringLiteral("row count differs"));
    for (qsizetype row = 0; row < actual->size(); ++row)
        fuzzCheck(actual->at(row) == expected->at(row), what, QStringLiteral("row %1 differs").arg(row));
}

void compareStore(ContactData &data, const ReferenceState &reference)
{
    fuzzCheck(data.store.isOpen() == reference.storeOpen, "store open state");
    fuzzCheck(data.fieldSeparator == reference.fieldSeparator, "field separator kept");
    fuzzCheck(data.recordSeparator == reference.recordSeparator, "record separator kept");
    fuzzCheck(data.tableSeparator == reference.tableSeparator, "table separator kept");
    if (!reference.storeOpen)
        return;
    fuzzCheck(data.store.recordCount() == reference.records.size(), "record count",
        QStringLiteral("%1 against %2").arg(data.store.recordCount()).arg(reference.records.size()));
    data.store.moveFirst();
    for (qsizetype row = 0; row < reference.records.size(); ++row) {
        fuzzCheck(!data.store.atEnd(), "store ends early");
        for (int field = 0; field < 16; ++field) {
            const QVariant actual = data.store.read(field);
            const QVariant &expected = reference.records[row][field];
            const bool same = actual.isNull() == expected.isNull() &&
                (expected.isNull() ||
                    (field == TypeField ? actual.toInt() == expected.toInt()
                                        : actual.toString() == expected.toString()));
            fuzzCheck(same, "record field differs",
                QStringLiteral("record %1 field %2: %3 against %4")
                    .arg(row)
                    .arg(field)
                    .arg(describe(actual), describe(expected)));
        }
        data.store.moveNext();
    }
    fuzzCheck(data.store.atEnd(), "store holds more records than loaded");
}

void compareExport(ContactData &data, const ReferenceState &reference)
{
    for (const bool editAllowed : { false, true }) {
        data.editAllowed = editAllowed;
        QString actual;
        try {
            actual = exportContactData(data);
            fuzzCheck(!editAllowed || !reference.storeOpen || referenceExport(reference, editAllowed).has_value(),
                "export handed out an entry that does not read back", actual);
        } catch (const Error &error) {
            // A store that no load ever opened may refuse the export, and so
            // must one with a flagged entry that would not read back.
            const bool unopened = !reference.storeOpen && error.code() == Error::Code::StoreClosed;
            const bool unreadable = reference.storeOpen && error.code() == Error::Code::SeparatorClash &&
                !referenceExport(reference, editAllowed).has_value();
            fuzzCheck(editAllowed && (unopened || unreadable), "export failed", error.message());
            continue;
        }
        const QString expected =
            reference.storeOpen ? referenceExport(reference, editAllowed).value_or(QString()) : QString();
        fuzzCheck(actual == expected, "export differs", actual + u"\n--- expected ---\n" + expected);
    }
}

// Flags, unflags and deletes records through the store's own operations, the
// way saving and deleting do, and mirrors that in the reference.
void editStore(ContactData &data, ReferenceState &reference, Choices &choices)
{
    if (!reference.storeOpen)
        return;
    data.store.moveFirst();
    qsizetype row = 0;
    while (!data.store.atEnd()) {
        switch (choices.next() % 5) {
        case 0:
            data.store.deleteCurrent();
            reference.records.removeAt(row);
            data.store.moveNext();
            continue;
        case 1:
            data.store.writeText(FlagField, u"S");
            reference.records[row][FlagField] = QStringLiteral("S");
            break;
        case 2:
            data.store.write(FlagField, QVariant());
            reference.records[row][FlagField] = QVariant();
            break;
        default:
            break;
        }
        data.store.moveNext();
        ++row;
    }
    if (choices.next() % 3 == 0) {
        data.store.append();
        reference.records.emplace_back();
        data.store.writeText(0, u"000-N");
        data.store.write(TypeField, QVariant(QStringLiteral("-7")));
        data.store.writeText(FlagField, u"N");
        reference.records.last()[0] = QStringLiteral("000-N");
        reference.records.last()[TypeField] = QVariant(-7);
        reference.records.last()[FlagField] = QStringLiteral("N");
    }
}

void checkSplit(const QString &text, const QString &separator)
{
    const QList<QStringView> pieces = splitBySeparator(text, separator);
    const QStringList expected = referenceSplit(text, separator);
    fuzzCheck(pieces.size() == expected.size(), "split piece count",
        QStringLiteral("%1 against %2").arg(pieces.size()).arg(expected.size()));
    for (qsizetype i = 0; i < pieces.size(); ++i)
        fuzzCheck(pieces[i] == expected[i], "split piece differs", expected[i]);
}

void checkWholeNumbers(const FuzzInput &input)
{
    const QStringList values = referenceSplit(input.data, input.fieldSeparator);
    const qsizetype count = std::min<qsizetype>(values.size(), 64);
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView value = QStringView(values[i]).left(40);
        const auto short16 = parseWholeNumber16(value);
        const auto expected16 = referenceWhole16(value);
        fuzzCheck(short16.has_value() == expected16.has_value() && (!short16 || *short16 == *expected16),
            "16-bit whole number", value.toString());
        const auto long32 = parseWholeNumber32(value);
        const auto expected32 = referenceWholeNumber(value, -2147483648LL, 2147483647LL);
        fuzzCheck(long32.has_value() == expected32.has_value() && (!long32 || *long32 == *expected32),
            "32-bit whole number", value.toString());
    }
}

// nullopt: the lookup must fail (the winning row's id is not a whole number).
std::optional<qint16> referenceFindID(const LookupTable &table, const QString &text, int searchColumn, int resultColumn)
{
    for (const LookupRow &row : table) {
        if (row.size() <= searchColumn || row[searchColumn] != text)
            continue;
        const auto id = referenceWhole16(row.value(resultColumn));
        if (!id || row.size() <= resultColumn)
            return std::nullopt;
        return qint16(*id);
    }
    return qint16(0);
}

QString referenceFindText(const LookupTable &table, qint16 id, int searchColumn, int resultColumn)
{
    for (const LookupRow &row : table) {
        if (row.size() <= searchColumn)
            continue;
        const auto rowId = referenceWhole16(row[searchColumn]);
        if (rowId && *rowId == id)
            return row.value(resultColumn);
    }
    return {};
}

void checkFindID(const LookupTable &table, const QString &text, int searchColumn, int resultColumn)
{
    const auto expected = referenceFindID(table, text, searchColumn, resultColumn);
    try {
        const qint16 actual = FindIDByText(table, text, qint16(searchColumn), qint16(resultColumn));
        fuzzCheck(expected.has_value() && actual == *expected, "FindIDByText result",
            QStringLiteral("%1 for %2").arg(actual).arg(text));
    } catch (const Error &error) {
        fuzzCheck(!expected.has_value() && error.code() == Error::Code::NotAWholeNumber, "FindIDByText failed",
            error.message());
    }
}

void checkLookups(const LookupTable &table, Choices &choices)
{
    const qsizetype rows = std::min<qsizetype>(table.size(), 32);
    for (qsizetype i = 0; i < rows; ++i) {
        const LookupRow &row = table[i];
        const int searchColumn = int(choices.next() % 5);
        const int resultColumn = int(choices.next() % 5);
        checkFindID(table, row.value(1), 1, 0);
        checkFindID(table, row.value(3), 3, 0);
        checkFindID(table, row.value(searchColumn), searchColumn, resultColumn);
        const qint16 id = referenceWhole16(row.value(0)).value_or(qint16(choices.next()));
        for (const qint16 probe : { id, qint16(choices.next()) }) {
            const QString actual = FindTextByID(table, probe, 0, 3);
            fuzzCheck(actual == referenceFindText(table, probe, 0, 3), "FindTextByID result", actual);
            const QString other = FindTextByID(table, probe, qint16(searchColumn), qint16(resultColumn));
            fuzzCheck(
                other == referenceFindText(table, probe, searchColumn, resultColumn), "FindTextByID result", other);
        }
    }
    checkFindID(table, QStringLiteral("\u2603 no such name"), 1, 0);
}

void checkLoadSequence(ContactData &data, ReferenceState &reference, const FuzzInput &input, Choices &choices)
{
    const auto before = reference;
    referenceLoad(reference, input);
    const LoadOutcome outcome =
        loadContactData(data, input.data, input.fieldSeparator, input.recordSeparator, input.tableSeparator);
    fuzzCheck(outcome == reference.outcome, "load outcome",
        QStringLiteral("%1 against %2").arg(int(outcome)).arg(int(reference.outcome)));
    if (reference.typesOpenEnded)
        reference.types = data.types && data.types->isEmpty() ? data.types : before.types;
    if (reference.statesOpenEnded)
        reference.states = data.states && data.states->isEmpty() ? data.states : before.states;
    compareTable(data.types, reference.types, reference.typesOpenEnded, "type table");
    compareTable(data.states, reference.states, reference.statesOpenEnded, "state table");
    compareStore(data, reference);
    compareExport(data, reference);

    editStore(data, reference, choices);
    compareStore(data, reference);
    compareExport(data, reference);

    if (data.types)
        checkLookups(*data.types, choices);
    if (data.states)
        checkLookups(*data.states, choices);
}

const FuzzInput &workedExample()
{
    static const FuzzInput example = [] {
        FuzzInput input;
        input.fieldSeparator = QStringLiteral("|");
        input.recordSeparator = QStringLiteral("~");
        input.tableSeparator = QStringLiteral("^");
        input.data = WorkedExample::load();
        return input;
    }();
    return example;
}

} // namespace

void checkExchangeInput(const std::uint8_t *bytes, std::size_t size)
{
    const FuzzInput input = decodeFuzzInput(bytes, size);
    Choices choices(input.choices);

    checkSplit(input.data, input.fieldSeparator);
    checkSplit(input.data, input.recordSeparator);
    checkSplit(input.data, input.tableSeparator);
    checkSplit(input.fieldSeparator, input.recordSeparator);
    checkWholeNumbers(input);

    {
        // A fresh control: tables absent, store closed.
        ContactData data;
        ReferenceState reference;
        checkLoadSequence(data, reference, input, choices);
    }
    {
        // A control that already holds data: what a failing load keeps.
        ContactData data;
        ReferenceState reference;
        Choices none(0);
        referenceLoad(reference, workedExample());
        loadContactData(data, workedExample().data, workedExample().fieldSeparator, workedExample().recordSeparator,
            workedExample().tableSeparator);
        checkLoadSequence(data, reference, input, choices);
        // And loading again over whatever that left.
        checkLoadSequence(data, reference, workedExample(), none);
    }
}

} // namespace ZebVendorContact::Fuzz
