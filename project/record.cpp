#include "project/record.h"

#include <cstring>
#include <initializer_list>

#include "project/system_formulas.h"

namespace velmar {
namespace {

constexpr double kDefaultDepth = 1.0;

template <typename T, std::size_t N>
void Fill(T (&values)[N], T value) {
    for (T& v : values) v = value;
}

}  // namespace

void SetName(NameText& name, const char* text) {
    std::strncpy(name, text, kNameSize - 1);
    name[kNameSize - 1] = '\0';
}

ProjectRecord ProgramStartRecord() {
    ProjectRecord r{};
    r.mean_vel_check = 5e-6;
    r.big_volume_temp = r.big_area_temp = r.big_depth_temp = r.big_length_temp = r.big_width_temp = 1.0;
    r.checked_HMKdwInput = r.checked_HMKdwInput_temp = 1;
    return r;
}

void ResetToDefaults(ProjectRecord& r) {
    // System quantities and solution scheme
    r.temperature = r.temperature_temp = 20;
    r.depth = r.depth_temp = kDefaultDepth;
    r.width = r.width_temp = 500;
    r.length = r.length_temp = 2000;
    r.volume = r.volume_temp = 1000000;
    r.area = r.area_temp = 1000000;
    r.flow = r.flow_temp = 1;
    r.temp_check = 20;
    r.mixed_clac_re = 0;
    r.longitudinal_calc_re = 1;

    // TSS and sediment
    r.checked_VrNeg = r.checked_VrNeg_temp = 0;
    r.checked_SSConc = r.checked_SSconc_temp = 0;
    r.checked_Vs = r.checked_Vs_temp = 1;
    r.checked_PartDiam = r.checked_PartDiam_temp = 0;
    r.checked_SG = r.checked_SG_temp = 0;
    r.checked_AVb = r.checked_AVb_temp = 0;
    r.checked_ARhoB = r.checked_ARhoB_temp = 0;
    r.checked_APhi = r.checked_APhi_temp = 0;
    r.checked_SAcc = r.checked_SAcc_temp = 0;
    r.checked_SRhoB = r.checked_SRhoB_temp = 0;
    r.checked_SPhi = r.checked_SPhi_temp = 0;
    r.checked_DRhoS = r.checked_DRhoS_temp = 0;
    r.checked_Option1 = r.checked_Option1_temp = 1;
    r.checked_Option2 = r.checked_Option2_temp = 0;
    r.checked_Option3 = r.checked_Option3_temp = 0;
    r.checked_Opt1Input = r.checked_Opt1Input_temp = 1;
    r.checked_Opt1Calc = r.checked_Opt1Calc_temp = r.checked_Opt2Input = r.checked_Opt2Input_temp =
        r.checked_Opt2Calc = r.checked_Opt2Calc_temp = r.checked_Opt3Input = r.checked_Opt3Input_temp =
            r.checked_Opt3Calc = r.checked_Opt3Calc_temp = 0;
    r.option_entered_prior = 0;
    r.equation_to_use = 1;
    r.Vb = r.Vb_temp = 4.7e-6;
    r.Vr = r.Vr_temp = 0;
    r.RhoB = r.RhoB_temp = 1130;
    r.SSConc = r.SSConc_temp = 100;
    r.PartDiam = r.PartDiam_temp = 1;
    r.SG = r.SG_temp = 2.65;
    r.Vs = r.Vs_temp = 0.1;
    r.Vn = r.Vn_temp = 0.1;
    r.ActiveVb = r.ActiveVb_temp = 4.7e-6;
    r.ActiveRhoB = r.ActiveRhoB_temp = 1130;
    r.ActivePhi = r.ActivePhi_temp = 0.35;
    r.SurfVb = r.SurfVb_temp = 0.82;
    r.SurfRhoB = r.SurfRhoB_temp = 236;
    r.SurfPhi = r.SurfPhi_temp = 0.9;
    r.DrySedDensity = r.DrySedDensity_temp = 2360;

    // Entry flags
    r.UserEnteredTSS = 0;
    r.Vb_entered = r.Vb_entered_temp = r.Vs_entered = r.Vs_entered_temp = r.SSConc_entered =
        r.SSConc_entered_temp = r.DSD_entered = r.DSD_entered_temp = r.PD_entered = r.PD_entered_temp =
            r.SG_entered = r.SG_entered_temp = r.APhi_entered = r.APhi_entered_temp = r.ARhoB_entered = 0;
    r.Vb_entered_MP = r.Vs_entered_MP = r.ARhoB_entered_MP = r.SSConc_entered_MP = r.APhi_entered_MP =
        r.PD_entered_MP = r.SG_entered_MP = r.DSD_entered_MP = 0;
    r.Vb_entered_MC = r.Vs_entered_MC = r.ARhoB_entered_MC = r.SSConc_entered_MC = r.APhi_entered_MC =
        r.PD_entered_MC = r.SG_entered_MC = r.DSD_entered_MC = r.ALT_entered_MC = 0;
    r.Vb_entered_MTC = r.Vs_entered_MTC = r.ARhoB_entered_MTC = 0;
    r.Vb_entered_MT = r.Vs_entered_MT = r.ARhoB_entered_MT = r.APhi_entered_MT = r.DSD_entered_MT =
        r.PD_entered_MT = r.SG_entered_MT = 0;
    r.TSS_entered_Vs = r.TSS_entered_Vb = r.TSS_entered_PD = r.TSS_entered_SG = r.TSS_entered_SSConc =
        r.TSS_entered_Va = r.TSS_entered_SRhoB = r.TSS_entered_SPhi = r.TSS_entered_ARhoB =
            r.TSS_entered_APhi = r.TSS_entered_DSD = 0;
    r.ActiveLayerThickness_entered = 0;

    // Screen state
    r.System_Properties_Selection_Made = 0;
    r.System_Properties_Entered = 0;
    r.model_tss = r.model_tss_temp = 0;
    r.model_tcb = r.model_tcb_temp = 0;
    r.model_bod = r.model_bod_temp = 0;
    r.model_n = r.model_n_temp = 0;
    r.model_p = r.model_p_temp = 0;
    r.model_contaminant = r.model_contaminant_temp = 0;
    r.update_tss = r.update_tcb = r.update_bod = r.update_n = r.update_p = r.update_contaminant = 0;
    r.print_possible = 0;
    r.RE_Viewed_By_User = 0;
    r.checked_Volume = r.checked_Volume_temp = r.checked_Area = r.checked_Area_temp = r.checked_Depth =
        r.checked_Depth_temp = r.checked_Length = r.checked_Length_temp = r.checked_Width =
            r.checked_Width_temp = 0;
    r.VAH_Entered = 0;
    r.area_entered = r.volume_entered = r.depth_entered = 0;
    r.called_by_VAH_selection = 0;
    r.called_by_component_selection = r.called_by_grad_selection = r.called_by_known_selection =
        r.called_by_phos_selection = r.called_by_TP_load_selection = r.called_by_TPNew_selection =
            r.called_by_option_selection = 0;
    r.called_by_double_window_close = r.called_by_triple_window_close = r.called_by_quad_window_close =
        r.called_by_mult_window_close = 0;
    r.matrix_flag = 0;
    r.reset_here = r.calculated_Vb = r.calculated_Vs = r.UserMustEnterTSS = 0;
    r.start_up_with_defaults = 0;
    r.select_ARhoB = 0;
    r.PandCScreenAccepted = 0;
    r.NeedToDisplayVrVD = r.NeedToDisplayRhoB = 1;
    r.DisplayedRhoB = 0;
    r.checked_RhoBInput = r.checked_RhoBInput_temp = 1;
    r.checked_RhoBCalc = r.checked_RhoBCalc_temp = 0;
    r.checked_VsInput = r.checked_VsInput_temp = 1;
    r.checked_VsCalc = r.checked_VsCalc_temp = 0;
    r.ARhoB_known = r.ARhoB_known_temp = 0;
    r.InputARhoB = r.InputARhoB_temp = 1;
    r.tp_current = r.contam_current = 0;
    r.NothingToDo = r.NothingToDoInRhoBC = r.NothingToDoInDPC = 1;

    // TCB, BOD and TN
    r.tcb_decay_rate20 = r.tcb_decay_rate20_temp = 0.8;
    r.theta_tcb = r.theta_tcb_temp = 1.07;
    // The BOD default follows the default depth of 1 m (not the current depth): 0.38.
    r.bod_decay_rate20 = r.bod_decay_rate20_temp = BodDecayRateForDepth(kDefaultDepth);
    r.theta_bod = r.theta_bod_temp = 1.047;
    r.Ktn = r.Ktn_temp = 0.05;
    r.tn_decay_rate20 = r.tn_decay_rate20_temp = 0.05;
    r.theta_tn = r.theta_tn_temp = 1.045;
    r.Kdn = r.Kdn_temp = 0.2;
    r.No3_TN_Ratio = r.No3_TN_Ratio_temp = 0.5;
    r.checked_Ktn = r.checked_Ktn_temp = 1;
    r.checked_Kdn = r.checked_Kdn_temp = 0;
    r.checked_KtnAreal = r.checked_KtnAreal_temp = 0;
    r.checked_KtnVolumetric = r.checked_KtnVolumetric_temp = 1;

    // TP
    r.PhosRemSpec = r.PhosRemSpec_temp = 1;
    r.PhosremCalc = r.PhosRemCalc_temp = 0;
    r.check_Ktp = r.check_Ktp_temp = 0;
    r.check_Vtp = r.check_Vtp_temp = 1;
    r.PhosRemRateAB = r.PhosRemRateAB_temp = 0.0082;
    r.PhosRemRateVB = r.PhosRemRateVB_temp = 0.0082;
    r.checked_phos_new = r.checked_phos_new_temp = 0;
    r.checked_phos_estab = r.checked_phos_estab_temp = 1;
    r.checked_phos_deter = r.checked_phos_deter_temp = 0;
    r.UserSelectedTPLoad = r.UserSelectedTPLoad_temp = 1;
    r.UserCheckedLoad = r.UserCheckedLoad_temp = r.UserCheckedQiCi = r.UserCheckedQiCi_temp = 0;
    r.OkToModelTP = 0;
    r.nu_m_entered = r.TPLoad_entered = r.QiCi_entered = r.UserEnterActiveLayerThick = 0;
    r.m_entered = r.fi_entered = r.FooledByAccept = 0;
    r.checked_fi = r.checked_fi_temp = r.checked_Kdw = r.checked_Kdw_temp = r.checked_Fpw =
        r.checked_Fpw_temp = 0;
    r.checked_fpw_l = r.checked_fpw_l_temp = 0;
    r.checked_fi1 = r.checked_fi2 = r.checked_fi3 = 0;
    r.checked_fo1 = r.checked_fo2 = r.checked_fo3 = 0;
    r.checked_fdw = 0;
    r.ActiveLayerThickness = r.ActiveLayerThickness_temp = 10;
    r.ActiveLayerBulkDensity = r.ActiveLayerBulkDensity_temp = 1130;
    r.MaximumPSorptionCapacity = r.MaximumPSorptionCapacity_temp = 1;
    r.YearlyTPLoading = r.YearlyTPLoading_temp = 365250;
    r.DailyTPLoading = r.DailyTPLoading_temp = 1000;
    r.UserSpecifiedWetlandAge = r.UserSpecifiedWetlandAge_temp = 1;
    r.YearlyTPFlow = r.YearlyTPFlow_temp = 1;
    r.InflowingTPConc = r.InflowingTPConc_temp = 1;
    r.Kdw = r.Kdw_temp = 1;
    r.Fpw = r.Fpw_temp = 0.5;
    r.Fdw = r.Fdw_temp = 0.5;
    r.fpw_l = r.fpw_l_temp = 0.8;
    r.fdw_l = r.fdw_l_temp = 0.2;
    r.f_i = r.f_i_temp = 0.5;
    r.f_o = r.f_o_temp = 0.5;
    r.f_ib = r.f_ib_temp = 0.5;
    r.bonding_energy_constant = r.bonding_energy_constant_temp = 1;

    // Contaminants
    r.checked_contam_tau = r.checked_contam_tau_temp = 1;
    r.checked_contam_removal = r.checked_contam_removal_temp = 0;
    r.NumOC_SLR = r.NumOC_SLR_temp = 0;
    r.NumHM_LLR = r.NumHM_LLR_temp = 0;
    for (NameText* name : {&r.TauCompName1, &r.TauCompName1_temp, &r.TauCompName2, &r.TauCompName2_temp,
                           &r.TauCompName3, &r.TauCompName3_temp}) {
        SetName(*name, "Dieldrin");
    }
    for (NameText* name :
         {&r.HMName1, &r.HMName1_temp, &r.HMName2, &r.HMName2_temp, &r.HMName3, &r.HMName3_temp}) {
        SetName(*name, "Chromium");
    }
    r.f_oc = r.f_oc_temp = 0.02;
    r.Bedf_oc = r.Bedf_oc_temp = 0.02;
    r.DOCH2o = r.DOCH2o_temp = 5;
    r.DOCBed = r.DOCBed_temp = 5;
    r.WindSpeed = r.WindSpeed_temp = 5;
    r.called_by_contam_group = 0;
    Fill(r.Kds, 240.0);
    Fill(r.Kds_temp, 240.0);
    Fill(r.ConKdw, 240.0);
    Fill(r.ConKdw_temp, 240.0);
    Fill(r.MolecularDiffusivity, 4.2e-10);
    Fill(r.MolecularDiffusivity_temp, 4.2e-10);
    Fill(r.ConMD, 4.2e-10);
    Fill(r.Kow, 21000.0);
    Fill(r.Kow_temp, 21000.0);
    Fill(r.Henry, 5.8e-5);
    Fill(r.Henry_temp, 5.8e-5);
    Fill(r.Tau, 3.0);
    Fill(r.Tau_temp, 3.0);
    Fill(r.kd, 0.0006);
    Fill(r.kd_temp, 0.0006);
    Fill(r.kv, 0.005);
    Fill(r.kv_temp, 0.005);
    Fill(r.kdb, 0.0006);
    Fill(r.kdb_temp, 0.0006);
    Fill(r.MW, 380.9);
    Fill(r.MW_temp, 380.9);
    Fill(r.ConVd, 0.0);
    Fill(r.ConVd_temp, 0.0);
    r.checked_kvInput = r.checked_kvInput_temp = 1;
    r.checked_kvCalc = r.checked_kvCalc_temp = 0;
    r.checked_KdsInput = r.checked_KdsInput_temp = 1;
    r.checked_KdsCalc = r.checked_KdsCalc_temp = 0;
    r.checked_KdwInput = r.checked_KdwInput_temp = 1;
    r.checked_KdwCalc = r.checked_KdwCalc_temp = 0;
    r.DisplayedVolCoeff = 0;
    r.recalc_convd1 = r.recalc_convd2 = r.recalc_convd3 = 1;
    r.RemAccepted = 0;
    Fill(r.HMKds, 1000000.0);
    Fill(r.HMKds_temp, 1000000.0);
    Fill(r.HMConKdw, 100000.0);
    Fill(r.HMConKdw_temp, 100000.0);
    Fill(r.HMMolecularDiffusivity, 5.94e-10);
    Fill(r.HMMolecularDiffusivity_temp, 5.94e-10);
    Fill(r.HMMD, 5.94e-10);
    Fill(r.HMVd, 0.0);
    Fill(r.HMVd_temp, 0.0);
    r.HM_called = 0;
    r.recalc_hmvd1 = r.recalc_hmvd2 = r.recalc_hmvd3 = 1;

    // Inflow
    r.checked_TSSGenOutConc = r.checked_TSSGenOutConc_temp = r.checked_TCBGenOutConc =
        r.checked_TCBGenOutConc_temp = r.checked_BODGenOutConc = r.checked_BODGenOutConc_temp =
            r.checked_TNGenOutConc = r.checked_TNGenOutConc_temp = r.checked_TPGenOutConc =
                r.checked_TPGenOutConc_temp = 0;
    r.checked_Contam1OutConc = r.checked_Contam1OutConc_temp = r.checked_Contam2OutConc =
        r.checked_Contam2OutConc_temp = r.checked_Contam3OutConc = r.checked_Contam3OutConc_temp = 0;
    r.checked_HM1OutConc = r.checked_HM1OutConc_temp = r.checked_HM2OutConc = r.checked_HM2OutConc_temp =
        r.checked_HM3OutConc = r.checked_HM3OutConc_temp = 0;
    r.TSSinConc = r.TSSinConc_temp = r.TCBinConc = r.TCBinConc_temp = r.BODinConc = r.BODinConc_temp =
        r.TNinConc = r.TNinConc_temp = r.TPinConc = r.TPinConc_temp = 0;
    r.ContamInConc1 = r.ContamInConc1_temp = r.ContamInConc2 = r.ContamInConc2_temp = r.ContamInConc3 =
        r.ContamInConc3_temp = 0;
    r.HMInConc1 = r.HMInConc1_temp = r.HMInConc2 = r.HMInConc2_temp = r.HMInConc3 = r.HMInConc3_temp = 0;
}

void ClearEntryState(ProjectRecord& r) {
    r.length_entered = 0;
    r.width_entered = 0;
    r.start_up_with_defaults = 1;
}

void UpgradeV1Project(ProjectRecord& r) {
    if (r.model_p == 1) {
        r.PhosRemSpec = r.PhosRemSpec_temp = 0;
        r.PhosremCalc = r.PhosRemCalc_temp = 1;
    }
    if (r.model_n == 1) {
        r.called_by_TN_RR_selection = 0;
        if (r.checked_Ktn == 1) {
            r.checked_KtnAreal = r.checked_KtnAreal_temp = 0;
            r.checked_KtnVolumetric = r.checked_KtnVolumetric_temp = 1;
        }
    }
}

}  // namespace velmar
