# The panel: layout, start-up, the address list and the pickers.
foreach(suite tst_panel tst_panel_list)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${suite}.cpp)
        zvc_add_test(${suite} ${suite}.cpp tst_panel_support.h)
        target_link_libraries(${suite} PRIVATE zvc_store zvc_panel Qt6::Widgets)
    endif()
endforeach()
