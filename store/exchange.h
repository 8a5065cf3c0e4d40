// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "contactdata.h"

#include <QtCore/QList>
#include <QtCore/QStringView>

#include <array>

namespace ZebVendorContact {

/*!
 * The split rule of the exchange format: scanning from the left, every whole,
 * exact occurrence of `separator` ends a piece (no overlaps); n occurrences
 * give n + 1 pieces, empty ones included. An empty text gives no pieces; an
 * empty separator never matches. The views point into `text`.
 */
QList<QStringView> splitBySeparator(QStringView text, QStringView separator);

/// A separator as a person can read it: control characters and white space
/// by their code (<U+000A>), everything else as it is.
QString readableSeparator(QStringView separator);

/// How far a load got; the control refreshes its pickers only after Complete.
enum class LoadOutcome {
    Blank, //!< the data text was blank: nothing at all changed
    Failed, //!< the load stopped after it had replaced the separators and emptied (or opened) the store
    Complete, //!< store and both tables loaded; the pickers are to be refilled next
};

/*!
 * The load of the host's text into `data` (store, tables, separators). Traps
 * every failure itself: what was done before the failing step stays done and
 * the outcome says Failed. Linear in the size of the text.
 *
 * A lookup table whose own text is rejected (no record separator, or more
 * than 32,767 records) keeps the rows it had before the load, or stays absent
 * if it never had any: a table is replaced only by a table that was accepted
 * whole.
 */
LoadOutcome loadContactData(ContactData &data, const QString &contactData, const QString &fieldSeparator,
    const QString &recordSeparator, const QString &tableSeparator, QString *problem = nullptr);

/*!
 * One line for each address of `data` that the panel never shows (a record
 * without values, or one whose type no row of the type table names) or that
 * the user can never save as it is: fewer than the fifteen values of an
 * address, a country outside 0 to 2, a country without any state (a state is
 * required), or a state its country does not have. Each line names the record
 * by its position and AddressID. At most `limit` lines; a last one counts the
 * rest. Reads the store and both tables; leaves the store's position at the
 * end.
 */
QStringList addressesOutOfReach(ContactData &data, int limit);

/// An entry of the export holds the values of AddressID to Phone3.
inline constexpr int EntryValueCount = IsUpdated;

/// The values of one entry, AddressID to Phone3, as the export writes them.
using EntryValues = std::array<QStringView, EntryValueCount>;

/// The separators an entry is written with and read back by.
struct EntrySeparators
{
    QStringView field;
    QStringView record;
    QStringView table;
};

/// Which separator keeps an entry from reading back as the values it was
/// written from.
enum class EntryClash {
    None, //!< the entry reads back as its fifteen values
    Field, //!< the values come back cut or joined at the field separator
    Record, //!< the record ends too early, or never
    Table, //!< the entry holds the table separator
};

/// The separator `clash` names (empty for EntryClash::None).
QStringView separatorOf(EntryClash clash, const EntrySeparators &separators);

/// The outcome of reading an entry back.
struct EntryCheck
{
    EntryClash clash = EntryClash::None;
    /// The first value (0 for AddressID ... 14 for Phone3) that does not come
    /// back whole; -1 when the separators themselves cannot carry an entry
    /// (an empty field or record separator) or nothing clashed.
    int value = -1;

    explicit operator bool() const { return clash == EntryClash::None; }
};

/*!
 * Builds the entry the export writes for `values` (the values joined by the
 * field separator, the record separator after the last) into `entry`, and
 * reads it back under the load's own split rule: the table separator must
 * not occur, the first record separator must be the one that ends the entry,
 * and the record must split into exactly the fifteen values written. The
 * export never hands out an entry that fails this, and a save refuses an
 * address whose entry would.
 */
EntryCheck buildEntry(const EntryValues &values, const EntrySeparators &separators, QString *entry = nullptr);

/*!
 * The export: every record whose IsUpdated is neither null nor empty, in store
 * order, as its first fifteen values joined by the field separator and ended
 * by the record separator. Empty text while editing is not allowed, for an
 * empty store, and before any data was ever loaded. A flagged record whose
 * entry would not read back as its values (see buildEntry()) makes the whole
 * export fail with Error(SeparatorClash) naming its address id and the
 * separator: the host gets no text rather than text it would misread. Leaves
 * the store's position at the end.
 */
QString exportContactData(ContactData &data);

} // namespace ZebVendorContact
