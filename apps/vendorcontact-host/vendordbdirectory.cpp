// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The vendor list's queries and the tables, triggers and indexes they
// stand on. None reads more than the rows it returns and what an index
// leads it to: no count, DISTINCT or sort over every address, at start,
// after a change or while typing.

#include "vendordbdirectory.h"

#include <QtCore/QHash>
#include <QtCore/QRegularExpression>

#include <algorithm>

namespace VendorContactHost {

using namespace Qt::Literals::StringLiterals;
using DbSql::SchemaObject;

namespace {

/// A word that finds more vendors than this is checked along the list
/// instead of collected: at that density a page fills after a thousand
/// vendors, and collecting them costs about as much.
constexpr int FewVendors = 10000;
/// The same where the database counts rows (names and addresses together).
constexpr int FewRows = 20000;
/// The trigram index serves fragments of three characters and more.
constexpr int TrigramLength = 3;

/// What each Latin letter with an accent (and a few letters of their own)
/// becomes for search. The database folds with the same table.
const QList<std::pair<QChar, QString>> &foldings()
{
    static const QList<std::pair<QChar, QString>> table = [] {
        QList<std::pair<QChar, QString>> result;
        for (char16_t c = 0xC0; c <= 0x24F; ++c) {
            const QString decomposed = QString(QChar(c)).normalized(QString::NormalizationForm_D);
            if (decomposed.size() > 1 && decomposed.at(0).unicode() < 0x80 && decomposed.at(0).isLetter())
                result.append({ QChar(c), decomposed.at(0).toLower() });
        }
        const std::pair<char16_t, const char16_t *> own[] = { { u'ß', u"ss" }, { u'Æ', u"ae" }, { u'æ', u"ae" },
            { u'Œ', u"oe" }, { u'œ', u"oe" }, { u'Ø', u"o" }, { u'ø', u"o" }, { u'Ł', u"l" }, { u'ł', u"l" },
            { u'Đ', u"d" }, { u'đ', u"d" }, { u'Þ', u"th" }, { u'þ', u"th" }, { u'ı', u"i" }, { u'Ħ', u"h" },
            { u'ħ', u"h" } };
        for (const auto &[from, to] : own)
            result.append({ QChar(from), QString::fromUtf16(to) });
        return result;
    }();
    return table;
}

/// SQLite's parser takes about twenty nested calls: the folding is done in
/// steps of this many replace() calls each.
constexpr int FoldStep = 16;

/// Statements that fold the column `folded` of the rows `where` picks in
/// `table` on SQLite, after it was set to lower(text). Built-in functions
/// only, so that the triggers run in every program that writes to the
/// file.
QStringList sqliteFoldSteps(const QString &table, const QString &where)
{
    QStringList statements;
    const auto &table_ = foldings();
    for (qsizetype first = 0; first < table_.size(); first += FoldStep) {
        QString expression = u"folded"_s;
        for (qsizetype i = first; i < std::min(first + FoldStep, table_.size()); ++i)
            expression = u"replace(%1, '%2', '%3')"_s.arg(expression, table_.at(i).first, table_.at(i).second);
        statements << u"UPDATE %1 SET folded = %2%3"_s.arg(
            table, expression, where.isEmpty() ? QString() : u" WHERE "_s + where);
    }
    return statements;
}

QString triggerBody(const QStringList &statements)
{
    return statements.join(u"; "_s) + u';';
}

/// The body of PostgreSQL's zvc_fold(text): translate() for the letters
/// that become one letter, replace() for the others.
QString postgresFold()
{
    QString from, to;
    QString expression = u"$1"_s;
    for (const auto &[letter, folded] : foldings()) {
        if (folded.size() == 1) {
            from += letter;
            to += folded;
        } else {
            expression = u"replace(%1, '%2', '%3')"_s.arg(expression, letter, folded);
        }
    }
    return u"SELECT lower(translate(%1, '%2', '%3'))"_s.arg(expression, from, to);
}

QString idList(const QSet<qint32> &ids)
{
    if (ids.isEmpty())
        return u"NULL"_s;
    QStringList numbers;
    numbers.reserve(ids.size());
    for (const qint32 id : ids)
        numbers << QString::number(id);
    return numbers.join(u',');
}

/// A PostgreSQL text[] literal.
QString textArray(const QStringList &values)
{
    QStringList quoted;
    for (QString value : values)
        quoted << u'"' + value.replace(u"\\"_s, u"\\\\"_s).replace(u"\""_s, u"\\\""_s) + u'"';
    return u'{' + quoted.join(u',') + u'}';
}

/// The vendor of a changed counter goes last in the order of changes.
const QString NextInOrder = u"INSERT INTO vendor_change_order (vendor_id, sequence) SELECT new.vendor_id, "
                            u"COALESCE((SELECT MAX(sequence) FROM vendor_change_order), 0) + 1 WHERE true "
                            u"ON CONFLICT (vendor_id) DO UPDATE SET sequence = excluded.sequence;"_s;

/// PostgreSQL keeps each vendor's folded name beside it: folding is slow
/// enough that the search must not do it for every vendor it looks at.
const QString FoldName = u"CREATE FUNCTION vendors_fold_name() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                         u"BEGIN\n"
                         u"  IF TG_OP <> 'INSERT' THEN DELETE FROM vendor_folded WHERE id = OLD.id; END IF;\n"
                         u"  IF TG_OP <> 'DELETE' THEN\n"
                         u"    INSERT INTO vendor_folded (id, folded) VALUES (NEW.id, zvc_fold(NEW.name));\n"
                         u"  END IF;\n"
                         u"  RETURN NULL;\n"
                         u"END $$"_s;

const QString AddressCount = u"(SELECT COUNT(*) FROM addresses a WHERE a.vendor_id = v.id)"_s;

} // namespace

QString VendorDirectory::folded(const QString &text)
{
    static const QHash<QChar, QString> table = [] {
        QHash<QChar, QString> hash;
        for (const auto &[from, to] : foldings())
            hash.insert(from, to);
        return hash;
    }();
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const auto found = table.constFind(c);
        result += found == table.cend() ? c.toLower() : *found;
    }
    return result;
}

namespace DbSql {

const DirectorySql &sqliteDirectorySql()
{
    // The city is compared as a value (+), not looked up: the vendor's own
    // index entries hold it already. Short fragments have no trigrams: the
    // folded names are read from their plain table, quicker to scan than
    // the index's.
    static const DirectorySql sql {
        u"SELECT COUNT(*) = 7 FROM sqlite_master WHERE name IN ('cities', 'city_search', 'vendor_folded', "
        u"'vendor_search', 'addresses_by_city', 'addresses_by_vendor_city', 'vendors_by_name')"_s,
        {},
        { u"(EXISTS (SELECT 1 FROM vendor_folded f WHERE f.id = v.id AND f.folded LIKE ?) OR EXISTS (SELECT 1 "
          u"FROM addresses a INDEXED BY addresses_by_vendor_city WHERE a.vendor_id = v.id AND +a.city IN "
          u"(SELECT c.name FROM cities c WHERE c.folded LIKE ?)))"_s,
            2 },
        { u"SELECT rowid AS id FROM vendor_search WHERE folded LIKE ? UNION ALL SELECT a.vendor_id FROM addresses a "
          u"INDEXED BY addresses_by_city WHERE a.city IN (SELECT c.name FROM cities c WHERE c.id IN "
          u"(SELECT rowid FROM city_search WHERE folded LIKE ?))"_s,
            2 },
        { u"SELECT id FROM vendor_folded WHERE folded LIKE ? UNION ALL SELECT a.vendor_id FROM addresses a "
          u"INDEXED BY addresses_by_city WHERE a.city IN (SELECT c.name FROM cities c WHERE c.folded LIKE ?)"_s,
            2 },
        u" INDEXED BY vendors_by_name"_s,
        u" NOT INDEXED"_s,
        // DISTINCT with LIMIT stops after that many vendors.
        u"SELECT DISTINCT id FROM (%1) LIMIT %2"_s,
        FewVendors,
    };
    return sql;
}

const DirectorySql &postgresDirectorySql()
{
    // The cities a word matches are read first (the dictionary is small)
    // and go in as a constant, which the server looks values up in by
    // hash. Checked along the list, a vendor's addresses are looked at
    // through its own index entries (the city compared as a value, not
    // looked up: || ''), one vendor at a time (OFFSET 0 keeps the server
    // from reading every matching address first to hash them).
    static const DirectorySql sql {
        u"SELECT to_regclass('cities') IS NOT NULL AND to_regclass('vendor_folded') IS NOT NULL AND "
        u"to_regclass('addresses_by_city') IS NOT NULL AND to_regclass('addresses_by_vendor_city') IS NOT NULL AND "
        u"to_regclass('vendors_by_name') IS NOT NULL"_s,
        u"SELECT name FROM cities WHERE folded LIKE ?"_s,
        { u"(EXISTS (SELECT 1 FROM vendor_folded f WHERE f.id = v.id AND f.folded LIKE ? OFFSET 0) OR "
          u"EXISTS (SELECT 1 FROM addresses a WHERE a.vendor_id = v.id AND (a.city || '') = ANY({cities}) "
          u"OFFSET 0))"_s,
            1 },
        { u"SELECT id FROM vendor_folded WHERE folded LIKE ? UNION ALL "
          u"SELECT vendor_id FROM addresses WHERE city = ANY({cities})"_s,
            1 },
        { u"SELECT id FROM vendor_folded WHERE folded LIKE ? UNION ALL "
          u"SELECT vendor_id FROM addresses WHERE city = ANY({cities})"_s,
            1 },
        {},
        {},
        // Its DISTINCT would read every row first: the rows found are
        // counted instead, and made distinct here.
        u"%1 LIMIT %2"_s,
        FewRows,
    };
    return sql;
}

} // namespace DbSql

std::unique_ptr<VendorDirectory> SqlVendorDatabase::directory() const
{
    return std::make_unique<SqlVendorDirectory>(*this, directorySql());
}

SqlVendorDirectory::SqlVendorDirectory(const SqlVendorDatabase &database, const DbSql::DirectorySql &sql)
    : m_database(database)
    , m_sql(sql)
{
    QSqlQuery query = run(m_sql.indexedCheck, {}, tr("Reading the vendors"));
    m_indexed = query.next() && query.value(0).toBool();
}

QSqlQuery SqlVendorDirectory::run(const QString &sql, const QVariantList &values, const QString &purpose) const
{
    return m_database.reading([&] { return m_database.run(sql, values, purpose); });
}

void SqlVendorDirectory::setSearch(const QString &text)
{
    m_search = text;
    // LIKE's own characters are no part of a word.
    static const QRegularExpression separators(u"[\\s%_\\\\]+"_s);
    m_words = text.split(separators, Qt::SkipEmptyParts);
    m_matches.clear();
    m_candidates.reset();
    m_cities.clear();
    std::optional<QSet<qint32>> candidates;
    m_collected.clear();
    for (const QString &word : std::as_const(m_words)) {
        m_matches << wordMatches(word);
        std::optional<QSet<qint32>> few = fewMatching(word);
        m_collected << few.has_value();
        if (few) {
            if (candidates)
                candidates->intersect(*few);
            else
                candidates = std::move(few);
        }
    }
    m_candidates = std::move(candidates);
}

SqlVendorDirectory::Condition SqlVendorDirectory::statementFor(
    const DbSql::DirectorySql::Statement &statement, const QString &word) const
{
    const QString pattern = u'%' + folded(word) + u'%';
    Condition condition { statement.sql, {} };
    for (int i = 0; i < statement.patterns; ++i)
        condition.values << pattern;
    if (!statement.sql.contains(u"{cities}"))
        return condition;
    if (!m_cities.contains(word)) {
        QSqlQuery query = run(m_sql.matchingCities, { pattern }, tr("Searching the vendors"));
        QStringList cities;
        while (query.next())
            cities << query.value(0).toString();
        m_rowsRead += cities.size();
        // An SQL string holding a text[] literal: in the statement, not
        // bound, so that the server sees a constant.
        m_cities.insert(word, u"CAST('%1' AS text[])"_s.arg(textArray(cities).replace(u"'"_s, u"''"_s)));
    }
    condition.sql.replace(u"{cities}"_s, m_cities.value(word));
    return condition;
}

SqlVendorDirectory::Condition SqlVendorDirectory::wordMatches(const QString &word) const
{
    if (!m_indexed) {
        // A database this host may not bring up to date (read-only): the
        // tables themselves are read, case-insensitively only.
        const QString pattern = u'%' + word.toLower() + u'%';
        return { u"(lower(v.name) LIKE ? OR EXISTS (SELECT 1 FROM addresses a WHERE a.vendor_id = v.id AND "
                 u"lower(a.city) LIKE ?))"_s,
            { pattern, pattern } };
    }
    return statementFor(m_sql.wordCondition, word);
}

std::optional<QSet<qint32>> SqlVendorDirectory::fewMatching(const QString &word) const
{
    if (!m_indexed)
        return std::nullopt;
    const DbSql::DirectorySql::Statement &statement =
        word.size() >= TrigramLength ? m_sql.fewMatching : m_sql.fewMatchingShort;
    const Condition found = statementFor(statement, word);
    QSqlQuery query = run(m_sql.fewMatchingLimit.arg(found.sql, QString::number(m_sql.fewLimit + 1)), found.values,
        tr("Searching the vendors"));
    QSet<qint32> ids;
    int read = 0;
    while (query.next()) {
        ids.insert(query.value(0).toInt());
        ++read;
    }
    m_rowsRead += read;
    if (read > m_sql.fewLimit)
        return std::nullopt;
    return ids;
}

SqlVendorDirectory::Condition SqlVendorDirectory::filter(bool forList) const
{
    Condition condition;
    QStringList parts;
    if (forList && m_candidates)
        parts << (m_candidates->isEmpty() ? u"1 = 0"_s : u"v.id IN (%1)"_s.arg(idList(*m_candidates)));
    // The candidates are exactly the vendors the words that find few
    // match: only the other words are checked on each of them. A changed
    // vendor is checked against every word.
    for (qsizetype i = 0; i < m_matches.size(); ++i) {
        if (forList && m_candidates && m_collected.at(i))
            continue;
        parts << m_matches.at(i).sql;
        condition.values << m_matches.at(i).values;
    }
    condition.sql = parts.join(u" AND "_s);
    return condition;
}

QList<VendorRow> SqlVendorDirectory::readRows(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query = run(sql, values, tr("Reading the vendors"));
    QList<VendorRow> rows;
    while (query.next())
        rows.append({ query.value(0).toInt(), query.value(1).toString(), query.value(2).toInt() });
    m_rowsRead += rows.size();
    return rows;
}

QList<VendorRow> SqlVendorDirectory::page(const std::optional<VendorRow> &from, Direction direction, int limit) const
{
    const Condition condition = filter(true);
    QStringList where;
    QVariantList values;
    const bool forward = direction == Direction::Forward;
    if (from) {
        where << (forward ? u"(v.name, v.id) > (?, ?)"_s : u"(v.name, v.id) < (?, ?)"_s);
        values << from->name << from->id;
    }
    if (!condition.sql.isEmpty()) {
        where << condition.sql;
        values << condition.values;
    }
    // Along the name index, so that the first rows come first; not for a
    // set of candidates, which is read by id and sorted.
    const QString order = !m_indexed ? QString() : m_candidates ? m_sql.candidateOrder : m_sql.nameOrder;
    const QString sort = forward ? u"v.name, v.id"_s : u"v.name DESC, v.id DESC"_s;
    QList<VendorRow> rows =
        readRows(u"SELECT v.id, v.name, %1 FROM vendors v%2 %3 ORDER BY %4 LIMIT %5"_s.arg(AddressCount, order,
                     where.isEmpty() ? QString() : u"WHERE "_s + where.join(u" AND "_s), sort, QString::number(limit)),
            values);
    if (!forward)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<VendorRow> SqlVendorDirectory::after(const std::optional<VendorRow> &row, int limit) const
{
    return page(row, Direction::Forward, limit);
}

QList<VendorRow> SqlVendorDirectory::before(const VendorRow &row, int limit) const
{
    return page(row, Direction::Backward, limit);
}

QList<VendorRow> SqlVendorDirectory::rows(const QList<qint32> &ids)
{
    if (ids.isEmpty())
        return {};
    const Condition condition = filter(false);
    const QString where = u"v.id IN (%1)"_s.arg(idList(QSet<qint32>(ids.cbegin(), ids.cend()))) +
        (condition.sql.isEmpty() ? QString() : u" AND "_s + condition.sql);
    const QList<VendorRow> found =
        readRows(u"SELECT v.id, v.name, %1 FROM vendors v WHERE %2 ORDER BY v.name, v.id"_s.arg(AddressCount, where),
            condition.values);
    // A vendor the search finds now, changed since the candidates were
    // collected, is one of them from now on.
    if (m_candidates) {
        for (const VendorRow &row : found)
            m_candidates->insert(row.id);
    }
    return found;
}

std::optional<qint32> SqlVendorDirectory::predecessor(const VendorRow &row) const
{
    const QList<VendorRow> previous = page(row, Direction::Backward, 1);
    if (previous.isEmpty())
        return std::nullopt;
    return previous.constFirst().id;
}

bool SqlVendorDirectory::exists(qint32 vendorId) const
{
    QSqlQuery query = run(u"SELECT 1 FROM vendors WHERE id = ?"_s, { vendorId }, tr("Reading the vendors"));
    return query.next();
}

QList<SchemaObject> DbSql::directorySchemaObjects()
{
    // A city is added when its first address comes; cities no address
    // has any more stay (they find no vendor).
    const QString addCity =
        triggerBody(QStringList { u"INSERT INTO cities (name, folded) VALUES (new.city, lower(new.city))"_s } +
            sqliteFoldSteps(u"cities"_s, u"name = new.city"_s) +
            QStringList {
                u"INSERT INTO city_search (rowid, folded) SELECT id, folded FROM cities WHERE name = new.city"_s });
    const QString cityIsNew = u"new.city IS NOT NULL AND NOT EXISTS (SELECT 1 FROM cities WHERE name = new.city)"_s;
    const QString addName =
        triggerBody(QStringList { u"INSERT INTO vendor_folded (id, folded) VALUES (new.id, lower(new.name))"_s } +
            sqliteFoldSteps(u"vendor_folded"_s, u"id = new.id"_s) +
            QStringList { u"INSERT INTO vendor_search (rowid, folded) SELECT id, folded FROM vendor_folded "
                          u"WHERE id = new.id"_s });
    const QString dropName = u"INSERT INTO vendor_search (vendor_search, rowid, folded) SELECT 'delete', id, folded "
                             u"FROM vendor_folded WHERE id = old.id; DELETE FROM vendor_folded WHERE id = old.id;"_s;
    // PostgreSQL notes the cities once per statement (a save writes a
    // thousand addresses in one).
    const QString noteCities = u"CREATE FUNCTION addresses_note_cities() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                               u"BEGIN\n"
                               u"  INSERT INTO cities (name, folded) SELECT city, zvc_fold(city) FROM new_rows "
                               u"WHERE city IS NOT NULL GROUP BY city ON CONFLICT (name) DO NOTHING;\n"
                               u"  RETURN NULL;\n"
                               u"END $$"_s;
    auto postgresCityTrigger = [](const char16_t *name, const char16_t *event) {
        return u"CREATE TRIGGER %1 AFTER %2 ON addresses REFERENCING NEW TABLE AS new_rows FOR EACH STATEMENT "
               u"EXECUTE FUNCTION addresses_note_cities()"_s.arg(QString::fromUtf16(name), QString::fromUtf16(event));
    };
    // The trigram index needs pg_trgm (Debian ships it with the server; a
    // database owner may create it). Without it the search still works,
    // reading more.
    const QString trigramIndexes =
        u"DO $$ BEGIN\n"
        u"  CREATE EXTENSION IF NOT EXISTS pg_trgm;\n"
        u"  EXECUTE 'CREATE INDEX vendors_folded ON vendor_folded USING gin (folded gin_trgm_ops)';\n"
        u"  EXECUTE 'CREATE INDEX cities_folded ON cities USING gin (folded gin_trgm_ops)';\n"
        u"EXCEPTION WHEN OTHERS THEN\n"
        u"  RAISE WARNING 'the vendor search has no trigram index: %', SQLERRM;\n"
        u"END $$"_s;
    const QString byName = u"CREATE INDEX vendors_by_name ON vendors (name, id)"_s;
    const QString byCity = u"CREATE INDEX addresses_by_city ON addresses (city, vendor_id)"_s;
    const QString byVendorCity = u"CREATE INDEX addresses_by_vendor_city ON addresses (vendor_id, city)"_s;
    return {
        { u"vendors_by_name", false, { byName }, { byName } },
        { u"addresses_by_city", false, { byCity }, { byCity } },
        { u"addresses_by_vendor_city", false, { byVendorCity }, { byVendorCity } },
        { u"zvc_fold", false, {},
            { u"CREATE FUNCTION zvc_fold(text) RETURNS text LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE AS $$ "_s +
                postgresFold() + u" $$"_s } },
        { u"vendor_folded", false,
            QStringList { u"CREATE TABLE vendor_folded (id INTEGER PRIMARY KEY, folded TEXT NOT NULL)"_s,
                u"CREATE VIRTUAL TABLE vendor_search USING fts5(folded, content='vendor_folded', content_rowid='id', "
                u"tokenize='trigram')"_s,
                u"INSERT INTO vendor_folded (id, folded) SELECT id, lower(name) FROM vendors"_s } +
                sqliteFoldSteps(u"vendor_folded"_s, {}) +
                QStringList { u"INSERT INTO vendor_search (vendor_search) VALUES ('rebuild')"_s },
            { u"CREATE TABLE vendor_folded (id INTEGER PRIMARY KEY, folded TEXT NOT NULL)"_s,
                u"INSERT INTO vendor_folded (id, folded) SELECT id, zvc_fold(name) FROM vendors"_s } },
        { u"vendors_fold_name", false, {}, { FoldName } },
        { u"vendors_folded_noted", false, {},
            { u"CREATE TRIGGER vendors_folded_noted AFTER INSERT OR DELETE OR UPDATE OF id, name ON vendors "
              u"FOR EACH ROW EXECUTE FUNCTION vendors_fold_name()"_s } },
        { u"vendors_folded_insert", false,
            { u"CREATE TRIGGER vendors_folded_insert AFTER INSERT ON vendors BEGIN %1 END"_s.arg(addName) }, {} },
        { u"vendors_folded_update", false,
            { u"CREATE TRIGGER vendors_folded_update AFTER UPDATE OF id, name ON vendors BEGIN %1 %2 END"_s.arg(
                dropName, addName) },
            {} },
        { u"vendors_folded_delete", false,
            { u"CREATE TRIGGER vendors_folded_delete AFTER DELETE ON vendors BEGIN %1 END"_s.arg(dropName) }, {} },
        { u"cities", false,
            QStringList {
                u"CREATE TABLE cities (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, folded TEXT NOT NULL)"_s,
                u"CREATE VIRTUAL TABLE city_search USING fts5(folded, content='cities', content_rowid='id', "
                u"tokenize='trigram')"_s,
                u"INSERT INTO cities (name, folded) SELECT city, lower(city) FROM (SELECT DISTINCT city "
                u"FROM addresses WHERE city IS NOT NULL)"_s } +
                sqliteFoldSteps(u"cities"_s, {}) +
                QStringList { u"INSERT INTO city_search (city_search) VALUES ('rebuild')"_s },
            { u"CREATE TABLE cities (id INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, "
              u"name TEXT NOT NULL UNIQUE, folded TEXT NOT NULL)"_s,
                u"INSERT INTO cities (name, folded) SELECT city, zvc_fold(city) FROM addresses "
                u"WHERE city IS NOT NULL GROUP BY city"_s } },
        { u"addresses_note_cities", false, {}, { noteCities } },
        { u"addresses_city_inserted", false,
            { u"CREATE TRIGGER addresses_city_inserted AFTER INSERT ON addresses WHEN %1 BEGIN %2 END"_s.arg(
                cityIsNew, addCity) },
            { postgresCityTrigger(u"addresses_city_inserted", u"INSERT") } },
        { u"addresses_city_updated", false,
            { u"CREATE TRIGGER addresses_city_updated AFTER UPDATE OF city ON addresses WHEN %1 BEGIN %2 END"_s.arg(
                cityIsNew, addCity) },
            { postgresCityTrigger(u"addresses_city_updated", u"UPDATE") } },
        { u"vendors_folded", false, {}, { trigramIndexes } },
        // The order in which vendors changed, so that a watcher reads what
        // changed since it last looked instead of every vendor's counter.
        { u"vendor_change_order", false,
            { u"CREATE TABLE vendor_change_order (vendor_id INTEGER PRIMARY KEY, sequence INTEGER NOT NULL)"_s,
                u"CREATE INDEX vendor_change_order_by_sequence ON vendor_change_order (sequence)"_s },
            {} },
        { u"vendor_changes_ordered_insert", false,
            { u"CREATE TRIGGER vendor_changes_ordered_insert AFTER INSERT ON vendor_changes BEGIN %1 END"_s.arg(
                NextInOrder) },
            {} },
        { u"vendor_changes_ordered_update", false,
            { u"CREATE TRIGGER vendor_changes_ordered_update AFTER UPDATE ON vendor_changes BEGIN %1 END"_s.arg(
                NextInOrder) },
            {} },
    };
}

} // namespace VendorContactHost
