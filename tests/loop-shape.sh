#!/bin/sh
# The insertion sort's inner loop as compiled: from the target of the
# function's shortest backward conditional jump to that jump. Each step may
# read the array once, for the left neighbour; the element being inserted stays
# in a register. Reading it back from where the last exchange stored it makes
# the loop wait on that store at every step.
# usage: loop-shape.sh OBJDUMP OBJECT
"$1" -d --no-show-raw-insn "$2" | awk '
/^[0-9a-f]+ <.*>:$/ { inside = /insertion_sort/; next }  # that function alone
!inside || !/:\t/ { next }
{
    split($0, field, "\t")
    address = field[1]; sub(/^ */, "", address); sub(/:$/, "", address)
    n = split(field[2], word, " ")
    line[++count] = field[2]; at[address] = count
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
}'
