// How deep a merge sort's merges go, and what they write: the arithmetic of
// its halving, from the number of values alone.
#pragma once

// The deepest a merge can be in a merge sort of n values, ceil(log2 n), the
// whole range's merge at depth 1; 0 for n <= 1, which makes no merge.
int merge_levels(int n);

// The depth of the merge of values[low..high] in a merge sort of n values, 1
// for the whole range: the halving of 0..n-1 that reaches it.
int merge_depth(int low, int high, int n);

// The elements a merge sort of n values writes back, from n alone: every
// merge writes its whole range, and each depth at most n values, so with
// L = merge_levels(n) it is n L - 2^L + n for n >= 1, and 0 for n <= 0.
long long merge_writes(int n);
