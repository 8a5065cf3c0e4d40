# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CTest (cmake -P): compares the built library with the committed
# baseline. abidiff's exit status is a bit set: 1 error, 2 usage error, 4 the
# interface changed, 8 the change is incompatible. A change that only adds
# (bit 4 alone) passes with its report printed, so the baseline can be brought
# up to date on purpose; anything else fails.
if(NOT EXISTS ${ZVC_BASELINE})
    message(FATAL_ERROR "abi_check: no baseline ${ZVC_BASELINE}; make abi-baseline writes one")
endif()
# Only the public interface may reach the dynamic symbol table: the C entry
# points and namespace ZebVendorContact. Anything else (a template
# instantiation such as std::vector's) would become part of the interface the
# moment a host bound to it.
execute_process(COMMAND nm -D --defined-only -C ${ZVC_LIBRARY}
    RESULT_VARIABLE status OUTPUT_VARIABLE symbols ERROR_VARIABLE symbols)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "abi_check: nm failed (${status}):\n${symbols}")
endif()
string(REPLACE "\n" ";" symbols "${symbols}")
foreach(symbol IN LISTS symbols)
    if(symbol AND NOT symbol MATCHES
            "^[0-9a-f]+ [A-Za-z] ((Dll|Zvc)[A-Za-z0-9_]*$|ZebVendorContact::|(typeinfo|typeinfo name|vtable|non-virtual thunk|virtual thunk) (for|to) ZebVendorContact::)")
        message(FATAL_ERROR "abi_check: the library exports a symbol outside its interface "
            "(see cmake/libZebVendorContact.map): ${symbol}")
    endif()
endforeach()

execute_process(
    COMMAND ${ZVC_ABIDIFF} --no-show-locs --exported-interfaces-only
        ${ZVC_BASELINE} ${ZVC_LIBRARY}
    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status MATCHES "^[0-9]+$")
    message(FATAL_ERROR "abi_check: abidiff did not run: ${status}\n${report}")
endif()
math(EXPR failure "${status} & 11")
if(failure)
    math(EXPR incompatible "${status} & 8")
    if(incompatible)
        message(FATAL_ERROR "abi_check: the library breaks the interface of ${ZVC_BASELINE}; "
            "hosts built against it would fail. Keep the interface, or make a new major version "
            "(new SONAME) and a new baseline:\n${report}")
    endif()
    message(FATAL_ERROR "abi_check: abidiff failed (${status}):\n${report}")
endif()
# abidiff leaves some breaking changes at bit 4 alone (a public struct that
# grew, a changed parameter type): only additions may pass, so any removed or
# changed function or variable fails as well. Harmless changes, such as an
# enum value added at the end, are filtered out by abidiff before it counts.
string(REGEX MATCHALL "[0-9]+ (Removed|Changed)" counts "${report}")
foreach(count IN LISTS counts)
    if(NOT count MATCHES "^0 ")
        message(FATAL_ERROR "abi_check: the library's interface changed (${count}); hosts built "
            "against ${ZVC_BASELINE} may break. Keep the interface, or make a new major version "
            "(new SONAME) and a new baseline:\n${report}")
    endif()
endforeach()
if(status EQUAL 4)
    message(STATUS "abi_check: compatible changes against the baseline (run make abi-baseline to record them):\n${report}")
else()
    message(STATUS "abi_check: the library's interface is the baseline's")
endif()
