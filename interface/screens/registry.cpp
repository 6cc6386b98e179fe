#include "interface/screens/registry.h"

#include "interface/screens/system.h"
#include "interface/screens/tss.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens() {
    static const DataScreen* const screens[] = {
        &kGeometrySelection,
        &kSystemProperties,
        &kSystemContinued,
        &kTssOptionSelection,
        &kTssVsChoice,
        &kTssVsData,
        &kTssParticleData,
        &kTssAccretionChoice,
        &kTssAccretionData,
        &kTssAccretionPorosityData,
        &kTssBurialChoice,
        &kTssBurialData,
        &kTssBurialPorosityData,
        &kTssCalculatedValues,
    };
    return screens;
}

}  // namespace velmar
