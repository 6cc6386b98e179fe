// A page that shows every dialog of the program in turn, for the page's tests: each dialog's
// description goes to the console as it opens, and Escape (its Cancel event) closes it.
#include <cstdio>
#include <vector>

#include "interface/platform/web/web_ui.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/registry.h"

int main() {
    using namespace velmar;
    WebUi ui;
    std::vector<const DialogTemplate*> all = AllTemplates();
    for (const DataScreen* screen : AllScreens()) all.push_back(&ScreenTemplate(*screen));
    for (const DialogTemplate* t : all) {
        std::printf("dialog %s\n", WebTemplateDescription(*t).c_str());
        ui.ShowModal(kNoOwner, *t, [](Dialog& d, const DialogEvent& e) {
            if (e.kind == DialogEvent::Cancel) d.End(0);
        });
    }
    std::printf("every dialog shown\n");
    return 0;
}
