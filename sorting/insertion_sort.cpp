#include "sorting.hpp"

int insertion_sort(int* values, int count)
{
    int exchanges = 0;
    for (int i = 1; i < count; ++i) {
        const int inserted = values[i];
        // values[0..right-1] and values[right+1..i] are sorted, values[right] == inserted, values[left] is its left
        // neighbour. Comparing the register copy through a separate left index stops GCC fusing each exchange into
        // overlapping 64-bit loads and stores that stall store forwarding.
        for (int right = i, left = i - 1; right > 0 && inserted < values[left]; --right, --left) {
            // Stores what values[right] already holds, so that GCC knows it and keeps the element in a register
            // instead of loading it back at every exchange from where the last one stored it (tests/loop-shape.sh).
            values[right] = inserted;
            exchange(values[right], values[left]);
            ++exchanges;
        }
    }
    return exchanges;
}
