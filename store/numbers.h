// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QString>
#include <QtCore/QStringView>

#include <optional>

namespace ZebVendorContact {

/*!
 * What the control accepts as "a whole number" wherever a text must be read
 * as one (the Type field, the id columns of the lookup tables, a stored State,
 * a list row's country code): an optional leading minus sign followed by one
 * or more ASCII digits, and nothing else. No blanks, no plus sign, no decimal
 * point. Leading zeros are allowed ("07" is 7). One rule everywhere, so a
 * value is never a number in one place and text in another.
 *
 * Returns nullopt for anything else and for values outside the 16-bit range.
 */
std::optional<qint16> parseWholeNumber16(QStringView text);

/// Same rule, 32-bit range.
std::optional<qint32> parseWholeNumber32(QStringView text);

} // namespace ZebVendorContact
