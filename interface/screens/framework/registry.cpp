#include "interface/screens/framework/registry.h"

#include "interface/screens/constituent_selection.h"
#include "interface/screens/metals.h"
#include "interface/screens/organics.h"
#include "interface/screens/shared_sediment.h"
#include "interface/screens/system.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"
#include "interface/screens/tp.h"
#include "interface/screens/tp_options.h"
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
        &kTPRateBasis, &kTPRateAreal, &kTPRateVolumetric, &kTPMethodSelection, &kNewWetlandOptions,
        &kNewWetlandInput, &kTPLoadTypeDetermination, &kTPLoadTypeEstablished, &kBulkDensityChoice,
        &kWetlandAgeDetermination, &kEstablishedWetlandInput, &kTPMassTransfer,
        &kSedimentChoicePhosphorus, &kSedimentChoiceContaminants, &kSedimentDataPhosphorus,
        &kSedimentDataContaminants, &kCalculatedSedimentValues, &kCalculatedSurficialValues,
        &kVelocitySummary,
        &kContaminantInfo, &kHalfLives, &kOrganicCoefficientChoice, &kOrganicRemovalRates,
        &kCalculatedOrganicValues, &kOrganicMassTransfer,
        &kHeavyMetalKdwChoice, &kHeavyMetalInput, &kCalculatedHeavyMetalValues, &kHeavyMetalMassTransfer,
        // clang-format on
    };
    return screens;
}

std::string RegisteredScreenName(const DataScreen& screen) {
    int variant = 1;
    for (const DataScreen* other : AllScreens()) {
        if (other == &screen) break;
        if (other->number == screen.number) ++variant;
    }
    const std::string name = "Screen" + std::to_string(screen.number);
    return variant == 1 ? name : name + "v" + std::to_string(variant);
}

}  // namespace velmar
