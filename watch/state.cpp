#include "state.hpp"

#include "sorting.hpp"

#include <algorithm>
#include <cassert>

bool operator==(const Marks& x, const Marks& y)
{
    return std::all_of(std::begin(marks_fields), std::end(marks_fields),
                       [&](const auto& field) { return x.*field.second == y.*field.second; });
}

void apply(State& state, const Event& event, bool operate)
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
