#include "vendordatabase.h"

#include "exchangetext.h"
#include "vendordbsql.h"

#include <vendorcontactclient.h>

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QUuid>

#include <algorithm>
#include <array>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;
using ZebVendorContact::ContactState;
using ZebVendorContact::ContactType;
using ZebVendorContact::Error;
using Trouble = DatabaseError::Trouble;

namespace {

Error failure(const QString &message)
{
    return Error(Error::Code::InvalidArgument, message);
}

/// The address columns after the id, in the order of the exchange fields.
constexpr std::array<const char16_t *, 13> AddressColumns { u"type_id", u"name", u"street1", u"street2", u"city",
    u"country", u"state_id", u"postal_code", u"phone", u"fax", u"email", u"phone2", u"cell" };

QString columnList()
{
    QStringList names;
    for (const char16_t *name : AddressColumns)
        names << QString::fromUtf16(name);
    return names.join(u", ");
}

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

/// Reads a whole number the control can hold; NULL or anything else is bad
/// data. `where()` names the value, and is called only then: a large vendor
/// has half a million values.
template<typename Where> qint16 smallNumber(const QVariant &value, Where &&where)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (value.isNull() || !ok || number < -32768 || number > 32767)
        throw failure(VendorDatabase::tr("%1 is %2 where a whole number from -32768 to 32767 is expected.")
                          .arg(where(), value.isNull() ? u"NULL"_s : u"\"%1\""_s.arg(value.toString())));
    return qint16(number);
}

template<typename Where> QString textValue(const QVariant &value, Where &&where)
{
    if (value.isNull())
        throw failure(
            VendorDatabase::tr("%1 is NULL where text is expected; correct it in the database first.").arg(where()));
    return value.toString();
}

// How often a save whose lock wait ran out starts again before the user is
// told; each try waits up to SQLite's busy timeout.
constexpr int LockedTries = 3;

} // namespace

QString VendorDatabase::defaultLocation()
{
    // Beside the control's registration record, by the same rule for XDG_DATA_HOME.
    return ZebVendorContact::Client::dataFolderPath() + u"/vendors.sqlite"_s;
}

template<typename Read> auto VendorDatabase::reading(Read &&read) const
{
    try {
        return read();
    } catch (const DatabaseError &error) {
        // A server restart ends the connection: open it again, once, and
        // read again; a second failure is the user's to know.
        if (error.trouble() != Trouble::ConnectionLost && error.trouble() != Trouble::Other)
            throw;
        if (!reconnectIfLost())
            throw;
    }
    return read();
}

QSqlQuery VendorDatabase::run(const QString &sql, const QVariantList &values, const QString &purpose) const
{
    return DbSql::run(connection(), m_location, sql, values, purpose);
}

QList<VendorSummary> VendorDatabase::vendors() const
{
    return reading([this] {
        QSqlQuery query =
            run(u"SELECT v.id, v.name, (SELECT COUNT(*) FROM addresses a WHERE a.vendor_id = v.id) FROM vendors v "
                u"ORDER BY v.name, v.id"_s,
                {}, tr("Reading the vendors"));
        QList<VendorSummary> result;
        QHash<qint32, qsizetype> rows;
        while (query.next()) {
            rows.insert(query.value(0).toInt(), result.size());
            result.append({ query.value(0).toInt(),
                textValue(query.value(1), [&] { return tr("The name of vendor %1").arg(query.value(0).toString()); }),
                query.value(2).toInt(), {} });
        }
        QSqlQuery cities = run(u"SELECT DISTINCT vendor_id, city FROM addresses"_s, {}, tr("Reading the vendors"));
        while (cities.next()) {
            if (const auto row = rows.constFind(cities.value(0).toInt()); row != rows.cend())
                result[*row].searchText += cities.value(1).toString() + u'\n';
        }
        return result;
    });
}

VendorSnapshot VendorDatabase::loadVendor(qint32 vendorId) const
{
    return reading([&] { return readVendor(vendorId); });
}

VendorSnapshot VendorDatabase::readVendor(qint32 vendorId) const
{
    VendorSnapshot snapshot;
    snapshot.vendorId = vendorId;
    {
        QSqlQuery query = run(u"SELECT name FROM vendors WHERE id = ?"_s, { vendorId }, tr("Reading the vendor"));
        if (!query.next())
            throw failure(tr("There is no vendor %1 in the %2.").arg(vendorId).arg(m_description));
        snapshot.vendorName = textValue(query.value(0), [&] { return tr("The name of vendor %1").arg(vendorId); });
    }
    {
        QSqlQuery query = run(u"SELECT id, name FROM contact_types ORDER BY id"_s, {}, tr("Reading the contact types"));
        while (query.next()) {
            auto where = [&](const char16_t *column) {
                return [&query, column] {
                    return tr("Contact type %1, column %2").arg(query.value(0).toString(), QString::fromUtf16(column));
                };
            };
            snapshot.types.append(
                { smallNumber(query.value(0), where(u"id")), textValue(query.value(1), where(u"name")) });
        }
    }
    {
        QSqlQuery query =
            run(u"SELECT id, country, code, name FROM states ORDER BY id"_s, {}, tr("Reading the states"));
        while (query.next()) {
            auto where = [&](const char16_t *column) {
                return [&query, column] {
                    return tr("State %1, column %2").arg(query.value(0).toString(), QString::fromUtf16(column));
                };
            };
            snapshot.states.append(
                { smallNumber(query.value(0), where(u"id")), smallNumber(query.value(1), where(u"country")),
                    textValue(query.value(2), where(u"code")), textValue(query.value(3), where(u"name")) });
        }
    }
    {
        // A large vendor grows its lists and the version index by tens of
        // thousands of entries: size them once.
        QSqlQuery count =
            run(u"SELECT COUNT(*) FROM addresses WHERE vendor_id = ?"_s, { vendorId }, tr("Counting the addresses"));
        const qsizetype expected = count.next() ? count.value(0).toLongLong() : 0;
        snapshot.addresses.reserve(expected);
        snapshot.rowVersions.reserve(expected);
    }
    QSqlQuery query =
        run(u"SELECT id, row_version, "_s + columnList() + u" FROM addresses WHERE vendor_id = ? ORDER BY id"_s,
            { vendorId }, tr("Reading the addresses"));
    const QString vendorText = QString::number(vendorId);
    while (query.next()) {
        ContactAddress a;
        a.addressId = query.value(0).toString();
        a.vendorId = vendorText;
        auto column = [&a](int index) {
            return [&a, index] {
                return tr("Address %1, column %2").arg(a.addressId, QString::fromUtf16(AddressColumns[index]));
            };
        };
        auto textAt = [&](int index) { return textValue(query.value(index + 2), column(index)); };
        auto optionalAt = [&](int index) -> std::optional<qint16> {
            const QVariant value = query.value(index + 2);
            if (value.isNull())
                return std::nullopt;
            return smallNumber(value, column(index));
        };
        a.typeId = smallNumber(query.value(2), column(0));
        a.name = textAt(1);
        a.street1 = textAt(2);
        a.street2 = textAt(3);
        a.city = textAt(4);
        a.country = optionalAt(5);
        a.stateId = optionalAt(6);
        a.postalCode = textAt(7);
        a.phone = textAt(8);
        a.fax = textAt(9);
        a.email = textAt(10);
        a.phone2 = textAt(11);
        a.cell = textAt(12);
        snapshot.rowVersions.insert(a.addressId, query.value(1).toLongLong());
        snapshot.addresses.append(std::move(a));
    }
    return snapshot;
}

SaveOutcome VendorDatabase::saveVendor(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite)
{
    if (isReadOnly())
        throw DatabaseError(Trouble::ReadOnly, m_location, tr("Nothing was saved: %1").arg(m_readOnlyReason));
    refuseUnstorableValues(changes);
    const QString saveId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool reconnected = false;
    for (int tries = 1;; ++tries) {
        try {
            return saveOnce(loaded, changes, overwrite, saveId);
        } catch (const DatabaseError &error) {
            if (error.trouble() == Trouble::Locked) {
                if (tries < LockedTries)
                    continue;
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

SaveOutcome VendorDatabase::saveOnce(
    const VendorSnapshot &loaded, const QList<ContactAddress> &changes, bool overwrite, const QString &saveId)
{
    const QString insertSql = u"INSERT INTO addresses (vendor_id, "_s + columnList() +
        u", row_version) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1) RETURNING id"_s;
    QStringList assignments;
    for (const char16_t *name : AddressColumns)
        assignments << QString::fromUtf16(name) + u" = ?"_s;
    const QString updateSql = u"UPDATE addresses SET vendor_id = ?, "_s + assignments.join(u", ") +
        u", row_version = row_version + 1 WHERE id = ? AND vendor_id = ?"_s +
        (overwrite ? QString() : u" AND row_version = ?"_s);

    // SQLite takes the write lock at the start, so a save waits its turn
    // there instead of failing halfway when another one holds the file.
    run(isPostgreSql() ? u"BEGIN"_s : u"BEGIN IMMEDIATE"_s, {}, tr("Starting the save"));
    SaveOutcome outcome;
    try {
        DbSql::Prepared update(connection(), m_location, updateSql);
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
                    const auto version = loaded.rowVersions.constFind(address.addressId);
                    if (version == loaded.rowVersions.cend()) {
                        outcome.conflicts.append(address);
                        continue;
                    }
                    updateValues << *version;
                }
                if (update.exec(updateValues, tr("Saving address %1").arg(address.addressId)).numRowsAffected() == 1) {
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
