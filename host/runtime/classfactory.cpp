// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "classfactory.h"

#include "controlobject.h"
#include "liveobjects.h"

#include <ZebVendorContact/VendorContact>

#include <QtCore/QThread>
#include <QtWidgets/QWidget>

#include <memory>

namespace ZebVendorContact::Runtime {

ZvcStatus ClassFactory::createInstance(QWidget *parent, ZvcControl **control, ZvcErrorInfo *error)
{
    if (!control) {
        return failWith(error, ZVC_E_INVALIDARG, QStringLiteral("no place for the control was given"));
    }
    *control = nullptr;
    try {
        if (error) {
            *error = ZvcErrorInfo();
        }
        if (!onUserInterfaceThread() || (parent && parent->thread() != QThread::currentThread())) {
            return failWith(error, ZVC_E_WRONGTHREAD,
                QStringLiteral("the control can only be created on the application's user-interface "
                               "thread, after QApplication"));
        }
        // A failing start-up is the host's failure to create the control.
        auto widget = std::make_unique<VendorContact>(parent);
        *control = new ControlObject(widget.release());
        return ZVC_S_OK;
    } catch (...) {
        return failWithCurrentException(error);
    }
}

ZvcStatus ClassFactory::lockServer(bool lock)
{
    if (lock) {
        serverLocked();
        return ZVC_S_OK;
    }
    return serverUnlocked() ? ZVC_S_OK : ZVC_E_FAIL;
}

} // namespace ZebVendorContact::Runtime
