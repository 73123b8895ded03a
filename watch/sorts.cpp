#include "sorts.hpp"

#include "practice.hpp"
#include "recorder.hpp"
#include "sorting.hpp"

const Sort sorts[sort_count] = {
    {"insertion",
     "exchanges",
     [](int* values, int n) { return insertion_sort(values, n); },
     [](int* values, int n, Recorder& watch) { return insertion_sort(values, n, watch); },
     [](int* values, int n, Asker& watch) { return insertion_sort(values, n, watch); },
     &Report::insertion,
     {"exchange", "leave"}},
    {"merge",
     "elements written back",
     [](int* values, int n) { return merge_sort(values, 0, n - 1); },
     [](int* values, int n, Recorder& watch) { return merge_sort(values, 0, n - 1, watch); },
     [](int* values, int n, Asker& watch) { return merge_sort(values, 0, n - 1, watch); },
     &Report::merge,
     {"left", "right"}},
    {"quick",
     "elements examined",
     [](int* values, int n) { return quick_sort(values, 0, n - 1); },
     [](int* values, int n, Recorder& watch) { return quick_sort(values, 0, n - 1, watch); },
     [](int* values, int n, Asker& watch) { return quick_sort(values, 0, n - 1, watch); },
     &Report::quick,
     {"less", "equal", "greater"}},
};
