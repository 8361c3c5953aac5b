zige_add_bench(sheet_bench sheet_bench.cpp)
