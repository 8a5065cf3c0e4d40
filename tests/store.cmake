# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The contact store, the exchange format and the lookups: Qt Core + Test only.
foreach(suite tst_contactstore tst_exchange tst_lookups)
    zvc_add_test(${suite} ${suite}.cpp)
    target_link_libraries(${suite} PRIVATE zvc_store)
endforeach()
