// Templates of the shell's own windows: About, Detailed Information, help text, disclaimer.
#include "interface/resources/templates.h"

namespace velmar {
namespace {

// Ids of labels that no code addresses.
constexpr int kReferLabel = 9001;

using K = ControlKind;

}  // namespace

const std::vector<DialogTemplate>& ShellTemplates() {
    static const std::vector<DialogTemplate> templates = {
        {.number = kAboutDialog,
         .caption = "About Velmar Model",
         .controls =
             {
                 {.id = 1014, .kind = K::Label, .at = {0, 0}, .flags = kCentered, .width = 46},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
                 {.id = 1017, .kind = K::PushButton, .text = "Details"},
             }},
        {.number = kDetailedInformationDialog,
         .caption = "Detailed Information",
         .controls =
             {
                 {.id = 1015, .kind = K::MultilineText, .at = {0, 0}, .width = 52, .lines = 7},
                 {.id = kReferLabel,
                  .kind = K::Label,
                  .text = "For details on model assumptions, formulation, and use, refer to",
                  .at = {1, 0}},
                 {.id = 1206,
                  .kind = K::Link,
                  .text = "Velmar Screening Model: Model Overview and Technical Basis (info.doc)",
                  .at = {2, 0}},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
                 {.id = kCancelId, .kind = K::PushButton, .text = "Cancel"},
             }},
        {.number = kHelpTextDialog,
         .caption = "Help",
         .controls =
             {
                 {.id = 1130, .kind = K::MultilineText, .at = {0, 0}, .width = 72, .lines = 22},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
             }},
        {.number = kDisclaimerDialog,
         .caption = "Velmar Disclaimer",
         .controls =
             {
                 {.id = 1204, .kind = K::MultilineText, .at = {0, 0}, .width = 72, .lines = 18},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "ACCEPT"},
                 {.id = 1205, .kind = K::PushButton, .text = "DECLINE"},
             },
         .system_menu = false},
    };
    return templates;
}

}  // namespace velmar
