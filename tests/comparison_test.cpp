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

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::string& input, std::streambuf* output = nullptr)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    if (output != nullptr) {
        out.std::ios::rdbuf(output);
    }
    const int status = run_comparison(in, out, err);
    return {status, out.str(), err.str()};
}

// The values this runtime's rand() gives for seed, computed apart from the program.
std::vector<int> generated(int count, int seed)
{
    std::srand(static_cast<unsigned>(seed));
    std::vector<int> values(static_cast<std::size_t>(count));
    std::generate(values.begin(), values.end(), [] { return std::rand() % 100000 + 1; });
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

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

// The whole output of a run, after the given numbers of rejected counts and seeds.
std::string transcript(int count, int seed, bool listed, int bad_counts = 0, int bad_seeds = 0)
{
    const std::string count_prompt = "Enter the number of values to generate and sort, between 1 and 5000: \n";
    const std::string seed_prompt = "Enter an integer seed value: \n";
    std::string text = repeated(count_prompt + "Please type a whole number from 0 to 5000.\n", bad_counts) +
                       count_prompt +
                       repeated(seed_prompt + "Please type a whole number from -2147483648 to 2147483647.\n", bad_seeds) +
                       seed_prompt + "Print the values?(y/n): \n";
    std::vector<int> values = generated(count, seed);
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (listed) {
        text += "Unsorted array: \n" + listing(values) + "\n\n\nSorted array: \n" + listing(sorted) + "\n\n\n";
    }
    const auto exchanges = inversions(values);
    const int examined = quick_sort(values.data(), 0, count - 1);
    return text + "Insertion Sort count: " + std::to_string(exchanges) + "\nMerge Sort count: " +
           std::to_string(merge_writes(count)) + "\nQuick Sort count: " + std::to_string(examined) + "\n";
}

TEST(Dialogue, AnswersDecideTheTranscript)
{
    const struct {
        const char* input;
        std::string expected;
    } dialogues[] = {
        {"10 7 y\n", transcript(10, 7, true)},
        {"10\n7\nn\n", transcript(10, 7, false)},
        {"10 7 Y", transcript(10, 7, false)},
        {"10 7 yes", transcript(10, 7, true)},
        {"0 1 y", transcript(0, 1, true)},
        {"1 99 y", transcript(1, 99, true)},
        {"5000 -2147483648 y", transcript(5000, -2147483648, true)},
        {"+0005 2147483647 n", transcript(5, 2147483647, false)},
        // Rejected answers are explained, their line dropped, and the question asked again.
        {"abc\n12abc\n-1\n5001\n99999999999999999999 ignored\n- 5\n+\n3 1 n", transcript(3, 1, false, 7)},
        {"3 2147483648\n-2147483649\nx\n1 n", transcript(3, 1, false, 0, 3)},
    };
    for (const auto& dialogue : dialogues) {
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

// Fails every read like a broken device.
struct BrokenInput : std::streambuf {
    int_type underflow() override { throw std::runtime_error("device error"); }
};

TEST(Dialogue, LostOutputOrAReadErrorIsAFailure)
{
    const std::size_t whole = transcript(50, 3, true).size();
    for (std::size_t limit : {std::size_t{0}, std::size_t{30}, whole / 2, whole - 1}) {
        FullDisk disk(limit);
        const Outcome result = run("50 3 y", &disk);
        EXPECT_EQ(result.status, 1) << limit;
        EXPECT_EQ(result.err, "sort-compare: could not write standard output\n");
    }
    BrokenInput device;
    std::istream in(&device);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_comparison(in, out, err), 1);
    EXPECT_EQ(err.str(), "sort-compare: could not read standard input\n");
}

TEST(TestData, FillArraysWritesThreeEqualArraysAndDrawsOnlyForThem)
{
    std::vector<int> first(12, 0);
    std::vector<int> second(12, 0);
    std::vector<int> third(12, 0);
    std::srand(11);
    fill_arrays(first.data(), second.data(), third.data(), 10);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, third);
    EXPECT_EQ(first[10], 0);

    std::srand(11);
    fill_arrays(nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(std::rand() % 100000 + 1, first[0]) << "a count of 0 must draw nothing";
}

}  // namespace
