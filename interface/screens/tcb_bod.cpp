#include "interface/screens/tcb_bod.h"

#include <cstdio>
#include <string>

#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "project/system_formulas.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// ---- Total coliform bacteria ----

constexpr Row kTcbRows[] = {
    Number(tcb_data::kRateField, "Decay Rate (/day @ 20 Deg. C)", &R::tcb_decay_rate20_temp,
           &R::tcb_decay_rate20),
    Text(tcb_data::kRateDefaultLabel, "Default: 0.8"),
    Number(tcb_data::kFactorField, "Temperature Corr. Factor", &R::theta_tcb_temp, &R::theta_tcb),
    Text(tcb_data::kFactorDefaultLabel, "Default: 1.07"),
};

// ---- Biochemical oxygen demand ----

constexpr Row kBodRows[] = {
    Number(bod_data::kRateField, "Biochemical Oxygen Demand Decay Rate (/day @ 20 Deg. C)",
           &R::bod_decay_rate20_temp, &R::bod_decay_rate20),
    Text(bod_data::kComputedRateLabel, "Computed Decay Value for H ="),
    Number(bod_data::kFactorField, "Temperature Corr. Factor", &R::theta_bod_temp, &R::theta_bod),
    Text(bod_data::kFactorDefaultLabel, "Default: 1.047"),
};

// The decay rate that suits the wetland's depth, computed afresh rather than taken from the
// committed rate, which is the user's own once typed in: the label lets the user compare.
std::string ComputedBodRateText(const ProjectRecord& r) {
    char text[128];
    std::snprintf(text, sizeof text, "Computed Decay Value for H = %.2f(m): %.2f",
                  RoundToDecimals(r.depth, 2), BodDecayRateForDepth(r.depth));
    return text;
}

void OpenBod(ScreenContext& c) {
    c.d.SetText(bod_data::kComputedRateLabel, ComputedBodRateText(c.r));
}

}  // namespace

const DataScreen kTCBData{
    .number = kTCBDataScreen,
    .caption = "TCB Data Entry Screen",
    .rows = kTcbRows,
    .help_button = tcb_data::kTcbHelp,
    .help_file = "tcb.txt",
};

const DataScreen kBODData{
    .number = kBODDataScreen,
    .caption = "BOD Data Entry Screen",
    .rows = kBodRows,
    .help_button = bod_data::kBodHelp,
    .help_file = "bod.txt",
    .on_open = OpenBod,
};

}  // namespace velmar
