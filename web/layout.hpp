// What the page learns once of the program (layout), and what the view
// draws of one sort at a step, as the page reads it from memory, by the names
// and offsets layout gives.
#pragma once

#include "watch.hpp"

#include <string>
#include <vector>

struct Shown {
    int step, count, first, last;
    int levels;  // the deepest a merge of these values can be
    Marks marks;
    const int* values;
    const int* scratch;
    int length;
    const Range* pending;
    int pending_length;
};

// A Shown with arrays of its own, copied from a track: it stays as it is
// while the track moves on.
class ShownCopy {
public:
    const Shown* of(const Track& track);

private:
    Shown shown_{};
    std::vector<int> values_, scratch_;
    std::vector<Range> pending_;
};

// The highest guess at a count: any count an int holds.
inline constexpr long long highest_guess = 2147483647;

// What the page learns once of the program, as JSON: its limits and rules,
// its sorts, its arrangements, and where the fields of a Shown lie.
std::string layout();
