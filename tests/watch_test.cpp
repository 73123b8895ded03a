#include "watch.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::vector<int>;
const Sort* const insertion = &sorts[0];
const Sort* const merge = &sorts[1];
const Sort* const quick = &sorts[2];

// Worked by hand: the array after each operation, where the operation was
// (the element inserted, written or examined, and the one exchanged with or,
// for merge, the scratch position written from), and the range it works on
// (the part being sorted, the merge's or the partition's).
struct Worked {
    const Sort* sort;
    Values input;
    std::vector<std::tuple<Values, int, int, int, int>> steps;
};

const Worked worked[] = {
    {insertion, {3, 1, 2}, {{{1, 3, 2}, 0, 1, 0, 1}, {{1, 2, 3}, 1, 2, 0, 2}}},
    {insertion,
     {2, 1, 2, 1, 2},
     {{{1, 2, 2, 1, 2}, 0, 1, 0, 1}, {{1, 2, 1, 2, 2}, 2, 3, 0, 3}, {{1, 1, 2, 2, 2}, 1, 2, 0, 3}}},
    // The first write leaves 1 twice and no 3: the 3 is in scratch.
    {merge,
     {3, 1, 2},
     {{{1, 1, 2}, 0, 1, 0, 1},
      {{1, 3, 2}, 1, 0, 0, 1},
      {{1, 3, 2}, 0, 0, 0, 2},
      {{1, 2, 2}, 1, 2, 0, 2},
      {{1, 2, 3}, 2, 1, 0, 2}}},
    // On a tie the right run's element is written first.
    {merge, {1, 1}, {{{1, 1}, 0, 1, 0, 1}, {{1, 1}, 1, 0, 0, 1}}},
    {quick,
     {3, 1, 2},
     {{{3, 1, 2}, 0, 0, 0, 2},
      {{1, 3, 2}, 1, 0, 0, 2},
      {{1, 2, 3}, 2, 1, 0, 2},
      {{1, 2, 3}, 0, 0, 0, 1},
      {{1, 2, 3}, 1, 1, 0, 1}}},
    {quick,
     {2, 1, 2, 1, 2},
     {{{2, 1, 2, 1, 2}, 0, 0, 0, 4},
      {{1, 2, 2, 1, 2}, 1, 0, 0, 4},
      {{1, 2, 2, 1, 2}, 2, 2, 0, 4},
      {{1, 1, 2, 2, 2}, 3, 1, 0, 4},
      {{1, 1, 2, 2, 2}, 4, 4, 0, 4},
      {{1, 1, 2, 2, 2}, 0, 0, 0, 1},
      {{1, 1, 2, 2, 2}, 1, 1, 0, 1}}},
};

class WorkedSteps : public testing::TestWithParam<Worked> {};

// Every step forward, then back, through windows of two steps: each shows
// the array right after its operation, never before it.
TEST_P(WorkedSteps, ShowEachOperationOnceItIsDone)
{
    const Worked& w = GetParam();
    Track track(*w.sort, w.input, 2);
    ASSERT_EQ(track.count(), static_cast<int>(w.steps.size()));
    EXPECT_EQ(track.state().values, w.input);
    const int count = track.count();
    for (int i = 1; i < 2 * count; ++i) {
        const int k = i <= count ? i : 2 * count - i;
        track.go(k);
        const auto& [values, at, other, low, high] = w.steps[static_cast<std::size_t>(k - 1)];
        const Marks& marks = track.state().marks;
        EXPECT_EQ(track.state().values, values) << "step " << k;
        EXPECT_EQ(std::tuple(marks.at, marks.other, marks.low, marks.high), std::tuple(at, other, low, high))
            << "step " << k;
    }
    track.go(0);
    EXPECT_EQ(track.state().values, w.input);
}

INSTANTIATE_TEST_SUITE_P(Inputs, WorkedSteps, testing::ValuesIn(worked), [](const auto& param) {
    return std::string(param.param.sort->name) + "_" + std::to_string(param.index);
});

// Depth 1 is the whole range's merge or partition, the last merge and the first partition.
TEST(WorkedSteps, MergeShowsItsRunsInScratchAndQuickTheRangesWaitingEachAtItsDepth)
{
    Track merging(*merge, {3, 1, 2});
    const Marks& marks = merging.state().marks;
    merging.go(1);  // the merge of 3 and 1: 1 from the right run first
    EXPECT_EQ(std::tuple(marks.left_next, marks.right_next, marks.depth), std::tuple(0, 2, 2));
    merging.go(3);  // 1 from the left run: the right run's first element is next
    EXPECT_EQ(std::tuple(marks.left_next, marks.right_next), std::tuple(1, 2));
    merging.go(4);  // 1 and 3 from the left run, 2 from the right
    const Values scratch(merging.state().scratch.begin(), merging.state().scratch.end());
    EXPECT_EQ(scratch, (Values{1, 3, 2}));
    EXPECT_EQ(
        std::tuple(merging.state().marks.left_next, merging.state().marks.right_next, merging.state().marks.depth),
        std::tuple(1, 3, 1));

    // Fewer than two values leave no range to sort.
    EXPECT_EQ(Track(*quick, {7}).state().pending, std::vector<Range>{});

    Track partitions(*quick, {3, 1, 2});
    EXPECT_EQ(partitions.state().pending, (std::vector<Range>{{0, 2, 1}}));
    partitions.go(2);
    EXPECT_EQ(partitions.state().pending, std::vector<Range>{});
    EXPECT_EQ(partitions.state().marks.depth, 1);
    partitions.go(3);  // the first partition done: 1, 2 below the pivot wait, one deeper
    EXPECT_EQ(partitions.state().pending, (std::vector<Range>{{0, 1, 2}}));
    EXPECT_EQ(std::tuple(partitions.state().marks.less_end, partitions.state().marks.greater_start), std::tuple(1, 3));
    partitions.go(4);
    EXPECT_EQ(partitions.state().pending, std::vector<Range>{});
    EXPECT_EQ(std::tuple(partitions.state().marks.pivot, partitions.state().marks.next, partitions.state().marks.depth),
              std::tuple(1, 1, 2));
}

// A new window, from any step, or of no steps, shows what the first window showed.
TEST(WorkedSteps, AnyWindowShowsTheSameStep)
{
    const Values input = {5, 9, 1, 5, 7, 2, 8, 3};
    for (const Sort& sort : sorts) {
        Track track(sort, input, 4);
        Track none(sort, input, 0);
        for (const int k : {9, 3, 6}) {
            track.go(k);
            none.go(k);
            const State shown = track.state();
            for (const int first : {k - 2, k}) {
                track.refill(first);
                EXPECT_EQ(track.state().values, shown.values) << sort.name << " " << k << " from " << first;
                EXPECT_EQ(track.state().marks, shown.marks) << sort.name << " " << k << " from " << first;
                EXPECT_EQ(track.state().pending, shown.pending) << sort.name << " " << k << " from " << first;
            }
            EXPECT_EQ(none.state().values, shown.values) << sort.name << " " << k;
            EXPECT_EQ(none.state().marks, shown.marks) << sort.name << " " << k;
        }
    }
}

}  // namespace
