// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorlistmodel.h"

#include "vendordatabase.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

template<typename Read> bool VendorListModel::reading(Read &&read)
{
    // Called from the view and from the window's slots: nothing may leave.
    try {
        read();
        return true;
    } catch (const ZebVendorContact::Error &error) {
        qCWarning(lcVendorDatabase) << "reading the vendor list failed:" << error.message();
        Q_EMIT readFailed(error.message());
        return false;
    }
}

void VendorListModel::resetTo(QList<VendorRow> rows, bool atStart, bool atEnd)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_atStart = atStart;
    m_atEnd = atEnd;
    endResetModel();
}

void VendorListModel::readFromStart()
{
    QList<VendorRow> rows = m_directory->after(std::nullopt, PageSize);
    const bool atEnd = rows.size() < PageSize;
    resetTo(std::move(rows), true, atEnd);
}

void VendorListModel::setDirectory(VendorDirectory *directory, const QString &search)
{
    m_directory = directory;
    resetTo({}, true, true);
    if (!m_directory)
        return;
    // The search is set first, so only the page shown is read.
    reading([&] {
        if (!search.isEmpty())
            m_directory->setSearch(search);
        readFromStart();
    });
}

void VendorListModel::setSearch(const QString &text)
{
    if (!m_directory)
        return;
    const bool read = reading([&] {
        m_directory->setSearch(text);
        readFromStart();
    });
    if (!read)
        resetTo({}, true, true);
}

int VendorListModel::rowOf(qint32 vendorId) const
{
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).id == vendorId)
            return int(row);
    }
    return -1;
}

int VendorListModel::bringIn(qint32 vendorId)
{
    if (const int row = rowOf(vendorId); row >= 0 || !m_directory)
        return row;
    reading([&] {
        const QList<VendorRow> found = m_directory->rows({ vendorId });
        if (found.isEmpty())
            return;
        constexpr int Above = PageSize / 2;
        QList<VendorRow> rows = m_directory->before(found.constFirst(), Above);
        const bool atStart = rows.size() < Above;
        rows << found.constFirst();
        const QList<VendorRow> below = m_directory->after(found.constFirst(), PageSize);
        rows << below;
        resetTo(std::move(rows), atStart, below.size() < PageSize);
    });
    return rowOf(vendorId);
}

int VendorListModel::fetchAbove()
{
    if (!canFetchAbove())
        return 0;
    if (m_rows.isEmpty()) {
        m_atStart = true;
        return 0;
    }
    QList<VendorRow> rows;
    if (!reading([&] { rows = m_directory->before(m_rows.constFirst(), PageSize); })) {
        m_atStart = true;
        return 0;
    }
    m_atStart = rows.size() < PageSize;
    if (rows.isEmpty())
        return 0;
    beginInsertRows({}, 0, int(rows.size()) - 1);
    m_rows = rows + m_rows;
    endInsertRows();
    return int(rows.size());
}

bool VendorListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_directory && !m_atEnd;
}

void VendorListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    QList<VendorRow> rows;
    const std::optional<VendorRow> last = m_rows.isEmpty() ? std::nullopt : std::optional(m_rows.constLast());
    if (!reading([&] { rows = m_directory->after(last, PageSize); })) {
        m_atEnd = true; // asked again after the next reset
        return;
    }
    m_atEnd = rows.size() < PageSize;
    if (rows.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    m_rows << rows;
    endInsertRows();
}

bool VendorListModel::refreshVendors(const QList<qint32> &ids)
{
    if (!m_directory || ids.isEmpty())
        return false;
    if (ids.size() > 2 * PageSize) {
        // Too many to place one by one (after a lost connection every
        // vendor is given): the list is read again from the first.
        setSearch(m_directory->search());
        return true;
    }
    reading([&] {
        const QList<VendorRow> current = m_directory->rows(ids);
        dropChanged(ids, current);
        // In list order, so that each one's predecessor is in place when
        // it is one of them.
        for (const VendorRow &row : current) {
            if (rowOf(row.id) < 0)
                placeChanged(row);
        }
    });
    return false;
}

void VendorListModel::dropChanged(const QList<qint32> &ids, const QList<VendorRow> &current)
{
    for (const qint32 id : ids) {
        const int row = rowOf(id);
        if (row < 0)
            continue;
        const auto now =
            std::find_if(current.cbegin(), current.cend(), [id](const VendorRow &r) { return r.id == id; });
        if (now != current.cend() && now->name == m_rows.at(row).name) {
            // Same place: only its count changed.
            m_rows[row] = *now;
            Q_EMIT dataChanged(index(row), index(row));
            continue;
        }
        beginRemoveRows({}, row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
}

void VendorListModel::placeChanged(const VendorRow &row)
{
    // The database says where it sorts: after the vendor listed before it.
    int place = 0;
    if (const std::optional<qint32> previous = m_directory->predecessor(row)) {
        const int at = rowOf(*previous);
        // Before the rows read, or after them while more follow: it comes
        // when the list reads that far.
        if (at < 0 || (at == m_rows.size() - 1 && !m_atEnd))
            return;
        place = at + 1;
    } else if (!m_atStart) {
        return;
    }
    beginInsertRows({}, place, place);
    m_rows.insert(place, row);
    endInsertRows();
}

int VendorListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant VendorListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const VendorRow &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QCoreApplication::translate("VendorContactHost::VendorListPane", "%1 (%2)")
            .arg(row.name)
            .arg(row.addressCount);
    case Qt::UserRole:
        return row.id;
    case Qt::ToolTipRole:
        return QCoreApplication::translate("VendorContactHost::VendorListPane", "Vendor %1").arg(row.id);
    default:
        return {};
    }
}

void VendorListModel::retranslate()
{
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1));
}

} // namespace VendorContactHost
