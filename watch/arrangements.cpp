#include "arrangements.hpp"

#include <algorithm>
#include <functional>
#include <iterator>

const Arrangement arrangements[5] = {
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

const Arrangement* arrangement_named(const std::string& name)
{
    const auto found = std::find_if(std::begin(arrangements), std::end(arrangements),
                                    [&](const Arrangement& arrangement) { return name == arrangement.name; });
    return found == std::end(arrangements) ? nullptr : found;
}

Applies applies(const std::string& name, bool own)
{
    const Arrangement* arrangement = arrangement_named(name);
    return arrangement == nullptr     ? Applies::unknown
           : own && !arrangement->own ? Applies::generated_only
                                      : Applies::yes;
}
