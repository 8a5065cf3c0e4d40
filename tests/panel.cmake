# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The panel: layout, start-up, the address list and the pickers.
zvc_add_panel_tests(tst_panel tst_panel_list)
# The version the panel's caption shows, as the build defines it.
target_compile_definitions(tst_panel PRIVATE
    ZVC_CAPTION_VERSION="${ZVC_VERSION}")
# The panel in every shipped language, at 100% and again at 200% scale.
zvc_add_panel_tests(tst_translations)
add_test(NAME tst_translations_200 COMMAND tst_translations)
set_tests_properties(tst_translations_200 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
