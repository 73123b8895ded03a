// Feeds arbitrary bytes as the whole standard input of one run and checks
// what the run wrote against what it must have written.
#include "run_check.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string out;
    std::string err;
    const std::string broken = run_and_check(std::string(reinterpret_cast<const char*>(data), size), out, err);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
