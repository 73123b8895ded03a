// The sorts the page shows, in the page's order: one row each.
#pragma once

#include "comparison.hpp"

#include <cstddef>

class Asker;
class Recorder;

// A sort the page shows: what it is called, what its count counts, its run
// on values[0..n-1], plain, told to a recorder or asking a learner
// (practice.hpp), each returning the count, where the program's report gives
// its count, and the answers to its questions by name, in order.
struct Sort {
    const char* name;
    const char* counted;
    int (*plain)(int* values, int n);
    int (*watched)(int* values, int n, Recorder& watch);
    int (*asked)(int* values, int n, Asker& watch);
    int Report::*reported;
    const char* answers[3];
};

// How many sorts the page shows, and the sorts. They are defined in
// sorts.cpp, so that their runs told to a recorder are compiled there alone,
// for speed, and not again in the page's boundary, which is built for size.
inline constexpr std::size_t sort_count = 3;
extern const Sort sorts[sort_count];
