#!/bin/sh
# usage: wine-run.sh WINE PROGRAM [ARGUMENT]...  (WINEPREFIX set by the caller)
# Runs PROGRAM under WINE. The first run starts wine's server and services,
# which inherit its streams and hold them open until they end, a few seconds
# after the run: whoever reads the run's output waits for them. So they are
# started here, away from the caller's streams, and stay up for a minute
# after the last run.
if "$(dirname "$1")/wineserver" -p60 </dev/null >/dev/null 2>&1; then
    "$1" wineboot </dev/null >/dev/null 2>&1
fi
exec "$@"
