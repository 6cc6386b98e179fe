#include "interface/screens/record_defaults.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velmar {
namespace {

using R = ProjectRecord;
using RealArray = double[3];

template <typename T, std::size_t N>
void CopyFields(ProjectRecord& to, const ProjectRecord& from, T R::*const (&members)[N]) {
    for (T R::*member : members) std::memcpy(&(to.*member), &(from.*member), sizeof(T));
}

// Each group's fields that have a default, a value beside its working copy.
// clang-format off
constexpr double R::*kSystemReals[] = {
    &R::temperature, &R::temperature_temp, &R::depth, &R::depth_temp, &R::width, &R::width_temp,
    &R::length, &R::length_temp, &R::volume, &R::volume_temp, &R::area, &R::area_temp,
    &R::flow, &R::flow_temp,
};
constexpr std::int32_t R::*kTPFlags[] = {
    &R::PhosRemSpec, &R::PhosRemSpec_temp, &R::PhosremCalc, &R::PhosRemCalc_temp,
    &R::check_Ktp, &R::check_Ktp_temp, &R::check_Vtp, &R::check_Vtp_temp,
    &R::checked_phos_new, &R::checked_phos_new_temp,
    &R::checked_phos_estab, &R::checked_phos_estab_temp,
    &R::checked_phos_deter, &R::checked_phos_deter_temp,
    &R::UserSelectedTPLoad, &R::UserSelectedTPLoad_temp, &R::UserCheckedLoad, &R::UserCheckedLoad_temp,
    &R::UserCheckedQiCi, &R::UserCheckedQiCi_temp, &R::OkToModelTP, &R::nu_m_entered,
    &R::TPLoad_entered, &R::QiCi_entered, &R::UserEnterActiveLayerThick, &R::m_entered, &R::fi_entered,
    &R::FooledByAccept, &R::checked_fi, &R::checked_fi_temp, &R::checked_Kdw, &R::checked_Kdw_temp,
    &R::checked_Fpw, &R::checked_Fpw_temp, &R::checked_fpw_l, &R::checked_fpw_l_temp, &R::checked_fi1,
    &R::checked_fi2, &R::checked_fi3, &R::checked_fo1, &R::checked_fo2, &R::checked_fo3,
    &R::checked_fdw,
};
constexpr double R::*kTPReals[] = {
    &R::PhosRemRateAB, &R::PhosRemRateAB_temp, &R::PhosRemRateVB, &R::PhosRemRateVB_temp,
    &R::ActiveLayerThickness, &R::ActiveLayerThickness_temp,
    &R::ActiveLayerBulkDensity, &R::ActiveLayerBulkDensity_temp,
    &R::MaximumPSorptionCapacity, &R::MaximumPSorptionCapacity_temp,
    &R::YearlyTPLoading, &R::YearlyTPLoading_temp, &R::DailyTPLoading, &R::DailyTPLoading_temp,
    &R::UserSpecifiedWetlandAge, &R::UserSpecifiedWetlandAge_temp,
    &R::YearlyTPFlow, &R::YearlyTPFlow_temp, &R::InflowingTPConc, &R::InflowingTPConc_temp,
    &R::Kdw, &R::Kdw_temp, &R::Fpw, &R::Fpw_temp, &R::Fdw, &R::Fdw_temp, &R::fpw_l, &R::fpw_l_temp,
    &R::fdw_l, &R::fdw_l_temp, &R::f_i, &R::f_i_temp, &R::f_o, &R::f_o_temp, &R::f_ib, &R::f_ib_temp,
    &R::bonding_energy_constant, &R::bonding_energy_constant_temp,
};
constexpr std::int32_t R::*kContaminantFlags[] = {
    &R::checked_contam_tau, &R::checked_contam_tau_temp,
    &R::checked_contam_removal, &R::checked_contam_removal_temp, &R::NumOC_SLR, &R::NumOC_SLR_temp,
    &R::NumHM_LLR, &R::NumHM_LLR_temp, &R::called_by_contam_group,
    &R::checked_kvInput, &R::checked_kvInput_temp, &R::checked_kvCalc, &R::checked_kvCalc_temp,
    &R::checked_KdsInput, &R::checked_KdsInput_temp, &R::checked_KdsCalc, &R::checked_KdsCalc_temp,
    &R::checked_KdwInput, &R::checked_KdwInput_temp, &R::checked_KdwCalc, &R::checked_KdwCalc_temp,
    &R::DisplayedVolCoeff, &R::recalc_convd1, &R::recalc_convd2, &R::recalc_convd3, &R::RemAccepted,
    &R::HM_called, &R::recalc_hmvd1, &R::recalc_hmvd2, &R::recalc_hmvd3,
};
constexpr double R::*kContaminantReals[] = {
    &R::f_oc, &R::f_oc_temp, &R::Bedf_oc, &R::Bedf_oc_temp, &R::DOCH2o, &R::DOCH2o_temp,
    &R::DOCBed, &R::DOCBed_temp, &R::WindSpeed, &R::WindSpeed_temp,
};
constexpr RealArray R::*kContaminantArrays[] = {
    &R::Kds, &R::Kds_temp, &R::ConKdw, &R::ConKdw_temp,
    &R::MolecularDiffusivity, &R::MolecularDiffusivity_temp, &R::ConMD, &R::Kow, &R::Kow_temp,
    &R::Henry, &R::Henry_temp, &R::Tau, &R::Tau_temp, &R::kd, &R::kd_temp, &R::kv, &R::kv_temp,
    &R::kdb, &R::kdb_temp, &R::MW, &R::MW_temp, &R::ConVd, &R::ConVd_temp, &R::HMKds, &R::HMKds_temp,
    &R::HMConKdw, &R::HMConKdw_temp, &R::HMMolecularDiffusivity, &R::HMMolecularDiffusivity_temp,
    &R::HMMD, &R::HMVd, &R::HMVd_temp,
};
constexpr NameText R::*kContaminantNames[] = {
    &R::TauCompName1, &R::TauCompName1_temp, &R::TauCompName2, &R::TauCompName2_temp,
    &R::TauCompName3, &R::TauCompName3_temp, &R::HMName1, &R::HMName1_temp,
    &R::HMName2, &R::HMName2_temp, &R::HMName3, &R::HMName3_temp,
};
// clang-format on

}  // namespace

const ProjectRecord& DefaultRecord() {
    static const ProjectRecord defaults = [] {
        ProjectRecord r = ProgramStartRecord();
        ResetToDefaults(r);
        return r;
    }();
    return defaults;
}

void ApplySystemDefaults(ProjectRecord& r) {
    CopyFields(r, DefaultRecord(), kSystemReals);
}

void ApplyTPDefaults(ProjectRecord& r) {
    CopyFields(r, DefaultRecord(), kTPFlags);
    CopyFields(r, DefaultRecord(), kTPReals);
}

void ApplyContaminantDefaults(ProjectRecord& r) {
    CopyFields(r, DefaultRecord(), kContaminantFlags);
    CopyFields(r, DefaultRecord(), kContaminantReals);
    CopyFields(r, DefaultRecord(), kContaminantArrays);
    CopyFields(r, DefaultRecord(), kContaminantNames);
}

}  // namespace velmar
