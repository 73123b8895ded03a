#!/usr/bin/env bash
# Checks what people download or install, as they get it:
#   - the Linux install: `cmake --install` into a fresh prefix, the installed
#     program through one dialogue, and its manual page rendered without warnings;
#   - the Windows archives: both built with CPack, each unpacked into a fresh
#     folder, and the .exe run from there under wine through one dialogue: the
#     32-bit one where this machine can execute 32-bit code, else the 64-bit one.
# Run scripts/windows-tests.sh first: it installs the cross compilers and wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/need.sh man=man-db groff=groff-base unzip=unzip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
answers='20 5 y'

# check_dialogue NAME OUTPUT: the listings hold the same 20 values, the second
# ascending, and the output ends with the three report lines.
check_dialogue() {
  local out unsorted sorted
  out=$(tr -d '\r' <"$2")
  printf '%s\n' "$out" | sed 's/^/    /'
  unsorted=$(grep -A1 -x 'Unsorted array: ' <<<"$out" | sed -n 2p)
  sorted=$(grep -A1 -x 'Sorted array: ' <<<"$out" | sed -n 2p)
  mapfile -t report < <(tail -n 3 <<<"$out")
  if [ "$(wc -w <<<"$unsorted")" -ne 20 ] ||
     [ "$(tr ' ' '\n' <<<"$unsorted" | sed '/^$/d' | sort -n | tr '\n' ' ')" != "$sorted" ] ||
     ! [[ ${report[0]} =~ ^Insertion\ Sort\ count:\ [0-9]+$ &&
          ${report[1]} =~ ^Merge\ Sort\ count:\ 88$ &&
          ${report[2]} =~ ^Quick\ Sort\ count:\ [0-9]+$ ]]; then
    echo "release: $1: the dialogue's listings or report are wrong" >&2
    exit 1
  fi
  echo "release: $1: listings sorted, report well formed"
}

# Linux: install into a prefix of our own and use what was installed.
cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare
cmake --install build/release --prefix "$work/prefix"
echo "$answers" | "$work/prefix/bin/sort-compare" >"$work/linux.out"
check_dialogue "installed bin/sort-compare" "$work/linux.out"
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
echo "$answers" | $wine "$work/unpacked/sort-compare-$version-$arch/sort-compare.exe" >"$work/windows.out"
check_dialogue "sort-compare.exe from $(basename "$archive") under $(basename $wine)" "$work/windows.out"
"${wine%/*}/wineserver" -k || true
