#include "contactlistmodel.h"

#include "paneltexts.h"

#include <algorithm>
#include <numeric>

namespace ZebVendorContact {

namespace {

// Names sort the list until the user clicks a header: people look for a
// contact by its name.
constexpr int InitialSortColumn = 2;

} // namespace

ListRow::ListRow(const Columns &columns)
{
    // One allocation of the exact size, each text copied once: a rebuild
    // makes a row for every address of the type.
    qsizetype total = 0;
    for (QStringView column : columns)
        total += column.size();
    if (total == 0)
        return; // all columns empty: no buffer at all
    m_buffer = QString(total, Qt::Uninitialized);
    QChar *out = m_buffer.data();
    qsizetype end = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        std::copy(columns[column].begin(), columns[column].end(), out + end);
        end += columns[column].size();
        m_end[column] = quint32(end);
    }
}

QStringView ListRow::text(int column) const
{
    const qsizetype from = start(column);
    return QStringView(m_buffer).sliced(from, m_end.at(column) - from);
}

ListRow::Columns ListRow::columns() const
{
    Columns result;
    for (int column = 0; column < ColumnCount; ++column)
        result[column] = text(column);
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
        return text(index.row(), index.column()).toString();
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
    const ListCollator::SortKeys keys = m_collator.sortKeys(texts);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int comparison = keys.compare(std::size_t(a), std::size_t(b));
        return ascending ? comparison < 0 : comparison > 0;
    });
    return order;
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

void ContactListModel::setRows(std::vector<ListRow> rows)
{
    beginResetModel();
    const std::vector<int> order = sortedPermutation(rows);
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (int from : order)
        m_rows.push_back(std::move(rows[std::size_t(from)]));
    endResetModel();
}

int ContactListModel::insertRow(ListRow row)
{
    const int position = insertionPoint(row.text(m_sortColumn), -1);
    beginInsertRows({}, position, position);
    m_rows.insert(m_rows.begin() + position, std::move(row));
    endInsertRows();
    return position;
}

int ContactListModel::replaceRow(int position, ListRow row)
{
    const int target = insertionPoint(row.text(m_sortColumn), position);
    m_rows[std::size_t(position)] = std::move(row);
    if (target == position) {
        Q_EMIT dataChanged(index(position, 0), index(position, ListRow::ColumnCount - 1), { Qt::DisplayRole });
        return position;
    }

    // The row moves to its new place and the rows between shift by one. Told
    // as changed texts of those rows, with the persistent indexes (the
    // selection) following their rows, not as a move of a row: the tree view
    // answers a move by laying out every row again, 32,767 of them at most,
    // for what is one saved address.
    const int first = std::min(position, target);
    const int last = std::max(position, target);
    if (target < position)
        std::rotate(m_rows.begin() + target, m_rows.begin() + position, m_rows.begin() + position + 1);
    else
        std::rotate(m_rows.begin() + position, m_rows.begin() + position + 1, m_rows.begin() + target + 1);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before) {
        int moved = index.row();
        if (moved == position)
            moved = target;
        else if (moved >= first && moved <= last)
            moved += target < position ? 1 : -1;
        after.append(this->index(moved, index.column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT dataChanged(index(first, 0), index(last, ListRow::ColumnCount - 1), { Qt::DisplayRole });
    return target;
}

void ContactListModel::removeRowAt(int position)
{
    beginRemoveRows({}, position, position);
    m_rows.erase(m_rows.begin() + position);
    endRemoveRows();
}

void ContactListModel::setSortState(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ListRow::ColumnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The header of the sort column clicked again only turns the order round.
    const bool reverseOnly = column == m_sortColumn && order != m_sortOrder;
    m_sortColumn = column;
    m_sortOrder = order;

    const std::vector<int> permutation = reverseOnly ? reversedPermutation() : sortedPermutation(m_rows);
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
}

} // namespace ZebVendorContact
