#pragma once

#include <QtCore/QList>
#include <QtCore/QStringList>

namespace ZebVendorContact {

/// A lookup table (contact types or states): rows of text columns, exactly as
/// the load split them. Rows are not validated; a row may have no columns.
using LookupRow = QStringList;
using LookupTable = QList<LookupRow>;

/*!
 * First row whose `searchColumn` equals `text` (letter case significant) wins;
 * its `resultColumn` read as a whole number is returned. 0 when no row
 * matches; rows too short to have the search column are passed over.
 *
 * A winning row whose result column is missing or is not a whole number in
 * the 16-bit range is a fault in the host's table: Error(NotAWholeNumber).
 */
qint16 FindIDByText(const LookupTable &table, QStringView text, qint16 searchColumn, qint16 resultColumn);

/*!
 * First row whose `searchColumn`, read as a whole number, equals `id` wins;
 * its `resultColumn` is returned. Search fields that are not whole numbers
 * never match. Empty text when no row matches (or the winning row has no
 * result column).
 */
QString FindTextByID(const LookupTable &table, qint16 id, qint16 searchColumn, qint16 resultColumn);

} // namespace ZebVendorContact
