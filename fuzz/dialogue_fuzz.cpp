// Feeds arbitrary bytes as the whole standard input of one run and checks
// what the run wrote against what it must have written; then reads the same
// bytes as the learner's own values.
#include "run_check.hpp"
#include "values.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string out;
    std::string err;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string broken = run_and_check(text, out, err);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    // Taken, the values read back the same from their link's text; refused, they are left alone.
    std::vector<int> values{-1};
    std::vector<int> again;
    const bool taken = read_values(text, values).empty();
    if (taken ? values.empty() || values.size() > MAX || !read_values(joined(values), again).empty() || again != values
              : values != std::vector<int>{-1}) {
        std::fprintf(stderr, "own values %s wrongly\n", taken ? "taken" : "refused");
        std::abort();
    }
    return 0;
}
