#include "values.hpp"

#include <charconv>
#include <cstdlib>
#include <ostream>

void fill_arrays(int* first, int* second, int* third, int count)
{
    for (int i = 0; i < count; ++i) {
        first[i] = std::rand() % 100000 + 1;
        second[i] = first[i];
        third[i] = first[i];
    }
}

// Numbers are formatted into a block and written a block at a time: the
// stream's own << int costs several times as much, and in WebAssembly most of
// a listed run.
void print(const int* values, int count, std::ostream& out)
{
    constexpr std::ptrdiff_t widest = 12;  // "-2147483648" and its blank
    char block[4096];
    char* end = block;
    for (int i = 0; i < count; ++i) {
        if (block + sizeof block - end < widest) {
            out.write(block, end - block);
            end = block;
        }
        end = std::to_chars(end, block + sizeof block, values[i]).ptr;
        *end++ = ' ';
    }
    out.write(block, end - block);
}
