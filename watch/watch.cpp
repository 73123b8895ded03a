#include "watch.hpp"

#include "sorting.hpp"

#include <algorithm>
#include <utility>

namespace {

// The marks and ranges pending after event, and for an operation the array
// made as it is after it: what a run and a replay share.
void track(State& state, const Event& event, bool operate)
{
    Marks& marks = state.marks;
    auto& values = state.values;
    switch (event.kind) {
    case Event::exchanged:
        marks.low = 0;
        marks.high = event.a;
        marks.at = event.b;
        marks.other = event.b + 1;
        if (operate) {
            exchange(values[static_cast<std::size_t>(marks.at)], values[static_cast<std::size_t>(marks.other)]);
        }
        return;
    case Event::merging:
        marks = {event.a, event.c, event.b};
        marks.left_next = event.a;
        marks.right_next = event.b + 1;
        if (operate) {
            std::copy(values.begin() + event.a, values.begin() + event.c + 1, state.scratch.begin() + event.a);
        }
        return;
    case Event::written:
        marks.at = event.a;
        marks.other = event.b;
        (event.b <= marks.mid ? marks.left_next : marks.right_next) = event.b + 1;
        if (operate) {
            values[static_cast<std::size_t>(event.a)] = state.scratch[static_cast<std::size_t>(event.b)];
        }
        return;
    case Event::partitioning:
        marks = {event.a, event.b};
        marks.pivot = values[static_cast<std::size_t>(event.a)];
        marks.less_end = event.a - 1;
        marks.next = event.a;
        marks.greater_start = event.b + 1;
        if (state.pending.size() >= 2 && state.pending.end()[-2] == event.a && state.pending.back() == event.b) {
            state.pending.resize(state.pending.size() - 2);
        }
        return;
    case Event::examined:
        marks.at = event.a;
        marks.other = event.b != marks.less_end ? event.b : event.c != marks.greater_start ? event.c : event.a;
        marks.next = event.c != marks.greater_start ? event.a : event.a + 1;
        marks.less_end = event.b;
        marks.greater_start = event.c;
        if (operate) {
            exchange(values[static_cast<std::size_t>(marks.at)], values[static_cast<std::size_t>(marks.other)]);
        }
        // The partition is over: its less-than region is sorted first, so it goes on the stack last.
        if (marks.next == marks.greater_start) {
            for (const auto& [low, high] :
                 {std::pair(marks.greater_start, marks.high), std::pair(marks.low, marks.less_end)}) {
                if (low < high) {
                    state.pending.insert(state.pending.end(), {low, high});
                }
            }
        }
        return;
    }
}

// The sort's watch on a run: counts the steps, keeps the marks, copies the
// state at the window's first step and records the events after it.
class Recorder {
public:
    Recorder(State& run, State& base, std::vector<Event>& events, int first, int last)
        : run_(run), base_(base), events_(events), first_(first), last_(last)
    {
        if (first == 0) {
            base_ = run_;
        }
    }

    void exchanged(int i, int left) { note({Event::exchanged, short_of(i), short_of(left), 0}); }
    void merging(int low, int mid, int high, const int* scratch)
    {
        scratch_ = scratch;
        note({Event::merging, short_of(low), short_of(mid), short_of(high)});
    }
    void written(int k, int from) { note({Event::written, short_of(k), short_of(from), 0}); }
    void partitioning(int low, int high, int) { note({Event::partitioning, short_of(low), short_of(high), 0}); }
    void examined(int at, int less_end, int greater_start)
    {
        note({Event::examined, short_of(at), short_of(less_end), short_of(greater_start)});
    }

private:
    static std::int16_t short_of(int position) { return static_cast<std::int16_t>(position); }

    void note(const Event& event)
    {
        const bool counted = event.counted();
        run_.step += counted;
        track(run_, event, false);
        const int step = run_.step;
        if (counted ? first_ < step && step <= last_ : first_ <= step && step < last_) {
            events_.push_back(event);
        }
        if (counted && step == first_) {
            base_.step = step;
            base_.values = run_.values;
            base_.marks = run_.marks;
            base_.pending = run_.pending;
            if (scratch_ != nullptr) {
                std::copy(scratch_ + run_.marks.low, scratch_ + run_.marks.high + 1,
                          base_.scratch.begin() + run_.marks.low);
            }
        }
    }

    State& run_;
    State& base_;
    std::vector<Event>& events_;
    const int* scratch_ = nullptr;
    int first_, last_;
};

}  // namespace

Track::Track(Sort sort, std::vector<int> input, int window)
    : sort_(sort), input_(std::move(input)), window_(std::max(window, 1))
{
    fill(0);
}

void Track::refill(int first)
{
    const int shown = shown_.step;
    fill(first);
    replay(shown);
}

void Track::go(int step)
{
    step = std::clamp(step, 0, count_);
    if (step < first() || step > last_) {
        fill(step - window_ / 2);
    }
    replay(step);
}

void Track::fill(int first)
{
    const int n = static_cast<int>(input_.size());
    State run;
    run.values = input_;
    run.scratch.assign(input_.size(), 0);
    if (sort_ == Sort::quick && n >= 2) {
        run.pending = {0, n - 1};
    }
    base_.scratch.assign(input_.size(), 0);
    events_.clear();
    // A merge or a partition makes at least two operations: half as many other events at most.
    const long long steps = std::min<long long>(window_, count_ > 0 ? count_ : 1LL * n * n / 2);
    events_.reserve(static_cast<std::size_t>(steps + steps / 2 + 1));
    first = std::clamp(first, 0, count_);
    const long long last = static_cast<long long>(first) + window_;
    Recorder watch(run, base_, events_, first, static_cast<int>(std::min<long long>(last, INT32_MAX)));
    switch (sort_) {
    case Sort::insertion:
        count_ = insertion_sort(run.values.data(), n, watch);
        break;
    case Sort::merge:
        count_ = merge_sort(run.values.data(), 0, n - 1, watch);
        break;
    case Sort::quick:
        count_ = quick_sort(run.values.data(), 0, n - 1, watch);
        break;
    }
    last_ = static_cast<int>(std::min<long long>(last, count_));
    shown_ = base_;
    next_ = 0;
}

void Track::replay(int step)
{
    step = std::clamp(step, first(), last_);
    if (step < shown_.step) {
        shown_ = base_;
        next_ = 0;
    }
    while (next_ < events_.size() && shown_.step < step) {
        const Event& event = events_[next_++];
        shown_.step += event.counted();
        track(shown_, event, true);
    }
}
