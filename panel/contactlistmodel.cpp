// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "contactlistmodel.h"

#include "paneltexts.h"

#include <QtCore/QScopeGuard>

#include <algorithm>
#include <numeric>
#include <utility>

namespace ZebVendorContact {

namespace {

// Names sort the list until the user clicks a header: people look for a
// contact by its name.
constexpr int InitialSortColumn = NameColumn;

} // namespace

// A view measures and lays out all of the text it gets, and a host may send a
// type or state name of millions of characters; far fewer code units than
// this already fill any list column, picker or entry.
constexpr qsizetype MaxShownLength = 1024;

QString shownText(QStringView text)
{
    if (text.size() <= MaxShownLength)
        return text.toString();
    QStringView shown = text.first(MaxShownLength);
    if (shown.back().isHighSurrogate())
        shown.chop(1); // never half a character
    return shown + QChar(0x2026); // the horizontal ellipsis
}

QString shownText(const QString &text)
{
    // A text short enough is shared, not copied.
    return text.size() <= MaxShownLength ? text : shownText(QStringView(text));
}

ListRow::ListRow(const Columns &columns)
    : m_typeName(columns[TypeNameColumn].toString())
    , m_stateName(columns[StateNameColumn].toString())
{
    std::array<QStringView, IsUpdated> values;
    for (const ListColumnInfo &column : ListColumns) {
        if (column.column != TypeNameColumn && column.column != StateNameColumn)
            values[std::size_t(column.storeField)] = columns[std::size_t(column.column)];
    }
    m_record.fillTexts(values.data(), int(values.size()));
}

ListRow::ListRow(const ContactRecord &record, const QString &typeName, const QString &stateName)
    : m_record(record)
    , m_typeName(typeName)
    , m_stateName(stateName)
{
}

QStringView ListRow::text(int column) const
{
    switch (column) {
    case TypeNameColumn:
        return m_typeName;
    case StateNameColumn:
        return m_stateName;
    default:
        return m_record.text(ListColumns.at(std::size_t(column)).storeField);
    }
}

ListRow::Columns ListRow::columns() const
{
    Columns result;
    for (int column = 0; column < ColumnCount; ++column)
        result[std::size_t(column)] = text(column);
    return result;
}

ContactListModel::ContactListModel(const QLocale &locale, QObject *parent)
    : QAbstractTableModel(parent)
    , m_sortColumn(InitialSortColumn)
    , m_collator(locale)
{
    retranslateHeaders();
}

void ContactListModel::retranslateHeaders()
{
    for (int column = 0; column < ListRow::ColumnCount; ++column)
        m_headers[std::size_t(column)] = PanelTexts::columnHeader(column);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ListRow::ColumnCount - 1);
}

int ContactListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ContactListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListRow::ColumnCount;
}

QVariant ContactListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return shownText(text(index.row(), index.column()));
    return {};
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ListRow::ColumnCount)
        return m_headers[std::size_t(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

int ContactListModel::compareTexts(QStringView a, QStringView b) const
{
    // The same text collates equal; no need to ask the collator.
    if (a == b)
        return 0;
    return m_collator.compare(a, b);
}

bool ContactListModel::goesBefore(QStringView key, QStringView other) const
{
    const int order = compareTexts(key, other);
    return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

int ContactListModel::insertionPoint(QStringView key, int skippedRow) const
{
    // Binary search over the rows without `skippedRow`, for the first row the
    // key goes before: the new place comes after every equal row.
    const int count = int(m_rows.size()) - (skippedRow >= 0 ? 1 : 0);
    auto rowAt = [&](int i) { return (skippedRow >= 0 && i >= skippedRow) ? i + 1 : i; };
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (goesBefore(key, m_rows[std::size_t(rowAt(middle))].text(m_sortColumn)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

std::vector<int> ContactListModel::sortedPermutation(const std::vector<ListRow> &rows) const
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const bool ascending = m_sortOrder == Qt::AscendingOrder;

    // Hosts often hand the addresses over in order already (by name, say):
    // checking neighbours costs one comparison per row, a sort key several
    // times that. Rows out of order are usually met within the first few.
    auto inOrder = [&](std::size_t second) {
        const int comparison = compareTexts(rows[second - 1].text(m_sortColumn), rows[second].text(m_sortColumn));
        return ascending ? comparison <= 0 : comparison >= 0;
    };
    std::size_t checked = 1;
    while (checked < rows.size() && inOrder(checked))
        ++checked;
    if (checked >= rows.size())
        return order; // a stable sort would leave every row where it is

    // One sort key per row, so the collation runs once per row, not once per
    // comparison.
    std::vector<QStringView> texts;
    texts.reserve(rows.size());
    for (const ListRow &row : rows)
        texts.push_back(row.text(m_sortColumn));
    return m_collator.sortKeys(texts).sortedOrder(ascending);
}

std::vector<int> ContactListModel::reversedPermutation() const
{
    // The rows are in order by the sort column. Stable order the other way
    // round is the runs of equal texts in reverse, each run keeping the order
    // of its rows: no sort, only a comparison of neighbours.
    const int count = int(m_rows.size());
    std::vector<int> order;
    order.reserve(m_rows.size());
    int end = count;
    while (end > 0) {
        int start = end - 1;
        while (start > 0 && compareTexts(text(start - 1, m_sortColumn), text(start, m_sortColumn)) == 0)
            --start;
        for (int row = start; row < end; ++row)
            order.push_back(row);
        end = start;
    }
    return order;
}

template<typename Change> int ContactListModel::runChange(Change &&change)
{
    int result = 0;
    {
        ++m_changeDepth;
        const auto leave = qScopeGuard([this] { --m_changeDepth; });
        result = change();
    }
    if (m_changeDepth > 0 || (!m_pendingRows && m_idleTasks.empty()))
        return result;
    // In the order they were asked for; each may ask for more.
    while (m_pendingRows || !m_idleTasks.empty()) {
        if (m_pendingRows) {
            std::vector<ListRow> rows = std::move(*m_pendingRows);
            m_pendingRows.reset();
            resetRows(std::move(rows));
        }
        std::vector<std::function<void()>> tasks = std::move(m_idleTasks);
        m_idleTasks.clear();
        for (const std::function<void()> &task : tasks)
            task();
    }
    return -1;
}

void ContactListModel::runWhenIdle(std::function<void()> task)
{
    if (m_changeDepth > 0)
        m_idleTasks.push_back(std::move(task));
    else
        task();
}

void ContactListModel::setRows(std::vector<ListRow> rows)
{
    if (m_changeDepth > 0) {
        m_pendingRows = std::move(rows);
        return;
    }
    resetRows(std::move(rows));
}

void ContactListModel::resetRows(std::vector<ListRow> rows)
{
    runChange([&] {
        beginResetModel();
        const std::vector<int> order = sortedPermutation(rows);
        m_rows.clear();
        m_rows.reserve(rows.size());
        for (int from : order)
            m_rows.push_back(std::move(rows[std::size_t(from)]));
        endResetModel();
        return 0;
    });
}

int ContactListModel::insertListRow(ListRow row)
{
    return runChange([&] {
        const int position = insertionPoint(row.text(m_sortColumn), -1);
        beginInsertRows({}, position, position);
        m_rows.insert(m_rows.begin() + position, std::move(row));
        endInsertRows();
        return position;
    });
}

int ContactListModel::replaceRow(int position, ListRow row)
{
    return runChange([&] {
        const int target = insertionPoint(row.text(m_sortColumn), position);
        if (target != position) {
            // Qt's destination is the row the moved one goes before, counted
            // before the move.
            beginMoveRows({}, position, position, {}, target > position ? target + 1 : target);
            if (target < position)
                std::rotate(m_rows.begin() + target, m_rows.begin() + position, m_rows.begin() + position + 1);
            else
                std::rotate(m_rows.begin() + position, m_rows.begin() + position + 1, m_rows.begin() + target + 1);
            m_rows[std::size_t(target)] = std::move(row);
            endMoveRows();
        } else {
            m_rows[std::size_t(position)] = std::move(row);
        }
        Q_EMIT dataChanged(
            index(target, AddressIdColumn), index(target, ListRow::ColumnCount - 1), { Qt::DisplayRole });
        return target;
    });
}

void ContactListModel::removeRowAt(int position)
{
    runChange([&] {
        beginRemoveRows({}, position, position);
        m_rows.erase(m_rows.begin() + position);
        endRemoveRows();
        return 0;
    });
}

void ContactListModel::setSortState(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ListRow::ColumnCount)
        return;
    runChange([&] {
        // The header of the sort column clicked again only turns the order
        // round. The new order is worked out before the layout change is
        // announced: a failure leaves the sort state and the rows as they were.
        const bool reverseOnly = column == m_sortColumn && order != m_sortOrder;
        const int oldColumn = std::exchange(m_sortColumn, column);
        const Qt::SortOrder oldOrder = std::exchange(m_sortOrder, order);
        std::vector<int> permutation;
        try {
            permutation = reverseOnly ? reversedPermutation() : sortedPermutation(m_rows);
        } catch (...) {
            m_sortColumn = oldColumn;
            m_sortOrder = oldOrder;
            throw;
        }

        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> newPosition(m_rows.size());
        std::vector<ListRow> sorted;
        sorted.reserve(m_rows.size());
        for (std::size_t to = 0; to < permutation.size(); ++to) {
            newPosition[std::size_t(permutation[to])] = int(to);
            sorted.push_back(std::move(m_rows[std::size_t(permutation[to])]));
        }
        m_rows = std::move(sorted);

        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex &index : before)
            after.append(this->index(newPosition[std::size_t(index.row())], index.column()));
        changePersistentIndexList(before, after);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        return 0;
    });
}

} // namespace ZebVendorContact
