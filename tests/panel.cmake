# The panel: layout, start-up, the address list and the pickers.
zvc_add_panel_tests(tst_panel tst_panel_list)
# The version the panel's caption shows, as the build defines it.
target_compile_definitions(tst_panel PRIVATE
    ZVC_CAPTION_VERSION="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}")
