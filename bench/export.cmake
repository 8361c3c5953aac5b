zige_add_bench(export_bench export_bench.cpp)
