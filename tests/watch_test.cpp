#include "watch.hpp"
#include "sorting.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::vector<int>;
const char* const sort_names[] = {"insertion", "merge", "quick"};

// Worked by hand: the array after each operation, and where the operation was
// (the element inserted, written or examined, and the one exchanged with or,
// for merge, the scratch position written from).
struct Worked {
    Sort sort;
    Values input;
    std::vector<std::tuple<Values, int, int>> steps;
};

const Worked worked[] = {
    {Sort::insertion, {3, 1, 2}, {{{1, 3, 2}, 0, 1}, {{1, 2, 3}, 1, 2}}},
    {Sort::insertion, {2, 1, 2, 1, 2}, {{{1, 2, 2, 1, 2}, 0, 1}, {{1, 2, 1, 2, 2}, 2, 3}, {{1, 1, 2, 2, 2}, 1, 2}}},
    // The first write leaves 1 twice and no 3: the 3 is in scratch.
    {Sort::merge,
     {3, 1, 2},
     {{{1, 1, 2}, 0, 1}, {{1, 3, 2}, 1, 0}, {{1, 3, 2}, 0, 0}, {{1, 2, 2}, 1, 2}, {{1, 2, 3}, 2, 1}}},
    {Sort::quick,
     {3, 1, 2},
     {{{3, 1, 2}, 0, 0}, {{1, 3, 2}, 1, 0}, {{1, 2, 3}, 2, 1}, {{1, 2, 3}, 0, 0}, {{1, 2, 3}, 1, 1}}},
    {Sort::quick,
     {2, 1, 2, 1, 2},
     {{{2, 1, 2, 1, 2}, 0, 0},
      {{1, 2, 2, 1, 2}, 1, 0},
      {{1, 2, 2, 1, 2}, 2, 2},
      {{1, 1, 2, 2, 2}, 3, 1},
      {{1, 1, 2, 2, 2}, 4, 4},
      {{1, 1, 2, 2, 2}, 0, 0},
      {{1, 1, 2, 2, 2}, 1, 1}}},
};

class WorkedSteps : public testing::TestWithParam<Worked> {};

// Every step forward, then back, through windows of two steps: each shows
// the array right after its operation, never before it.
TEST_P(WorkedSteps, ShowEachOperationOnceItIsDone)
{
    const Worked& w = GetParam();
    Track track(w.sort, w.input, 2);
    ASSERT_EQ(track.count(), static_cast<int>(w.steps.size()));
    EXPECT_EQ(track.shown().values, w.input);
    std::vector<int> order;
    for (int k = 1; k <= track.count(); ++k) {
        order.push_back(k);
    }
    order.insert(order.end(), order.rbegin(), order.rend());
    for (const int k : order) {
        track.go(k);
        const auto& [values, at, other] = w.steps[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(track.shown().values, values) << "step " << k;
        EXPECT_EQ(std::tuple(track.shown().marks.at, track.shown().marks.other), std::tuple(at, other)) << "step " << k;
    }
    track.go(0);
    EXPECT_EQ(track.shown().values, w.input);
}

INSTANTIATE_TEST_SUITE_P(Inputs, WorkedSteps, testing::ValuesIn(worked), [](const auto& param) {
    return std::string(sort_names[static_cast<int>(param.param.sort)]) + "_" + std::to_string(param.index);
});

TEST(WorkedSteps, MergeShowsItsRunsInScratchAndQuickTheRangesWaiting)
{
    Track merge(Sort::merge, {3, 1, 2});
    merge.go(4);  // 1 and 3 from the left run, 2 from the right
    const Values scratch(merge.shown().scratch.begin(), merge.shown().scratch.end());
    EXPECT_EQ(scratch, (Values{1, 3, 2}));
    EXPECT_EQ(std::tuple(merge.shown().marks.left_next, merge.shown().marks.right_next), std::tuple(1, 3));

    Track quick(Sort::quick, {3, 1, 2});
    EXPECT_EQ(quick.shown().pending, (Values{0, 2}));
    quick.go(3);  // the first partition done: 1, 2 below the pivot wait
    EXPECT_EQ(quick.shown().pending, (Values{0, 1}));
    EXPECT_EQ(std::tuple(quick.shown().marks.less_end, quick.shown().marks.greater_start), std::tuple(1, 3));
    quick.go(4);
    EXPECT_EQ(quick.shown().pending, Values{});
    EXPECT_EQ(std::tuple(quick.shown().marks.pivot, quick.shown().marks.next), std::tuple(1, 1));
}

// The array after the k-th operation of a plain run, taken by a watch of its own.
struct StopAt : Unwatched {
    StopAt(const Values& array, int stop) : values(array.data()), n(static_cast<int>(array.size())), k(stop) {}
    const int* values;
    int n, k, step = 0;
    Values seen;
    void count() { seen = ++step == k ? Values(values, values + n) : seen; }
    void exchanged(int, int) { count(); }
    void written(int, int) { count(); }
    void examined(int, int, int) { count(); }
};

int run(Sort sort, Values& values, StopAt& watch)
{
    const int n = static_cast<int>(values.size());
    return sort == Sort::insertion ? insertion_sort(values.data(), n, watch)
           : sort == Sort::merge   ? merge_sort(values.data(), 0, n - 1, watch)
                                   : quick_sort(values.data(), 0, n - 1, watch);
}

Values random_values(int n)
{
    std::mt19937 random(7);
    Values values(static_cast<std::size_t>(n));
    std::generate(values.begin(), values.end(), [&] { return static_cast<int>(random() % 50); });
    return values;
}

const std::pair<const char*, Values> inputs[] = {
    {"empty", {}},
    {"one", {5}},
    {"ascending", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    {"descending", {40, 35, 30, 25, 20, 15, 10, 5, 0, -5, -10}},
    {"all_equal", Values(9, 4)},
    {"random", random_values(200)},
};
const Sort sorts[] = {Sort::insertion, Sort::merge, Sort::quick};

class EveryInput : public testing::TestWithParam<std::tuple<Sort, std::pair<const char*, Values>>> {};

// Windows of 7 steps, jumped about in and across, against a plain run and a
// window that holds every step.
TEST_P(EveryInput, StepsAgreeWithAPlainRunAtWindowEdgesAndTheEnd)
{
    const auto& [sort, input] = GetParam();
    Values sorted = input.second;
    StopAt none(sorted, 0);
    const int count = run(sort, sorted, none);
    Track small(sort, input.second, 7);
    Track whole(sort, input.second, 1 << 20);
    ASSERT_EQ(small.count(), count);
    ASSERT_EQ(whole.count(), count);
    for (const int k : {count, 0, 6, 7, 8, count / 2, count - 1, count + 5, 14, 13, 1, count}) {
        small.go(k);
        whole.go(k);
        const int at = std::clamp(k, 0, count);
        Values values = input.second;
        StopAt plain(values, at);
        run(sort, values, plain);
        const State& shown = small.shown();
        EXPECT_EQ(shown.step, at);
        EXPECT_EQ(shown.values, at == 0 ? input.second : plain.seen) << "step " << k;
        EXPECT_EQ(shown.pending, whole.shown().pending) << "step " << k;
        const Marks& a = shown.marks;
        const Marks& b = whole.shown().marks;
        EXPECT_EQ(std::tie(a.low, a.high, a.mid, a.at, a.other, a.left_next, a.right_next, a.pivot, a.less_end, a.next,
                           a.greater_start),
                  std::tie(b.low, b.high, b.mid, b.at, b.other, b.left_next, b.right_next, b.pivot, b.less_end, b.next,
                           b.greater_start))
            << "step " << k;
        if (sort == Sort::merge && a.low >= 0) {
            EXPECT_TRUE(std::equal(shown.scratch.begin() + a.low, shown.scratch.begin() + a.high + 1,
                                   whole.shown().scratch.begin() + a.low));
        }
    }
    EXPECT_EQ(small.shown().values, sorted);
}

INSTANTIATE_TEST_SUITE_P(Inputs, EveryInput, testing::Combine(testing::ValuesIn(sorts), testing::ValuesIn(inputs)),
                         [](const auto& param) {
                             return std::string(sort_names[static_cast<int>(std::get<0>(param.param))]) + "_" +
                                    std::get<1>(param.param).first;
                         });

}  // namespace
