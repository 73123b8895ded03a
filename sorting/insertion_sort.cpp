#include "sorting.hpp"

int insertion_sort(int* values, int count)
{
    int exchanges = 0;
    for (int i = 1; i < count; ++i) {
        // values[0..i-1] is sorted; values[j] is the element being inserted.
        for (int j = i; j > 0 && values[j] < values[j - 1]; --j) {
            exchange(values[j], values[j - 1]);
            ++exchanges;
        }
    }
    return exchanges;
}
