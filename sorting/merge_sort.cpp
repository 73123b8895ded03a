#include "sorting.hpp"

#include <cassert>

int merge_sort(int* values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    const int mid = (low + high) / 2;
    int written = merge_sort(values, low, mid);
    written += merge_sort(values, mid + 1, high);
    written += merge(values, low, mid, high);
    return written;
}

int merge(int* values, int low, int mid, int high)
{
    assert(0 <= low && low <= mid && mid < high && high < MAX);
    // Merges never nest, so at most one scratch array is live at a time.
    int scratch[MAX];
    for (int k = low; k <= high; ++k) {
        scratch[k] = values[k];
    }

    int i = low;
    int j = mid + 1;
    int k = low;
    int written = 0;
    while (i <= mid && j <= high) {
        // Strictly less: on a tie the right run's element is written first.
        values[k++] = scratch[i] < scratch[j] ? scratch[i++] : scratch[j++];
        ++written;
    }
    while (i <= mid) {
        values[k++] = scratch[i++];
        ++written;
    }
    while (j <= high) {
        values[k++] = scratch[j++];
        ++written;
    }
    return written;
}
