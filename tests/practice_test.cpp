// The questions of a sort done by hand: the sort's own choices, each asked on
// the values as the race shows them at its step, and answered by the rule of
// the sort's comparison.
#include "practice.hpp"
#include "reasons.hpp"
#include "run_check.hpp"
#include "watch.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<int>;

// Each choice's answer by name, and the step it is asked at.
std::vector<std::pair<std::string, int>> asked(const Sort& sort, const Values& values)
{
    std::vector<std::pair<std::string, int>> all;
    for (const Choice& choice : choices(sort, values)) {
        all.emplace_back(sort.answers[choice.answer], choice.state.step);
    }
    return all;
}

// Worked by hand. Insertion: 1 goes left and reaches the start, 2 goes left and stays beside 1. Merge: 1 from the
// right run, 3 written alone; then 1 from the left, 2 from the right, 3 alone. Quick: around 3, then around 1; each
// pivot's own examination unasked. On a tie the right run's value goes first.
TEST(Practice, EachChoiceIsAskedAtItsStep)
{
    const struct {
        const Sort& sort;
        Values values;
        std::vector<std::pair<std::string, int>> choices;
    } cases[] = {
        {sorts[0], {3, 1, 2}, {{"exchange", 0}, {"exchange", 1}, {"leave", 2}}},
        {sorts[1], {3, 1, 2}, {{"right", 0}, {"left", 2}, {"right", 3}}},
        {sorts[2], {3, 1, 2}, {{"less", 1}, {"less", 2}, {"greater", 4}}},
        {sorts[0],
         {2, 1, 2, 1, 2},
         {{"exchange", 0}, {"leave", 1}, {"exchange", 1}, {"exchange", 2}, {"leave", 3}, {"leave", 3}}},
        {sorts[1], {1, 1}, {{"right", 0}}},
        {sorts[2], {2, 1, 2, 1, 2}, {{"less", 1}, {"equal", 2}, {"less", 3}, {"equal", 4}, {"equal", 6}}},
        {sorts[0], {7}, {}},
        {sorts[2], {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(asked(c.sort, c.values), c.choices) << c.sort.name << " " << c.values.size();
    }
}

// Values of up to 16, random, repeating, in order and reversed.
std::vector<Values> inputs()
{
    std::vector<Values> all{{5, 5}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4, -5, -6}};
    std::srand(45);
    for (const int n : {2, 3, 8, 16}) {
        for (const int spread : {3, 1000}) {
            Values v(static_cast<std::size_t>(n));
            std::generate(v.begin(), v.end(), [&] { return std::rand() % spread; });
            all.push_back(v);
            std::sort(v.begin(), v.end());
            all.push_back(v);
        }
    }
    return all;
}

// Writes a merge sort makes while both its runs hold values, by a merge sort of the test's own.
int contested(Values& v, int low, int high)
{
    if (low >= high) {
        return 0;
    }
    const int mid = (low + high) / 2;
    int asked = contested(v, low, mid) + contested(v, mid + 1, high);
    std::vector<int> merged;
    auto i = v.begin() + low, j = v.begin() + mid + 1;
    const auto left_end = v.begin() + mid + 1, right_end = v.begin() + high + 1;
    for (; i != left_end && j != right_end; ++asked) {
        merged.push_back(*i < *j ? *i++ : *j++);
    }
    merged.insert(merged.end(), i, left_end);
    merged.insert(merged.end(), j, right_end);
    std::copy(merged.begin(), merged.end(), v.begin() + low);
    return asked;
}

// How many: insertion, the exchanges and each element that stays beside a left neighbour, one not greater than it;
// merge, the contested writes; quick, the examinations less the partitions. Each choice shows the values the race
// shows at its step, and its answer is the sort's comparison there.
TEST(Practice, ChoicesAreTheSortsOwnOnTheRacesValues)
{
    for (const Values& input : inputs()) {
        long long stays = 0;
        for (auto at = input.begin() + 1; at < input.end(); ++at) {
            stays += std::any_of(input.begin(), at, [&](int earlier) { return earlier <= *at; });
        }
        Values copy = input;
        const Reasons reasons = reasons_for(input);
        const long long expected[] = {inversions(input) + stays, contested(copy, 0, static_cast<int>(input.size()) - 1),
                                      reasons.examined - reasons.partitions};
        for (std::size_t s = 0; s < sort_count; ++s) {
            const Sort& sort = sorts[s];
            const std::vector<Choice> all = choices(sort, input);
            EXPECT_EQ(static_cast<long long>(all.size()), expected[s])
                << sort.name << " " << testing::PrintToString(input);
            Track race(sort, input);
            for (const Choice& choice : all) {
                race.go(choice.state.step);
                const Marks& m = choice.state.marks;
                const auto& values = choice.state.values;
                const auto& scratch = choice.state.scratch;
                EXPECT_EQ(values, race.state().values) << sort.name << " at step " << choice.state.step;
                const auto value = [&](int at) { return values[static_cast<std::size_t>(at)]; };
                const auto front = [&](int at) { return scratch[static_cast<std::size_t>(at)]; };
                const int answer = s == 0   ? value(m.at) >= value(m.other)
                                   : s == 1 ? front(m.right_next) <= front(m.left_next)
                                            : (value(m.at) > m.pivot) - (value(m.at) < m.pivot) + 1;
                EXPECT_EQ(choice.answer, answer) << sort.name << " at step " << choice.state.step;
                // The operation a choice leads to, but an element left in place, shows the choice's range, and
                // the merge's scratch array.
                EXPECT_EQ(m.other, s == 0 ? m.at - 1 : -1);
                if (s > 0 || choice.answer == 0) {
                    race.go(choice.state.step + 1);
                    const Marks& shown = race.state().marks;
                    EXPECT_EQ(std::tuple(m.low, m.mid, m.high, m.depth),
                              std::tuple(shown.low, shown.mid, shown.high, shown.depth))
                        << sort.name << " at step " << choice.state.step;
                    EXPECT_EQ(scratch, race.state().scratch) << sort.name << " at step " << choice.state.step;
                }
            }
        }
    }
}

}  // namespace
