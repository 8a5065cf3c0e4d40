// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendordirectory.h"

#include <QtCore/QAbstractListModel>

#include <memory>
#include <optional>

namespace VendorContactHost {

/*!
 * The vendors in list order, read from the database a page at a time: a
 * stretch of the list that grows downwards as the view asks for more
 * (fetchMore) and upwards when the view reaches its top (fetchAbove). A
 * stretch may start anywhere, around the vendor shown. After a change only
 * the changed vendors are read again, and each goes where the database
 * sorts it. Failures to read are logged and reported with readFailed().
 */
class VendorListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    /// Rows read at a time.
    static constexpr int PageSize = 100;

    using QAbstractListModel::QAbstractListModel;

    /// Lists the vendors of `directory` (none: nothing) that `search` finds
    /// (empty: all), from the first.
    void setDirectory(VendorDirectory *directory, const QString &search = {});
    /// Lists what `text` finds, from the first.
    void setSearch(const QString &text);
    /// Reads the vendors of `ids` again: each changed, added, renamed or
    /// deleted one moves, appears or goes; nothing else is read. True when
    /// there were so many that the list was read again from the first.
    bool refreshVendors(const QList<qint32> &ids);
    /// The row of `vendorId` among those read, or -1.
    int rowOf(qint32 vendorId) const;
    /// The row of `vendorId`, reading the stretch around it when it is not
    /// read yet; -1 when the vendor is not listed (the search does not find it).
    int bringIn(qint32 vendorId);
    bool canFetchAbove() const { return m_directory && !m_atStart; }
    /// Reads a page above the first row; returns how many rows came.
    int fetchAbove();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    /// After a language change: the texts again.
    void retranslate();

Q_SIGNALS:
    void readFailed(const QString &message);

private:
    template<typename Read> bool reading(Read &&read);
    void resetTo(QList<VendorRow> rows, bool atStart, bool atEnd);
    /// Reads the first page of the directory as it is searched now.
    void readFromStart();
    void dropChanged(const QList<qint32> &ids, const QList<VendorRow> &current);
    void placeChanged(const VendorRow &row);

    VendorDirectory *m_directory = nullptr;
    QList<VendorRow> m_rows;
    bool m_atStart = true;
    bool m_atEnd = true;
};

} // namespace VendorContactHost
