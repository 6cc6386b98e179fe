// What the organic chemical and heavy metal screens share: the slots each family has in
// use, and the mass transfer velocity across the sediment/water interface that each slot
// keeps until its diffusivity changes, recalculated unless the user typed one.
#pragma once

#include <array>
#include <cstdint>

#include "interface/screens/framework/screen_table.h"
#include "project/record.h"
#include "project/slots.h"

namespace velmar {

using RealArray = double (ProjectRecord::*)[kSlotCount];

// A family of contaminant slots and the values its mass transfer velocities come from.
struct ContaminantFamily {
    FlagMember count;  // slots in use
    const SlotTable* slots;
    RealArray diffusivity;           // molecular diffusivity (m^2/s)
    RealArray transfer_diffusivity;  // the diffusivity the velocity was last calculated for
    RealArray velocity;              // mass transfer velocity (m/day)
    RealArray velocity_temp;
    const char* noun;  // a slot as messages name it, before its number
};

inline constexpr ContaminantFamily kOrganicChemicals{
    &ProjectRecord::NumOC_SLR, &kOrganicSlots,        &ProjectRecord::MolecularDiffusivity,
    &ProjectRecord::ConMD,     &ProjectRecord::ConVd, &ProjectRecord::ConVd_temp,
    "organic chemical",
};
inline constexpr ContaminantFamily kHeavyMetals{
    &ProjectRecord::NumHM_LLR, &kMetalSlots,         &ProjectRecord::HMMolecularDiffusivity,
    &ProjectRecord::HMMD,      &ProjectRecord::HMVd, &ProjectRecord::HMVd_temp,
    "heavy metal",
};

// The slots in use; a count outside 0 to 3 is held to that range.
int SlotsInUse(const ProjectRecord& r, const ContaminantFamily& f);

// A slot is in use below its family's count.
template <const ContaminantFamily& F>
bool SlotInUse(const ProjectRecord& r, int slot) {
    return slot < r.*F.count;
}

// A diffusivity that moved by more than 1e-10 m^2/s since its velocity was calculated has
// the velocity recalculated, and becomes the one it is calculated for.
void NoteChangedDiffusivities(ProjectRecord& r, const ContaminantFamily& f);

// The velocity of each slot in use whose recalculation flag is set, with its working copy.
void RecalculateMassTransfer(ProjectRecord& r, const ContaminantFamily& f);

// ---- The mass transfer screens ----
//
// One velocity per slot in use, one below the other, each with a note on what it is.
// Typing a velocity clears its slot's recalculation flag, so that the typed value is kept;
// Cancel puts back the flags the screen opened with.

template <const ContaminantFamily& F, int K>
bool VelocitySlotInUse(const ProjectRecord& r, int) {
    return K < r.*F.count;
}

template <const ContaminantFamily& F>
constexpr std::array<Row, 6> MassTransferRows(int first_field, int first_note,
                                              const char* const (&labels)[kSlotCount], const char* note) {
    constexpr Condition in_use[] = {VelocitySlotInUse<F, 0>, VelocitySlotInUse<F, 1>,
                                    VelocitySlotInUse<F, 2>};
    std::array<Row, 6> rows;
    for (int k = 0; k < kSlotCount; ++k) {
        rows[2 * k] = Number(first_field + k, labels[k], Element(F.velocity_temp, k), Element(F.velocity, k))
                          .EnabledWhen(in_use[k]);
        rows[2 * k + 1] = Text(first_note + k, note);
    }
    return rows;
}

// The flags as the screen found them.
template <const ContaminantFamily& F>
inline std::int32_t held_recalculation[kSlotCount];

template <const ContaminantFamily& F>
void HoldRecalculation(ScreenContext& c) {
    for (int k = 0; k < kSlotCount; ++k) held_recalculation<F>[k] = c.r.*(*F.slots)[k].recalc_vd;
}

template <const ContaminantFamily& F>
void RestoreRecalculation(ScreenContext& c) {
    for (int k = 0; k < kSlotCount; ++k) c.r.*(*F.slots)[k].recalc_vd = held_recalculation<F>[k];
}

template <const ContaminantFamily& F, int FirstField>
void VelocityTyped(ScreenContext& c, int id) {
    const int k = id - FirstField;
    if (k >= 0 && k < kSlotCount) c.r.*(*F.slots)[k].recalc_vd = 0;
}

// A value computed for each slot in use, and what the user is told when it is not a
// number; "#" in the text stands for the slot, as "organic chemical 2".
struct SlotValue {
    RealArray value;
    const char* why;
};

// The mass transfer velocity is the diffusivity over the viscosity to the 2/3 power.
inline constexpr char kDiffusivityNotNegative[] =
    "Molecular Diffusivity of # must not be negative: the mass transfer velocity grows with its 2/3 power.";

// Refuses, with the reason, what would leave the engine dividing by 0 or computing with a
// value that is not a number: a suspended solids concentration not above 0 typed into the
// field `solids_field`, which every contaminant's settling and exchange are divided by, or
// any of `values` infinite or not a number once `compute` has run on a copy of the record
// with the screen's working copies committed.
bool ComputedValuesUsable(ScreenContext& c, const ContaminantFamily& f, void (*compute)(ProjectRecord&),
                          int solids_field, std::initializer_list<SlotValue> values);

}  // namespace velmar
