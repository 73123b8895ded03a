#include "comparison.hpp"

#include "sorting.hpp"
#include "text.hpp"
#include "values.hpp"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <istream>
#include <limits>
#include <ostream>
#include <vector>

namespace {

struct NumberQuestion {
    const char* prompt;
    const char* rule;  // said when an answer is rejected
    const char* name;  // names the answer when input ends before it
    long long lowest;
    long long highest;
};

const NumberQuestion count_question{
    "Enter the number of values to generate and sort, between 1 and 5000: ",
    "Please type a whole number from 0 to 5000.",
    "the number of values",
    0,
    MAX,
};

const NumberQuestion seed_question{
    "Enter an integer seed value: ",
    "Please type a whole number from -2147483648 to 2147483647.",
    "the seed",
    INT_MIN,
    INT_MAX,
};

const char* const choice_prompt = "Print the values?(y/n): ";

// ended covers a read error too: the stream's state tells the two apart.
enum class Reading { accepted, rejected, ended };

bool is_end(int c) { return std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof()); }

// The two kinds of input the dialogue reads, alike in what it asks of them.
std::istream& skip_blanks(std::istream& in) { return in >> std::ws; }
TextIn& skip_blanks(TextIn& in) { return in.skip_blanks(); }
void skip_line(std::istream& in) { in.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }
void skip_line(TextIn& in) { in.skip_line(); }

// Reads one blank-delimited word and accepts it only if it is a whole number
// (an optional sign, then digits) from lowest to highest. The word is taken a
// character at a time, so no answer, however long, is held in memory.
template <class In>
Reading read_whole_number(In& in, long long lowest, long long highest, int& value)
{
    if (is_end(skip_blanks(in).peek())) {
        return Reading::ended;
    }
    // Every magnitude past this bound is out of range; stop growing it there.
    constexpr long long saturated = 1LL << 40;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.get() == '-';
    }
    bool has_digits = false;
    bool well_formed = true;
    long long magnitude = 0;
    for (int c = in.peek(); !is_end(c) && !std::isspace(c); c = in.peek()) {
        in.get();
        if (c >= '0' && c <= '9') {
            has_digits = true;
            magnitude = std::min(magnitude * 10 + (c - '0'), saturated);
        } else {
            well_formed = false;
        }
    }
    if (in.bad()) {
        return Reading::ended;
    }
    const long long number = negative ? -magnitude : magnitude;
    if (!well_formed || !has_digits || number < lowest || number > highest) {
        return Reading::rejected;
    }
    value = static_cast<int>(number);
    return Reading::accepted;
}

template <class In, class Out>
bool report_input_end(In& in, Out& err, const char* name)
{
    if (in.bad()) {
        err << "sort-compare: could not read standard input\n";
    } else {
        err << "sort-compare: input ended before " << name << " was given\n";
    }
    err.flush();
    return false;
}

// True when out has taken everything written to it so far; otherwise says so on err.
template <class Out>
bool flushed(Out& out, Out& err)
{
    if (out.flush()) {
        return true;
    }
    (err << "sort-compare: could not write standard output\n").flush();
    return false;
}

// Asks until an answer is accepted. False, with a message on err, when input
// ends or fails first, or when out cannot be written.
template <class In, class Out>
bool ask_number(In& in, Out& out, Out& err, const NumberQuestion& question, int& value)
{
    for (;;) {
        if (!flushed(out << question.prompt << '\n', err)) {
            return false;
        }
        switch (read_whole_number(in, question.lowest, question.highest, value)) {
        case Reading::accepted:
            return true;
        case Reading::ended:
            return report_input_end(in, err, question.name);
        case Reading::rejected:
            out << question.rule << '\n';
            skip_line(in);
            break;
        }
    }
}

template <class In, class Out>
bool ask_choice(In& in, Out& out, Out& err, char& answer)
{
    if (!flushed(out << choice_prompt << '\n', err)) {
        return false;
    }
    if (!(in >> answer)) {
        return report_input_end(in, err, "the answer to whether to print the values");
    }
    return true;
}

const NumberQuestion& question_of(Question question)
{
    return question == Question::count ? count_question : seed_question;
}

// The run once its values are in: the three copies sorted, the values listed
// before and after when listing, then the report, to out unflushed.
template <class Out>
void sort_and_report(std::vector<int>& insertion_copy, std::vector<int>& merge_copy, std::vector<int>& quick_copy,
                     bool listing, Out& out, Report* report)
{
    const int count = static_cast<int>(insertion_copy.size());
    if (listing) {
        out << "Unsorted array: \n";
        print(insertion_copy.data(), count, out);
        out << "\n\n\n";
    }

    const int insertion_count = insertion_sort(insertion_copy.data(), count);
    const int merge_count = merge_sort(merge_copy.data(), 0, count - 1);
    const int quick_count = quick_sort(quick_copy.data(), 0, count - 1);

    if (listing) {
        out << "Sorted array: \n";
        print(insertion_copy.data(), count, out);
        out << "\n\n\n";
    }
    out << "Insertion Sort count: " << insertion_count << '\n';
    out << "Merge Sort count: " << merge_count << '\n';
    out << "Quick Sort count: " << quick_count << '\n';
    if (report != nullptr) {
        *report = {insertion_count, merge_count, quick_count};
    }
}

template <class In, class Out>
int run(In& in, Out& out, Out& err, Report* report = nullptr, std::vector<int>* generated = nullptr)
{
    int count = 0;
    int seed = 0;
    char answer = 0;
    if (!ask_number(in, out, err, count_question, count) || !ask_number(in, out, err, seed_question, seed) ||
        !ask_choice(in, out, err, answer)) {
        return 1;
    }
    std::srand(static_cast<unsigned>(seed));
    const auto length = static_cast<std::size_t>(count);
    std::vector<int> insertion_copy(length);
    std::vector<int> merge_copy(length);
    std::vector<int> quick_copy(length);
    fill_arrays(insertion_copy.data(), merge_copy.data(), quick_copy.data(), count);
    if (generated != nullptr) {
        *generated = insertion_copy;
    }
    sort_and_report(insertion_copy, merge_copy, quick_copy, answer == 'y', out, report);

    // Only the prompts are flushed as they are written: the rest goes out in
    // as few writes as the output buffer allows.
    return flushed(out, err) ? 0 : 1;
}

}  // namespace

const char* rule_of(Question question) { return question_of(question).rule; }
long long lowest_of(Question question) { return question_of(question).lowest; }
long long highest_of(Question question) { return question_of(question).highest; }

bool accepts(Question question, const std::string& answer, int& value)
{
    const NumberQuestion& asked = question_of(question);
    return accepts_whole(answer, asked.lowest, asked.highest, value);
}

bool accepts_whole(const std::string& answer, long long lowest, long long highest, int& value)
{
    TextIn in(answer);
    int number = 0;
    if (read_whole_number(in, lowest, highest, number) != Reading::accepted || !is_end(skip_blanks(in).peek())) {
        return false;
    }
    value = number;
    return true;
}

int run_comparison(std::istream& in, std::ostream& out, std::ostream& err) { return run(in, out, err); }

int run_comparison(TextIn& in, TextOut& out, TextOut& err, Report* report, std::vector<int>* generated)
{
    return run(in, out, err, report, generated);
}

void compare(const std::vector<int>& values, bool listing, TextOut& out, Report* report)
{
    std::vector<int> insertion_copy = values;
    std::vector<int> merge_copy = values;
    std::vector<int> quick_copy = values;
    sort_and_report(insertion_copy, merge_copy, quick_copy, listing, out, report);
}
