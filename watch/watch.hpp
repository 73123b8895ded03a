// One sort watched step by step: its array and what it is doing after any
// number k of its counted operations, from the sort itself (sorting.hpp).
//
// A track keeps a window of steps. The window is a run of the sort from its
// input that copies its state at the window's first step and records the
// operations after it, each in 8 bytes (state.hpp); a step in the window is
// that state with the operations up to it made again. A step outside it takes
// a new run.
#pragma once

#include "sorts.hpp"
#include "state.hpp"

#include <vector>

class Track {
public:
    // The steps a window holds unless told otherwise: 4 MB of events.
    static constexpr int window_steps = 1 << 19;

    // sort on input, shown at step 0; a window holds up to window steps.
    Track(const Sort& sort, std::vector<int> input, int window = window_steps);

    const Sort& sort() const { return *sort_; }
    int count() const { return count_; }
    const State& state() const { return state_; }
    int first() const { return now_.base.step; }
    int last() const { return now_.last; }

    // Shows step min(step, count()), step >= 0; a step outside the window takes
    // a new one from half a window before it, so that the steps around it are at hand.
    void go(int step);
    // A new window from step first, at most the step shown and less than a
    // window before it: the step shown is kept.
    void refill(int first);
    // Keeps the last steps, at most steps of them, in a window of their own
    // too: going to any of them then takes no new run.
    void keep_end(int steps);

private:
    struct Window {
        State base;  // the state at the window's first step
        std::vector<Event> events;
        int last = 0;
    };
    void fill(Window& window, int first, int steps);
    void replay(int step);

    const Sort* sort_;
    std::vector<int> input_;
    int window_;
    int count_ = 0;
    bool counted_ = false;
    Window now_, end_;
    State state_;
    std::size_t next_ = 0;  // the event of now_ after the step shown
};
