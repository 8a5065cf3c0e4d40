// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "exporttablemodel.h"

#include "exchangetext.h"

namespace VendorContactHost {

ExportTableModel::ExportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_fields(exportFieldNames())
{
}

void ExportTableModel::setRecords(QList<QStringList> records, const QString &fieldSeparator)
{
    beginResetModel();
    m_records = std::move(records);
    m_fieldSeparator = fieldSeparator;
    endResetModel();
}

int ExportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int ExportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant ExportTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QStringList &values = m_records.at(index.row());
    const int last = int(m_fields.size()) - 1;
    if (index.column() < last || values.size() <= m_fields.size())
        return values.value(index.column());
    return values.mid(last).join(m_fieldSeparator);
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_fields.value(section);
    return section + 1;
}

} // namespace VendorContactHost
