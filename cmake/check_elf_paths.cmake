# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The library search paths (RPATH, RUNPATH) of the programs and libraries the
# project makes. An empty entry means the current folder and a relative one a
# folder below it: a program started from a folder another user can write
# would load that user's libraries. An $ORIGIN entry must stay inside the tree
# it was built or installed into, and an installed file has no absolute entry
# at all (that would be the build tree's, or a folder nobody installed).
#
# include() it for zvc_check_elf_paths(), or run it with cmake -P:
#   -DZVC_ELF_LIST=<file>   check the files named in <file>, one a line (the
#                           build's targets; files not built are skipped)
#   -DZVC_ELF_KIND=build|install, -DZVC_ELF_ROOT=<folder> $ORIGIN's bounds

# Sets `out` to the problems of one file's search paths, one a line.
function(zvc_elf_path_problems file kind root out)
    set(problems "")
    execute_process(COMMAND readelf --dynamic --wide ${file}
        RESULT_VARIABLE result OUTPUT_VARIABLE dynamic ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        set(${out} "${file}: readelf failed: ${error}\n" PARENT_SCOPE)
        return()
    endif()
    get_filename_component(origin ${file} DIRECTORY)
    string(REGEX MATCHALL "\\((RPATH|RUNPATH)\\)[^\n]*\\[[^]\n]*\\]" sections "${dynamic}")
    foreach(section IN LISTS sections)
        string(REGEX MATCH "^\\(([A-Z]+)\\)[^[]*\\[([^]]*)\\]" _ "${section}")
        set(name ${CMAKE_MATCH_1})
        set(value "${CMAKE_MATCH_2}")
        # Empty entries: an empty value, a leading or trailing colon, two in a row.
        if(value STREQUAL "" OR value MATCHES "(^:|::|:$)")
            string(APPEND problems "${file}: ${name} [${value}] has an empty entry (the current folder)\n")
        endif()
        string(REPLACE ":" ";" entries "${value}")
        foreach(entry IN LISTS entries)
            if(entry STREQUAL "")
                continue()
            endif()
            if(entry MATCHES "^\\$(ORIGIN|{ORIGIN})(/.*)?$")
                set(resolved "${origin}${CMAKE_MATCH_2}")
                cmake_path(NORMAL_PATH resolved)
                string(REGEX REPLACE "/$" "" resolved "${resolved}")
                string(FIND "${resolved}/" "${root}/" at)
                if(NOT at EQUAL 0)
                    string(APPEND problems
                        "${file}: ${name} entry ${entry} leads to ${resolved}, outside ${root}\n")
                endif()
            elseif(NOT entry MATCHES "^/")
                string(APPEND problems "${file}: ${name} entry ${entry} is relative to the current folder\n")
            elseif(kind STREQUAL "install")
                string(APPEND problems "${file}: ${name} entry ${entry} is absolute in an installed file\n")
            endif()
        endforeach()
    endforeach()
    set(${out} "${problems}" PARENT_SCOPE)
endfunction()

# True in `out` when `file` is an ELF program or shared library (e_type 2 or
# 3); objects and static archives carry no search path.
function(zvc_is_elf_program file out)
    set(${out} FALSE PARENT_SCOPE)
    if(IS_SYMLINK ${file} OR IS_DIRECTORY ${file})
        return()
    endif()
    file(READ ${file} head LIMIT 18 HEX)
    if(head MATCHES "^7f454c46" AND head MATCHES "(0200|0300)$")
        set(${out} TRUE PARENT_SCOPE)
    endif()
endfunction()

# Checks the ELF files among `files` (a list) and fails naming every problem.
# Returns the number checked in `checked_out`.
function(zvc_check_elf_paths kind root checked_out)
    string(REGEX REPLACE "/$" "" root "${root}")
    set(problems "")
    set(checked 0)
    foreach(file IN LISTS ARGN)
        zvc_is_elf_program(${file} is_program)
        if(NOT is_program)
            continue()
        endif()
        math(EXPR checked "${checked} + 1")
        zvc_elf_path_problems(${file} ${kind} ${root} file_problems)
        string(APPEND problems "${file_problems}")
    endforeach()
    if(problems)
        message(FATAL_ERROR "Library search paths that load code from elsewhere:\n${problems}")
    endif()
    set(${checked_out} ${checked} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(NOT DEFINED ZVC_ELF_LIST)
        message(FATAL_ERROR "Give ZVC_ELF_LIST")
    endif()
    file(STRINGS ${ZVC_ELF_LIST} candidates)
    set(files "")
    foreach(file IN LISTS candidates)
        if(EXISTS ${file})
            list(APPEND files ${file})
        endif()
    endforeach()
    zvc_check_elf_paths(${ZVC_ELF_KIND} ${ZVC_ELF_ROOT} checked ${files})
    if(checked EQUAL 0)
        message(FATAL_ERROR "No ELF program or library found to check")
    endif()
    message(STATUS "${checked} ELF files: every library search path stays inside ${ZVC_ELF_ROOT}")
endif()
