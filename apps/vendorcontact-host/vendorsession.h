// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendordatabase.h"

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QHash>

#include <memory>
#include <optional>

namespace VendorContactHost {

/*!
 * Moves one vendor between the database and the control: reads it into a
 * load text, and writes the control's export back. It takes texts and ids,
 * never widgets, so it works (and is tested) without a window.
 *
 * After a committed save the session keeps the ids the database gave to the
 * addresses added in the panel, and the row versions they now have (a new
 * row starts at 1, each checked update adds 1). Until the
 * vendor is shown again those addresses still carry the panel's "000-N" ids
 * in the control; a further save updates their rows instead of inserting
 * them a second time.
 */
class VendorSession
{
public:
    VendorSession(std::unique_ptr<VendorDatabase> database, const ZebVendorContact::ExchangeSeparators &separators);

    VendorDatabase &database() const { return *m_database; }
    const ZebVendorContact::ExchangeSeparators &separators() const { return m_separators; }

    /// The vendor the control shows, as read (row versions updated by saves).
    const std::optional<VendorSnapshot> &shown() const { return m_shown; }
    /// The addresses of the shown vendor as read (the snapshot itself may
    /// hold only their count and row versions).
    const QList<ZebVendorContact::ContactAddress> &shownAddresses() const;

    /// Reads `vendorId` and builds its load text; changes nothing here.
    /// Throws ZebVendorContact::Error (DatabaseError for database trouble).
    VendorLoad read(qint32 vendorId) const;

    /// The control now shows `vendor`: its panel ids start afresh.
    void show(const VendorLoad &vendor);

    /// Addresses added in the panel this session already wrote: the panel's
    /// id -> the database's.
    const QHash<QString, QString> &writtenIds() const { return m_written; }

    /*!
     * Writes the control's export for the shown vendor in one transaction.
     * Nothing to write gives an empty outcome. With conflicts nothing was
     * written. Throws ZebVendorContact::Error when the export cannot be read
     * or the database fails (nothing written then either).
     */
    SaveOutcome save(const QString &exportText);

private:
    QList<ZebVendorContact::ContactAddress> changesToWrite(const QString &exportText) const;
    void rememberWritten(const QList<ZebVendorContact::ContactAddress> &changes, const SaveOutcome &outcome);

    std::unique_ptr<VendorDatabase> m_database;
    ZebVendorContact::ExchangeSeparators m_separators;
    mutable std::optional<VendorSnapshot> m_shown; //!< its addresses are filled in when first asked for
    QString m_shownLoadText;
    QHash<QString, QString> m_written;
};

} // namespace VendorContactHost
