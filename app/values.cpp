#include "values.hpp"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ostream>
#include <string>

void fill_arrays(int* first, int* second, int* third, int count)
{
    for (int i = 0; i < count; ++i) {
        first[i] = std::rand() % 100000 + 1;
        second[i] = first[i];
        third[i] = first[i];
    }
}

// The numbers are formatted into one block and written at once: the stream's
// own << int costs several times as much, and in WebAssembly most of a listed
// run.
void print(const int* values, int count, std::ostream& out)
{
    constexpr std::size_t widest = 12;  // "-2147483648" and its blank
    std::string text(static_cast<std::size_t>(std::max(count, 0)) * widest, ' ');
    char* end = text.data();
    for (int i = 0; i < count; ++i) {
        end = std::to_chars(end, text.data() + text.size(), values[i]).ptr;
        *end++ = ' ';
    }
    out.write(text.data(), end - text.data());
}
