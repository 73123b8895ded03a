// What each counted operation belongs to, as the watch shows it, and the
// numbers that explain the counts, against sorts written apart from the
// program's: inversions counted pair by pair, and the merges and partitions
// of a reference merge sort and three-way quick sort.
#include "reasons.hpp"
#include "run_check.hpp"
#include "sorting.hpp"
#include "watch.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace {

using Values = std::vector<int>;

// The merge or partition an operation belongs to: its range's length and depth.
struct Owner {
    int length, depth;
    bool operator==(const Owner& o) const { return length == o.length && depth == o.depth; }
};

// A merge writes its whole range back: which values are written where does not matter here.
void merge_owners(int low, int high, int depth, std::vector<Owner>& owners)
{
    if (low < high) {
        const int mid = low + (high - low) / 2;
        merge_owners(low, mid, depth + 1, owners);
        merge_owners(mid + 1, high, depth + 1, owners);
        owners.insert(owners.end(), static_cast<std::size_t>(high - low + 1), Owner{high - low + 1, depth});
    }
}

// Dijkstra's three-way partition around the range's first value, scanning up
// with lt and i and down with gt, as the quick sort's own partition does.
void quick_owners(Values& v, int low, int high, int depth, std::vector<Owner>& owners)
{
    if (low >= high) {
        return;
    }
    const int pivot = v[static_cast<std::size_t>(low)];
    int lt = low;
    int gt = high;
    for (int i = low; i <= gt;) {
        owners.push_back({high - low + 1, depth});
        int& x = v[static_cast<std::size_t>(i)];
        if (x < pivot) {
            std::swap(x, v[static_cast<std::size_t>(lt++)]);
            ++i;
        } else if (x > pivot) {
            std::swap(x, v[static_cast<std::size_t>(gt--)]);
        } else {
            ++i;
        }
    }
    quick_owners(v, low, lt - 1, depth + 1, owners);
    quick_owners(v, gt + 1, high, depth + 1, owners);
}

struct Input {
    std::string name;
    Values values;
};

Values drawn(int n, int seed, int spread)
{
    std::srand(static_cast<unsigned>(seed));
    Values v(static_cast<std::size_t>(n));
    for (int& x : v) {
        x = std::rand() % spread;
    }
    return v;
}

std::vector<Input> inputs()
{
    std::vector<Input> all;
    for (const int n : {0, 1, 2, 3, 17, 300}) {
        for (const int spread : {5, 1 << 30}) {
            Values v = drawn(n, n + spread, spread);
            const std::string name = std::to_string(n) + (spread == 5 ? "_repeating" : "_distinct");
            all.push_back({name + "_generated", v});
            std::sort(v.begin(), v.end());
            all.push_back({name + "_ascending", v});
            std::reverse(v.begin(), v.end());
            all.push_back({name + "_descending", v});
        }
    }
    return all;
}

class Explained : public testing::TestWithParam<Input> {};

// At every step, through windows of 64 steps, forward and from the end back.
TEST_P(Explained, EachOperationBelongsToTheMergeOrPartitionOfTheReferenceSort)
{
    const Values& input = GetParam().values;
    const int n = static_cast<int>(input.size());
    std::vector<Owner> merges;
    merge_owners(0, n - 1, 1, merges);
    std::vector<Owner> partitions;
    Values copy = input;
    quick_owners(copy, 0, n - 1, 1, partitions);

    Track insertion(sorts[0], input, 64);
    EXPECT_EQ(insertion.count(), inversions(input));
    for (const auto& [sort, owners] : {std::pair(&sorts[1], &merges), std::pair(&sorts[2], &partitions)}) {
        Track track(*sort, input, 64);
        ASSERT_EQ(track.count(), static_cast<int>(owners->size())) << sort->name;
        for (int i = 1; i < 2 * track.count(); ++i) {
            const int k = i <= track.count() ? i : 2 * track.count() - i;
            track.go(k);
            const Marks& marks = track.state().marks;
            EXPECT_EQ((Owner{marks.high - marks.low + 1, marks.depth}), (*owners)[static_cast<std::size_t>(k - 1)])
                << sort->name << " at step " << k;
            EXPECT_LE(marks.depth, sort == &sorts[1] ? merge_levels(n) : n);
        }
    }

    const Reasons reasons = reasons_for(input);
    const auto deepest = [](const std::vector<Owner>& owners) {
        return std::accumulate(owners.begin(), owners.end(), 0,
                               [](int most, const Owner& owner) { return std::max(most, owner.depth); });
    };
    EXPECT_EQ(reasons.levels, deepest(merges));
    EXPECT_EQ(reasons.deepest, deepest(partitions));
    // A partition's examinations come together, as many as its range is long.
    int count = 0;
    for (std::size_t k = 0; k < partitions.size(); k += static_cast<std::size_t>(partitions[k].length)) {
        ++count;
    }
    EXPECT_EQ(std::pair(reasons.partitions, reasons.examined), std::pair(count, static_cast<int>(partitions.size())));
    EXPECT_EQ(reasons.repeats, std::set<int>(input.begin(), input.end()).size() < input.size());
    if (n >= 2) {
        EXPECT_EQ(reasons.first_less, std::count_if(input.begin(), input.end(), [&](int x) { return x < input[0]; }));
        EXPECT_EQ(reasons.first_greater,
                  std::count_if(input.begin(), input.end(), [&](int x) { return x > input[0]; }));
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, Explained, testing::ValuesIn(inputs()),
                         [](const auto& param) { return param.param.name; });

// The formula against the count, for every number of values the program takes.
TEST(Reasons, MergeWritesAreTheFormulaForEveryNumberOfValues)
{
    EXPECT_EQ(merge_writes(10), 34);
    EXPECT_EQ(merge_writes(100), 672);
    Values values = drawn(MAX, 1, 1 << 30);
    for (int n = 0; n <= MAX; ++n) {
        Values copy(values.begin(), values.begin() + n);
        ASSERT_EQ(merge_writes(n), sorts[1].plain(copy.data(), n)) << n;
    }
}

// Over every order of n distinct values the inversions average n(n - 1)/4; the
// merges' levels reach the least power of two that holds the values.
TEST(Reasons, TheAverageIsOverEveryOrderAndThePowerHoldsTheValues)
{
    for (int n = 0; n <= 7; ++n) {
        Values order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        const Reasons reasons = reasons_for(order);
        long long sum = 0;
        long long orders = 0;
        do {
            sum += inversions(order);
            ++orders;
        } while (std::next_permutation(order.begin(), order.end()));
        EXPECT_EQ(reasons.average_tenths, sum * 10 / orders) << n;
        EXPECT_EQ(reasons.writes, sorts[1].plain(order.data(), n)) << n;
        EXPECT_TRUE(reasons.power >= n && reasons.power < 2 * std::max(n, 1)) << n;
        EXPECT_EQ(1LL << reasons.levels, reasons.power) << n;
    }
}

// On distinct descending values every pivot is its range's largest: n(n + 1)/2 - 1, and no more inversions.
TEST(Reasons, DescendingDistinctValuesTakeTheTriangularCount)
{
    for (const int n : {0, 1, 2, 3, 10, 1000}) {
        Values down(static_cast<std::size_t>(n));
        std::iota(down.rbegin(), down.rend(), -n / 2);
        const Reasons reasons = reasons_for(down);
        EXPECT_EQ(reasons.pairs, inversions(down)) << n;
        EXPECT_EQ(reasons.descending, sorts[2].plain(down.data(), n)) << n;
        EXPECT_EQ(reasons.repeats, false) << n;
    }
}

}  // namespace
