// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Consistency checks on a live control, shared by the randomized sessions
// (tests/tst_randomsession.cpp) and the panel fuzz harness
// (fuzz/panelcheck.cpp): the list against the store and the export against a
// reading of the store's records through its public operations. They answer
// true or false and never throw or abort: each caller turns a difference into
// its own kind of failure (a collected problem, an aborting check).

#include <QtCore/QString>
#include <QtCore/QVariant>

#include <optional>
#include <vector>

class QLineEdit;

namespace ZebVendorContact {

class ContactData;
class VendorContact;
class ContactListModel;

namespace Consistency {

inline constexpr int TypeField = 2;
inline constexpr int FlagField = 15;

/// A store value as the list and the export show it: null reads as empty.
QString fieldText(const QVariant &value);

/// The export as the exchange rules build it from the store's flagged
/// records; empty while editing is not allowed or the store is closed.
QString expectedExport(ContactData &data, bool editAllowed);

/**
 * Reads the control's export back under the load's own split rule and
 * compares it with the store: one entry per flagged record, in store order,
 * each splitting into the record's fifteen values (null as empty). Where a
 * flagged record's entry would not read back whole, the export must instead
 * have failed with Error(SeparatorClash). Returns what differs, or the empty
 * text.
 */
QString exportProblem(VendorContact &control, ContactData &data, bool editAllowed);

/// The id of the type named in the type picker; 0 before any type table,
/// nullopt when the table does not name it.
std::optional<qint16> typeIdOfName(const ContactData &data, const QString &typeName);

/**
 * Finds the first record of the type, not yet in `used`, that the row shows
 * and marks it used, so that every row needs a record of its own. Moves the
 * store's position.
 */
bool claimRecordOfRow(
    ContactData &data, const ContactListModel &model, int row, std::optional<qint16> typeId, std::vector<bool> &used);

/// Types printable ASCII key by key; anything else arrives as a paste, which
/// passes the same typing limit.
void enterText(QLineEdit *box, const QString &text);

} // namespace Consistency
} // namespace ZebVendorContact
