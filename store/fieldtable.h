// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The contact record's fields: their order, names, kinds and sizes. Header
// only, so a host that keeps addresses elsewhere (the demo host's database)
// sizes its columns from the same table without linking the store.

#include <QtCore/QStringView>

#include <array>

namespace ZebVendorContact {

/// Positions of the sixteen fields of a contact record, in record order.
enum ContactField : int {
    AddressID = 0,
    ObjectID,
    Type,
    Name,
    Street1,
    Street2,
    City,
    Country,
    State,
    PostalCode,
    Phone,
    FAX,
    Email,
    Phone2,
    Phone3,
    IsUpdated,
    FieldCount
};

/// Name, kind and size of one field. `size` is the most UTF-16 code units a
/// text field holds; the integer field (`Type`) has size 0.
struct FieldDefinition
{
    QStringView name;
    bool isInteger;
    int size;
};

/// The sixteen field definitions in record order.
inline constexpr std::array<FieldDefinition, FieldCount> FieldDefinitions { {
    { u"AddressID", false, 15 },
    { u"ObjectID", false, 15 },
    { u"Type", true, 0 },
    { u"Name", false, 60 },
    { u"Street1", false, 30 },
    { u"Street2", false, 30 },
    { u"City", false, 30 },
    { u"Country", false, 30 },
    { u"State", false, 30 },
    { u"PostalCode", false, 30 },
    { u"Phone", false, 30 },
    { u"FAX", false, 30 },
    { u"Email", false, 50 },
    { u"Phone2", false, 30 },
    { u"Phone3", false, 30 },
    { u"IsUpdated", false, 1 },
} };

} // namespace ZebVendorContact
