// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace VendorContactHost {

/// One vendor as the vendor list shows it.
struct VendorRow
{
    qint32 id = 0;
    QString name;
    int addressCount = 0;
};

/*!
 * The vendor list's questions to the address book, each answered by the
 * database from an index, whatever the size of the book: a page of vendors
 * in list order (by name, then id) before or after a vendor, the vendors
 * with given ids, and the vendors a search finds. Address counts are read
 * for the rows asked for only. VendorDatabase::directory() gives one; it
 * reads through that database's connection and lives no longer than it.
 *
 * A search matches each word typed, case- and accent-insensitively, in the
 * vendor's name or in any of its cities. The database keeps what that
 * needs beside the tables (see vendordirectory.cpp): the distinct cities,
 * the names and cities folded for search (accents removed, lower case)
 * with a trigram index on them (FTS5 on SQLite, pg_trgm on PostgreSQL),
 * and indexes of addresses by city and by vendor and city. A word few
 * vendors match is looked up as a set of vendors; one that many match is
 * checked vendor by vendor along the list, where a page fills after a few
 * rows.
 *
 * Every failure throws ZebVendorContact::Error (DatabaseError for trouble
 * with the database).
 */
class VendorDirectory
{
public:
    virtual ~VendorDirectory() = default;

    /// Searches for `text` from now on; empty lists every vendor.
    virtual void setSearch(const QString &text) = 0;
    virtual QString search() const = 0;

    /// Up to `limit` vendors the search finds after `row` in list order
    /// (from the first when there is none).
    virtual QList<VendorRow> after(const std::optional<VendorRow> &row, int limit) const = 0;
    /// Up to `limit` vendors the search finds before `row`, in list order.
    virtual QList<VendorRow> before(const VendorRow &row, int limit) const = 0;
    /// The vendors of `ids` that exist and that the search finds, in list order.
    virtual QList<VendorRow> rows(const QList<qint32> &ids) = 0;
    /// The vendor the search finds just before `row` in list order.
    virtual std::optional<qint32> predecessor(const VendorRow &row) const = 0;
    /// Whether the vendor exists (whatever the search).
    virtual bool exists(qint32 vendorId) const = 0;

    /// Rows read from the database so far (vendors, cities and vendor ids).
    virtual qint64 rowsRead() const = 0;

    /// `text` as the search compares it: lower case, the accents of Latin
    /// letters removed ("Köln" -> "koln", "Straße" -> "strasse").
    static QString folded(const QString &text);
};

} // namespace VendorContactHost
