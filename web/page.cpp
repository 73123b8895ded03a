// What the page calls: one run of the program on the answers from its form,
// or on the learner's own values, the check of one answer, the counts behind
// its chart, and the three sorts step by step for its view of them; and,
// once, what the page needs to know of the program: its limit, its sorts, the
// arrangements of values and where the view's fields lie in memory (about).
#include "comparison.hpp"
#include "reasons.hpp"
#include "sorting.hpp"
#include "text.hpp"
#include "values.hpp"
#include "watch.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

Question question_of(int question) { return question == 0 ? Question::count : Question::seed; }

// The arrangements the page can give the values, by the index the page
// passes: the generated order, three orders of the same values, and the
// generated values each replaced by one of ten.
struct Order {
    const char* name;
    const char* label;
    void (*arrange)(std::vector<int>& values);
};

const Order orders[] = {
    {"generated", "as generated", [](std::vector<int>&) {}},
    {"ascending", "the same values, ascending", [](std::vector<int>& v) { std::sort(v.begin(), v.end()); }},
    {"descending", "the same values, descending",
     [](std::vector<int>& v) { std::sort(v.begin(), v.end(), std::greater<>()); }},
    {"nearly-ascending", "the same values, nearly ascending",
     [](std::vector<int>& v) {
         std::sort(v.begin(), v.end());
         for (std::size_t i = 0; i + 1 < v.size(); i += 10) {
             std::swap(v[i], v[i + 1]);
         }
     }},
    {"few-distinct", "ten distinct values",
     [](std::vector<int>& v) {
         for (int& value : v) {
             value = value % 10 + 1;
         }
     }},
};

// The learner's values, as read_values last took them.
std::vector<int> own;

// The values of a run in the arrangement at index order: with own, the
// learner's; otherwise count values (at most MAX) from seed as the program
// generates them.
std::vector<int> values_of(int count, int seed, int order, bool own_values = false)
{
    std::vector<int> values;
    if (own_values) {
        values = own;
    } else {
        values.resize(static_cast<std::size_t>(std::clamp(count, 0, MAX)));
        std::vector<int> unused(values.size());
        std::srand(static_cast<unsigned>(seed));
        fill_arrays(values.data(), unused.data(), unused.data(), static_cast<int>(values.size()));
    }
    orders[std::clamp<std::size_t>(static_cast<std::size_t>(order), 0, std::size(orders) - 1)].arrange(values);
    return values;
}

const Sort& sort_at(int sort) { return sorts[std::min(static_cast<std::size_t>(sort), std::size(sorts) - 1)]; }

std::vector<Track> tracks;
Report last_report;

// What the view draws of one sort at a step. The page reads it from memory
// by the names and offsets about() gives.
struct Shown {
    int step, count, first, last;
    int levels;  // the deepest a merge of these values can be
    Marks marks;
    const int* values;
    const int* scratch;
    int length;
    const Range* pending;
    int pending_length;
};

const Shown* shown(int sort)
{
    static Shown view;
    const Track& track = tracks.at(static_cast<std::size_t>(sort));
    const State& state = track.shown();
    view = {state.step,
            track.count(),
            track.first(),
            track.last(),
            merge_levels(static_cast<int>(state.values.size())),
            state.marks,
            state.values.data(),
            state.scratch.data(),
            static_cast<int>(state.values.size()),
            state.pending.data(),
            static_cast<int>(state.pending.size())};
    return &view;
}

// Where member lies in a T, in bytes.
template <class T, class M>
std::size_t offset(M T::*member)
{
    const T sample{};
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&(sample.*member)) -
                                    reinterpret_cast<const char*>(&sample));
}

// JSON written a piece at a time: few calls, and little code for the page to carry.
class Json {
public:
    Json& operator<<(const char* text)
    {
        text_ += text;
        return *this;
    }
    Json& operator<<(std::size_t number) { return put(number); }
    Json& operator<<(long long number) { return put(number); }
    Json& operator<<(int number) { return put(number); }
    Json& operator<<(bool yes) { return *this << (yes ? "true" : "false"); }
    // "name":offset for each field, from base, as members of an object.
    template <class T, class M, std::size_t N>
    Json& members(const std::pair<const char*, M T::*> (&fields)[N], std::size_t base = 0)
    {
        const char* comma = "";
        for (const auto& [name, member] : fields) {
            *this << comma << "\"" << name << "\":" << base + offset(member);
            comma = ",";
        }
        return *this;
    }
    const std::string& text() const { return text_; }

private:
    template <class Number>
    Json& put(Number number)
    {
        char digits[32];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        return *this;
    }
    std::string text_;
};

}  // namespace

extern "C" {

// What the page needs to know of the program, as JSON: MAX; each sort's name
// and what it counts, in the order the page passes them; each order's name and
// label, likewise; and where the fields of what the view draws lie: its ints,
// its arrays of ints with the field that holds their length, and its array of
// ranges, with the ranges' own fields and size.
EMSCRIPTEN_KEEPALIVE const char* about()
{
    static Json json;
    if (json.text().empty()) {
        const std::pair<const char*, int Shown::*> ints[] = {{"step", &Shown::step},
                                                             {"count", &Shown::count},
                                                             {"first", &Shown::first},
                                                             {"last", &Shown::last},
                                                             {"levels", &Shown::levels},
                                                             {"length", &Shown::length},
                                                             {"pending_length", &Shown::pending_length}};
        const std::pair<const char*, int Range::*> range[] = {
            {"low", &Range::low}, {"high", &Range::high}, {"depth", &Range::depth}};
        json << "{\"max\":" << std::size_t{MAX} << ",\"sorts\":[";
        for (const Sort& sort : sorts) {
            json << (&sort == sorts ? "" : ",") << "{\"name\":\"" << sort.name << "\",\"counted\":\"" << sort.counted
                 << "\"}";
        }
        json << "],\"orders\":[";
        for (const Order& order : orders) {
            json << (&order == orders ? "" : ",") << "{\"name\":\"" << order.name << "\",\"label\":\"" << order.label
                 << "\"}";
        }
        json << "],\"shown\":{\"ints\":{";
        json.members(ints) << ",";
        json.members(marks_fields, offset(&Shown::marks))
            << "},\"arrays\":{\"values\":[" << offset(&Shown::values) << ",\"length\"],\"scratch\":["
            << offset(&Shown::scratch) << ",\"length\"]},\"ranges\":[" << offset(&Shown::pending)
            << ",\"pending_length\"]},\"range\":{\"fields\":{";
        json.members(range) << "},\"size\":" << sizeof(Range) << "}}";
    }
    return json.text().c_str();
}

// Runs the program on the length bytes of answers, one a line (a NUL byte is
// an answer's own, as on standard input), and returns its whole session:
// prompts, echoed answers, listings and report, or its message. The text
// stays valid until the next call; report() then gives the report's counts.
EMSCRIPTEN_KEEPALIVE const char* run_session(const char* answers, int length)
{
    static TextOut session;
    session = TextOut();
    TextIn typed(std::string(answers, static_cast<std::size_t>(length)), &session);
    last_report = Report();
    run_comparison(typed, session, session, &last_report);
    return session.str().c_str();
}

// Takes the length bytes of text as the learner's values (read_values): ""
// once taken, or why they are refused, the values taken before kept. Valid
// until the next call.
EMSCRIPTEN_KEEPALIVE const char* take_values(const char* text, int length)
{
    static std::string refused;
    refused = read_values(std::string(text, static_cast<std::size_t>(length)), own);
    return refused.c_str();
}

// The learner's values, as taken: their text for a link, each followed by a
// comma but the last. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* taken_values()
{
    static std::string text;
    text = joined(own);
    return text.c_str();
}

// The run on the learner's values as the program writes it once its answers
// are in: with listing non-zero, the values before and after; then the
// report. Valid until the next call; report() then gives its counts.
EMSCRIPTEN_KEEPALIVE const char* run_values(int listing)
{
    static TextOut session;
    session = TextOut();
    compare(own, listing != 0, session, &last_report);
    return session.str().c_str();
}

// The last session's report: how many counts it has, then its insertion,
// merge and quick counts; -1 each where it made no report.
EMSCRIPTEN_KEEPALIVE const int* report()
{
    static int counts[4];
    counts[0] = 3;
    counts[1] = last_report.insertion;
    counts[2] = last_report.merge;
    counts[3] = last_report.quick;
    return counts;
}

// "" when the program takes the length bytes of answer, alone, for question 0
// (the count) or 1 (the seed); otherwise the rule it says when it refuses it.
EMSCRIPTEN_KEEPALIVE const char* refusal(int question, const char* answer, int length)
{
    int value = 0;
    const std::string text(answer, static_cast<std::size_t>(length));
    return accepts(question_of(question), text, value) ? "" : rule_of(question_of(question));
}

// Each sort's count, in the page's order, for count values from seed in the
// order at index order. For the generated order they are the program's own
// report for that count and seed. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const int* counts(int count, int seed, int order)
{
    static int result[std::size(sorts)];
    const std::vector<int> values = values_of(count, seed, order);
    for (std::size_t i = 0; i < std::size(sorts); ++i) {
        std::vector<int> copy = values;
        result[i] = sorts[i].plain(copy.data(), static_cast<int>(copy.size()));
    }
    return result;
}

// The number the program takes from the length bytes of a guess at a count:
// a whole number from 0 to 2147483647, by the rule it takes a count by; -1
// when it refuses it.
EMSCRIPTEN_KEEPALIVE int guess_of(const char* answer, int length)
{
    int value = 0;
    return accepts_whole(std::string(answer, static_cast<std::size_t>(length)), 0, INT32_MAX, value) ? value : -1;
}

// Why the counts for the values of a run (values_of) are what they are, as
// JSON: the counts, in the page's order, and the quick sort's for the values
// as generated or typed; how many pairs nearly-ascending exchanges; then the
// numbers that explain them (reasons.hpp). The quick sort's count is the census's, so that each sort
// runs once. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* explain(int count, int seed, int order, int own_values)
{
    static Json json;
    json = Json();
    const std::vector<int> values = values_of(count, seed, order, own_values != 0);
    const Reasons reasons = reasons_for(values);
    const int n = static_cast<int>(values.size());
    const auto count_of = [&](const Sort& sort, std::vector<int> copy) { return sort.plain(copy.data(), n); };
    const int insertion = count_of(sorts[0], values);
    const int merge = count_of(sorts[1], values);
    int generated = reasons.examined;
    if (order != 0) {
        generated = count_of(sorts[2], values_of(count, seed, 0, own_values != 0));
    }
    json << "{\"n\":" << n << ",\"counts\":[" << insertion << "," << merge << "," << reasons.examined
         << "],\"generatedQuick\":" << generated << ",\"exchangedPairs\":" << (n < 2 ? 0 : (n - 2) / 10 + 1)
         << ",\"pairs\":" << reasons.pairs << ",\"average\":\"" << reasons.average_tenths / 10 << "."
         << reasons.average_tenths % 10 << "\",\"levels\":" << reasons.levels << ",\"power\":" << reasons.power
         << ",\"writes\":" << reasons.writes << ",\"partitions\":" << reasons.partitions
         << ",\"deepest\":" << reasons.deepest << ",\"firstLess\":" << reasons.first_less
         << ",\"firstGreater\":" << reasons.first_greater << ",\"descending\":" << reasons.descending
         << ",\"repeats\":" << reasons.repeats << "}";
    return json.text().c_str();
}

// The sort at index sort, of the values of a run (values_of), made ready to be shown at any step,
// each window holding up to window steps; sort 0 starts anew, and the others
// follow it in turn, each in a task of its own. Returns what the view draws of it.
EMSCRIPTEN_KEEPALIVE const Shown* watch(int count, int seed, int order, int own_values, int window, int sort)
{
    static std::vector<int> values;
    if (sort == 0) {
        values = values_of(count, seed, order, own_values != 0);
        tracks.clear();
    }
    tracks.emplace_back(sort_at(sort), values, window);
    return shown(sort);
}

// The sort at step, 0 <= step, and what the view draws of it.
EMSCRIPTEN_KEEPALIVE const Shown* watch_go(int sort, int step)
{
    tracks.at(static_cast<std::size_t>(sort)).go(step);
    return shown(sort);
}

// A new window for the sort from step first, the step shown kept.
EMSCRIPTEN_KEEPALIVE const Shown* watch_refill(int sort, int first)
{
    tracks.at(static_cast<std::size_t>(sort)).refill(first);
    return shown(sort);
}

// The sort's last steps, at most steps of them, kept in a window of their own.
EMSCRIPTEN_KEEPALIVE void watch_keep_end(int sort, int steps)
{
    tracks.at(static_cast<std::size_t>(sort)).keep_end(steps);
}
}
