#!/bin/sh
# Runs the built program through its real standard streams in one situation
# that only they can show, and checks its status and both streams.
# usage: program-case.sh CASE COMMAND...  (COMMAND runs the program, with any emulator before it)
set -u
name=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${pid:-} 2>/dev/null' EXIT
out=$work/out err=$work/err

# Says what is wrong, then what the program wrote, printable characters only.
fail() { echo "$name: $*"; head -c 600 "$out" "$err" | tr -cd '[:print:]\n'; exit 1; }

# check STATUS EXPECTED MESSAGE: the exit status, and standard error holding
# MESSAGE (nothing when empty) whatever the line ends.
check() {
    [ "$1" -eq "$2" ] || fail "status $1, expected $2"
    [ "$(tr -d '\r' <"$err")" = "${3:+sort-compare: $3}" ] || fail "standard error is not '${3:+sort-compare: $3}'"
}

# on_console COMMAND: runs COMMAND in a terminal of its own (script's), whose
# screen goes to $out, and once it asks, types the answers. wine's console can
# miss the first keys typed while it starts, until the next ones come: so the
# line end comes a second later, on its own.
on_console() {
    rm -f "$work/keys" "$out" && mkfifo "$work/keys"  # nothing on the screen from an earlier run
    script -qfec "$1" "$out" <"$work/keys" >/dev/null 2>&1 &
    pid=$!
    exec 5>"$work/keys"
    shows 'Enter the number' && sleep 1 && printf '10 42 y' >&5 && sleep 1 && printf '\r' >&5
}
# shows TEXT: true once the screen shows TEXT; false if the run ends or 20 s pass first.
shows() {
    tries=100
    until grep -qs "$1" "$out"; do
        [ $((tries -= 1)) -gt 0 ] && kill -0 "$pid" 2>/dev/null && sleep 0.2 || return 1
    done
}
# screen: what the terminal shows, without its control sequences and carriage returns.
screen() { sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$out" | tr -d '\r'; }
# waits: the report is on the screen, and the run is still going a second later.
waits() { shows 'Quick Sort count' && sleep 1 && kill -0 "$pid" 2>/dev/null; }

case $name in
ends-early)
    # The real standard input ends as the in-memory one does.
    printf '5 1 ' | "$@" >"$out" 2>"$err"
    check $? 1 "input ended before the answer to whether to print the values was given"
    ;;
read-error)
    "$@" </ >"$out" 2>"$err"
    check $? 1 "could not read standard input"
    ;;
full-at-last-prompt | full-in-listing)
    # A file size limit of 512 bytes (ulimit counts 512-byte blocks). Two bad
    # counts and two bad seeds bring the output to 506 bytes, so the last
    # prompt crosses the limit, and input ends there; or the listing does.
    answers='5000 1 y\n'
    [ $name = full-in-listing ] || answers='x\nx\n5\nx\nx\n1\n'
    (ulimit -f 1 && trap '' XFSZ && printf "$answers" | "$@" >"$out" 2>"$err")
    check $? 1 "could not write standard output"
    ;;
closed-pipe)
    # A pipe whose reader has already gone, so the first write finds it closed.
    # SIGPIPE is left as the parent set it: ignored, the failed write is
    # reported; by default it ends the run silently. Windows has no SIGPIPE,
    # and node ignores it whatever its parent set.
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe" 3<&-
    echo '5000 1 y' | env --ignore-signal=PIPE "$@" >&4 2>"$err"
    check $? 1 "could not write standard output"
    case "$*" in *.exe | *.js) exit 0 ;; esac
    echo '5000 1 y' | env --default-signal=PIPE "$@" >&4 2>"$err"
    check $? 141 ""
    ;;
long-run)
    # What the output buffer writes for the largest listed run: every byte of
    # blocks that split numbers, the platform's line ends, and, where strace can
    # count them, few writes (a Windows console would take one per character).
    # Not -f: a wine server that the run starts would keep strace waiting.
    trace=$(! command -v strace >/dev/null || echo "strace -y -e trace=write -o $work/calls")
    # LeakSanitizer cannot run under ptrace; the other cases check for leaks.
    echo '5000 1 y' | ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" $trace "$@" >"$out" 2>"$err"
    check $? 0 ""
    writes=$([ -z "$trace" ] || grep -c "</.*/out>" "$work/calls")
    [ -z "$trace" ] || { [ "$writes" -ge 1 ] && [ "$writes" -le 10 ]; } || fail "$writes writes, expected 1 to 10"
    cr=$(printf '\r')
    tr -d "$cr" <"$out" >"$work/text"
    case "$*" in *.exe) sed "s/\$/$cr/" "$work/text" ;; *) cat "$work/text" ;; esac | cmp -s - "$out" ||
        fail "not the platform's line ends"
    line() { sed -n "$1p" "$work/text"; }
    [ "$(wc -l <"$work/text")" -eq 14 ] && [ "$(line 5 | wc -w)" -eq 5000 ] && line 14 | grep -q '^Quick Sort count: ' &&
        [ "$(line 5 | tr -s ' ' '\n' | sort -n | tr '\n' ' ')" = "$(line 9)" ] ||
        fail "not two listings of 5000 values, the second sorted, and a report"
    ;;
console)
    # Windows only. In a terminal of its own, wine's console is that terminal.
    # Started alone on it, the program waits for Enter after the report, though
    # the line end of the answers is still in its input; through cmd, or with
    # its input from a pipe, it is not alone or not on the console, and ends at once.
    trap '' PIPE  # typing to a run that has already ended
    on_console "$*"
    # The notice, once, with nothing after it on its line or the next.
    notice='Press Enter to close this window.'
    waits && [ "$(screen | grep -A1 -x "$notice")" = "$notice" ] || fail "alone on its console, it did not wait for Enter"
    printf '\r' >&5
    ! waits && wait "$pid" || fail "Enter did not end the wait"
    on_console "${*% *} cmd /c 'Z:$(echo "${*##* }" | tr / '\\')'"  # the emulator, then cmd /c Z:\...\program.exe
    ! waits && wait "$pid" && ! grep -q 'Press Enter' "$out" || fail "started through cmd, it waited"
    on_console "echo 10 42 y | $*"
    ! waits && wait "$pid" && ! grep -q 'Press Enter' "$out" || fail "with input from a pipe, it waited"
    ;;
*)
    fail "no such case"
    ;;
esac
