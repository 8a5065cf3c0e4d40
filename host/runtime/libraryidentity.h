// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// What the library knows about itself: the identity it registers under and
// the file it was loaded from.

#include <QtCore/QString>

namespace ZebVendorContact::Runtime {

/// Absolute path of the loaded library file, as the dynamic loader opened it
/// (a symbolic link stays a link, so an upgrade behind it keeps working).
QString libraryFilePath();

/// Whether `descriptor` refers to the very file this library was loaded from.
bool isLoadedFrom(int descriptor);

} // namespace ZebVendorContact::Runtime
