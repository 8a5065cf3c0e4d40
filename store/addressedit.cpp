// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "addressedit.h"

#include <ZebVendorContact/error.h>

namespace ZebVendorContact {

namespace {

const QString NewFlag = QStringLiteral("N");
const QString SavedFlag = QStringLiteral("S");

void checkFits(int field, QStringView text)
{
    const FieldDefinition &definition = fieldDefinitions().at(field);
    if (text.size() > definition.size) {
        throw Error(Error::Code::ValueTooLong,
            QStringLiteral("%1 holds at most %2 characters").arg(definition.name).arg(definition.size));
    }
}

void checkFits(const AddressTexts &address)
{
    for (int field = AddressTexts::FirstField; field < AddressTexts::FirstField + AddressTexts::Count; ++field)
        checkFits(field, address[field]);
}

void writeAddressFields(ContactStore &store, const AddressTexts &address)
{
    for (int field = AddressTexts::FirstField; field < AddressTexts::FirstField + AddressTexts::Count; ++field)
        store.writeText(field, address[field]);
}

bool findFromFirst(ContactStore &store, QStringView addressId)
{
    store.moveFirst();
    store.findAddress(addressId);
    return !store.atEnd();
}

} // namespace

void appendNewAddress(
    ContactStore &store, const QString &addressId, qint32 vendorId, qint16 type, const AddressTexts &address)
{
    const QString vendorText = QString::number(vendorId);
    checkFits(AddressID, addressId);
    checkFits(ObjectID, vendorText);
    checkFits(address);

    store.append();
    store.writeText(AddressID, addressId);
    store.writeText(ObjectID, vendorText);
    store.write(Type, QVariant(int(type)));
    store.writeText(IsUpdated, NewFlag);
    writeAddressFields(store, address);
}

bool updateAddress(ContactStore &store, QStringView addressId, const AddressTexts &address)
{
    checkFits(address);
    if (!findFromFirst(store, addressId))
        return false;
    store.writeText(IsUpdated, SavedFlag);
    writeAddressFields(store, address);
    return true;
}

bool deleteAddress(ContactStore &store, QStringView addressId)
{
    if (!findFromFirst(store, addressId))
        return false;
    store.deleteCurrent();
    return true;
}

} // namespace ZebVendorContact
