# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_test(test_export test_export.cpp LIBS zige_grid_sheet)
