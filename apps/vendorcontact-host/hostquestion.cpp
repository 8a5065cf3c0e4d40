// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "hostquestion.h"

#include <QtWidgets/QPushButton>

namespace VendorContactHost {

QuestionHandler messageBoxHandler(QWidget *parent)
{
    return [parent](const Question &question) {
        QMessageBox box(question.icon, question.title, question.text, question.buttons, parent);
        box.setDefaultButton(question.defaultButton);
        box.setDetailedText(question.details);
        for (const auto &[button, text] : question.buttonTexts) {
            if (auto *widget = box.button(button))
                widget->setText(text);
        }
        return QMessageBox::StandardButton(box.exec());
    };
}

} // namespace VendorContactHost
