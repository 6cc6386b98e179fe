#include "model/contaminant_removal.h"

#include <algorithm>

#include "model/conventional.h"
#include "project/contaminants.h"
#include "project/slots.h"
#include "project/units.h"

namespace velmar {
namespace {

// Slots in use: counts outside 0..kSlotCount are held to that range.
int SlotsInUse(int count) {
    return std::clamp(count, 0, kSlotCount);
}

void ComputeOrganicByProcesses(ModelState& s, int k) {
    CalculateOrganicCoefficients(s, k);
    const PhaseFractions f = PartitionFractions(s.SSConc, s.ConKdw[k], s.ActiveRhoB, s.ActivePhi, s.Kds[k]);
    const double Fd = s.ContamFd[k] = f.dissolved;
    const double Fp = s.ContamFp[k] = f.particulate;
    const double Fdp = s.ContamFdp[k] = f.pore_water;

    // Settling and diffusion into the bed, less what returns, with decay in the pore water.
    const double L = s.ActiveLayerThickness, rho = s.ActiveRhoB;
    const double Wsed = s.Vn * (Fd * s.ConVd[k] + Fp * s.Vs) /
                        (s.Vs + 1000 * rho * Fdp * (s.ConVd[k] + 0.01 * L * s.kdb[k]) / s.SSConc) *
                        (1 + 10 * Fdp * L * rho * s.kdb[k] / (s.Vn * s.SSConc));
    // Decay in the water column and volatilization of the dissolved share.
    const double Wwat = Fd * (s.depth * s.kd[k] + s.kv[k]);
    s.Korg[k] = (Wsed + Wwat) / s.depth;
}

void ComputeOrganics(ModelState& s) {
    const int count = SlotsInUse(s.NumOC_SLR);
    if (count == 0) return;
    if (s.checked_contam_removal) {
        for (int k = 0; k < count; ++k) ComputeOrganicByProcesses(s, k);
        for (int k = 0; k < kSlotCount; ++k) s.ContamRemovalRate[k] = s.Korg[k];
    } else if (s.checked_contam_tau) {
        for (int k = 0; k < count; ++k) {
            s.Korg[k] = 0.693 / s.Tau[k];  // first-order decay from the half-life
            s.ContamRemovalRate[k] = s.Korg[k];
        }
    }
}

void ComputeMetals(ModelState& s) {
    const int count = SlotsInUse(s.NumHM_LLR);
    for (int k = 0; k < count; ++k) {
        if (!s.checked_HMKdwInput) s.HMConKdw[k] = MetalPartitionFromSolids(s.SSConc);
        const PhaseFractions f =
            PartitionFractions(s.SSConc, s.HMConKdw[k], s.ActiveRhoB, s.ActivePhi, s.HMKds[k]);
        s.HMFd[k] = f.dissolved;
        s.HMFp[k] = f.particulate;
        s.HMFdp[k] = f.pore_water;
        s.Khm[k] = (s.Vn / s.depth) * (s.HMFp[k] * s.Vs + s.HMFd[k] * s.HMVd[k]) /
                   (s.Vs + 1000 * s.ActiveRhoB * s.HMVd[k] * s.HMFdp[k] / s.SSConc);
        s.ContamRemovalRate[kSlotCount + k] = s.Khm[k];
    }
}

void ComputeEfficiencies(ModelState& s) {
    for (int k = 0; k < SlotsInUse(s.NumOC_SLR); ++k) {
        s.RE_Contam[k] = RemovalEfficiency(s, s.Korg[k], s.detention_time);
    }
    for (int k = 0; k < SlotsInUse(s.NumHM_LLR); ++k) {
        s.RE_Contam[kSlotCount + k] = RemovalEfficiency(s, s.Khm[k], s.detention_time);
    }
}

}  // namespace

void ComputeContaminants(ModelState& s) {
    ComputeOrganics(s);
    ComputeMetals(s);
    ComputeEfficiencies(s);
}

void ComputeContaminantConcentrations(ModelState& s) {
    for (int k = 0; k < kSlotCount; ++k) {
        const auto organic = OrganicSlot(s, k);
        if (!organic.outflow_wanted) continue;
        const double out = s.ContamOutConc[k] = OutflowConcentration(organic.inflow, s.RE_Contam[k]);
        // The pore water also loses what decays in the layer.
        const double bed_loss = s.ConVd[k] + units::kMetresPerCentimetre * s.ActiveLayerThickness * s.kdb[k];
        s.ContamSedConc[k] = SedimentConcentration({s.ContamFd[k], s.ContamFp[k], s.ContamFdp[k]}, s.ConVd[k],
                                                   bed_loss, s.Vs, s.ActiveVb, s.Vr, s.ActiveRhoB, out);
    }
    for (int k = 0; k < kSlotCount; ++k) {
        const auto metal = MetalSlot(s, k);
        if (!metal.outflow_wanted) continue;
        const double out = s.HMOutConc[k] = OutflowConcentration(metal.inflow, s.RE_Contam[kSlotCount + k]);
        s.HMSedConc[k] = SedimentConcentration({s.HMFd[k], s.HMFp[k], s.HMFdp[k]}, s.HMVd[k], s.HMVd[k], s.Vs,
                                               s.ActiveVb, s.Vr, s.ActiveRhoB, out);
    }
}

}  // namespace velmar
