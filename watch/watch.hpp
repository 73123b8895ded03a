// One sort watched step by step: its array and what it is doing after any
// number k of its counted operations, from the sort itself (sorting.hpp).
//
// A track keeps a window of steps. The window is a run of the sort from its
// input that copies its state at the window's first step and records the
// operations after it, each in 8 bytes; a step in the window is that state
// with the operations up to it made again. A step outside it takes a new run.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class Recorder;

// A sort the page shows: what it is called, what its count counts, and its
// run on values[0..n-1], plain or told to a watch. Returns the count.
struct Sort {
    const char* name;
    const char* counted;
    int (*plain)(int* values, int n);
    int (*watched)(int* values, int n, Recorder& watch);
};

// The page's sorts, in the page's order.
extern const Sort sorts[3];

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
    int depth = 0;  // merge and quick: the merge's or partition's depth in the recursion, 1 for the whole range
};

// Every field of Marks, by name: for comparing, and for the page to read.
inline constexpr std::pair<const char*, int Marks::*> marks_fields[] = {
    {"low", &Marks::low},
    {"high", &Marks::high},
    {"mid", &Marks::mid},
    {"at", &Marks::at},
    {"other", &Marks::other},
    {"left_next", &Marks::left_next},
    {"right_next", &Marks::right_next},
    {"pivot", &Marks::pivot},
    {"less_end", &Marks::less_end},
    {"next", &Marks::next},
    {"greater_start", &Marks::greater_start},
    {"depth", &Marks::depth},
};
static_assert(sizeof(marks_fields) / sizeof(marks_fields[0]) * sizeof(int) == sizeof(Marks), "a field is unnamed");

bool operator==(const Marks& x, const Marks& y);

// A range left to sort, and its depth in the recursion.
struct Range {
    int low, high, depth;
    bool operator==(const Range& o) const { return low == o.low && high == o.high && depth == o.depth; }
};

// A sort's state at a step: after its step-th counted operation.
struct State {
    int step = 0;
    std::vector<int> values;
    std::vector<int> scratch;  // merge: the scratch array, at the values' positions
    Marks marks;
    std::vector<Range> pending;  // quick: the ranges still to sort, the next one last
};

// One call of the sort's watch (sorting.hpp), in 8 bytes: its kind, and what
// the call said, named for its kind. Positions fit in 16 bits, as MAX does.
struct Event {
    enum Kind : std::int16_t { exchanged, merging, written, partitioning, examined, partitioned } kind;
    // Where a partition put the element it examined.
    enum Region : std::int16_t { less, equal, greater };
    struct Exchange {
        std::int16_t start, left;  // the element from start is at left now, exchanged with left + 1
    };
    struct Merge {
        std::int16_t low, mid, high;
    };
    struct Write {
        std::int16_t to, from;  // values[to] = scratch[from]
    };
    struct Partition {
        std::int16_t low, high;
    };
    struct Examination {
        std::int16_t at, other;  // other: its region's new bound, or at when equal
        Region region;
    };
    struct Parted {
        std::int16_t less_end, greater_start;  // the regions left to sort, within the partition's range
    };
    union {
        Exchange exchange;
        Merge merge;
        Write write;
        Partition partition;
        Examination examination;
        Parted parted;
    };
    bool counted() const { return kind == exchanged || kind == written || kind == examined; }
};
static_assert(sizeof(Event) == 8, "an event is 8 bytes");

class Track {
public:
    // sort on input, shown at step 0; a window holds up to window steps.
    Track(const Sort& sort, std::vector<int> input, int window = 1 << 19);

    int count() const { return count_; }
    const State& shown() const { return shown_; }
    int first() const { return now_.base.step; }
    int last() const { return now_.last; }

    // Shows step min(step, count()), step >= 0; a step outside the window takes
    // a new one from half a window before it, so that the steps around it are at hand.
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

    const Sort* sort_;
    std::vector<int> input_;
    int window_;
    int count_ = 0;
    bool counted_ = false;
    Window now_, end_;
    State shown_;
    std::size_t next_ = 0;  // the event of now_ after the step shown
};
