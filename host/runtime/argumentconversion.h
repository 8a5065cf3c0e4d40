// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Conversion of a dispatch caller's QVariant arguments to the member's own
// types, before the member runs. The accepted kinds are listed with
// ZvcControl in <ZebVendorContact/componentruntime.h>.

#include <QtCore/QString>
#include <QtCore/QVariant>

namespace ZebVendorContact::Runtime {

enum class Conversion {
    Converted,
    Mismatch, // the kind cannot become the wanted type, or the text does not read as it
    Overflow, // a number outside the signed 32-bit range
};

Conversion toText(const QVariant &value, QString *text);
Conversion toInt32(const QVariant &value, qint32 *number);
Conversion toBoolean(const QVariant &value, bool *flag);

} // namespace ZebVendorContact::Runtime
