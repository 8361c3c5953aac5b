# Tests of the RTF reader and of the character library; included from tests/CMakeLists.txt.
zige_add_test(test_rtf_reader test_rtf_reader.cpp)

# The committed data/hz.txt is exactly what tools/make_hz_txt writes.
add_test(NAME make_hz_txt COMMAND make_hz_txt ${CMAKE_CURRENT_BINARY_DIR}/hz_generated.txt)
set_tests_properties(make_hz_txt PROPERTIES FIXTURES_SETUP hz_txt)
add_test(NAME hz_txt_matches_generator
  COMMAND ${CMAKE_COMMAND} -E compare_files ${CMAKE_CURRENT_BINARY_DIR}/hz_generated.txt
          ${PROJECT_SOURCE_DIR}/data/hz.txt)
set_tests_properties(hz_txt_matches_generator PROPERTIES FIXTURES_REQUIRED hz_txt)

# Every input the fuzzer kept still reads cleanly, with whatever compiler builds the tests.
add_executable(rtf_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/rtf_reader_fuzz.cpp)
target_compile_definitions(rtf_corpus_check PRIVATE ZIGE_CORPUS_MAIN)
target_link_libraries(rtf_corpus_check PRIVATE zige_text)
add_test(NAME rtf_fuzz_corpus COMMAND rtf_corpus_check ${PROJECT_SOURCE_DIR}/fuzz/corpus)
set_tests_properties(rtf_fuzz_corpus PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
