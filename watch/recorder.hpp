// The watch a track gives its sort (sorting.hpp) for one run: it keeps a
// window of the run's steps, as the state at the window's first step and the
// events after it, up to its last.
#pragma once

#include "state.hpp"

#include <cstdint>
#include <limits>
#include <vector>

class Recorder {
public:
    // What the run does with each operation. Before the window it keeps only
    // what the marks at the window's first step need: the merge or partition
    // under way, the ranges waiting, and a merge's last write from each of its
    // runs. In the window it records each. Past it, it stops the run, or for
    // the run that counts every operation, only counts.
    enum class Mode { before, recording, counting };

    // A run from run's state, the window's first step's state to base, its
    // events to events; with stop, the run ends past the window's last step.
    Recorder(State& run, State& base, std::vector<Event>& events, int first, int last, bool stop);

    Mode mode() const { return mode_; }

    void exchanged(int start, int left)
    {
        if (++step_ >= recorded_from_) {
            step_ <= last_ ? record_exchange(start, left) : past_window();
        }
    }

    // Where an inserted element stays is no operation, and the race does not show it.
    void placed(int, int) {}

    // The calls that are no operation are made out of the sort's loop, and
    // out of the quick sort's recursion: the engine's stack holds as many of
    // its frames as the values on descending input, and those grow with what
    // is inlined into them.
    [[gnu::noinline]] void merging(int low, int mid, int high, const int* scratch);

    void written(int to, int from)
    {
        if (++step_ < recorded_from_) {
            // A write moves on its run's next element: the last one from each run is all the marks need.
            Event& latest = last_writes_[from <= run_.marks.mid ? 0 : 1];
            latest.kind = Event::written;
            latest.write.to = short_of(to);
            latest.write.from = short_of(from);
        } else {
            step_ <= last_ ? record_write(to, from) : past_window();
        }
    }

    // The pivot is the range's first value as the partition starts, as the
    // quick sort chooses it: an event has no room for a value, and a replay
    // finds it in its array.
    [[gnu::noinline]] void partitioning(int low, int high, int pivot);

    void examined(int at, int other, int less_end, int greater_start)
    {
        // Each examination reports the regions' bounds: none before the window is needed.
        if (++step_ >= recorded_from_) {
            step_ <= last_ ? record_examination(at, other, less_end, greater_start) : past_window();
        }
    }

    // What a partition leaves to sort belongs to its last examination's step.
    [[gnu::noinline]] void partitioned(int low, int less_end, int greater_start, int high);

private:
    static std::int16_t short_of(int position) { return static_cast<std::int16_t>(position); }

    void begun(const Event& event);
    void past_window();
    [[noreturn, gnu::noinline]] static void stop_now();

    [[gnu::noinline]] void record_exchange(int start, int left);
    [[gnu::noinline]] void record_write(int to, int from);
    [[gnu::noinline]] void record_examination(int at, int other, int less_end, int greater_start);
    Event& recorded();
    void begin_window();

    // No step is recorded from here on: the run only counts.
    static constexpr long long never = std::numeric_limits<long long>::max();

    State& run_;
    State& base_;
    std::vector<Event>& events_;
    // What the marks at the window's first step need from the operations
    // before it: a merge's last write from its left run and from its right
    // run.
    Event last_writes_[2] = {};
    Event first_event_ = {};
    const int* scratch_ = nullptr;
    Mode mode_ = Mode::before;
    // Not int, which the sort's stores to its array might alias: fewer reloads.
    long long step_ = 0;
    // One comparison at each operation tells the modes apart: before the
    // window, step_ is below it; past the window, counting, it is never.
    long long recorded_from_;
    long long last_;
    bool stop_;
};

// Thrown to stop a run past the window's last step.
struct Stop {};
