// Constituent selection and inflow concentrations: which constituents the model run
// covers; the hub from which each chosen constituent's data screens are opened; and, for
// each constituent, whether its outflow concentration is wanted and from which inflow.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace constituent_selection {
enum : int {
    kSelectionHelp = 1011,
    kShowTPOptions = 1012,
    kConstituentList = 1013,
    kMakeSelectionsLabel = 9001,
    kNoteLabel = 9002,
};
// The items of the list, from the top.
enum Item : int { kTSSItem, kTCBItem, kBODItem, kTNItem, kTPItem, kContaminantItem };
}  // namespace constituent_selection

namespace data_input_selection {
enum : int {
    kTCBDataButton = 1012,
    kTSSDataButton = 1018,
    kBODDataButton = 1019,
    kNitrogenDataButton = 1020,
    kPhosphorousDataButton = 1021,
    kContaminantDataButton = 1022,
    kDataInputHelp = 1023,
};
}  // namespace data_input_selection

namespace inflow_concentrations {
enum : int {
    kTSSBox = 1007,
    kBODBox = 1008,
    kTCBBox = 1009,
    kTNBox = 1010,
    kTPBox = 1011,
    kOrganicBox1 = 1012,  // to 1014
    kMetalBox1 = 1015,    // to 1017
    kTSSField = 1176,
    kBODField = 1177,
    kTCBField = 1178,
    kTNField = 1179,
    kTPField = 1180,
    kOrganicField1 = 1181,  // to 1183
    kMetalField1 = 1184,    // to 1186
    kInflowHelp = 9001,
    kOutflowGroup = 9002,
    kPleaseEnterLabel = 9003,
};
}  // namespace inflow_concentrations

struct DataScreen;

// The three screens' tables, opened with Show<>; the data input selection only once the
// system properties are entered.
extern const DataScreen kConstituentSelection;
extern const DataScreen kDataInputSelection;
extern const DataScreen kInflowConcentrations;

// TSS is modelled whenever contaminants are, or phosphorus with a calculated removal rate:
// both need the solids' settling and resuspension. Applied to the working copies.
void KeepTSSWhereNeeded(ProjectRecord& r);

}  // namespace velmar
