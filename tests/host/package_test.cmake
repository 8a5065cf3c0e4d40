# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CTest (cmake -P): installs the build into a scratch prefix, checks
# the installed layout, then configures, builds and runs a small host project
# that finds the library with find_package, and the two examples the same way.

set(ZVC_TEST_NAME host_package)
include(${CMAKE_CURRENT_LIST_DIR}/packagesteps.cmake)

set(prefix ${ZVC_WORK_DIR}/prefix)
file(REMOVE_RECURSE ${ZVC_WORK_DIR})

# Installed programs and libraries are linked again for their install
# location (the preinstall target), then installed.
run_step("relinking for the install" ${CMAKE_COMMAND} --build ${ZVC_BUILD_DIR} --target preinstall)
run_step("cmake --install" ${CMAKE_COMMAND} --install ${ZVC_BUILD_DIR} --prefix ${prefix})

# No installed program or library looks for libraries in the current folder,
# below it, outside the prefix, or in the build tree.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/check_elf_paths.cmake)
file(GLOB_RECURSE installed LIST_DIRECTORIES false ${prefix}/*)
zvc_check_elf_paths(install ${prefix} checked ${installed})
if(checked LESS 3)
    fail("only ${checked} ELF files installed in ${prefix}")
endif()

# The library with its SONAME links, the headers, the package and the tool.
set(libdir ${prefix}/${ZVC_LIBDIR})
foreach(file
        ${libdir}/libZebVendorContact.so.2.0.2
        include/ZebVendorContact/VendorContact
        include/ZebVendorContact/vendorcontact.h
        include/ZebVendorContact/Error
        include/ZebVendorContact/error.h
        include/ZebVendorContact/version.h
        include/ZebVendorContact/componentruntime.h
        include/ZebVendorContact/ContactExchange
        include/ZebVendorContact/contactexchange.h
        include/ZebVendorContact/zebvendorcontact_export.h
        include/ZebVendorContact/vendorcontactclient.h
        ${ZVC_LIBDIR}/libZebVendorContactClient.a
        ${ZVC_LIBDIR}/cmake/ZebVendorContact/ZebVendorContactConfig.cmake
        ${ZVC_LIBDIR}/cmake/ZebVendorContact/ZebVendorContactConfigVersion.cmake
        bin/zvc-regsvr)
    if(NOT IS_ABSOLUTE ${file})
        set(file ${prefix}/${file})
    endif()
    if(NOT EXISTS ${file})
        fail("not installed: ${file}")
    endif()
endforeach()
foreach(link libZebVendorContact.so libZebVendorContact.so.2)
    if(NOT IS_SYMLINK ${libdir}/${link})
        fail("${link} is not a symbolic link")
    endif()
endforeach()
file(READ_SYMLINK ${libdir}/libZebVendorContact.so.2 target)
if(NOT target STREQUAL "libZebVendorContact.so.2.0.2")
    fail("libZebVendorContact.so.2 points to ${target}")
endif()

# The Designer plug-in in Qt's layout, finding the library next to the prefix.
if(ZVC_DESIGNER_PLUGIN)
    if(IS_ABSOLUTE ${ZVC_DESIGNERDIR})
        fail("the test expects a designer directory relative to the prefix")
    endif()
    file(GLOB plugin ${prefix}/${ZVC_DESIGNERDIR}/*zebvendorcontactdesigner*.so)
    if(NOT plugin)
        fail("no Designer plug-in in ${prefix}/${ZVC_DESIGNERDIR}")
    endif()
    run_step("ldd on the Designer plug-in" ldd ${plugin})
    string(REGEX MATCH "libZebVendorContact\\.so\\.2 => ([^ \t\n]+)" found "${step_output}")
    set(found_path "${CMAKE_MATCH_1}")
    if(found_path)
        file(REAL_PATH "${found_path}" found_path)
    endif()
    file(REAL_PATH ${libdir}/libZebVendorContact.so.2 installed_path)
    if(NOT found_path STREQUAL installed_path)
        fail("the installed Designer plug-in does not find the installed library:\n${step_output}")
    endif()
endif()

# The version file: any 2.x request up to the release itself, 2.0.2, is
# satisfied; 1.x, 3.x and later releases are not.
set(PACKAGE_FIND_NAME ZebVendorContact)
foreach(request 2.0:TRUE 2:TRUE 2.0.2:TRUE 1.0:FALSE 3.0:FALSE 2.1:FALSE 2.0.3:FALSE)
    string(REPLACE ":" ";" request ${request})
    list(GET request 0 PACKAGE_FIND_VERSION)
    list(GET request 1 expected)
    string(REPLACE "." ";" parts "${PACKAGE_FIND_VERSION}.0")
    list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
    list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
    set(PACKAGE_VERSION_COMPATIBLE)
    include(${libdir}/cmake/ZebVendorContact/ZebVendorContactConfigVersion.cmake)
    if(PACKAGE_VERSION_COMPATIBLE)
        set(actual TRUE)
    else()
        set(actual FALSE)
    endif()
    if(NOT actual STREQUAL expected)
        fail("version ${PACKAGE_FIND_VERSION} requested: compatible is '${PACKAGE_VERSION_COMPATIBLE}', expected ${expected}")
    endif()
endforeach()

# A host project built against the installed package only.
# The sanitizer build's library needs the sanitizers' runtime in the program
# that loads it (clang links it into programs only).
set(example_link_flags "")
if(ZVC_SANITIZE)
    set(example_link_flags "-fsanitize=${ZVC_SANITIZE}")
endif()
run_step("configuring the consumer"
    ${CMAKE_COMMAND} -S ${ZVC_CONSUMER_DIR} -B ${ZVC_WORK_DIR}/consumer -G ${ZVC_GENERATOR}
    -DCMAKE_CXX_COMPILER=${ZVC_CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix}
    "-DCMAKE_EXE_LINKER_FLAGS=${example_link_flags}")
run_step("building the consumer" ${CMAKE_COMMAND} --build ${ZVC_WORK_DIR}/consumer)
run_step("running the consumer" ${ZVC_WORK_DIR}/consumer/zvc_consumer)
message(STATUS "${step_output}")

# The examples, built on their own against the installed package as a host
# developer would build them; runtime-host registers the installed library in
# a scratch data folder. The client helper is a static library: in the
# sanitizer build it carries the sanitizers' calls, so a program linking it
# links their runtimes too (example_link_flags, above).
run_step("configuring the examples"
    ${CMAKE_COMMAND} -S ${ZVC_EXAMPLES_DIR} -B ${ZVC_WORK_DIR}/examples -G ${ZVC_GENERATOR}
    -DCMAKE_CXX_COMPILER=${ZVC_CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix}
    "-DCMAKE_EXE_LINKER_FLAGS=${example_link_flags}")
run_step("building the examples" ${CMAKE_COMMAND} --build ${ZVC_WORK_DIR}/examples)
run_step("running minimal-host"
    ${ZVC_WORK_DIR}/examples/minimal-host/minimal-host ${ZVC_EXAMPLES_DIR}/minimal-host/sample.txt 77)
if(NOT step_output MATCHES "502\\|77\\|5\\|Warehouse[^\n]*~\n")
    fail("minimal-host printed:\n${step_output}")
endif()
run_step("running runtime-host"
    ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${ZVC_WORK_DIR}/data
    ${ZVC_WORK_DIR}/examples/runtime-host/runtime-host --register ${libdir}/libZebVendorContact.so.2)
if(NOT step_output MATCHES "GetContactAddress: ok 502\\|77" OR NOT step_output MATCHES "status -7")
    fail("runtime-host printed:\n${step_output}")
endif()
