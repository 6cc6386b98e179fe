#include "interface/screens/registry.h"

#include "interface/screens/system.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens() {
    static const DataScreen* const screens[] = {
        &kGeometrySelection,
        &kSystemProperties,
        &kSystemContinued,
    };
    return screens;
}

}  // namespace velmar
