#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages zige needs, when any is missing: `ensure-deps.sh run|test|bench|fuzz|format|deb`.
# As root it runs apt-get itself; otherwise it prints the one line to run and fails.
set -eu
build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
       fonts-arphic-ukai fonts-arphic-uming fonts-wqy-zenhei)
# Needed at run time beyond Qt itself: Qt's own texts in Chinese, the face pinyin is written in.
runtime=(qt6-translations-l10n fonts-sil-andika)
case "${1:-run}" in
  run) packages=("${build[@]}" "${runtime[@]}") ;;
  test) packages=("${build[@]}" "${runtime[@]}" fonts-dejavu-core xvfb xauth openbox xdotool xclip imagemagick python3-pil
                  x11-utils desktop-file-utils appstream unicode-data bzip2 libbz2-dev poppler-utils) ;;
  bench) packages=("${build[@]}" libbenchmark-dev valgrind python3 xvfb openbox x11-utils "${runtime[@]}") ;;
  fuzz) packages=("${build[@]}" clang libclang-rt-14-dev) ;;
  format) packages=(clang-format-14) ;;
  deb) packages=("${build[@]}") ;;
  *) echo "usage: $0 run|test|bench|fuzz|format|deb" >&2; exit 2 ;;
esac
# Building the package and checking it (`make deb`, and its install test under `make test`),
# with everything the package depends on so that it installs.
case "${1:-run}" in test | deb) packages+=(dpkg-dev file lintian qt6-translations-l10n fonts-sil-andika) ;; esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "zige needs these Debian packages; please run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
