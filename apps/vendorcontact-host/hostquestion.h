// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtWidgets/QMessageBox>

#include <functional>
#include <utility>

namespace VendorContactHost {

/// A question to the user; the buttons' texts may be given for clarity.
struct Question
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Question;
    QList<std::pair<QMessageBox::StandardButton, QString>> buttonTexts;
    /// Shown only under the box's Details button (a driver's own words).
    QString details;
};

/// How questions reach the user: a real message box, or a test's answers.
using QuestionHandler = std::function<QMessageBox::StandardButton(const Question &)>;

/// The handler that shows `question` in a QMessageBox over `parent`.
QuestionHandler messageBoxHandler(QWidget *parent);

} // namespace VendorContactHost
