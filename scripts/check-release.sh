#!/usr/bin/env bash
# Checks what people download or install, as they get it:
#   - the Linux install, built without tests as the README shows and installed
#     stripped into a fresh prefix: the program through the largest listed run,
#     the licence, and the manual page found through PATH and rendered without warnings;
#   - both Windows archives: their files and line ends as shipped, and the .exe
#     this machine can run (scripts/wine.sh), unpacked and run from its folder.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/check-release.sh" >&2; exit 2; }
. scripts/wine.sh
scripts/need.sh man=man-db groff=groff-base unzip=unzip file=file

work=$(mktemp -d)
trap 'rm -rf "$work"; stop_wine' EXIT
fail() { echo "release: $*" >&2; exit 1; }
# check_run NAME COMMAND...: the largest listed run, whole (tests/program-case.sh long-run).
check_run() {
  local name=$1
  shift
  sh tests/program-case.sh long-run "$@" || fail "$name: the run is wrong"
  echo "release: $name: listings sorted, report well formed"
}

# Linux: no GoogleTest needed, and the installed program stripped.
cmake --preset release -B "$work/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/build"
cmake --install "$work/build" --strip --prefix "$work/prefix"
prefix=$work/prefix
file "$prefix/bin/sort-compare" | grep -q ', stripped' || fail "bin/sort-compare is not stripped"
cmp -s LICENSE "$prefix/share/doc/sort-compare/LICENSE" || fail "share/doc/sort-compare/LICENSE is missing"
check_run "installed bin/sort-compare" "$prefix/bin/sort-compare"
page=$(PATH="$prefix/bin:$PATH" man -w sort-compare) || fail "man sort-compare finds no page with PREFIX/bin on PATH"
[ "$page" = "$prefix/share/man/man1/sort-compare.1" ] || fail "man sort-compare finds $page"
MANWIDTH=80 man --warnings -l "$page" 2>"$work/man.err" >/dev/null
[ ! -s "$work/man.err" ] || fail "the manual page renders with warnings: $(cat "$work/man.err")"
echo "release: installed stripped, with its licence, and its manual page found through PATH"

# Windows: each archive holds the program and two text files with CRLF line ends.
version=$(sed -n 's/^project(sort-compare VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for preset in windows windows64; do
  arch=$([ $preset = windows ] && echo win32 || echo win64)
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target sort-compare
  cpack --preset $preset
  folder=sort-compare-$version-$arch
  unzip -q "build/$preset/$folder.zip" -d "$work/$arch"
  listed=$(cd "$work/$arch" && find . -type f | sort | tr '\n' ' ')
  [ "$listed" = "./$folder/LICENSE.txt ./$folder/README.txt ./$folder/sort-compare.exe " ] ||
    fail "$folder.zip holds $listed"
  for text in LICENSE.txt README.txt; do
    [ "$(grep -c $'\r$' "$work/$arch/$folder/$text")" -eq "$(wc -l <"$work/$arch/$folder/$text")" ] ||
      fail "$folder/$text has lines without CRLF"
  done
  echo "release: $folder.zip holds sort-compare.exe, README.txt and LICENSE.txt, the text with CRLF"
  [ $preset != "$wine_preset" ] || runnable=("$folder.zip" "$work/$arch/$folder/sort-compare.exe")
done
export WINEPREFIX="$PWD/build/$wine_preset/wineprefix"
check_run "sort-compare.exe from ${runnable[0]}" "$(wine_of $wine_preset)" "${runnable[1]}"
