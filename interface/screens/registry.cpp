#include "interface/screens/registry.h"

#include "interface/screens/constituents.h"
#include "interface/screens/system.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"
#include "interface/screens/tp.h"
#include "interface/screens/tss.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens() {
    static const DataScreen* const screens[] = {
        // clang-format off
        &kGeometrySelection, &kSystemProperties, &kSystemContinued,
        &kConstituentSelection, &kTPRemovalOptions, &kDataInputSelection, &kInflowConcentrations,
        &kTssOptionSelection, &kTssVsChoice, &kTssVsData, &kTssParticleData, &kTssAccretionChoice,
        &kTssAccretionData, &kTssAccretionPorosityData, &kTssBurialChoice, &kTssBurialData,
        &kTssBurialPorosityData, &kTssCalculatedValues,
        &kTCBData, &kBODData,
        &kTNKnownParameter, &kTNRateBasis, &kTNRateVolumetric, &kTNRateAreal, &kTNDenitrification,
        // clang-format on
    };
    return screens;
}

}  // namespace velmar
