// The values the sorts are given, and their listing.
#pragma once

#include <algorithm>
#include <charconv>
#include <string>

// Draws one rand() per index, in index order, and writes rand() % 100000 + 1
// into first[i], second[i] and third[i]. count <= 0 draws and writes nothing.
void fill_arrays(int* first, int* second, int* third, int count);

// Writes values[0..count-1] to out, each followed by one blank; no newline and
// no flush, so the caller ends the line. Out is any stream with write(data, size).
//
// The numbers are formatted into one block and written at once: the stream's
// own << int costs several times as much, and in WebAssembly most of a listed
// run.
template <class Out>
void print(const int* values, int count, Out& out)
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
