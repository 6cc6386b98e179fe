// The order in which the keyboard visits a template's controls, whatever order they are
// declared in.
#include "interface/platform/dialog_template.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmar::testing {
namespace {

using K = ControlKind;

TEST(ReadingOrder, BodyRowByRowLeftToRightGroupsWhereTheyStandThenTheButtonStrip) {
    const DialogTemplate t{.number = 901,
                           .caption = "Out of order",
                           .controls = {
                               {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
                               {.id = 3, .kind = K::NumberField, .at = {2, 1}},
                               {.id = 2, .kind = K::Label, .text = "Depth (m)", .at = {2, 0}},
                               {.id = 5, .kind = K::GroupBox, .text = "Scheme", .at = {1, 0, 2}},
                               {.id = 6, .kind = K::RadioButton, .text = "Mixed", .at = {1, 0, 1, 5}},
                               {.id = 8, .kind = K::PushButton, .text = "Show", .at = {3, 0}},
                               {.id = 7, .kind = K::RadioButton, .text = "Longitudinal", .at = {0, 0, 1, 5}},
                               {.id = kCancelId, .kind = K::PushButton, .text = "Cancel"},
                               {.id = 1, .kind = K::NumberField, .at = {0, 0}},
                           }};
    std::vector<int> ids;
    for (const Control* c : ReadingOrder(t)) ids.push_back(c->id);
    EXPECT_EQ(ids, (std::vector<int>{1, 5, 7, 6, 2, 3, 8, kOkId, kCancelId}));
}

}  // namespace
}  // namespace velmar::testing
