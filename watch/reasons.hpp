// Why each sort's count is what it is: the numbers that explain it for one
// input, those that need a run worked out by the sorts themselves.
#pragma once

#include "depth.hpp"

#include <vector>

struct Reasons {
    long long pairs = 0;  // n(n - 1) / 2: the most inversions there can be, every pair out of order
    // n(n - 1) / 4, the inversions of a random order of n distinct values on
    // average, in tenths: exact, as n(n - 1) is even.
    long long average_tenths = 0;
    int levels = 0;                         // merge_levels(n)
    long long power = 1;                    // 2^levels
    long long writes = 0;                   // merge_writes(n)
    int examined = 0;                       // the quick sort's count: the sum of its partitions' lengths
    int partitions = 0;                     // the quick sort's partitions of the input
    int deepest = 0;                        // the deepest of them, 1 for the whole range; 0 with none
    int first_less = 0, first_greater = 0;  // the values its first partition leaves below and above the pivot
    long long descending = 0;               // n(n + 1) / 2 - 1: its count on n >= 2 distinct values in descending order
    bool repeats = false;                   // some value occurs more than once
};

// The reasons for the sorts' counts on values, which it leaves alone.
Reasons reasons_for(const std::vector<int>& values);
