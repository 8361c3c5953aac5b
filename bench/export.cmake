# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(export_bench export_bench.cpp)
