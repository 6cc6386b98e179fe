// The constituents the model covers, described once for the engine, the screens, the results
// and the studies: the five conventional constituents, and the contaminant slots.
//
// The contaminant slots: up to three organic chemicals (or short-lived radionuclides) and
// up to three heavy metals (or long-lived radionuclides). Most of a slot's values are
// element k of a three-slot array (Kds[k], HMVd[k] ...); the rest are numbered fields of
// the record (TauCompName1, ContamInConc2, recalc_hmvd3 ...). This view maps the numbered
// fields to their slot, once, for the engine, the screens and the results alike.
#pragma once

#include <cstdint>
#include <type_traits>

#include "project/record.h"

namespace velmar {

using RealMember = double ProjectRecord::*;
using FlagMember = std::int32_t ProjectRecord::*;
using NameMember = NameText ProjectRecord::*;

// The unit of a chemical's or metal's concentrations in the water: its inflow and outflow.
inline constexpr char kContaminantUnit[] = "mg/L";

// The numbered fields of one slot.
struct SlotFields {
    NameMember name;
    NameMember name_temp;
    RealMember inflow;  // inflow concentration, in kContaminantUnit
    RealMember inflow_temp;
    FlagMember outflow_wanted;  // the outflow and sediment concentrations are to be computed
    FlagMember outflow_wanted_temp;
    FlagMember recalc_vd;  // the sediment-water mass transfer velocity is to be recalculated
};

using SlotTable = SlotFields[kSlotCount];

// clang-format off
inline constexpr SlotTable kOrganicSlots = {
    {&ProjectRecord::TauCompName1, &ProjectRecord::TauCompName1_temp, &ProjectRecord::ContamInConc1,
     &ProjectRecord::ContamInConc1_temp, &ProjectRecord::checked_Contam1OutConc,
     &ProjectRecord::checked_Contam1OutConc_temp, &ProjectRecord::recalc_convd1},
    {&ProjectRecord::TauCompName2, &ProjectRecord::TauCompName2_temp, &ProjectRecord::ContamInConc2,
     &ProjectRecord::ContamInConc2_temp, &ProjectRecord::checked_Contam2OutConc,
     &ProjectRecord::checked_Contam2OutConc_temp, &ProjectRecord::recalc_convd2},
    {&ProjectRecord::TauCompName3, &ProjectRecord::TauCompName3_temp, &ProjectRecord::ContamInConc3,
     &ProjectRecord::ContamInConc3_temp, &ProjectRecord::checked_Contam3OutConc,
     &ProjectRecord::checked_Contam3OutConc_temp, &ProjectRecord::recalc_convd3},
};
inline constexpr SlotTable kMetalSlots = {
    {&ProjectRecord::HMName1, &ProjectRecord::HMName1_temp, &ProjectRecord::HMInConc1,
     &ProjectRecord::HMInConc1_temp, &ProjectRecord::checked_HM1OutConc,
     &ProjectRecord::checked_HM1OutConc_temp, &ProjectRecord::recalc_hmvd1},
    {&ProjectRecord::HMName2, &ProjectRecord::HMName2_temp, &ProjectRecord::HMInConc2,
     &ProjectRecord::HMInConc2_temp, &ProjectRecord::checked_HM2OutConc,
     &ProjectRecord::checked_HM2OutConc_temp, &ProjectRecord::recalc_hmvd2},
    {&ProjectRecord::HMName3, &ProjectRecord::HMName3_temp, &ProjectRecord::HMInConc3,
     &ProjectRecord::HMInConc3_temp, &ProjectRecord::checked_HM3OutConc,
     &ProjectRecord::checked_HM3OutConc_temp, &ProjectRecord::recalc_hmvd3},
};
// clang-format on

// The conventional constituents, in the order of the results file and the selection screen.
enum ConventionalConstituent : int { kTSS, kTCB, kBOD, kTN, kTP, kConventionalCount };

struct ConventionalFields {
    const char* name;   // as the studies name it: "TSS"
    const char* title;  // as the constituent selection lists it
    FlagMember modelled;
    FlagMember modelled_temp;
    FlagMember changed;  // the choice on the selection screen differs from the committed one
    FlagMember outflow_wanted;
    RealMember inflow;  // inflow concentration, in `unit`
    const char* unit;   // of its concentrations
};

// clang-format off
inline constexpr ConventionalFields kConventional[kConventionalCount] = {
    {"TSS", "Total Suspended Solids (TSS)", &ProjectRecord::model_tss, &ProjectRecord::model_tss_temp,
     &ProjectRecord::update_tss, &ProjectRecord::checked_TSSGenOutConc, &ProjectRecord::TSSinConc, "mg/L"},
    {"TCB", "Total Coliform Bacteria (TCB)", &ProjectRecord::model_tcb, &ProjectRecord::model_tcb_temp,
     &ProjectRecord::update_tcb, &ProjectRecord::checked_TCBGenOutConc, &ProjectRecord::TCBinConc, "mpn/100mL"},
    {"BOD", "Biochemical Oxygen Demand (BOD)", &ProjectRecord::model_bod, &ProjectRecord::model_bod_temp,
     &ProjectRecord::update_bod, &ProjectRecord::checked_BODGenOutConc, &ProjectRecord::BODinConc, "mg/L"},
    {"TN", "Total Nitrogen", &ProjectRecord::model_n, &ProjectRecord::model_n_temp,
     &ProjectRecord::update_n, &ProjectRecord::checked_TNGenOutConc, &ProjectRecord::TNinConc, "mg/L"},
    {"TP", "Total Phosphorous", &ProjectRecord::model_p, &ProjectRecord::model_p_temp,
     &ProjectRecord::update_p, &ProjectRecord::checked_TPGenOutConc, &ProjectRecord::TPinConc, "mg/L"},
};
// clang-format on

// The numbered fields of slot k (0 to kSlotCount - 1) of a record, by reference.
template <typename Record>
struct SlotView {
    template <typename T>
    using Ref = std::conditional_t<std::is_const_v<Record>, const T&, T&>;

    Ref<NameText> name;
    Ref<NameText> name_temp;
    Ref<double> inflow;
    Ref<double> inflow_temp;
    Ref<std::int32_t> outflow_wanted;
    Ref<std::int32_t> outflow_wanted_temp;
    Ref<std::int32_t> recalc_vd;

    SlotView(Record& r, const SlotFields& f)
        : name(r.*f.name),
          name_temp(r.*f.name_temp),
          inflow(r.*f.inflow),
          inflow_temp(r.*f.inflow_temp),
          outflow_wanted(r.*f.outflow_wanted),
          outflow_wanted_temp(r.*f.outflow_wanted_temp),
          recalc_vd(r.*f.recalc_vd) {}
};

template <typename Record>
SlotView<Record> OrganicSlot(Record& r, int k) {
    return {r, kOrganicSlots[k]};
}
template <typename Record>
SlotView<Record> MetalSlot(Record& r, int k) {
    return {r, kMetalSlots[k]};
}

}  // namespace velmar
