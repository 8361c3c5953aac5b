zige_add_bench(library_bench library_bench.cpp)
