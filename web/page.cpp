// What the page calls: one run of the program on the answers from its form,
// the check of one answer, the counts behind its chart, and the three sorts
// step by step for its view of them.
#include "comparison.hpp"
#include "sorting.hpp"
#include "text.hpp"
#include "values.hpp"
#include "watch.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

Question question_of(int question) { return question == 0 ? Question::count : Question::seed; }

// count values from seed as the program generates them (order 0), or the
// same values ascending (1) or descending (2).
std::vector<int> values_of(int count, int seed, int order)
{
    std::vector<int> values(static_cast<std::size_t>(std::clamp(count, 0, MAX)));
    std::vector<int> unused(values.size());
    std::srand(static_cast<unsigned>(seed));
    fill_arrays(values.data(), unused.data(), unused.data(), static_cast<int>(values.size()));
    if (order == 1) {
        std::sort(values.begin(), values.end());
    } else if (order == 2) {
        std::sort(values.begin(), values.end(), std::greater<>());
    }
    return values;
}

std::vector<Track> tracks;

// What the view draws of one sort, as ints: the step, the marks in their
// order, the addresses of the values, the scratch array and the pending
// ranges, the number of values and of pending ints, the window's first and
// last steps, and the sort's count.
const int* shown(int sort)
{
    static int fields[20];
    const Track& track = tracks.at(static_cast<std::size_t>(sort));
    const State& state = track.shown();
    const Marks& m = state.marks;
    const auto address = [](const std::vector<int>& ints) {
        return static_cast<int>(reinterpret_cast<std::intptr_t>(ints.data()));
    };
    const int values[] = {state.step,
                          m.low,
                          m.high,
                          m.mid,
                          m.at,
                          m.other,
                          m.left_next,
                          m.right_next,
                          m.pivot,
                          m.less_end,
                          m.next,
                          m.greater_start,
                          address(state.values),
                          address(state.scratch),
                          address(state.pending),
                          static_cast<int>(state.values.size()),
                          static_cast<int>(state.pending.size()),
                          track.first(),
                          track.last(),
                          track.count()};
    std::copy(std::begin(values), std::end(values), fields);
    return fields;
}

}  // namespace

extern "C" {

// Runs the program on the length bytes of answers, one a line (a NUL byte is
// an answer's own, as on standard input), and returns its whole session:
// prompts, echoed answers, listings and report, or its message. The text
// stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* run_session(const char* answers, int length)
{
    static TextOut session;
    session = TextOut();
    TextIn typed(std::string(answers, static_cast<std::size_t>(length)), &session);
    run_comparison(typed, session, session);
    return session.str().c_str();
}

// "" when the program takes the length bytes of answer, alone, for question 0
// (the count) or 1 (the seed); otherwise the rule it says when it refuses it.
EMSCRIPTEN_KEEPALIVE const char* refusal(int question, const char* answer, int length)
{
    int value = 0;
    const std::string text(answer, static_cast<std::size_t>(length));
    return accepts(question_of(question), text, value) ? "" : rule_of(question_of(question));
}

// The insertion, merge and quick counts for count values from seed, the
// values as the program generates them (order 0), or the same values
// ascending (1) or descending (2). For order 0 they are the program's own
// report for that count and seed. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const int* counts(int count, int seed, int order)
{
    static int result[3];
    std::vector<int> insertion_copy = values_of(count, seed, order);
    std::vector<int> merge_copy = insertion_copy;
    std::vector<int> quick_copy = insertion_copy;
    const int n = static_cast<int>(insertion_copy.size());
    result[0] = insertion_sort(insertion_copy.data(), n);
    result[1] = merge_sort(merge_copy.data(), 0, n - 1);
    result[2] = quick_sort(quick_copy.data(), 0, n - 1);
    return result;
}

// Sort 0, 1 or 2 (insertion, merge, quick) of those values, made ready to be
// shown at any step, each window holding up to window steps; sort 0 starts
// anew, and the others follow it in turn, each in a task of its own. Returns
// what the view draws of it.
EMSCRIPTEN_KEEPALIVE const int* watch(int count, int seed, int order, int window, int sort)
{
    static std::vector<int> values;
    if (sort == 0) {
        values = values_of(count, seed, order);
        tracks.clear();
    }
    tracks.emplace_back(static_cast<Sort>(sort), values, window);
    return shown(sort);
}

// Sort 0, 1 or 2 (insertion, merge, quick) at step, and what the view draws of it.
EMSCRIPTEN_KEEPALIVE const int* watch_go(int sort, int step)
{
    tracks.at(static_cast<std::size_t>(sort)).go(step);
    return shown(sort);
}

// A new window for the sort from step first, the step shown kept.
EMSCRIPTEN_KEEPALIVE const int* watch_refill(int sort, int first)
{
    tracks.at(static_cast<std::size_t>(sort)).refill(first);
    return shown(sort);
}

// The sort's last steps, at most steps of them, kept in a window of their own.
EMSCRIPTEN_KEEPALIVE void watch_keep_end(int sort, int steps)
{
    tracks.at(static_cast<std::size_t>(sort)).keep_end(steps);
}

// The step asked for by the length bytes of answer, by the count's rule, from
// 0 to last; -1 when refused.
EMSCRIPTEN_KEEPALIVE int step_of(const char* answer, int length, int last)
{
    int value = 0;
    return accepts_whole(std::string(answer, static_cast<std::size_t>(length)), 0, last, value) ? value : -1;
}
}
