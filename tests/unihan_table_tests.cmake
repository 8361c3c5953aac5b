# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the Unihan table; included from tests/CMakeLists.txt.
# Those comparing with Unihan read Debian's unicode-data where it is installed and skip otherwise.
set(ZIGE_UNICODE_DIR /usr/share/unicode)
zige_add_test(test_hanzi_facts test_hanzi_facts.cpp LIBS zige_text)
target_compile_definitions(test_hanzi_facts PRIVATE ZIGE_UNICODE_DIR="${ZIGE_UNICODE_DIR}")
# Pinyin checked against the readings of the table; needs no Unihan files.
zige_add_test(test_pinyin test_pinyin.cpp LIBS zige_text)

# The committed data/unihan_table.txt is exactly what tools/make_unihan_table writes.
if(TARGET make_unihan_table)
  add_test(NAME unihan_table_matches_generator
    COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:make_unihan_table> -DARGS=${ZIGE_UNICODE_DIR}
            -DEXPECTED=${PROJECT_SOURCE_DIR}/data/unihan_table.txt -P ${CMAKE_CURRENT_SOURCE_DIR}/check_generated.cmake)
  set_tests_properties(unihan_table_matches_generator PROPERTIES SKIP_REGULAR_EXPRESSION "skipped: no inputs installed")
endif()
