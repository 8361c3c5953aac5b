zige_add_bench(views_bench views_bench.cpp)
