#include "interface/screens/tn.h"

#include <array>
#include <cstdio>
#include <string>

#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/session/state.h"
#include "project/record.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// Opens a screen of the chain on the committed values of what it edits.
bool ShowOnCommittedValues(Ui& ui, Owner owner, const DataScreen& screen) {
    RevertRows(Project(), screen);
    return ShowScreen(ui, owner, screen);
}

// ---- Known parameter ----

constexpr Row kKnownParameterRows[] = {
    Text(tn_known_parameter::kSelectLabel, "Select Known Parameters:"),
    Radio(tn_known_parameter::kRemovalRateButton, "Total Nitrogen Removal Rate", &R::checked_Ktn_temp,
          &R::checked_Ktn),
    Radio(tn_known_parameter::kDenitrificationButton, "Denitrification Rate", &R::checked_Kdn_temp,
          &R::checked_Kdn),
};

bool ShowChosenParameter(Ui& ui, Owner owner) {
    return ShowOnCommittedValues(ui, owner, Project().checked_Ktn ? kTNRateBasis : kTNDenitrification);
}

// ---- Rate basis ----

constexpr Row kRateBasisRows[] = {
    Text(tn_rate_basis::kSelectLabel, "Make a Selection for Removal Rate Basis:"),
    Radio(tn_rate_basis::kArealButton, "Areal (Vtn) [m/day]", &R::checked_KtnAreal_temp,
          &R::checked_KtnAreal),
    Radio(tn_rate_basis::kVolumetricButton, "Volumetric (Ktn) [/day]", &R::checked_KtnVolumetric_temp,
          &R::checked_KtnVolumetric),
};

bool ShowRateOnChosenBasis(Ui& ui, Owner owner) {
    return ShowOnCommittedValues(ui, owner,
                                 Project().checked_KtnVolumetric ? kTNRateVolumetric : kTNRateAreal);
}

// ---- Rate entry ----

using namespace tn_rate_entry;

// The defaults the system screens give TN while it is not modelled.
const std::string kRateDefaultText = DefaultLabelText(DefaultRecord().Ktn);
const std::string kFactorDefaultText = DefaultLabelText(DefaultRecord().theta_tn);

bool Never(const R&, int) {
    return false;
}

// What sets the two rate entry screens apart. Both edit Ktn, which holds the rate on the
// chosen basis as it is: switching the basis converts nothing.
struct RateBasis {
    const char* basis_label;
    int rate_field;
    const char* rate_label;
    int rate_default_label;
    Condition rate_default_shown;
};

std::array<Row, 6> RateEntryRows(const RateBasis& b) {
    return {
        Text(kEnterLabel, "Enter the following:"),
        Text(kBasisLabel, b.basis_label),
        Number(b.rate_field, b.rate_label, &R::Ktn_temp, &R::Ktn),
        Text(b.rate_default_label, kRateDefaultText.c_str()).ShownWhen(b.rate_default_shown),
        Number(kFactorField, "Temperature Correction Factor:", &R::theta_tn_temp, &R::theta_tn),
        Text(kFactorDefaultLabel, kFactorDefaultText.c_str()),
    };
}

// The default rate is shown on the volumetric screen only.
const std::array<Row, 6> kVolumetricRows = RateEntryRows({
    .basis_label = "TN Removal Rate [Volumetric Basis]",
    .rate_field = kVolumetricRateField,
    .rate_label = "Ktn (/day @ 20 Deg. C):",
    .rate_default_label = kVolumetricRateDefaultLabel,
    .rate_default_shown = nullptr,
});
const std::array<Row, 6> kArealRows = RateEntryRows({
    .basis_label = "TN Removal Rate [Areal Basis]",
    .rate_field = kArealRateField,
    .rate_label = "Vtn (m/day @ 20 Deg. C):",
    .rate_default_label = kArealRateDefaultLabel,
    .rate_default_shown = Never,
});

// ---- Denitrification ----

constexpr Row kDenitrificationRows[] = {
    Number(tn_denitrification::kDenitrificationRateField,
           "Denitrification Rate (/day @ 20 Deg. C)  [Kdn]:", &R::Kdn_temp, &R::Kdn),
    Number(tn_denitrification::kRatioField, "Nitrate to Total Nitrogen Ratio:", &R::No3_TN_Ratio_temp,
           &R::No3_TN_Ratio),
    Number(tn_denitrification::kFactorField, "Temperature Correction Factor:", &R::theta_tn_temp,
           &R::theta_tn),
};

}  // namespace

const DataScreen kTNKnownParameter{
    .number = kTNKnownParameterScreen,
    .caption = "TN Known Parameter Selection Screen",
    .rows = kKnownParameterRows,
    .help_button = tn_known_parameter::kKnownParameterHelp,
    .help_file = "tn1.txt",
    .one_option = true,
    .next = ShowChosenParameter,
};

const DataScreen kTNRateBasis{
    .number = kTNRateBasisScreen,
    .caption = "TN Areal or Volumetric Removal Rate Entry Screen",
    .rows = kRateBasisRows,
    .help_button = tn_rate_basis::kRateBasisHelp,
    .help_file = "tn2.txt",
    .one_option = true,
    .next = ShowRateOnChosenBasis,
};

// An invalid number on the rate and denitrification screens leaves them as they are,
// without a word.
const DataScreen kTNRateVolumetric{
    .number = kTNRateVolumetricScreen,
    .caption = "Specify Nitrogen Removal Rate Entry Screen",
    .rows = kVolumetricRows,
    .help_button = kRateEntryHelp,
    .help_file = "tn2.txt",
    .on_invalid = OnInvalid::Stay,
};

const DataScreen kTNRateAreal{
    .number = kTNRateArealScreen,
    .caption = "Specify Nitrogen Removal Rate Entry Screen",
    .rows = kArealRows,
    .help_button = kRateEntryHelp,
    .help_file = "tn2.txt",
    .on_invalid = OnInvalid::Stay,
};

const DataScreen kTNDenitrification{
    .number = kTNDenitrificationScreen,
    .caption = "TN Data Entry Screen",
    .rows = kDenitrificationRows,
    .help_button = tn_denitrification::kDenitrificationHelp,
    .help_file = "tn5.txt",
    .on_invalid = OnInvalid::Stay,
};

std::string DefaultLabelText(double value) {
    char text[400];  // "%f" writes every integer digit: up to 309 for the largest double
    std::snprintf(text, sizeof text, "%f", value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') shown.pop_back();
    }
    return "Default: " + shown;
}

}  // namespace velmar
