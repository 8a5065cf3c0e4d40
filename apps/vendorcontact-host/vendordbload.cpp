// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Reading the address book: the vendor list, a vendor as values, a vendor
// as the control's load text (written by the database), and the current
// values of addresses another session changed.

#include "addresscolumns.h"
#include "vendordbsql.h"

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using DbSql::failure;
using ZebVendorContact::ContactAddress;
using ZebVendorContact::ExchangeSeparators;

namespace {

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
    if (value.typeId() != QMetaType::QByteArray)
        return value.toString();
    // The value's bytes as stored (see addressReadColumns()).
    bool valid = false;
    QString text = decodedUtf8(value.toByteArray(), &valid);
    if (!valid)
        throw failure(VendorDatabase::tr("%1 holds bytes that are not UTF-8 text, which the control cannot show as "
                                         "they are; correct it in the database first.")
                          .arg(where()));
    return text;
}

} // namespace

QList<VendorSummary> SqlVendorDatabase::vendors() const
{
    return reading([this] {
        QSqlQuery query =
            run(u"SELECT v.id, v.name, (SELECT COUNT(*) FROM addresses a WHERE a.vendor_id = v.id) FROM vendors v "
                u"ORDER BY v.name, v.id"_s,
                {}, tr("Reading the vendors"));
        QList<VendorSummary> result;
        while (query.next()) {
            result.append({ query.value(0).toInt(),
                textValue(query.value(1), [&] { return tr("The name of vendor %1").arg(query.value(0).toString()); }),
                query.value(2).toInt() });
        }
        return result;
    });
}

VendorSnapshot SqlVendorDatabase::loadVendor(qint32 vendorId) const
{
    return reading([&] { return readVendor(vendorId); });
}

void SqlVendorDatabase::readVendorHeader(qint32 vendorId, VendorSnapshot &snapshot) const
{
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
}

void SqlVendorDatabase::readAddressRows(
    QSqlQuery &query, const QString &vendorText, QList<ContactAddress> &addresses, RowVersions &rowVersions) const
{
    while (query.next()) {
        ContactAddress a;
        a.addressId = query.value(0).toString();
        a.vendorId = vendorText;
        int index = 2;
        for (const AddressColumn &column : AddressColumns) {
            const QVariant value = query.value(index++);
            auto where = [&] { return tr("Address %1, column %2").arg(a.addressId, QString::fromUtf16(column.name)); };
            switch (column.kind) {
            case AddressColumn::Kind::Type:
                a.typeId = smallNumber(value, where);
                break;
            case AddressColumn::Kind::OptionalNumber:
                a.*column.number = value.isNull() ? std::nullopt : std::optional<qint16>(smallNumber(value, where));
                break;
            case AddressColumn::Kind::Text:
                a.*column.text = textValue(value, where);
                break;
            }
        }
        rowVersions.insert(query.value(0).toLongLong(), query.value(1).toLongLong());
        addresses.append(std::move(a));
    }
}

VendorSnapshot SqlVendorDatabase::readVendor(qint32 vendorId) const
{
    VendorSnapshot snapshot;
    readVendorHeader(vendorId, snapshot);
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
        run(u"SELECT id, row_version, "_s + addressReadColumns() + u" FROM addresses WHERE vendor_id = ? ORDER BY id"_s,
            { vendorId }, tr("Reading the addresses"));
    readAddressRows(query, QString::number(vendorId), snapshot.addresses, snapshot.rowVersions);
    snapshot.addressCount = int(snapshot.addresses.size());
    return snapshot;
}

VendorLoad SqlVendorDatabase::loadVendorText(qint32 vendorId, const ExchangeSeparators &separators) const
{
    return reading([&] {
        // With one-character separators, the engine's own writer can tell
        // whether any value holds one; longer ones could also form across
        // two values, which only the value-by-value check sees.
        const QString &field = separators.field;
        const QString &record = separators.record;
        const QString &table = separators.table;
        if (field.size() == 1 && record.size() == 1 && table.size() == 1 && field != record && field != table &&
            record != table) {
            VendorLoad load;
            readVendorHeader(vendorId, load.snapshot);
            if (std::optional<QString> addresses = addressTable(vendorId, separators, load.snapshot)) {
                // The types and states are few: the library's writer adds
                // them, with its checks.
                load.text = *std::move(addresses) +
                    ZebVendorContact::buildLoadText({}, load.snapshot.types, load.snapshot.states, separators);
                return load;
            }
        }
        // The slow way, value by value: the same text, or the refusal
        // naming the value.
        VendorLoad load;
        load.snapshot = readVendor(vendorId);
        load.text = ZebVendorContact::buildLoadText(
            load.snapshot.addresses, load.snapshot.types, load.snapshot.states, separators);
        load.snapshot.addresses.clear();
        return load;
    });
}

std::optional<QString> SqlVendorDatabase::addressTable(
    qint32 vendorId, const ExchangeSeparators &separators, VendorSnapshot &snapshot) const
{
    // Through Qt's driver, but straight into the text: no address object
    // per row, and no second pass of the library's writer over the values.
    // Anything the text could not carry as it is goes the value-by-value
    // way, whose refusal names it.
    const QChar field = separators.field.front(), record = separators.record.front(), table = separators.table.front();
    auto fits = [&](const QString &text, int size) {
        for (const QChar c : text) {
            if (c == field || c == record || c == table || c.isNull() || c.isSurrogate())
                return false;
        }
        return text.size() <= size;
    };
    QSqlQuery query =
        run(u"SELECT id, row_version, "_s + addressColumnList() + u" FROM addresses WHERE vendor_id = ? ORDER BY id"_s,
            { vendorId }, tr("Reading the addresses"));
    const QString vendor = QString::number(vendorId);
    QString text;
    RowVersions versions;
    int count = 0;
    while (query.next()) {
        if (++count > MaxAddressesPerVendor)
            return std::nullopt;
        const QString id = query.value(0).toString();
        if (id.size() > ZebVendorContact::FieldDefinitions[ZebVendorContact::AddressID].size)
            return std::nullopt;
        versions.insert(query.value(0).toLongLong(), query.value(1).toLongLong());
        text += id;
        text += field;
        text += vendor;
        int index = 2;
        for (const AddressColumn &column : AddressColumns) {
            const QVariant value = query.value(index++);
            text += field;
            if (column.isText()) {
                const QString string = value.toString();
                if (value.isNull() || !fits(string, column.size()))
                    return std::nullopt;
                text += string;
                continue;
            }
            if (value.isNull() && column.kind == AddressColumn::Kind::OptionalNumber)
                continue;
            bool ok = false;
            const int number = value.toInt(&ok);
            if (value.isNull() || !ok || number < -32768 || number > 32767)
                return std::nullopt;
            text += QString::number(number);
        }
        text += record;
    }
    snapshot.rowVersions = std::move(versions);
    snapshot.addressCount = count;
    return text;
}

QString SqlVendorDatabase::addressReadColumns() const
{
    return addressColumnList();
}

CurrentAddresses SqlVendorDatabase::currentAddresses(qint32 vendorId, const QStringList &addressIds) const
{
    return reading([&] {
        CurrentAddresses current;
        QList<qint64> ids;
        for (const QString &id : addressIds) {
            bool ok = false;
            const qint64 number = id.toLongLong(&ok);
            if (ok)
                ids << number;
        }
        // A few hundred values per statement keep every engine's limit on
        // bound values far away.
        for (qsizetype from = 0; from < ids.size(); from += 500) {
            const QList<qint64> chunk = ids.mid(from, 500);
            QVariantList values { vendorId };
            for (const qint64 id : chunk)
                values << id;
            QSqlQuery query = run(u"SELECT id, row_version, "_s + addressReadColumns() +
                    u" FROM addresses WHERE vendor_id = ? AND id IN ("_s +
                    QStringList(chunk.size(), u"?"_s).join(u", ") + u") ORDER BY id"_s,
                values, tr("Reading the addresses"));
            readAddressRows(query, QString::number(vendorId), current.addresses, current.rowVersions);
        }
        for (const qint64 id : std::as_const(ids)) {
            if (!current.rowVersions.contains(id))
                current.deleted << QString::number(id);
        }
        return current;
    });
}

} // namespace VendorContactHost
