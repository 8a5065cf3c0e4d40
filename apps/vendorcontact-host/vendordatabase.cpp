// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendordatabase.h"

#include "addresscolumns.h"
#include "exchangetext.h"
#include "vendordbpostgres.h"
#include "vendordbsqlite.h"

#include <vendorcontactclient.h>

#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QUrl>
#include <QtCore/QUuid>

#include <algorithm>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;
using ZebVendorContact::Error;
using Trouble = DatabaseError::Trouble;
using DbSql::failure;

namespace {

// Qt's drivers bind a null QString as SQL NULL; the control's empty text is
// empty text in the database.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(u""_s) : QVariant(value);
}

QVariant number(const std::optional<qint16> &value)
{
    return value ? QVariant(int(*value)) : QVariant(QMetaType(QMetaType::Int));
}

} // namespace

QVariant sqlValue(const AddressColumn &column, const ContactAddress &a)
{
    switch (column.kind) {
    case AddressColumn::Kind::Type:
        return int(a.typeId);
    case AddressColumn::Kind::OptionalNumber:
        return number(a.*column.number);
    case AddressColumn::Kind::Text:
        break;
    }
    return text(a.*column.text);
}

namespace {

/// The vendor id, then every column's value.
QVariantList addressValues(qint32 vendorId, const ContactAddress &a)
{
    QVariantList values { vendorId };
    for (const AddressColumn &column : AddressColumns)
        values << sqlValue(column, a);
    return values;
}

} // namespace

QString VendorDatabase::defaultLocation()
{
    // Beside the control's registration record, by the same rule for
    // XDG_DATA_HOME. Without an absolute HOME there is no such place: never
    // /vendors.sqlite, or a database in whatever folder the host runs in.
    QString why;
    const QString folder = ZebVendorContact::Client::dataFolderPath(&why);
    if (folder.isEmpty())
        throw failure(tr("The vendor database has no place of its own: %1. Name one with --database.").arg(why));
    return folder + u"/vendors.sqlite"_s;
}

std::unique_ptr<VendorDatabase> VendorDatabase::open(const QString &location, OpenMode mode, Seeding seeding)
{
    static const QRegularExpression postgres(u"^postgres(?:ql)?://(?:([^@/]+)@)?([^/:]*)(?::(\\d+))?/([^/?]+)$"_s);
    auto decoded = [](const QString &text) { return QUrl::fromPercentEncoding(text.toUtf8()); };
    if (const auto match = postgres.match(location); match.hasMatch()) {
        PostgresVendorDatabase::Address address;
        address.database = decoded(match.captured(4));
        address.host = decoded(match.captured(2));
        address.user = decoded(match.captured(1));
        if (!match.captured(3).isEmpty())
            address.port = match.captured(3).toInt();
        return std::make_unique<PostgresVendorDatabase>(address, seeding);
    }
    if (location.startsWith(u"postgres"))
        throw DatabaseError(Trouble::Other, location,
            tr("\"%1\" is not a database address of the form postgresql://user@host[:port]/dbname (the password "
               "comes from PGPASSWORD or ~/.pgpass, never the command line).")
                .arg(location));
    const QString path = location.startsWith(u"sqlite:") ? location.mid(7) : location;
    if (path.isEmpty())
        throw DatabaseError(Trouble::Other, location, tr("The SQLite database needs a file name: sqlite:PATH."));
    return std::make_unique<SqliteVendorDatabase>(QFileInfo(path).absoluteFilePath(), mode, seeding);
}

VendorDatabase::~VendorDatabase() = default;

QSqlQuery SqlVendorDatabase::run(const QString &sql, const QVariantList &values, const QString &purpose) const
{
    return DbSql::run(connection(), m_location, sql, values, purpose);
}

bool SqlVendorDatabase::removeAddress(qint32 vendorId, qint64 addressId, qint64 rowVersion)
{
    if (isReadOnly())
        throw DatabaseError(Trouble::ReadOnly, m_location, tr("Nothing was removed: %1").arg(m_readOnlyReason));
    const QSqlQuery query = DbSql::retryingLocked([&] {
        return run(QStringLiteral("DELETE FROM addresses WHERE id = ? AND vendor_id = ? AND row_version = ?"),
            { addressId, vendorId, rowVersion }, QStringLiteral("Removing the address"));
    });
    return query.numRowsAffected() == 1;
}

QString VendorDatabase::newSaveId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

SaveOutcome SqlVendorDatabase::saveVendor(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, const QString &saveId)
{
    if (isReadOnly())
        throw DatabaseError(Trouble::ReadOnly, m_location, tr("Nothing was saved: %1").arg(m_readOnlyReason));
    // Refused before anything is written, named as the export names it.
    if (const std::optional<UnstorableValue> value = findUnstorable(changes))
        throw failure(tr("Nothing was saved: address %1 (%2), field %3, holds %4, which "
                         "cannot be stored. Remove it and save again.")
                          .arg(value->address.addressId, value->address.name, value->field, value->what));
    bool reconnected = false;
    for (;;) {
        try {
            return DbSql::retryingLocked([&] { return saveOnce(loaded, changes, saveId); });
        } catch (const DatabaseError &error) {
            if (error.trouble() == Trouble::Locked) {
                throw DatabaseError(Trouble::Locked, m_location,
                    tr("Nothing was saved: another program is using %1. Try again in a moment.").arg(m_location),
                    error.details());
            }
            if (reconnected || !reconnectIfLost())
                throw;
            // The connection dropped: the save either committed before it
            // did (its id is in the saves table) or left nothing behind and
            // is made again.
            reconnected = true;
            SaveOutcome done;
            if (saveCommitted(saveId, &done))
                return done;
        }
    }
}

std::optional<SaveOutcome> SqlVendorDatabase::committedSave(const QString &saveId) const
{
    return reading([&] {
        SaveOutcome done;
        return saveCommitted(saveId, &done) ? std::optional<SaveOutcome>(done) : std::nullopt;
    });
}

bool SqlVendorDatabase::saveCommitted(const QString &saveId, SaveOutcome *outcome) const
{
    QSqlQuery query = run(u"SELECT inserted, updated, new_ids FROM saves WHERE id = ?"_s, { saveId },
        tr("Checking whether the save was completed"));
    if (!query.next())
        return false;
    outcome->inserted = query.value(0).toInt();
    outcome->updated = query.value(1).toInt();
    for (const QString &pair : query.value(2).toString().split(u' ', Qt::SkipEmptyParts))
        outcome->newIds.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return true;
}

void SqlVendorDatabase::checkAddressLimit(qint32 vendorId, qsizetype added) const
{
    QSqlQuery count =
        run(u"SELECT COUNT(*) FROM addresses WHERE vendor_id = ?"_s, { vendorId }, tr("Counting the addresses"));
    const qint64 stored = count.next() ? count.value(0).toLongLong() : 0;
    if (stored + added > MaxAddressesPerVendor)
        throw failure(tr("Nothing was saved: vendor %1 would have %2 addresses, more than the %3 one vendor can have. "
                         "Delete some addresses or add them to another vendor.")
                          .arg(vendorId)
                          .arg(stored + added)
                          .arg(MaxAddressesPerVendor));
}

SaveOutcome SqlVendorDatabase::saveOnce(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, const QString &saveId)
{
    static const QString insertSql = u"INSERT INTO addresses (vendor_id, "_s + addressColumnList() +
        u", row_version) VALUES (?, "_s + QStringList(AddressColumns.size(), u"?"_s).join(u", ") +
        u", 1) RETURNING id"_s;
    beginSave();
    SaveOutcome outcome;
    try {
        const QSet<QString> updated = updateAddresses(loaded, changes);
        const auto added =
            std::count_if(changes.cbegin(), changes.cend(), [](const ContactAddress &a) { return a.isAddedInPanel(); });
        if (added > 0)
            checkAddressLimit(loaded.vendorId, added);
        std::optional<DbSql::Prepared> insert;
        for (const ContactAddress &address : changes) {
            if (!address.isAddedInPanel()) {
                // Not updated: someone else changed or deleted it since it
                // was read, or it was never read here and cannot be saved over.
                if (updated.contains(address.addressId))
                    ++outcome.updated;
                else
                    outcome.conflicts.append(address);
                continue;
            }
            if (!insert)
                insert.emplace(connection(), m_location, insertSql);
            QSqlQuery &inserted =
                insert->exec(addressValues(loaded.vendorId, address), tr("Adding address %1").arg(address.name));
            if (!inserted.next())
                throw failure(tr("The database gave no id for the new address %1.").arg(address.name));
            outcome.newIds.insert(address.addressId, inserted.value(0).toString());
            inserted.finish();
            ++outcome.inserted;
        }
        if (!outcome.saved()) {
            DbSql::rollback(connection());
            return SaveOutcome { 0, 0, {}, outcome.conflicts };
        }
        QStringList ids;
        for (auto it = outcome.newIds.cbegin(); it != outcome.newIds.cend(); ++it)
            ids << it.key() + u'=' + it.value();
        // Dated and pruned by the database's clock, which all hosts share:
        // a host whose own clock runs ahead would otherwise delete other
        // hosts' fresh records, which their reconnects still ask for.
        run(u"INSERT INTO saves (id, vendor_id, inserted, updated, new_ids, saved_at) VALUES (?, ?, ?, ?, ?, %1)"_s.arg(
                databaseNow()),
            { saveId, loaded.vendorId, outcome.inserted, outcome.updated, text(ids.join(u' ')) },
            tr("Recording the save"));
        // The record is needed only until the next reconnect could ask.
        run(u"DELETE FROM saves WHERE saved_at < %1 - 86400"_s.arg(databaseNow()), {}, tr("Recording the save"));
        run(u"COMMIT"_s, {}, tr("Completing the save"));
    } catch (...) {
        DbSql::rollback(connection());
        throw;
    }
    return outcome;
}

} // namespace VendorContactHost
