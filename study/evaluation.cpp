#include "study/evaluation.h"

#include "model/driver.h"
#include "study/project_input.h"
#include "study/study_error.h"

namespace velmar::study {

Study::Study(const std::string& project, std::vector<InputField> fields)
    : project_(project), inputs_(std::move(fields)) {
    ReadStudyProject(project, base_);
    inputs_.Prepare(base_);
}

Study::Study(std::string name, const ModelState& project, std::vector<InputField> fields)
    : project_(std::move(name)), inputs_(std::move(fields)), base_(project) {
    inputs_.Prepare(base_);
}

ResultFlaws Study::Evaluate(std::span<const double> values, ModelState& s, ResultValues& out) const {
    s = base_;
    inputs_.Apply(s, values);
    ComputeModel(s);
    return CollectResults(s, out);
}

std::vector<InputField> FieldsOf(const std::vector<std::string>& arguments, std::vector<std::string>& ranges,
                                 const char* form) {
    std::vector<InputField> fields;
    for (const std::string& argument : arguments) {
        const auto equals = argument.find('=');
        if (equals == std::string::npos) {
            throw StudyError("'" + argument + "' is not of the form " + form);
        }
        fields.push_back(FindInputField(argument.substr(0, equals)));
        ranges.push_back(argument.substr(equals + 1));
    }
    return fields;
}

}  // namespace velmar::study
