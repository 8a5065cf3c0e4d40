# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Host integration: the component runtime through the library's C entry
# points, the client helper and register tool, the Designer plug-in, and the
# installed CMake package.
set(_zvc_host_includes ${PROJECT_SOURCE_DIR}/include ${ZVC_GENERATED_INCLUDE_DIR})

# The runtime suite loads the library with QLibrary, as a host would, so it
# does not link it: it also proves that the entry points are exported.
zvc_add_test(tst_host_runtime tst_host_runtime.cpp)
target_link_libraries(tst_host_runtime PRIVATE Qt6::Widgets)
target_include_directories(tst_host_runtime PRIVATE ${_zvc_host_includes})
target_compile_definitions(tst_host_runtime PRIVATE ZVC_LIBRARY_FILE="$<TARGET_FILE:ZebVendorContact>")
add_dependencies(tst_host_runtime ZebVendorContact)

zvc_add_test(tst_host_client tst_host_client.cpp)
target_link_libraries(tst_host_client PRIVATE ZebVendorContactClient Qt6::Widgets)
# The record's own reader and writer, to change the record as a swap happens.
target_include_directories(tst_host_client PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../host/runtime)
target_compile_definitions(tst_host_client PRIVATE
    ZVC_LIBRARY_FILE="$<TARGET_FILE:ZebVendorContact>"
    ZVC_REGSVR="$<TARGET_FILE:zvc-regsvr>")
add_dependencies(tst_host_client ZebVendorContact zvc-regsvr)

if(ZVC_BUILD_DESIGNER_PLUGIN)
    find_package(Qt6 6.4 REQUIRED COMPONENTS UiTools UiPlugin)
    zvc_add_test(tst_host_designer tst_host_designer.cpp)
    target_link_libraries(tst_host_designer PRIVATE Qt6::UiTools Qt6::UiPlugin Qt6::Widgets)
    target_compile_definitions(tst_host_designer PRIVATE
        ZVC_DESIGNER_PLUGIN="$<TARGET_FILE:zebvendorcontactdesigner>"
        ZVC_PLUGIN_DIR="$<TARGET_FILE_DIR:zebvendorcontactdesigner>/.."
        ZVC_FORM_FILE="${CMAKE_CURRENT_SOURCE_DIR}/host/vendorcontactform.ui")
    add_dependencies(tst_host_designer zebvendorcontactdesigner)
endif()

# Installs the build into a scratch prefix and builds a small host project
# against it with find_package.
add_test(NAME host_package
    COMMAND ${CMAKE_COMMAND}
        -DZVC_BUILD_DIR=${PROJECT_BINARY_DIR}
        -DZVC_CONSUMER_DIR=${CMAKE_CURRENT_SOURCE_DIR}/host/consumer
        -DZVC_EXAMPLES_DIR=${PROJECT_SOURCE_DIR}/examples
        -DZVC_SANITIZE=${ZVC_SANITIZE}
        -DZVC_WORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/host_package
        -DZVC_GENERATOR=${CMAKE_GENERATOR}
        -DZVC_CXX_COMPILER=${CMAKE_CXX_COMPILER}
        -DZVC_DESIGNER_PLUGIN=${ZVC_BUILD_DESIGNER_PLUGIN}
        -DZVC_DESIGNERDIR=${ZVC_INSTALL_DESIGNERDIR}
        -DZVC_LIBDIR=${CMAKE_INSTALL_LIBDIR}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/host/package_test.cmake)
set_tests_properties(host_package PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
