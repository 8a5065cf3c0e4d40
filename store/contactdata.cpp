// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "contactdata.h"

#include <ZebVendorContact/error.h>

#include <limits>

namespace ZebVendorContact {

using namespace Qt::Literals::StringLiterals;

namespace {

const LookupTable &presentTable(const std::optional<LookupTable> &table, QStringView name)
{
    if (!table)
        throw Error(Error::Code::TableAbsent, u"The %1 table has not been loaded yet."_s.arg(name));
    return *table;
}

} // namespace

const LookupTable &ContactData::typeTable() const
{
    return presentTable(types, u"type");
}

const LookupTable &ContactData::stateTable() const
{
    return presentTable(states, u"state");
}

QString ContactData::nextAddressID() const
{
    return u"%1-N"_s.arg(int(newAddressCount), 3, 10, QLatin1Char('0'));
}

QString ContactData::NewAddressID()
{
    // The counter is 16-bit: once it holds the largest value, advancing it
    // would overflow, so no id is made and the counter stays where it is.
    if (newAddressCount == std::numeric_limits<qint16>::max())
        throw Error(Error::Code::Overflow, u"No more new addresses can be added."_s);
    const QString id = nextAddressID();
    ++newAddressCount;
    return id;
}

} // namespace ZebVendorContact
