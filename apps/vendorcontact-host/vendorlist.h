// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendorlistmodel.h"

#include <QtWidgets/QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListView;

namespace VendorContactHost {

class VendorDatabase;

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
    ~VendorListPane() override;

    /// Lists the vendors of `database` (none: nothing); the highlight
    /// stays on the vendor shown.
    void setDatabase(const VendorDatabase *database);
    /// The vendors of `ids` changed: their rows are read again.
    void refreshVendors(const QList<qint32> &ids);
    /// Marks `vendorId` as the vendor shown (none: no highlight).
    void setShownVendor(std::optional<qint32> vendorId);
    bool hasVendor(qint32 vendorId) const;
    std::optional<qint32> firstVendor() const;
    /// Rows the list read from the database so far.
    qint64 rowsRead() const;

Q_SIGNALS:
    /// The user chose this vendor (it may be the one shown).
    void vendorChosen(qint32 vendorId);
    /// The list could not be read (for the status line).
    void readFailed(const QString &message);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void chooseRow(const QModelIndex &index);
    void highlightShownVendor(bool bringIn);
    void fetchAboveAtTop();

    QLineEdit *m_search = nullptr;
    QLabel *m_label = nullptr;
    QListView *m_list = nullptr;
    VendorListModel *m_model = nullptr;
    std::unique_ptr<VendorDirectory> m_directory;
    std::optional<qint32> m_shown;
};

} // namespace VendorContactHost
