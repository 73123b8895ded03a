// The values the sorts are given, and their listing.
#pragma once

#include <iosfwd>

// Draws one rand() per index, in index order, and writes rand() % 100000 + 1
// into first[i], second[i] and third[i]. count <= 0 draws and writes nothing.
void fill_arrays(int* first, int* second, int* third, int count);

// Writes values[0..count-1] to out, each followed by one blank; no newline and
// no flush, so the caller ends the line.
void print(const int* values, int count, std::ostream& out);
