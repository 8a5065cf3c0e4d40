# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The demo host: its helpers and window (linked from zvc_hostapp) and the
# application binary itself, run as a new user would.
if(ZVC_BUILD_APPS)
    zvc_add_test(tst_apps ${CMAKE_CURRENT_SOURCE_DIR}/tst_apps.cpp)
    target_link_libraries(tst_apps PRIVATE zvc_hostapp)
    target_compile_definitions(tst_apps PRIVATE ZVC_HOST_APP_FILE="$<TARGET_FILE:vendorcontact-host>")
    add_dependencies(tst_apps vendorcontact-host)
endif()

# The address book on real databases: SQLite, and a PostgreSQL cluster the
# suite starts itself (initdb and pg_ctl of Debian's postgresql package).
if(TARGET zvc_hostapp)
    zvc_add_test(tst_vendorbook ${CMAKE_CURRENT_SOURCE_DIR}/tst_vendorbook.cpp)
    target_link_libraries(tst_vendorbook PRIVATE zvc_hostapp)
    # A saver whose host clock runs ahead.
    add_library(zvc_clockahead MODULE ${CMAKE_CURRENT_SOURCE_DIR}/support/clockahead.cpp)
    target_link_libraries(zvc_clockahead PRIVATE ${CMAKE_DL_LIBS})
    target_compile_definitions(tst_vendorbook PRIVATE ZVC_CLOCK_AHEAD_LIBRARY="$<TARGET_FILE:zvc_clockahead>")
    add_dependencies(tst_vendorbook zvc_clockahead)
    set_tests_properties(tst_vendorbook PROPERTIES TIMEOUT 600)
endif()

# The control as a screen reader reads it, from outside the demo host's
# process: a private X server and accessibility bus, checked through AT-SPI.
# Debian's pyatspi belongs to the system's Python, so that one is preferred.
if(TARGET vendorcontact-host)
    find_program(ZVC_SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    find_program(ZVC_SYSTEM_PYTHON NAMES python3 REQUIRED)
    add_test(NAME accessibility
        COMMAND ${ZVC_SYSTEM_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/accessibility/tst_accessibility.py
            $<TARGET_FILE:vendorcontact-host>)
    set_tests_properties(accessibility PROPERTIES TIMEOUT 180)
endif()

# The address book window end to end: search, prompts, database trouble,
# languages, and the session under it (SQLite files of its own).
if(TARGET zvc_hostapp)
    zvc_add_test(tst_addressbook ${CMAKE_CURRENT_SOURCE_DIR}/tst_addressbook.cpp)
    target_link_libraries(tst_addressbook PRIVATE zvc_hostapp)
    # A 1280 x 800 screen, where the Developer dock must fit beside the book.
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/screen-1280x800.json
        "{ \"screens\": [ { \"name\": \"s\", \"x\": 0, \"y\": 0, \"width\": 1280, \"height\": 800, "
        "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
    set_tests_properties(tst_addressbook PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_BINARY_DIR}/screen-1280x800.json")
endif()

# One book, many users: sessions saving over each other on SQLite and on a
# PostgreSQL cluster the suite starts itself (a short run of the benchmark's
# load), someone else's saves in the window, the conflict dialog's choices.
if(TARGET zvc_hostapp)
    zvc_add_test(tst_sharedbook ${CMAKE_CURRENT_SOURCE_DIR}/tst_sharedbook.cpp
        ${PROJECT_SOURCE_DIR}/bench/sessionload.cpp ${PROJECT_SOURCE_DIR}/bench/sessionload.h)
    target_link_libraries(tst_sharedbook PRIVATE zvc_hostapp)
    set_tests_properties(tst_sharedbook PROPERTIES TIMEOUT 300)
endif()
