# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CTest (cmake -P): makes the Debian packages from the build tree,
# unpacks them into a scratch root with dpkg -x (no installation, no root
# rights needed), checks their dependencies, and builds a host program
# against that root once through the CMake package and once through
# pkg-config, then runs both.

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

# Every package but the runtime one needs the runtime package of this very
# version; the runtime package's own dependencies come from dpkg-shlibdeps.
foreach(package ${packages})
    run_step("reading ${package}" dpkg-deb --field ${package} Package Version Depends)
    set(fields "${step_output}")
    string(REGEX MATCH "Package: ([^\n]+)" _ "${fields}")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Version: ([^\n]+)" _ "${fields}")
    set(version "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Depends: ([^\n]+)" _ "${fields}")
    set(depends "${CMAKE_MATCH_1}")
    if(name STREQUAL ZVC_RUNTIME_PACKAGE)
        if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libc6 \\(>=")
            fail("${name} does not depend on Qt Widgets and libc through dpkg-shlibdeps: '${depends}'")
        endif()
    elseif(NOT depends MATCHES "${ZVC_RUNTIME_PACKAGE} \\(= ${version}\\)")
        fail("${name} does not depend on ${ZVC_RUNTIME_PACKAGE} (= ${version}): '${depends}'")
    endif()
    run_step("unpacking ${package}" dpkg -x ${package} ${root})
endforeach()

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
