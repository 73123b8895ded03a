# Sourced by every script that builds or runs the Windows program. Installs the
# MinGW-w64 cross compilers and wine when missing, and sets wine_preset to the
# Windows build this machine runs: the 32-bit target where it can execute
# 32-bit code (wine32's loader is itself a 32-bit program), else the 64-bit
# build under wine64. The wine servers stop when the script exits, on failure too.
scripts/need.sh i686-w64-mingw32-g++-posix=g++-mingw-w64-i686 x86_64-w64-mingw32-g++-posix=g++-mingw-w64-x86-64 \
  /usr/lib/wine/wine64=wine64
# wine32 alone needs i386 packages, which a mirror may not offer whole: then
# the 64-bit build stands in, and says so.
if ! scripts/need.sh /usr/lib/wine/wine=wine32:i386; then
  echo "wine: FAILED to install wine32:i386, so the 32-bit suite cannot run; the 64-bit build stands in" >&2
fi
export WINEDEBUG=-all
# wine_of PRESET: the wine that runs that build (the toolchain files name it for the tests).
wine_of() { sed -n 's/^set(WINE \(.*\))$/\1/p' "cmake/mingw-w64-$([ "$1" = windows ] && echo i686 || echo x86_64).cmake"; }
if "$(wine_of windows)" --version >/dev/null 2>&1; then
  wine_preset=windows
else
  wine_preset=windows64
fi
stop_wine() {
  local preset
  for preset in windows windows64; do
    [ ! -d "build/$preset/wineprefix" ] || WINEPREFIX="$PWD/build/$preset/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
}
trap stop_wine EXIT
