// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// What someone else changed in the shown vendor, and the vendor the control
// shows once the user has decided about it.

#include "vendorchanges.h"

#include "addresscolumns.h"

#include <QtCore/QCoreApplication>

using ZebVendorContact::ContactAddress;

namespace VendorContactHost {

namespace {

QString typeName(const ContactAddress &address, const VendorSnapshot &lookups)
{
    for (const ZebVendorContact::ContactType &type : lookups.types) {
        if (type.id == address.typeId)
            return type.name;
    }
    return QString::number(address.typeId);
}

QString countryName(const ContactAddress &address, const VendorSnapshot &)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("VendorChanges", "Others"),
        QT_TRANSLATE_NOOP("VendorChanges", "USA"),
        QT_TRANSLATE_NOOP("VendorChanges", "Canada"),
    };
    if (!address.country)
        return {};
    if (*address.country >= 0 && *address.country < 3)
        return QCoreApplication::translate("VendorChanges", names[*address.country]);
    return QString::number(*address.country);
}

QString stateName(const ContactAddress &address, const VendorSnapshot &lookups)
{
    if (!address.stateId)
        return {};
    for (const ZebVendorContact::ContactState &state : lookups.states) {
        if (state.id == *address.stateId)
            return state.name;
    }
    return QString::number(*address.stateId);
}

/// The panel's unsaved addresses under the ids the database knows them by:
/// an address this session already wrote is found under its new id.
QList<ContactAddress> unsavedAddresses(const VendorSession &session, const QString &exportText)
{
    QList<ContactAddress> addresses = ZebVendorContact::parseExport(exportText, session.separators());
    for (ContactAddress &address : addresses)
        address.addressId = session.writtenIds().value(address.addressId, address.addressId);
    return addresses;
}

QList<int> differingFields(const ContactAddress &read, const ContactAddress &theirs, const VendorSnapshot &lookups)
{
    QList<int> fields;
    const QList<AddressField> &all = addressFields();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).value(read, lookups) != all.at(i).value(theirs, lookups))
            fields << i;
    }
    return fields;
}

} // namespace

const QList<AddressField> &addressFields()
{
    // The address columns, the numbers by the names people know them by.
    static const QList<AddressField> fields = [] {
        QList<AddressField> all;
        for (const AddressColumn &column : AddressColumns) {
            std::function<QString(const ContactAddress &, const VendorSnapshot &)> value =
                [&column](
                    const ContactAddress &address, const VendorSnapshot &) { return exchangeValue(column, address); };
            if (column.kind == AddressColumn::Kind::Type)
                value = typeName;
            else if (column.field == ZebVendorContact::Country)
                value = countryName;
            else if (column.field == ZebVendorContact::State)
                value = stateName;
            all.append({ column.label, std::move(value) });
        }
        return all;
    }();
    return fields;
}

QList<AddressChange> VendorChanges::conflicts() const
{
    QList<AddressChange> found;
    for (const AddressChange &change : addresses) {
        if (change.conflicts())
            found << change;
    }
    return found;
}

QHash<QString, ContactAddress> addressesById(const QList<ContactAddress> &addresses)
{
    QHash<QString, ContactAddress> found;
    for (const ContactAddress &address : addresses)
        found.insert(address.addressId, address);
    return found;
}

QString recreatedId(const QString &addressId)
{
    // The control's own ids end in "-N"; this one can never meet them.
    return addressId + QStringLiteral("-R");
}

VendorChanges compareWithDatabase(const VendorSession &session, VendorSnapshot current, const QString &exportText)
{
    VendorChanges changes;
    const VendorSnapshot &shown = *session.shown();
    const QHash<QString, ContactAddress> mine = addressesById(unsavedAddresses(session, exportText));
    const QHash<QString, ContactAddress> read = addressesById(session.shownAddresses());
    auto noteMine = [&mine](AddressChange &change) {
        if (const auto found = mine.constFind(change.addressId); found != mine.cend())
            change.mine = *found;
    };
    for (const ContactAddress &now : std::as_const(current.addresses)) {
        const std::optional<qint64> version = shown.rowVersions.find(now.addressId);
        const auto before = read.constFind(now.addressId);
        // Another program may write the tables without raising the row
        // version: its values tell then.
        if (version && *version == current.rowVersions.value(now.addressId) &&
            (before == read.cend() || *before == now))
            continue;
        AddressChange change;
        change.kind = version ? AddressChange::Kind::Changed : AddressChange::Kind::Added;
        change.addressId = now.addressId;
        change.theirs = now;
        noteMine(change);
        if (change.kind == AddressChange::Kind::Changed) {
            // An address this session added has no read version: what it
            // wrote is what the panel holds.
            change.read = read.value(now.addressId, change.mine.value_or(ContactAddress()));
            change.fieldsTheyChanged = differingFields(change.read, now, current);
        }
        changes.addresses << change;
    }
    for (const qint64 id : shown.rowVersions.ids()) {
        if (current.rowVersions.contains(id))
            continue;
        AddressChange change;
        change.kind = AddressChange::Kind::Deleted;
        change.addressId = QString::number(id);
        noteMine(change);
        change.read = read.value(change.addressId, change.mine.value_or(ContactAddress()));
        changes.addresses << change;
    }
    changes.renamed = current.vendorName != shown.vendorName;
    changes.current = std::move(current);
    return changes;
}

VendorLoad mergeUnsavedChanges(const VendorSession &session, const VendorChanges &changes, const QString &exportText,
    const ChangeResolution &resolution)
{
    using Answer = ChangeResolution::Answer;
    const VendorSnapshot &shown = *session.shown();
    QSet<QString> decided;
    for (const AddressChange &change : changes.conflicts())
        decided.insert(change.addressId);
    const QHash<QString, ContactAddress> read = addressesById(session.shownAddresses());
    const QList<ContactAddress> unsaved = unsavedAddresses(session, exportText);
    QHash<QString, ContactAddress> mine = addressesById(unsaved);

    VendorLoad merged;
    VendorSnapshot &snapshot = merged.snapshot;
    snapshot = changes.current;
    snapshot.addresses.clear();
    QList<ContactAddress> panel;
    for (const ContactAddress &now : changes.current.addresses) {
        const auto found = mine.constFind(now.addressId);
        const bool isDecided = decided.contains(now.addressId);
        if (found == mine.cend() || (isDecided && resolution.answer == Answer::TakeTheirs)) {
            panel << now;
            snapshot.addresses << now;
            continue;
        }
        ContactAddress kept = *found;
        kept.changeFlag = QStringLiteral("S");
        panel << kept;
        // Unless the user chose to write over theirs, the change stays
        // checked against the version it was made on.
        const bool overTheirs = isDecided && resolution.answer == Answer::KeepMine;
        const std::optional<qint64> madeOn = overTheirs ? std::nullopt : shown.rowVersions.find(now.addressId);
        if (madeOn) {
            snapshot.rowVersions.insert(now.addressId, *madeOn);
            snapshot.addresses << read.value(now.addressId, now);
        } else {
            snapshot.addresses << now;
        }
        mine.remove(now.addressId);
    }
    // What is left is new in the panel, or was deleted meanwhile.
    for (ContactAddress address : unsaved) {
        if (!mine.contains(address.addressId))
            continue;
        const bool addedHere = address.isAddedInPanel();
        if (!addedHere && !resolution.recreate.contains(address.addressId))
            continue; // deleted by someone else, and the user let it go
        if (!addedHere)
            address.addressId = recreatedId(address.addressId);
        address.changeFlag = QStringLiteral("N");
        panel << address;
    }
    merged.text = ZebVendorContact::buildLoadText(panel, snapshot.types, snapshot.states, session.separators());
    return merged;
}

} // namespace VendorContactHost
