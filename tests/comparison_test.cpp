#include "comparison.hpp"
#include "oracles.hpp"
#include "sorting.hpp"
#include "test_data.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string count_prompt = "Enter the number of values to generate and sort, between 1 and 5000: \n";
const std::string seed_prompt = "Enter an integer seed value: \n";
const std::string choice_prompt = "Print the values?(y/n): \n";
const std::string count_rule = "Please type a whole number from 0 to 5000.\n";
const std::string seed_rule = "Please type a whole number from -2147483648 to 2147483647.\n";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_comparison(in, out, err);
    return {status, out.str(), err.str()};
}

// The values this runtime's rand() gives for seed, computed apart from the program.
std::vector<int> generated(int count, int seed)
{
    std::srand(static_cast<unsigned>(seed));
    std::vector<int> values(static_cast<std::size_t>(count));
    for (int& v : values) {
        v = std::rand() % 100000 + 1;
    }
    return values;
}

std::string listing(const std::vector<int>& values)
{
    std::string text;
    for (int v : values) {
        text += std::to_string(v) + ' ';
    }
    return text;
}

// The whole output of a run, listings included when listed is true.
std::string transcript(int count, int seed, bool listed)
{
    std::vector<int> values = generated(count, seed);
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> quick = values;
    std::string text = count_prompt + seed_prompt + choice_prompt;
    if (listed) {
        text += "Unsorted array: \n" + listing(values) + "\n\n\n" + "Sorted array: \n" + listing(sorted) + "\n\n\n";
    }
    return text + "Insertion Sort count: " + std::to_string(inversions(values)) + "\n" +
           "Merge Sort count: " + std::to_string(merge_writes(MAX)[values.size()]) + "\n" +
           "Quick Sort count: " + std::to_string(quick_sort(quick.data(), 0, count - 1)) + "\n";
}

struct Dialogue {
    const char* input;
    std::string expected;
};

TEST(Dialogue, AnswersDecideTheTranscript)
{
    const std::vector<Dialogue> dialogues = {
        {"10 7 y\n", transcript(10, 7, true)},
        {"10\n7\nn\n", transcript(10, 7, false)},
        {"10 7 Y", transcript(10, 7, false)},
        {"10 7 yes", transcript(10, 7, true)},
        {"0 1 y", count_prompt + seed_prompt + choice_prompt +
                      "Unsorted array: \n\n\n\nSorted array: \n\n\n\n"
                      "Insertion Sort count: 0\nMerge Sort count: 0\nQuick Sort count: 0\n"},
        {"1 99 y", transcript(1, 99, true)},
        {"5000 -2147483648 y", transcript(5000, -2147483648, true)},
        {"+0005 2147483647 n", transcript(5, 2147483647, false)},
        // Rejected answers are explained, their line dropped, and the question asked again.
        {"abc\n3 1 n", count_prompt + count_rule + transcript(3, 1, false)},
        {"12abc\n-1\n5001\n99999999999999999999 ignored\n3 1 n",
         count_prompt + count_rule + count_prompt + count_rule + count_prompt + count_rule + count_prompt +
             count_rule + transcript(3, 1, false)},
        {"- 5\n+\n3 1 n", count_prompt + count_rule + count_prompt + count_rule + transcript(3, 1, false)},
        {"3 2147483648\n-2147483649\nx\n1 n",
         count_prompt + seed_prompt + seed_rule + seed_prompt + seed_rule + seed_prompt + seed_rule +
             seed_prompt + choice_prompt + transcript(3, 1, false).substr(
                 count_prompt.size() + seed_prompt.size() + choice_prompt.size())},
    };
    for (const Dialogue& dialogue : dialogues) {
        const Outcome result = run(dialogue.input);
        EXPECT_EQ(result.status, 0) << dialogue.input;
        EXPECT_EQ(result.out, dialogue.expected) << dialogue.input;
        EXPECT_EQ(result.err, "");
    }
}

TEST(Dialogue, InputThatEndsEarlyRunsNothing)
{
    for (const char* input : {"", "   \n", "5", "5 1", "5 1 \n\t", "abc", "5001"}) {
        const Outcome result = run(input);
        EXPECT_EQ(result.status, 1) << input;
        EXPECT_EQ(result.err.rfind("sort-compare: input ended before ", 0), 0U) << result.err;
        EXPECT_EQ(result.out.find("count:"), std::string::npos);
    }
}

// Takes limit characters, then fails like a full disk.
struct FullDisk : std::streambuf {
    explicit FullDisk(std::size_t limit) : space(limit + 1) { setp(space.data(), space.data() + limit); }
    std::vector<char> space;
};

TEST(Dialogue, LostOutputIsAFailure)
{
    const std::string whole = transcript(50, 3, true);
    for (std::size_t limit : {std::size_t{0}, std::size_t{30}, whole.size() / 2, whole.size() - 1}) {
        FullDisk buffer(limit);
        std::ostream out(&buffer);
        std::istringstream in("50 3 y");
        std::ostringstream err;
        EXPECT_EQ(run_comparison(in, out, err), 1) << limit;
        EXPECT_EQ(err.str(), "sort-compare: could not write standard output\n");
    }
}

class BrokenInput : public std::streambuf {
protected:
    int_type underflow() override { throw std::runtime_error("device error"); }
};

TEST(Dialogue, ReadErrorRunsNothing)
{
    BrokenInput buffer;
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_comparison(in, out, err), 1);
    EXPECT_EQ(err.str(), "sort-compare: could not read standard input\n");
}

TEST(TestData, FillArraysDrawsOneValuePerIndex)
{
    const std::vector<int> expected = generated(1000, 11);
    std::vector<int> first(1002, 0);
    std::vector<int> second(1002, 0);
    std::vector<int> third(1002, 0);
    std::srand(11);
    fill_arrays(first.data(), second.data(), third.data(), 1000);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first.begin()));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, third);
    EXPECT_EQ(first[1000], 0);
    EXPECT_TRUE(std::all_of(expected.begin(), expected.end(), [](int v) { return v >= 1 && v <= 100000; }));

    std::srand(11);
    fill_arrays(nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(std::rand() % 100000 + 1, expected[0]) << "a count of 0 must draw nothing";
}

TEST(TestData, PrintEndsEveryValueWithABlank)
{
    const int values[] = {17, 4, 250, -3};
    std::ostringstream out;
    print(values, 3, out);
    print(values + 3, 1, out);
    print(values, 0, out);
    EXPECT_EQ(out.str(), "17 4 250 -3 ");

}

}  // namespace
