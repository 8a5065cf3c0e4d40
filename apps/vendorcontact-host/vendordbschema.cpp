// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address book's tables, and the triggers that record which vendor
// changed: every writer counts, the host's saves and any other program's.

#include "vendordbsql.h"
#include "vendordbdirectory.h"

#include "addresscolumns.h"

namespace VendorContactHost::DbSql {

using namespace Qt::Literals::StringLiterals;

namespace {

// SQLite: a change counter per vendor, bumped by triggers in the writing
// transaction. A watcher that sees the file's data_version move reads the
// counters to learn which vendors changed.
QString sqliteBump(const char16_t *row, const char16_t *column, const QString &when = {})
{
    return u"INSERT INTO vendor_changes (vendor_id, version) SELECT %1.%2, 1 WHERE %3 "
           u"ON CONFLICT (vendor_id) DO UPDATE SET version = version + 1;"_s.arg(
               QString::fromUtf16(row), QString::fromUtf16(column), when.isEmpty() ? u"1"_s : when);
}

QStringList sqliteTriggers(const char16_t *table, const char16_t *column)
{
    const QString name = QString::fromUtf16(table);
    const QString id = QString::fromUtf16(column);
    return {
        u"CREATE TRIGGER %1_insert_noted AFTER INSERT ON %1 BEGIN %2 END"_s.arg(name, sqliteBump(u"new", column)),
        u"CREATE TRIGGER %1_update_noted AFTER UPDATE ON %1 BEGIN %2 %3 END"_s.arg(
            name, sqliteBump(u"new", column), sqliteBump(u"old", column, u"old.%1 <> new.%1"_s.arg(id))),
        u"CREATE TRIGGER %1_delete_noted AFTER DELETE ON %1 BEGIN %2 END"_s.arg(name, sqliteBump(u"old", column)),
    };
}

// PostgreSQL: a notification naming the vendor, which the server delivers
// only when the writing transaction commits (and once per vendor).
const QString PostgresNotify =
    u"CREATE FUNCTION vendor_changes_notify() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    u"BEGIN\n"
    u"  IF TG_TABLE_NAME = 'vendors' THEN\n"
    u"    IF TG_OP <> 'INSERT' THEN PERFORM pg_notify('vendor_changes', OLD.id::text); END IF;\n"
    u"    IF TG_OP <> 'DELETE' THEN PERFORM pg_notify('vendor_changes', NEW.id::text); END IF;\n"
    u"  ELSE\n"
    u"    IF TG_OP <> 'INSERT' THEN PERFORM pg_notify('vendor_changes', "
    u"OLD.vendor_id::text); END IF;\n"
    u"    IF TG_OP <> 'DELETE' THEN PERFORM pg_notify('vendor_changes', "
    u"NEW.vendor_id::text); END IF;\n"
    u"  END IF;\n"
    u"  RETURN NULL;\n"
    u"END $$"_s;

// A save only writes over an address whose row version it read. Another
// program's UPDATE that leaves the version as it was would slip past that
// check, so the database raises it then; an update that raises it itself
// (every save of the host) is left alone.
const QString SqliteRaiseVersion = u"CREATE TRIGGER addresses_version_raised AFTER UPDATE ON addresses "
                                   u"WHEN new.row_version = old.row_version BEGIN "
                                   u"UPDATE addresses SET row_version = old.row_version + 1 WHERE id = new.id; END"_s;

const QString PostgresRaiseVersion =
    u"CREATE FUNCTION addresses_raise_version() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    u"BEGIN\n"
    u"  IF NEW.row_version = OLD.row_version THEN\n"
    u"    NEW.row_version := OLD.row_version + 1;\n"
    u"  END IF;\n"
    u"  RETURN NEW;\n"
    u"END $$"_s;

// The addresses change a thousand at a time: one call per statement, with
// the rows it changed, instead of one per row. A vendor is named once per
// statement (and the server sends it once per transaction).
const QString PostgresAddressesNotify =
    u"CREATE FUNCTION addresses_changes_notify() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    u"BEGIN\n"
    u"  IF TG_OP = 'INSERT' THEN\n"
    u"    PERFORM pg_notify('vendor_changes', vendor_id::text) FROM (SELECT DISTINCT vendor_id FROM new_rows) v;\n"
    u"  ELSIF TG_OP = 'DELETE' THEN\n"
    u"    PERFORM pg_notify('vendor_changes', vendor_id::text) FROM (SELECT DISTINCT vendor_id FROM old_rows) v;\n"
    u"  ELSE\n"
    u"    PERFORM pg_notify('vendor_changes', vendor_id::text) FROM "
    u"(SELECT vendor_id FROM old_rows UNION SELECT vendor_id FROM new_rows) v;\n"
    u"  END IF;\n"
    u"  RETURN NULL;\n"
    u"END $$"_s;

/// The statement-level trigger for `event`. A database made before these
/// had one trigger per row for all three events: it goes with whichever of
/// them comes first.
QStringList postgresAddressesTrigger(const char16_t *name, const char16_t *event, const char16_t *tables)
{
    return { u"DROP TRIGGER IF EXISTS addresses_noted ON addresses"_s,
        u"CREATE TRIGGER %1 AFTER %2 ON addresses REFERENCING %3 FOR EACH STATEMENT "
        u"EXECUTE FUNCTION addresses_changes_notify()"_s.arg(
            QString::fromUtf16(name), QString::fromUtf16(event), QString::fromUtf16(tables)) };
}

QString postgresTrigger(const char16_t *table)
{
    return u"CREATE TRIGGER %1_noted AFTER INSERT OR UPDATE OR DELETE ON %1 FOR EACH ROW "
           u"EXECUTE FUNCTION vendor_changes_notify()"_s.arg(QString::fromUtf16(table));
}

// Room left in every page of addresses, so that an updated row's new
// version fits beside the old one and no index needs a new entry.
const QString PostgresRoomToUpdate = u" (fillfactor = 85)"_s;

} // namespace

QList<SchemaObject> schemaObjects()
{
    QStringList columns;
    for (const AddressColumn &column : AddressColumns)
        columns << QString::fromUtf16(column.name) + u' ' + column.declaredType() +
                QString::fromUtf16(column.constraint);
    const QString addresses = u"CREATE TABLE addresses (id %1, vendor_id INTEGER NOT NULL REFERENCES vendors(id), "_s +
        columns.join(u", ") + u", row_version INTEGER NOT NULL DEFAULT 1)"_s;
    // Every save records its id here in its own transaction: after a lost
    // connection, whether the save committed can be looked up.
    const QString saves = u"CREATE TABLE saves (id VARCHAR(40) PRIMARY KEY, vendor_id INTEGER NOT NULL, "
                          u"inserted INTEGER NOT NULL, updated INTEGER NOT NULL, new_ids TEXT NOT NULL, "
                          u"saved_at BIGINT NOT NULL)"_s;
    const QString savesByTime = u"CREATE INDEX saves_by_time ON saves (saved_at)"_s;
    const QString vendors = u"CREATE TABLE vendors (id INTEGER PRIMARY KEY, name VARCHAR(100) NOT NULL)"_s;
    const QString types = u"CREATE TABLE contact_types (id SMALLINT PRIMARY KEY, name VARCHAR(60) NOT NULL)"_s;
    const QString states = u"CREATE TABLE states (id SMALLINT PRIMARY KEY, country SMALLINT NOT NULL, "
                           u"code VARCHAR(10) NOT NULL, name VARCHAR(60) NOT NULL)"_s;
    const QString index = u"CREATE INDEX addresses_by_vendor ON addresses (vendor_id)"_s;
    // A vendor's addresses are read in id order. SQLite's index holds the
    // id already (it is the row id); PostgreSQL's needs it as a column to
    // hand the rows over in order instead of sorting them.
    const QStringList postgresIndex { u"CREATE INDEX addresses_by_vendor_and_id ON addresses (vendor_id, id)"_s,
        u"DROP INDEX IF EXISTS addresses_by_vendor"_s, u"ALTER TABLE addresses SET"_s + PostgresRoomToUpdate };
    const auto addressTriggers = sqliteTriggers(u"addresses", u"vendor_id");
    const auto vendorTriggers = sqliteTriggers(u"vendors", u"id");
    QList<SchemaObject> objects {
        { u"vendors", true, { vendors }, { vendors } },
        { u"contact_types", true, { types }, { types } },
        { u"states", true, { states }, { states } },
        { u"addresses", true, { addresses.arg(u"INTEGER PRIMARY KEY AUTOINCREMENT"_s) },
            { addresses.arg(u"INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"_s) + u" WITH"_s +
                PostgresRoomToUpdate } },
        { u"addresses_by_vendor", false, { index }, {} },
        { u"addresses_by_vendor_and_id", false, {}, postgresIndex },
        { u"saves", false, { saves }, { saves } },
        // The prune after every save looks for old records by their date.
        { u"saves_by_time", false, { savesByTime }, { savesByTime } },
        { u"vendor_changes", false,
            { u"CREATE TABLE vendor_changes (vendor_id INTEGER PRIMARY KEY, version INTEGER NOT NULL)"_s }, {} },
        { u"vendor_changes_notify", false, {}, { PostgresNotify } },
        { u"addresses_changes_notify", false, {}, { PostgresAddressesNotify } },
        { u"addresses_insert_noted", false, { addressTriggers.at(0) },
            postgresAddressesTrigger(u"addresses_insert_noted", u"INSERT", u"NEW TABLE AS new_rows") },
        { u"addresses_update_noted", false, { addressTriggers.at(1) },
            postgresAddressesTrigger(
                u"addresses_update_noted", u"UPDATE", u"OLD TABLE AS old_rows NEW TABLE AS new_rows") },
        { u"addresses_delete_noted", false, { addressTriggers.at(2) },
            postgresAddressesTrigger(u"addresses_delete_noted", u"DELETE", u"OLD TABLE AS old_rows") },
        { u"vendors_insert_noted", false, { vendorTriggers.at(0) }, {} },
        { u"vendors_update_noted", false, { vendorTriggers.at(1) }, {} },
        { u"vendors_delete_noted", false, { vendorTriggers.at(2) }, {} },
        { u"addresses_raise_version", false, {}, { PostgresRaiseVersion } },
        // The condition is checked by the server itself: the host's own
        // updates, which raise the version, never call the function.
        { u"addresses_version_raised", false, { SqliteRaiseVersion }, {} },
        { u"addresses_version_guarded", false, {},
            { u"DROP TRIGGER IF EXISTS addresses_version_raised ON addresses"_s,
                u"CREATE TRIGGER addresses_version_guarded BEFORE UPDATE ON addresses FOR EACH ROW "
                u"WHEN (NEW.row_version = OLD.row_version) EXECUTE FUNCTION addresses_raise_version()"_s } },
        { u"vendors_noted", false, {}, { postgresTrigger(u"vendors") } },
    };
    // The vendor list's and the search's own, kept beside the tables.
    objects << directorySchemaObjects();
    return objects;
}

} // namespace VendorContactHost::DbSql
