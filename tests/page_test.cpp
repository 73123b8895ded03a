// The page's boundary with the program: the arrangements, the runs it holds,
// and its calls, as the page makes them.
#include "arrangements.hpp"
#include "exports.hpp"
#include "run.hpp"
#include "text.hpp"
#include "values.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::vector<int>;

const Arrangement& named(const char* name) { return *arrangement_named(name); }

// Each arrangement on small inputs, worked by hand, with the pairs it exchanged.
TEST(Arrangements, EachArrangesAsDefined)
{
    const Values input = {23, 5, 8, 101, 5, 60, 2, 77, 19, 40, 36, 90};
    const struct {
        const char* name;
        Values input, arranged;
        int pairs;
    } cases[] = {
        {"generated", input, input, 0},
        {"ascending", input, {2, 5, 5, 8, 19, 23, 36, 40, 60, 77, 90, 101}, 0},
        {"descending", input, {101, 90, 77, 60, 40, 36, 23, 19, 8, 5, 5, 2}, 0},
        // Positions 0 and 1, then 10 and 11.
        {"nearly-ascending", input, {5, 2, 5, 8, 19, 23, 36, 40, 60, 77, 101, 90}, 2},
        {"nearly-ascending", {3, 1}, {3, 1}, 1},
        {"nearly-ascending", {4, 3, 2, 1, 5, 6, 7, 8, 9, 10, 11}, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1},
        {"nearly-ascending", {7}, {7}, 0},
        {"nearly-ascending", {}, {}, 0},
        {"few-distinct", input, {4, 6, 9, 2, 6, 1, 3, 8, 10, 1, 7, 1}, 0},
        {"few-distinct", {-7, 0, 2147483647}, {-6, 1, 8}, 0},
    };
    for (const auto& c : cases) {
        Values values = c.input;
        EXPECT_EQ(named(c.name).arrange(values), c.pairs) << c.name << " of " << c.input.size();
        EXPECT_EQ(values, c.arranged) << c.name << " of " << c.input.size();
    }
}

TEST(Arrangements, OnlyThoseThatExistApplyAndTenDistinctValuesToGeneratedOnes)
{
    std::vector<std::string> names;
    for (const Arrangement& arrangement : arrangements) {
        names.emplace_back(arrangement.name);
        EXPECT_EQ(applies(arrangement.name, false), Applies::yes);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"generated", "ascending", "descending", "nearly-ascending", "few-distinct"}));
    EXPECT_EQ(applies("few-distinct", true), Applies::generated_only);
    EXPECT_EQ(applies("descending", true), Applies::yes);
    for (const char* unknown : {"", "Ascending", "ascending ", "sideways"}) {
        EXPECT_EQ(applies(unknown, false), Applies::unknown) << unknown;
        EXPECT_EQ(arrangement_named(unknown), nullptr) << unknown;
    }
}

// A page's text as the calls take it.
struct Text {
    std::string text;
    Text(const char* t) : text(t) {}
    const char* data() const { return text.data(); }
    int size() const { return static_cast<int>(text.size()); }
};

int generated(Text count, Text seed, Text list = "n", Text arrangement = "generated")
{
    return run_generated(count.data(), count.size(), seed.data(), seed.size(), list.data(), list.size(),
                         arrangement.data(), arrangement.size());
}

int own(Text values, Text arrangement = "generated", bool listing = false)
{
    return run_own(values.data(), values.size(), arrangement.data(), arrangement.size(), listing ? 1 : 0);
}

TEST(HeldRuns, ARefusedRunSaysWhyBesideEachAnswer)
{
    const std::string count_rule = R"("count":"Please type a whole number from 0 to 5000.")";
    const std::string seed_rule = R"("seed":"Please type a whole number from -2147483648 to 2147483647.")";
    const struct {
        std::function<int()> run;
        std::string refusal;
    } cases[] = {
        {[] { return generated("5 6", "1"); }, "{" + count_rule + R"(,"seed":"","values":"","arrangement":""})"},
        {[] { return generated("5001", "x"); },
         "{" + count_rule + "," + seed_rule + R"(,"values":"","arrangement":""})"},
        // Each refusal is the last call's alone.
        {[] { return own("3 1 2", "few-distinct"); },
         R"({"count":"","seed":"","values":"","arrangement":"generated-only"})"},
        {[] { return generated("5", "1", "n", "sideways"); },
         R"({"count":"","seed":"","values":"","arrangement":"unknown"})"},
        {[] { return own("1 \"\\ 2"); },
         R"({"count":"","seed":"","values":"the 2nd value, \"\"\\\", is not a whole number from -2147483648 to )"
         R"(2147483647","arrangement":""})"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.run(), 0);
        EXPECT_EQ(refusal(), c.refusal);
    }
    // Nor does the chart clamp an arrangement to one there is.
    EXPECT_EQ(counts("sideways", 8, 10, 1), nullptr);
}

TEST(HeldRuns, ARunIsReadOnceAndHeldUnderItsOwnNumber)
{
    const int first = generated(" 10", "+42", "y", "descending");
    const int second = own("3,1 2", "nearly-ascending", true);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    // The session is the dialogue's on the answers as typed; the report is of the values as generated.
    TextOut expected;
    TextIn typed(" 10\n+42\ny\n", &expected);
    Report report;
    run_comparison(typed, expected, expected, &report);
    EXPECT_EQ(run_session(first), expected.str());
    EXPECT_EQ(std::string(run_facts(first)), R"({"n":10,"seed":42,"own":false,"arrangement":"descending","report":[)" +
                                                 std::to_string(report.insertion) + "," + std::to_string(report.merge) +
                                                 "," + std::to_string(report.quick) + "]}");
    // Its values are those the dialogue drew, arranged.
    Values drawn(10);
    std::srand(42);
    fill_arrays(drawn.data(), drawn.data(), drawn.data(), 10);
    std::sort(drawn.begin(), drawn.end(), std::greater<>());
    const Shown* shown = run_watch(first, 0, 4);
    EXPECT_EQ(Values(shown->values, shown->values + shown->length), drawn);
    EXPECT_EQ(std::string(run_facts(second)),
              R"({"n":3,"seed":0,"own":true,"arrangement":"nearly-ascending","report":[2,5,5],"values":"3,1,2"})");
    EXPECT_EQ(std::string(run_session(second)).substr(0, 22), "Unsorted array: \n3 1 2");
    run_release(first);
    run_release(second);
}

// The arrays of what the view draws, and its numbers, as text.
std::string drawn(const Shown* shown)
{
    std::string text = std::to_string(shown->step) + " " + std::to_string(shown->count) + " " +
                       std::to_string(shown->first) + " " + std::to_string(shown->last) + ":";
    for (int i = 0; i < shown->length; ++i) {
        text += " " + std::to_string(shown->values[i]) + "/" + std::to_string(shown->scratch[i]);
    }
    for (int i = 0; i < shown->pending_length; ++i) {
        text += " " + std::to_string(shown->pending[i].low) + ".." + std::to_string(shown->pending[i].high);
    }
    return text;
}

// What the page learns once: the sorts and arrangements in order, and where
// what a call shows keeps each field, as offsetof finds it.
TEST(Calls, AboutSaysWhereEachFieldOfWhatIsShownLies)
{
    const std::string text = about();
    const auto has = [&](const std::string& part) { return text.find(part) != std::string::npos; };
    EXPECT_TRUE(has(R"("sorts":[{"name":"insertion","counted":"exchanges","answers":["exchange","leave"]},)")) << text;
    EXPECT_TRUE(has(R"("answers":["less","equal","greater"]}],"arrangements")")) << text;
    EXPECT_TRUE(has(R"("practice":[2,16],)")) << text;
    EXPECT_TRUE(has(R"("arrangements":[{"name":"generated","own":true},{"name":"ascending",)")) << text;
    const std::pair<const char*, std::size_t> fields[] = {
        {"step", offsetof(Shown, step)},
        {"pending_length", offsetof(Shown, pending_length)},
        {"low", offsetof(Shown, marks) + offsetof(Marks, low)},
        {"depth", offsetof(Shown, marks) + offsetof(Marks, depth)},
    };
    for (const auto& [name, at] : fields) {
        EXPECT_TRUE(has("\"" + std::string(name) + "\":" + std::to_string(at))) << name << " in " << text;
    }
    EXPECT_TRUE(has("\"scratch\":[" + std::to_string(offsetof(Shown, scratch)) + ",\"length\"]")) << text;
    EXPECT_TRUE(has(R"("ints":{"step":)" + std::to_string(offsetof(Shown, step)) + R"(,"count":)")) << text;
    EXPECT_TRUE(
        has("\"depth\":" + std::to_string(offsetof(Range, depth)) + "},\"size\":" + std::to_string(sizeof(Range))))
        << text;
}

// The chart's counts are the console program's for the same number of values and seed.
TEST(Calls, TheChartsCountsAreTheReportsForTheSameAnswers)
{
    for (const auto& [n, seed] : {std::pair(100, 42), std::pair(0, 1), std::pair(37, -5)}) {
        TextOut session;
        TextIn answers(std::to_string(n) + "\n" + std::to_string(seed) + "\nn\n", &session);
        Report report;
        run_comparison(answers, session, session, &report);
        const int* counted = counts("generated", 9, n, seed);
        EXPECT_EQ(std::tuple(counted[0], counted[1], counted[2]),
                  std::tuple(report.insertion, report.merge, report.quick))
            << n;
    }
}

// Each call's answer, made on a run, read again as it is now.
using Reread = std::function<std::string()>;
const std::pair<const char*, std::function<Reread(int run)>> calls[] = {
    {"about", [](int) { return [text = about()] { return std::string(text); }; }},
    {"refusal",
     [](int run) {
         generated(run % 2 ? "x" : "1", run % 2 ? "1" : "y");
         return [text = refusal()] { return std::string(text); };
     }},
    {"run_facts", [](int run) { return [text = run_facts(run)] { return std::string(text); }; }},
    {"run_session", [](int run) { return [text = run_session(run)] { return std::string(text); }; }},
    {"run_explain", [](int run) { return [text = run_explain(run)] { return std::string(text); }; }},
    {"run_watch", [](int run) { return [shown = run_watch(run, 1, 16)] { return drawn(shown); }; }},
    {"run_go", [](int run) { return [shown = run_go(run, 1, 9 + run)] { return drawn(shown); }; }},
    {"run_refill", [](int run) { return [shown = run_refill(run, 1, run)] { return drawn(shown); }; }},
    {"run_practice", [](int run) { return [text = run_practice(run, 2)] { return std::string(text); }; }},
    {"counts",
     [](int run) {
         return [numbers = counts("descending", 10, 20 + run, run)] {
             return std::to_string(numbers[0]) + " " + std::to_string(numbers[1]) + " " + std::to_string(numbers[2]);
         };
     }},
};

// Every other call made, on another run, and what a call returned still reads the same.
TEST(Calls, WhatACallReturnsStaysUntilTheSameCallIsMadeAgain)
{
    const int runs[] = {generated("16", "5", "y", "descending"), own("9 -4 7 7 1 0 3", "ascending")};
    for (const int run : runs) {
        for (int sort = 0; sort < 3; ++sort) {
            run_watch(run, sort, 16);
        }
    }
    for (const auto& [name, call] : calls) {
        const Reread reread = call(runs[0]);
        const std::string was = reread();
        for (const auto& [other, made] : calls) {
            if (other != name) {
                made(runs[1]);
            }
        }
        EXPECT_EQ(reread(), was) << name;
    }
    for (const int run : runs) {
        run_release(run);
    }
}

// A call on a run that is not held, or on a sort there is not, is the page's
// fault: the program stops, by abort, not by what reading past its runs would
// do. (Where signals are not Windows', and death tests are.)
#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST(Calls, OnARunNotHeldOrASortThereIsNotTheProgramStops)
{
    const int released = generated("5", "1");
    run_release(released);
    const int run = generated("5", "1");
    for (const int number : {0, -1, released, run + 1}) {
        EXPECT_EXIT(run_facts(number), testing::KilledBySignal(SIGABRT), "") << number;
    }
    for (const int sort : {-1, 3}) {
        EXPECT_EXIT(run_watch(run, sort, 8), testing::KilledBySignal(SIGABRT), "") << sort;
    }
    // Nor can a sort not yet watched be moved.
    EXPECT_EXIT(run_go(run, 1, 3), testing::KilledBySignal(SIGABRT), "");
    EXPECT_NE(run_watch(run, 2, 8), nullptr);
    run_release(run);
}
#endif

TEST(Calls, AGuessAndAStepAreTakenByTheRuleACountIsTakenBy)
{
    const struct {
        std::string text;
        int guess, step;  // a step of a race of 40
    } cases[] = {
        {"7", 7, 7},
        {" +7 ", 7, 7},
        {"-0", 0, 0},
        {"40", 40, 40},
        {"41", 41, -1},
        {"2147483647", 2147483647, -1},
        {"2147483648", -1, -1},
        {"-1", -1, -1},
        {"7.0", -1, -1},
        {"", -1, -1},
        {"5 6", -1, -1},
        {std::string("5\0", 2), -1, -1},
        {"99999999999999999999", -1, -1},
    };
    for (const auto& c : cases) {
        const int length = static_cast<int>(c.text.size());
        EXPECT_EQ(guess_of(c.text.data(), length), c.guess) << c.text;
        EXPECT_EQ(step_of(c.text.data(), length, 40), c.step) << c.text;
    }
}

// The counts a run explains are its tracks' counts of its arranged values, whichever it made first; its report
// is of the values as generated.
TEST(HeldRuns, ItsCountsAreThoseOfItsArrangedValues)
{
    const int run = generated("40", "3", "n", "few-distinct");
    const std::string before = run_explain(run);
    const int watched = generated("40", "3", "n", "few-distinct");
    std::string counts = R"({"n":40,"counts":[)";
    for (int sort = 0; sort < 3; ++sort) {
        counts += (sort ? "," : "") + std::to_string(run_watch(watched, sort, 8)->count);
    }
    const std::string facts = run_facts(run);
    const std::string report = facts.substr(0, facts.find(']'));
    const std::string quick = report.substr(report.rfind(',') + 1);
    EXPECT_EQ(before.substr(0, before.find(",\"exchangedPairs")), counts + "],\"generatedQuick\":" + quick);
    EXPECT_EQ(std::string(run_explain(watched)), before);
    EXPECT_NE(before.substr(0, 40), std::string(run_explain(generated("40", "3", "n", "generated"))).substr(0, 40));
    // Every number, worked by hand: 10 pairs, 5 * 4 / 4 = 5.0 on average; 3 levels, 2^3 = 8, 5 * 3 - 8 + 5 = 12
    // writes; partitions of 5 and of the two 1s; 5 * 6 / 2 - 1 = 14 were they distinct and descending.
    const int repeating = own("2 1 2 1 2");
    EXPECT_EQ(std::string(run_explain(repeating)),
              R"({"n":5,"counts":[3,12,7],"generatedQuick":7,"exchangedPairs":0,"pairs":10,"average":"5.0",)"
              R"("levels":3,"power":8,"writes":12,"partitions":2,"deepest":2,"firstLess":2,"firstGreater":0,)"
              R"("descending":14,"repeats":true})");
    for (const int number : {run, watched, repeating}) {
        run_release(number);
    }
}

// A sort by hand is of the values as arranged, from 2 of them to 16; each choice with its values and marks.
TEST(HeldRuns, APracticeTakesTwoToSixteenArrangedValues)
{
    const int runs[] = {own("5"), own("3 1 4 1 5 9 2 6 5 3 5 8 9 7 9 3 2"), own("2 1"), own("2 1", "ascending"),
                        generated("16", "7", "n", "few-distinct")};
    for (int sort = 0; sort < 3; ++sort) {
        EXPECT_EQ(run_practice(runs[0], sort), nullptr);
        EXPECT_EQ(run_practice(runs[1], sort), nullptr);
        const std::string practice = run_practice(runs[4], sort);
        EXPECT_EQ(practice.substr(0, practice.find(',')),
                  "{\"count\":" + std::to_string(run_watch(runs[4], sort, 8)->count));
    }
    EXPECT_EQ(std::string(run_practice(runs[2], 1)),
              R"({"count":2,"choices":[{"answer":"right","step":0,"values":[2,1],"scratch":[2,1],"low":0,"high":1,)"
              R"("mid":0,"at":0,"other":-1,"left_next":0,"right_next":1,"pivot":0,"less_end":-1,"next":-1,)"
              R"("greater_start":-1,"depth":1}],"sorted":[1,2]})");
    EXPECT_EQ(std::string(run_practice(runs[3], 0)),
              R"({"count":0,"choices":[{"answer":"leave","step":0,"values":[1,2],"low":0,"high":1,"mid":-1,"at":1,)"
              R"("other":0,"left_next":-1,"right_next":-1,"pivot":0,"less_end":-1,"next":-1,"greater_start":-1,)"
              R"("depth":0}],"sorted":[1,2]})");
    for (const int run : runs) {
        run_release(run);
    }
}

}  // namespace
