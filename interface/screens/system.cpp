#include "interface/screens/system.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/session/state.h"
#include "project/record.h"
#include "project/slots.h"
#include "project/system_formulas.h"
#include "project/units.h"

namespace velmar {
namespace {

using R = ProjectRecord;

using units::kMetresPerCentimetre;
// A temperature change of no more than this counts as none.
constexpr double kTemperatureTolerance = 0.000001;

// The contaminant screens recompute their sediment-water mass transfer velocities, which
// depend on the water's viscosity (so its temperature) and on the mean velocity.
void SetRecalcFlags(R& r) {
    for (int k = 0; k < kSlotCount; ++k) OrganicSlot(r, k).recalc_vd = MetalSlot(r, k).recalc_vd = 1;
}

// ---- Geometry selection ----

using namespace geometry_selection;

constexpr Row kGeometryRows[] = {
    Text(kSelectTwoLabel, "Select 2 of the following:"),
    ListItem(kVolumeAreaDepthList, "Volume", &R::checked_Volume_temp, &R::checked_Volume),
    ListItem(kVolumeAreaDepthList, "Area", &R::checked_Area_temp, &R::checked_Area),
    ListItem(kVolumeAreaDepthList, "Depth", &R::checked_Depth_temp, &R::checked_Depth),
    Text(kSelectOneLabel, "Select 1 of the following:"),
    ListItem(kLengthWidthList, "Length", &R::checked_Length_temp, &R::checked_Length),
    ListItem(kLengthWidthList, "Width", &R::checked_Width_temp, &R::checked_Width),
};

// Run before the selection screen handles any event: the mark of an accepted selection
// lasts only while its chain is open, and after New or Open the first event brings in the
// start-up system values.
void BeginGeometryEvent(ScreenContext& c, const DialogEvent&) {
    c.r.VAH_Entered = 0;
    if (c.r.start_up_with_defaults) {
        ApplySystemDefaults(c.r);
        c.r.start_up_with_defaults = 0;
    }
}

// The lists show the committed choice.
void OpenGeometrySelection(ScreenContext& c) {
    RevertGeometryChoice(c.r);
}

bool TwoDimensionsAndOneExtent(ScreenContext& c) {
    const R& r = c.r;
    if (r.checked_Volume_temp + r.checked_Area_temp + r.checked_Depth_temp != 2) {
        c.Message(kChooseTwoDimensions, kInvalidSelectionsCaption);
        return false;
    }
    if (r.checked_Length_temp + r.checked_Width_temp != 1) {
        c.Message(kChooseOneDimension, kInvalidSelectionsCaption);
        return false;
    }
    return true;
}

void MarkGeometryChosen(ScreenContext& c) {
    c.r.VAH_Entered = 1;
}

// ---- System properties ----

using namespace system_properties;

// The dimensions the user did not choose are shown disabled with their computed values.
constexpr Row kPropertyRows[] = {
    Number(kTemperatureField, "Avg. Annual Temp (Deg. C)", &R::temperature_temp, &R::temperature),
    Number(kWidthField, "Avg. Annual Width (m)", &R::width_temp, &R::width)
        .EnabledWhen(IsSet<&R::checked_Width_temp>),
    Number(kLengthField, "Avg. Length (m)", &R::length_temp, &R::length)
        .EnabledWhen(IsSet<&R::checked_Length_temp>),
    Number(kVolumeField, "Avg. Annual Volume (m^3)", &R::volume_temp, &R::volume)
        .EnabledWhen(IsSet<&R::checked_Volume_temp>),
    Number(kAreaField, "Avg. Annual Area (m^2)", &R::area_temp, &R::area)
        .EnabledWhen(IsSet<&R::checked_Area_temp>),
    Number(kDepthField, "Avg. Annual Depth (m)", &R::depth_temp, &R::depth)
        .EnabledWhen(IsSet<&R::checked_Depth_temp>),
    Number(kFlowField, "Avg. Annual Flow (cms)", &R::flow_temp, &R::flow),
};

// A dimension of the wetland: its field, whether the user chose it, and the mark set once
// the user has left its field holding a valid value.
struct Dimension {
    int field;
    FlagMember chosen;
    FlagMember entered;
};
constexpr Dimension kDimensions[] = {
    {kWidthField, &R::checked_Width, &R::width_entered},
    {kLengthField, &R::checked_Length, &R::length_entered},
    {kVolumeField, &R::checked_Volume, &R::volume_entered},
    {kAreaField, &R::checked_Area, &R::area_entered},
    {kDepthField, &R::checked_Depth, &R::depth_entered},
};

const Row& PropertyRow(int field) {
    return *std::find_if(std::begin(kPropertyRows), std::end(kPropertyRows),
                         [field](const Row& row) { return row.id == field; });
}

void OpenProperties(ScreenContext& c) {
    R& r = c.r;
    r.detention_time_temp = r.detention_time;
    r.mean_velocity_temp = r.mean_velocity;
    r.mean_vel_cms_temp = r.mean_vel_cms;
    FillUnchosenDimensions(r);
}

// What is wrong with the wetland's dimensions once the others are computed from the chosen
// ones: a chosen dimension not above zero, or a computed one out of range (a depth of 0
// makes the area infinite). Empty when nothing is.
std::string DimensionProblem(const R& r) {
    for (const Dimension& m : kDimensions) {
        const Row& row = PropertyRow(m.field);
        if (r.*m.chosen && !(row.real.In(r, 0) > 0))
            return std::string(row.label) + " must be greater than 0.";
    }
    for (const Dimension& m : kDimensions) {
        const Row& row = PropertyRow(m.field);
        if (!std::isfinite(row.real.In(r, 0)))
            return std::string(row.label) + " cannot be computed from these values.";
    }
    return {};
}

bool DimensionsFinite(const R& r) {
    return std::all_of(std::begin(kDimensions), std::end(kDimensions), [&r](const Dimension& m) {
        return std::isfinite(PropertyRow(m.field).real.In(r, 0));
    });
}

// A field left holding an invalid number is not silently put back: the user is told, as
// on the data screens, before the last valid value returns. So is a value that would make
// a computed dimension infinite.
void PropertyFieldLeft(ScreenContext& c, int field) {
    R& r = c.r;
    const R before = r;
    if (!c.Read()) {
        c.Message(kInvalidInput, kInvalidInputCaption);
        c.Fill();
        return;
    }
    FillUnchosenDimensions(r);
    if (!DimensionsFinite(r)) {
        const std::string problem = DimensionProblem(r);
        r = before;
        c.Message(problem, kInvalidInputCaption);
        c.Fill();
        return;
    }
    if (field == kTemperatureField && std::abs(r.temperature_temp - r.temp_check) > kTemperatureTolerance) {
        r.temp_check = r.temperature_temp;
        SetRecalcFlags(r);
    }
    for (const Dimension& m : kDimensions) {
        if (m.field == field) r.*m.entered = 1;
    }
    c.Fill();
}

// A wetland whose chosen dimensions are not all above zero, or whose computed dimensions
// overflow, has no meaningful area, length or residence time: it is refused here rather
// than carried, infinite, into the next screen and the model.
bool DimensionsArePositiveAndFinite(ScreenContext& c) {
    FillUnchosenDimensions(c.r);
    const std::string problem = DimensionProblem(c.r);
    if (problem.empty()) return true;
    c.Message(problem, kInvalidInputCaption);
    c.Fill();
    return false;
}

void AcceptProperties(ScreenContext& c) {
    R& r = c.r;
    for (const Dimension& m : kDimensions) r.*m.entered = 0;
    r.System_Properties_Selection_Made = 1;
    DeriveFromSystemProperties(r);
}

void CancelProperties(ScreenContext& c) {
    R& r = c.r;
    r.detention_time_temp = r.detention_time;
    r.mean_vel_cms_temp = r.mean_vel_cms;
    r.mean_velocity = r.mean_velocity_temp = r.mean_vel_cms * kMetresPerCentimetre;
}

// ---- Continuation ----

using namespace system_continued;

// The ratio and the residence time are shown as determined and read back as shown.
constexpr Row kContinuedRows[] = {
    GroupBox(kDeterminedGroup, "The follwing were determined"),
    Computed(kRatioField, "Ratio L/W:", &R::RatioLoW).ReadBack().In(kDeterminedGroup),
    Computed(kResidenceTimeField, "Hydraulic Residence Time (days):", &R::HydResidenceTime)
        .ReadBack()
        .In(kDeterminedGroup),
    GroupBox(kSuggestedGroup, "The following are suggested based on caclulations"),
    Number(kMeanVelocityField, "Mean Velocity of Flow (cm/s):", &R::mean_vel_cms_temp, &R::mean_vel_cms)
        .In(kSuggestedGroup),
    Number(kDetentionTimeField, "Detention Time (days):", &R::detention_time_temp, &R::detention_time)
        .In(kSuggestedGroup),
    GroupBox(kGradientGroup, "Spatial Gradients"),
    Radio(kLongitudinalButton, "Longitudinal Gradients", &R::longitudinal_calc_re).In(kGradientGroup),
    Radio(kFullyMixedButton, "Fully Mixed", &R::mixed_clac_re).In(kGradientGroup).BesidePrevious(),
};

void OpenContinued(ScreenContext& c) {
    DeriveFromSystemProperties(c.r);
}

void ContinuedFieldLeft(ScreenContext& c, int field) {
    if (field != kMeanVelocityField || !c.Read()) return;
    c.r.mean_velocity_temp = c.r.mean_vel_cms_temp * kMetresPerCentimetre;
    SetRecalcFlags(c.r);
    c.Fill();
}

// A click on either gradient button suggests the detention time anew, replacing a typed one.
void GradientClicked(ScreenContext& c, int id) {
    if (id != kLongitudinalButton && id != kFullyMixedButton) return;
    R& r = c.r;
    const int was_mixed = r.mixed_clac_re;
    if (!c.Read()) return;
    if (r.mixed_clac_re != was_mixed) DeriveFromSystemProperties(r);
    SuggestDetentionTime(r);
    c.Fill();
}

void AcceptContinued(ScreenContext& c) {
    CommitMeanVelocity(c.r);
}

void CancelContinued(ScreenContext& c) {
    c.r.mean_velocity_temp = c.r.mean_velocity;
}

}  // namespace

const DataScreen kGeometrySelection{
    .number = kGeometrySelectionScreen,
    .caption = "Volume/Area/Depth & Length/Width Selection Screen",
    .rows = kGeometryRows,
    .help_button = kGeometryHelp,
    .help_file = "system_data.txt",
    .on_event = BeginGeometryEvent,
    .on_open = OpenGeometrySelection,
    .validate = TwoDimensionsAndOneExtent,
    .after_commit = MarkGeometryChosen,
    .next = Show<kSystemProperties>,
};

// A computed dimension can be out of range (a depth of 0 makes the area infinite); its
// disabled field is then passed over rather than blocking the screen.
const DataScreen kSystemProperties{
    .number = kSystemPropertiesScreen,
    .caption = "System Property Data Entry Screen",
    .rows = kPropertyRows,
    .help_button = kPropertiesHelp,
    .help_file = "sys1_data.txt",
    .disabled = DisabledFields::StoreValid,
    .on_invalid = OnInvalid::Refill,
    .on_open = OpenProperties,
    .on_field_left = PropertyFieldLeft,
    .validate = DimensionsArePositiveAndFinite,
    .after_commit = AcceptProperties,
    .next = Show<kSystemContinued>,
    .on_cancel = CancelProperties,
};

// The continuation's labels share a width, so that its two groups line up their fields.
const DataScreen kSystemContinued{
    .number = kSystemContinuedScreen,
    .caption = "System Properties - Continued",
    .rows = kContinuedRows,
    .help_button = kContinuedHelp,
    .help_file = "sys2_data.txt",
    .label_width = 36,
    .disabled = DisabledFields::Read,
    .on_invalid = OnInvalid::Stay,
    .on_open = OpenContinued,
    .on_field_left = ContinuedFieldLeft,
    .on_click = GradientClicked,
    .after_commit = AcceptContinued,
    .on_cancel = CancelContinued,
};

void RevertGeometryChoice(ProjectRecord& r) {
    for (const Row& row : kGeometryRows) {
        if (row.flag_value) row.flag.In(r, 0) = row.flag_value.In(r, 0);
    }
}

bool ShowGeometrySelection(Ui& ui, Owner owner) {
    const bool accepted = ShowScreen(ui, owner, kGeometrySelection);
    Project().VAH_Entered = 0;  // the chain it marked has closed with it
    return accepted;
}

void SuggestDetentionTime(ProjectRecord& r) {
    r.detention_time_temp = SuggestedDetentionTime(r);
}

}  // namespace velmar
