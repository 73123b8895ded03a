#include "run_check.hpp"
#include "values.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

const std::string count_prompt = "Enter the number of values to generate and sort, between 1 and 5000: \n";
const std::string seed_prompt = "Enter an integer seed value: \n";
const std::string seed_rule = "Please type a whole number from -2147483648 to 2147483647.\n";

// The output up to the last prompt, or to the end of the unsorted listing, after
// the given numbers of rejected counts and seeds; run_and_check vouches for the rest.
std::string transcript(int count, int seed, bool listed, int bad_counts = 0, int bad_seeds = 0)
{
    std::string text;
    for (int i = 0; i < bad_counts; ++i) {
        text += count_prompt + "Please type a whole number from 0 to 5000.\n";
    }
    text += count_prompt;
    for (int i = 0; i < bad_seeds; ++i) {
        text += seed_prompt + seed_rule;
    }
    text += seed_prompt + "Print the values?(y/n): \n";
    // This runtime's rand() values for the seed, drawn apart from the program.
    std::srand(static_cast<unsigned>(seed));
    std::vector<int> values(static_cast<std::size_t>(count));
    std::generate(values.begin(), values.end(), [] { return std::rand() % 100000 + 1; });
    return listed ? text + "Unsorted array: \n" + listing(values) : text;
}

TEST(Dialogue, AnswersDecideTheTranscript)
{
    const std::string ended = "sort-compare: input ended before ";
    const struct {
        std::string input;
        std::string expected;  // the whole output of a failed run, the start of the rest
        std::string error;
    } dialogues[] = {
        {"10 7 Y", transcript(10, 7, false), ""},
        {"10 7 yes", transcript(10, 7, true), ""},
        {"0 1 y", transcript(0, 1, true), ""},
        {"2 99 y", transcript(2, 99, true), ""},
        {"5000 -2147483648 y", transcript(5000, -2147483648, true), ""},
        {"+0005 2147483647 n", transcript(5, 2147483647, false), ""},
        // Rejected answers are explained, their line dropped, and the question asked again.
        {"abc\n12abc\n-1\n5001\n99999999999999999999 ignored\n- 5\n+\n3 2147483648\n-2147483649\nx\n1 n",
         transcript(3, 1, false, 7, 3), ""},
        // A NUL byte is an answer's character like any other, and no blank.
        {std::string("x \0 y\n3 1 \0", 11), transcript(3, 1, false, 1), ""},
        {" \n", count_prompt, ended + "the number of values was given\n"},
        {"5 x", count_prompt + seed_prompt + seed_rule + seed_prompt, ended + "the seed was given\n"},
        {"5 1 \n", transcript(5, 1, false), ended + "the answer to whether to print the values was given\n"},
    };
    for (const auto& dialogue : dialogues) {
        std::string out, err;
        EXPECT_EQ(run_and_check(dialogue.input, out, err), "") << dialogue.input;
        EXPECT_EQ(err, dialogue.error) << dialogue.input;
        EXPECT_EQ(dialogue.error.empty() ? out.substr(0, dialogue.expected.size()) : out, dialogue.expected)
            << dialogue.input;
    }
}

// The page's session: each line of answers appears when the dialogue first
// reads from it, right after the prompt that asked for it, and the report's
// counts come as numbers too; none where the run ended before its report.
TEST(Dialogue, EchoedAnswersFollowThePromptThatReadsThem)
{
    TextOut ended;
    TextIn unanswered("4\n", &ended);
    Report none;
    EXPECT_EQ(run_comparison(unanswered, ended, ended, &none), 1);
    EXPECT_EQ(std::tuple(none.insertion, none.merge, none.quick), std::tuple(-1, -1, -1));

    TextOut session;
    TextIn answers("x 9\n4 -3\ny", &session);
    Report report;
    EXPECT_EQ(run_comparison(answers, session, session, &report), 0);
    EXPECT_NE(session.str().find("Insertion Sort count: " + std::to_string(report.insertion) + "\nMerge Sort count: " +
                                 std::to_string(report.merge) + "\nQuick Sort count: " + std::to_string(report.quick)),
              std::string::npos);
    EXPECT_EQ(report.merge, 8);
    const std::string typed = transcript(4, -3, true, 1);
    const std::size_t seed_asked = typed.find(seed_prompt);
    EXPECT_EQ(session.str().substr(0, typed.size() + 10),
              count_prompt + "x 9\n" + typed.substr(count_prompt.size(), seed_asked - count_prompt.size()) + "4 -3\n" +
                  seed_prompt + "Print the values?(y/n): \ny" + typed.substr(typed.find("Unsorted")));
}

// An answer on its own, as the page gives it: one word the dialogue would take, blanks around it allowed.
TEST(Dialogue, AnAnswerAloneIsTakenByTheDialoguesRule)
{
    const struct {
        Question question;
        const char* answer;
        bool accepted;
        int value;
    } answers[] = {
        {Question::count, " 7", true, 7},         {Question::count, "+0005\t", true, 5},
        {Question::count, "5000", true, 5000},    {Question::seed, "-2147483648", true, -2147483648},
        {Question::count, "", false, 0},          {Question::count, " \n", false, 0},
        {Question::count, "5 6", false, 0},       {Question::count, "5001", false, 0},
        {Question::count, "-1", false, 0},        {Question::count, "1e3", false, 0},
        {Question::seed, "2147483648", false, 0}, {Question::seed, "+", false, 0},
    };
    for (const auto& answer : answers) {
        int value = -7;
        EXPECT_EQ(accepts(answer.question, answer.answer, value), answer.accepted) << answer.answer;
        EXPECT_EQ(value, answer.accepted ? answer.value : -7) << answer.answer;
    }
    EXPECT_EQ(rule_of(Question::count) + std::string("\n") + rule_of(Question::seed) + "\n",
              "Please type a whole number from 0 to 5000.\n" + seed_rule);
}

// The learner's own values: any mix of blanks and commas between them, each
// taken by the seed's rule; the first refused word named by its place.
TEST(OwnValues, TextIsTakenOrRefusedByItsFirstFault)
{
    const std::string range = ", is not a whole number from -2147483648 to 2147483647";
    std::string e20;
    for (int i = 0; i < 20; ++i) {
        e20 += "\xc3\xa9";
    }
    const struct {
        std::string text;
        std::vector<int> values;  // when taken
        std::string refusal;
    } cases[] = {
        {"3,1,2", {3, 1, 2}, ""},
        {" \t+7,,\r\n-0\v\f007 ,-2147483648 2147483647 7\n", {7, 0, 7, -2147483648, 2147483647, 7}, ""},
        {"", {}, "there are no values: type whole numbers, up to 5000, between blanks, new lines or commas"},
        {" ,\n,\t", {}, "there are no values: type whole numbers, up to 5000, between blanks, new lines or commas"},
        {"x", {}, "the 1st value, \"x\"" + range},
        {"1 2 x", {}, "the 3rd value, \"x\"" + range},
        {"1 2 3 4 x", {}, "the 5th value, \"x\"" + range},
        {"1 2 3 4 5 6 7 8 9 x", {}, "the 10th value, \"x\"" + range},
        {"1,2,3,4,5,6,7,8,9,10,2147483648", {}, "the 11th value, \"2147483648\"" + range},
        {"1 1 1 1 1 1 1 1 1 1 1 - 1", {}, "the 12th value, \"-\"" + range},
        {"1 1 1 1 1 1 1 1 1 1 1 1 1.5", {}, "the 13th value, \"1.5\"" + range},
        {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 -2147483649", {}, "the 21st value, \"-2147483649\"" + range},
        {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 \x01\x7f\xc3\xa9", {}, "the 22nd value, \"??\xc3\xa9\"" + range},
        {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3e", {}, "the 23rd value, \"3e\"" + range},
        {std::string(100, '1') + "x 1",
         {},
         "the 1st value, \"" + std::string(20, '1') + "\" (its first 20 characters)" + range},
        // Characters, not bytes: twenty two-byte ones are quoted whole.
        {e20, {}, "the 1st value, \"" + e20 + "\"" + range},
    };
    for (const auto& given : cases) {
        std::vector<int> values{-5};
        EXPECT_EQ(read_values(given.text, values), given.refusal) << given.text;
        EXPECT_EQ(values, given.refusal.empty() ? given.values : std::vector<int>{-5}) << given.text;
    }
}

TEST(OwnValues, AtMostMaxAreTaken)
{
    std::string text;
    for (int i = 0; i < MAX; ++i) {
        text += std::to_string(MAX - i) + (i % 3 == 0 ? "\n" : ",");
    }
    std::vector<int> values;
    EXPECT_EQ(read_values(text, values), "");
    ASSERT_EQ(values.size(), std::size_t{MAX});
    EXPECT_EQ(values.front(), MAX);
    EXPECT_EQ(values.back(), 1);
    EXPECT_EQ(read_values(text + "0", values), "5001 values: at most 5000");
    EXPECT_EQ(read_values(text + "1 x", values),
              "the 5002nd value, \"x\", is not a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(values.size(), std::size_t{MAX});
    EXPECT_EQ(read_values(joined(values), values), "");
    EXPECT_EQ(joined({3, -1, 2147483647, -2147483648, 0}), "3,-1,2147483647,-2147483648,0");
    EXPECT_EQ(joined({}), "");
}

// The run on values of the learner's own writes what a generated run writes after its answers.
TEST(OwnValues, TheRunIsTheProgramsOwn)
{
    TextOut listed;
    Report report;
    compare({3, 1, 2}, true, listed, &report);
    EXPECT_EQ(listed.str(),
              "Unsorted array: \n3 1 2 \n\n\nSorted array: \n1 2 3 \n\n\n"
              "Insertion Sort count: 2\nMerge Sort count: 5\nQuick Sort count: 5\n");
    EXPECT_EQ(std::tuple(report.insertion, report.merge, report.quick), std::tuple(2, 5, 5));

    TextOut session;
    TextIn answers("6\n-9\ny\n", &session);
    ASSERT_EQ(run_comparison(answers, session, session), 0);
    const std::string& text = session.str();
    const std::string heading = "Unsorted array: \n";
    const std::size_t start = text.find(heading) + heading.size();
    std::vector<int> generated;
    ASSERT_EQ(read_values(text.substr(start, text.find('\n', start) - start), generated), "");
    TextOut again;
    compare(generated, true, again);
    EXPECT_EQ(text.substr(start - heading.size()), again.str());

    TextOut extremes;
    compare({2147483647, -2147483648, 0, -2147483648}, false, extremes, &report);
    EXPECT_EQ(extremes.str(), "Insertion Sort count: 4\nMerge Sort count: 8\nQuick Sort count: 7\n");
}

// Gives "50", then fails like a broken device: the answer is not taken. Output
// and errors share one stream, to show their order.
struct BrokenInput : std::stringbuf {
    BrokenInput() : std::stringbuf("50") {}
    int_type underflow() override { throw std::runtime_error("device error"); }
};

TEST(Dialogue, AReadErrorInsideAnAnswerEndsTheRun)
{
    BrokenInput device;
    std::istream in(&device);
    std::ostringstream out;
    EXPECT_EQ(run_comparison(in, out, out), 1);
    EXPECT_EQ(out.str(), count_prompt + "sort-compare: could not read standard input\n");
}

}  // namespace
