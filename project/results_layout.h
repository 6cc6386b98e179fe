// The results file "Results.txt": 95 entries of a label line and a value line, written by
// the engine and read back by position by the front end.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "project/record.h"
#include "project/slots.h"

namespace velmar {

// Computed values that have no field in the project record. Slots 0-2 of the six-slot
// arrays are the organic chemicals, 3-5 the heavy metals.
struct ModelResults {
    double tp_removal_rate;
    double RE_TSS, RE_TCB, RE_BOD, RE_TN, RE_TP;
    double ContamRemovalRate[6];
    double RE_Contam[6];
    double TSSoutConc, TCBoutConc, BODoutConc, TNoutConc, TPoutConc;
    double ContamOutConc[kSlotCount], HMOutConc[kSlotCount];
    double ContamFd[kSlotCount], ContamFp[kSlotCount], ContamFdp[kSlotCount];
    double HMFd[kSlotCount], HMFp[kSlotCount], HMFdp[kSlotCount];
    double ContamSedConc[kSlotCount], HMSedConc[kSlotCount];
};

// The removal efficiency the engine gives an established wetland's TP when its phosphorus
// solution did not converge; the TP rate and outflow written beside it are then no results.
inline constexpr double kTpNotConverged = -999;

// What an entry is a result of: a conventional constituent, the organic chemical or the heavy
// metal of a slot, or the model's workings (the phosphorus solution, partitioning, velocities).
enum class ResultsOf { Conventional, Organic, Metal, Workings };

// What an entry holds of its constituent.
enum class ResultsKind {
    RemovalRate,       // /day
    Efficiency,        // removal efficiency, %
    Outflow,           // outflow concentration, mg/L
    DissolvedInWater,  // fractions of a contaminant
    ParticulateInWater,
    DissolvedInPoreWater,
    SedimentConcentration,  // in the active layer's solids, mg/kg
    Workings,
};

// Where an entry's value lives: a project record field (real or integer) or a computed result.
enum class ResultsSource { RecordReal, RecordInt, Results };

struct ResultsEntry {
    const char* format;  // printf format of label and value: "RE %s (%%): \n%g\n"; %s is a slot's name
    ResultsOf of;
    int index;  // the conventional constituent (kTSS ...) or the slot; 0 for the workings
    ResultsKind kind;
    ResultsSource source;
    std::size_t offset;  // within ProjectRecord or ModelResults
    const char* value;   // the value's name: "RE_TN", "ContamRemovalRate[3]", "Y[1]"
};

// Written by the engine into its current directory, read there by the front end.
constexpr char kResultsFileName[] = "Results.txt";

constexpr std::size_t kResultsEntryCount = 95;
extern const std::array<ResultsEntry, kResultsEntryCount> kResultsEntries;

// The contaminant name a label carries, or nullptr.
const char* ResultsEntryName(const ProjectRecord& r, const ResultsEntry& e);

// The position in kResultsEntries of a constituent's result of a kind, if the file has one.
std::optional<std::size_t> FindResultsEntry(ResultsOf of, int index, ResultsKind kind);

// The entry of a constituent's result of a kind, which the caller knows the file has; the
// program stops on a request for one it does not have.
const ResultsEntry& ResultsEntryFor(ResultsOf of, int index, ResultsKind kind);

// True when the entry closes a group, which the file marks with an empty line.
bool EndsGroup(const ResultsEntry& e);

// The entry's value (an integer entry's value converts exactly).
double ResultsValue(const ProjectRecord& r, const ModelResults& m, const ResultsEntry& e);

// The computed result an entry names; the entry's source must be ResultsSource::Results.
double& ComputedResult(ModelResults& m, const ResultsEntry& e);

}  // namespace velmar
