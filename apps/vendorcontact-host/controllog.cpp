// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "controllog.h"

#include <QtCore/QLoggingCategory>

namespace VendorContactHost {

namespace {
constexpr char ControlCategory[] = "zeb.vendorcontact";

bool isControlCategory(const char *name)
{
    return name && qstrcmp(name, ControlCategory) == 0;
}
} // namespace

struct ControlLogHooks
{
    static inline ControlLogCapture *active = nullptr;
    static inline QtMessageHandler previousHandler = nullptr;
    static inline QLoggingCategory::CategoryFilter previousFilter = nullptr;
    static inline bool debugShownBefore = false;

    static void filter(QLoggingCategory *category)
    {
        if (previousFilter)
            previousFilter(category);
        if (!isControlCategory(category->categoryName()))
            return;
        debugShownBefore = category->isDebugEnabled();
        category->setEnabled(QtDebugMsg, true);
        category->setEnabled(QtInfoMsg, true);
    }

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (isControlCategory(context.category)) {
            if (active)
                active->m_messages.append(message);
            // Opened only for the capture: not for whoever read the log before.
            if (type == QtDebugMsg && !debugShownBefore)
                return;
        }
        if (previousHandler)
            previousHandler(type, context, message);
    }
};

ControlLogCapture::ControlLogCapture()
{
    ControlLogHooks::active = this;
    ControlLogHooks::previousHandler = qInstallMessageHandler(&ControlLogHooks::handle);
    ControlLogHooks::previousFilter = QLoggingCategory::installFilter(&ControlLogHooks::filter);
}

ControlLogCapture::~ControlLogCapture()
{
    QLoggingCategory::installFilter(ControlLogHooks::previousFilter);
    qInstallMessageHandler(ControlLogHooks::previousHandler);
    ControlLogHooks::active = nullptr;
}

} // namespace VendorContactHost
