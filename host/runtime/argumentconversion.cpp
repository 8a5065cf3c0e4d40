// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "argumentconversion.h"

#include <cmath>
#include <limits>

namespace ZebVendorContact::Runtime {

namespace {

enum class Kind { Empty, Boolean, Signed, Unsigned, Real, Text, Other };

Kind kindOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return Kind::Empty;
    case QMetaType::Bool:
        return Kind::Boolean;
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char:
        return Kind::Signed;
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return Kind::Unsigned;
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Real;
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QChar:
        return Kind::Text;
    default:
        return Kind::Other;
    }
}

QString textOf(const QVariant &value)
{
    // QVariant's own conversion decodes a QByteArray as UTF-8.
    return value.toString();
}

Conversion checkedInt32(qint64 wide, qint32 *number)
{
    if (wide < std::numeric_limits<qint32>::min() || wide > std::numeric_limits<qint32>::max()) {
        return Conversion::Overflow;
    }
    *number = static_cast<qint32>(wide);
    return Conversion::Converted;
}

Conversion realToInt32(double real, qint32 *number)
{
    if (std::isnan(real)) {
        return Conversion::Mismatch;
    }
    if (std::isinf(real) || real < std::numeric_limits<qint32>::min() || real > std::numeric_limits<qint32>::max()) {
        return Conversion::Overflow;
    }
    // A fraction would be silently lost: refuse it rather than guess a rounding.
    if (std::trunc(real) != real) {
        return Conversion::Mismatch;
    }
    *number = static_cast<qint32>(real);
    return Conversion::Converted;
}

bool isDecimalInteger(QStringView text)
{
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        text = text.mid(1);
    }
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

Conversion textToInt32(const QString &text, qint32 *number)
{
    const QString trimmed = text.trimmed();
    if (!isDecimalInteger(trimmed)) {
        return Conversion::Mismatch;
    }
    bool ok = false;
    const qlonglong wide = trimmed.toLongLong(&ok, 10);
    // Digits that do not even fit 64 bits are still a number, just too big.
    return ok ? checkedInt32(wide, number) : Conversion::Overflow;
}

} // namespace

Conversion toText(const QVariant &value, QString *text)
{
    switch (kindOf(value)) {
    case Kind::Empty:
        *text = QString();
        return Conversion::Converted;
    case Kind::Boolean:
    case Kind::Signed:
    case Kind::Unsigned:
    case Kind::Real:
    case Kind::Text:
        *text = textOf(value);
        return Conversion::Converted;
    case Kind::Other:
        break;
    }
    return Conversion::Mismatch;
}

Conversion toInt32(const QVariant &value, qint32 *number)
{
    switch (kindOf(value)) {
    case Kind::Empty:
        *number = 0;
        return Conversion::Converted;
    case Kind::Boolean:
        *number = value.toBool() ? 1 : 0;
        return Conversion::Converted;
    case Kind::Signed:
        return checkedInt32(value.toLongLong(), number);
    case Kind::Unsigned: {
        const qulonglong wide = value.toULongLong();
        if (wide > static_cast<qulonglong>(std::numeric_limits<qint32>::max())) {
            return Conversion::Overflow;
        }
        *number = static_cast<qint32>(wide);
        return Conversion::Converted;
    }
    case Kind::Real:
        return realToInt32(value.toDouble(), number);
    case Kind::Text:
        return textToInt32(textOf(value), number);
    case Kind::Other:
        break;
    }
    return Conversion::Mismatch;
}

Conversion toBoolean(const QVariant &value, bool *flag)
{
    switch (kindOf(value)) {
    case Kind::Empty:
        *flag = false;
        return Conversion::Converted;
    case Kind::Boolean:
        *flag = value.toBool();
        return Conversion::Converted;
    case Kind::Signed:
        *flag = value.toLongLong() != 0;
        return Conversion::Converted;
    case Kind::Unsigned:
        *flag = value.toULongLong() != 0;
        return Conversion::Converted;
    case Kind::Real: {
        const double real = value.toDouble();
        if (std::isnan(real)) {
            return Conversion::Mismatch;
        }
        *flag = real != 0.0;
        return Conversion::Converted;
    }
    case Kind::Text: {
        // QVariant's own text-to-bool conversion takes any text but "0" and
        // "false" as true; a host that passes "maybe" gets an error instead.
        const QString text = textOf(value).trimmed();
        if (text.compare(u"true", Qt::CaseInsensitive) == 0) {
            *flag = true;
            return Conversion::Converted;
        }
        if (text.compare(u"false", Qt::CaseInsensitive) == 0) {
            *flag = false;
            return Conversion::Converted;
        }
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok, 10);
        if (!ok) {
            return Conversion::Mismatch;
        }
        *flag = number != 0;
        return Conversion::Converted;
    }
    case Kind::Other:
        break;
    }
    return Conversion::Mismatch;
}

} // namespace ZebVendorContact::Runtime
