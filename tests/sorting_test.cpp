#include "sorting.hpp"
#include "run_check.hpp"

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

// Every sort through one signature, sorting values[low..high]; expected is the
// count it must return, the inversions for insertion sort, the closed form for merge sort.
struct Sort {
    const char* name;
    int (*run)(int* values, int low, int high);
    long long (*expected)(const Input& input);
};

const Sort sorts[] = {
    {"insertion", [](int* values, int low, int high) { return insertion_sort(values + low, high - low + 1); },
     [](const Input& input) { return inversions(input.values); }},
    {"merge", merge_sort, [](const Input& input) { return merge_writes(input.values.size()); }},
    {"quick", quick_sort, [](const Input& input) { return input.quick; }},
};

const Input inputs[] = {
    {"empty", {}, 0},
    {"three", {3, 1, 2}, 5},
    {"duplicates", {2, 1, 2, 1, 2}, 7},
    {"ascending", run_of(10, 1, 1), 37},
    {"descending", run_of(10, 10, -1), 54},
    {"all_equal", run_of(MAX, 9, 0), MAX},
    // MAX - 1 levels of quick sort recursion: the deepest the program goes.
    {"descending_max", run_of(MAX, MAX, -1), (MAX + 1) * MAX / 2 - 1},
    {"scrambled", run_of(300, 0, 37, 81), -1},
    {"extremes", {INT32_MAX, INT32_MIN, 0, -1, INT32_MAX, INT32_MIN}, 12},
};

class EverySort : public testing::TestWithParam<std::tuple<Sort, Input>> {};

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

INSTANTIATE_TEST_SUITE_P(Inputs, EverySort, testing::Combine(testing::ValuesIn(sorts), testing::ValuesIn(inputs)),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param).name) + "_" + std::get<1>(param.param).name;
                         });

}  // namespace
