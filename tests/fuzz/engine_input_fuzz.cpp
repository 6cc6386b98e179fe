// The engine on any data file: read it, compute every result, write the results file, and
// read that back as the front end does: each entry's label and value as written.
#include <cstdint>
#include <string>

#include "interface/results/results_reading.h"
#include "model/driver.h"
#include "model/input.h"
#include "model/results_writer.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

ModelState state;  // as large as the engine's own, kept off the stack like it

// The label line an entry's format gives, with its line end.
std::string LabelLine(const ModelState& s, const ResultsEntry& e) {
    const std::string format(e.format, std::strchr(e.format, '\n') + 1);
    const char* name = ResultsEntryName(s, e);
    char label[128];
    std::snprintf(label, sizeof label, format.c_str(), name ? name : "");
    return label;
}

void RequireReadBack(const ModelState& s, const ResultsLines& lines) {
    for (std::size_t i = 0; i < kResultsEntryCount; ++i) {
        const ResultsEntry& e = kResultsEntries[i];
        const std::string label = LabelLine(s, e);
        Require(lines[i].label == label, "label read back differs:", label);
        const double value = ResultsValue(s, s, e);
        if (e.source == ResultsSource::RecordInt) {
            Require(ResultsLineInteger(lines[i].value) == static_cast<std::int32_t>(value),
                    "integer read back differs:", label);
        } else {
            Require(Same(ResultsLineValue(lines[i].value), AsPrinted(value, "%g")),
                    "value read back differs:", label);
        }
    }
}

}  // namespace
}  // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    using namespace velmar::fuzz;
    std::FILE* input = OpenBytes(data, size);
    SetEngineStartValues(state);
    ReadModelInput(input, state);
    std::fclose(input);
    ComputeModel(state);

    const std::string path = ScratchFile(kResultsFileName);
    Require(WriteResultsFile(path, state), "results not written", path);
    ResultsLines lines;
    Require(ReadResultsLines(path, lines), "results file not read back");
    RequireReadBack(state, lines);
    return 0;
}
