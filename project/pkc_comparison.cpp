#include "project/pkc_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "project/slots.h"
#include "project/units.h"

namespace velmar {
namespace {

using R = ProjectRecord;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The model's conventional constituents as the design method sees them, in the order of
// kConventional.
struct PkcView {
    std::optional<pkc::Constituent> pkc;
    const char* note;
};

constexpr PkcView kPkcViews[kConventionalCount] = {
    {std::nullopt, "no P-k-C* constants are published for TSS"},
    {pkc::Constituent::FecalColiforms,
     "the constants are for fecal coliforms (cfu/100 mL) and not total coliforms"},
    {pkc::Constituent::Bod, ""},
    {pkc::Constituent::TotalNitrogen, ""},
    {pkc::Constituent::TotalPhosphorus, ""},
};

constexpr char kContaminantNote[] = "no P-k-C* constants are published for contaminants";
constexpr char kUnsolvedNote[] = "the model's phosphorus solution did not converge";
constexpr char kNumericalLimitNote[] =
    "the model's removal efficiency is above 100 %: a limit of its arithmetic at these inputs";

std::size_t EfficiencyEntry(ResultsOf of, int index) {
    return static_cast<std::size_t>(&ResultsEntryFor(of, index, ResultsKind::Efficiency) -
                                    kResultsEntries.data());
}

void AddNote(std::string& note, const std::string& more) {
    note += (note.empty() ? "" : "; ") + more;
}

PkcOverride GivenConstants(std::string_view name, const PkcSettings& s) {
    const auto found = s.overrides.find(name);
    return found == s.overrides.end() ? PkcOverride{} : found->second;
}

bool HasConstants(const std::optional<pkc::Constants>& table, const PkcOverride& given) {
    return table || (given.k && given.cstar && given.tanks);
}

// The design method for one constituent: the table's constants, or the user's in their place.
std::optional<PkcValues> DesignMethod(const R& r, const ConventionalFields& c, const PkcView& view,
                                      double inflow, const PkcSettings& s, std::string& note) {
    const std::optional<pkc::Constants> table = pkc::PublishedConstants(s.type, *view.pkc, inflow);
    const PkcOverride given = GivenConstants(c.name, s);
    const bool replaced = given.k || given.cstar || given.tanks;
    if (!HasConstants(table, given)) {
        AddNote(note, std::string("no P-k-C* constants are published for ") + c.name + " in " +
                          pkc::WetlandTypeAbbreviation(s.type) + " wetlands");
        return std::nullopt;
    }
    const double q = HydraulicLoading(r);
    if (!(q > 0 && std::isfinite(q))) {
        AddNote(note, "no hydraulic loading q = Q/A: the flow and the area must be greater than 0");
        return std::nullopt;
    }
    const pkc::Constants published = table.value_or(pkc::Constants{});
    const double theta = given.theta.value_or(1);
    const double cstar = given.cstar.value_or(published.cstar);
    const double tanks = given.tanks.value_or(published.tanks);
    const auto outflow = [&](double k20) {
        return pkc::Outflow(inflow, q, pkc::AtTemperature(k20, theta, r.temperature), cstar, tanks);
    };
    PkcValues v{};
    v.k = pkc::AtTemperature(given.k.value_or(published.k50), theta, r.temperature);
    v.cstar = cstar;
    v.tanks = tanks;
    v.outflow = outflow(given.k.value_or(published.k50));
    v.removal = pkc::RemovalPercent(inflow, v.outflow);
    if (!replaced) {
        v.outflow_k30 = outflow(published.k30);
        v.outflow_k70 = outflow(published.k70);
    }
    return v;
}

PkcComparisonRow ModelRow(const R& r, const ModelResults& m, std::string name, std::size_t efficiency_entry,
                          const char* unit, double inflow) {
    PkcComparisonRow row{std::move(name), unit,     efficiency_entry, inflow,
                         kNoValue,        kNoValue, std::nullopt,     ""};
    const double removal = ResultsValue(r, m, kResultsEntries[row.efficiency_entry]);
    if (removal == kTpNotConverged) {
        row.note = kUnsolvedNote;
        return row;
    }
    // Past 100 % the outflow would be negative, and an infinite removal is none: the engine's
    // arithmetic at extreme inputs, not a removal.
    if (!std::isfinite(removal) || removal > 100) {
        row.note = kNumericalLimitNote;
        return row;
    }
    row.velmar_removal = removal;
    row.velmar_outflow = inflow - inflow * (removal * 0.01);
    return row;
}

std::string SlotName(const char* name, const char* kind, int k) {
    return name[0] ? std::string(name) : kind + std::to_string(k + 1);
}

}  // namespace

const std::vector<std::string_view>& PkcConstituentNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> list;
        for (int c = 0; c < kConventionalCount; ++c) {
            if (kPkcViews[c].pkc) list.emplace_back(kConventional[c].name);
        }
        return list;
    }();
    return names;
}

std::optional<std::pair<pkc::Constituent, int>> PkcConstituentOf(std::string_view name) {
    for (int c = 0; c < kConventionalCount; ++c) {
        if (kPkcViews[c].pkc && name == kConventional[c].name) return std::pair(*kPkcViews[c].pkc, c);
    }
    return std::nullopt;
}

bool DesignMethodApplies(const R& r, std::string_view constituent, const PkcSettings& settings) {
    for (int i = 0; i < kConventionalCount; ++i) {
        const ConventionalFields& c = kConventional[i];
        if (c.name != constituent || !kPkcViews[i].pkc) continue;
        return HasConstants(pkc::PublishedConstants(settings.type, *kPkcViews[i].pkc, r.*c.inflow),
                            GivenConstants(c.name, settings));
    }
    return false;
}

double FlowPerYear(const R& r) {
    return r.flow * units::kSecondsPerYear;
}

double HydraulicLoading(const R& r) {
    return FlowPerYear(r) / r.area;
}

std::vector<PkcComparisonRow> CompareWithPkc(const R& r, const ModelResults& m, const PkcSettings& settings) {
    std::vector<PkcComparisonRow> rows;
    for (int i = 0; i < kConventionalCount; ++i) {
        const ConventionalFields& c = kConventional[i];
        const PkcView& view = kPkcViews[i];
        if (!(r.*c.modelled)) continue;
        PkcComparisonRow row =
            ModelRow(r, m, c.name, EfficiencyEntry(ResultsOf::Conventional, i), c.unit, r.*c.inflow);
        AddNote(row.note, view.note);
        if (view.pkc) row.pkc = DesignMethod(r, c, view, row.inflow, settings, row.note);
        rows.push_back(std::move(row));
    }
    if (!r.model_contaminant) return rows;
    const auto add = [&](const SlotView<const R>& slot, const char* kind, ResultsOf of, int k) {
        rows.push_back(ModelRow(r, m, SlotName(slot.name, kind, k), EfficiencyEntry(of, k), kContaminantUnit,
                                slot.inflow));
        rows.back().note = kContaminantNote;
    };
    for (int k = 0; k < kSlotCount && k < r.NumOC_SLR; ++k)
        add(OrganicSlot(r, k), "Organic ", ResultsOf::Organic, k);
    for (int k = 0; k < kSlotCount && k < r.NumHM_LLR; ++k)
        add(MetalSlot(r, k), "Metal ", ResultsOf::Metal, k);
    return rows;
}

std::vector<std::string> PkcNotes(const std::vector<PkcComparisonRow>& rows) {
    std::vector<std::pair<std::string, std::string>> notes;  // names, note
    for (const PkcComparisonRow& row : rows) {
        if (row.note.empty()) continue;
        const auto same =
            std::find_if(notes.begin(), notes.end(), [&row](const auto& n) { return n.second == row.note; });
        if (same == notes.end()) {
            notes.emplace_back(row.constituent, row.note);
        } else {
            same->first += ", " + row.constituent;
        }
    }
    std::vector<std::string> lines;
    for (const auto& [names, note] : notes) lines.push_back(names + ": " + note);
    return lines;
}

}  // namespace velmar
