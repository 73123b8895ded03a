// What the page calls: one run of the program on the answers from its form,
// the check of one answer, and the counts behind its chart.
#include "comparison.hpp"
#include "sorting.hpp"
#include "values.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The answers as standard input, shown as a terminal shows typed input: each
// line appears in the session when the program first reads from it, that is
// right after the prompt that asked for it.
class EchoedAnswers : public std::streambuf {
public:
    EchoedAnswers(std::string answers, std::ostream& session) : answers_(std::move(answers)), session_(session) {}

protected:
    int_type underflow() override
    {
        if (next_ == answers_.size()) {
            return traits_type::eof();
        }
        const std::size_t end = std::min(answers_.find('\n', next_), answers_.size() - 1) + 1;
        char* line = &answers_[next_];
        session_.write(line, static_cast<std::streamsize>(end - next_));
        setg(line, line, line + (end - next_));
        next_ = end;
        return traits_type::to_int_type(*line);
    }

private:
    std::string answers_;
    std::ostream& session_;
    std::size_t next_ = 0;
};

Question question_of(int question) { return question == 0 ? Question::count : Question::seed; }

}  // namespace

extern "C" {

// Runs the program on the length bytes of answers, one a line (a NUL byte is
// an answer's own, as on standard input), and returns its whole session:
// prompts, echoed answers, listings and report, or its message. The text
// stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* run_session(const char* answers, int length)
{
    static std::string text;
    std::ostringstream session;
    EchoedAnswers typed(std::string(answers, static_cast<std::size_t>(length)), session);
    std::istream in(&typed);
    run_comparison(in, session, session);
    text = session.str();
    return text.c_str();
}

// "" when the program takes the length bytes of answer, alone, for question 0
// (the count) or 1 (the seed); otherwise the rule it says when it refuses it.
EMSCRIPTEN_KEEPALIVE const char* refusal(int question, const char* answer, int length)
{
    int value = 0;
    const std::string text(answer, static_cast<std::size_t>(length));
    return accepts(question_of(question), text, value) ? "" : rule_of(question_of(question));
}

// The insertion, merge and quick counts for count values from seed, the
// values as the program generates them (order 0), or the same values
// ascending (1) or descending (2). For order 0 they are the program's own
// report for that count and seed. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const int* counts(int count, int seed, int order)
{
    static int result[3];
    const auto length = static_cast<std::size_t>(std::clamp(count, 0, MAX));
    std::vector<int> insertion_copy(length), merge_copy(length), quick_copy(length);
    std::srand(static_cast<unsigned>(seed));
    fill_arrays(insertion_copy.data(), merge_copy.data(), quick_copy.data(), static_cast<int>(length));
    if (order != 0) {
        for (auto* copy : {&insertion_copy, &merge_copy, &quick_copy}) {
            order == 1 ? std::sort(copy->begin(), copy->end())
                       : std::sort(copy->begin(), copy->end(), std::greater<>());
        }
    }
    const int n = static_cast<int>(length);
    result[0] = insertion_sort(insertion_copy.data(), n);
    result[1] = merge_sort(merge_copy.data(), 0, n - 1);
    result[2] = quick_sort(quick_copy.data(), 0, n - 1);
    return result;
}
}
