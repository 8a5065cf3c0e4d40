# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The binary interface guard. abi/ZebVendorContact.abi is libabigail's record
# (abidw) of what libZebVendorContact.so.2 exports: its symbols and the public
# types they use, read from the debug information. The abi_check test compares
# the built library with it (abidiff) and fails on any change that would break
# a host built against the baseline; additions pass. After a deliberate,
# compatible addition, `make abi-baseline` writes the record again.
#
# abi/libzebvendorcontact2.symbols is the Debian symbols file of the runtime
# package (dpkg-gensymbols): every exported symbol with the version it arrived
# in, which dpkg-shlibdeps turns into the minimum version a host needs. The
# abi_symbols test fails on any difference: a removed symbol breaks hosts, an
# added one must be recorded (make abi-baseline adds it with this version).
find_program(ZVC_ABIDW abidw DOC "libabigail's abidw (Debian abigail-tools)")
find_program(ZVC_ABIDIFF abidiff DOC "libabigail's abidiff (Debian abigail-tools)")

find_program(ZVC_DPKG_GENSYMBOLS dpkg-gensymbols DOC "dpkg-gensymbols (Debian dpkg-dev)")

set(ZVC_ABI_BASELINE ${PROJECT_SOURCE_DIR}/abi/ZebVendorContact.abi)
set(ZVC_SYMBOLS_FILE ${PROJECT_SOURCE_DIR}/abi/libzebvendorcontact${PROJECT_VERSION_MAJOR}.symbols)
set(ZVC_GENSYMBOLS_OPTIONS
    -plibzebvendorcontact${PROJECT_VERSION_MAJOR}
    -v${ZVC_VERSION}
    -e$<TARGET_FILE:ZebVendorContact> -I${ZVC_SYMBOLS_FILE})
# Only what the exported functions reach counts, with types private to the
# library dropped; paths, locations and the build folder are left out so the
# record does not depend on where it was built.
set(ZVC_ABIDW_OPTIONS
    --headers-dir ${PROJECT_SOURCE_DIR}/include/ZebVendorContact
    --drop-private-types --drop-undefined-syms
    --no-corpus-path --no-comp-dir-path --no-show-locs --no-elf-needed
    --exported-interfaces-only)

if(ZVC_ABIDW AND ZVC_ABIDIFF AND ZVC_DPKG_GENSYMBOLS)
    add_custom_target(abi-baseline
        COMMAND ${ZVC_ABIDW} ${ZVC_ABIDW_OPTIONS} --out-file ${ZVC_ABI_BASELINE} $<TARGET_FILE:ZebVendorContact>
        COMMAND ${ZVC_DPKG_GENSYMBOLS} ${ZVC_GENSYMBOLS_OPTIONS} -O${ZVC_SYMBOLS_FILE} -q
        COMMAND ${CMAKE_COMMAND} -E echo "Wrote ${ZVC_ABI_BASELINE} and ${ZVC_SYMBOLS_FILE}; commit them with the change that made them."
        DEPENDS ZebVendorContact
        VERBATIM)
else()
    add_custom_target(abi-baseline
        COMMAND ${CMAKE_COMMAND} -E echo "abi-baseline needs abidw (abigail-tools) and dpkg-gensymbols (dpkg-dev); run scripts/install-deps.sh"
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
    # The symbols file: -c4 fails on any symbol added or removed, and prints
    # the difference.
    if(ZVC_DPKG_GENSYMBOLS)
        add_test(NAME abi_symbols
            COMMAND ${ZVC_DPKG_GENSYMBOLS} ${ZVC_GENSYMBOLS_OPTIONS} -O/dev/null -c4
            WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
        set_tests_properties(abi_symbols PROPERTIES TIMEOUT 60)
    endif()
endfunction()
