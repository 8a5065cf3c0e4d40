// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QHash>
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

/*!
 * FindTextByID over one table for many ids: the table is read once, then
 * each find() answers as FindTextByID(table, id, searchColumn, resultColumn)
 * would, by a hash lookup instead of a scan. A rebuild of the address list
 * looks up the state of every address in it.
 *
 * Holds its own (shared) copies of the texts: the table may change or go
 * afterwards, the index keeps answering for the table as it was.
 */
class TextByIdIndex
{
public:
    TextByIdIndex(const LookupTable &table, qint16 searchColumn, qint16 resultColumn);

    /// Empty for an id that no row has (or whose winning row has no result
    /// column). The view stays valid while the index lives.
    QStringView find(qint16 id) const;
    /// The same text as a shared copy (no characters copied).
    QString findText(qint16 id) const { return m_texts.value(id); }

private:
    QHash<qint16, QString> m_texts;
};

} // namespace ZebVendorContact
