// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The control's state is not guarded against concurrent access: it belongs to
// the thread that created the widget, and a call from any other thread must
// leave it alone. The public methods check first and refuse.

#include <ZebVendorContact/error.h>

#include <QtCore/QObject>
#include <QtCore/QThread>

namespace ZebVendorContact {

inline bool onForeignThread(const QObject *control)
{
    return QThread::currentThread() != control->thread();
}

inline Error wrongThreadError(QLatin1StringView member)
{
    return Error(Error::Code::WrongThread,
        QStringLiteral("%1 was called from a thread other than the control's; nothing was done").arg(member));
}

} // namespace ZebVendorContact
