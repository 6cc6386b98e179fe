// The comparison with the P-k-C* design method: the wetland type, the hydraulic loading, a
// table of the model's and the design method's values, notes and the caveat. The values
// stand in labels, so that eleven columns fit the screen.
#include "interface/resources/comparison_template.h"

#include "interface/resources/templates.h"
#include "project/pkc_comparison.h"

namespace velmar {
namespace {

using K = ControlKind;

constexpr int kNameHeading = 3320;
constexpr int kFirstColumnHeading = 3321;
constexpr int kFirstTableRow = 3;  // grid rows above: type, loading, headings

DialogTemplate ComparisonTemplate() {
    DialogTemplate t{.number = kComparisonDialog, .caption = "Comparison with the P-k-C* Design Method"};
    const int span = kComparisonColumnCount + 1;
    t.controls = {
        {.id = kComparisonTypeGroup, .kind = K::GroupBox, .text = "Wetland Type", .at = {0, 0, span}},
        {.id = kComparisonFreeWaterSurface,
         .kind = K::RadioButton,
         .text = "&Free water surface (FWS)",
         .at = {0, 0, 1, kComparisonTypeGroup}},
        {.id = kComparisonSubsurface,
         .kind = K::RadioButton,
         .text = "&Horizontal subsurface flow (HSSF)",
         .at = {0, 1, 1, kComparisonTypeGroup}},
        {.id = kComparisonLoading, .kind = K::Label, .at = {1, 0, span}},
        {.id = kNameHeading, .kind = K::Label, .text = "Constituent", .at = {2, 0}},
    };
    for (int c = 0; c < kComparisonColumnCount; ++c) {
        t.controls.push_back({.id = kFirstColumnHeading + c,
                              .kind = K::Label,
                              .text = kComparisonColumns[c],
                              .at = {2, c + 1},
                              .flags = kCentered});
    }
    for (int r = 0; r < kComparisonRows; ++r) {
        t.controls.push_back({.id = ComparisonNameId(r), .kind = K::Label, .at = {kFirstTableRow + r, 0}});
        for (int c = 0; c < kComparisonColumnCount; ++c) {
            t.controls.push_back({.id = ComparisonValueId(r, c),
                                  .kind = K::Label,
                                  .at = {kFirstTableRow + r, c + 1},
                                  .flags = kCentered});
        }
    }
    int row = kFirstTableRow + kComparisonRows;
    t.controls.push_back({.id = kComparisonNotes, .kind = K::Label, .at = {row++, 0, span}});
    int id = kComparisonCaveat;
    for (const char* line : kPkcCaveat) {
        t.controls.push_back({.id = id++, .kind = K::Label, .text = line, .at = {row++, 0, span}});
    }
    t.controls.push_back({.id = kOkId, .kind = K::DefaultButton, .text = "Close"});
    t.controls.push_back({.id = kComparisonSave, .kind = K::PushButton, .text = "&Save..."});
    t.controls.push_back({.id = kComparisonPrint, .kind = K::PushButton, .text = "&Print..."});
    t.controls.push_back({.id = kComparisonHelp, .kind = K::PushButton, .text = "He&lp"});
    return t;
}

}  // namespace

int ComparisonNameId(int row) {
    return 3400 + row * 16;
}

int ComparisonValueId(int row, int column) {
    return ComparisonNameId(row) + 1 + column;
}

const std::vector<DialogTemplate>& ComparisonTemplates() {
    static const std::vector<DialogTemplate> templates = {ComparisonTemplate()};
    return templates;
}

}  // namespace velmar
