// The three counting sorts and the swap they share.
//
// A work array is a run of ints passed as a pointer to its first element.
// Every sort is ascending and in place, and returns its operation count:
// 0 for fewer than two elements.
//
// Each sort also comes as a template that tells a watch of every counted
// operation once it is complete, and of the merges and partitions they belong
// to; the plain functions are those templates with Unwatched, which compiles
// to nothing. The watch's calls:
//   exchanged(i, left)         insertion: values[i] has been exchanged with
//                              values[left + 1] into values[left]
//   placed(i, at)              insertion: the element from values[i] stays at
//                              values[at], at its left neighbour if at > 0; not
//                              an operation
//   merging(low, mid, high, scratch)  a merge has copied values[low..high]
//                              into scratch[low..high]; not an operation
//   written(k, from)           merge: values[k] = scratch[from] is done
//   partitioning(low, high, pivot)  a partition of values[low..high] starts;
//                              not an operation
//   examined(at, other, less_end, greater_start)  partition: values[at] has
//                              been examined and exchanged with values[other]
//                              (other == at: with nothing); the regions' new
//                              bounds
//   partitioned(low, less_end, greater_start, high)  the partition is over,
//                              and leaves values[low..less_end] and then
//                              values[greater_start..high] to sort; not an
//                              operation
#pragma once

#include <cassert>

// The largest number of values the program sorts, and the size of the
// merge scratch array: ranges given to merge_sort and merge end below MAX.
inline constexpr int MAX = 5000;

// The watch of the plain sorts: nothing is told, and nothing is compiled.
struct Unwatched {
    void exchanged(int, int) {}
    void placed(int, int) {}
    void merging(int, int, int, const int*) {}
    void written(int, int) {}
    void partitioning(int, int, int) {}
    void examined(int, int, int, int) {}
    void partitioned(int, int, int, int) {}
};

// Swaps x and y through one temporary. exchange(a, a) leaves a unchanged.
// Defined here so that both sorts can inline it.
inline void exchange(int& x, int& y)
{
    const int held = x;
    x = y;
    y = held;
}

// Sorts values[0..count-1] by moving each element left one exchange at a
// time. Returns the number of exchanges, which equals the number of
// inversions of the input; equal values keep their order. count <= 0 touches
// nothing and returns 0.
int insertion_sort(int* values, int count);

// Top-down merge sort of the inclusive range values[low..high], left half
// (the larger one) first. Returns the number of elements written back by all
// merges; it depends on the range's length alone. A range of fewer than two
// elements returns 0 untouched. Requires high < MAX.
int merge_sort(int* values, int low, int high);

// Merges the ascending runs values[low..mid] and values[mid+1..high] into one
// through a scratch array indexed by absolute position; on equal values the
// right run's element goes first. Returns high - low + 1, the elements written
// back. Requires 0 <= low <= mid < high < MAX.
int merge(int* values, int low, int mid, int high);

// Quick sort of the inclusive range values[low..high] with the first element
// as pivot and a three-way partition; the less-than region is sorted before
// the greater-than one, and the equal region is final. Returns the number of
// elements examined by all partitions. A range of fewer than two elements
// returns 0 untouched. Recursion is as deep as the range is long on
// descending input.
int quick_sort(int* values, int low, int high);

// One pass over values[low..high] that leaves values below pivot at
// low..less_end, values equal to pivot between, and values above it at
// greater_start..high (less_end == low - 1 and greater_start == high + 1 when
// those regions are empty). Returns high - low + 1, the elements examined.
int partition(int* values, int low, int high, int pivot, int& less_end, int& greater_start);

template <class Watch>
int insertion_sort(int* values, int count, Watch& watch)
{
    int exchanges = 0;
    for (int i = 1; i < count; ++i) {
        const int inserted = values[i];
        // values[0..right-1] and values[right+1..i] are sorted, values[right] == inserted, values[left] is its left
        // neighbour. Comparing the register copy through a separate left index stops GCC fusing each exchange into
        // overlapping 64-bit loads and stores that stall store forwarding.
        int right = i;
        for (int left = i - 1; right > 0 && inserted < values[left]; --right, --left) {
            // Stores what values[right] already holds, so that GCC knows it and keeps the element in a register
            // instead of loading it back at every exchange from where the last one stored it (tests/loop-shape.sh).
            values[right] = inserted;
            exchange(values[right], values[left]);
            ++exchanges;
            watch.exchanged(i, left);
        }
        watch.placed(i, right);
    }
    return exchanges;
}

template <class Watch>
int merge(int* values, int low, int mid, int high, Watch& watch)
{
    assert(0 <= low && low <= mid && mid < high && high < MAX);
    // Merges never nest, so at most one scratch array is live at a time.
    int scratch[MAX];
    for (int k = low; k <= high; ++k) {
        scratch[k] = values[k];
    }
    watch.merging(low, mid, high, scratch);

    int i = low;
    int j = mid + 1;
    int k = low;
    int written = 0;
    while (i <= mid && j <= high) {
        // Strictly less: on a tie the right run's element is written first.
        const int from = scratch[i] < scratch[j] ? i++ : j++;
        values[k] = scratch[from];
        watch.written(k++, from);
        ++written;
    }
    while (i <= mid) {
        values[k] = scratch[i];
        watch.written(k++, i++);
        ++written;
    }
    while (j <= high) {
        values[k] = scratch[j];
        watch.written(k++, j++);
        ++written;
    }
    return written;
}

template <class Watch>
int merge_sort(int* values, int low, int high, Watch& watch)
{
    if (low >= high) {
        return 0;
    }
    const int mid = (low + high) / 2;
    int written = merge_sort(values, low, mid, watch);
    written += merge_sort(values, mid + 1, high, watch);
    written += merge(values, low, mid, high, watch);
    return written;
}

template <class Watch>
int partition(int* values, int low, int high, int pivot, int& less_end, int& greater_start, Watch& watch)
{
    watch.partitioning(low, high, pivot);
    less_end = low - 1;
    greater_start = high + 1;
    int examined = 0;
    for (int i = low; i < greater_start; ++examined) {
        // values[low..less_end] < pivot == values[less_end+1..i-1] < values[greater_start..high]
        const int at = i;
        int other = i;
        if (values[i] < pivot) {
            other = ++less_end;
            exchange(values[i], values[less_end]);
            ++i;
        } else if (values[i] == pivot) {
            ++i;
        } else {
            // The element brought in from the right is examined next.
            other = --greater_start;
            exchange(values[i], values[greater_start]);
        }
        watch.examined(at, other, less_end, greater_start);
    }
    watch.partitioned(low, less_end, greater_start, high);
    return examined;
}

template <class Watch>
int quick_sort(int* values, int low, int high, Watch& watch)
{
    if (low >= high) {
        return 0;
    }
    const int pivot = values[low];
    int less_end = 0;
    int greater_start = 0;
    int examined = partition(values, low, high, pivot, less_end, greater_start, watch);
    examined += quick_sort(values, low, less_end, watch);
    examined += quick_sort(values, greater_start, high, watch);
    return examined;
}
