// Which fields each reset of the record gives a value, checked field by field against lists
// written out here, independently of the field list the resets are made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "project/file_entries.h"
#include "project/record.h"
#include "tests/support/default_project.h"

namespace velmar {
namespace {

using testing::DefaultProject;
using Names = std::set<std::string>;

// The fields of a list such as "Kds, TSS removal rate"; an array stands for all its slots.
Names Fields(std::string_view list) {
    Names names;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(", "), list.size());
        names.emplace(list.substr(0, end));
        list.remove_prefix(std::min(end + 2, list.size()));
    }
    return names;
}

// The fields of a list, each with its working copy name_temp.
Names WithWorkingCopies(std::string_view list) {
    Names names;
    for (const std::string& name : Fields(list)) {
        names.insert(name);
        names.insert(name + "_temp");
    }
    return names;
}

Names operator+(Names names, const Names& more) {
    names.insert(more.begin(), more.end());
    return names;
}

// The fields each reset gives a value.
const Names kSystemMembers = WithWorkingCopies("temperature, depth, width, length, volume, area, flow");

const Names kTPMembers =
    WithWorkingCopies(
        "PhosRemSpec, check_Ktp, check_Vtp, PhosRemRateAB, PhosRemRateVB, checked_phos_new, "
        "checked_phos_estab, checked_phos_deter, UserSelectedTPLoad, UserCheckedLoad, UserCheckedQiCi, "
        "checked_fi, checked_Kdw, checked_Fpw, checked_fpw_l, ActiveLayerThickness, ActiveLayerBulkDensity, "
        "MaximumPSorptionCapacity, YearlyTPLoading, DailyTPLoading, UserSpecifiedWetlandAge, YearlyTPFlow, "
        "InflowingTPConc, Kdw, Fpw, Fdw, fpw_l, fdw_l, f_i, f_o, f_ib, bonding_energy_constant") +
    Fields(
        "PhosremCalc, PhosRemCalc_temp, OkToModelTP, nu_m_entered, TPLoad_entered, QiCi_entered, "
        "UserEnterActiveLayerThick, m_entered, fi_entered, FooledByAccept, checked_fi1, checked_fi2, "
        "checked_fi3, checked_fo1, checked_fo2, checked_fo3, checked_fdw");

const Names kContaminantMembers =
    WithWorkingCopies(
        "checked_contam_tau, checked_contam_removal, NumOC_SLR, NumHM_LLR, TauCompName1, TauCompName2, "
        "TauCompName3, HMName1, HMName2, HMName3, f_oc, Bedf_oc, DOCH2o, DOCBed, WindSpeed, Kds, ConKdw, "
        "MolecularDiffusivity, Kow, Henry, Tau, kd, kv, kdb, MW, ConVd, checked_kvInput, checked_kvCalc, "
        "checked_KdsInput, checked_KdsCalc, checked_KdwInput, checked_KdwCalc, HMKds, HMConKdw, "
        "HMMolecularDiffusivity, HMVd") +
    Fields(
        "called_by_contam_group, ConMD, DisplayedVolCoeff, recalc_convd1, recalc_convd2, recalc_convd3, "
        "RemAccepted, HMMD, HM_called, recalc_hmvd1, recalc_hmvd2, recalc_hmvd3");

// Results of the last run and values the screens derive: set at program start, never reset.
const Names kProgramStartOnly =
    WithWorkingCopies(
        "detention_time, mean_velocity, mean_vel_cms, HydResidenceTime, Vd, big_volume, big_area, big_depth, "
        "big_length, big_width, checked_HMKdwInput, checked_HMKdwCalc") +
    Fields(
        "valid, RatioLoW, mean_vel_check, calc_re, tss_net_settling, TSS removal rate, bod_default_decay, "
        "bod_default_temp, tcb_decay_rate, bod_decay_rate, called_by_TN_RR_selection, tn_decay_rate, "
        "called_by_phos_RR_selection, ComputedWetlandAge, KtpH, Qi, Ci, C, Cb, Cd, Cp, Cdp, f_pw, f_dw, "
        "f_dp, Y, Korg, DisplayBoth, TauAccepted, Khm, called_by_added_close, APhi_entered_MTC, "
        "PD_entered_MTC, SG_entered_MTC, DSD_entered_MTC");

// What the user typed on the system property screen and a Reset Defaults keeps.
const Names kKeptEntryMarks = Fields("length_entered, width_entered");

// "Kds[1]" names the field Kds.
std::string FieldName(const char* label) {
    return std::string(label, std::strcspn(label, "["));
}

// Gives every entry a value that no default or start value uses.
void Scribble(ProjectRecord& r) {
    for (const FileEntry& e : kFileEntries) {
        switch (e.kind) {
            case FieldKind::Int: IntAt(r, e) = 7; break;
            case FieldKind::Real: RealAt(r, e) = 7.25; break;
            case FieldKind::Name: SetName(NameAt(r, e), "Scribble"); break;
        }
    }
}

bool SameValue(const ProjectRecord& a, const FileEntry& ea, const ProjectRecord& b, const FileEntry& eb) {
    if (ea.kind != eb.kind) return false;
    switch (ea.kind) {
        case FieldKind::Int: return IntAt(a, ea) == IntAt(b, eb);
        case FieldKind::Real: return RealAt(a, ea) == RealAt(b, eb);
        case FieldKind::Name: return std::strcmp(NameAt(a, ea), NameAt(b, eb)) == 0;
    }
    return false;
}

bool SameValue(const ProjectRecord& a, const ProjectRecord& b, const FileEntry& e) {
    return SameValue(a, e, b, e);
}

bool IsZero(const ProjectRecord& r, const FileEntry& e) {
    switch (e.kind) {
        case FieldKind::Int: return IntAt(r, e) == 0;
        case FieldKind::Real: return RealAt(r, e) == 0;
        case FieldKind::Name: return NameAt(r, e)[0] == '\0';
    }
    return false;
}

// The fields that an operation gives a value on a scribbled record.
Names Changed(void (*operation)(ProjectRecord&)) {
    ProjectRecord scribbled{};
    Scribble(scribbled);
    ProjectRecord r = scribbled;
    operation(r);
    Names changed;
    for (const FileEntry& e : kFileEntries) {
        if (!SameValue(r, scribbled, e)) changed.insert(FieldName(e.label));
    }
    return changed;
}

// Checks that an operation on a scribbled record gives exactly the fields `given` their
// values in `expected` and leaves every other field as it was.
void ExpectGivesExactly(void (*operation)(ProjectRecord&), const Names& given,
                        const ProjectRecord& expected) {
    ProjectRecord scribbled{};
    Scribble(scribbled);
    ProjectRecord r = scribbled;
    operation(r);
    Names fields;
    for (const FileEntry& e : kFileEntries) {
        fields.insert(FieldName(e.label));
        if (given.count(FieldName(e.label))) {
            EXPECT_TRUE(SameValue(r, expected, e)) << e.label << " is not given its value";
        } else {
            EXPECT_TRUE(SameValue(r, scribbled, e)) << e.label << " is changed";
        }
    }
    for (const std::string& name : given) EXPECT_EQ(fields.count(name), 1u) << name << " is no field";
}

Names AllFieldsExcept(const Names& excluded) {
    Names names;
    for (const FileEntry& e : kFileEntries) names.insert(FieldName(e.label));
    for (const std::string& name : excluded) EXPECT_EQ(names.erase(name), 1u) << name << " is no field";
    return names;
}

TEST(RecordDefaults, EachGroupResetGivesExactlyItsMembersTheirDefaults) {
    ExpectGivesExactly(ApplySystemDefaults, kSystemMembers, DefaultRecord());
    ExpectGivesExactly(ApplyTPDefaults, kTPMembers, DefaultRecord());
    ExpectGivesExactly(ApplyContaminantDefaults, kContaminantMembers, DefaultRecord());
}

TEST(RecordDefaults, ResetRestoresEveryDefaultAndLeavesTheFieldsWithoutOne) {
    ExpectGivesExactly(ResetToDefaults, AllFieldsExcept(kProgramStartOnly + kKeptEntryMarks),
                       DefaultProject());
}

TEST(RecordDefaults, ClearEntryStateTouchesOnlyTheEntryMarksAndTheStartUpRequest) {
    ProjectRecord cleared{};
    cleared.start_up_with_defaults = 1;
    ExpectGivesExactly(ClearEntryState, Fields("length_entered, width_entered, start_up_with_defaults"),
                       cleared);
}

TEST(RecordDefaults, ProgramStartIsZeroExceptTheStartValues) {
    const ProjectRecord r = ProgramStartRecord();
    const Names nonzero = WithWorkingCopies("checked_HMKdwInput") +
                          Fields(
                              "mean_vel_check, big_volume_temp, big_area_temp, big_depth_temp, "
                              "big_length_temp, big_width_temp");
    for (const FileEntry& e : kFileEntries) {
        EXPECT_EQ(IsZero(r, e), !nonzero.count(e.label)) << e.label;
    }
}

// The entry of the value whose working copy has this label ("Kds_temp[1]" gives "Kds[1]"),
// matched regardless of case: PhosRemCalc_temp is the working copy of PhosremCalc.
const FileEntry* CommittedValueOf(const std::string& copy_label) {
    const std::size_t suffix = copy_label.find("_temp");
    if (suffix == std::string::npos) return nullptr;
    const std::string label = copy_label.substr(0, suffix) + copy_label.substr(suffix + 5);
    const auto same_letter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (const FileEntry& e : kFileEntries) {
        const std::string_view other = e.label;
        if (std::equal(label.begin(), label.end(), other.begin(), other.end(), same_letter)) return &e;
    }
    return nullptr;
}

TEST(RecordDefaults, WorkingCopiesShareTheGroupAndDefaultOfTheirValue) {
    const Names reset = Changed(ResetToDefaults);
    const Names groups[] = {reset, Changed(ApplySystemDefaults), Changed(ApplyTPDefaults),
                            Changed(ApplyContaminantDefaults)};
    int pairs = 0;
    for (const FileEntry& copy : kFileEntries) {
        const FileEntry* value = CommittedValueOf(copy.label);
        if (value == nullptr) continue;
        ++pairs;
        const std::string value_name = FieldName(value->label);
        const std::string copy_name = FieldName(copy.label);
        for (const Names& group : groups) {
            EXPECT_EQ(group.count(value_name), group.count(copy_name)) << copy.label;
        }
        if (reset.count(value_name)) {
            EXPECT_TRUE(SameValue(DefaultRecord(), *value, DefaultRecord(), copy)) << copy.label;
        }
    }
    EXPECT_EQ(pairs, 220);  // every _temp entry but bod_default_temp, which is no working copy
}

}  // namespace
}  // namespace velmar
