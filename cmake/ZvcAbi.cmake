# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The binary interface guard. abi/ZebVendorContact.abi is libabigail's record
# (abidw) of what libZebVendorContact.so.2 exports: its symbols and the public
# types they use, read from the debug information. The abi_check test compares
# the built library with it (abidiff) and fails on any change that would break
# a host built against the baseline; additions pass. After a deliberate,
# compatible addition, `make abi-baseline` writes the record again.
find_program(ZVC_ABIDW abidw DOC "libabigail's abidw (Debian abigail-tools)")
find_program(ZVC_ABIDIFF abidiff DOC "libabigail's abidiff (Debian abigail-tools)")

set(ZVC_ABI_BASELINE ${PROJECT_SOURCE_DIR}/abi/ZebVendorContact.abi)
# Only what the exported functions reach counts, with types private to the
# library dropped; paths, locations and the build folder are left out so the
# record does not depend on where it was built.
set(ZVC_ABIDW_OPTIONS
    --headers-dir ${PROJECT_SOURCE_DIR}/include/ZebVendorContact
    --drop-private-types --drop-undefined-syms
    --no-corpus-path --no-comp-dir-path --no-show-locs --no-elf-needed
    --exported-interfaces-only)

if(ZVC_ABIDW AND ZVC_ABIDIFF)
    add_custom_target(abi-baseline
        COMMAND ${ZVC_ABIDW} ${ZVC_ABIDW_OPTIONS} --out-file ${ZVC_ABI_BASELINE} $<TARGET_FILE:ZebVendorContact>
        COMMAND ${CMAKE_COMMAND} -E echo "Wrote ${ZVC_ABI_BASELINE}; commit it with the change that made it."
        DEPENDS ZebVendorContact
        VERBATIM)
else()
    add_custom_target(abi-baseline
        COMMAND ${CMAKE_COMMAND} -E echo "abi-baseline needs abidw (abigail-tools); run scripts/install-deps.sh"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()

# The comparison needs the debug information of an unsanitized build (the
# sanitizers add symbols of their own).
function(zvc_add_abi_test)
    if(NOT ZVC_ABIDIFF OR ZVC_SANITIZE OR NOT CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Debug)$")
        return()
    endif()
    add_test(NAME abi_check
        COMMAND ${CMAKE_COMMAND}
            -DZVC_ABIDIFF=${ZVC_ABIDIFF}
            -DZVC_BASELINE=${ZVC_ABI_BASELINE}
            -DZVC_LIBRARY=$<TARGET_FILE:ZebVendorContact>
            -P ${PROJECT_SOURCE_DIR}/cmake/abi_check.cmake)
    set_tests_properties(abi_check PROPERTIES TIMEOUT 120)
endfunction()
