#!/bin/sh
# Runs the built program through its real standard streams in one situation
# that only they can show, and checks its status and both streams.
# usage: program-case.sh CASE COMMAND...  (COMMAND runs the program, with any emulator before it)
set -u
name=$1
shift
work=$(mktemp -d)
pid=
trap 'rm -rf "$work"; [ -z "$pid" ] || kill "$pid" 2>/dev/null' EXIT
out=$work/out err=$work/err
touch "$out" "$err"
unwritten="could not write standard output"

# Says what is wrong, then what the program wrote, printable characters only.
fail() { echo "$name: $*"; head -c 600 "$out" "$err" | tr -cd '[:print:]\n'; exit 1; }

# check STATUS EXPECTED MESSAGE: the exit status, standard error holding
# MESSAGE (nothing when empty) whatever the line ends, and no report from a failed run.
check() {
    [ "$1" -eq "$2" ] || fail "status $1, expected $2"
    [ "$(tr -d '\r' <"$err")" = "${3:+sort-compare: $3}" ] || fail "standard error is not '${3:+sort-compare: $3}'"
    [ "$2" -eq 0 ] || ! grep -q "count:" "$out" || fail "a report was written"
}

# terminal COMMAND [ANSWERS]: runs COMMAND in a terminal of its own (script's),
# whose screen goes to $out, and types ANSWERS once it asks. wine's console can
# miss the first keys typed while it starts, until the next ones come: so the
# line end comes a second later, on its own.
terminal() {
    rm -f "$work/keys" && mkfifo "$work/keys"
    script -qfec "$1" "$out" <"$work/keys" >/dev/null 2>&1 &
    pid=$!
    exec 5>"$work/keys"
    [ -z "${2:-}" ] || { shows 'Enter the number' && sleep 1 && printf %s "$2" >&5 && sleep 1 && printf '\r' >&5; }
}
# shows TEXT: true once the screen shows TEXT; false if the run ends or 20 s pass first.
shows() {
    for _ in $(seq 100); do
        grep -q "$1" "$out" && return 0
        kill -0 "$pid" 2>/dev/null && sleep 0.2 || return 1
    done
    return 1
}
# ended [NOTICE]: the run ended within 20 s, with status 0 and the report, and
# the screen shows the notice that it waits for Enter only when NOTICE is given.
ended() {
    ! shows 'no such text' && ! kill -0 "$pid" 2>/dev/null && wait "$pid" && grep -q 'Quick Sort count' "$out" &&
        { [ -n "${1:-}" ] || ! grep -q 'Press Enter' "$out"; }
}

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
full-disk)
    echo '5000 1 y' | "$@" >/dev/full 2>"$err"
    check $? 1 "$unwritten"
    ;;
full-at-last-prompt | full-in-listing)
    # A file size limit of 512 bytes (ulimit counts 512-byte blocks). Two bad
    # counts and two bad seeds bring the output to 506 bytes, so the last
    # prompt crosses the limit, and input ends there; or the listing does.
    answers='5000 1 y\n'
    [ $name = full-in-listing ] || answers='x\nx\n5\nx\nx\n1\n'
    (ulimit -f 1 && trap '' XFSZ && printf "$answers" | "$@" >"$out" 2>"$err")
    check $? 1 "$unwritten"
    ;;
closed-pipe)
    # A pipe whose reader has already gone, so the first write finds it closed.
    # SIGPIPE is left as the parent set it: by default it ends the run
    # silently; ignored, the failed write is reported. Windows has no SIGPIPE.
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe" 3<&-
    for signal in default ignore; do
        echo '5000 1 y' | env --$signal-signal=PIPE "$@" >&4 2>"$err"
        status=$?
        case "$*:$signal" in
        *.exe:* | *:ignore) check $status 1 "$unwritten" ;;
        *) check $status 141 "" ;;
        esac
    done
    ;;
long-run)
    # What the output buffer writes for the largest listed run: every byte of
    # blocks that split numbers, the platform's line ends, and, where strace can
    # count them, few writes (a Windows console would take one per character).
    trace=
    ! command -v strace >/dev/null || trace="strace -f -y -e trace=write -o $work/calls"
    # LeakSanitizer cannot run under ptrace; the other cases check for leaks.
    echo '5000 1 y' | ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" $trace "$@" >"$out" 2>"$err"
    check $? 0 ""
    [ -z "$trace" ] || [ "$(grep -c "</.*/out>" "$work/calls")" -le 10 ] || fail "more than 10 writes"
    cr=$(printf '\r')
    ends=0
    case "$*" in *.exe) ends=14 ;; esac
    [ "$(tr -cd "$cr" <"$out" | wc -c)" -eq $ends ] && [ "$(grep -c "$cr\$" "$out")" -eq $ends ] ||
        fail "not the platform's line ends"
    tr -d "$cr" <"$out" >"$work/text"
    line() { sed -n "$1p" "$work/text"; }
    [ "$(wc -l <"$work/text")" -eq 14 ] && [ "$(line 5 | wc -w)" -eq 5000 ] && line 14 | grep -q '^Quick Sort count: ' &&
        [ "$(line 5 | tr -s ' ' '\n' | sort -n | tr '\n' ' ')" = "$(line 9)" ] ||
        fail "not two listings of 5000 values, the second sorted, and a report"
    ;;
console)
    # Windows only. In a terminal of its own, wine's console is that terminal.
    # Started alone on it, the program waits for Enter after the report, though
    # the line end of the answers is still in its input; through cmd, or with
    # its input from a file, it is not alone or not on the console, and ends at once.
    printf '10 42 y\n' >"$work/answers"
    for last; do :; done
    emulator=$(echo "$*" | sed 's/ [^ ]*$//')
    terminal "$*" '10 42 y'
    shows 'Press Enter to close this window.' && grep -q 'Quick Sort count' "$out" && sleep 1 && kill -0 "$pid" ||
        fail "alone on its console, it ended without waiting for Enter"
    printf '\r' >&5
    ended notice || fail "Enter did not end the wait"
    terminal "$emulator cmd /c 'Z:$(echo "$last" | tr / '\\')'" '10 42 y'
    ended || fail "started through cmd, it waited"
    terminal "$* <$work/answers"
    ended || fail "with input from a file, it waited"
    ;;
*)
    fail "no such case"
    ;;
esac
