#!/usr/bin/env bash
# Builds every release file of this commit into dist/, the same bytes on any
# machine of this kind, in any folder, at any time, whatever its time zone and
# umask: every time stamp comes from SOURCE_DATE_EPOCH, the last commit's
# time unless it is set already. A tree with uncommitted changes is refused.
#   sort-compare-VERSION-win32.zip, -win64.zip    the Windows programs
#   sort-compare-VERSION-linux-x86_64.tar.gz      the Linux program, in one folder
#   sort-compare_VERSION_amd64.deb                the same, for apt-get
#   sort-compare-VERSION.html                     the browser page
#   BUILDINFO                                     the commit, the epoch, the tools
#   SHA256SUMS                                    for sha256sum -c
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/release.sh" >&2; exit 2; }
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: the tree has uncommitted changes; commit or stash them, so that the files are this commit's" >&2
  exit 1
fi
scripts/need.sh i686-w64-mingw32-g++-posix=g++-mingw-w64-i686 x86_64-w64-mingw32-g++-posix=g++-mingw-w64-x86-64 \
  emcc=emscripten node=nodejs npm=npm
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC  # ZIP stores local time
# CPack makes the folders it stages the packages in with the umask, whatever
# the install's folder permissions say, and the archives keep their modes.
umask 022
export NODE_PATH=/usr/share/nodejs
version=$(sed -n 's/^project(sort-compare VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build=build/dist
dist=$PWD/dist
rm -rf "$dist" "$build"
mkdir -p "$dist"

# build NAME PRESET [CMAKE_ARGUMENT...]: a fresh build without tests, in build/dist/NAME.
build() {
  local name=$1 preset=$2
  shift 2
  cmake --preset "$preset" -B "$build/$name" -DBUILD_TESTING=OFF "$@" >/dev/null
  cmake --build "$build/$name"
}
build linux release
(cd "$build/linux" && cpack -G "DEB;TGZ" -B "$dist" >/dev/null)
for preset in windows windows64; do
  build $preset $preset
  (cd "$build/$preset" && cpack -G ZIP -B "$dist" >/dev/null)
done
build web web
cp "$build/web/sort-compare.html" "dist/sort-compare-$version.html"
rm -rf "$dist/_CPack_Packages"

package_versions() { dpkg-query -W -f '${Package} ${Version}\n' "$@"; }
{
  echo "sort-compare $version"
  echo "commit $(git rev-parse HEAD)"
  echo "SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH"
  echo
  echo "compilers:"
  for compiler in g++ i686-w64-mingw32-g++-posix x86_64-w64-mingw32-g++-posix em++; do
    echo "  $compiler: $("$compiler" --version | head -1)"
  done
  echo "  node: $(node --version)"
  echo
  echo "Debian packages whose code is in the files:"
  package_versions libc6-dev libstdc++-12-dev libgcc-12-dev mingw-w64-common mingw-w64-i686-dev mingw-w64-x86-64-dev \
    gcc-mingw-w64-base emscripten | sed 's/^/  /'
  echo
  echo "npm packages in the page: $(cd web && node -p "'uplot ' + require('./node_modules/uplot/package.json').version")"
} >dist/BUILDINFO
(cd dist && sha256sum -- *.zip *.tar.gz *.deb *.html BUILDINFO >SHA256SUMS)
echo "release: dist/ holds $(ls dist | tr '\n' ' ')"
