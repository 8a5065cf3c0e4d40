// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

/*!
 * \file zebvendorcontact_export.h
 *
 * The export macro of libZebVendorContact.
 */

#include <QtCore/qglobal.h>

// The library is built with hidden symbol visibility; only what carries this
// macro is part of its binary interface.
#if defined(ZEBVENDORCONTACT_DOXYGEN)
/// Marks a class or function as part of the library's binary interface.
#define ZEBVENDORCONTACT_EXPORT
#elif defined(ZEBVENDORCONTACT_BUILDING)
#define ZEBVENDORCONTACT_EXPORT Q_DECL_EXPORT
#else
#define ZEBVENDORCONTACT_EXPORT Q_DECL_IMPORT
#endif
