#!/usr/bin/env bash
# Times whole runs of sort-compare, from process start to exit, with run-timer
# (bench/run_timer.c): hyperfine -N cannot redirect standard input, and
# hyperfine through a shell subtracts the shell's start-up.
#   scripts/time-run.sh          Linux: the program against the plain C floor
#                                (bench/floor.c), 5000 values listed and 1 value unlisted
#   scripts/time-run.sh windows  the Windows build under wine, standard output to
#                                /dev/null (a character device, as a console is)
#                                against a regular file, and its write calls
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-300}

cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare sort-compare-floor run-timer >/dev/null
timer=build/release/bench/run-timer
out=build/release/timing
mkdir -p "$out"
printf '5000\n1\ny\n' >"$out/answers-5000-y"
printf '1\n1\nn\n' >"$out/answers-1-n"

if [ "${1:-linux}" = linux ]; then
  for answers in answers-5000-y answers-1-n; do
    echo "$answers, output to /dev/null, $runs runs each, taking turns:"
    "$timer" "$runs" 20 "$out/$answers" /dev/null build/release/bench/sort-compare-floor /dev/null build/release/app/sort-compare
  done
  exit 0
fi

scripts/need.sh strace=strace
# The 32-bit build where 32-bit code can execute, else the 64-bit one under wine64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=windows wine=/usr/lib/wine/wine
else
  preset=windows64 wine=/usr/lib/wine/wine64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target sort-compare >/dev/null
export WINEDEBUG=-all WINEPREFIX="$PWD/build/$preset/wineprefix"
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init
# A wineserver that outlives each run, so that no run pays for starting it.
"${wine%/*}/wineserver" -p10 || true  # fails when one is already running
program="$wine build/$preset/app/sort-compare.exe"
echo "$program, 5000 values listed, $runs runs each, taking turns: /dev/null, then a regular file"
"$timer" "$runs" 5 "$out/answers-5000-y" /dev/null "$program" "$out/listing.txt" "$program"
strace -f -y -e trace=write,writev -o "$out/calls" $program <"$out/answers-5000-y" >/dev/null
echo "write calls of the whole run: $(grep -c -E '^[0-9]+ +write\(' "$out/calls"), of which to standard output: $(grep -c '</dev/null>' "$out/calls");" \
     "writev calls (wine's requests to its server): $(grep -c -E '^[0-9]+ +writev\(' "$out/calls")"
