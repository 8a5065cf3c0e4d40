# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Editing: validation, saving, edit modes, deleting, message boxes, typing limits.
zvc_add_panel_tests(tst_editing tst_editing_delete)
