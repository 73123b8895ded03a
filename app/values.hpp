// The values the sorts are given, and their listing.
#pragma once

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

// Draws one rand() per index, in index order, and writes rand() % 100000 + 1
// into first[i], second[i] and third[i]. count <= 0 draws and writes nothing.
void fill_arrays(int* first, int* second, int* third, int count);

// The learner's own values in text: up to MAX whole numbers, each by the rule
// a seed is taken by, separated by any mix of blanks (std::isspace) and
// commas. Returns "" with values holding them, or, with values left alone,
// why the text is refused: the first word that is no such number, by its
// place and its first 20 characters (control characters as '?'), as in
//   the 3rd value, "x", is not a whole number from -2147483648 to 2147483647
// else too many values, as "5001 values: at most 5000", or none.
std::string read_values(const std::string& text, std::vector<int>& values);

// values as the text read_values takes, each followed by a comma but the last.
std::string joined(const std::vector<int>& values);

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
