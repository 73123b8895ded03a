#include "oracles.hpp"
#include "sorting.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::vector<int>;

// Every sort through one signature: sorts values[low..high], returns its count.
struct Sort {
    const char* name;
    int (*run)(int* values, int low, int high);
};

int insertion_range(int* values, int low, int high) { return insertion_sort(values + low, high - low + 1); }

const Sort sorts[] = {{"insertion", insertion_range}, {"merge", merge_sort}, {"quick", quick_sort}};

Values random_values(unsigned seed, std::size_t length, int largest)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> value(-largest, largest);
    Values values(length);
    std::generate(values.begin(), values.end(), [&] { return value(generator); });
    return values;
}

Values ascending(int n)
{
    Values values(static_cast<std::size_t>(n));
    std::iota(values.begin(), values.end(), 1);
    return values;
}

Values descending(int n)
{
    Values values = ascending(n);
    std::reverse(values.begin(), values.end());
    return values;
}

Values organ_pipe(int n)
{
    Values values = ascending(n);
    values.insert(values.end(), values.rbegin(), values.rend());
    return values;
}

Values sawtooth(int n, int period)
{
    Values values(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<int>(i) % period;
    }
    return values;
}

struct Input {
    std::string name;
    Values values;
};

const Input inputs[] = {
    {"empty", {}},          {"one", {42}},
    {"two_ascending", {1, 2}},  {"two_descending", {2, 1}},
    {"two_equal", {5, 5}},  {"random_1", random_values(1, 300, 40)},
    {"random_2", random_values(2, 301, 1000)}, {"random_3", random_values(3, 17, 3)},
    {"ascending", ascending(100)}, {"descending", descending(100)},
    {"all_equal", Values(64, 7)}, {"few_distinct", random_values(4, 200, 1)},
    {"organ_pipe", organ_pipe(50)}, {"sawtooth", sawtooth(120, 7)},
    {"extremes", {INT32_MAX, INT32_MIN, 0, -1, INT32_MAX, INT32_MIN}}};

// Readable parameter names in test output.
void PrintTo(const Sort& sort, std::ostream* out) { *out << sort.name; }
void PrintTo(const Input& input, std::ostream* out) { *out << input.name; }

class EverySort : public testing::TestWithParam<std::tuple<Sort, Input>> {};

// Sorts the input inside a larger array, so that writes outside the range show.
TEST_P(EverySort, SortsItsRangeAndNothingElse)
{
    const auto& [sort, input] = GetParam();
    constexpr int guard = 4;
    Values array(input.values.size() + 2 * guard, -999);
    std::copy(input.values.begin(), input.values.end(), array.begin() + guard);

    const int count = sort.run(array.data(), guard, guard + static_cast<int>(input.values.size()) - 1);

    Values expected = input.values;
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), array.begin() + guard));
    EXPECT_EQ(std::count(array.begin(), array.end(), -999), 2 * guard);
    if (input.values.size() < 2) {
        EXPECT_EQ(count, 0);
    }
    if (sort.run == insertion_range) {
        EXPECT_EQ(count, inversions(input.values));
    }
    if (sort.run == merge_sort) {
        EXPECT_EQ(count, merge_writes(MAX)[input.values.size()]);
    }
}

std::string case_name(const testing::TestParamInfo<EverySort::ParamType>& param)
{
    return std::string(std::get<0>(param.param).name) + "_" + std::get<1>(param.param).name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, EverySort, testing::Combine(testing::ValuesIn(sorts), testing::ValuesIn(inputs)),
                         case_name);

// The worked examples, and worst cases whose counts have closed forms.
TEST(Counts, MatchTheWorkedExamplesAndClosedForms)
{
    const struct {
        int (*sort)(int* values, int low, int high);
        Values values;
        int count;
    } examples[] = {
        {insertion_range, {3, 1, 2}, 2}, {insertion_range, {2, 1, 2, 1, 2}, 3}, {insertion_range, {2, 1}, 1},
        {insertion_range, descending(5), 10}, {insertion_range, descending(10), 45},
        {insertion_range, descending(MAX), MAX * (MAX - 1) / 2},
        {merge_sort, {3, 1, 2}, 5}, {merge_sort, Values(10, 3), 34},
        {quick_sort, {1, 2}, 2}, {quick_sort, {3, 1, 2}, 5}, {quick_sort, {2, 1, 2, 1, 2}, 7},
        {quick_sort, ascending(5), 11}, {quick_sort, descending(5), 14},
        {quick_sort, ascending(10), 37}, {quick_sort, descending(10), 54},
        {quick_sort, Values(2, 9), 2}, {quick_sort, Values(MAX, 9), MAX},
        // MAX - 1 levels of recursion: the deepest the program ever goes.
        {quick_sort, descending(MAX), MAX * (MAX + 1) / 2 - 1},
    };
    for (const auto& example : examples) {
        Values values = example.values;
        EXPECT_EQ(example.sort(values.data(), 0, static_cast<int>(values.size()) - 1), example.count)
            << values.size() << " values";
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    }
}

TEST(Counts, MergeWritesDependOnTheLengthAlone)
{
    const std::vector<int> expected = merge_writes(MAX);
    EXPECT_EQ(expected[10], 34);
    EXPECT_EQ(expected[100], 672);
    const Values pool = random_values(5, MAX, 1000);
    for (int m = 0; m <= MAX; ++m) {
        Values values(pool.begin(), pool.begin() + m);
        ASSERT_EQ(merge_sort(values.data(), 0, m - 1), expected[static_cast<std::size_t>(m)]) << m << " values";
    }
}

TEST(Partition, SplitsARangeThreeWaysInOnePass)
{
    std::mt19937 generator(6);
    for (int trial = 0; trial < 500; ++trial) {
        Values values = random_values(static_cast<unsigned>(generator()), 40, 5);
        const int low = static_cast<int>(generator() % 20);
        const int high = low + static_cast<int>(generator() % 20);
        const int pivot = values[static_cast<std::size_t>(low) + generator() % static_cast<unsigned>(high - low + 1)];
        const Values before = values;

        int less_end = 0;
        int greater_start = 0;
        ASSERT_EQ(partition(values.data(), low, high, pivot, less_end, greater_start), high - low + 1);

        ASSERT_TRUE(low - 1 <= less_end && less_end < greater_start - 1 && greater_start <= high + 1);
        for (int k = 0; k < static_cast<int>(values.size()); ++k) {
            const int v = values[static_cast<std::size_t>(k)];
            const bool in_place = k < low || k > high ? v == before[static_cast<std::size_t>(k)]
                                  : k <= less_end     ? v < pivot
                                  : k < greater_start ? v == pivot
                                                      : v > pivot;
            ASSERT_TRUE(in_place) << "position " << k;
        }
        ASSERT_TRUE(std::is_permutation(values.begin(), values.end(), before.begin()));
    }
}

}  // namespace
