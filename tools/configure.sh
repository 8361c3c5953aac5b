#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures a build folder for the Makefile: `configure.sh [--werror] BUILD_DIR [CMAKE ARGS...]`.
#
# A folder is configured again only when the arguments differ from the last ones (kept in
# BUILD_DIR/cmake-flags), and then from a fresh cache, so that an argument dropped since is
# dropped here too. A folder configured by hand, without arguments from the Makefile, is left
# as it is.
#
# --werror, asked for by the developer targets, turns warnings into errors. A folder keeps it
# once on: a developer alternating `make run` and `make test` then builds with one set of
# compiler flags and never rebuilds everything, while a user who only runs `make run` never
# has a newer compiler's new warning stop the build.
set -eu
werror=()
if [ "${1:-}" = --werror ]; then
  werror=(-DZIGE_WERROR=ON)
  shift
fi
build=$1
shift
stamp=$build/cmake-flags
wanted=${*@Q}
if grep -qs '^ZIGE_WERROR:BOOL=ON$' "$build/CMakeCache.txt"; then
  werror=(-DZIGE_WERROR=ON)
fi
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja "${werror[@]}" "$@"
elif [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  echo "CMAKE_FLAGS changed: configuring $build afresh"
  cmake --fresh -S . -B "$build" -G Ninja "${werror[@]}" "$@"
elif [ ${#werror[@]} -gt 0 ] && [[ "$wanted" != *ZIGE_WERROR* ]] &&
     ! grep -qs '^ZIGE_WERROR:BOOL=ON$' "$build/CMakeCache.txt"; then
  cmake -S . -B "$build" "${werror[@]}"
fi
printf '%s' "$wanted" >"$stamp"
