// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The vendor list's reads inside the engines: the SQL both engines share,
// and what each does its own way.

#include "vendordbsql.h"
#include "vendordirectory.h"

#include <QtCore/QSet>

namespace VendorContactHost {

namespace DbSql {

/*!
 * How one engine answers the vendor list's search (the rest of its SQL is
 * the same on both). Each statement's `?` take the word as a LIKE pattern;
 * where a statement says {cities}, the cities the word matches (read with
 * matchingCities) go in as an array of values.
 */
struct DirectorySql
{
    struct Statement
    {
        QString sql;
        int patterns = 0; //!< how many `?`
    };
    QString indexedCheck; //!< one row: whether the search's tables and indexes exist
    QString matchingCities; //!< empty: the statements match the cities themselves
    Statement wordCondition; //!< on the vendors as `v`
    Statement fewMatching; //!< vendor ids, one per name or address found
    Statement fewMatchingShort; //!< the same for fragments too short for trigrams
    QString nameOrder; //!< how the vendors are read in name order (after "FROM vendors v")
    QString candidateOrder; //!< how a set of candidates is read (by id, then sorted)
    /// The statement (%1) that finds up to %2 vendors: distinct ones where
    /// the database stops after that many, else names and addresses found.
    QString fewMatchingLimit;
    int fewLimit = 0; //!< %2: more than this, and the word is checked along the list
};

const DirectorySql &sqliteDirectorySql();
const DirectorySql &postgresDirectorySql();

/// What the vendor list and its search need beside the address book's
/// tables, with the statements that create them and fill them from the
/// data already there.
QList<SchemaObject> directorySchemaObjects();

} // namespace DbSql

/// The VendorDirectory of a database that goes through Qt's SQL module.
class SqlVendorDirectory final : public VendorDirectory
{
    Q_DECLARE_TR_FUNCTIONS(VendorDatabase)

public:
    SqlVendorDirectory(const SqlVendorDatabase &database, const DbSql::DirectorySql &sql);

    void setSearch(const QString &text) override;
    QString search() const override { return m_search; }
    QList<VendorRow> after(const std::optional<VendorRow> &row, int limit) const override;
    QList<VendorRow> before(const VendorRow &row, int limit) const override;
    QList<VendorRow> rows(const QList<qint32> &ids) override;
    std::optional<qint32> predecessor(const VendorRow &row) const override;
    bool exists(qint32 vendorId) const override;
    qint64 rowsRead() const override { return m_rowsRead; }

private:
    struct Condition
    {
        QString sql; //!< on the vendors as `v`; empty: every vendor
        QVariantList values;
    };
    enum class Direction { Forward, Backward };

    QSqlQuery run(const QString &sql, const QVariantList &values, const QString &purpose) const;
    QList<VendorRow> page(const std::optional<VendorRow> &from, Direction direction, int limit) const;
    QList<VendorRow> readRows(const QString &sql, const QVariantList &values) const;
    Condition statementFor(const DbSql::DirectorySql::Statement &statement, const QString &word) const;
    Condition wordMatches(const QString &word) const;
    std::optional<QSet<qint32>> fewMatching(const QString &word) const;
    Condition filter(bool forList) const;

    const SqlVendorDatabase &m_database;
    const DbSql::DirectorySql &m_sql;
    bool m_indexed = false; //!< the search's tables and indexes exist
    QString m_search;
    QStringList m_words;
    QList<Condition> m_matches; //!< one per word
    QList<bool> m_collected; //!< per word: its vendors are among the candidates, all of them
    /// When a word finds few vendors: the vendors the smallest such set
    /// holds, and those found later among the changed ones.
    std::optional<QSet<qint32>> m_candidates;
    mutable QHash<QString, QString> m_cities; //!< each word's cities as an SQL array value
    mutable qint64 m_rowsRead = 0;
};

} // namespace VendorContactHost
