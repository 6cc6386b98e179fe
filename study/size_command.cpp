// velmar-study size: the value of one input at which a result reaches a target.
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/input_effects.h"
#include "study/output_target.h"
#include "study/sizing.h"

namespace velmar::study {

int Size(const SizeOptions& o) {
    const SizeTarget target = ParseSizeTarget(o.target);
    const Study study(o.project, {FindInputField(o.vary)});
    const auto [low, high] = ParseSearchRange(o.range, study);
    NoteInputsWithoutEffect(o, study, {{low, high}});
    Progress progress("size", kSizeGridPoints, o.watch);
    std::size_t scanned = 0;
    const std::optional<Sizing> found = FindSize(study, target, low, high, o.threads, progress, scanned);
    if (!found) return EndStatus(o, scanned, kSizeGridPoints, "search points", 1);

    const std::string result_name = ResultName(target.result);
    OutputTarget out_target(o.output);
    std::ostream& out = out_target.Open();
    if (o.format == Format::Table) {
        out << o.vary << " = " << NumberText(found->value) << " gives " << result_name << " = "
            << NumberText(found->reached) << " (target " << NumberText(target.value) << ")\n";
    } else {
        const std::unique_ptr<RowWriter> writer = MakeRowWriter(o.format, out, {o.vary, result_name});
        writer->Row({found->value, found->reached});
        writer->Finish();
    }
    out_target.Close();
    return 0;
}

}  // namespace velmar::study
