// The project's fields, in the order of the project data file.
//
// This is the single list from which the record, the 600-entry file table and the
// field-by-name lookup are made. Each line gives the kind (INT, REAL, NAME), the C++
// identifier and, for scalars, the label under which the file stores the field:
//   FIELD(kind, id, label)  a field, declared here and stored at this position;
//   ARRAY3(kind, id)        a three-slot array, stored as "id[0]", "id[1]", "id[2]";
//   ARRAY7(kind, id)        the seven-element array Y, stored as "Y[0]" ... "Y[6]";
//   AGAIN(kind, id, label)  a field declared earlier, stored once more at this position.
// Readers match entries by position only, so this order is the file format.
#pragma once

// clang-format off
#define VELMAR_PROJECT_ENTRIES(FIELD, ARRAY3, ARRAY7, AGAIN) \
    FIELD(INT, System_Properties_Selection_Made, "System Properties Selection Made") \
    FIELD(INT, System_Properties_Entered, "System Properties Entered") \
    FIELD(INT, model_tss, "model_tss") \
    FIELD(INT, model_tss_temp, "model_tss_temp") \
    FIELD(INT, model_tcb, "model_tcb") \
    FIELD(INT, model_tcb_temp, "model_tcb_temp") \
    FIELD(INT, model_bod, "model_bod") \
    FIELD(INT, model_bod_temp, "model_bod_temp") \
    FIELD(INT, model_n, "model_n") \
    FIELD(INT, model_n_temp, "model_n_temp") \
    FIELD(INT, model_p, "model_p") \
    FIELD(INT, model_p_temp, "model_p_temp") \
    FIELD(INT, model_contaminant, "model_contaminant") \
    FIELD(INT, model_contaminant_temp, "model_contaminant_temp") \
    FIELD(INT, print_possible, "print_possible") \
    FIELD(INT, checked_VrNeg, "checked_VrNeg") \
    FIELD(INT, checked_VrNeg_temp, "checked_VrNeg_temp") \
    FIELD(INT, checked_SSConc, "checked_SSConc") \
    FIELD(INT, checked_SSconc_temp, "checked_SSconc_temp") \
    FIELD(INT, checked_Vs, "checked_Vs") \
    FIELD(INT, checked_Vs_temp, "checked_Vs_temp") \
    FIELD(INT, checked_PartDiam, "checked_PartDiam") \
    FIELD(INT, checked_PartDiam_temp, "checked_PartDiam_temp") \
    FIELD(INT, checked_SG, "checked_SG") \
    FIELD(INT, checked_SG_temp, "checked_SG_temp") \
    FIELD(INT, checked_AVb, "checked_AVb") \
    FIELD(INT, checked_AVb_temp, "checked_AVb_temp") \
    FIELD(INT, checked_ARhoB, "checked_ARhoB") \
    FIELD(INT, checked_ARhoB_temp, "checked_ARhoB_temp") \
    FIELD(INT, checked_APhi, "checked_APhi") \
    FIELD(INT, checked_APhi_temp, "checked_APhi_temp") \
    FIELD(INT, checked_SAcc, "checked_SAcc") \
    FIELD(INT, checked_SAcc_temp, "checked_SAcc_temp") \
    FIELD(INT, checked_SRhoB, "checked_SRhoB") \
    FIELD(INT, checked_SRhoB_temp, "checked_SRhoB_temp") \
    FIELD(INT, checked_SPhi, "checked_SPhi") \
    FIELD(INT, checked_SPhi_temp, "checked_SPhi_temp") \
    FIELD(INT, checked_DRhoS, "checked_DRhoS") \
    FIELD(INT, checked_Option1, "checked_Option1") \
    FIELD(INT, checked_Option1_temp, "checked_Option1_temp") \
    FIELD(INT, checked_Option2, "checked_Option2") \
    FIELD(INT, checked_Option2_temp, "checked_Option2_temp") \
    FIELD(INT, checked_Option3, "checked_Option3") \
    FIELD(INT, checked_Option3_temp, "checked_Option3_temp") \
    FIELD(INT, checked_Opt1Input, "checked_Opt1Input") \
    FIELD(INT, checked_Opt1Input_temp, "checked_Opt1Input_temp") \
    FIELD(INT, checked_Opt1Calc, "checked_Opt1Calc") \
    FIELD(INT, checked_Opt1Calc_temp, "checked_Opt1Calc_temp") \
    FIELD(INT, checked_Opt2Input, "checked_Opt2Input") \
    FIELD(INT, checked_Opt2Input_temp, "checked_Opt2Input_temp") \
    FIELD(INT, checked_Opt2Calc, "checked_Opt2Calc") \
    FIELD(INT, checked_Opt2Calc_temp, "checked_Opt2Calc_temp") \
    FIELD(INT, checked_Opt3Input, "checked_Opt3Input") \
    FIELD(INT, checked_Opt3Input_temp, "checked_Opt3Input_temp") \
    FIELD(INT, checked_Opt3Calc, "checked_Opt3Calc") \
    FIELD(INT, checked_Opt3Calc_temp, "checked_Opt3Calc_temp") \
    FIELD(INT, option_entered_prior, "option_entered_prior") \
    FIELD(INT, checked_DRhoS_temp, "checked_DRhoS_temp") \
    FIELD(INT, checked_Ktn, "checked_Ktn") \
    FIELD(INT, checked_Ktn_temp, "checked_Ktn_temp") \
    FIELD(INT, checked_Kdn, "checked_Kdn") \
    FIELD(INT, checked_Kdn_temp, "checked_Kdn_temp") \
    FIELD(INT, checked_phos_new, "checked_phos_new") \
    FIELD(INT, checked_phos_new_temp, "checked_phos_new_temp") \
    FIELD(INT, checked_phos_estab, "checked_phos_estab") \
    FIELD(INT, checked_phos_estab_temp, "checked_phos_estab_temp") \
    FIELD(INT, checked_phos_deter, "checked_phos_deter") \
    FIELD(INT, checked_phos_deter_temp, "checked_phos_deter_temp") \
    FIELD(INT, UserSelectedTPLoad, "UserSelectedTPLoad") \
    FIELD(INT, UserSelectedTPLoad_temp, "UserSelectedTPLoad_temp") \
    FIELD(INT, checked_fi, "checked_fi") \
    FIELD(INT, checked_fi_temp, "checked_fi_temp") \
    FIELD(INT, checked_Kdw, "checked_Kdw") \
    FIELD(INT, checked_Kdw_temp, "checked_Kdw_temp") \
    FIELD(INT, checked_Fpw, "checked_Fpw") \
    FIELD(INT, checked_Fpw_temp, "checked_Fpw_temp") \
    FIELD(INT, checked_fpw_l, "checked_fpw_l") \
    FIELD(INT, checked_fpw_l_temp, "checked_fpw_l_temp") \
    FIELD(INT, UserCheckedLoad, "UserCheckedLoad") \
    FIELD(INT, UserCheckedLoad_temp, "UserCheckedLoad_temp") \
    FIELD(INT, UserCheckedQiCi, "UserCheckedQiCi") \
    FIELD(INT, UserCheckedQiCi_temp, "UserCheckedQiCi_temp") \
    FIELD(INT, FooledByAccept, "FooledByAccept") \
    FIELD(INT, OkToModelTP, "OkToModelTP") \
    FIELD(INT, nu_m_entered, "nu_m_entered") \
    FIELD(INT, TPLoad_entered, "TPLoad_entered") \
    FIELD(INT, m_entered, "m_entered") \
    FIELD(INT, QiCi_entered, "QiCi_entered") \
    FIELD(INT, fi_entered, "fi_entered") \
    FIELD(INT, UserMustEnterTSS, "UserMustEnterTSS") \
    FIELD(INT, UserEnteredTSS, "UserEnteredTSS") \
    FIELD(INT, UserEnterActiveLayerThick, "UserEnterActiveLayerThick") \
    FIELD(INT, called_by_component_selection, "called_by_component_selection") \
    FIELD(INT, called_by_grad_selection, "called_by_grad_selection") \
    FIELD(INT, called_by_known_selection, "called_by_known_selection") \
    FIELD(INT, called_by_double_window_close, "called_by_double_window_close") \
    FIELD(INT, called_by_triple_window_close, "called_by_triple_window_close") \
    FIELD(INT, called_by_phos_selection, "called_by_phos_selection") \
    FIELD(INT, called_by_quad_window_close, "called_by_quad_window_close") \
    FIELD(INT, called_by_TP_load_selection, "called_by_TP_load_selection") \
    FIELD(INT, called_by_TPNew_selection, "called_by_TPNew_selection") \
    FIELD(INT, matrix_flag, "matrix_flag") \
    FIELD(INT, checked_Volume, "checked_Volume") \
    FIELD(INT, checked_Volume_temp, "checked_Volume_temp") \
    FIELD(INT, checked_Area, "checked_Area") \
    FIELD(INT, checked_Area_temp, "checked_Area_temp") \
    FIELD(INT, checked_Depth, "checked_Depth") \
    FIELD(INT, checked_Depth_temp, "checked_Depth_temp") \
    FIELD(INT, checked_Length, "checked_Length") \
    FIELD(INT, checked_Length_temp, "checked_Length_temp") \
    FIELD(INT, checked_Width, "checked_Width") \
    FIELD(INT, checked_Width_temp, "checked_Width_temp") \
    FIELD(INT, checked_contam_tau, "checked_contam_tau") \
    FIELD(INT, checked_contam_tau_temp, "checked_contam_tau_temp") \
    FIELD(INT, checked_contam_removal, "checked_contam_removal") \
    FIELD(INT, checked_contam_removal_temp, "checked_contam_removal_temp") \
    FIELD(INT, reset_here, "reset_here") \
    FIELD(INT, select_ARhoB, "select_ARhoB") \
    FIELD(INT, PandCScreenAccepted, "PandCScreenAccepted") \
    FIELD(INT, NeedToDisplayVrVD, "NeedToDisplayVrVD") \
    FIELD(INT, Vb_entered, "Vb_entered") \
    FIELD(INT, Vs_entered, "Vs_entered") \
    FIELD(INT, checked_RhoBInput, "checked_RhoBInput") \
    FIELD(INT, checked_RhoBInput_temp, "checked_RhoBInput_temp") \
    FIELD(INT, checked_RhoBCalc, "checked_RhoBCalc") \
    FIELD(INT, checked_RhoBCalc_temp, "checked_RhoBCalc_temp") \
    FIELD(INT, checked_VsInput, "checked_VsInput") \
    FIELD(INT, checked_VsInput_temp, "checked_VsInput_temp") \
    FIELD(INT, checked_VsCalc, "checked_VsCalc") \
    FIELD(INT, checked_VsCalc_temp, "checked_VsCalc_temp") \
    FIELD(INT, SSConc_entered, "SSConc_entered") \
    FIELD(INT, SSConc_entered_temp, "SSConc_entered_temp") \
    FIELD(INT, DSD_entered, "DSD_entered") \
    FIELD(INT, DSD_entered_temp, "DSD_entered_temp") \
    FIELD(INT, PD_entered, "PD_entered") \
    FIELD(INT, PD_entered_temp, "PD_entered_temp") \
    FIELD(INT, SG_entered, "SG_entered") \
    FIELD(INT, SG_entered_temp, "SG_entered_temp") \
    FIELD(INT, APhi_entered, "APhi_entered") \
    FIELD(INT, APhi_entered_temp, "APhi_entered_temp") \
    FIELD(INT, called_by_option_selection, "called_by_option_selection") \
    FIELD(INT, ARhoB_known, "ARhoB_known") \
    FIELD(INT, ARhoB_known_temp, "ARhoB_known_temp") \
    FIELD(INT, InputARhoB, "InputARhoB") \
    FIELD(INT, InputARhoB_temp, "InputARhoB_temp") \
    FIELD(INT, DisplayedVolCoeff, "DisplayedVolCoeff") \
    FIELD(INT, ARhoB_entered, "ARhoB_entered") \
    FIELD(INT, VAH_Entered, "VAH_Entered") \
    FIELD(INT, called_by_VAH_selection, "called_by_VAH_selection") \
    FIELD(INT, start_up_with_defaults, "start_up_with_defaults") \
    FIELD(INT, area_entered, "area_entered") \
    FIELD(INT, volume_entered, "volume_entered") \
    FIELD(INT, depth_entered, "depth_entered") \
    FIELD(INT, length_entered, "length_entered") \
    FIELD(INT, width_entered, "width_entered") \
    FIELD(INT, mixed_clac_re, "mixed_clac_re") \
    FIELD(INT, longitudinal_calc_re, "longitudinal_calc_re") \
    FIELD(INT, RE_Viewed_By_User, "RE_Viewed_By_User") \
    FIELD(INT, update_tss, "update_tss") \
    FIELD(INT, update_tcb, "update_tcb") \
    FIELD(INT, update_bod, "update_bod") \
    FIELD(INT, update_n, "update_n") \
    FIELD(INT, update_p, "update_p") \
    FIELD(INT, update_contaminant, "update_contaminant") \
    FIELD(INT, calculated_Vb, "calculated_Vb") \
    FIELD(INT, calculated_Vs, "calculated_Vs") \
    FIELD(INT, equation_to_use, "equation_to_use") \
    FIELD(INT, valid, "valid") \
    FIELD(REAL, detention_time, "detention_time") \
    FIELD(REAL, detention_time_temp, "detention_time_temp") \
    FIELD(REAL, length, "length") \
    FIELD(REAL, length_temp, "length_temp") \
    FIELD(REAL, width, "width") \
    FIELD(REAL, width_temp, "width_temp") \
    FIELD(REAL, volume, "volume") \
    FIELD(REAL, volume_temp, "volume_temp") \
    FIELD(REAL, area, "area") \
    FIELD(REAL, area_temp, "area_temp") \
    FIELD(REAL, flow, "flow") \
    FIELD(REAL, flow_temp, "flow_temp") \
    FIELD(REAL, depth, "depth") \
    FIELD(REAL, depth_temp, "depth_temp") \
    FIELD(REAL, calc_re, "calc_re") \
    FIELD(REAL, temperature, "temperature") \
    FIELD(REAL, temperature_temp, "temperature_temp") \
    FIELD(REAL, tss_net_settling, "tss_net_settling") \
    FIELD(REAL, tcb_decay_rate, "tcb_decay_rate") \
    FIELD(REAL, tcb_decay_rate20, "tcb_decay_rate20") \
    FIELD(REAL, tcb_decay_rate20_temp, "tcb_decay_rate20_temp") \
    FIELD(REAL, bod_decay_rate, "bod_decay_rate") \
    FIELD(REAL, bod_decay_rate20, "bod_decay_rate20") \
    FIELD(REAL, bod_decay_rate20_temp, "bod_decay_rate20_temp") \
    FIELD(REAL, tn_decay_rate, "tn_decay_rate") \
    FIELD(REAL, Ktn, "Ktn") \
    FIELD(REAL, Ktn_temp, "Ktn_temp") \
    FIELD(REAL, No3_TN_Ratio, "No3_TN_Ratio") \
    FIELD(REAL, No3_TN_Ratio_temp, "No3_TN_Ratio_temp") \
    FIELD(REAL, Kdn, "Kdn") \
    FIELD(REAL, Kdn_temp, "Kdn_temp") \
    FIELD(REAL, mean_velocity, "mean_velocity") \
    FIELD(REAL, mean_velocity_temp, "mean_velocity_temp") \
    FIELD(REAL, RatioLoW, "RatioLoW") \
    FIELD(REAL, HydResidenceTime, "HydResidenceTime") \
    FIELD(REAL, HydResidenceTime_temp, "HydResidenceTime_temp") \
    AGAIN(REAL, Ktn_temp, "Ktn_temp") \
    FIELD(REAL, big_volume, "big_volume") \
    FIELD(REAL, big_volume_temp, "big_volume_temp") \
    FIELD(REAL, big_area, "big_area") \
    FIELD(REAL, big_area_temp, "big_area_temp") \
    FIELD(REAL, big_depth, "big_depth") \
    FIELD(REAL, big_depth_temp, "big_depth_temp") \
    FIELD(REAL, big_length, "big_length") \
    FIELD(REAL, big_length_temp, "big_length_temp") \
    FIELD(REAL, big_width, "big_width") \
    FIELD(REAL, big_width_temp, "big_width_temp") \
    FIELD(REAL, theta_tcb, "theta_tcb") \
    FIELD(REAL, theta_tcb_temp, "theta_tcb_temp") \
    FIELD(REAL, theta_bod, "theta_bod") \
    FIELD(REAL, theta_bod_temp, "theta_bod_temp") \
    FIELD(REAL, theta_tn, "theta_tn") \
    FIELD(REAL, theta_tn_temp, "theta_tn_temp") \
    FIELD(REAL, tn_decay_rate20, "tn_decay_rate20") \
    FIELD(REAL, tn_decay_rate20_temp, "tn_decay_rate20_temp") \
    FIELD(REAL, TSS_removal_rate, "TSS removal rate") \
    FIELD(REAL, Vb, "Vb") \
    FIELD(REAL, Vb_temp, "Vb_temp") \
    FIELD(REAL, Vr, "Vr") \
    FIELD(REAL, Vr_temp, "Vr_temp") \
    FIELD(REAL, RhoB, "RhoB") \
    FIELD(REAL, RhoB_temp, "RhoB_temp") \
    FIELD(REAL, SSConc, "SSConc") \
    FIELD(REAL, SSConc_temp, "SSConc_temp") \
    FIELD(REAL, PartDiam, "PartDiam") \
    FIELD(REAL, PartDiam_temp, "PartDiam_temp") \
    FIELD(REAL, SG, "SG") \
    FIELD(REAL, SG_temp, "SG_temp") \
    FIELD(REAL, Vs, "Vs") \
    FIELD(REAL, Vs_temp, "Vs_temp") \
    FIELD(REAL, Vn, "Vn") \
    FIELD(REAL, Vn_temp, "Vn_temp") \
    FIELD(REAL, ActiveVb, "ActiveVb") \
    FIELD(REAL, ActiveVb_temp, "ActiveVb_temp") \
    FIELD(REAL, ActiveRhoB, "ActiveRhoB") \
    FIELD(REAL, ActiveRhoB_temp, "ActiveRhoB_temp") \
    FIELD(REAL, ActivePhi, "ActivePhi") \
    FIELD(REAL, ActivePhi_temp, "ActivePhi_temp") \
    FIELD(REAL, SurfVb, "SurfVb") \
    FIELD(REAL, SurfVb_temp, "SurfVb_temp") \
    FIELD(REAL, SurfRhoB, "SurfRhoB") \
    FIELD(REAL, SurfRhoB_temp, "SurfRhoB_temp") \
    FIELD(REAL, SurfPhi, "SurfPhi") \
    FIELD(REAL, SurfPhi_temp, "SurfPhi_temp") \
    FIELD(REAL, DrySedDensity, "DrySedDensity") \
    FIELD(REAL, DrySedDensity_temp, "DrySedDensity_temp") \
    FIELD(REAL, Vd, "Vd") \
    FIELD(REAL, Vd_temp, "Vd_temp") \
    FIELD(REAL, ComputedWetlandAge, "ComputedWetlandAge") \
    FIELD(REAL, ActiveLayerThickness, "ActiveLayerThickness") \
    FIELD(REAL, ActiveLayerThickness_temp, "ActiveLayerThickness_temp") \
    FIELD(REAL, ActiveLayerBulkDensity, "ActiveLayerBulkDensity") \
    FIELD(REAL, ActiveLayerBulkDensity_temp, "ActiveLayerBulkDensity_temp") \
    FIELD(REAL, MaximumPSorptionCapacity, "MaximumPSorptionCapacity") \
    FIELD(REAL, MaximumPSorptionCapacity_temp, "MaximumPSorptionCapacity_temp") \
    FIELD(REAL, YearlyTPLoading, "YearlyTPLoading") \
    FIELD(REAL, YearlyTPLoading_temp, "YearlyTPLoading_temp") \
    FIELD(REAL, DailyTPLoading, "DailyTPLoading") \
    FIELD(REAL, DailyTPLoading_temp, "DailyTPLoading_temp") \
    FIELD(REAL, UserSpecifiedWetlandAge, "UserSpecifiedWetlandAge") \
    FIELD(REAL, UserSpecifiedWetlandAge_temp, "UserSpecifiedWetlandAge_temp") \
    FIELD(REAL, YearlyTPFlow, "YearlyTPFlow") \
    FIELD(REAL, YearlyTPFlow_temp, "YearlyTPFlow_temp") \
    FIELD(REAL, InflowingTPConc, "InflowingTPConc") \
    FIELD(REAL, InflowingTPConc_temp, "InflowingTPConc_temp") \
    FIELD(REAL, bod_default_decay, "bod_default_decay") \
    FIELD(REAL, bod_default_temp, "bod_default_temp") \
    FIELD(REAL, Kdw, "Kdw") \
    FIELD(REAL, Kdw_temp, "Kdw_temp") \
    FIELD(REAL, Fpw, "Fpw") \
    FIELD(REAL, Fpw_temp, "Fpw_temp") \
    FIELD(REAL, fpw_l, "fpw_l") \
    FIELD(REAL, fpw_l_temp, "fpw_l_temp") \
    FIELD(REAL, Fdw, "Fdw") \
    FIELD(REAL, Fdw_temp, "Fdw_temp") \
    FIELD(REAL, fdw_l, "fdw_l") \
    FIELD(REAL, fdw_l_temp, "fdw_l_temp") \
    FIELD(REAL, f_o_temp, "f_o_temp") \
    FIELD(REAL, KtpH, "KtpH") \
    FIELD(REAL, Qi, "Qi") \
    FIELD(REAL, Ci, "Ci") \
    FIELD(REAL, C, "C") \
    FIELD(REAL, Cb, "Cb") \
    FIELD(REAL, Cd, "Cd") \
    FIELD(REAL, Cp, "Cp") \
    FIELD(REAL, Cdp, "Cdp") \
    FIELD(REAL, f_pw, "f_pw") \
    FIELD(REAL, f_dw, "f_dw") \
    FIELD(REAL, f_dp, "f_dp") \
    ARRAY7(REAL, Y) \
    FIELD(REAL, f_i, "f_i") \
    FIELD(REAL, f_i_temp, "f_i_temp") \
    FIELD(REAL, f_o, "f_o") \
    FIELD(REAL, f_ib, "f_ib") \
    FIELD(REAL, f_ib_temp, "f_ib_temp") \
    FIELD(REAL, bonding_energy_constant, "bonding_energy_constant") \
    FIELD(REAL, bonding_energy_constant_temp, "bonding_energy_constant_temp") \
    ARRAY3(REAL, Kds) \
    ARRAY3(REAL, Kds_temp) \
    ARRAY3(REAL, HMKds) \
    ARRAY3(REAL, HMKds_temp) \
    ARRAY3(REAL, ConKdw) \
    ARRAY3(REAL, ConKdw_temp) \
    ARRAY3(REAL, HMConKdw) \
    ARRAY3(REAL, HMConKdw_temp) \
    FIELD(REAL, f_oc, "f_oc") \
    FIELD(REAL, f_oc_temp, "f_oc_temp") \
    FIELD(REAL, Bedf_oc, "Bedf_oc") \
    FIELD(REAL, Bedf_oc_temp, "Bedf_oc_temp") \
    FIELD(REAL, DOCH2o, "DOCH2o") \
    FIELD(REAL, DOCH2o_temp, "DOCH2o_temp") \
    FIELD(REAL, DOCBed, "DOCBed") \
    FIELD(REAL, DOCBed_temp, "DOCBed_temp") \
    ARRAY3(REAL, Khm) \
    ARRAY3(REAL, Korg) \
    ARRAY3(REAL, MolecularDiffusivity) \
    ARRAY3(REAL, MolecularDiffusivity_temp) \
    ARRAY3(REAL, HMMolecularDiffusivity) \
    ARRAY3(REAL, HMMolecularDiffusivity_temp) \
    FIELD(REAL, WindSpeed, "WindSpeed") \
    FIELD(REAL, WindSpeed_temp, "WindSpeed_temp") \
    ARRAY3(REAL, Kow) \
    ARRAY3(REAL, Kow_temp) \
    ARRAY3(REAL, Henry) \
    ARRAY3(REAL, Henry_temp) \
    ARRAY3(REAL, Tau) \
    ARRAY3(REAL, Tau_temp) \
    FIELD(INT, called_by_contam_group, "called_by_contam_group") \
    FIELD(INT, DisplayedRhoB, "DisplayedRhoB") \
    FIELD(INT, NeedToDisplayRhoB, "NeedToDisplayRhoB") \
    FIELD(INT, checked_kvInput, "checked_kvInput") \
    FIELD(INT, checked_kvInput_temp, "checked_kvInput_temp") \
    FIELD(INT, checked_KdsInput, "checked_KdsInput") \
    FIELD(INT, checked_KdsInput_temp, "checked_KdsInput_temp") \
    FIELD(INT, checked_KdwInput, "checked_KdwInput") \
    FIELD(INT, checked_KdwInput_temp, "checked_KdwInput_temp") \
    FIELD(INT, checked_kvCalc, "checked_kvCalc") \
    FIELD(INT, checked_kvCalc_temp, "checked_kvCalc_temp") \
    FIELD(INT, checked_KdsCalc, "checked_KdsCalc") \
    FIELD(INT, checked_KdsCalc_temp, "checked_KdsCalc_temp") \
    FIELD(INT, checked_KdwCalc, "checked_KdwCalc") \
    FIELD(INT, checked_KdwCalc_temp, "checked_KdwCalc_temp") \
    FIELD(INT, checked_HMKdwInput, "checked_HMKdwInput") \
    FIELD(INT, checked_HMKdwInput_temp, "checked_HMKdwInput_temp") \
    FIELD(INT, checked_HMKdwCalc, "checked_HMKdwCalc") \
    FIELD(INT, checked_HMKdwCalc_temp, "checked_HMKdwCalc_temp") \
    FIELD(INT, HM_called, "HM_called") \
    FIELD(INT, DisplayBoth, "DisplayBoth") \
    FIELD(INT, TauAccepted, "TauAccepted") \
    FIELD(INT, RemAccepted, "RemAccepted") \
    ARRAY3(REAL, kd) \
    ARRAY3(REAL, kd_temp) \
    ARRAY3(REAL, kv) \
    ARRAY3(REAL, kv_temp) \
    ARRAY3(REAL, kdb) \
    ARRAY3(REAL, kdb_temp) \
    ARRAY3(REAL, MW) \
    ARRAY3(REAL, MW_temp) \
    FIELD(INT, NumOC_SLR, "NumOC_SLR") \
    FIELD(INT, NumOC_SLR_temp, "NumOC_SLR_temp") \
    FIELD(INT, NumHM_LLR, "NumHM_LLR") \
    FIELD(INT, NumHM_LLR_temp, "NumHM_LLR_temp") \
    FIELD(NAME, TauCompName1, "TauCompName1") \
    FIELD(NAME, TauCompName1_temp, "TauCompName1_temp") \
    FIELD(NAME, TauCompName2, "TauCompName2") \
    FIELD(NAME, TauCompName2_temp, "TauCompName2_temp") \
    FIELD(NAME, TauCompName3, "TauCompName3") \
    FIELD(NAME, TauCompName3_temp, "TauCompName3_temp") \
    FIELD(NAME, HMName1, "HMName1") \
    FIELD(NAME, HMName1_temp, "HMName1_temp") \
    FIELD(NAME, HMName2, "HMName2") \
    FIELD(NAME, HMName2_temp, "HMName2_temp") \
    FIELD(NAME, HMName3, "HMName3") \
    FIELD(NAME, HMName3_temp, "HMName3_temp") \
    FIELD(REAL, temp_check, "temp_check") \
    FIELD(REAL, mean_vel_check, "mean_vel_check") \
    FIELD(REAL, mean_vel_cms, "mean_vel_cms") \
    FIELD(REAL, mean_vel_cms_temp, "mean_vel_cms_temp") \
    ARRAY3(REAL, ConVd) \
    ARRAY3(REAL, ConVd_temp) \
    ARRAY3(REAL, HMVd) \
    ARRAY3(REAL, HMVd_temp) \
    FIELD(INT, recalc_convd1, "recalc_convd1") \
    FIELD(INT, recalc_convd2, "recalc_convd2") \
    FIELD(INT, recalc_convd3, "recalc_convd3") \
    FIELD(INT, recalc_hmvd1, "recalc_hmvd1") \
    FIELD(INT, recalc_hmvd2, "recalc_hmvd2") \
    FIELD(INT, recalc_hmvd3, "recalc_hmvd3") \
    FIELD(INT, called_by_mult_window_close, "called_by_mult_window_close") \
    FIELD(INT, Vb_entered_MP, "Vb_entered_MP") \
    FIELD(INT, Vb_entered_MC, "Vb_entered_MC") \
    FIELD(INT, Vb_entered_MTC, "Vb_entered_MTC") \
    FIELD(INT, Vs_entered_MP, "Vs_entered_MP") \
    FIELD(INT, Vs_entered_MC, "Vs_entered_MC") \
    FIELD(INT, Vs_entered_MTC, "Vs_entered_MTC") \
    FIELD(INT, ARhoB_entered_MP, "ARhoB_entered_MP") \
    FIELD(INT, ARhoB_entered_MC, "ARhoB_entered_MC") \
    FIELD(INT, ARhoB_entered_MTC, "ARhoB_entered_MTC") \
    FIELD(INT, SSConc_entered_MP, "SSConc_entered_MP") \
    FIELD(INT, SSConc_entered_MC, "SSConc_entered_MC") \
    FIELD(INT, APhi_entered_MP, "APhi_entered_MP") \
    FIELD(INT, APhi_entered_MC, "APhi_entered_MC") \
    FIELD(INT, APhi_entered_MTC, "APhi_entered_MTC") \
    FIELD(INT, PD_entered_MP, "PD_entered_MP") \
    FIELD(INT, PD_entered_MC, "PD_entered_MC") \
    FIELD(INT, PD_entered_MTC, "PD_entered_MTC") \
    FIELD(INT, SG_entered_MP, "SG_entered_MP") \
    FIELD(INT, SG_entered_MC, "SG_entered_MC") \
    FIELD(INT, SG_entered_MTC, "SG_entered_MTC") \
    FIELD(INT, DSD_entered_MP, "DSD_entered_MP") \
    FIELD(INT, DSD_entered_MC, "DSD_entered_MC") \
    FIELD(INT, DSD_entered_MTC, "DSD_entered_MTC") \
    FIELD(INT, tp_current, "tp_current") \
    FIELD(INT, contam_current, "contam_current") \
    FIELD(INT, ALT_entered_MC, "ALT_entered_MC") \
    FIELD(INT, ActiveLayerThickness_entered, "ActiveLayerThickness_entered") \
    ARRAY3(REAL, ConMD) \
    ARRAY3(REAL, HMMD) \
    FIELD(INT, Vb_entered_temp, "Vb_entered_temp") \
    FIELD(INT, Vs_entered_temp, "Vs_entered_temp") \
    AGAIN(INT, SSConc_entered_temp, "SSConc_entered_temp") \
    AGAIN(INT, SG_entered_temp, "SG_entered_temp") \
    AGAIN(INT, PD_entered_temp, "PD_entered_temp") \
    AGAIN(INT, APhi_entered_temp, "APhi_entered_temp") \
    AGAIN(INT, DSD_entered_temp, "DSD_entered_temp") \
    FIELD(INT, Vb_entered_MT, "Vb_entered_MT") \
    FIELD(INT, Vs_entered_MT, "Vs_entered_MT") \
    FIELD(INT, ARhoB_entered_MT, "ARhoB_entered_MT") \
    FIELD(INT, APhi_entered_MT, "APhi_entered_MT") \
    FIELD(INT, DSD_entered_MT, "DSD_entered_MT") \
    FIELD(INT, PD_entered_MT, "PD_entered_MT") \
    FIELD(INT, SG_entered_MT, "SG_entered_MT") \
    FIELD(INT, TSS_entered_Vs, "TSS_entered_Vs") \
    FIELD(INT, TSS_entered_Vb, "TSS_entered_Vb") \
    FIELD(INT, TSS_entered_PD, "TSS_entered_PD") \
    FIELD(INT, TSS_entered_SG, "TSS_entered_SG") \
    FIELD(INT, TSS_entered_SSConc, "TSS_entered_SSConc") \
    FIELD(INT, TSS_entered_Va, "TSS_entered_Va") \
    FIELD(INT, TSS_entered_SRhoB, "TSS_entered_SRhoB") \
    FIELD(INT, TSS_entered_SPhi, "TSS_entered_SPhi") \
    FIELD(INT, TSS_entered_ARhoB, "TSS_entered_ARhoB") \
    FIELD(INT, TSS_entered_APhi, "TSS_entered_APhi") \
    FIELD(INT, TSS_entered_DSD, "TSS_entered_DSD") \
    FIELD(INT, NothingToDo, "NothingToDo") \
    FIELD(INT, NothingToDoInRhoBC, "NothingToDoInRhoBC") \
    FIELD(INT, NothingToDoInDPC, "NothingToDoInDPC") \
    FIELD(INT, PhosRemSpec, "PhosRemSpec") \
    FIELD(INT, PhosRemSpec_temp, "PhosRemSpec_temp") \
    FIELD(INT, PhosremCalc, "PhosremCalc") \
    FIELD(INT, PhosRemCalc_temp, "PhosRemCalc_temp") \
    FIELD(REAL, PhosRemRateAB, "PhosRemRateAB") \
    FIELD(REAL, PhosRemRateAB_temp, "PhosRemRateAB_temp") \
    FIELD(REAL, PhosRemRateVB, "PhosRemRateVB") \
    FIELD(REAL, PhosRemRateVB_temp, "PhosRemRateVB_temp") \
    FIELD(INT, check_Ktp, "check_Ktp") \
    FIELD(INT, check_Ktp_temp, "check_Ktp_temp") \
    FIELD(INT, check_Vtp, "check_Vtp") \
    FIELD(INT, check_Vtp_temp, "check_Vtp_temp") \
    FIELD(INT, called_by_phos_RR_selection, "called_by_phos_RR_selection") \
    FIELD(INT, called_by_TN_RR_selection, "called_by_TN_RR_selection") \
    FIELD(INT, checked_KtnAreal, "checked_KtnAreal") \
    FIELD(INT, checked_KtnAreal_temp, "checked_KtnAreal_temp") \
    FIELD(INT, checked_KtnVolumetric, "checked_KtnVolumetric") \
    FIELD(INT, checked_KtnVolumetric_temp, "checked_KtnVolumetric_temp") \
    FIELD(INT, checked_TSSGenOutConc, "checked_TSSGenOutConc") \
    FIELD(INT, checked_TSSGenOutConc_temp, "checked_TSSGenOutConc_temp") \
    FIELD(INT, checked_TCBGenOutConc, "checked_TCBGenOutConc") \
    FIELD(INT, checked_TCBGenOutConc_temp, "checked_TCBGenOutConc_temp") \
    FIELD(INT, checked_BODGenOutConc, "checked_BODGenOutConc") \
    FIELD(INT, checked_BODGenOutConc_temp, "checked_BODGenOutConc_temp") \
    FIELD(INT, checked_TNGenOutConc, "checked_TNGenOutConc") \
    FIELD(INT, checked_TNGenOutConc_temp, "checked_TNGenOutConc_temp") \
    FIELD(INT, checked_TPGenOutConc, "checked_TPGenOutConc") \
    FIELD(INT, checked_TPGenOutConc_temp, "checked_TPGenOutConc_temp") \
    FIELD(INT, checked_Contam1OutConc, "checked_Contam1OutConc") \
    FIELD(INT, checked_Contam1OutConc_temp, "checked_Contam1OutConc_temp") \
    FIELD(INT, checked_Contam2OutConc, "checked_Contam2OutConc") \
    FIELD(INT, checked_Contam2OutConc_temp, "checked_Contam2OutConc_temp") \
    FIELD(INT, checked_Contam3OutConc, "checked_Contam3OutConc") \
    FIELD(INT, checked_Contam3OutConc_temp, "checked_Contam3OutConc_temp") \
    FIELD(INT, checked_HM1OutConc, "checked_HM1OutConc") \
    FIELD(INT, checked_HM1OutConc_temp, "checked_HM1OutConc_temp") \
    FIELD(INT, checked_HM2OutConc, "checked_HM2OutConc") \
    FIELD(INT, checked_HM2OutConc_temp, "checked_HM2OutConc_temp") \
    FIELD(INT, checked_HM3OutConc, "checked_HM3OutConc") \
    FIELD(INT, checked_HM3OutConc_temp, "checked_HM3OutConc_temp") \
    FIELD(REAL, TSSinConc, "TSSinConc") \
    FIELD(REAL, TSSinConc_temp, "TSSinConc_temp") \
    FIELD(REAL, TCBinConc, "TCBinConc") \
    FIELD(REAL, TCBinConc_temp, "TCBinConc_temp") \
    FIELD(REAL, BODinConc, "BODinConc") \
    FIELD(REAL, BODinConc_temp, "BODinConc_temp") \
    FIELD(REAL, TNinConc, "TNinConc") \
    FIELD(REAL, TNinConc_temp, "TNinConc_temp") \
    FIELD(REAL, TPinConc, "TPinConc") \
    FIELD(REAL, TPinConc_temp, "TPinConc_temp") \
    FIELD(REAL, ContamInConc1, "ContamInConc1") \
    FIELD(REAL, ContamInConc1_temp, "ContamInConc1_temp") \
    FIELD(REAL, ContamInConc2, "ContamInConc2") \
    FIELD(REAL, ContamInConc2_temp, "ContamInConc2_temp") \
    FIELD(REAL, ContamInConc3, "ContamInConc3") \
    FIELD(REAL, ContamInConc3_temp, "ContamInConc3_temp") \
    FIELD(REAL, HMInConc1, "HMInConc1") \
    FIELD(REAL, HMInConc1_temp, "HMInConc1_temp") \
    FIELD(REAL, HMInConc2, "HMInConc2") \
    FIELD(REAL, HMInConc2_temp, "HMInConc2_temp") \
    FIELD(REAL, HMInConc3, "HMInConc3") \
    FIELD(REAL, HMInConc3_temp, "HMInConc3_temp") \
    FIELD(INT, called_by_added_close, "called_by_added_close") \
    FIELD(INT, checked_fi1, "checked_fi1") \
    FIELD(INT, checked_fi2, "checked_fi2") \
    FIELD(INT, checked_fi3, "checked_fi3") \
    FIELD(INT, checked_fo1, "checked_fo1") \
    FIELD(INT, checked_fo2, "checked_fo2") \
    FIELD(INT, checked_fo3, "checked_fo3") \
    AGAIN(REAL, f_o, "f_o") \
    AGAIN(REAL, f_o_temp, "f_o_temp") \
    FIELD(INT, checked_fdw, "checked_fdw")
// clang-format on
