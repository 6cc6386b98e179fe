// A study's project and the inputs it varies: one engine run, in process, per set of values.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "study/fields.h"
#include "study/results.h"

namespace velmar::study {

class Study {
public:
    // Reads the project as the engine does and readies it for the inputs to be varied.
    Study(const std::string& project, std::vector<InputField> fields);
    // The same for a project already read (and perhaps changed since), named in messages.
    Study(std::string name, const ModelState& project, std::vector<InputField> fields);

    const std::string& project() const { return project_; }
    const ModelState& base() const { return base_; }
    const StudyInputs& inputs() const { return inputs_; }

    // The project with the inputs at these values, computed, into `s`; its results into `out`,
    // and what of them is no value.
    ResultFlaws Evaluate(std::span<const double> values, ModelState& s, ResultValues& out) const;

private:
    std::string project_;
    StudyInputs inputs_;
    ModelState base_;
};

// The names of the fields given as "FIELD=..." arguments, looked up, in order; with the
// text after each '=' in `ranges`. A missing '=' is refused with the form expected.
std::vector<InputField> FieldsOf(const std::vector<std::string>& arguments, std::vector<std::string>& ranges,
                                 const char* form);

}  // namespace velmar::study
