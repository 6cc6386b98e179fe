#include "interface/screens/registry.h"

#include "interface/screens/constituents.h"
#include "interface/screens/system.h"
#include "interface/screens/tp.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens() {
    static const DataScreen* const screens[] = {
        &kGeometrySelection, &kSystemProperties,   &kSystemContinued,      &kConstituentSelection,
        &kTPRemovalOptions,  &kDataInputSelection, &kInflowConcentrations,
    };
    return screens;
}

}  // namespace velmar
