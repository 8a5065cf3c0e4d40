// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "lookups.h"

#include "numbers.h"

#include <ZebVendorContact/error.h>

namespace ZebVendorContact {

using namespace Qt::Literals::StringLiterals;

namespace {

// The field of `row` at `column`, or nullptr when the row is too short (or
// the column negative).
const QString *fieldAt(const LookupRow &row, qint16 column)
{
    if (column < 0 || column >= row.size())
        return nullptr;
    return &row[column];
}

} // namespace

qint16 FindIDByText(const LookupTable &table, QStringView text, qint16 searchColumn, qint16 resultColumn)
{
    for (const LookupRow &row : table) {
        const QString *field = fieldAt(row, searchColumn);
        if (!field || QStringView(*field) != text)
            continue;
        const QString *result = fieldAt(row, resultColumn);
        const auto id = result ? parseWholeNumber16(*result) : std::nullopt;
        if (!id) {
            throw Error(Error::Code::NotAWholeNumber,
                u"The id of \"%1\" in the lookup table is not a whole number."_s.arg(text));
        }
        return *id;
    }
    return 0;
}

QString FindTextByID(const LookupTable &table, qint16 id, qint16 searchColumn, qint16 resultColumn)
{
    for (const LookupRow &row : table) {
        const QString *field = fieldAt(row, searchColumn);
        if (!field)
            continue;
        const auto rowId = parseWholeNumber16(*field);
        if (!rowId || *rowId != id)
            continue;
        const QString *result = fieldAt(row, resultColumn);
        return result ? *result : QString();
    }
    return QString();
}

TextByIdIndex::TextByIdIndex(const LookupTable &table, qint16 searchColumn, qint16 resultColumn)
{
    for (const LookupRow &row : table) {
        const QString *field = fieldAt(row, searchColumn);
        const auto rowId = field ? parseWholeNumber16(*field) : std::nullopt;
        // The first row with an id wins, even when it lacks the result column.
        if (!rowId || m_texts.contains(*rowId))
            continue;
        const QString *result = fieldAt(row, resultColumn);
        m_texts.insert(*rowId, result ? *result : QString());
    }
}

QStringView TextByIdIndex::find(qint16 id) const
{
    const auto found = m_texts.constFind(id);
    return found == m_texts.cend() ? QStringView() : QStringView(*found);
}

} // namespace ZebVendorContact
