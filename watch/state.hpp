// A watched sort's state at a step, and the events a run records to make it
// again: what the view shows of a sort, and what a replay goes through.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

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

// The marks and ranges pending after event, and with operate, the array made
// as it is after it: what a run and a replay share.
void apply(State& state, const Event& event, bool operate);
