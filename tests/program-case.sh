#!/bin/sh
# Runs the built program through its real standard streams in one situation
# where input or output fails, and checks its status and both streams.
# usage: program-case.sh CASE COMMAND...  (COMMAND runs the program, with any emulator before it)
set -u
name=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
    # A pipe whose reader has already gone, so the first write finds it closed;
    # and SIGPIPE ignored, as some parents leave it, which must not change the outcome.
    trap '' PIPE
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe" 3<&-
    echo '5000 1 y' | "$@" >&4 2>"$err"
    status=$?
    case "$*" in
    # Windows has no SIGPIPE: the failed write is reported.
    *.exe) expect 1 "could not write standard output" ;;
    # Killed by SIGPIPE, silently, as cat or seq would be.
    *) expect 141 "" ;;
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
*)
    fail "no such case"
    ;;
esac
