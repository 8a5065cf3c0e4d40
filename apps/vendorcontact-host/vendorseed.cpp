// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The sample vendors a new database starts with: the shipped sample vendor
// and a few more, one of them large enough to show the control's speed.
// Names are invented; phone numbers are 555 numbers, mail goes to example.com.

#include "addresscolumns.h"
#include "exchangetext.h"
#include "vendordbsql.h"

#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::Error;

namespace {

constexpr qint32 SampleVendorId = 1042;

struct Place
{
    const char16_t *city;
    int country;
    int stateId;
    const char16_t *postalCode;
    const char16_t *areaCode;
};

// State ids are those of the sample vendor's state table.
constexpr Place Places[] = {
    { u"Seattle", 1, 48, u"98104", u"(206)" },
    { u"Portland", 1, 38, u"97209", u"(503)" },
    { u"Spokane", 1, 48, u"99201", u"(509)" },
    { u"Boise", 1, 13, u"83702", u"(208)" },
    { u"Sacramento", 1, 5, u"95814", u"(916)" },
    { u"Vancouver", 2, 61, u"V6B 1A1", u"(604)" },
    { u"Calgary", 2, 60, u"T2P 2M5", u"(403)" },
    { u"Hamilton", 2, 68, u"L8P 4R5", u"(905)" },
};
constexpr const char16_t *FirstNames[] = { u"Avery", u"Jordan", u"Priya", u"Mateo", u"Hannah", u"Wei", u"Olivia",
    u"Samuel", u"Fatima", u"Lucas", u"Grace", u"Diego", u"Noah", u"Amara", u"Ethan", u"Sofia" };
constexpr const char16_t *LastNames[] = { u"Lindqvist", u"Okoye", u"Brennan", u"Castillo", u"Nakamura", u"Hughes",
    u"Petrov", u"Delgado", u"Whitaker", u"Haddad", u"Fischer", u"Moreau", u"Kowalski", u"Osei" };
constexpr const char16_t *Streets[] = { u"Industrial Way", u"Harbor Ave", u"Commerce Dr", u"Rainier Ave S", u"Front St",
    u"Mill Rd", u"Cedar Ln", u"Airport Way S", u"Market St", u"Riverside Blvd" };
// Types of the sample's type table that may hold several addresses.
constexpr qint16 ManyAddressTypes[] = { 1, 2, 4, 6, 9, 11 };

struct HandWritten
{
    qint16 type;
    const char16_t *name, *street1, *street2, *city;
    int country, stateId;
    const char16_t *postalCode, *phone, *email;
};

struct SmallVendor
{
    qint32 id;
    const char16_t *name;
    std::initializer_list<HandWritten> addresses;
};

const SmallVendor SmallVendors[] = {
    { 2001, u"Northwind Packaging Ltd.",
        {
            { 15, u"Northwind Packaging Ltd.", u"410 Adelaide St W", u"Suite 600", u"Toronto", 2, 68, u"M5V 1S8",
                u"(416) 555-0110", u"info@northwind.example.com" },
            { 1, u"Chloé Bergeron", u"410 Adelaide St W", u"Suite 600", u"Toronto", 2, 68, u"M5V 1S8",
                u"(416) 555-0111", u"c.bergeron@northwind.example.com" },
            { 4, u"Brampton plant", u"55 Steelwell Rd", u"", u"Brampton", 2, 68, u"L6T 0C1", u"(905) 555-0145",
                u"ship@northwind.example.com" },
            { 4, u"Buffalo transfer", u"2680 Walden Ave", u"Door 4", u"Buffalo", 1, 33, u"14225", u"(716) 555-0182",
                u"ship.buf@northwind.example.com" },
        } },
    { 2002, u"Bluebonnet Office Supply",
        {
            { 15, u"Bluebonnet Office Supply", u"900 Congress Ave", u"Floor 3", u"Austin", 1, 44, u"78701",
                u"(512) 555-0160", u"hello@bluebonnet.example.com" },
            { 2, u"Order desk", u"900 Congress Ave", u"Floor 3", u"Austin", 1, 44, u"78701", u"(512) 555-0161",
                u"orders@bluebonnet.example.com" },
            { 11, u"Accounts receivable", u"PO Box 20931", u"", u"Austin", 1, 44, u"78720", u"(512) 555-0162",
                u"ar@bluebonnet.example.com" },
        } },
    { 2003, u"Sierra Madre Logistics",
        {
            { 15, u"Sierra Madre Logistics", u"Av. Vallarta 3233", u"Piso 8", u"Guadalajara", 0, 81, u"44690",
                u"+52 33 5550 0120", u"contacto@sierramadre.example.com" },
            { 1, u"Alejandra Ruiz", u"Av. Vallarta 3233", u"Piso 8", u"Guadalajara", 0, 81, u"44690",
                u"+52 33 5550 0121", u"a.ruiz@sierramadre.example.com" },
            { 4, u"Centro de distribución", u"Carretera a Laredo km 12", u"Nave 3", u"Apodaca", 0, 82, u"66600",
                u"+52 81 5550 0177", u"envios@sierramadre.example.com" },
        } },
};

// Qt's drivers bind a null QString as NULL; these columns hold empty text.
QString nonNull(const QString &text)
{
    return text.isNull() ? u""_s : text;
}

void exec(QSqlQuery &query, const QString &purpose)
{
    if (!query.exec())
        throw Error(Error::Code::InvalidArgument, u"%1 failed: %2"_s.arg(purpose, query.lastError().text()));
}

QSqlQuery prepared(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw Error(
            Error::Code::InvalidArgument, u"Preparing the sample data failed: %1"_s.arg(query.lastError().text()));
    return query;
}

const QString AddressInsert = u"INSERT INTO addresses (vendor_id, "_s + addressColumnList() + u") VALUES (?, "_s +
    QStringList(AddressColumns.size(), u"?"_s).join(u", ") + u")"_s;

void bindAll(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
}

void insertGenerated(QSqlQuery &insert, qint32 vendorId, int count)
{
    for (int i = 0; i < count; ++i) {
        const Place &place = Places[i % std::size(Places)];
        const QString first = QString::fromUtf16(FirstNames[i % std::size(FirstNames)]);
        const QString last = QString::fromUtf16(LastNames[(i / std::size(FirstNames)) % std::size(LastNames)]);
        const QString phone = u"%1 555-01%2"_s.arg(QString::fromUtf16(place.areaCode)).arg(i % 100, 2, 10, QChar(u'0'));
        bindAll(insert,
            { vendorId, int(ManyAddressTypes[i % std::size(ManyAddressTypes)]),
                u"%1 %2. %3"_s.arg(first, QChar(u'A' + (i / 7) % 26), last),
                u"%1 %2"_s.arg(100 + (i * 37) % 9800).arg(QString::fromUtf16(Streets[i % std::size(Streets)])),
                i % 3 == 0 ? u"Suite %1"_s.arg(100 + i % 900) : u""_s, QString::fromUtf16(place.city), place.country,
                place.stateId, QString::fromUtf16(place.postalCode), phone, u""_s,
                u"%1.%2%3@example.com"_s.arg(first.toLower(), last.toLower()).arg(i), u""_s, u""_s });
        exec(insert, u"Adding the generated addresses"_s);
    }
}

} // namespace

qint32 SqlVendorDatabase::addGeneratedVendor(const QString &name, int count)
{
    QSqlDatabase db = connection();
    if (!db.transaction())
        throw Error(Error::Code::InvalidArgument, u"Cannot start adding a vendor: %1"_s.arg(db.lastError().text()));
    try {
        QSqlQuery next = prepared(db, u"SELECT COALESCE(MAX(id), 0) + 1 FROM vendors"_s);
        exec(next, u"Choosing a vendor id"_s);
        next.next();
        const qint32 id = next.value(0).toInt();
        QSqlQuery vendor = prepared(db, u"INSERT INTO vendors (id, name) VALUES (?, ?)"_s);
        bindAll(vendor, { id, name });
        exec(vendor, u"Adding the vendor"_s);
        QSqlQuery insert = prepared(db, AddressInsert);
        insertGenerated(insert, id, count);
        if (!db.commit())
            throw Error(Error::Code::InvalidArgument, u"Adding the vendor failed: %1"_s.arg(db.lastError().text()));
        // Thousands of rows at once leave the server's planner counting on
        // the table as it was (a few rows per vendor) until its own
        // statistics run catches up, and reading or saving this vendor
        // would go the slow way meanwhile.
        manyRowsAdded();
        return id;
    } catch (...) {
        db.rollback();
        throw;
    }
}

void SqlVendorDatabase::seedSampleVendors()
{
    // Runs inside the transaction that created the tables.
    QSqlDatabase db = connection();
    // The sample vendor's text is the one the demo always shipped; its tables
    // become the database's contact types and states.
    const ExchangeSeparators separators;
    const QStringList tables = splitAt(sampleVendorText(), separators.table);
    if (tables.size() != 3)
        throw Error(Error::Code::InvalidArgument, u"The built-in sample vendor is damaged."_s);

    {
        QSqlQuery type = prepared(db, u"INSERT INTO contact_types (id, name) VALUES (?, ?)"_s);
        for (const QStringList &row : splitRecords(tables.at(1), separators)) {
            bindAll(type, { row.value(0).toInt(), row.value(1) });
            exec(type, u"Adding the contact types"_s);
        }
        QSqlQuery state = prepared(db, u"INSERT INTO states (id, country, code, name) VALUES (?, ?, ?, ?)"_s);
        for (const QStringList &row : splitRecords(tables.at(2), separators)) {
            bindAll(state, { row.value(0).toInt(), row.value(1).toInt(), row.value(2), row.value(3) });
            exec(state, u"Adding the states"_s);
        }

        QSqlQuery vendor = prepared(db, u"INSERT INTO vendors (id, name) VALUES (?, ?)"_s);
        bindAll(vendor, { SampleVendorId, u"Lakeshore Fastener & Supply"_s });
        exec(vendor, u"Adding the sample vendor"_s);
        // The sample's own address ids are kept, so the demo shows the ids it
        // always showed.
        QSqlQuery sample = prepared(db,
            u"INSERT INTO addresses (id, vendor_id, "_s + addressColumnList() + u") VALUES (?, ?, "_s +
                QStringList(AddressColumns.size(), u"?"_s).join(u", ") + u")"_s);
        for (const QStringList &row : splitRecords(tables.at(0), separators)) {
            QVariantList values { row.value(0).toInt(), SampleVendorId };
            for (const AddressColumn &column : AddressColumns)
                values << (column.isText() ? QVariant(nonNull(row.value(column.field)))
                                           : QVariant(row.value(column.field).toInt()));
            bindAll(sample, values);
            exec(sample, u"Adding the sample vendor's addresses"_s);
        }
        sampleVendorsAdded();

        for (const SmallVendor &small : SmallVendors) {
            bindAll(vendor, { small.id, QString::fromUtf16(small.name) });
            exec(vendor, u"Adding the sample vendors"_s);
            QSqlQuery insert = prepared(db, AddressInsert);
            for (const HandWritten &a : small.addresses) {
                bindAll(insert,
                    { small.id, int(a.type), QString::fromUtf16(a.name), QString::fromUtf16(a.street1),
                        nonNull(QString::fromUtf16(a.street2)), QString::fromUtf16(a.city), a.country, a.stateId,
                        QString::fromUtf16(a.postalCode), QString::fromUtf16(a.phone), u""_s,
                        QString::fromUtf16(a.email), u""_s, u""_s });
                exec(insert, u"Adding the sample vendors' addresses"_s);
            }
        }
        bindAll(vendor, { 2004, u"Cascade Industrial Parts"_s });
        exec(vendor, u"Adding the large sample vendor"_s);
        QSqlQuery insert = prepared(db, AddressInsert);
        insertGenerated(insert, 2004, 3000);
    }
}

} // namespace VendorContactHost
