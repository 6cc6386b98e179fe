#include "interface/screens/system.h"

#include <cmath>

#include "interface/resources/screen_strings.h"
#include "interface/resources/system_templates.h"
#include "interface/resources/templates.h"
#include "interface/screens/conventions.h"
#include "interface/session/state.h"
#include "project/record.h"
#include "project/system_formulas.h"

namespace velmar {
namespace {

using R = ProjectRecord;

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMetresPerCentimetre = 0.01;
constexpr double kCentimetresPerMetre = 100.0;
// A temperature change of no more than this counts as none.
constexpr double kTemperatureTolerance = 0.000001;

// ---- Geometry selection ----

constexpr CheckItem kVolumeAreaDepth[] = {
    {"Volume", &R::checked_Volume_temp, &R::checked_Volume},
    {"Area", &R::checked_Area_temp, &R::checked_Area},
    {"Depth", &R::checked_Depth_temp, &R::checked_Depth},
};
constexpr CheckItem kLengthWidth[] = {
    {"Length", &R::checked_Length_temp, &R::checked_Length},
    {"Width", &R::checked_Width_temp, &R::checked_Width},
};

// Run before the selection screen handles any event: the mark of an accepted selection
// lasts only while its chain is open, and after New or Open the first event brings in the
// start-up system values.
void BeginGeometryEvent(R& r) {
    r.VAH_Entered = 0;
    if (r.start_up_with_defaults) {
        ApplySystemDefaults(r);
        r.start_up_with_defaults = 0;
    }
}

void AcceptGeometryChoice(Dialog& d, R& r) {
    ReadCheckList(d, kVolumeAreaDepthList, r, kVolumeAreaDepth);
    ReadCheckList(d, kLengthWidthList, r, kLengthWidth);
    if (CountChosen(r, kVolumeAreaDepth) != 2) {
        ScreenMessage(d, kChooseTwoDimensions, kInvalidSelectionsCaption);
    } else if (CountChosen(r, kLengthWidth) != 1) {
        ScreenMessage(d, kChooseOneDimension, kInvalidSelectionsCaption);
    } else {
        Commit(r, kVolumeAreaDepth);
        Commit(r, kLengthWidth);
        r.VAH_Entered = 1;
        ChainTo(d, ShowSystemProperties);
    }
}

void GeometrySelectionProc(Dialog& d, const DialogEvent& e) {
    R& r = Project();
    BeginGeometryEvent(r);
    switch (e.kind) {
        case DialogEvent::Opened:
            RevertGeometryChoice(r);  // the lists show the committed choice
            FillCheckList(d, kVolumeAreaDepthList, r, kVolumeAreaDepth);
            FillCheckList(d, kLengthWidthList, r, kLengthWidth);
            break;
        case DialogEvent::Ok: AcceptGeometryChoice(d, r); break;
        case DialogEvent::Cancel:
            RevertGeometryChoice(r);
            Dismiss(d);
            break;
        default: break;
    }
}

// ---- System properties ----

// The dimensions the user did not choose are shown disabled with their computed values.
constexpr NumberField kPropertyFields[] = {
    {kTemperatureField, &R::temperature_temp, &R::temperature},
    {kWidthField, &R::width_temp, &R::width, &R::checked_Width_temp},
    {kLengthField, &R::length_temp, &R::length, &R::checked_Length_temp},
    {kVolumeField, &R::volume_temp, &R::volume, &R::checked_Volume_temp},
    {kAreaField, &R::area_temp, &R::area, &R::checked_Area_temp},
    {kDepthField, &R::depth_temp, &R::depth, &R::checked_Depth_temp},
    {kFlowField, &R::flow_temp, &R::flow},
};

// The mark a dimension field sets once the user has left it holding a valid value.
struct EnteredMark {
    int field;
    FlagMember mark;
};
constexpr EnteredMark kEnteredMarks[] = {
    {kWidthField, &R::width_entered}, {kLengthField, &R::length_entered}, {kVolumeField, &R::volume_entered},
    {kAreaField, &R::area_entered},   {kDepthField, &R::depth_entered},
};

// The contaminant screens recompute their sediment-water mass transfer velocities, which
// depend on the water's viscosity (so its temperature) and on the mean velocity.
void SetRecalcFlags(R& r) {
    r.recalc_convd1 = r.recalc_convd2 = r.recalc_convd3 = 1;
    r.recalc_hmvd1 = r.recalc_hmvd2 = r.recalc_hmvd3 = 1;
}

// A computed dimension can be out of range (a depth of 0 makes the area infinite); its
// disabled field is then passed over rather than blocking the screen.
bool ReadProperties(const Dialog& d, R& r) {
    return ReadNumbers(d, r, kPropertyFields, DisabledFields::StoreValid);
}

void PropertyFieldLeft(Dialog& d, R& r, int field) {
    if (!ReadProperties(d, r)) {
        FillNumbers(d, r, kPropertyFields);  // the bad text gives way to the last valid value
        return;
    }
    if (field == kTemperatureField && std::abs(r.temperature_temp - r.temp_check) > kTemperatureTolerance) {
        r.temp_check = r.temperature_temp;
        SetRecalcFlags(r);
    }
    for (const EnteredMark& m : kEnteredMarks) {
        if (m.field == field) r.*m.mark = 1;
    }
    RecomputeGeometry(r);
    FillNumbers(d, r, kPropertyFields);
}

void AcceptProperties(Dialog& d, R& r) {
    if (!ReadProperties(d, r)) {
        FillNumbers(d, r, kPropertyFields);
        return;
    }
    Commit(r, kPropertyFields);
    for (const EnteredMark& m : kEnteredMarks) r.*m.mark = 0;
    r.System_Properties_Selection_Made = 1;
    DeriveSystemValues(r);
    ChainTo(d, ShowSystemContinued);
}

void CancelProperties(Dialog& d, R& r) {
    Revert(r, kPropertyFields);
    r.detention_time_temp = r.detention_time;
    r.mean_vel_cms_temp = r.mean_vel_cms;
    r.mean_velocity = r.mean_velocity_temp = r.mean_vel_cms * kMetresPerCentimetre;
    Dismiss(d);
}

void SystemPropertiesProc(Dialog& d, const DialogEvent& e) {
    R& r = Project();
    switch (e.kind) {
        case DialogEvent::Opened:
            r.detention_time_temp = r.detention_time;
            r.mean_velocity_temp = r.mean_velocity;
            r.mean_vel_cms_temp = r.mean_vel_cms;
            RecomputeGeometry(r);
            FillNumbers(d, r, kPropertyFields);
            break;
        case DialogEvent::FieldEntered: d.SelectAllText(e.id); break;
        case DialogEvent::FieldLeft: PropertyFieldLeft(d, r, e.id); break;
        case DialogEvent::Ok: AcceptProperties(d, r); break;
        case DialogEvent::Cancel: CancelProperties(d, r); break;
        default: break;
    }
}

// ---- Continuation ----

// The ratio and the residence time are shown as determined and read back as shown.
constexpr NumberField kContinuedFields[] = {
    {kRatioField, &R::RatioLoW},
    {kResidenceTimeField, &R::HydResidenceTime},
    {kMeanVelocityField, &R::mean_vel_cms_temp, &R::mean_vel_cms},
    {kDetentionTimeField, &R::detention_time_temp, &R::detention_time},
};
constexpr RadioButton kGradientButtons[] = {
    {kLongitudinalButton, &R::longitudinal_calc_re},
    {kFullyMixedButton, &R::mixed_clac_re},
};

void FillContinued(Dialog& d, const R& r) {
    FillNumbers(d, r, kContinuedFields);
    FillRadioGroup(d, r, kGradientButtons);
}

bool ReadContinued(const Dialog& d, R& r) {
    if (!ReadNumbers(d, r, kContinuedFields)) return false;
    ReadRadioGroup(d, r, kGradientButtons);
    return true;
}

void MeanVelocityLeft(Dialog& d, R& r) {
    if (!ReadContinued(d, r)) return;
    r.mean_velocity_temp = r.mean_vel_cms_temp * kMetresPerCentimetre;
    SetRecalcFlags(r);
    FillContinued(d, r);
}

// A click on either gradient button suggests the detention time anew, replacing a typed one.
void GradientClicked(Dialog& d, R& r) {
    const int was_mixed = r.mixed_clac_re;
    if (!ReadContinued(d, r)) return;
    if (r.mixed_clac_re != was_mixed) DeriveSystemValues(r);
    SuggestDetentionTime(r);
    FillContinued(d, r);
}

void AcceptContinued(Dialog& d, R& r) {
    if (!ReadContinued(d, r)) return;
    Commit(r, kContinuedFields);
    r.mean_velocity = r.mean_velocity_temp = r.mean_vel_cms_temp * kMetresPerCentimetre;
    Accept(d);
}

void SystemContinuedProc(Dialog& d, const DialogEvent& e) {
    R& r = Project();
    switch (e.kind) {
        case DialogEvent::Opened:
            DeriveSystemValues(r);
            FillContinued(d, r);
            break;
        case DialogEvent::FieldEntered: d.SelectAllText(e.id); break;
        case DialogEvent::FieldLeft:
            if (e.id == kMeanVelocityField) MeanVelocityLeft(d, r);
            break;
        case DialogEvent::Clicked:
            if (e.id == kLongitudinalButton || e.id == kFullyMixedButton) GradientClicked(d, r);
            break;
        case DialogEvent::Ok: AcceptContinued(d, r); break;
        case DialogEvent::Cancel:
            Revert(r, kContinuedFields);
            r.mean_velocity_temp = r.mean_velocity;
            Dismiss(d);
            break;
        default: break;
    }
}

constexpr Screen kGeometrySelection{kGeometrySelectionScreen, kGeometryHelp, "system_data.txt",
                                    GeometrySelectionProc};
constexpr Screen kSystemProperties{kSystemPropertiesScreen, kPropertiesHelp, "sys1_data.txt",
                                   SystemPropertiesProc};
constexpr Screen kSystemContinued{kSystemContinuedScreen, kContinuedHelp, "sys2_data.txt",
                                  SystemContinuedProc};

// The nominal residence time V/Q in days.
double NominalDays(const R& r) {
    return r.volume / r.flow / kSecondsPerDay;
}

}  // namespace

void RevertGeometryChoice(ProjectRecord& r) {
    Revert(r, kVolumeAreaDepth);
    Revert(r, kLengthWidth);
}

bool ShowGeometrySelection(Ui& ui, Owner owner) {
    const bool accepted = ShowScreen(ui, owner, kGeometrySelection);
    Project().VAH_Entered = 0;  // the chain it marked has closed with it
    return accepted;
}

bool ShowSystemProperties(Ui& ui, Owner owner) {
    return ShowScreen(ui, owner, kSystemProperties);
}

bool ShowSystemContinued(Ui& ui, Owner owner) {
    return ShowScreen(ui, owner, kSystemContinued);
}

void RecomputeGeometry(ProjectRecord& r) {
    if (!r.checked_Volume) r.volume_temp = r.area_temp * r.depth_temp;
    if (!r.checked_Area) r.area_temp = r.volume_temp / r.depth_temp;
    if (!r.checked_Depth) r.depth_temp = r.volume_temp / r.area_temp;
    // The plan area comes from the volume and depth when both were given, else from the area.
    const bool volume_and_depth = r.checked_Volume && r.checked_Depth;
    if (!r.checked_Length) {
        if (volume_and_depth) {
            r.length_temp = r.volume_temp / r.depth_temp / r.width_temp;
        } else if (r.checked_Area) {
            r.length_temp = r.area_temp / r.width_temp;
        }
    }
    if (!r.checked_Width) {
        if (volume_and_depth) {
            r.width_temp = r.volume_temp / r.depth_temp / r.length_temp;
        } else if (r.checked_Area) {
            r.width_temp = r.area_temp / r.length_temp;
        }
    }
}

void DeriveSystemValues(ProjectRecord& r) {
    const ProjectRecord& defaults = DefaultRecord();
    r.System_Properties_Entered = 1;
    r.print_possible = 1;
    if (r.model_bod == 0) {
        r.bod_decay_rate20 = r.bod_decay_rate20_temp = BodDecayRateForDepth(r.depth);
        r.theta_bod_temp = r.theta_bod;
        r.bod_default_decay = r.bod_decay_rate20;
        r.bod_default_temp = defaults.theta_bod;
    }
    if (r.model_tcb == 0) {
        r.tcb_decay_rate20 = r.tcb_decay_rate20_temp = defaults.tcb_decay_rate20;
        r.theta_tcb = r.theta_tcb_temp = defaults.theta_tcb;
    }
    if (r.model_n == 0) {
        r.tn_decay_rate20 = r.tn_decay_rate20_temp = defaults.tn_decay_rate20;
        r.Ktn = r.Ktn_temp = defaults.Ktn;
        r.theta_tn = r.theta_tn_temp = defaults.theta_tn;
        r.Kdn = r.Kdn_temp = defaults.Kdn;
        r.No3_TN_Ratio = r.No3_TN_Ratio_temp = defaults.No3_TN_Ratio;
    }
    if (r.model_p == 0) ApplyTPDefaults(r);
    if (r.model_contaminant == 0) ApplyContaminantDefaults(r);
    r.equation_to_use = 1;

    // Without a width, a flow or a cross-section there is no ratio, residence time or
    // velocity to show: 0 stands in.
    r.RatioLoW = r.width == 0 ? 0 : r.length * (1 / r.width);
    r.HydResidenceTime = r.flow == 0 ? 0 : RoundToDecimals(r.volume / (r.flow * kSecondsPerDay), 2);
    const double section = r.width * r.depth;
    const double velocity = section == 0 ? 0 : r.flow / section;  // m/s through the mean cross-section
    r.mean_velocity_temp = RoundToDecimals(velocity, 2);
    r.mean_vel_cms_temp = RoundToDecimals(velocity * kCentimetresPerMetre, 2);
    SuggestDetentionTime(r);
}

void SuggestDetentionTime(ProjectRecord& r) {
    double days = r.detention_time_temp;  // kept when no scheme is chosen
    if (r.mixed_clac_re != 0 || r.longitudinal_calc_re != 0) {
        if (r.flow == 0) {
            days = 0;
        } else if (r.mixed_clac_re != 0) {
            days = NominalDays(r);
        } else if (r.width > 0) {
            // With longitudinal gradients an elongated wetland uses more of its volume: the
            // effective fraction 0.84 (1 - e^(-0.59 L/W)) grows with the length-to-width
            // ratio, and past a ratio of 10 the whole volume counts.
            const double ratio = r.length / r.width;
            days = ratio > 10 ? NominalDays(r)
                              : 0.84 * (1 - std::exp(-0.59 * ratio)) * r.volume / r.flow / kSecondsPerDay;
        }
        // Without a positive width there is no ratio: the current detention time stands.
    }
    r.detention_time_temp = RoundToDecimals(days, 2);
}

}  // namespace velmar
