// The fast way from the database to the control's load text. Qt's driver
// hands over every value as a QVariant holding a fresh QString; for a
// vendor of 32,767 addresses that is half a million of each, several times
// the control's own load. Here the engine's UTF-8 bytes (SQLite's values,
// libpq's text rows) go straight into the text, checked on the way.

#include "vendordbraw.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <memory>

namespace VendorContactHost::DbSql {

namespace {

struct Finalize
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

enum class Column {
    Id,
    RowVersion,
    Type,
    Name,
    Street1,
    Street2,
    City,
    Country,
    State,
    PostalCode,
    Phone,
    Fax,
    Email,
    Phone2,
    Cell
};

/// Writes the load text's address table straight into one QString.
class TableWriter
{
public:
    TableWriter(char16_t field, char16_t record, char16_t table, qsizetype expectedRows)
        : m_field(field)
        , m_record(record)
        , m_table(table)
    {
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

/// SQLite's rows, read through the connection Qt's driver opened.
class SqliteRows
{
public:
    SqliteRows(sqlite3 *connection, sqlite3_stmt *statement, qsizetype expected)
        : m_connection(connection)
        , m_statement(statement)
        , m_expected(expected)
    {
    }
    qsizetype expected() const { return m_expected; }
    bool next()
    {
        m_code = sqlite3_step(m_statement);
        return m_code == SQLITE_ROW;
    }
    /// SQLite's own code when the rows ended for any reason but their end.
    int failure() const { return m_code == SQLITE_DONE || m_code == SQLITE_ROW ? 0 : m_code; }
    /// A whole number, or nothing for NULL and anything that is no integer
    /// (SQLite keeps text in a number column).
    std::optional<qint64> integer(Column column, bool *isNull) const
    {
        const int type = sqlite3_column_type(m_statement, int(column));
        *isNull = type == SQLITE_NULL;
        if (type != SQLITE_INTEGER)
            return std::nullopt;
        return sqlite3_column_int64(m_statement, int(column));
    }
    /// UTF-8 text; no bytes for NULL.
    const char *text(Column column, int *length) const
    {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, int(column)));
        *length = sqlite3_column_bytes(m_statement, int(column));
        return bytes;
    }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(m_connection)); }

private:
    sqlite3 *m_connection;
    sqlite3_stmt *m_statement;
    qsizetype m_expected;
    int m_code = SQLITE_ROW;
};

/// PostgreSQL's rows of one result, in libpq's text form.
class PostgresRows
{
public:
    explicit PostgresRows(const PGresult *result)
        : m_result(result)
        , m_rows(PQntuples(result))
    {
    }
    bool next() { return ++m_row < m_rows; }
    qsizetype expected() const { return m_rows; }
    int failure() const { return 0; }
    std::optional<qint64> integer(Column column, bool *isNull) const
    {
        *isNull = PQgetisnull(m_result, m_row, int(column));
        if (*isNull)
            return std::nullopt;
        const char *digits = PQgetvalue(m_result, m_row, int(column));
        qint64 value = 0;
        const auto end = digits + PQgetlength(m_result, m_row, int(column));
        if (std::from_chars(digits, end, value).ptr != end)
            return std::nullopt;
        return value;
    }
    const char *text(Column column, int *length) const
    {
        *length = PQgetlength(m_result, m_row, int(column));
        return PQgetisnull(m_result, m_row, int(column)) ? nullptr : PQgetvalue(m_result, m_row, int(column));
    }

private:
    const PGresult *m_result;
    int m_rows;
    int m_row = -1;
};

/// Writes the address table of the load text from `rows`, or nothing when
/// a value cannot travel as it is.
template<typename Rows>
std::optional<QString> writeAddressTable(
    Rows &rows, qint32 vendorId, const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot)
{
    // A vendor past the limit is refused below: no room is made for more.
    const qsizetype expected = std::min<qsizetype>(rows.expected(), VendorDatabase::MaxAddressesPerVendor);
    TableWriter out(separators.field.front().unicode(), separators.record.front().unicode(),
        separators.table.front().unicode(), expected);
    RowVersions versions;
    versions.reserve(expected);
    qint64 count = 0;
    auto smallNumber = [&](Column column, bool optional) {
        bool isNull = false;
        const std::optional<qint64> value = rows.integer(column, &isNull);
        if (!value)
            return isNull && optional;
        out.number(*value);
        return *value >= -32768 && *value <= 32767;
    };
    auto textValue = [&](Column column, int size) {
        // No text for NULL, which the slow way names.
        int length = 0;
        const char *bytes = rows.text(column, &length);
        return bytes && out.text(bytes, length, size);
    };
    const std::pair<Column, int> texts[] = { { Column::Name, 60 }, { Column::Street1, 30 }, { Column::Street2, 30 },
        { Column::City, 30 } };
    const std::pair<Column, int> moreTexts[] = { { Column::PostalCode, 30 }, { Column::Phone, 30 }, { Column::Fax, 30 },
        { Column::Email, 50 }, { Column::Phone2, 30 }, { Column::Cell, 30 } };
    while (rows.next()) {
        if (++count > VendorDatabase::MaxAddressesPerVendor)
            return std::nullopt;
        // Ids, numbers and separators take few units; text at most its
        // field's size once it passed (60 + 30 * 8 + 50 + 15 fields).
        out.reserve(512);
        bool isNull = false;
        const std::optional<qint64> id = rows.integer(Column::Id, &isNull);
        const std::optional<qint64> version = rows.integer(Column::RowVersion, &isNull);
        if (!id || !version)
            return std::nullopt;
        out.number(*id);
        versions.insert(*id, *version);
        out.field();
        out.number(vendorId);
        out.field();
        bool fits = smallNumber(Column::Type, false);
        for (const auto &[column, size] : texts) {
            out.field();
            fits = fits && textValue(column, size);
        }
        for (const Column column : { Column::Country, Column::State }) {
            out.field();
            fits = fits && smallNumber(column, true);
        }
        for (const auto &[column, size] : moreTexts) {
            out.field();
            fits = fits && textValue(column, size);
        }
        if (!fits)
            return std::nullopt;
        out.record();
    }
    if (rows.failure())
        return std::nullopt;
    snapshot.rowVersions = std::move(versions);
    snapshot.addressCount = int(count);
    return out.take();
}

const char AddressQuery[] = "SELECT id, row_version, type_id, name, street1, street2, city, country, state_id, "
                            "postal_code, phone, fax, email, phone2, cell FROM addresses WHERE vendor_id = %1 "
                            "ORDER BY id";

DatabaseError readFailure(const QSqlDatabase &db, const QString &location, const QSqlError &error)
{
    return DatabaseError(troubleOf(db, error), location,
        VendorDatabase::tr("%1 failed.").arg(VendorDatabase::tr("Reading the addresses")), error.text());
}

} // namespace

std::optional<QString> sqliteAddressTable(const QSqlDatabase &db, const QString &location, qint32 vendorId,
    const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot)
{
    sqlite3 *connection = sqliteConnection(db);
    if (!connection)
        return std::nullopt;
    auto fail = [&](int code) {
        return readFailure(db, location,
            QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(connection)), QSqlError::StatementError,
                QString::number(code)));
    };
    auto statementFor = [&](const char *query) {
        sqlite3_stmt *raw = nullptr;
        const QByteArray sql = QByteArray(query).replace("%1", "?1");
        if (const int code = sqlite3_prepare_v2(connection, sql.constData(), -1, &raw, nullptr); code != SQLITE_OK)
            throw fail(code);
        std::unique_ptr<sqlite3_stmt, Finalize> statement(raw);
        sqlite3_bind_int(raw, 1, vendorId);
        return statement;
    };
    // Only a hint for sizing: a save between the two changes nothing else.
    qsizetype expected = 0;
    if (const auto count = statementFor("SELECT COUNT(*) FROM addresses WHERE vendor_id = %1");
        sqlite3_step(count.get()) == SQLITE_ROW)
        expected = sqlite3_column_int64(count.get(), 0);
    const auto statement = statementFor(AddressQuery);
    SqliteRows rows(connection, statement.get(), expected);
    std::optional<QString> table = writeAddressTable(rows, vendorId, separators, snapshot);
    if (rows.failure())
        throw fail(rows.failure());
    return table;
}

std::optional<QString> postgresAddressTable(const QSqlDatabase &db, const QString &location, qint32 vendorId,
    const ZebVendorContact::ExchangeSeparators &separators, VendorSnapshot &snapshot)
{
    PGconn *connection = postgresConnection(db);
    if (!connection)
        return std::nullopt;
    const QByteArray id = QByteArray::number(vendorId);
    const char *values[] = { id.constData() };
    const QByteArray sql = QByteArray(AddressQuery).replace("%1", "$1");
    const PostgresResult result(PQexecParams(connection, sql.constData(), 1, nullptr, values, nullptr, nullptr, 0));
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK)
        throw postgresFailure(db, location, VendorDatabase::tr("Reading the addresses"), result.get());
    PostgresRows rows(result.get());
    return writeAddressTable(rows, vendorId, separators, snapshot);
}

} // namespace VendorContactHost::DbSql
