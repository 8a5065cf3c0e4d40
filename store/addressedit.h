// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "contactstore.h"

#include <QtCore/QString>

#include <array>

namespace ZebVendorContact {

/*!
 * The twelve fields a save writes for every address, `Name` to `Phone3` in
 * record order, as text: Name, Street1, Street2, City, Country (the country
 * code as decimal text), State (the state id as decimal text), PostalCode,
 * Phone, FAX, Email, Phone2, Phone3.
 */
struct AddressTexts
{
    static constexpr int FirstField = Name;
    static constexpr int Count = Phone3 - Name + 1;

    std::array<QString, Count> texts;

    QString &operator[](int field) { return texts.at(field - FirstField); }
    const QString &operator[](int field) const { return texts.at(field - FirstField); }
};

/*!
 * Appends the record of an address added in the panel: its id, the vendor id
 * as decimal text, the type id, the twelve address fields and the change flag
 * "N". The new record is current afterwards.
 *
 * All or nothing: every value is checked against its field before the record
 * is appended, so a rejected value (Error, ValueTooLong) leaves the store
 * without a half-written record that the export would hand to the host.
 */
void appendNewAddress(
    ContactStore &store, const QString &addressId, qint32 vendorId, qint16 type, const AddressTexts &address);

/*!
 * Saves over the first record, counting from the first, whose AddressID is
 * `addressId`: sets its change flag to "S" and writes the twelve address
 * fields; AddressID, ObjectID and Type stay. Returns false, changing nothing,
 * when no record carries that id. All or nothing, as appendNewAddress().
 */
bool updateAddress(ContactStore &store, QStringView addressId, const AddressTexts &address);

/*!
 * Deletes the first record, counting from the first, whose AddressID is
 * `addressId`. Returns false, changing nothing, when there is none.
 */
bool deleteAddress(ContactStore &store, QStringView addressId);

} // namespace ZebVendorContact
