#!/usr/bin/env bash
# The page's timings in Chromium, Firefox and WebKit (web/bench.mjs): each
# figure the median of rounds, with the least and the most, one line per figure
# and engine; exits 1 if a figure is past its fail line.
#   scripts/page-bench.sh         the page built by the web preset
#   scripts/page-bench.sh PAGE    that page, a release's for one
# ROUNDS and LOADS set the rounds (5) and the loads of each page a round (20).
set -euo pipefail
if [ $# -gt 1 ] || [[ ${1:-} == -* ]]; then
  echo "usage: scripts/page-bench.sh [PAGE]" >&2
  exit 2
fi
if [ $# -eq 1 ]; then
  [ -f "$1" ] || { echo "page-bench: no page at $1" >&2; exit 2; }
  page=$(realpath "$1")
fi
cd "$(dirname "$0")/.."
scripts/need.sh node=nodejs chromium=chromium firefox-esr=firefox-esr WebKitWebDriver=webkit2gtk-driver \
  xvfb-run=xvfb xauth=xauth
if [ $# -eq 0 ]; then
  page=$PWD/build/web/sort-compare.html
  cmake --preset web >/dev/null
  cmake --build --preset web --target page >/dev/null
fi
# The drivers, as web/package-lock.json pins them (the page's build installs them too).
[ -f web/node_modules/.package-lock.json ] || (cd web && npm ci --no-audit --no-fund --loglevel=error)
# WebKit's MiniBrowser needs an X display: one of its own where none is set.
display=()
[ -n "${DISPLAY:-}" ] || display=(xvfb-run --auto-servernum "--server-args=-nolisten tcp -screen 0 1280x1024x24")
exec "${display[@]}" node web/bench.mjs "$page"
