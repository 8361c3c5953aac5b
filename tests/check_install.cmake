# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix of its own and checks the layout a desktop expects
# (a failure leaves the prefix behind to look at).
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(path lib/zige/zige lib/zige/hz.txt lib/zige/strokes.bin share/applications/zige.desktop
             share/icons/hicolor/scalable/apps/zige.svg share/metainfo/zige.metainfo.xml)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "missing ${path}")
  endif()
endforeach()
if(NOT IS_SYMLINK "${prefix}/bin/zige")
  message(FATAL_ERROR "bin/zige is not a symlink")
endif()
file(REAL_PATH "${prefix}/bin/zige" target)
file(REAL_PATH "${prefix}/lib/zige/zige" program)
if(NOT target STREQUAL program)
  message(FATAL_ERROR "bin/zige points to ${target}, not ${program}")
endif()
file(REMOVE_RECURSE "${prefix}")
