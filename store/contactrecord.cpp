// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "contactrecord.h"

#include <QtCore/QHashFunctions>

#include <algorithm>
#include <functional>

namespace ZebVendorContact {

namespace {

bool pointsInto(QStringView text, const QString &buffer)
{
    if (buffer.isNull() || text.isEmpty())
        return false;
    const std::less_equal<const QChar *> lessEqual;
    const QChar *first = buffer.constData();
    return lessEqual(first, text.data()) && lessEqual(text.data(), first + buffer.capacity());
}

} // namespace

const std::array<FieldDefinition, FieldCount> &fieldDefinitions()
{
    return FieldDefinitions;
}

int fieldPosition(QStringView name)
{
    const auto &definitions = fieldDefinitions();
    for (int field = 0; field < FieldCount; ++field) {
        if (definitions[field].name.compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    return -1;
}

ContactRecord::ContactRecord() = default;

void ContactRecord::setText(int field, QStringView text)
{
    Q_ASSERT(field >= 0 && field < FieldCount);
    if (pointsInto(text, m_buffer)) {
        // Copying a field of this very record: the buffer is about to change.
        const QString copy = text.toString();
        setText(field, copy);
        return;
    }
    detachFromSource();

    const qsizetype from = start(field);
    const qsizetype to = m_end[field];
    const qsizetype delta = text.size() - (to - from);
    Q_ASSERT(m_buffer.size() + delta <= 0xFFFF);

    if (to == m_buffer.size()) {
        // Nothing after this field (always so while a record is filled in
        // field order): grow in place, keeping any reserved capacity.
        m_buffer.truncate(from);
        m_buffer.append(text);
    } else if (delta != 0) {
        QString buffer;
        buffer.reserve(m_buffer.size() + delta);
        buffer.append(QStringView(m_buffer).left(from));
        buffer.append(text);
        buffer.append(QStringView(m_buffer).mid(to));
        m_buffer = std::move(buffer);
    } else if (!text.isEmpty()) {
        std::copy(text.begin(), text.end(), m_buffer.begin() + from);
    }

    for (int f = field; f < FieldCount; ++f)
        m_end[f] = static_cast<quint16>(m_end[f] + delta);
    m_nullMask &= static_cast<quint16>(~(1u << field));
    if (field == AddressID)
        rehashAddressId();
}

void ContactRecord::setType(qint16 value)
{
    m_type = value;
    m_nullMask &= static_cast<quint16>(~(1u << Type));
}

void ContactRecord::setNull(int field)
{
    Q_ASSERT(field >= 0 && field < FieldCount);
    if (field == Type)
        m_type = 0;
    else
        setText(field, {});
    m_nullMask |= static_cast<quint16>(1u << field);
    if (field == AddressID)
        rehashAddressId();
}

quint32 ContactRecord::hashAddressId(QStringView id)
{
    return quint32(qHash(id));
}

void ContactRecord::rehashAddressId()
{
    m_addressIdHash = isNull(AddressID) ? 0 : hashAddressId(text(AddressID));
}

void ContactRecord::reserve(qsizetype size)
{
    if (size > 0)
        m_buffer.reserve(size);
}

void ContactRecord::fillTexts(const QStringView *values, int count)
{
    Q_ASSERT(m_nullMask == 0xFFFF && m_buffer.isEmpty());
    Q_ASSERT(count >= 0 && count <= FieldCount);
    qsizetype total = 0;
    for (int field = 0; field < count; ++field) {
        if (field != Type)
            total += values[field].size();
    }
    Q_ASSERT(total <= 0xFFFF);
    QChar *out = nullptr;
    if (total > 0) {
        m_buffer = QString(total, Qt::Uninitialized);
        out = m_buffer.data();
    }
    qsizetype end = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (field < count && field != Type) {
            const QStringView value = values[field];
            if (!value.isEmpty()) {
                std::copy(value.begin(), value.end(), out + end);
                end += value.size();
            }
            m_nullMask &= static_cast<quint16>(~(1u << field));
        }
        m_end[field] = static_cast<quint16>(end);
    }
    rehashAddressId();
}

void ContactRecord::detachFromSource()
{
    if (!m_source)
        return;
    qsizetype total = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (field != Type)
            total += text(field).size();
    }
    QString buffer(total, Qt::Uninitialized);
    std::array<quint16, FieldCount> ends {};
    qsizetype end = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (field != Type) {
            const QStringView value = text(field);
            std::copy(value.begin(), value.end(), buffer.data() + end);
            end += value.size();
        }
        ends[std::size_t(field)] = static_cast<quint16>(end);
    }
    m_buffer = std::move(buffer);
    m_base = 0;
    m_end = ends;
    m_gap = 0;
    m_source = false;
}

bool ContactRecord::viewTexts(const QString &source, const QStringView *values, int count, qsizetype gap)
{
    Q_ASSERT(m_nullMask == 0xFFFF && m_buffer.isEmpty());
    Q_ASSERT(count > 0 && count <= FieldCount);
    std::array<quint16, FieldCount> ends {};
    qsizetype end = 0;
    for (int field = 0; field < count; ++field) {
        if (field > 0)
            end += gap;
        Q_ASSERT(values[field].isEmpty() || values[field].data() == values[0].data() + end);
        end += values[field].size();
        if (end > 0xFFFF)
            return false;
        ends[std::size_t(field)] = static_cast<quint16>(end);
    }
    for (int field = count; field < FieldCount; ++field)
        ends[std::size_t(field)] = static_cast<quint16>(end); // null: never read
    m_buffer = source;
    m_base = values[0].data() - source.constData();
    m_end = ends;
    m_gap = static_cast<quint16>(gap);
    m_source = true;
    // Type stays null here; setType() gives it its value.
    m_nullMask = static_cast<quint16>((0xFFFFu << count) | (1u << Type));
    rehashAddressId();
    return true;
}

qsizetype ContactRecord::heapBytes() const
{
    if (m_source)
        return qsizetype(m_end[FieldCount - 1]) * qsizetype(sizeof(QChar));
    if (m_buffer.isNull() || m_buffer.capacity() == 0)
        return 0;
    // The allocation header of a QString plus the code units and terminator.
    constexpr qsizetype header = 16;
    return header + (m_buffer.capacity() + 1) * qsizetype(sizeof(QChar));
}

} // namespace ZebVendorContact
