// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The fast way from an SQLite file to the control's load text. Qt's driver
// hands over every value as a QVariant holding a fresh QString; for a
// vendor of 32,767 addresses that is half a million of each, several times
// the control's own load. Here SQLite's UTF-8 bytes go straight into the
// text, checked on the way.

#include "vendordbsqlite.h"

#include "addresscolumns.h"

#include <QtSql/QSqlError>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <future>
#include <limits>
#include <memory>

namespace VendorContactHost {

namespace {

struct Finalize
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

// The columns a vendor's addresses are read with: the id, the row version,
// then every address column in the table's order.
constexpr int IdColumn = 0;
constexpr int VersionColumn = 1;
constexpr int FirstAddressColumn = 2;

/// Writes the load text's address table straight into one QString.
class TableWriter
{
public:
    TableWriter(const ZebVendorContact::ExchangeSeparators &separators, qsizetype expectedRows)
        : m_field(separators.field.front().unicode())
        , m_record(separators.record.front().unicode())
        , m_table(separators.table.front().unicode())
    {
        const char16_t field = m_field, record = m_record, table = m_table;
        // Room for the usual address at once: a large vendor's text is
        // megabytes, and growing it by doubling copies it several times.
        m_text.resize(std::max<qsizetype>(expectedRows * 160, 4096));
        // One look-up per byte finds what needs a closer look: bytes of
        // characters beyond ASCII, and the separators.
        for (int byte = 0x80; byte < 0x100; ++byte)
            m_special[byte] = true;
        for (const char16_t unit : { field, record, table }) {
            if (unit < 0x80)
                m_special[unit] = true;
        }
        // A separator beyond ASCII never matches a plain byte: compared as
        // NUL it only sends values holding a NUL the careful way.
        auto repeated = [](char16_t unit) { return unit < 0x80 ? unit * 0x0101010101010101ULL : 0ULL; };
        m_fieldBytes = repeated(field);
        m_recordBytes = repeated(record);
        m_tableBytes = repeated(table);
    }

    /// Room for `units` more code units.
    void reserve(qsizetype units)
    {
        if (m_size + units > m_text.size())
            m_text.resize(std::max(m_text.size() * 2, m_size + units));
        m_out = reinterpret_cast<char16_t *>(m_text.data());
    }

    void separator(char16_t unit) { m_out[m_size++] = unit; }
    /// Text another writer wrote.
    void append(const QString &text)
    {
        reserve(text.size());
        std::copy(text.utf16(), text.utf16() + text.size(), m_out + m_size);
        m_size += text.size();
    }
    void field() { separator(m_field); }
    void record() { separator(m_record); }

    void number(qint64 value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        for (const char *c = digits; c != end; ++c)
            m_out[m_size++] = char16_t(*c);
    }

    /// False when the value would not read back as itself: it holds a
    /// separator, or is longer than `limit` UTF-16 units.
    bool text(const char *bytes, int length, qsizetype limit)
    {
        const qsizetype start = m_size;
        // More bytes than the field's units may still be fewer units, and
        // must never be written before they are known to fit.
        if (length > limit)
            return careful(bytes, length, limit, start);
        // Eight bytes at a time while they are plain: no byte beyond ASCII,
        // none a separator. The rest, and anything else, byte by byte.
        int i = 0;
        for (; i + 8 <= length; i += 8) {
            quint64 chunk;
            std::memcpy(&chunk, bytes + i, 8);
            if (!isPlain(chunk))
                break;
            for (int k = 0; k < 8; ++k)
                m_out[m_size + k] = static_cast<unsigned char>(bytes[i + k]);
            m_size += 8;
        }
        for (; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (!m_special[byte]) {
                m_out[m_size++] = byte;
                continue;
            }
            if (byte >= 0x80)
                return careful(bytes, length, limit, start);
            return false; // a separator inside the value
        }
        return true;
    }

    /// Text beyond ASCII (or too long to copy unseen): decoded first, then
    /// checked and copied.
    bool careful(const char *bytes, int length, qsizetype limit, qsizetype start)
    {
        m_size = start;
        const QString decoded = QString::fromUtf8(bytes, length);
        if (decoded.size() > limit || decoded.contains(QChar(m_field)) || decoded.contains(QChar(m_record)) ||
            decoded.contains(QChar(m_table)))
            return false;
        std::copy(decoded.utf16(), decoded.utf16() + decoded.size(), m_out + m_size);
        m_size += decoded.size();
        return true;
    }

    bool isPlain(quint64 chunk) const
    {
        constexpr quint64 Ones = 0x0101010101010101ULL, Highs = 0x8080808080808080ULL;
        auto hasZeroByte = [](quint64 v) { return ((v - Ones) & ~v & Highs) != 0; };
        return (chunk & Highs) == 0 && !hasZeroByte(chunk ^ m_fieldBytes) && !hasZeroByte(chunk ^ m_recordBytes) &&
            !hasZeroByte(chunk ^ m_tableBytes);
    }

    QString take()
    {
        m_text.resize(m_size);
        return std::move(m_text);
    }

private:
    QString m_text;
    char16_t *m_out = nullptr;
    qsizetype m_size = 0;
    char16_t m_field, m_record, m_table;
    std::array<bool, 256> m_special {};
    quint64 m_fieldBytes = 0, m_recordBytes = 0, m_tableBytes = 0;
};

/// The rows of one SQLite statement.
class SqliteRows
{
public:
    explicit SqliteRows(sqlite3_stmt *statement)
        : m_statement(statement)
    {
    }
    bool next()
    {
        m_code = sqlite3_step(m_statement);
        return m_code == SQLITE_ROW;
    }
    /// SQLite's own code when the rows ended for any reason but their end.
    int failure() const { return m_code == SQLITE_DONE || m_code == SQLITE_ROW ? 0 : m_code; }
    /// A whole number, or nothing for NULL and anything that is no integer
    /// (SQLite keeps text in a number column).
    std::optional<qint64> integer(int column, bool *isNull) const
    {
        const int type = sqlite3_column_type(m_statement, column);
        *isNull = type == SQLITE_NULL;
        if (type != SQLITE_INTEGER)
            return std::nullopt;
        return sqlite3_column_int64(m_statement, column);
    }
    /// UTF-8 text; no bytes for NULL.
    const char *text(int column, int *length) const
    {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        *length = sqlite3_column_bytes(m_statement, column);
        return bytes;
    }

private:
    sqlite3_stmt *m_statement;
    int m_code = SQLITE_ROW;
};

/// Writes `rows` into `out` and their versions into `versions`: how many
/// rows, or nothing when a value cannot travel as it is or the rows are more
/// than a vendor may have.
std::optional<qint64> writeAddressRows(SqliteRows &rows, qint32 vendorId, TableWriter &out, RowVersions &versions)
{
    qint64 count = 0;
    auto value = [&](const AddressColumn &column, int index) {
        if (column.isText()) {
            // No text for NULL, which the slow way names.
            int length = 0;
            const char *bytes = rows.text(index, &length);
            return bytes && out.text(bytes, length, column.size());
        }
        bool isNull = false;
        const std::optional<qint64> number = rows.integer(index, &isNull);
        if (!number)
            return isNull && column.kind == AddressColumn::Kind::OptionalNumber;
        out.number(*number);
        return *number >= -32768 && *number <= 32767;
    };
    while (rows.next()) {
        if (++count > VendorDatabase::MaxAddressesPerVendor)
            return std::nullopt;
        // Ids, numbers and separators take few units; text at most its
        // field's size once it passed (60 + 30 * 8 + 50 + 15 fields).
        out.reserve(512);
        bool isNull = false;
        const std::optional<qint64> id = rows.integer(IdColumn, &isNull);
        const std::optional<qint64> version = rows.integer(VersionColumn, &isNull);
        if (!id || !version)
            return std::nullopt;
        out.number(*id);
        versions.insert(*id, *version);
        out.field();
        out.number(vendorId);
        int index = FirstAddressColumn;
        for (const AddressColumn &column : AddressColumns) {
            out.field();
            if (!value(column, index++))
                return std::nullopt;
        }
        out.record();
    }
    if (rows.failure())
        return std::nullopt;
    return count;
}

/// The vendor's addresses, their columns as IdColumn and the rest say; the
/// vendor's parameter and the order follow.
QByteArray addressQuery(const char *rest)
{
    return (QStringLiteral("SELECT id, row_version, ") + addressColumnList() +
               QStringLiteral(" FROM addresses WHERE vendor_id = "))
               .toUtf8() +
        rest;
}

/// Vendors with at least this many addresses are read in two halves at
/// once; for fewer, a thread and a second connection cost more than they
/// save.
constexpr qint64 SplitFrom = 2048;

using SqliteStatement = std::unique_ptr<sqlite3_stmt, Finalize>;

/// `sql` prepared on `connection` with the vendor bound as ?1, or nothing
/// (and SQLite's code in `code`) when it cannot be.
SqliteStatement prepareForVendor(sqlite3 *connection, const char *sql, qint32 vendorId, int *code)
{
    sqlite3_stmt *raw = nullptr;
    *code = sqlite3_prepare_v2(connection, sql, -1, &raw, nullptr);
    SqliteStatement statement(raw);
    if (*code == SQLITE_OK)
        *code = sqlite3_bind_int(raw, 1, vendorId);
    return *code == SQLITE_OK ? std::move(statement) : SqliteStatement();
}

/// A read transaction on an SQLite connection, begun when none is open:
/// what is read in it sees one state of the file. Reading only, so ending
/// it loses nothing.
class SqliteReadTransaction
{
public:
    explicit SqliteReadTransaction(sqlite3 *connection)
        : m_connection(connection)
        , m_began(sqlite3_get_autocommit(connection) &&
              sqlite3_exec(connection, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK)
    {
    }
    ~SqliteReadTransaction()
    {
        if (m_began && sqlite3_exec(m_connection, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
            qCWarning(lcVendorDatabase) << "Ending a read transaction failed:" << sqlite3_errmsg(m_connection);
            sqlite3_exec(m_connection, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    SqliteReadTransaction(const SqliteReadTransaction &) = delete;
    SqliteReadTransaction &operator=(const SqliteReadTransaction &) = delete;
    /// True inside a transaction, this one or one that was open before.
    bool isOpen() const { return !sqlite3_get_autocommit(m_connection); }

private:
    sqlite3 *m_connection;
    bool m_began;
};

/// The version the change triggers keep for the vendor: any committed
/// change to its addresses raises it. NULL (no change ever noted) is 0;
/// nothing when it cannot be read (a table an earlier release lacked).
std::optional<qint64> changeVersion(sqlite3 *connection, qint32 vendorId)
{
    int code = SQLITE_OK;
    const SqliteStatement statement =
        prepareForVendor(connection, "SELECT version FROM vendor_changes WHERE vendor_id = ?1", vendorId, &code);
    if (!statement)
        return std::nullopt;
    code = sqlite3_step(statement.get());
    if (code == SQLITE_DONE)
        return 0;
    if (code != SQLITE_ROW)
        return std::nullopt;
    return sqlite3_column_int64(statement.get(), 0);
}

/// The smallest and the largest id there can be. Ranges include both ends:
/// an open end past the largest id does not exist, and the largest one is an
/// id like any other.
constexpr qint64 FirstId = std::numeric_limits<qint64>::min();
constexpr qint64 LastId = std::numeric_limits<qint64>::max();

/// Reads the vendor's addresses with ids from `from` to `to`, both included,
/// into `out` and `versions`. `count` gets how many, or nothing when a value
/// cannot travel as it is; the result is SQLite's code when reading itself
/// failed.
int readAddressRange(sqlite3 *connection, qint32 vendorId, qint64 from, qint64 to, TableWriter &out,
    RowVersions &versions, std::optional<qint64> *count)
{
    int code = SQLITE_OK;
    static const QByteArray sql = addressQuery("?1 AND id BETWEEN ?2 AND ?3 ORDER BY id");
    const SqliteStatement statement = prepareForVendor(connection, sql.constData(), vendorId, &code);
    if (!statement)
        return code;
    sqlite3_bind_int64(statement.get(), 2, from);
    sqlite3_bind_int64(statement.get(), 3, to);
    SqliteRows rows(statement.get());
    *count = writeAddressRows(rows, vendorId, out, versions);
    return rows.failure();
}

/// What the second connection read: the later half of the vendor.
struct LaterHalf
{
    /// True when it read the half from the state the first connection
    /// sees; `count` is then as writeAddressRows() gives it.
    bool read = false;
    int failure = SQLITE_OK; //!< SQLite's code when reading failed
    QString error;
    std::optional<qint64> count;
    QString text;
    RowVersions versions;
};

LaterHalf readLaterHalf(sqlite3 *connection, qint32 vendorId, qint64 from, qint64 version,
    const ZebVendorContact::ExchangeSeparators &separators, qsizetype expected)
{
    LaterHalf half;
    const SqliteReadTransaction transaction(connection);
    // Both halves must come from one state of the vendor: the change
    // version read in each transaction tells whether a change was committed
    // between their starts. If one was, the first connection reads on.
    if (!transaction.isOpen() || changeVersion(connection, vendorId) != version)
        return half;
    TableWriter out(separators, expected);
    half.versions.reserve(expected);
    half.failure = readAddressRange(connection, vendorId, from, LastId, out, half.versions, &half.count);
    if (half.failure) {
        half.error = QString::fromUtf8(sqlite3_errmsg(connection));
        return half;
    }
    half.read = true;
    half.text = out.take();
    return half;
}

/// The smallest and largest id of a vendor's addresses.
struct IdRange
{
    qint64 first = 0;
    qint64 last = 0;
    /// Counted unsigned: the ids may span the whole range of 64 bits.
    quint64 span() const { return quint64(last) - quint64(first); }
    /// How many addresses there can be: ids are unique, and the limit
    /// refuses more.
    qsizetype maxCount() const
    {
        return qsizetype(std::min<quint64>(span(), VendorDatabase::MaxAddressesPerVendor - 1) + 1);
    }
    qint64 middle() const { return first + qint64(span() / 2); }
};

/// The range of the vendor's ids, nothing when it has no addresses; `code`
/// is SQLite's when it could not be read. Two look-ups in the index: it
/// sizes the text and splits the work without counting the rows first.
std::optional<IdRange> idRange(sqlite3 *connection, qint32 vendorId, int *code)
{
    const SqliteStatement statement = prepareForVendor(connection,
        "SELECT (SELECT MIN(id) FROM addresses WHERE vendor_id = ?1), "
        "(SELECT MAX(id) FROM addresses WHERE vendor_id = ?1)",
        vendorId, code);
    if (!statement)
        return std::nullopt;
    if (const int step = sqlite3_step(statement.get()); step != SQLITE_ROW) {
        *code = step;
        return std::nullopt;
    }
    if (sqlite3_column_type(statement.get(), 0) != SQLITE_INTEGER ||
        sqlite3_column_type(statement.get(), 1) != SQLITE_INTEGER)
        return std::nullopt;
    return IdRange { sqlite3_column_int64(statement.get(), 0), sqlite3_column_int64(statement.get(), 1) };
}

/// The second connection, opened on the file of `connection` when it is
/// not yet; nothing for a database without a file of its own.
sqlite3 *secondReader(sqlite3 *connection, SqliteConnection &second)
{
    if (second)
        return second.get();
    const char *file = sqlite3_db_filename(connection, "main");
    if (!file || !*file)
        return nullptr;
    sqlite3 *raw = nullptr;
    const int code = sqlite3_open_v2(file, &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    second.reset(raw); // closed even when opening failed
    if (code != SQLITE_OK) {
        qCWarning(lcVendorDatabase) << "Opening a second reader on" << file
                                    << "failed; reading on one connection:" << sqlite3_errstr(code);
        second.reset();
        return nullptr;
    }
    sqlite3_busy_timeout(raw, 1000);
    return raw;
}

} // namespace

std::optional<QString> SqliteVendorDatabase::addressTable(
    qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot) const
{
    sqlite3 *connection = handle();
    if (!connection)
        return std::nullopt;
    SqliteConnection &second = m_secondReader;
    auto fail = [&](int code) {
        return DatabaseError(DbSql::sqliteTrouble(code), location(), tr("%1 failed.").arg(tr("Reading the addresses")),
            QString::fromUtf8(sqlite3_errmsg(connection)));
    };
    int code = SQLITE_OK;
    const std::optional<IdRange> ids = idRange(connection, vendorId, &code);
    if (code != SQLITE_OK)
        throw fail(code);
    const qsizetype expected = ids ? ids->maxCount() : 0;
    TableWriter out(separators, expected);
    RowVersions versions;
    versions.reserve(expected);

    const SqliteReadTransaction transaction(connection);
    // The first half ends at `split`, the later one starts after it.
    qint64 split = LastId;
    std::future<LaterHalf> laterHalf;
    if (expected >= SplitFrom && transaction.isOpen()) {
        if (const std::optional<qint64> version = changeVersion(connection, vendorId)) {
            if (sqlite3 *reader = secondReader(connection, second)) {
                split = ids->middle();
                laterHalf = std::async(std::launch::async, readLaterHalf, reader, vendorId, split + 1, *version,
                    separators, expected / 2 + 1);
            }
        }
    }
    std::optional<qint64> count;
    if (const int failure = readAddressRange(connection, vendorId, FirstId, split, out, versions, &count))
        throw fail(failure);
    if (!count)
        return std::nullopt; // the later half's thread is waited for on the way out
    if (split != LastId) {
        LaterHalf half = laterHalf.get();
        if (half.failure) {
            qCWarning(lcVendorDatabase) << "The second reader failed; reading on one connection:" << half.error;
            second.reset();
        }
        std::optional<qint64> rest = half.count;
        if (half.read) {
            out.append(half.text);
            versions.insert(half.versions);
        } else if (const int failure =
                       readAddressRange(connection, vendorId, split + 1, LastId, out, versions, &rest)) {
            throw fail(failure);
        }
        if (!rest)
            return std::nullopt;
        *count += *rest;
    }
    if (*count > VendorDatabase::MaxAddressesPerVendor)
        return std::nullopt;
    snapshot.rowVersions = std::move(versions);
    snapshot.addressCount = int(*count);
    return out.take();
}

} // namespace VendorContactHost
