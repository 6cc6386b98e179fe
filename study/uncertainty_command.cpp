// velmar-study uncertainty: Monte Carlo over uncertain inputs, the spread of every result.
#include <memory>
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/input_effects.h"
#include "study/output_target.h"
#include "study/uncertainty.h"

namespace velmar::study {

int Uncertainty(const UncertaintyOptions& o) {
    UncertainInputs inputs = ParseUncertainInputs(o.distributions);
    const Sampling sampling{o.samples, o.seed, o.latin_hypercube};
    CheckSampling(sampling);
    UncertaintyOutcome outcome;
    outcome.targets = ParseResultTargets(o.targets);
    const Study study(o.project, inputs.fields);
    NoteInputsWithoutEffect(o, study, Spreads(inputs));

    OutputTarget samples_target(o.samples_file);
    std::unique_ptr<RowWriter> samples_writer;
    SampleKeeper keeper;
    if (!o.samples_file.empty()) {
        std::vector<std::string> leading = {"sample"};
        for (const InputField& f : study.inputs().fields()) leading.push_back(f.name);
        samples_writer = MakeRowWriter(o.format == Format::Json ? Format::Json : Format::Csv,
                                       samples_target.Open(), WithResultColumns(leading));
        keeper.keep = [&](std::size_t i, std::span<const double> values, const ResultValues& v,
                          std::vector<std::string>& rows) {
            std::vector<Cell> row = {static_cast<double>(i)};
            row.insert(row.end(), values.begin(), values.end());
            AppendResults(row, v);
            rows.push_back(samples_writer->RowText(row));
        };
        keeper.write = [&](const std::string& row) { samples_writer->Write(row); };
    }

    const auto n = static_cast<std::size_t>(o.samples);
    Progress progress("uncertainty", n, o.watch);
    RunUncertainty(study, inputs.distributions, sampling, o.threads, keeper, progress, outcome);
    if (samples_writer) {
        samples_writer->Finish();
        samples_target.Close();
    }
    NoteAll(o, outcome.Notes());

    OutputTarget target(o.output);
    WriteUncertaintySummary(target.Open(), o.format, study, sampling, outcome);
    target.Close();
    return EndStatus(o, outcome.done, n, "samples", 0);
}

}  // namespace velmar::study
