#include "sorting.hpp"

int insertion_sort(int* values, int count)
{
    Unwatched none;
    return insertion_sort(values, count, none);
}
