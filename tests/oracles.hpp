// Independent ways to know what a sort must report, for the tests.
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

// M(m): elements a top-down merge sort writes back for m values, from
// M(m) = M(ceil(m/2)) + M(floor(m/2)) + m, M(0) = M(1) = 0.
inline std::vector<int> merge_writes(int largest)
{
    std::vector<int> m(static_cast<std::size_t>(largest) + 1, 0);
    for (std::size_t n = 2; n < m.size(); ++n) {
        m[n] = m[(n + 1) / 2] + m[n / 2] + static_cast<int>(n);
    }
    return m;
}
