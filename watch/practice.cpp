#include "practice.hpp"

#include "depth.hpp"

#include <utility>

std::vector<Choice> choices(const Sort& sort, std::vector<int> values)
{
    std::vector<Choice> asked;
    Asker asker(values, asked);
    sort.asked(values.data(), static_cast<int>(values.size()), asker);
    return asked;
}

Asker::Asker(std::vector<int> values, std::vector<Choice>& choices) : choices_(choices)
{
    const int n = static_cast<int>(values.size());
    state_.scratch.assign(values.size(), 0);
    state_.values = std::move(values);
    if (n >= 2) {
        state_.pending = {{0, n - 1, 1}};
    }
}

void Asker::ask(int answer, const Marks& marks)
{
    Choice& choice = choices_.emplace_back(Choice{answer, state_});
    choice.state.marks = marks;
}

void Asker::apply(const Event& event)
{
    state_.step += event.counted();
    ::apply(state_, event, true);
}

void Asker::exchanged(int start, int left)
{
    Marks marks;
    marks.low = 0;
    marks.high = start;
    marks.at = left + 1;
    marks.other = left;
    ask(0, marks);
    Event event{};
    event.kind = Event::exchanged;
    event.exchange = {static_cast<std::int16_t>(start), static_cast<std::int16_t>(left)};
    apply(event);
}

void Asker::placed(int start, int at)
{
    if (at > 0) {
        Marks marks;
        marks.low = 0;
        marks.high = start;
        marks.at = at;
        marks.other = at - 1;
        ask(1, marks);
    }
}

void Asker::merging(int low, int mid, int high, const int*)
{
    Event event{};
    event.kind = Event::merging;
    event.merge = {static_cast<std::int16_t>(low), static_cast<std::int16_t>(mid), static_cast<std::int16_t>(high)};
    apply(event);
    state_.marks.depth = merge_depth(low, high, static_cast<int>(state_.values.size()));
}

void Asker::written(int to, int from)
{
    const Marks& marks = state_.marks;
    if (marks.left_next <= marks.mid && marks.right_next <= marks.high) {
        Marks asked = marks;
        asked.at = to;
        asked.other = -1;
        ask(from <= marks.mid ? 0 : 1, asked);
    }
    Event event{};
    event.kind = Event::written;
    event.write = {static_cast<std::int16_t>(to), static_cast<std::int16_t>(from)};
    apply(event);
}

void Asker::partitioning(int low, int high, int)
{
    Event event{};
    event.kind = Event::partitioning;
    event.partition = {static_cast<std::int16_t>(low), static_cast<std::int16_t>(high)};
    apply(event);
}

void Asker::examined(int at, int other, int less_end, int greater_start)
{
    const auto region = other == less_end ? Event::less : other == greater_start ? Event::greater : Event::equal;
    if (at != state_.marks.low) {
        Marks asked = state_.marks;
        asked.at = asked.next = at;
        asked.other = -1;
        ask(region, asked);
    }
    Event event{};
    event.kind = Event::examined;
    event.examination = {static_cast<std::int16_t>(at), static_cast<std::int16_t>(other), region};
    apply(event);
}

void Asker::partitioned(int, int less_end, int greater_start, int)
{
    Event event{};
    event.kind = Event::partitioned;
    event.parted = {static_cast<std::int16_t>(less_end), static_cast<std::int16_t>(greater_start)};
    apply(event);
}
