#include "project/system_formulas.h"

#include <cmath>
#include <cstdint>

#include "project/record.h"
#include "project/units.h"

namespace velmar {
namespace {

using units::kCentimetresPerMetre;
using units::kSecondsPerDay;

// The nominal residence time V/Q in days.
double NominalDays(const ProjectRecord& r) {
    return r.volume / r.flow / kSecondsPerDay;
}

}  // namespace

double RoundToDecimals(double x, int n) {
    double m = 10.0;
    for (int i = 1; i <= n; ++i) m *= 10.0;
    const double biased = m * x + 5.0;
    // Out of range (or not a number) the conversion yields the integer indefinite value,
    // as the processor's truncating conversion does.
    const std::int32_t scaled =
        (biased > -2147483649.0 && biased < 2147483648.0) ? static_cast<std::int32_t>(biased) : INT32_MIN;
    return static_cast<double>(scaled / 10) / (m / 10.0);
}

double BodDecayRateForDepth(double depth) {
    const double feet = depth / 0.3048;
    double k;
    if (feet >= 0.0 && feet <= 1.0) {
        k = 2.3;
    } else if (feet >= 5.0) {
        k = 0.2;
    } else if (depth <= 0.0) {
        k = 0.0;
    } else {
        k = 2.3 * std::pow(feet, -1.52);
    }
    return RoundToDecimals(k, 2);
}

void FillUnchosenDimensions(ProjectRecord& r) {
    if (!r.checked_Volume) r.volume_temp = r.area_temp * r.depth_temp;
    if (!r.checked_Area) r.area_temp = r.volume_temp / r.depth_temp;
    if (!r.checked_Depth) r.depth_temp = r.volume_temp / r.area_temp;
    // The plan area comes from the volume and depth when both were given, else from the area.
    const bool volume_and_depth = r.checked_Volume && r.checked_Depth;
    if (!r.checked_Length) {
        if (volume_and_depth) {
            r.length_temp = r.volume_temp / r.depth_temp / r.width_temp;
        } else if (r.checked_Area) {
            r.length_temp = r.area_temp / r.width_temp;
        }
    }
    if (!r.checked_Width) {
        if (volume_and_depth) {
            r.width_temp = r.volume_temp / r.depth_temp / r.length_temp;
        } else if (r.checked_Area) {
            r.width_temp = r.area_temp / r.length_temp;
        }
    }
}

void DeriveFromSystemProperties(ProjectRecord& r) {
    const ProjectRecord& defaults = DefaultRecord();
    r.System_Properties_Entered = 1;
    r.print_possible = 1;
    if (r.model_bod == 0) {
        r.bod_decay_rate20 = r.bod_decay_rate20_temp = BodDecayRateForDepth(r.depth);
        r.theta_bod_temp = r.theta_bod;
        r.bod_default_decay = r.bod_decay_rate20;
        r.bod_default_temp = defaults.theta_bod;
    }
    if (r.model_tcb == 0) {
        r.tcb_decay_rate20 = r.tcb_decay_rate20_temp = defaults.tcb_decay_rate20;
        r.theta_tcb = r.theta_tcb_temp = defaults.theta_tcb;
    }
    if (r.model_n == 0) {
        r.tn_decay_rate20 = r.tn_decay_rate20_temp = defaults.tn_decay_rate20;
        r.Ktn = r.Ktn_temp = defaults.Ktn;
        r.theta_tn = r.theta_tn_temp = defaults.theta_tn;
        r.Kdn = r.Kdn_temp = defaults.Kdn;
        r.No3_TN_Ratio = r.No3_TN_Ratio_temp = defaults.No3_TN_Ratio;
    }
    if (r.model_p == 0) ApplyTPDefaults(r);
    if (r.model_contaminant == 0) ApplyContaminantDefaults(r);
    r.equation_to_use = 1;
    DeriveHydraulicValues(r);
}

void DeriveHydraulicValues(ProjectRecord& r) {
    // Without a width, a flow or a cross-section there is no ratio, residence time or
    // velocity to show: 0 stands in.
    r.RatioLoW = r.width == 0 ? 0 : r.length * (1 / r.width);
    r.HydResidenceTime = r.flow == 0 ? 0 : RoundToDecimals(r.volume / (r.flow * kSecondsPerDay), 2);
    const double section = r.width * r.depth;
    const double velocity = section == 0 ? 0 : r.flow / section;  // m/s through the mean cross-section
    r.mean_velocity_temp = RoundToDecimals(velocity, 2);
    r.mean_vel_cms_temp = RoundToDecimals(velocity * kCentimetresPerMetre, 2);
    r.detention_time_temp = SuggestedDetentionTime(r);
}

void CommitMeanVelocity(ProjectRecord& r) {
    r.mean_velocity = r.mean_velocity_temp = r.mean_vel_cms_temp * units::kMetresPerCentimetre;
}

double SuggestedDetentionTime(const ProjectRecord& r) {
    double days = r.detention_time_temp;  // kept when no scheme is chosen
    if (r.mixed_clac_re != 0 || r.longitudinal_calc_re != 0) {
        if (r.flow == 0) {
            days = 0;
        } else if (r.mixed_clac_re != 0) {
            days = NominalDays(r);
        } else if (r.width > 0) {
            // With longitudinal gradients an elongated wetland uses more of its volume: the
            // effective fraction 0.84 (1 - e^(-0.59 L/W)) grows with the length-to-width
            // ratio, and past a ratio of 10 the whole volume counts.
            const double ratio = r.length / r.width;
            days = ratio > 10 ? NominalDays(r)
                              : 0.84 * (1 - std::exp(-0.59 * ratio)) * r.volume / r.flow / kSecondsPerDay;
        }
        // Without a positive width there is no ratio: the current detention time stands.
    }
    return RoundToDecimals(days, 2);
}

}  // namespace velmar
