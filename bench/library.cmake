# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(library_bench library_bench.cpp)
