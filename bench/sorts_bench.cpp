// Time per counted operation for each sort, size and data shape. The copy of
// the input into the work array is timed with the sort; it is a small memcpy
// beside any sort of the same data. Then whole runs in memory, as the browser
// page makes them, to set its times against.
#include "comparison.hpp"
#include "sorting.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Sort = int (*)(int* values, int low, int high);

int insertion_range(int* values, int low, int high) { return insertion_sort(values + low, high - low + 1); }

enum Shape { random_values, ascending, descending, all_equal };

std::vector<int> make(Shape shape, int n)
{
    std::vector<int> values(static_cast<std::size_t>(n));
    std::iota(values.begin(), values.end(), 1);
    if (shape == descending) {
        std::reverse(values.begin(), values.end());
    } else if (shape == all_equal) {
        std::fill(values.begin(), values.end(), 7);
    } else if (shape == random_values) {
        std::mt19937 generator(2026);
        std::uniform_int_distribution<int> value(1, 100000);
        for (int& v : values) {
            v = value(generator);
        }
    }
    return values;
}

void run(benchmark::State& state, Sort sort, Shape shape)
{
    const int n = static_cast<int>(state.range(0));
    const std::vector<int> input = make(shape, n);
    std::vector<int> work(input.size());
    int operations = 0;
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), work.begin());
        operations = sort(work.data(), 0, n - 1);
        benchmark::DoNotOptimize(work.data());
        benchmark::ClobberMemory();
    }
    state.counters["operations"] = operations;
    if (operations > 0) {
        // Seconds per operation: the report prints it with an SI prefix (n, p).
        state.counters["time_per_op"] =
            benchmark::Counter(operations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    }
}

void register_all()
{
    const struct {
        const char* name;
        Sort sort;
    } sorts[] = {{"insertion", insertion_range}, {"merge", merge_sort}, {"quick", quick_sort}};
    const struct {
        const char* name;
        Shape shape;
    } shapes[] = {
        {"random", random_values}, {"ascending", ascending}, {"descending", descending}, {"equal", all_equal}};
    for (const auto& sort : sorts) {
        for (const auto& shape : shapes) {
            benchmark::RegisterBenchmark((std::string(sort.name) + "/" + shape.name).c_str(), run, sort.sort,
                                         shape.shape)
                ->Arg(100)
                ->Arg(1000)
                ->Arg(MAX);
        }
    }
}

// One run_comparison on string streams, as the page calls it.
void whole_run(benchmark::State& state, const char* answers)
{
    for (auto _ : state) {
        std::istringstream in(answers);
        std::ostringstream out;
        benchmark::DoNotOptimize(run_comparison(in, out, out));
        benchmark::DoNotOptimize(out.str().size());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    register_all();
    benchmark::RegisterBenchmark("run_comparison/5000-listed", whole_run, "5000\n1\ny\n");
    benchmark::RegisterBenchmark("run_comparison/5000-unlisted", whole_run, "5000\n1\nn\n");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
