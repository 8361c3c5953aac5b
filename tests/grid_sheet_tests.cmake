# SPDX-License-Identifier: GPL-3.0-or-later
# The sheet window needs the main window only where it is opened from there.
zige_add_test(test_grid_sheet test_grid_sheet.cpp)
# The same suite on a screen of two device pixels to the pixel runs its one check for that.
zige_add_test(test_grid_sheet_hidpi test_grid_sheet.cpp)
target_compile_definitions(test_grid_sheet_hidpi PRIVATE ZIGE_SCALE_FACTOR="2")
zige_add_test(test_pinyin_sheet test_pinyin_sheet.cpp LIBS zige_sheet_drawing)
