// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// What a load took that the panel cannot serve: addresses the list never
// shows or the user can never save as they are. The load takes them all the
// same (a load is taken as far as it is valid); the host hears of them.

#include "exchange.h"
#include "numbers.h"

#include <QtCore/QHash>
#include <QtCore/QSet>

#include <optional>

namespace ZebVendorContact {

namespace {

using namespace Qt::Literals::StringLiterals;

// A record holds as many values as the load wrote: they are written in
// order, so the last field that is not null tells.
int valueCountOf(const ContactRecord &record)
{
    for (int field = FieldCount; field > 0; --field) {
        if (!record.isNull(field - 1))
            return field;
    }
    return 0;
}

// The type ids the type picker can show: a type is chosen by its name, and a
// name stands for the id of the first row that has it.
QSet<qint16> shownTypeIds(const LookupTable &types)
{
    QSet<qint16> names;
    QSet<QString> seen;
    for (const LookupRow &row : types) {
        if (row.size() < 2 || seen.contains(row.at(1)))
            continue;
        seen.insert(row.at(1));
        if (const std::optional<qint16> id = parseWholeNumber16(row.at(0)))
            names.insert(*id);
    }
    return names;
}

// The state ids the state picker offers for each country, 0 to 2: the rows
// whose country column is the country's number and that have a name.
QHash<int, QSet<qint16>> stateIdsByCountry(const LookupTable &states)
{
    QHash<int, QSet<qint16>> byCountry;
    for (int country = 0; country <= 2; ++country)
        byCountry[country];
    for (const LookupRow &row : states) {
        if (row.size() < 4)
            continue;
        for (int country = 0; country <= 2; ++country) {
            if (row.at(1) == QString::number(country)) {
                if (const std::optional<qint16> id = parseWholeNumber16(row.at(0)))
                    byCountry[country].insert(*id);
            }
        }
    }
    return byCountry;
}

// Why the panel cannot serve `record`; empty when it can.
QString reasonOutOfReach(
    const ContactRecord &record, const QSet<qint16> &typeIds, const QHash<int, QSet<qint16>> &stateIds)
{
    const int values = valueCountOf(record);
    if (values == 0)
        return u"is empty, so the list never shows it"_s;
    if (record.isNull(Type) || !typeIds.contains(record.type())) {
        const QString type = record.isNull(Type) ? u"none"_s : QString::number(record.type());
        return u"has the type %1, which no row of the contact type table names, so the list never shows it"_s.arg(type);
    }
    if (values < IsUpdated) {
        return u"holds %1 values; an address has 15 (16 with its change flag), so the host's columns and the "
               u"control's fields do not line up"_s.arg(values);
    }
    const QStringView countryText = record.text(Country);
    if (countryText.isEmpty())
        return {};
    const std::optional<qint16> country = parseWholeNumber16(countryText);
    if (!country || *country < 0 || *country > 2) {
        return u"has the country \"%1\"; the country picker has 0 (Others), 1 (USA) and 2 (Canada), so the "
               u"address cannot be saved as it is"_s.arg(countryText.left(40));
    }
    const QSet<qint16> &countryStates = stateIds.value(*country);
    if (countryStates.isEmpty()) {
        return u"is in country %1, which has no state in the state table; a state is required, so the address "
               u"can never be saved"_s.arg(*country);
    }
    const QStringView stateText = record.text(State);
    if (stateText.isEmpty())
        return {};
    const std::optional<qint16> state = parseWholeNumber16(stateText);
    if (!state || !countryStates.contains(*state)) {
        return u"has the state \"%1\", which the state table does not give country %2, so the address cannot be "
               u"saved as it is"_s.arg(stateText.left(40))
                   .arg(*country);
    }
    return {};
}

} // namespace

QStringList addressesOutOfReach(ContactData &data, int limit)
{
    QStringList lines;
    if (!data.store.isOpen() || !data.types || !data.states)
        return lines;
    const QSet<qint16> typeIds = shownTypeIds(*data.types);
    const QHash<int, QSet<qint16>> stateIds = stateIdsByCountry(*data.states);
    int number = 0;
    int more = 0;
    ContactStore &store = data.store;
    for (store.moveFirst(); !store.atEnd(); store.moveNext()) {
        ++number;
        const ContactRecord &record = store.current();
        const QString reason = reasonOutOfReach(record, typeIds, stateIds);
        if (reason.isEmpty())
            continue;
        if (lines.size() >= limit) {
            ++more;
            continue;
        }
        lines.append(
            u"Contact record %1 (AddressID \"%2\") %3."_s.arg(number).arg(record.text(AddressID).toString(), reason));
    }
    if (more > 0)
        lines.append(u"%1 more addresses the panel cannot serve."_s.arg(more));
    return lines;
}

} // namespace ZebVendorContact
