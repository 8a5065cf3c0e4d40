// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendordatabase.h"

#include <QtCore/QSortFilterProxyModel>
#include <QtWidgets/QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QStandardItemModel;

namespace VendorContactHost {

/*!
 * The vendor list's filter: a row stays when every word typed occurs in the
 * vendor's name or in its search text (its cities), case-insensitively.
 */
class VendorFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    /// The role holding a vendor's searchable text beside its name.
    static constexpr int SearchTextRole = Qt::UserRole + 1;

    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setSearch(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QStringList m_words;
};

/*!
 * The vendors with a search box. Typing only filters; a vendor is chosen by
 * a click or by Enter on the highlighted row, and that is all that
 * vendorChosen() reports. The highlight follows the vendor the window
 * shows (setShownVendor), also when a choice was cancelled.
 */
class VendorListPane : public QWidget
{
    Q_OBJECT

public:
    explicit VendorListPane(QWidget *parent = nullptr);

    /// Replaces the vendors; the highlight stays on the vendor shown.
    void setVendors(const QList<VendorSummary> &vendors);
    /// Marks `vendorId` as the vendor shown (none: no highlight).
    void setShownVendor(std::optional<qint32> vendorId);
    bool hasVendor(qint32 vendorId) const;
    std::optional<qint32> firstVendor() const;

Q_SIGNALS:
    /// The user chose this vendor (it may be the one shown).
    void vendorChosen(qint32 vendorId);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void chooseRow(const QModelIndex &index);
    void highlightShownVendor();

    QLineEdit *m_search = nullptr;
    QLabel *m_label = nullptr;
    QListView *m_list = nullptr;
    QStandardItemModel *m_model = nullptr;
    VendorFilterModel *m_filter = nullptr;
    QList<VendorSummary> m_vendors;
    std::optional<qint32> m_shown;
};

} // namespace VendorContactHost
