// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "error.h"
#include "zebvendorcontact_export.h"

#include <QtCore/QList>
#include <QtCore/QString>

#include <optional>

/*!
 * \file contactexchange.h
 *
 * The host's side of the control's text exchange, both ways, so no host has
 * to write it by hand: typed records in, the text for
 * VendorContact::LetContactAddress() out; the text of
 * VendorContact::GetContactAddress() in, typed records out. Qt Core only.
 *
 * \code
 * using namespace ZebVendorContact;
 * const ExchangeSeparators separators; // "|", "~", "^"
 * const QString text = buildLoadText(addressesFromDatabase, types, states, separators); // throws Error
 * contacts->LetContactAddress(text, separators.field, separators.record, separators.table);
 * ...
 * for (const ContactAddress &address : parseExport(contacts->GetContactAddress(), separators)) {
 *     if (address.isAddedInPanel())
 *         insertRow(address);   // the database gives it its id
 *     else
 *         updateRow(address);   // address.addressId is the id the host loaded
 * }
 * \endcode
 */

namespace ZebVendorContact {

/// The three separators of a load; the export uses the field and record ones.
struct ZEBVENDORCONTACT_EXPORT ExchangeSeparators
{
    QString field = QStringLiteral("|"); //!< between the values of a record
    QString record = QStringLiteral("~"); //!< after every record
    QString table = QStringLiteral("^"); //!< between the load's three tables
};

/// One contact address, as the control loads and exports it.
struct ZEBVENDORCONTACT_EXPORT ContactAddress
{
    QString addressId; //!< the host's id (decimal digits), or the panel's "000-N" for a new address
    QString vendorId; //!< the owning vendor's id as text
    qint16 typeId = 0; //!< a ContactType::id
    QString name; //!< up to 60 characters
    QString street1; //!< up to 30 characters, as every field below unless noted
    QString street2; //!< second street line
    QString city; //!< city
    std::optional<qint16> country; //!< 0 other countries, 1 USA, 2 Canada; none when empty
    std::optional<qint16> stateId; //!< a ContactState::id; none when empty
    QString postalCode; //!< postal or ZIP code
    QString phone; //!< phone number
    QString fax; //!< fax number
    QString email; //!< up to 50 characters
    QString phone2; //!< second phone number
    QString cell; //!< mobile phone number (the export's Phone3)
    /// Load only: any one character ("S" and "N" are the panel's own) makes
    /// the address count as changed from the start; empty for an unchanged
    /// address. The export never carries it.
    QString changeFlag;

    /// True for an address the user added in the panel: its id is not a plain
    /// decimal number, so the host has no row for it yet.
    bool isAddedInPanel() const;

    /// True when every field, the change flag included, is equal.
    bool operator==(const ContactAddress &other) const;
    /// True when any field differs.
    bool operator!=(const ContactAddress &other) const { return !(*this == other); }
};

/// One contact type of the type picker.
struct ZEBVENDORCONTACT_EXPORT ContactType
{
    qint16 id = 0; //!< the id addresses refer to in ContactAddress::typeId
    QString name; //!< the name shown in the type picker
};

/// One state of the state picker; `country` is the country's position as in
/// ContactAddress::country.
struct ZEBVENDORCONTACT_EXPORT ContactState
{
    qint16 id = 0; //!< the id addresses refer to in ContactAddress::stateId
    qint16 country = 0; //!< 0 other countries, 1 USA, 2 Canada
    QString code; //!< the abbreviation, such as "IL"
    QString name; //!< the name shown in the state picker
};

/*!
 * The load text for VendorContact::LetContactAddress(). Throws Error naming
 * the record and the field when a value would not read back exactly as
 * written under the load's split rule, because it holds a separator or runs
 * into one with its neighbour (SeparatorClash), or is longer than its field
 * holds (ValueTooLong); when a table holds more than 32,767 records
 * (Overflow); when there is no type or no state, which the load needs, a
 * separator is empty, or a value holds U+0000 or half of a surrogate pair,
 * which no database keeps as written (InvalidArgument). It refuses as well
 * (InvalidArgument, naming the record and the field) an address the control
 * would take but the panel could never serve: a type id that no type has (or
 * whose name an earlier type already has), a country other than 0, 1 and 2,
 * a country without any state in `states` (a save needs a state, for country
 * 0, "Others", too), or a state id that its country does not have. Nothing
 * is returned then: a host never hands the control a text that loads
 * otherwise than it meant.
 */
ZEBVENDORCONTACT_EXPORT QString buildLoadText(const QList<ContactAddress> &addresses, const QList<ContactType> &types,
    const QList<ContactState> &states, const ExchangeSeparators &separators = ExchangeSeparators());

/*!
 * The addresses of an export of VendorContact::GetContactAddress(), in
 * export order. Every entry must hold exactly fifteen values and end with the
 * record separator; the type must be a whole number, country and state whole
 * numbers or empty; no value may hold U+0000 or half of a surrogate pair,
 * which no database keeps as written. Throws Error naming the entry (and the
 * field) otherwise (InvalidArgument, or NotAWholeNumber for a number field).
 * The empty text gives no addresses.
 */
ZEBVENDORCONTACT_EXPORT QList<ContactAddress> parseExport(
    const QString &exportText, const ExchangeSeparators &separators = ExchangeSeparators());

} // namespace ZebVendorContact
