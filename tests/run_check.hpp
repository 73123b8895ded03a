// Independent ways to know what a run or a sort must report, shared by the
// tests and the fuzzer.
#pragma once

#include "comparison.hpp"
#include "sorting.hpp"
#include "text.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// Pairs of positions p < q with values[p] > values[q], counted pair by pair.
inline long long inversions(const std::vector<int>& values)
{
    long long pairs = 0;
    for (auto q = values.begin(); q != values.end(); ++q) {
        pairs += std::count_if(values.begin(), q, [&](int earlier) { return earlier > *q; });
    }
    return pairs;
}

// Elements a top-down merge sort writes back for n values, in closed form:
// n * ceil(log2 n) - 2^ceil(log2 n) + n, and 0 for n <= 1.
inline long long merge_writes(std::size_t n)
{
    int levels = 0;
    for (; (std::size_t{1} << levels) < n; ++levels) {
    }
    const auto m = static_cast<long long>(n);
    return m <= 1 ? 0 : m * levels - (1LL << levels) + m;
}

// A quick sort of n values with the first as pivot examines all n at the top
// when there are two or more, and again those below the pivot, and those above
// it, when there are two or more of them; it examines at most n + (n-1) + ... + 2.
inline bool plausible_quick_count(const std::vector<int>& values, long long count)
{
    const auto n = static_cast<long long>(values.size());
    long long least = n > 1 ? n : 0;
    for (const int side : {-1, 1}) {
        const auto k = std::count_if(values.begin(), values.end(),
                                     [&](int v) { return (v > values[0]) - (v < values[0]) == side; });
        least += k > 1 ? k : 0;
    }
    return least <= count && count <= std::max(0LL, n * (n + 1) / 2 - 1);
}

inline std::string listing(const std::vector<int>& values)
{
    std::ostringstream text;
    std::copy(values.begin(), values.end(), std::ostream_iterator<int>(text, " "));
    return text.str();
}

// Runs one whole dialogue in memory with input as standard input, leaves its
// standard output in out and its standard error in err, and returns what is
// wrong with the run, or "" when nothing is: a failed run has status 1, lists
// and reports nothing, and says why as "sort-compare: ..."; a run that
// succeeds ends with the report and says nothing on err; a listed run's
// listings and counts agree with its values and the independent counts above;
// and the same run on TextIn and TextOut writes and returns the same.
inline std::string run_and_check(const std::string& input, std::string& out, std::string& err)
{
    std::istringstream in(input);
    std::ostringstream out_stream, err_stream;
    const int status = run_comparison(in, out_stream, err_stream);
    out = out_stream.str();
    err = err_stream.str();
    TextIn in_text(input);
    TextOut text_out, text_err;
    if (run_comparison(in_text, text_out, text_err) != status || text_out.str() != out || text_err.str() != err) {
        return "the run on text in memory is the run on streams";
    }
    const std::size_t report = out.find("Insertion Sort count: ");
    const std::size_t listed = out.find("Unsorted array: \n");
    if (status != 0) {
        const bool said = status == 1 && err.rfind("sort-compare: ", 0) == 0;
        return said && report == std::string::npos && listed == std::string::npos ? "" : "a failed run says why, alone";
    }
    long long counts[3] = {};
    int used = 0;
    if (!err.empty() || report == std::string::npos ||
        std::sscanf(out.c_str() + report,
                    "Insertion Sort count: %lld\nMerge Sort count: %lld\nQuick Sort count: %lld\n%n", &counts[0],
                    &counts[1], &counts[2], &used) != 3 ||
        report + static_cast<std::size_t>(used) != out.size()) {
        return "a run that succeeds ends with the three report lines and no message";
    }
    if (listed == std::string::npos) {
        return out.find("array: ") == std::string::npos ? "" : "a sorted listing without the unsorted one";
    }
    std::istringstream text(out.substr(listed + 17));  // the listing ends where "Sorted array" begins
    const std::vector<int> values{std::istream_iterator<int>(text), std::istream_iterator<int>()};
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::string listings =
        "Unsorted array: \n" + listing(values) + "\n\n\nSorted array: \n" + listing(sorted) + "\n\n\n";
    const bool agree = out.compare(listed, report - listed, listings) == 0 && counts[0] == inversions(values) &&
                       counts[1] == merge_writes(values.size()) && plausible_quick_count(values, counts[2]);
    return agree ? "" : "the listings and counts agree with the listed values";
}
