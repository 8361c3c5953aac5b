zige_add_bench(listing_bench listing_bench.cpp)
