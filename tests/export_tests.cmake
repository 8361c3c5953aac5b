# zige_text: the copybook reads character facts from it, which zige_grid_sheet does not yet
# link by itself.
zige_add_test(test_export test_export.cpp LIBS zige_grid_sheet zige_text)
