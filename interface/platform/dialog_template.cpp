#include "interface/platform/dialog_template.h"

#include <algorithm>
#include <utility>

namespace velmar {

const Control* DialogTemplate::Find(int id) const {
    auto found =
        std::find_if(controls.begin(), controls.end(), [id](const Control& c) { return c.id == id; });
    return found == controls.end() ? nullptr : &*found;
}

namespace {

bool InButtonStrip(const Control& c) {
    return (c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultButton) && c.at.row < 0;
}

// Where a control stands as (row, column) from the dialog body down through its group
// boxes, so that comparing two places compares their reading positions.
std::vector<std::pair<int, int>> Place(const DialogTemplate& t, const Control& c) {
    std::vector<std::pair<int, int>> place;
    for (const Control* at = &c; at; at = at->at.group ? t.Find(at->at.group) : nullptr)
        place.insert(place.begin(), {at->at.row, at->at.column});
    return place;
}

}  // namespace

std::vector<const Control*> ReadingOrder(const DialogTemplate& t) {
    std::vector<std::pair<std::vector<std::pair<int, int>>, const Control*>> body;
    std::vector<const Control*> strip;
    for (const Control& c : t.controls) {
        if (InButtonStrip(c)) {
            strip.push_back(&c);
        } else {
            body.emplace_back(Place(t, c), &c);
        }
    }
    std::stable_sort(body.begin(), body.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const Control*> order;
    for (const auto& [place, c] : body) order.push_back(c);
    order.insert(order.end(), strip.begin(), strip.end());
    return order;
}

}  // namespace velmar
