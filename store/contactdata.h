// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "contactstore.h"
#include "lookups.h"

#include <QtCore/QString>

#include <optional>

namespace ZebVendorContact {

/*!
 * Everything one control instance keeps besides its widgets: the store, the
 * two lookup tables, the separators of the last non-blank load, the counter
 * for new address ids and the host's two settings. Instances share nothing.
 */
class ContactData
{
public:
    ContactStore store;

    /// Absent until the first load that reaches them.
    std::optional<LookupTable> types;
    std::optional<LookupTable> states;

    QString fieldSeparator;
    QString recordSeparator;
    QString tableSeparator;

    qint16 newAddressCount = 0;

    bool editAllowed = false;
    qint32 vendorID = 0;

    /// The type table; Error(TableAbsent) before any load built it.
    const LookupTable &typeTable() const;
    /// The state table; Error(TableAbsent) before any load built it.
    const LookupTable &stateTable() const;

    /// "000-N", "001-N", ...: the counter formatted with at least three
    /// digits and "-N"; advances the counter. Error(Overflow) once the
    /// counter holds 32767 (the counter is then left at 32767).
    QString NewAddressID();
    /// The id NewAddressID() makes next, without advancing the counter.
    QString nextAddressID() const;
};

} // namespace ZebVendorContact
