#pragma once

#include "contactdata.h"

#include <QtCore/QList>
#include <QtCore/QStringView>

namespace ZebVendorContact {

/*!
 * The split rule of the exchange format: scanning from the left, every whole,
 * exact occurrence of `separator` ends a piece (no overlaps); n occurrences
 * give n + 1 pieces, empty ones included. An empty text gives no pieces; an
 * empty separator never matches. The views point into `text`.
 */
QList<QStringView> splitBySeparator(QStringView text, QStringView separator);

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
    const QString &recordSeparator, const QString &tableSeparator);

/*!
 * The export: every record whose IsUpdated is neither null nor empty, in store
 * order, as its first fifteen values joined by the field separator and ended
 * by the record separator. Empty text while editing is not allowed, for an
 * empty store, and before any data was ever loaded. Other failures (none are
 * expected) throw Error. Leaves the store's position at the end.
 */
QString exportContactData(ContactData &data);

} // namespace ZebVendorContact
