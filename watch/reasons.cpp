#include "reasons.hpp"

#include "sorting.hpp"

#include <algorithm>

namespace {

// Told of the quick sort's partitions: how many, how deep, and what the first leaves.
struct Census {
    std::vector<int> waiting{1};  // the depths of the ranges left to partition, the next last
    int depth = 0;
    Reasons& reasons;

    void exchanged(int, int) {}
    void merging(int, int, int, const int*) {}
    void written(int, int) {}
    void examined(int, int, int, int) {}
    void partitioning(int, int, int)
    {
        depth = waiting.back();
        waiting.pop_back();
        reasons.deepest = std::max(reasons.deepest, depth);
        ++reasons.partitions;
    }
    void partitioned(int low, int less_end, int greater_start, int high)
    {
        if (reasons.partitions == 1) {
            reasons.first_less = less_end - low + 1;
            reasons.first_greater = high - greater_start + 1;
        }
        // Each region of two or more values is partitioned, one deeper.
        if (less_end > low) {
            waiting.push_back(depth + 1);
        }
        if (high > greater_start) {
            waiting.push_back(depth + 1);
        }
    }
};

}  // namespace

Reasons reasons_for(const std::vector<int>& values)
{
    const long long n = static_cast<long long>(values.size());
    Reasons reasons;
    reasons.pairs = n * (n - 1) / 2;
    reasons.average_tenths = n * (n - 1) * 10 / 4;
    reasons.levels = merge_levels(static_cast<int>(n));
    reasons.power = 1LL << reasons.levels;
    reasons.writes = merge_writes(static_cast<int>(n));
    reasons.descending = n >= 2 ? n * (n + 1) / 2 - 1 : 0;

    std::vector<int> copy = values;
    Census census{{1}, 0, reasons};
    reasons.examined = quick_sort(copy.data(), 0, static_cast<int>(n) - 1, census);
    reasons.repeats = std::adjacent_find(copy.begin(), copy.end()) != copy.end();
    return reasons;
}
