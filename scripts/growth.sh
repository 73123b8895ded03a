#!/usr/bin/env bash
# Runs the optimised sort-compare for counts 0, 100, ... 5000 with one seed,
# writes the three counts to docs/growth.csv and draws docs/growth.svg.
set -euo pipefail
cd "$(dirname "$0")/.."

seed=1
scripts/need.sh gnuplot=gnuplot-nox

cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare >/dev/null
program=build/release/app/sort-compare

# The counts are the numbers after "count: " in the last three lines.
{
  echo "n,insertion,merge,quick"
  for n in $(seq 0 100 5000); do
    counts=$(printf '%s\n%s\nn\n' "$n" "$seed" | "$program" | sed -n 's/^.* Sort count: //p' | paste -sd, -)
    echo "$n,$counts"
  done
} > docs/growth.csv

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
echo "wrote docs/growth.csv and docs/growth.svg"
