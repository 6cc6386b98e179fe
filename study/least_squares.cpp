#include "study/least_squares.h"

#include <Eigen/Dense>
#include <cmath>
#include <limits>
#include <unsupported/Eigen/NonLinearOptimization>

#include "study/distributions.h"
#include "study/interrupt.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

using Vector = Eigen::VectorXd;
using Matrix = Eigen::MatrixXd;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// The residual of a modelled value that is no value: far beyond any real miss in either scale.
constexpr double kNoValueResidual = 1e6;
// The smallest modelled value the log scale takes: below it the logarithm is -690.
constexpr double kSmallestLogValue = 1e-300;
constexpr double kTolerance = 1e-10;

// The step of a forward difference at u on the line: a square root of the precision.
double ForwardStep(double u) {
    return std::sqrt(std::numeric_limits<double>::epsilon()) * std::max(std::abs(u), 1.0);
}

// A bounded value as a point on the whole line: logistic between two finite bounds, exponential
// away from one, the value itself with none.
struct BoundMap {
    double low, high;

    double Value(double u) const {
        if (std::isfinite(low) && std::isfinite(high)) return low + (high - low) / (1 + std::exp(-u));
        if (std::isfinite(low)) return low + std::exp(u);
        if (std::isfinite(high)) return high - std::exp(-u);
        return u;
    }
    double Point(double x) const {
        if (std::isfinite(low) && std::isfinite(high)) return std::log((x - low) / (high - x));
        if (std::isfinite(low)) return std::log(x - low);
        if (std::isfinite(high)) return -std::log(high - x);
        return x;
    }
    // dx/du at the value x.
    double Slope(double x) const {
        if (std::isfinite(low) && std::isfinite(high)) return (x - low) * (high - x) / (high - low);
        if (std::isfinite(low)) return x - low;
        if (std::isfinite(high)) return high - x;
        return 1;
    }
};

// The residuals as MINPACK's driver asks for them, with a forward-difference Jacobian. The
// search runs on the lines shifted so that it starts at 1 on each: its first trust region is
// as wide as the point is long, and would be next to nothing at 0.
class ResidualFunctor {
public:
    ResidualFunctor(const std::vector<BoundMap>& maps, const Vector& shift, std::span<const double> observed,
                    ResidualScale scale, const FitModel& model, Progress& progress)
        : maps_(maps),
          shift_(shift),
          observed_(observed),
          scale_(scale),
          model_(model),
          progress_(progress),
          values_(maps.size()),
          modelled_(observed.size()) {}

    // The value of parameter k at the search's point w.
    double Value(const Vector& w, std::size_t k) const {
        const auto i = static_cast<Eigen::Index>(k);
        return maps_[k].Value(w(i) + shift_(i));
    }

    int inputs() const { return static_cast<int>(maps_.size()); }
    int values() const { return static_cast<int>(observed_.size()); }
    std::size_t evaluations() const { return evaluations_; }

    int operator()(const Vector& u, Vector& residuals) {
        if (Interrupted()) return -1;
        for (std::size_t j = 0; j < maps_.size(); ++j) values_[j] = Value(u, j);
        model_(values_, modelled_);
        progress_.Show(++evaluations_);
        for (std::size_t i = 0; i < observed_.size(); ++i)
            residuals(static_cast<Eigen::Index>(i)) = Residual(modelled_[i], observed_[i], scale_);
        return 0;
    }

    int df(const Vector& u, Matrix& jacobian) {
        Vector at(observed_.size());
        if ((*this)(u, at) < 0) return -1;
        return Jacobian(u, at, jacobian);
    }

    // Forward differences from the residuals `at` u.
    int Jacobian(const Vector& u, const Vector& at, Matrix& jacobian) {
        Vector stepped(observed_.size());
        for (Eigen::Index j = 0; j < u.size(); ++j) {
            Vector v = u;
            v(j) += ForwardStep(u(j));
            if ((*this)(v, stepped) < 0) return -1;
            jacobian.col(j) = (stepped - at) / (v(j) - u(j));
        }
        return 0;
    }

    const std::vector<double>& modelled() const { return modelled_; }

private:
    const std::vector<BoundMap>& maps_;
    const Vector& shift_;
    std::span<const double> observed_;
    ResidualScale scale_;
    const FitModel& model_;
    Progress& progress_;
    std::vector<double> values_, modelled_;
    std::size_t evaluations_ = 0;
};

// Whether the modelled values at u differ from `modelled` (no value and no value are the same).
bool Moves(ResidualFunctor& functor, const Vector& u, const std::vector<double>& modelled) {
    Vector residuals(functor.values());
    functor(u, residuals);
    for (std::size_t i = 0; i < modelled.size(); ++i) {
        const double m = functor.modelled()[i];
        if (m != modelled[i] && !(std::isnan(m) && std::isnan(modelled[i]))) return true;
    }
    return false;
}

std::string StopReason(Eigen::LevenbergMarquardtSpace::Status status) {
    using namespace Eigen::LevenbergMarquardtSpace;
    switch (status) {
        case RelativeReductionTooSmall:
            return "the sum of squares no longer fell by more than 1e-10 of itself";
        case RelativeErrorTooSmall: return "the estimates no longer moved by more than 1e-10 of themselves";
        case RelativeErrorAndReductionTooSmall:
            return "neither the sum of squares nor the estimates changed by more than 1e-10 of themselves";
        case CosinusTooSmall: return "the residuals no longer changed with the estimates";
        case TooManyFunctionEvaluation: return "the most evaluations allowed were made before it settled";
        case FtolTooSmall:
        case XtolTooSmall:
        case GtolTooSmall: return "the arithmetic's precision was reached";
        case UserAsked: return "stopped by Ctrl-C";
        default: return "the search could not start";
    }
}

bool Converged(Eigen::LevenbergMarquardtSpace::Status status) {
    using namespace Eigen::LevenbergMarquardtSpace;
    return status != TooManyFunctionEvaluation && status != UserAsked && status != ImproperInputParameters;
}

std::string BoundHit(const FitParameter& p, double x) {
    const bool both = std::isfinite(p.low) && std::isfinite(p.high);
    const double reach = kBoundTolerance * (both ? p.high - p.low : std::max(std::abs(p.start), 1e-300));
    if (std::isfinite(p.low) && x - p.low <= reach) return "low";
    if (std::isfinite(p.high) && p.high - x <= reach) return "high";
    return "";
}

Eigen::Index At(std::size_t i) {
    return static_cast<Eigen::Index>(i);
}

// Each estimate's standard error and 95 % interval, and the correlations, from the covariance.
void SetIntervals(const Matrix& covariance, LeastSquaresFit& fit) {
    const std::size_t p = fit.parameters.size();
    const double t = fit.degrees_of_freedom > 0 ? StudentTQuantile(0.975, fit.degrees_of_freedom) : kNoValue;
    for (std::size_t k = 0; k < p; ++k) {
        FittedParameter& e = fit.parameters[k];
        const double variance = covariance(At(k), At(k));
        e.standard_error = variance >= 0 ? std::sqrt(variance) : kNoValue;
        e.low95 = e.estimate - t * e.standard_error;
        e.high95 = e.estimate + t * e.standard_error;
        for (std::size_t l = 0; l < p; ++l)
            fit.correlation.push_back(covariance(At(k), At(l)) /
                                      std::sqrt(variance * covariance(At(l), At(l))));
    }
}

// The statistics of the estimates: s² = SSR / (n - p), covariance s² (JᵀJ)⁻¹ with J the
// Jacobian of the residuals with respect to the values (the one on the line over the map's
// slope), intervals with Student's t. An estimate on a bound is held there: it has no
// statistics, and the others are those of the fit with it fixed.
void AddStatistics(const std::vector<BoundMap>& maps, const Matrix& jacobian, LeastSquaresFit& fit) {
    const std::size_t p = fit.parameters.size();
    std::vector<std::size_t> free;
    for (std::size_t k = 0; k < p; ++k) {
        if (fit.parameters[k].bound.empty()) free.push_back(k);
    }
    Matrix j(jacobian.rows(), At(free.size()));
    for (std::size_t c = 0; c < free.size(); ++c)
        j.col(At(c)) = jacobian.col(At(free[c])) / maps[free[c]].Slope(fit.parameters[free[c]].estimate);
    const Matrix information = j.transpose() * j;
    Matrix covariance = Matrix::Constant(At(p), At(p), kNoValue);
    if (!free.empty() && fit.degrees_of_freedom > 0 && information.allFinite()) {
        const Eigen::FullPivLU<Matrix> lu(information);
        const Matrix inverse =
            lu.isInvertible() ? Matrix(lu.inverse()) : Matrix::Constant(j.cols(), j.cols(), kNoValue);
        const double s2 = fit.sum_of_squares / static_cast<double>(fit.degrees_of_freedom);
        for (std::size_t a = 0; a < free.size(); ++a) {
            for (std::size_t b = 0; b < free.size(); ++b)
                covariance(At(free[a]), At(free[b])) = s2 * inverse(At(a), At(b));
        }
    }
    SetIntervals(covariance, fit);
}

// Refuses a parameter that changes no modelled value a unit either side of its start on the line
// (a factor of e in its distance from a lone bound, or in the odds of its place between two), and
// one whose effect comes in steps there (a value the model rounds, or compares with a threshold):
// the search follows the slopes of forward differences, and where they are flat it would stop at
// the start and call it settled.
void RefuseWithoutEffect(const std::vector<FitParameter>& parameters, const Vector& start,
                         ResidualFunctor& functor) {
    Vector at(functor.values());
    functor(start, at);
    const std::vector<double> modelled = functor.modelled();
    for (Eigen::Index k = 0; k < start.size(); ++k) {
        const auto moves = [&](double step) {
            Vector u = start;
            u(k) += step;
            return Moves(functor, u, modelled);
        };
        const FitParameter& p = parameters[static_cast<std::size_t>(k)];
        if (!moves(-1) && !moves(1))
            throw StudyError(p.name + " does not change any observed result: it cannot be fitted");
        if (!moves(ForwardStep(start(k))))
            throw StudyError(p.name + " changes the observed results only in steps near its start value " +
                             ShortNumber(p.start) + ", where the search cannot follow a slope: it cannot be fitted");
    }
}

}  // namespace

double Residual(double modelled, double observed, ResidualScale scale) {
    if (!std::isfinite(modelled)) return kNoValueResidual;
    if (scale == ResidualScale::Linear) return modelled - observed;
    return std::log(std::max(modelled, kSmallestLogValue)) - std::log(observed);
}

std::size_t MostEvaluations(std::size_t parameters) {
    return 100 * (parameters + 1);
}

LeastSquaresFit FitLeastSquares(const std::vector<FitParameter>& parameters, std::span<const double> observed,
                                ResidualScale scale, const FitModel& model, Progress& progress) {
    std::vector<BoundMap> maps;
    const auto p = static_cast<Eigen::Index>(parameters.size());
    Vector shift(p);
    for (std::size_t k = 0; k < parameters.size(); ++k) {
        maps.push_back({parameters[k].low, parameters[k].high});
        shift(static_cast<Eigen::Index>(k)) = maps[k].Point(parameters[k].start) - 1;
    }
    Vector u = Vector::Ones(p);
    ResidualFunctor functor(maps, shift, observed, scale, model, progress);
    RefuseWithoutEffect(parameters, u, functor);
    Eigen::LevenbergMarquardt<ResidualFunctor> search(functor);
    search.parameters.ftol = kTolerance;
    search.parameters.xtol = kTolerance;
    search.parameters.maxfev = static_cast<Eigen::Index>(MostEvaluations(parameters.size()));
    const Eigen::LevenbergMarquardtSpace::Status status = search.minimize(u);

    LeastSquaresFit fit;
    fit.converged = Converged(status);
    fit.stop = StopReason(status);
    for (std::size_t k = 0; k < parameters.size(); ++k) {
        const double x = functor.Value(u, k);
        fit.parameters.push_back(
            {parameters[k].name, x, kNoValue, kNoValue, kNoValue, BoundHit(parameters[k], x)});
    }
    Vector residuals(static_cast<Eigen::Index>(observed.size()));
    Matrix jacobian(residuals.size(), u.size());
    if (status != Eigen::LevenbergMarquardtSpace::UserAsked && functor(u, residuals) == 0) {
        fit.modelled = functor.modelled();
        fit.sum_of_squares = residuals.squaredNorm();
        fit.degrees_of_freedom = observed.size() - parameters.size();
        if (functor.Jacobian(u, residuals, jacobian) == 0) AddStatistics(maps, jacobian, fit);
    }
    fit.evaluations = functor.evaluations();
    return fit;
}

}  // namespace velmar::study
