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

std::string UnsolvedPhosphorusMessage(const std::string& where, const std::string& fate) {
    return "the phosphorus solution did not converge " + where + "; " + fate;
}

void Note(const CommonOptions& o, const std::string& message) {
    if (o.note)
        o.note(message);
    else
        Complain(message);
}

void NoteUnsolvedPhosphorus(const CommonOptions& o, const std::string& where, const std::string& fate) {
    Note(o, UnsolvedPhosphorusMessage(where, fate));
}

}  // namespace velmar::study
