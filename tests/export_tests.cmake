zige_add_test(test_export test_export.cpp LIBS zige_grid_sheet)
