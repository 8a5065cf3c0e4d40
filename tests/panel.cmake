# The panel: layout, start-up, the address list and the pickers.
zvc_add_panel_tests(tst_panel tst_panel_list)
