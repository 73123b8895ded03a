// A sort done by hand: each choice the sort makes on a few values, as a
// question the learner answers, with the right answer the sort itself gives.
#pragma once

#include "sorts.hpp"
#include "state.hpp"

#include <vector>

// How many values a learner sorts by hand, at least and at most.
inline constexpr int practice_least = 2;
inline constexpr int practice_most = 16;

// One choice, asked before the sort's operation step + 1 (its state.step is
// step): its right answer, by its place in the sort's answers; the values, and
// for merge the scratch array, as they are then; and marks of its own.
//   insertion: at is the element being inserted, other its left neighbour,
//              low..high the part being sorted; "exchange" or "leave".
//   merge:     low..mid and mid+1..high are the runs in scratch, left_next and
//              right_next their fronts, at the position written next; "left"
//              or "right", the run whose front is written; on a tie, right.
//   quick:     low..high is the partition, pivot its pivot, at the element
//              examined, values[low..less_end] < pivot == values[less_end+1..
//              at-1], values[greater_start..high] > pivot; "less", "equal" or
//              "greater". The pivot's own examination is no question.
struct Choice {
    int answer;
    State state;
};

// The questions of sort on values, in the order the sort makes its choices.
// The insertion sort asks at each exchange and where an element stays beside
// a left neighbour; the merge sort at each write while both runs hold values;
// the quick sort at each examination but the pivot's.
std::vector<Choice> choices(const Sort& sort, std::vector<int> values);

// The watch that asks them: the sort's calls (sorting.hpp) made on a state of
// its own, each choice kept as a question first.
class Asker {
public:
    Asker(std::vector<int> values, std::vector<Choice>& choices);

    void exchanged(int start, int left);
    void placed(int start, int at);
    void merging(int low, int mid, int high, const int* scratch);
    void written(int to, int from);
    void partitioning(int low, int high, int pivot);
    void examined(int at, int other, int less_end, int greater_start);
    void partitioned(int low, int less_end, int greater_start, int high);

private:
    void ask(int answer, const Marks& marks);
    void apply(const Event& event);

    State state_;
    std::vector<Choice>& choices_;
};
