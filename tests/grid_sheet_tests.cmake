# The sheet window needs the main window only where it is opened from there.
zige_add_test(test_grid_sheet test_grid_sheet.cpp)
zige_add_test(test_grid_sheet_hidpi test_grid_sheet_hidpi.cpp LIBS zige_grid_sheet)
zige_add_test(test_copybook test_copybook.cpp LIBS zige_sheet_drawing)
