// The choice between a specified and a calculated phosphorus removal rate, which the
// constituent selection opens when TP is chosen.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// Control ids.
namespace tp_removal_options {
enum : int {
    kQuestionLabel = 9001,
    kSpecifyButton = 9002,
    kCalculateButton = 9003,
    kOptionsHelp = 9004,
};
}  // namespace tp_removal_options

struct DataScreen;

// Specified or calculated removal rate, into the working copies only: the constituent
// selection commits them when it is accepted.
extern const DataScreen kTPRemovalOptions;

}  // namespace velmar
