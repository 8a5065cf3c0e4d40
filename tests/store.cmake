# The contact store, the exchange format and the lookups: Qt Core + Test only.
foreach(suite tst_contactstore tst_exchange tst_lookups)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${suite}.cpp)
        zvc_add_test(${suite} ${suite}.cpp)
        target_link_libraries(${suite} PRIVATE zvc_store)
    endif()
endforeach()
