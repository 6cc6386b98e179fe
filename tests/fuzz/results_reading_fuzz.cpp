// The results screen's reading of any results file, for any choice of what was modelled:
// each row's state, and every kept entry holds the value its line reads as. The choices
// come from the input's last bytes, the file from the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "interface/results/results_reading.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

// The flags that decide which rows show.
using Flag = std::int32_t ProjectRecord::*;
constexpr Flag kChoices[] = {
    &ProjectRecord::model_tss,
    &ProjectRecord::model_tcb,
    &ProjectRecord::model_bod,
    &ProjectRecord::model_n,
    &ProjectRecord::model_p,
    &ProjectRecord::model_contaminant,
    &ProjectRecord::checked_TSSGenOutConc,
    &ProjectRecord::checked_TCBGenOutConc,
    &ProjectRecord::checked_BODGenOutConc,
    &ProjectRecord::checked_TNGenOutConc,
    &ProjectRecord::checked_TPGenOutConc,
    &ProjectRecord::checked_Contam1OutConc,
    &ProjectRecord::checked_Contam2OutConc,
    &ProjectRecord::checked_Contam3OutConc,
    &ProjectRecord::checked_HM1OutConc,
    &ProjectRecord::checked_HM2OutConc,
    &ProjectRecord::checked_HM3OutConc,
};

ProjectRecord ChosenProject(FuzzedDataProvider& in) {
    ProjectRecord r = ProgramStartRecord();
    const auto bits = in.ConsumeIntegral<std::uint32_t>();
    for (std::size_t i = 0; i < std::size(kChoices); ++i) r.*kChoices[i] = (bits >> i) & 1;
    r.NumOC_SLR = in.ConsumeIntegralInRange(-1, 4);
    r.NumHM_LLR = in.ConsumeIntegralInRange(-1, 4);
    return r;
}

bool Valid(RowState state) {
    switch (state) {
        case RowState::NoRow:
        case RowState::Shown:
        case RowState::Greyed:
        case RowState::Hidden: return true;
    }
    return false;
}

}  // namespace
}  // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    using namespace velmar::fuzz;
    FuzzedDataProvider in(data, size);
    ProjectRecord r = ChosenProject(in);
    const std::vector<std::uint8_t> file = in.ConsumeRemainingBytes<std::uint8_t>();
    const std::string path = ScratchFile(kResultsFileName);
    WriteBytes(path, file.data(), file.size());

    ResultsLines lines;
    if (!ReadResultsLines(path, lines)) return 0;
    ModelResults kept{};
    for (int entry = 1; entry <= static_cast<int>(kResultsEntryCount); ++entry) {
        const RowState state = ResultsRowState(r, entry);
        Require(Valid(state), "no such row state");
        const bool keep = state == RowState::Shown || (state == RowState::NoRow && KeptWithoutRow(entry));
        if (!keep) continue;
        const ResultsEntry& e = kResultsEntries[entry - 1];
        const std::string& line = lines[entry - 1].value;
        const double before = ResultsValue(r, kept, e);
        KeepResultsLine(r, kept, entry, line);
        const double after = ResultsValue(r, kept, e);
        const double read =
            e.source == ResultsSource::RecordInt ? ResultsLineInteger(line) : ResultsLineValue(line);
        Require(Same(after, read) || Same(after, before), "kept value is not the line's:", e.format);
    }
    return 0;
}
