// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "logging.h"

namespace ZebVendorContact {

Q_LOGGING_CATEGORY(lcVendorContact, "zeb.vendorcontact", QtInfoMsg)

} // namespace ZebVendorContact
