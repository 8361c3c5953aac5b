# SPDX-License-Identifier: GPL-3.0-or-later
zige_add_bench(strokes_bench strokes_bench.cpp)
# The copybook's stroke table beside the program, where it looks for it.
add_custom_command(TARGET strokes_bench POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/strokes.bin $<TARGET_FILE_DIR:strokes_bench>)
