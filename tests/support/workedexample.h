// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The worked example of the exchange format, the one copy every test and
// fuzz harness loads: two addresses of two types, 502 carrying the change
// flag S; the vertical bar, the tilde and the caret as separators.

#include <QtCore/QString>

namespace WorkedExample {

inline QString load()
{
    return QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||~"
                          "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S~"
                          "^3|Head office~5|Shipping~"
                          "^14|1|IL|Illinois~63|2|ON|Ontario~");
}

/// What the export returns right after the load: 502's entry, without its flag.
inline QString exported()
{
    return QStringLiteral("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~");
}

} // namespace WorkedExample
