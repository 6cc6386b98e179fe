// Messages of the data-entry screens; each screen's own messages beside the shared ones.
#pragma once

namespace velmar {

inline constexpr const char* kInvalidInput = "Invalid Input!";
inline constexpr const char* kInvalidInputCaption = "Invalid Input";
inline constexpr const char* kChooseOneOption = "You must select ONE option!";
inline constexpr const char* kChooseOneOptionCaption = "Invalid Selection";

// Volume/Area/Depth & Length/Width Selection Screen
inline constexpr const char* kChooseTwoDimensions = "You must choose TWO from the first list!";
inline constexpr const char* kChooseOneDimension = "You must choose ONE from the second list!";
inline constexpr const char* kInvalidSelectionsCaption = "Invalid Selections";

// TSS Input Option Selection Screen
inline constexpr const char* kNegativeResuspension =
    "Error - Settling velocity and/or Burial velocity specified result in a negative Resuspension velocity!";
inline constexpr const char* kNegativeResuspensionCaption = "Resuspension Velocity Error";
// Constituent Selection
inline constexpr const char* kChooseOneTPMethod = "You must choose ONE of the TP removal rate options!";
inline constexpr const char* kChooseOneTPMethodCaption = "Invalid TP Options";

// Data Input Selection Screen
inline constexpr const char* kEnterTSSFirst = "You must first enter the TSS Data!";
inline constexpr const char* kEnterTSSFirstCaption = "TSS Data Missing";

// Options Selected for TP Removal Rate
inline constexpr const char* kChooseOneTPOption = "Choose ONE of the options!";
inline constexpr const char* kChooseOneTPOptionCaption = "Invalid Options";

// Specify Phosphorous Removal Rate Entry Screen
inline constexpr const char* kRateMustBeNumber = "Phosporous Removal Rate Must be a Number!";
inline constexpr const char* kInvalidEntryCaption = "Invalid Entry";

// TP Wetland Age / Methods Selection Screen, New Wetland Input for Water Column Phosphorus
inline constexpr const char* kChooseOneChoice = "You must select ONE of the choices below!";
inline constexpr const char* kNoSelectionCaption = "No Selection";

// TP Determination of Wetland Age Screen
inline constexpr const char* kDeterminedEstablished =
    "The wetland was determined to be an established wetland.";
inline constexpr const char* kEstablishedWetlandCaption = "Established Wetland";
inline constexpr const char* kDeterminedNew = "The wetland was determined to be a new wetland.";
inline constexpr const char* kNewWetlandCaption = "New Wetland";

// Additional Required Sediment Data
inline constexpr const char* kNothingRequired = "Nothing is required at this time. Press OK.";
inline constexpr const char* kNothingRequiredCaption = "Nothing Required";

// Contaminants Gerneral Information Screen
inline constexpr const char* kChooseRemovalOption = "You must select one of the removal rate options!";
inline constexpr const char* kChooseRemovalOptionCaption = "No Removal Rate Options Specified";

}  // namespace velmar
