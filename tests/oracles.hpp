// Independent ways to know what a sort must report, for the tests and the fuzzer.
#pragma once

#include <cstdint>
#include <vector>

// Pairs of positions p < q with values[p] > values[q], counted pair by pair.
inline std::int64_t inversions(const std::vector<int>& values)
{
    std::int64_t pairs = 0;
    for (std::size_t q = 1; q < values.size(); ++q) {
        for (std::size_t p = 0; p < q; ++p) {
            pairs += values[p] > values[q] ? 1 : 0;
        }
    }
    return pairs;
}

// Elements a top-down merge sort writes back for m values:
// M(m) = M(ceil(m/2)) + M(floor(m/2)) + m, M(0) = M(1) = 0.
inline int merge_writes(int m)
{
    return m <= 1 ? 0 : merge_writes((m + 1) / 2) + merge_writes(m / 2) + m;
}
