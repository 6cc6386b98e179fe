// Writes the example projects with the program's own project file writer.
// Usage: make_examples OUTPUT_FOLDER
#include <cstdio>
#include <string>

#include "project/project_file.h"
#include "project/record.h"
#include "project/system_formulas.h"

namespace velmar {
namespace {

// The start of every example: a fresh project whose system screens have been accepted
// for a 10 ha surface-flow wetland, 2000 m long and 50 m wide, 0.5 m deep, taking 0.5 m^3/s.
// The known dimensions are the area, the depth and the length; the volume and the width
// follow from them, as the property screen computes them.
ProjectRecord SurfaceFlowWetland() {
    ProjectRecord r = ProgramStartRecord();
    ClearEntryState(r);
    ResetToDefaults(r);
    r.System_Properties_Selection_Made = r.System_Properties_Entered = r.print_possible = 1;
    r.checked_Length = r.checked_Length_temp = 1;
    r.checked_Area = r.checked_Area_temp = r.checked_Depth = r.checked_Depth_temp = 1;
    r.temperature = r.temperature_temp = r.temp_check = 15;
    r.depth = r.depth_temp = 0.5;
    r.length = r.length_temp = 2000;
    r.width = r.width_temp = 50;
    r.area = r.area_temp = 100000;
    r.volume = r.volume_temp = 50000;
    r.flow = r.flow_temp = 0.5;
    r.RatioLoW = 40;
    r.HydResidenceTime = 1.16;
    r.detention_time = r.detention_time_temp = 1.16;
    r.mean_velocity = r.mean_velocity_temp = 0.02;
    r.mean_vel_cms = r.mean_vel_cms_temp = 2;
    // BOD is not modelled yet: its rate suits the depth.
    r.bod_decay_rate20 = r.bod_decay_rate20_temp = r.bod_default_decay = BodDecayRateForDepth(r.depth);
    r.bod_default_temp = 1.047;
    return r;
}

void SelectTss(ProjectRecord& r, double inflow) {
    r.model_tss = r.model_tss_temp = 1;
    r.UserEnteredTSS = r.OkToModelTP = 1;
    r.option_entered_prior = 1;
    r.TSSinConc = r.TSSinConc_temp = inflow;
    r.checked_TSSGenOutConc = r.checked_TSSGenOutConc_temp = 1;
}

// TSS settling at 0.5 m/day, and an established wetland's phosphorus from a known load.
ProjectRecord Typical() {
    ProjectRecord r = SurfaceFlowWetland();
    SelectTss(r, 60);
    r.SSConc = r.SSConc_temp = 60;
    r.Vs = r.Vs_temp = 0.5;
    r.model_p = r.model_p_temp = 1;
    r.PhosRemSpec = r.PhosRemSpec_temp = 0;
    r.PhosremCalc = r.PhosRemCalc_temp = 1;
    r.checked_phos_estab = r.checked_phos_estab_temp = 1;
    r.YearlyTPLoading = r.YearlyTPLoading_temp = 3000;
    r.DailyTPLoading = r.DailyTPLoading_temp = 3000 / 365.25;
    r.MaximumPSorptionCapacity = r.MaximumPSorptionCapacity_temp = 0.5;
    r.bonding_energy_constant = r.bonding_energy_constant_temp = 0.2;
    r.TPinConc = r.TPinConc_temp = 0.19;
    r.checked_TPGenOutConc = r.checked_TPGenOutConc_temp = 1;
    return r;
}

// TSS from surficial accretion with a computed density, TCB, BOD and TN by
// denitrification, in a fully mixed pond.
ProjectRecord Conventional() {
    ProjectRecord r = SurfaceFlowWetland();
    r.mixed_clac_re = 1;
    r.longitudinal_calc_re = 0;
    r.detention_time = r.detention_time_temp = 1.16;
    SelectTss(r, 80);
    r.checked_Option1 = r.checked_Option1_temp = r.checked_Opt1Input = r.checked_Opt1Input_temp = 0;
    r.checked_Option2 = r.checked_Option2_temp = r.checked_Opt2Calc = r.checked_Opt2Calc_temp = 1;
    r.SSConc = r.SSConc_temp = 80;
    r.SurfVb = r.SurfVb_temp = 1.5;
    r.model_tcb = r.model_tcb_temp = r.model_bod = r.model_bod_temp = r.model_n = r.model_n_temp = 1;
    r.bod_decay_rate20 = r.bod_decay_rate20_temp = 0.84;  // the engineer's own BOD rate
    r.checked_Ktn = r.checked_Ktn_temp = 0;
    r.checked_Kdn = r.checked_Kdn_temp = 1;
    r.TCBinConc = r.TCBinConc_temp = 10000;
    r.BODinConc = r.BODinConc_temp = 30;
    r.TNinConc = r.TNinConc_temp = 12;
    r.checked_TCBGenOutConc = r.checked_TCBGenOutConc_temp = 1;
    r.checked_BODGenOutConc = r.checked_BODGenOutConc_temp = 1;
    r.checked_TNGenOutConc = r.checked_TNGenOutConc_temp = 1;
    return r;
}

// A new wetland's phosphorus: the particulate share of the water column settles out.
ProjectRecord TpNewWetland() {
    ProjectRecord r = SurfaceFlowWetland();
    SelectTss(r, 40);
    r.SSConc = r.SSConc_temp = 40;
    r.Vs = r.Vs_temp = 0.3;
    r.model_p = r.model_p_temp = 1;
    r.PhosRemSpec = r.PhosRemSpec_temp = 0;
    r.PhosremCalc = r.PhosRemCalc_temp = 1;
    r.checked_phos_estab = r.checked_phos_estab_temp = 0;
    r.checked_phos_new = r.checked_phos_new_temp = 1;
    r.checked_fi3 = r.checked_fo3 = 1;
    r.Kdw = r.Kdw_temp = 20000;
    r.f_i = r.f_i_temp = 0.6;
    r.f_o = r.f_o_temp = 0.2;
    r.TPinConc = r.TPinConc_temp = 0.3;
    r.checked_TPGenOutConc = r.checked_TPGenOutConc_temp = 1;
    return r;
}

void SelectContaminants(ProjectRecord& r, int organics, int metals) {
    r.model_contaminant = r.model_contaminant_temp = 1;
    r.NumOC_SLR = r.NumOC_SLR_temp = organics;
    r.NumHM_LLR = r.NumHM_LLR_temp = metals;
}

// Two organic chemicals described by their half-lives. Contaminants ride on the suspended
// solids, so the selection models TSS with them.
ProjectRecord OrganicsByHalfLife() {
    ProjectRecord r = SurfaceFlowWetland();
    SelectTss(r, 30);
    r.SSConc = r.SSConc_temp = 30;
    r.Vs = r.Vs_temp = 0.5;
    SelectContaminants(r, 2, 0);
    SetName(r.TauCompName2, "Atrazine");
    SetName(r.TauCompName2_temp, "Atrazine");
    r.Tau[0] = r.Tau_temp[0] = 3;
    r.Tau[1] = r.Tau_temp[1] = 0.2;
    r.ContamInConc1 = r.ContamInConc1_temp = 0.002;
    r.ContamInConc2 = r.ContamInConc2_temp = 0.01;
    r.checked_Contam1OutConc = r.checked_Contam1OutConc_temp = 1;
    r.checked_Contam2OutConc = r.checked_Contam2OutConc_temp = 1;
    return r;
}

// Three organic chemicals by their removal processes, partitioning and volatilization
// computed, and three heavy metals with a water-column partition coefficient estimated
// from the suspended solids.
ProjectRecord OrganicsAndMetals() {
    ProjectRecord r = SurfaceFlowWetland();
    SelectTss(r, 50);
    r.SSConc = r.SSConc_temp = 50;
    r.Vs = r.Vs_temp = 1.0;
    SelectContaminants(r, kSlotCount, kSlotCount);
    r.checked_contam_tau = r.checked_contam_tau_temp = 0;
    r.checked_contam_removal = r.checked_contam_removal_temp = 1;
    r.checked_KdwCalc = r.checked_KdwCalc_temp = r.checked_KdsCalc = r.checked_KdsCalc_temp = 1;
    r.checked_KdwInput = r.checked_KdwInput_temp = r.checked_KdsInput = r.checked_KdsInput_temp = 0;
    r.checked_kvCalc = r.checked_kvCalc_temp = 1;
    r.checked_kvInput = r.checked_kvInput_temp = 0;
    r.checked_HMKdwInput = r.checked_HMKdwInput_temp = 0;
    r.checked_HMKdwCalc = r.checked_HMKdwCalc_temp = 1;
    const char* organics[] = {"Dieldrin", "Naphthalene", "Toluene"};
    const double kow[] = {3.16e5, 2.29e3, 537}, henry[] = {5.8e-5, 4.8e-4, 6.6e-3},
                 mw[] = {380.9, 128.2, 92.1};
    NameText* organic_names[][2] = {{&r.TauCompName1, &r.TauCompName1_temp},
                                    {&r.TauCompName2, &r.TauCompName2_temp},
                                    {&r.TauCompName3, &r.TauCompName3_temp}};
    for (int k = 0; k < kSlotCount; ++k) {
        for (NameText* name : organic_names[k]) SetName(*name, organics[k]);
        r.Kow[k] = r.Kow_temp[k] = kow[k];
        r.Henry[k] = r.Henry_temp[k] = henry[k];
        r.MW[k] = r.MW_temp[k] = mw[k];
        r.ConVd[k] = r.ConVd_temp[k] = 0.02;
    }
    const char* metals[] = {"Cadmium", "Lead", "Zinc"};
    const double bed_partition[] = {5e4, 1e6, 2e5};
    NameText* metal_names[][2] = {
        {&r.HMName1, &r.HMName1_temp}, {&r.HMName2, &r.HMName2_temp}, {&r.HMName3, &r.HMName3_temp}};
    for (int k = 0; k < kSlotCount; ++k) {
        for (NameText* name : metal_names[k]) SetName(*name, metals[k]);
        r.HMKds[k] = r.HMKds_temp[k] = bed_partition[k];
        r.HMVd[k] = r.HMVd_temp[k] = 0.02;
    }
    r.ContamInConc1 = r.ContamInConc1_temp = 0.001;
    r.ContamInConc2 = r.ContamInConc2_temp = 0.05;
    r.ContamInConc3 = r.ContamInConc3_temp = 0.1;
    r.HMInConc1 = r.HMInConc1_temp = 0.005;
    r.HMInConc2 = r.HMInConc2_temp = 0.02;
    r.HMInConc3 = r.HMInConc3_temp = 0.2;
    for (std::int32_t* flag :
         {&r.checked_Contam1OutConc, &r.checked_Contam2OutConc, &r.checked_Contam3OutConc,
          &r.checked_HM1OutConc, &r.checked_HM2OutConc, &r.checked_HM3OutConc}) {
        *flag = 1;
    }
    return r;
}

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) {
    using namespace velmar;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples OUTPUT_FOLDER\n");
        return 2;
    }
    const struct {
        const char* file;
        ProjectRecord (*make)();
    } examples[] = {{"typical.inp", Typical},
                    {"conventional.inp", Conventional},
                    {"tp_new_wetland.inp", TpNewWetland},
                    {"organics_half_life.inp", OrganicsByHalfLife},
                    {"organics_metals.inp", OrganicsAndMetals}};
    for (const auto& example : examples) {
        const std::string path = std::string(argv[1]) + "/" + example.file;
        if (WriteProjectFile(path, example.make()) != 0) {
            std::fprintf(stderr, "could not write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
