# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(sheet_bench sheet_bench.cpp)
