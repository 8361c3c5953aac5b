# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(copybook_bench copybook_bench.cpp)
