// Templates of the model run: Program Options, Save Data, and the results screen.
#include "interface/resources/run_templates.h"

#include <string>

#include "interface/resources/templates.h"
#include "project/results_layout.h"

namespace velmar {
namespace {

using K = ControlKind;

constexpr int kOptionsGroup = 1200;
constexpr int kSaveDataText = 9101;

// The results screen: rows of a label and a read-only value, two pairs to a row.
struct ResultsColumn {
    int heading;  // the heading above the column, 0 for none
    int first_row;
    int column;  // 0: left pair, 2: right pair
    std::vector<int> entries;
};

const ResultsColumn kResultsColumns[] = {
    {0, 0, 0, {1, 2, 3, 4, 5}},
    {0, 0, 2, {6, 7, 8, 9, 10}},
    {kResultsHeadingRates, 6, 0, {11, 12, 13, 17, 18, 19}},
    {kResultsHeadingEfficiencies, 6, 2, {14, 15, 16, 20, 21, 22}},
    {kResultsHeadingOutflow, 13, 0, {23, 24, 25, 26, 27}},
    {kResultsHeadingOutflow, 13, 2, {28, 29, 30, 31, 32, 33}},
    {kResultsHeadingSediment, 20, 2, {90, 91, 92, 93, 94, 95}},
};

struct Heading {
    int id;
    const char* text;
    int row;
    int column;
};

const Heading kResultsHeadings[] = {
    {kResultsHeadingRates, "Contaminant Removal Rates:", 5, 0},
    {kResultsHeadingEfficiencies, "Contaminants RE (%):", 5, 2},
    {kResultsHeadingOutflow, "Outflow Concentrations (Total) in water:", 12, 0},
    {kResultsHeadingSediment, "Concentrations (Total) in sediment bed:", 19, 2},
};

DialogTemplate ResultsTemplate() {
    DialogTemplate t{
        .number = kResultsDialog,
        .caption = "Volumetric Removal Rate, Removal Efficiency (%), Outflow Concentration Results",
        .buttons = ButtonStrip::Right,
        .dense = true};
    for (const Heading& h : kResultsHeadings) {
        t.controls.push_back({.id = h.id, .kind = K::Label, .text = h.text, .at = {h.row, h.column, 2}});
    }
    for (const ResultsColumn& c : kResultsColumns) {
        int row = c.first_row;
        for (int entry : c.entries) {
            // Without a width the label keeps to one line: a unit is never broken.
            t.controls.push_back({.id = ResultsLabelId(entry), .kind = K::Label, .at = {row, c.column}});
            t.controls.push_back({.id = ResultsValueId(entry),
                                  .kind = K::ReadOnlyField,
                                  .at = {row, c.column + 1},
                                  .width = 10,
                                  .label = ResultsLabelId(entry)});
            ++row;
        }
    }
    // Below every row, shown only for a phosphorus solution that did not converge.
    t.controls.push_back(
        {.id = kResultsTpNote, .kind = K::Label, .text = kTpNotConvergedNote, .at = {26, 0, 4}, .flags = kHidden});
    t.controls.push_back({.id = kOkId, .kind = K::DefaultButton, .text = "OK"});
    t.controls.push_back({.id = kResultsPrint, .kind = K::PushButton, .text = "Print"});
    t.controls.push_back({.id = kResultsSave, .kind = K::PushButton, .text = "Save"});
    t.controls.push_back({.id = kResultsCompare, .kind = K::PushButton, .text = "Compare..."});
    t.controls.push_back({.id = kResultsHelp, .kind = K::PushButton, .text = "Help"});
    return t;
}

}  // namespace

const std::vector<DialogTemplate>& RunTemplates() {
    static const std::vector<DialogTemplate> templates = {
        {.number = kProgramOptionsDialog,
         .caption = "Program Options",
         .controls =
             {
                 {.id = kOptionsGroup,
                  .kind = K::GroupBox,
                  .text = "Options Used When Running the Model",
                  .at = {0, 0}},
                 {.id = kOptionAutoSave,
                  .kind = K::RadioButton,
                  .text = "Automatically Save Data before Running Model",
                  .at = {0, 0, 1, kOptionsGroup}},
                 {.id = kOptionTempSave,
                  .kind = K::RadioButton,
                  .text = "Use Temporary File to Save Data before Running Model",
                  .at = {1, 0, 1, kOptionsGroup}},
                 {.id = kOptionPromptMe,
                  .kind = K::RadioButton,
                  .text = "Prompt to Save Data or Use Temporary File before Running Model",
                  .at = {2, 0, 1, kOptionsGroup}},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
                 {.id = kCancelId, .kind = K::PushButton, .text = "Cancel"},
             }},
        {.number = kSaveDataDialog,
         .caption = "Save Data",
         .controls =
             {
                 {.id = kSaveDataText,
                  .kind = K::Label,
                  .text = "Before running the model, the current data must be saved. Choose from the "
                          "follwing options:",
                  .at = {0, 0},
                  .width = 50},
                 {.id = kSaveDataTemporary,
                  .kind = K::RadioButton,
                  .text = "Use a temporary data file",
                  .at = {1, 0}},
                 {.id = kSaveDataToFile,
                  .kind = K::RadioButton,
                  .text = "Save changes to the current file",
                  .at = {2, 0}},
                 {.id = kOkId, .kind = K::DefaultButton, .text = "OK"},
                 {.id = kCancelId, .kind = K::PushButton, .text = "Cancel"},
             }},
        ResultsTemplate(),
    };
    return templates;
}

std::vector<int> ResultsHeadingEntries(int heading) {
    std::vector<int> entries;
    for (const ResultsColumn& c : kResultsColumns) {
        if (c.heading == heading) entries.insert(entries.end(), c.entries.begin(), c.entries.end());
    }
    return entries;
}

int ResultsLabelId(int entry) {
    return 3000 + entry;
}
int ResultsValueId(int entry) {
    return 3100 + entry;
}

}  // namespace velmar
