// The total coliform bacteria and biochemical oxygen demand screens: each constituent's
// first-order decay rate at 20 Deg. C and its temperature correction factor.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// Control ids, one set per screen.
namespace tcb_data {
enum : int {
    kTcbHelp = 1042,
    kRateField = 1043,
    kFactorField = 1044,
    kRateDefaultLabel = 9101,
    kFactorDefaultLabel = 9102,
};
}  // namespace tcb_data

namespace bod_data {
enum : int {
    kRateField = 1045,
    kFactorField = 1046,
    kBodHelp = 1194,
    kComputedRateLabel = 1197,
    kFactorDefaultLabel = 9111,
};
}  // namespace bod_data

struct DataScreen;

// The two screens' tables, opened with Show<>.
extern const DataScreen kTCBData;
extern const DataScreen kBODData;

}  // namespace velmar
