// The three counting sorts and the swap they share.
//
// A work array is a run of ints passed as a pointer to its first element.
// Every sort is ascending and in place, and returns its operation count:
// 0 for fewer than two elements.
#pragma once

// The largest number of values the program sorts, and the size of the
// merge scratch array: ranges given to merge_sort and merge end below MAX.
inline constexpr int MAX = 5000;

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
