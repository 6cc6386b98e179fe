#include "interface/screens/contaminant_families.h"

#include <algorithm>
#include <cmath>

#include "interface/session/state.h"
#include "project/sediment.h"

namespace velmar {

int SlotsInUse(const ProjectRecord& r, const ContaminantFamily& f) {
    return std::clamp(r.*f.count, 0, kSlotCount);
}

void NoteChangedDiffusivities(ProjectRecord& r, const ContaminantFamily& f) {
    for (int k = 0; k < kSlotCount; ++k) {
        const double now = (r.*f.diffusivity)[k];
        double& calculated_for = (r.*f.transfer_diffusivity)[k];
        if (now + 1e-10 < calculated_for || now - 1e-10 > calculated_for) {
            r.*(*f.slots)[k].recalc_vd = 1;
            calculated_for = now;
        }
    }
}

void RecalculateMassTransfer(ProjectRecord& r, const ContaminantFamily& f) {
    for (int k = 0; k < SlotsInUse(r, f); ++k) {
        if (!(r.*(*f.slots)[k].recalc_vd)) continue;
        (r.*f.velocity)[k] = (r.*f.velocity_temp)[k] = InterfaceTransferVelocity(
            (r.*f.diffusivity)[k], r.temperature, r.mean_velocity, kContaminantSchmidtExponent);
    }
}

bool ComputedValuesFinite(ScreenContext& c, const ContaminantFamily& f, void (*compute)(ProjectRecord&),
                          std::initializer_list<RealArray> values) {
    ProjectRecord trial = c.r;
    const bool changes = Shell().changes;
    CommitRows(trial, c.screen);
    Shell().changes = changes;
    compute(trial);
    for (int k = 0; k < SlotsInUse(trial, f); ++k) {
        for (RealArray v : values) {
            if (!std::isfinite((trial.*v)[k])) return false;
        }
    }
    return true;
}

}  // namespace velmar
