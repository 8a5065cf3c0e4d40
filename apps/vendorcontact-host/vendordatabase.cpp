// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendordatabase.h"

#include "exchangetext.h"
#include "vendordbraw.h"

#include <vendorcontactclient.h>

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QUuid>

#include <algorithm>
#include <array>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;
using ZebVendorContact::Error;
using Trouble = DatabaseError::Trouble;
using DbSql::AddressColumns;
using DbSql::columnList;
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

QVariantList addressValues(qint32 vendorId, const ContactAddress &a)
{
    return { vendorId, int(a.typeId), text(a.name), text(a.street1), text(a.street2), text(a.city), number(a.country),
        number(a.stateId), text(a.postalCode), text(a.phone), text(a.fax), text(a.email), text(a.phone2),
        text(a.cell) };
}

/// What is wrong with `value` for a database, or nothing: a NUL would cut
/// the statement Qt's PostgreSQL driver builds (and SQLite keeps only the
/// text before it); a lone surrogate has no UTF-8 form and would be stored
/// as U+FFFD.
QString unstorable(const QString &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isNull())
            return VendorDatabase::tr("a NUL character");
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return VendorDatabase::tr("a broken character (a lone UTF-16 surrogate)");
    }
    return {};
}

/// Refuses, before anything is written, a value no database can keep as it
/// is, naming the address and the field as the export names them.
void refuseUnstorableValues(const QList<ContactAddress> &changes)
{
    const QStringList fields = exportFieldNames();
    for (const ContactAddress &a : changes) {
        const std::pair<int, const QString *> texts[] = { { 3, &a.name }, { 4, &a.street1 }, { 5, &a.street2 },
            { 6, &a.city }, { 9, &a.postalCode }, { 10, &a.phone }, { 11, &a.fax }, { 12, &a.email }, { 13, &a.phone2 },
            { 14, &a.cell } };
        for (const auto &[field, value] : texts) {
            if (const QString what = unstorable(*value); !what.isEmpty())
                throw failure(VendorDatabase::tr("Nothing was saved: address %1 (%2), field %3, holds %4, which "
                                                 "cannot be stored. Remove it and save again.")
                                  .arg(a.addressId, a.name, fields.at(field), what));
        }
    }
}

} // namespace

QString VendorDatabase::defaultLocation()
{
    // Beside the control's registration record, by the same rule for XDG_DATA_HOME.
    return ZebVendorContact::Client::dataFolderPath() + u"/vendors.sqlite"_s;
}

QSqlQuery VendorDatabase::run(const QString &sql, const QVariantList &values, const QString &purpose) const
{
    return DbSql::run(connection(), m_location, sql, values, purpose);
}

SaveOutcome VendorDatabase::saveVendor(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite)
{
    if (isReadOnly())
        throw DatabaseError(Trouble::ReadOnly, m_location, tr("Nothing was saved: %1").arg(m_readOnlyReason));
    refuseUnstorableValues(changes);
    const QString saveId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool reconnected = false;
    for (;;) {
        try {
            return DbSql::retryingLocked([&] { return saveOnce(loaded, changes, overwrite, saveId); });
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

bool VendorDatabase::saveCommitted(const QString &saveId, SaveOutcome *outcome) const
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

void VendorDatabase::checkAddressLimit(qint32 vendorId, qsizetype added) const
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

QSet<QString> VendorDatabase::updateAtOnce(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite) const
{
    // One statement for every row: each column travels as one array
    // parameter, so the server plans once and no value is ever written
    // into the statement's text. Without overwrite, an address whose
    // version the snapshot lacks is a conflict and is not sent at all.
    std::array<DbSql::PostgresArray, 2 + AddressColumns.size()> columns; // id, version, then AddressColumns
    for (const ContactAddress &a : changes) {
        const std::optional<qint64> version = loaded.rowVersions.find(a.addressId);
        if (a.isAddedInPanel() || !(overwrite || version))
            continue;
        columns[0].add(a.addressId.toLongLong());
        columns[1].add(version.value_or(0)); // 0 (never stored) for an overwrite of an id not read
        const QVariantList values = addressValues(loaded.vendorId, a); // the vendor id, then AddressColumns
        for (std::size_t i = 0; i < AddressColumns.size(); ++i)
            columns[2 + i].add(values.at(qsizetype(i) + 1));
    }
    // The ids also stand as a condition of their own on the table: joined
    // with the arrays alone, the planner expects few rows to match and reads
    // the vendor's every address into a hash, several times the work of
    // fetching the changed ones by their key.
    static const QByteArray sql = [] {
        QStringList arrays { u"$2::bigint[]"_s, u"$3::bigint[]"_s };
        QStringList names { u"id"_s, u"version"_s };
        QStringList assignments;
        for (const DbSql::AddressColumn &column : AddressColumns) {
            const QString name = QString::fromUtf16(column.name);
            arrays << u"$%1::%2[]"_s.arg(arrays.size() + 2).arg(QString::fromUtf16(column.type));
            names << name;
            assignments << u"%1 = v.%1"_s.arg(name);
        }
        return (u"UPDATE addresses AS a SET "_s + assignments.join(u", ") +
            u", row_version = a.row_version + 1 FROM unnest("_s + arrays.join(u", ") + u") AS v("_s +
            names.join(u", ") +
            u") WHERE a.id = ANY($2::bigint[]) AND a.id = v.id AND a.vendor_id = $1 AND "_s
            u"($%1 OR a.row_version = v.version) "_s
            u"RETURNING a.id"_s.arg(arrays.size() + 2))
            .toUtf8();
    }();
    QList<QByteArray> parameters { QByteArray::number(loaded.vendorId) };
    for (DbSql::PostgresArray &column : columns)
        parameters << column.take();
    parameters << (overwrite ? "true" : "false");
    const QStringList ids = DbSql::postgresRun(connection(), m_location, sql, parameters, tr("Saving the addresses"));
    return QSet<QString>(ids.cbegin(), ids.cend());
}

SaveOutcome VendorDatabase::saveOnce(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite, const QString &saveId)
{
    const QString insertSql = u"INSERT INTO addresses (vendor_id, "_s + columnList() +
        u", row_version) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1) RETURNING id"_s;
    QStringList assignments;
    for (const DbSql::AddressColumn &column : AddressColumns)
        assignments << QString::fromUtf16(column.name) + u" = ?"_s;
    const QString updateSql = u"UPDATE addresses SET vendor_id = ?, "_s + assignments.join(u", ") +
        u", row_version = row_version + 1 WHERE id = ? AND vendor_id = ?"_s +
        (overwrite ? QString() : u" AND row_version = ?"_s);

    // SQLite takes the write lock at the start, so a save waits its turn
    // there instead of failing halfway when another one holds the file.
    run(isPostgreSql() ? u"BEGIN"_s : u"BEGIN IMMEDIATE"_s, {}, tr("Starting the save"));
    SaveOutcome outcome;
    try {
        // PostgreSQL answers each statement over the socket: a thousand
        // updates are sent as one statement instead.
        const QSet<QString> updatedAtOnce = isPostgreSql() ? updateAtOnce(loaded, changes, overwrite) : QSet<QString>();
        std::optional<DbSql::Prepared> update;
        std::optional<DbSql::Prepared> insert;
        const auto added =
            std::count_if(changes.cbegin(), changes.cend(), [](const ContactAddress &a) { return a.isAddedInPanel(); });
        if (added > 0)
            checkAddressLimit(loaded.vendorId, added);
        int reinserted = 0;
        for (const ContactAddress &address : changes) {
            const QVariantList values = addressValues(loaded.vendorId, address);
            if (!address.isAddedInPanel()) {
                QVariantList updateValues = values;
                updateValues << address.addressId.toLongLong() << loaded.vendorId;
                if (!overwrite) {
                    // An id the snapshot does not know was never read here:
                    // nothing to compare it with, so it cannot be saved over.
                    const std::optional<qint64> version = loaded.rowVersions.find(address.addressId);
                    if (!version) {
                        outcome.conflicts.append(address);
                        continue;
                    }
                    updateValues << *version;
                }
                if (!update && !isPostgreSql())
                    update.emplace(connection(), m_location, updateSql);
                if (isPostgreSql() ? updatedAtOnce.contains(address.addressId)
                                   : update->exec(updateValues, tr("Saving address %1").arg(address.addressId))
                                         .numRowsAffected() == 1) {
                    ++outcome.updated;
                    continue;
                }
                if (!overwrite) {
                    outcome.conflicts.append(address);
                    continue;
                }
                // Overwriting an address someone deleted: it comes back as new.
                ++reinserted;
            }
            if (!insert)
                insert.emplace(connection(), m_location, insertSql);
            QSqlQuery &inserted = insert->exec(values, tr("Adding address %1").arg(address.name));
            if (!inserted.next())
                throw failure(tr("The database gave no id for the new address %1.").arg(address.name));
            if (address.isAddedInPanel())
                outcome.newIds.insert(address.addressId, inserted.value(0).toString());
            inserted.finish();
            ++outcome.inserted;
        }
        if (!outcome.saved()) {
            DbSql::rollback(connection());
            return SaveOutcome { 0, 0, {}, outcome.conflicts };
        }
        // Addresses someone deleted and this save brought back count too.
        if (reinserted > 0)
            checkAddressLimit(loaded.vendorId, 0);
        QStringList ids;
        for (auto it = outcome.newIds.cbegin(); it != outcome.newIds.cend(); ++it)
            ids << it.key() + u'=' + it.value();
        run(u"INSERT INTO saves (id, vendor_id, inserted, updated, new_ids, saved_at) VALUES (?, ?, ?, ?, ?, ?)"_s,
            { saveId, loaded.vendorId, outcome.inserted, outcome.updated, text(ids.join(u' ')),
                QDateTime::currentSecsSinceEpoch() },
            tr("Recording the save"));
        // The record is needed only until the next reconnect could ask.
        run(u"DELETE FROM saves WHERE saved_at < ?"_s, { QDateTime::currentSecsSinceEpoch() - 86400 },
            tr("Recording the save"));
        run(u"COMMIT"_s, {}, tr("Completing the save"));
    } catch (...) {
        DbSql::rollback(connection());
        throw;
    }
    return outcome;
}

} // namespace VendorContactHost
