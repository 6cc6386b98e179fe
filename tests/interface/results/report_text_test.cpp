// The text report of whole projects against reports written out from its line formats.
#include <gtest/gtest.h>

#include <functional>

#include "interface/results/report_lines.h"
#include "interface/results/results_report.h"
#include "tests/support/default_project.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {
namespace {

using Setup = std::function<void(ProjectRecord&, ModelResults&)>;

// Every golden report starts from the same small wetland.
ProjectRecord Wetland() {
    ProjectRecord r = DefaultProject();
    r.temperature = 15;
    r.depth = 0.5;
    r.width = 100;
    r.length = 400;
    r.volume = 20000;
    r.area = 40000;
    r.flow = 0.05;
    r.mean_vel_cms = 0.1;
    r.detention_time = 4.63;
    r.Vr = -2e-6;
    r.Vd = 0.01;
    r.f_dw = 0.3;
    r.f_pw = 0.7;
    r.f_dp = 0.45;
    SetName(r.TauCompName1, "Dieldrin");
    SetName(r.TauCompName2, "Atrazine");
    SetName(r.TauCompName3, "Toxaphene");
    SetName(r.HMName1, "Chromium");
    SetName(r.HMName2, "Zinc");
    return r;
}

void ExpectGolden(const std::string& golden, const Setup& setup) {
    SCOPED_TRACE(golden);
    ProjectRecord r = Wetland();
    ModelResults kept{};
    setup(r, kept);
    EXPECT_EQ(ReportText(ReportLines(r, kept)),
              ReadText(VELMAR_SOURCE_DIR "/tests/interface/results/golden/" + golden));
}

void ModelContaminants(ProjectRecord& r, int organics, int metals, bool by_processes) {
    r.model_contaminant = 1;
    r.NumOC_SLR = organics;
    r.NumHM_LLR = metals;
    r.checked_contam_tau = !by_processes;
    r.checked_contam_removal = by_processes;
}

TEST(ReportText, NothingModelled) {
    ExpectGolden("none.txt", [](ProjectRecord& r, ModelResults&) {
        r.mixed_clac_re = 1;
        r.longitudinal_calc_re = 0;
    });
}

// Every TSS line, TCB, BOD, nitrogen by denitrification, a volumetric phosphorus rate, and
// every conventional concentration; an organic chemical's outflow asked for while no
// contaminant is modelled adds nothing.
TEST(ReportText, ConventionalConstituents) {
    ExpectGolden("conventional.txt", [](ProjectRecord& r, ModelResults& m) {
        r.model_tss = r.model_tcb = r.model_bod = r.model_n = r.model_p = 1;
        r.checked_AVb = r.checked_VrNeg = r.checked_ARhoB = r.checked_APhi = r.checked_SAcc =
            r.checked_SRhoB = 1;
        r.checked_SPhi = r.checked_DRhoS = r.checked_SSConc = r.checked_PartDiam = r.checked_SG =
            r.checked_Vs = 1;
        r.bod_decay_rate20 = 0.25;
        r.checked_Ktn = 0;
        r.checked_Kdn = 1;
        r.PhosRemSpec = 1;
        r.check_Ktp = 1;
        r.check_Vtp = 0;
        r.checked_TSSGenOutConc = r.checked_TCBGenOutConc = r.checked_BODGenOutConc = 1;
        r.checked_TNGenOutConc = r.checked_TPGenOutConc = r.checked_Contam1OutConc = 1;
        r.TSSinConc = 60;
        r.BODinConc = 30;
        r.TCBinConc = 1e5;
        r.TNinConc = 10;
        r.TPinConc = 2;
        r.ContamInConc1 = 7;
        m.RE_TSS = 68.65;
        m.RE_TCB = 99.1;
        m.RE_BOD = 55.5;
        m.RE_TN = 40.25;
        m.RE_TP = 12.5;
        m.TSSoutConc = 18.81;
        m.BODoutConc = 13.35;
        m.TCBoutConc = 900;
        m.TNoutConc = 5.975;
        m.TPoutConc = 1.75;
    });
}

// No scheme chosen, TSS without any entry, areal nitrogen and phosphorus rates.
TEST(ReportText, ArealRatesAndNothingEntered) {
    ExpectGolden("sparse.txt", [](ProjectRecord& r, ModelResults& m) {
        r.longitudinal_calc_re = 0;
        r.model_tss = r.model_n = r.model_p = 1;
        r.checked_Vs = 0;
        r.checked_Ktn = r.checked_KtnAreal = 1;
        r.PhosRemSpec = r.check_Vtp = 1;
        r.check_Ktp = 0;
        m.RE_TSS = 50;
        m.RE_TN = 20;
        m.RE_TP = 10;
    });
}

// A new wetland with every fraction choice at once; its -999 is no iteration limit.
TEST(ReportText, NewWetland) {
    ExpectGolden("new_wetland.txt", [](ProjectRecord& r, ModelResults& m) {
        r.model_n = r.model_p = 1;
        r.checked_Ktn = 1;
        r.checked_KtnAreal = 0;
        r.PhosRemSpec = r.checked_phos_estab = 0;
        r.checked_phos_new = 1;
        r.checked_fi1 = r.checked_fi2 = r.checked_fi3 = r.checked_fo1 = r.checked_fo2 = r.checked_fo3 = 1;
        r.checked_fpw_l = r.checked_fdw = 1;
        r.UserEnterActiveLayerThick = 1;
        r.f_i = 0.5;
        r.f_o = 0.3;
        r.Fpw = 0.6;
        r.Fdw = 0.4;
        r.Kdw = 2.5;
        r.SSConc = 100;
        r.fpw_l = 0.8;
        r.fdw_l = 0.2;
        r.Vn = 0.35;
        r.checked_TPGenOutConc = 1;
        r.TPinConc = 2;
        m.RE_TN = 30;
        m.RE_TP = -999;
        m.TPoutConc = 1.2;
    });
}

TEST(ReportText, NoNitrogenOrPhosphorusChoice) {
    ExpectGolden("tp_no_rate_method.txt", [](ProjectRecord& r, ModelResults&) {
        r.model_n = r.model_p = 1;
        r.checked_Ktn = r.checked_Kdn = 0;
        r.PhosRemSpec = r.checked_phos_new = r.checked_phos_estab = 0;
        r.UserEnterActiveLayerThick = 1;
        r.ActiveLayerThickness = 15;
    });
}

// Alone, the established wetland describes the active layer itself; its -999 gets the note.
TEST(ReportText, EstablishedWetland) {
    ExpectGolden("established.txt", [](ProjectRecord& r, ModelResults& m) {
        r.model_p = 1;
        r.PhosRemSpec = r.checked_phos_new = 0;
        r.checked_phos_estab = 1;
        r.UserCheckedLoad = r.UserSelectedTPLoad = 0;
        r.YearlyTPFlow = 0.05;
        r.InflowingTPConc = 0.2;
        r.checked_TPGenOutConc = 1;
        r.TPinConc = 0.2;
        m.RE_TP = -999;
        m.TPoutConc = 0.2;
    });
}

// With contaminants the active layer moves to their section, written once; two organic
// chemicals and one metal of three named; outflows asked for beyond the counts add nothing.
TEST(ReportText, EstablishedWetlandWithContaminants) {
    ExpectGolden("established_contaminants.txt", [](ProjectRecord& r, ModelResults& m) {
        r.model_p = 1;
        r.PhosRemSpec = r.checked_phos_new = 0;
        r.checked_phos_estab = r.UserSelectedTPLoad = 1;
        r.checked_Option3 = 1;
        ModelContaminants(r, 2, 1, true);
        r.checked_kvCalc = r.checked_KdwCalc = r.checked_KdsCalc = 1;
        r.Bedf_oc = 0.03;
        r.DOCBed = 8;
        r.ConKdw[1] = 100;
        r.Kds[1] = 150;
        r.ConVd[0] = 0.01;
        r.ConVd[1] = 0.02;
        r.HMVd[0] = 0.005;
        r.checked_TPGenOutConc = r.checked_Contam1OutConc = r.checked_Contam3OutConc = 1;
        r.checked_HM1OutConc = r.checked_HM2OutConc = 1;
        r.TPinConc = 2;
        r.ContamInConc1 = 0.01;
        r.ContamInConc3 = 0.5;
        r.HMInConc1 = 0.1;
        r.HMInConc2 = 0.2;
        m.RE_TP = 35.5;
        m.RE_Contam[0] = 80;
        m.RE_Contam[1] = 60;
        m.RE_Contam[3] = 95;
        m.ContamFd[0] = 0.9;
        m.ContamFp[0] = 0.1;
        m.ContamFd[1] = 0.7;
        m.ContamFp[1] = 0.3;
        m.HMFd[0] = 0.2;
        m.HMFp[0] = 0.8;
        m.TPoutConc = 1.29;
        m.ContamOutConc[0] = 0.002;
        m.ContamOutConc[2] = 0.3;
        m.HMOutConc[0] = 0.005;
        m.HMOutConc[1] = 0.05;
    });
}

// Organic carbon of the water column only; the thickness the phosphorus section wrote is not
// repeated.
TEST(ReportText, OrganicsWithWaterColumnCarbon) {
    ExpectGolden("organics_water.txt", [](ProjectRecord& r, ModelResults& m) {
        r.model_p = r.PhosRemSpec = r.check_Vtp = 1;
        r.UserEnterActiveLayerThick = 1;
        r.ActiveLayerThickness = 12;
        ModelContaminants(r, 1, 0, true);
        r.checked_KdwCalc = 1;
        r.ConVd[0] = 0.01;
        m.RE_TP = 25;
        m.RE_Contam[0] = 70;
        m.ContamFd[0] = 0.6;
        m.ContamFp[0] = 0.4;
    });
}

TEST(ReportText, OrganicsWithBedCarbonAndVolatilization) {
    ExpectGolden("organics_bed.txt", [](ProjectRecord& r, ModelResults& m) {
        ModelContaminants(r, 3, 0, true);
        r.checked_KdsCalc = r.checked_kvCalc = 1;
        r.Bedf_oc = 0.03;
        r.DOCBed = 8;
        m.RE_Contam[0] = 10;
        m.RE_Contam[1] = 20;
        m.RE_Contam[2] = 30;
    });
}

TEST(ReportText, OrganicsWithoutCarbonAndAMetal) {
    ExpectGolden("organics_plain.txt", [](ProjectRecord& r, ModelResults& m) {
        ModelContaminants(r, 1, 1, true);
        r.ConVd[0] = 0.01;
        r.HMVd[0] = 0.005;
        m.RE_Contam[0] = 50;
        m.RE_Contam[3] = 60;
    });
}

// Half-lives: the organic chemicals' mass transfer is not written beside the metals'.
TEST(ReportText, HalfLivesAndMetals) {
    ExpectGolden("half_life.txt", [](ProjectRecord& r, ModelResults& m) {
        ModelContaminants(r, 3, 2, false);
        r.Tau[0] = 3;
        r.Tau[1] = 0.5;
        r.Tau[2] = 12;
        r.ConVd[0] = 0.01;
        r.HMVd[0] = 0.005;
        r.HMVd[1] = 0.006;
        for (int slot = 0; slot < 5; ++slot) m.RE_Contam[slot] = slot + 1;
        m.HMFd[0] = 0.25;
        m.HMFp[0] = 0.75;
        m.HMFd[1] = 0.5;
        m.HMFp[1] = 0.5;
    });
}

TEST(ReportText, DefaultFileName) {
    EXPECT_EQ(DefaultReportName(""), "re_out.txt");
    EXPECT_EQ(DefaultReportName("/data/site.inp"), "/data/site.txt");
    EXPECT_EQ(DefaultReportName("/data/SITE.INP"), "/data/SITE.txt");
    EXPECT_EQ(DefaultReportName("/data/site.dat"), "/data/site.dat.txt");
    EXPECT_EQ(DefaultReportName("/data/inp"), "/data/inp.txt");
}

}  // namespace
}  // namespace velmar::testing
