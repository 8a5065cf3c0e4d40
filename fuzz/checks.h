// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>

namespace ZebVendorContact::Fuzz {

/*!
 * Runs one encoded input (see fuzzinput.h) through the split rule, the whole
 * number rule, the load, the export and the lookups, on bare ContactData
 * without any widget, and checks each against a plain reference reading of
 * the exchange rules. Aborts on the first difference.
 */
void checkExchangeInput(const std::uint8_t *bytes, std::size_t size);

/*!
 * Creates a VendorContact, loads the encoded input into it, exports, clicks a
 * row and switches through every contact type, exporting again. Needs a
 * QApplication. Aborts when an exception escapes or the export disagrees with
 * the control's own store.
 */
void checkPanelInput(const std::uint8_t *bytes, std::size_t size);

} // namespace ZebVendorContact::Fuzz
