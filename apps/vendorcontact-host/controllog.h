// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QStringList>

namespace VendorContactHost {

/*!
 * Collects what the control logs (its `zeb.vendorcontact` category) while
 * it lives, debug messages included, so the Developer dock can show why a
 * call ended early. Messages still reach the handler installed before, as
 * far as that handler's filter let them through; both are restored when the
 * capture ends. One capture at a time, on the application's thread.
 */
class ControlLogCapture
{
public:
    ControlLogCapture();
    ~ControlLogCapture();
    ControlLogCapture(const ControlLogCapture &) = delete;
    ControlLogCapture &operator=(const ControlLogCapture &) = delete;

    QStringList messages() const { return m_messages; }

private:
    friend struct ControlLogHooks;
    QStringList m_messages;
};

} // namespace VendorContactHost
