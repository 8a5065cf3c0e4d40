// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The address columns, described once. Everything that names, sizes, reads,
// writes or checks an address value goes through this table: the SQL of
// both engines, the direct SQLite reader, the value checks of a save, the
// conflict dialog and the Developer panel's tables. A column added here is
// added everywhere.

#include <ZebVendorContact/contactexchange.h>

#include <fieldtable.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

#include <array>
#include <optional>

namespace VendorContactHost {

/// One column of the addresses table after the id and the vendor id.
struct AddressColumn
{
    /// How the value travels: the contact type (a whole number the address
    /// must have), a number that may be empty (country, state), or text.
    enum class Kind { Type, OptionalNumber, Text };

    const char16_t *name; //!< the SQL column
    Kind kind;
    ZebVendorContact::ContactField field; //!< its position in the exchange text (and the library's field table)
    const char16_t *constraint; //!< what CREATE TABLE adds after the type
    const char *label; //!< for people (conflict dialog), untranslated, context "VendorChanges"
    QString ZebVendorContact::ContactAddress::*text; //!< Kind::Text
    std::optional<qint16> ZebVendorContact::ContactAddress::*number; //!< Kind::OptionalNumber

    bool isText() const { return kind == Kind::Text; }
    /// The most UTF-16 code units a text value holds, from the library's field table.
    constexpr int size() const { return ZebVendorContact::FieldDefinitions[field].size; }
    /// The SQL type the value travels as (PostgreSQL's array casts).
    const char16_t *sqlType() const { return isText() ? u"text" : u"smallint"; }
    /// The column's type in CREATE TABLE: text columns sized as the field.
    QString declaredType() const
    {
        return isText() ? QStringLiteral("VARCHAR(%1)").arg(size()) : QStringLiteral("SMALLINT");
    }
};

namespace AddressColumnTable {
using A = ZebVendorContact::ContactAddress;
using K = AddressColumn::Kind;
namespace F = ZebVendorContact;
// Text columns may hold NULL (data from elsewhere); the host refuses to show
// such a row rather than turn NULL into empty text behind the user's back.
inline constexpr std::array<AddressColumn, 13> Columns { {
    { u"type_id", K::Type, F::Type, u" NOT NULL REFERENCES contact_types(id)",
        QT_TRANSLATE_NOOP("VendorChanges", "Type"), nullptr, nullptr },
    { u"name", K::Text, F::Name, u"", QT_TRANSLATE_NOOP("VendorChanges", "Name"), &A::name, nullptr },
    { u"street1", K::Text, F::Street1, u"", QT_TRANSLATE_NOOP("VendorChanges", "Street 1"), &A::street1, nullptr },
    { u"street2", K::Text, F::Street2, u"", QT_TRANSLATE_NOOP("VendorChanges", "Street 2"), &A::street2, nullptr },
    { u"city", K::Text, F::City, u"", QT_TRANSLATE_NOOP("VendorChanges", "City"), &A::city, nullptr },
    { u"country", K::OptionalNumber, F::Country, u"", QT_TRANSLATE_NOOP("VendorChanges", "Country"), nullptr,
        &A::country },
    { u"state_id", K::OptionalNumber, F::State, u" REFERENCES states(id)", QT_TRANSLATE_NOOP("VendorChanges", "State"),
        nullptr, &A::stateId },
    { u"postal_code", K::Text, F::PostalCode, u"", QT_TRANSLATE_NOOP("VendorChanges", "Postal code"), &A::postalCode,
        nullptr },
    { u"phone", K::Text, F::Phone, u"", QT_TRANSLATE_NOOP("VendorChanges", "Phone"), &A::phone, nullptr },
    { u"fax", K::Text, F::FAX, u"", QT_TRANSLATE_NOOP("VendorChanges", "Fax"), &A::fax, nullptr },
    { u"email", K::Text, F::Email, u"", QT_TRANSLATE_NOOP("VendorChanges", "Email"), &A::email, nullptr },
    { u"phone2", K::Text, F::Phone2, u"", QT_TRANSLATE_NOOP("VendorChanges", "Phone 2"), &A::phone2, nullptr },
    { u"cell", K::Text, F::Phone3, u"", QT_TRANSLATE_NOOP("VendorChanges", "Cell"), &A::cell, nullptr },
} };
} // namespace AddressColumnTable

/// The address columns after the id and the vendor id, in exchange order.
inline constexpr const std::array<AddressColumn, 13> &AddressColumns = AddressColumnTable::Columns;

/// "type_id, name, ..., cell": the columns in order, for SELECT and INSERT.
QString addressColumnList();

/// The value of `column` in `address` as a statement binds it: an empty
/// number as a typed NULL, text never as NULL (the control's empty text is
/// empty text in the database).
QVariant sqlValue(const AddressColumn &column, const ZebVendorContact::ContactAddress &address);

/// The value of `column` in `address` as the exchange text writes it
/// (numbers as digits, an empty number as nothing).
QString exchangeValue(const AddressColumn &column, const ZebVendorContact::ContactAddress &address);

/// The fifteen exported values of `address`, in export order: its id, its
/// vendor's, then every column.
QStringList exchangeValues(const ZebVendorContact::ContactAddress &address);

/// A stored text value's bytes as text; `valid` false when they are no
/// UTF-8 (a stray or missing continuation byte, an encoded surrogate). Every
/// read route refuses such a value: shown as whatever decoding makes of it,
/// a save of another field of the address would write that back instead.
QString decodedUtf8(QByteArrayView bytes, bool *valid);

} // namespace VendorContactHost
