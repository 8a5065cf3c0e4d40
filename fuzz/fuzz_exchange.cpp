// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// libFuzzer harness: the exchange format on bare ContactData (no widgets).
// Input encoding: see fuzzinput.h.

#include "checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ZebVendorContact::Fuzz::checkExchangeInput(data, size);
    return 0;
}
