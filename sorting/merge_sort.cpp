#include "sorting.hpp"

int merge_sort(int* values, int low, int high)
{
    Unwatched none;
    return merge_sort(values, low, high, none);
}

int merge(int* values, int low, int mid, int high)
{
    Unwatched none;
    return merge(values, low, mid, high, none);
}
