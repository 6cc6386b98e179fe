// Newton's method for the phosphorus equations, with Crout LU decomposition (implicit
// partial pivoting) and substitution for each step. Fixed arrays, no allocation.
#pragma once

#include "model/model_state.h"

namespace velmar {

// Fills solver.F[1..5] with the residuals and solver.J with -dF/dY at the current Y.
using EvaluateSystem = void (*)(ModelState&);

// Iterates Y[1..5] toward F(Y) = 0 for at most kIterationLimit + 1 passes. The caller
// reads the outcome from solver.iter (kIterationLimit or more: no convergence) and
// matrix_flag (a singular matrix was met).
void NewtonSolve(ModelState& s, EvaluateSystem evaluate);

// The concentrations C, Cb, Cd, Cp, Cdp take the unknowns Y[1..5].
void CopyUnknowns(ModelState& s);

// Decomposes solver.J in place, recording the row interchanges in solver.P. A row of
// zeros sets matrix_flag and abandons the decomposition as it stands.
void DecomposeMatrix(ModelState& s);

// Solves J x = F in place of F with the decomposed J and the permutation record.
void SubstituteSolution(SolverState& solver);

// The first value when it is greater than the second, otherwise the second.
double Larger(double first, double second);

}  // namespace velmar
