# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The reference for host developers: `cmake --build build --target docs`
# (make docs) runs Doxygen over the public headers and docs/mainpage.md into
# build/docs: html/index.html and the Qt help file ZebVendorContact.qch.
# Any Doxygen warning (an undocumented public name, a broken reference) fails
# the target.
find_package(Doxygen 1.9.2)
find_program(ZVC_QHELPGENERATOR qhelpgenerator
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec
    DOC "Qt 6's qhelpgenerator, which turns Doxygen's help project into a .qch")

set(ZVC_DOCS_OUTPUT_DIR ${PROJECT_BINARY_DIR}/docs)
if(DOXYGEN_FOUND AND ZVC_QHELPGENERATOR)
    configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${ZVC_DOCS_OUTPUT_DIR}/Doxyfile @ONLY)
    file(GLOB _zvc_docs_inputs CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/include/ZebVendorContact/*.h
        ${PROJECT_SOURCE_DIR}/docs/mainpage.md
        ${PROJECT_SOURCE_DIR}/examples/*/main.cpp)
    # Old pages would hide a page that is no longer made; start afresh.
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZVC_DOCS_OUTPUT_DIR}/html ${ZVC_DOCS_OUTPUT_DIR}/ZebVendorContact.qch
        COMMAND Doxygen::doxygen ${ZVC_DOCS_OUTPUT_DIR}/Doxyfile
        COMMAND ${CMAKE_COMMAND} -E echo "Reference: ${ZVC_DOCS_OUTPUT_DIR}/html/index.html, ${ZVC_DOCS_OUTPUT_DIR}/ZebVendorContact.qch"
        WORKING_DIRECTORY ${ZVC_DOCS_OUTPUT_DIR}
        SOURCES ${_zvc_docs_inputs} ${PROJECT_SOURCE_DIR}/host/client/vendorcontactclient.h
        VERBATIM)
else()
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -E echo "make docs needs doxygen and qhelpgenerator (qt6-documentation-tools); run scripts/install-deps.sh"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()

# make test builds the reference too, so a public name without documentation
# fails the suite. The sanitizer build shares the sources and skips it.
function(zvc_add_docs_test)
    if(ZVC_SANITIZE)
        return()
    endif()
    add_test(NAME docs COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target docs)
    set_tests_properties(docs PROPERTIES TIMEOUT 300)
endfunction()
