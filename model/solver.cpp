#include "model/solver.h"

#include <cmath>

namespace velmar {
namespace {

constexpr int n = kSystemSize;
constexpr double kTolerance = 1e-6;
constexpr double kTinyPivot = 1e-20;

}  // namespace

void CopyUnknowns(ModelState& s) {
    s.C = s.Y[1];
    s.Cb = s.Y[2];
    s.Cd = s.Y[3];
    s.Cp = s.Y[4];
    s.Cdp = s.Y[5];
}

double Larger(double first, double second) {
    return first > second ? first : second;
}

void DecomposeMatrix(ModelState& s) {
    auto& J = s.solver.J;
    double scale[n + 1];
    for (int i = 1; i <= n; ++i) {
        double big = 0;
        for (int j = 1; j <= n; ++j) {
            if (std::fabs(J[i][j]) > big) big = std::fabs(J[i][j]);
        }
        if (big == 0) {
            s.matrix_flag = 1;
            return;
        }
        scale[i] = 1 / big;
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i < j; ++i) {
            double sum = J[i][j];
            for (int k = 1; k < i; ++k) sum -= J[i][k] * J[k][j];
            J[i][j] = sum;
        }
        double big = 0;
        int imax = j;  // stays when no row qualifies (every candidate not a number)
        for (int i = j; i <= n; ++i) {
            double sum = J[i][j];
            for (int k = 1; k < j; ++k) sum -= J[i][k] * J[k][j];
            J[i][j] = sum;
            if (scale[i] * std::fabs(sum) >= big) {  // the later row wins a tie
                big = scale[i] * std::fabs(sum);
                imax = i;
            }
        }
        if (imax != j) {
            for (int k = 1; k <= n; ++k) {
                const double t = J[imax][k];
                J[imax][k] = J[j][k];
                J[j][k] = t;
            }
            scale[imax] = scale[j];
        }
        s.solver.P[j] = imax;
        if (J[j][j] == 0) J[j][j] = kTinyPivot;
        if (j != n) {
            for (int i = j + 1; i <= n; ++i) J[i][j] /= J[j][j];
        }
    }
}

void SubstituteSolution(SolverState& solver) {
    auto& J = solver.J;
    auto& F = solver.F;
    int first = 0;
    for (int i = 1; i <= n; ++i) {
        const int p = solver.P[i];
        double sum = F[p];
        F[p] = F[i];
        if (first != 0) {
            for (int j = first; j < i; ++j) sum -= J[i][j] * F[j];
        } else if (sum != 0) {
            first = i;
        }
        F[i] = sum;
    }
    for (int i = n; i >= 1; --i) {
        double sum = F[i];
        for (int j = i + 1; j <= n; ++j) sum -= J[i][j] * F[j];
        F[i] = sum / J[i][i];
    }
}

void NewtonSolve(ModelState& s, EvaluateSystem evaluate) {
    SolverState& solver = s.solver;
    for (int pass = 0; pass <= kIterationLimit; ++pass) {
        solver.iter = pass;
        evaluate(s);
        double residual = 0;
        for (int k = 1; k <= n; ++k) residual += std::fabs(solver.F[k]);
        if (residual <= kTolerance) return;  // never true for a sum that is not a number

        DecomposeMatrix(s);
        SubstituteSolution(solver);
        double step = 0;
        for (int k = 1; k <= n; ++k) {
            s.Y[k] += solver.F[k];
            step += std::fabs(solver.F[k]);
        }
        if (step <= kTolerance) return;
        CopyUnknowns(s);
    }
}

}  // namespace velmar
