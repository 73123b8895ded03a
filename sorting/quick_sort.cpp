#include "sorting.hpp"

int quick_sort(int* values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    const int pivot = values[low];
    int less_end = 0;
    int greater_start = 0;
    int examined = partition(values, low, high, pivot, less_end, greater_start);
    examined += quick_sort(values, low, less_end);
    examined += quick_sort(values, greater_start, high);
    return examined;
}

int partition(int* values, int low, int high, int pivot, int& less_end, int& greater_start)
{
    less_end = low - 1;
    greater_start = high + 1;
    int examined = 0;
    for (int i = low; i < greater_start; ++examined) {
        // values[low..less_end] < pivot == values[less_end+1..i-1] < values[greater_start..high]
        if (values[i] < pivot) {
            ++less_end;
            exchange(values[i], values[less_end]);
            ++i;
        } else if (values[i] == pivot) {
            ++i;
        } else {
            // The element brought in from the right is examined next.
            --greater_start;
            exchange(values[i], values[greater_start]);
        }
    }
    return examined;
}
