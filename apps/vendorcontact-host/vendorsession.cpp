// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

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

VendorLoad VendorSession::read(qint32 vendorId) const
{
    // The database layer writes the load text as it reads the rows, checking
    // every value on the way, so a vendor the control could not take exactly
    // is refused before the control sees any of it and the one shown stays.
    return m_database->loadVendorText(vendorId, m_separators);
}

void VendorSession::show(const VendorLoad &vendor)
{
    m_shown = vendor.snapshot;
    m_shownLoadText = vendor.text;
    m_written.clear();
}

const QList<ContactAddress> &VendorSession::shownAddresses() const
{
    static const QList<ContactAddress> none;
    if (!m_shown)
        return none;
    // A vendor read for the control comes as its load text alone; the
    // addresses themselves are needed only to compare them with someone
    // else's, so they are read back from that text the first time.
    if (m_shown->addresses.isEmpty() && m_shown->addressCount > 0) {
        const qsizetype end = m_separators.table.isEmpty() ? -1 : m_shownLoadText.indexOf(m_separators.table);
        m_shown->addresses = ZebVendorContact::parseExport(m_shownLoadText.left(end), m_separators);
    }
    return m_shown->addresses;
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

void VendorSession::rememberWritten(const QList<ContactAddress> &changes, const SaveOutcome &outcome)
{
    RowVersions &versions = m_shown->rowVersions;
    // The versions the rows have now: a new row starts at 1, each checked
    // update adds 1.
    for (const ContactAddress &address : changes) {
        if (const std::optional<qint64> version = versions.find(address.addressId))
            versions.insert(address.addressId, *version + 1);
    }
    for (auto it = outcome.newIds.cbegin(); it != outcome.newIds.cend(); ++it) {
        m_written.insert(it.key(), it.value());
        versions.insert(it.value(), 1);
    }
}

SaveOutcome VendorSession::save(const QString &exportText)
{
    if (!m_shown)
        return {};
    const QList<ContactAddress> changes = changesToWrite(exportText);
    if (changes.isEmpty())
        return {};
    SaveOutcome outcome = m_database->saveVendor(*m_shown, changes);
    if (outcome.saved())
        rememberWritten(changes, outcome);
    return outcome;
}

} // namespace VendorContactHost
