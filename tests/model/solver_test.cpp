#include "model/solver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/model/model_fixture.h"

namespace velmar {
namespace {

using testing::DefaultModel;

// A linear system with its solution at Y = (1, 2, 3, 4, 5): F = b - A Y, J = A.
constexpr double kA[6][6] = {
    {0}, {0, 4, 1, 0, 0, 0}, {0, 1, 5, 1, 0, 0}, {0, 0, 1, 6, 1, 0}, {0, 0, 0, 1, 7, 1}, {0, 0, 0, 0, 1, 8}};

void LinearSystem(ModelState& s) {
    for (int i = 1; i <= 5; ++i) {
        double b = 0, ay = 0;
        for (int j = 1; j <= 5; ++j) {
            b += kA[i][j] * j;
            ay += kA[i][j] * s.Y[j];
            s.solver.J[i][j] = kA[i][j];
        }
        s.solver.F[i] = b - ay;
    }
}

int evaluations = 0;
void CountingLinearSystem(ModelState& s) {
    ++evaluations;
    LinearSystem(s);
}

TEST(Newton, StopsBeforeAnyStepWhenTheStartIsASolution) {
    ModelState s = DefaultModel();
    for (int k = 1; k <= 5; ++k) s.Y[k] = k;
    s.C = -1;
    evaluations = 0;
    NewtonSolve(s, CountingLinearSystem);
    EXPECT_EQ(s.solver.iter, 0);
    EXPECT_EQ(evaluations, 1);
    EXPECT_EQ(s.solver.P[1], 0);  // no decomposition happened
    EXPECT_EQ(s.C, -1);
}

TEST(Newton, LinearSystemSolvedInOneStepThenStopsOnTheResidual) {
    ModelState s = DefaultModel();
    NewtonSolve(s, LinearSystem);
    EXPECT_EQ(s.solver.iter, 1);
    for (int k = 1; k <= 5; ++k) EXPECT_NEAR(s.Y[k], k, 1e-12);
    EXPECT_EQ(s.C, s.Y[1]);  // refreshed after the accepted step
}

// A system whose residuals halve each pass from a total of 5 while each step is half the
// residual: the step test fires one pass before the residual test would.
void HalvingSystem(ModelState& s) {
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) s.solver.J[i][j] = i == j ? 2 : 0;
        s.solver.F[i] = 1.0 / (1 << s.solver.iter);
    }
}

TEST(Newton, SmallStepStopsWithoutRefreshingTheCopies) {
    ModelState s = DefaultModel();
    NewtonSolve(s, HalvingSystem);
    // Pass p has residual 5 / 2^p and step 5 / 2^(p+1): 5 / 2^23 <= 1e-6 < 5 / 2^22.
    EXPECT_EQ(s.solver.iter, 22);
    EXPECT_DOUBLE_EQ(s.C + 1.0 / (1 << 23), s.Y[1]);
}

void NotANumberSystem(ModelState& s) {
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) s.solver.J[i][j] = i == j ? 1 : 0;
        s.solver.F[i] = std::nan("");
    }
}

TEST(Newton, NotANumberRunsToTheLimit) {
    ModelState s = DefaultModel();
    NewtonSolve(s, NotANumberSystem);
    EXPECT_EQ(s.solver.iter, kIterationLimit);
    EXPECT_TRUE(std::isnan(s.Y[1]));
}

void SetMatrix(ModelState& s, const double (&J)[6][6]) {
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j) s.solver.J[i][j] = J[i][j];
}

TEST(Decomposition, LaterRowWinsAPivotTie) {
    ModelState s = DefaultModel();
    // Scaled by their largest entries, rows 1 and 2 both offer 1 in column 1.
    SetMatrix(s, {{0},
                  {0, 2, 1, 0, 0, 0},
                  {0, 1, 0.25, 0, 0, 0},
                  {0, 0, 0, 1, 0, 0},
                  {0, 0, 0, 0, 1, 0},
                  {0, 0, 0, 0, 0, 1}});
    DecomposeMatrix(s);
    EXPECT_EQ(s.solver.P[1], 2);
    EXPECT_EQ(s.solver.J[1][1], 1);  // row 2 moved up
    EXPECT_EQ(s.matrix_flag, 0);
}

TEST(Decomposition, ZeroRowSetsTheFlagAndLeavesTheMatrix) {
    ModelState s = DefaultModel();
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j) s.solver.J[i][j] = (i == 3) ? 0 : (i == j ? 2 : 0);
    DecomposeMatrix(s);
    EXPECT_EQ(s.matrix_flag, 1);
    EXPECT_EQ(s.solver.J[1][1], 2);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(s.solver.P[i], 0);

    // The substitution still runs with a record of zeros, through the spare F[0].
    for (int i = 1; i <= 5; ++i) s.solver.F[i] = i;
    SubstituteSolution(s.solver);
    EXPECT_EQ(s.solver.F[0], 5);
}

TEST(Decomposition, ZeroPivotIsReplacedByATinyOne) {
    ModelState s = DefaultModel();
    // Column 2 below the first pivot eliminates to zero.
    SetMatrix(s, {{0},
                  {0, 1, 1, 0, 0, 0},
                  {0, 1, 1, 1, 0, 0},
                  {0, 0, 0, 1, 0, 0},
                  {0, 0, 0, 0, 1, 0},
                  {0, 0, 0, 0, 0, 1}});
    DecomposeMatrix(s);
    EXPECT_EQ(s.solver.J[2][2], 1e-20);
}

TEST(Larger, EqualValuesReturnTheSecond) {
    EXPECT_EQ(Larger(3, 2), 3);
    EXPECT_EQ(Larger(2, 3), 3);
    EXPECT_TRUE(std::signbit(Larger(0.0, -0.0)));  // equal: the second, negative zero
    EXPECT_EQ(Larger(std::nan(""), 1), 1);
}

}  // namespace
}  // namespace velmar
