#!/usr/bin/env bash
# Times whole runs of sort-compare, from process start to exit, with run-timer
# (bench/run_timer.c), the commands taking turns.
#   scripts/time-run.sh          the release build against the floor (bench/floor.c,
#                                built by clang): 5000 values listed, then 1 value
#                                unlisted, output to /dev/null; prints both ratios
#   scripts/time-run.sh windows  the Windows build under wine (scripts/wine.sh), output
#                                to /dev/null (a character device, as a console is) and
#                                to a regular file, and its write calls
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-linux}
if [ $# -gt 1 ] || { [ "$mode" != linux ] && [ "$mode" != windows ]; }; then
  echo "usage: scripts/time-run.sh [windows]" >&2
  exit 2
fi
runs=${RUNS:-300}

cmake --preset bench >/dev/null
cmake --build --preset bench --target sort-compare floor run-timer >/dev/null
timer=build/bench/bench/run-timer
out=build/bench/timing
mkdir -p "$out"
printf '5000\n1\ny\n' >"$out/answers-5000-y"
printf '1\n1\nn\n' >"$out/answers-1-n"

if [ "$mode" = linux ]; then
  for answers in answers-5000-y answers-1-n; do
    echo "$answers, output to /dev/null, $runs runs each, taking turns; the ratio is to the floor:"
    "$timer" "$runs" 20 "$out/$answers" /dev/null build/bench/bench/sort-compare-floor /dev/null build/bench/app/sort-compare
  done
  exit 0
fi

. scripts/wine.sh
scripts/need.sh strace=strace
cmake --preset "$wine_preset" >/dev/null
cmake --build --preset "$wine_preset" --target sort-compare >/dev/null
export WINEPREFIX="$PWD/build/$wine_preset/wineprefix"
wine=$(wine_of "$wine_preset")
# The prefix and a wine server that outlives each run, so that no run pays for starting it.
sh cmake/wine-run.sh "$wine" wineboot
program="$wine build/$wine_preset/app/sort-compare.exe"
echo "$program, 5000 values listed, $runs runs each, taking turns: /dev/null, then a regular file"
"$timer" "$runs" 5 "$out/answers-5000-y" /dev/null "$program" "$out/listing.txt" "$program"
strace -f -y -e trace=write,writev -o "$out/calls" $program <"$out/answers-5000-y" >/dev/null
echo "write calls to standard output: $(grep -c '</dev/null>' "$out/calls")"
