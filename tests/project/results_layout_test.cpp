// Each results entry is tagged with whose result it is and of what kind; the tags must agree
// with the value each entry holds, as the file's labels name it.
#include "project/results_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

struct Expected {
    ResultsOf of;
    int index;
    ResultsKind kind;
    const char* value;
};

TEST(ResultsLayout, ConstituentSlotAndKindFindTheEntryOfThatValue) {
    const Expected cases[] = {
        {ResultsOf::Conventional, kTSS, ResultsKind::RemovalRate, "TSS_removal_rate"},
        {ResultsOf::Conventional, kTN, ResultsKind::RemovalRate, "tn_decay_rate"},
        {ResultsOf::Conventional, kTP, ResultsKind::RemovalRate, "tp_removal_rate"},
        {ResultsOf::Conventional, kBOD, ResultsKind::Efficiency, "RE_BOD"},
        {ResultsOf::Conventional, kTCB, ResultsKind::Outflow, "TCBoutConc"},
        {ResultsOf::Conventional, kTP, ResultsKind::Outflow, "TPoutConc"},
        {ResultsOf::Organic, 0, ResultsKind::RemovalRate, "ContamRemovalRate[0]"},
        {ResultsOf::Organic, 2, ResultsKind::Efficiency, "RE_Contam[2]"},
        {ResultsOf::Organic, 1, ResultsKind::DissolvedInPoreWater, "ContamFdp[1]"},
        {ResultsOf::Organic, 2, ResultsKind::SedimentConcentration, "ContamSedConc[2]"},
        {ResultsOf::Metal, 0, ResultsKind::RemovalRate, "ContamRemovalRate[3]"},
        {ResultsOf::Metal, 2, ResultsKind::Efficiency, "RE_Contam[5]"},
        {ResultsOf::Metal, 1, ResultsKind::Outflow, "HMOutConc[1]"},
        {ResultsOf::Metal, 2, ResultsKind::ParticulateInWater, "HMFp[2]"},
        {ResultsOf::Metal, 0, ResultsKind::SedimentConcentration, "HMSedConc[0]"},
    };
    for (const Expected& c : cases) {
        const auto i = FindResultsEntry(c.of, c.index, c.kind);
        ASSERT_TRUE(i.has_value()) << c.value;
        EXPECT_EQ(std::string(kResultsEntries[*i].value), c.value);
    }
    EXPECT_FALSE(FindResultsEntry(ResultsOf::Conventional, kTSS, ResultsKind::SedimentConcentration));
    EXPECT_FALSE(FindResultsEntry(ResultsOf::Organic, 3, ResultsKind::RemovalRate));
}

TEST(ResultsLayout, EveryConstituentHasOneEntryOfEachKindItHas) {
    int conventional = 0, organic = 0, metal = 0, workings = 0;
    for (const ResultsEntry& e : kResultsEntries) {
        switch (e.of) {
            case ResultsOf::Conventional: ++conventional; break;
            case ResultsOf::Organic: ++organic; break;
            case ResultsOf::Metal: ++metal; break;
            case ResultsOf::Workings: ++workings; break;
        }
        // Only a slot's entries carry its name in their label.
        const bool named = std::string(e.format).find("%s") != std::string::npos;
        EXPECT_EQ(named, e.of == ResultsOf::Organic || e.of == ResultsOf::Metal) << e.value;
    }
    // Five conventional constituents with a rate, an efficiency and an outflow; three slots
    // of each contaminant kind with those, three fractions and a sediment concentration.
    EXPECT_EQ(conventional, 5 * 3);
    EXPECT_EQ(organic, 3 * 7);
    EXPECT_EQ(metal, 3 * 7);
    EXPECT_EQ(workings, 95 - 15 - 42);
}

TEST(ResultsLayout, ASlotsLabelCarriesThatSlotsName) {
    ProjectRecord r = DefaultRecord();
    SetName(r.TauCompName2, "Toluene");
    SetName(r.HMName3, "Zinc");
    EXPECT_STREQ(
        ResultsEntryName(r, kResultsEntries[*FindResultsEntry(ResultsOf::Organic, 1, ResultsKind::Outflow)]),
        "Toluene");
    EXPECT_STREQ(
        ResultsEntryName(r, kResultsEntries[*FindResultsEntry(ResultsOf::Metal, 2, ResultsKind::Efficiency)]),
        "Zinc");
    EXPECT_EQ(
        ResultsEntryName(
            r, kResultsEntries[*FindResultsEntry(ResultsOf::Conventional, kTN, ResultsKind::Efficiency)]),
        nullptr);
}

}  // namespace
}  // namespace velmar
