#include "run.hpp"

#include "json.hpp"
#include "practice.hpp"
#include "reasons.hpp"
#include "text.hpp"
#include "values.hpp"

#include <cstdlib>
#include <utility>

std::string Refusal::json() const
{
    Json json;
    json << "{\"count\":";
    json.quoted(count) << ",\"seed\":";
    json.quoted(seed) << ",\"values\":";
    json.quoted(values) << ",\"arrangement\":\""
                        << (arrangement == Applies::unknown          ? "unknown"
                            : arrangement == Applies::generated_only ? "generated-only"
                                                                     : "")
                        << "\"}";
    return json.text();
}

Run::Run(std::vector<int> values, const Arrangement& arrangement)
    : arrangement_(&arrangement), values_(std::move(values)), arranged_(values_)
{
    exchanged_pairs_ = arrangement.arrange(arranged_);
}

std::unique_ptr<Run> Run::generated(const std::string& count, const std::string& seed, const std::string& list,
                                    const std::string& arrangement, Refusal& refusal)
{
    refusal = Refusal();
    int n = 0;
    int seed_value = 0;
    if (!accepts(Question::count, count, n)) {
        refusal.count = rule_of(Question::count);
    }
    if (!accepts(Question::seed, seed, seed_value)) {
        refusal.seed = rule_of(Question::seed);
    }
    refusal.arrangement = applies(arrangement, false);
    if (!refusal.count.empty() || !refusal.seed.empty() || refusal.arrangement != Applies::yes) {
        return nullptr;
    }
    // The session is the dialogue's own, on the answers as typed, one a line.
    TextOut session;
    TextIn typed(count + "\n" + seed + "\n" + list + "\n", &session);
    Report report;
    std::vector<int> values;
    run_comparison(typed, session, session, &report, &values);
    std::unique_ptr<Run> run(new Run(std::move(values), *arrangement_named(arrangement)));
    run->seed_ = seed_value;
    run->session_ = session.str();
    run->report_ = report;
    return run;
}

std::unique_ptr<Run> Run::own(const std::string& text, bool listing, const std::string& arrangement, Refusal& refusal)
{
    refusal = Refusal();
    refusal.arrangement = applies(arrangement, true);
    std::vector<int> values;
    if (refusal.arrangement != Applies::yes || !(refusal.values = read_values(text, values)).empty()) {
        return nullptr;
    }
    std::unique_ptr<Run> run(new Run(std::move(values), *arrangement_named(arrangement)));
    run->own_ = true;
    TextOut session;
    compare(run->values_, listing, session, &run->report_);
    run->session_ = session.str();
    return run;
}

const std::string& Run::facts()
{
    if (facts_.empty()) {
        Json json;
        json << "{\"n\":" << values_.size() << ",\"seed\":" << seed_ << ",\"own\":" << own_ << ",\"arrangement\":\""
             << arrangement_->name << "\",\"report\":[";
        for (const Sort& sort : sorts) {
            json << (&sort == sorts ? "" : ",") << report_.*sort.reported;
        }
        json << "]";
        if (own_) {
            json << ",\"values\":\"" << joined(values_) << "\"";
        }
        json << "}";
        facts_ = json.text();
    }
    return facts_;
}

const std::string& Run::explanation()
{
    if (!explanation_.empty()) {
        return explanation_;
    }
    const Reasons reasons = reasons_for(arranged_);
    const int n = static_cast<int>(arranged_.size());
    Json json;
    json << "{\"n\":" << n << ",\"counts\":[";
    // Each sort runs once: a track made counted it, and the census of the reasons counts the quick sort.
    for (std::size_t i = 0; i < sort_count; ++i) {
        int count = reasons.examined;
        if (tracks_[i]) {
            count = tracks_[i]->count();
        } else if (sorts[i].reported != &Report::quick) {
            std::vector<int> copy = arranged_;
            count = sorts[i].plain(copy.data(), n);
        }
        json << (i == 0 ? "" : ",") << count;
    }
    json << "],\"generatedQuick\":" << report_.quick << ",\"exchangedPairs\":" << exchanged_pairs_
         << ",\"pairs\":" << reasons.pairs << ",\"average\":\"" << reasons.average_tenths / 10 << "."
         << reasons.average_tenths % 10 << "\",\"levels\":" << reasons.levels << ",\"power\":" << reasons.power
         << ",\"writes\":" << reasons.writes << ",\"partitions\":" << reasons.partitions
         << ",\"deepest\":" << reasons.deepest << ",\"firstLess\":" << reasons.first_less
         << ",\"firstGreater\":" << reasons.first_greater << ",\"descending\":" << reasons.descending
         << ",\"repeats\":" << reasons.repeats << "}";
    explanation_ = json.text();
    return explanation_;
}

Track& Run::watch(std::size_t sort, int window) { return tracks_.at(sort).emplace(sorts[sort], arranged_, window); }

Track& Run::track(std::size_t sort)
{
    if (!tracks_[sort]) {
        std::abort();
    }
    return *tracks_[sort];
}

std::string Run::practice(std::size_t sort) const
{
    const int n = static_cast<int>(arranged_.size());
    if (n < practice_least || n > practice_most) {
        return "";
    }
    std::vector<int> copy = arranged_;
    Json json;
    json << "{\"count\":" << sorts[sort].plain(copy.data(), n) << ",\"choices\":[";
    const auto list = [&json](const char* name, const std::vector<int>& values) {
        json << ",\"" << name << "\":[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            json << (i == 0 ? "" : ",") << values[i];
        }
        json << "]";
    };
    const char* comma = "";
    for (const Choice& choice : choices(sorts[sort], arranged_)) {
        json << comma << "{\"answer\":\"" << sorts[sort].answers[choice.answer] << "\",\"step\":" << choice.state.step;
        list("values", choice.state.values);
        if (choice.state.marks.mid >= 0) {
            list("scratch", choice.state.scratch);
        }
        for (const auto& [name, field] : marks_fields) {
            json << ",\"" << name << "\":" << choice.state.marks.*field;
        }
        json << "}";
        comma = ",";
    }
    json << "]";
    list("sorted", copy);
    json << "}";
    return json.text();
}
