# SPDX-License-Identifier: GPL-3.0-or-later
# Runs GENERATOR [ARGS] into a temporary folder of its own and compares what it writes with
# EXPECTED, byte for byte. A generator ending with 77 found no inputs to read: the test skips.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE folder OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${GENERATOR}" ${ARGS} "${folder}/generated" RESULT_VARIABLE generated)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${folder}/generated" "${EXPECTED}" RESULT_VARIABLE differs)
file(REMOVE_RECURSE "${folder}")
if(generated EQUAL 77)
  message(STATUS "skipped: no inputs installed")  # matched by the test's skip pattern
elseif(NOT generated EQUAL 0 OR NOT differs EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is not what `${GENERATOR} ${ARGS} FILE` writes (it ended with ${generated})")
endif()
