#include "interface/resources/templates.h"

#include <algorithm>
#include <cstdlib>

namespace velmar {

const std::vector<const DialogTemplate*>& AllTemplates() {
    static const std::vector<const DialogTemplate*> all = [] {
        std::vector<const DialogTemplate*> list;
        for (const auto* family : {&ShellTemplates(), &RunTemplates(), &ComparisonTemplates(), &AnalysisTemplates()}) {
            for (const DialogTemplate& t : *family) list.push_back(&t);
        }
        std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->number < b->number; });
        return list;
    }();
    return all;
}

const DialogTemplate& Template(int number) {
    const auto& all = AllTemplates();
    auto found = std::find_if(all.begin(), all.end(), [number](auto* t) { return t->number == number; });
    if (found == all.end()) std::abort();
    return **found;
}

}  // namespace velmar
