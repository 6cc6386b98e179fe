// What a varied input does to a project beyond a study's table: whether it changes any result
// at all, and where it carries the plan across the length-to-width ratio at which the
// suggested plug-flow detention time changes form.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "study/commands.h"
#include "study/evaluation.h"

namespace velmar::study {

// Past this length-to-width ratio the suggested detention time with longitudinal gradients
// counts the whole volume; below it, the fraction 0.84 (1 - e^(-0.59 L/W)).
inline constexpr double kWholeVolumeRatio = 10;

// Whether the study's input (by position) changes any result of the project when it takes
// one of these values, the other inputs keeping the project's.
bool ChangesAnyResult(const Study& study, std::size_t input, std::span<const double> values);

// The end of the note for an input that changes nothing, after its name.
inline constexpr const char* kChangesNoResult = " changes no modelled result of this project";

// Tells, through the options' note, each input that changes no result at any of its values
// given (say, the ends of its range), by name; not one whose values are all the project's.
void NoteInputsWithoutEffect(const CommonOptions& o, const Study& study,
                             const std::vector<std::vector<double>>& values);

// The value of the study's only input between `from` and `to` at which the plan's
// length-to-width ratio passes kWholeVolumeRatio, for a project with longitudinal gradients;
// nothing when the project is fully mixed or the ratio stays on one side.
std::optional<double> WholeVolumeRatioCrossing(const Study& study, double from, double to);

}  // namespace velmar::study
