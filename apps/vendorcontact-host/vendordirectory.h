// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QVariantList>

#include <optional>

namespace VendorContactHost {

class VendorDatabase;

namespace DbSql {
struct SchemaObject;
}

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
 * for the rows asked for only.
 *
 * A search matches each word typed, case- and accent-insensitively, in the
 * vendor's name or in any of its cities. The database keeps what that
 * needs beside the tables (schemaObjects()): the distinct cities, the names
 * and cities folded for search (accents removed, lower case) with a
 * trigram index on them (FTS5 on SQLite, pg_trgm on PostgreSQL), and an
 * index of addresses by city. A word few vendors match is looked up as a
 * set of vendors; one that many match is checked vendor by vendor along
 * the list, where a page fills after a few rows.
 *
 * Every failure throws ZebVendorContact::Error (DatabaseError for trouble
 * with the database).
 */
class VendorDirectory
{
    Q_DECLARE_TR_FUNCTIONS(VendorDirectory)

public:
    explicit VendorDirectory(const VendorDatabase &database);

    /// Searches for `text` from now on; empty lists every vendor.
    void setSearch(const QString &text);
    QString search() const { return m_search; }

    /// Up to `limit` vendors the search finds after `row` in list order
    /// (from the first when there is none).
    QList<VendorRow> after(const std::optional<VendorRow> &row, int limit) const;
    /// Up to `limit` vendors the search finds before `row`, in list order.
    QList<VendorRow> before(const VendorRow &row, int limit) const;
    /// The vendors of `ids` that exist and that the search finds, in list order.
    QList<VendorRow> rows(const QList<qint32> &ids);
    /// The vendor the search finds just before `row` in list order.
    std::optional<qint32> predecessor(const VendorRow &row) const;
    /// Whether the vendor exists (whatever the search).
    bool exists(qint32 vendorId) const;

    /// Rows read from the database so far (vendors, cities and vendor ids).
    qint64 rowsRead() const { return m_rowsRead; }

    /// `text` as the search compares it: lower case, the accents of Latin
    /// letters removed ("Köln" -> "koln", "Straße" -> "strasse").
    static QString folded(const QString &text);

    /// What the search and the list need beside the address book's tables,
    /// with the statements that create them and fill them from the data
    /// already there.
    static QList<DbSql::SchemaObject> schemaObjects();

private:
    struct Condition
    {
        QString sql; //!< on the vendors as `v`; empty: every vendor
        QVariantList values;
    };
    enum class Direction { Forward, Backward };

    QList<VendorRow> page(const std::optional<VendorRow> &from, Direction direction, int limit) const;
    QList<VendorRow> readRows(const QString &sql, const QVariantList &values) const;
    Condition wordMatches(const QString &word) const;
    std::optional<QSet<qint32>> fewMatching(const QString &word) const;
    QStringList matchingCities(const QString &word) const;
    Condition filter(bool forList) const;
    bool postgres() const;

    const VendorDatabase &m_database;
    bool m_indexed = false; //!< the search's tables and indexes exist
    QString m_search;
    QStringList m_words;
    QList<Condition> m_matches; //!< one per word
    /// When a word finds few vendors: the vendors the smallest such set
    /// holds, and those found later among the changed ones.
    std::optional<QSet<qint32>> m_candidates;
    mutable qint64 m_rowsRead = 0;
};

} // namespace VendorContactHost
