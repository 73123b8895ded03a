#include "watch.hpp"

#include "sorting.hpp"

#include <algorithm>
#include <utility>

namespace {

// A partition of values[low..high] is over: its less-than region is sorted
// first, so it goes on the stack of ranges waiting last.
void partitioned(State& state, int low, int less_end, int greater_start, int high)
{
    for (const auto& [from, to] : {std::pair(greater_start, high), std::pair(low, less_end)}) {
        if (from < to) {
            state.pending.insert(state.pending.end(), {from, to});
        }
    }
}

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
        if (marks.next == marks.greater_start) {
            partitioned(state, marks.low, marks.less_end, marks.greater_start, marks.high);
        }
        return;
    }
}

// Thrown to stop a run at the window's last step.
struct Stop {};

// The sort's watch on a run. Before the window's first step it keeps only
// what the marks there will need: the merge or partition under way, the
// ranges waiting, and the last operations that set its marks (the last
// write from each run of a merge, the last examination of a partition).
// There it copies the state; after it, it records each event, up to the
// window's last step, where it stops the run when stop is set.
class Recorder {
public:
    Recorder(State& run, State& base, std::vector<Event>& events, int first, int last, bool stop)
        : run_(run), base_(base), events_(events), first_(first), last_(last), stop_(stop)
    {
        if (first == 0) {
            base_ = run_;
        }
    }

    void exchanged(int i, int left) { counted(Event::exchanged, i, left, 0); }
    void merging(int low, int mid, int high, const int* scratch)
    {
        scratch_ = scratch;
        begun({Event::merging, short_of(low), short_of(mid), short_of(high)});
    }
    void written(int k, int from) { counted(Event::written, k, from, 0); }
    void partitioning(int low, int high, int) { begun({Event::partitioning, short_of(low), short_of(high), 0}); }
    void examined(int at, int less_end, int greater_start) { counted(Event::examined, at, less_end, greater_start); }

private:
    static std::int16_t short_of(int position) { return static_cast<std::int16_t>(position); }

    // A merge or a partition begins: the one before is over.
    void begun(const Event& event)
    {
        if (step_ < first_) {
            if (latest_[1].kind == Event::examined) {
                partitioned(run_, run_.marks.low, latest_[1].b, latest_[1].c, run_.marks.high);
            }
            // The operations' kinds mark the slots empty: a merge or partition is no operation.
            latest_[0] = latest_[1] = event;
            track(run_, event, false);
        } else if (step_ < last_) {
            events_.push_back(event);
        }
    }

    // Each field stored apart: an event put together on the stack and copied
    // whole would wait for those stores at every operation.
    static void set(Event& event, Event::Kind kind, int a, int b, int c)
    {
        event.kind = kind;
        event.a = short_of(a);
        event.b = short_of(b);
        event.c = short_of(c);
    }

    // The path every operation takes is short, and inlined into the sort's
    // loop, before the window, where a run to a window at its end spends
    // nearly all of its time.
    void counted(Event::Kind kind, int a, int b, int c)
    {
        if (++step_ < first_) {
            // An exchange says all that its marks need; a write moves on its run's next element.
            if (kind == Event::written) {
                set(latest_[b <= run_.marks.mid ? 0 : 1], kind, a, b, c);
            } else if (kind == Event::examined) {
                set(latest_[1], kind, a, b, c);
            }
        } else if (step_ <= last_) {
            in_window(kind, a, b, c);
        }
    }

    [[gnu::noinline]] void in_window(Event::Kind kind, int a, int b, int c)
    {
        if (step_ == first_) {
            Event event{};
            set(event, kind, a, b, c);
            for (const Event& latest : latest_) {
                if (latest.counted()) {
                    track(run_, latest, false);
                }
            }
            track(run_, event, false);
            base_.step = static_cast<int>(first_);
            base_.values = run_.values;
            base_.marks = run_.marks;
            base_.pending = run_.pending;
            if (scratch_ != nullptr) {
                std::copy(scratch_ + run_.marks.low, scratch_ + run_.marks.high + 1,
                          base_.scratch.begin() + run_.marks.low);
            }
            return;
        }
        set(events_.emplace_back(), kind, a, b, c);
        if (step_ == last_ && stop_) {
            throw Stop{};
        }
    }

    State& run_;
    State& base_;
    std::vector<Event>& events_;
    // What the marks at the window's first step need from the operations
    // before it: a merge's last write from its left run and from its right
    // run, or, second, a partition's last examination.
    Event latest_[2] = {{Event::merging, 0, 0, 0}, {Event::merging, 0, 0, 0}};
    const int* scratch_ = nullptr;
    // Not int, which the sort's stores to its array might alias: fewer reloads.
    long long step_ = 0;
    long long first_, last_;
    bool stop_;
};

}  // namespace

Track::Track(Sort sort, std::vector<int> input, int window)
    : sort_(sort), input_(std::move(input)), window_(std::max(window, 1))
{
    fill(now_, 0, window_);
    shown_ = now_.base;
}

void Track::refill(int first)
{
    const int shown = shown_.step;
    fill(now_, first, window_);
    shown_ = now_.base;
    next_ = 0;
    replay(shown);
}

void Track::keep_end(int steps)
{
    steps = std::max(steps, 1);
    fill(end_, count_ - steps, steps);
}

void Track::go(int step)
{
    step = std::clamp(step, 0, count_);
    if (step < first() || step > last()) {
        if (end_.last == count_ && step >= end_.base.step) {
            now_ = end_;
        } else {
            fill(now_, step - window_ / 2, window_);
        }
        shown_ = now_.base;
        next_ = 0;
    }
    replay(step);
}

void Track::fill(Window& window, int first, int steps)
{
    const int n = static_cast<int>(input_.size());
    State run;
    run.values = input_;
    run.scratch.assign(input_.size(), 0);
    if (sort_ == Sort::quick && n >= 2) {
        run.pending = {0, n - 1};
    }
    window.base.scratch.assign(input_.size(), 0);
    window.events.clear();
    // A merge or a partition makes at least two operations: half as many other events at most.
    const long long most = std::min<long long>(steps, count_ > 0 ? count_ : 1LL * n * n / 2);
    window.events.reserve(static_cast<std::size_t>(most + most / 2 + 1));
    first = std::clamp(first, 0, count_);
    const long long last = static_cast<long long>(first) + steps;
    // The first run counts the operations; the others stop at the window's end.
    Recorder watch(run, window.base, window.events, first, static_cast<int>(std::min<long long>(last, INT32_MAX)),
                   counted_);
    try {
        const int count = sort_ == Sort::insertion ? insertion_sort(run.values.data(), n, watch)
                          : sort_ == Sort::merge   ? merge_sort(run.values.data(), 0, n - 1, watch)
                                                   : quick_sort(run.values.data(), 0, n - 1, watch);
        count_ = count;
        counted_ = true;
    } catch (const Stop&) {
    }
    window.last = static_cast<int>(std::min<long long>(last, count_));
}

void Track::replay(int step)
{
    step = std::clamp(step, first(), last());
    if (step < shown_.step) {
        shown_ = now_.base;
        next_ = 0;
    }
    while (next_ < now_.events.size() && shown_.step < step) {
        const Event& event = now_.events[next_++];
        shown_.step += event.counted();
        track(shown_, event, true);
    }
}
