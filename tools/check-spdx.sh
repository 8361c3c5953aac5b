#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, on source files whose first lines lack the project's licence identifier.
set -eu
cd "$(dirname "$0")/.."
missing=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.py' '*.sh' '*.cmake' \
            'CMakeLists.txt' '*/CMakeLists.txt' Makefile .ci/run |
          while read -r f; do
            [ -f "$f" ] && ! head -3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' &&
              echo "$f"
          done || true)
if [ -n "$missing" ]; then
  echo "no 'SPDX-License-Identifier: GPL-3.0-or-later' in the first lines of:" >&2
  echo "$missing" >&2
  exit 1
fi
