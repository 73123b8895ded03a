// Feeds arbitrary bytes as the whole standard input of one run and checks
// what the run wrote against what it must have written.
#include "comparison.hpp"
#include "oracles.hpp"
#include "sorting.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Reads the listing that follows heading, up to its "\n\n\n".
std::vector<int> listing_after(const std::string& out, const std::string& heading)
{
    const std::size_t start = out.find(heading);
    require(start != std::string::npos, "listing heading present");
    const std::size_t first = start + heading.size();
    const std::size_t end = out.find("\n\n\n", first);
    require(end != std::string::npos, "listing ends in three newlines");
    const std::string text = out.substr(first, end - first);
    require(text.empty() || text.back() == ' ', "every value is followed by a blank");
    std::istringstream in(text);
    std::vector<int> values;
    for (int v = 0; in >> v;) {
        values.push_back(v);
    }
    require(in.eof(), "listing holds only numbers");
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_comparison(in, out, err);
    const std::string text = out.str();

    const std::size_t report = text.find("Insertion Sort count: ");
    require((status == 0) == (report != std::string::npos), "status 0 exactly when the report was written");
    require((status == 0) == err.str().empty(), "a message on standard error exactly when the run failed");
    if (status != 0) {
        require(err.str().rfind("sort-compare: ", 0) == 0, "errors start with the program's name");
        require(text.find("array: ") == std::string::npos, "a failed run lists nothing");
        return 0;
    }
    long long insertion = -1;
    long long merge = -1;
    long long quick = -1;
    const int fields = std::sscanf(text.c_str() + report, "Insertion Sort count: %lld\nMerge Sort count: %lld\nQuick Sort count: %lld\n",
                                   &insertion, &merge, &quick);
    require(fields == 3, "three report lines");
    require(text.compare(text.size() - 1, 1, "\n") == 0, "the report ends the output");

    if (text.find("Unsorted array: \n") != std::string::npos) {
        std::vector<int> unsorted = listing_after(text, "Unsorted array: \n");
        const std::vector<int> sorted = listing_after(text, "Sorted array: \n");
        require(unsorted.size() <= static_cast<std::size_t>(MAX), "at most MAX values");
        std::vector<int> expected = unsorted;
        std::sort(expected.begin(), expected.end());
        require(sorted == expected, "the sorted listing is the unsorted one in ascending order");
        require(std::all_of(unsorted.begin(), unsorted.end(), [](int v) { return v >= 1 && v <= 100000; }),
                "values from 1 to 100000");
        require(insertion == inversions(unsorted), "insertion count is the number of inversions");
        require(merge == merge_writes(static_cast<int>(unsorted.size())), "merge count follows the recurrence");
        require(quick == quick_sort(unsorted.data(), 0, static_cast<int>(unsorted.size()) - 1),
                "quick count matches a quick sort of the listed values");
    }
    return 0;
}
