/* The floor for timing whole runs of sort-compare: the same dialogue, data,
 * sorts, listings and report in plain C with stdio, and nothing else. It reads
 * well-formed answers only; it exists to be timed, not to be used. */
#include <stdio.h>
#include <stdlib.h>

enum { MAX = 5000 };

static void exchange(int *x, int *y)
{
    const int held = *x;
    *x = *y;
    *y = held;
}

static int insertion_sort(int *values, int count)
{
    int exchanges = 0;
    for (int i = 1; i < count; ++i) {
        /* The same register copy as the program's, so that both compile to the same loop. */
        const int inserted = values[i];
        for (int right = i, left = i - 1; right > 0 && inserted < values[left]; --right, --left) {
            exchange(&values[right], &values[left]);
            ++exchanges;
        }
    }
    return exchanges;
}

static int merge(int *values, int low, int mid, int high)
{
    int scratch[MAX];
    for (int k = low; k <= high; ++k) {
        scratch[k] = values[k];
    }
    int i = low, j = mid + 1, k = low;
    while (i <= mid && j <= high) {
        values[k++] = scratch[i] < scratch[j] ? scratch[i++] : scratch[j++];
    }
    while (i <= mid) {
        values[k++] = scratch[i++];
    }
    while (j <= high) {
        values[k++] = scratch[j++];
    }
    return high - low + 1;
}

static int merge_sort(int *values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    const int mid = (low + high) / 2;
    return merge_sort(values, low, mid) + merge_sort(values, mid + 1, high) + merge(values, low, mid, high);
}

static int quick_sort(int *values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    const int pivot = values[low];
    int less_end = low - 1, greater_start = high + 1;
    for (int i = low; i < greater_start;) {
        if (values[i] < pivot) {
            exchange(&values[i++], &values[++less_end]);
        } else if (values[i] == pivot) {
            ++i;
        } else {
            exchange(&values[i], &values[--greater_start]);
        }
    }
    return high - low + 1 + quick_sort(values, low, less_end) + quick_sort(values, greater_start, high);
}

static void print(const int *values, int count)
{
    for (int i = 0; i < count; ++i) {
        printf("%d ", values[i]);
    }
}

int main(void)
{
    static int insertion_copy[MAX], merge_copy[MAX], quick_copy[MAX];
    int count = 0, seed = 0;
    char answer = 0;
    printf("Enter the number of values to generate and sort, between 1 and 5000: \n");
    fflush(stdout);
    if (scanf("%d", &count) != 1 || count < 0 || count > MAX) {
        return 1;
    }
    printf("Enter an integer seed value: \n");
    fflush(stdout);
    if (scanf("%d", &seed) != 1) {
        return 1;
    }
    printf("Print the values?(y/n): \n");
    fflush(stdout);
    if (scanf(" %c", &answer) != 1) {
        return 1;
    }
    srand((unsigned)seed);
    for (int i = 0; i < count; ++i) {
        insertion_copy[i] = merge_copy[i] = quick_copy[i] = rand() % 100000 + 1;
    }
    if (answer == 'y') {
        printf("Unsorted array: \n");
        fflush(stdout);
        print(insertion_copy, count);
        printf("\n\n\n");
    }
    const int insertion_count = insertion_sort(insertion_copy, count);
    const int merge_count = merge_sort(merge_copy, 0, count - 1);
    const int quick_count = quick_sort(quick_copy, 0, count - 1);
    if (answer == 'y') {
        printf("Sorted array: \n");
        fflush(stdout);
        print(insertion_copy, count);
        printf("\n\n\n");
    }
    printf("Insertion Sort count: %d\n", insertion_count);
    fflush(stdout);
    printf("Merge Sort count: %d\n", merge_count);
    fflush(stdout);
    printf("Quick Sort count: %d\n", quick_count);
    return fflush(stdout) == 0 ? 0 : 1;
}
