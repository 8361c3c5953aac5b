# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the stroke table; included from tests/CMakeLists.txt.
zige_add_test(test_stroke_table test_stroke_table.cpp LIBS zige_text)

# Stroke order in copybooks, on the images the program writes.
zige_add_test(test_stroke_copybook test_stroke_copybook.cpp LIBS Qt6::Gui)
target_compile_definitions(test_stroke_copybook PRIVATE ZIGE_PROGRAM="$<TARGET_FILE:zige>")
add_dependencies(test_stroke_copybook zige)

# Every input the fuzzer kept still reads cleanly, with whatever compiler builds the tests.
add_executable(strokes_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/stroke_table_fuzz.cpp)
target_compile_definitions(strokes_corpus_check PRIVATE ZIGE_CORPUS_MAIN)
target_link_libraries(strokes_corpus_check PRIVATE zige_text)
add_test(NAME strokes_fuzz_corpus COMMAND strokes_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/corpus_strokes)

# The suites read the table beside themselves, as the program does.
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/strokes.bin
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/strokes.bin ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/strokes.bin)
add_custom_target(tests_stroke_table_copy ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/strokes.bin)
