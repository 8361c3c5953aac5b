# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the Unihan table into a temporary folder of its own and compares it with the
# committed one, byte for byte.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE folder OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(GENERATED ${folder}/unihan_table.txt)
execute_process(COMMAND ${TOOL} ${UNICODE_DIR} ${GENERATED} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE_RECURSE ${folder})
endif()
if(result EQUAL 77)
  message(STATUS "skipped: unicode-data is not installed")  # matched by the test's skip pattern
  return()
elseif(NOT result EQUAL 0)
  message(FATAL_ERROR "make_unihan_table failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GENERATED} ${COMMITTED} RESULT_VARIABLE differs)
file(REMOVE_RECURSE ${folder})
if(differs)
  message(FATAL_ERROR "data/unihan_table.txt is not what the Unihan files give; regenerate it with\n"
                      "  make_unihan_table ${UNICODE_DIR} data/unihan_table.txt")
endif()
