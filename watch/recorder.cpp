#include "recorder.hpp"

#include <algorithm>
#include <cassert>

Recorder::Recorder(State& run, State& base, std::vector<Event>& events, int first, int last, bool stop)
    : run_(run), base_(base), events_(events), recorded_from_(first), last_(last), stop_(stop)
{
    if (first == 0) {
        base_ = run_;
    }
}

void Recorder::merging(int low, int mid, int high, const int* scratch)
{
    scratch_ = scratch;
    // A new merge has written nothing yet: any kind but a write marks a slot empty.
    last_writes_[0].kind = last_writes_[1].kind = Event::merging;
    Event event{};
    event.kind = Event::merging;
    event.merge = {short_of(low), short_of(mid), short_of(high)};
    begun(event);
}

void Recorder::partitioning(int low, int high, [[maybe_unused]] int pivot)
{
    assert(pivot == run_.values[static_cast<std::size_t>(low)]);
    Event event{};
    event.kind = Event::partitioning;
    event.partition = {short_of(low), short_of(high)};
    begun(event);
}

void Recorder::partitioned(int, int less_end, int greater_start, int)
{
    if (mode_ == Mode::counting || step_ > last_) {
        return;
    }
    Event event{};
    event.kind = Event::partitioned;
    event.parted = {short_of(less_end), short_of(greater_start)};
    step_ < recorded_from_ ? apply(run_, event, false) : events_.push_back(event);
}

// A merge or a partition begins: after the window's last step, it belongs to the step after.
void Recorder::begun(const Event& event)
{
    if (mode_ == Mode::counting) {
        return;
    }
    if (step_ >= last_) {
        past_window();
    } else {
        step_ < recorded_from_ ? apply(run_, event, false) : events_.push_back(event);
    }
}

// Out of line, the throw alone.
void Recorder::past_window()
{
    if (stop_) {
        stop_now();
    }
    mode_ = Mode::counting;
    recorded_from_ = never;
}

void Recorder::stop_now() { throw Stop{}; }

// An operation in the window, out of the sort's loop. Its fields are stored
// apart: an event put together on the stack and copied whole would wait for
// those stores at every operation.
void Recorder::record_exchange(int start, int left)
{
    Event& event = recorded();
    event.kind = Event::exchanged;
    event.exchange.start = short_of(start);
    event.exchange.left = short_of(left);
    begin_window();
}

void Recorder::record_write(int to, int from)
{
    Event& event = recorded();
    event.kind = Event::written;
    event.write.to = short_of(to);
    event.write.from = short_of(from);
    begin_window();
}

void Recorder::record_examination(int at, int other, int less_end, int greater_start)
{
    Event& event = recorded();
    event.kind = Event::examined;
    event.examination.at = short_of(at);
    event.examination.other = short_of(other);
    event.examination.region = other == less_end ? Event::less : other == greater_start ? Event::greater : Event::equal;
    if (step_ == recorded_from_) {
        run_.marks.less_end = less_end;
        run_.marks.greater_start = greater_start;
    }
    begin_window();
}

// The window's first step is no event of the window: its state is the base.
Event& Recorder::recorded() { return step_ == recorded_from_ ? first_event_ : events_.emplace_back(); }

// At the window's first step, the state there: the marks made from what was
// kept before it, then the step's own operation.
void Recorder::begin_window()
{
    if (step_ != recorded_from_) {
        return;
    }
    mode_ = Mode::recording;
    for (const Event& latest : last_writes_) {
        if (latest.kind == Event::written) {
            apply(run_, latest, false);
        }
    }
    apply(run_, first_event_, false);
    base_.step = static_cast<int>(recorded_from_);
    base_.values = run_.values;
    base_.marks = run_.marks;
    base_.pending = run_.pending;
    if (scratch_ != nullptr) {
        std::copy(scratch_ + run_.marks.low, scratch_ + run_.marks.high + 1, base_.scratch.begin() + run_.marks.low);
    }
}
