#include "interface/screens/registry.h"

#include "interface/screens/system.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens() {
    static const DataScreen* const screens[] = {
        &kGeometrySelection, &kSystemProperties, &kSystemContinued,  &kTCBData,     &kBODData,
        &kTNKnownParameter,  &kTNRateBasis,      &kTNRateVolumetric, &kTNRateAreal, &kTNDenitrification,
    };
    return screens;
}

}  // namespace velmar
