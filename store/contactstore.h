// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "contactrecord.h"

#include <QtCore/QVariant>

#include <vector>

namespace ZebVendorContact {

/*!
 * The in-memory table of a vendor's contact addresses.
 *
 * Records keep the order in which they were appended. All access goes through
 * one current position shared by every caller, as a record set would: move to
 * the first record, step forward, find by address id, append, delete.
 *
 * Every operation except the constructor, open() and isOpen() throws
 * Error(StoreClosed) while the store is closed. Failed operations leave the
 * store unchanged.
 *
 * Deleting is O(1): a deleted record becomes a hole that moves skip; holes are
 * squeezed out when the position is reset (moveFirst, append), so emptying the
 * store record by record stays linear.
 */
class ContactStore
{
public:
    ContactStore(); // closed, no records

    /// Makes the store open and empty.
    void open();
    bool isOpen() const { return m_open; }
    /// Discards every record; the store is closed.
    void close();

    int recordCount() const;

    void moveFirst();
    /// Throws Error(NoCurrentRecord) when already at the end.
    void moveNext();
    bool atEnd() const;

    /// Adds a record with every field null and makes it current.
    void append();
    /// Appends a whole record at once and makes it current (the load's path).
    void appendRecord(ContactRecord record);
    /// Removes the current record; the position stays on its place until the
    /// next move (atEnd() stays false, reads fail with NoCurrentRecord).
    void deleteCurrent();
    /// From the current record forward, makes current the first record whose
    /// AddressID equals `addressId`; at end if none. The comparison is exact,
    /// letter case included (ids the panel makes end in "-N" and are matched
    /// as made), and a null AddressID matches nothing, not even empty text.
    void findAddress(QStringView addressId);

    /// Null QVariant for null, QString for text fields, int for Type.
    QVariant read(int field) const;
    QVariant read(QStringView fieldName) const;
    /// Converts to the field's kind: numbers become decimal text in text
    /// fields; text written to Type must be a whole number (see
    /// parseWholeNumber16) in the 16-bit range, and a floating-point number
    /// only when it has no fraction (never rounded). An invalid or null
    /// QVariant makes the field null; a QVariant holding a null QString is
    /// empty text (Qt 6 does not call it null). Too long or not convertible:
    /// Error, field unchanged.
    void write(int field, const QVariant &value);
    void write(QStringView fieldName, const QVariant &value);
    /// Same rules as write() with a text value, without the QVariant.
    void writeText(int field, QStringView text);

    /// The rules of writeText() applied to a record outside the store, so a
    /// record can be built completely before it is appended.
    static void writeTextInto(ContactRecord &record, int field, QStringView text);
    /// writeTextInto() of values[0] to values[count - 1] into fields 0 to
    /// count - 1 of a new record, in field order, but with one allocation for
    /// all of them. When a value is rejected, the record holds the values
    /// before it (as writing them one by one would leave it) and the Error is
    /// thrown.
    static void fillNewRecord(ContactRecord &record, const QStringView *values, int count);
    /// The same for values that are pieces of `source`, one after the other,
    /// `gap` code units apart (the load's record text split at its field
    /// separator): the record points into `source` instead of copying them
    /// (see ContactRecord::viewTexts()).
    static void fillNewRecord(
        ContactRecord &record, const QString &source, const QStringView *values, int count, qsizetype gap);

    /// The current record, for fast read-only access. Throws like read().
    const ContactRecord &current() const;

    /// Deletes every record (the outcome of deleting them one by one from the
    /// first); the position is at the end.
    void removeAll();

    /// True when a live record's IsUpdated is neither null nor empty (one the
    /// export would write). Leaves the position alone.
    bool hasFlaggedRecord() const;

    /// Approximate heap bytes held by the records (for memory benchmarks).
    qsizetype heapBytes() const;

private:
    struct Slot
    {
        ContactRecord record;
        bool deleted = false;
    };

    void ensureOpen() const;
    ContactRecord &currentForWrite();
    void squeezeHoles();
    static int checkedField(int field);
    static int checkedField(QStringView fieldName);

    std::vector<Slot> m_slots;
    std::size_t m_position = 0;
    int m_liveCount = 0;
    bool m_open = false;
};

} // namespace ZebVendorContact
