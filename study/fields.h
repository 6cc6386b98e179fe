// Input fields addressed by their record names ("detention_time", "Ktn", "Kds[1]"), and the
// writing of a study's values into a project.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/model_state.h"
#include "project/file_entries.h"

namespace velmar::study {

struct InputField {
    std::string name;
    const FileEntry* value;    // the committed value, which the engine reads
    const FileEntry* working;  // its working copy, set alongside as the screens do; may be null
    bool whole;                // takes whole numbers only (a switch, a count)
    // Has a physical sign: a dimension, flow, velocity, rate, ratio, density, concentration or
    // other quantity that cannot be below 0. Temperatures (Deg. C) can.
    bool not_negative;
};

// Whether a value is one the field can take: finite, not below 0 where the field has a sign,
// and whole and within 32 bits where it holds a whole number.
bool Admits(const InputField& f, double value);

// Refuses, naming the field, values from `low` to `high` given by `what` (the argument as given)
// that it cannot take: any below 0 where it has a sign; where it holds a whole number, ends that
// are not whole or beyond 32 bits.
void CheckFieldRange(const InputField& f, double low, double high, const std::string& what);

// The real or integer field of that name: its label in the project file, or the label with
// its blanks written as underscores ("TSS_removal_rate"). A name field, or a name that is
// none of these, is refused with the nearest names.
InputField FindInputField(std::string_view name);

// The fields a study varies, and how their values go into a project: each value into the
// field and its working copy; when a system
// property is among them, the values the system screens derive follow, as they would had
// the user entered the new value there and accepted the screens.
class StudyInputs {
public:
    explicit StudyInputs(std::vector<InputField> fields);

    const std::vector<InputField>& fields() const { return fields_; }

    // Readies a project for the study: the dimensions varied become the chosen ones, so that
    // they are not derived from the others, and when system properties are varied, the system
    // screens are accepted once as they stand.
    void Prepare(ProjectRecord& r) const;

    // Whether every value is one its field can take (Admits).
    bool Admit(std::span<const double> values) const;

    // Gives each field its value, in order, in a project readied by Prepare.
    void Apply(ProjectRecord& r, std::span<const double> values) const;

private:
    std::vector<InputField> fields_;
    bool derives_ = false;
    bool scales_plan_ = false;
};

// Gives one field of a project a value for good, as entering it on its screen and accepting
// would: the values the system screens derive follow as in a study, and the project keeps the
// dimensions it was entered with (every dimension agrees with the others, so that pair gives
// them all again).
void SetInput(ProjectRecord& r, const InputField& field, double value);

}  // namespace velmar::study
