// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QString>
#include <QtWidgets/QMessageBox>

namespace ZebVendorContact {

/// What the panel asks a message box to show.
struct MessageBoxRequest
{
    QString prompt;
    QString title;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/*!
 * The one way the panel tells the user something: a modal box that returns
 * the button pressed. Replaceable, so tests and other front ends can answer.
 */
class MessageBoxes
{
public:
    virtual ~MessageBoxes();
    virtual QMessageBox::StandardButton show(QWidget *parent, const MessageBoxRequest &request) = 0;
};

/// Shows a real QMessageBox with exactly the request's texts, buttons, icon
/// and default button.
class QtMessageBoxes final : public MessageBoxes
{
public:
    QMessageBox::StandardButton show(QWidget *parent, const MessageBoxRequest &request) override;
};

} // namespace ZebVendorContact
