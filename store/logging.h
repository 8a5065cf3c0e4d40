// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QLoggingCategory>

namespace ZebVendorContact {

// The library's one logging category. A failure that ends an event's
// handling silently for the user is still written here, so a host developer
// can see it with QT_LOGGING_RULES="zeb.vendorcontact.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcVendorContact)

} // namespace ZebVendorContact
