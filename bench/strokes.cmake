# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(strokes_bench strokes_bench.cpp)
