#include "exports.hpp"

#include "run.hpp"
#include "sorting.hpp"
#include "values.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The runs held, the run numbered k at k - 1; a released one is null.
std::vector<std::unique_ptr<Run>> held;
Refusal refused;

std::string text_of(const char* text, int length) { return std::string(text, static_cast<std::size_t>(length)); }

// A call on a run that is not held is the page's fault: the program stops, and the page says so.
Run& run_numbered(int run)
{
    if (run < 1 || static_cast<std::size_t>(run) > held.size() || !held[static_cast<std::size_t>(run) - 1]) {
        std::abort();
    }
    return *held[static_cast<std::size_t>(run) - 1];
}

int hold(std::unique_ptr<Run> run)
{
    if (!run) {
        return 0;
    }
    held.push_back(std::move(run));
    return static_cast<int>(held.size());
}

// The index of a sort of the table, likewise.
std::size_t sort_at(int sort)
{
    if (sort < 0 || static_cast<std::size_t>(sort) >= sort_count) {
        std::abort();
    }
    return static_cast<std::size_t>(sort);
}

// What each of the calls that show a sort returns, for each sort.
const Shown* shown(ShownCopy (&copies)[sort_count], int sort, const Track& track)
{
    return copies[sort_at(sort)].of(track);
}

}  // namespace

extern "C" {

const char* about()
{
    static const std::string text = layout();
    return text.c_str();
}

int run_generated(const char* count, int count_length, const char* seed, int seed_length, const char* list,
                  int list_length, const char* arrangement, int arrangement_length)
{
    return hold(Run::generated(text_of(count, count_length), text_of(seed, seed_length), text_of(list, list_length),
                               text_of(arrangement, arrangement_length), refused));
}

int run_own(const char* text, int length, const char* arrangement, int arrangement_length, int listing)
{
    return hold(Run::own(text_of(text, length), listing != 0, text_of(arrangement, arrangement_length), refused));
}

const char* refusal()
{
    static std::string text;
    text = refused.json();
    return text.c_str();
}

const char* run_facts(int run) { return run_numbered(run).facts().c_str(); }

const char* run_session(int run) { return run_numbered(run).session().c_str(); }

const char* run_explain(int run) { return run_numbered(run).explanation().c_str(); }

const Shown* run_watch(int run, int sort, int window)
{
    static ShownCopy copies[sort_count];
    return shown(copies, sort, run_numbered(run).watch(sort_at(sort), window));
}

const Shown* run_go(int run, int sort, int step)
{
    static ShownCopy copies[sort_count];
    Track& track = run_numbered(run).track(sort_at(sort));
    track.go(step);
    return shown(copies, sort, track);
}

const Shown* run_refill(int run, int sort, int first)
{
    static ShownCopy copies[sort_count];
    Track& track = run_numbered(run).track(sort_at(sort));
    track.refill(first);
    return shown(copies, sort, track);
}

void run_keep_end(int run, int sort, int steps) { run_numbered(run).track(sort_at(sort)).keep_end(steps); }

const char* run_practice(int run, int sort)
{
    static std::string text;
    text = run_numbered(run).practice(sort_at(sort));
    return text.empty() ? nullptr : text.c_str();
}

void run_release(int run)
{
    run_numbered(run);
    held[static_cast<std::size_t>(run) - 1].reset();
}

const int* counts(const char* arrangement, int length, int count, int seed)
{
    static int result[sort_count];
    const Arrangement* arranging = arrangement_named(text_of(arrangement, length));
    if (arranging == nullptr) {
        return nullptr;
    }
    std::vector<int> values(static_cast<std::size_t>(std::clamp(count, 0, MAX)));
    std::vector<int> unused(values.size());
    std::srand(static_cast<unsigned>(seed));
    fill_arrays(values.data(), unused.data(), unused.data(), static_cast<int>(values.size()));
    arranging->arrange(values);
    for (std::size_t i = 0; i < sort_count; ++i) {
        std::vector<int> copy = values;
        result[i] = sorts[i].plain(copy.data(), static_cast<int>(copy.size()));
    }
    return result;
}

void warm_up()
{
    const std::string descending = "descending";
    for (int i = 0; i < 3; ++i) {
        counts(descending.data(), static_cast<int>(descending.size()), 300, 1);
    }
}

int guess_of(const char* text, int length)
{
    int value = 0;
    return accepts_whole(text_of(text, length), 0, highest_guess, value) ? value : -1;
}

int step_of(const char* text, int length, int last)
{
    int value = 0;
    return accepts_whole(text_of(text, length), 0, last, value) ? value : -1;
}
}
