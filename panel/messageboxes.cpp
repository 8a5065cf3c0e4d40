// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "messageboxes.h"

namespace ZebVendorContact {

MessageBoxes::~MessageBoxes() = default;

QMessageBox::StandardButton QtMessageBoxes::show(QWidget *parent, const MessageBoxRequest &request)
{
    QMessageBox box(request.icon, request.title, request.prompt, request.buttons, parent);
    box.setObjectName(QStringLiteral("panelMessageBox"));
    box.setTextFormat(Qt::PlainText);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

} // namespace ZebVendorContact
