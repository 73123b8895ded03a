// A run the page holds: its values, read once, as generated from a count and
// a seed or as the learner typed them; the program's session on them; and,
// in the arrangement asked for, why their counts are what they are, and each
// sort step by step. Everything the page shows of a run is read from it.
#pragma once

#include "arrangements.hpp"
#include "comparison.hpp"
#include "sorts.hpp"
#include "watch.hpp"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Why the page's answers make no run, each beside what it refuses; "" where
// nothing is refused.
struct Refusal {
    std::string count, seed, values;
    Applies arrangement = Applies::yes;

    // As JSON: the count's, the seed's and the values' refusals, "" where
    // none, and the arrangement's, as "unknown", "generated-only" or "".
    std::string json() const;
};

class Run {
public:
    // The form's answers: the count's and the seed's text, whether to list the
    // values ("y" or "n", as the dialogue takes its third answer), and the
    // arrangement's name. A run, or why there is none.
    static std::unique_ptr<Run> generated(const std::string& count, const std::string& seed, const std::string& list,
                                          const std::string& arrangement, Refusal& refusal);
    // The learner's values in text (read_values), listed or not, likewise.
    static std::unique_ptr<Run> own(const std::string& text, bool listing, const std::string& arrangement,
                                    Refusal& refusal);

    bool is_own() const { return own_; }
    int seed() const { return seed_; }
    const Arrangement& arrangement() const { return *arrangement_; }
    // The values as generated or typed, and as arranged.
    const std::vector<int>& values() const { return values_; }
    const std::vector<int>& arranged() const { return arranged_; }
    // The program's session: for generated values, its questions, the answers
    // echoed, and its report; for the learner's, what it writes once they are
    // in. Its report is of the values as generated or typed.
    const std::string& session() const { return session_; }
    const Report& report() const { return report_; }
    // How many pairs of neighbours the arrangement exchanged.
    int exchanged_pairs() const { return exchanged_pairs_; }

    // What the run is, as JSON: its number of values, its seed (generated
    // values), whether the values are the learner's, its arrangement's name,
    // its report's counts in the sorts' order, and for the learner's values,
    // the values as a link gives them, each followed by a comma but the last.
    // Made once.
    const std::string& facts();

    // Why the arranged values' counts are what they are, as JSON: the counts,
    // in the sorts' order, the quick sort's as generated or typed, the pairs
    // the arrangement exchanged, then the numbers of reasons.hpp. Made once.
    const std::string& explanation();

    // The sort at index sort, of the arranged values, made ready to be shown
    // at any step with windows of window steps, anew.
    Track& watch(std::size_t sort, int window);
    // The sort's track, once watch has made it; before, the program stops.
    Track& track(std::size_t sort);

    // The sort at index sort done by hand on the arranged values (practice.hpp),
    // as JSON: its count; each choice's answer by name, its step, its values,
    // for merge its scratch array, and its marks by name; the values sorted. Empty for
    // fewer than practice_least or more than practice_most values.
    std::string practice(std::size_t sort) const;

private:
    Run(std::vector<int> values, const Arrangement& arrangement);

    bool own_ = false;
    int seed_ = 0;
    const Arrangement* arrangement_;
    std::vector<int> values_;
    std::vector<int> arranged_;
    int exchanged_pairs_ = 0;
    std::string session_;
    Report report_;
    std::string facts_, explanation_;
    std::array<std::optional<Track>, sort_count> tracks_;
};
