#include <ZebVendorContact/contactexchange.h>

#include "addressid.h"
#include "contactrecord.h"
#include "exchange.h"
#include "numbers.h"

#include <array>
#include <functional>

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

Error refusal(const QString &message)
{
    return Error(Error::Code::InvalidArgument, message);
}

QString quoted(QStringView text)
{
    constexpr qsizetype Shown = 40;
    if (text.size() <= Shown)
        return u'"' + text.toString() + u'"';
    return u'"' + text.left(Shown).toString() + u"\u2026\" (%1 characters)"_s.arg(text.size());
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

void checkSizes(const QList<ContactAddress> &addresses, const QList<QStringList> &records)
{
    const auto &fields = fieldDefinitions();
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QStringList &values = records.at(r);
        for (int f = 0; f < values.size(); ++f) {
            const FieldDefinition &field = fields.at(std::size_t(f));
            if (!field.isInteger && values.at(f).size() > field.size)
                throw refusal(u"Contact address %1 (AddressID %2), field %3: %4 is longer than the %5 characters "
                              u"the field holds."_s.arg(r + 1)
                                  .arg(quoted(addresses.at(r).addressId), field.name.toString(), quoted(values.at(f)))
                                  .arg(field.size));
        }
    }
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
                if (!same || (f == values.size() - 1 && read.size() != values.size()))
                    throw refusal(u"%1, field %2: the value %3 would not read back as written with the separators "
                                  u"%4, %5 and %6 (it holds one of them, or runs into one with the next value)."_s.arg(
                                      table.describeRecord(int(r)), table.fieldNames.at(f), quoted(values.at(f)),
                                      quoted(separators.field), quoted(separators.record), quoted(separators.table)));
            }
        }
        if (pieces.size() != table.records.size() || !tailEmpty || tables.size() != 3)
            throw refusal(u"The %1 would not read back as written with the separators %2, %3 and %4: a separator "
                          u"holds another one."_s.arg(table.recordKind, quoted(separators.field),
                              quoted(separators.record), quoted(separators.table)));
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
            throw refusal(u"A table of the load holds %1 records; the control takes at most 32767."_s.arg(count));
    }

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

    checkSizes(addresses, intended[0].records);
    const QString text = joined(intended[0].records, separators) + separators.table +
        joined(intended[1].records, separators) + separators.table + joined(intended[2].records, separators);
    checkReadsBack(text, intended, separators);
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
        auto wholeNumber = [&](int field, bool emptyAllowed) -> std::optional<qint16> {
            const QStringView text = values.at(field);
            if (emptyAllowed && text.isEmpty())
                return std::nullopt;
            const auto value = parseWholeNumber16(text);
            if (!value)
                throw refusal(u"Entry %1 of the export (AddressID %2), field %3: %4 is not a whole number from "
                              u"-32768 to 32767."_s.arg(e + 1)
                                  .arg(quoted(values.at(AddressID)),
                                      fieldDefinitions().at(std::size_t(field)).name.toString(), quoted(text)));
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
