#include "vendorsession.h"

#include <algorithm>

namespace VendorContactHost {

using ZebVendorContact::ContactAddress;

VendorSession::VendorSession(
    std::unique_ptr<VendorDatabase> database, const ZebVendorContact::ExchangeSeparators &separators)
    : m_database(std::move(database))
    , m_separators(separators)
{
}

LoadedVendor VendorSession::read(qint32 vendorId) const
{
    LoadedVendor vendor;
    vendor.snapshot = m_database->loadVendor(vendorId);
    // Built and checked before the control sees any of it, so a vendor the
    // control could not take exactly leaves the one shown as it was.
    vendor.loadText = ZebVendorContact::buildLoadText(
        vendor.snapshot.addresses, vendor.snapshot.types, vendor.snapshot.states, m_separators);
    return vendor;
}

void VendorSession::show(const LoadedVendor &vendor)
{
    m_shown = vendor.snapshot;
    m_written.clear();
}

QList<ContactAddress> VendorSession::changesToWrite(const QString &exportText) const
{
    QList<ContactAddress> changes = ZebVendorContact::parseExport(exportText, m_separators);
    // An address already written keeps its panel id in the control until the
    // vendor is shown again: it is now an update of its own row.
    for (ContactAddress &address : changes) {
        const auto written = m_written.constFind(address.addressId);
        if (written != m_written.cend())
            address.addressId = *written;
    }
    // Rows are updated in one order by every session, so two saves that
    // share addresses wait for each other instead of deadlocking; new
    // addresses follow in the panel's order.
    std::stable_sort(changes.begin(), changes.end(), [](const ContactAddress &a, const ContactAddress &b) {
        if (a.isAddedInPanel() || b.isAddedInPanel())
            return !a.isAddedInPanel() && b.isAddedInPanel();
        return a.addressId.toLongLong() < b.addressId.toLongLong();
    });
    return changes;
}

void VendorSession::rememberWritten(const SaveOutcome &outcome)
{
    for (auto it = outcome.insertedIds.cbegin(); it != outcome.insertedIds.cend(); ++it) {
        // A row written before under another id (overwritten after someone
        // deleted it) moved: whatever led to the old id leads to the new one.
        for (QString &databaseId : m_written) {
            if (databaseId == it.key())
                databaseId = it.value();
        }
        m_written.insert(it.key(), it.value());
    }
    for (auto it = outcome.rowVersions.cbegin(); it != outcome.rowVersions.cend(); ++it)
        m_shown->rowVersions.insert(it.key(), it.value());
}

SaveOutcome VendorSession::save(const QString &exportText, bool overwrite)
{
    if (!m_shown)
        return {};
    const QList<ContactAddress> changes = changesToWrite(exportText);
    if (changes.isEmpty())
        return {};
    SaveOutcome outcome = m_database->saveVendor(*m_shown, changes, overwrite);
    if (outcome.saved())
        rememberWritten(outcome);
    return outcome;
}

} // namespace VendorContactHost
