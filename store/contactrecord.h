// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "fieldtable.h"

#include <QtCore/QString>
#include <QtCore/QStringView>

#include <array>

namespace ZebVendorContact {

/// The sixteen field definitions in record order (FieldDefinitions).
const std::array<FieldDefinition, FieldCount> &fieldDefinitions();

/// Position of the field called `name`, letter case ignored; -1 when no field
/// has that name.
int fieldPosition(QStringView name);

/*!
 * One contact record, stored compactly.
 *
 * All text fields share one buffer (with end offsets) instead of fifteen
 * separately allocated strings: a vendor may have 32,767 addresses and the
 * per-string overhead would otherwise dwarf the text itself. A loaded record
 * goes further and points into the load text itself (viewTexts()), so the
 * load copies no field at all; the first change gives it a buffer of its
 * own. Copies of a record (the list's rows) share its buffer. Null is
 * tracked per field, apart from the empty text.
 *
 * The record does no validation; ContactStore applies the size and kind
 * rules before it writes.
 */
class ContactRecord
{
public:
    ContactRecord();

    bool isNull(int field) const { return (m_nullMask >> field) & 1u; }
    /// Text of a text field; an empty view for null (and for `Type`). Inline:
    /// the list rebuild and the export read every field of every record.
    QStringView text(int field) const
    {
        if (field < 0 || field >= FieldCount || isNull(field))
            return {};
        const qsizetype from = start(field);
        const qsizetype length = m_end[std::size_t(field)] - from;
        if (length == 0 || field == Type)
            return QStringView(u"", 0); // empty, but not null
        return QStringView(m_buffer.constData() + m_base + from, length);
    }
    /// Value of `Type`; 0 while null.
    qint16 type() const { return m_type; }
    /// hashAddressId() of AddressID, kept with every change of it (0 while
    /// null): a search by id passes over the records whose hash differs
    /// without reading their text, which lives elsewhere in memory.
    quint32 addressIdHash() const { return m_addressIdHash; }
    static quint32 hashAddressId(QStringView id);

    void setText(int field, QStringView text);
    void setType(qint16 value);
    void setNull(int field);

    /// Reserves room for `size` code units of text in all, so a record filled
    /// in field order (the load) allocates once and exactly.
    void reserve(qsizetype size);

    /// Sets the text fields among the first `count` fields to `values` at the
    /// same positions, all at once: one allocation, one copy per value. For a
    /// record whose fields are all null (a new one); `Type` is left to
    /// setType(), its value in `values` is not read.
    void fillTexts(const QStringView *values, int count);

    /// Makes the first `count` fields of a new record (all fields null) the
    /// values at the same positions, without copying them: the record keeps a
    /// shared copy of `source` and points into it. The values are pieces of
    /// `source`, one after the other, each `gap` code units after the one
    /// before (the field separator); `Type` is left to setType(). Returns
    /// false, changing nothing, when the record cannot point that far (its
    /// text spans more than 65,535 code units); fillTexts() copies then.
    bool viewTexts(const QString &source, const QStringView *values, int count, qsizetype gap);

    /// Bytes this record holds on the heap beyond sizeof(ContactRecord); for
    /// a record that points into a shared source, the bytes of its span.
    qsizetype heapBytes() const;

private:
    qsizetype start(int field) const { return field == 0 ? 0 : m_end[field - 1] + m_gap; }

    void rehashAddressId();
    /// Gives a record that points into a shared source a compact buffer of
    /// its own, before a change.
    void detachFromSource();

    // The text fields, one after the other from m_base, m_gap code units
    // apart; m_end holds where each ends, counted from m_base. A record of
    // its own has m_base and m_gap 0 and no text for Type; one that points
    // into the load text (m_source) has the Type's text and the separators
    // in between.
    QString m_buffer;
    qsizetype m_base = 0;
    std::array<quint16, FieldCount> m_end {};
    quint16 m_gap = 0;
    bool m_source = false;
    quint16 m_nullMask = 0xFFFF;
    qint16 m_type = 0;
    quint32 m_addressIdHash = 0;
};

} // namespace ZebVendorContact
