// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Host-side handling of the exchange text: what a host needs to prepare a
// load and to read an export back, without the control's own code.

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace VendorContactHost {

// The separators are the library's: "|", "~" and "^" unless told otherwise.
using ZebVendorContact::ExchangeSeparators;

/// The fifteen exported fields, in export order (the library's names).
QStringList exportFieldNames();

/// A value no database keeps as it is, and where it is.
struct UnstorableValue
{
    ZebVendorContact::ContactAddress address;
    QString field; //!< as the export names it
    QString what; //!< what it holds, for people
};

/*!
 * The first value of `addresses` that no database would keep as written,
 * checked as the library's exchange check does: a NUL cuts the statement
 * Qt's PostgreSQL driver builds (and SQLite keeps only the text before it),
 * a lone surrogate has no UTF-8 form and would be stored as U+FFFD.
 */
std::optional<UnstorableValue> findUnstorable(const QList<ZebVendorContact::ContactAddress> &addresses);

/// Cuts `text` at every whole occurrence of `separator`, left to right, the
/// way the control does: an empty text gives no pieces, an empty separator
/// never matches.
QStringList splitAt(const QString &text, const QString &separator);

/// The records of an export (or of one table of a load): the text cut at the
/// record separator, the piece after the last separator dropped, each record
/// cut at the field separator.
QList<QStringList> splitRecords(const QString &text, const ExchangeSeparators &separators);

/// Files and the load editor keep one record per line for reading. These two
/// convert between that form and the text the control receives: a line break
/// directly after a record or table separator is layout only. When a
/// separator itself holds a line break the text is left as it is.
QString toReadable(const QString &loadText, const ExchangeSeparators &separators);
QString fromReadable(const QString &readable, const ExchangeSeparators &separators);

/// A text for the call log: quoted, control characters escaped, and cut to
/// about `maxLength` characters with its full length noted when longer.
QString abbreviated(const QString &text, int maxLength = 40);

/// The sample vendor shipped with the application, as load text.
QString sampleVendorText();

/// The largest load file read: 256 MB, far above the largest text the
/// control can take in whole (three tables of 32,767 records).
constexpr qint64 MaxLoadFileBytes = 256LL * 1024 * 1024;

/// Reads a load text from a file (UTF-8, readable form accepted). Nothing,
/// with `errorMessage` set, when the file cannot be read, is not a regular
/// file or is larger than MaxLoadFileBytes.
std::optional<QString> readLoadFile(
    const QString &fileName, const ExchangeSeparators &separators, QString *errorMessage);

} // namespace VendorContactHost
