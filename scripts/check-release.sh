#!/usr/bin/env bash
# Checks the release as people get it. scripts/release.sh runs twice, from two
# clones of this commit in different folders, at different times, with
# different time zones and umasks, and the two dist/ folders must be the same
# bytes. Then the files of one of them, not rebuilt ones:
#   - SHA256SUMS, through sha256sum -c;
#   - the Linux archive: one folder, the program hardened and run from it, its
#     licence with the notices, its manual page;
#   - the .deb: lintian's verdict, then installed with apt-get, run, its manual
#     page found by man, and purged, leaving none of its paths (purged on
#     failure too);
#   - both Windows archives: their files and line ends, their PE flags, and the
#     .exe this machine can run (scripts/wine.sh), unpacked and run from its folder;
#   - the page: its size, and one run in Chromium;
#   - the unstripped Linux build: the flags that leave no trace in the stripped program.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/check-release.sh" >&2; exit 2; }
. scripts/wine.sh
scripts/need.sh man=man-db groff=groff-base unzip=unzip file=file lintian=lintian readelf=binutils

work=$(mktemp -d)
installed=""
cleanup() {
  [ -z "$installed" ] || apt-get purge -y -q sort-compare >/dev/null 2>&1 || true
  rm -rf "$work"
  stop_wine
}
trap cleanup EXIT
fail() { echo "release: $*" >&2; exit 1; }
# check_run NAME COMMAND...: the largest listed run, whole (tests/program-case.sh long-run).
check_run() {
  local name=$1
  shift
  sh tests/program-case.sh long-run "$@" || fail "$name: the run is wrong"
  echo "release: $name: listings sorted, report well formed"
}

# The same files from two clones, two folders, two times, two time zones and umasks.
git clone -q "$PWD" "$work/first/sort-compare"
git clone -q "$PWD" "$work/second-clone"
(cd "$work/first/sort-compare" && umask 077 && TZ=Asia/Tokyo scripts/release.sh)
sleep 1
(cd "$work/second-clone" && umask 022 && TZ=America/Los_Angeles scripts/release.sh)
diff -r "$work/first/sort-compare/dist" "$work/second-clone/dist" >&2 ||
  fail "two runs of scripts/release.sh made different files"
dist=$work/second-clone/dist
echo "release: two runs of scripts/release.sh made the same files:"
cat "$dist/SHA256SUMS"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
version=$(sed -n 's/^project(sort-compare VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# hardened ELF: a position-independent executable with no interpreter and no
# library, full RELRO, and a stack that is not executable.
hardened() {
  local program=$1 headers
  headers=$(readelf -lhdW "$program")
  grep -q 'Type: *DYN' <<<"$headers" || fail "$program is not position-independent"
  ! grep -qE 'INTERP|NEEDED' <<<"$headers" || fail "$program needs an interpreter or a library"
  grep -q 'GNU_RELRO' <<<"$headers" && grep -q 'BIND_NOW' <<<"$headers" || fail "$program lacks full RELRO"
  grep -E 'GNU_STACK' <<<"$headers" | grep -qE ' RW +0x' || fail "$program has an executable stack"
  file "$program" | grep -q ', stripped' || fail "$program is not stripped"
  echo "release: $program: static PIE, full RELRO, stack not executable, stripped"
}

# The Linux archive: one folder that runs where it is unpacked.
folder=sort-compare-$version-linux-x86_64
tar -xzf "$dist/$folder.tar.gz" -C "$work"
[ "$(tar -tzf "$dist/$folder.tar.gz" | cut -d/ -f1 | sort -u)" = "$folder" ] || fail "$folder.tar.gz is not one folder"
hardened "$work/$folder/bin/sort-compare"
check_run "$folder/bin/sort-compare" "$work/$folder/bin/sort-compare"
grep -q 'GNU Lesser General Public License' "$work/$folder/LICENSE" && grep -q 'MIT License' "$work/$folder/LICENSE" ||
  fail "$folder/LICENSE lacks the licence or the notices"
MANWIDTH=80 man --warnings -l "$work/$folder/share/man/man1/sort-compare.1.gz" 2>"$work/man.err" >/dev/null
[ ! -s "$work/man.err" ] || fail "the manual page renders with warnings: $(cat "$work/man.err")"

# The .deb: lintian, then installed, run, found by man, and purged without a trace.
deb=$dist/sort-compare_${version}_amd64.deb
verdict=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$verdict" ] || fail "lintian: $verdict"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
paths=$(dpkg -L sort-compare)
hardened /usr/bin/sort-compare
check_run "the installed /usr/bin/sort-compare" /usr/bin/sort-compare
[ "$(man -w sort-compare)" = /usr/share/man/man1/sort-compare.1.gz ] || fail "man sort-compare does not find its page"
apt-get purge -y -q sort-compare >/dev/null
installed=""
while read -r path; do
  [ ! -e "$path" ] || dpkg -S "$path" >/dev/null 2>&1 || fail "$path is left after the purge"
done <<<"$paths"
echo "release: the .deb passes lintian, installs, runs, has its manual page, and purges without a trace"

# Windows: each archive holds the program and two text files with CRLF line ends.
for arch in win32 win64; do
  folder=sort-compare-$version-$arch
  unzip -q "$dist/$folder.zip" -d "$work/$arch"
  listed=$(cd "$work/$arch" && find . -type f | sort | tr '\n' ' ')
  [ "$listed" = "./$folder/LICENSE.txt ./$folder/README.txt ./$folder/sort-compare.exe " ] ||
    fail "$folder.zip holds $listed"
  for text in LICENSE.txt README.txt; do
    [ "$(grep -c $'\r$' "$work/$arch/$folder/$text")" -eq "$(wc -l <"$work/$arch/$folder/$text")" ] ||
      fail "$folder/$text has lines without CRLF"
  done
  # DYNAMIC_BASE (0x40) and NX_COMPAT (0x100); HIGH_ENTROPY_VA (0x20) too for 64-bit.
  flags=$((0x$(objdump -p "$work/$arch/$folder/sort-compare.exe" | sed -n 's/^DllCharacteristics\s*//p')))
  wanted=$([ $arch = win64 ] && echo $((0x160)) || echo $((0x140)))
  [ $((flags & wanted)) -eq $wanted ] || fail "$folder/sort-compare.exe lacks PE flags: $(printf %#x $flags)"
  echo "release: $folder.zip holds sort-compare.exe, README.txt and LICENSE.txt, the text with CRLF; PE flags $(printf %#x $flags)"
  [ $arch != "$([ "$wine_preset" = windows ] && echo win32 || echo win64)" ] ||
    runnable=("$folder.zip" "$work/$arch/$folder/sort-compare.exe")
done
cmake --preset "$wine_preset" >/dev/null
export WINEPREFIX="$PWD/build/$wine_preset/wineprefix"
sh cmake/wine-run.sh "$(wine_of $wine_preset)" wineboot
check_run "sort-compare.exe from ${runnable[0]}" "$(wine_of $wine_preset)" "${runnable[1]}"

# The page: at most 512 KB, and a run in Chromium.
page=$dist/sort-compare-$version.html
[ "$(stat -c %s "$page")" -le $((512 * 1024)) ] || fail "the page is larger than 512 KB"
PAGE=$page node --input-type=module -e "
  import puppeteer from '$work/second-clone/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', args: ['--no-sandbox']});
  const tab = await browser.newPage();
  await tab.goto('file://' + process.env.PAGE + '?count=10&seed=42&list=y');
  await tab.waitForFunction(() => document.getElementById('session').textContent.includes('Quick Sort count: '));
  console.log((await tab.\$eval('#session', (e) => e.textContent)).split('\n').slice(-4, -1).join('; '));
  await browser.close();" >"$work/page.out" || fail "the page did not run in Chromium"
echo "release: the page, $(stat -c %s "$page") bytes, ran in Chromium: $(cat "$work/page.out")"

# What stripping hides: the flags in the build, and the stack protector's canary read in run_comparison.
build=$work/second-clone/build/dist/linux
for flag in -fstack-protector-strong -D_FORTIFY_SOURCE=2 -fcf-protection; do
  grep -q -- "$flag" "$build/compile_commands.json" || fail "the Linux build is not compiled with $flag"
done
objdump -d --no-show-raw-insn "$build/app/sort-compare" |
  awk '/^[0-9a-f]+ <.*>:$/ { name = $2 } /%fs:0x28/ && name ~ /run_comparison/ { found = 1 } END { exit !found }' ||
  fail "run_comparison reads no stack canary"
echo "release: the Linux build has the stack protector, _FORTIFY_SOURCE and -fcf-protection; run_comparison checks its canary"
