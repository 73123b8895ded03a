/* The floor for timing whole runs of sort-compare: the same dialogue, data,
 * sorts, listings and report, written as a plain C programmer would write
 * them, with the textbook loops and stdio. It flushes where the program does:
 * after each prompt, then once at the end. It reads well-formed answers only;
 * it exists to be timed, not to be used.
 *
 * It is built by clang, linked statically as the program is. GCC compiles its
 * textbook insertion loop into overlapping 64-bit loads and stores on x86-64,
 * five times slower, so a GCC build of it would be no floor. */
#include <stdio.h>
#include <stdlib.h>

enum { MAX = 5000 };

static void exchange(int *x, int *y)
{
    int held = *x;
    *x = *y;
    *y = held;
}

static int insertion_sort(int *values, int count)
{
    int exchanges = 0;
    for (int i = 1; i < count; i++) {
        for (int j = i; j > 0 && values[j] < values[j - 1]; j--) {
            exchange(&values[j], &values[j - 1]);
            exchanges++;
        }
    }
    return exchanges;
}

static int merge(int *values, int low, int mid, int high)
{
    int scratch[MAX];
    for (int k = low; k <= high; k++) {
        scratch[k] = values[k];
    }
    int i = low, j = mid + 1, k = low, count = 0;
    while (i <= mid && j <= high) {
        if (scratch[i] < scratch[j]) {
            values[k++] = scratch[i++];
        } else {
            values[k++] = scratch[j++];
        }
        count++;
    }
    while (i <= mid) {
        values[k++] = scratch[i++];
        count++;
    }
    while (j <= high) {
        values[k++] = scratch[j++];
        count++;
    }
    return count;
}

static int merge_sort(int *values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    int mid = (low + high) / 2;
    int count = merge_sort(values, low, mid);
    count += merge_sort(values, mid + 1, high);
    count += merge(values, low, mid, high);
    return count;
}

static int partition(int *values, int low, int high, int pivot, int *less_end, int *greater_start)
{
    int i = low, count = 0;
    *less_end = low - 1;
    *greater_start = high + 1;
    while (i < *greater_start) {
        if (values[i] < pivot) {
            (*less_end)++;
            exchange(&values[i], &values[*less_end]);
            i++;
        } else if (values[i] == pivot) {
            i++;
        } else {
            (*greater_start)--;
            exchange(&values[i], &values[*greater_start]);
        }
        count++;
    }
    return count;
}

static int quick_sort(int *values, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    int less_end, greater_start;
    int count = partition(values, low, high, values[low], &less_end, &greater_start);
    count += quick_sort(values, low, less_end);
    count += quick_sort(values, greater_start, high);
    return count;
}

static void print(const int *values, int count)
{
    for (int i = 0; i < count; i++) {
        printf("%d ", values[i]);
    }
}

int main(void)
{
    static int insertion_copy[MAX], merge_copy[MAX], quick_copy[MAX];
    int count, seed;
    char answer;
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
    for (int i = 0; i < count; i++) {
        insertion_copy[i] = rand() % 100000 + 1;
        merge_copy[i] = insertion_copy[i];
        quick_copy[i] = insertion_copy[i];
    }
    if (answer == 'y') {
        printf("Unsorted array: \n");
        print(insertion_copy, count);
        printf("\n\n\n");
    }
    int insertion_count = insertion_sort(insertion_copy, count);
    int merge_count = merge_sort(merge_copy, 0, count - 1);
    int quick_count = quick_sort(quick_copy, 0, count - 1);
    if (answer == 'y') {
        printf("Sorted array: \n");
        print(insertion_copy, count);
        printf("\n\n\n");
    }
    printf("Insertion Sort count: %d\n", insertion_count);
    printf("Merge Sort count: %d\n", merge_count);
    printf("Quick Sort count: %d\n", quick_count);
    return fflush(stdout) == 0 ? 0 : 1;
}
