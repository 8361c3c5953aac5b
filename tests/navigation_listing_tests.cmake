zige_add_test(test_fonts test_fonts.cpp)

# The program's event loop with the window closed inside a yield, run by the test below.
add_executable(close_during_yield close_during_yield.cpp)
target_link_libraries(close_during_yield PRIVATE zige_main_window)

zige_add_test(test_navigation_listing test_navigation_listing.cpp)
target_compile_definitions(test_navigation_listing PRIVATE ZIGE_CLOSE_DRIVER="$<TARGET_FILE:close_during_yield>")
add_dependencies(test_navigation_listing close_during_yield)
