// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtSql/QSqlDatabase>

namespace ScaleBench {

/*!
 * Adds `vendors` generated vendors (ids from `firstId`) with 10 to 30
 * addresses each, 20 on average, to an address book that has the sample's
 * contact types and states. The database generates the rows itself (two
 * statements), so two million addresses take seconds, not minutes. Names
 * and cities are built from word lists, many with accents. Throws
 * std::runtime_error on failure.
 */
void addGeneratedVendors(const QSqlDatabase &db, bool postgres, int vendors, int firstId);

} // namespace ScaleBench
