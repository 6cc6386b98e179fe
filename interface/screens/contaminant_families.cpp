#include "interface/screens/contaminant_families.h"

#include <algorithm>
#include <cmath>
#include <string>

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

bool ComputedValuesUsable(ScreenContext& c, const ContaminantFamily& f, void (*compute)(ProjectRecord&),
                          int solids_field, std::initializer_list<SlotValue> values) {
    if (c.d.IsEnabled(solids_field) && !(c.r.SSConc_temp > 0)) {
        c.Refuse("Suspended Solid Concentration must be greater than 0: the contaminant model divides by it.");
        return false;
    }
    ProjectRecord trial = c.r;
    const bool changes = Shell().changes;
    CommitRows(trial, c.screen);
    Shell().changes = changes;
    compute(trial);
    for (int k = 0; k < SlotsInUse(trial, f); ++k) {
        for (const SlotValue& v : values) {
            if (std::isfinite((trial.*v.value)[k])) continue;
            std::string why = v.why;
            why.replace(why.find('#'), 1, f.noun + (" " + std::to_string(k + 1)));
            c.Refuse(why);
            return false;
        }
    }
    return true;
}

}  // namespace velmar
