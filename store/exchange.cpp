// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "exchange.h"

#include "logging.h"

#include <ZebVendorContact/error.h>

#include <QtCore/QtAlgorithms>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ZebVendorContact {

namespace {

// A table of the load text may hold at most this many records: the counts of
// the exchange are 16-bit.
constexpr qsizetype maxRecordsPerTable = std::numeric_limits<qint16>::max();

// Position of the first `wanted` in units[from, size), or -1. Eight code
// units at a time where SSE2 is there (every x86-64): most values are short,
// so this beats both a plain loop and a library search with its set-up per
// call.
qsizetype findUnit(const char16_t *units, qsizetype from, qsizetype size, char16_t wanted)
{
#if defined(__SSE2__)
    const __m128i pattern = _mm_set1_epi16(static_cast<short>(wanted));
    for (; from + 8 <= size; from += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + from));
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(chunk, pattern));
        if (found != 0)
            return from + qCountTrailingZeroBits(uint(found)) / 2;
    }
#endif
    for (; from < size; ++from) {
        if (units[from] == wanted)
            return from;
    }
    return -1;
}

/*!
 * Finds a separator in texts, left to right. Time is linear in the text
 * whatever the separator and the text (Knuth-Morris-Pratt): a long separator
 * over text that nearly matches it everywhere costs no more than a short one.
 * Outside a partial match the search jumps to the next occurrence of the
 * separator's first code unit with the vectorised character search, so the
 * usual short separators cost about a character search.
 */
class SeparatorSearch
{
public:
    explicit SeparatorSearch(QStringView separator)
        : m_separator(separator)
        , m_fallback(separator.size() > 1 ? std::size_t(separator.size()) : 0, 0)
    {
        // m_fallback[k]: the length of the longest proper prefix of the
        // separator's first k + 1 code units that also ends them.
        qsizetype length = 0;
        for (qsizetype k = 1; k < separator.size(); ++k) {
            while (length > 0 && separator[k] != separator[length])
                length = m_fallback[std::size_t(length - 1)];
            if (separator[k] == separator[length])
                ++length;
            m_fallback[std::size_t(k)] = length;
        }
    }

    QStringView separator() const { return m_separator; }

    /// Position of the next whole occurrence at or after `from`, or -1.
    qsizetype find(QStringView text, qsizetype from) const
    {
        const char16_t *units = text.utf16();
        const char16_t *wanted = m_separator.utf16();
        const qsizetype size = text.size();
        const qsizetype length = m_separator.size();
        if (length == 0)
            return -1; // an empty separator never matches
        if (length == 1)
            return findUnit(units, from, size, wanted[0]);
        qsizetype matched = 0;
        qsizetype at = from;
        while (at < size) {
            if (matched == 0) {
                at = findUnit(units, at, size, wanted[0]);
                if (at < 0)
                    return -1;
                matched = 1;
                ++at;
            } else if (units[at] == wanted[matched]) {
                ++matched;
                ++at;
            } else {
                matched = m_fallback[std::size_t(matched - 1)];
                continue;
            }
            if (matched == length)
                return at - length;
        }
        return -1;
    }

private:
    QStringView m_separator;
    std::vector<qsizetype> m_fallback;
};

// Calls `onPiece(piece)` for every piece of the split rule, left to right,
// until it returns false.
template<typename OnPiece> void forEachPiece(QStringView text, const SeparatorSearch &search, OnPiece onPiece)
{
    if (text.isEmpty())
        return;
    const QStringView separator = search.separator();
    if (separator.isEmpty()) {
        onPiece(text);
        return;
    }
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = search.find(text, from);
        if (at < 0) {
            onPiece(text.mid(from));
            return;
        }
        if (!onPiece(text.mid(from, at - from)))
            return;
        from = at + separator.size();
    }
}

template<typename OnPiece> void forEachPiece(QStringView text, QStringView separator, OnPiece onPiece)
{
    forEachPiece(text, SeparatorSearch(separator), onPiece);
}

// Position of the next whole occurrence of `separator` in `text` at or after
// `from`, or -1; linear in the text like every search here.
qsizetype findSeparator(QStringView text, QStringView separator, qsizetype from)
{
    return SeparatorSearch(separator).find(text, from);
}

// The tables: at most four pieces are collected, enough to tell "three" from
// anything else however often the table separator occurs.
QList<QStringView> splitTables(QStringView text, QStringView tableSeparator)
{
    QList<QStringView> tables;
    forEachPiece(text, tableSeparator, [&tables](QStringView table) {
        tables.append(table);
        return tables.size() < 4;
    });
    return tables;
}

bool isBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

// Number of records of a table split at the record separator: the piece after
// the last separator is not a record.
qsizetype recordCountOf(const QList<QStringView> &pieces)
{
    return pieces.isEmpty() ? 0 : pieces.size() - 1;
}

// The values of one contact record. Stops after the first value too many, so
// a record with a runaway number of separators costs no more than a valid one.
struct RecordValues
{
    std::array<QStringView, FieldCount + 1> values;
    int count = 0;
};

RecordValues splitRecord(QStringView record, const SeparatorSearch &fields)
{
    RecordValues result;
    const QStringView fieldSeparator = fields.separator();
    if (fieldSeparator.size() == 1 && !record.isEmpty()) {
        // The usual one-character separator: one pass over the record,
        // instead of a search per value.
        const char16_t separator = fieldSeparator.front().unicode();
        const char16_t *units = record.utf16();
        const qsizetype size = record.size();
        qsizetype from = 0;
        for (qsizetype at; (at = findUnit(units, from, size, separator)) >= 0; from = at + 1) {
            result.values[std::size_t(result.count++)] = record.sliced(from, at - from);
            if (result.count == int(result.values.size()))
                return result;
        }
        result.values[std::size_t(result.count++)] = record.sliced(from);
        return result;
    }
    forEachPiece(record, fields, [&result](QStringView value) {
        result.values[result.count++] = value;
        return result.count < int(result.values.size());
    });
    return result;
}

// Appends one contact record built from `record`'s values, pieces of
// `source` `gap` code units apart (the field separator). The record is filled
// completely before it is appended, but the outcome is that of appending a
// null record and writing the values in order: when a value is rejected, the
// record with the values before it is appended and the failure passed on.
// `number` counts the table's records from 1, for the message.
void appendContactRecord(
    ContactStore &store, const QString &source, const RecordValues &record, qsizetype gap, qsizetype number)
{
    const int writable = std::min(record.count, int(FieldCount));
    ContactRecord built;
    try {
        // The record points into the load text: nothing is copied.
        ContactStore::fillNewRecord(built, source, record.values.data(), writable, gap);
        if (record.count > FieldCount) {
            throw Error(
                Error::Code::NoSuchField, QStringLiteral("The record has more than %1 values.").arg(int(FieldCount)));
        }
    } catch (const Error &error) {
        store.appendRecord(std::move(built));
        // The host learns which record stopped the load, not only why.
        const QString id = record.count > 0 ? record.values[0].left(40).toString() : QString();
        throw Error(error.code(),
            QStringLiteral("Contact record %1 (AddressID \"%2\"): %3").arg(number).arg(id, error.message()));
    }
    store.appendRecord(std::move(built));
}

// Calls `onHit(position, isFirst)` for every code unit of `units[0, size)`
// that is `first` or `second`, left to right: one vectorised pass for both.
template<typename OnHit>
void forEachOfTwoUnits(const char16_t *units, qsizetype size, char16_t first, char16_t second, OnHit onHit)
{
    qsizetype from = 0;
#if defined(__SSE2__)
    const __m128i firstPattern = _mm_set1_epi16(static_cast<short>(first));
    const __m128i secondPattern = _mm_set1_epi16(static_cast<short>(second));
    for (; from + 8 <= size; from += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + from));
        // Two mask bits per code unit; the lower one is enough.
        uint hits = uint(_mm_movemask_epi8(
                        _mm_or_si128(_mm_cmpeq_epi16(chunk, firstPattern), _mm_cmpeq_epi16(chunk, secondPattern)))) &
            0x5555u;
        while (hits != 0) {
            const qsizetype at = from + qCountTrailingZeroBits(hits) / 2;
            onHit(at, units[at] == first);
            hits &= hits - 1;
        }
    }
#endif
    for (; from < size; ++from) {
        if (units[from] == first || units[from] == second)
            onHit(from, units[from] == first);
    }
}

// The contacts table when both separators are single code units (the usual
// case): one pass over the table finds the record and field separators alike,
// and each record is appended as soon as its separator is found. The outcome
// is that of splitting the table into records first: a table with too many
// records leaves no record behind, and a rejected value ends the appending
// (after the record that holds it) without hiding a count too high.
void loadContactsInOnePass(
    ContactStore &store, const QString &source, QStringView table, char16_t recordSeparator, char16_t fieldSeparator)
{
    RecordValues record;
    qsizetype valueStart = 0;
    qsizetype records = 0;
    std::optional<Error> rejection;
    forEachOfTwoUnits(table.utf16(), table.size(), recordSeparator, fieldSeparator, [&](qsizetype at, bool endsRecord) {
        // An empty record has no values at all, not one empty value.
        const bool emptyRecord = endsRecord && record.count == 0 && at == valueStart;
        if (!emptyRecord && record.count < int(record.values.size()))
            record.values[std::size_t(record.count++)] = table.sliced(valueStart, at - valueStart);
        valueStart = at + 1;
        if (!endsRecord)
            return;
        if (!rejection && records < maxRecordsPerTable) {
            try {
                appendContactRecord(store, source, record, 1, records + 1);
            } catch (const Error &error) {
                rejection = error;
            }
        }
        ++records;
        record.count = 0;
    });
    if (records == 0) {
        if (table.isEmpty())
            return; // an empty contacts table: no addresses
        throw Error(Error::Code::InvalidArgument, QStringLiteral("The contacts table has no record separator."));
    }
    if (records > maxRecordsPerTable) {
        store.removeAll();
        throw Error(Error::Code::Overflow,
            QStringLiteral("The contacts table holds more than %1 records.").arg(maxRecordsPerTable));
    }
    if (rejection)
        throw *rejection;
}

// The contacts table.
void loadContacts(ContactStore &store, const QString &source, QStringView table, QStringView recordSeparator,
    QStringView fieldSeparator)
{
    if (recordSeparator.size() == 1 && fieldSeparator.size() == 1 && recordSeparator != fieldSeparator) {
        loadContactsInOnePass(
            store, source, table, recordSeparator.front().unicode(), fieldSeparator.front().unicode());
        return;
    }
    const QList<QStringView> pieces = splitBySeparator(table, recordSeparator);
    if (pieces.isEmpty())
        return; // an empty contacts table: no addresses
    if (pieces.size() == 1)
        throw Error(Error::Code::InvalidArgument, QStringLiteral("The contacts table has no record separator."));
    if (recordCountOf(pieces) > maxRecordsPerTable)
        throw Error(Error::Code::Overflow,
            QStringLiteral("The contacts table holds more than %1 records.").arg(maxRecordsPerTable));
    const SeparatorSearch fields(fieldSeparator);
    for (qsizetype i = 0; i < recordCountOf(pieces); ++i)
        appendContactRecord(store, source, splitRecord(pieces[i], fields), fieldSeparator.size(), i + 1);
}

// The type or the state table. It is replaced only once its whole text was
// accepted; a rejected table keeps its previous rows (or stays absent).
void loadLookupTable(std::optional<LookupTable> &destination, const char *name, QStringView table,
    QStringView recordSeparator, QStringView fieldSeparator)
{
    const QList<QStringView> pieces = splitBySeparator(table, recordSeparator);
    if (pieces.size() < 2)
        throw Error(Error::Code::InvalidArgument,
            QStringLiteral("The %1 table has no record separator.").arg(QLatin1StringView(name)));
    if (recordCountOf(pieces) > maxRecordsPerTable)
        throw Error(Error::Code::Overflow,
            QStringLiteral("The %1 table holds %2 records; a table holds at most %3.")
                .arg(QLatin1StringView(name))
                .arg(recordCountOf(pieces))
                .arg(maxRecordsPerTable));

    LookupTable rows;
    rows.reserve(recordCountOf(pieces));
    const SeparatorSearch fields(fieldSeparator);
    for (qsizetype i = 0; i < recordCountOf(pieces); ++i) {
        LookupRow row;
        forEachPiece(pieces[i], fields, [&row](QStringView value) {
            row.append(value.toString());
            return true;
        });
        rows.append(std::move(row));
    }
    destination = std::move(rows);
}

// Decimal text of a Type value: at most six code units ("-32768").
struct TypeText
{
    std::array<char16_t, 6> units {};
    int size = 0;

    explicit TypeText(qint16 value)
    {
        std::array<char16_t, 6> reversed {};
        int count = 0;
        int magnitude = value < 0 ? -int(value) : int(value);
        do {
            reversed[std::size_t(count++)] = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        if (value < 0)
            units[std::size_t(size++)] = u'-';
        while (count > 0)
            units[std::size_t(size++)] = reversed[std::size_t(--count)];
    }

    QStringView view() const { return QStringView(units.data(), size); }
};

// The values of a record's entry; the Type text lives in `typeText`.
EntryValues entryValuesOf(const ContactRecord &record, std::optional<TypeText> &typeText)
{
    EntryValues values;
    for (int field = 0; field < EntryValueCount; ++field)
        values[std::size_t(field)] = record.text(field);
    if (!record.isNull(Type)) {
        typeText.emplace(record.type());
        values[Type] = typeText->view();
    }
    return values;
}

qsizetype entrySize(const EntryValues &values, const EntrySeparators &separators)
{
    qsizetype size = (EntryValueCount - 1) * separators.field.size() + separators.record.size();
    for (QStringView value : values)
        size += value.size();
    return size;
}

// entrySize() of a record's values, read from the record directly.
qsizetype entrySizeOf(const ContactRecord &record, const EntrySeparators &separators)
{
    qsizetype size = (EntryValueCount - 1) * separators.field.size() + separators.record.size();
    for (int field = 0; field < EntryValueCount; ++field)
        size += record.text(field).size();
    if (!record.isNull(Type))
        size += TypeText(record.type()).size;
    return size;
}

QChar *writeText(QChar *out, QStringView text)
{
    return std::copy(text.begin(), text.end(), out);
}

// The writer of the usual separators: three different single characters
// (the field separator standing in for an absent table separator). Nothing
// can then straddle a value's edge, so an entry reads back exactly when none
// of its values holds one of those characters. The values are checked as
// they are copied, in the same vectorised pass; only the rare entry that
// holds one is read back in full, to name the value and the separator.
class CheckingWriter
{
public:
    explicit CheckingWriter(const EntrySeparators &separators)
    {
        const QStringView field = separators.field;
        const QStringView record = separators.record;
        const QStringView table = separators.table.isEmpty() ? field : separators.table;
        m_usable = field.size() == 1 && record.size() == 1 && table.size() == 1 && field != record && record != table &&
            (separators.table.isEmpty() || table != field);
        if (!m_usable)
            return;
        m_field = field.front().unicode();
        m_record = record.front().unicode();
        m_table = table.front().unicode();
#if defined(__SSE2__)
        m_fieldPattern = _mm_set1_epi16(static_cast<short>(m_field));
        m_recordPattern = _mm_set1_epi16(static_cast<short>(m_record));
        m_tablePattern = _mm_set1_epi16(static_cast<short>(m_table));
#endif
    }

    bool usable() const
    {
        return m_usable;
    }

    /// Writes the entry of `record` at `out` and returns its end; `clean`
    /// tells whether it reads back as the record's values. Reads the record
    /// directly: the values are gathered only for the rare entry that fails.
    QChar *write(QChar *out, const ContactRecord &record, bool &clean) const
    {
        char16_t *to = reinterpret_cast<char16_t *>(out);
        int hits = 0;
        for (int field = 0; field < EntryValueCount; ++field) {
            if (field > 0)
                *to++ = m_field;
            std::optional<TypeText> typeText;
            if (field == Type && !record.isNull(Type))
                typeText.emplace(record.type());
            const QStringView value = typeText ? typeText->view() : record.text(field);
            hits |= copyValue(to, value.utf16(), value.size());
            to += value.size();
        }
        *to++ = m_record;
        clean = hits == 0;
        return reinterpret_cast<QChar *>(to);
    }

private:
#if defined(__SSE2__)
    // Nonzero where `chunk` holds a separator character.
    int separatorsIn(__m128i chunk) const
    {
        return _mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(chunk, m_fieldPattern), _mm_cmpeq_epi16(chunk, m_recordPattern)),
                _mm_cmpeq_epi16(chunk, m_tablePattern)));
    }
#endif

    bool isSeparator(char16_t unit) const
    {
        return unit == m_field || unit == m_record || unit == m_table;
    }

    // Copies units[0, size) to `to`; nonzero when one of them is a separator
    // character. Never reads or writes outside the two ranges: a tail
    // shorter than a chunk is done as a last chunk overlapping the one
    // before it, and values under eight units as two overlapping halves.
    int copyValue(char16_t *to, const char16_t *units, qsizetype size) const
    {
        int hits = 0;
#if defined(__SSE2__)
        if (size >= 8) {
            qsizetype at = 0;
            for (; at + 8 < size; at += 8) {
                const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + at));
                _mm_storeu_si128(reinterpret_cast<__m128i *>(to + at), chunk);
                hits |= separatorsIn(chunk);
            }
            at = size - 8;
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + at));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(to + at), chunk);
            return hits | separatorsIn(chunk);
        }
        if (size >= 4) {
            // Four units in the low half; the high half's zeros are masked
            // off, since a separator may well be U+0000.
            const __m128i low = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(units));
            const __m128i high = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(units + size - 4));
            _mm_storel_epi64(reinterpret_cast<__m128i *>(to), low);
            _mm_storel_epi64(reinterpret_cast<__m128i *>(to + size - 4), high);
            return (separatorsIn(low) | separatorsIn(high)) & 0xff;
        }
#endif
        for (qsizetype at = 0; at < size; ++at) {
            to[at] = units[at];
            hits |= int(isSeparator(units[at]));
        }
        return hits;
    }

    bool m_usable = false;
    char16_t m_field = 0;
    char16_t m_record = 0;
    char16_t m_table = 0;
#if defined(__SSE2__)
    __m128i m_fieldPattern {};
    __m128i m_recordPattern {};
    __m128i m_tablePattern {};
#endif
};

QChar *writeEntry(QChar *out, const EntryValues &values, const EntrySeparators &separators)
{
    for (int field = 0; field < EntryValueCount; ++field) {
        if (field > 0)
            out = writeText(out, separators.field);
        out = writeText(out, values[std::size_t(field)]);
    }
    return writeText(out, separators.record);
}

// The value an occurrence of a separator at `position` of the written entry
// is blamed on: the value it starts in, or, when it starts inside a field
// separator, the value after it, whose beginning completes it.
int valueAt(const EntryValues &values, QStringView fieldSeparator, qsizetype position)
{
    qsizetype start = 0;
    for (int field = 0; field < EntryValueCount; ++field) {
        const qsizetype end = start + values[std::size_t(field)].size();
        if (position < end)
            return field;
        start = end + fieldSeparator.size();
        if (position < start)
            return std::min(field + 1, EntryValueCount - 1);
    }
    return EntryValueCount - 1;
}

// Reads a written entry back the way a load would split it: at the table
// separator, then the record separator, then the field separator. Since the
// entry was written from `values`, it reads back whole exactly when every
// separator is found where it was written and nowhere else first.
EntryCheck readBack(QStringView entry, const EntryValues &values, const EntrySeparators &separators)
{
    if (!separators.table.isEmpty()) {
        const qsizetype at = findSeparator(entry, separators.table, 0);
        if (at >= 0)
            return { EntryClash::Table, valueAt(values, separators.field, at) };
    }

    // An empty record separator never matches: the load would see no record.
    if (separators.record.isEmpty())
        return { EntryClash::Record, -1 };
    const qsizetype recordEnd = entry.size() - separators.record.size();
    const qsizetype recordAt = findSeparator(entry, separators.record, 0);
    if (recordAt != recordEnd)
        return { EntryClash::Record, valueAt(values, separators.field, recordAt) };

    // An empty field separator never matches: the record would be one value.
    if (separators.field.isEmpty())
        return { EntryClash::Field, -1 };
    const QStringView record = entry.first(recordEnd);
    qsizetype from = 0;
    for (int field = 0; field < EntryValueCount; ++field) {
        const qsizetype end = from + values[std::size_t(field)].size();
        const qsizetype at = findSeparator(record, separators.field, from);
        // The last value runs to the end of the record; every other one ends
        // at the separator written after it.
        if (at != (field == EntryValueCount - 1 ? qsizetype(-1) : end))
            return { EntryClash::Field, field };
        from = end + separators.field.size();
    }
    return {};
}

QString separatorName(EntryClash clash)
{
    switch (clash) {
    case EntryClash::Field:
        return QStringLiteral("field");
    case EntryClash::Record:
        return QStringLiteral("record");
    case EntryClash::Table:
        return QStringLiteral("table");
    case EntryClash::None:
        break;
    }
    return {};
}

Error unexportable(const ContactRecord &record, const EntryCheck &check, const EntrySeparators &separators)
{
    const QString separator = readableSeparator(separatorOf(check.clash, separators));
    const QString id = record.text(AddressID).toString();
    if (check.value < 0) {
        return Error(Error::Code::SeparatorClash,
            QStringLiteral("The address \"%1\" cannot be exported with the %2 separator \"%3\".")
                .arg(id, separatorName(check.clash), separator));
    }
    return Error(Error::Code::SeparatorClash,
        QStringLiteral("The address \"%1\" cannot be exported: its %2 would not read back whole at the %3 "
                       "separator \"%4\".")
            .arg(id, fieldDefinitions().at(std::size_t(check.value)).name.toString(), separatorName(check.clash),
                separator));
}

bool isFlagged(const ContactRecord &record)
{
    return !record.isNull(IsUpdated) && !record.text(IsUpdated).isEmpty();
}

} // namespace

QList<QStringView> splitBySeparator(QStringView text, QStringView separator)
{
    QList<QStringView> pieces;
    forEachPiece(text, separator, [&pieces](QStringView piece) {
        pieces.append(piece);
        return true;
    });
    return pieces;
}

QString readableSeparator(QStringView separator)
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

EntryCheck buildEntry(const EntryValues &values, const EntrySeparators &separators, QString *entry)
{
    QString text(entrySize(values, separators), Qt::Uninitialized);
    writeEntry(text.data(), values, separators);
    const EntryCheck check = readBack(text, values, separators);
    if (entry)
        *entry = std::move(text);
    return check;
}

LoadOutcome loadContactData(ContactData &data, const QString &contactData, const QString &fieldSeparator,
    const QString &recordSeparator, const QString &tableSeparator, QString *problem)
{
    if (isBlank(contactData))
        return LoadOutcome::Blank;

    data.fieldSeparator = fieldSeparator;
    data.recordSeparator = recordSeparator;
    data.tableSeparator = tableSeparator;

    try {
        // Emptying record by record from the first leaves exactly what
        // removeAll() leaves: no records, the position at the end.
        if (data.store.isOpen())
            data.store.removeAll();
        else
            data.store.open();

        // The records point into the load text, a shared copy of the host's
        // string. Text the host only lent (QString::fromRawData) may go away
        // after the call: that is copied first.
        const QString source =
            contactData.data_ptr().isMutable() ? contactData : QString(contactData.constData(), contactData.size());
        const QList<QStringView> tables = splitTables(source, tableSeparator);
        if (tables.size() != 3) {
            // Four pieces are all the split collects.
            const QString pieces = tables.size() > 3 ? QStringLiteral("more than 3 tables")
                : tables.size() == 1                 ? QStringLiteral("1 table")
                                                     : QStringLiteral("%1 tables").arg(tables.size());
            throw Error(Error::Code::InvalidArgument,
                QStringLiteral("The text splits into %1 at the table separator \"%2\"; a load has 3 (addresses, "
                               "contact types, states).")
                    .arg(pieces, readableSeparator(tableSeparator)));
        }

        loadContacts(data.store, source, tables[0], recordSeparator, fieldSeparator);
        loadLookupTable(data.types, "contact type", tables[1], recordSeparator, fieldSeparator);
        loadLookupTable(data.states, "state", tables[2], recordSeparator, fieldSeparator);
    } catch (const Error &error) {
        // The load never throws to the host: it stops where it failed and
        // keeps what it had done. The caller tells the host; the log says so
        // too, for the host's developer.
        qCWarning(lcVendorContact, "LetContactAddress stopped early, keeping %d addresses: %s",
            data.store.recordCount(), error.what());
        if (problem)
            *problem = error.message();
        return LoadOutcome::Failed;
    } catch (const std::exception &error) {
        qCWarning(lcVendorContact, "LetContactAddress stopped early, keeping %d addresses: %s",
            data.store.recordCount(), error.what());
        if (problem)
            *problem = QString::fromUtf8(error.what());
        return LoadOutcome::Failed;
    }
    return LoadOutcome::Complete;
}

QString exportContactData(ContactData &data)
{
    if (!data.editAllowed)
        return QString();
    // Nothing was ever loaded, so nothing can have changed.
    if (!data.store.isOpen())
        return QString();

    ContactStore &store = data.store;
    if (store.recordCount() == 0)
        return QString();

    // Two passes over the flagged records: the exact size first, so the text
    // is allocated once and written in place. With the usual separators each
    // value is checked as it is copied; otherwise, or when that check finds
    // a separator character, the entry is read back right where it was
    // written.
    const EntrySeparators separators { data.fieldSeparator, data.recordSeparator, data.tableSeparator };
    qsizetype size = 0;
    for (store.moveFirst(); !store.atEnd(); store.moveNext()) {
        const ContactRecord &record = store.current();
        if (isFlagged(record))
            size += entrySizeOf(record, separators);
    }
    if (size == 0)
        return QString();

    QString result(size, Qt::Uninitialized);
    QChar *out = result.data();
    const CheckingWriter writer(separators);
    for (store.moveFirst(); !store.atEnd(); store.moveNext()) {
        const ContactRecord &record = store.current();
        if (!isFlagged(record))
            continue;
        QChar *const entryStart = out;
        if (writer.usable()) {
            bool clean = false;
            out = writer.write(out, record, clean);
            if (clean)
                continue;
        }
        std::optional<TypeText> typeText;
        const EntryValues values = entryValuesOf(record, typeText);
        if (!writer.usable())
            out = writeEntry(out, values, separators);
        const QStringView entry(entryStart, out);
        const EntryCheck check = readBack(entry, values, separators);
        if (!check)
            throw unexportable(record, check, separators);
    }
    Q_ASSERT(out == result.constData() + result.size());
    return result;
}

QStringView separatorOf(EntryClash clash, const EntrySeparators &separators)
{
    switch (clash) {
    case EntryClash::Field:
        return separators.field;
    case EntryClash::Record:
        return separators.record;
    case EntryClash::Table:
        return separators.table;
    case EntryClash::None:
        break;
    }
    return {};
}

} // namespace ZebVendorContact
