// One sort watched step by step: its array and what it is doing after any
// number k of its counted operations, from the sort itself (sorting.hpp).
//
// A track keeps a window of steps. The window is a run of the sort from its
// input that copies its state at the window's first step and records the
// operations after it, each in 8 bytes; a step in the window is that state
// with the operations up to it made again. A step outside it takes a new run.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

enum class Sort { insertion, merge, quick };

// What the sort is doing, as positions in its array, or -1 where nothing is.
// The element of the last operation is at; other is the one exchanged with it
// (at itself when a partition exchanged nothing), or for a merge the scratch
// position it was written from.
struct Marks {
    int low = -1, high = -1;  // the range worked on: merged, partitioned, or for insertion 0..the inserted's start
    int mid = -1;             // merge: the left run's end
    int at = -1, other = -1;
    int left_next = -1, right_next = -1;                          // merge: each run's next element in scratch
    int pivot = 0, less_end = -1, next = -1, greater_start = -1;  // quick: the partition under way

    bool operator==(const Marks& o) const
    {
        return std::tie(low, high, mid, at, other, left_next, right_next, pivot, less_end, next, greater_start) ==
               std::tie(o.low, o.high, o.mid, o.at, o.other, o.left_next, o.right_next, o.pivot, o.less_end, o.next,
                        o.greater_start);
    }
};

// A sort's state at a step: after its step-th counted operation.
struct State {
    int step = 0;
    std::vector<int> values;
    std::vector<int> scratch;  // merge: the scratch array, at the values' positions
    Marks marks;
    std::vector<int> pending;  // quick: the ranges still to sort, as low, high pairs, the next one last
};

// One call of the sort's watch (sorting.hpp), or one operation.
struct Event {
    enum Kind : std::int16_t { exchanged, merging, written, partitioning, examined } kind;
    std::int16_t a, b, c;
    bool counted() const { return kind == exchanged || kind == written || kind == examined; }
};

class Track {
public:
    // sort on input, shown at step 0; a window holds up to window steps.
    Track(Sort sort, std::vector<int> input, int window = 1 << 19);

    int count() const { return count_; }
    const State& shown() const { return shown_; }
    int first() const { return now_.base.step; }
    int last() const { return now_.last; }

    // Shows step min(step, count()); a step outside the window takes a new one
    // from half a window before it, so that the steps around it are at hand.
    void go(int step);
    // A new window from step first (at most count()), the step shown kept.
    void refill(int first);
    // Keeps the last steps, at most steps of them, in a window of their own
    // too: going to any of them then takes no new run.
    void keep_end(int steps);

private:
    struct Window {
        State base;  // the state at the window's first step
        std::vector<Event> events;
        int last = 0;
    };
    void fill(Window& window, int first, int steps);
    void replay(int step);

    Sort sort_;
    std::vector<int> input_;
    int window_;
    int count_ = 0;
    bool counted_ = false;
    Window now_, end_;
    State shown_;
    std::size_t next_ = 0;  // the event of now_ after the step shown
};
