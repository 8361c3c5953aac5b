# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_test(test_export test_export.cpp LIBS zige_grid_sheet)
# The saved files against the desktop's colours, the command and a cancel: runs the program.
zige_add_test(test_sheet_outputs test_sheet_outputs.cpp LIBS zige_grid_sheet)
target_compile_definitions(test_sheet_outputs PRIVATE ZIGE_PROGRAM="$<TARGET_FILE:zige>")
add_dependencies(test_sheet_outputs zige)
# School copybook pages: millimetres, paper, printed grids, placement, tracing, header.
zige_add_test(test_school_pages test_school_pages.cpp LIBS zige_export)
