#include "interface/results/results_reading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "project/file_names.h"
#include "project/slots.h"

namespace velmar {
namespace {

constexpr int kLineSize = 100;

const ResultsEntry& Entry(int entry) {
    return kResultsEntries[static_cast<std::size_t>(entry - 1)];
}

// Slot k of the organic chemicals (or heavy metals) is in use and contaminants are modelled.
bool SlotInUse(const ProjectRecord& r, ResultsOf of, int k) {
    const int in_use = of == ResultsOf::Organic ? r.NumOC_SLR : r.NumHM_LLR;
    return in_use > k && r.model_contaminant;
}

bool OutflowWanted(const ProjectRecord& r, const ResultsEntry& e) {
    switch (e.of) {
        case ResultsOf::Conventional: return r.*kConventional[e.index].outflow_wanted != 0;
        case ResultsOf::Organic: return OrganicSlot(r, e.index).outflow_wanted != 0;
        case ResultsOf::Metal: return MetalSlot(r, e.index).outflow_wanted != 0;
        case ResultsOf::Workings: return false;
    }
    return false;
}

// The results screen has a row for a constituent's rate, efficiency and concentrations; the
// fractions and the model's workings are read without one.
bool HasRow(const ResultsEntry& e) {
    switch (e.kind) {
        case ResultsKind::RemovalRate:
        case ResultsKind::Efficiency:
        case ResultsKind::Outflow: return e.of != ResultsOf::Workings;
        case ResultsKind::SedimentConcentration: return true;
        default: return false;
    }
}

// A concentration is computed only where its outflow was asked for.
bool IsConcentration(const ResultsEntry& e) {
    return e.kind == ResultsKind::Outflow || e.kind == ResultsKind::SedimentConcentration;
}

RowState ShownOr(bool shown, RowState otherwise) {
    return shown ? RowState::Shown : otherwise;
}

// The model's workings the front end keeps for the project's next run: the inflow the
// phosphorus solution saw, the phosphorus fractions an established wetland's solution gives
// (which both reports print), and the active layer and velocities the sediment chain settled on.
const std::size_t kKeptWorkings[] = {
    offsetof(ProjectRecord, Qi),
    offsetof(ProjectRecord, Ci),
    offsetof(ProjectRecord, f_pw),
    offsetof(ProjectRecord, f_dw),
    offsetof(ProjectRecord, f_dp),
    offsetof(ProjectRecord, fpw_l),
    offsetof(ProjectRecord, KtpH),
    offsetof(ProjectRecord, Vr),
    offsetof(ProjectRecord, Vn),
    offsetof(ProjectRecord, SurfRhoB),
    offsetof(ProjectRecord, ActiveVb),
    offsetof(ProjectRecord, Vb),
    offsetof(ProjectRecord, Vb_entered),
    offsetof(ProjectRecord, ActiveRhoB),
    offsetof(ProjectRecord, ARhoB_entered),
};

// Project fields that take an entry's value besides the field the results layout names.
struct KeptCopy {
    std::size_t field;  // the entry's own field
    std::size_t copy;
    bool integer;
};
const KeptCopy kKeptCopies[] = {
    {offsetof(ProjectRecord, tn_decay_rate), offsetof(ProjectRecord, tn_decay_rate20), false},
    {offsetof(ProjectRecord, tn_decay_rate), offsetof(ProjectRecord, tn_decay_rate20_temp), false},
    {offsetof(ProjectRecord, fpw_l), offsetof(ProjectRecord, fpw_l_temp), false},
    {offsetof(ProjectRecord, Vr), offsetof(ProjectRecord, Vr_temp), false},
    {offsetof(ProjectRecord, Vn), offsetof(ProjectRecord, Vn_temp), false},
    {offsetof(ProjectRecord, SurfRhoB), offsetof(ProjectRecord, SurfRhoB_temp), false},
    {offsetof(ProjectRecord, ActiveVb), offsetof(ProjectRecord, ActiveVb_temp), false},
    {offsetof(ProjectRecord, Vb), offsetof(ProjectRecord, Vb_temp), false},
    {offsetof(ProjectRecord, Vb_entered), offsetof(ProjectRecord, Vb_entered_temp), true},
    {offsetof(ProjectRecord, ActiveRhoB), offsetof(ProjectRecord, ActiveRhoB_temp), false},
};

bool FromRecord(const ResultsEntry& e) {
    return e.source != ResultsSource::Results;
}

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

// Kept: every result of a constituent but the contaminants' removal rates, and the workings
// listed above.
bool Kept(const ResultsEntry& e) {
    if (e.of == ResultsOf::Workings) {
        return FromRecord(e) && std::find(std::begin(kKeptWorkings), std::end(kKeptWorkings), e.offset) !=
                                    std::end(kKeptWorkings);
    }
    return e.of == ResultsOf::Conventional || e.kind != ResultsKind::RemovalRate;
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
    const ResultsEntry& e = Entry(entry);
    if (!HasRow(e)) return RowState::NoRow;
    if (e.of == ResultsOf::Conventional) {
        const bool modelled = r.*kConventional[e.index].modelled != 0;
        return ShownOr(modelled && (!IsConcentration(e) || OutflowWanted(r, e)), RowState::Greyed);
    }
    const bool in_use = SlotInUse(r, e.of, e.index);
    return ShownOr(in_use && (!IsConcentration(e) || OutflowWanted(r, e)), RowState::Hidden);
}

bool TpNotConverged(const ProjectRecord& r, double tp_removal_efficiency) {
    const bool established = r.model_p && !r.PhosRemSpec && !r.checked_phos_new && r.checked_phos_estab;
    return established && tp_removal_efficiency == kTpNotConverged;
}

int TpEfficiencyEntry() {
    static const int entry = EntryNumber(ResultsOf::Conventional, kTP, ResultsKind::Efficiency);
    return entry;
}

bool TpResult(int entry) {
    const ResultsEntry& e = Entry(entry);
    return e.of == ResultsOf::Conventional && e.index == kTP &&
           (e.kind == ResultsKind::RemovalRate || e.kind == ResultsKind::Outflow);
}

bool KeptWithoutRow(int entry) {
    const ResultsEntry& e = Entry(entry);
    return Kept(e) && !HasRow(e);
}

void KeepResultsLine(ProjectRecord& r, ModelResults& kept, int entry, const std::string& value_line) {
    const ResultsEntry& e = Entry(entry);
    if (!Kept(e)) return;
    void* base = FromRecord(e) ? static_cast<void*>(&r) : static_cast<void*>(&kept);
    Store(base, e.offset, e.source == ResultsSource::RecordInt, value_line);
    if (!FromRecord(e)) return;
    for (const KeptCopy& copy : kKeptCopies) {
        if (copy.field == e.offset) Store(&r, copy.copy, copy.integer, value_line);
    }
}

int EntryNumber(ResultsOf of, int index, ResultsKind kind) {
    return static_cast<int>(&ResultsEntryFor(of, index, kind) - kResultsEntries.data()) + 1;
}

}  // namespace velmar
