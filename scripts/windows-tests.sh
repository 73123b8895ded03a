#!/usr/bin/env bash
# Builds the Windows program and test suite with MinGW-w64, 32-bit (the
# target) and 64-bit, checks that each is a self-contained console program,
# and runs each suite under wine where wine can run it: the 32-bit one where
# this machine can execute 32-bit x86 code, the 64-bit one under wine64.
# Fails unless at least one suite ran and passed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need.sh i686-w64-mingw32-g++-posix=g++-mingw-w64-i686 x86_64-w64-mingw32-g++-posix=g++-mingw-w64-x86-64 \
  file=file strace=strace /usr/lib/wine/wine64=wine64 /usr/lib/wine/wine=wine32:i386

ran=()
for preset in windows windows64; do
  if [ $preset = windows ]; then
    wine=/usr/lib/wine/wine kind="PE32 executable (console) Intel 80386" objdump=i686-w64-mingw32-objdump
  else
    wine=/usr/lib/wine/wine64 kind="PE32+ executable (console) x86-64" objdump=x86_64-w64-mingw32-objdump
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

  # wine32's loader is itself a 32-bit Linux program.
  if ! $wine --version >/dev/null 2>&1; then
    echo "windows: $preset: $wine cannot start here, so its suite does not run"
    continue
  fi
  export WINEDEBUG=-all WINEPREFIX="$PWD/build/$preset/wineprefix"
  $wine wineboot --init
  ctest --preset $preset
  "${wine%/*}/wineserver" -k || true
  ran+=("$preset ($(ctest --preset $preset -N | sed -n 's/^Total Tests: //p') tests)")
done

if [ ${#ran[@]} -eq 0 ]; then
  echo "windows: FAILED: neither wine nor wine64 can start on this machine, so no Windows suite ran" >&2
  exit 1
fi
echo "windows: suites that ran and passed under wine: ${ran[*]}"
