#include "watch.hpp"

#include "depth.hpp"
#include "recorder.hpp"

#include <algorithm>
#include <cstdint>
#include <utility>

Track::Track(const Sort& sort, std::vector<int> input, int window)
    : sort_(&sort), input_(std::move(input)), window_(std::max(window, 1))
{
    fill(now_, 0, window_);
    state_ = now_.base;
}

void Track::refill(int first)
{
    const int shown = state_.step;
    fill(now_, first, window_);
    state_ = now_.base;
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
        state_ = now_.base;
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

// A partition's end is shown with its last examination. A merge's depth is
// worked out for the step shown alone: worked out at every merge replayed, it
// would take as long as the replay itself.
void Track::replay(int step)
{
    if (step < state_.step) {
        state_ = now_.base;
        next_ = 0;
    }
    const auto& events = now_.events;
    while (next_ < events.size() && (state_.step < step || events[next_].kind == Event::partitioned)) {
        const Event& event = events[next_++];
        state_.step += event.counted();
        apply(state_, event, true);
    }
    Marks& marks = state_.marks;
    if (marks.mid >= 0) {
        marks.depth = merge_depth(marks.low, marks.high, static_cast<int>(input_.size()));
    }
}
