# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CTest (cmake -P): every option a program's --help lists has its own
# entry in the program's manual page, and the page names the files and the
# environment the program reads. ZVC_PAGES is a ^-separated list of
# <program>=<manual page>=<words the page must hold, comma-separated>.

set(ZVC_TEST_NAME manpages)
include(${CMAKE_CURRENT_LIST_DIR}/packagesteps.cmake)

string(REPLACE "^" ";" pages "${ZVC_PAGES}")
foreach(entry IN LISTS pages)
    string(REPLACE "=" ";" entry "${entry}")
    list(GET entry 0 program)
    list(GET entry 1 page)
    list(GET entry 2 words)
    run_step("${program} --help" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${program} --help)
    string(REGEX MATCHALL "\n  (-[-a-zA-Z?]+)(, (--[-a-z]+))?" lines "${step_output}")
    set(options "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^\n  (-[-a-zA-Z?]+)(, (--[-a-z]+))?" _ "${line}")
        list(APPEND options ${CMAKE_MATCH_1} ${CMAKE_MATCH_3})
    endforeach()
    list(LENGTH options count)
    if(count LESS 4)
        fail("found only '${options}' in the help of ${program}:\n${step_output}")
    endif()
    file(READ ${page} text)
    # pandoc writes each option in bold as the tag of a tagged paragraph (the
    # line after .TP); the same word in bold elsewhere is no entry.
    string(REGEX MATCHALL "\n\\.TP\n[^\n]*" tags "${text}")
    string(JOIN "" tags ${tags})
    foreach(option IN LISTS options)
        string(FIND "${tags}" "\\f[B]${option}\\f[R]" at)
        if(at EQUAL -1)
            fail("${page} has no entry for ${option}, which ${program} --help lists")
        endif()
    endforeach()
    string(REPLACE "," ";" words "${words}")
    foreach(word IN LISTS words)
        string(FIND "${text}" "${word}" at)
        if(at EQUAL -1)
            fail("${page} does not mention ${word}")
        endif()
    endforeach()
    message(STATUS "${page}: ${count} options, ${words}")
endforeach()
