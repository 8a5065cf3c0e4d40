// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "numbers.h"

#include <limits>

namespace ZebVendorContact {

namespace {

// Parses the strict form (optional '-', then ASCII digits only) into a value
// within [min, max]. Leading zeros may be arbitrarily many, so the digits are
// accumulated with an early stop rather than by length.
std::optional<qint64> parseWholeNumber(QStringView text, qint64 min, qint64 max)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.front() == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return std::nullopt;

    const qint64 limit = negative ? -min : max;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<qint16> parseWholeNumber16(QStringView text)
{
    const auto value = parseWholeNumber(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    if (!value)
        return std::nullopt;
    return static_cast<qint16>(*value);
}

std::optional<qint32> parseWholeNumber32(QStringView text)
{
    const auto value = parseWholeNumber(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    if (!value)
        return std::nullopt;
    return static_cast<qint32>(*value);
}

} // namespace ZebVendorContact
