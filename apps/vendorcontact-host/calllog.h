// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QAbstractListModel>
#include <QtCore/QStringList>

namespace VendorContactHost {

/*!
 * The call log: one line per call to the control (or to the database on the
 * control's behalf), numbered from the first call of the window. Only the
 * last MaxLines lines are kept, here and nowhere else: the Developer dock
 * shows this model itself, so a window that runs for days holds a few
 * hundred kilobytes of log, not one copy per view.
 */
class CallLog : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int MaxLines = 4000;

    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    /// Adds "N  call -> outcome".
    void append(const QString &call, const QString &outcome);
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    qint64 m_count = 0; //!< every call so far, the dropped ones included
};

} // namespace VendorContactHost
