// Small formulas on system properties that the record's defaults, the system screens and
// the studies share.
#pragma once

namespace velmar {

struct ProjectRecord;

// Rounds half up to n decimals the way the screens always have: m = 10^(n+1) (10 when
// n < 1), truncate m*x + 5 to a 32-bit integer, integer-divide by 10, divide by m/10.
// Negative values are biased toward zero (-2.346 gives -2.34).
double RoundToDecimals(double x, int n);

// The BOD decay rate at 20 Deg. C (/day) that suits a wetland of the given depth (m),
// rounded to two decimals: 2.3 up to one foot, 0.2 from five feet, 2.3 * H^-1.52 between.
double BodDecayRateForDepth(double depth);

// Fills in the working copies of the dimensions not chosen (by the committed choice flags)
// from the working copies of those chosen.
void FillUnchosenDimensions(ProjectRecord& r);

// What accepting the system properties sets: the system is entered; constituents not being
// modelled get their defaults (BOD's decay rate to suit the depth); the length-to-width
// ratio, hydraulic residence time, the mean velocity's working copies and the suggested
// detention time's working copy follow from the committed dimensions and flow.
void DeriveFromSystemProperties(ProjectRecord& r);

// The part of DeriveFromSystemProperties that follows the dimensions and flow alone: the
// length-to-width ratio, the hydraulic residence time, the mean velocity's working copies and
// the suggested detention time's working copy.
void DeriveHydraulicValues(ProjectRecord& r);

// The mean velocity (m/s), committed with its working copy, from the working copy of the
// mean velocity in cm/s that the system screens show.
void CommitMeanVelocity(ProjectRecord& r);

// The detention time (days) suggested for the chosen gradient scheme, rounded to two
// decimals; the working copy's current value when no scheme is chosen or, with
// longitudinal gradients, the width is not positive.
double SuggestedDetentionTime(const ProjectRecord& r);

}  // namespace velmar
