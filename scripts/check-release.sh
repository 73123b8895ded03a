#!/usr/bin/env bash
# Checks what people download or install, as they get it:
#   - the Linux install: `cmake --install` into a fresh prefix, the installed
#     program through the largest listed run, and its manual page rendered without warnings;
#   - the Windows archives: both built with CPack, each unpacked into a fresh
#     folder, and the .exe run from there under wine through the same run: the
#     32-bit one where this machine can execute 32-bit code, else the 64-bit one.
# Run scripts/windows-tests.sh first: it installs the cross compilers and wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/need.sh man=man-db groff=groff-base unzip=unzip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check_run NAME COMMAND...: the largest listed run, whole (tests/program-case.sh
# long-run): two listings of 5000 values, the second ascending, and three
# well-formed report lines.
check_run() {
  local name=$1
  shift
  sh tests/program-case.sh long-run "$@" || { echo "release: $name: the run is wrong" >&2; exit 1; }
  echo "release: $name: listings sorted, report well formed"
}

# Linux: install into a prefix of our own and use what was installed.
cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare
cmake --install build/release --prefix "$work/prefix"
check_run "installed bin/sort-compare" "$work/prefix/bin/sort-compare"
page="$work/prefix/share/man/man1/sort-compare.1"
MANWIDTH=80 man --warnings -l "$page" 2>"$work/man.err" >/dev/null
if [ -s "$work/man.err" ]; then
  echo "release: the manual page renders with warnings:" >&2
  cat "$work/man.err" >&2
  exit 1
fi
echo "release: installed share/man/man1/sort-compare.1 renders without warnings"

# Windows: both archives, and the one this machine can run, run from its folder.
for preset in windows windows64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target sort-compare
  cpack --preset $preset
done
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=windows arch=win32 wine=/usr/lib/wine/wine
else
  preset=windows64 arch=win64 wine=/usr/lib/wine/wine64
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/$preset/CMakeCache.txt)
archive=build/$preset/sort-compare-$version-$arch.zip
unzip -q "$archive" -d "$work/unpacked"
echo "release: $archive holds:"
(cd "$work/unpacked" && find . -type f | sort | sed 's/^/    /')
export WINEDEBUG=-all WINEPREFIX="$PWD/build/$preset/wineprefix"
check_run "sort-compare.exe from $(basename "$archive") under $(basename $wine)" \
  $wine "$work/unpacked/sort-compare-$version-$arch/sort-compare.exe"
"${wine%/*}/wineserver" -k || true
