// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendorsession.h"

#include <QtCore/QSet>

#include <functional>
#include <optional>

namespace VendorContactHost {

/// One address that someone else added, changed or deleted since the
/// window read the vendor.
struct AddressChange
{
    enum class Kind { Changed, Deleted, Added };
    Kind kind = Kind::Changed;
    QString addressId; //!< the database's id
    ZebVendorContact::ContactAddress read; //!< as the window read it (Changed, Deleted)
    ZebVendorContact::ContactAddress theirs; //!< as the database has it now (Changed, Added)
    /// The panel's unsaved version of the address, when the user changed it too.
    std::optional<ZebVendorContact::ContactAddress> mine;
    /// The fields that differ between `read` and `theirs` (see addressFields()).
    QList<int> fieldsTheyChanged;

    /// True when the user's unsaved changes and the other side's meet here.
    bool conflicts() const { return mine.has_value() && kind != Kind::Added; }
};

/// The vendor as the database has it now, against the one the window shows.
struct VendorChanges
{
    VendorSnapshot current;
    QList<AddressChange> addresses;
    bool renamed = false;

    bool isEmpty() const { return addresses.isEmpty() && !renamed; }
    QList<AddressChange> conflicts() const;
};

/// What the user decided about the addresses someone else changed.
struct ChangeResolution
{
    enum class Answer {
        KeepMine, //!< write mine over theirs (deleted ones only where recreated)
        TakeTheirs, //!< show theirs for these addresses, keep my other changes
        Cancel, //!< change nothing
    };
    Answer answer = Answer::Cancel;
    /// Deleted addresses the user chose to save as new addresses.
    QSet<QString> recreate;
};

/// A field of an address as the conflict dialog names it: its label and
/// its value for people (types, countries and states by name).
struct AddressField
{
    const char *label; //!< untranslated, context "VendorChanges"
    std::function<QString(const ZebVendorContact::ContactAddress &address, const VendorSnapshot &lookups)> value;
};
/// The fields compared, in the panel's order.
const QList<AddressField> &addressFields();

/*!
 * Compares what `session` shows with `current`, just read from the database,
 * and with the panel's unsaved changes (`exportText`, the control's export).
 * An address counts as changed when its row version moved or its values
 * differ from those read (another program may write the tables without
 * raising the version); the window shows its own saves again after they
 * commit, so they never count.
 */
VendorChanges compareWithDatabase(const VendorSession &session, VendorSnapshot current, const QString &exportText);

/*!
 * The vendor as the control should show it after `resolution`: the
 * database's current addresses with the user's unsaved changes on top,
 * flagged so the control still exports them. Kept changes stay checked
 * against the row version they were made on, except where the user chose to
 * keep theirs (KeepMine): those are checked against the current one, so the
 * next save overwrites exactly them. A deleted address comes back only when
 * recreated, as a new address. Throws ZebVendorContact::Error when the load
 * text cannot be built.
 */
VendorLoad mergeUnsavedChanges(const VendorSession &session, const VendorChanges &changes, const QString &exportText,
    const ChangeResolution &resolution);

/// The addresses keyed by their id.
QHash<QString, ZebVendorContact::ContactAddress> addressesById(
    const QList<ZebVendorContact::ContactAddress> &addresses);

/// The id a recreated address carries in the panel: not a plain number, so
/// a save inserts it, and never one the control makes itself.
QString recreatedId(const QString &addressId);

} // namespace VendorContactHost
