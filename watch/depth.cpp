#include "depth.hpp"

int merge_levels(int n)
{
    int levels = 0;
    while ((1LL << levels) < n) {
        ++levels;
    }
    return levels;
}

int merge_depth(int low, int high, int n)
{
    int depth = 1;
    for (int from = 0, to = n - 1; from != low || to != high; ++depth) {
        const int mid = (from + to) / 2;
        (high <= mid ? to : from) = high <= mid ? mid : mid + 1;
    }
    return depth;
}

long long merge_writes(int n)
{
    if (n <= 0) {
        return 0;
    }
    const int levels = merge_levels(n);
    return 1LL * n * levels - (1LL << levels) + n;
}
