#include "study/command_support.h"

#include <cstdio>

#include "study/commands.h"
#include "study/interrupt.h"

namespace velmar::study {

std::vector<std::string> WithResultColumns(std::vector<std::string> leading) {
    for (std::size_t i = 0; i < kResultCount; ++i) leading.emplace_back(ResultName(i));
    return leading;
}

void AppendResults(std::vector<Cell>& row, const ResultValues& v) {
    row.insert(row.end(), v.begin(), v.end());
}

int EndStatus(const CommonOptions& o, std::size_t done, std::size_t total, const char* items, int status) {
    if (!Interrupted()) return status;
    Note(o, "interrupted after " + std::to_string(done) + " of " + std::to_string(total) + " " + items +
                "; what was done is written out");
    return kInterruptedStatus;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "velmar-study: %s\n", message.c_str());
}

void Note(const CommonOptions& o, const std::string& message) {
    if (o.note)
        o.note(message);
    else
        Complain(message);
}

namespace {

// At most this many results are named in a note; the rest are counted.
constexpr std::size_t kNamedResults = 8;

std::string ResultNames(const std::bitset<kResultCount>& results) {
    std::string names;
    std::size_t named = 0;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (!results[i] || named++ == kNamedResults) continue;
        names += (names.empty() ? "" : ", ") + std::string(ResultName(i));
    }
    if (named > kNamedResults) names += " and " + std::to_string(named - kNamedResults) + " more";
    return names;
}

}  // namespace

std::vector<std::string> FlawNotes(const FlawTally& t, const std::function<std::string(std::size_t)>& where,
                                   const std::string& tp_fate, const std::string& fate) {
    std::vector<std::string> notes;
    if (t.outside > 0) {
        notes.push_back(
            "inputs drawn that their fields cannot take (below 0 for a quantity with a sign, or past "
            "the largest number) " +
            where(t.outside) + ", which were not run; " + fate);
    }
    if (t.unsolved > 0)
        notes.push_back("the phosphorus solution did not converge " + where(t.unsolved) + "; " + tp_fate);
    if (t.not_finite > 0) {
        notes.push_back("results not a number or infinite " + where(t.not_finite) + " (" +
                        ResultNames(t.not_finite_results) + "); " + fate);
    }
    if (t.past_limit > 0) {
        notes.push_back(
            "results beyond the engine's numerical limits, a removal efficiency above 100 % or a "
            "negative concentration, " +
            where(t.past_limit) + " (" + ResultNames(t.past_limit_results) + "); " + fate);
    }
    return notes;
}

std::vector<std::string> ProjectRunNotes(const ResultFlaws& flaws, const std::string& path) {
    FlawTally t;
    t.Add(flaws);
    return FlawNotes(
        t, [&path](std::size_t) { return "in " + path; }, "its TP results are given as nan",
        "they are given as nan");
}

void NoteAll(const CommonOptions& o, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) Note(o, note);
}

std::function<std::string(std::size_t)> OfTotal(const std::string& preposition, std::size_t total,
                                                const std::string& runs) {
    return [=](std::size_t count) {
        return preposition + " " + std::to_string(count) + " of " + std::to_string(total) + " " + runs;
    };
}

}  // namespace velmar::study
