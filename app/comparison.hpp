// One whole comparison run: the dialogue, the three sorts and the report.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TextIn;
class TextOut;

// Asks for a count (0 to MAX), a seed and whether to list the values, reading
// the answers from in and writing prompts, listings and the report to out.
// A count or seed that is not a whole number in range is explained on out and
// asked for again. Each prompt is flushed before its answer is read; the rest
// is flushed once, at the end. Returns 0 after the report; returns 1 with a
// message on err when input ends or fails before all three answers are in, or
// when out could not be written. Everything written to out has been flushed
// before anything is written to err, so err needs no tie to out.
int run_comparison(std::istream& in, std::ostream& out, std::ostream& err);

// The report's counts, as numbers; -1 where no report was made.
struct Report {
    int insertion = -1, merge = -1, quick = -1;
};

// The same run on answers and output held in memory (text.hpp): the same
// dialogue, without the standard streams. The report's counts go to report
// too, when it is given, and the values as generated to generated.
int run_comparison(TextIn& in, TextOut& out, TextOut& err, Report* report = nullptr,
                   std::vector<int>* generated = nullptr);

// What a run writes once its values are in, for values of the caller's own:
// a copy of values sorted by each sort, the values before and after when
// listing, and the report, in the run's words and formats; the counts go to
// report too, when it is given.
void compare(const std::vector<int>& values, bool listing, TextOut& out, Report* report = nullptr);

// The two questions answered with a whole number.
enum class Question { count, seed };

// What question accepts, in the words the dialogue uses when it refuses an
// answer, and the least and the greatest number it accepts.
const char* rule_of(Question question);
long long lowest_of(Question question);
long long highest_of(Question question);

// True when answer holds exactly one word, blanks around it allowed, that the
// dialogue would accept for question; value then holds it, and is left alone
// otherwise. The dialogue applies the same rule to each word it reads.
bool accepts(Question question, const std::string& answer, int& value);

// The same rule for a whole number from lowest to highest, within int's range.
bool accepts_whole(const std::string& answer, long long lowest, long long highest, int& value);
