// velmar-study run: every project through the engine, a row of results for each.
#include <memory>

#include "model/driver.h"
#include "project/slots.h"
#include "study/command_support.h"
#include "study/commands.h"
#include "study/ordered_parallel.h"
#include "study/output_target.h"
#include "study/project_input.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 8;

struct Outcome {
    std::string error;  // why the project could not be run, or empty
    std::unique_ptr<ModelState> state;
    ResultValues values;
    ResultFlaws flaws;
};

Outcome RunOne(const std::string& path) {
    Outcome o;
    try {
        o.state = std::make_unique<ModelState>();
        ReadStudyProject(path, *o.state);
        ComputeModel(*o.state);
        o.flaws = CollectResults(*o.state, o.values);
    } catch (const StudyError& e) {
        o.error = e.what();
    }
    return o;
}

// The names of the organic chemicals and heavy metals, in slot order.
const char* const kNameColumns[] = {"TauCompName1", "TauCompName2", "TauCompName3",
                                    "HMName1",      "HMName2",      "HMName3"};

}  // namespace

int RunProjects(const RunOptions& o) {
    // Nothing is written until a project has run, so that a run of nothing but unreadable
    // projects leaves no output.
    OutputTarget target(o.output);
    std::unique_ptr<RowWriter> writer;
    bool opened = false;
    const auto open = [&]() -> std::ostream& {
        std::ostream& out = target.Open();
        if (!opened && o.format != Format::Table) {
            std::vector<std::string> leading = {"file"};
            leading.insert(leading.end(), std::begin(kNameColumns), std::end(kNameColumns));
            writer = MakeRowWriter(o.format, out, WithResultColumns(leading));
        }
        opened = true;
        return out;
    };

    bool all_ran = true;
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        std::vector<Outcome> block;
        for (std::size_t i = begin; i < end; ++i) block.push_back(RunOne(o.projects[i]));
        return block;
    };
    std::size_t next = 0;
    const auto consume = [&](std::vector<Outcome>&& block) {
        for (Outcome& outcome : block) {
            const std::string& path = o.projects[next++];
            if (!outcome.error.empty()) {
                Note(o, outcome.error);
                all_ran = false;
                continue;
            }
            NoteAll(o, ProjectRunNotes(outcome.flaws, path));
            const ProjectRecord& r = *outcome.state;
            std::ostream& out = open();
            if (!writer) {
                WriteRunSummary(out, path, r, outcome.values);
                continue;
            }
            std::vector<Cell> row = {path};
            for (int k = 0; k < kSlotCount; ++k) row.emplace_back(std::string(OrganicSlot(r, k).name));
            for (int k = 0; k < kSlotCount; ++k) row.emplace_back(std::string(MetalSlot(r, k).name));
            AppendResults(row, outcome.values);
            writer->Row(row);
        }
    };
    Progress progress("run", o.projects.size(), o.watch);
    const std::size_t done =
        RunBlocksInOrder(o.projects.size(), kBlock, o.threads, produce, consume, progress);
    if (writer) writer->Finish();
    if (opened) target.Close();
    return EndStatus(o, done, o.projects.size(), "projects", all_ran ? 0 : 1);
}

}  // namespace velmar::study
