#include "watch.hpp"

#include "sorting.hpp"

#include <algorithm>
#include <cassert>
#include <limits>
#include <utility>

bool operator==(const Marks& x, const Marks& y)
{
    return std::all_of(std::begin(marks_fields), std::end(marks_fields),
                       [&](const auto& field) { return x.*field.second == y.*field.second; });
}

namespace {

// The depth of the merge of values[low..high] in a merge sort of n values, 1
// for the whole range: the halving of 0..n-1 that reaches it. The merges
// themselves carry no depth: an event has no room for it.
int merge_depth(int low, int high, int n)
{
    int depth = 1;
    for (int from = 0, to = n - 1; from != low || to != high; ++depth) {
        const int mid = (from + to) / 2;
        (high <= mid ? to : from) = high <= mid ? mid : mid + 1;
    }
    return depth;
}

// The marks and ranges pending after event, and for an operation the array
// made as it is after it: what a run and a replay share.
void track(State& state, const Event& event, bool operate)
{
    Marks& marks = state.marks;
    auto& values = state.values;
    const auto at = [&](int position) -> int& { return values[static_cast<std::size_t>(position)]; };
    switch (event.kind) {
    case Event::exchanged:
        marks.low = 0;
        marks.high = event.exchange.start;
        marks.at = event.exchange.left;
        marks.other = event.exchange.left + 1;
        if (operate) {
            exchange(at(marks.at), at(marks.other));
        }
        return;
    case Event::merging: {
        const auto& merge = event.merge;
        marks = Marks{};
        marks.low = merge.low;
        marks.mid = merge.mid;
        marks.high = merge.high;
        marks.left_next = merge.low;
        marks.right_next = merge.mid + 1;
        if (operate) {
            std::copy(values.begin() + merge.low, values.begin() + merge.high + 1, state.scratch.begin() + merge.low);
        }
        return;
    }
    case Event::written:
        marks.at = event.write.to;
        marks.other = event.write.from;
        (event.write.from <= marks.mid ? marks.left_next : marks.right_next) = event.write.from + 1;
        if (operate) {
            at(event.write.to) = state.scratch[static_cast<std::size_t>(event.write.from)];
        }
        return;
    case Event::partitioning: {
        // The sort takes the range it left last.
        assert(!state.pending.empty() && state.pending.back().low == event.partition.low &&
               state.pending.back().high == event.partition.high);
        marks = Marks{};
        marks.low = event.partition.low;
        marks.high = event.partition.high;
        marks.pivot = at(marks.low);
        marks.less_end = marks.low - 1;
        marks.next = marks.low;
        marks.greater_start = marks.high + 1;
        marks.depth = state.pending.back().depth;
        state.pending.pop_back();
        return;
    }
    case Event::examined: {
        const auto& examination = event.examination;
        marks.at = examination.at;
        marks.other = examination.other;
        marks.next = examination.region == Event::greater ? examination.at : examination.at + 1;
        (examination.region == Event::less      ? marks.less_end
         : examination.region == Event::greater ? marks.greater_start
                                                : marks.other) = examination.other;
        if (operate) {
            exchange(at(marks.at), at(marks.other));
        }
        return;
    }
    case Event::partitioned:
        // The less-than region is sorted first, so it goes on the stack last.
        for (const auto& [from, to] : {std::pair(int{event.parted.greater_start}, marks.high),
                                       std::pair(marks.low, int{event.parted.less_end})}) {
            if (from < to) {
                state.pending.push_back({from, to, marks.depth + 1});
            }
        }
        return;
    }
}

// Thrown to stop a run at the window's last step.
struct Stop {};

}  // namespace

// The sort's watch on a run. Before the window's first step it keeps only
// what the marks there will need: the merge or partition under way, the
// ranges waiting, and a merge's last write from each of its runs.
// There it copies the state; after it, it records each event, up to the
// window's last step and what the sort says after it of the partition it
// ends, where it stops the run when stop is set.
class Recorder {
public:
    Recorder(State& run, State& base, std::vector<Event>& events, int first, int last, bool stop)
        : run_(run), base_(base), events_(events), first_(first), last_(last), stop_(stop)
    {
        if (first == 0) {
            base_ = run_;
        }
    }

    void exchanged(int start, int left)
    {
        if (++step_ >= first_) {
            step_ <= last_ ? record_exchange(start, left) : stop();
        }
    }

    // The calls that are no operation are made out of the sort's loop, and
    // out of the quick sort's recursion: the engine's stack holds as many of
    // its frames as the values on descending input, and those grow with what
    // is inlined into them.
    [[gnu::noinline]] void merging(int low, int mid, int high, const int* scratch)
    {
        scratch_ = scratch;
        // A new merge has written nothing yet: any kind but a write marks a slot empty.
        last_writes_[0].kind = last_writes_[1].kind = Event::merging;
        Event event{};
        event.kind = Event::merging;
        event.merge = {short_of(low), short_of(mid), short_of(high)};
        begun(event);
    }

    void written(int to, int from)
    {
        if (++step_ < first_) {
            // A write moves on its run's next element: the last one from each run is all the marks need.
            Event& latest = last_writes_[from <= run_.marks.mid ? 0 : 1];
            latest.kind = Event::written;
            latest.write.to = short_of(to);
            latest.write.from = short_of(from);
        } else {
            step_ <= last_ ? record_write(to, from) : stop();
        }
    }

    // The pivot is the range's first value as the partition starts, as the
    // quick sort chooses it: an event has no room for a value, and a replay
    // finds it in its array.
    [[gnu::noinline]] void partitioning(int low, int high, [[maybe_unused]] int pivot)
    {
        assert(pivot == run_.values[static_cast<std::size_t>(low)]);
        Event event{};
        event.kind = Event::partitioning;
        event.partition = {short_of(low), short_of(high)};
        begun(event);
    }

    void examined(int at, int other, int less_end, int greater_start)
    {
        // Each examination reports the regions' bounds: none before the window is needed.
        if (++step_ >= first_) {
            step_ <= last_ ? record_examination(at, other, less_end, greater_start) : stop();
        }
    }

    // What a partition leaves to sort belongs to its last examination's step.
    [[gnu::noinline]] void partitioned(int, int less_end, int greater_start, int)
    {
        Event event{};
        event.kind = Event::partitioned;
        event.parted = {short_of(less_end), short_of(greater_start)};
        if (step_ <= last_) {
            step_ < first_ ? track(run_, event, false) : events_.push_back(event);
        }
    }

private:
    static std::int16_t short_of(int position) { return static_cast<std::int16_t>(position); }
    static Event::Region region_of(int other, int less_end, int greater_start)
    {
        return other == less_end ? Event::less : other == greater_start ? Event::greater : Event::equal;
    }

    // A merge or a partition begins: after the window's last step, it belongs to the step after.
    void begun(const Event& event)
    {
        if (step_ >= last_) {
            stop();
        } else {
            step_ < first_ ? track(run_, event, false) : events_.push_back(event);
        }
    }

    // Past the window's last step: the run stops there, or goes on only to
    // count, the rest of it on the short path of the steps before a window.
    // Out of line, the throw alone.
    void stop()
    {
        if (stop_) {
            stop_now();
        }
        first_ = std::numeric_limits<long long>::max();
    }
    [[noreturn, gnu::noinline]] static void stop_now() { throw Stop{}; }

    // An operation in the window, out of the sort's loop. Its fields are
    // stored apart: an event put together on the stack and copied whole would
    // wait for those stores at every operation.
    [[gnu::noinline]] void record_exchange(int start, int left)
    {
        Event& event = recorded();
        event.kind = Event::exchanged;
        event.exchange.start = short_of(start);
        event.exchange.left = short_of(left);
        begin_window();
    }
    [[gnu::noinline]] void record_write(int to, int from)
    {
        Event& event = recorded();
        event.kind = Event::written;
        event.write.to = short_of(to);
        event.write.from = short_of(from);
        begin_window();
    }
    [[gnu::noinline]] void record_examination(int at, int other, int less_end, int greater_start)
    {
        Event& event = recorded();
        event.kind = Event::examined;
        event.examination.at = short_of(at);
        event.examination.other = short_of(other);
        event.examination.region = region_of(other, less_end, greater_start);
        if (step_ == first_) {
            run_.marks.less_end = less_end;
            run_.marks.greater_start = greater_start;
        }
        begin_window();
    }

    // The window's first step is no event of the window: its state is the base.
    Event& recorded() { return step_ == first_ ? first_event_ : events_.emplace_back(); }

    // At the window's first step, the state there: the marks made from what
    // was kept before it, then the step's own operation.
    void begin_window()
    {
        if (step_ != first_) {
            return;
        }
        for (const Event& latest : last_writes_) {
            if (latest.kind == Event::written) {
                track(run_, latest, false);
            }
        }
        track(run_, first_event_, false);
        base_.step = static_cast<int>(first_);
        base_.values = run_.values;
        base_.marks = run_.marks;
        base_.pending = run_.pending;
        if (scratch_ != nullptr) {
            std::copy(scratch_ + run_.marks.low, scratch_ + run_.marks.high + 1,
                      base_.scratch.begin() + run_.marks.low);
        }
    }

    State& run_;
    State& base_;
    std::vector<Event>& events_;
    // What the marks at the window's first step need from the operations
    // before it: a merge's last write from its left run and from its right
    // run.
    Event last_writes_[2] = {};
    Event first_event_ = {};
    const int* scratch_ = nullptr;
    // Not int, which the sort's stores to its array might alias: fewer reloads.
    long long step_ = 0;
    long long first_, last_;
    bool stop_;
};

const Sort sorts[3] = {
    {"insertion", "exchanges", [](int* values, int n) { return insertion_sort(values, n); },
     [](int* values, int n, Recorder& watch) { return insertion_sort(values, n, watch); }},
    {"merge", "elements written back", [](int* values, int n) { return merge_sort(values, 0, n - 1); },
     [](int* values, int n, Recorder& watch) { return merge_sort(values, 0, n - 1, watch); }},
    {"quick", "elements examined", [](int* values, int n) { return quick_sort(values, 0, n - 1); },
     [](int* values, int n, Recorder& watch) { return quick_sort(values, 0, n - 1, watch); }},
};

Track::Track(const Sort& sort, std::vector<int> input, int window)
    : sort_(&sort), input_(std::move(input)), window_(std::max(window, 1))
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
    step = std::min(step, count_);
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
    if (n >= 2) {
        run.pending = {{0, n - 1, 1}};
    }
    window.base.scratch.assign(input_.size(), 0);
    window.events.clear();
    // Merges, partitions and their ends are at most 2n events in all, and no
    // sort makes more than n(n + 1) / 2 operations. The first run, which counts
    // them, reserves by that bound and is trimmed to what it recorded where
    // that is far less; the others reserve by the count. Memory new to the
    // process is slow to touch: a window's events are not moved once made.
    const long long most = counted_ ? count_ : 1LL * n * (n + 1) / 2;
    window.events.reserve(static_cast<std::size_t>(std::min<long long>(steps, most) + 2 * n));
    first = std::clamp(first, 0, count_);
    const long long last = static_cast<long long>(first) + steps;
    // The first run counts the operations; the others stop after the window's end.
    Recorder watch(run, window.base, window.events, first, static_cast<int>(std::min<long long>(last, INT32_MAX)),
                   counted_);
    try {
        count_ = sort_->watched(run.values.data(), n, watch);
        if (!counted_ && window.events.size() < window.events.capacity() / 2) {
            window.events.shrink_to_fit();
        }
        counted_ = true;
    } catch (const Stop&) {
    }
    window.last = static_cast<int>(std::min<long long>(last, count_));
}

// A partition's end is shown with its last examination, and a merge's depth
// worked out for the step shown alone: at every merge replayed, it made a
// replay through a window of merge sort's twice as long.
void Track::replay(int step)
{
    if (step < shown_.step) {
        shown_ = now_.base;
        next_ = 0;
    }
    const auto& events = now_.events;
    while (next_ < events.size() && (shown_.step < step || events[next_].kind == Event::partitioned)) {
        const Event& event = events[next_++];
        shown_.step += event.counted();
        track(shown_, event, true);
    }
    Marks& marks = shown_.marks;
    if (marks.mid >= 0) {
        marks.depth = merge_depth(marks.low, marks.high, static_cast<int>(input_.size()));
    }
}
