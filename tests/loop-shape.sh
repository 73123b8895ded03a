#!/bin/sh
# The insertion sort's inner loop as compiled: from the target of the
# function's shortest backward conditional jump to that jump. Each step may
# read the array once, for the left neighbour; the element being inserted stays
# in a register. Reading it back from where the last exchange stored it makes
# the loop wait on that store at every step.
# With "placed", FILE is the linked program, and where the code landed counts
# too: every sort starts on a 64-byte boundary, and the loop lies within one
# 32-byte block, which the processor fetches and caches as one. A loop across
# two blocks made the whole listed 5000-value run a fifth slower on AMD EPYC.
# usage: loop-shape.sh OBJDUMP FILE [placed]
"$1" -d --no-show-raw-insn "$2" | awk -v placed="${3:-}" '
function number(hex,    i, n) {
    for (i = 1; i <= length(hex); ++i) { n = n * 16 + index("0123456789abcdef", substr(hex, i, 1)) - 1 }
    return n
}
/^[0-9a-f]+ <.*>:$/ {
    inside = /insertion_sort/  # that function alone
    # A sort, by its mangled name (MinGW 32-bit adds an underscore), or a clone the compiler made of one.
    if (placed && /<_+Z[0-9]+(insertion_sort|merge_sort|merge|quick_sort|partition)[IP]/) {
        ++sorts
        if (number($1) % 64) { print "loop-shape: " $2 " does not start on a 64-byte boundary"; ++misplaced }
    }
    next
}
!inside || !/:\t/ { next }
{
    split($0, field, "\t")
    address = field[1]; sub(/^ */, "", address); sub(/:$/, "", address)
    n = split(field[2], word, " ")
    line[++count] = field[2]; at[address] = count; where[count] = address
    # A memory operand read, not on the stack: a mov whose destination is a register, or any other use but lea and nop.
    reads[count] = field[2] ~ /\(/ && field[2] !~ /%[er]sp/ && word[1] !~ /^(lea|nop)/ && (word[1] !~ /^mov/ || field[2] !~ /\)$/)
    if (word[1] ~ /^j/ && word[1] != "jmp" && (word[2] in at) && (best == 0 || count - at[word[2]] < best)) {
        best = count - at[word[2]]; first = at[word[2]]; last = count
    }
}
END {
    if (best == 0) { print "loop-shape: no loop found in insertion_sort"; exit 1 }
    for (i = first; i <= last; ++i) { loads += reads[i]; print (reads[i] ? "  load  " : "        ") line[i] }
    if (loads != 1) { print "loop-shape: " loads " loads of the array per step, expected 1"; exit 1 }
    if (!placed) { exit 0 }
    # The loop ends where the instruction after its jump starts.
    print "loop-shape: the loop is from " where[first] " to before " where[last + 1] "; " sorts - misplaced " of " sorts " sorts start on 64-byte boundaries"
    if (int(number(where[first]) / 32) != int((number(where[last + 1]) - 1) / 32)) { print "loop-shape: the loop crosses a 32-byte boundary"; exit 1 }
    if (sorts < 5 || misplaced) { print "loop-shape: expected the five sorts at least, all on 64-byte boundaries"; exit 1 }
}'
