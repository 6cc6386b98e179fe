// The project's fields, in the order of the project data file, with their defaults.
//
// This is the single list from which the record, the 600-entry file table, the field-by-name
// lookup and every reset of the record are made. Each line gives the kind (INT, REAL, NAME),
// the C++ identifier and, for scalars, the label under which the file stores the field:
//   FIELD(kind, id, label, value, group)  a field, declared here and stored at this position;
//   ARRAY3(kind, id, value, group)        a three-slot array, stored as "id[0]", "id[1]",
//                                         "id[2]"; the value goes to every slot;
//   ARRAY7(kind, id, value, group)        the seven-element array Y, "Y[0]" ... "Y[6]";
//   AGAIN(kind, id, label)                a field declared earlier, stored once more here.
// Readers match entries by position only, so this order is the file format.
//
// The group says when a field receives its value:
//   Reset        its default, given by ResetToDefaults (New, Open, start-up, Reset Defaults);
//   System       a default that is also one of the start-up system values, which the geometry
//                selection screen stores again on its own (ApplySystemDefaults);
//   TP           a total phosphorus default, also put back on its own (ApplyTPDefaults);
//   Contaminant  a contaminant default, also put back on its own (ApplyContaminantDefaults);
//   Start        no default: the value is set once, when the program starts, and no reset
//                touches the field again (results of the last run, fields the screens derive);
//   Entry        no default either: ClearEntryState sets the value and ResetToDefaults leaves
//                it, so a Reset Defaults keeps what the user typed.
// A value may be any expression that record.cpp can evaluate. A committed value and its
// working copy have the same group and, where they have one, the same default.
#pragma once

// clang-format off
#define VELMAR_PROJECT_ENTRIES(FIELD, ARRAY3, ARRAY7, AGAIN) \
    FIELD(INT, System_Properties_Selection_Made, "System Properties Selection Made", 0, Reset) \
    FIELD(INT, System_Properties_Entered, "System Properties Entered", 0, Reset) \
    FIELD(INT, model_tss, "model_tss", 0, Reset) \
    FIELD(INT, model_tss_temp, "model_tss_temp", 0, Reset) \
    FIELD(INT, model_tcb, "model_tcb", 0, Reset) \
    FIELD(INT, model_tcb_temp, "model_tcb_temp", 0, Reset) \
    FIELD(INT, model_bod, "model_bod", 0, Reset) \
    FIELD(INT, model_bod_temp, "model_bod_temp", 0, Reset) \
    FIELD(INT, model_n, "model_n", 0, Reset) \
    FIELD(INT, model_n_temp, "model_n_temp", 0, Reset) \
    FIELD(INT, model_p, "model_p", 0, Reset) \
    FIELD(INT, model_p_temp, "model_p_temp", 0, Reset) \
    FIELD(INT, model_contaminant, "model_contaminant", 0, Reset) \
    FIELD(INT, model_contaminant_temp, "model_contaminant_temp", 0, Reset) \
    FIELD(INT, print_possible, "print_possible", 0, Reset) \
    FIELD(INT, checked_VrNeg, "checked_VrNeg", 0, Reset) \
    FIELD(INT, checked_VrNeg_temp, "checked_VrNeg_temp", 0, Reset) \
    FIELD(INT, checked_SSConc, "checked_SSConc", 0, Reset) \
    FIELD(INT, checked_SSconc_temp, "checked_SSconc_temp", 0, Reset) \
    FIELD(INT, checked_Vs, "checked_Vs", 1, Reset) \
    FIELD(INT, checked_Vs_temp, "checked_Vs_temp", 1, Reset) \
    FIELD(INT, checked_PartDiam, "checked_PartDiam", 0, Reset) \
    FIELD(INT, checked_PartDiam_temp, "checked_PartDiam_temp", 0, Reset) \
    FIELD(INT, checked_SG, "checked_SG", 0, Reset) \
    FIELD(INT, checked_SG_temp, "checked_SG_temp", 0, Reset) \
    FIELD(INT, checked_AVb, "checked_AVb", 0, Reset) \
    FIELD(INT, checked_AVb_temp, "checked_AVb_temp", 0, Reset) \
    FIELD(INT, checked_ARhoB, "checked_ARhoB", 0, Reset) \
    FIELD(INT, checked_ARhoB_temp, "checked_ARhoB_temp", 0, Reset) \
    FIELD(INT, checked_APhi, "checked_APhi", 0, Reset) \
    FIELD(INT, checked_APhi_temp, "checked_APhi_temp", 0, Reset) \
    FIELD(INT, checked_SAcc, "checked_SAcc", 0, Reset) \
    FIELD(INT, checked_SAcc_temp, "checked_SAcc_temp", 0, Reset) \
    FIELD(INT, checked_SRhoB, "checked_SRhoB", 0, Reset) \
    FIELD(INT, checked_SRhoB_temp, "checked_SRhoB_temp", 0, Reset) \
    FIELD(INT, checked_SPhi, "checked_SPhi", 0, Reset) \
    FIELD(INT, checked_SPhi_temp, "checked_SPhi_temp", 0, Reset) \
    FIELD(INT, checked_DRhoS, "checked_DRhoS", 0, Reset) \
    FIELD(INT, checked_Option1, "checked_Option1", 1, Reset) \
    FIELD(INT, checked_Option1_temp, "checked_Option1_temp", 1, Reset) \
    FIELD(INT, checked_Option2, "checked_Option2", 0, Reset) \
    FIELD(INT, checked_Option2_temp, "checked_Option2_temp", 0, Reset) \
    FIELD(INT, checked_Option3, "checked_Option3", 0, Reset) \
    FIELD(INT, checked_Option3_temp, "checked_Option3_temp", 0, Reset) \
    FIELD(INT, checked_Opt1Input, "checked_Opt1Input", 1, Reset) \
    FIELD(INT, checked_Opt1Input_temp, "checked_Opt1Input_temp", 1, Reset) \
    FIELD(INT, checked_Opt1Calc, "checked_Opt1Calc", 0, Reset) \
    FIELD(INT, checked_Opt1Calc_temp, "checked_Opt1Calc_temp", 0, Reset) \
    FIELD(INT, checked_Opt2Input, "checked_Opt2Input", 0, Reset) \
    FIELD(INT, checked_Opt2Input_temp, "checked_Opt2Input_temp", 0, Reset) \
    FIELD(INT, checked_Opt2Calc, "checked_Opt2Calc", 0, Reset) \
    FIELD(INT, checked_Opt2Calc_temp, "checked_Opt2Calc_temp", 0, Reset) \
    FIELD(INT, checked_Opt3Input, "checked_Opt3Input", 0, Reset) \
    FIELD(INT, checked_Opt3Input_temp, "checked_Opt3Input_temp", 0, Reset) \
    FIELD(INT, checked_Opt3Calc, "checked_Opt3Calc", 0, Reset) \
    FIELD(INT, checked_Opt3Calc_temp, "checked_Opt3Calc_temp", 0, Reset) \
    FIELD(INT, option_entered_prior, "option_entered_prior", 0, Reset) \
    FIELD(INT, checked_DRhoS_temp, "checked_DRhoS_temp", 0, Reset) \
    FIELD(INT, checked_Ktn, "checked_Ktn", 1, Reset) \
    FIELD(INT, checked_Ktn_temp, "checked_Ktn_temp", 1, Reset) \
    FIELD(INT, checked_Kdn, "checked_Kdn", 0, Reset) \
    FIELD(INT, checked_Kdn_temp, "checked_Kdn_temp", 0, Reset) \
    FIELD(INT, checked_phos_new, "checked_phos_new", 0, TP) \
    FIELD(INT, checked_phos_new_temp, "checked_phos_new_temp", 0, TP) \
    FIELD(INT, checked_phos_estab, "checked_phos_estab", 1, TP) \
    FIELD(INT, checked_phos_estab_temp, "checked_phos_estab_temp", 1, TP) \
    FIELD(INT, checked_phos_deter, "checked_phos_deter", 0, TP) \
    FIELD(INT, checked_phos_deter_temp, "checked_phos_deter_temp", 0, TP) \
    FIELD(INT, UserSelectedTPLoad, "UserSelectedTPLoad", 1, TP) \
    FIELD(INT, UserSelectedTPLoad_temp, "UserSelectedTPLoad_temp", 1, TP) \
    FIELD(INT, checked_fi, "checked_fi", 0, TP) \
    FIELD(INT, checked_fi_temp, "checked_fi_temp", 0, TP) \
    FIELD(INT, checked_Kdw, "checked_Kdw", 0, TP) \
    FIELD(INT, checked_Kdw_temp, "checked_Kdw_temp", 0, TP) \
    FIELD(INT, checked_Fpw, "checked_Fpw", 0, TP) \
    FIELD(INT, checked_Fpw_temp, "checked_Fpw_temp", 0, TP) \
    FIELD(INT, checked_fpw_l, "checked_fpw_l", 0, TP) \
    FIELD(INT, checked_fpw_l_temp, "checked_fpw_l_temp", 0, TP) \
    FIELD(INT, UserCheckedLoad, "UserCheckedLoad", 0, TP) \
    FIELD(INT, UserCheckedLoad_temp, "UserCheckedLoad_temp", 0, TP) \
    FIELD(INT, UserCheckedQiCi, "UserCheckedQiCi", 0, TP) \
    FIELD(INT, UserCheckedQiCi_temp, "UserCheckedQiCi_temp", 0, TP) \
    FIELD(INT, FooledByAccept, "FooledByAccept", 0, TP) \
    FIELD(INT, OkToModelTP, "OkToModelTP", 0, TP) \
    FIELD(INT, nu_m_entered, "nu_m_entered", 0, TP) \
    FIELD(INT, TPLoad_entered, "TPLoad_entered", 0, TP) \
    FIELD(INT, m_entered, "m_entered", 0, TP) \
    FIELD(INT, QiCi_entered, "QiCi_entered", 0, TP) \
    FIELD(INT, fi_entered, "fi_entered", 0, TP) \
    FIELD(INT, UserMustEnterTSS, "UserMustEnterTSS", 0, Reset) \
    FIELD(INT, UserEnteredTSS, "UserEnteredTSS", 0, Reset) \
    FIELD(INT, UserEnterActiveLayerThick, "UserEnterActiveLayerThick", 0, TP) \
    FIELD(INT, called_by_component_selection, "called_by_component_selection", 0, Reset) \
    FIELD(INT, called_by_grad_selection, "called_by_grad_selection", 0, Reset) \
    FIELD(INT, called_by_known_selection, "called_by_known_selection", 0, Reset) \
    FIELD(INT, called_by_double_window_close, "called_by_double_window_close", 0, Reset) \
    FIELD(INT, called_by_triple_window_close, "called_by_triple_window_close", 0, Reset) \
    FIELD(INT, called_by_phos_selection, "called_by_phos_selection", 0, Reset) \
    FIELD(INT, called_by_quad_window_close, "called_by_quad_window_close", 0, Reset) \
    FIELD(INT, called_by_TP_load_selection, "called_by_TP_load_selection", 0, Reset) \
    FIELD(INT, called_by_TPNew_selection, "called_by_TPNew_selection", 0, Reset) \
    FIELD(INT, matrix_flag, "matrix_flag", 0, Reset) \
    FIELD(INT, checked_Volume, "checked_Volume", 0, Reset) \
    FIELD(INT, checked_Volume_temp, "checked_Volume_temp", 0, Reset) \
    FIELD(INT, checked_Area, "checked_Area", 0, Reset) \
    FIELD(INT, checked_Area_temp, "checked_Area_temp", 0, Reset) \
    FIELD(INT, checked_Depth, "checked_Depth", 0, Reset) \
    FIELD(INT, checked_Depth_temp, "checked_Depth_temp", 0, Reset) \
    FIELD(INT, checked_Length, "checked_Length", 0, Reset) \
    FIELD(INT, checked_Length_temp, "checked_Length_temp", 0, Reset) \
    FIELD(INT, checked_Width, "checked_Width", 0, Reset) \
    FIELD(INT, checked_Width_temp, "checked_Width_temp", 0, Reset) \
    FIELD(INT, checked_contam_tau, "checked_contam_tau", 1, Contaminant) \
    FIELD(INT, checked_contam_tau_temp, "checked_contam_tau_temp", 1, Contaminant) \
    FIELD(INT, checked_contam_removal, "checked_contam_removal", 0, Contaminant) \
    FIELD(INT, checked_contam_removal_temp, "checked_contam_removal_temp", 0, Contaminant) \
    FIELD(INT, reset_here, "reset_here", 0, Reset) \
    FIELD(INT, select_ARhoB, "select_ARhoB", 0, Reset) \
    FIELD(INT, PandCScreenAccepted, "PandCScreenAccepted", 0, Reset) \
    FIELD(INT, NeedToDisplayVrVD, "NeedToDisplayVrVD", 1, Reset) \
    FIELD(INT, Vb_entered, "Vb_entered", 0, Reset) \
    FIELD(INT, Vs_entered, "Vs_entered", 0, Reset) \
    FIELD(INT, checked_RhoBInput, "checked_RhoBInput", 1, Reset) \
    FIELD(INT, checked_RhoBInput_temp, "checked_RhoBInput_temp", 1, Reset) \
    FIELD(INT, checked_RhoBCalc, "checked_RhoBCalc", 0, Reset) \
    FIELD(INT, checked_RhoBCalc_temp, "checked_RhoBCalc_temp", 0, Reset) \
    FIELD(INT, checked_VsInput, "checked_VsInput", 1, Reset) \
    FIELD(INT, checked_VsInput_temp, "checked_VsInput_temp", 1, Reset) \
    FIELD(INT, checked_VsCalc, "checked_VsCalc", 0, Reset) \
    FIELD(INT, checked_VsCalc_temp, "checked_VsCalc_temp", 0, Reset) \
    FIELD(INT, SSConc_entered, "SSConc_entered", 0, Reset) \
    FIELD(INT, SSConc_entered_temp, "SSConc_entered_temp", 0, Reset) \
    FIELD(INT, DSD_entered, "DSD_entered", 0, Reset) \
    FIELD(INT, DSD_entered_temp, "DSD_entered_temp", 0, Reset) \
    FIELD(INT, PD_entered, "PD_entered", 0, Reset) \
    FIELD(INT, PD_entered_temp, "PD_entered_temp", 0, Reset) \
    FIELD(INT, SG_entered, "SG_entered", 0, Reset) \
    FIELD(INT, SG_entered_temp, "SG_entered_temp", 0, Reset) \
    FIELD(INT, APhi_entered, "APhi_entered", 0, Reset) \
    FIELD(INT, APhi_entered_temp, "APhi_entered_temp", 0, Reset) \
    FIELD(INT, called_by_option_selection, "called_by_option_selection", 0, Reset) \
    FIELD(INT, ARhoB_known, "ARhoB_known", 0, Reset) \
    FIELD(INT, ARhoB_known_temp, "ARhoB_known_temp", 0, Reset) \
    FIELD(INT, InputARhoB, "InputARhoB", 1, Reset) \
    FIELD(INT, InputARhoB_temp, "InputARhoB_temp", 1, Reset) \
    FIELD(INT, DisplayedVolCoeff, "DisplayedVolCoeff", 0, Contaminant) \
    FIELD(INT, ARhoB_entered, "ARhoB_entered", 0, Reset) \
    FIELD(INT, VAH_Entered, "VAH_Entered", 0, Reset) \
    FIELD(INT, called_by_VAH_selection, "called_by_VAH_selection", 0, Reset) \
    FIELD(INT, start_up_with_defaults, "start_up_with_defaults", 0, Reset) \
    FIELD(INT, area_entered, "area_entered", 0, Reset) \
    FIELD(INT, volume_entered, "volume_entered", 0, Reset) \
    FIELD(INT, depth_entered, "depth_entered", 0, Reset) \
    FIELD(INT, length_entered, "length_entered", 0, Entry) \
    FIELD(INT, width_entered, "width_entered", 0, Entry) \
    FIELD(INT, mixed_clac_re, "mixed_clac_re", 0, Reset) \
    FIELD(INT, longitudinal_calc_re, "longitudinal_calc_re", 1, Reset) \
    FIELD(INT, RE_Viewed_By_User, "RE_Viewed_By_User", 0, Reset) \
    FIELD(INT, update_tss, "update_tss", 0, Reset) \
    FIELD(INT, update_tcb, "update_tcb", 0, Reset) \
    FIELD(INT, update_bod, "update_bod", 0, Reset) \
    FIELD(INT, update_n, "update_n", 0, Reset) \
    FIELD(INT, update_p, "update_p", 0, Reset) \
    FIELD(INT, update_contaminant, "update_contaminant", 0, Reset) \
    FIELD(INT, calculated_Vb, "calculated_Vb", 0, Reset) \
    FIELD(INT, calculated_Vs, "calculated_Vs", 0, Reset) \
    FIELD(INT, equation_to_use, "equation_to_use", 1, Reset) \
    FIELD(INT, valid, "valid", 0, Start) \
    FIELD(REAL, detention_time, "detention_time", 0, Start) \
    FIELD(REAL, detention_time_temp, "detention_time_temp", 0, Start) \
    FIELD(REAL, length, "length", 2000, System) \
    FIELD(REAL, length_temp, "length_temp", 2000, System) \
    FIELD(REAL, width, "width", 500, System) \
    FIELD(REAL, width_temp, "width_temp", 500, System) \
    FIELD(REAL, volume, "volume", 1000000, System) \
    FIELD(REAL, volume_temp, "volume_temp", 1000000, System) \
    FIELD(REAL, area, "area", 1000000, System) \
    FIELD(REAL, area_temp, "area_temp", 1000000, System) \
    FIELD(REAL, flow, "flow", 1, System) \
    FIELD(REAL, flow_temp, "flow_temp", 1, System) \
    FIELD(REAL, depth, "depth", kDefaultDepth, System) \
    FIELD(REAL, depth_temp, "depth_temp", kDefaultDepth, System) \
    FIELD(REAL, calc_re, "calc_re", 0, Start) \
    FIELD(REAL, temperature, "temperature", 20, System) \
    FIELD(REAL, temperature_temp, "temperature_temp", 20, System) \
    FIELD(REAL, tss_net_settling, "tss_net_settling", 0, Start) \
    FIELD(REAL, tcb_decay_rate, "tcb_decay_rate", 0, Start) \
    FIELD(REAL, tcb_decay_rate20, "tcb_decay_rate20", 0.8, Reset) \
    FIELD(REAL, tcb_decay_rate20_temp, "tcb_decay_rate20_temp", 0.8, Reset) \
    FIELD(REAL, bod_decay_rate, "bod_decay_rate", 0, Start) \
    FIELD(REAL, bod_decay_rate20, "bod_decay_rate20", BodDecayRateForDepth(kDefaultDepth), Reset) \
    FIELD(REAL, bod_decay_rate20_temp, "bod_decay_rate20_temp", BodDecayRateForDepth(kDefaultDepth), Reset) \
    FIELD(REAL, tn_decay_rate, "tn_decay_rate", 0, Start) \
    FIELD(REAL, Ktn, "Ktn", 0.05, Reset) \
    FIELD(REAL, Ktn_temp, "Ktn_temp", 0.05, Reset) \
    FIELD(REAL, No3_TN_Ratio, "No3_TN_Ratio", 0.5, Reset) \
    FIELD(REAL, No3_TN_Ratio_temp, "No3_TN_Ratio_temp", 0.5, Reset) \
    FIELD(REAL, Kdn, "Kdn", 0.2, Reset) \
    FIELD(REAL, Kdn_temp, "Kdn_temp", 0.2, Reset) \
    FIELD(REAL, mean_velocity, "mean_velocity", 0, Start) \
    FIELD(REAL, mean_velocity_temp, "mean_velocity_temp", 0, Start) \
    FIELD(REAL, RatioLoW, "RatioLoW", 0, Start) \
    FIELD(REAL, HydResidenceTime, "HydResidenceTime", 0, Start) \
    FIELD(REAL, HydResidenceTime_temp, "HydResidenceTime_temp", 0, Start) \
    AGAIN(REAL, Ktn_temp, "Ktn_temp") \
    FIELD(REAL, big_volume, "big_volume", 0, Start) \
    FIELD(REAL, big_volume_temp, "big_volume_temp", 1, Start) \
    FIELD(REAL, big_area, "big_area", 0, Start) \
    FIELD(REAL, big_area_temp, "big_area_temp", 1, Start) \
    FIELD(REAL, big_depth, "big_depth", 0, Start) \
    FIELD(REAL, big_depth_temp, "big_depth_temp", 1, Start) \
    FIELD(REAL, big_length, "big_length", 0, Start) \
    FIELD(REAL, big_length_temp, "big_length_temp", 1, Start) \
    FIELD(REAL, big_width, "big_width", 0, Start) \
    FIELD(REAL, big_width_temp, "big_width_temp", 1, Start) \
    FIELD(REAL, theta_tcb, "theta_tcb", 1.07, Reset) \
    FIELD(REAL, theta_tcb_temp, "theta_tcb_temp", 1.07, Reset) \
    FIELD(REAL, theta_bod, "theta_bod", 1.047, Reset) \
    FIELD(REAL, theta_bod_temp, "theta_bod_temp", 1.047, Reset) \
    FIELD(REAL, theta_tn, "theta_tn", 1.045, Reset) \
    FIELD(REAL, theta_tn_temp, "theta_tn_temp", 1.045, Reset) \
    FIELD(REAL, tn_decay_rate20, "tn_decay_rate20", 0.05, Reset) \
    FIELD(REAL, tn_decay_rate20_temp, "tn_decay_rate20_temp", 0.05, Reset) \
    FIELD(REAL, TSS_removal_rate, "TSS removal rate", 0, Start) \
    FIELD(REAL, Vb, "Vb", 4.7e-6, Reset) \
    FIELD(REAL, Vb_temp, "Vb_temp", 4.7e-6, Reset) \
    FIELD(REAL, Vr, "Vr", 0, Reset) \
    FIELD(REAL, Vr_temp, "Vr_temp", 0, Reset) \
    FIELD(REAL, RhoB, "RhoB", 1130, Reset) \
    FIELD(REAL, RhoB_temp, "RhoB_temp", 1130, Reset) \
    FIELD(REAL, SSConc, "SSConc", 100, Reset) \
    FIELD(REAL, SSConc_temp, "SSConc_temp", 100, Reset) \
    FIELD(REAL, PartDiam, "PartDiam", 1, Reset) \
    FIELD(REAL, PartDiam_temp, "PartDiam_temp", 1, Reset) \
    FIELD(REAL, SG, "SG", 2.65, Reset) \
    FIELD(REAL, SG_temp, "SG_temp", 2.65, Reset) \
    FIELD(REAL, Vs, "Vs", 0.1, Reset) \
    FIELD(REAL, Vs_temp, "Vs_temp", 0.1, Reset) \
    FIELD(REAL, Vn, "Vn", 0.1, Reset) \
    FIELD(REAL, Vn_temp, "Vn_temp", 0.1, Reset) \
    FIELD(REAL, ActiveVb, "ActiveVb", 4.7e-6, Reset) \
    FIELD(REAL, ActiveVb_temp, "ActiveVb_temp", 4.7e-6, Reset) \
    FIELD(REAL, ActiveRhoB, "ActiveRhoB", 1130, Reset) \
    FIELD(REAL, ActiveRhoB_temp, "ActiveRhoB_temp", 1130, Reset) \
    FIELD(REAL, ActivePhi, "ActivePhi", 0.35, Reset) \
    FIELD(REAL, ActivePhi_temp, "ActivePhi_temp", 0.35, Reset) \
    FIELD(REAL, SurfVb, "SurfVb", 0.82, Reset) \
    FIELD(REAL, SurfVb_temp, "SurfVb_temp", 0.82, Reset) \
    FIELD(REAL, SurfRhoB, "SurfRhoB", 236, Reset) \
    FIELD(REAL, SurfRhoB_temp, "SurfRhoB_temp", 236, Reset) \
    FIELD(REAL, SurfPhi, "SurfPhi", 0.9, Reset) \
    FIELD(REAL, SurfPhi_temp, "SurfPhi_temp", 0.9, Reset) \
    FIELD(REAL, DrySedDensity, "DrySedDensity", 2360, Reset) \
    FIELD(REAL, DrySedDensity_temp, "DrySedDensity_temp", 2360, Reset) \
    FIELD(REAL, Vd, "Vd", 0, Start) \
    FIELD(REAL, Vd_temp, "Vd_temp", 0, Start) \
    FIELD(REAL, ComputedWetlandAge, "ComputedWetlandAge", 0, Start) \
    FIELD(REAL, ActiveLayerThickness, "ActiveLayerThickness", 10, TP) \
    FIELD(REAL, ActiveLayerThickness_temp, "ActiveLayerThickness_temp", 10, TP) \
    FIELD(REAL, ActiveLayerBulkDensity, "ActiveLayerBulkDensity", 1130, TP) \
    FIELD(REAL, ActiveLayerBulkDensity_temp, "ActiveLayerBulkDensity_temp", 1130, TP) \
    FIELD(REAL, MaximumPSorptionCapacity, "MaximumPSorptionCapacity", 1, TP) \
    FIELD(REAL, MaximumPSorptionCapacity_temp, "MaximumPSorptionCapacity_temp", 1, TP) \
    FIELD(REAL, YearlyTPLoading, "YearlyTPLoading", 365250, TP) \
    FIELD(REAL, YearlyTPLoading_temp, "YearlyTPLoading_temp", 365250, TP) \
    FIELD(REAL, DailyTPLoading, "DailyTPLoading", 1000, TP) \
    FIELD(REAL, DailyTPLoading_temp, "DailyTPLoading_temp", 1000, TP) \
    FIELD(REAL, UserSpecifiedWetlandAge, "UserSpecifiedWetlandAge", 1, TP) \
    FIELD(REAL, UserSpecifiedWetlandAge_temp, "UserSpecifiedWetlandAge_temp", 1, TP) \
    FIELD(REAL, YearlyTPFlow, "YearlyTPFlow", 1, TP) \
    FIELD(REAL, YearlyTPFlow_temp, "YearlyTPFlow_temp", 1, TP) \
    FIELD(REAL, InflowingTPConc, "InflowingTPConc", 1, TP) \
    FIELD(REAL, InflowingTPConc_temp, "InflowingTPConc_temp", 1, TP) \
    FIELD(REAL, bod_default_decay, "bod_default_decay", 0, Start) \
    FIELD(REAL, bod_default_temp, "bod_default_temp", 0, Start) \
    FIELD(REAL, Kdw, "Kdw", 1, TP) \
    FIELD(REAL, Kdw_temp, "Kdw_temp", 1, TP) \
    FIELD(REAL, Fpw, "Fpw", 0.5, TP) \
    FIELD(REAL, Fpw_temp, "Fpw_temp", 0.5, TP) \
    FIELD(REAL, fpw_l, "fpw_l", 0.8, TP) \
    FIELD(REAL, fpw_l_temp, "fpw_l_temp", 0.8, TP) \
    FIELD(REAL, Fdw, "Fdw", 0.5, TP) \
    FIELD(REAL, Fdw_temp, "Fdw_temp", 0.5, TP) \
    FIELD(REAL, fdw_l, "fdw_l", 0.2, TP) \
    FIELD(REAL, fdw_l_temp, "fdw_l_temp", 0.2, TP) \
    FIELD(REAL, f_o_temp, "f_o_temp", 0.5, TP) \
    FIELD(REAL, KtpH, "KtpH", 0, Start) \
    FIELD(REAL, Qi, "Qi", 0, Start) \
    FIELD(REAL, Ci, "Ci", 0, Start) \
    FIELD(REAL, C, "C", 0, Start) \
    FIELD(REAL, Cb, "Cb", 0, Start) \
    FIELD(REAL, Cd, "Cd", 0, Start) \
    FIELD(REAL, Cp, "Cp", 0, Start) \
    FIELD(REAL, Cdp, "Cdp", 0, Start) \
    FIELD(REAL, f_pw, "f_pw", 0, Start) \
    FIELD(REAL, f_dw, "f_dw", 0, Start) \
    FIELD(REAL, f_dp, "f_dp", 0, Start) \
    ARRAY7(REAL, Y, 0, Start) \
    FIELD(REAL, f_i, "f_i", 0.5, TP) \
    FIELD(REAL, f_i_temp, "f_i_temp", 0.5, TP) \
    FIELD(REAL, f_o, "f_o", 0.5, TP) \
    FIELD(REAL, f_ib, "f_ib", 0.5, TP) \
    FIELD(REAL, f_ib_temp, "f_ib_temp", 0.5, TP) \
    FIELD(REAL, bonding_energy_constant, "bonding_energy_constant", 1, TP) \
    FIELD(REAL, bonding_energy_constant_temp, "bonding_energy_constant_temp", 1, TP) \
    ARRAY3(REAL, Kds, 240, Contaminant) \
    ARRAY3(REAL, Kds_temp, 240, Contaminant) \
    ARRAY3(REAL, HMKds, 1000000, Contaminant) \
    ARRAY3(REAL, HMKds_temp, 1000000, Contaminant) \
    ARRAY3(REAL, ConKdw, 240, Contaminant) \
    ARRAY3(REAL, ConKdw_temp, 240, Contaminant) \
    ARRAY3(REAL, HMConKdw, 100000, Contaminant) \
    ARRAY3(REAL, HMConKdw_temp, 100000, Contaminant) \
    FIELD(REAL, f_oc, "f_oc", 0.02, Contaminant) \
    FIELD(REAL, f_oc_temp, "f_oc_temp", 0.02, Contaminant) \
    FIELD(REAL, Bedf_oc, "Bedf_oc", 0.02, Contaminant) \
    FIELD(REAL, Bedf_oc_temp, "Bedf_oc_temp", 0.02, Contaminant) \
    FIELD(REAL, DOCH2o, "DOCH2o", 5, Contaminant) \
    FIELD(REAL, DOCH2o_temp, "DOCH2o_temp", 5, Contaminant) \
    FIELD(REAL, DOCBed, "DOCBed", 5, Contaminant) \
    FIELD(REAL, DOCBed_temp, "DOCBed_temp", 5, Contaminant) \
    ARRAY3(REAL, Khm, 0, Start) \
    ARRAY3(REAL, Korg, 0, Start) \
    ARRAY3(REAL, MolecularDiffusivity, 4.2e-10, Contaminant) \
    ARRAY3(REAL, MolecularDiffusivity_temp, 4.2e-10, Contaminant) \
    ARRAY3(REAL, HMMolecularDiffusivity, 5.94e-10, Contaminant) \
    ARRAY3(REAL, HMMolecularDiffusivity_temp, 5.94e-10, Contaminant) \
    FIELD(REAL, WindSpeed, "WindSpeed", 5, Contaminant) \
    FIELD(REAL, WindSpeed_temp, "WindSpeed_temp", 5, Contaminant) \
    ARRAY3(REAL, Kow, 21000, Contaminant) \
    ARRAY3(REAL, Kow_temp, 21000, Contaminant) \
    ARRAY3(REAL, Henry, 5.8e-5, Contaminant) \
    ARRAY3(REAL, Henry_temp, 5.8e-5, Contaminant) \
    ARRAY3(REAL, Tau, 3, Contaminant) \
    ARRAY3(REAL, Tau_temp, 3, Contaminant) \
    FIELD(INT, called_by_contam_group, "called_by_contam_group", 0, Contaminant) \
    FIELD(INT, DisplayedRhoB, "DisplayedRhoB", 0, Reset) \
    FIELD(INT, NeedToDisplayRhoB, "NeedToDisplayRhoB", 1, Reset) \
    FIELD(INT, checked_kvInput, "checked_kvInput", 1, Contaminant) \
    FIELD(INT, checked_kvInput_temp, "checked_kvInput_temp", 1, Contaminant) \
    FIELD(INT, checked_KdsInput, "checked_KdsInput", 1, Contaminant) \
    FIELD(INT, checked_KdsInput_temp, "checked_KdsInput_temp", 1, Contaminant) \
    FIELD(INT, checked_KdwInput, "checked_KdwInput", 1, Contaminant) \
    FIELD(INT, checked_KdwInput_temp, "checked_KdwInput_temp", 1, Contaminant) \
    FIELD(INT, checked_kvCalc, "checked_kvCalc", 0, Contaminant) \
    FIELD(INT, checked_kvCalc_temp, "checked_kvCalc_temp", 0, Contaminant) \
    FIELD(INT, checked_KdsCalc, "checked_KdsCalc", 0, Contaminant) \
    FIELD(INT, checked_KdsCalc_temp, "checked_KdsCalc_temp", 0, Contaminant) \
    FIELD(INT, checked_KdwCalc, "checked_KdwCalc", 0, Contaminant) \
    FIELD(INT, checked_KdwCalc_temp, "checked_KdwCalc_temp", 0, Contaminant) \
    FIELD(INT, checked_HMKdwInput, "checked_HMKdwInput", 1, Start) \
    FIELD(INT, checked_HMKdwInput_temp, "checked_HMKdwInput_temp", 1, Start) \
    FIELD(INT, checked_HMKdwCalc, "checked_HMKdwCalc", 0, Start) \
    FIELD(INT, checked_HMKdwCalc_temp, "checked_HMKdwCalc_temp", 0, Start) \
    FIELD(INT, HM_called, "HM_called", 0, Contaminant) \
    FIELD(INT, DisplayBoth, "DisplayBoth", 0, Start) \
    FIELD(INT, TauAccepted, "TauAccepted", 0, Start) \
    FIELD(INT, RemAccepted, "RemAccepted", 0, Contaminant) \
    ARRAY3(REAL, kd, 0.0006, Contaminant) \
    ARRAY3(REAL, kd_temp, 0.0006, Contaminant) \
    ARRAY3(REAL, kv, 0.005, Contaminant) \
    ARRAY3(REAL, kv_temp, 0.005, Contaminant) \
    ARRAY3(REAL, kdb, 0.0006, Contaminant) \
    ARRAY3(REAL, kdb_temp, 0.0006, Contaminant) \
    ARRAY3(REAL, MW, 380.9, Contaminant) \
    ARRAY3(REAL, MW_temp, 380.9, Contaminant) \
    FIELD(INT, NumOC_SLR, "NumOC_SLR", 0, Contaminant) \
    FIELD(INT, NumOC_SLR_temp, "NumOC_SLR_temp", 0, Contaminant) \
    FIELD(INT, NumHM_LLR, "NumHM_LLR", 0, Contaminant) \
    FIELD(INT, NumHM_LLR_temp, "NumHM_LLR_temp", 0, Contaminant) \
    FIELD(NAME, TauCompName1, "TauCompName1", "Dieldrin", Contaminant) \
    FIELD(NAME, TauCompName1_temp, "TauCompName1_temp", "Dieldrin", Contaminant) \
    FIELD(NAME, TauCompName2, "TauCompName2", "Dieldrin", Contaminant) \
    FIELD(NAME, TauCompName2_temp, "TauCompName2_temp", "Dieldrin", Contaminant) \
    FIELD(NAME, TauCompName3, "TauCompName3", "Dieldrin", Contaminant) \
    FIELD(NAME, TauCompName3_temp, "TauCompName3_temp", "Dieldrin", Contaminant) \
    FIELD(NAME, HMName1, "HMName1", "Chromium", Contaminant) \
    FIELD(NAME, HMName1_temp, "HMName1_temp", "Chromium", Contaminant) \
    FIELD(NAME, HMName2, "HMName2", "Chromium", Contaminant) \
    FIELD(NAME, HMName2_temp, "HMName2_temp", "Chromium", Contaminant) \
    FIELD(NAME, HMName3, "HMName3", "Chromium", Contaminant) \
    FIELD(NAME, HMName3_temp, "HMName3_temp", "Chromium", Contaminant) \
    FIELD(REAL, temp_check, "temp_check", 20, Reset) \
    FIELD(REAL, mean_vel_check, "mean_vel_check", 5e-6, Start) \
    FIELD(REAL, mean_vel_cms, "mean_vel_cms", 0, Start) \
    FIELD(REAL, mean_vel_cms_temp, "mean_vel_cms_temp", 0, Start) \
    ARRAY3(REAL, ConVd, 0, Contaminant) \
    ARRAY3(REAL, ConVd_temp, 0, Contaminant) \
    ARRAY3(REAL, HMVd, 0, Contaminant) \
    ARRAY3(REAL, HMVd_temp, 0, Contaminant) \
    FIELD(INT, recalc_convd1, "recalc_convd1", 1, Contaminant) \
    FIELD(INT, recalc_convd2, "recalc_convd2", 1, Contaminant) \
    FIELD(INT, recalc_convd3, "recalc_convd3", 1, Contaminant) \
    FIELD(INT, recalc_hmvd1, "recalc_hmvd1", 1, Contaminant) \
    FIELD(INT, recalc_hmvd2, "recalc_hmvd2", 1, Contaminant) \
    FIELD(INT, recalc_hmvd3, "recalc_hmvd3", 1, Contaminant) \
    FIELD(INT, called_by_mult_window_close, "called_by_mult_window_close", 0, Reset) \
    FIELD(INT, Vb_entered_MP, "Vb_entered_MP", 0, Reset) \
    FIELD(INT, Vb_entered_MC, "Vb_entered_MC", 0, Reset) \
    FIELD(INT, Vb_entered_MTC, "Vb_entered_MTC", 0, Reset) \
    FIELD(INT, Vs_entered_MP, "Vs_entered_MP", 0, Reset) \
    FIELD(INT, Vs_entered_MC, "Vs_entered_MC", 0, Reset) \
    FIELD(INT, Vs_entered_MTC, "Vs_entered_MTC", 0, Reset) \
    FIELD(INT, ARhoB_entered_MP, "ARhoB_entered_MP", 0, Reset) \
    FIELD(INT, ARhoB_entered_MC, "ARhoB_entered_MC", 0, Reset) \
    FIELD(INT, ARhoB_entered_MTC, "ARhoB_entered_MTC", 0, Reset) \
    FIELD(INT, SSConc_entered_MP, "SSConc_entered_MP", 0, Reset) \
    FIELD(INT, SSConc_entered_MC, "SSConc_entered_MC", 0, Reset) \
    FIELD(INT, APhi_entered_MP, "APhi_entered_MP", 0, Reset) \
    FIELD(INT, APhi_entered_MC, "APhi_entered_MC", 0, Reset) \
    FIELD(INT, APhi_entered_MTC, "APhi_entered_MTC", 0, Start) \
    FIELD(INT, PD_entered_MP, "PD_entered_MP", 0, Reset) \
    FIELD(INT, PD_entered_MC, "PD_entered_MC", 0, Reset) \
    FIELD(INT, PD_entered_MTC, "PD_entered_MTC", 0, Start) \
    FIELD(INT, SG_entered_MP, "SG_entered_MP", 0, Reset) \
    FIELD(INT, SG_entered_MC, "SG_entered_MC", 0, Reset) \
    FIELD(INT, SG_entered_MTC, "SG_entered_MTC", 0, Start) \
    FIELD(INT, DSD_entered_MP, "DSD_entered_MP", 0, Reset) \
    FIELD(INT, DSD_entered_MC, "DSD_entered_MC", 0, Reset) \
    FIELD(INT, DSD_entered_MTC, "DSD_entered_MTC", 0, Start) \
    FIELD(INT, tp_current, "tp_current", 0, Reset) \
    FIELD(INT, contam_current, "contam_current", 0, Reset) \
    FIELD(INT, ALT_entered_MC, "ALT_entered_MC", 0, Reset) \
    FIELD(INT, ActiveLayerThickness_entered, "ActiveLayerThickness_entered", 0, Reset) \
    ARRAY3(REAL, ConMD, 4.2e-10, Contaminant) \
    ARRAY3(REAL, HMMD, 5.94e-10, Contaminant) \
    FIELD(INT, Vb_entered_temp, "Vb_entered_temp", 0, Reset) \
    FIELD(INT, Vs_entered_temp, "Vs_entered_temp", 0, Reset) \
    AGAIN(INT, SSConc_entered_temp, "SSConc_entered_temp") \
    AGAIN(INT, SG_entered_temp, "SG_entered_temp") \
    AGAIN(INT, PD_entered_temp, "PD_entered_temp") \
    AGAIN(INT, APhi_entered_temp, "APhi_entered_temp") \
    AGAIN(INT, DSD_entered_temp, "DSD_entered_temp") \
    FIELD(INT, Vb_entered_MT, "Vb_entered_MT", 0, Reset) \
    FIELD(INT, Vs_entered_MT, "Vs_entered_MT", 0, Reset) \
    FIELD(INT, ARhoB_entered_MT, "ARhoB_entered_MT", 0, Reset) \
    FIELD(INT, APhi_entered_MT, "APhi_entered_MT", 0, Reset) \
    FIELD(INT, DSD_entered_MT, "DSD_entered_MT", 0, Reset) \
    FIELD(INT, PD_entered_MT, "PD_entered_MT", 0, Reset) \
    FIELD(INT, SG_entered_MT, "SG_entered_MT", 0, Reset) \
    FIELD(INT, TSS_entered_Vs, "TSS_entered_Vs", 0, Reset) \
    FIELD(INT, TSS_entered_Vb, "TSS_entered_Vb", 0, Reset) \
    FIELD(INT, TSS_entered_PD, "TSS_entered_PD", 0, Reset) \
    FIELD(INT, TSS_entered_SG, "TSS_entered_SG", 0, Reset) \
    FIELD(INT, TSS_entered_SSConc, "TSS_entered_SSConc", 0, Reset) \
    FIELD(INT, TSS_entered_Va, "TSS_entered_Va", 0, Reset) \
    FIELD(INT, TSS_entered_SRhoB, "TSS_entered_SRhoB", 0, Reset) \
    FIELD(INT, TSS_entered_SPhi, "TSS_entered_SPhi", 0, Reset) \
    FIELD(INT, TSS_entered_ARhoB, "TSS_entered_ARhoB", 0, Reset) \
    FIELD(INT, TSS_entered_APhi, "TSS_entered_APhi", 0, Reset) \
    FIELD(INT, TSS_entered_DSD, "TSS_entered_DSD", 0, Reset) \
    FIELD(INT, NothingToDo, "NothingToDo", 1, Reset) \
    FIELD(INT, NothingToDoInRhoBC, "NothingToDoInRhoBC", 1, Reset) \
    FIELD(INT, NothingToDoInDPC, "NothingToDoInDPC", 1, Reset) \
    FIELD(INT, PhosRemSpec, "PhosRemSpec", 1, TP) \
    FIELD(INT, PhosRemSpec_temp, "PhosRemSpec_temp", 1, TP) \
    FIELD(INT, PhosremCalc, "PhosremCalc", 0, TP) \
    FIELD(INT, PhosRemCalc_temp, "PhosRemCalc_temp", 0, TP) \
    FIELD(REAL, PhosRemRateAB, "PhosRemRateAB", 0.0082, TP) \
    FIELD(REAL, PhosRemRateAB_temp, "PhosRemRateAB_temp", 0.0082, TP) \
    FIELD(REAL, PhosRemRateVB, "PhosRemRateVB", 0.0082, TP) \
    FIELD(REAL, PhosRemRateVB_temp, "PhosRemRateVB_temp", 0.0082, TP) \
    FIELD(INT, check_Ktp, "check_Ktp", 0, TP) \
    FIELD(INT, check_Ktp_temp, "check_Ktp_temp", 0, TP) \
    FIELD(INT, check_Vtp, "check_Vtp", 1, TP) \
    FIELD(INT, check_Vtp_temp, "check_Vtp_temp", 1, TP) \
    FIELD(INT, called_by_phos_RR_selection, "called_by_phos_RR_selection", 0, Start) \
    FIELD(INT, called_by_TN_RR_selection, "called_by_TN_RR_selection", 0, Start) \
    FIELD(INT, checked_KtnAreal, "checked_KtnAreal", 0, Reset) \
    FIELD(INT, checked_KtnAreal_temp, "checked_KtnAreal_temp", 0, Reset) \
    FIELD(INT, checked_KtnVolumetric, "checked_KtnVolumetric", 1, Reset) \
    FIELD(INT, checked_KtnVolumetric_temp, "checked_KtnVolumetric_temp", 1, Reset) \
    FIELD(INT, checked_TSSGenOutConc, "checked_TSSGenOutConc", 0, Reset) \
    FIELD(INT, checked_TSSGenOutConc_temp, "checked_TSSGenOutConc_temp", 0, Reset) \
    FIELD(INT, checked_TCBGenOutConc, "checked_TCBGenOutConc", 0, Reset) \
    FIELD(INT, checked_TCBGenOutConc_temp, "checked_TCBGenOutConc_temp", 0, Reset) \
    FIELD(INT, checked_BODGenOutConc, "checked_BODGenOutConc", 0, Reset) \
    FIELD(INT, checked_BODGenOutConc_temp, "checked_BODGenOutConc_temp", 0, Reset) \
    FIELD(INT, checked_TNGenOutConc, "checked_TNGenOutConc", 0, Reset) \
    FIELD(INT, checked_TNGenOutConc_temp, "checked_TNGenOutConc_temp", 0, Reset) \
    FIELD(INT, checked_TPGenOutConc, "checked_TPGenOutConc", 0, Reset) \
    FIELD(INT, checked_TPGenOutConc_temp, "checked_TPGenOutConc_temp", 0, Reset) \
    FIELD(INT, checked_Contam1OutConc, "checked_Contam1OutConc", 0, Reset) \
    FIELD(INT, checked_Contam1OutConc_temp, "checked_Contam1OutConc_temp", 0, Reset) \
    FIELD(INT, checked_Contam2OutConc, "checked_Contam2OutConc", 0, Reset) \
    FIELD(INT, checked_Contam2OutConc_temp, "checked_Contam2OutConc_temp", 0, Reset) \
    FIELD(INT, checked_Contam3OutConc, "checked_Contam3OutConc", 0, Reset) \
    FIELD(INT, checked_Contam3OutConc_temp, "checked_Contam3OutConc_temp", 0, Reset) \
    FIELD(INT, checked_HM1OutConc, "checked_HM1OutConc", 0, Reset) \
    FIELD(INT, checked_HM1OutConc_temp, "checked_HM1OutConc_temp", 0, Reset) \
    FIELD(INT, checked_HM2OutConc, "checked_HM2OutConc", 0, Reset) \
    FIELD(INT, checked_HM2OutConc_temp, "checked_HM2OutConc_temp", 0, Reset) \
    FIELD(INT, checked_HM3OutConc, "checked_HM3OutConc", 0, Reset) \
    FIELD(INT, checked_HM3OutConc_temp, "checked_HM3OutConc_temp", 0, Reset) \
    FIELD(REAL, TSSinConc, "TSSinConc", 0, Reset) \
    FIELD(REAL, TSSinConc_temp, "TSSinConc_temp", 0, Reset) \
    FIELD(REAL, TCBinConc, "TCBinConc", 0, Reset) \
    FIELD(REAL, TCBinConc_temp, "TCBinConc_temp", 0, Reset) \
    FIELD(REAL, BODinConc, "BODinConc", 0, Reset) \
    FIELD(REAL, BODinConc_temp, "BODinConc_temp", 0, Reset) \
    FIELD(REAL, TNinConc, "TNinConc", 0, Reset) \
    FIELD(REAL, TNinConc_temp, "TNinConc_temp", 0, Reset) \
    FIELD(REAL, TPinConc, "TPinConc", 0, Reset) \
    FIELD(REAL, TPinConc_temp, "TPinConc_temp", 0, Reset) \
    FIELD(REAL, ContamInConc1, "ContamInConc1", 0, Reset) \
    FIELD(REAL, ContamInConc1_temp, "ContamInConc1_temp", 0, Reset) \
    FIELD(REAL, ContamInConc2, "ContamInConc2", 0, Reset) \
    FIELD(REAL, ContamInConc2_temp, "ContamInConc2_temp", 0, Reset) \
    FIELD(REAL, ContamInConc3, "ContamInConc3", 0, Reset) \
    FIELD(REAL, ContamInConc3_temp, "ContamInConc3_temp", 0, Reset) \
    FIELD(REAL, HMInConc1, "HMInConc1", 0, Reset) \
    FIELD(REAL, HMInConc1_temp, "HMInConc1_temp", 0, Reset) \
    FIELD(REAL, HMInConc2, "HMInConc2", 0, Reset) \
    FIELD(REAL, HMInConc2_temp, "HMInConc2_temp", 0, Reset) \
    FIELD(REAL, HMInConc3, "HMInConc3", 0, Reset) \
    FIELD(REAL, HMInConc3_temp, "HMInConc3_temp", 0, Reset) \
    FIELD(INT, called_by_added_close, "called_by_added_close", 0, Start) \
    FIELD(INT, checked_fi1, "checked_fi1", 0, TP) \
    FIELD(INT, checked_fi2, "checked_fi2", 0, TP) \
    FIELD(INT, checked_fi3, "checked_fi3", 0, TP) \
    FIELD(INT, checked_fo1, "checked_fo1", 0, TP) \
    FIELD(INT, checked_fo2, "checked_fo2", 0, TP) \
    FIELD(INT, checked_fo3, "checked_fo3", 0, TP) \
    AGAIN(REAL, f_o, "f_o") \
    AGAIN(REAL, f_o_temp, "f_o_temp") \
    FIELD(INT, checked_fdw, "checked_fdw", 0, TP)
// clang-format on
