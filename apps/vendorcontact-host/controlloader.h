// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QString>

namespace VendorContactHost {

/// The control library this host should register: `preferredFile` when
/// given, else one installed next to the executable (same folder or ../lib),
/// else the one built together with this application. Empty when none exists.
QString locateControlLibrary(const QString &preferredFile);

/// The library file the control's registration names, empty when the
/// control is not registered.
QString registeredLibrary();

/// True when both names lead to the same file (symbolic links resolved).
bool sameFile(const QString &a, const QString &b);

} // namespace VendorContactHost
