// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include <ZebVendorContact/contactexchange.h>

#include "addressid.h"
#include "contactrecord.h"
#include "exchange.h"
#include "numbers.h"

#include <QtCore/QSet>

#include <array>
#include <cstdlib>
#include <functional>
#include <utility>

namespace ZebVendorContact {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qsizetype MaxRecordsPerTable = 32767;
constexpr int ExportedValues = 15;

/// One of the three tables of a load, as the host meant it: its records'
/// values, and what to call a record and its fields in an error.
struct IntendedTable
{
    QString recordKind;
    QList<QStringList> records;
    std::function<QString(int record)> describeRecord;
    QStringList fieldNames;
};

Error refusal(const QString &message, Error::Code code = Error::Code::InvalidArgument)
{
    return Error(code, message);
}

/// `text` for a message: U+0000 and lone surrogates shown as U+FFFD.
QString printable(QStringView text)
{
    QString shown = text.toString();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool pair = shown.at(i).isHighSurrogate() && i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate();
        if (pair)
            ++i;
        else if (shown.at(i).isNull() || shown.at(i).isSurrogate())
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString quoted(QStringView text)
{
    constexpr qsizetype Shown = 40;
    if (text.size() <= Shown)
        return u'"' + text.toString() + u'"';
    return u'"' + text.left(Shown).toString() + u"\u2026\" (%1 characters)"_s.arg(text.size());
}

/// What in `value` no database keeps as written: U+0000 (a NUL ends the
/// text in C interfaces and cuts a statement) or half of a surrogate pair
/// (not a character; drivers turn it into U+FFFD). Empty when it holds neither.
QString unstorableCharacter(QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar character = value.at(i);
        if (character.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (character.isNull())
            return u"U+0000 (NUL) at character %1"_s.arg(i + 1);
        if (character.isSurrogate())
            return u"U+%1, half of a surrogate pair, at character %2"_s
                .arg(QString::number(character.unicode(), 16).toUpper())
                .arg(i + 1);
    }
    return {};
}

/// Throws when `value` holds a character no database keeps as written;
/// `where()` names the record and the field.
template<typename Where> void checkStorable(QStringView value, const Where &where)
{
    const QString character = unstorableCharacter(value);
    if (!character.isEmpty())
        throw refusal(u"%1 holds %2, which no database keeps as written."_s.arg(where(), character));
}

QString number(const std::optional<qint16> &value)
{
    return value ? QString::number(*value) : QString();
}

QStringList valuesOf(const ContactAddress &address)
{
    QStringList values { address.addressId, address.vendorId, QString::number(address.typeId), address.name,
        address.street1, address.street2, address.city, number(address.country), number(address.stateId),
        address.postalCode, address.phone, address.fax, address.email, address.phone2, address.cell };
    // Without a flag the record stops at fifteen values, so IsUpdated stays
    // null, exactly as a record the host never changed.
    if (!address.changeFlag.isEmpty())
        values.append(address.changeFlag);
    return values;
}

QString joined(const QList<QStringList> &records, const ExchangeSeparators &separators)
{
    QString text;
    for (const QStringList &values : records) {
        for (qsizetype f = 0; f < values.size(); ++f) {
            if (f > 0)
                text += separators.field;
            text += values.at(f);
        }
        text += separators.record;
    }
    return text;
}

// The text must read back under the load's own split rule (table, then
// record, then field separator; first occurrence, left to right) into exactly
// the values written. Checking each value for the separators is not enough:
// a value ending in the start of a separator, or separators that contain one
// another, can move a cut. So the text is split as the control will split it
// and compared; the first difference names the culprit.
void checkReadsBack(
    const QString &text, const std::array<IntendedTable, 3> &intended, const ExchangeSeparators &separators)
{
    const QList<QStringView> tables = splitBySeparator(text, separators.table);
    for (std::size_t t = 0; t < intended.size(); ++t) {
        const IntendedTable &table = intended.at(t);
        const QStringView tableText = qsizetype(t) < tables.size() ? tables.at(qsizetype(t)) : QStringView();
        QList<QStringView> pieces = splitBySeparator(tableText, separators.record);
        const bool tailEmpty = pieces.isEmpty() || pieces.constLast().isEmpty();
        if (!pieces.isEmpty())
            pieces.removeLast();
        for (qsizetype r = 0; r < table.records.size(); ++r) {
            const QStringList &values = table.records.at(r);
            const QList<QStringView> read =
                r < pieces.size() ? splitBySeparator(pieces.at(r), separators.field) : QList<QStringView>();
            for (qsizetype f = 0; f < values.size(); ++f) {
                const bool same = f < read.size() && read.at(f) == values.at(f);
                // Surplus pieces mean the last value was cut.
                if (same && (f < values.size() - 1 || read.size() == values.size()))
                    continue;
                // A separator inside a value shows only further on (a table
                // separator ends the whole table early): blame the value
                // that holds one, if any does.
                for (qsizetype g = 0; g < values.size(); ++g) {
                    if (values.at(g).contains(separators.field) || values.at(g).contains(separators.record) ||
                        values.at(g).contains(separators.table)) {
                        f = g;
                        break;
                    }
                }
                throw refusal(u"%1, field %2: the value %3 would not read back as written with the separators "
                              u"%4, %5 and %6 (it holds one of them, or runs into one with the next value)."_s.arg(
                                  table.describeRecord(int(r)), table.fieldNames.at(f), quoted(values.at(f)),
                                  quoted(separators.field), quoted(separators.record), quoted(separators.table)),
                    Error::Code::SeparatorClash);
            }
        }
        if (pieces.size() != table.records.size() || !tailEmpty || tables.size() != 3)
            throw refusal(u"The %1 would not read back as written with the separators %2, %3 and %4: a separator "
                          u"holds another one."_s.arg(table.recordKind, quoted(separators.field),
                              quoted(separators.record), quoted(separators.table)),
                Error::Code::SeparatorClash);
    }
}

/// Decimal text of a small number without allocating; empty for none.
class NumberText
{
public:
    explicit NumberText(std::optional<qint16> number)
    {
        if (!number)
            return;
        int value = *number;
        const bool negative = value < 0;
        char16_t digits[6];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + std::abs(value % 10));
            value /= 10;
        } while (value != 0);
        if (negative)
            m_units[m_size++] = u'-';
        while (count > 0)
            m_units[m_size++] = digits[--count];
    }
    QStringView view() const { return QStringView(m_units.data(), m_size); }

private:
    std::array<char16_t, 7> m_units {};
    qsizetype m_size = 0;
};

/*!
 * Writes the load text and checks on the way that the control's split (table,
 * record, then field separator; first occurrence, left to right) cuts it
 * exactly where it was joined: the first occurrence of a separator after the
 * start of a piece must be the one written at its end, and none may lie in
 * the last piece. Linear in the text; nothing is copied but the values.
 */
class LoadTextWriter
{
public:
    explicit LoadTextWriter(const ExchangeSeparators &separators)
        : m_separators(separators)
    {
    }
    void reserve(qsizetype size) { m_text.reserve(size); }

    void value(QStringView value)
    {
        if (m_count > 0)
            m_text += m_separators.field;
        m_starts[std::size_t(m_count++)] = m_text.size();
        m_text += value;
    }

    /// False when the record would not read back as its values.
    bool endRecord()
    {
        const qsizetype recordStart = m_count > 0 ? m_starts[0] : m_text.size();
        const qsizetype recordEnd = m_text.size();
        m_text += m_separators.record;
        const QStringView text(m_text);
        const QStringView record = text.mid(recordStart, recordEnd - recordStart);
        const qsizetype fieldSeparator = m_separators.field.size();
        bool ok = text.indexOf(m_separators.record, recordStart) == recordEnd;
        for (int f = 0; f < m_count && ok; ++f) {
            const qsizetype end = f + 1 < m_count ? m_starts[std::size_t(f + 1)] - fieldSeparator - recordStart : -1;
            ok = record.indexOf(m_separators.field, m_starts[std::size_t(f)] - recordStart) == end;
        }
        m_count = 0;
        return ok;
    }

    /// False when the table separator would cut the table elsewhere.
    bool endTable(bool last)
    {
        const qsizetype tableEnd = m_text.size();
        if (!last)
            m_text += m_separators.table;
        const bool ok = QStringView(m_text).indexOf(m_separators.table, m_tableStart) == (last ? -1 : tableEnd);
        m_tableStart = m_text.size();
        return ok;
    }

    QString take() { return std::move(m_text); }

private:
    const ExchangeSeparators &m_separators;
    QString m_text;
    std::array<qsizetype, FieldCount> m_starts {};
    int m_count = 0;
    qsizetype m_tableStart = 0;
};

// The slow way, for a text the writer found faulty: every record as its
// values, the text split as the control splits it, the first difference
// named. Throws.
[[noreturn]] void explainRefusal(const QList<ContactAddress> &addresses, const QList<ContactType> &types,
    const QList<ContactState> &states, const ExchangeSeparators &separators)
{
    std::array<IntendedTable, 3> intended;
    intended[0].recordKind = u"contact addresses"_s;
    intended[0].records.reserve(addresses.size());
    for (const ContactAddress &address : addresses)
        intended[0].records.append(valuesOf(address));
    intended[0].describeRecord = [&](int r) {
        return u"Contact address %1 (AddressID %2)"_s.arg(r + 1).arg(quoted(addresses.at(r).addressId));
    };
    for (const FieldDefinition &field : fieldDefinitions())
        intended[0].fieldNames.append(field.name.toString());
    intended[1].recordKind = u"contact types"_s;
    for (const ContactType &type : types)
        intended[1].records.append({ QString::number(type.id), type.name });
    intended[1].describeRecord = [&](int r) { return u"Contact type %1 (id %2)"_s.arg(r + 1).arg(types.at(r).id); };
    intended[1].fieldNames = QStringList { u"id"_s, u"name"_s };
    intended[2].recordKind = u"states"_s;
    for (const ContactState &state : states)
        intended[2].records.append(
            { QString::number(state.id), QString::number(state.country), state.code, state.name });
    intended[2].describeRecord = [&](int r) { return u"State %1 (id %2)"_s.arg(r + 1).arg(states.at(r).id); };
    intended[2].fieldNames = QStringList { u"id"_s, u"country"_s, u"code"_s, u"name"_s };

    const QString text = joined(intended[0].records, separators) + separators.table +
        joined(intended[1].records, separators) + separators.table + joined(intended[2].records, separators);
    checkReadsBack(text, intended, separators);
    throw refusal(u"The load text would not read back as written with the separators %1, %2 and %3."_s.arg(
                      quoted(separators.field), quoted(separators.record), quoted(separators.table)),
        Error::Code::SeparatorClash);
}

QString describeAddress(const QList<ContactAddress> &addresses, qsizetype r)
{
    return u"Contact address %1 (AddressID %2)"_s.arg(r + 1).arg(quoted(printable(addresses.at(r).addressId)));
}

/*!
 * Refuses an address the control would take but the panel could never serve.
 * The list shows an address only under a type the type picker offers (a
 * type is picked by its name, which stands for the first type that has it);
 * a save needs a country of the picker (0 to 2) and one of that country's
 * states, so a country without states, "Others" (0) included, makes its
 * addresses unsavable.
 */
void checkServable(
    const QList<ContactAddress> &addresses, const QList<ContactType> &types, const QList<ContactState> &states)
{
    QSet<qint16> shownTypes;
    QSet<QString> typeNames;
    for (const ContactType &type : types) {
        if (!typeNames.contains(type.name)) {
            typeNames.insert(type.name);
            shownTypes.insert(type.id);
        }
    }
    std::array<QSet<qint16>, 3> stateIds;
    for (const ContactState &state : states) {
        if (state.country >= 0 && state.country <= 2)
            stateIds.at(std::size_t(state.country)).insert(state.id);
    }
    for (qsizetype r = 0; r < addresses.size(); ++r) {
        const ContactAddress &a = addresses.at(r);
        if (!shownTypes.contains(a.typeId))
            throw refusal(
                u"%1, field Type: no contact type of the load has the id %2 (or its name is also an "
                u"earlier type's), so the panel would never show the address."_s.arg(describeAddress(addresses, r))
                    .arg(a.typeId));
        if (!a.country)
            continue;
        const qint16 country = *a.country;
        if (country < 0 || country > 2)
            throw refusal(u"%1, field Country: %2 is none of the panel's countries (0 Others, 1 USA, 2 Canada), "
                          u"so the address could not be saved as it is."_s.arg(describeAddress(addresses, r))
                              .arg(country));
        const QSet<qint16> &countryStates = stateIds.at(std::size_t(country));
        if (countryStates.isEmpty())
            throw refusal(u"%1, field Country: no state of the load has the country %2, and an address needs a "
                          u"state to be saved (country 0, Others, too), so the user could never save it."_s
                              .arg(describeAddress(addresses, r))
                              .arg(country));
        if (a.stateId && !countryStates.contains(*a.stateId))
            throw refusal(u"%1, field State: no state of country %2 has the id %3, so the address could not be "
                          u"saved as it is."_s.arg(describeAddress(addresses, r))
                              .arg(country)
                              .arg(*a.stateId));
    }
}

} // namespace

bool ContactAddress::isAddedInPanel() const
{
    return !isPlainNumberId(addressId);
}

bool ContactAddress::operator==(const ContactAddress &other) const
{
    return valuesOf(*this) == valuesOf(other);
}

QString buildLoadText(const QList<ContactAddress> &addresses, const QList<ContactType> &types,
    const QList<ContactState> &states, const ExchangeSeparators &separators)
{
    for (const QString *separator : { &separators.field, &separators.record, &separators.table }) {
        if (separator->isEmpty())
            throw refusal(u"The separators must not be empty: an empty separator never cuts the text."_s);
    }
    if (types.isEmpty() || states.isEmpty())
        throw refusal(u"The load needs at least one contact type and one state."_s);
    for (const qsizetype count : { addresses.size(), types.size(), states.size() }) {
        if (count > MaxRecordsPerTable)
            throw refusal(u"A table of the load holds %1 records; the control takes at most 32767."_s.arg(count),
                Error::Code::Overflow);
    }
    checkServable(addresses, types, states);

    LoadTextWriter writer(separators);
    writer.reserve(addresses.size() * 160 + types.size() * 24 + states.size() * 40);
    bool readsBack = true;
    const auto &fields = fieldDefinitions();
    for (qsizetype r = 0; r < addresses.size(); ++r) {
        const ContactAddress &a = addresses.at(r);
        const NumberText type(a.typeId);
        const NumberText country(a.country);
        const NumberText state(a.stateId);
        const QStringView values[] = { a.addressId, a.vendorId, type.view(), a.name, a.street1, a.street2, a.city,
            country.view(), state.view(), a.postalCode, a.phone, a.fax, a.email, a.phone2, a.cell, a.changeFlag };
        // Without a flag the record stops at fifteen values, so IsUpdated
        // stays null, exactly as a record the host never changed.
        const int count = a.changeFlag.isEmpty() ? FieldCount - 1 : FieldCount;
        for (int f = 0; f < count; ++f) {
            const FieldDefinition &field = fields.at(std::size_t(f));
            checkStorable(values[f], [&] {
                return u"Contact address %1 (AddressID %2), field %3"_s.arg(r + 1).arg(
                    quoted(printable(a.addressId)), field.name.toString());
            });
            if (!field.isInteger && values[f].size() > field.size)
                throw refusal(u"Contact address %1 (AddressID %2), field %3: %4 is longer than the %5 characters "
                              u"the field holds."_s.arg(r + 1)
                                  .arg(quoted(a.addressId), field.name.toString(), quoted(values[f]))
                                  .arg(field.size),
                    Error::Code::ValueTooLong);
            writer.value(values[f]);
        }
        readsBack = writer.endRecord() && readsBack;
    }
    readsBack = writer.endTable(false) && readsBack;
    for (const ContactType &type : types) {
        checkStorable(type.name, [&] { return u"Contact type id %1, field name"_s.arg(type.id); });
        writer.value(NumberText(type.id).view());
        writer.value(type.name);
        readsBack = writer.endRecord() && readsBack;
    }
    readsBack = writer.endTable(false) && readsBack;
    for (const ContactState &state : states) {
        // Plain members, not a structured binding: C++17 lambdas cannot
        // capture a binding (clang refuses it, g++ lets it pass).
        for (const auto &field : { std::pair { &state.code, u"code" }, std::pair { &state.name, u"name" } })
            checkStorable(*field.first, [&] { return u"State id %1, field %2"_s.arg(state.id).arg(field.second); });
        writer.value(NumberText(state.id).view());
        writer.value(NumberText(state.country).view());
        writer.value(state.code);
        writer.value(state.name);
        readsBack = writer.endRecord() && readsBack;
    }
    readsBack = writer.endTable(true) && readsBack;
    if (!readsBack)
        explainRefusal(addresses, types, states, separators);
    QString text = writer.take();
    // The control ignores a text of spaces only.
    if (text.count(u' ') == text.size())
        throw refusal(u"The load text would consist of spaces only, which the control ignores."_s);
    return text;
}

QList<ContactAddress> parseExport(const QString &exportText, const ExchangeSeparators &separators)
{
    if (exportText.isEmpty())
        return {};
    if (separators.field.isEmpty() || separators.record.isEmpty())
        throw refusal(u"The field and record separators must not be empty."_s);
    QList<QStringView> entries = splitBySeparator(exportText, separators.record);
    if (!entries.constLast().isEmpty())
        throw refusal(u"Entry %1 of the export does not end with the record separator %2."_s.arg(entries.size())
                          .arg(quoted(separators.record)));
    entries.removeLast();

    QList<ContactAddress> addresses;
    addresses.reserve(entries.size());
    for (qsizetype e = 0; e < entries.size(); ++e) {
        const QList<QStringView> values = splitBySeparator(entries.at(e), separators.field);
        if (values.size() != ExportedValues)
            throw refusal(u"Entry %1 of the export holds %2 values; an entry has 15 (a value may hold the field "
                          u"separator %3)."_s.arg(e + 1)
                              .arg(values.size())
                              .arg(quoted(separators.field)));
        for (int field = 0; field < ExportedValues; ++field)
            checkStorable(values.at(field), [&] {
                return u"Entry %1 of the export (AddressID %2), field %3"_s.arg(e + 1).arg(
                    quoted(printable(values.at(AddressID))), fieldDefinitions().at(std::size_t(field)).name.toString());
            });
        auto wholeNumber = [&](int field, bool emptyAllowed) -> std::optional<qint16> {
            const QStringView text = values.at(field);
            if (emptyAllowed && text.isEmpty())
                return std::nullopt;
            const auto value = parseWholeNumber16(text);
            if (!value)
                throw refusal(u"Entry %1 of the export (AddressID %2), field %3: %4 is not a whole number from "
                              u"-32768 to 32767."_s.arg(e + 1)
                                  .arg(quoted(values.at(AddressID)),
                                      fieldDefinitions().at(std::size_t(field)).name.toString(), quoted(text)),
                    Error::Code::NotAWholeNumber);
            return value;
        };
        ContactAddress address;
        address.addressId = values.at(AddressID).toString();
        address.vendorId = values.at(ObjectID).toString();
        address.typeId = *wholeNumber(Type, false);
        address.name = values.at(Name).toString();
        address.street1 = values.at(Street1).toString();
        address.street2 = values.at(Street2).toString();
        address.city = values.at(City).toString();
        address.country = wholeNumber(Country, true);
        address.stateId = wholeNumber(State, true);
        address.postalCode = values.at(PostalCode).toString();
        address.phone = values.at(Phone).toString();
        address.fax = values.at(FAX).toString();
        address.email = values.at(Email).toString();
        address.phone2 = values.at(Phone2).toString();
        address.cell = values.at(Phone3).toString();
        addresses.append(std::move(address));
    }
    return addresses;
}

} // namespace ZebVendorContact
