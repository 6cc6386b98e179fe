#include "interface/results/results_reading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "project/file_names.h"
#include "project/slots.h"

namespace velmar {
namespace {

constexpr int kLineSize = 100;

bool In(int entry, int first, int last) {
    return entry >= first && entry <= last;
}

// Slot k (0-2) of the organic chemicals is in use and contaminants are modelled.
bool OrganicInUse(const ProjectRecord& r, int k) {
    return r.NumOC_SLR > k && r.model_contaminant;
}
bool MetalInUse(const ProjectRecord& r, int k) {
    return r.NumHM_LLR > k && r.model_contaminant;
}

// Conventional constituents in the order of the rows: TSS, TCB, BOD, TN, TP.
bool ConventionalModelled(const ProjectRecord& r, int i) {
    const std::int32_t flags[] = {r.model_tss, r.model_tcb, r.model_bod, r.model_n, r.model_p};
    return flags[i] != 0;
}
bool ConventionalOutflowRequested(const ProjectRecord& r, int i) {
    const std::int32_t flags[] = {r.checked_TSSGenOutConc, r.checked_TCBGenOutConc, r.checked_BODGenOutConc,
                                  r.checked_TNGenOutConc, r.checked_TPGenOutConc};
    return flags[i] != 0;
}

RowState ShownOr(bool shown, RowState otherwise) {
    return shown ? RowState::Shown : otherwise;
}

// Project fields that take an entry's value besides the one the results layout names.
struct KeptCopy {
    int entry;
    std::size_t offset;
    bool integer;
};
const KeptCopy kKeptCopies[] = {
    {4, offsetof(ProjectRecord, tn_decay_rate20), false},
    {4, offsetof(ProjectRecord, tn_decay_rate20_temp), false},
    {80, offsetof(ProjectRecord, fpw_l_temp), false},
    {82, offsetof(ProjectRecord, Vr_temp), false},
    {83, offsetof(ProjectRecord, Vn_temp), false},
    {84, offsetof(ProjectRecord, SurfRhoB_temp), false},
    {85, offsetof(ProjectRecord, ActiveVb_temp), false},
    {86, offsetof(ProjectRecord, Vb_temp), false},
    {87, offsetof(ProjectRecord, Vb_entered_temp), true},
    {88, offsetof(ProjectRecord, ActiveRhoB_temp), false},
};

template <typename T>
T& At(void* base, std::size_t offset) {
    return *reinterpret_cast<T*>(static_cast<char*>(base) + offset);
}

void Store(void* base, std::size_t offset, bool integer, const std::string& value_line) {
    if (integer) {
        At<std::int32_t>(base, offset) = ResultsLineInteger(value_line);
    } else {
        At<double>(base, offset) = ResultsLineValue(value_line);
    }
}

// Besides what the project keeps for its next run, the phosphorus fractions an established
// wetland's solution gives (59 to 61), which both reports print.
bool Kept(int entry) {
    return In(entry, 1, 10) || In(entry, 14, 16) || In(entry, 20, 51) || In(entry, 52, 53) ||
           In(entry, 59, 61) || In(entry, 80, 95);
}

}  // namespace

bool ReadResultsLines(const std::string& path, ResultsLines& lines) {
    std::FILE* file = OpenFile(path, "r");
    if (file == nullptr) return false;
    char buffer[kLineSize];
    // True for a whole line; `holds_text` asks for something before its line end.
    auto read_line = [&](std::string& out, bool holds_text) {
        out.clear();
        if (std::fgets(buffer, sizeof buffer, file) != nullptr) out = buffer;
        return !out.empty() && out.back() == '\n' && (out.size() > 1) == holds_text;
    };
    bool complete = true;
    std::string group_end;
    for (std::size_t i = 0; complete && i < kResultsEntryCount; ++i) {
        const bool closes_group = EndsGroup(kResultsEntries[i]) && i + 1 < kResultsEntryCount;
        complete = read_line(lines[i].label, true) && read_line(lines[i].value, true) &&
                   (!closes_group || read_line(group_end, false));
    }
    std::fclose(file);
    return complete;
}

double ResultsLineValue(const std::string& value_line) {
    return std::atof(value_line.c_str());
}

std::int32_t ResultsLineInteger(const std::string& value_line) {
    const long value = std::strtol(value_line.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

RowState ResultsRowState(const ProjectRecord& r, int entry) {
    if (In(entry, 1, 5)) return ShownOr(ConventionalModelled(r, entry - 1), RowState::Greyed);
    if (In(entry, 6, 10)) return ShownOr(ConventionalModelled(r, entry - 6), RowState::Greyed);
    if (In(entry, 11, 13)) return ShownOr(OrganicInUse(r, entry - 11), RowState::Hidden);
    if (In(entry, 14, 16)) return ShownOr(OrganicInUse(r, entry - 14), RowState::Hidden);
    if (In(entry, 17, 19)) return ShownOr(MetalInUse(r, entry - 17), RowState::Hidden);
    if (In(entry, 20, 22)) return ShownOr(MetalInUse(r, entry - 20), RowState::Hidden);
    if (In(entry, 23, 27)) {
        const int i = entry - 23;
        return ShownOr(ConventionalModelled(r, i) && ConventionalOutflowRequested(r, i), RowState::Greyed);
    }
    for (int first : {28, 90}) {
        if (In(entry, first, first + 2)) {
            const int k = entry - first;
            return ShownOr(OrganicInUse(r, k) && OrganicSlot(r, k).outflow_wanted, RowState::Hidden);
        }
    }
    for (int first : {31, 93}) {
        if (In(entry, first, first + 2)) {
            const int k = entry - first;
            return ShownOr(MetalInUse(r, k) && MetalSlot(r, k).outflow_wanted, RowState::Hidden);
        }
    }
    return RowState::NoRow;
}

bool TpNotConverged(const ProjectRecord& r, double tp_removal_efficiency) {
    const bool established = r.model_p && !r.PhosRemSpec && !r.checked_phos_new && r.checked_phos_estab;
    return established && tp_removal_efficiency == kTpNotConverged;
}

bool TpResult(int entry) {
    return entry == 5 || entry == 27;
}

bool KeptWithoutRow(int entry) {
    return Kept(entry) && In(entry, 34, 89);
}

void KeepResultsLine(ProjectRecord& r, ModelResults& kept, int entry, const std::string& value_line) {
    if (!Kept(entry)) return;
    const ResultsEntry& e = kResultsEntries[entry - 1];
    void* base = e.source == ResultsSource::Results ? static_cast<void*>(&kept) : static_cast<void*>(&r);
    Store(base, e.offset, e.source == ResultsSource::RecordInt, value_line);
    for (const KeptCopy& copy : kKeptCopies) {
        if (copy.entry == entry) Store(&r, copy.offset, copy.integer, value_line);
    }
}

}  // namespace velmar
