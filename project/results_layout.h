// The results file "Results.txt": 95 entries of a label line and a value line, written by
// the engine and read back by position by the front end.
#pragma once

#include <array>
#include <cstddef>

#include "project/record.h"

namespace velmar {

// Computed values that have no field in the project record. Slots 0-2 of the six-slot
// arrays are the organic chemicals, 3-5 the heavy metals.
struct ModelResults {
    double tp_removal_rate;
    double RE_TSS, RE_TCB, RE_BOD, RE_TN, RE_TP;
    double ContamRemovalRate[6];
    double RE_Contam[6];
    double TSSoutConc, TCBoutConc, BODoutConc, TNoutConc, TPoutConc;
    double ContamOutConc[3], HMOutConc[3];
    double ContamFd[3], ContamFp[3], ContamFdp[3];
    double HMFd[3], HMFp[3], HMFdp[3];
    double ContamSedConc[3], HMSedConc[3];
};

// Which contaminant name, if any, a label carries.
enum class ResultsName { None, TauCompName1, TauCompName2, TauCompName3, HMName1, HMName2, HMName3 };

// Where an entry's value lives: a project record field (real or integer) or a computed result.
enum class ResultsSource { RecordReal, RecordInt, Results };

struct ResultsEntry {
    const char* format;  // printf format of label and value: "RE %s (%%): \n%g\n"
    ResultsName name;
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

// True when the entry closes a group, which the file marks with an empty line.
bool EndsGroup(const ResultsEntry& e);

// The entry's value (an integer entry's value converts exactly).
double ResultsValue(const ProjectRecord& r, const ModelResults& m, const ResultsEntry& e);

}  // namespace velmar
