// velmar-study size: the value of one input at which a result reaches a target.
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/evaluation.h"
#include "study/output_target.h"
#include "study/parse_number.h"
#include "study/sizing.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

struct Target {
    std::size_t result;
    double value;
};

Target ParseTarget(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        throw StudyError("--target '" + text + "' is not of the form RESULT=VALUE");
    return {FindResult(text.substr(0, equals)), ParseNumber(text.substr(equals + 1), "--target " + text)};
}

std::pair<double, double> SearchRange(const std::string& range, const Study& study) {
    if (range.empty()) return DefaultSearchRange(study);
    const auto colon = range.find(':');
    if (colon == std::string::npos) throw StudyError("--range '" + range + "' is not of the form A:B");
    const double a = ParseNumber(range.substr(0, colon), "--range A");
    const double b = ParseNumber(range.substr(colon + 1), "--range B");
    if (!(a < b)) throw StudyError("--range " + range + ": A must be below B");
    return {a, b};
}

}  // namespace

int Size(const SizeOptions& o) {
    const Target target = ParseTarget(o.target);
    const Study study(o.project, {FindInputField(o.vary)});
    const auto [low, high] = SearchRange(o.range, study);
    const std::optional<Sizing> sized = SizeInput(study, target.result, target.value, low, high, o.threads);
    if (!sized) return EndStatus(0, 1, "searches", 1);

    OutputTarget out_target(o.output);
    std::ostream& out = out_target.Open();
    const std::string result_name = ResultName(target.result);
    if (o.format == Format::Table) {
        out << o.vary << " = " << NumberText(sized->value) << " gives " << result_name << " = "
            << NumberText(sized->reached) << " (target " << NumberText(target.value) << ")\n";
    } else {
        const std::unique_ptr<RowWriter> writer = MakeRowWriter(o.format, out, {o.vary, result_name});
        writer->Row({sized->value, sized->reached});
        writer->Finish();
    }
    out_target.Close();
    return 0;
}

}  // namespace velmar::study
