// Nonlinear least squares for fitting inputs to observations: Levenberg–Marquardt (MINPACK's,
// as Eigen carries it) on the values mapped to an unbounded scale, then the statistics of the
// estimates from the Jacobian at the optimum.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "study/progress.h"

namespace velmar::study {

// A value to fit, from `start`, held between `low` and `high` (either may be infinite).
struct FitParameter {
    std::string name;
    double start, low, high;
};

// Residuals are modelled minus observed, of the logarithms (the default: a factor of two is
// the same miss at any concentration) or of the values themselves.
enum class ResidualScale { Log, Linear };

// The modelled values of the observations at the parameters' values, in the same order; a
// value that is not finite is no value. It may throw to stop the fit.
using FitModel = std::function<void(std::span<const double> parameters, std::span<double> modelled)>;

// How near a bound an estimate must lie to be said to hit it: relative to the width of the
// bounds, or to the start where only one bound is finite.
inline constexpr double kBoundTolerance = 1e-4;

struct FittedParameter {
    std::string name;
    double estimate;
    double standard_error;  // not a number when the observations do not determine it
    double low95, high95;   // estimate ∓ t(0.975, n - p) × standard error
    std::string bound;      // "low" or "high" when the estimate lies on that bound; else empty
};

struct LeastSquaresFit {
    std::vector<FittedParameter> parameters;
    std::vector<double> correlation;  // p × p, row after row
    std::vector<double> modelled;     // at the estimates
    double sum_of_squares = 0;        // of the residuals at the estimates
    std::size_t degrees_of_freedom = 0;
    std::size_t evaluations = 0;  // of the model at every observation
    bool converged = false;
    std::string stop;  // why the search stopped
};

// The residual of one observation in a scale; a modelled value that is no value gives a
// residual so large that the search turns back.
double Residual(double modelled, double observed, ResidualScale scale);

// Fits the parameters to the observations (positive ones in the log scale) by the model,
// from their start values, each kept within its bounds by a smooth map of the whole line onto
// them: logistic between two finite bounds, exponential beyond one. There must be at least as
// many observations as parameters. `progress` is shown the evaluations; Ctrl-C stops the search
// where it is.
LeastSquaresFit FitLeastSquares(const std::vector<FitParameter>& parameters, std::span<const double> observed,
                                ResidualScale scale, const FitModel& model, Progress& progress);

// The most evaluations a fit of `parameters` values makes, for a progress bar.
std::size_t MostEvaluations(std::size_t parameters);

}  // namespace velmar::study
