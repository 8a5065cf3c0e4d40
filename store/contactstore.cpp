// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "contactstore.h"

#include "numbers.h"

#include <ZebVendorContact/error.h>

#include <QtCore/QMetaType>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace ZebVendorContact {

namespace {

using namespace Qt::Literals::StringLiterals;

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloatingType(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

[[noreturn]] void throwNotAWholeNumber(QStringView text)
{
    throw Error(
        Error::Code::NotAWholeNumber, u"Type must be a whole number from -32768 to 32767, not \"%1\"."_s.arg(text));
}

[[noreturn]] void throwOutOfRange()
{
    throw Error(Error::Code::Overflow, u"Type must be a whole number from -32768 to 32767."_s);
}

qint16 checkedTypeValue(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throwOutOfRange();
    return static_cast<qint16>(value);
}

// The value a QVariant gives the Type field: integers within range, floating
// point values only when integral (no silent rounding), anything else through
// its text and the whole-number rule.
qint16 typeValueOf(const QVariant &value)
{
    const int typeId = value.metaType().id();
    if (isIntegerType(typeId)) {
        if (typeId == QMetaType::ULongLong || typeId == QMetaType::ULong) {
            const qulonglong unsignedValue = value.toULongLong();
            if (unsignedValue > qulonglong(std::numeric_limits<qint16>::max()))
                throwOutOfRange();
            return static_cast<qint16>(unsignedValue);
        }
        return checkedTypeValue(value.toLongLong());
    }
    if (isFloatingType(typeId)) {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number)
            throwNotAWholeNumber(value.toString());
        if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
            throwOutOfRange();
        return static_cast<qint16>(number);
    }
    if (!value.canConvert<QString>())
        throw Error(Error::Code::InvalidArgument, u"The value cannot be stored in the field Type."_s);
    const QString text = value.toString();
    const auto number = parseWholeNumber16(text);
    if (!number)
        throwNotAWholeNumber(text);
    return *number;
}

void checkTextFits(int field, QStringView text)
{
    const FieldDefinition &definition = fieldDefinitions()[field];
    if (text.size() > definition.size) {
        throw Error(Error::Code::ValueTooLong,
            u"The field %1 holds at most %2 characters; the value has %3."_s.arg(definition.name)
                .arg(definition.size)
                .arg(text.size()));
    }
}

QString textValueOf(const QVariant &value, int field)
{
    if (value.metaType().id() == QMetaType::QString)
        return value.toString();
    if (!value.canConvert<QString>()) {
        throw Error(Error::Code::InvalidArgument,
            u"The value cannot be stored in the field %1."_s.arg(fieldDefinitions()[field].name));
    }
    return value.toString();
}

} // namespace

ContactStore::ContactStore() = default;

void ContactStore::open()
{
    m_slots.clear();
    m_position = 0;
    m_liveCount = 0;
    m_open = true;
}

void ContactStore::close()
{
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_position = 0;
    m_liveCount = 0;
    m_open = false;
}

int ContactStore::recordCount() const
{
    ensureOpen();
    return m_liveCount;
}

void ContactStore::moveFirst()
{
    ensureOpen();
    squeezeHoles();
    m_position = 0;
}

void ContactStore::moveNext()
{
    ensureOpen();
    if (m_position >= m_slots.size())
        throw Error(Error::Code::NoCurrentRecord, u"There is no current record to move on from."_s);
    do {
        ++m_position;
    } while (m_position < m_slots.size() && m_slots[m_position].deleted);
}

bool ContactStore::atEnd() const
{
    ensureOpen();
    return m_position >= m_slots.size();
}

void ContactStore::append()
{
    appendRecord(ContactRecord());
}

void ContactStore::appendRecord(ContactRecord record)
{
    ensureOpen();
    squeezeHoles();
    m_slots.push_back(Slot { std::move(record), false });
    m_position = m_slots.size() - 1;
    ++m_liveCount;
}

void ContactStore::deleteCurrent()
{
    currentForWrite();
    Slot &slot = m_slots[m_position];
    slot.record = ContactRecord();
    slot.deleted = true;
    --m_liveCount;
}

void ContactStore::findAddress(QStringView addressId)
{
    ensureOpen();
    const quint32 hash = ContactRecord::hashAddressId(addressId);
    for (; m_position < m_slots.size(); ++m_position) {
        const Slot &slot = m_slots[m_position];
        if (slot.record.addressIdHash() != hash || slot.deleted || slot.record.isNull(AddressID))
            continue;
        if (slot.record.text(AddressID) == addressId)
            return;
    }
}

QVariant ContactStore::read(int field) const
{
    ensureOpen();
    checkedField(field);
    const ContactRecord &record = current();
    if (record.isNull(field))
        return QVariant();
    if (field == Type)
        return QVariant(int(record.type()));
    QString text = record.text(field).toString();
    if (text.isNull())
        text = QString(u""_s); // empty, never null: null is reported only for null fields
    return QVariant(text);
}

QVariant ContactStore::read(QStringView fieldName) const
{
    ensureOpen();
    return read(checkedField(fieldName));
}

void ContactStore::write(int field, const QVariant &value)
{
    ensureOpen();
    checkedField(field);
    ContactRecord &record = currentForWrite();
    if (!value.isValid() || value.isNull()) {
        record.setNull(field);
        return;
    }
    if (field == Type) {
        record.setType(typeValueOf(value));
        return;
    }
    writeTextInto(record, field, textValueOf(value, field));
}

void ContactStore::write(QStringView fieldName, const QVariant &value)
{
    ensureOpen();
    write(checkedField(fieldName), value);
}

void ContactStore::writeText(int field, QStringView text)
{
    ensureOpen();
    checkedField(field);
    writeTextInto(currentForWrite(), field, text);
}

void ContactStore::writeTextInto(ContactRecord &record, int field, QStringView text)
{
    checkedField(field);
    const FieldDefinition &definition = fieldDefinitions()[field];
    if (definition.isInteger) {
        const auto number = parseWholeNumber16(text);
        if (!number)
            throwNotAWholeNumber(text);
        record.setType(*number);
        return;
    }
    checkTextFits(field, text);
    record.setText(field, text);
}

namespace {

// The values of a new record up to the first rejected one, and the Type
// among them.
struct AcceptedValues
{
    int count = 0;
    std::optional<qint16> type;
};

// The most code units of each field, in a plain array: the load checks every
// value of every record against it.
std::array<qsizetype, FieldCount> fieldSizes()
{
    std::array<qsizetype, FieldCount> sizes {};
    for (int field = 0; field < FieldCount; ++field)
        sizes[std::size_t(field)] = fieldDefinitions()[std::size_t(field)].size;
    return sizes;
}

AcceptedValues acceptValues(const QStringView *values, int count, std::optional<Error> &rejection)
{
    static const std::array<qsizetype, FieldCount> sizes = fieldSizes();
    AcceptedValues accepted;
    int field = 0;
    try {
        for (; field < count; ++field) {
            if (field == Type) {
                accepted.type = parseWholeNumber16(values[field]);
                if (!accepted.type)
                    throwNotAWholeNumber(values[field]);
            } else if (values[field].size() > sizes[std::size_t(field)]) {
                checkTextFits(field, values[field]); // throws
            }
        }
    } catch (const Error &error) {
        rejection = error;
    }
    accepted.count = field;
    return accepted;
}

} // namespace

void ContactStore::fillNewRecord(ContactRecord &record, const QStringView *values, int count)
{
    Q_ASSERT(count >= 0 && count <= FieldCount);
    // Check every value before any is written; what was accepted before a
    // rejected value is written all the same.
    std::optional<Error> rejection;
    const AcceptedValues accepted = acceptValues(values, count, rejection);
    record.fillTexts(values, accepted.count);
    if (accepted.type)
        record.setType(*accepted.type);
    if (rejection)
        throw *rejection;
}

void ContactStore::fillNewRecord(
    ContactRecord &record, const QString &source, const QStringView *values, int count, qsizetype gap)
{
    Q_ASSERT(count >= 0 && count <= FieldCount);
    std::optional<Error> rejection;
    const AcceptedValues accepted = acceptValues(values, count, rejection);
    if (accepted.count == 0 || !record.viewTexts(source, values, accepted.count, gap))
        record.fillTexts(values, accepted.count);
    if (accepted.type)
        record.setType(*accepted.type);
    if (rejection)
        throw *rejection;
}

const ContactRecord &ContactStore::current() const
{
    ensureOpen();
    if (m_position >= m_slots.size() || m_slots[m_position].deleted)
        throw Error(Error::Code::NoCurrentRecord, u"There is no current record."_s);
    return m_slots[m_position].record;
}

void ContactStore::removeAll()
{
    ensureOpen();
    m_slots.clear();
    m_position = 0;
    m_liveCount = 0;
}

bool ContactStore::hasFlaggedRecord() const
{
    return std::any_of(m_slots.cbegin(), m_slots.cend(), [](const Slot &slot) {
        return !slot.deleted && !slot.record.isNull(IsUpdated) && !slot.record.text(IsUpdated).isEmpty();
    });
}

qsizetype ContactStore::heapBytes() const
{
    qsizetype bytes = qsizetype(m_slots.capacity() * sizeof(Slot));
    for (const Slot &slot : m_slots)
        bytes += slot.record.heapBytes();
    return bytes;
}

void ContactStore::ensureOpen() const
{
    if (!m_open)
        throw Error(Error::Code::StoreClosed, u"The contact store is not open."_s);
}

ContactRecord &ContactStore::currentForWrite()
{
    current();
    return m_slots[m_position].record;
}

// Removes the holes left by deleteCurrent(). The position keeps pointing at
// the same live record (or, on a hole, at the record that followed it).
void ContactStore::squeezeHoles()
{
    if (std::size_t(m_liveCount) == m_slots.size())
        return;
    const auto holesBefore = std::count_if(m_slots.begin(), m_slots.begin() + std::min(m_position, m_slots.size()),
        [](const Slot &slot) { return slot.deleted; });
    m_slots.erase(
        std::remove_if(m_slots.begin(), m_slots.end(), [](const Slot &slot) { return slot.deleted; }), m_slots.end());
    m_position = std::min(m_position - std::size_t(holesBefore), m_slots.size());
}

int ContactStore::checkedField(int field)
{
    if (field < 0 || field >= FieldCount)
        throw Error(Error::Code::NoSuchField, u"There is no field at position %1."_s.arg(field));
    return field;
}

int ContactStore::checkedField(QStringView fieldName)
{
    const int field = fieldPosition(fieldName);
    if (field < 0)
        throw Error(Error::Code::NoSuchField, u"There is no field named \"%1\"."_s.arg(fieldName));
    return field;
}

} // namespace ZebVendorContact
