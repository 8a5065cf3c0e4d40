# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CTest (cmake -P): makes the Debian packages from the build tree,
# unpacks them into a scratch root with dpkg -x (no installation, no root
# rights needed), checks their dependencies and what they hold, and builds a
# host program against that root once through the CMake package and once
# through pkg-config, then runs both. The lintian test checks the packages
# this leaves in <work>/packages.

set(ZVC_TEST_NAME host_debian_packages)
include(${CMAKE_CURRENT_LIST_DIR}/packagesteps.cmake)

file(REMOVE_RECURSE ${ZVC_WORK_DIR})
set(root ${ZVC_WORK_DIR}/root)
set(libdir ${root}/usr/${ZVC_LIBDIR})
file(MAKE_DIRECTORY ${root})

run_step("cpack" ${ZVC_CPACK} -G DEB --config ${ZVC_BUILD_DIR}/CPackConfig.cmake -B ${ZVC_WORK_DIR}/packages)
file(GLOB packages ${ZVC_WORK_DIR}/packages/*.deb)
string(REPLACE "," ";" components "${ZVC_COMPONENTS}")
list(LENGTH packages package_count)
list(LENGTH components component_count)
if(NOT package_count EQUAL component_count)
    fail("${package_count} packages for the ${component_count} components ${components}: ${packages}")
endif()

# The newest entry of the packages' changelog is this version.
file(STRINGS ${ZVC_CHANGELOG} changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "\\(([^)]+)\\)" _ "${changelog_top}")
set(changelog_version "${CMAKE_MATCH_1}")

# Every package but the runtime one and the architecture-independent reference
# needs the runtime package of this very version; the runtime package's own
# dependencies come from dpkg-shlibdeps. Each carries its copyright and
# changelog.
foreach(package ${packages})
    run_step("reading ${package}" dpkg-deb --field ${package} Package Version Depends Recommends)
    set(fields "${step_output}")
    string(REGEX MATCH "Package: ([^\n]+)" _ "${fields}")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Version: ([^\n]+)" _ "${fields}")
    set(version "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Depends: ([^\n]+)" _ "${fields}")
    set(depends "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Recommends: ([^\n]+)" _ "${fields}")
    set(recommends "${CMAKE_MATCH_1}")
    if(NOT version STREQUAL changelog_version)
        fail("${name} is version ${version}, its changelog's newest entry ${changelog_version}")
    endif()
    if(name STREQUAL ZVC_RUNTIME_PACKAGE)
        if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libc6 \\(>=")
            fail("${name} does not depend on Qt Widgets and libc through dpkg-shlibdeps: '${depends}'")
        endif()
        if(NOT recommends MATCHES "qt6-translations-l10n")
            fail("${name} does not recommend Qt's catalogs: '${recommends}'")
        endif()
        # The control archive: shlibs, symbols and the ldconfig trigger, and
        # no maintainer script calling ldconfig.
        run_step("the control archive of ${name}" dpkg-deb --info ${package})
        foreach(member shlibs symbols triggers)
            if(NOT step_output MATCHES " ${member} ")
                fail("${name} has no ${member} control file:\n${step_output}")
            endif()
        endforeach()
        if(step_output MATCHES " (postinst|postrm) ")
            fail("${name} has maintainer scripts:\n${step_output}")
        endif()
    elseif(name STREQUAL ZVC_DOC_PACKAGE)
        if(depends)
            fail("${name} depends on '${depends}'")
        endif()
    elseif(NOT depends MATCHES "${ZVC_RUNTIME_PACKAGE} \\(= ${version}\\)")
        fail("${name} does not depend on ${ZVC_RUNTIME_PACKAGE} (= ${version}): '${depends}'")
    endif()
    if(name STREQUAL "zebvendorcontact-demo" AND NOT recommends MATCHES "libqt6sql6-psql")
        fail("${name} does not recommend Qt's PostgreSQL driver: '${recommends}'")
    endif()
    run_step("unpacking ${package}" dpkg -x ${package} ${root})
    foreach(file copyright changelog.Debian.gz)
        if(NOT EXISTS ${root}/usr/share/doc/${name}/${file})
            fail("${name} has no /usr/share/doc/${name}/${file}")
        endif()
    endforeach()
endforeach()

# What the packages hold besides the libraries and headers: the manual pages,
# the address book's desktop entry, icon and AppStream data, the reference and
# the examples.
foreach(file
        usr/share/man/man1/zvc-regsvr.1.gz
        usr/share/man/man1/vendorcontact-host.1.gz
        usr/share/applications/${ZVC_DESKTOP_ID}.desktop
        usr/share/icons/hicolor/scalable/apps/${ZVC_DESKTOP_ID}.svg
        usr/share/metainfo/${ZVC_DESKTOP_ID}.metainfo.xml
        usr/${ZVC_QCHDIR}/ZebVendorContact.qch
        usr/share/doc/${ZVC_DOC_PACKAGE}/html/index.html
        usr/share/doc/libzebvendorcontact-dev/examples/minimal-host/main.cpp
        usr/share/doc/libzebvendorcontact-dev/examples/runtime-host/main.cpp
        usr/${ZVC_LIBDIR}/pkgconfig/ZebVendorContact.pc
        usr/${ZVC_LIBDIR}/pkgconfig/ZebVendorContactClient.pc)
    if(NOT EXISTS ${root}/${file})
        fail("no package holds /${file}")
    endif()
endforeach()
if(ZVC_DESKTOP_FILE_VALIDATE)
    run_step("desktop-file-validate" ${ZVC_DESKTOP_FILE_VALIDATE}
        ${root}/usr/share/applications/${ZVC_DESKTOP_ID}.desktop)
    if(step_output)
        fail("desktop-file-validate:\n${step_output}")
    endif()
else()
    fail("desktop-file-validate (desktop-file-utils) is missing; run scripts/install-deps.sh")
endif()
if(ZVC_APPSTREAMCLI)
    run_step("appstreamcli validate" ${ZVC_APPSTREAMCLI} validate --no-net --pedantic
        ${root}/usr/share/metainfo/${ZVC_DESKTOP_ID}.metainfo.xml)
else()
    fail("appstreamcli (appstream) is missing; run scripts/install-deps.sh")
endif()

# No packaged program or library looks for libraries in the current folder,
# below it, or outside the packages.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/check_elf_paths.cmake)
file(GLOB_RECURSE unpacked LIST_DIRECTORIES false ${root}/*)
zvc_check_elf_paths(install ${root} checked ${unpacked})
if(checked LESS 4)
    fail("only ${checked} ELF files in the packages")
endif()

# A host project through the CMake package.
run_step("configuring the consumer with CMake"
    ${CMAKE_COMMAND} -S ${ZVC_CONSUMER_DIR} -B ${ZVC_WORK_DIR}/consumer -G ${ZVC_GENERATOR}
    -DCMAKE_CXX_COMPILER=${ZVC_CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${root}/usr)
run_step("building the consumer with CMake" ${CMAKE_COMMAND} --build ${ZVC_WORK_DIR}/consumer)
run_step("running the consumer built with CMake" ${ZVC_WORK_DIR}/consumer/zvc_consumer)

# The same host through pkg-config; the file's paths are relative to itself,
# so they point into the scratch root.
run_step("pkg-config"
    ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
    pkg-config --cflags --libs ZebVendorContact)
string(STRIP "${step_output}" flags)
if(flags MATCHES "-fPIC")
    fail("ZebVendorContact.pc forces -fPIC: ${flags}")
endif()
run_step("pkg-config for the client helper"
    ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
    pkg-config --cflags --libs ZebVendorContactClient)
if(NOT step_output MATCHES "-L${libdir}/pkgconfig/[^ ]* -lZebVendorContactClient")
    fail("ZebVendorContactClient.pc does not point into the unpacked root: ${step_output}")
endif()
string(FIND "${flags}" "-I${libdir}/pkgconfig/" include_in_root)
string(FIND "${flags}" "-L${libdir}/pkgconfig/" library_in_root)
if(include_in_root EQUAL -1 OR library_in_root EQUAL -1)
    fail("pkg-config does not point into the unpacked root: ${flags}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run_step("building the consumer with pkg-config"
    ${ZVC_CXX_COMPILER} -std=c++17 -O1 ${ZVC_CONSUMER_DIR}/main.cpp ${flags} -Wl,-rpath,${libdir}
    -o ${ZVC_WORK_DIR}/zvc_consumer_pkgconfig)
run_step("running the consumer built with pkg-config" ${ZVC_WORK_DIR}/zvc_consumer_pkgconfig)
message(STATUS "${step_output}")

# The packaged demo host, on a machine where nothing is registered yet:
# it must find and register the library the package put beside it.
run_step("running the packaged demo host"
    ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${ZVC_WORK_DIR}/home
    LD_LIBRARY_PATH=${libdir} ${root}/usr/bin/vendorcontact-host --database sqlite:${ZVC_WORK_DIR}/demo.sqlite
    --create --screenshot ${ZVC_WORK_DIR}/demo.png --print-log)
string(REGEX MATCH "registerLibrary\\(\"[^\"]*\"\\) -> [^\n]*" registered "${step_output}")
if(NOT registered MATCHES "^registerLibrary\\(\"${root}/usr/[^\"]*libZebVendorContact[^\"]*\"\\) -> (ok|registered)")
    fail("the packaged demo host did not register its own library: '${registered}'\n${step_output}")
endif()
