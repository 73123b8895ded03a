#include "layout.hpp"

#include "arrangements.hpp"
#include "comparison.hpp"
#include "depth.hpp"
#include "json.hpp"
#include "practice.hpp"
#include "sorting.hpp"
#include "sorts.hpp"

#include <iterator>

const Shown* ShownCopy::of(const Track& track)
{
    // Assigned, not made anew: once as long as the longest, they take no memory.
    const State& state = track.state();
    values_.assign(state.values.begin(), state.values.end());
    scratch_.assign(state.scratch.begin(), state.scratch.end());
    pending_.assign(state.pending.begin(), state.pending.end());
    shown_ = {state.step,
              track.count(),
              track.first(),
              track.last(),
              merge_levels(static_cast<int>(state.values.size())),
              state.marks,
              values_.data(),
              scratch_.data(),
              static_cast<int>(values_.size()),
              pending_.data(),
              static_cast<int>(pending_.size())};
    return &shown_;
}

// The limits: the count's and the seed's ranges, the highest guess at a count
// and its rule, and the steps a window of a race holds. Then each sort's name
// and what it counts, each arrangement's name and whether it applies to the
// learner's own values, in the page's order; and where the fields of a Shown
// lie: its ints, its arrays of ints with the field that holds their length,
// and its array of ranges, with the ranges' own fields and size.
std::string layout()
{
    const std::pair<const char*, int Shown::*> ints[] = {{"step", &Shown::step},
                                                         {"count", &Shown::count},
                                                         {"first", &Shown::first},
                                                         {"last", &Shown::last},
                                                         {"levels", &Shown::levels},
                                                         {"length", &Shown::length},
                                                         {"pending_length", &Shown::pending_length}};
    const std::pair<const char*, int Range::*> range[] = {
        {"low", &Range::low}, {"high", &Range::high}, {"depth", &Range::depth}};
    Json json;
    json << "{\"max\":" << highest_of(Question::count) << ",\"seed\":[" << lowest_of(Question::seed) << ","
         << highest_of(Question::seed) << "],\"guess\":{\"highest\":" << highest_guess
         << ",\"rule\":\"Please type a whole number from 0 to " << highest_guess << ".\"},\"practice\":["
         << practice_least << "," << practice_most << "],\"window\":" << Track::window_steps << ",\"sorts\":[";
    for (const Sort& sort : sorts) {
        json << (&sort == sorts ? "" : ",") << "{\"name\":\"" << sort.name << "\",\"counted\":\"" << sort.counted
             << "\",\"answers\":[";
        for (const char* const& answer : sort.answers) {
            if (answer != nullptr) {
                json << (&answer == sort.answers ? "\"" : ",\"") << answer << "\"";
            }
        }
        json << "]}";
    }
    json << "],\"arrangements\":[";
    for (const Arrangement& arrangement : arrangements) {
        json << (&arrangement == arrangements ? "" : ",") << "{\"name\":\"" << arrangement.name
             << "\",\"own\":" << arrangement.own << "}";
    }
    json << "],\"shown\":{\"ints\":{";
    json.members(ints) << ",";
    json.members(marks_fields, Json::offset(&Shown::marks))
        << "},\"arrays\":{\"values\":[" << Json::offset(&Shown::values) << ",\"length\"],\"scratch\":["
        << Json::offset(&Shown::scratch) << ",\"length\"]},\"ranges\":[" << Json::offset(&Shown::pending)
        << ",\"pending_length\"]},\"range\":{\"fields\":{";
    json.members(range) << "},\"size\":" << sizeof(Range) << "}}";
    return json.text();
}
