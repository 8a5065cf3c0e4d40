# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Reliability: randomized sessions, leak checks and the regressions the fuzz
# harnesses found, all against the real panel. Steps and counts shrink by
# themselves in the sanitizer build (see each test).
foreach(suite tst_randomsession tst_leaks tst_regressions)
    zvc_add_test(${suite} ${suite}.cpp)
    target_link_libraries(${suite} PRIVATE zvc_store zvc_panel Qt6::Widgets)
    set_tests_properties(${suite} PROPERTIES TIMEOUT 600)
endforeach()

# The list and export checks the randomized sessions share with the panel
# fuzz harness (whose checks the regressions compile as well).
set(_zvc_consistency
    ${CMAKE_CURRENT_SOURCE_DIR}/support/panelconsistency.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/support/panelconsistency.h)
target_sources(tst_randomsession PRIVATE ${_zvc_consistency})

# The regressions replay every fuzz seed (crash inputs included) through the
# harnesses' own checks, without libFuzzer.
target_sources(tst_regressions PRIVATE
    ${PROJECT_SOURCE_DIR}/fuzz/exchangecheck.cpp
    ${PROJECT_SOURCE_DIR}/fuzz/panelcheck.cpp
    ${PROJECT_SOURCE_DIR}/fuzz/fuzzsupport.cpp
    ${_zvc_consistency})
target_include_directories(tst_regressions PRIVATE ${PROJECT_SOURCE_DIR}/fuzz ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_compile_definitions(tst_regressions PRIVATE ZVC_FUZZ_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus")
