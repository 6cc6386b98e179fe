#include "interface/screens/tp_options.h"

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "project/record.h"

namespace velmar {
namespace {

using R = ProjectRecord;

using namespace tp_removal_options;

// No record values: the choice stays in its working copies until the constituent
// selection that opened this screen is accepted.
constexpr Row kRemovalOptionRows[] = {
    Text(kQuestionLabel, "Specify or calculate phosporous removal rate?"),
    Radio(kSpecifyButton, "Specify", &R::PhosRemSpec_temp),
    Radio(kCalculateButton, "Calculate", &R::PhosRemCalc_temp).BesidePrevious(),
};

bool OneRemovalOption(ScreenContext& c) {
    if (c.r.PhosRemSpec_temp + c.r.PhosRemCalc_temp == 1) return true;
    c.Message(kChooseOneTPOption, kChooseOneTPOptionCaption);
    return false;
}

}  // namespace

const DataScreen kTPRemovalOptions{
    .number = kTPRemovalOptionsScreen,
    .caption = "Options Selected for TP Removal Rate",
    .rows = kRemovalOptionRows,
    .help_button = kOptionsHelp,
    .help_file = "const_p_data.txt",
    .validate = OneRemovalOption,
};

}  // namespace velmar
