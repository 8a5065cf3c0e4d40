# Editing: validation, saving, edit modes, deleting, message boxes, typing limits.
foreach(suite tst_editing tst_editing_delete)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${suite}.cpp)
        zvc_add_test(${suite} ${suite}.cpp tst_panel_support.h)
        target_link_libraries(${suite} PRIVATE zvc_store zvc_panel Qt6::Widgets)
    endif()
endforeach()
