# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Installation extras and the Debian packages.
#
# `make package` (cpack -G DEB in the build folder) writes one package per
# install component into build/packages/:
#   libzebvendorcontact2              Runtime      the library, its catalogs, zvc-regsvr
#   libzebvendorcontact-dev           Development  headers, CMake package, pkg-config file, client helper
#   zebvendorcontact-designer-plugin  Designer     the Qt Designer plug-in
#   zebvendorcontact-demo             Demo         vendorcontact-host, the vendor address book
# Their dependencies on system libraries come from dpkg-shlibdeps; the
# dependencies between them from the component relations below.

# pkg-config: ZebVendorContact.pc beside the CMake package's folder.
set(ZVC_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH ZVC_PC_PREFIX_FROM_PCDIR /prefix/${ZVC_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" ZVC_PC_PREFIX_FROM_PCDIR "${ZVC_PC_PREFIX_FROM_PCDIR}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/ZebVendorContact.pc.in ${PROJECT_BINARY_DIR}/ZebVendorContact.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/ZebVendorContact.pc
    DESTINATION ${ZVC_INSTALL_PKGCONFIGDIR} COMPONENT Development)

if(TARGET vendorcontact-host)
    install(TARGETS vendorcontact-host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Demo)
endif()

# CPack installs through the preinstall target, which would otherwise build
# everything, the test suites included; make package builds just what goes
# into the packages, make test has built it all before its package test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zebvendorcontact)
set(CPACK_PACKAGE_VENDOR "ZebVendorContact developers")
set(CPACK_PACKAGE_CONTACT "ZebVendorContact developers <zebvendorcontact@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The package version follows the library file's: libZebVendorContact.so.2.0.2.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Distribution packages carry stripped binaries, as Debian's own do.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
if(ZVC_BUILD_DESIGNER_PLUGIN)
    list(APPEND CPACK_COMPONENTS_ALL Designer)
endif()
if(TARGET vendorcontact-host)
    list(APPEND CPACK_COMPONENTS_ALL Demo)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Other packages' binaries find libZebVendorContact.so.2 in the runtime
# package being built, not on the system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/host)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libzebvendorcontact${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Vendor contact address editor control for Qt Widgets hosts\n"
    "The shared library with the VendorContact control, its German, French and\n"
    "Spanish catalogs and the zvc-regsvr registration tool.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libzebvendorcontact-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Vendor contact address editor control: development files\n"
    "Headers, the CMake package, the pkg-config file ZebVendorContact.pc and the\n"
    "static client helper that creates the control from its registration.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME zebvendorcontact-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_DESIGNER_DEPENDS Runtime)
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION
    "Vendor contact address editor control: Qt Designer plug-in\n"
    "Puts the VendorContact control in Qt Designer's widget box.")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME zebvendorcontact-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_DEMO_DEPENDS Runtime)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_COMPONENT_DEMO_DESCRIPTION
    "Vendor contact address editor control: demo address book\n"
    "vendorcontact-host, a small vendor address book on SQLite or PostgreSQL\n"
    "built around the VendorContact control.")

include(CPack)

# Builds the packages from this build tree into a scratch folder, unpacks them
# with dpkg -x into a scratch root, and builds and runs an outside host against
# that root once with CMake and once with pkg-config. The sanitizer build
# skips it: its library is not one to package.
function(zvc_add_package_test)
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
            -P ${PROJECT_SOURCE_DIR}/tests/host/debian_package_test.cmake)
    set_tests_properties(host_debian_packages PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        TIMEOUT 300)
endfunction()
