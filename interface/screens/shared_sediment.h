// The wetland bottom as the phosphorus and contaminant chains share it: who asks for each
// shared sediment parameter, the two shared sediment screens, and the screens that show
// the sediment values computed from them.
//
// Each shared parameter (burial and settling velocity, bulk density, porosity, particle
// diameter and specific gravity, dry sediment density, suspended solids) is stored once.
// A mark per asking screen records who supplied it, so that a later chain asks for it again
// only when the value is its own, or when the chain that supplied it no longer needs it.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"
#include "project/slots.h"

namespace velmar {

// Control ids, one set per screen.
namespace sediment_choice {
enum : int {
    kSelectLabel = 9101,
    kBulkDensityGroup = 9102,
    kBulkDensityInput = 9103,
    kBulkDensityCalculate = 9104,
    kSettlingGroup = 9105,
    kSettlingInput = 9106,
    kSettlingCalculate = 9107,
    kChoiceHelp = 9108,
};
}  // namespace sediment_choice

namespace sediment_data {
enum : int {
    kActiveLayerHeading = 9111,
    kBulkDensityField = 9112,
    kPorosityField = 9113,
    kDrySedimentDensityField = 9114,
    kSettlingHeading = 9115,
    kSettlingVelocityField = 9116,
    kParticleDiameterField = 9117,
    kSpecificGravityField = 9118,
    kDataHelp = 9119,
};
}  // namespace sediment_data

namespace calculated_sediment_values {
enum : int {
    kSettlingVelocityField = 9121,
    kBulkDensityField = 9122,
    kCalculatedHelp = 9123,
};
}  // namespace calculated_sediment_values

namespace calculated_surficial_values {
enum : int {
    kSurficialBulkDensityField = 9131,
    kSurficialHelp = 9132,
};
}  // namespace calculated_surficial_values

namespace velocity_summary {
enum : int {
    kBulkDensityField = 9141,
    kNetSettlingField = 9142,
    kBurialField = 9143,
    kResuspensionField = 9144,
    kSummaryHelp = 9145,
};
}  // namespace velocity_summary

// ---- Ownership ----

// The shared parameters. Settling stands for the settling velocity as the sediment data
// screen sees it: known when the velocity or the particle's diameter or specific gravity
// is, and marked with the settling velocity's marks.
enum class SedimentParameter { Vb, Vs, ARhoB, APhi, PD, SG, DSD, SSConc, Settling };

// The screens that ask for shared parameters, each holding a mark of its own per parameter:
// the sediment data screen of each chain (_MT, _MTC), the established-wetland parameter
// screen (_MP) and the contaminant chain's own screens (_MC).
enum class SedimentAsker { PhosphorusData, ContaminantData, EstablishedWetland, ContaminantScreens };

// A shared parameter's flags: entered (with its working copy where the record has one), the
// mark of its entry on the TSS screens, and one mark per asker in the order of SedimentAsker.
// Suspended solids have no sediment data screen marks.
struct SedimentParameterFlags {
    SedimentParameter parameter;
    FlagMember entered;
    FlagMember entered_temp;
    FlagMember tss_entered;
    FlagMember marks[4];
};

// clang-format off
inline constexpr SedimentParameterFlags kSedimentParameters[] = {
    {SedimentParameter::Vb, &ProjectRecord::Vb_entered, &ProjectRecord::Vb_entered_temp, &ProjectRecord::TSS_entered_Vb,
     {&ProjectRecord::Vb_entered_MT, &ProjectRecord::Vb_entered_MTC, &ProjectRecord::Vb_entered_MP,
      &ProjectRecord::Vb_entered_MC}},
    {SedimentParameter::Vs, &ProjectRecord::Vs_entered, &ProjectRecord::Vs_entered_temp, &ProjectRecord::TSS_entered_Vs,
     {&ProjectRecord::Vs_entered_MT, &ProjectRecord::Vs_entered_MTC, &ProjectRecord::Vs_entered_MP,
      &ProjectRecord::Vs_entered_MC}},
    {SedimentParameter::ARhoB, &ProjectRecord::ARhoB_entered, nullptr, &ProjectRecord::TSS_entered_ARhoB,
     {&ProjectRecord::ARhoB_entered_MT, &ProjectRecord::ARhoB_entered_MTC, &ProjectRecord::ARhoB_entered_MP,
      &ProjectRecord::ARhoB_entered_MC}},
    {SedimentParameter::APhi, &ProjectRecord::APhi_entered, &ProjectRecord::APhi_entered_temp,
     &ProjectRecord::TSS_entered_APhi,
     {&ProjectRecord::APhi_entered_MT, &ProjectRecord::APhi_entered_MTC, &ProjectRecord::APhi_entered_MP,
      &ProjectRecord::APhi_entered_MC}},
    {SedimentParameter::PD, &ProjectRecord::PD_entered, &ProjectRecord::PD_entered_temp, &ProjectRecord::TSS_entered_PD,
     {&ProjectRecord::PD_entered_MT, &ProjectRecord::PD_entered_MTC, &ProjectRecord::PD_entered_MP,
      &ProjectRecord::PD_entered_MC}},
    {SedimentParameter::SG, &ProjectRecord::SG_entered, &ProjectRecord::SG_entered_temp, &ProjectRecord::TSS_entered_SG,
     {&ProjectRecord::SG_entered_MT, &ProjectRecord::SG_entered_MTC, &ProjectRecord::SG_entered_MP,
      &ProjectRecord::SG_entered_MC}},
    {SedimentParameter::DSD, &ProjectRecord::DSD_entered, &ProjectRecord::DSD_entered_temp,
     &ProjectRecord::TSS_entered_DSD,
     {&ProjectRecord::DSD_entered_MT, &ProjectRecord::DSD_entered_MTC, &ProjectRecord::DSD_entered_MP,
      &ProjectRecord::DSD_entered_MC}},
    {SedimentParameter::SSConc, &ProjectRecord::SSConc_entered, &ProjectRecord::SSConc_entered_temp,
     &ProjectRecord::TSS_entered_SSConc,
     {nullptr, nullptr, &ProjectRecord::SSConc_entered_MP, &ProjectRecord::SSConc_entered_MC}},
};
// clang-format on

// The flags of a parameter; Settling has the settling velocity's.
constexpr const SedimentParameterFlags& FlagsOf(SedimentParameter p) {
    const SedimentParameter own = p == SedimentParameter::Settling ? SedimentParameter::Vs : p;
    for (const SedimentParameterFlags& f : kSedimentParameters) {
        if (f.parameter == own) return f;
    }
    return kSedimentParameters[0];
}

// The fields of sediment data a screen asks for. The same reasoning both takes the marks
// (on opening, with a record to change) and tells which fields are enabled (with a record
// only to read): once taken, a mark keeps its parameter asked.
struct SedimentFieldsAsked {
    bool suspended_solids = false;
    bool bulk_density = false;
    bool porosity = false;
    bool dry_density = false;
    bool settling_velocity = false;
    bool diameter = false;
    bool gravity = false;

    bool Any() const {
        return suspended_solids || bulk_density || porosity || dry_density || settling_velocity || diameter ||
               gravity;
    }
};

// Whether the asker is to ask for the parameter: it is not yet known, or it is the asker's
// own, or the other chain supplied it and no longer needs it.
bool IsAsked(const ProjectRecord& r, SedimentParameter p, SedimentAsker asker);

// As IsAsked; a parameter asked for becomes the asker's own, and the other chain's
// released mark is cleared.
bool Ask(ProjectRecord& r, SedimentParameter p, SedimentAsker asker);

// The asking rule over a record that may take marks, or may only be read: one procedure
// can then both open a screen, taking its marks, and tell which of its fields are enabled.
inline bool Asking(ProjectRecord& r, SedimentParameter p, SedimentAsker asker) {
    return Ask(r, p, asker);
}
inline bool Asking(const ProjectRecord& r, SedimentParameter p, SedimentAsker asker) {
    return IsAsked(r, p, asker);
}

// The settling fields asked for once the settling velocity is: the velocity itself when it is
// entered, the particle's diameter and gravity when it is calculated.
template <typename Record>
void AskSettlingFields(Record& r, SedimentAsker asker, SedimentFieldsAsked& f) {
    if (r.checked_VsInput) {
        f.settling_velocity = true;
    } else if (r.checked_VsCalc) {
        f.diameter = Asking(r, SedimentParameter::PD, asker);
        f.gravity = Asking(r, SedimentParameter::SG, asker);
    }
}

// Sets or clears a parameter's entered flag, with its working copy where it has one.
void SetEntered(ProjectRecord& r, SedimentParameter p, bool entered);

// No contaminant needs sediment data: no heavy metal, and the organic chemicals, if any,
// described by an overall half-life only.
bool ContaminantsNeedNoSediment(const ProjectRecord& r);

// Marks move to the contaminant chain when phosphorus is not modelled, and back to the
// phosphorus chain when contaminants are not; the suspended solids marks stay.
void HandOverToContaminants(ProjectRecord& r);
void HandOverToPhosphorus(ProjectRecord& r);

// ---- Screens ----

// The chain that opens the shared sediment screens.
enum class SedimentChain { Phosphorus, Contaminants };

// "Additional Sediment Information Required to Proceed": how the bulk density and the
// settling velocity are obtained, then the sediment data. Reports accepted without
// showing anything when the chain has nothing to ask (NothingToDoInDPC or NothingToDo is
// then set, and the opener goes on by itself). The opener loads the four choices' working
// copies.
bool ShowSedimentChoice(Ui& ui, Owner owner, SedimentChain chain);

// "Additional Required Sediment Data", in the variant of the chain now entering data
// (tp_current, else contam_current); not accepted when neither is.
bool ShowSedimentDataOfCurrentChain(Ui& ui, Owner owner);

// The velocity summary, whose opener loads the working copies of ActiveRhoB, ActiveVb, Vn
// and Vr, opened on the record's values.
bool ShowCurrentVelocities(Ui& ui, Owner owner);

// The burial velocity follows from the net settling unless it was entered or TSS takes
// the net settling from an entered burial velocity.
bool BurialVelocityToCompute(const ProjectRecord& r);

// The sediment velocities the mass transfer screens end with: the settling velocity from
// the particle when it is calculated, then the net settling, burial (when it is to be
// computed), resuspension and exchange velocities.
void ComputeSedimentVelocities(ProjectRecord& r);

struct DataScreen;
struct ScreenContext;
class Dialog;

// Whether a screen may leave the active layer's bulk density at 0: only one whose values no
// velocity is yet divided by.
enum class ZeroBulkDensity { Refused, Allowed };

// Whether the sediment values that `after` holds in place of the record's can be kept: none
// infinite or not a number, and no bulk density of 0 where that is refused. Otherwise tells
// the user, in a message with the screen's caption, which value and why, and is false.
bool ComputedSedimentValuesUsable(ScreenContext& c, const ProjectRecord& after,
                                  ZeroBulkDensity zero = ZeroBulkDensity::Refused);

// The same for what accepting the screen would compute: `accept` is run on a copy of the
// record with the screen's values committed. A zero bulk density or suspended solids
// concentration would otherwise store an infinite velocity, which the engine would run on.
bool AcceptanceStaysFinite(ScreenContext& c, void (*accept)(Dialog&, ProjectRecord&),
                           ZeroBulkDensity zero = ZeroBulkDensity::Refused);

extern const DataScreen kSedimentChoicePhosphorus;
extern const DataScreen kSedimentChoiceContaminants;
extern const DataScreen kSedimentDataPhosphorus;
extern const DataScreen kSedimentDataContaminants;
extern const DataScreen kCalculatedSedimentValues;
extern const DataScreen kCalculatedSurficialValues;
extern const DataScreen kVelocitySummary;

}  // namespace velmar
