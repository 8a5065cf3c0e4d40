// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "detailfields.h"
#include "listcollator.h"

#include <contactrecord.h>

#include <QtCore/QAbstractTableModel>
#include <QtCore/QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace ZebVendorContact {

/*!
 * What a widget is given to show of `text`: the text itself, or when it is
 * too long to be shown whole, a bounded start of it (never half a character)
 * and an ellipsis. Widgets measure and lay out all of a text they get; the
 * caller keeps the whole text for anything but showing it.
 */
QString shownText(QStringView text);
QString shownText(const QString &text);

/*!
 * The texts of one row of the address list: column 0 (the address id) and
 * the fourteen further columns.
 *
 * A row made from a stored record shares that record's text buffer (an
 * implicitly shared QString) and only points at its fields; the type and
 * state names are shared copies of the lookup tables' strings. Nothing is
 * copied per row, and the cell texts are cut from the buffer only when the
 * view asks for them. A later change of the record gives the record a
 * buffer of its own and leaves the row as it was.
 */
class ListRow
{
public:
    static constexpr int ColumnCount = ListColumnCount;
    using Columns = std::array<QStringView, ColumnCount>;

    ListRow() = default;
    /// A row with its own copy of the texts.
    explicit ListRow(const Columns &columns);
    /// A row showing `record`, its Type as `typeName` and its State as
    /// `stateName`.
    ListRow(const ContactRecord &record, const QString &typeName, const QString &stateName);

    QStringView text(int column) const;
    Columns columns() const;

    friend bool operator==(const ListRow &a, const ListRow &b) { return a.columns() == b.columns(); }

private:
    ContactRecord m_record;
    QString m_typeName;
    QString m_stateName;
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

    /// Replaces every row; the new rows are put in sort order. Called from a
    /// slot connected to one of this model's own signals while another change
    /// is under way, the replacement waits until that change has ended (see
    /// ChangeScope).
    void setRows(std::vector<ListRow> rows);
    void clear() { setRows({}); }
    /// Adds a row at its place in the sort order (after rows with an equal
    /// sort text); returns its position, or -1 when a replacement of every
    /// row asked for during the insertion has already taken its place.
    int insertListRow(ListRow row);
    /// Replaces the texts of a row and moves it to its place in the sort
    /// order; returns its new position (-1 as for insertListRow()).
    int replaceRow(int position, ListRow row);
    void removeRowAt(int position);

    /// Whether a change of the rows is under way (its signals are being sent).
    bool isChanging() const { return m_changeDepth > 0; }
    /// Runs `task` now, or, while a change is under way, right after the
    /// outermost change has ended: for work that would change the rows from
    /// a slot connected to the model's own signals.
    void runWhenIdle(std::function<void()> task);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    /// Sets the sort column and order and reorders the rows; persistent
    /// indexes (the selection) follow their rows.
    void setSortState(int column, Qt::SortOrder order);

private:
    /*!
     * Runs `change`, a change of the rows from its first signal to its last,
     * and returns what it returns. Slots connected to the model's signals may
     * call back into the control (a host reloading from
     * rowsAboutToBeInserted, say); a replacement of every row that arrives
     * that way, and the tasks of runWhenIdle(), wait until the outermost
     * change has ended, so no change ever runs inside another and no
     * position computed before a signal is used after the rows changed under
     * it. The result is then -1: the position it named may be gone.
     */
    template<typename Change> int runChange(Change &&change);
    void resetRows(std::vector<ListRow> rows);

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
    int m_changeDepth = 0;
    std::optional<std::vector<ListRow>> m_pendingRows;
    std::vector<std::function<void()>> m_idleTasks;
};

} // namespace ZebVendorContact
