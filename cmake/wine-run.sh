#!/bin/sh
# usage: wine-run.sh WINE PROGRAM [ARGUMENT]...  (WINEPREFIX set by the caller)
# Runs PROGRAM under WINE, on a wine server that stays up for a minute after
# the last run. A server that a run starts itself ends a second or two after
# each run, and a run that starts while it ends can fail before it writes
# anything. The server's services also inherit the streams of the run that
# starts them and hold them open, so whoever reads that run's output waits for
# them: they are started here, away from the caller's streams. The server
# needs the prefix's folder; booting makes the prefix in it.
mkdir -p "${WINEPREFIX:-$HOME/.wine}"
if "$(dirname "$1")/wineserver" -p60 </dev/null >/dev/null 2>&1; then
    "$1" wineboot </dev/null >/dev/null 2>&1
fi
exec "$@"
