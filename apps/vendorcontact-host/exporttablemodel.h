// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QAbstractTableModel>
#include <QtCore/QStringList>

namespace VendorContactHost {

/*!
 * The entries of an export, one row each, one column per exported field.
 * Replaced in one go (a model reset), so a view shows tens of thousands of
 * entries at once instead of growing cell by cell.
 */
class ExportTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ExportTableModel(QObject *parent = nullptr);

    /// Shows `records`; a record with more values than fields (a value held
    /// the field separator) keeps the surplus in the last column, joined
    /// with `fieldSeparator`, so nothing is hidden.
    void setRecords(QList<QStringList> records, const QString &fieldSeparator);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_fields;
    QList<QStringList> m_records;
    QString m_fieldSeparator;
};

} // namespace VendorContactHost
