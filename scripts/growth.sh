#!/usr/bin/env bash
# The counts of the optimised sort-compare for n = 0, 100, ... 5000, seed 1.
#   scripts/growth.sh        writes them to docs/growth.csv and draws docs/growth.svg from it
#   scripts/growth.sh check  fails unless docs/growth.csv holds the counts the program
#                            gives now and docs/growth.svg was drawn from that file
# The chart records the checksum of the data it was drawn from, so the check
# needs no gnuplot, and a newer gnuplot's bytes change nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-draw}
if [ $# -gt 1 ] || { [ "$mode" != draw ] && [ "$mode" != check ]; }; then
  echo "usage: scripts/growth.sh [check]" >&2
  exit 2
fi

cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare >/dev/null
program=build/release/app/sort-compare
# The counts are the numbers after "count: " in the last three lines.
counts() {
  echo "n,insertion,merge,quick"
  for n in $(seq 0 100 5000); do
    echo "$n,$(printf '%s\n1\nn\n' "$n" | "$program" | sed -n 's/^.* Sort count: //p' | paste -sd, -)"
  done
}
stamp() { echo "<!-- drawn from docs/growth.csv, sha256 $(sha256sum docs/growth.csv | cut -d' ' -f1) -->"; }

if [ "$mode" = check ]; then
  counts | cmp -s - docs/growth.csv || { echo "growth: docs/growth.csv is not current: run scripts/growth.sh" >&2; exit 1; }
  grep -qxF "$(stamp)" docs/growth.svg || { echo "growth: docs/growth.svg was not drawn from docs/growth.csv: run scripts/growth.sh" >&2; exit 1; }
  echo "growth: docs/growth.csv is current and docs/growth.svg was drawn from it"
  exit 0
fi

scripts/need.sh gnuplot=gnuplot-nox
counts >docs/growth.csv
gnuplot <<'PLOT'
set terminal svg size 820,520 dynamic font "sans,13" background "white"
set output "docs/growth.svg"
set datafile separator ","
set key top left box opaque
set title "Operation counts of the three sorts (random values, seed 1)"
set xlabel "number of values n"
set ylabel "operation count (log scale)"
set logscale y
set format y "10^{%L}"
set xrange [0:5000]
set yrange [100:1e8]
set grid xtics ytics mytics
set samples 200
log2(x) = log(x) / log(2)
plot "docs/growth.csv" using 1:2 skip 1 with points pt 7 ps 0.6 lc rgb "#c0392b" title "insertion sort: exchanges", \
     x * (x - 1) / 4 with lines dt 2 lw 1.5 lc rgb "#c0392b" title "n(n-1)/4", \
     "docs/growth.csv" using 1:3 skip 1 with points pt 5 ps 0.5 lc rgb "#2471a3" title "merge sort: elements written", \
     "docs/growth.csv" using 1:4 skip 1 with points pt 9 ps 0.7 lc rgb "#1e8449" title "quick sort: elements examined", \
     x * log2(x) with lines dt 2 lw 1.5 lc rgb "#555555" title "n log2 n"
PLOT
sed -i "1a $(stamp)" docs/growth.svg
echo "wrote docs/growth.csv and docs/growth.svg"
