#include "sorting.hpp"

int quick_sort(int* values, int low, int high)
{
    Unwatched none;
    return quick_sort(values, low, high, none);
}

int partition(int* values, int low, int high, int pivot, int& less_end, int& greater_start)
{
    Unwatched none;
    return partition(values, low, high, pivot, less_end, greater_start, none);
}
