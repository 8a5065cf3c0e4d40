# The demo host: its helpers and window (linked from zvc_hostapp) and the
# application binary itself, run as a new user would.
if(ZVC_BUILD_APPS)
    zvc_add_test(tst_apps ${CMAKE_CURRENT_SOURCE_DIR}/tst_apps.cpp)
    target_link_libraries(tst_apps PRIVATE zvc_hostapp)
    target_compile_definitions(tst_apps PRIVATE ZVC_HOST_APP_FILE="$<TARGET_FILE:vendorcontact-host>")
    add_dependencies(tst_apps vendorcontact-host)
endif()
