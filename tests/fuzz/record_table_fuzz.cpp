// A series record from any bytes, as velmar-study series reads it: every record is either
// refused with a StudyError or runs, step after step in order, on the typical example, each
// step lasting a positive time and each row in the output.
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "study/progress.h"
#include "study/project_input.h"
#include "study/series.h"
#include "study/study_error.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

// Records longer than this are checked but not run, to keep each input quick.
constexpr std::size_t kMostStepsRun = 32;

void CheckRecord(const std::string& text) {
    const study::RecordSource source = [&text] { return std::make_unique<std::istringstream>(text); };
    study::SeriesRecord record;
    try {
        record = study::CheckSeriesRecord(source, "record");
    } catch (const study::StudyError&) {
        return;
    }
    Require(record.steps >= 2, "a record of fewer than two rows is accepted");
    Require(record.fields.size() == record.units.size(), "a column without its unit");
    if (record.steps > kMostStepsRun) return;
    static const ModelState project = [] {
        ModelState s;
        study::ReadStudyProject(VELMAR_SOURCE_DIR "/examples/typical.inp", s);
        return s;
    }();
    const study::Study study("typical.inp", project, record.fields);
    const study::SeriesPlan plan = study::PlanSeries(std::move(record), study.base(), "10", {});
    study::SeriesSummary summary(study, plan);
    std::size_t next = 0;
    study::Progress progress("", 0);
    const std::size_t done =
        study::RunSeries(study, plan, source, 2, progress, [&](study::SeriesBlock&& block) {
            Require(block.first == next, "blocks out of order");
            for (const std::int64_t seconds : block.seconds) Require(seconds > 0, "a step of no duration");
            next += block.dates.size();
            summary.Add(block);
        });
    Require(done == plan.record.steps && next == done, "steps lost");
    Require(!summary.Finish().empty(), "no summary");
}

}  // namespace
}  // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmar::fuzz::CheckRecord(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
