// The P-k-C* design method beside a run of the model: for each modelled constituent its
// inflow, the model's outflow and removal efficiency, and what the design method gives for
// the same wetland (its hydraulic loading q = Q/A), with the published constants or the
// user's own.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "project/pkc.h"
#include "project/record.h"
#include "project/results_layout.h"

namespace velmar {

// Constants the user gives in place of the published ones, for one constituent.
struct PkcOverride {
    std::optional<double> k;      // m/yr
    std::optional<double> cstar;  // in the constituent's units
    std::optional<double> tanks;  // P
    std::optional<double> theta;  // corrects k to the project's temperature: k θ^(T - 20)
};

struct PkcSettings {
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
    // Keyed by the names of PkcConstituentNames().
    std::map<std::string, PkcOverride, std::less<>> overrides;
};

// The names of the model's constituents that the design method has constants for, in the
// order of the results: TCB, BOD, TN, TP.
const std::vector<std::string_view>& PkcConstituentNames();

// The design method's constituent of a name of PkcConstituentNames(), with the position of the
// model's constituent in kConventional; none for another name.
std::optional<std::pair<pkc::Constituent, int>> PkcConstituentOf(std::string_view name);

// What the design method gives for one constituent.
struct PkcValues {
    double k, cstar, tanks;
    double outflow, removal;  // removal efficiency (%)
    // The outflow with the 30th and 70th percentile k: none when the user's constants
    // replace the table's.
    std::optional<double> outflow_k30, outflow_k70;
};

struct PkcComparisonRow {
    std::string constituent;       // "BOD", or a chemical's or metal's name
    std::string unit;              // of its concentrations: "mg/L", or "mpn/100mL" for TCB
    std::size_t efficiency_entry;  // index in kResultsEntries of the model's removal efficiency
    double inflow;
    double velmar_outflow, velmar_removal;  // not a number when the model gave none
    std::optional<PkcValues> pkc;           // none: no constants are published
    std::string note;                       // what the reader must know about the row, or empty
};

// Whether the design method has constants for a constituent of the project (by its row's
// name), the published ones or the user's: a matter of the wetland type, the inflow and the
// settings, never of the area.
bool DesignMethodApplies(const ProjectRecord& r, std::string_view constituent, const PkcSettings& settings);

// The unit conversions of the comparison: the record keeps the flow in m^3/sec, the area
// in m^2; the design method works in m^3/yr and m/yr.
double FlowPerYear(const ProjectRecord& r);
double HydraulicLoading(const ProjectRecord& r);

// One row per modelled constituent, in the order of the results file, for the project as it
// was run and its results.
std::vector<PkcComparisonRow> CompareWithPkc(const ProjectRecord& r, const ModelResults& m,
                                             const PkcSettings& settings);

// Each note of the rows once, after the names of the constituents it concerns:
// "Dieldrin, Zinc: no P-k-C* constants are published for contaminants".
std::vector<std::string> PkcNotes(const std::vector<PkcComparisonRow>& rows);

// The names of a row's values in a table for programs, after its file and constituent.
inline constexpr const char* kPkcComparisonColumns[] = {
    "inflow", "velmar_outflow", "velmar_RE", "pkc_k",           "pkc_cstar",
    "pkc_P",  "pkc_outflow",    "pkc_RE",    "pkc_outflow_k30", "pkc_outflow_k70"};

// The two lines said wherever the design method stands beside the model.
inline constexpr const char* kPkcCaveat[] = {
    "P-k-C* constants were fitted with C* and P: they are not interchangeable with this model's rates.",
    "The coliform constants are for fecal coliforms; this model's TCB counts total coliforms.",
};
inline constexpr std::size_t kPkcColiformCaveat = 1;  // the line that concerns coliforms alone

}  // namespace velmar
