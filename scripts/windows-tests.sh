#!/usr/bin/env bash
# Builds the Windows program and test suite with MinGW-w64, 32-bit (the
# target) and 64-bit, checks that each is a self-contained console program,
# and runs each suite under wine where this machine can (scripts/wine.sh).
# Fails unless at least one suite ran and passed.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/windows-tests.sh" >&2; exit 2; }
. scripts/wine.sh
scripts/need.sh file=file

ran=()
for preset in windows windows64; do
  if [ $preset = windows ]; then
    kind="PE32 executable (console) Intel 80386" objdump=i686-w64-mingw32-objdump
  else
    kind="PE32+ executable (console) x86-64" objdump=x86_64-w64-mingw32-objdump
  fi
  cmake --preset $preset --fresh
  cmake --build --preset $preset
  for exe in build/$preset/app/sort-compare.exe build/$preset/tests/sort-compare-tests.exe; do
    if ! file "$exe" | grep -q "$kind"; then
      echo "windows: $exe is not a $kind: $(file -b "$exe")" >&2
      exit 1
    fi
    # Statically linked: it may import only what every Windows has.
    if $objdump -p "$exe" | grep -iE "DLL Name: (libstdc|libgcc|libwinpthread)"; then
      echo "windows: $exe needs MinGW's runtime DLLs" >&2
      exit 1
    fi
  done
  wine=$(wine_of $preset)
  if ! $wine --version >/dev/null 2>&1; then
    echo "windows: $preset: $wine cannot start here, so its suite does not run"
    continue
  fi
  # The prefix and a lasting server before the suite (cmake/wine-run.sh).
  WINEPREFIX="$PWD/build/$preset/wineprefix" sh cmake/wine-run.sh "$wine" wineboot
  ctest --preset $preset
  ran+=("$preset ($(ctest --preset $preset -N | sed -n 's/^Total Tests: //p') tests)")
done

if [ ${#ran[@]} -eq 0 ]; then
  echo "windows: FAILED: no Windows suite ran" >&2
  exit 1
fi
echo "windows: suites that ran and passed under wine: ${ran[*]}"
