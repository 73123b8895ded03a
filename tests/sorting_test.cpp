#include "oracles.hpp"
#include "sorting.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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

// n values with values[i] = shape(i).
template <typename Shape> Values shaped(int n, Shape shape)
{
    Values values(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        values[static_cast<std::size_t>(i)] = shape(i);
    }
    return values;
}

Values random_values(unsigned seed, int n, int largest)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> value(-largest, largest);
    return shaped(n, [&](int) { return value(generator); });
}

Values ascending(int n) { return shaped(n, [](int i) { return i + 1; }); }
Values descending(int n) { return shaped(n, [n](int i) { return n - i; }); }

struct Input {
    const char* name;
    Values values;
};

const Input inputs[] = {
    {"empty", {}}, {"one", {42}}, {"two_descending", {2, 1}}, {"two_equal", {5, 5}},
    {"random_1", random_values(1, 300, 40)}, {"random_2", random_values(2, 301, 1000)},
    {"ascending", ascending(100)}, {"descending", descending(100)}, {"all_equal", Values(64, 7)},
    {"few_distinct", random_values(4, 200, 1)},
    {"organ_pipe", shaped(100, [](int i) { return std::min(i, 99 - i); })},
    {"sawtooth", shaped(120, [](int i) { return i % 7; })},
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
        {insertion_range, {3, 1, 2}, 2}, {insertion_range, {2, 1, 2, 1, 2}, 3},
        {insertion_range, descending(MAX), MAX * (MAX - 1) / 2}, {merge_sort, {3, 1, 2}, 5},
        {quick_sort, {1, 2}, 2}, {quick_sort, {3, 1, 2}, 5}, {quick_sort, {2, 1, 2, 1, 2}, 7},
        {quick_sort, ascending(5), 11}, {quick_sort, descending(5), 14}, {quick_sort, ascending(10), 37},
        {quick_sort, descending(10), 54}, {quick_sort, Values(MAX, 9), MAX},
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
    EXPECT_EQ(merge_writes(10), 34);
    EXPECT_EQ(merge_writes(100), 672);
    const Values pool = random_values(5, MAX, 1000);
    for (int m = 0; m <= MAX; ++m) {
        Values values(pool.begin(), pool.begin() + m);
        ASSERT_EQ(merge_sort(values.data(), 0, m - 1), merge_writes(m)) << m << " values";
    }
}

TEST(Partition, SplitsARangeThreeWaysInOnePass)
{
    std::mt19937 generator(6);
    for (int trial = 0; trial < 500; ++trial) {
        Values values = random_values(static_cast<unsigned>(generator()), 40, 5);
        const Values before = values;
        const int low = static_cast<int>(generator() % 20);
        const int high = low + static_cast<int>(generator() % 20);
        const int pivot = values[static_cast<std::size_t>(low) + generator() % static_cast<unsigned>(high - low + 1)];
        int less_end = 0;
        int greater_start = 0;

        ASSERT_EQ(partition(values.data(), low, high, pivot, less_end, greater_start), high - low + 1);
        ASSERT_TRUE(low - 1 <= less_end && less_end < greater_start - 1 && greater_start <= high + 1);
        for (int k = 0; k < 40; ++k) {
            const int v = values[static_cast<std::size_t>(k)];
            ASSERT_TRUE(k < low || k > high ? v == before[static_cast<std::size_t>(k)]
                        : k <= less_end     ? v < pivot
                        : k < greater_start ? v == pivot
                                            : v > pivot)
                << "position " << k;
        }
        ASSERT_TRUE(std::is_permutation(values.begin(), values.end(), before.begin()));
    }
}

}  // namespace
