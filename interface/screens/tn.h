// The total nitrogen screens: which parameter the user knows — a total nitrogen removal
// rate, areal or volumetric, or a denitrification rate with the nitrate share of total
// nitrogen — and its value with the temperature correction factor.
#pragma once

#include <string>

#include "interface/platform/ui.h"

namespace velmar {

// Control ids, one set per screen; the two rate entry screens share theirs.
namespace tn_known_parameter {
enum : int {
    kRemovalRateButton = 1047,
    kDenitrificationButton = 1048,
    kKnownParameterHelp = 1049,
    kSelectLabel = 9201,
};
}  // namespace tn_known_parameter

namespace tn_rate_basis {
enum : int {
    kRateBasisHelp = 1049,
    kArealButton = 1050,
    kVolumetricButton = 1051,
    kSelectLabel = 9211,
};
}  // namespace tn_rate_basis

namespace tn_rate_entry {
enum : int {
    kRateEntryHelp = 1049,
    kVolumetricRateField = 1052,
    kFactorField = 1054,
    kArealRateField = 1055,
    kArealRateDefaultLabel = 1218,
    kFactorDefaultLabel = 1219,
    kVolumetricRateDefaultLabel = 1220,
    kEnterLabel = 9221,
    kBasisLabel = 9222,
};
}  // namespace tn_rate_entry

namespace tn_denitrification {
enum : int {
    kDenitrificationHelp = 1049,
    kFactorField = 1054,
    kRatioField = 1056,
    kDenitrificationRateField = 1057,
};
}  // namespace tn_denitrification

struct DataScreen;

// The chain: the known parameter, then either the rate basis and the areal or volumetric
// rate, or the denitrification data. The five screens' tables, opened with Show<>.
extern const DataScreen kTNKnownParameter;
extern const DataScreen kTNRateBasis;
extern const DataScreen kTNRateVolumetric;
extern const DataScreen kTNRateAreal;
extern const DataScreen kTNDenitrification;

// "Default: " and the value as "%f" prints it, without the trailing zeros of its fraction
// (nor a bare point): 0.05 gives "Default: 0.05".
std::string DefaultLabelText(double value);

}  // namespace velmar
