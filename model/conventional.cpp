#include "model/conventional.h"

#include <array>
#include <cmath>

#include "project/results_layout.h"
#include "project/sediment.h"
#include "project/slots.h"
#include "project/units.h"

namespace velmar {
namespace {

bool DepthAndSolidsPositive(const ModelState& s) {
    return s.depth > 0 && s.SSConc > 0;
}

double RemovalBySurfaceAccretion(const ModelState& s) {
    return s.SurfVb * s.SurfRhoB * units::kAccretionToSettling / (s.SSConc * s.depth);
}

double RemovalByActiveBurial(const ModelState& s) {
    return s.ActiveVb * s.ActiveRhoB * units::kGramsPerKilogram / (s.SSConc * s.depth);
}

// The first TSS option whose flag is set decides. A failed guard means no removal.
void ComputeTssRemovalRate(ModelState& s) {
    double& rate = s.TSS_removal_rate;
    if (s.checked_Opt1Input) {
        if (s.depth > 0) {
            s.Vn = s.Vs;
            rate = s.Vs / s.depth;
        } else {
            rate = 0;
        }
    } else if (s.checked_Opt2Input) {
        if (DepthAndSolidsPositive(s)) {
            rate = RemovalBySurfaceAccretion(s);
            s.Vn = rate * s.depth;
        } else {
            rate = 0;
        }
    } else if (s.checked_Opt3Input) {
        if (DepthAndSolidsPositive(s)) {
            rate = RemovalByActiveBurial(s);
            s.Vn = rate * s.depth;
        } else {
            rate = 0;
        }
    } else if (s.checked_Opt1Calc) {
        if (s.depth > 0) {
            rate = StokesSettlingVelocity(s.PartDiam, s.SG, s.temperature) / s.depth;
            s.Vn = rate * s.depth;
        } else {
            rate = 0;
        }
    } else if (s.checked_Opt2Calc) {
        if (DepthAndSolidsPositive(s)) {
            s.SurfRhoB = BulkDensityFromPorosity(s.SurfPhi, s.DrySedDensity);
            rate = RemovalBySurfaceAccretion(s);
            s.Vn = rate * s.depth;
        } else {
            rate = 0;
        }
    } else if (s.checked_Opt3Calc) {
        // Only the committed density changes here, and Vn is left as read.
        if (DepthAndSolidsPositive(s)) {
            s.ActiveRhoB = BulkDensityFromPorosity(s.ActivePhi, s.DrySedDensity);
            rate = RemovalByActiveBurial(s);
        } else {
            rate = 0;
        }
    }
}

}  // namespace

double RemovalEfficiency(const ProjectRecord& r, double k, double t) {
    if (r.longitudinal_calc_re) return (1 - std::exp(-k * t)) * 100;
    return k * t / (1 + k * t) * 100;
}

double OutflowConcentration(double inflow, double removal_efficiency) {
    return inflow - inflow * (removal_efficiency * 0.01);
}

double TemperatureCorrected(double theta, double rate20, double temperature) {
    if (theta > 0) return std::pow(theta, temperature - 20) * rate20;
    return 0;
}

void ComputeTss(ModelState& s) {
    if (!s.model_tss) return;
    ComputeTssRemovalRate(s);
    s.RE_TSS = RemovalEfficiency(s, s.TSS_removal_rate, s.detention_time);
}

void ComputeTcbBodTn(ModelState& s) {
    const double t = s.detention_time;
    if (s.model_tcb) {
        s.tcb_decay_rate = TemperatureCorrected(s.theta_tcb, s.tcb_decay_rate20, s.temperature);
        s.RE_TCB = RemovalEfficiency(s, s.tcb_decay_rate, t);
    }
    if (s.model_bod) {
        s.bod_decay_rate = TemperatureCorrected(s.theta_bod, s.bod_decay_rate20, s.temperature);
        s.RE_BOD = RemovalEfficiency(s, s.bod_decay_rate, t);
    }
    if (s.model_n) {
        if (s.theta_tn > 0) {
            const double f = std::pow(s.theta_tn, s.temperature - 20);
            if (s.checked_Kdn) {
                s.tn_decay_rate = f * s.Kdn * s.No3_TN_Ratio;  // denitrification of the nitrate share
            } else if (s.checked_KtnAreal) {
                s.tn_decay_rate = f * s.Ktn / s.depth;
            } else {
                s.tn_decay_rate = f * s.Ktn;
            }
        } else {
            s.tn_decay_rate = 0;
        }
        s.RE_TN = RemovalEfficiency(s, s.tn_decay_rate, t);
    }
}

void ComputeSedimentVelocities(ModelState& s) {
    // With option 3 the burial velocity is the user's own and is not recomputed.
    if (!s.checked_Option3) ComputeBurialVelocity(s);
    ComputeResuspensionAndMassTransfer(s);
}

void ComputeConventionalOutflows(ModelState& s) {
    // Each constituent's efficiency and outflow entries, looked up once rather than every run.
    struct Entries {
        const ResultsEntry *efficiency, *outflow;
    };
    static const std::array<Entries, kConventionalCount> entries = [] {
        std::array<Entries, kConventionalCount> found{};
        for (int c = 0; c < kConventionalCount; ++c) {
            found[c] = {&ResultsEntryFor(ResultsOf::Conventional, c, ResultsKind::Efficiency),
                        &ResultsEntryFor(ResultsOf::Conventional, c, ResultsKind::Outflow)};
        }
        return found;
    }();
    ModelResults& results = s;
    for (int c = 0; c < kConventionalCount; ++c) {
        if (!(s.*kConventional[c].outflow_wanted)) continue;
        const double efficiency = ResultsValue(s, s, *entries[c].efficiency);
        ComputedResult(results, *entries[c].outflow) =
            OutflowConcentration(s.*kConventional[c].inflow, efficiency);
    }
}

}  // namespace velmar
