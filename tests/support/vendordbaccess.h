// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The suites' own SQL runs on the connection of the database under test:
// inside its transactions, as the host's code would see it.

#include "vendordbsql.h"

namespace VendorContactHost {

struct SqlVendorDatabaseAccess
{
    static QSqlDatabase connection(const VendorDatabase &database)
    {
        return dynamic_cast<const SqlVendorDatabase &>(database).connection();
    }
};

inline QSqlDatabase connectionOf(const VendorDatabase &database)
{
    return SqlVendorDatabaseAccess::connection(database);
}

} // namespace VendorContactHost
