#include "values.hpp"

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

void print(const int* values, int count, std::ostream& out)
{
    for (int i = 0; i < count; ++i) {
        out << values[i] << ' ';
    }
}
