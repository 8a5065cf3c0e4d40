// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "addressid.h"

namespace ZebVendorContact {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool isPlainNumberId(QStringView addressId)
{
    QStringView rest = addressId;
    const bool negative = rest.startsWith(u'-');
    if (negative)
        rest = rest.mid(1);

    qsizetype wholeDigits = 0;
    while (wholeDigits < rest.size() && isAsciiDigit(rest.at(wholeDigits)))
        ++wholeDigits;
    if (wholeDigits == 0)
        return false;
    // A number never reads back with leading zeros.
    if (wholeDigits > 1 && rest.front() == u'0')
        return false;

    const QStringView whole = rest.first(wholeDigits);
    const QStringView fraction = rest.mid(wholeDigits);
    if (fraction.isEmpty()) {
        // Zero reads back without a sign.
        return !(negative && whole == u"0");
    }

    if (fraction.front() != u'.' || fraction.size() < 2)
        return false;
    for (QChar c : fraction.mid(1)) {
        if (!isAsciiDigit(c))
            return false;
    }
    // Trailing zeros of a fraction do not survive reading back.
    return fraction.back() != u'0';
}

} // namespace ZebVendorContact
