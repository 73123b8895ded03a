#!/usr/bin/env bash
# Builds the 32-bit Windows program and the test suite with MinGW-w64, checks
# that both are self-contained PE32 console programs, and runs the suite under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
command -v i686-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-i686)
command -v file >/dev/null || missing+=(file)
[ -e /usr/lib/wine/wine ] || missing+=(wine32:i386)
if [ ${#missing[@]} -gt 0 ]; then
  echo "windows: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}"
fi

cmake --preset windows --fresh
cmake --build --preset windows

for exe in build/windows/app/sort-compare.exe build/windows/tests/sort-compare-tests.exe; do
  if ! file "$exe" | grep -q "PE32 executable (console) Intel 80386"; then
    echo "windows: $exe is not a 32-bit Windows console program: $(file -b "$exe")" >&2
    exit 1
  fi
  # Statically linked: it may import only what every Windows has.
  if i686-w64-mingw32-objdump -p "$exe" | grep -iE "DLL Name: (libstdc|libgcc|libwinpthread)"; then
    echo "windows: $exe needs MinGW's runtime DLLs" >&2
    exit 1
  fi
done
echo "windows: both executables are self-contained PE32 console programs"

# wine32's loader is itself a 32-bit Linux program.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "windows: SKIPPED the suite under wine: this machine cannot execute 32-bit x86 programs," \
       "so wine32 cannot start (the executables were built and checked above)"
  exit 0
fi

export WINEDEBUG=-all WINEPREFIX="$PWD/build/windows/wineprefix"
/usr/lib/wine/wine wineboot --init
ctest --preset windows
/usr/lib/wine/wineserver -k || true
