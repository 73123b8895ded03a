#include "values.hpp"

#include <cstdlib>

void fill_arrays(int* first, int* second, int* third, int count)
{
    for (int i = 0; i < count; ++i) {
        first[i] = std::rand() % 100000 + 1;
        second[i] = first[i];
        third[i] = first[i];
    }
}
