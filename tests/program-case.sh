#!/bin/sh
# Runs the built program through its real standard streams in one situation
# where input or output fails, and checks its status and both streams.
# usage: program-case.sh CASE COMMAND...  (COMMAND runs the program, with any emulator before it)
set -u
name=$1
shift
work=$(mktemp -d)
pid=
trap 'rm -rf "$work"; [ -z "$pid" ] || kill "$pid" 2>/dev/null' EXIT
out=$work/out
err=$work/err
: >"$out"
: >"$err"

# Shows what the program wrote, printable characters only.
fail() {
    echo "$name: $*"
    echo "-- standard output (start):"
    head -c 600 "$out" | tr -cd '[:print:]\n'
    echo "-- standard error:"
    tr -cd '[:print:]\n' <"$err"
    exit 1
}

# expect STATUS MESSAGE: the exit status, and standard error holding MESSAGE
# (nothing when empty) whatever the line ends.
expect() {
    [ "$status" -eq "$1" ] || fail "status $status, expected $1"
    [ "$(tr -d '\r' <"$err")" = "${2:+sort-compare: $2}" ] || fail "standard error is not '${2:+sort-compare: $2}'"
    [ "$1" -eq 0 ] || ! grep -q "count:" "$out" || fail "a report was written"
}

# terminal COMMAND [type]: runs COMMAND in a terminal of its own, whose screen
# goes to $out, and types the answers on one line once it asks.
terminal() {
    exec 5>&-
    rm -f "$work/keys"
    mkfifo "$work/keys"
    : >"$out"
    script -qfec "$1" "$out" <"$work/keys" >/dev/null 2>&1 &
    pid=$!
    exec 5>"$work/keys"
    [ -z "${2:-}" ] || { until_seen 'Enter the number' && printf '10 42 y\r' >&5; }
}
# until_seen TEXT: true once the screen shows TEXT, false if the run ends or 10 s pass first.
until_seen() {
    tries=0
    until grep -q "$1" "$out"; do
        kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ] || return 1
        sleep 0.2
        tries=$((tries + 1))
    done
}
# The report, then the notice, and still running a second later.
waits() { until_seen 'Press Enter to close this window.' && grep -q 'Quick Sort count' "$out" && sleep 1 && kill -0 "$pid"; }
# The report, and the run ended with status 0 within 10 s.
ended() { ! until_seen 'no such text' && ! kill -0 "$pid" 2>/dev/null && wait "$pid" && grep -q 'Quick Sort count' "$out"; }
# The same, without the notice.
ended_at_once() { ended && ! grep -q 'Press Enter' "$out"; }

case $name in
ends-before-count | ends-before-seed | ends-before-answer)
    case $name in
    *count) answers='' what='the number of values' ;;
    *seed) answers='5 ' what='the seed' ;;
    *) answers='5 1 ' what='the answer to whether to print the values' ;;
    esac
    printf '%s' "$answers" | "$@" >"$out" 2>"$err"
    status=$?
    expect 1 "input ended before $what was given"
    ;;
read-error)
    "$@" </ >"$out" 2>"$err"
    status=$?
    expect 1 "could not read standard input"
    ;;
full-disk)
    echo '5000 1 y' | "$@" >/dev/full 2>"$err"
    status=$?
    expect 1 "could not write standard output"
    ;;
full-at-last-prompt | full-in-listing)
    # A file size limit of 512 bytes (ulimit counts 512-byte blocks). Two bad
    # counts and two bad seeds bring the output to 506 bytes, so the last
    # prompt crosses the limit, and input ends there; or the listing does.
    case $name in
    *prompt) answers='x\nx\n5\nx\nx\n1\n' ;;
    *) answers='5000 1 y\n' ;;
    esac
    (
        ulimit -f 1 && trap '' XFSZ && printf "$answers" | "$@" >"$out" 2>"$err"
    )
    status=$?
    expect 1 "could not write standard output"
    ;;
endless-bad-answers)
    # Every answer is rejected and no prompt can be written: it must stop anyway.
    yes abc | "$@" >/dev/full 2>"$err"
    status=$?
    expect 1 "could not write standard output"
    ;;
closed-pipe)
    # A pipe whose reader has already gone, so the first write finds it closed.
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe" 3<&-
    case "$*" in
    # Windows has no SIGPIPE: the failed write is reported.
    *.exe)
        echo '5000 1 y' | "$@" >&4 2>"$err"
        status=$?
        expect 1 "could not write standard output"
        ;;
    # SIGPIPE left as the parent set it: by default it ends the run silently;
    # ignored, the failed write is reported.
    *)
        echo '5000 1 y' | env --default-signal=PIPE "$@" >&4 2>"$err"
        status=$?
        expect 141 ""
        echo '5000 1 y' | env --ignore-signal=PIPE "$@" >&4 2>"$err"
        status=$?
        expect 1 "could not write standard output"
        ;;
    esac
    ;;
long-run)
    # The largest listed run, whole: 5000 values listed twice, the second time
    # ascending, and the report, with the platform's line ends.
    echo '5000 1 y' | "$@" >"$out" 2>"$err"
    status=$?
    expect 0 ""
    cr=$(printf '\r')
    case "$*" in
    *.exe) [ "$(grep -c "$cr\$" "$out")" -eq 14 ] || fail "Windows line ends expected" ;;
    esac
    ! sed "s/$cr\$//" "$out" | grep -q "$cr" || fail "a carriage return that does not end a line"
    tr -d "$cr" <"$out" >"$work/text"
    line() { sed -n "$1p" "$work/text"; }
    [ "$(wc -l <"$work/text")" -eq 14 ] && [ "$(line 4)" = "Unsorted array: " ] &&
        [ "$(line 8)" = "Sorted array: " ] && [ -z "$(line 6)$(line 7)$(line 10)$(line 11)" ] &&
        line 12 | grep -qx 'Insertion Sort count: [0-9]*' && [ "$(line 13)" = "Merge Sort count: 61808" ] &&
        line 14 | grep -qx 'Quick Sort count: [0-9]*' || fail "not two listings and a report"
    [ "$(line 5 | wc -w)" -eq 5000 ] || fail "5000 values expected"
    [ "$(line 5 | tr ' ' '\n' | sed '/^$/d' | sort -n | tr '\n' ' ')" = "$(line 9)" ] ||
        fail "the sorted listing is not the unsorted one in ascending order"
    ;;
few-writes)
    # Output goes out in large blocks, even to a device (a console on Windows
    # would otherwise take one write per character): count the write calls.
    most=10
    # LeakSanitizer cannot run under ptrace; the other cases check for leaks.
    echo '5000 1 y' | ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
        strace -f -y -e trace=write,writev -o "$work/calls" "$@" >/dev/null 2>"$err"
    status=$?
    expect 0 ""
    writes=$(grep -c '</dev/null>' "$work/calls")
    [ "$writes" -le "$most" ] || fail "$writes writes to standard output, expected at most $most"
    ;;
console)
    # Windows only. In a terminal of its own (script's), wine's console is that
    # terminal. Started alone on it, the program waits for Enter after the
    # report, though the line end of the answers is still in its input; through
    # cmd, or with its input from a file, it is not alone or not on the console,
    # and ends at once.
    printf '10 42 y\n' >"$work/answers"
    for last; do :; done
    emulator=$(echo "$*" | sed 's/ [^ ]*$//')
    terminal "$*" type
    waits || fail "alone on its console, it ended without waiting for Enter"
    printf '\r' >&5
    ended || fail "Enter did not end the wait"
    terminal "$emulator cmd /c 'Z:$(echo "$last" | tr / '\\')'" type
    ended_at_once || fail "started through cmd, it waited"
    terminal "$* <$work/answers"
    ended_at_once || fail "with input from a file, it waited"
    ;;
*)
    fail "no such case"
    ;;
esac
