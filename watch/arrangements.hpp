// The arrangements a run's values can be given before they are sorted: the
// order they came in, three orders of the same values, and the values each
// replaced by one of ten. One row each, in the order the page offers them.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct Arrangement {
    const char* name;
    // Whether it applies to the learner's own values as well as to generated ones.
    bool own;
    // Arranges values in place. Returns how many pairs of neighbours it
    // exchanged after ordering them: nearly ascending's, and 0 for the others.
    int (*arrange)(std::vector<int>& values);
};

inline const Arrangement arrangements[] = {
    {"generated", true, [](std::vector<int>&) { return 0; }},
    {"ascending", true,
     [](std::vector<int>& v) {
         std::sort(v.begin(), v.end());
         return 0;
     }},
    {"descending", true,
     [](std::vector<int>& v) {
         std::sort(v.begin(), v.end(), std::greater<>());
         return 0;
     }},
    // Ascending, then positions 10j and 10j + 1 exchanged: one inversion at most in every ten values.
    {"nearly-ascending", true,
     [](std::vector<int>& v) {
         std::sort(v.begin(), v.end());
         int pairs = 0;
         for (std::size_t i = 0; i + 1 < v.size(); i += 10, ++pairs) {
             std::swap(v[i], v[i + 1]);
         }
         return pairs;
     }},
    // Each value v replaced, not reordered, by v % 10 + 1: drawn from 1 up, they keep their spread over ten.
    {"few-distinct", false,
     [](std::vector<int>& v) {
         for (int& value : v) {
             value = value % 10 + 1;
         }
         return 0;
     }},
};

// The arrangement called name, or nullptr.
const Arrangement* arrangement_named(const std::string& name);

// Whether the arrangement called name applies to a run's values, generated
// or with own the learner's: it does, or there is no such arrangement, or it
// is made from generated values alone.
enum class Applies { yes, unknown, generated_only };
Applies applies(const std::string& name, bool own);
