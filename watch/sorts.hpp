// The sorts the page shows, in the page's order: one row each.
#pragma once

#include "comparison.hpp"

#include <cstddef>

class Recorder;

// A sort the page shows: what it is called, what its count counts, its run
// on values[0..n-1], plain or told to a recorder, each returning the count,
// and where the program's report gives its count.
struct Sort {
    const char* name;
    const char* counted;
    int (*plain)(int* values, int n);
    int (*watched)(int* values, int n, Recorder& watch);
    int Report::*reported;
};

extern const Sort sorts[3];
inline constexpr std::size_t sort_count = std::size(sorts);
