# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(views_bench views_bench.cpp)
