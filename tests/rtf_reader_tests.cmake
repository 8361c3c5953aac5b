# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the RTF reader and of the character library; included from tests/CMakeLists.txt.
zige_add_test(test_rtf_reader test_rtf_reader.cpp LIBS zige_text)

# The committed data/hz.txt is exactly what tools/make_hz_txt writes.
add_test(NAME hz_txt_matches_generator
  COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:make_hz_txt> -DEXPECTED=${PROJECT_SOURCE_DIR}/data/hz.txt
          -P ${CMAKE_CURRENT_SOURCE_DIR}/check_generated.cmake)

# Every input the fuzzer kept still reads cleanly, with whatever compiler builds the tests.
add_executable(rtf_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/rtf_reader_fuzz.cpp)
target_compile_definitions(rtf_corpus_check PRIVATE ZIGE_CORPUS_MAIN)
target_link_libraries(rtf_corpus_check PRIVATE zige_text)
add_test(NAME rtf_fuzz_corpus COMMAND rtf_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/corpus)
set_tests_properties(rtf_fuzz_corpus PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
