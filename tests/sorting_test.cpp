#include "sorting.hpp"
#include "run_check.hpp"
#include "watch.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

// n values: first, first + step, first + 2 * step, ..., each taken modulo modulus.
std::vector<int> run_of(int n, int first, int step, int modulus = INT32_MAX)
{
    std::vector<int> values(static_cast<std::size_t>(n));
    std::generate(values.begin(), values.end(), [&] { return std::exchange(first, first + step) % modulus; });
    return values;
}

// The quick count where a worked example or a closed form knows it; -1 leaves it to its bounds.
struct Input {
    const char* name;
    std::vector<int> values;
    long long quick;
};

// The array after the k-th operation of a plain run, taken by a watch of its own.
struct StopAt : Unwatched {
    StopAt(const int* array, int size, int stop) : values(array), n(size), k(stop) {}
    const int* values;
    int n, k, step = 0;
    std::vector<int> seen;
    void count()
    {
        if (++step == k) {
            seen.assign(values, values + n);
        }
    }
    void exchanged(int, int) { count(); }
    void written(int, int) { count(); }
    void examined(int, int, int, int) { count(); }
};

// Every sort through one signature, sorting values[low..high], plainly or
// watched; expected is the count it must return, the inversions for insertion
// sort, the closed form for merge sort.
struct Way {
    const char* name;
    const Sort* sort;
    int (*run)(int* values, int low, int high);
    int (*watched)(int* values, int low, int high, StopAt& watch);
    long long (*expected)(const Input& input);
};

const Way ways[] = {
    {"insertion", &::sorts[0],
     [](int* values, int low, int high) { return insertion_sort(values + low, high - low + 1); },
     [](int* values, int low, int high, StopAt& watch) { return insertion_sort(values + low, high - low + 1, watch); },
     [](const Input& input) { return inversions(input.values); }},
    {"merge", &::sorts[1], merge_sort, merge_sort<StopAt>,
     [](const Input& input) { return merge_writes(input.values.size()); }},
    {"quick", &::sorts[2], quick_sort, quick_sort<StopAt>, [](const Input& input) { return input.quick; }},
};

const Input inputs[] = {
    {"empty", {}, 0},
    {"three", {3, 1, 2}, 5},
    {"duplicates", {2, 1, 2, 1, 2}, 7},
    // A greater value examined, then less and equal ones, in one partition.
    {"mixed", {5, 9, 1, 5, 7, 2}, 10},
    {"ascending", run_of(10, 1, 1), 37},
    {"descending", run_of(10, 10, -1), 54},
    {"all_equal", run_of(MAX, 9, 0), MAX},
    // MAX - 1 levels of quick sort recursion: the deepest the program goes.
    {"descending_max", run_of(MAX, MAX, -1), (MAX + 1) * MAX / 2 - 1},
    {"scrambled", run_of(300, 0, 37, 81), -1},
    {"extremes", {INT32_MAX, INT32_MIN, 0, -1, INT32_MAX, INT32_MIN}, 12},
};

class EverySort : public testing::TestWithParam<std::tuple<Way, Input>> {};

// Sorts the input inside a larger array, so that writes outside the range show.
TEST_P(EverySort, SortsItsRangeAloneAndCountsItsWork)
{
    const auto& [sort, input] = GetParam();
    const auto n = static_cast<int>(input.values.size());
    const int low = n + 4 < MAX ? 4 : 0;  // merge's scratch ends at MAX
    std::vector<int> array(static_cast<std::size_t>(low + n + 4), -999);
    std::copy(input.values.begin(), input.values.end(), array.begin() + low);

    const int count = sort.run(array.data(), low, low + n - 1);

    std::vector<int> sorted = input.values;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_TRUE(std::equal(sorted.begin(), sorted.end(), array.begin() + low));
    EXPECT_EQ(std::count(array.begin(), array.end(), -999), low + 4);
    const long long expected = sort.expected(input);
    EXPECT_TRUE(expected >= 0 ? count == expected : plausible_quick_count(input.values, count)) << count;
}

// The watched sort in windows of 7 steps and one of the last 5, jumped about
// in and across, against a plain run stopped at each step and a window that
// holds every step. At thousands of values, a few steps against the plain run
// alone: a window of every step would hold millions.
TEST_P(EverySort, ShowsEachStepAsAPlainRunAtWindowEdgesAndTheEnd)
{
    const auto& [way, input] = GetParam();
    const bool big = input.values.size() > 300;
    const auto n = static_cast<int>(input.values.size());
    Track small(*way.sort, input.values, 7);
    small.keep_end(5);
    Track whole(*way.sort, big ? std::vector<int>{} : input.values, 1 << 20);
    const int count = small.count();
    ASSERT_EQ(whole.count(), big ? 0 : count);
    const std::vector<int> many{count, 0, 6, 7, 8, count / 2, count - 1, count + 5, 14, 13, 1, count};
    const std::vector<int> few{count, 0, 1, count / 2, count - 1, count};
    for (const int k : big ? few : many) {
        small.go(k);
        const int at = std::clamp(k, 0, count);
        std::vector<int> values = input.values;
        StopAt plain(values.data(), n, at);
        EXPECT_EQ(way.watched(values.data(), 0, n - 1, plain), count);
        const State& shown = small.state();
        EXPECT_EQ(shown.step, at);
        EXPECT_EQ(shown.values, at == 0 ? input.values : plain.seen) << "step " << k;
        if (big) {
            continue;
        }
        whole.go(k);
        EXPECT_EQ(shown.pending, whole.state().pending) << "step " << k;
        EXPECT_EQ(shown.marks, whole.state().marks) << "step " << k;
        if (way.sort == &::sorts[1] && shown.marks.low >= 0) {
            EXPECT_TRUE(std::equal(shown.scratch.begin() + shown.marks.low,
                                   shown.scratch.begin() + shown.marks.high + 1,
                                   whole.state().scratch.begin() + shown.marks.low));
        }
    }
    EXPECT_TRUE(std::is_sorted(small.state().values.begin(), small.state().values.end()));
    // Every step in turn, through windows of two: each window's first step is made from the run before it.
    if (!big && count <= 2000) {
        Track pairs(*way.sort, input.values, 2);
        for (int k = 0; k <= count; ++k) {
            pairs.go(k);
            whole.go(k);
            ASSERT_EQ(pairs.state().marks, whole.state().marks) << "step " << k;
            ASSERT_EQ(pairs.state().pending, whole.state().pending) << "step " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, EverySort, testing::Combine(testing::ValuesIn(ways), testing::ValuesIn(inputs)),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param).name) + "_" + std::get<1>(param.param).name;
                         });

}  // namespace
