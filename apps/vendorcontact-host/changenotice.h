// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtWidgets/QFrame>

class QLabel;
class QPushButton;

namespace VendorContactHost {

/*!
 * The line over the panel that says someone else changed the vendor while
 * the user has unsaved changes, with a button to see them. It never takes
 * the focus or blocks typing.
 */
class ChangeNotice : public QFrame
{
    Q_OBJECT

public:
    explicit ChangeNotice(QWidget *parent = nullptr);

    /// Shows the notice for `count` addresses changed by someone else.
    void showCount(int count);
    int count() const { return m_count; }
    QString text() const;

Q_SIGNALS:
    /// The user wants to see the changes.
    void showChangesRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    int m_count = 0;
    QLabel *m_text = nullptr;
    QPushButton *m_show = nullptr;
};

} // namespace VendorContactHost
