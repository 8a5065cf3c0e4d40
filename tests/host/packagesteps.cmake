# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The two steps every package test script takes: stop with a message naming
# the test, and run a command that must succeed (its output in step_output).
# Set ZVC_TEST_NAME before including this file.

function(fail message)
    message(FATAL_ERROR "${ZVC_TEST_NAME}: ${message}")
endfunction()

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        fail("${what} failed (${result}):\n${output}")
    endif()
    set(step_output "${output}" PARENT_SCOPE)
endfunction()
