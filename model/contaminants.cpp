#include "model/contaminants.h"

#include <algorithm>

#include "model/conventional.h"
#include "project/contaminants.h"
#include "project/slots.h"

namespace velmar {
namespace {

// Slots in use: counts outside 0..3 are held to that range.
int SlotsInUse(int count) {
    return std::clamp(count, 0, 3);
}

void ComputeOrganicByProcesses(ModelState& s, int k) {
    if (s.checked_KdwCalc) s.ConKdw[k] = PartitionFromKow(s.f_oc, s.Kow[k], s.DOCH2o);
    if (s.checked_KdsCalc) s.Kds[k] = PartitionFromKow(s.Bedf_oc, s.Kow[k], s.DOCBed);
    if (s.checked_kvCalc) {
        s.kv[k] =
            VolatilizationVelocity(s.WindSpeed, s.mean_velocity, s.depth, s.temperature, s.MW[k], s.Henry[k]);
    }

    const double sorbed = s.SSConc * s.ConKdw[k] * 1e-6;
    const double Fd = s.ContamFd[k] = 1 / (1 + sorbed);
    const double Fp = s.ContamFp[k] = sorbed / (1 + sorbed);
    const double Fdp = s.ContamFdp[k] = 1 / (s.ActiveRhoB * s.Kds[k] * 0.001 + s.ActivePhi);

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
        for (int k = 0; k < 3; ++k) s.ContamRemovalRate[k] = s.Korg[k];
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
        const double sorbed = s.SSConc * s.HMConKdw[k] * 1e-6;
        s.HMFd[k] = 1 / (1 + sorbed);
        s.HMFp[k] = sorbed / (1 + sorbed);
        s.HMFdp[k] = 1 / (s.ActiveRhoB * s.HMKds[k] * 0.001 + s.ActivePhi);
        s.Khm[k] = (s.Vn / s.depth) * (s.HMFp[k] * s.Vs + s.HMFd[k] * s.HMVd[k]) /
                   (s.Vs + 1000 * s.ActiveRhoB * s.HMVd[k] * s.HMFdp[k] / s.SSConc);
        s.ContamRemovalRate[3 + k] = s.Khm[k];
    }
}

void ComputeEfficiencies(ModelState& s) {
    for (int k = 0; k < SlotsInUse(s.NumOC_SLR); ++k) {
        s.RE_Contam[k] = RemovalEfficiency(s, s.Korg[k], s.detention_time);
    }
    for (int k = 0; k < SlotsInUse(s.NumHM_LLR); ++k) {
        s.RE_Contam[3 + k] = RemovalEfficiency(s, s.Khm[k], s.detention_time);
    }
}

}  // namespace

void ComputeContaminants(ModelState& s) {
    ComputeOrganics(s);
    ComputeMetals(s);
    ComputeEfficiencies(s);
}

void ComputeContaminantConcentrations(ModelState& s) {
    for (int k = 0; k < 3; ++k) {
        const auto organic = OrganicSlot(s, k);
        if (!organic.outflow_wanted) continue;
        const double out = s.ContamOutConc[k] = OutflowConcentration(organic.inflow, s.RE_Contam[k]);
        s.ContamSedConc[k] =
            (s.ContamFd[k] * s.ConVd[k] + s.ContamFp[k] * s.Vs) /
            ((s.ConVd[k] + 0.01 * s.ActiveLayerThickness * s.kdb[k]) * s.ContamFdp[k] + s.ActiveVb + s.Vr) /
            s.ActiveRhoB * out * 1000;
    }
    for (int k = 0; k < 3; ++k) {
        const auto metal = MetalSlot(s, k);
        if (!metal.outflow_wanted) continue;
        const double out = s.HMOutConc[k] = OutflowConcentration(metal.inflow, s.RE_Contam[3 + k]);
        s.HMSedConc[k] = (s.HMFd[k] * s.HMVd[k] + s.HMFp[k] * s.Vs) /
                         (s.HMFdp[k] * s.HMVd[k] + s.ActiveVb + s.Vr) / s.ActiveRhoB * out * 1000;
    }
}

}  // namespace velmar
