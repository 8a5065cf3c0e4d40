// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "exchangetext.h"

#include "addresscolumns.h"

#include <QtCore/QCoreApplication>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

// Resources of a static library must be registered by name from outside any
// namespace.
static void initSampleResource()
{
    Q_INIT_RESOURCE(sample);
}

namespace VendorContactHost {

QStringList exportFieldNames()
{
    QStringList names;
    for (int field = ZebVendorContact::AddressID; field <= ZebVendorContact::Phone3; ++field)
        names << ZebVendorContact::FieldDefinitions[field].name.toString();
    return names;
}

QString addressColumnList()
{
    QStringList names;
    for (const AddressColumn &column : AddressColumns)
        names << QString::fromUtf16(column.name);
    return names.join(u", ");
}

QString exchangeValue(const AddressColumn &column, const ZebVendorContact::ContactAddress &address)
{
    switch (column.kind) {
    case AddressColumn::Kind::Type:
        return QString::number(address.typeId);
    case AddressColumn::Kind::OptionalNumber: {
        const std::optional<qint16> &value = address.*column.number;
        return value ? QString::number(*value) : QString();
    }
    case AddressColumn::Kind::Text:
        break;
    }
    return address.*column.text;
}

QStringList exchangeValues(const ZebVendorContact::ContactAddress &address)
{
    QStringList values { address.addressId, address.vendorId };
    for (const AddressColumn &column : AddressColumns)
        values << exchangeValue(column, address);
    return values;
}

static QString unstorable(const QString &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isNull())
            return QCoreApplication::translate("VendorDatabase", "a NUL character");
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return QCoreApplication::translate("VendorDatabase", "a broken character (a lone UTF-16 surrogate)");
    }
    return {};
}

std::optional<UnstorableValue> findUnstorable(const QList<ZebVendorContact::ContactAddress> &addresses)
{
    for (const ZebVendorContact::ContactAddress &address : addresses) {
        for (const AddressColumn &column : AddressColumns) {
            if (!column.isText())
                continue;
            if (const QString what = unstorable(address.*column.text); !what.isEmpty())
                return UnstorableValue { address, ZebVendorContact::FieldDefinitions[column.field].name.toString(),
                    what };
        }
    }
    return std::nullopt;
}

QStringList splitAt(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return {};
    // QString::split would cut between every character at an empty separator.
    if (separator.isEmpty())
        return { text };
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype hit = text.indexOf(separator); hit >= 0; hit = text.indexOf(separator, start)) {
        pieces.append(text.mid(start, hit - start));
        start = hit + separator.size();
    }
    pieces.append(text.mid(start));
    return pieces;
}

QList<QStringList> splitRecords(const QString &text, const ExchangeSeparators &separators)
{
    QStringList pieces = splitAt(text, separators.record);
    if (!pieces.isEmpty())
        pieces.removeLast();
    QList<QStringList> records;
    records.reserve(pieces.size());
    for (const QString &piece : std::as_const(pieces))
        records.append(splitAt(piece, separators.field));
    return records;
}

static bool holdsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

static bool layoutLinesApply(const ExchangeSeparators &separators)
{
    return !holdsLineBreak(separators.record) && !holdsLineBreak(separators.table);
}

// Length of the record or table separator starting at `pos` (the longer one
// when both match there), 0 when neither does.
static qsizetype separatorAt(const QString &text, qsizetype pos, const ExchangeSeparators &separators)
{
    qsizetype length = 0;
    for (const QString *separator : { &separators.record, &separators.table }) {
        if (!separator->isEmpty() && separator->size() > length && QStringView(text).mid(pos).startsWith(*separator))
            length = separator->size();
    }
    return length;
}

QString toReadable(const QString &loadText, const ExchangeSeparators &separators)
{
    if (!layoutLinesApply(separators))
        return loadText;
    QString result;
    result.reserve(loadText.size() + loadText.size() / 16);
    for (qsizetype pos = 0; pos < loadText.size();) {
        if (const qsizetype length = separatorAt(loadText, pos, separators)) {
            result += QStringView(loadText).mid(pos, length);
            result += QLatin1Char('\n');
            pos += length;
        } else {
            result += loadText.at(pos++);
        }
    }
    return result;
}

QString fromReadable(const QString &readable, const ExchangeSeparators &separators)
{
    if (!layoutLinesApply(separators))
        return readable;
    QString result;
    result.reserve(readable.size());
    for (qsizetype pos = 0; pos < readable.size();) {
        const qsizetype length = separatorAt(readable, pos, separators);
        if (length == 0) {
            result += readable.at(pos++);
            continue;
        }
        result += QStringView(readable).mid(pos, length);
        pos += length;
        if (QStringView(readable).mid(pos).startsWith(u"\r\n"))
            pos += 2;
        else if (pos < readable.size() && readable.at(pos) == QLatin1Char('\n'))
            ++pos;
    }
    return result;
}

static QString escaped(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            result += u"\\n";
        else if (c == QLatin1Char('\r'))
            result += u"\\r";
        else if (c == QLatin1Char('\t'))
            result += u"\\t";
        else if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\') + c;
        else if (c.category() == QChar::Other_Control)
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

QString abbreviated(const QString &text, int maxLength)
{
    if (text.size() <= maxLength)
        return QLatin1Char('"') + escaped(text) + QLatin1Char('"');
    return QLatin1Char('"') + escaped(QStringView(text).left(maxLength)) +
        QStringLiteral("\u2026\" (%1 characters)").arg(text.size());
}

QString sampleVendorText()
{
    initSampleResource();
    return readLoadFile(QStringLiteral(":/vendorcontact-host/sample/vendor.txt"), ExchangeSeparators {}, nullptr)
        .value_or(QString());
}

std::optional<QString> readLoadFile(
    const QString &fileName, const ExchangeSeparators &separators, QString *errorMessage)
{
    auto refuse = [errorMessage](const QString &message) -> std::optional<QString> {
        if (errorMessage)
            *errorMessage = message;
        return std::nullopt;
    };
    // A device or pipe (/dev/zero, a FIFO) never ends or may block forever;
    // only a regular file (symbolic links followed) has a size to check.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return refuse(QStringLiteral("Cannot read %1: it is not a regular file.").arg(fileName));
    if (info.size() > MaxLoadFileBytes)
        return refuse(QStringLiteral("Cannot read %1: it holds %2 bytes, more than the %3 MB a load file may hold.")
                          .arg(fileName)
                          .arg(info.size())
                          .arg(MaxLoadFileBytes / (1024 * 1024)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString()));
    // The file may have grown since it was measured.
    const QByteArray bytes = file.read(MaxLoadFileBytes + 1);
    if (bytes.size() > MaxLoadFileBytes)
        return refuse(QStringLiteral("Cannot read %1: it grew beyond the %2 MB a load file may hold.")
                          .arg(fileName)
                          .arg(MaxLoadFileBytes / (1024 * 1024)));
    return fromReadable(QString::fromUtf8(bytes), separators);
}

} // namespace VendorContactHost
