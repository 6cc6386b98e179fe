#include "model/phosphorus.h"

#include <cmath>

#include "model/conventional.h"
#include "model/solver.h"
#include "project/phosphorus_load.h"
#include "project/units.h"

namespace velmar {
namespace {

using namespace units;

double RemovalRateOrZero(const ModelState& s) {
    return s.depth > 0 ? s.KtpH / s.depth : 0;
}

void ComputeSpecifiedRate(ModelState& s) {
    if (s.check_Vtp) {
        s.KtpH = s.PhosRemRateAB;
        s.tp_removal_rate = s.PhosRemRateAB / s.depth;
    } else if (s.check_Ktp) {
        s.tp_removal_rate = s.PhosRemRateVB;
        s.KtpH = s.PhosRemRateVB * s.depth;
    }
    s.RE_TP = RemovalEfficiency(s, s.KtpH / s.depth, s.detention_time);
}

void ComputeEstablishedWetland(ModelState& s) {
    if (s.UserSelectedTPLoad) {
        s.Qi = s.flow;
        s.Ci = TPConcentrationFromLoad(s.YearlyTPLoading, s.flow);
    } else {
        s.Qi = s.YearlyTPFlow;
        s.Ci = s.InflowingTPConc;
    }
    s.Vb = s.ActiveVb;

    // Start from the water-column load spread over the volume, and a bed concentration
    // in proportion to what reaches the bed against what leaves it.
    s.Y[3] = s.Y[4] = s.Y[5] = 0;
    s.Cd = s.Cp = s.Cdp = 0;
    s.Y[1] = s.detention_time / s.volume * s.YearlyTPLoading * kKgPerYearToGPerDay;
    s.C = s.Y[1];
    s.Y[2] = (s.Vd + s.Vs) * 0.5 * s.Y[1] / (s.Vd * 0.0001 + s.Vr + s.ActiveVb);
    s.Cb = s.Y[2];

    NewtonSolve(s, EvaluatePhosphorusSystem);

    if (s.solver.iter >= kIterationLimit) {
        s.KtpH = 0;
        s.RE_TP = kTpNotConverged;
    } else if (!s.matrix_flag) {
        CopyUnknowns(s);
        s.f_pw = s.Y[4] / s.Y[1] + s.f_o;
        s.f_dw = s.Y[3] / s.Y[1];
        s.f_dp = s.Y[5] / s.Y[2];
        s.KtpH = (s.Vd * s.f_dw + s.f_pw * s.Vs) * s.Vb / (s.Vd * s.f_dp + s.Vr + s.Vb);
        s.RE_TP = RemovalEfficiency(s, s.KtpH / s.depth, s.detention_time);
    }
    s.tp_removal_rate = RemovalRateOrZero(s);
}

void ComputeNewWetland(ModelState& s) {
    if (s.checked_fdw) {
        s.fpw_l = 1 - s.fdw_l;
    } else if (s.checked_fi1 || s.checked_fo1) {
        s.fpw_l = s.Fpw * s.f_i + s.f_o;
    } else if (s.checked_fi2 || s.checked_fo2) {
        s.fpw_l = (1 - s.Fdw) * s.f_i + s.f_o;
    } else if (s.checked_fi3 || s.checked_fo3) {
        const double x = s.Kdw * s.SSConc * kGramsPerMilligram;
        s.Fpw = x / (1 + x);
        s.fpw_l = s.Fpw * s.f_i + s.f_o;
    }
    s.KtpH = s.fpw_l * s.Vn;  // the particulate share settles out at the net settling velocity
    s.RE_TP = RemovalEfficiency(s, s.KtpH / s.depth, s.detention_time);
    s.tp_removal_rate = RemovalRateOrZero(s);
}

}  // namespace

bool ComputePhosphorus(ModelState& s) {
    if (s.UserEnteredTSS && !s.OkToModelTP) s.OkToModelTP = 1;
    if (s.PhosRemSpec) {
        ComputeSpecifiedRate(s);
    } else if (s.checked_phos_estab) {
        if (!s.OkToModelTP) return false;
        ComputeEstablishedWetland(s);
    } else if (s.checked_phos_new) {
        if (!s.OkToModelTP) return false;
        ComputeNewWetland(s);
    }
    return true;
}

void EvaluatePhosphorusSystem(ModelState& s) {
    const double A = s.area, Q = s.flow, SS = s.SSConc, Smax = s.MaximumPSorptionCapacity;
    const double b = s.bonding_energy_constant, rho = s.ActiveRhoB, phi = s.ActivePhi;
    const double fi = s.f_i, fo = s.f_o, fib = s.f_ib;
    const double Vs = s.Vs, Vd = s.Vd, Vr = s.Vr, Vb = s.Vb, Qi = s.Qi, Ci = s.Ci;
    const double Y1 = s.Y[1], Y2 = s.Y[2], Y3 = s.Y[3], Y4 = s.Y[4], Y5 = s.Y[5];

    const double G = Vd * Y5 / Y2 + Vb + Vr;
    const double B3 = 1 + kGramsPerMilligram * b * SS * Smax - fi * b * Y1;
    const double R3 = std::sqrt(B3 * B3 + 4 * fi * b * Y1);
    const double B4 = -1 - kGramsPerMilligram * b * SS * Smax - fi * b * Y1;
    const double R4 = std::sqrt(B4 * B4 - 4 * kGramsPerMilligram * (b * b) * fi * SS * Smax * Y1);
    const double B5 = phi + rho * Smax * b - fib * b * Y2;
    const double R5 = std::sqrt(B5 * B5 + 4 * fib * phi * b * Y2);

    double* F = s.solver.F;
    F[1] = kSecondsPerDay * G * (Ci * Qi - Q * Y1) / A - Vb * (fo * Vs * Y1 + Vs * Y4 + Vd * Y3);
    F[2] = (fo * Y1 + Y4) * Vs + Vd * Y3 - (Vb + Vr) * Y2 - Vd * Y5;
    F[3] = R3 - 2 * b * Y3 - B3;
    F[4] = 1 + b * (fi * Y1 + kGramsPerMilligram * SS * Smax) - 2 * b * Y4 - R4;
    F[5] = R5 - 2 * phi * b * Y5 - B5;

    auto& J = s.solver.J;
    for (auto& row : J) {
        for (double& v : row) v = 0;
    }
    J[1][1] = kSecondsPerDay * G * Q / A + fo * Vs * Vb;
    J[1][2] = kSecondsPerDay * Vd * Y5 * (Ci * Qi - Q * Y1) / (A * (Y2 * Y2));
    J[1][3] = Vd * Vb;
    J[1][4] = Vs * Vb;
    J[1][5] = kSecondsPerDay * Vd * (Q * Y1 - Ci * Qi) / (A * Y2);
    J[2][1] = -fo * Vs;
    J[2][2] = Vb + Vr;
    J[2][3] = -Vd;
    J[2][4] = -Vs;
    J[2][5] = Vd;
    J[3][1] = -fi * b - (2 * fi * b - fi * b * B3) / R3;
    J[3][3] = 2 * b;
    J[4][1] = 0.5 * (-2 * fi * b * B4 - 4 * kGramsPerMilligram * (b * b) * fi * SS * Smax) / R4 - fi * b;
    J[4][4] = 2 * b;
    J[5][2] = -fib * b - (2 * fib * phi * b - fib * b * B5) / R5;
    J[5][5] = 2 * phi * b;
}

}  // namespace velmar
