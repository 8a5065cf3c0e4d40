# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Installation extras and the Debian packages.
#
# `make package` (cpack -G DEB in the build folder) writes one package per
# install component into build/packages/:
#   libzebvendorcontact2              Runtime        the library, its catalogs, zvc-regsvr
#   libzebvendorcontact-dev           Development    headers, CMake package, pkg-config files, client helper, examples
#   libzebvendorcontact-doc           Documentation  the reference as HTML and as a Qt help file
#   zebvendorcontact-designer-plugin  Designer       the Qt Designer plug-in
#   zebvendorcontact-demo             Demo           vendorcontact-host, the vendor address book
# Their dependencies on system libraries come from dpkg-shlibdeps; the
# dependencies between them from the component relations below. Each package
# carries what Debian's policy asks of it (copyright, changelog.Debian, manual
# pages; for the library shlibs, symbols and the ldconfig trigger), so lintian
# passes them without an error or a warning (the lintian test).

set(ZVC_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZVC_PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ZVC_RUNTIME_PACKAGE libzebvendorcontact${PROJECT_VERSION_MAJOR})
set(ZVC_DESKTOP_ID com.example.zebvendorcontact.addressbook)

# pkg-config: ZebVendorContact.pc (the library) and ZebVendorContactClient.pc
# (the static client helper) beside the CMake package's folder.
set(ZVC_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH ZVC_PC_PREFIX_FROM_PCDIR /prefix/${ZVC_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" ZVC_PC_PREFIX_FROM_PCDIR "${ZVC_PC_PREFIX_FROM_PCDIR}")
foreach(_zvc_pc ZebVendorContact ZebVendorContactClient)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${_zvc_pc}.pc.in ${PROJECT_BINARY_DIR}/${_zvc_pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${_zvc_pc}.pc
        DESTINATION ${ZVC_INSTALL_PKGCONFIGDIR} COMPONENT Development)
endforeach()

if(TARGET vendorcontact-host)
    install(TARGETS vendorcontact-host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Demo)
    # The address book in the desktop's menu and software centre.
    install(FILES ${ZVC_PACKAGING_DIR}/${ZVC_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Demo)
    install(FILES ${ZVC_PACKAGING_DIR}/${ZVC_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Demo)
    install(FILES ${ZVC_PACKAGING_DIR}/${ZVC_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Demo)
endif()

# The examples, for host developers, beside the -dev package's documents.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libzebvendorcontact-dev/examples COMPONENT Development)

# The reference (make docs): the HTML pages in the -doc package's documents,
# the Qt help file where Qt Creator and Qt Assistant look for Qt's own. Both
# are built by the docs target, which make package runs first; a plain
# `cmake --install` without them installs the rest.
if(DEFINED QT6_INSTALL_DOCS)
    set(ZVC_INSTALL_QCHDIR ${QT6_INSTALL_DOCS})
else()
    set(ZVC_INSTALL_QCHDIR ${CMAKE_INSTALL_DATADIR}/qt6/doc)
endif()
install(DIRECTORY ${ZVC_DOCS_OUTPUT_DIR}/html/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libzebvendorcontact-doc/html COMPONENT Documentation OPTIONAL)
install(FILES ${ZVC_DOCS_OUTPUT_DIR}/ZebVendorContact.qch
    DESTINATION ${ZVC_INSTALL_QCHDIR} COMPONENT Documentation OPTIONAL)
# The HTML reference in the system's documentation index (doc-base).
install(FILES ${ZVC_PACKAGING_DIR}/libzebvendorcontact-doc.doc-base
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME libzebvendorcontact-doc COMPONENT Documentation)

# Manual pages, written in Markdown (docs/manual/, which is also the address
# book's user manual) and made by pandoc at build time. Debian ships them,
# like the changelog, compressed with gzip -9n (no name, no time stamp).
find_program(ZVC_PANDOC pandoc DOC "pandoc, which makes the manual pages from docs/manual/*.md")
find_program(ZVC_GZIP gzip)
set(_zvc_package_files "")
function(zvc_add_gzip_output source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${ZVC_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(_zvc_manpages zvc-regsvr)
set(_zvc_manpage_components Runtime)
if(TARGET vendorcontact-host)
    list(APPEND _zvc_manpages vendorcontact-host)
    list(APPEND _zvc_manpage_components Demo)
endif()
if(ZVC_PANDOC)
    foreach(_zvc_page _zvc_component IN ZIP_LISTS _zvc_manpages _zvc_manpage_components)
        set(_zvc_source ${PROJECT_SOURCE_DIR}/docs/manual/${_zvc_page}.md)
        set(_zvc_page_file ${PROJECT_BINARY_DIR}/man/${_zvc_page}.1)
        add_custom_command(OUTPUT ${_zvc_page_file}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${ZVC_PANDOC} --standalone --from markdown --to man
                --metadata "footer=ZebVendorContact ${ZVC_VERSION}" --output ${_zvc_page_file} ${_zvc_source}
            DEPENDS ${_zvc_source}
            VERBATIM)
        zvc_add_gzip_output(${_zvc_page_file} ${_zvc_page_file}.gz)
        list(APPEND _zvc_package_files ${_zvc_page_file}.gz)
        install(FILES ${_zvc_page_file}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${_zvc_component})
    endforeach()
else()
    message(WARNING "pandoc not found: no manual pages (scripts/install-deps.sh installs it)")
endif()

# Every package's copyright (machine-readable, the licence from LICENSES/) and
# changelog.Debian in /usr/share/doc/<package>.
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt _zvc_license)
string(STRIP "${_zvc_license}" _zvc_license)
string(REGEX REPLACE "\n\n" "\n.\n" _zvc_license "${_zvc_license}")
string(REPLACE "\n" "\n " _zvc_license "${_zvc_license}")
file(WRITE ${ZVC_PACKAGING_BUILD_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ZebVendorContact
Upstream-Contact: ZebVendorContact developers <zebvendorcontact@example.com>
Source: https://example.invalid/zebvendorcontact
Comment: The project names its licence MIT; Debian calls this licence Expat.

Files: *
Copyright: 2026 The ZebVendorContact developers
License: Expat

License: Expat
 ${_zvc_license}
")
zvc_add_gzip_output(${ZVC_PACKAGING_DIR}/changelog.Debian ${ZVC_PACKAGING_BUILD_DIR}/changelog.Debian.gz)
list(APPEND _zvc_package_files ${ZVC_PACKAGING_BUILD_DIR}/changelog.Debian.gz)
add_custom_target(zvc_package_files ALL DEPENDS ${_zvc_package_files})

set(_zvc_doc_components Runtime Development Documentation)
set(_zvc_doc_packages ${ZVC_RUNTIME_PACKAGE} libzebvendorcontact-dev libzebvendorcontact-doc)
if(ZVC_BUILD_DESIGNER_PLUGIN)
    list(APPEND _zvc_doc_components Designer)
    list(APPEND _zvc_doc_packages zebvendorcontact-designer-plugin)
endif()
if(TARGET vendorcontact-host)
    list(APPEND _zvc_doc_components Demo)
    list(APPEND _zvc_doc_packages zebvendorcontact-demo)
endif()
foreach(_zvc_component _zvc_package IN ZIP_LISTS _zvc_doc_components _zvc_doc_packages)
    install(FILES ${ZVC_PACKAGING_BUILD_DIR}/copyright ${ZVC_PACKAGING_BUILD_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${_zvc_package} COMPONENT ${_zvc_component})
endforeach()

# CPack installs through the preinstall target, which would otherwise build
# everything, the test suites included; make package builds just what goes
# into the packages, make test has built it all before its package test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zebvendorcontact)
set(CPACK_PACKAGE_VENDOR "ZebVendorContact developers")
set(CPACK_PACKAGE_CONTACT "ZebVendorContact developers <zebvendorcontact@example.com>")
# Each component's description below starts with its own synopsis. CPack puts
# the package summary in front of every one of them unless the summary is
# CPack's own default, which is therefore given here.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
# The package version follows the library file's: libZebVendorContact.so.2.0.2.
set(CPACK_PACKAGE_VERSION ${ZVC_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Distribution packages carry stripped binaries, as Debian's own do.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development Documentation)
if(ZVC_BUILD_DESIGNER_PLUGIN)
    list(APPEND CPACK_COMPONENTS_ALL Designer)
endif()
if(TARGET vendorcontact-host)
    list(APPEND CPACK_COMPONENTS_ALL Demo)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: 1 was the first packages, 2 the ones made to Debian's
# policy (packaging/changelog.Debian).
set(CPACK_DEBIAN_PACKAGE_RELEASE 2)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.invalid/zebvendorcontact)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Other packages' binaries find libZebVendorContact.so.2 in the runtime
# package being built, not on the system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/host)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# Maintainer scripts and control files as dpkg-deb expects them (0755, 0644).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack writes maintainer scripts that call ldconfig by hand; the library
# package has the ldconfig trigger instead, and the script drops them.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ZvcDebFinish.cmake)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${ZVC_RUNTIME_PACKAGE})
# shlibs: a host built against this version needs at least this version; the
# symbols file (abi/, checked by the abi_symbols test) tells dpkg-shlibdeps
# the version each symbol arrived in, which is often older.
file(WRITE ${ZVC_PACKAGING_BUILD_DIR}/shlibs
    "libZebVendorContact ${PROJECT_VERSION_MAJOR} ${ZVC_RUNTIME_PACKAGE} (>= ${ZVC_VERSION})\n")
configure_file(${ZVC_SYMBOLS_FILE} ${ZVC_PACKAGING_BUILD_DIR}/symbols COPYONLY)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA
    ${ZVC_PACKAGING_BUILD_DIR}/shlibs ${ZVC_PACKAGING_BUILD_DIR}/symbols ${ZVC_PACKAGING_DIR}/triggers)
# The control's questions use Qt's Yes and No, translated by Qt's catalogs.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS qt6-translations-l10n)
string(CONCAT CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "vendor contact address editor control for Qt Widgets hosts\n"
    "ZebVendorContact is a Qt 6 Widgets library with one control, VendorContact,\n"
    "a fixed panel that shows and edits the contact addresses of one vendor.\n"
    ".\n"
    "This package holds the shared library, its German, French and Spanish\n"
    "catalogs and the zvc-regsvr registration tool.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libzebvendorcontact-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
string(CONCAT CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "vendor contact address editor control - development files\n"
    "ZebVendorContact is a Qt 6 Widgets library with one control, VendorContact,\n"
    "a fixed panel that shows and edits the contact addresses of one vendor.\n"
    ".\n"
    "This package holds the headers, the CMake package, the pkg-config files\n"
    "ZebVendorContact.pc and ZebVendorContactClient.pc, the static client helper\n"
    "that creates the control from its registration, and two example hosts.")

set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_NAME libzebvendorcontact-doc)
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_SHLIBDEPS OFF)
string(CONCAT CPACK_COMPONENT_DOCUMENTATION_DESCRIPTION
    "vendor contact address editor control - reference for host developers\n"
    "ZebVendorContact is a Qt 6 Widgets library with one control, VendorContact,\n"
    "a fixed panel that shows and edits the contact addresses of one vendor.\n"
    ".\n"
    "This package holds the guide and the API reference as HTML and as a Qt help\n"
    "file, which Qt Creator and Qt Assistant show.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME zebvendorcontact-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_DESIGNER_DEPENDS Runtime)
string(CONCAT CPACK_COMPONENT_DESIGNER_DESCRIPTION
    "vendor contact address editor control - Qt Designer plug-in\n"
    "ZebVendorContact is a Qt 6 Widgets library with one control, VendorContact,\n"
    "a fixed panel that shows and edits the contact addresses of one vendor.\n"
    ".\n"
    "This package puts the VendorContact control in Qt Designer's widget box.")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME zebvendorcontact-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_DEMO_DEPENDS Runtime)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# --database postgresql://... goes through Qt's PostgreSQL driver.
set(CPACK_DEBIAN_DEMO_PACKAGE_RECOMMENDS libqt6sql6-psql)
string(CONCAT CPACK_COMPONENT_DEMO_DESCRIPTION
    "vendor address book built around the VendorContact control\n"
    "vendorcontact-host is a small address book of vendors on SQLite or\n"
    "PostgreSQL: choose a vendor, edit its addresses in the VendorContact\n"
    "control, save them. It shows changes others save, and it lists conflicting\n"
    "changes field by field before anything is overwritten.")

include(CPack)

# Builds the packages from this build tree into a scratch folder, unpacks them
# with dpkg -x into a scratch root, checks what they hold, and builds and runs
# an outside host against that root once with CMake and once with pkg-config.
# lintian then checks the same packages. The sanitizer build skips both: its
# library is not one to package.
find_program(ZVC_LINTIAN lintian)
find_program(ZVC_REUSE reuse)
find_program(ZVC_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(ZVC_APPSTREAMCLI appstreamcli)
function(zvc_add_package_test)
    zvc_add_elf_paths_test()
    if(ZVC_SANITIZE)
        return()
    endif()
    string(REPLACE ";" "," _zvc_packages "${CPACK_COMPONENTS_ALL}")
    add_test(NAME host_debian_packages
        COMMAND ${CMAKE_COMMAND}
            -DZVC_BUILD_DIR=${PROJECT_BINARY_DIR}
            -DZVC_CPACK=${CMAKE_CPACK_COMMAND}
            -DZVC_CONSUMER_DIR=${PROJECT_SOURCE_DIR}/tests/host/consumer
            -DZVC_WORK_DIR=${PROJECT_BINARY_DIR}/tests/host_debian_packages
            -DZVC_GENERATOR=${CMAKE_GENERATOR}
            -DZVC_CXX_COMPILER=${CMAKE_CXX_COMPILER}
            -DZVC_LIBDIR=${CMAKE_INSTALL_LIBDIR}
            -DZVC_COMPONENTS=${_zvc_packages}
            -DZVC_RUNTIME_PACKAGE=${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME}
            -DZVC_DOC_PACKAGE=${CPACK_DEBIAN_DOCUMENTATION_PACKAGE_NAME}
            -DZVC_DESKTOP_ID=${ZVC_DESKTOP_ID}
            -DZVC_QCHDIR=${ZVC_INSTALL_QCHDIR}
            -DZVC_CHANGELOG=${ZVC_PACKAGING_DIR}/changelog.Debian
            -DZVC_DESKTOP_FILE_VALIDATE=${ZVC_DESKTOP_FILE_VALIDATE}
            -DZVC_APPSTREAMCLI=${ZVC_APPSTREAMCLI}
            -P ${PROJECT_SOURCE_DIR}/tests/host/debian_package_test.cmake)
    # The packages hold the reference, which the docs test makes; cpack and
    # the install test relink the installed binaries in the same build tree.
    set_tests_properties(host_debian_packages PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DEPENDS docs
        FIXTURES_SETUP zvc_debian_packages
        RESOURCE_LOCK zvc_build_tree_install
        TIMEOUT 300)

    # Debian's own checker over all packages at once (it is slow to start):
    # any error or warning fails.
    if(ZVC_LINTIAN)
        add_test(NAME lintian
            COMMAND ${CMAKE_COMMAND} -E env --unset=DEBEMAIL
                sh -c "${ZVC_LINTIAN} --fail-on error,warning ${PROJECT_BINARY_DIR}/tests/host_debian_packages/packages/*.deb")
        set_tests_properties(lintian PROPERTIES FIXTURES_REQUIRED zvc_debian_packages TIMEOUT 300)
    endif()

    # The licence of every file in the repository (REUSE).
    if(ZVC_REUSE)
        add_test(NAME reuse_lint COMMAND ${ZVC_REUSE} --root ${PROJECT_SOURCE_DIR} lint)
        set_tests_properties(reuse_lint PROPERTIES TIMEOUT 120)
    endif()

    # The manual pages list every option the programs know.
    if(ZVC_PANDOC)
        set(_zvc_pages "$<TARGET_FILE:zvc-regsvr>=${PROJECT_BINARY_DIR}/man/zvc-regsvr.1=.SH FILES,.SH ENVIRONMENT,registry.json,XDG_DATA_HOME")
        if(TARGET vendorcontact-host)
            string(APPEND _zvc_pages "^$<TARGET_FILE:vendorcontact-host>=${PROJECT_BINARY_DIR}/man/vendorcontact-host.1="
                ".SH FILES,.SH ENVIRONMENT,registry.json,vendors.sqlite,XDG_DATA_HOME,PGPASSWORD")
        endif()
        add_test(NAME manpages
            COMMAND ${CMAKE_COMMAND} "-DZVC_PAGES=${_zvc_pages}"
                -P ${PROJECT_SOURCE_DIR}/tests/host/manpage_test.cmake)
        set_tests_properties(manpages PROPERTIES TIMEOUT 60)
    endif()
endfunction()

# The library search paths of every program and library the build makes (see
# check_elf_paths.cmake); the install and package tests check their trees.
# The list of targets is written once every folder has been read.
function(zvc_collect_targets dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        zvc_collect_targets(${subdir} subdir_targets)
        list(APPEND targets ${subdir_targets})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(zvc_write_elf_list)
    zvc_collect_targets(${PROJECT_SOURCE_DIR} targets)
    set(files "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$")
            string(APPEND files "$<TARGET_FILE:${target}>\n")
        endif()
    endforeach()
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/elf-files.txt CONTENT "${files}")
endfunction()

function(zvc_add_elf_paths_test)
    cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL zvc_write_elf_list)
    add_test(NAME elf_paths
        COMMAND ${CMAKE_COMMAND} -DZVC_ELF_LIST=${PROJECT_BINARY_DIR}/elf-files.txt
            -DZVC_ELF_KIND=build -DZVC_ELF_ROOT=${PROJECT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_elf_paths.cmake)
    set_tests_properties(elf_paths PROPERTIES TIMEOUT 120)
endfunction()
