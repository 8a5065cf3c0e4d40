// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Host-side handling of the exchange text: what a host needs to prepare a
// load and to read an export back, without the control's own code.

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace VendorContactHost {

/// The three separators the demo host uses unless told otherwise.
struct Separators
{
    QString field = QStringLiteral("|");
    QString record = QStringLiteral("~");
    QString table = QStringLiteral("^");
};

/// The fifteen exported fields, in export order.
QStringList exportFieldNames();

/// Cuts `text` at every whole occurrence of `separator`, left to right, the
/// way the control does: an empty text gives no pieces, an empty separator
/// never matches.
QStringList splitAt(const QString &text, const QString &separator);

/// The records of an export (or of one table of a load): the text cut at the
/// record separator, the piece after the last separator dropped, each record
/// cut at the field separator.
QList<QStringList> splitRecords(const QString &text, const Separators &separators);

/// Files and the load editor keep one record per line for reading. These two
/// convert between that form and the text the control receives: a line break
/// directly after a record or table separator is layout only. When a
/// separator itself holds a line break the text is left as it is.
QString toReadable(const QString &loadText, const Separators &separators);
QString fromReadable(const QString &readable, const Separators &separators);

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
std::optional<QString> readLoadFile(const QString &fileName, const Separators &separators, QString *errorMessage);

} // namespace VendorContactHost
