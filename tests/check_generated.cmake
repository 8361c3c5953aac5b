# SPDX-License-Identifier: GPL-3.0-or-later
# Runs GENERATOR into a temporary folder of its own and compares what it writes with EXPECTED.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE folder OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${GENERATOR}" "${folder}/generated" RESULT_VARIABLE generated)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${folder}/generated" "${EXPECTED}" RESULT_VARIABLE differs)
file(REMOVE_RECURSE "${folder}")
if(NOT generated EQUAL 0 OR NOT differs EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is not what ${GENERATOR} writes (it ended with ${generated})")
endif()
