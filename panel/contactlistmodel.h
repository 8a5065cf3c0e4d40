#pragma once

#include "listcollator.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QString>

#include <array>
#include <vector>

namespace ZebVendorContact {

/*!
 * The texts of one row of the address list: column 0 (the address id) and
 * the fourteen further columns. The list keeps its own copy of every shown
 * address, so the row is stored compactly: one buffer and fifteen end
 * offsets, instead of fifteen separately allocated strings.
 */
class ListRow
{
public:
    static constexpr int ColumnCount = 15;
    using Columns = std::array<QStringView, ColumnCount>;

    ListRow() = default;
    explicit ListRow(const Columns &columns);

    QStringView text(int column) const;
    Columns columns() const;

    friend bool operator==(const ListRow &a, const ListRow &b)
    {
        return a.m_end == b.m_end && a.m_buffer == b.m_buffer;
    }

private:
    qsizetype start(int column) const { return column == 0 ? 0 : m_end[column - 1]; }

    QString m_buffer;
    std::array<quint32, ColumnCount> m_end {};
};

/*!
 * The rows of the address list, always held in the order of the list's sort
 * column and sort order. The order is established once when the rows are
 * replaced and when the sort state changes; single rows that are added or
 * changed go straight to their place (binary search), so nothing ever sorts
 * per inserted row. Sorting is stable: rows with equal sort texts keep the
 * order they had (store order after a rebuild; the previous order after the
 * sort column changes), and an added row goes after its equals. Texts compare by the locale's collation with numbers
 * in them compared as numbers ("Unit 9" before "Unit 10").
 */
class ContactListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ContactListModel(const QLocale &locale, QObject *parent = nullptr);

    /// Takes the column headers again in the application's language.
    void retranslateHeaders();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const ListRow &row(int row) const { return m_rows.at(std::size_t(row)); }
    QStringView text(int row, int column) const { return this->row(row).text(column); }

    /// Replaces every row; the new rows are put in sort order.
    void setRows(std::vector<ListRow> rows);
    void clear() { setRows({}); }
    /// Adds a row at its place in the sort order (after rows with an equal
    /// sort text); returns its position.
    int insertRow(ListRow row);
    /// Replaces the texts of a row and moves it to its place in the sort
    /// order; returns its new position.
    int replaceRow(int position, ListRow row);
    void removeRowAt(int position);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    /// Sets the sort column and order and reorders the rows; persistent
    /// indexes (the selection) follow their rows.
    void setSortState(int column, Qt::SortOrder order);

private:
    int compareTexts(QStringView a, QStringView b) const;
    bool goesBefore(QStringView key, QStringView other) const;
    int insertionPoint(QStringView key, int skippedRow) const;
    std::vector<int> sortedPermutation(const std::vector<ListRow> &rows) const;
    /// The order of the rows sorted the other way round, from their current
    /// order, without sorting.
    std::vector<int> reversedPermutation() const;

    std::vector<ListRow> m_rows;
    int m_sortColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    ListCollator m_collator;
    std::array<QString, ListRow::ColumnCount> m_headers;
};

} // namespace ZebVendorContact
