# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(listing_bench listing_bench.cpp)
