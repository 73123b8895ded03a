#!/usr/bin/env bash
# Times whole runs of the optimised sort-compare with hyperfine and prints the
# medians: 5000 values listed, and 1 value unlisted (the cost of starting the
# process and holding the dialogue, the floor under every run).
set -euo pipefail
cd "$(dirname "$0")/.."

command -v hyperfine >/dev/null || {
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends hyperfine
}
cmake --preset release >/dev/null
cmake --build --preset release --target sort-compare >/dev/null

out=build/release/timing
mkdir -p "$out"
printf '5000\n1\ny\n' > "$out/answers-5000-y"
printf '1\n1\nn\n' > "$out/answers-1-n"

hyperfine --warmup 20 --runs 300 --export-json "$out/run-times.json" \
  -n "5000 values, seed 1, y" "build/release/app/sort-compare < $out/answers-5000-y > /dev/null" \
  -n "1 value, seed 1, n" "build/release/app/sort-compare < $out/answers-1-n > /dev/null"

python3 - "$out/run-times.json" <<'PY'
import json, sys
for result in json.load(open(sys.argv[1]))["results"]:
    print(f"median {result['median'] * 1000:.2f} ms  {result['command']}")
PY
